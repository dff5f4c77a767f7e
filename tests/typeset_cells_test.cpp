// Boxed cells, the label typesetter and the table cells.
#include <gtest/gtest.h>

#include "tests/typeset_support.h"

namespace {

using namespace typeset_testing;
using Strings = std::vector<std::string>;

std::string Fill(float x1, float y1, float x2, float y2, int border = 3, int fill = 13) {
  return "fill x1=" + N(x1) + " y1=" + N(y1) + " x2=" + N(x2) + " y2=" + N(y2) + " border=" + std::to_string(border) +
         " fill=" + std::to_string(fill) + " width=3";
}

// A page with the cell parameters set: border 3, fill 13, text colour 4.
struct CellPage : Page<> {
  CellPage(float w, float h) {
    lesson.gCellWidth = w;
    lesson.gCellHeight = h;
    lesson.gFigureColour = 3;
    lesson.gAccentColour = 13;
  }
  // Runs a cell routine at (x, y) and returns its trace.
  Strings Cell(void (lesson::Typeset::*cell)(), float x = 100, float y = 200) {
    ts.ClearTrace();
    lesson.gPenX = x;
    lesson.gPenY = y;
    (lesson.*cell)();
    return ts.lines();
  }
  Strings Boxed(const std::string& utf8, float x = 100, float y = 200) {
    lesson.gWorkText = plat::FromUtf8(utf8);
    return Cell(&lesson::Typeset::DrawBoxedCell, x, y);
  }
};

// --- Boxed cells ---

struct CellCase {
  float w, h;
  const char* text;
  Strings trace;
};

TEST(DrawBoxedCell, CentresTheTypesetWidthAndPlacesTheLineByItsKind) {
  const CellCase cases[] = {
      // "12" is 54 wide: centred at 100 + 33, a plain line 8 down in a 60 high box.
      {120, 60, "12", {Fill(100, 200, 220, 260), Glyph(133, 208, 3, 3, "1"), Glyph(160, 208, 3, 3, "2")}},
      // A fraction line is 50 high: 5 down.
      {120, 60, "ﾀ1/2ﾀ",
       {Fill(100, 200, 220, 260), LineAt(144, 230, 176, 230, 4), Glyph(144, 233, 4, 2, "2"),
        Glyph(144, 195, 4, 2, "1")}},
      {120, 44, "12", {Fill(100, 200, 220, 244), Glyph(133, 200, 3, 3, "1"), Glyph(160, 200, 3, 3, "2")}},
      {120, 44, "ﾀ1/2ﾀ",
       {Fill(100, 200, 220, 244), LineAt(144, 222, 176, 222, 4), Glyph(144, 225, 4, 2, "2"),
        Glyph(144, 187, 4, 2, "1")}},
      // As wide as the cell, and wider: the text starts at the cell's left edge.
      {54, 44, "12", {Fill(100, 200, 154, 244), Glyph(100, 200, 3, 3, "1"), Glyph(127, 200, 3, 3, "2")}},
      {34, 44, "12", {Fill(100, 200, 134, 244), Glyph(100, 200, 3, 3, "1"), Glyph(127, 200, 3, 3, "2")}},
      // Half units stay: 27 in 120 is centred at 46.5.
      {120, 44, "7", {Fill(100, 200, 220, 244), Glyph(146.5f, 200, 3, 3, "7")}},
      {120, 60, "", {Fill(100, 200, 220, 260)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    CellPage page(c.w, c.h);
    EXPECT_EQ(page.Boxed(c.text), c.trace);
    EXPECT_EQ(page.lesson.gPenX, 100 + c.w);
    EXPECT_EQ(page.lesson.gPenY, 200);
    EXPECT_EQ(page.lesson.gPrintText, "");
  }
}

TEST(DrawBoxedCell, ARaisedCellMovesOnlyItsTextUp) {
  CellPage page(120, 60);
  page.lesson.gWorkText = plat::FromUtf8("12");
  const Strings centred = page.Cell(&lesson::Typeset::DrawBoxedCell);
  page.lesson.gWorkText = plat::FromUtf8("12");
  page.ts.ClearTrace();
  page.lesson.gPenX = 100;
  page.lesson.gPenY = 200;
  page.lesson.DrawBoxedCellRaised(0);
  EXPECT_EQ(page.ts.lines(), centred);
  page.lesson.gWorkText = plat::FromUtf8("12");
  page.ts.ClearTrace();
  page.lesson.gPenX = 100;
  page.lesson.gPenY = 200;
  page.lesson.DrawBoxedCellRaised(2);
  EXPECT_EQ(page.ts.lines(),
            (Strings{Fill(100, 200, 220, 260), Glyph(133, 206, 3, 3, "1"), Glyph(160, 206, 3, 3, "2")}));
  EXPECT_EQ(page.lesson.gPenX, 220);
  EXPECT_EQ(page.lesson.gPenY, 200);
}

TEST(DrawBoxedCell, FractionMeasuredInsideTheCellIsDrawnAndRecordedWhereItShows) {
  // The cell measures the fraction, which measures its parts in turn; the
  // positions left behind are the drawn ones, not the measuring pass's.
  CellPage page(120, 60);
  auto& l = page.lesson;
  l.gTextColour = 0;
  page.Boxed("ﾀ12/3ﾀ", 300, 400);
  EXPECT_EQ(l.gFractionNumeratorX, 328);
  EXPECT_EQ(l.gFractionNumeratorY, 395);
  EXPECT_EQ(l.gFractionDenominatorX, 344);
  EXPECT_EQ(l.gFractionDenominatorY, 433);
  const Strings lines = page.Lines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1], LineAt(328, 430, 392, 430, 4, 0));
}

TEST(DrawBoxedCell, CellsOfARowShareTheirBorder) {
  CellPage page(120, 60);
  page.Boxed("1", 100, 200);
  const Strings second = page.Cell(&lesson::Typeset::DrawBoxedCell, page.lesson.gPenX, page.lesson.gPenY);
  EXPECT_EQ(second[0], Fill(220, 200, 340, 260));
}

TEST(DrawBoxedCell, TallBracketsSurviveTheMeasuringAndEndWithTheDrawing) {
  CellPage page(120, 60);
  auto& l = page.lesson;
  l.gTallBrackets = 1;
  const Strings lines = page.Boxed("(1)");
  // 81 wide with tall brackets: centred at 100 + 19.5, both brackets tall.
  EXPECT_EQ(lines, (Strings{Fill(100, 200, 220, 260), Glyph(115.5f, 202, 3, 4, "("), Glyph(146.5f, 208, 3, 3, "1"),
                            Glyph(179.5f, 202, 3, 4, ")")}));
  EXPECT_EQ(l.gTallBrackets, 0);
}

TEST(DrawBoxedCellAround, BoxIsLiftedAroundTheTextLine) {
  const CellCase cases[] = {
      {120, 60, "", {Fill(100, 192, 220, 252)}},
      {120, 50, "12", {Fill(100, 197, 220, 247), Glyph(133, 200, 3, 3, "1"), Glyph(160, 200, 3, 3, "2")}},
      // A fraction is lifted the same, and stays on the line.
      {120, 50, "ﾀ1/2ﾀ",
       {Fill(100, 197, 220, 247), LineAt(144, 225, 176, 225, 4), Glyph(144, 228, 4, 2, "2"),
        Glyph(144, 190, 4, 2, "1")}},
      {120, 44, "", {Fill(100, 200, 220, 244)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    CellPage page(c.w, c.h);
    page.lesson.gWorkText = plat::FromUtf8(c.text);
    EXPECT_EQ(page.Cell(&lesson::Typeset::DrawBoxedCellAround), c.trace);
    EXPECT_EQ(page.lesson.gPenX, 100 + c.w);
    EXPECT_EQ(page.lesson.gPenY, 200);
  }
}

TEST(DrawBoxedTwoTextCell, UpperAndLowerTextsStandOneLineApart) {
  CellPage page(120, 88);
  auto& l = page.lesson;
  l.gFracUnreduced = plat::FromUtf8("ﾀ2/3ﾀ");
  l.gFracReduced = plat::FromUtf8("ﾀ1/2ﾀ");
  Strings lines = page.Cell(&lesson::Typeset::DrawBoxedTwoTextCell);
  EXPECT_EQ(lines, (Strings{Fill(100, 200, 220, 288), LineAt(144, 222, 176, 222, 4), Glyph(144, 225, 4, 2, "3"),
                            Glyph(144, 187, 4, 2, "2"), LineAt(144, 272, 176, 272, 4), Glyph(144, 275, 4, 2, "2"),
                            Glyph(144, 237, 4, 2, "1")}));
  EXPECT_EQ(l.gPenX, 220);
  EXPECT_EQ(l.gPenY, 200);

  // The upper text alone stands 25 lower.
  l.gFracReduced.clear();
  lines = page.Cell(&lesson::Typeset::DrawBoxedTwoTextCell);
  EXPECT_EQ(lines, (Strings{Fill(100, 200, 220, 288), LineAt(144, 247, 176, 247, 4), Glyph(144, 250, 4, 2, "3"),
                            Glyph(144, 212, 4, 2, "2")}));

  // Plain texts: 44 high lines; both texts see the tall brackets the caller set.
  l.gFracUnreduced = "(1)";
  l.gFracReduced = "(2)";
  l.gTallBrackets = 1;
  lines = page.Cell(&lesson::Typeset::DrawBoxedTwoTextCell);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[1], Glyph(115.5f, 194, 3, 4, "("));
  EXPECT_EQ(lines[4], Glyph(115.5f, 238, 3, 4, "("));
  EXPECT_EQ(l.gTallBrackets, 0);
}

// --- Labels ---

struct LabelPage : Page<> {
  Strings Label(const std::string& utf8, float x = 100, float y = 200) {
    ts.ClearTrace();
    lesson.gPenX = x;
    lesson.gPenY = y;
    lesson.gPrintText = plat::FromUtf8(utf8);
    lesson.DrawLabelText();
    return ts.lines();
  }
};

std::string Label(float x, float y, int h, int v, const std::string& utf8) { return Glyph(x, y, h, v, utf8, 15); }

TEST(DrawLabelText, EachKindOfCharacterHasItsPlaceAndAdvance) {
  struct Case {
    const char* text;
    Strings trace;
    float end;
  } cases[] = {
      {"x+1", {TextLine(104, 188, 7, 4, "serif", 8, true, true, "x"), Label(120, 200, 3, 2, "+"), Label(140, 200, 3, 2, "1")}, 160},
      {"(a)", {Label(92, 200, 3, 2, "("), TextLine(116, 188, 7, 4, "serif", 8, true, true, "a"), Label(132, 200, 3, 2, ")")}, 140},
      {"番 ﾀ", {Label(100, 200, 2, 2, "番"), Label(150, 200, 3, 2, "ﾀ")}, 170},
      {"y2", {Label(100, 194, 3, 2, "y"), Label(120, 200, 3, 2, "2")}, 140},
      {"1.5,", {Label(100, 200, 3, 2, "1"), Label(120, 200, 3, 2, "."), Label(128, 200, 3, 2, "5"), Label(148, 200, 3, 2, ",")}, 156},
      {"", {}, 100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    LabelPage page;
    page.screen().SetDrawWidth(0, 2);
    EXPECT_EQ(page.Label(c.text), c.trace);
    EXPECT_EQ(page.lesson.gPenX, c.end);
    EXPECT_EQ(page.lesson.gPenY, 200);
    EXPECT_EQ(page.lesson.gPrintText, "");
    EXPECT_FALSE(page.screen().fontBold());
    EXPECT_FALSE(page.screen().fontItalic());
    EXPECT_EQ(page.screen().fontSize(), 16);
    EXPECT_EQ(page.screen().GetDrawWidth(0), 2);
  }
}

// --- Table cells ---

TEST(TableCells, LabelsAreCentredInTheirCells) {
  struct Case {
    void (lesson::Typeset::*cell)();
    float w, h;
    const char* upper;  // gWorkText or gFracUnreduced
    const char* lower;  // gFracReduced
    Strings trace;
  } cases[] = {
      // "12" is 40 wide in the label style.
      {&lesson::Typeset::DrawTableCell, 120, 56, "12", "",
       {Fill(100, 200, 220, 256), Label(140, 215, 3, 2, "1"), Label(160, 215, 3, 2, "2")}},
      {&lesson::Typeset::DrawTableCell, 120, 26, "12", "",
       {Fill(100, 200, 220, 226), Label(140, 200, 3, 2, "1"), Label(160, 200, 3, 2, "2")}},
      {&lesson::Typeset::DrawTableCell, 30, 26, "12", "",
       {Fill(100, 200, 130, 226), Label(100, 200, 3, 2, "1"), Label(120, 200, 3, 2, "2")}},
      {&lesson::Typeset::DrawTableCell, 120, 56, "", "", {Fill(100, 200, 220, 256)}},
      {&lesson::Typeset::DrawTwoTextTableCell, 120, 56, "12", "3",
       {Fill(100, 200, 220, 256), Label(140, 201, 3, 2, "1"), Label(160, 201, 3, 2, "2"), Label(150, 231, 3, 2, "3")}},
      {&lesson::Typeset::DrawTwoTextTableCell, 120, 56, "12", "",
       {Fill(100, 200, 220, 256), Label(140, 216, 3, 2, "1"), Label(160, 216, 3, 2, "2")}},
      // The lower text stands 30 below the upper line whatever the height.
      {&lesson::Typeset::DrawTwoTextTableCell, 120, 100, "1", "2",
       {Fill(100, 200, 220, 300), Label(150, 212, 3, 2, "1"), Label(150, 242, 3, 2, "2")}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.upper) + "/" + c.lower);
    CellPage page(c.w, c.h);
    page.lesson.gWorkText = c.upper;
    page.lesson.gFracUnreduced = c.upper;
    page.lesson.gFracReduced = c.lower;
    EXPECT_EQ(page.Cell(c.cell), c.trace);
    EXPECT_EQ(page.lesson.gPenX, 100 + c.w);
    EXPECT_EQ(page.lesson.gPenY, 200);
  }
}

TEST(MeasureLabelWidth, MeasuresWithoutDrawingAndKeepsThePen) {
  struct Case {
    const char* text;
    float width;
  } cases[] = {{"", 0}, {"12", 40}, {"(a)", 40}, {"番 .", 58}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    LabelPage page;
    page.lesson.gPenX = 7;
    page.lesson.gPenY = 8;
    page.lesson.gWorkText = plat::FromUtf8(c.text);
    page.lesson.MeasureLabelWidth();
    EXPECT_EQ(page.lesson.gMeasuredEndX, c.width);
    EXPECT_EQ(page.lesson.gPenX, 7);
    EXPECT_EQ(page.lesson.gPenY, 8);
    EXPECT_TRUE(page.screen().canvas().ops().empty());
  }
}

}  // namespace
