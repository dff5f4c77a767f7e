// Chapter 8, the elementary problems of textbook page 22: no goal screen,
// a sub-menu of five fixed answer pages, each under the heading cell and the
// number cell of its problem.
#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {
namespace {

void DrawCell(Fennor& f, float x, float y, float width, float height, int text, int border, int fill,
              const Text& label) {
  f.gPenX = x;
  f.gPenY = y;
  f.gCellWidth = width;
  f.gCellHeight = height;
  f.gTextColour = static_cast<float>(text);
  f.gFigureColour = static_cast<float>(border);
  f.gAccentColour = static_cast<float>(fill);
  f.gWorkText = label;
  f.DrawBoxedCell();
  f.gLineEndX = f.gPenX;
  f.gLineY = f.gPenY;
}

}  // namespace

void Fennor::StartBasicProblemsP22Chapter() { ShowBasicProblemsP22Menu(); }

void Fennor::ShowBasicProblemsP22Menu() {
  static constexpr SubMenu kMenu = {"P22基本の問題　①1,2　②３　③４　④５　⑤６　⑥終了", 6, true};
  RunSubMenu<Fennor>(*this, kMenu, gFennorSubMenuChoice,
                     {&Fennor::ShowBasicProblemsP22Page1, &Fennor::ShowBasicProblemsP22Page2,
                      &Fennor::ShowBasicProblemsP22Page3, &Fennor::ShowBasicProblemsP22Page4,
                      &Fennor::ShowBasicProblemsP22Page5, nullptr});
}

void Fennor::StartBasicProblemsP22Page(float lineStartX) {
  DrawPieces(*this, {lesson::Wipe(0, 0, 1320, 1300), LineStart(lineStartX, 30)});
  DrawCell(*this, gLineStartX, gLineY, 360, 48, 0, 3, 13, SJ("基本の問題(P22)"));
}

void Fennor::DrawBasicProblemNumber(float x, float y, float width, const char* number) {
  DrawCell(*this, x, y, width, 44, 13, 4, 3, Literal(number));
}

// Problems 1 and 2: problem 1 down the left column and over into the top of
// the right one, left of its labels; problem 2 after a key.
void Fennor::ShowBasicProblemsP22Page1() {
  gFennorColumnX = 40;
  StartBasicProblemsP22Page(gFennorColumnX + 54);
  DrawBasicProblemNumber(gFennorColumnX, gLineY + 60, 40, "1");
  DrawPieces(*this, {
                        Continue(3, "(1)"),
                        Continue(5, "6a^2-9ab"),
                        NextLine(60, 3, "(2)", -54),
                        Continue(5, "-12xy+6y^2-2y"),
                        NextLine(60, 3, "(3)", -54),
                        Continue(0, "(6x^2y-12y)/6y"),
                        NextLine(70, 0, "=(6x^2y-12y)*ﾀ1/6yﾀ"),
                        NextLine(70, 0, "=ﾀ6x^2y/6yﾀ+ﾀ-12y/6yﾀ"),
                        NextLine(70, 5, "=x^2-2"),
                        NextLine(70, 3, "(4)", -54),
                        Continue(0, "(8a^2b-4ab^2)/(-ﾀ4/3ﾀab)"),
                        NextLine(70, 0, "=(8a^2b-4ab^2)*(-ﾀ3/4abﾀ)"),
                    });
  gFennorColumnX = 600;
  DrawPieces(*this, {
                        LineStart(gFennorColumnX + 54, 30),
                        NextLine(0, 0, "=ﾀ8a^2b*(-3)/4abﾀ-ﾀ4ab^2*(-3)/4abﾀ", -94),
                        NextLine(70, 5, "=-6a+3b", -94),
                        Wait(),
                    });
  DrawBasicProblemNumber(gFennorColumnX, gLineY + 70, 40, "2");
  DrawPieces(*this, {
                        Continue(3, "(1)"),
                        Continue(0, "(x+3)(2x-4)"),
                        NextLine(50, 0, "=x(2x-4)+3(2x-4)"),
                        NextLine(50, 0, "=2x^2-4x+6x-12"),
                        NextLine(50, 5, "=2x^2+2x-12"),
                        NextLine(60, 3, "(2)", -54),
                        Continue(0, "(a-4)(a-2b+3)"),
                        NextLine(50, 0, "=a(a-2b+3)-4(a-2b+3)"),
                        NextLine(50, 0, "=a^2-2ab+3a-4a+8b-12"),
                        NextLine(50, 5, "=a^2-2ab-a+8b-12"),
                    });
}

// Problem 3: eight expansions in two columns sharing their rows, at once.
void Fennor::ShowBasicProblemsP22Page2() {
  gFennorColumnX = 40;
  StartBasicProblemsP22Page(gFennorColumnX + 54);
  DrawBasicProblemNumber(gLineEndX + 44, gLineY, 44, "3");
  DrawPieces(*this, {
                        NextLine(60, 3, "(1)", -54),
                        Continue(0, "(a+5)(a+1)"),
                        NextLine(50, 5, "=a^2+6a+5"),
                        NextLine(60, 3, "(2)", -54),
                        Continue(0, "(x-3)(x-8)"),
                        NextLine(50, 5, "=x^2-11x+24"),
                        NextLine(60, 3, "(3)", -54),
                        Continue(0, "(a+3)(a-5)"),
                        NextLine(50, 5, "=a^2-2a-15"),
                        NextLine(60, 3, "(4)", -54),
                        Continue(0, "(x+7)(x-6)"),
                        NextLine(50, 5, "=x^2+x-42"),
                    });
  gFennorColumnX = 600;
  DrawPieces(*this, {
                        LineStart(gFennorColumnX + 54, 30),
                        NextLine(60, 3, "(5)", -54),
                        Continue(0, "(x-2)(x+7)"),
                        NextLine(50, 5, "=x^2+5x-14"),
                        NextLine(60, 3, "(6)", -54),
                        Continue(0, "(x+5)^2"),
                        NextLine(50, 5, "=x^2+10x+25"),
                        NextLine(60, 3, "(7)", -54),
                        Continue(0, "(y-3)^2"),
                        NextLine(50, 5, "=y^2-6y+9"),
                        NextLine(60, 3, "(8)", -54),
                        Continue(0, "(a+2)(a-2)"),
                        NextLine(50, 5, "=a^2-4"),
                    });
}

// Problem 4: the formulas with monomial terms; label and problem as one
// text 66 left of the column's lines, a key after each of the first three.
void Fennor::ShowBasicProblemsP22Page3() {
  StartBasicProblemsP22Page(88);
  DrawBasicProblemNumber(gLineEndX + 44, gLineY, 44, "4");
  DrawPieces(*this, {
                        NextLine(60, 0, "(1) (3x-5)(3x+2)", -66),
                        NextLine(60, 0, "=(3x)^2-3*3x-10"),
                        NextLine(60, 5, "=9x^2-9x-10"),
                        Wait(),
                        NextLine(80, 0, "(2) (2x+3y)(2x-5y)", -66),
                        NextLine(60, 0, "=(2x)^2+(3y-5y)*2x", -44),
                        NextLine(60, 0, "+3y*(-5y)", 240),
                        NextLine(60, 5, "=4x^2-4xy-15y^2"),
                        Wait(),
                        LineStart(660, 30),
                        NextLine(0, 0, "(3) (5x+9)(5x-9)", -66),
                        NextLine(60, 0, "=(5x)^2-9^2"),
                        NextLine(60, 5, "=25x^2-81"),
                        Wait(),
                        NextLine(80, 0, "(4) (3a-2b)^2", -66),
                        NextLine(60, 0, "=(3a)^2-2*3a*2b"),
                        NextLine(60, 0, "+(2b)^2", 264),
                        NextLine(60, 5, "=9a^2-12ab+4b^2"),
                    });
}

// Problem 5: expansions through a new letter for a repeated binomial; the
// result of (2) heads the right column.
void Fennor::ShowBasicProblemsP22Page4() {
  StartBasicProblemsP22Page(88);
  DrawBasicProblemNumber(gLineEndX + 44, gLineY, 44, "5");
  DrawPieces(*this, {
                        NextLine(60, 3, "(1) ", -66),
                        Continue(0, "a+b=X とおくと"),
                        NextLine(50, 0, " (a+b-1)(a+b+1)"),
                        NextLine(50, 0, "=(X-1)(X+1)"),
                        NextLine(50, 0, "=X^2-1"),
                        NextLine(50, 0, "=(a+b)^2-1"),
                        NextLine(50, 5, "=a^2+2ab+b^2-1"),
                        Wait(),
                        NextLine(60, 3, "(2) ", -66),
                        Continue(0, "x-y=A とおくと"),
                        NextLine(50, 0, " (x-y-9)(x-y-2)"),
                        NextLine(50, 0, "=(A-9)(A-2)"),
                        NextLine(50, 0, "=A^2-11A+18"),
                        NextLine(50, 0, "=(x-y)^2-11(x-y)+18"),
                        LineStart(660, 30),
                        NextLine(0, 5, "=x^2-2xy+y^2-11x+11y+18"),
                        Wait(),
                        NextLine(60, 3, "(3) ", -66),
                        Continue(0, "x+y=A とおくと"),
                        NextLine(60, 0, " (x+y-5)^2"),
                        NextLine(60, 0, "=(A-5)^2"),
                        NextLine(60, 0, "=A^2-10A+25"),
                        NextLine(60, 0, "=(x+y)^2-10(x+y)+25"),
                        NextLine(60, 5, "=x^2+2xy+y^2-10x-10y+25"),
                    });
}

// Problem 6: two calculations down the left column, the third in the right
// column from y 80 with its label 40 left of the column.
void Fennor::ShowBasicProblemsP22Page5() {
  gFennorColumnX = 40;
  StartBasicProblemsP22Page(gFennorColumnX + 54);
  DrawBasicProblemNumber(gLineEndX + 44, gLineY, 44, "6");
  DrawPieces(*this, {
                        NextLine(60, 3, "(1)", -54),
                        Continue(0, "(x-3)(x-5)-(3x-1)(3x+1)"),
                        NextLine(50, 0, "=x^2-8x+15-(9x^2-1)"),
                        NextLine(50, 0, "=x^2-8x+15-9x^2+1"),
                        NextLine(50, 0, "=x^2-9x^2-8x+15+1"),
                        NextLine(50, 5, "=-8x^2-8x+16"),
                        Wait(),
                        NextLine(60, 3, "(2)", -54),
                        Continue(0, "(3x-4y)(3x+4y)-9(x+y)^2"),
                        NextLine(50, 0, "=9x^2-16y^2-9(x^2+2xy+y^2)"),
                        NextLine(50, 0, "=9x^2-16y^2-9x^2-18xy-9y^2"),
                        NextLine(50, 0, "=9x^2-9x^2-18xy-16y^2-9y^2"),
                        NextLine(50, 5, "=-18xy-25y^2"),
                        Wait(),
                    });
  gFennorColumnX = 640;
  DrawPieces(*this, {
                        LineStart(gFennorColumnX + 54, 80),
                        NextLine(60, 3, "(3)", -94),
                        Continue(0, "(2a-1)(2a+5)+(3a-2)^2"),
                        NextLine(50, 0, "=4a^2+8a-5+9a^2-12a+4"),
                        NextLine(50, 0, "=4a^2+9a^2+8a-12a-5+4"),
                        NextLine(50, 5, "=13a^2-4a-1"),
                    });
}

}  // namespace lesson
