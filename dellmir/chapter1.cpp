// Chapter 1, the lengths of semicircle courses: entry, goal, sub-menu, the
// task with the domino courses, and the figure helpers of the chapter.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

constexpr SubMenu kCoursesMenu = {"①P10課題　②P11Q　③説明　④2点CD　⑤終了", 5, true};

// The four courses from S to G as rows of dominoes: エ one semicircle on SG,
// ア, イ and ウ a semicircle above from S and one below to G. Points: 1 S,
// 2 G, 3 to 5 the turning points of ア, イ and ウ.
constexpr ArcRow kDominoArcs[] = {
    {1, 2, 5, 5, -1, 6, Radius(kWholeCourseRadius), "エ"},
    {1, 3, 3, 3, -1, 12, Radius(1), "ア", 80, 30},
    {3, 2, 3, 3, 1, 6, Radius(1, 2), ""},
    {1, 4, 9, 9, -1, 8, Radius(2), "イ", 40, 0},
    {4, 2, 9, 9, 1, 8, Radius(2), ""},
    {1, 5, 7, 7, -1, 6, Radius(3), "ウ", 40, 0},
    {5, 2, 7, 7, 1, 18, Radius(3, 1, 3), ""},
};

}  // namespace

void Dellmir::StartSemicircleCoursesChapter() {
  ShowSemicircleCoursesGoal();
  ShowSemicircleCoursesMenu();
}

void Dellmir::ShowSemicircleCoursesGoal() {
  DrawPieces(*this, {
                        LineStart(44, 240),
                        NextLine(0, 5, "<めあて>"),
                        NextLine(65, 0, "半円の弧の長さを調べよう。", 32),
                    });
}

void Dellmir::ShowSemicircleCoursesMenu() {
  RunSubMenu(*this, kCoursesMenu, gDellmirSubMenuChoice,
             {&Dellmir::ShowCoursesTaskP10, &Dellmir::CompareCourseLengthsP11, &Dellmir::ExplainSemicircleLengths,
              &Dellmir::CompareWithPointsCD, nullptr});
}

void Dellmir::ShowCoursesTaskP10() {
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300), PenWidth(5)});
  gDellmirHeadingX = 30;
  gLineStartX = gDellmirHeadingX + 36;
  gLineY = 30;
  LayOutGrid(640, 80, 40);
  DrawDominoCourses();
  DrawPieces(*this, {
                        At(30, 30, 3, "先にゴールするのはどのコース?"),
                        Wait(),
                        NextLine(60, 0, "ドミノは同じ速さで倒れるから、"),
                        Wait(),
                        NextLine(60, 0, "4つのコースの長さを調べればよい。"),
                    });
}

void Dellmir::DrawDominoCourses() {
  DrawPieces(*this, {PenWidth(5)});
  LayCourseBase("S", "G");
  // Each dot drawn this wide shows as one domino.
  DrawPieces(*this, {PenWidth(15)});
  DrawArcRows(kDominoArcs);
  DrawPieces(*this, {PenWidth(5)});
}

// --- Figure helpers ---

void Dellmir::LayOutGrid(float left, float top, float unit) {
  gGridLeft = left;
  gGridTop = top;
  gGridCols = 12;
  gCellHeight = 12;
  gAxisUnit = unit;
  gFigureColour = 15;
  DrawGrid();
}

// Points 1 and 2 are the ends of the base (12 units long, 6 units up);
// points 3 to 5 lie 4, 6 and 9 units from point 1, twice the radii 2, 3 and
// 4.5. The values are stored afresh on every call, so the figure is never
// scaled twice.
void Dellmir::LayCourseBase(const char* startLetter, const char* endLetter) {
  gDellmirCourseHalfLength = 6;
  gPrimeList(1) = 2;
  gPrimeList(2) = 3;
  gPrimeList(3) = 4.5f;
  gPointX(1) = 0;
  gPointX(2) = gPointX(1) + 2 * gDellmirCourseHalfLength;
  for (int k = 3; k <= 5; ++k) gPointX(k) = 2 * gPrimeList(k - 2);
  gPointY(1) = 6;
  for (int k = 2; k <= 5; ++k) gPointY(k) = gPointY(1);
  for (int k = 1; k <= 5; ++k) {
    gPointX(k) = gAxisOriginX + gAxisUnit * gPointX(k);
    gPointY(k) = gAxisOriginY - gAxisUnit * gPointY(k);
  }
  gDellmirCourseHalfLength = gDellmirCourseHalfLength * gAxisUnit;
  for (int k = 1; k <= 3; ++k) gPrimeList(k) = gPrimeList(k) * gAxisUnit;
  scr.Line(gPointX(1), gPointY(1), gPointX(2), gPointY(2), 0);
  const PointLabel letters[] = {{1, -40, -25, 0, startLetter}, {2, 5, -25, 0, endLetter}};
  DrawPointLabels(letters);
}

void Dellmir::DrawArcRows(std::span<const ArcRow> rows, bool commonY) {
  for (const ArcRow& row : rows) {
    const float y1 = gPointY(commonY ? 1 : row.from) + row.dy;
    DrawArcBetween(row, gPointX(row.from) + row.fromDx, y1, gPointX(row.to) + row.toDx,
                   commonY ? y1 : gPointY(row.to) + row.dy);
  }
}

void Dellmir::DrawArcBetween(const ArcRow& row, float x1, float y1, float x2, float y2) {
  gP1X = x1;
  gP1Y = y1;
  gP2X = x2;
  gP2Y = y2;
  gTextColour = static_cast<float>(row.labelColour);
  gFigureColour = static_cast<float>(row.colour);
  gArcSide = row.side;
  gCellWidth = row.step;
  const ArcHeight& h = row.height;
  if (h.radius == 0) {
    gArcHeight = h.times;
  } else {
    float r = h.radius == kWholeCourseRadius ? gDellmirCourseHalfLength : gPrimeList(h.radius);
    gArcHeight = r * h.times / h.divisor;
  }
  gLabelText = Literal(row.label);
  gLabelNudgeX = row.nudgeX;
  gLabelNudgeY = row.nudgeY;
  gUseLabelTypesetter = 0;
  DrawDottedArcOverSegment();
}

// The letters stand on the line of point 1, which every point of these
// figures shares.
void Dellmir::DrawPointLabels(std::span<const PointLabel> labels) {
  for (const PointLabel& label : labels) {
    gTextColour = static_cast<float>(label.colour);
    gPenX = gPointX(label.point) + label.dx;
    gPenY = gPointY(1) + label.dy;
    gPrintText = Literal(label.text);
    DrawExpression();
  }
}

void Dellmir::DrawDisc(float x, float y, int colour) { scr.Circle(x, y, 6, colour, 0, 0, colour); }

void Dellmir::WipeBox(float x1, float y1, float x2, float y2) { scr.Line(x1, y1, x2, y2, 15, plat::kFilledBox, 15); }

}  // namespace lesson
