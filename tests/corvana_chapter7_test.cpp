// Corvana's chapter 7, proofs about figures, checked on the traces of
// scripted runs: the sub-menu, the two roads cut and laid out straight (with
// their figure strokes), and the circular road built up beside its proof.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/corvana_screens.h"

namespace {

using corvana_rows::Field;
using corvana_rows::ExpectRow;
using corvana_rows::kBoard;
using corvana_rows::kKeyWait;
using corvana_rows::Repeat;
using corvana_rows::Row;
using corvana_rows::Seen;

// The item line as plain text prints it: its letters and digits full-width.
const char kItemLine[] = "①Ｐ３４Ｑ②例２③終了";


// 0, -1 and 4 ask again over the goal screen; 5/2 (2.5) rounds to 3, the
// main menu.
TEST(CorvanaFigureChapter, GoalSubMenuAndItsRangeTest) {
  Seen r("7 Enter 0 Enter - 1 Enter 4 Enter 5 / 2 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  int goal = corvana_rows::ExpectGoalScreen(r, "式の計算を利用して、図形の性質を証明しよう。", kItemLine);
  ASSERT_GE(goal, 0);
  EXPECT_EQ(r.Count(kItemLine), 4);
  r.ExpectNoWipeAbove(r.At(goal + 1).end, r.replay.Find("key \"5\""));
  EXPECT_EQ(r.Lines(kBoard), 2);
}

// The dots drawn between one key wait and the next (cuts and width marks
// draw theirs in colour 3), runs without dots left out.
std::vector<int> DotsBetweenKeys(const Seen& r, int from, int to) {
  std::vector<int> out;
  int n = 0;
  for (int i = from; i < to; ++i) {
    const std::string& l = r.replay.lines[static_cast<size_t>(i)];
    if (l.rfind(kKeyWait, 0) == 0) {
      if (n > 0) out.push_back(n);
      n = 0;
    } else if (l.rfind("circle ", 0) == 0 && Field(l, "r") == 0.5f && Field(l, "colour") == 3) {
      ++n;
    }
  }
  if (n > 0) out.push_back(n);
  return out;
}

TEST(CorvanaFigureRoads, TwoRoadsCutAndLaidOutWithTwentyKeys) {
  Seen r("7 Enter 1 Enter " + Repeat("Space", 20) + "3 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  int first = r.Index("Q ");
  int item = r.Index(kItemLine, static_cast<size_t>(first));
  ASSERT_GE(first, 0);
  ASSERT_GE(item, 0);
  const int from = r.At(first).line, to = r.At(item).line;
  EXPECT_EQ(r.Lines(kKeyWait, from, to), 20);

  // The texts of both problems stay to the end.
  ExpectRow(r.At(first), "Q ", 30, 20, 3);
  ExpectRow(r.At(first + 1), "図の道の面積を求めなさい。", 84, 20, 0);
  ExpectRow(r.At(r.Index("2*15=")), "2*15=", 57, 80, 0);
  EXPECT_EQ(r.At(r.Index("30(m^2)")).colour, 5);
  EXPECT_EQ(r.At(r.Index("30(m^2)")).y, 80);
  ExpectRow(r.At(r.Index("(幅)*(まん中を通る線の長さ)")), "(幅)*(まん中を通る線の長さ)", 30, 140, 3);
  int second = r.Index("Q ", static_cast<size_t>(first) + 1);
  ASSERT_GE(second, 0);
  ExpectRow(r.At(second), "Q ", 30, 210, 7);
  ExpectRow(r.At(second + 1), "正方形にはさまれた道の面積を求めなさい。", 84, 210, 0);
  ExpectRow(r.At(r.Index("2*20=")), "2*20=", 57, 270, 0);
  EXPECT_EQ(r.At(r.Index("40(m^2)")).colour, 5);
  ExpectRow(r.At(r.Index("15m")), "15m", 1084, 380, 5);
  ExpectRow(r.At(r.Index("20m")), "20m", 924, 330, 5);
  EXPECT_EQ(r.Count("2m"), 2);

  // The bent road, its strip and centre line, at pen width 6.
  const char* bent[] = {
      "poly colour=0 width=6 points=640,200;840,200;840,360;1080,360;1080,440;760,440;760,280;640,280;640,200",
      "poly colour=5 width=6 points=640,240;800,240;800,400;1080,400",
      "poly colour=0 width=6 points=560,480;760,480;680,560;560,560;560,480",
      "poly colour=0 width=6 points=760,480;920,480;840,560;680,560;760,480",
      "poly colour=0 width=6 points=920,480;1160,480;1160,560;840,560;920,480",
      "line x1=560 y1=520 x2=1160 y2=520 colour=5 width=6",
  };
  for (const char* line : bent) EXPECT_EQ(r.Lines(line, from, to), 1) << line;
  // Wiped in the first figure's box widened by 10: the texts above it stay.
  int wipe = r.replay.Find("fill x1=560 y1=200 x2=1170 y2=560 border=15 fill=15", from);
  ASSERT_GT(wipe, r.replay.Find("line x1=560 y1=520 x2=1160 y2=520", from));
  r.ExpectNoWipeAbove(from + 2, to, 560);
  // The square road: three nested squares, four trapezoids, the centre line.
  const char* square[] = {
      "box x1=840 y1=90 x2=1120 y2=370 colour=0 width=6",
      "box x1=920 y1=170 x2=1040 y2=290 colour=0 width=6",
      "box x1=880 y1=130 x2=1080 y2=330 colour=5 width=6",
      "poly colour=0 width=6 points=240,400;520,400;440,480;320,480;240,400",
      "poly colour=0 width=6 points=520,400;640,400;720,480;440,480;520,400",
      "poly colour=0 width=6 points=640,400;920,400;840,480;720,480;640,400",
      "poly colour=0 width=6 points=920,400;1040,400;1120,480;840,480;920,400",
      "line x1=280 y1=440 x2=1080 y2=440 colour=5 width=6",
  };
  for (const char* line : square) EXPECT_EQ(r.Lines(line, wipe, to), 1) << line;
  // Width marks of 13 dots, cuts of 19; the two upper corners of the square
  // are cut after one key.
  EXPECT_EQ(DotsBetweenKeys(r, from, to), (std::vector<int>{13, 19, 19, 13, 38, 19, 19}));
  // No key after the last line.
  EXPECT_EQ(r.Lines(kKeyWait, r.replay.Find("line x1=280 y1=440 x2=1080 y2=440", from), to), 0);
}

// Drawing the roads again and again draws the same: nothing in the figures
// builds on what an earlier visit left.
TEST(CorvanaFigureRoads, ThirtyVisitsDrawTheSameEachTime) {
  Seen r("7 Enter " + Repeat("1 Enter " + Repeat("Space", 20), 30) + "3 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  std::vector<int> starts;
  for (int i = r.replay.Find("fill x1=0 y1=0 x2=1320 y2=1300"); i >= 0;
       i = r.replay.Find("fill x1=0 y1=0 x2=1320 y2=1300", i + 1))
    starts.push_back(i);
  ASSERT_EQ(starts.size(), 30u);
  starts.push_back(r.replay.Find(kBoard, starts.back()));
  auto visit = [&](size_t k) {
    return std::vector<std::string>(r.replay.lines.begin() + starts[k], r.replay.lines.begin() + starts[k + 1]);
  };
  // From the second visit on, the pen width the first left (6) is in force.
  std::vector<std::string> second = visit(1);
  for (size_t k = 2; k + 1 < starts.size(); ++k) {
    std::vector<std::string> v = visit(k);
    // The last visit ends at the main menu instead of the next visit.
    if (k + 2 == starts.size()) {
      v.resize(static_cast<size_t>(std::find(v.begin(), v.end(), "key \"3\"") - v.begin()));
      second.resize(v.size());
    }
    ASSERT_EQ(v.size(), second.size()) << "visit " << k + 1;
    for (size_t i = 0; i < v.size(); ++i) ASSERT_EQ(v[i], second[i]) << "visit " << k + 1 << ", line " << i;
  }
}

TEST(CorvanaFigureCircle, FigureAndProofInSeventeenKeys) {
  Seen r("7 Enter 2 Enter " + Repeat("Space", 17) + "2 Enter Space 3 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  int heading = r.Index("例2　S=al を証明しなさい。");
  ASSERT_GE(heading, 0);
  int item = r.Index(kItemLine, static_cast<size_t>(heading));
  ASSERT_GE(item, 0);
  const int from = r.At(heading).line, to = r.At(item).line;
  EXPECT_EQ(r.Lines(kKeyWait, from, to), 17);
  ExpectRow(r.At(heading), "例2　S=al を証明しなさい。", 44, 20, 3);
  ExpectRow(r.At(heading + 1), "＜証明＞", 44, 70, 5);

  // The discs, the centre line and the dot at O.
  const char* circles[] = {
      "circle x=904 y=280 r=200 colour=0 width=6 fill=13", "circle x=904 y=280 r=200 colour=0 width=6 fill=11",
      "circle x=904 y=280 r=120 colour=0 width=6 fill=13", "circle x=904 y=280 r=6 colour=0 width=6 fill=0",
  };
  for (const char* c : circles) EXPECT_EQ(r.Lines(c, from, to), 1) << c;
  EXPECT_EQ(r.Lines("circle x=904 y=280 r=160 colour=5 width=6", from, to), 1);
  // Each double arrow is two arrows, one head each way; the width arrow is
  // drawn twice; the arrow to the centre line has its head at (904, 440).
  EXPECT_EQ(r.Lines("line x1=1024 y1=280 x2=904 y2=280 colour=7 width=6", from, to), 1);
  EXPECT_EQ(r.Lines("line x1=904 y1=280 x2=1024 y2=280 colour=7 width=6", from, to), 1);
  EXPECT_EQ(r.Lines("line x1=1104 y1=280 x2=1024 y2=280 colour=7 width=6", from, to), 2);
  EXPECT_EQ(r.Lines("line x1=1024 y1=280 x2=1104 y2=280 colour=7 width=6", from, to), 2);
  EXPECT_EQ(r.Lines("line x1=904 y1=500 x2=904 y2=440 colour=7 width=6", from, to), 1);
  EXPECT_EQ(r.Lines("line ", from, to) - r.Lines("line x1=", from, to), 0);
  int arrowStrokes = 0;
  for (int i = from; i < to; ++i) {
    const std::string& l = r.replay.lines[static_cast<size_t>(i)];
    if (l.rfind("line ", 0) == 0 && Field(l, "colour") == 7) ++arrowStrokes;
  }
  EXPECT_EQ(arrowStrokes, 7 * 3);
  ExpectRow(r.At(r.Index("rm")), "rm", 914, 230, 7);
  int am = r.Index("am");
  ExpectRow(r.At(am), "am", 1024, 230, 7);
  ExpectRow(r.At(r.Index("am", static_cast<size_t>(am) + 1)), "am", 1024, 230, 7);  // again over the centre line
  ExpectRow(r.At(r.Index("lm")), "lm", 924, 480, 7);
  ExpectRow(r.At(r.Index("道の面積…Sm^2")), "道の面積…Sm^2", 704, 530, 7);

  // The proof's lines; the placeholders are wiped from where they began and
  // the filled-in texts start there.
  const float ys[] = {130, 230, 290, 350, 410, 470, 530, 600};
  for (float y : ys) {
    bool found = false;
    for (int i = heading; i < item; ++i) found = found || (r.At(i).y == y && r.At(i).x < 640);
    EXPECT_TRUE(found) << y;
  }
  ExpectRow(r.At(r.Index("l")), "l", 44, 130, 5);
  // The tall brackets stand apart from the line; "2π" begins each text.
  int placeholderRow = r.Index("2π", static_cast<size_t>(r.Index("l")));
  int filledRow = r.Index("2π", static_cast<size_t>(placeholderRow) + 1);
  ASSERT_GE(filledRow, 0);
  float placeholder = r.At(placeholderRow).penX;
  EXPECT_EQ(r.At(filledRow).penX, placeholder);
  EXPECT_EQ(r.Index("r+", static_cast<size_t>(filledRow)), filledRow + 2);
  EXPECT_EQ(r.Lines("fill x1=" + std::to_string(static_cast<int>(placeholder)) + " y1=120 x2=" +
                        std::to_string(static_cast<int>(placeholder) + 528) + " y2=190 border=15 fill=15",
                    from, to),
            1);
  int s = r.Index("S", static_cast<size_t>(heading) + 2);
  ASSERT_GE(s, 0);
  ExpectRow(r.At(s), "S", 44, 230, 5);
  int filled = r.Index("=π(r+a)^2-πr^2");
  ASSERT_GE(filled, 0);
  EXPECT_EQ(r.Lines("fill x1=" + std::to_string(static_cast<int>(r.At(filled).penX)) + " y1=220 x2=" +
                        std::to_string(static_cast<int>(r.At(filled).penX) + 528) + " y2=290 border=15 fill=15",
                    from, to),
            1);
  ExpectRow(r.At(r.Index("=2πr+πa")), "=2πr+πa", r.At(r.Index("=2πr+πa")).penX, 130, 5);
  EXPECT_EQ(r.At(r.Index("S=al")).y, 600);
  EXPECT_EQ(r.At(r.Index("S=al")).colour, 5);
  // The pen width 2 is left: the next wipe (the item chosen again) uses it.
  EXPECT_EQ(r.Lines("fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15 width=2", to), 1);
}

}  // namespace
