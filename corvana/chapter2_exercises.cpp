// Chapter 2, the calculation exercises: three kinds of random calculations,
// each posed again in its block until the pupil types 1 at the step prompt,
// with the working revealed one line per key.
#include "corvana/corvana.h"

namespace lesson {

// The three kinds, each worked with one product formula: the problem, then
// its working lines.
std::vector<Text> Corvana::PoseDifferenceOfSquares() {
  DrawSumToHundredPair();
  const auto& t = gTermText;
  return {t(1) + "^2-" + t(2) + "^2", "=(" + t(1) + "+" + t(2) + ")(" + t(1) + "-" + t(2) + ")",
          "=" + t(3) + "*" + t(4), "=" + t(5)};
}

std::vector<Text> Corvana::PoseSquareOfSum() {
  DrawSquareOfSumPair();
  const auto& t = gTermText;
  return {t(3) + "^2", "=(" + t(2) + "+" + t(1) + ")^2", "=" + t(4) + "+" + t(5) + "+" + t(6), "=" + t(7)};
}

std::vector<Text> Corvana::PoseSumTimesDifference() {
  DrawAroundTensPair();
  const auto& t = gTermText;
  return {t(3) + "*" + t(4), "=(" + t(2) + "+" + t(1) + ")(" + t(2) + "-" + t(1) + ")",
          "=" + t(2) + "^2-" + t(1) + "^2", "=" + t(5) + "-" + t(6), "=" + t(7)};
}

// u from 1 to 3 and t from 20 to 70: t + u, t^2, 2ut, u^2 and their sum, the
// square of t + u.
void Corvana::DrawSquareOfSumPair() {
  DrawOnesAndTens(3, 1, 6, 2);
  gTermValue(3) = gTermValue(1) + gTermValue(2);
  gTermValue(4) = gTermValue(2) * gTermValue(2);
  gTermValue(5) = 2 * gTermValue(1) * gTermValue(2);
  gTermValue(6) = gTermValue(1) * gTermValue(1);
  gTermValue(7) = gTermValue(4) + gTermValue(5) + gTermValue(6);
  PrepareTextsAndKeyChoice();
}

// One kind: its block starts 80 under the line above; each problem wipes the
// block from there down (across the whole width, or from the label's x on),
// draws its label and problem, then one working line per key, the result in
// colour 5. After the step prompt's 1 the last problem stays for one more key.
void Corvana::RunExerciseKind(const char* label, bool wholeWidth, std::vector<Text> (Corvana::*pose)()) {
  gInputValue = 3;
  gNumListA(1) = gCorvanaHeadingX;
  gNumListB(1) = gLineY + 80;
  while (gInputValue != 1) {
    std::vector<Text> lines = (this->*pose)();
    if (wholeWidth) gLineStartX = 88;
    float x0 = wholeWidth ? 0 : gNumListA(1);
    scr.Line(x0, gNumListB(1), x0 + 1760, gNumListB(1) + 1800, 15, plat::kFilledBox, 15);
    DrawPieces(*this, {At(gCorvanaHeadingX, gNumListB(1), 3, label)});
    DrawTextLine(*this, gLineStartX + 27, gLineY, 0, lines.front());
    for (size_t k = 1; k < lines.size(); ++k) {
      WaitForKey();
      DrawTextLine(*this, gLineStartX, gLineY + 50, k + 1 == lines.size() ? 5 : 0, lines[k]);
    }
    AskNextStep();
  }
  WaitForKey();
}

void Corvana::RunNumberCalculationExercises() {
  gCorvanaHeadingX = 40;
  gLineY = 30;
  DrawPieces(*this, {Wipe(0, 0, 1760, 1800), At(gCorvanaHeadingX, gLineY, 3, "例1　次の式を、工夫して計算しなさい。")});
  RunExerciseKind("(1)", true, &Corvana::PoseDifferenceOfSquares);
  RunExerciseKind("(2)", true, &Corvana::PoseSquareOfSum);
  // The third kind in the right half, level with the heading; the left half
  // keeps the last problems of the first two.
  gCorvanaHeadingX = 600;
  gLineStartX = gCorvanaHeadingX + 81;
  gLineY = 30;
  RunExerciseKind("(3)", false, &Corvana::PoseSumTimesDifference);
  DrawPieces(*this, {At(132, 570, 3, "教科書P33 問1　をしなさい。")});
}

}  // namespace lesson
