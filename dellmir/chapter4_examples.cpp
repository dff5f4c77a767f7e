// Chapter 4, items 6 and 8: random products (ax+m)(bx+n) expanded and
// collected, and random products (ax-by)(cx+dy-e) expanded by the
// distributive law, the last one again under six numbered arcs.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// Points 1 and 2 where ax and -by begin (2 past the sign), 3 to 5 where the
// terms of the trinomial begin (4 and 5 past their signs). The arcs from ax
// stand on the line, those from -by on a segment 40 lower.
constexpr ArcRow kTrinomialArcs[] = {
    PairingArc(1, 10, 3, 10, 0, -1, -15, 7, 3, "①", 20),
    PairingArc(1, 0, 4, 0, 0, -1, -40, 7, 3, "   ②", 20),
    PairingArc(1, 0, 5, 0, 0, -1, -60, 7, 3, "     ③", 20),
    PairingArc(2, 0, 3, 0, 40, 1, -15, 9, 5, "  ④", -20),
    PairingArc(2, 0, 4, 0, 40, 1, -40, 9, 5, "   ⑤", -30),
    PairingArc(2, 0, 5, 0, 40, 1, -60, 9, 5, "    ⑥", -20),
};

}  // namespace

// --- Item 6 ---

void Dellmir::RunExpansionExample2() {
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300)});
  gInputValue = 3;
  while (gInputValue != 1) {
    // a from 2 to 4, b from 2 to 5, m from 1 to 5, n from -7 to -1; all four
    // again while a is the first coefficient of the example before.
    do {
      gTermValue(1) = plat::Int(scr.Rnd() * 3 + 2);
      gTermValue(2) = plat::Int(scr.Rnd() * 4 + 2);
      gTermValue2(1) = plat::Int(scr.Rnd() * 5 + 1);
      gTermValue2(2) = -plat::Int(scr.Rnd() * 7 + 1);
    } while (gTermValue(1) == gDellmirPreviousFirstCoefficient);
    gDellmirPreviousFirstCoefficient = gTermValue(1);
    ComputeLikeTerms();

    gDellmirHeadingX = 30;
    gLineStartX = gDellmirHeadingX + 36 + 27;
    gLineY = 20;
    DrawPieces(*this, {PenWidth(5), Wipe(0, 0, 1320, 1300)});
    DrawTextLine(*this, gDellmirHeadingX, gLineY, 0, SJ("例2 次の式を展開しなさい。"));
    DrawTextLine(*this, gLineStartX + 27, gLineY + 100, 0, "(");
    ShowLikeTermsProduct(70);
    AskNextStep();
  }
  DrawTextLine(*this, gLineStartX + 132, gLineY + 70, 3, SJ("※同類項はまとめる"));
  WaitForKey();
  DrawPieces(*this, {At(44, 570, 0, "教科書P13 問2 をしなさい。")});
}

// --- Item 8 ---

void Dellmir::RunExpansionExample3() {
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300)});
  gInputValue = 3;
  while (gInputValue != 1) {
    // The guard value only keeps the other random examples from repeating
    // their first coefficient; the problem's own a may repeat.
    float guard;
    do {
      guard = plat::Int(scr.Rnd() * 3 + 2);
    } while (guard == gDellmirPreviousFirstCoefficient);
    gDellmirPreviousFirstCoefficient = guard;
    gTermValue(11) = plat::Int(scr.Rnd() * 3 + 2);
    gTermValue(12) = -plat::Int(scr.Rnd() * 5 + 1);
    gTermValue(13) = plat::Int(scr.Rnd() * 4 + 2);
    gTermValue(14) = plat::Int(scr.Rnd() * 6 + 1);
    gTermValue2(11) = -plat::Int(scr.Rnd() * 7 + 1);

    // The six products ax·cx, ax·dy, ax·(-e), -by·cx, -by·dy, -by·(-e), and
    // the two xy terms collected.
    gTermValue(15) = gTermValue(11) * gTermValue(13);
    gTermValue(16) = gTermValue(11) * gTermValue(14);
    gTermValue(17) = gTermValue(11) * gTermValue2(11);
    gTermValue(18) = gTermValue(12) * gTermValue(13);
    gTermValue(19) = gTermValue(12) * gTermValue(14);
    gTermValue(20) = gTermValue(12) * gTermValue2(11);
    gTermValue(21) = gTermValue(16) + gTermValue(18);

    // Coefficients before letters: 1 shows as "+", -1 as "-"; the first
    // term of each bracket and of the expansion has no "+".
    PrepareTextsAndKeyChoice();
    for (gLoopIndex = 11; gLoopIndex <= 21; ++gLoopIndex) {
      const float v = gTermValue(gLoopIndex);
      Text& text = gTermText(gLoopIndex);
      if (v == 1) {
        text.clear();
      } else if (v == -1) {
        text = "-";
      }
      if (v > 0) text = "+" + text;
    }
    if (gTermValue2(11) > 0) gTermText2(11) = "+" + gTermText2(11);
    for (int n : {11, 13, 15}) {
      gWorkText = gTermText(n);
      StripLeadingPlus();
      gTermText(n) = gWorkText;
    }

    const Text& t11 = gTermText(11);
    const Text& t12 = gTermText(12);
    const Text trinomial = "(" + gTermText(13) + "x" + gTermText(14) + "y" + gTermText2(11) + ")";
    gDellmirHeadingX = 40;
    gLineStartX = gDellmirHeadingX + 27;
    gLineY = 30;
    DrawPieces(*this, {PenWidth(5), Wipe(0, 0, 1320, 1300)});
    DrawTextLine(*this, gDellmirHeadingX, gLineY, 0, SJ("例3 次の式を展開しなさい。"));
    DrawTextLine(*this, gLineStartX, gLineY + 60, 3, " (" + t11 + "x" + t12 + "y)" + trinomial);
    WaitForKey();
    DrawTextLine(*this, gLineStartX, gLineY + 50, 0, "=" + t11 + "x");
    WaitForKey();
    DrawTextLine(*this, gLineEndX, gLineY, 7, trinomial);
    WaitForKey();
    DrawTextLine(*this, gLineEndX, gLineY, 0, t12 + "y");
    WaitForKey();
    DrawTextLine(*this, gLineEndX, gLineY, 7, trinomial);
    WaitForKey();
    DrawTextLine(*this, gLineStartX, gLineY + 50, 0, "=");
    WaitForKey();
    for (const Text& product : TrinomialProducts()) {
      DrawTextLine(*this, gLineEndX, gLineY, 0, product);
      WaitForKey();
    }
    DrawTextLine(*this, gLineStartX, gLineY + 50, 0,
                 "=" + gTermText(15) + "x^2" + gTermText(16) + "xy" + gTermText(18) + "xy" + gTermText(19) + "y^2" +
                     gTermText(17) + "x" + gTermText(20) + "y");
    gNumListA(1) = gPenX;
    gNumListB(1) = gPenY;
    WaitForKey();
    // When ad = bc the xy terms cancel and the term is left out.
    const Text xy = gTermValue(21) == 0 ? Text() : gTermText(21) + "xy";
    DrawTextLine(*this, gLineStartX, gLineY + 50, 5,
                 "=" + gTermText(15) + "x^2" + xy + gTermText(19) + "y^2" + gTermText(17) + "x" + gTermText(20) + "y");
    AskNextStep();
  }

  // The last problem again, each product under its numbered arc.
  DrawTextAt(*this, gNumListA(1) + 50, gNumListB(1), 3, SJ("※同類項はまとめる"));
  WaitForKey();
  DrawTextLine(*this, gLineStartX, gLineY + 80, 3, SJ("次のように計算してもよい。"));
  DrawTextLine(*this, gDellmirHeadingX, gLineY + 140, 0, " (");
  const Text pieces[] = {gTermText(11) + "x", gTermText(12) + "y)(", gTermText(13) + "x", gTermText(14) + "y",
                         gTermText2(11) + ")"};
  for (int k = 1; k <= 5; ++k) {
    gPointX(k) = gLineEndX + (k == 2 || k >= 4 ? 27 : 0);
    gPointY(k) = gLineY;
    DrawTextLine(*this, gLineEndX, gLineY, 0, pieces[k - 1]);
  }
  DrawPieces(*this, {PenWidth(8), Wait()});
  const auto products = TrinomialProducts();
  for (size_t k = 0; k < products.size(); ++k) {
    DrawArcRows({&kTrinomialArcs[k], 1}, true);
    DrawTextLine(*this, gLineEndX, gLineY, 0, (k == 0 ? "=" : "") + products[k]);
    if (k + 1 == products.size()) DrawPieces(*this, {PenWidth(5)});
    WaitForKey();
  }
  DrawPieces(*this, {At(400, 600, 7, "教科書P15 問3 をしなさい。")});
}

// The six products in the order of the distributive law.
std::array<Text, 6> Dellmir::TrinomialProducts() const {
  return {gTermText(15) + "x^2", gTermText(16) + "xy", gTermText(17) + "x",
          gTermText(18) + "xy",  gTermText(19) + "y^2", gTermText(20) + "y"};
}

}  // namespace lesson
