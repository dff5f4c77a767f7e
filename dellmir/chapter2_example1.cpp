// Chapter 2, example 1: random products of a monomial and a polynomial,
// expanded one product at a time, each pair shown by a dotted arc.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// The monomial (anchor 1) paired with each term of the bracket, above the
// problem line.
constexpr ArcRow kKind1Arcs[] = {
    {1, 2, 9, 0, -1, 1, Fixed(1), ""},
    {1, 3, 7, 0, -1, 1, Fixed(2), ""},
    {1, 4, 11, 0, -1, 1, Fixed(2.5f), ""},
};
// Each product after its arc: x^2, xy and x after the coefficient of its slot.
constexpr int kKind1ProductSlots[] = {5, 6, 7};
constexpr const char* kKind1ProductLetters[] = {"x^2", "xy", "x"};

}  // namespace

void Dellmir::RunDistributiveExample1() {
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300)});
  gDellmirHeadingX = 30;
  gLineStartX = gDellmirHeadingX + 36;
  gLineY = 30;
  DrawPieces(*this, {PenWidth(5)});
  DrawTextLine(*this, gDellmirHeadingX, gLineY, 0, Literal("例1　分配法則を使って、"));
  DrawPieces(*this, {NextLine(50, 0, "次の計算をしなさい。")});
  gNumListA(31) = gLineStartX;
  gNumListB(31) = gLineY + 50;
  gInputValue = 3;
  while (gInputValue != 1) {
    DrawExample1Kind1();
    ShowExample1Kind1();
    AskNextStep();
  }
  // The last problem stays; the next kind's block begins below its answer
  // line.
  gNumListA(31) = gLineStartX;
  gNumListB(31) = gLineY + 80;
}

// a x (b x + c y + d): a from ±1 to ±5, never the first coefficient drawn
// last; b ±1 to ±7; c ±2 to ±6, so the y term always shows a digit; d ±1 to
// ±8.
void Dellmir::DrawExample1Kind1() {
  DrawFirstCoefficient(1);
  DrawSignedTerm(2, 7, 1);
  DrawSignedTerm(3, 5, 2);
  DrawSignedTerm(4, 8, 1);
  gTermValue(5) = gTermValue(1) * gTermValue(2);
  gTermValue(6) = gTermValue(1) * gTermValue(3);
  gTermValue(7) = gTermValue(1) * gTermValue(4);
  gTermValue(14) = gTermValue(4);
}

void Dellmir::ShowExample1Kind1() {
  PrepareTextsAndKeyChoice();
  MakeCoefficientTexts(10);
  // The constant keeps its digit, also when it is 1 or -1.
  gTermText(4) = gTermValue(4) > 0 ? "+" + gTermText(14) : gTermText(14);
  DrawPieces(*this, {Wipe(0, gNumListB(31), 1320, gNumListB(31) + 1300)});
  gLineStartX = gNumListA(31);
  gLineY = gNumListB(31);
  StripPlusOf({1, 2, 5});
  gFracUnreduced = gTermText(1) + "x";
  gFracReduced = gTermText(2) + "x";
  gFracEquation = gTermText(3) + "y";

  DrawTextLine(*this, gDellmirHeadingX, gLineY + 60, 3, Literal("① "));
  const Text pieces[] = {gFracUnreduced + "(", gFracReduced, gFracEquation, gTermText(4) + ")"};
  for (int k = 1; k <= 4; ++k) {
    const float x = k == 1 ? gLineStartX + 40 : gLineEndX;
    gPointX(k) = x + 27;
    if (k == 1) gPointY(1) = gLineY;
    DrawTextAt(*this, x, gLineY, 0, pieces[k - 1]);
    gLineEndX = gPenX;
  }
  DrawPieces(*this, {NextLine(60, 0, "=")});
  for (int k = 0; k < 3; ++k) {
    WaitForKey();
    DrawArcRows(std::span(kKind1Arcs).subspan(static_cast<size_t>(k), 1), true);
    WaitForKey();
    DrawTextLine(*this, gLineEndX, gLineY, 5,
                 gTermText(kKind1ProductSlots[k]) + Literal(kKind1ProductLetters[k]));
  }
}

}  // namespace lesson
