// Chapter 5, the two area figures, (2x+1)(2x+3) and (2x+3y)^2, and the
// example that names 2x as M.
#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

void Fennor::ShowMonomialAreaFigure() {
  static constexpr const char* kLabels[8] = {"2x", "1", "3", "(2x)^2", "2x", "6x", "3", "4*2x"};
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1320, 1300),
                        LineStart(88, 30),
                        At(88, 30, 0, "問　次の式を展開しなさい。"),
                        Tag(NextLine(70, 5, " (2x+1)(2x+3)")),
                    });
  gFennorSavedLineY = gPenY;
  WaitForKey();
  gFennorFigureOriginX = 748;
  gFennorFigureOriginY = 100;
  DrawPieces(*this, {lesson::Wipe(gFennorFigureOriginX - 44, 20, gFennorFigureOriginX - 44 + 1320, 920)});
  // The sides only, then the areas, then the two strips joined.
  SetAreaLabels(kLabels, 3);
  DrawAreaFigure();
  DrawPieces(*this, {Wait(), Wait()});
  SetAreaLabels(kLabels, 8);
  DrawAreaFigure();
  WaitForKey();
  DrawRegroupedAreaFigure();
  DrawPieces(*this, {
                        Wait(),
                        At(gLineStartX, gFennorSavedLineY + 80, 0, "=(2x)^2+4*2x+3"),
                        Wait(),
                        NextLine(80, 0, "="),
                        Continue(5, "4x^2+8x+3"),
                    });
}

void Fennor::ShowTwoLetterSquareAreaFigure() {
  static constexpr const char* kLabels[8] = {"2x", "3y", "3y", "(2x)^2", "2x*3y", "2x*3y", "(3y)^2", ""};
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1320, 1300),
                        LineStart(40, 30),
                        PenWidth(5),
                        At(40, 30, 0, "問　次の式を展開しなさい。"),
                        Tag(NextLine(70, 5, " (2x+3y)^2")),
                    });
  gFennorSavedLineY = gPenY;
  WaitForKey();
  gFennorFigureOriginX = 616;
  gFennorFigureOriginY = 100;
  DrawPieces(*this, {lesson::Wipe(gFennorFigureOriginX - 44, 20, gFennorFigureOriginX - 44 + 1320, 920)});
  DrawFigureInTwoSteps(&Fennor::DrawTwoLetterSquareFigure, kLabels);
  DrawPieces(*this, {
                        Wait(),
                        At(gLineStartX, gFennorSavedLineY + 80, 0, "=(2x)^2+2*2x*3y+(3y)^2"),
                        Wait(),
                        NextLine(80, 0, "="),
                        Continue(5, "4x^2+12xy+9y^2"),
                        Wait(),
                        At(132, 570, 0, "教科書 問7　をしなさい。"),
                    });
}

// The square 2x (220) with the rectangles 2x by 3y (3y is 264) on its right
// and below it and the square 3y in the corner; marks on the left and top.
void Fennor::DrawTwoLetterSquareFigure() {
  static constexpr FigureStep kSteps[] = {
      Box(88, 0, 220, 220, 3, 4),
      Mark(88, 0, 88, 220, 1, 2, 1),
      Mark(88, 0, 308, 0, -1, 1, 1),
      Box(308, 0, 264, 220, 4, 6),
      Mark(308, 0, 572, 0, -1, 1, 3),
      Box(88, 220, 220, 264, 6, 5),
      Mark(88, 220, 88, 484, 1, 2, 2),
      Box(308, 220, 264, 264, 8, 7),
  };
  DrawFigureSteps(kSteps);
}

// (x+1)(x+3) beside (2x+1)(2x+3), the parts that M replaces in colour 3;
// then the second expanded through M in the column under it: a prompt about
// M 132 right and 60 below, a line in M 88 right and 70 below, a line with
// 2x put back at the column's start and 70 below.
void Fennor::ShowMonomialSubstitutionExample() {
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1320, 1300),
                        LineStart(88, 30),
                        At(88, 30, 3, "「教科書P20Q」どの公式を使う？"),
                        NextLine(70, 0, "① (", -44),
                        Continue(3, "x"),
                        Continue(0, "+1)("),
                        Continue(3, "x"),
                        Continue(0, "+3)"),
                        At(616, 100, 0, "② ("),
                        Continue(3, "2x"),
                        Continue(0, "+1)("),
                        Continue(3, "2x"),
                        Continue(0, "+3)"),
                        Wait(),
                        NextLine(70, 0, "="),
                        Continue(3, "x^2"),
                        Continue(0, "+4"),
                        Continue(3, "x"),
                        Continue(0, "+3"),
                        LineStart(660, 100),
                        Wait(),
                        NextLine(60, 3, "Mを2xとする", 132),
                        Wait(),
                        NextLine(70, 0, "=(M+1)(M+3)", 88),
                        Wait(),
                        NextLine(70, 0, "=M^2+4M+3", 88),
                        Wait(),
                        NextLine(60, 3, "Mを2xにもどす", 132),
                        Wait(),
                        NextLine(70, 0, "="),
                        Continue(3, "(2x)^2"),
                        Continue(0, "+4*"),
                        Continue(3, "2x"),
                        Continue(0, "+3"),
                        Wait(),
                        NextLine(70, 0, "="),
                        Continue(5, "4x^2"),
                        Continue(0, "+"),
                        Continue(5, "8x"),
                        Continue(0, "+3"),
                        Wait(),
                        At(44, 300, 7, "※ 2xなどの単項式を"),
                        At(44, 360, 7, " 　1つの文字とみて"),
                        At(44, 420, 7, " 　公式を使う。"),
                    });
}

}  // namespace lesson
