// Dellmir's chapter 1, the lengths of semicircle courses: goal, sub-menu and
// the four items with their texts, arcs, wipes and key waits.
#include <gtest/gtest.h>

#include <cmath>

#include "dellmir/dellmir.h"
#include "tests/dellmir_trace.h"
#include "tests/support.h"

namespace {

using namespace dellmir_trace;
using testing_support::Replay;
using testing_support::RunReplay;

const std::string kItemWipe = "fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15";
const std::string kBandWipe = "fill x1=0 y1=657 x2=992 y2=720 border=15 fill=15";

// Runs chapter 1 with the item keys, then leaves the chapter and the program.
Replay RunChapter(const std::string& keys) { return RunReplay("dellmir", "1 Enter " + keys + " 5 Enter 6 Enter"); }

// Keys for n key waits.
std::string Spaces(int n) {
  std::string keys;
  for (int i = 0; i < n; ++i) keys += " Space";
  return keys;
}

// The trace lines of one item: from its first line after the sub-menu's
// choice to the next item line on the bottom band.
struct Span {
  int from, to;
};
Span ItemSpan(const Replay& r, const std::string& wipe = kItemWipe) {
  int from = FindLine(r.lines, wipe, FindLine(r.lines, kBandWipe));
  int to = FindLine(r.lines, kBandWipe, from);
  return {from, to};
}

struct Shown {
  const char* text;
  double x;
  int colour;
};

// Each text is drawn, in order, in its colour and starting at x (x < 0: where
// the line before it ended); returns the runs found.
std::vector<const TextRun*> ExpectTexts(const std::vector<TextRun>& runs, std::initializer_list<Shown> texts) {
  std::vector<const TextRun*> found;
  int from = 0;
  for (const Shown& t : texts) {
    const TextRun* run = nullptr;
    for (const TextRun& candidate : runs) {
      if (candidate.line >= from && candidate.colour == t.colour && StartsWith(candidate.text, t.text) &&
          (t.x < 0 || candidate.x == t.x)) {
        run = &candidate;
        break;
      }
    }
    EXPECT_NE(run, nullptr) << t.text;
    if (!run) continue;
    found.push_back(run);
    from = run->line + 1;
  }
  return found;
}

TEST(DellmirChapter1, GoalAndSubMenuLine) {
  auto r = RunReplay("dellmir", "1 Enter 0 Enter 6 Enter 1 / 2 Enter 5 Enter 6 Enter");
  EXPECT_EQ(r.exitCode, 0);
  int page = FindLine(r.lines, "fill x1=0 y1=0 x2=1760 y2=1800", FindLine(r.lines, kMenuBoard));
  auto runs = TextRuns(r.lines, page);
  auto goal = ExpectTexts(runs, {{"<めあて>", 44, 5}, {"半円の弧の長さを調べよう。", 76, 0}});
  ASSERT_EQ(goal.size(), 2u);
  EXPECT_EQ(goal[1]->y - goal[0]->y, 65);
  // The item line is printed four times (0, 6 and 1/2 print it again); the
  // band is wiped after each choice and nothing above it.
  int lines = 0;
  for (const TextRun& run : runs)
    if (run.x == 16 && StartsWith(run.text, "①")) ++lines;
  EXPECT_EQ(lines, 4);
  EXPECT_EQ(CountLines(r.lines, kBandWipe), 4);
  // Nothing above the band is wiped while the pupil chooses.
  int menuAgain = FindLine(r.lines, "fill x1=0 y1=54 x2=1440 y2=900", goal[0]->line);
  ASSERT_GT(menuAgain, 0);
  for (int i = goal[0]->line; i < menuAgain; ++i) {
    const std::string& l = r.lines[static_cast<size_t>(i)];
    if (StartsWith(l, "fill ")) {
      EXPECT_GE(Field(l, "y1"), 600) << l;
    }
  }
  EXPECT_EQ(CountLines(r.lines, kMenuBoard), 2);
}

// Expected rows of dots of the domino courses: エ, then ア, イ and ウ in two
// halves each.
struct Dots {
  int count, colour;
};

// The rows of dots in the span are the expected ones, all at the pen width.
std::vector<DotRow> ExpectDotRows(const Replay& r, int from, int to, std::initializer_list<Dots> expected, int width) {
  auto rows = DotRows(r.lines, from, to);
  EXPECT_EQ(rows.size(), expected.size());
  for (size_t i = 0; i < std::min(rows.size(), expected.size()); ++i) {
    EXPECT_EQ(rows[i].count, expected.begin()[i].count) << "arc " << i + 1;
    EXPECT_EQ(rows[i].colour, expected.begin()[i].colour) << "arc " << i + 1;
    EXPECT_EQ(rows[i].width, width) << "arc " << i + 1;
  }
  return rows;
}

TEST(DellmirChapter1, TaskP10DrawsTheSevenDominoRows) {
  auto r = RunChapter("1 Enter Space Space");
  Span s = ItemSpan(r);
  ASSERT_GT(s.from, 0);
  ASSERT_GT(s.to, s.from);
  ExpectDotRows(r, s.from, s.to, {{31, 5}, {16, 3}, {31, 3}, {23, 9}, {23, 9}, {31, 7}, {11, 7}}, 15);
  EXPECT_NE(FindLine(r.lines, "line x1=640 y1=320 x2=1120 y2=320 colour=0 width=5", s.from), -1);
  auto runs = TextRuns(r.lines, s.from, s.to);
  ExpectTexts(runs, {{"S", 600, 0}, {"G", 1125, 0}, {"エ", -1, 5}});
  ExpectTexts(runs, {{"先にゴールするのはどのコース?", 30, 3},
                     {"ドミノは同じ速さで倒れるから、", 66, 0},
                     {"4つのコースの長さを調べればよい。", 66, 0}});
  EXPECT_EQ(KeyWaits(r.lines, s.from, s.to), 2);
  // No key wait after the last line: the item line follows it.
  EXPECT_EQ(KeyWaits(r.lines, FindRun(runs, "4つ")->line, s.to), 0);
}

TEST(DellmirChapter1, DominoArcsAreSemicirclesOnTheirSides) {
  auto r = RunChapter("1 Enter Space Space");
  Span s = ItemSpan(r);
  // Segment ends on the line y = 320; -1 above the line, 1 below.
  struct Arc {
    double x1, x2;
    int side;
  };
  const Arc arcs[] = {{640, 1120, -1}, {640, 800, -1},  {800, 1120, 1}, {640, 880, -1},
                      {880, 1120, 1},  {640, 1000, -1}, {1000, 1120, 1}};
  auto rows = DotRows(r.lines, s.from, s.to);
  ASSERT_EQ(rows.size(), std::size(arcs));
  for (size_t i = 0; i < rows.size(); ++i) {
    double cx = (arcs[i].x1 + arcs[i].x2) / 2, radius = (arcs[i].x2 - arcs[i].x1) / 2;
    for (int k = 0; k < rows[i].count; ++k) {
      const std::string& dot = r.lines[static_cast<size_t>(rows[i].line + k)];
      double dx = Field(dot, "x") - cx, dy = Field(dot, "y") - 320;
      EXPECT_NEAR(std::hypot(dx, dy), radius, 0.05) << "arc " << i + 1 << ": " << dot;
      EXPECT_GE(dy * arcs[i].side, -0.05 * radius) << "arc " << i + 1 << ": " << dot;
    }
  }
}

TEST(DellmirChapter1, TaskP10TwiceDrawsTheSameScreenAndLeavesWidthFive) {
  auto r = RunChapter("1 Enter Space Space 1 Enter Space Space");
  // Each item from its wipe up to the item line printed under it.
  const std::string itemLine = "text x=16 y=666";
  int firstFrom = FindLine(r.lines, kItemWipe);
  int firstTo = FindLine(r.lines, itemLine, firstFrom);
  int secondFrom = FindLine(r.lines, kItemWipe, firstTo);
  int secondTo = FindLine(r.lines, itemLine, secondFrom);
  ASSERT_GT(secondTo, secondFrom);
  // From the line after the wipe, which takes the width the last screen left.
  std::vector<std::string> first(r.lines.begin() + firstFrom + 1, r.lines.begin() + firstTo);
  std::vector<std::string> second(r.lines.begin() + secondFrom + 1, r.lines.begin() + secondTo);
  EXPECT_EQ(first, second);
  // The band is wiped after the next choice with the width the item left.
  EXPECT_EQ(Field(r.lines[static_cast<size_t>(FindLine(r.lines, kBandWipe, firstTo))], "width"), 5);
}

TEST(DellmirChapter1, CompareCourseLengthsScreens) {
  auto r = RunChapter("2 Enter" + Spaces(26));
  Span s = ItemSpan(r);
  ASSERT_GT(s.to, s.from);
  EXPECT_EQ(KeyWaits(r.lines, s.from, s.to), 26);
  // The single-course wipes keep the text column; the last one stops at y 300.
  EXPECT_EQ(CountLines(r.lines, "fill x1=730 y1=0 x2=2050 y2=1300 border=15 fill=15", s.from, s.to), 3);
  EXPECT_EQ(CountLines(r.lines, "fill x1=730 y1=0 x2=2050 y2=300 border=15 fill=15", s.from, s.to), 1);
  EXPECT_EQ(CountLines(r.lines, kItemWipe, s.from, s.to), 2);
  auto runs = TextRuns(r.lines, s.from, s.to);
  ExpectTexts(runs, {{"ア～エの長さを比べよう。", 30, 3},
                     {"ア～エの長さを比べよう。", 30, 3},
                     {"ア", 30, 7},
                     {"イ", 30, 7},
                     {"ウ", 30, 7},
                     {"エ", 30, 7},
                     {"同じ長さになる。", 57, 7},
                     {"Q", 520, 3},
                     {"先にゴールするコースは?", -1, 7},
                     {"予想…", 520, 3},
                     {"すべてのコースが同時にゴールする", -1, 0},
                     {"Q", 520, 3},
                     {"点PをAB上のどこにとっても", -1, 7},
                     {"長さは同じだろうか?", 556, 7}});
  // Each length ends in 60π in colour 3: on the "=" line of ア, イ and ウ and
  // on the line of エ itself; the "=" lines start at x 57 (the sign stands 4
  // into its cell).
  std::vector<double> results;
  for (const TextRun& run : runs)
    if (run.colour == 3 && run.text == "60π") results.push_back(run.y);
  EXPECT_EQ(results, (std::vector<double>{160, 290, 420, 490}));
  for (double y : {160, 290, 420}) {
    bool found = false;
    for (const TextRun& run : runs) found = found || (run.y == y && run.x == 61 && run.text == "=");
    EXPECT_TRUE(found) << y;
  }
  ExpectTexts(runs, {{"40×π×", -1, 0},
                     {"80×π×", -1, 0},
                     {"20π", -1, 0},
                     {"40π=", -1, 0},
                     {"60×π×", -1, 0},
                     {"60×π×", -1, 0},
                     {"30π", -1, 0},
                     {"30π=", -1, 0},
                     {"90×π×", -1, 0},
                     {"30×π×", -1, 0},
                     {"45π", -1, 0},
                     {"15π=", -1, 0},
                     {"120×π×", -1, 0}});
  // The overview: A and B of the four figures.
  for (const char* base :
       {"line x1=120 y1=180 x2=480 y2=180", "line x1=560 y1=180 x2=920 y2=180", "line x1=120 y1=540 x2=480 y2=540",
        "line x1=560 y1=540 x2=920 y2=540", "line x1=800 y1=230 x2=1160 y2=230", "line x1=680 y1=140 x2=1160 y2=140"})
    EXPECT_NE(FindLine(r.lines, base, s.from), -1) << base;
  EXPECT_NE(FindLine(r.lines, "circle x=840 y=140 r=6 colour=3", s.from), -1);
  // No key wait after the last line.
  EXPECT_EQ(KeyWaits(r.lines, FindRun(runs, "長さは同じ")->line, s.to), 0);
}

TEST(DellmirChapter1, ExplanationDrawsItsArcsAndEndsWithTheClosingLine) {
  auto r = RunChapter("3 Enter" + Spaces(10));
  Span s = ItemSpan(r);
  ASSERT_GT(s.to, s.from);
  EXPECT_EQ(KeyWaits(r.lines, s.from, s.to), 10);
  // a, b, then ①, ②, ③ and a-b; ① has 361 dots (half a turn at half a degree).
  auto rows = ExpectDotRows(r, s.from, s.to, {{61, 0}, {19, 0}, {361, 3}, {181, 5}, {181, 5}, {31, 0}}, 5);
  ASSERT_GE(rows.size(), 6u);
  EXPECT_NE(FindLine(r.lines, "line x1=720 y1=365 x2=1200 y2=365 colour=0 width=5", s.from), -1);
  EXPECT_NE(FindLine(r.lines, "circle x=880 y=365 r=6 colour=3", s.from), -1);
  auto runs = TextRuns(r.lines, s.from, s.to);
  ExpectTexts(runs, {{"半円①,②,③で、AB=a,AP=bとするとき、", 44, 0},
                     {"①と(②＋③)の長さが等しいことを説明しよう。", 44, 0},
                     {"A", 676, 0},
                     {"B", 1204, 0},
                     {"P", 884, 3},
                     {"<説明>", 44, 7},
                     {"②", 44, 3},  // the plus is drawn as strokes
                     {"したがって、", 44, 0},
                     {"同じ長さになる。", -1, 3}});
  const TextRun* closing = FindRun(runs, "したがって、");
  ASSERT_NE(closing, nullptr);
  EXPECT_EQ(closing->y, FindRun(runs, "<説明>")->y + 400);
  // The arc over PB comes after "PB=" and its key wait, before "a-b" on the line.
  int pb = FindRun(runs, "PB")->line;
  EXPECT_EQ(KeyWaits(r.lines, pb, rows[5].line), 1);
  EXPECT_EQ(KeyWaits(r.lines, closing->line, s.to), 0);
}

TEST(DellmirChapter1, PointsCDDrawsAFullDottedCircleOnEachPart) {
  auto r = RunChapter("4 Enter" + Spaces(8));
  Span s = ItemSpan(r);
  ASSERT_GT(s.to, s.from);
  EXPECT_EQ(KeyWaits(r.lines, s.from, s.to), 8);
  ExpectDotRows(r, s.from, s.to, {{91, 3}, {37, 5}, {16, 5}, {61, 5}, {361, 3}, {181, 5}, {181, 5}, {181, 5}}, 5);
  for (const char* disc : {"circle x=720 y=320 r=6 colour=0", "circle x=880 y=320 r=6 colour=0",
                           "circle x=960 y=320 r=6 colour=0", "circle x=1200 y=320 r=6 colour=0"})
    EXPECT_NE(FindLine(r.lines, disc, s.from), -1) << disc;
  auto runs = TextRuns(r.lines, s.from, s.to);
  // The ASCII pluses are drawn as strokes, not glyphs.
  ExpectTexts(runs, {{"①と(②＋③", 44, 0},
                     {"A", 676, 0},
                     {"B", 1200, 0},
                     {"C", 832, 0},
                     {"D", 960, 0},
                     {"②", 44, 3},
                     {"①の長さは、", 44, 3},
                     {"同じ長さになる。", 484, 7}});
  // The pen width 2 stays: the item line after the item is drawn with it.
  EXPECT_EQ(Field(r.lines[static_cast<size_t>(s.to)], "width"), 2);
  EXPECT_EQ(KeyWaits(r.lines, FindRun(runs, "同じ長さ")->line, s.to), 0);
}

TEST(DellmirChapter1, CourseBaseIsRebuiltFromConstantsOnEveryCall) {
  testing_support::TestScreen ts;
  lesson::Dellmir d(ts.screen());
  d.gPointX.Dim(40);
  d.gPointY.Dim(40);
  d.gPrimeList.Dim(10);
  // The single-course grid: left 800, top 50, unit 30, drawn in colour 15.
  d.gGridLeft = 800;
  d.gGridTop = 50;
  d.gGridCols = 12;
  d.gCellHeight = 12;
  d.gAxisUnit = 30;
  d.gFigureColour = 15;
  d.DrawGrid();
  for (int call = 1; call <= 2; ++call) {
    d.DrawCourseBase();
    const float xs[] = {800, 1160, 920, 980, 1070};
    for (int k = 1; k <= 5; ++k) {
      EXPECT_FLOAT_EQ(d.gPointX(k), xs[k - 1]) << "call " << call << " point " << k;
      EXPECT_FLOAT_EQ(d.gPointY(k), 230) << "call " << call << " point " << k;
    }
    EXPECT_FLOAT_EQ(d.gPrimeList(1), 60) << "call " << call;
    EXPECT_FLOAT_EQ(d.gPrimeList(2), 90) << "call " << call;
    EXPECT_FLOAT_EQ(d.gPrimeList(3), 135) << "call " << call;
    EXPECT_FLOAT_EQ(d.gDellmirCourseHalfLength, 180) << "call " << call;
    EXPECT_FLOAT_EQ(d.gTextColour, 0) << "call " << call;
  }
  // The grid in colour 15 draws nothing: the only lines are AB, once a call.
  EXPECT_EQ(dellmir_trace::CountLines(ts.lines(), "line "), 2);
  EXPECT_EQ(dellmir_trace::CountLines(ts.lines(), "line x1=800 y1=230 x2=1160 y2=230 colour=0"), 2);
}

}  // namespace
