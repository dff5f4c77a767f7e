// Fennor's chapter 5 (substitution with ax and by): goal and sub-menu, the
// two tasks and the two practices read back as polynomials over many seeds,
// the two area figures, the example and the answer pages.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>

#include "tests/fennor_testing.h"

namespace {

using namespace fennor_testing;

const std::string kPageWipe = "fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15";

// Into chapter 5's item, the keys of the item, out of the chapter and the
// program.
std::string ChapterKeys(const std::string& item, const std::string& keys) {
  return Type("5") + Type(item) + keys + Type("11") + Type("10");
}

// Three stages of a task: `passes` problems each (a key, then a number
// other than 1 at the step prompt but the last), then the closing key.
std::string TaskStageKeys(int passes) {
  std::string keys;
  for (int stage = 0; stage < 3; ++stage)
    for (int i = 1; i <= passes; ++i) keys += "Space " + Type(i < passes ? "2" : "1");
  return keys + "Space ";
}

// The boxed gaps (60 high, border 5 or 7), in order: "x1 top x2 border".
struct GapBox {
  float x1, y1, x2;
  int border;
};
std::vector<GapBox> GapBoxes(const Session& run) {
  static const std::regex re(R"(^fill x1=(\S+) y1=(\S+) x2=(\S+) y2=(\S+) border=([57]) fill=([46]) )");
  std::vector<GapBox> out;
  for (const auto& l : run.trace) {
    std::smatch m;
    if (std::regex_search(l, m, re) && std::stof(m[4]) - std::stof(m[2]) == 60)
      out.push_back({std::stof(m[1]), std::stof(m[2]), std::stof(m[3]), std::stoi(m[5])});
  }
  return out;
}

// ------------------------------------------------------ goal and sub-menu

TEST(FennorChapter5, GoalThenSubMenuUntilItsEndItem) {
  // 0, -1 and 12 show the item line again; 11 leads back to the main menu.
  ExpectGoalAndSubMenu("5", {"0", "-1", "12"}, "11",
                       {
                           {"<めあて>", 44, 240, 5},
                           {"(2x+3y)^2 のような式を展開しよう。", 44, 305, 0},
                       });
}

// ------------------------------------------------------ task 1

TEST(FennorChapter5, Task1BoxesCompleteTheExpansionOverManySeeds) {
  const int passes = 3;
  static const std::regex problem(R"(\((\d)\) \((\d?)([xyab])([+-]\d)\)\((\d?)([xyab])([+-]\d)\))");
  std::set<int> ks;
  bool bareSigns[2] = {false, false};
  for (const std::string& time : SeedTimes(1)) {
    SCOPED_TRACE(time);
    Session run = RunFennor(ChapterKeys("1", TaskStageKeys(passes)), time);
    ASSERT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(run.KeyWaits(), 3 * passes + 1);
    std::vector<GapBox> boxes = GapBoxes(run);
    ASSERT_EQ(boxes.size(), 2u * 3 * passes);
    int shown = 0;
    for (size_t i = 0; i < run.drawn.size(); ++i) {
      std::smatch m;
      if (!std::regex_match(run.drawn[i].text, m, problem)) continue;
      const int stage = std::stoi(m[1]);
      EXPECT_EQ(stage, 1 + shown / passes);
      const Drawn* d = &run.drawn[i];
      // The two factors have the same first term; a and b are neither equal
      // nor opposite.
      EXPECT_EQ(m[2], m[5]);
      EXPECT_EQ(m[3], m[6]);
      const int a = std::stoi(m[4]), b = std::stoi(m[7]);
      EXPECT_NE(std::abs(a), std::abs(b));
      EXPECT_TRUE(a != 0 && b != 0 && std::abs(a) <= 8 && std::abs(b) <= 8);
      if (stage == 1) {
        EXPECT_EQ(m[2], "");
      } else {
        int k = std::stoi(m[2]);
        EXPECT_TRUE(k >= 2 && k <= 5);
        ks.insert(k);
      }
      // Problem, "=...", box ①, the rest of the line; a key; the box again
      // with what completes the expansion.
      const float x0[] = {44, 44, 616}, y0[] = {98, 320, 110};
      EXPECT_EQ(d[0].x, x0[stage - 1]);
      EXPECT_EQ(d[0].y, y0[stage - 1]);
      EXPECT_EQ(d[1].x, x0[stage - 1] + 88);
      EXPECT_EQ(d[1].y, y0[stage - 1] + 80);
      EXPECT_EQ(d[2].text, "①");
      EXPECT_EQ(d[4].keys, d[3].keys + 1);
      for (int j : {2, 4}) EXPECT_EQ(d[j].colour, 13);
      const std::string line = d[1].text + d[4].text + d[3].text;
      EXPECT_TRUE(SamePolynomial(line, d[0].text.substr(4))) << d[0].text << " " << line;
      // Box ① 160 wide from 8 above the line; the rest 20 after it (10 in
      // stage (3)); the answer box over it.
      const GapBox* box = &boxes[2 * shown];
      EXPECT_EQ(box[0].x2 - box[0].x1, 160);
      EXPECT_EQ(box[0].y1, d[1].y - 8);
      EXPECT_EQ(d[3].x, box[0].x2 + (stage == 3 ? 10 : 20));
      EXPECT_EQ(box[1].x1, box[0].x1);
      EXPECT_EQ(box[1].y1, box[0].y1);
      if (stage == 1) {
        // A middle coefficient 1 or -1 is its sign alone.
        EXPECT_FALSE(std::regex_search(d[3].text, std::regex(R"(^[+-]1[xyab])"))) << d[3].text;
        if (a + b == 1) bareSigns[0] = true;
        if (a + b == -1) bareSigns[1] = true;
      } else if (stage == 3) {
        static const std::regex signedNumber(R"([+-]\d+)");
        EXPECT_TRUE(std::regex_match(d[4].text, signedNumber)) << d[4].text;
      }
      ++shown;
    }
    EXPECT_EQ(shown, 3 * passes);
    const Drawn& last = run.LastBeforeMenu();
    EXPECT_EQ(last.text, "なぜ？");
    EXPECT_EQ(last.x, 484);
    EXPECT_EQ(last.y, 510);
    EXPECT_EQ(last.colour, 3);
  }
  EXPECT_EQ(ks, (std::set<int>{2, 3, 4, 5}));
  EXPECT_TRUE(bareSigns[0] && bareSigns[1]);
}

TEST(FennorChapter5, Task1WipesLeaveTheEarlierStages) {
  Session run = RunFennor(ChapterKeys("1", TaskStageKeys(1)));
  EXPECT_EQ(run.Count(kPageWipe), 1);
  EXPECT_EQ(run.Count("fill x1=0 y1=240 x2=1320 y2=1540 border=15 fill=15"), 1);
  EXPECT_EQ(run.Count("fill x1=616 y1=30 x2=1936 y2=1330 border=15 fill=15"), 1);
  ExpectInOrder(run, {{"問　①を求めなさい。", 44, 18, 0}});
}

// ------------------------------------------------------ task 2

TEST(FennorChapter5, Task2BoxesCompleteTheSquareOverManySeeds) {
  const int passes = 3;
  static const std::regex one(R"(\(1\) \(([xyab])([+-]\d)\)\^2)");
  static const std::regex two(R"(\(([23])\) \((\d)([xa])([+-]\d)([yb])\)\^2)");
  std::set<int> as, bs;
  for (const std::string& time : SeedTimes(1)) {
    SCOPED_TRACE(time);
    Session run = RunFennor(ChapterKeys("6", TaskStageKeys(passes)), time);
    ASSERT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(run.KeyWaits(), 3 * passes + 1);
    std::vector<GapBox> boxes = GapBoxes(run);
    ASSERT_EQ(boxes.size(), 4u * passes + 4u * passes + 2u * passes);
    size_t box = 0;
    int shown = 0;
    for (size_t i = 0; i < run.drawn.size(); ++i) {
      const Drawn* d = &run.drawn[i];
      std::smatch m;
      int stage = 0;
      if (std::regex_match(d[0].text, m, one)) {
        stage = 1;
        const int a = std::stoi(m[2]);
        EXPECT_TRUE(a != 0 && std::abs(a) <= 8);
        EXPECT_EQ(d[0].x, 44);
        EXPECT_EQ(d[0].y, 98);
      } else if (std::regex_match(d[0].text, m, two)) {
        stage = std::stoi(m[1]);
        const int a = std::stoi(m[2]), b = std::stoi(m[4]);
        EXPECT_TRUE(a >= 2 && a <= 5) << d[0].text;
        EXPECT_TRUE(std::abs(b) >= 2 && std::abs(b) <= 6 && std::abs(b) != a) << d[0].text;
        EXPECT_TRUE((m[3] == "x" && m[5] == "y") || (m[3] == "a" && m[5] == "b")) << d[0].text;
        as.insert(a);
        bs.insert(b);
        EXPECT_EQ(d[0].x, 44);
        EXPECT_EQ(d[0].y, stage == 2 ? 240 : 400);
      } else {
        continue;
      }
      EXPECT_EQ(stage, 1 + shown / passes);
      // Problem, "=...", ①, middle, (②), a key, the answers.
      std::string line;
      if (stage < 3) {
        EXPECT_EQ(d[2].text, "①");
        EXPECT_EQ(d[4].text, "②");
        EXPECT_EQ(d[5].keys, d[4].keys + 1);
        line = d[1].text + d[5].text + d[3].text + d[6].text;
        const GapBox* b = &boxes[box];
        EXPECT_EQ(b[0].border, 5);
        EXPECT_EQ(b[0].x2 - b[0].x1, 160);
        EXPECT_EQ(b[1].border, 7);
        EXPECT_EQ(b[1].x2 - b[1].x1, 160);
        EXPECT_GT(b[0].x1, d[1].x);
        EXPECT_EQ(d[3].x, b[0].x2 + (stage == 1 ? 16 : 0));
        EXPECT_EQ(b[2].x1, b[0].x1);
        EXPECT_EQ(b[3].x1, b[1].x1);
        box += 4;
        if (stage == 1) {
          // The square revealed in box ② carries no sign.
          EXPECT_TRUE(std::regex_match(d[6].text, std::regex(R"(\d+)"))) << d[6].text;
        }
      } else {
        EXPECT_EQ(d[2].text, "①");
        EXPECT_EQ(d[4].keys, d[3].keys + 1);
        line = d[1].text + d[4].text + d[3].text;
        const GapBox* b = &boxes[box];
        EXPECT_EQ(b[0].x2 - b[0].x1, 200);
        EXPECT_EQ(d[3].x, b[0].x2 + 10);
        EXPECT_EQ(b[1].x1, b[0].x1);
        box += 2;
      }
      EXPECT_TRUE(SamePolynomial(line, d[0].text.substr(4))) << d[0].text << " " << line;
      ++shown;
    }
    EXPECT_EQ(shown, 3 * passes);
    EXPECT_EQ(run.LastBeforeMenu().text, "1つの文字とみれたか！");
  }
  EXPECT_EQ(as, (std::set<int>{2, 3, 4, 5}));
  EXPECT_EQ(bs.size(), 10u);  // -6..-2 and 2..6
}

TEST(FennorChapter5, Task2WipesAndTheClosingRemark) {
  Session run = RunFennor(ChapterKeys("6", TaskStageKeys(1)));
  EXPECT_EQ(run.Count(kPageWipe), 1);
  EXPECT_EQ(run.Count("fill x1=0 y1=240 x2=1320 y2=1540 border=15 fill=15"), 1);
  EXPECT_EQ(run.Count("fill x1=44 y1=320 x2=1364 y2=1620 border=15 fill=15"), 1);
  ExpectInOrder(run, {{"問　①,②を求めなさい。", 44, 18, 0}, {"1つの文字とみれたか！", 484, 510, 3}});
}

// ------------------------------------------------------ figures

// The texts right of x `fromX` from the item's heading to the main menu.
std::vector<std::string> Labels(const Session& run, float fromX) {
  std::vector<std::string> out;
  for (const Drawn& d : Slice(run, run.Find("問　次の式を展開しなさい。")))
    if (d.x >= fromX) out.push_back(std::to_string(d.colour) + " " + d.text);
  return out;
}

TEST(FennorChapter5, Figure1OfTwoXPlusOneTimesTwoXPlusThree) {
  Session run = RunFennor(ChapterKeys("2", Spaces(8)));
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.KeyWaits(), 8);
  ExpectInOrder(run, {
                         {"問　次の式を展開しなさい。", 88, 30, 0},
                         {" (2x+1)(2x+3)", 88, 100, 5},
                         {"=(2x)^2+4*2x+3", 88, 180, 0},
                         {"=", 88, 260, 0},
                     });
  const Drawn& result = run.LastBeforeMenu();
  EXPECT_EQ(result.text, "4x^2+8x+3");
  EXPECT_EQ(result.y, 260);
  EXPECT_EQ(result.colour, 5);
  EXPECT_EQ(run.Count("fill x1=704 y1=20 x2=2024 y2=920 border=15 fill=15"), 1);
  // At (748, 100): the sides only, then the areas, then the regrouping.
  EXPECT_EQ(Labels(run, 704), (std::vector<std::string>{
                                  "0 2x", "0 2x", "0 3", "0 1",
                                  "13 (2x)^2", "0 2x", "0 2x", "13 6x", "0 3", "13 2x", "0 1", "13 3",
                                  "13 6x", "0 3", "13 4*2x",
                              }));
  EXPECT_EQ(run.Count("fill x1=836 y1=100 x2=1056 y2=320 border=0 fill=3"), 2);
  EXPECT_EQ(run.Count("fill x1=836 y1=320 x2=1056 y2=540 border=0 fill=6"), 1);
  // Two keys between the first figure and the second.
  int second = run.Find("(2x)^2");
  EXPECT_EQ(run.drawn[second].keys, run.drawn[second - 1].keys + 2);
}

TEST(FennorChapter5, Figure2OfTwoXPlusThreeYSquared) {
  Session run = RunFennor(ChapterKeys("7", Spaces(5)));
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.KeyWaits(), 5);
  ExpectInOrder(run, {
                         {"問　次の式を展開しなさい。", 40, 30, 0},
                         {" (2x+3y)^2", 40, 100, 5},
                         {"=(2x)^2+2*2x*3y+(3y)^2", 40, 180, 0},
                         {"=", 40, 260, 0},
                         {"教科書 問7　をしなさい。", 132, 570, 0},
                     });
  int eq = run.Find("=", run.Find("=(2x)^2+2*2x*3y+(3y)^2"));
  EXPECT_EQ(run.drawn[eq + 1].text, "4x^2+12xy+9y^2");
  EXPECT_EQ(run.drawn[eq + 1].colour, 5);
  EXPECT_EQ(run.Count("fill x1=572 y1=20 x2=1892 y2=920 border=15 fill=15"), 1);
  // At (616, 100), pen width 5: 2x is 220, 3y is 264; drawn twice.
  const std::vector<std::string> boxes = {"704 100 924 320 3", "924 100 1188 320 4", "704 320 924 584 6",
                                          "924 320 1188 584 8"};
  std::vector<std::string> twice = boxes;
  twice.insert(twice.end(), boxes.begin(), boxes.end());
  std::vector<std::string> wide;
  static const std::regex fill(R"(^fill x1=(\S+) y1=(\S+) x2=(\S+) y2=(\S+) border=0 fill=(\d+) width=5)");
  for (const auto& l : run.trace) {
    std::smatch m;
    if (std::regex_search(l, m, fill)) wide.push_back(m[1].str() + " " + m[2].str() + " " + m[3].str() + " " +
                                                      m[4].str() + " " + m[5].str());
  }
  EXPECT_EQ(wide, twice);
  int dots = 0;
  for (const auto& l : run.trace) dots += l.rfind("circle ", 0) == 0 && l.find(" colour=9 width=5") != std::string::npos;
  EXPECT_EQ(dots, 2 * (91 + 181 + 181 + 91));
  EXPECT_EQ(Labels(run, 572), (std::vector<std::string>{
                                  "0 2x", "0 2x", "0 3y", "0 3y",
                                  "13 (2x)^2", "0 2x", "0 2x", "13 2x*3y", "0 3y", "13 2x*3y", "0 3y", "13 (3y)^2",
                              }));
}

TEST(FennorChapter5, Figure2LeavesPenWidthFiveAndItsLine) {
  int width = 0;
  float lineEndX = 0, lineY = 0;
  RunFennor(Spaces(5), "10:20:30", [&](RecordingFennor& f) {
    f.ShowTwoLetterSquareAreaFigure();
    width = f.scr.GetDrawWidth(0);
  });
  EXPECT_EQ(width, 5);
  RunFennor("", "10:20:30", [&](RecordingFennor& f) {
    f.gFennorFigureOriginX = 616;
    f.gFennorFigureOriginY = 100;
    f.DrawTwoLetterSquareFigure();
    lineEndX = f.gLineEndX;
    lineY = f.gLineY;
  });
  EXPECT_EQ(lineEndX, 616 + 572);
  EXPECT_EQ(lineY, 100 + 220);
}

// ------------------------------------------------------ example

TEST(FennorChapter5, ExampleWithM) {
  Session run = RunFennor(ChapterKeys("3", Spaces(8)));
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.KeyWaits(), 8);
  struct Row {
    Expected e;
    int keys;
  };
  const Row rows[] = {
      {{"「教科書P20Q」どの公式を使う？", 88, 30, 3}, 0},
      {{"① (", 44, 100, 0}, 0},
      {{"x", -1, 100, 3}, 0},
      {{"+1)(", -1, 100, 0}, 0},
      {{"x", -1, 100, 3}, 0},
      {{"+3)", -1, 100, 0}, 0},
      {{"② (", 616, 100, 0}, 0},
      {{"2x", -1, 100, 3}, 0},
      {{"+1)(", -1, 100, 0}, 0},
      {{"2x", -1, 100, 3}, 0},
      {{"+3)", -1, 100, 0}, 0},
      {{"=", 88, 170, 0}, 1},
      {{"x^2", -1, 170, 3}, 1},
      {{"+4", -1, 170, 0}, 1},
      {{"x", -1, 170, 3}, 1},
      {{"+3", -1, 170, 0}, 1},
      {{"Mを2xとする", 792, 160, 3}, 2},
      {{"=(M+1)(M+3)", 748, 230, 0}, 3},
      {{"=M^2+4M+3", 748, 300, 0}, 4},
      {{"Mを2xにもどす", 792, 360, 3}, 5},
      {{"=", 660, 430, 0}, 6},
      {{"(2x)^2", -1, 430, 3}, 6},
      {{"+4*", -1, 430, 0}, 6},
      {{"2x", -1, 430, 3}, 6},
      {{"+3", -1, 430, 0}, 6},
      {{"=", 660, 500, 0}, 7},
      {{"4x^2", -1, 500, 5}, 7},
      {{"+", -1, 500, 0}, 7},
      {{"8x", -1, 500, 5}, 7},
      {{"+3", -1, 500, 0}, 7},
      {{"※ 2xなどの単項式を", 44, 300, 7}, 8},
      {{" 　1つの文字とみて", 44, 360, 7}, 8},
      {{" 　公式を使う。", 44, 420, 7}, 8},
  };
  int first = run.Find("「教科書P20Q」どの公式を使う？");
  ASSERT_GE(first, 0);
  std::vector<Drawn> shown = Slice(run, first);
  ASSERT_EQ(shown.size(), std::size(rows));
  for (size_t i = 0; i < shown.size(); ++i) {
    const Expected& e = rows[i].e;
    EXPECT_EQ(shown[i].text, e.text) << i;
    if (e.x >= 0) {
      EXPECT_EQ(shown[i].x, e.x) << e.text;
    } else {
      EXPECT_GT(shown[i].x, shown[i - 1].x) << e.text;
    }
    EXPECT_EQ(shown[i].y, e.y) << e.text;
    EXPECT_EQ(shown[i].colour, e.colour) << e.text;
    EXPECT_EQ(shown[i].keys - shown[0].keys, rows[i].keys) << e.text;
  }
}

// ------------------------------------------------------ answer pages

struct PageRow {
  Expected e;
  int keys;
};

void ExpectPage(const Session& run, const std::string& heading, const std::vector<PageRow>& rows) {
  int first = run.Find(heading);
  ASSERT_GE(first, 0) << heading;
  std::vector<Drawn> shown = Slice(run, first);
  ASSERT_EQ(shown.size(), rows.size()) << heading;
  for (size_t i = 0; i < shown.size(); ++i) {
    const Expected& e = rows[i].e;
    EXPECT_EQ(shown[i].text, e.text) << i;
    EXPECT_EQ(shown[i].x, e.x) << e.text;
    EXPECT_EQ(shown[i].y, e.y) << e.text;
    EXPECT_EQ(shown[i].colour, e.colour) << e.text;
    EXPECT_EQ(shown[i].keys - shown[0].keys, rows[i].keys) << e.text;
  }
}

TEST(FennorChapter5, Question6AnswerPage) {
  Session run = RunFennor(ChapterKeys("5", Spaces(13)));
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.KeyWaits(), 13);
  ExpectPage(run, "問6 ",
             {
                 {{"問6 ", 88, 30, 0}, 0},
                 {{"(1) (3x-4)(3x-2)", 22, 100, 0}, 0},
                 {{"Mを3xとする", 220, 160, 3}, 1},
                 {{"=(M-4)(M-2)", 176, 230, 0}, 2},
                 {{"=M^2-6M+8", 176, 300, 0}, 3},
                 {{"Mを3xにもどす", 220, 360, 3}, 4},
                 {{"=(3x)^2-6*3x+8", 88, 430, 0}, 5},
                 {{"=9x^2-18x+8", 88, 500, 5}, 6},
                 {{"(2) (-4a+3)(-4a-6)", 638, 30, 0}, 7},
                 {{"Mを-4aとする", 836, 90, 3}, 8},
                 {{"=(M+3)(M-6)", 792, 160, 0}, 9},
                 {{"=M^2-3M-18", 792, 230, 0}, 10},
                 {{"Mを-4aにもどす", 836, 290, 3}, 11},
                 {{"=(-4a)^2-3*(-4a)-18", 704, 360, 0}, 12},
                 {{"=16a^2+12a-18", 704, 430, 5}, 13},
             });
  EXPECT_EQ(run.Count(kPageWipe), 1);
}

TEST(FennorChapter5, Question7AnswerPage) {
  Session run = RunFennor(ChapterKeys("9", Spaces(12)));
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.KeyWaits(), 12);
  ExpectPage(run, "問7 解答",
             {
                 {{"問7 解答", 94, 30, 3}, 0},
                 {{"(1)", 40, 80, 3}, 0},
                 {{" (5x+2)^2", 94, 80, 0}, 0},
                 {{"=(5x)^2+2*5x*2+2^2", 94, 130, 0}, 1},
                 {{"=25x^2+20x+4", 94, 180, 5}, 2},
                 {{"(2)", 40, 250, 3}, 3},
                 {{" (3x-4y)^2", 94, 250, 0}, 3},
                 {{"=(3x)^2-2*3x*4y+(4y)^2", 94, 300, 0}, 4},
                 {{"=9x^2-24xy+16y^2", 94, 350, 5}, 5},
                 {{"(3)", 40, 420, 3}, 6},
                 {{" (6x+7)(6x-7)", 94, 420, 0}, 6},
                 {{"=(6x)^2-7^2", 94, 470, 0}, 7},
                 {{"=36x^2-49", 94, 520, 5}, 8},
                 {{"(4)", 704, 30, 3}, 9},
                 {{" (7a-4b)(7a+4b)", 758, 30, 0}, 9},
                 {{"=(7a)^2-(4b)^2", 758, 80, 0}, 10},
                 {{"=49a^2-16b^2", 758, 130, 5}, 11},
                 {{"教科書 問8　をしなさい。", 132, 570, 7}, 12},
             });
}

TEST(FennorChapter5, Question8AnswerPageLeavesPenWidthFive) {
  Session run = RunFennor(ChapterKeys("10", Spaces(2)));
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.KeyWaits(), 2);
  ExpectPage(run, "問8 解答",
             {
                 {{"問8 解答", 108, 30, 3}, 0},
                 {{"2*5*3x とするところを、2*5*xとしている。", 108, 90, 5}, 1},
                 {{" (3x+5)^2", 108, 150, 0}, 2},
                 {{"=(3x)^2+2*5*3x+5^2", 108, 210, 0}, 2},
                 {{"=9x^2+30x+25", 108, 270, 5}, 2},
             });
  EXPECT_EQ(run.Count("fill x1=0 y1=0 x2=1760 y2=1800 border=15 fill=15 width=5"), 1);
  int width = 0;
  RunFennor(Spaces(2), "10:20:30", [&](RecordingFennor& f) {
    f.ShowQuestion8Answer();
    width = f.scr.GetDrawWidth(0);
  });
  EXPECT_EQ(width, 5);
}

// ------------------------------------------------------ practices

// A practice problem read from its text.
struct Monomial {
  int formulaCase = 0;  // 1 product, 2 square, 4 sum times difference
  int k = 0, a = 0, b = 0;
  std::string first, second;  // the letters
};

Monomial ReadMonomial(const std::string& text) {
  static const std::regex product(R"( \((\d)([xa])([+-]\d)\)\((\d)([xa])([+-]\d)\))");
  static const std::regex square(R"( \((\d)([xa])([+-]\d)([yb]?)\)\^2)");
  static const std::regex sumDifference(R"( \((\d)([xa])\+(\d)([yb]?)\)\((\d)([xa])-(\d)([yb]?)\))");
  std::smatch m;
  Monomial p;
  // (kx+n)(kx-n), with or without a second letter, is a sum times a
  // difference; any other product of two binomials is case 1.
  if (std::regex_match(text, m, sumDifference) && m[5] == m[1] && m[6] == m[2] && m[7] == m[3] && m[8] == m[4]) {
    p = {4, std::stoi(m[1]), std::stoi(m[3]), -std::stoi(m[3]), m[2], m[4]};
  } else if (std::regex_match(text, m, product)) {
    p = {1, std::stoi(m[1]), std::stoi(m[3]), std::stoi(m[6]), m[2], ""};
    EXPECT_TRUE(m[4] == m[1] && m[5] == m[2]) << text;
  } else if (std::regex_match(text, m, square)) {
    p = {2, std::stoi(m[1]), std::stoi(m[3]), 0, m[2], m[4]};
  } else {
    ADD_FAILURE() << "not a practice problem: " << text;
  }
  return p;
}

// `problems` problems with `spaces` keys each, then 1; the practice again
// with two problems.
std::string PracticeKeys(const std::string& item, int problems, int spaces) {
  std::string keys;
  for (int visit : {problems, 2})
    for (int i = 1; i <= visit; ++i) keys += (i == 1 ? Type(item) : "") + Spaces(spaces) + Type(i < visit ? "0" : "1");
  return keys;
}

void CheckPractice(const std::string& item, const std::string& heading, int spaces, int problems,
                   const std::function<void(const Monomial&, int)>& order) {
  for (const std::string& time : SeedTimes(1)) {
    SCOPED_TRACE(time);
    Session run = RunFennor(Type("5") + PracticeKeys(item, problems, spaces) + Type("11") + Type("10"), time);
    ASSERT_EQ(run.keysLeft, 0u);
    int number = 0, shown = 0;
    for (int h = run.Find(heading); h >= 0; h = run.Find(heading, h + 1), ++shown) {
      number = shown == problems ? 1 : number + 1;  // the second visit starts again
      const Drawn* d = &run.drawn[h];
      EXPECT_EQ(d[0].x, 44);
      EXPECT_EQ(d[0].y, 18);
      EXPECT_EQ(d[1].x, 88);
      EXPECT_EQ(d[1].y, 98);
      Monomial p = ReadMonomial(d[1].text);
      if (!p.formulaCase) continue;
      EXPECT_TRUE(p.k >= 2 && p.k <= 9) << d[1].text;
      EXPECT_TRUE(std::abs(p.a) >= 2 && std::abs(p.a) <= 8) << d[1].text;
      if (p.formulaCase == 1) {
        EXPECT_TRUE(p.b >= -8 && p.b <= 9 && p.b != 0 && std::abs(p.b) != std::abs(p.a)) << d[1].text;
      }
      order(p, number);
      // The answer lines: two working lines and the result for a product,
      // one and the result otherwise; each reads as the problem, 80 apart,
      // the last in colour 5, a key before each after the first.
      const int lines = p.formulaCase == 1 ? 3 : 2;
      for (int i = 0; i < lines; ++i) {
        const Drawn& l = d[2 + i];
        EXPECT_TRUE(SamePolynomial(l.text, d[1].text)) << d[1].text << " " << l.text;
        EXPECT_EQ(l.x, 88);
        EXPECT_EQ(l.y, 178 + 80 * i);
        EXPECT_EQ(l.colour, i + 1 == lines ? 5 : 0) << l.text;
        EXPECT_EQ(l.keys, d[1].keys + 1 + i);
      }
      // The result begins with the square term, k^2 without a sign.
      EXPECT_EQ(d[1 + lines].text.substr(0, std::to_string(p.k * p.k).size() + 1), "=" + std::to_string(p.k * p.k));
    }
    EXPECT_EQ(shown, problems + 2);
    EXPECT_EQ(run.Count(kPageWipe), 2);
    EXPECT_EQ(run.Count("fill x1=0 y1=0 x2=968 y2=1300 border=15 fill=15"), problems + 2);
  }
}

TEST(FennorChapter5, Practice1ProductsWithLettersXAThenRandom) {
  std::set<std::string> later;
  CheckPractice("4", "Q1　次の式を展開しなさい。", 3, 12, [&](const Monomial& p, int number) {
    EXPECT_EQ(p.formulaCase, 1);
    if (number <= 8) {
      EXPECT_EQ(p.first, number % 2 ? "x" : "a") << number;
    } else {
      later.insert(p.first);
    }
  });
  EXPECT_EQ(later, (std::set<std::string>{"x", "a"}));
  Session run = RunFennor(Type("5") + Type("4") + Spaces(3) + Type("1") + Type("11") + Type("10"));
  const Drawn& last = run.LastBeforeMenu();
  EXPECT_EQ(last.text, "教科書 問6　をしなさい。");
  EXPECT_EQ(last.x, 132);
  EXPECT_EQ(last.y, 570);
  EXPECT_EQ(run.KeyWaits(), 3);
}

TEST(FennorChapter5, Practice2SquaresThenSumTimesDifferenceThenRandom) {
  static const std::pair<const char*, const char*> kLetters[] = {{"x", ""}, {"a", ""}, {"x", "y"}, {"a", "b"}};
  std::set<int> later;
  std::set<std::string> laterLetters;
  CheckPractice("8", "Q2　次の式を展開しなさい。", 2, 12, [&](const Monomial& p, int number) {
    if (number <= 8) {
      EXPECT_EQ(p.formulaCase, number <= 4 ? 2 : 4) << number;
      const auto& letters = kLetters[(number - 1) % 4];
      EXPECT_EQ(p.first, letters.first) << number;
      EXPECT_EQ(p.second, letters.second) << number;
    } else {
      EXPECT_NE(p.formulaCase, 1);
      later.insert(p.formulaCase == 2 ? (p.a > 0 ? 2 : 3) : 4);
      laterLetters.insert(p.first + p.second);
    }
  });
  EXPECT_EQ(later, (std::set<int>{2, 3, 4}));
  EXPECT_EQ(laterLetters, (std::set<std::string>{"x", "a", "xy", "ab"}));
  Session run = RunFennor(Type("5") + Type("8") + Spaces(2) + Type("1") + Type("11") + Type("10"));
  EXPECT_EQ(run.LastBeforeMenu().colour, 5);  // no closing line
}

TEST(FennorChapter5, PracticeBuildersWorkedScreens) {
  struct Case {
    int formulaCase, k, a, b, kind;
    std::vector<std::string> lines;  // problem and answer lines
  };
  const Case cases[] = {
      {1, 3, 5, -2, 1, {" (3x+5)(3x-2)", "=(3x)^2+(5-2)*3x+5*(-2)", "=(3x)^2+3*3x+5*(-2)", "=9x^2+9x-10"}},
      {1, 3, -5, 2, 1, {" (3x-5)(3x+2)", "=(3x)^2+(-5+2)*3x-5*2", "=(3x)^2-3*3x-5*2", "=9x^2-9x-10"}},
      {1, 3, 2, -1, 1, {" (3x+2)(3x-1)", "=(3x)^2+(2-1)*3x+2*(-1)", "=(3x)^2+1*3x+2*(-1)", "=9x^2+3x-2"}},
      {1, 3, 5, -2, 4, {" (3a+5)(3a-2)", "=(3a)^2+(5-2)*3a+5*(-2)", "=(3a)^2+3*3a+5*(-2)", "=9a^2+9a-10"}},
      {2, 3, 5, 7, 1, {" (3x+5)^2", "=(3x)^2+2*(3x)*5+5^2", "=9x^2+30x+25"}},
      {3, 3, -5, 7, 1, {" (3x-5)^2", "=(3x)^2+2*(3x)*(-5)+(-5)^2", "=9x^2-30x+25"}},
      {2, 3, 5, 7, 3, {" (3x+5y)^2", "=(3x)^2+2*(3x)*(5y)+(5y)^2", "=9x^2+30xy+25y^2"}},
      {2, 3, -5, 7, 4, {" (3a-5b)^2", "=(3a)^2+2*(3a)*(-5b)+(-5b)^2", "=9a^2-30ab+25b^2"}},
      {4, 3, 5, 7, 1, {" (3x+5)(3x-5)", "=(3x)^2-5^2", "=9x^2-25"}},
      {4, 3, -5, 7, 3, {" (3x+5y)(3x-5y)", "=(3x)^2-(5y)^2", "=9x^2-25y^2"}},
  };
  static constexpr lesson::Fennor::Builder kProblems[] = {
      &lesson::Fennor::ShowMonomialProductProblem, &lesson::Fennor::ShowMonomialSquareProblem,
      &lesson::Fennor::ShowMonomialSquareProblem, &lesson::Fennor::ShowMonomialSumDifferenceProblem};
  static constexpr lesson::Fennor::Builder kAnswers[] = {
      &lesson::Fennor::ShowMonomialFormula1Expansion, &lesson::Fennor::ShowMonomialFormula2Expansion,
      &lesson::Fennor::ShowMonomialFormula3Expansion, &lesson::Fennor::ShowMonomialFormula4Expansion};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines[0]);
    Session run = RunFennor(Spaces(2), "10:20:30", [&](RecordingFennor& f) {
      f.gTermValue(1) = static_cast<float>(c.k);
      f.gTermValue(2) = static_cast<float>(c.a);
      f.gTermValue(3) = static_cast<float>(c.b);
      f.gRandomPick = static_cast<float>(c.kind);
      f.PrepareMonomialPracticeTexts();
      f.gFennorFormulaCase = static_cast<float>(c.formulaCase);
      f.gLineStartX = 44;
      f.gLineY = 18;
      (f.*kProblems[c.formulaCase - 1])();
      (f.*kAnswers[c.formulaCase - 1])();
    });
    ASSERT_EQ(run.drawn.size(), c.lines.size());
    for (size_t i = 0; i < c.lines.size(); ++i) {
      EXPECT_EQ(run.drawn[i].text, c.lines[i]);
      EXPECT_EQ(run.drawn[i].y, 98 + 80 * i);
      EXPECT_EQ(run.drawn[i].keys, i == 0 ? 0 : static_cast<int>(i) - 1);
    }
  }
}

}  // namespace
