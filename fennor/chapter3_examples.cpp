// Chapter 3, example 4 (random (x+a)(x-a) beside the card of formula 4) and
// the answer page of question 4.
#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

void Fennor::RunFormula4Examples() {
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1320, 1300),
                        LineStart(748, 30),
                        At(748, 30, 3, "公式4"),
                        NextLine(80, 5, " (x+a)(x-a)"),
                        NextLine(70, 5, "=x^2-a^2"),
                        NextLine(50, 3, "2乗-2乗", 30),
                    });
  gInputValue = 3;
  while (gInputValue != 1) {
    float a = plat::Int(scr.Rnd() * 8) + 1;
    gTermValue(1) = a;
    gTermValue(2) = -a;
    gTermValue(3) = 0;
    gTermValue(4) = gTermValue(1) * gTermValue(2);
    gTermValue(5) = a;
    gTermValue(12) = gTermValue(2);
    gFennorFormulaCase = 4;
    PrepareFormulaTermTexts();
    PickFormulaLetter();
    ShowFormulaExercise("例4　次の式を展開しなさい。", 704);
  }
  DrawPieces(*this, {Wait(), At(44, 570, 0, "教科書P19 問4　をしなさい。")});
}

// Five products in two columns: the number and the problem, the working
// line and the result, a key between the lines. The numbers stand at the
// column x, the lines 54 right of it.
void Fennor::ShowFormula4Q4Answers() {
  gFennorColumnX = 30;
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1320, 1300),
                        LineStart(84, 20),
                        At(84, 20, 3, "問4解答 "),
                        NextLine(50, 3, "(1)", -54),
                        Continue(0, "(x+3)(x-3)"),
                        Wait(),
                        NextLine(50, 0, "=x^2-3^2"),
                        Wait(),
                        NextLine(50, 5, "=x^2-9"),
                        Wait(),
                        NextLine(60, 3, "(2)", -54),
                        Continue(0, "(x-5)(x+5)"),
                        Wait(),
                        NextLine(50, 0, "=x^2-5^2"),
                        Wait(),
                        NextLine(50, 5, "=x^2-25"),
                        Wait(),
                        NextLine(60, 3, "(3)", -54),
                        Continue(0, "(x+ﾀ1/3ﾀ)(x-ﾀ1/3ﾀ)"),
                        Wait(),
                    });
  // The brackets of the squared fraction are drawn tall.
  gTallBrackets = 1;
  DrawPieces(*this, {NextLine(70, 0, "=x^2-(ﾀ1/3ﾀ)\\2")});
  gTallBrackets = 0;
  DrawPieces(*this, {
                        Wait(),
                        NextLine(70, 5, "=x^2-ﾀ1/9ﾀ"),
                        Wait(),
                    });
  gFennorColumnX = 600;
  DrawPieces(*this, {
                        LineStart(654, 20),
                        NextLine(0, 3, "(4)", -54),
                        Continue(0, "(2+x)(2-x)"),
                        Wait(),
                        NextLine(50, 0, "=2^2-x^2"),
                        Wait(),
                        NextLine(50, 5, "=4-x^2"),
                        Wait(),
                        NextLine(60, 3, "(5)", -54),
                        Continue(0, "(a+b)(a-b)"),
                        Wait(),
                        NextLine(50, 5, "=a^2-b^2"),
                    });
}

}  // namespace lesson
