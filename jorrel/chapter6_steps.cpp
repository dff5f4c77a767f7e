// Chapter 6's random formula problems with a common factor, and the three
// worked lines that show them: the problem, the common factor taken out into
// box ①, and the bracket factorised into boxes ② (and ③).
#include <cmath>

#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

namespace {

constexpr float kWideBox = 132, kNarrowBox = 88;

}  // namespace

void Jorrel::MakeCommonFactorProblem() {
  DrawFormulaNumbers(3);
  const float a = gTermValue(1);
  if (gJorrelFormulaType == 2) {
    gTermValue(3) = 2 * a;
    gTermValue(4) = a * a;
  } else if (gJorrelFormulaType == 3) {
    gTermValue(1) = std::fabs(a);
    gTermValue(2) = -std::fabs(a);
    gTermValue(3) = 0;
    gTermValue(4) = gTermValue(1) * gTermValue(2);
  }
  gTermValue2(1) = plat::Int(scr.Rnd() * 4 + 2);
  gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
  if (gRandomPick == 1) gTermValue2(1) = -gTermValue2(1);
  gTermValue(5) = gTermValue2(1) * gTermValue(3);
  gTermValue(6) = gTermValue2(1) * gTermValue(4);
  PrepareSignedTermTexts(6);
}

void Jorrel::NextStepText(const Text& text) { DrawTextLine(*this, gLineEndX + 10, gLineY, 0, text); }

void Jorrel::ShowCommonFactorBracket(const Text& bracket) {
  const Text factor = gTermText2(1) + gLabelList(3);
  DrawTextLine(*this, gLineStartX, gLineY + 70, 0, SJ("="));
  gPointX(1) = gLineEndX + 10;
  gPointY(1) = gLineY;
  DrawPracticeBox(gPointX(1), gPointY(1), kWideBox, 13, SJ("①"));
  NextStepText(bracket);
  WaitForKey();
  DrawPracticeBox(gPointX(1), gPointY(1), kWideBox, 13, factor);
  WaitForKey();
  DrawTextLine(*this, gLineStartX, gLineY + 70, 0, "=" + factor + "(" + gJorrelLetter);
  gPointX(2) = gLineEndX + 10;
  gPointY(2) = gLineY;
  DrawPracticeBox(gPointX(2), gPointY(2), kNarrowBox, 13, SJ("②"));
}

void Jorrel::ShowCommonFactorOutLine() {
  const Text& x = gJorrelLetter;
  DrawTextLine(*this, gLineStartX - 66, gLineY, 0,
               gJorrelProblemLabel + " " + gTermText2(1) + gLabelList(1) + gTermText(5) + gLabelList(2) + gTermText(6) +
                   gLabelList(3));
  ShowCommonFactorBracket("(" + x + "^2" + gTermText(3) + x + gTermText(4) + ")");
}

void Jorrel::ShowFactoredPairLine() {
  NextStepText(")(" + gJorrelLetter);
  gPointX(3) = gLineEndX + 10;
  gPointY(3) = gLineY;
  DrawPracticeBox(gPointX(3), gPointY(3), kNarrowBox, 13, SJ("③"));
  NextStepText(SJ(")"));
  WaitForKey();
  DrawPracticeBox(gPointX(2), gPointY(2), kNarrowBox, 13, gTermText(1));
  DrawPracticeBox(gPointX(3), gPointY(3), kNarrowBox, 13, gTermText(2));
}

void Jorrel::ShowFactoredSquareLine() {
  NextStepText(SJ(")^2"));
  WaitForKey();
  DrawPracticeBox(gPointX(2), gPointY(2), kNarrowBox, 13, gTermText(1));
}

void Jorrel::ShowCommonFactorDifferenceSteps() {
  DrawTextLine(*this, gLineStartX - 66, gLineY, 0,
               gJorrelProblemLabel + " " + gTermText2(1) + gLabelList(1) + gTermText(6) + gLabelList(3));
  ShowCommonFactorBracket("(" + gJorrelLetter + "^2" + gTermText(4) + ")");
  ShowFactoredPairLine();
}

void Jorrel::ShowCommonFactorProblemSteps() {
  if (gJorrelFormulaType == 1) {
    ShowCommonFactorOutLine();
    ShowFactoredPairLine();
  } else if (gJorrelFormulaType == 2) {
    ShowCommonFactorOutLine();
    ShowFactoredSquareLine();
  } else {
    ShowCommonFactorDifferenceSteps();
  }
}

}  // namespace lesson
