// Dellmir's stroke marks in the typesetter and the splitting of a leading
// sign off a term.
#include <gtest/gtest.h>

#include "dellmir/dellmir.h"
#include "tests/dellmir_trace.h"
#include "tests/support.h"

namespace {

using dellmir_trace::Field;
using dellmir_trace::StartsWith;

struct SplitCase {
  const char* term;
  const char* sign;
  const char* rest;
};

TEST(DellmirSplitLeadingSign, SplitsOnlyAnAsciiSignInFirstPlace) {
  const SplitCase cases[] = {
      {"+3", "+", "3"},   {"-2x", "-", "2x"}, {"3x", "", "3x"},   {"", "", ""},       {"-", "-", ""},
      {"--3", "-", "-3"}, {"－3", "", "－3"}, {"＋a", "", "＋a"}, {"a-b", "", "a-b"},
  };
  testing_support::TestScreen ts;
  lesson::Dellmir d(ts.screen());
  for (const SplitCase& c : cases) {
    d.gWorkText = plat::FromUtf8(c.term);
    d.gLeadingSign = SJ("?");
    d.SplitLeadingSign();
    EXPECT_EQ(plat::ToUtf8(d.gLeadingSign), c.sign) << c.term;
    EXPECT_EQ(plat::ToUtf8(d.gWorkText), c.rest) << c.term;
  }
}

// The strokes drawn while typesetting a text with the given fraction mode.
struct Typeset {
  std::vector<std::string> lines;
  float penX, rootState, rootStartX;
  int widthAfter;
};

Typeset TypesetText(const char* utf8, float inFraction, int widthBefore = 7) {
  testing_support::TestScreen ts;
  lesson::Dellmir d(ts.screen());
  d.scr.SetDrawWidth(0, widthBefore);
  d.gInFraction = inFraction;
  d.gFigureColour = 3;
  d.gTextColour = 0;
  d.gPenX = 100;
  d.gPenY = 200;
  d.gPrintText = plat::FromUtf8(utf8);
  ts.ClearTrace();
  d.DrawExpression();
  return {ts.lines(), d.gPenX, d.gRootState, d.gRootStartX, d.scr.GetDrawWidth(0)};
}

std::vector<std::string> Strokes(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const auto& l : lines)
    if (StartsWith(l, "line ")) out.push_back(l);
  return out;
}

TEST(DellmirStrokeMarks, CompactStrokesStrikeThroughCellsInFractionMode) {
  Typeset t = TypesetText("ﾏ  ﾏ", 1);
  EXPECT_EQ(Strokes(t.lines), (std::vector<std::string>{
                                  "line x1=100 y1=228 x2=132 y2=200 colour=3 width=5",
                                  "line x1=196 y1=228 x2=228 y2=200 colour=3 width=5",
                              }));
  EXPECT_FLOAT_EQ(t.penX, 228);  // four 32-unit cells
  // The marks draw no glyph (the blanks are blank cells).
  for (const auto& l : t.lines) {
    if (StartsWith(l, "text ")) {
      EXPECT_EQ(dellmir_trace::Quoted(l), " ") << l;
    }
  }
  EXPECT_EQ(t.widthAfter, 7);
}

struct MarkCase {
  const char* text;
  float inFraction;
  const char* stroke;  // the one stroke drawn
  float advance;
  float rootState;  // after the mark
};

TEST(DellmirStrokeMarks, EachMarkDrawsItsStrokeAndMovesTheCursor) {
  const MarkCase cases[] = {
      {"ﾏ", 1, "line x1=100 y1=228 x2=132 y2=200 colour=3 width=5", 32, 0},
      {"ﾏ", 0, "line x1=100 y1=240 x2=127 y2=200 colour=3 width=5", 28, 1},
      {"ﾏ", 2, "line x1=100 y1=240 x2=127 y2=200 colour=3 width=5", 28, 1},
      {"ﾑ", 1, "line x1=100 y1=216 x2=124 y2=198 colour=3 width=5", 24, 0},
      {"ﾐ", 1, "line x1=100 y1=228 x2=164 y2=200 colour=3 width=5", 64, 0},
      {"ﾐ", 0, "line x1=100 y1=240 x2=154 y2=200 colour=3 width=5", 56, 1},
  };
  for (const MarkCase& c : cases) {
    Typeset t = TypesetText(c.text, c.inFraction);
    EXPECT_EQ(Strokes(t.lines), std::vector<std::string>{c.stroke}) << c.text << " " << c.inFraction;
    EXPECT_FLOAT_EQ(t.penX, 100 + c.advance) << c.text << " " << c.inFraction;
    EXPECT_FLOAT_EQ(t.rootState, c.rootState) << c.text << " " << c.inFraction;
    EXPECT_FLOAT_EQ(t.rootStartX, 100 + c.advance) << c.text << " " << c.inFraction;
    EXPECT_EQ(dellmir_trace::CountLines(t.lines, "text "), 0) << c.text;
  }
}

TEST(DellmirStrokeMarks, RaisedMarkOutsideFractionModeIsAnOrdinaryCharacter) {
  Typeset t = TypesetText("ﾑ", 0);
  EXPECT_TRUE(Strokes(t.lines).empty());
  ASSERT_EQ(dellmir_trace::CountLines(t.lines, "text "), 1);
  EXPECT_EQ(dellmir_trace::Quoted(t.lines[static_cast<size_t>(dellmir_trace::FindLine(t.lines, "text "))]), "ﾑ");
}

TEST(DellmirStrokeMarks, StrokesTakeTheFigureColourAndLettersTheTextColour) {
  Typeset t = TypesetText("ﾏaﾑ", 1);
  std::vector<std::string> strokes = Strokes(t.lines);
  ASSERT_EQ(strokes.size(), 2u);
  for (const auto& s : strokes) EXPECT_EQ(Field(s, "colour"), 3) << s;
  int a = dellmir_trace::FindLine(t.lines, "text ");
  ASSERT_GE(a, 0);
  EXPECT_EQ(dellmir_trace::Quoted(t.lines[static_cast<size_t>(a)]), "a");
  EXPECT_EQ(Field(t.lines[static_cast<size_t>(a)], "colour"), 0);
  // The raised mark starts where the letter's 32-unit cell ends.
  EXPECT_EQ(Field(strokes[1], "x1"), 164);
}

TEST(DellmirStrokeMarks, MarkInAStackedFractionUsesTheCompactStroke) {
  Typeset t = TypesetText("ﾀﾏ/2ﾀ", 0);
  std::vector<std::string> strokes = Strokes(t.lines);
  // The fraction bar is a line too; the stroke is the one of width 5 rising
  // by 28 over 32.
  int marks = 0;
  for (const auto& s : strokes) {
    if (Field(s, "width") != 5) continue;
    ++marks;
    EXPECT_EQ(Field(s, "x2") - Field(s, "x1"), 32) << s;
    EXPECT_EQ(Field(s, "y2") - Field(s, "y1"), -28) << s;
    EXPECT_EQ(Field(s, "colour"), 3) << s;
  }
  EXPECT_EQ(marks, 1);
}

TEST(DellmirStrokeMarks, FullHeightMarkOpensAnOverlineThatStartsAfterIt) {
  Typeset t = TypesetText("ﾏa", 0);
  std::vector<std::string> strokes = Strokes(t.lines);
  ASSERT_EQ(strokes.size(), 2u);
  EXPECT_EQ(strokes[0], "line x1=100 y1=240 x2=127 y2=200 colour=3 width=5");
  // The overline runs over the letter only, from the mark's end.
  EXPECT_EQ(Field(strokes[1], "x1"), 128) << strokes[1];
  EXPECT_EQ(Field(strokes[1], "x2"), t.penX) << strokes[1];
  EXPECT_EQ(Field(strokes[1], "y1"), Field(strokes[1], "y2")) << strokes[1];
}

}  // namespace
