// Chapter 1, the answer pages of questions 1 and 2.
#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

// Two expansions worked step by step: each problem on three lines 70 apart,
// the problem to the left of the column, the sum and the product to the
// right, the result at the column.
void Fennor::ShowFormula1Q1Answers() {
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1320, 1300),
                        LineStart(94, 30),
                        At(94, 30, 0, "問1 "),
                        NextLine(70, 0, "(1) (x+3)(x+6)", -44),
                        Wait(),
                        NextLine(70, 3, "3+6=9, 3*6=18", 88),
                        Wait(),
                        NextLine(70, 5, "=x^2+9x+18"),
                        Wait(),
                        NextLine(70, 0, "(2) (x+1)(x-3)", -44),
                        Wait(),
                        NextLine(70, 3, "1-3=-2, 1*(-3)=-3", 88),
                        Wait(),
                        NextLine(70, 5, "=x^2-2x-3"),
                        Wait(),
                        At(44, 570, 0, "教科書 問2　をしなさい。"),
                    });
}

// Eight results in two columns, at once.
void Fennor::ShowFormula1Q2Answers() {
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1320, 1300),
                        LineStart(44, 30),
                        At(44, 30, 5, "問1の解答"),
                        NextLine(75, 0, "(1) x^2+3x+2"),
                        NextLine(75, 0, "(2) x^2+4x-12"),
                        NextLine(75, 0, "(3) x^2-7x+12"),
                        NextLine(75, 0, "(4) y^2+8y+15"),
                        LineStart(660, 30),
                        NextLine(75, 0, "(5) a^2-15a+56"),
                        NextLine(75, 0, "(6) x^2-x-30"),
                        NextLine(75, 0, "(7) x^2+0.2x-0.08"),
                        NextLine(75, 0, "(8) y^2-ﾀ1/3ﾀy-ﾀ2/9ﾀ"),
                    });
}

}  // namespace lesson
