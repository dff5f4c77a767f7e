// Chapter 1, example 1: random expansions of (x+a)(x+b) beside the formula
// card.
#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

void Fennor::RunFormula1Example1() {
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1320, 1300),
                        LineStart(748, 30),
                        At(748, 30, 3, "公式１"),
                        NextLine(80, 5, " (x+a)(x+b)"),
                        NextLine(70, 5, "=x^2+(a+b)x+ab"),
                        NextLine(50, 3, "和    積", 176),
                    });
  gInputValue = 3;
  while (gInputValue != 1) {
    // a and b from -8..-1, 1..8: no square, no missing x term, and never the
    // a of the example before.
    float a, b;
    do {
      a = plat::Int(scr.Rnd() * 8 + 1);
      b = plat::Int(scr.Rnd() * 8 + 1);
      gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
      if (gRandomPick == 1) a = -a;
      gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
      if (gRandomPick == 2) b = -b;
      gTermValue(1) = a;
      gTermValue(2) = b;
      gTermValue(3) = a + b;
      gTermValue(4) = a * b;
    } while (a == b || a + b == 0 || a == gFennorPreviousFirstCoefficient);
    gTermValue(5) = a;
    gFennorPreviousFirstCoefficient = a;
    gFennorFormulaCase = 1;
    gTermValue(11) = a;
    gTermValue(12) = b;

    PrepareFormulaTermTexts();
    PickFormulaLetter();

    // The left part is wiped; the card stays.
    ShowFormulaExercise("例1　次の式を展開しなさい。", 704);
  }
  DrawPieces(*this, {At(132, 570, 0, "教科書P17 問1　をしなさい。")});
}

}  // namespace lesson
