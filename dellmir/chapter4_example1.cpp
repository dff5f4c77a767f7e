// Chapter 4, item 3: random products (ku+m)(v+n) of two binomials, expanded
// one term per key under the pairing arcs, and the last one worked again by
// the distributive law.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

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
    PrepareBinomialTexts(6);
    if (gTermValue(1) == 1) {
      gLabelList(1) = "x";
      gLabelList(2) = "y";
    } else {
      gLabelList(1) = "a";
      gLabelList(2) = "b";
    }

    gDellmirHeadingX = 30;
    gLineStartX = gDellmirHeadingX + 36 + 27;
    gLineY = 20;
    DrawPieces(*this, {PenWidth(5), Wipe(0, 0, 1320, 1300)});
    DrawTextLine(*this, gDellmirHeadingX, gLineY, 0, SJ("例1 次の式を展開しなさい。"));
    DrawTextLine(*this, gLineStartX + 27, gLineY + 100, 0, "(");
    ShowBinomialProduct();
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
  DrawPairedFactors({gTermText(2) + u, gTermText2(1) + ")(", v, gTermText2(2) + ")"});
  WaitForKey();
  DrawTextLine(*this, gLineStartX, gLineY + 60, 0, "=" + gTermText(2) + u + bracket + gTermText(6) + bracket);
  WaitForKey();
  DrawTextLine(*this, gLineStartX, gLineY + 60, 5,
               "=" + gTermText(3) + u + v + gTermText(4) + u + gTermText(5) + v + gTermText2(3));
}

}  // namespace lesson
