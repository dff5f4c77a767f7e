// Chapter 8, the elementary problems of textbook page 30: no goal screen, a
// sub-menu and two fixed pages of worked answers.
#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

void Jorrel::StartBasicProblemsP30Chapter() { ShowBasicProblemsP30Menu(); }

// Returns when the end item is chosen, back to the main menu.
void Jorrel::ShowBasicProblemsP30Menu() {
  static constexpr SubMenu kMenu = {"P30基本の問題　①1,2,3　②4,5,6　③終了", 3, true};
  RunSubMenu(*this, kMenu, gJorrelSubMenuChoice,
             {&Jorrel::ShowBasicProblems123Answers, &Jorrel::ShowBasicProblems456Answers, nullptr});
}

// A boxed cell at (x, gLineY + dy): the page's heading, or a problem number
// (its digit in colour 13 on fill 3). The lesson line follows its right edge.
void Jorrel::DrawProblemBox(float x, float dy, bool heading, const Text& text) {
  gPenX = x;
  gPenY = gLineY + dy;
  gCellWidth = heading ? 360 : 40;
  gCellHeight = 44;
  gTextColour = heading ? 0 : 13;
  gFigureColour = heading ? 3 : 4;
  gAccentColour = heading ? 13 : 3;
  gWorkText = text;
  DrawBoxedCell();
  gLineEndX = gPenX;
  gLineY = gPenY;
}

namespace {

// Labels stand 54 left of the column's line start.
constexpr float kLabel = -54;

}  // namespace

void Jorrel::ShowBasicProblems123Answers() {
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300), LineStart(94, 30)});
  DrawProblemBox(94, 0, true, SJ("基本の問題(P30)"));
  DrawProblemBox(40, 60, false, SJ("1"));
  DrawPieces(*this, {Continue(3, "(1)"), Continue(0, "ab-5b"), Continue(5, "=b(a-5)"),  //
                     NextLine(60, 3, "(2)", kLabel), Continue(0, "8x^2y+4xy^2"), NextLine(50, 5, "=4xy(2x+y)"),
                     Wait()});
  DrawProblemBox(40, 70, false, SJ("2"));
  DrawPieces(*this, {Continue(3, "(1)"), Continue(0, "a^2+9a+20"), NextLine(50, 5, "=(a+4)(a+5)"),
                     NextLine(60, 3, "(2)", kLabel), Continue(0, "x^2-12x+27"), NextLine(50, 5, "=(x-3)(x-9)"),
                     NextLine(60, 3, "(3)", kLabel), Continue(0, "x^2+4x-32"), NextLine(50, 5, "=(x-4)(x+8)"),
                     // Second column.
                     LineStart(548, 30), NextLine(0, 3, "(4)", kLabel), Continue(0, "y^2-10y-24"),
                     NextLine(50, 5, "=(y+2)(y-12)"), NextLine(60, 3, "(5)", kLabel), Continue(0, "a^2+2a-3"),
                     NextLine(50, 5, "=(a+3)(a-1)"), NextLine(60, 3, "(6)", kLabel), Continue(0, "x^2+9x+18"),
                     NextLine(50, 5, "=(x+3)(x+6)"), Wait()});
  DrawProblemBox(494, 70, false, SJ("3"));
  DrawPieces(*this, {Continue(3, "(1)"), Continue(0, "y^2+2y+1"), NextLine(50, 5, "=(y+1)^2"),
                     NextLine(60, 3, "(2)", kLabel), Continue(0, "x^2-10x+25"), NextLine(50, 5, "=(x-5)^2"),
                     // Third column, 200 above the last row.
                     LineStart(922, 330), NextLine(60, 3, "(3)", kLabel), Continue(0, "x^2-9"),
                     NextLine(50, 5, "=(x+3)(x-3)"), NextLine(60, 3, "(4)", kLabel), Continue(0, "x^2-49"),
                     NextLine(50, 5, "=(x+7)(x-7)")});
}

void Jorrel::ShowBasicProblems456Answers() {
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300), LineStart(94, 30)});
  DrawProblemBox(94, 0, true, SJ("基本の問題(P30)"));
  DrawProblemBox(40, 70, false, SJ("4"));
  DrawPieces(*this, {Continue(3, "(1)"), Continue(0, "2x^2+12x+18"), NextLine(50, 0, "=2(x^2+6x+9)"),
                     NextLine(50, 5, "=2(x+3)^2"), NextLine(60, 3, "(2)", kLabel), Continue(0, "3x^2-3x-6"),
                     NextLine(50, 0, "=3(x^2-x-2)"), NextLine(50, 5, "=3(x-2)(x+1)"), Wait()});
  DrawProblemBox(40, 70, false, SJ("5"));
  DrawPieces(*this, {Continue(3, "(1)"), Continue(0, "x^2+16xy+64y^2"), NextLine(50, 0, "=x^2+2*x*8y+(8y)^2"),
                     NextLine(50, 5, "=(x+8y)^2"), NextLine(60, 3, "(2)", kLabel), Continue(0, "4x^2-81y^2"),
                     // The working goes on at the top of the right column.
                     LineStart(654, 30), NextLine(0, 0, "=(2x)^2-(9y)^2"), NextLine(50, 5, "=(2x+9y)(2x-9y)"),
                     Wait()});
  DrawProblemBox(560, 70, false, SJ("6"));
  DrawPieces(*this, {Continue(3, "(1)"), Continue(0, "(x+y)^2+9(x+y)+14"), NextLine(50, 3, "x+y=M とおくと", 120),
                     NextLine(50, 0, "=M^2+9M+14"), Continue(0, "=(M+2)(M+7)"), NextLine(50, 5, "=(x+y+2)(x+y+7)"),
                     NextLine(70, 3, "(2)", kLabel), Continue(0, "(x+5)^2-6(x+5)+9"),
                     NextLine(50, 3, "x+5=M とおくと", 120), NextLine(50, 0, "=M^2-6M+9"), Continue(0, "=(M-3)^2"),
                     NextLine(50, 0, "=(x+5-3)^2"), NextLine(50, 5, "=(x+2)^2")});
}

}  // namespace lesson
