// Geometry of the figure library: directions and angles, square roots, feet of
// perpendiculars, intersections, points on lines and arcs, segment marks,
// arrows and the brace.
#include <cmath>

#include "tests/figures_fixture.h"

namespace figures_test {
namespace {

constexpr float kPi = 3.14159f;

TEST_F(FigureTest, VectorDirectionsCountCounterclockwiseOnTheScreen) {
  struct Case {
    float dx, dy, angle, degrees;
  } cases[] = {
      {1, 0, 0, 0},           {1, -1, kPi / 4, 45},  {0, -1, kPi / 2, 90},       {-1, 0, kPi, 180},
      {0, 0, kPi, 180},       {0, 1, 3 * kPi / 2, 270}, {1, 1, 7 * kPi / 4, 315},
  };
  for (const auto& c : cases) {
    lib.gP1X = 100, lib.gP1Y = 100, lib.gP2X = 100 + c.dx, lib.gP2Y = 100 + c.dy;
    lib.ComputeVectorAngle();
    EXPECT_FLOAT_EQ(lib.gPi, kPi);
    EXPECT_NEAR(lib.gVectorAngle, c.angle, 1e-5) << c.dx << "," << c.dy;
    EXPECT_NEAR(lib.gVectorAngleDeg, c.degrees, 1e-3) << c.dx << "," << c.dy;
  }
}

TEST_F(FigureTest, RayAnglesAndBisectorSwapForTheOuterAngle) {
  lib.gP1X = 100, lib.gP1Y = 100, lib.gP2X = 200, lib.gP2Y = 100, lib.gP3X = 100, lib.gP3Y = 0;
  lib.ComputeRayAngles();
  EXPECT_FLOAT_EQ(lib.gRayAngle1, 0);
  EXPECT_FLOAT_EQ(lib.gRayAngle2, kPi / 2);
  EXPECT_FLOAT_EQ(lib.gRayTurn1, 1);
  EXPECT_FLOAT_EQ(lib.gRayTurn2, 0.75f);
  EXPECT_FLOAT_EQ(lib.gBisectorAngle, kPi / 4);
  EXPECT_FLOAT_EQ(lib.gVectorAngle, kPi / 2);

  lib.gMarkSide = -1;
  lib.ComputeRayAngles();
  EXPECT_FLOAT_EQ(lib.gRayAngle1, kPi / 2);
  EXPECT_FLOAT_EQ(lib.gRayAngle2, 0);
  EXPECT_FLOAT_EQ(lib.gRayTurn1, 0.75f);
  EXPECT_FLOAT_EQ(lib.gRayTurn2, 1);
  EXPECT_FLOAT_EQ(lib.gBisectorAngle, 5 * kPi / 4);
  EXPECT_EQ(lib.gMarkSide, -1);  // not consumed
}

TEST_F(FigureTest, AngleValueIsTheCounterclockwiseSweepToOneDecimal) {
  lib.gP1X = 100, lib.gP1Y = 100, lib.gP2X = 200, lib.gP2Y = 100, lib.gP3X = 100, lib.gP3Y = 0;
  lib.FormatAngleValue();
  EXPECT_EQ(lib.gAngleValueText, "90");
  EXPECT_EQ(lib.gWorkText, "90");

  // First ray at 350 degrees, second at 10: the 20 degrees between them.
  const float r = 100, a1 = 350 * kPi / 180, a2 = 10 * kPi / 180;
  lib.gP2X = 100 + r * std::cos(a1), lib.gP2Y = 100 - r * std::sin(a1);
  lib.gP3X = 100 + r * std::cos(a2), lib.gP3Y = 100 - r * std::sin(a2);
  lib.FormatAngleValue();
  EXPECT_EQ(lib.gAngleValueText, "20");
  EXPECT_NEAR(lib.gVectorAngleDeg, 20, 1e-3);
  EXPECT_NEAR(lib.gBisectorAngle, 20 * kPi / 180, 1e-5);
  EXPECT_GT(lib.gRayAngle2, 2 * kPi);  // written back with a turn added

  // 30 degrees and a half.
  const float a3 = 30.5f * kPi / 180;
  lib.gP2X = 200, lib.gP2Y = 100;
  lib.gP3X = 100 + r * std::cos(a3), lib.gP3Y = 100 - r * std::sin(a3);
  lib.FormatAngleValue();
  EXPECT_EQ(lib.gAngleValueText, "30.5");
}

TEST_F(FigureTest, SimplifySqrtTakesOutSquareFactorsUpTo200) {
  struct Case {
    float n, rest, coefficient;
    const char *coefficientText, *text, *prefix, *rootText;
  } cases[] = {
      {1, 1, 1, "1", "1ﾝ", "", "ﾝ"},
      {9, 1, 3, "3", "3ﾝ", "!9ﾝ=", "ﾝ"},
      {12, 3, 2, "2", "2!3ﾝ", "!12ﾝ=", "!3ﾝ"},
      {6, 6, 1, "", "!6ﾝ", "", "!6ﾝ"},
      {7, 7, 1, "", "!7ﾝ", "", "!7ﾝ"},
      {72, 2, 6, "6", "6!2ﾝ", "!72ﾝ=", "!2ﾝ"},
      {16, 1, 4, "4", "4ﾝ", "!16ﾝ=", "ﾝ"},
      {48, 3, 4, "4", "4!3ﾝ", "!48ﾝ=", "!3ﾝ"},
      {44521, 44521, 1, "", "!44521ﾝ", "", "!44521ﾝ"},  // 211 x 211: beyond the trials
      {40401, 1, 201, "201", "201ﾝ", "!40401ﾝ=", "ﾝ"},   // 3 x 3 x 67 x 67
  };
  for (const auto& c : cases) {
    lib.gSqrtNumber = c.n;
    lib.SimplifySqrt();
    EXPECT_EQ(lib.gSqrtNumber, c.rest) << c.n;
    EXPECT_EQ(lib.gSqrtRadicand, c.n) << c.n;
    EXPECT_EQ(lib.gSqrtCoefficient, c.coefficient) << c.n;
    EXPECT_EQ(lib.gSqrtCoefficientText, plat::FromUtf8(c.coefficientText)) << c.n;
    EXPECT_EQ(lib.gSqrtText, plat::FromUtf8(c.text)) << c.n;
    EXPECT_EQ(lib.gSqrtPrefixText, plat::FromUtf8(c.prefix)) << c.n;
    EXPECT_EQ(lib.gSqrtRootText, plat::FromUtf8(c.rootText)) << c.n;
    EXPECT_EQ(lib.gWorkText, lib.gSqrtRootText) << c.n;
  }
}

TEST_F(FigureTest, SimplifySqrtKeepsTheBlankInTheRootPartAndStartsAfresh) {
  lib.gSqrtNumber = 12;
  lib.SimplifySqrt();
  EXPECT_EQ(lib.gSqrtRootPart, "! 3");
  lib.gSqrtNumber = 1;
  lib.SimplifySqrt();
  EXPECT_EQ(lib.gSqrtRootPart, "");

  // A second call works on what was left under the root.
  lib.gSqrtNumber = 12;
  lib.SimplifySqrt();
  lib.SimplifySqrt();
  EXPECT_EQ(lib.gSqrtNumber, 3);
  EXPECT_EQ(lib.gSqrtCoefficient, 1);
  EXPECT_EQ(lib.gSqrtText, SJ("!3ﾝ"));
  EXPECT_EQ(lib.gSqrtPrefixText, "");
}

TEST_F(FigureTest, SimplifySqrtRejectsNumbersBelowOne) {
  for (float n : {0.0f, -4.0f, 0.3f}) {
    lib.gSqrtNumber = n;
    EXPECT_FAULT(lib.SimplifySqrt(), plat::kFaultBadArgument);
  }
}

TEST_F(FigureTest, PerpendicularFootOnSlopedVerticalAndHorizontalLines) {
  lib.gAxisMinX = 7, lib.gAxisMinY = 7, lib.gAxisMaxX = 7, lib.gAxisMaxY = 7;
  // Vertical line at x 40, C (90, 70).
  lib.gSegmentFromX = 40, lib.gSegmentFromY = 0, lib.gSegmentToX = 40, lib.gSegmentToY = 100;
  lib.gPointCX = 90, lib.gPointCY = 70;
  lib.MarkPerpendicularFoot();
  EXPECT_EQ(lib.gFootX, 40);
  EXPECT_EQ(lib.gFootY, 70);
  // Horizontal line at y 70, C (90, 10).
  lib.gSegmentFromX = 0, lib.gSegmentFromY = 70, lib.gSegmentToX = 100, lib.gSegmentToY = 70;
  lib.gPointCX = 90, lib.gPointCY = 10;
  lib.MarkPerpendicularFoot();
  EXPECT_EQ(lib.gFootX, 90);
  EXPECT_EQ(lib.gFootY, 70);
  EXPECT_EQ(lib.gAxisMinX, 7);
  EXPECT_EQ(lib.gAxisMaxY, 7);

  // A (0, 0), B (100, 100), C (100, 0): the range globals hold the lines.
  lib.gSegmentFromX = 0, lib.gSegmentFromY = 0, lib.gSegmentToX = 100, lib.gSegmentToY = 100;
  lib.gPointCX = 100, lib.gPointCY = 0;
  lib.MarkPerpendicularFoot();
  EXPECT_FLOAT_EQ(lib.gFootX, 50);
  EXPECT_FLOAT_EQ(lib.gFootY, 50);
  EXPECT_FLOAT_EQ(lib.gAxisMinX, 1);
  EXPECT_FLOAT_EQ(lib.gAxisMinY, 0);
  EXPECT_FLOAT_EQ(lib.gAxisMaxX, -1);
  EXPECT_FLOAT_EQ(lib.gAxisMaxY, 100);

  // Each call marks the foot with a background-coloured disc of radius 2.
  auto discs = Ops(Kind::Circle);
  ASSERT_EQ(discs.size(), 3u);
  EXPECT_EQ(discs[2].x1, 50);
  EXPECT_EQ(discs[2].y1, 50);
  EXPECT_EQ(discs[2].r, 2);
  EXPECT_EQ(discs[2].colour, 15);
  EXPECT_EQ(discs[2].fill, 15);
}

TEST_F(FigureTest, IntersectionOfTwoLines) {
  struct Case {
    float ax, ay, bx, by, cx, cy, dx, dy, x, y;
  } cases[] = {
      {0, 0, 100, 100, 0, 100, 100, 0, 50, 50},
      {40, 0, 40, 100, 0, 70, 100, 70, 40, 70},  // vertical meets horizontal
      {0, 70, 100, 70, 40, 0, 40, 100, 40, 70},  // horizontal meets vertical
      {0, 10, 100, 60, 30, 0, 30, 100, 30, 25},  // sloped meets vertical
  };
  for (const auto& c : cases) {
    lib.gSegmentFromX = c.ax, lib.gSegmentFromY = c.ay, lib.gSegmentToX = c.bx, lib.gSegmentToY = c.by;
    lib.gPointCX = c.cx, lib.gPointCY = c.cy, lib.gPointDX = c.dx, lib.gDivisorNumber = c.dy;
    lib.IntersectLines();
    EXPECT_FLOAT_EQ(lib.gCrossX, c.x) << c.ax << "," << c.ay;
    EXPECT_FLOAT_EQ(lib.gCrossY, c.y) << c.ax << "," << c.ay;
  }
  EXPECT_EQ(OpCount(), 0u);

  // Parallel lines: no intersection, gCrossY keeps its value.
  lib.gCrossX = 1, lib.gCrossY = 2;
  lib.gSegmentFromX = 0, lib.gSegmentFromY = 0, lib.gSegmentToX = 100, lib.gSegmentToY = 50;
  lib.gPointCX = 0, lib.gPointCY = 20, lib.gPointDX = 100, lib.gDivisorNumber = 70;
  lib.IntersectLines();
  EXPECT_EQ(lib.gCrossX, 1);
  EXPECT_EQ(lib.gCrossY, 2);
}

TEST_F(FigureTest, PointOfALineAtAGivenXOrY) {
  struct Case {
    float x1, y1, x2, y2, cx, cy, x, y;
  } cases[] = {
      {100, 100, 300, 200, 200, -1, 200, 150},
      {100, 100, 300, 200, -1, 175, 250, 175},
      {100, 50, 100, 300, -1, 120, 100, 120},  // vertical
      {50, 200, 300, 200, 80, -1, 80, 200},    // horizontal
      {100, 100, 300, 200, -4, -2, -4, 48},    // both negative: the given x wins
  };
  for (const auto& c : cases) {
    lib.gSegmentFromX = c.x1, lib.gSegmentFromY = c.y1, lib.gSegmentToX = c.x2, lib.gSegmentToY = c.y2;
    lib.gPointCX = c.cx, lib.gPointCY = c.cy;
    lib.FindLinePointAtXY();
    EXPECT_FLOAT_EQ(lib.gLinePointX, c.x) << c.cx << "," << c.cy;
    EXPECT_FLOAT_EQ(lib.gLinePointY, c.y) << c.cx << "," << c.cy;
  }
  // The sloped line leaves its slope and intercept behind.
  lib.gSegmentFromX = 100, lib.gSegmentFromY = 100, lib.gSegmentToX = 300, lib.gSegmentToY = 200;
  lib.gPointCX = 3, lib.gPointCY = 4, lib.gLinePointX = 9, lib.gLinePointY = 8;
  lib.FindLinePointAtXY();
  EXPECT_FLOAT_EQ(lib.gRatioM, 0.5f);
  EXPECT_FLOAT_EQ(lib.gRatioN, 50);
  EXPECT_EQ(lib.gLinePointX, 9);  // both given: nothing found
  EXPECT_EQ(lib.gLinePointY, 8);
}

TEST_F(FigureTest, PointAtAnAngleOnTheArcOverASegment) {
  struct Case {
    float x1, y1, x2, y2, height, angle, x, y;
  } cases[] = {
      {100, 300, 300, 300, 40, 90, 200, 260},  {100, 300, 300, 300, 40, 0, 300, 300},
      {100, 300, 300, 300, 40, 270, 200, 340}, {100, 300, 300, 300, 40, 180, 100, 300},
      {200, 400, 200, 200, 30, 90, 170, 300},  // left of the upward direction
      {100, 100, 300, 300, 20, 90, 214.1421f, 185.8579f},
  };
  for (const auto& c : cases) {
    lib.gP1X = c.x1, lib.gP1Y = c.y1, lib.gP2X = c.x2, lib.gP2Y = c.y2;
    lib.gArcHeight = c.height, lib.gPointAngle = c.angle;
    lib.ComputePointAtAngle();
    EXPECT_NEAR(lib.gArrowFromX, c.x, 0.05) << c.x1 << "," << c.y1 << " at " << c.angle;
    EXPECT_NEAR(lib.gArrowFromY, c.y, 0.05) << c.x1 << "," << c.y1 << " at " << c.angle;
    EXPECT_EQ(lib.gPointCX, c.x2 - c.x1);
    EXPECT_EQ(lib.gPointCY, c.y2 - c.y1);
    EXPECT_EQ(lib.gArcHeight, c.height);  // used unchanged
  }
  // Segment (100, 300)-(300, 300) at 90: Q over the flat segment's middle.
  lib.gP1X = 100, lib.gP1Y = 300, lib.gP2X = 300, lib.gP2Y = 300, lib.gArcHeight = 40, lib.gPointAngle = 90;
  lib.ComputePointAtAngle();
  EXPECT_EQ(lib.gP3X, 200);
  EXPECT_EQ(lib.gP3Y, 300);
  EXPECT_NEAR(lib.gP2X, 200, 1e-3);
  EXPECT_NEAR(lib.gP2Y, 260, 1e-3);
  EXPECT_NEAR(lib.gPlotDotRadius, std::sqrt(100.0f * 100 + 40 * 40), 1e-3);

  lib.gP1X = lib.gP2X = 50, lib.gP1Y = lib.gP2Y = 60;
  EXPECT_FAULT(lib.ComputePointAtAngle(), plat::kFaultDivisionByZero);
}

TEST_F(FigureTest, ChevronsPointAlongTheSegmentFromTheDividingPoint) {
  lib.gSegmentFromX = 0, lib.gSegmentFromY = 100, lib.gSegmentToX = 200, lib.gSegmentToY = 100;
  lib.gRatioM = 1, lib.gRatioN = 1, lib.gArrowHead = 10, lib.gMarkCount = 1, lib.gFigureColour = 2;
  lib.DrawSegmentChevrons();
  auto lines = Ops(Kind::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_FLOAT_EQ(lines[0].x1, 106);
  EXPECT_FLOAT_EQ(lines[0].y1, 105);
  EXPECT_FLOAT_EQ(lines[1].x1, 106);
  EXPECT_FLOAT_EQ(lines[1].y1, 95);
  for (const auto& l : lines) {
    EXPECT_FLOAT_EQ(l.x2, 116);
    EXPECT_FLOAT_EQ(l.y2, 100);
    EXPECT_EQ(l.colour, 2);
  }
  EXPECT_EQ(lib.gDivisorNumber, 0);

  // Two and a half marks give two, 16 units apart.
  ClearPicture();
  lib.gMarkCount = 2.5f;
  lib.DrawSegmentChevrons();
  lines = Ops(Kind::Line);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_FLOAT_EQ(lines[3].x2, 132);
}

TEST_F(FigureTest, MidMarksStandAcrossTheSegmentBesideItsMiddle) {
  lib.gSegmentFromX = 0, lib.gSegmentFromY = 0, lib.gSegmentToX = 100, lib.gSegmentToY = 0;
  lib.gMarkSide = 0, lib.gMarkSpacing = 8, lib.gArrowHead = 5, lib.gMarkCount = 2;
  lib.DrawSegmentMidMarks();
  auto lines = Ops(Kind::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_FLOAT_EQ(lines[0].x1, 58);
  EXPECT_FLOAT_EQ(lines[0].x2, 58);
  EXPECT_FLOAT_EQ(lines[1].x1, 66);
  EXPECT_FLOAT_EQ(std::fabs(lines[0].y1 - lines[0].y2), 10);
  EXPECT_FLOAT_EQ(lines[0].y1 + lines[0].y2, 0);
  EXPECT_EQ(lib.gMarkSpacing, 24);
}

TEST_F(FigureTest, SegmentMarkCountsAndSpacingsOutOfRangeAreCorrected) {
  struct Case {
    float count;
    size_t chevronLines;
    float chevronCount;
    size_t strokes;
    float strokeCount;
  } cases[] = {
      {7, 2, 1, 1, 1}, {-2, 2, 1, 1, 1}, {0, 2, 1, 1, 0}, {6, 12, 6, 6, 6},
  };
  lib.gSegmentFromX = 0, lib.gSegmentFromY = 0, lib.gSegmentToX = 300, lib.gSegmentToY = 0;
  lib.gRatioM = 1, lib.gRatioN = 2, lib.gArrowHead = 5;
  for (const auto& c : cases) {
    ClearPicture();
    lib.gMarkCount = c.count;
    lib.DrawSegmentChevrons();
    EXPECT_EQ(Ops(Kind::Line).size(), c.chevronLines) << c.count;
    EXPECT_EQ(lib.gMarkCount, c.chevronCount) << c.count;
    ClearPicture();
    lib.gMarkCount = c.count;
    lib.gMarkSpacing = 8;
    lib.DrawSegmentMidMarks();
    EXPECT_EQ(Ops(Kind::Line).size(), c.strokes) << c.count;
    EXPECT_EQ(lib.gMarkCount, c.strokeCount) << c.count;
  }
  struct Spacing {
    float given, used;
  } spacings[] = {{0, 8}, {31, 8}, {30, 30}, {12, 12}};
  for (const auto& s : spacings) {
    ClearPicture();
    lib.gMarkSide = 0, lib.gMarkCount = 1, lib.gMarkSpacing = s.given;
    lib.DrawSegmentMidMarks();
    EXPECT_FLOAT_EQ(Ops(Kind::Line)[0].x1, 150 + s.used) << s.given;
    EXPECT_EQ(lib.gMarkSpacing, 2 * s.used) << s.given;
  }
  lib.gSegmentToX = 0;
  EXPECT_FAULT(lib.DrawSegmentMidMarks(), plat::kFaultDivisionByZero);
}

TEST_F(FigureTest, ArrowHeadAtEitherEndAndAtBoth) {
  auto setUp = [&](float headEnd) {
    ClearPicture();
    lib.gArrowFromX = 100, lib.gArrowFromY = 200, lib.gP1X = 100, lib.gP1Y = 120;
    lib.gArrowHead = 16, lib.gArrowHeadEnd = headEnd, lib.gFigureColour = 11;
    lib.DrawArrowLine();
    return Ops(Kind::Line);
  };
  auto lines = setUp(-1);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].x1, 100);
  EXPECT_EQ(lines[0].y1, 200);
  EXPECT_EQ(lines[0].y2, 120);
  EXPECT_FLOAT_EQ(lines[1].x1, 108);
  EXPECT_FLOAT_EQ(lines[1].y1, 136);
  EXPECT_FLOAT_EQ(lines[2].x1, 92);
  EXPECT_FLOAT_EQ(lines[2].y1, 136);
  for (size_t i = 1; i < 3; ++i) {
    EXPECT_EQ(lines[i].x2, 100);
    EXPECT_EQ(lines[i].y2, 120);
    EXPECT_EQ(lines[i].colour, 11);
  }
  EXPECT_EQ(lib.gP1Y, 120);
  EXPECT_EQ(lib.gArrowFromY, 200);
  EXPECT_EQ(lib.gArrowHeadEnd, 0);
  EXPECT_EQ(lib.gDivisorNumber, -1);

  for (float headEnd : {1.0f, 0.0f}) {
    lines = setUp(headEnd);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_FLOAT_EQ(lines[1].x1, 92);
    EXPECT_FLOAT_EQ(lines[1].y1, 184);
    EXPECT_FLOAT_EQ(lines[2].x1, 108);
    EXPECT_FLOAT_EQ(lines[2].y1, 184);
    EXPECT_EQ(lines[1].y2, 200);
    EXPECT_EQ(lib.gP1Y, 200);
    EXPECT_EQ(lib.gArrowFromY, 120);
  }

  lib.gArrowBothEnds = 2;
  lines = setUp(-1);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[1].y2, 120);
  EXPECT_EQ(lines[4].y2, 200);
  EXPECT_EQ(lib.gArrowBothEnds, 0);
  EXPECT_EQ(lib.gP1Y, 200);

  // A horizontal arrow to the right: P2 below the shaft, P3 above.
  lib.gArrowFromX = 100, lib.gArrowFromY = 50, lib.gP1X = 200, lib.gP1Y = 50, lib.gArrowHeadEnd = -1;
  lib.DrawArrowLine();
  EXPECT_GT(lib.gP2Y, 50);
  EXPECT_LT(lib.gP3Y, 50);

  lib.gArrowFromX = lib.gP1X, lib.gArrowFromY = lib.gP1Y;
  EXPECT_FAULT(lib.DrawArrowLine(), plat::kFaultDivisionByZero);
}

TEST_F(FigureTest, LeftBraceIsOneBoldPolylineAndKeepsThePen) {
  lib.gPenX = 100, lib.gPenY = 200, lib.gCellWidth = 95, lib.gTextColour = 4;
  lib.DrawLeftBrace();
  auto polys = Ops(Kind::Poly);
  ASSERT_EQ(polys.size(), 1u);
  const std::vector<float> expected = {135, 205, 123, 208, 123, 238, 108, 245, 123, 252, 123, 282, 135, 285};
  EXPECT_EQ(polys[0].points, expected);
  EXPECT_EQ(polys[0].width, 5);
  EXPECT_EQ(polys[0].colour, 4);
  EXPECT_EQ(lib.gGcd, 123);
  EXPECT_EQ(lib.gLcm, 108);
  EXPECT_EQ(lib.gPenX, 100);
  EXPECT_EQ(lib.gPenY, 200);
  EXPECT_EQ(ts.screen().GetDrawWidth(0), 3);
}

}  // namespace
}  // namespace figures_test
