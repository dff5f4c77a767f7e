// Chapter 5, the two practices with a monomial in place of the letter:
// their texts, their builders and the practice loop.
#include <cmath>

#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

void Fennor::PrepareMonomialPracticeTexts() {
  const float k = gTermValue(1), a = gTermValue(2), b = gTermValue(3);
  gTermValue(4) = k * k;
  gTermValue(5) = k * a + k * b;
  gTermValue(6) = a * b;
  gTermValue(7) = k * k;
  gTermValue(8) = 2 * k * a;
  gTermValue(9) = a * a;
  gTermValue(10) = k * k;
  gTermValue(11) = -(a * a);
  gTermValue(21) = std::fabs(a);
  gTermValue(16) = a + b;
  PrepareTextsAndKeyChoice();
  for (int n = 5; n <= 9; ++n)
    if (gTermValue(n) > 0) gTermText(n) = "+" + gTermText(n);
  gWorkText = gTermText(7);
  StripLeadingPlus();
  gTermText(7) = gWorkText;
  if (gTermValue(16) > 0) gTermText(16) = "+" + gTermText(16);
  // a and b as the second term of a factor and as a factor of a product.
  if (a > 0) {
    gTermText(12) = "+" + gTermText(2);
    gTermText(22) = gTermText(2);
  } else {
    gTermText(12) = gTermText(2);
    gTermText(22) = "(" + gTermText(2) + ")";
  }
  if (b > 0) {
    gTermText(13) = "+" + gTermText(3);
    gTermText(23) = gTermText(3);
  } else {
    gTermText(13) = gTermText(3);
    gTermText(23) = "(" + gTermText(3) + ")";
  }
  gTermText(31) = gTermText(21);
  gTermText(32) = gTermText(22) + "^2";
  // Letter kinds 1 to 4: x; a; x and y; a and b.
  static constexpr const char* kFirst[] = {"x", "a", "x", "a"};
  static constexpr const char* kSecond[] = {"", "", "y", "b"};
  const int kind = plat::CInt(gRandomPick);
  if (kind < 1 || kind > 4) plat::RaiseFault(plat::kFaultIndexOutOfRange);
  gLabelList(1) = kFirst[kind - 1];
  gLabelList(2) = kSecond[kind - 1];
  if (kind >= 3) {
    const Text& L2 = gLabelList(2);
    gTermText(9) = gTermText(9) + L2 + "^2";
    gTermText(11) = gTermText(11) + L2 + "^2";
    gTermText(31) = "(" + gTermText(21) + L2 + ")";
    gTermText(22) = "(" + gTermText(2) + L2 + ")";
    gTermText(32) = "(" + gTermText(2) + L2 + ")^2";
  }
}

void Fennor::ShowMonomialProductProblem() {
  const Text kx = gTermText(1) + gLabelList(1);
  PlaceFormulaLine(0, " (" + kx + gTermText(12) + ")(" + kx + gTermText(13) + ")");
}

void Fennor::ShowMonomialSquareProblem() {
  PlaceFormulaLine(0, " (" + gTermText(1) + gLabelList(1) + gTermText(12) + gLabelList(2) + ")^2");
}

void Fennor::ShowMonomialSumDifferenceProblem() {
  const Text kx = gTermText(1) + gLabelList(1), ay = gTermText(21) + gLabelList(2);
  PlaceFormulaLine(0, " (" + kx + "+" + ay + ")(" + kx + "-" + ay + ")");
}

void Fennor::ShowMonomialFormula1Expansion() {
  const Text kx = gTermText(1) + gLabelList(1), L1 = gLabelList(1);
  const Text rest = "*" + kx + gTermText(12) + "*" + gTermText(23);
  PlaceFormulaLine(0, "=(" + kx + ")^2+(" + gTermText(2) + gTermText(13) + ")" + rest);
  WaitForKey();
  PlaceFormulaLine(0, "=(" + kx + ")^2" + gTermText(16) + rest);
  WaitForKey();
  PlaceFormulaLine(5, "=" + gTermText(4) + L1 + "^2" + gTermText(5) + L1 + gTermText(6));
}

void Fennor::ShowMonomialFormula2Expansion() {
  const Text kx = gTermText(1) + gLabelList(1);
  PlaceFormulaLine(0, "=(" + kx + ")^2+2*(" + kx + ")*" + gTermText(22) + "+" + gTermText(32));
  WaitForKey();
  PlaceFormulaLine(5, "=" + gTermText(7) + gLabelList(1) + "^2" + gTermText(8) + gLabelList(1) + gLabelList(2) +
                          gTermText(9));
}

// The same two lines as formula 2: the sign of a tells the squares apart.
void Fennor::ShowMonomialFormula3Expansion() { ShowMonomialFormula2Expansion(); }

void Fennor::ShowMonomialFormula4Expansion() {
  const Text kx = gTermText(1) + gLabelList(1);
  PlaceFormulaLine(0, "=(" + kx + ")^2-" + gTermText(31) + "^2");
  WaitForKey();
  PlaceFormulaLine(5, "=" + gTermText(10) + gLabelList(1) + "^2" + gTermText(11));
}

void Fennor::RunMonomialPractice(const char* heading, int (*caseFor)(int problem), const char* closing) {
  static constexpr Builder kProblems[] = {&Fennor::ShowMonomialProductProblem, &Fennor::ShowMonomialSquareProblem,
                                          &Fennor::ShowMonomialSquareProblem, &Fennor::ShowMonomialSumDifferenceProblem};
  static constexpr Builder kAnswers[] = {&Fennor::ShowMonomialFormula1Expansion, &Fennor::ShowMonomialFormula2Expansion,
                                         &Fennor::ShowMonomialFormula3Expansion, &Fennor::ShowMonomialFormula4Expansion};
  DrawPieces(*this, {lesson::Wipe(0, 0, 1320, 1300)});
  gInputValue = 3;
  gFennorCounter = 1;
  while (gInputValue != 1) {
    // k from 2 to 9, a and b from -8..-2, 2..8; b raised by 1 when it has
    // the size of a (it may then be -1 or 9).
    gTermValue(1) = plat::Int(scr.Rnd() * 8 + 2);
    gTermValue(2) = plat::Int(scr.Rnd() * 7 + 2);
    gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
    if (gRandomPick == 2) gTermValue(2) = -gTermValue(2);
    gTermValue(3) = plat::Int(scr.Rnd() * 7 + 2);
    gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
    if (gRandomPick == 1) gTermValue(3) = -gTermValue(3);
    if (std::fabs(gTermValue(2)) == std::fabs(gTermValue(3))) gTermValue(3) = gTermValue(3) + 1;
    // The first eight problems in a fixed order, then at random.
    const int problem = plat::CInt(gFennorCounter);
    const int fixedCase = caseFor(problem);
    gFennorFormulaCase = fixedCase ? static_cast<float>(fixedCase) : plat::Int(scr.Rnd() * 3 + 2);
    if (problem <= 4) {
      gRandomPick = gFennorCounter;
    } else if (problem <= 8) {
      gRandomPick = gFennorCounter - 4;
    } else {
      gRandomPick = plat::Int(scr.Rnd() * 4 + 1);
    }
    PrepareMonomialPracticeTexts();
    DrawPieces(*this, {LineStart(44, 18), lesson::Wipe(0, 0, 968, 1300), At(44, 18, 0, heading)});
    CallForFormulaCase(kProblems);
    WaitForKey();
    CallForFormulaCase(kAnswers);
    AskNextStep();
    gFennorCounter = gFennorCounter + 1;
  }
  if (closing) DrawPieces(*this, {At(132, 570, 0, closing)});
}

void Fennor::RunMonomialPractice1() {
  RunMonomialPractice("Q1　次の式を展開しなさい。", [](int) { return 1; }, "教科書 問6　をしなさい。");
}

// Problems 1 to 4 square, 5 to 8 sum times difference, then 2, 3 or 4.
void Fennor::RunMonomialPractice2() {
  RunMonomialPractice(
      "Q2　次の式を展開しなさい。", [](int problem) { return problem <= 4 ? 2 : problem <= 8 ? 4 : 0; }, nullptr);
}

}  // namespace lesson
