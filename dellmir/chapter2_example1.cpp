// Chapter 2, example 1: random products of a monomial and a polynomial in
// three kinds, expanded one product at a time, each pair shown by a dotted
// arc; then the summary of the distributive law.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// Kind 1: the monomial (anchor 1, on the left) paired with each term of the
// bracket, the farthest term under the highest arc.
constexpr ArcRow kKind1Arcs[] = {
    {1, 2, 9, 0, -1, 1, Fixed(1), ""},
    {1, 3, 7, 0, -1, 1, Fixed(2), ""},
    {1, 4, 11, 0, -1, 1, Fixed(2.5f), ""},
};
// Kind 2: the monomial stands on the right, so the arcs take the other side
// to stay above the line.
constexpr ArcRow kKind2Arcs[] = {
    {1, 2, 9, 0, 1, 1, Fixed(2.5f), ""},
    {1, 3, 7, 0, 1, 1, Fixed(2), ""},
    {1, 4, 11, 0, 1, 1, Fixed(1), ""},
};
// Kind 3: from the fraction to the bracket's first term, then its constant.
constexpr ArcRow kKind3FirstArc = {1, 2, 9, 0, -1, 1, Fixed(1), ""};
constexpr ArcRow kKind3SecondArc = {1, 3, 7, 0, -1, 1, Fixed(2), ""};

// The products of kinds 1 and 2: x^2, xy and x after the coefficient of
// their slot.
constexpr int kProductSlots[] = {5, 6, 7};
constexpr const char* kProductLetters[] = {"x^2", "xy", "x"};

constexpr Piece kSummary[] = {
    NextLine(0, 3, "<多項式と単項式の乗法>"),
    NextLine(50, 0, "分配法則を使って計算する"),
    NextLine(50, 7, "(a+b)*c=ac+bc"),
    NextLine(50, 7, "c(a+b)=ac+bc"),
    NextLine(50, 5, "※cが分数の場合でも同じ"),
    Wait(),
    At(40, 580, 3, "教科書P13 問1をやろう。"),
};

}  // namespace

// Each kind is a step loop that ends on an answer of exactly 1; the screen
// is never cleared between kinds.
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

  // Kind 2 below kind 1's last problem, which stays.
  gNumListA(31) = gLineStartX;
  gNumListB(31) = gLineY + 80;
  gInputValue = 3;
  while (gInputValue != 1) {
    DrawExample1Kind2();
    ShowExample1Kind2();
    AskNextStep();
  }

  // Kind 3 on the right, kinds 1 and 2 staying on the left.
  gNumListA(31) = 600;
  gNumListB(31) = 30;
  gInputValue = 3;
  while (gInputValue != 1) {
    DrawExample1Kind3();
    ShowExample1Kind3();
    AskNextStep();
  }
  ShowExample1Summary();
}

// --- Kind 1: a x (b x + c y + d) ---

// a from ±1 to ±5, never the first coefficient drawn last; b ±1 to ±7;
// c ±2 to ±6, so the y term always shows a digit; d ±1 to ±8.
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

// Texts of kinds 1 and 2, the block wiped and the line put at its start.
void Dellmir::PrepareExample1Problem(std::initializer_list<int> stripped) {
  PrepareTextsAndKeyChoice();
  MakeCoefficientTexts(1, 10);
  // The constant keeps its digit, also when it is 1 or -1.
  gTermText(4) = gTermValue(4) > 0 ? "+" + gTermText(14) : gTermText(14);
  DrawPieces(*this, {Wipe(0, gNumListB(31), 1320, gNumListB(31) + 1300)});
  gLineStartX = gNumListA(31);
  gLineY = gNumListB(31);
  StripPlusOf(stripped);
  gFracUnreduced = gTermText(1) + "x";
  gFracReduced = gTermText(2) + "x";
  gFracEquation = gTermText(3) + "y";
}

void Dellmir::ShowExample1Kind1() {
  PrepareExample1Problem({1, 2, 5});
  DrawTextLine(*this, gDellmirHeadingX, gLineY + 60, 3, Literal("① "));
  const Text pieces[] = {gFracUnreduced + "(", gFracReduced, gFracEquation, gTermText(4) + ")"};
  static constexpr int kAnchors[] = {1, 2, 3, 4};
  DrawAnchoredPieces(gLineStartX + 40, pieces, kAnchors);
  DrawPieces(*this, {NextLine(60, 0, "=")});
  RevealPairedProducts(kKind1Arcs);
}

void Dellmir::RevealPairedProducts(std::span<const ArcRow> arcs) {
  for (size_t k = 0; k < arcs.size(); ++k) {
    WaitForKey();
    DrawArcRows(arcs.subspan(k, 1), true);
    WaitForKey();
    DrawTextLine(*this, gLineEndX, gLineY, 5, gTermText(kProductSlots[k]) + Literal(kProductLetters[k]));
  }
}

// --- Kind 2: (p x + q y + k) * m x ---

// The same ranges as kind 1, m under the same guard.
void Dellmir::DrawExample1Kind2() { DrawExample1Kind1(); }

void Dellmir::ShowExample1Kind2() {
  PrepareExample1Problem({2, 5});
  // A negative monomial after the times sign goes in brackets.
  gWorkText = gFracUnreduced;
  if (gTermValue(1) < 0) {
    BracketNegative();
  } else {
    StripLeadingPlus();
  }
  gFracUnreduced = gWorkText;

  DrawTextLine(*this, gDellmirHeadingX, gLineY + 60, 3, Literal("② "));
  DrawTextLine(*this, gLineStartX + 40, gLineY, 0, Literal("("));
  const Text pieces[] = {gFracReduced, gFracEquation, gTermText(4) + ")*", gFracUnreduced};
  static constexpr int kAnchors[] = {2, 3, 4, 1};
  DrawAnchoredPieces(gLineEndX, pieces, kAnchors);
  DrawPieces(*this, {NextLine(60, 0, "=")});
  RevealPairedProducts(kKind2Arcs);
}

// --- Kind 3: (n/d) x (a x + b) ---

// d from 2, 3, 5; n from the other two and 1, with a sign, so n/d is in
// lowest terms and never whole; a = p d and b = q d with p, q from ±1 to
// ±5, so the expansion has whole coefficients n p and n q. No guard.
void Dellmir::DrawExample1Kind3() {
  gPointX(1) = 2;
  gPointX(2) = 3;
  gPointX(3) = 5;
  gPointX(4) = 1;
  gRandomPick = plat::Int(scr.Rnd() * 3 + 1);
  gTermValue2(1) = gPointX(plat::CInt(gRandomPick));
  // d leaves the list; the numbers after it move up.
  for (int i = plat::CInt(gRandomPick); i <= 3; ++i) gPointX(i) = gPointX(i + 1);
  gRandomPick = plat::Int(scr.Rnd() * 3 + 1);
  gTermValue(1) = gPointX(plat::CInt(gRandomPick));
  SignCoin(1);
  DrawSignedTerm(12, 5, 1);
  DrawSignedTerm(13, 5, 1);
  gTermValue(2) = gTermValue(12) * gTermValue2(1);
  gTermValue(3) = gTermValue(13) * gTermValue2(1);
  gTermValue(4) = gTermValue(1) * gTermValue(12);
  gTermValue(5) = gTermValue(1) * gTermValue(13);
}

void Dellmir::ShowExample1Kind3() {
  // Texts: the fraction, a without a sign before a positive value, b always
  // signed, n p and n q as coefficients.
  gFracDen = gTermValue2(1);
  gFracNum = gTermValue(1);
  FormatFraction();
  gTextList10(1) = gFracReduced;
  PrepareTextsAndKeyChoice();
  if (gTermValue(3) > 0) gTermText(3) = "+" + gTermText(3);
  MakeCoefficientTexts(4, 5);

  // The problem line, "=" below it, and the first arc.
  const float blockX = gNumListA(31), blockY = gNumListB(31);
  DrawPieces(*this, {Wipe(blockX - 30, blockY, blockX - 30 + 1320, blockY + 1500)});
  gDellmirHeadingX = blockX;
  gLineStartX = gDellmirHeadingX + 36;
  gLineY = blockY;
  DrawTextLine(*this, gDellmirHeadingX, gLineY + 60, 3, Literal("③ "));
  const Text pieces[] = {gTextList10(1) + "x(", gTermText(2) + "x", gTermText(3) + ")"};
  static constexpr int kAnchors[] = {1, 2, 3};
  DrawAnchoredPieces(gLineStartX + 40, pieces, kAnchors);
  DrawTextLine(*this, gLineStartX, gLineY + 90, 0, Literal("="));
  WaitForKey();
  DrawArcFromFraction(kKind3FirstArc);
  WaitForKey();

  // The second line: each product of the fraction with a term; the pen
  // where each second factor starts and the fraction's denominator are kept
  // (elements 1 to 4 of gNumListA/B) for the cancelling.
  gWorkText = gTermText(2) + "x";
  if (gTermValue(2) < 0) BracketNegative();
  gTermText(22) = gWorkText;
  DrawFractionProduct(gTermText(22), 1, 2);
  WaitForKey();
  DrawArcFromFraction(kKind3SecondArc);
  WaitForKey();
  if (gTermValue(1) > 0) gTextList10(1) = "+" + gTextList10(1);
  gWorkText = gTermText(3);
  if (gTermValue(3) > 0) {
    StripLeadingPlus();
  } else {
    BracketNegative();
  }
  gTermText(23) = gWorkText;
  DrawFractionProduct(gTermText(23), 3, 4);
  DrawTextLine(*this, gLineStartX, gLineY + 100, 0, Literal("="));
  WaitForKey();

  // The third line: the denominator cancels against a and b, whose digits
  // start past the "(-" of a bracketed negative factor.
  for (int k : {12, 13, 2, 3}) {
    gWorkText = gTermText(k);
    StripLeadingSign();
    gTermText(k) = gWorkText;
  }
  gWorkText = Literal("(-");
  MeasureTextWidth();
  const float openWidth = gMeasuredEndX;
  const auto denominatorCharacters = static_cast<float>(plat::Len(gTermText2(1)));
  if (gTermValue(2) < 0) gNumListA(1) = gNumListA(1) + openWidth;
  ShowCancelling(1, static_cast<float>(plat::Len(gTermText(2))), gTermText(12), 2, denominatorCharacters);
  WaitForKey();
  gWorkText = gTermText(4);
  StripLeadingPlus();
  gTermText(4) = gWorkText;
  DrawTextLine(*this, gLineEndX, gLineY, 5, gTermText(4) + "x^2");
  WaitForKey();
  if (gTermValue(3) < 0) gNumListA(3) = gNumListA(3) + openWidth;
  ShowCancelling(3, static_cast<float>(plat::Len(gTermText(3))), gTermText(13), 4, denominatorCharacters);
  WaitForKey();
  DrawTextLine(*this, gLineEndX, gLineY, 5, gTermText(5) + "x");
}

// The fraction times a factor, continuing the line; the pen where the
// factor starts goes into gNumListA/B(factorPoint), the place of the
// fraction's denominator into (denominatorPoint).
void Dellmir::DrawFractionProduct(const Text& factor, int factorPoint, int denominatorPoint) {
  DrawTextLine(*this, gLineEndX, gLineY, 0, gTextList10(1) + "x*");
  gNumListA(denominatorPoint) = gFractionDenominatorX;
  gNumListB(denominatorPoint) = gFractionDenominatorY;
  gNumListA(factorPoint) = gLineEndX;
  gNumListB(factorPoint) = gLineY;
  DrawTextLine(*this, gLineEndX, gLineY, 0, factor);
}

// The arc starts at the fraction's height, 20 above the line, and ends on
// the line at the term.
void Dellmir::DrawArcFromFraction(const ArcRow& arc) {
  DrawArcBetween(arc, gPointX(arc.from), gPointY(1) - 20, gPointX(arc.to), gPointY(1));
}

// --- Summary ---

void Dellmir::ShowExample1Summary() {
  gNumListA(31) = gLineStartX;
  gNumListB(31) = gLineY + 80;
  gLineStartX = gNumListA(31);
  gLineY = gNumListB(31);
  DrawPieces(*this, {PenWidth(5)});
  DrawPieces(*this, kSummary);
}

}  // namespace lesson
