// Chapter 4, item ④: random problems of the four formulas used backwards,
// each named with its reason before the answer.
#include <cmath>

#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

void Jorrel::MakeSquareConstantTrinomial() {
  const float m = plat::Int(scr.Rnd() * 4 + 1);
  gTermValue(1) = 2 * m;
  gTermValue(4) = gTermValue(1) * gTermValue(1);
  gDivisorNumber = gTermValue(4);
  ListDivisorPairs();
  // The pair just before the square pair (2m, 2m).
  const float k = gDivisorPairCount - 1;
  gTermValue(1) = gPointX(k);
  gTermValue(2) = gPointY(k);
  gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
  if (gRandomPick == 1) {
    gTermValue(1) = -gTermValue(1);
    gTermValue(2) = -gTermValue(2);
  }
  gTermValue(3) = gTermValue(1) + gTermValue(2);
  gJorrelFormulaType = 1;
}

void Jorrel::DrawFormulaNumbers(int types) {
  float a, b;
  for (;;) {
    a = plat::Int(scr.Rnd() * 9 + 1);
    b = plat::Int(scr.Rnd() * 9 + 1);
    gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
    if (gRandomPick == 1) a = -a;
    gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
    if (gRandomPick == 2) b = -b;
    gJorrelFormulaType = plat::Int(scr.Rnd() * static_cast<float>(types) + 1);
    while (gJorrelFormulaType == gJorrelPreviousFormulaType)
      gJorrelFormulaType = plat::Int(scr.Rnd() * static_cast<float>(types) + 1);
    gJorrelPreviousFormulaType = gJorrelFormulaType;
    if (gJorrelFormulaType != 1 || (a != b && a + b != 0)) break;
  }
  gTermValue(1) = a;
  gTermValue(2) = b;
  gTermValue(3) = a + b;
  gTermValue(4) = a * b;
}

void Jorrel::RunMixedFactorPractice() {
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300)});
  gInputValue = 3;
  while (gInputValue != 1) {
    DrawFormulaNumbers(5);
    const float a = gTermValue(1);
    switch (plat::CInt(gJorrelFormulaType)) {
      case 2:  // (x+a)^2
      case 3:  // (x-a)^2
        gTermValue(1) = gJorrelFormulaType == 2 ? std::fabs(a) : -std::fabs(a);
        gTermValue(3) = 2 * gTermValue(1);
        gTermValue(4) = gTermValue(1) * gTermValue(1);
        break;
      case 4:  // (x+a)(x-a)
        gTermValue(1) = std::fabs(a);
        gTermValue(2) = -gTermValue(1);
        gTermValue(3) = 0;
        gTermValue(4) = gTermValue(1) * gTermValue(2);
        break;
      case 5:
        MakeSquareConstantTrinomial();
        break;
      default:
        break;
    }
    gTermValue(5) = std::fabs(gTermValue(1));
    gTermValue(6) = std::fabs(gTermValue(3));
    gTermValue(7) = std::fabs(gTermValue(4));
    PrepareSignedTermTexts(4);
    static constexpr char kLetters[] = {'x', 'y', 'a', 'b'};
    gRandomPick = plat::Int(scr.Rnd() * 4 + 1);
    gJorrelLetter = Text(1, kLetters[plat::CInt(gRandomPick) - 1]);

    gLineStartX = 44;
    gLineY = 18;
    DrawPieces(*this, {Wipe(0, 0, 1320, 1300), At(44, 18, 0, "問　次の式を因数分解しなさい。")});
    ShowMixedPracticeProblem();
    ShowFormulaHint();
    WaitForKey();
    ShowMixedPracticeReason();
    WaitForKey();
    ShowMixedPracticeAnswer();
    AskNextStep();
  }
  DrawPieces(*this, {Wait(), At(132, 570, 0, "教科書P28 問6,問7　をしなさい。")});
}

}  // namespace lesson
