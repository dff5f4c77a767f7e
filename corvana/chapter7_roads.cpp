// Chapter 7, item 1: the areas of two roads of width 2 m, each cut at its
// corners and laid out as a straight strip as long as its centre line.
#include "corvana/corvana.h"

namespace lesson {

// A cut: 19 dots along the straight segment between two points.
void Corvana::CutRoad(int from, int to) {
  gP1X = gPointX(from);
  gP1Y = gPointY(from);
  gP2X = gPointX(to);
  gP2Y = gPointY(to);
  gTextColour = 3;
  gFigureColour = 3;
  gArcSide = 1;
  gCellWidth = 10;
  gArcHeight = 0;
  gLabelText.clear();
  DrawDottedArcOverSegment();
}

// A piece of the strip: four points and back to the first.
void Corvana::DrawRoadPiece(int a, int b, int c, int d) {
  scr.Connect({PointAt(a), PointAt(b), PointAt(c), PointAt(d), PointAt(a)}, 0);
}

void Corvana::ShowRoadAreaQuestion() {
  static constexpr Step kFirstTask[] = {
      Wipe(0, 0, 1320, 1300),
      LineStart(57, 20),
      Heading(0, 3, "Q "),
      Continue(0, "図の道の面積を求めなさい。"),
  };
  static constexpr Step kFirstArea[] = {
      NextLine(60, 0, "2*15="), Wait(), Continue(5, "30(m^2)"), Wait(),
  };
  static constexpr Step kRule[] = {
      Heading(60, 3, "(幅)*(まん中を通る線の長さ)"),
      Wait(),
  };
  static constexpr Step kSecondTask[] = {
      Heading(70, 7, "Q "),
      Continue(0, "正方形にはさまれた道の面積を求めなさい。"),
  };
  static constexpr Step kSecondArea[] = {
      NextLine(60, 0, "2*20="), Wait(), Continue(5, "40(m^2)"), Wait(),
  };

  // The bent road, cut at its two bends into three pieces.
  gCorvanaHeadingX = 30;
  RunSteps(kFirstTask);
  DrawRoadFigure15();
  WaitForKey();
  RunSteps(kFirstArea);
  CutRoad(6, 2);
  WaitForKey();
  DrawRoadPiece(21, 22, 26, 25);
  WaitForKey();
  CutRoad(7, 3);
  WaitForKey();
  DrawRoadPiece(22, 23, 27, 26);
  WaitForKey();
  DrawRoadPiece(23, 24, 28, 27);
  WaitForKey();
  scr.Line(gPointX(29), gPointY(29), gPointX(30), gPointY(30), 5);
  WaitForKey();
  RunSteps(kRule);

  // The square road in the first figure's place (its grid box widened by
  // 10), cut at its four corners into four trapezoids; the texts above stay.
  scr.Line(gAxisLeft, gAxisTop, gAxisRight + 10, gAxisBottom, 15, plat::kFilledBox, 15);
  RunSteps(kSecondTask);
  DrawRoadFigure20();
  PrepareSquareRoadStrip();
  WaitForKey();
  RunSteps(kSecondArea);
  CutRoad(1, 5);
  CutRoad(6, 2);
  WaitForKey();
  DrawRoadPiece(21, 22, 29, 30);
  WaitForKey();
  CutRoad(7, 3);
  WaitForKey();
  DrawRoadPiece(22, 23, 28, 29);
  WaitForKey();
  CutRoad(8, 4);
  WaitForKey();
  DrawRoadPiece(23, 24, 27, 28);
  WaitForKey();
  DrawRoadPiece(24, 25, 26, 27);
  WaitForKey();
  scr.Line(gPointX(31), gPointY(31), gPointX(32), gPointY(32), 5);
}

}  // namespace lesson
