// Drawing of the figure library: dotted arcs, angle marks, the grid, polygons,
// the coordinate plane with points and graphs, slope triangles and the
// written division.
#include <algorithm>
#include <cmath>

#include "tests/figures_fixture.h"

namespace figures_test {
namespace {

class ArcTest : public FigureTest {
 protected:
  // A dotted arc over (x1, y1)-(x2, y2) with the parameters of a lesson.
  void Arc(float x1, float y1, float x2, float y2, float side, float height, float step, const char* label) {
    lib.gP1X = x1, lib.gP1Y = y1, lib.gP2X = x2, lib.gP2Y = y2;
    lib.gArcSide = side, lib.gArcHeight = height, lib.gCellWidth = step;
    lib.gFigureColour = 1, lib.gTextColour = 4;
    lib.gLabelText = plat::FromUtf8(label);
    lib.DrawDottedArcOverSegment();
  }
};

TEST_F(ArcTest, DownwardSegmentOnTheRightSideWithAStepOf7) {
  Arc(144, 210, 144, 386, 1, 1, 7, "2a");
  auto dots = Ops(Kind::Circle);
  ASSERT_EQ(dots.size(), 26u);
  EXPECT_NEAR(dots[0].x1, 144, 1e-3);  // the first dot on the start point
  EXPECT_NEAR(dots[0].y1, 210, 1e-3);
  for (const auto& d : dots) {
    EXPECT_LE(d.x1, 144.001f);  // right of the downward direction: left on the screen
    EXPECT_EQ(d.r, 0.5f);
    EXPECT_EQ(d.colour, 1);
    EXPECT_EQ(d.fill, 1);
    EXPECT_EQ(d.width, 3);
  }
  EXPECT_GT(dots.back().y1, 380);  // the last at 355 degrees, short of the end
  EXPECT_LT(dots.back().y1, 386);
  EXPECT_EQ(lib.gLoopIndex, 362);  // one step past the last dot
  EXPECT_EQ(lib.gArcHeight, 16);
  EXPECT_NEAR(lib.gP1X, 128, 1e-3);  // the apex
  EXPECT_NEAR(lib.gP1Y, 298, 1e-3);
  EXPECT_EQ(lib.gArrowFromX, lib.gP1X);
  EXPECT_EQ(lib.gArrowFromY, lib.gP1Y);
  EXPECT_EQ(lib.gP2X, 144);
  EXPECT_EQ(lib.gP2Y, 210);
  EXPECT_EQ(lib.gP3X, 144);
  EXPECT_EQ(lib.gP3Y, 386);
  // The label "2a", 54 wide, ends at the apex: its pen started at (74, 276).
  EXPECT_EQ(lib.gMeasuredEndX, 54);
  EXPECT_NEAR(lib.gPenX, 74 + 54, 1e-3);
  EXPECT_NEAR(lib.gPenY, 276, 1e-3);
  EXPECT_EQ(lib.gDivisorNumber, 22);
  EXPECT_TRUE(lib.gLabelText.empty());
  EXPECT_TRUE(lib.gPrintText.empty());
  EXPECT_EQ(lib.gMarkSide, 0);
  EXPECT_EQ(lib.gArrowHead, 0);
  EXPECT_FLOAT_EQ(lib.gPi, 3.14159f);
  EXPECT_EQ(lib.gArcSide, 1);
  EXPECT_EQ(lib.gCellWidth, 7);
}

TEST_F(ArcTest, SideMinusOneArchesAboveWithTheLabelCentredOverTheApex) {
  Arc(144, 210, 408, 210, -1, 1, 7, "3a");
  for (const auto& d : Ops(Kind::Circle)) EXPECT_LE(d.y1, 210.001f);
  EXPECT_NEAR(lib.gP1X, 276, 1e-3);
  EXPECT_NEAR(lib.gP1Y, 194, 1e-3);
  EXPECT_NEAR(lib.gPenX, 249 + 54, 1e-3);
  EXPECT_NEAR(lib.gPenY, 150, 1e-3);

  // Side 1 puts arc and label below; side 0 the arc above, the label inside.
  Arc(144, 210, 408, 210, 1, 1, 7, "");
  EXPECT_NEAR(lib.gP1Y, 226, 1e-3);
  EXPECT_NEAR(lib.gPenY, 226, 1e-3);
  Arc(144, 210, 408, 210, 0, 1, 7, "");
  EXPECT_NEAR(lib.gP1Y, 194, 1e-3);
  EXPECT_NEAR(lib.gPenY, 194, 1e-3);  // the empty label's box hangs below the apex
}

TEST_F(ArcTest, DotCountsFollowTheStepAndTheLoopIndexEndsOneStepPast) {
  struct Case {
    float side, step;
    size_t dots;
    float loopIndex;
  } cases[] = {
      {-1, 10, 19, 190}, {-1, 0.5f, 361, 180.5f}, {-1, 7, 26, 182},  {-1, 1, 181, 181},
      {1, 1, 181, 361},  {1, 18, 11, 378},        {-1, -1, 1, -1},  // a negative step: one dot
  };
  for (const auto& c : cases) {
    ClearPicture();
    Arc(0, 400, 400, 400, c.side, 50, c.step, "");
    EXPECT_EQ(Ops(Kind::Circle).size(), c.dots) << c.side << " " << c.step;
    EXPECT_EQ(lib.gLoopIndex, c.loopIndex) << c.side << " " << c.step;
  }
  // Step 10 over the left side runs from the end back to the start.
  ClearPicture();
  Arc(0, 400, 400, 400, -1, 50, 10, "");
  auto dots = Ops(Kind::Circle);
  EXPECT_NEAR(dots.front().x1, 400, 1e-3);
  EXPECT_NEAR(dots.back().x1, 0, 1e-3);
  EXPECT_NEAR(dots[9].y1, 350, 1e-3);
}

TEST_F(ArcTest, HeightsBelow16AreSixteenthsAndNegativeHeightsTheirSize) {
  struct Case {
    float given, used;
  } cases[] = {{0.5f, 8}, {1, 16}, {2.5f, 40}, {15.9f, 254.4f}, {16, 16}, {40, 40}, {0, 0}, {-20, 20}, {-0.5f, 0.5f}};
  for (const auto& c : cases) {
    Arc(100, 500, 300, 500, -1, c.given, 90, "");
    EXPECT_FLOAT_EQ(lib.gArcHeight, c.used) << c.given;
    EXPECT_NEAR(lib.gP1Y, 500 - c.used, 1e-3) << c.given;
  }
  // Height 0: the dots lie on the segment, crowded at its ends.
  ClearPicture();
  Arc(0, 300, 200, 300, 1, 0, 10, "");
  auto dots = Ops(Kind::Circle);
  for (const auto& d : dots) EXPECT_NEAR(d.y1, 300, 1e-3);
  EXPECT_LT(dots[1].x1 - dots[0].x1, dots[10].x1 - dots[9].x1);
}

TEST_F(ArcTest, AStackedFractionLabelStandsTallerAndStepZeroIsRefused) {
  Arc(100, 500, 300, 500, -1, 40, 90, "ﾀ1/2ﾀ");
  EXPECT_EQ(lib.gDivisorNumber, 40);
  EXPECT_FAULT(Arc(100, 500, 300, 500, -1, 40, 0, ""), plat::kFaultBadArgument);
  EXPECT_FAULT(Arc(100, 500, 100, 500, -1, 40, 10, ""), plat::kFaultDivisionByZero);
}

TEST_F(ArcTest, NudgesMoveTheLabelAndAreConsumed) {
  lib.gLabelNudgeX = 40, lib.gLabelNudgeY = -20;
  Arc(144, 210, 408, 210, -1, 1, 7, "");
  EXPECT_NEAR(lib.gPenX, 276 + 40, 1e-3);
  EXPECT_NEAR(lib.gPenY, 194 - 44 - 20, 1e-3);
  EXPECT_EQ(lib.gLabelNudgeX, 0);
  EXPECT_EQ(lib.gLabelNudgeY, 0);
}

TEST_F(FigureTest, BisectorLabelStandsOnTheSideTheBisectorPointsTo) {
  // Rays right and left: the bisector points straight up; the anchor is the
  // vertex.
  lib.gP1X = 300, lib.gP1Y = 300, lib.gP2X = 400, lib.gP2Y = 300, lib.gP3X = 200, lib.gP3Y = 300;
  lib.gLabelText = "";
  lib.gArrowHead = 0;
  lib.MarkAngleBisectorLabel();
  EXPECT_NEAR(lib.gPenX, 300, 1e-2);
  EXPECT_NEAR(lib.gPenY, 300 - 44, 1e-2);
  EXPECT_EQ(lib.gDivisorNumber, 22);
  // An anchor 30 out on a bisector pointing right.
  lib.gP2X = 300, lib.gP2Y = 200, lib.gP3X = 300, lib.gP3Y = 400;
  lib.gMarkSide = -1, lib.gArrowHead = 30, lib.gUseLabelTypesetter = 2;
  lib.MarkAngleBisectorLabel();
  EXPECT_NEAR(lib.gPenX, 330, 1e-2);
  EXPECT_NEAR(lib.gPenY, 300 - 22, 1e-2);
  EXPECT_EQ(lib.gUseLabelTypesetter, 0);
  EXPECT_EQ(lib.gMarkSide, 0);
  EXPECT_EQ(lib.gArrowHead, 0);
}

TEST_F(FigureTest, OnlyTheValueOneChoosesTheCompactLabelTypesetter) {
  struct Case {
    float choice;
    bool compact;
  } cases[] = {{1, true}, {2, false}, {-1, false}, {0, false}};
  for (const auto& c : cases) {
    ClearPicture();
    lib.gP1X = 300, lib.gP1Y = 300, lib.gP2X = 400, lib.gP2Y = 300, lib.gP3X = 200, lib.gP3Y = 300;
    lib.gLabelText = "2a", lib.gUseLabelTypesetter = c.choice, lib.gTextColour = 4;
    lib.MarkAngleBisectorLabel();
    auto texts = Ops(Kind::Text);
    ASSERT_FALSE(texts.empty()) << c.choice;
    EXPECT_EQ(texts[0].size == 15 && texts[0].bold, c.compact) << c.choice;
    EXPECT_EQ(texts[0].colour, 4);
    // Placed by the measured width either way: centred over the vertex.
    EXPECT_EQ(lib.gMeasuredEndX, 54) << c.choice;
    EXPECT_NEAR(texts[0].x1, 300 - 27, 4) << c.choice;
    EXPECT_EQ(lib.gUseLabelTypesetter, 0);
  }
}

TEST_F(FigureTest, SignFlipOfATermTextGivesAnExplicitSign) {
  struct Case {
    const char *before, *after;
  } cases[] = {
      {"-3x", "+3x"}, {"+2a", "-2a"}, {"5", "-5"},  {"x", "-x"},         {"-", "+"},
      {"+", "-"},     {"", ""},       {" 3", "- 3"}, {"-ﾀ1/2ﾀ", "+ﾀ1/2ﾀ"}, {"-ａ", "+ａ"},
  };
  for (const auto& c : cases) {
    lib.gWorkText = plat::FromUtf8(c.before);
    lib.FlipLeadingSign();
    EXPECT_EQ(lib.gWorkText, plat::FromUtf8(c.after)) << c.before;
  }
  // Twice over a text without a sign: a "+" in front, not the text itself.
  lib.gWorkText = "x";
  lib.FlipLeadingSign();
  lib.FlipLeadingSign();
  EXPECT_EQ(lib.gWorkText, "+x");
}

TEST_F(FigureTest, AngleArcsCoverTheMarkedAngle) {
  auto setUp = [&](float count) {
    ClearPicture();
    lib.gP1X = 300, lib.gP1Y = 300, lib.gP2X = 400, lib.gP2Y = 300, lib.gP3X = 300, lib.gP3Y = 200;
    lib.gMarkCount = count, lib.gArrowHead = 40, lib.gFigureColour = 2, lib.gAccentColour = 12;
    lib.DrawAngleArcs();
    return Ops(Kind::Circle);
  };
  auto arcs = setUp(2.5f);
  ASSERT_EQ(arcs.size(), 2u);
  EXPECT_EQ(arcs[0].r, 32);
  EXPECT_EQ(arcs[1].r, 24);
  EXPECT_FLOAT_EQ(arcs[0].start, 0.75f);  // clockwise from straight up ...
  EXPECT_FLOAT_EQ(arcs[0].end, 1);        // ... to three o'clock
  EXPECT_EQ(arcs[0].colour, 12);
  EXPECT_EQ(arcs[0].fill, -1);
  EXPECT_EQ(lib.gArrowHead, 0);

  arcs = setUp(7);
  EXPECT_EQ(arcs.size(), 1u);
  EXPECT_EQ(lib.gMarkCount, 1);
  for (float count : {0.0f, -3.0f}) {
    arcs = setUp(count);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].r, 40);
    EXPECT_EQ(arcs[0].colour, 2);
    EXPECT_EQ(arcs[0].fill, 12);
  }
  // The filled quarter lies up and to the right of the vertex.
  testing_support::Picture picture(ts.screen().canvas());
  EXPECT_EQ(picture.ColourAt(315, 285), 12);
  EXPECT_EQ(picture.ColourAt(285, 285), 15);
  EXPECT_EQ(picture.ColourAt(315, 315), 15);
}

TEST_F(FigureTest, RightAngleMarkIsAThreePointCorner) {
  lib.gP1X = 100, lib.gP1Y = 100, lib.gP2X = 200, lib.gP2Y = 100, lib.gP3X = 100, lib.gP3Y = 0;
  lib.gArrowHead = 10, lib.gFigureColour = 3;
  lib.DrawRightAngleMark();
  auto polys = Ops(Kind::Poly);
  ASSERT_EQ(polys.size(), 1u);
  const std::vector<float> expected = {110, 100, 110, 90, 100, 90};
  ASSERT_EQ(polys[0].points.size(), 6u);
  for (size_t i = 0; i < 6; ++i) EXPECT_NEAR(polys[0].points[i], expected[i], 1e-3) << i;
  EXPECT_EQ(polys[0].colour, 3);
}

TEST_F(FigureTest, GridLinesWithEveryFifthBoldFromTheLowerLeftCorner) {
  lib.gGridLeft = 560, lib.gGridTop = 200, lib.gGridCols = 15, lib.gCellHeight = 9, lib.gAxisUnit = 40;
  lib.gFigureColour = 2;
  lib.DrawGrid();
  EXPECT_EQ(lib.gAxisRight, 1160);
  EXPECT_EQ(lib.gAxisBottom, 560);
  EXPECT_EQ(lib.gAxisOriginX, 560);
  EXPECT_EQ(lib.gAxisOriginY, 560);
  EXPECT_EQ(lib.gAccentColour, 14);
  auto lines = Ops(Kind::Line);
  ASSERT_EQ(lines.size(), 26u);
  std::vector<float> boldX, boldY;
  for (size_t i = 0; i < 16; ++i) {
    EXPECT_EQ(lines[i].x1, 560 + 40 * static_cast<float>(i));
    if (lines[i].width == 3) boldX.push_back(lines[i].x1);
    EXPECT_EQ(lines[i].colour, lines[i].width == 3 ? 14 : 2);
  }
  for (size_t i = 16; i < 26; ++i) {
    EXPECT_EQ(lines[i].y1, 560 - 40 * static_cast<float>(i - 16));
    if (lines[i].width == 3) boldY.push_back(lines[i].y1);
  }
  EXPECT_EQ(boldX, (std::vector<float>{560, 760, 960, 1160}));
  EXPECT_EQ(boldY, (std::vector<float>{560, 360}));
  EXPECT_EQ(ts.screen().GetDrawWidth(0), 3);

  // Colour 15: the frame alone.
  ClearPicture();
  lib.gAccentColour = 6, lib.gFigureColour = 15, lib.gGridLeft = 720, lib.gGridTop = 125;
  lib.gGridCols = 12, lib.gCellHeight = 12;
  ts.screen().SetDrawWidth(0, 6);
  lib.DrawGrid();
  EXPECT_EQ(OpCount(), 0u);
  EXPECT_EQ(lib.gAccentColour, 6);
  EXPECT_EQ(lib.gAxisOriginX, 720);
  EXPECT_EQ(lib.gAxisOriginY, 605);
  EXPECT_EQ(lib.gAxisLeft, 720);
  EXPECT_EQ(lib.gAxisTop, 125);
  EXPECT_EQ(lib.gAxisRight, 1200);
  EXPECT_EQ(lib.gAxisBottom, 605);
  EXPECT_FLOAT_EQ(lib.gPi, 3.14159f);
  EXPECT_EQ(ts.screen().GetDrawWidth(0), 6);

  // No columns: one bold line at the left edge.
  ClearPicture();
  lib.gFigureColour = 2, lib.gGridCols = 0, lib.gCellHeight = 2;
  lib.DrawGrid();
  EXPECT_EQ(Ops(Kind::Line).size(), 4u);
}

class PolygonTest : public FigureTest {
 protected:
  void Corners(std::vector<std::pair<float, float>> corners) {
    for (size_t k = 0; k < corners.size(); ++k) {
      lib.gPairTable(static_cast<float>(k + 1), 1) = corners[k].first;
      lib.gPairTable(static_cast<float>(k + 1), 2) = corners[k].second;
    }
    lib.gPolygonPointCount = static_cast<float>(corners.size());
    lib.gAxisFontSize = 2, lib.gFigureColour = 1, lib.gArrowHead = 20, lib.gTextColour = 4;
  }
  // The centres of the labels drawn, by label.
  std::vector<std::pair<float, float>> LabelCentres() {
    std::vector<std::pair<float, float>> out;
    for (const auto& t : Ops(Kind::Text)) out.push_back({t.x1, t.y1});
    return out;
  }
};

TEST_F(PolygonTest, LettersStandOutsideACounterclockwiseTriangle) {
  Corners({{100, 100}, {100, 300}, {300, 300}});
  lib.gLabelText = "A";
  ts.screen().SetDrawWidth(0, 7);
  lib.DrawPolygonFromPoints();
  auto lines = Ops(Kind::Line);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2].x1, 300);
  EXPECT_EQ(lines[2].x2, 100);
  EXPECT_EQ(lines[2].y2, 100);
  EXPECT_EQ(lines[0].width, 2);
  auto texts = Ops(Kind::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(plat::ToUtf8(texts[0].text) + plat::ToUtf8(texts[1].text) + plat::ToUtf8(texts[2].text), "ABC");
  // A above the top corner, B left of and below the lower left, C right.
  EXPECT_LT(texts[0].y1, 100);
  EXPECT_LT(texts[1].x1, 100);
  EXPECT_GT(texts[1].y1, 300 - 22);
  EXPECT_GT(texts[2].x1, 300);
  EXPECT_TRUE(lib.gLabelText.empty());
  EXPECT_EQ(lib.gArrowHead, 0);
  EXPECT_EQ(lib.gLabelDistance, 20);
  EXPECT_EQ(ts.screen().GetDrawWidth(0), 7);

  // Listed the other way round, the letters stand inside.
  ClearPicture();
  Corners({{300, 300}, {100, 300}, {100, 100}});
  lib.gLabelText = "A";
  lib.DrawPolygonFromPoints();
  texts = Ops(Kind::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_GT(texts[0].x1 + 13, 150);  // A near (300, 300), towards the inside
  EXPECT_LT(texts[0].x1, 300);
  EXPECT_LT(texts[0].y1, 300);
}

TEST_F(PolygonTest, LabelsFromTheListOrConsecutiveLettersOrNone) {
  Corners({{100, 100}, {100, 300}, {300, 300}, {300, 100}});
  lib.gLabelText = "P";
  lib.DrawPolygonFromPoints();
  std::string letters;
  for (const auto& t : Ops(Kind::Text)) letters += plat::ToUtf8(t.text);
  EXPECT_EQ(letters, "PQRS");

  ClearPicture();
  Corners({{100, 100}, {100, 300}, {300, 300}});
  lib.gLabelList(1) = "O", lib.gLabelList(2) = "X", lib.gLabelList(3) = "Y";
  lib.gLabelText = "1";
  lib.DrawPolygonFromPoints();
  letters.clear();
  for (const auto& t : Ops(Kind::Text)) letters += plat::ToUtf8(t.text);
  EXPECT_EQ(letters, "OXY");

  ClearPicture();
  Corners({{100, 100}, {100, 300}, {300, 300}});
  lib.gLabelText = "";
  lib.DrawPolygonFromPoints();
  EXPECT_EQ(Ops(Kind::Text).size(), 0u);
  EXPECT_EQ(lib.gArrowHead, 20);

  // No corners: one side, from corner 1 to corner 2, and one label.
  ClearPicture();
  Corners({{100, 100}, {100, 300}, {300, 300}});
  lib.gPolygonPointCount = 0;
  lib.gLabelText = "A";
  lib.DrawPolygonFromPoints();
  EXPECT_EQ(Ops(Kind::Line).size(), 1u);
  EXPECT_EQ(Ops(Kind::Text).size(), 1u);
}

class PlaneTest : public FigureTest {
 protected:
  // The plane of x and y from -10 to 10 at 20 units a step, corner (0, 0).
  void Plane(float figureColour = 1) {
    lib.gAxisMinX = -10, lib.gAxisMaxX = 10, lib.gAxisMinY = -10, lib.gAxisMaxY = 10;
    lib.gAxisScaleX = 1, lib.gAxisScaleY = 1, lib.gAxisUnit = 20;
    lib.gGridLeft = 0, lib.gGridTop = 0, lib.gFigureColour = figureColour;
    lib.DrawAxes();
  }
  const plat::DrawOp* TextOp(const char* utf8) {
    for (const auto& op : ts.screen().canvas().ops())
      if (op.kind == Kind::Text && op.text == plat::FromUtf8(utf8)) return &op;
    return nullptr;
  }
  std::vector<std::string> Texts() {
    std::vector<std::string> out;
    for (const auto& t : Ops(Kind::Text)) out.push_back(plat::ToUtf8(t.text));
    return out;
  }
};

TEST_F(PlaneTest, AxesWithGraphPaperAndNumberedBoldLines) {
  ts.screen().SetDrawWidth(0, 2);
  Plane();
  EXPECT_EQ(lib.gGridLeft, 640);
  EXPECT_EQ(lib.gGridTop, 180);
  EXPECT_EQ(lib.gAxisOriginX, 840);
  EXPECT_EQ(lib.gAxisOriginY, 380);
  EXPECT_EQ(lib.gAxisRight, 1040);
  EXPECT_EQ(lib.gAxisBottom, 580);
  EXPECT_EQ(lib.gAxisLeft, 640);
  EXPECT_EQ(lib.gAxisTop, 180);
  EXPECT_EQ(lib.gAxisFontSize, 26);
  auto lines = Ops(Kind::Line);
  const auto thin = std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.width == 1; });
  const auto bold = std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.width == 3; });
  EXPECT_EQ(thin, 42);
  EXPECT_EQ(bold, 10);
  EXPECT_EQ(lines[0].x1, 639.5f);
  EXPECT_EQ(lines[20].x1, 1039.5f);
  EXPECT_EQ(lines[21].y1, 579.5f);
  EXPECT_EQ(lines[42].x1, 640);
  EXPECT_EQ(lines[42].colour, 1);
  // The axes last, at width 4.
  EXPECT_EQ(lines[52].x1, 840);
  EXPECT_EQ(lines[52].y1, 180);
  EXPECT_EQ(lines[52].y2, 580);
  EXPECT_EQ(lines[53].y1, 380);
  EXPECT_EQ(lines[53].width, 4);

  EXPECT_EQ(Texts(), (std::vector<std::string>{"-10", "-5", "5", "10", "-10", "-5", "5", "10", "x", "0", "y"}));
  auto at = [&](const plat::DrawOp* op, float x, float y) {
    ASSERT_NE(op, nullptr);
    EXPECT_FLOAT_EQ(op->x1, x);
    EXPECT_FLOAT_EQ(op->y1, y);
    EXPECT_EQ(op->colour, 0);
  };
  at(TextOp("-5"), 714, 380);
  auto texts = Ops(Kind::Text);
  EXPECT_FLOAT_EQ(texts[6].x1, 814);  // the y number 5
  EXPECT_FLOAT_EQ(texts[6].y1, 263);
  at(TextOp("x"), 1019.2f, 341);
  at(TextOp("0"), 814, 380);
  at(TextOp("y"), 840, 167);
  EXPECT_EQ(TextOp("x")->face, plat::Face::Serif);
  EXPECT_TRUE(TextOp("x")->italic);
  EXPECT_EQ(TextOp("x")->h, 3);
  EXPECT_EQ(TextOp("y")->face, plat::Face::Gothic);
  EXPECT_TRUE(TextOp("y")->bold);
  EXPECT_FALSE(TextOp("y")->italic);
  EXPECT_FLOAT_EQ(TextOp("y")->size, 26);
  // Left behind: font, pen, colour and the tick indices.
  EXPECT_FALSE(ts.screen().fontBold());
  EXPECT_EQ(ts.screen().fontSize(), 16);
  EXPECT_EQ(ts.screen().GetDrawWidth(0), 2);
  EXPECT_EQ(lib.gTextColour, 0);
  EXPECT_EQ(lib.gPrintText, "y");
  EXPECT_EQ(lib.gPenX, 840);
  EXPECT_EQ(lib.gPenY, 167);
  EXPECT_EQ(lib.gWorkText, "10");
}

TEST_F(PlaneTest, ScalesRangesAndSwitches) {
  lib.gAxisMinX = -4, lib.gAxisMaxX = 8, lib.gAxisMinY = -1, lib.gAxisMaxY = 1;
  lib.gAxisScaleX = 0, lib.gAxisScaleY = -0.5f, lib.gAxisUnit = 39.5f;
  lib.gGridLeft = 100, lib.gGridTop = 0, lib.gFigureColour = 0, lib.gAxisHideNumbers = -1;
  lib.DrawAxes();
  EXPECT_EQ(lib.gAxisScaleX, 1);
  EXPECT_EQ(lib.gAxisScaleY, 0.5f);
  EXPECT_EQ(lib.gAxisMinY, -2);
  EXPECT_EQ(lib.gAxisMaxY, 2);
  EXPECT_EQ(lib.gGridLeft, 100);  // only one of the two is 0
  EXPECT_EQ(lib.gAxisFontSize, 26);
  EXPECT_EQ(lib.gAxisHideNumbers, 0);
  EXPECT_EQ(Ops(Kind::Line).size(), 2u);  // only the axes
  EXPECT_EQ(Texts(), (std::vector<std::string>{"x", "0", "y"}));

  // Numbers hidden: bold lines without numbers, the "0" still drawn.
  ClearPicture();
  lib.gAxisHideNumbers = -1;
  lib.gAxisMinX = -10, lib.gAxisMaxX = 10, lib.gAxisMinY = -10, lib.gAxisMaxY = 10;
  lib.gAxisScaleY = 1, lib.gAxisUnit = 40, lib.gFigureColour = 1;
  lib.DrawAxes();
  EXPECT_EQ(lib.gAxisFontSize, 30);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"x", "0", "y"}));
  EXPECT_EQ(lib.gAxisHideNumbers, 0);
}

TEST_F(PlaneTest, DecimalsWriteValuesWithAPointOverTheJoint) {
  struct Case {
    float scale;
    std::vector<std::string> numbers;
  } cases[] = {
      {0.5f, {"25", ".", "5", "75", ".", "10"}},
      {0.1f, {"05", ".", "1", "15", ".", "2"}},
      {1.3f, {"65", ".", "13", "195", ".", "26"}},
      {2.1f, {"105", ".", "21", "315", ".", "42"}},
  };
  for (const auto& c : cases) {
    ClearPicture();
    lib.gAxisMinX = 0, lib.gAxisMaxX = 20 * c.scale, lib.gAxisMinY = 0, lib.gAxisMaxY = 0;
    lib.gAxisScaleX = c.scale, lib.gAxisScaleY = 1, lib.gAxisUnit = 20;
    lib.gGridLeft = 100, lib.gGridTop = 100, lib.gFigureColour = 0;
    lib.DrawAxes();
    ClearPicture();
    lib.DrawAxisDecimals();
    EXPECT_EQ(Texts(), c.numbers) << c.scale;
  }
  // The point of 2.5 is set over the joint, 6 units left of the second digit.
  ClearPicture();
  lib.gAxisMinX = 0, lib.gAxisMaxX = 10, lib.gAxisScaleX = 0.5f, lib.gAxisUnit = 20;
  lib.DrawAxes();
  ClearPicture();
  lib.DrawAxisDecimals();
  auto texts = Ops(Kind::Text);
  EXPECT_FLOAT_EQ(texts[0].x1, lib.gAxisOriginX + 100 - 26);
  EXPECT_FLOAT_EQ(texts[0].y1, lib.gAxisOriginY + 4);
  EXPECT_FLOAT_EQ(texts[1].x1, texts[0].x1 + 26 - 6);
  EXPECT_FLOAT_EQ(texts[1].y1, lib.gAxisOriginY + 8);
  EXPECT_EQ(ts.screen().fontSize(), 16);

  // Values below zero keep their sign: -2.5 and -0.5.
  ClearPicture();
  lib.gAxisMinX = 0, lib.gAxisMaxX = 0, lib.gAxisMinY = -5, lib.gAxisMaxY = 0;
  lib.gAxisScaleX = 1, lib.gAxisScaleY = 0.5f;
  lib.DrawAxes();
  ClearPicture();
  lib.DrawAxisDecimals();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"-5", "-25", "."}));
  ClearPicture();
  lib.gAxisMinX = 0, lib.gAxisMaxX = 0, lib.gAxisMinY = -1, lib.gAxisMaxY = 0, lib.gAxisScaleY = 0.1f;
  lib.DrawAxes();
  ClearPicture();
  lib.DrawAxisDecimals();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"-1", "-05", "."}));
}

TEST_F(PlaneTest, PointsWithTheirLabels) {
  Plane();
  ClearPicture();
  lib.gPlotX = 3, lib.gPlotY = 2, lib.gPlotDotRadius = 4, lib.gAccentColour = 12, lib.gLabelText = "";
  lib.PlotPoint();
  auto discs = Ops(Kind::Circle);
  ASSERT_EQ(discs.size(), 1u);
  EXPECT_EQ(discs[0].x1, 900);
  EXPECT_EQ(discs[0].y1, 340);
  EXPECT_EQ(discs[0].r, 4);
  EXPECT_EQ(discs[0].fill, 12);
  EXPECT_EQ(lib.gPlotScreenX, 900);
  EXPECT_EQ(lib.gPlotScreenY, 340);
  EXPECT_EQ(lib.gPenX, 880);
  EXPECT_EQ(lib.gPenY, 300);
  EXPECT_EQ(lib.gTextColour, 12);

  lib.gLabelOffsetX = 5, lib.gLabelOffsetY = 50;
  lib.PlotPoint();
  EXPECT_EQ(lib.gPenX, 885);
  EXPECT_EQ(lib.gPenY, 350);
  EXPECT_EQ(lib.gLabelOffsetX, 0);
  EXPECT_EQ(lib.gLabelOffsetY, 0);

  lib.gAxisScaleX = 0;
  lib.PlotPoint();
  EXPECT_EQ(lib.gPlotScreenX, 900);
  EXPECT_EQ(lib.gAxisScaleX, 1);
}

TEST_F(PlaneTest, GraphsOfTheFourKinds) {
  Plane();
  ts.screen().SetDrawWidth(0, 2);
  auto graph = [&](float kind, float a, float b, float c) {
    ClearPicture();
    lib.gGraphKind = kind, lib.gGraphA = a, lib.gGraphB = b, lib.gGraphC = c;
    lib.gAccentColour = 9, lib.gLabelText = "";
    lib.PlotGraph();
    return Ops(Kind::Circle);
  };
  // y = x^2: dots only inside the plane's height, the pen at the last one.
  auto dots = graph(2, 1, 0, 0);
  ASSERT_FALSE(dots.empty());
  for (const auto& d : dots) {
    EXPECT_GE(d.y1, 180);
    EXPECT_LE(d.y1, 580);
    EXPECT_GT(d.x1, 840 - 20 * 3.17f);
    EXPECT_LT(d.x1, 840 + 20 * 3.17f);
  }
  EXPECT_NEAR(lib.gPenX, 903.2f, 0.2f);
  EXPECT_NEAR(lib.gPenY, 180, 0.6f);  // the curve is steep there
  EXPECT_EQ(lib.gCellWidth, 5000);
  EXPECT_EQ(ts.screen().GetDrawWidth(0), 2);

  // y = 0x + 0: 5001 dots along the x axis.
  dots = graph(3, 0, 0, 0);
  ASSERT_EQ(dots.size(), 5001u);
  EXPECT_EQ(dots.front().x1, 640);
  EXPECT_NEAR(dots.back().x1, 1040, 0.1);
  EXPECT_EQ(dots[2500].y1, 380);
  EXPECT_EQ(dots[0].r, 1);
  EXPECT_EQ(dots[0].colour, 9);

  // 2x + 0y = 6: the vertical line x = 3 at width 5.
  graph(4, 2, 0, 6);
  auto lines = Ops(Kind::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].x1, 900);
  EXPECT_EQ(lines[0].y1, 580);
  EXPECT_EQ(lines[0].y2, 180);
  EXPECT_EQ(lines[0].width, 5);
  EXPECT_EQ(lib.gPenX, 910);
  EXPECT_EQ(lib.gPenY, 180);
  EXPECT_EQ(lib.gGraphC, 3);
  EXPECT_EQ(ts.screen().GetDrawWidth(0), 2);

  // x + 2y = 4 becomes y = -0.5x + 2.
  dots = graph(4, 1, 2, 4);
  EXPECT_EQ(lib.gGraphKind, 3);
  EXPECT_EQ(lib.gGraphA, -0.5f);
  EXPECT_EQ(lib.gGraphB, 2);
  EXPECT_EQ(lib.gGraphC, 4);
  EXPECT_EQ(dots.size(), 5001u);
  EXPECT_FLOAT_EQ(dots.front().y1, 380 - 20 * 7);

  // y = 1/x from x = 0: never taken at 0.
  lib.gAxisMinX = 0;
  dots = graph(1, 1, 0, 0);
  EXPECT_FALSE(dots.empty());
  EXPECT_GE(dots.front().x1, 840 + 20 * 0.1f - 0.01f);
  EXPECT_EQ(lib.gAxisScaleX, 1);
  EXPECT_EQ(lib.gAxisScaleY, 1);

  lib.gAxisMinX = -10;
  lib.gGraphKind = 4, lib.gGraphA = 0, lib.gGraphB = 0;
  EXPECT_FAULT(lib.PlotGraph(), plat::kFaultDivisionByZero);
}

TEST_F(PlaneTest, SlopeTriangleArrowsTextsAndLabels) {
  Plane();
  auto triangle = [&](float ax, float ay, float bx, float by, const char* labels) {
    ClearPicture();
    lib.gSlopeAX = ax, lib.gSlopeAY = ay, lib.gSlopeBX = bx, lib.gSlopeBY = by;
    lib.gAxisUnit = 40, lib.gSlopeLabels = labels;
    lib.DrawSlopeTriangle();
  };
  triangle(300, 200, 100, 400, "yy");  // given right to left
  EXPECT_EQ(lib.gSlopeAX, 100);
  EXPECT_EQ(lib.gSlopeBY, 200);
  auto lines = Ops(Kind::Line);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].x1, 100);
  EXPECT_EQ(lines[0].x2, 300);
  EXPECT_EQ(lines[0].y2, 400);
  EXPECT_EQ(lines[0].colour, 7);
  EXPECT_EQ(lines[1].x2, 300);  // head at the corner
  EXPECT_EQ(lines[3].y1, 400);
  EXPECT_EQ(lines[3].y2, 200);
  EXPECT_EQ(lines[3].colour, 3);
  EXPECT_EQ(lines[4].y2, 200);
  EXPECT_EQ(lines[0].width, 4);
  EXPECT_EQ(ts.screen().GetDrawWidth(0), 4);
  EXPECT_EQ(lib.gSlopeRunText, "5");
  EXPECT_EQ(lib.gSlopeRiseText, "5");
  auto texts = Ops(Kind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].colour, 7);
  EXPECT_EQ(texts[1].colour, 3);
  EXPECT_EQ(lib.gTextColour, 3);
  EXPECT_EQ(lib.gArrowHeadEnd, 0);
  EXPECT_EQ(lib.gFigureColour, 3);
  EXPECT_EQ(lib.gArrowHead, 16);

  // Only the rise's label, then each label by itself at its pen.
  triangle(100, 400, 300, 200, "ny");
  EXPECT_EQ(Ops(Kind::Text).size(), 1u);
  lib.DrawSlopeRunLabel();
  EXPECT_EQ(lib.gPenX, 186 + 27);
  EXPECT_EQ(lib.gPenY, 356);
  lib.DrawSlopeRiseLabel();
  EXPECT_EQ(lib.gPenX, 300 + 27);
  EXPECT_EQ(lib.gPenY, 284);

  // A falling graph: the rise is -5 and the run label stands below the run.
  triangle(100, 200, 300, 400, "");
  EXPECT_EQ(Ops(Kind::Text).size(), 0u);
  EXPECT_EQ(lib.gSlopeRiseText, "-5");
  lib.DrawSlopeRunLabel();
  EXPECT_EQ(lib.gPenY, 200);

  // Half steps: the rise gets its leading zero, the run is left as converted.
  struct Case {
    float ay, by;
    const char* rise;
  } halves[] = {{400, 380, "0.5"}, {400, 420, "-0.5"}, {400, 390, "0.25"}, {400, 330, "1.75"}};
  for (const auto& c : halves) {
    triangle(100, c.ay, 120, c.by, "");
    EXPECT_EQ(lib.gSlopeRunText, ".5");
    EXPECT_EQ(lib.gSlopeRiseText, c.rise);
  }
  EXPECT_FAULT(triangle(100, 400, 100, 300, ""), plat::kFaultDivisionByZero);
}

TEST_F(FigureTest, WrittenDivisionLayout) {
  lib.gPenX = 100, lib.gPenY = 200, lib.gArcHeight = 40, lib.gFigureColour = 2, lib.gTextColour = 4;
  lib.gFracUnreduced = "1", lib.gFracReduced = "23", lib.gDivisorText = "5";
  ts.screen().SetDrawWidth(0, 6);
  lib.DrawDivisionLayout();
  auto texts = Ops(Kind::Text);
  ASSERT_GE(texts.size(), 4u);
  auto lines = Ops(Kind::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].x1, 127);
  EXPECT_EQ(lines[0].y1, 280);
  EXPECT_EQ(lines[0].x2, 100 + 57 + 54);
  EXPECT_EQ(lines[0].y2, 280);
  EXPECT_EQ(lines[0].width, 3);
  EXPECT_EQ(lines[0].colour, 2);
  EXPECT_EQ(ts.screen().GetDrawWidth(0), 6);
  EXPECT_EQ(lib.gLineY, 240);
  EXPECT_EQ(lib.gColumnX, 154);
  EXPECT_EQ(lib.gLineEndX, 211);
  EXPECT_EQ(lib.gPenX, 154 + 54);  // after the lower text
  EXPECT_EQ(lib.gPenY, 240);

  // An empty divisor puts the bracket at the left edge.
  ClearPicture();
  lib.gPenX = 100, lib.gPenY = 200, lib.gDivisorText = "";
  lib.DrawDivisionLayout();
  bool bracket = false;
  for (const auto& t : Ops(Kind::Text))
    if (t.text.find(')') != std::string::npos || plat::ToUtf8(t.text) == "）") {
      bracket = true;
      EXPECT_NEAR(t.x1, 100, 27);
      EXPECT_NEAR(t.y1, 246, 27);
    }
  EXPECT_TRUE(bracket);
}

}  // namespace
}  // namespace figures_test
