// Chapter 4, item 3: random products (ku+m)(v+n) of two binomials, expanded
// one term per key under the pairing arcs, and the last one worked again by
// the distributive law.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// Points: 1 where ku begins, 2 27 into m (past its sign), 3 where v begins,
// 4 27 into n. Each arc comes before the term it gives.
constexpr ArcRow kExample1Arcs[] = {
    PairingArc(1, 10, 3, 10, 0, -1, -10, 3, 3, "", 20),
    PairingArc(1, 0, 4, 0, 0, -1, -20, 7, 3, "   ", 20),
    PairingArc(2, 10, 3, 0, 50, 1, -10, 3, 5, "  ", -20),
    PairingArc(2, 0, 4, 0, 50, 1, -20, 7, 5, "  ", -20),
};

}  // namespace

void Dellmir::DrawExample1Factors() {
  const Text& u = gLabelList(1);
  const Text& v = gLabelList(2);
  gPointX(1) = gLineEndX;
  gPointY(1) = gLineY;
  DrawTextLine(*this, gLineEndX, gLineY, 0, gTermText(2) + u);
  gPointX(2) = gLineEndX + 27;
  gPointY(2) = gLineY;
  DrawTextLine(*this, gLineEndX, gLineY, 0, gTermText2(1) + ")(");
  gPointX(3) = gLineEndX;
  gPointY(3) = gLineY;
  DrawTextLine(*this, gLineEndX, gLineY, 0, v);
  gPointX(4) = gLineEndX + 27;
  gPointY(4) = gLineY;
  DrawTextLine(*this, gLineEndX, gLineY, 0, gTermText2(2) + ")");
}

void Dellmir::RunExpansionExample1() {
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300)});
  gInputValue = 3;
  while (gInputValue != 1) {
    // k·u + m times v + n: k is 2 one time in eight, m from ±1..±5, n from
    // ±1..±7. Nothing is compared with the problem before.
    gTermValue(1) = plat::Int(scr.Rnd() * 2 + 1);
    gTermValue(2) = plat::Int(scr.Rnd() * 8 + 1);
    if (gTermValue(2) != 2) gTermValue(2) = 1;
    gTermValue2(1) = plat::Int(scr.Rnd() * 5 + 1);
    gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
    if (gRandomPick == 1) gTermValue2(1) = -gTermValue2(1);
    gTermValue2(2) = -plat::Int(scr.Rnd() * 7 + 1);
    gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
    if (gRandomPick == 1) gTermValue2(2) = -gTermValue2(2);

    // The answer k·uv + kn·u + m·v + mn, and m again for the second bracket.
    gTermValue(3) = gTermValue(2);
    gTermValue(4) = gTermValue(2) * gTermValue2(2);
    gTermValue(5) = gTermValue2(1);
    gTermValue2(3) = gTermValue2(1) * gTermValue2(2);
    gTermValue(6) = gTermValue2(1);

    // Constants keep their 1 and take a "+"; a coefficient before a letter
    // shows 1 as nothing and -1 as "-", and a following term takes a "+".
    PrepareTextsAndKeyChoice();
    if (gTermValue(1) == 1) {
      gLabelList(1) = "x";
      gLabelList(2) = "y";
    } else {
      gLabelList(1) = "a";
      gLabelList(2) = "b";
    }
    for (gLoopIndex = 1; gLoopIndex <= 3; ++gLoopIndex)
      if (gTermValue2(gLoopIndex) > 0) gTermText2(gLoopIndex) = "+" + gTermText2(gLoopIndex);
    for (gLoopIndex = 2; gLoopIndex <= 6; ++gLoopIndex) {
      if (gTermValue(gLoopIndex) == 1) {
        gTermText(gLoopIndex).clear();
      } else if (gTermValue(gLoopIndex) == -1) {
        gTermText(gLoopIndex) = "-";
      }
    }
    for (gLoopIndex = 4; gLoopIndex <= 6; ++gLoopIndex)
      if (gTermValue(gLoopIndex) > 0) gTermText(gLoopIndex) = "+" + gTermText(gLoopIndex);

    gDellmirHeadingX = 30;
    gLineStartX = gDellmirHeadingX + 36 + 27;
    gLineY = 20;
    DrawPieces(*this, {PenWidth(5), Wipe(0, 0, 1320, 1300)});
    DrawTextLine(*this, gDellmirHeadingX, gLineY, 0, SJ("例1 次の式を展開しなさい。"));
    DrawTextLine(*this, gLineStartX + 27, gLineY + 100, 0, "(");
    DrawExample1Factors();
    const Text& u = gLabelList(1);
    const Text& v = gLabelList(2);
    const Text terms[] = {"=" + gTermText(3) + u + v, gTermText(4) + u, gTermText(5) + v, gTermText2(3)};
    for (int k = 0; k < 4; ++k) {
      WaitForKey();
      DrawArcRows({&kExample1Arcs[k], 1}, true);
      WaitForKey();
      if (k == 0) {
        DrawTextLine(*this, gLineStartX, gLineY + 80, 5, terms[k]);
      } else {
        DrawTextLine(*this, gLineEndX, gLineY, 5, terms[k]);
      }
    }
    AskNextStep();
  }

  // The last problem again: each term of the first factor times the whole
  // second factor.
  const Text& u = gLabelList(1);
  const Text& v = gLabelList(2);
  const Text bracket = "(" + v + gTermText2(2) + ")";
  WaitForKey();
  DrawTextLine(*this, gLineStartX, gLineY + 80, 3, SJ("次のように計算してもよい。"));
  DrawTextLine(*this, gLineStartX, gLineY + 50, 0, " (");
  DrawExample1Factors();
  WaitForKey();
  DrawTextLine(*this, gLineStartX, gLineY + 60, 0, "=" + gTermText(2) + u + bracket + gTermText(6) + bracket);
  WaitForKey();
  DrawTextLine(*this, gLineStartX, gLineY + 60, 5,
               "=" + gTermText(3) + u + v + gTermText(4) + u + gTermText(5) + v + gTermText2(3));
}

}  // namespace lesson
