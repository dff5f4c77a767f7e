// Chapter 5, the answer pages of questions 6 to 8.
#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

// Two expansions through M, in the column layout of the example: the problem
// 66 left of the column's start, prompts about M 132 right and 60 below,
// lines in M 88 right and 70 below, lines put back at the start, 70 below.
void Fennor::ShowQuestion6Answers() {
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1320, 1300),
                        LineStart(88, 30),
                        At(88, 30, 0, "問6 "),
                        NextLine(70, 0, "(1) (3x-4)(3x-2)", -66),
                        Wait(),
                        NextLine(60, 3, "Mを3xとする", 132),
                        Wait(),
                        NextLine(70, 0, "=(M-4)(M-2)", 88),
                        Wait(),
                        NextLine(70, 0, "=M^2-6M+8", 88),
                        Wait(),
                        NextLine(60, 3, "Mを3xにもどす", 132),
                        Wait(),
                        NextLine(70, 0, "=(3x)^2-6*3x+8"),
                        Wait(),
                        NextLine(70, 5, "=9x^2-18x+8"),
                        Wait(),
                        LineStart(704, 30),
                        NextLine(0, 0, "(2) (-4a+3)(-4a-6)", -66),
                        Wait(),
                        NextLine(60, 3, "Mを-4aとする", 132),
                        Wait(),
                        NextLine(70, 0, "=(M+3)(M-6)", 88),
                        Wait(),
                        NextLine(70, 0, "=M^2-3M-18", 88),
                        Wait(),
                        NextLine(60, 3, "Mを-4aにもどす", 132),
                        Wait(),
                        NextLine(70, 0, "=(-4a)^2-3*(-4a)-18"),
                        Wait(),
                        NextLine(70, 5, "=16a^2+12a-18"),
                    });
}

// Four expansions by the formulas in two columns: the labels at the column
// x, the lines 54 right of it.
void Fennor::ShowQuestion7Answers() {
  gFennorColumnX = 40;
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1320, 1300),
                        LineStart(94, 30),
                        At(94, 30, 3, "問7 解答"),
                        NextLine(50, 3, "(1)", -54),
                        NextLine(0, 0, " (5x+2)^2"),
                        Wait(),
                        NextLine(50, 0, "=(5x)^2+2*5x*2+2^2"),
                        Wait(),
                        NextLine(50, 5, "=25x^2+20x+4"),
                        Wait(),
                        NextLine(70, 3, "(2)", -54),
                        NextLine(0, 0, " (3x-4y)^2"),
                        Wait(),
                        NextLine(50, 0, "=(3x)^2-2*3x*4y+(4y)^2"),
                        Wait(),
                        NextLine(50, 5, "=9x^2-24xy+16y^2"),
                        Wait(),
                        NextLine(70, 3, "(3)", -54),
                        NextLine(0, 0, " (6x+7)(6x-7)"),
                        Wait(),
                        NextLine(50, 0, "=(6x)^2-7^2"),
                        Wait(),
                        NextLine(50, 5, "=36x^2-49"),
                        Wait(),
                    });
  gFennorColumnX = 704;
  DrawPieces(*this, {
                        LineStart(758, 30),
                        NextLine(0, 3, "(4)", -54),
                        NextLine(0, 0, " (7a-4b)(7a+4b)"),
                        Wait(),
                        NextLine(50, 0, "=(7a)^2-(4b)^2"),
                        Wait(),
                        NextLine(50, 5, "=49a^2-16b^2"),
                        Wait(),
                        At(132, 570, 7, "教科書 問8　をしなさい。"),
                    });
}

// The wrong step named, then the corrected working; the page wipes the whole
// window and leaves pen width 5 set.
void Fennor::ShowQuestion8Answer() {
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1760, 1800),
                        LineStart(108, 30),
                        PenWidth(5),
                        At(108, 30, 3, "問8 解答"),
                        Wait(),
                        NextLine(60, 5, "2*5*3x とするところを、2*5*xとしている。"),
                        Wait(),
                        NextLine(60, 0, " (3x+5)^2"),
                        NextLine(60, 0, "=(3x)^2+2*5*3x+5^2"),
                        NextLine(60, 5, "=9x^2+30x+25"),
                    });
}

}  // namespace lesson
