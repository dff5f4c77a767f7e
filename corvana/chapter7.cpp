// Chapter 7, proofs about figures: the chapter's entry, goal screen and
// sub-menu, and the road figures that its first item cuts and lays out
// straight.
#include "corvana/corvana.h"

namespace lesson {

void Corvana::StartFigureProofsChapter() {
  ShowFigureProofsGoal();
  ShowFigureProofsMenu();
}

void Corvana::ShowFigureProofsGoal() {
  static constexpr auto kGoal = GoalPieces("式の計算を利用して、図形の性質を証明しよう。");
  DrawPieces(*this, kGoal);
}

void Corvana::ShowFigureProofsMenu() {
  static constexpr SubMenu kMenu = {"①P34Q　②例２　 ③終了", 3, false};
  RunSubMenu<Corvana>(*this, kMenu, gCorvanaSubMenuChoice,
                      {&Corvana::ShowRoadAreaQuestion, &Corvana::ShowCircularRoadExample, nullptr});
}

// A figure's origin: the lower-left corner of an invisible grid of 40-unit
// cells, which also leaves the grid's box for a later wipe.
void Corvana::SetFigureOrigin(float left, float top, float columns, float rows) {
  gGridLeft = left;
  gGridTop = top;
  gGridCols = columns;
  gCellHeight = rows;
  gAxisUnit = 40;
  gFigureColour = 15;
  DrawGrid();
}

// Each point is set in figure units (y upwards) and turned into screen units
// at once; elements that the figure does not set are left alone, so drawing
// the figure again never builds on an old value.
void Corvana::PlaceFigurePoints(std::span<const FigurePoint> points) {
  for (const FigurePoint& p : points) {
    gPointX(p.element) = gAxisOriginX + gAxisUnit * p.u;
    gPointY(p.element) = gAxisOriginY - gAxisUnit * p.v;
  }
}

std::pair<float, float> Corvana::PointAt(int element) { return {gPointX(element), gPointY(element)}; }

// The road's width: a dotted arc of height 20 beside the segment, labelled.
void Corvana::MarkRoadWidth(float x1, float y1, float x2, float y2) {
  gP1X = x1;
  gP1Y = y1;
  gP2X = x2;
  gP2Y = y2;
  gTextColour = 3;
  gFigureColour = 3;
  gArcSide = 1;
  gCellWidth = 15;
  gArcHeight = -20;
  gLabelText = "2m";
  DrawDottedArcOverSegment();
}

// A road of width 2 bent twice at right angles, centre line 15 long; points
// 21 to 30 are the same road cut at its bends and laid out straight.
void Corvana::DrawRoadFigure15() {
  static constexpr FigurePoint kPoints[] = {
      {1, 2, 9},   {2, 7, 9},   {3, 7, 5},   {4, 13, 5},  {5, 2, 7},   {6, 5, 7},   {7, 5, 3},
      {8, 13, 3},  {9, 2, 8},   {10, 6, 8},  {11, 6, 4},  {12, 13, 4}, {21, 0, 2},  {22, 5, 2},
      {23, 9, 2},  {24, 15, 2}, {25, 0, 0},  {26, 3, 0},  {27, 7, 0},  {28, 15, 0}, {29, 0, 1},
      {30, 15, 1},
  };
  SetFigureOrigin(560, 200, 15, 9);
  scr.SetDrawWidth(0, 6);
  PlaceFigurePoints(kPoints);
  scr.Connect({PointAt(1), PointAt(2), PointAt(3), PointAt(4), PointAt(8), PointAt(7), PointAt(6), PointAt(5),
               PointAt(1)},
              0);
  scr.Connect({PointAt(9), PointAt(10), PointAt(11), PointAt(12)}, 5);
  MarkRoadWidth(gPointX(1), gPointY(1), gPointX(5), gPointY(5));
  DrawTextAt(*this, gPointX(4) + 4, gPointY(4) + 20, 5, Literal("15m"));
}

// A square road between squares of sides 7 and 3, centre line 20 long.
void Corvana::DrawRoadFigure20() {
  static constexpr FigurePoint kPoints[] = {
      {1, 2, 7}, {2, 9, 7}, {3, 9, 0}, {4, 2, 0}, {5, 4, 5},  {6, 7, 5},
      {7, 7, 2}, {8, 4, 2}, {9, 3, 6}, {10, 8, 6}, {11, 8, 1}, {12, 3, 1},
  };
  SetFigureOrigin(760, 50, 10, 8);
  scr.SetDrawWidth(0, 6);
  PlaceFigurePoints(kPoints);
  scr.Line(gPointX(1), gPointY(1), gPointX(3), gPointY(3), 0, plat::kBox);
  scr.Line(gPointX(5), gPointY(5), gPointX(7), gPointY(7), 0, plat::kBox);
  scr.Line(gPointX(9), gPointY(9), gPointX(11), gPointY(11), 5, plat::kBox);
  MarkRoadWidth(gPointX(1), gPointY(1), gPointX(1), gPointY(1) + 2 * gAxisUnit);
  DrawTextAt(*this, gPointX(8) + 4, gPointY(8) + 40, 5, Literal("20m"));
}

// The square road's four trapezoids (sides 7 and 3, height 2) laid side by
// side as one strip 20 long, with its centre line; nothing is drawn.
void Corvana::PrepareSquareRoadStrip() {
  static constexpr FigurePoint kPoints[] = {
      {21, 0, 2},  {22, 7, 2},  {23, 10, 2}, {24, 17, 2}, {25, 20, 2}, {26, 22, 0},
      {27, 15, 0}, {28, 12, 0}, {29, 5, 0},  {30, 2, 0},  {31, 1, 1},  {32, 21, 1},
  };
  SetFigureOrigin(240, 400, 24, 2);
  scr.SetDrawWidth(0, 6);
  PlaceFigurePoints(kPoints);
}

}  // namespace lesson
