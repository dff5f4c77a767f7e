// Chapter 7, the answers to question 10 and the cube of a binomial: fixed
// pages, one row a key.
#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

// Two mixed calculations; the problem labels stand at the column x, the
// worked lines 54 right of it, and the brackets put around an expansion in
// the highlight colour.
void Fennor::ShowMixedOperationsQ10Answers() {
  gFennorColumnX = 40;
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1760, 1800),
                        LineStart(94, 30),
                        NextLine(0, 3, "問10 解答"),
                        NextLine(50, 3, "(1)", -54),
                        Continue(0, "(x-2)^2+(x+4)(x+1)"),
                        Wait(),
                        NextLine(50, 0, "=x^2-4x+4+"),
                        Continue(5, "("),
                        Continue(0, "x^2+5x+4"),
                        Continue(5, ")"),
                        Wait(),
                        NextLine(50, 0, "=x^2-4x+4+x^2+5x+4"),
                        Wait(),
                        NextLine(50, 0, "=x^2+x^2-4x+5x+4+4"),
                        Wait(),
                        NextLine(50, 5, "=2x^2+x+8"),
                        Wait(),
                        NextLine(70, 3, "(2)", -54),
                        Continue(0, "2(x+1)(x-1)-(x-3)(x+2)"),
                        Wait(),
                        NextLine(50, 0, "=2"),
                        Continue(5, "("),
                        Continue(0, "x^2-1"),
                        Continue(5, ")"),
                        Continue(0, "-"),
                        Continue(5, "("),
                        Continue(0, "x^2-x-6"),
                        Continue(5, ")"),
                        Wait(),
                        NextLine(50, 0, "=2x^2-2-x^2+x+6"),
                        Wait(),
                        NextLine(50, 0, "=2x^2-x^2+x-2+6"),
                        Wait(),
                        NextLine(50, 5, "=x^2+x+4"),
                    });
}

// (x+a)^3 as the square times the binomial, multiplied out term by term.
void Fennor::ShowBinomialCubePage() {
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1760, 1800),
                        LineStart(44, 30),
                        At(22, 30, 0, "　次の式を展開しなさい。"),
                        NextLine(70, 0, "(x+a)^3", 44),
                        Wait(),
                        NextLine(50, 3, "(x+a)^2*(x+a) として計算する", 176),
                        Wait(),
                        NextLine(80, 0, "=(x+a)^2*(x+a)"),
                        Wait(),
                        NextLine(80, 0, "=(x^2+2ax+a^2)(x+a)"),
                        Wait(),
                        NextLine(80, 0, "=x^2(x+a)+2ax(x+a)+a^2(x+a)"),
                        Wait(),
                        NextLine(80, 0, "=x^3+ax^2+2ax^2+2a^2x+a^2x+a^3"),
                        Wait(),
                        NextLine(80, 5, "=x^3+3ax^2+3a^2x+a^3"),
                    });
}

}  // namespace lesson
