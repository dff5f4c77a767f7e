// The lines of a random factorisation exercise: the problem, the reason why a
// formula applies and the factorised answer, for the formula types 1 (x^2+bx+c
// as (x+p)(x+q)), 2 and 3 (perfect squares) and 4 (difference of squares).
// The caller leaves the signed term texts in gTermText(1) to (4), the plain
// sizes of a, b and c in gTermText(5) to (7) and |c| in gTermValue(7).
#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

namespace {

using Builder = void (Jorrel::*)();

// Calls entry gJorrelFormulaType of a list.
template <size_t N>
void CallForFormulaType(Jorrel& j, const Builder (&list)[N]) {
  int type = plat::CInt(j.gJorrelFormulaType);
  if (type < 1 || type > static_cast<int>(N)) plat::RaiseFault(plat::kFaultIndexOutOfRange);
  Builder builder = list[type - 1];
  (j.*builder)();
}

}  // namespace

void Jorrel::PlaceFactorLine(float dx, int colour, const Text& text) {
  DrawTextLine(*this, gLineStartX + dx, gLineY + 80, colour, text);
}

// --- Problems ---

void Jorrel::ShowTrinomialProblem() {
  const Text& x = gJorrelLetter;
  PlaceFactorLine(88, 0, x + "^2" + gTermText(3) + x + gTermText(4));
}

void Jorrel::ShowPerfectSquareProblem() { ShowTrinomialProblem(); }

void Jorrel::ShowDifferenceOfSquaresProblem() { PlaceFactorLine(88, 0, gJorrelLetter + "^2" + gTermText(4)); }

// --- Reasons ---

// Formula 1' and not a square formula: the constant is a square k^2 but the
// coefficient is not 2k, or the constant is no square at all.
void Jorrel::ShowFormula1BackwardsReason() {
  gSqrtNumber = gTermValue(7);
  SimplifySqrt();
  const Text text = gSqrtNumber == 1 ? "(" + gTermText(6) + SJ("≠2*") + gSqrtCoefficientText + SJ("だから)")
                                     : "(" + gTermText(7) + SJ("が2乗でないから)");
  DrawTextAt(*this, gLineEndX, gLineY, 0, text);
}

void Jorrel::ShowSquarePlusReason() {
  DrawTextAt(*this, gLineEndX, gLineY, 0,
             "(" + gTermText(6) + "=2*" + gTermText(5) + "," + gTermText(7) + "=" + gTermText(5) +
                 SJ("^2で、＋だから)"));
}

void Jorrel::ShowSquareMinusReason() {
  DrawTextAt(*this, gLineEndX, gLineY, 0,
             "(" + gTermText(6) + "=2*" + gTermText(5) + "," + gTermText(7) + "=" + gTermText(5) +
                 SJ("^2で、－だから)"));
}

void Jorrel::ShowDifferenceOfSquaresReason() { DrawTextAt(*this, gLineEndX, gLineY, 0, SJ("(2乗－2乗 だから)")); }

// --- Answers ---

void Jorrel::ShowFactorPairAnswer() {
  const Text& x = gJorrelLetter;
  PlaceFactorLine(44, 5, "=(" + x + gTermText(1) + ")(" + x + gTermText(2) + ")");
}

void Jorrel::ShowSquareFactorAnswer() { PlaceFactorLine(44, 5, "=(" + gJorrelLetter + gTermText(1) + ")^2"); }

void Jorrel::ShowSumDifferenceFactorAnswer() { ShowFactorPairAnswer(); }

// --- The lists by formula type ---

void Jorrel::ShowSquarePracticeProblem() {
  static constexpr Builder kList[] = {&Jorrel::ShowTrinomialProblem, &Jorrel::ShowPerfectSquareProblem,
                                      &Jorrel::ShowPerfectSquareProblem};
  CallForFormulaType(*this, kList);
}

void Jorrel::ShowSquarePracticeAnswer() {
  static constexpr Builder kList[] = {&Jorrel::ShowFactorPairAnswer, &Jorrel::ShowSquareFactorAnswer,
                                      &Jorrel::ShowSquareFactorAnswer};
  CallForFormulaType(*this, kList);
}

void Jorrel::ShowMixedPracticeProblem() {
  static constexpr Builder kList[] = {&Jorrel::ShowTrinomialProblem, &Jorrel::ShowPerfectSquareProblem,
                                      &Jorrel::ShowPerfectSquareProblem, &Jorrel::ShowDifferenceOfSquaresProblem};
  CallForFormulaType(*this, kList);
}

void Jorrel::ShowMixedPracticeReason() {
  static constexpr Builder kList[] = {&Jorrel::ShowFormula1BackwardsReason, &Jorrel::ShowSquarePlusReason,
                                      &Jorrel::ShowSquareMinusReason, &Jorrel::ShowDifferenceOfSquaresReason};
  CallForFormulaType(*this, kList);
}

void Jorrel::ShowMixedPracticeAnswer() {
  static constexpr Builder kList[] = {&Jorrel::ShowFactorPairAnswer, &Jorrel::ShowSquareFactorAnswer,
                                      &Jorrel::ShowSquareFactorAnswer, &Jorrel::ShowSumDifferenceFactorAnswer};
  CallForFormulaType(*this, kList);
}

}  // namespace lesson
