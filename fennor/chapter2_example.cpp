// Chapter 2, example 3: random squares beside the card of formulas 2 and 3,
// (x+a)^2 and (x-a)^2 in turn.
#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

void Fennor::RunFormulas23Example3() {
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1320, 1300),
                        LineStart(748, 30),
                        At(748, 30, 3, "公式2,3"),
                        NextLine(80, 5, " (x±a)^2"),
                        NextLine(70, 5, "=x^2±2ax+a^2"),
                        NextLine(50, 3, "2倍  ２乗", 104),
                    });
  gInputValue = 3;
  gFennorProblemCount = 0;
  while (gInputValue != 1) {
    // Formula 2 on an even count, formula 3 on an odd one; any n from 1 to 8.
    float n = plat::Int(scr.Rnd() * 8) + 1;
    float a;
    if (FloorModFn(gFennorProblemCount, 2) == 0) {
      gFennorFormulaCase = 2;
      a = n;
    } else {
      gFennorFormulaCase = 3;
      a = -n;
    }
    gTermValue(1) = a;
    gTermValue(3) = 2 * a;
    gTermValue(4) = a * a;
    gTermValue(5) = n;
    PrepareTextsAndKeyChoice();
    PutPlusSigns();
    PickFormulaLetter();
    ShowFormulaExercise("例3　次の式を展開しなさい。", 704);
    gFennorProblemCount = gFennorProblemCount + 1;
  }
  DrawPieces(*this, {At(44, 570, 0, "教科書P18 問3　をしなさい。")});
}

}  // namespace lesson
