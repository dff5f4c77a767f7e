// Chapter 3, items ② to ④: example 3 (a square beside a trinomial that is
// none), the random practice that names the formula to use, and the answers
// to question 4.
#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

void Jorrel::ShowPerfectSquareExample3() {
  static constexpr Piece kPage[] = {
      Wipe(0, 0, 1320, 1300),
      LineStart(88, 30),
      At(22, 30, 0, "問 次の式を因数分解しなさい。"),
      NextLine(70, 0, "(1) x^2+10x+25", -66),
      LineStart(748, 30),
      NextLine(70, 0, "(2) x^2-26x+25", -66),
      Wait(),
      LineStart(88, 100),
      NextLine(70, 0, "10=2*5,25=5^2"),
      NextLine(70, 0, "だから"),
      Continue(3, "公式２'"),
      Continue(0, "を使って"),
      Wait(),
      NextLine(70, 5, "=(x+5)^2"),
      Wait(),
      LineStart(748, 100),
      NextLine(70, 0, "26≠2*5"),
      NextLine(70, 0, "だから"),
      Continue(3, "公式1'"),
      Continue(0, "を使って"),
      Wait(),
      NextLine(70, 5, "=(x-25)(x-1)"),
  };
  DrawPieces(*this, kPage);
}

void Jorrel::RunPerfectSquarePractice() {
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300)});
  gInputValue = 3;
  gJorrelCounter = 0;
  while (gInputValue != 1) {
    gJorrelCounter += 1;
    // a from -10 to -1 or 1 to 10: (x+a)^2 by formula 2' or 3'; every fourth
    // problem keeps the square constant (36 for a size of 1) but splits it
    // into the pair before the square one, so formula 1' is needed.
    float a = plat::Int(scr.Rnd() * 10 + 1);
    gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
    if (gRandomPick == 1) a = -a;
    gTermValue(1) = a;
    gTermValue(3) = 2 * a;
    gTermValue(4) = a * a;
    if (FloorModFn(gJorrelCounter, 4) == 0) {
      gJorrelFormulaType = 1;
    } else {
      gJorrelFormulaType = a < 0 ? 3 : 2;
    }
    if (gJorrelFormulaType == 1) {
      if (a == 1 || a == -1) gTermValue(4) = 36;
      gDivisorNumber = gTermValue(4);
      ListDivisorPairs();
      const float k = gDivisorPairCount - 1;
      float p = gPointX(k), q = gPointY(k);
      gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
      if (gRandomPick == 1) {
        p = -p;
        q = -q;
      }
      gTermValue(1) = p;
      gTermValue(2) = q;
      gTermValue(3) = p + q;
    }
    PrepareTextsAndKeyChoice();
    PrefixPlusSigns();
    gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
    gJorrelLetter = Text(1, gRandomPick == 1 ? 'x' : 'a');

    gLineStartX = 88;
    gLineY = 18;
    DrawPieces(*this, {Wipe(0, 0, 1320, 1300), At(88, 18, 0, "問　次の式を因数分解しなさい。")});
    ShowSquarePracticeProblem();
    gWorkText = plat::Str(gJorrelFormulaType);
    StripBlanks();
    gJorrelFormulaTypeText = gWorkText;
    WaitForKey();
    DrawTextLine(*this, gLineStartX + 132, gLineY + 80, 3, SJ("公式") + gJorrelFormulaTypeText + SJ("'を使う"));
    WaitForKey();
    ShowSquarePracticeAnswer();
    AskNextStep();
  }
  DrawPieces(*this, {Wait(), At(132, 570, 0, "教科書P27 問４　をしなさい。")});
}

void Jorrel::ShowPerfectSquareQ4Answers() {
  static constexpr Piece kPage[] = {
      Wipe(0, 0, 1320, 1300),
      LineStart(44, 30),
      At(44, 30, 3, "問４の解答"),
      Wait(),
      NextLine(75, 0, "(1) x^2+12x+36=(x+6)^2"),
      Wait(),
      NextLine(75, 0, "(2) x^2+4x+4=(x+2)^2"),
      Wait(),
      NextLine(75, 0, "(3) a^2+18a+81=(a+9)^2"),
      Wait(),
      NextLine(75, 0, "(4) x^2-2x+1=(x-1)^2"),
      Wait(),
      NextLine(75, 0, "(5) y^2-14y+49=(y-7)^2"),
      Wait(),
      NextLine(75, 0, "(6) x^2-16x+64=(x-8)^2"),
  };
  DrawPieces(*this, kPage);
}

}  // namespace lesson
