// Chapter 2, the derivation of formula 3 and the answer page of question 3.
#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

// (x-a)^2 through formula 1 with both numbers -a; then formula 3 and,
// above it, formula 2 with the words "twice" and "squared" over them.
void Fennor::ShowFormula3Derivation() {
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1320, 1300),
                        LineStart(44, 30),
                        At(44, 30, 5, "問2の解答"),
                        Wait(),
                        Tag(NextLine(80, 5, "(x-a)^2", 44)),
                    });
  gFennorProblemY = gPenY;
  DrawPieces(*this, {
                        Wait(),
                        At(gLineStartX, gFennorProblemY + 60, 0, "=(x-a)(x-a)"),
                        Wait(),
                        NextLine(60, 0, "=x^2+(-a-a)x+a*a"),
                        Wait(),
                        At(gLineStartX, gFennorProblemY + 180, 0, "="),
                        Continue(5, "x^2-2ax+a^2"),
                        Wait(),
                        NextLine(180, 3, "公式3　(x-a)^2=x^2-2ax+a^2"),
                        Wait(),
                        NextLine(-60, 3, "公式2　(x+a)^2=x^2+2ax+a^2"),
                        Wait(),
                        NextLine(-50, 5, "2倍  2乗", 416),
                    });
}

// Six squares in two columns of three blocks: the number and the problem,
// the formula line and the result, a key between the lines. The numbers
// stand at the column x, the lines 54 right of it.
void Fennor::ShowFormulas23Q3Answers() {
  gFennorColumnX = 30;
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1320, 1300),
                        LineStart(84, 20),
                        At(84, 20, 3, "問3解答 "),
                        NextLine(50, 3, "(1)", -54),
                        Continue(0, "(x+6)^2"),
                        Wait(),
                        NextLine(50, 0, "=x^2+2*6*x+6^2"),
                        Wait(),
                        NextLine(50, 5, "=x^2+12x+36"),
                        Wait(),
                        NextLine(60, 3, "(2)", -54),
                        Continue(0, "(a+9)^2"),
                        Wait(),
                        NextLine(50, 0, "=a^2+2*9*a+9^2"),
                        Wait(),
                        NextLine(50, 5, "=a^2+18a+81"),
                        Wait(),
                        NextLine(60, 3, "(3)", -54),
                        Continue(0, "(x-5)^2"),
                        Wait(),
                        NextLine(50, 0, "=x^2-2*5*x+5^2"),
                        Wait(),
                        NextLine(50, 5, "=x^2-10x+25"),
                        Wait(),
                    });
  gFennorColumnX = 600;
  DrawPieces(*this, {
                        LineStart(654, 20),
                        NextLine(0, 3, "(4)", -54),
                        Continue(0, "(y-7)^2"),
                        Wait(),
                        NextLine(50, 0, "=y^2-2*7*y+7^2"),
                        Wait(),
                        NextLine(50, 5, "=y^2-14y+49"),
                        Wait(),
                        NextLine(60, 3, "(5)", -54),
                        Continue(0, "(x+ﾀ1/3ﾀ)^2"),
                        Wait(),
                    });
  // The brackets of the squared fraction are drawn tall.
  gTallBrackets = 1;
  DrawPieces(*this, {NextLine(70, 0, "=x^2+2*ﾀ1/3ﾀ*x+(ﾀ1/3ﾀ)\\2")});
  gTallBrackets = 0;
  DrawPieces(*this, {
                        Wait(),
                        NextLine(70, 5, "=x^2+ﾀ2/3ﾀx+ﾀ1/9ﾀ"),
                        Wait(),
                        NextLine(70, 3, "(6)", -54),
                        Continue(0, "(a-b)^2"),
                        Wait(),
                        NextLine(50, 0, "=a^2-2*b*a+b^2"),
                        Wait(),
                        NextLine(50, 5, "=a^2-2ab+b^2"),
                    });
}

}  // namespace lesson
