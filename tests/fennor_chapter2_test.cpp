// Fennor's chapter 2 (the formulas (x+a)^2 and (x-a)^2): goal and sub-menu,
// the task with its boxes and its derivation, the square area figures,
// example 3 over many seeds, and the two fixed pages.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "tests/fennor_testing.h"

namespace {

using namespace fennor_testing;

const std::string kPageWipe = "fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15";

// ------------------------------------------------------ goal and sub-menu

TEST(FennorChapter2, GoalThenSubMenuUntilItsEndItem) {
  // 0, 6, 5.5, -1 and 0.5 show the item line again; 5 leads back to the
  // main menu.
  Session run = ExpectGoalAndSubMenu("2", {"0", "6", "5.5", "-1", "0.5"}, "5",
                                     {
                                         {"<めあて>", 44, 240, 5},
                                         {"(x+2)^2,(x-3)^2のような式を", 76, 305, 0},
                                         {"簡単に展開するための公式をつくろう。", 76, 370, 0},
                                     });
  // The item line: "x" shown as "χ" in its seventh cell, the "2" after "^"
  // half-width.
  EXPECT_EQ(run.Count("text x=112 y=666 h=1 v=1 colour=0 face=gothic size=16 bold=1 italic=0 \"χ\""), 6);
  EXPECT_EQ(run.Count("text x=16 y=666 "), 6);
}

TEST(FennorChapter2, ChapterEnteredAgainShowsItsGoalAnew) {
  Session run = RunFennor(Type("2") + Type("5") + Type("2") + Type("5") + Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  int first = run.Find("<めあて>");
  ASSERT_GE(first, 0);
  EXPECT_GE(run.Find("<めあて>", first + 1), 0);
  EXPECT_EQ(run.Boards(), 3);
}

// ------------------------------------------------------------ item ① task

TEST(FennorChapter2, TaskBoxesShowTwiceAndTheSquareOverManySeeds) {
  const int problems = 5;
  const std::string keys = TaskKeys("2", problems, 15, "5");
  static const std::regex problem(R"( \(x([+-]\d)\)\^2)");
  std::set<int> seen;
  for (const std::string& time : SeedTimes(2)) {
    SCOPED_TRACE(time);
    Session run = RunFennor(keys, time);
    ASSERT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(run.KeyWaits(), problems + 15);
    std::vector<Box> boxes = TaskBoxes(run);
    ASSERT_EQ(boxes.size(), 4u * problems);
    size_t at = 0;
    for (int i = 0; i < problems; ++i) {
      int h = run.Find("問　①,②を求めなさい。", at);
      ASSERT_GE(h, 0);
      const Drawn* d = &run.drawn[h];
      EXPECT_EQ(d[0].x, 44);
      EXPECT_EQ(d[0].y, 18);
      std::smatch m;
      ASSERT_TRUE(std::regex_match(d[1].text, m, problem)) << d[1].text;
      int a = std::stoi(m[1]);
      EXPECT_TRUE(a != 0 && std::abs(a) <= 8);
      seen.insert(a);
      EXPECT_EQ(d[1].x, 88);
      EXPECT_EQ(d[1].y, 98);
      EXPECT_EQ(d[2].text, "=x^2");
      EXPECT_EQ(d[2].x, 88);
      EXPECT_EQ(d[2].y, 178);
      EXPECT_EQ(d[3].text, "①");
      EXPECT_EQ(d[4].text, "x");
      EXPECT_EQ(d[4].colour, 0);
      EXPECT_EQ(d[4].y, 178);
      EXPECT_EQ(d[5].text, "②");
      // One key, then 2a and a^2 with their signs in the same boxes.
      EXPECT_EQ(d[6].text, Signed(2 * a));
      EXPECT_EQ(d[7].text, Signed(a * a));
      EXPECT_EQ(d[6].keys, d[5].keys + 1);
      EXPECT_EQ(d[7].keys, d[6].keys);
      for (int k : {3, 5, 6, 7}) EXPECT_EQ(d[k].colour, 13);
      EXPECT_EQ(d[6].y, d[3].y);
      EXPECT_EQ(d[7].y, d[5].y);
      // ① border 5 fill 4, ② border 7 fill 6, 120 wide; each piece 20 after
      // the one before; the values cover the boxes exactly.
      const Box* b = &boxes[4 * i];
      EXPECT_EQ(b[0].border, 5);
      EXPECT_EQ(b[0].fill, 4);
      EXPECT_EQ(b[1].border, 7);
      EXPECT_EQ(b[1].fill, 6);
      EXPECT_EQ(b[0].x2 - b[0].x1, 120);
      EXPECT_EQ(b[1].x2 - b[1].x1, 120);
      EXPECT_EQ(d[4].x, b[0].x2 + 20);
      EXPECT_GT(b[1].x1, d[4].x + 20);
      EXPECT_GT(b[0].x1, 88 + 20 + 32);
      for (int k : {0, 1}) {
        EXPECT_EQ(b[2 + k].x1, b[k].x1);
        EXPECT_EQ(b[2 + k].border, b[k].border);
        EXPECT_EQ(b[2 + k].fill, b[k].fill);
      }
      at = h + 1;
    }
  }
  EXPECT_EQ(seen.size(), 16u);  // every value from -8 to 8 but 0 came up
}

TEST(FennorChapter2, TaskDerivationReadOffTheSquareFigures) {
  Session run = RunFennor(TaskKeys("2", 1, 15, "5"));
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.KeyWaits(), 1 + 15);
  int why = run.Find("①は2倍、②は2乗。なぜ？");
  ASSERT_GE(why, 0);
  const int k0 = run.drawn[why].keys;  // keys before the derivation's first
  ExpectInOrder(run,
                {
                    {"①は2倍、②は2乗。なぜ？", 44, 258, 3},
                    {"(x+2)^2", 88, 338, 5},
                    {"=x^2+4x+4", 44, 418, 5},
                    {"(x+a)^2", 88, 338, 5},
                    {"=", 44, 518, 0},
                    {"=(x+a)(x+a)", 44, 398, 0},
                    {"=x^2+(a+a)x+a*a", 44, 458, 0},
                    {"公式2", 638, 508, 3},
                    {"(x+a)^2=x^2+2ax+a^2", 616, 568, 3},
                    {"(x-a)^2 を展開しよう。", 44, 570, 7},
                },
                why);
  int eq = run.Find("=", run.Find("(x+a)^2"));
  const Drawn& result = run.drawn[eq + 1];
  EXPECT_EQ(result.text, "x^2+2ax+a^2");
  EXPECT_EQ(result.y, 518);
  EXPECT_EQ(result.colour, 5);
  EXPECT_GT(result.x, 44 + 16);
  // The keys pressed before each text of the derivation.
  struct When {
    const char* text;
    int keys;
  };
  for (const When& w : {When{"(x+2)^2", 1}, When{"=x^2+4x+4", 4}, When{"(x+a)^2", 5}, When{"=", 11},
                        When{"=(x+a)(x+a)", 12}, When{"=x^2+(a+a)x+a*a", 13}, When{"公式2", 14},
                        When{"(x-a)^2 を展開しよう。", 15}}) {
    int i = run.Find(w.text, why);
    ASSERT_GE(i, 0) << w.text;
    EXPECT_EQ(run.drawn[i].keys - k0, w.keys) << w.text;
  }
  // The labels of the five figure calls: sides in colour 0, areas in 13.
  std::vector<std::string> labels;
  for (const Drawn& d : Slice(run, why))
    if (d.x >= 748) labels.push_back(std::to_string(d.colour) + " " + d.text);
  EXPECT_EQ(labels, (std::vector<std::string>{
                        "0 x", "0 x", "0 2", "0 2",                                          // sides only
                        "13 x^2", "0 x", "0 x", "13 2x", "0 2", "13 2x", "0 2", "13 4",      // with the areas
                        "0 x", "0 x", "0 a", "0 a",                                          // sides only
                        "13 x^2", "0 x", "0 x", "13 ax", "0 a", "13 ax", "0 a", "13 a^2",    // with the areas
                        "13 ax", "0 a", "13 2ax",                                            // regrouped
                    }));
  // The left column is wiped from the problem line down, the figure area
  // right of x 704; the last figure stays.
  EXPECT_EQ(run.Count("fill x1=44 y1=338 x2=704 y2=1638 border=15 fill=15"), 1);
  EXPECT_EQ(run.Count("fill x1=704 y1=20 x2=2024 y2=920 border=15 fill=15"), 1);
  EXPECT_EQ(run.Count("fill x1=836 y1=266 x2=1012 y2=530 border=0 fill=6"), 1);
  EXPECT_EQ(run.LastBeforeMenu().text, "(x-a)^2 を展開しよう。");
}

TEST(FennorChapter2, TaskEndsAfterOneProblemOnOne) {
  // Typing 1 at the first prompt: one problem, then the derivation; the
  // sub-menu after its closing line, with no further key.
  Session run = RunFennor(TaskKeys("2", 1, 15, "5"));
  EXPECT_EQ(run.Count(kPageWipe), 1);
  EXPECT_EQ(TaskBoxes(run).size(), 4u);
  EXPECT_EQ(ItemLines(run), 2);
}

// ------------------------------------------------------ square area figures

struct FigureRun {
  Session session;
  float lineEndX = 0, lineY = 0, textColour = 0, penX = 0, penY = 0;
};

FigureRun DrawSquareFigures(bool regroup, const std::vector<std::string>& labels) {
  FigureRun r;
  r.session = RunFennor("Space Space", "10:20:30", [&](RecordingFennor& f) {
    for (size_t k = 0; k < labels.size(); ++k) f.gTermText2(static_cast<float>(k + 1)) = plat::FromUtf8(labels[k]);
    f.gFennorFigureOriginX = 748;
    f.gFennorFigureOriginY = 90;
    f.DrawSquareAreaFigure();
    if (regroup) f.DrawRegroupedSquareFigure();
    r.lineEndX = f.gLineEndX;
    r.lineY = f.gLineY;
    r.textColour = f.gTextColour;
    r.penX = f.gPenX;
    r.penY = f.gPenY;
  });
  return r;
}

const std::vector<std::string> kLetterLabels = {"x", "a", "a", "x^2", "ax", "ax", "a^2", "2ax"};

TEST(FennorChapter2, SquareFigureBoxesMarksAndLabels) {
  FigureRun r = DrawSquareFigures(false, kLetterLabels);
  const Session& run = r.session;
  // The square 176, the strips and the corner (a is 132), at (748, 90).
  EXPECT_EQ(FigureBoxes(run), (std::vector<std::string>{"836 90 1012 266 3", "1012 90 1144 266 4",
                                                        "836 266 1012 398 6", "1012 266 1144 398 8"}));
  // Four marks: two left sides downwards, step 2 (91 dots each, left of
  // x 836), two top sides rightwards, step 1 (181 dots each, above y 90).
  std::vector<std::pair<float, float>> dots = Dots(run);
  ASSERT_EQ(dots.size(), 91u + 181u + 181u + 91u);
  auto inRun = [&](size_t from, size_t n, float x1, float x2, float y1, float y2) {
    for (size_t i = from; i < from + n; ++i) {
      EXPECT_GE(dots[i].first, x1 - 0.5f);
      EXPECT_LE(dots[i].first, x2 + 0.5f);
      EXPECT_GE(dots[i].second, y1 - 0.5f);
      EXPECT_LE(dots[i].second, y2 + 0.5f);
    }
  };
  inRun(0, 91, 836 - 16, 836, 90, 266);         // the square's left side
  inRun(91, 181, 836, 1012, 90 - 16, 90);       // its top side
  inRun(272, 181, 1012, 1144, 90 - 16, 90);     // the right strip's top
  inRun(453, 91, 836 - 16, 836, 266, 398);      // the lower strip's left side
  std::vector<std::string> labels;
  for (const Drawn& d : run.drawn) labels.push_back(std::to_string(d.colour) + " " + d.text);
  EXPECT_EQ(labels, (std::vector<std::string>{"13 x^2", "0 x", "0 x", "13 ax", "0 a", "13 ax", "0 a", "13 a^2"}));
  // Labels in their boxes: a box 176 high has its text 66 below its top.
  EXPECT_EQ(run.drawn[0].y, 90 + 66);
  EXPECT_EQ(run.drawn[7].y, 266 + 44);
  // The line at the corner's top-right corner, colour 13; no key wait, no
  // wipe, no pen width.
  EXPECT_EQ(r.lineEndX, 1144);
  EXPECT_EQ(r.lineY, 266);
  EXPECT_EQ(r.penX, 1144);
  EXPECT_EQ(r.penY, 266);
  EXPECT_EQ(r.textColour, 13);
  EXPECT_EQ(run.KeyWaits(), 0);
  EXPECT_EQ(run.Count("fill x1=0 y1=0 "), 0);
}

TEST(FennorChapter2, RegroupedSquareFigureWithTwoKeyWaits) {
  FigureRun r = DrawSquareFigures(true, kLetterLabels);
  const Session& run = r.session;
  std::vector<std::string> boxes = FigureBoxes(run);
  ASSERT_EQ(boxes.size(), 7u);
  // The right strip emptied, the strip laid under the lower one, then both
  // joined: down to y 530.
  EXPECT_EQ(std::vector<std::string>(boxes.begin() + 4, boxes.end()),
            (std::vector<std::string>{"1012 90 1144 266 15", "836 398 1012 530 4", "836 266 1012 530 6"}));
  EXPECT_EQ(run.KeyWaits(), 2);
  EXPECT_EQ(Dots(run).size(), 544u + 91u);
  std::vector<std::string> second;
  for (size_t i = 8; i < run.drawn.size(); ++i)
    second.push_back(std::to_string(run.drawn[i].colour) + " " + run.drawn[i].text + " " +
                     std::to_string(run.drawn[i].keys));
  EXPECT_EQ(second, (std::vector<std::string>{"13 ax 1", "0 a 1", "13 2ax 2"}));
  EXPECT_EQ(r.lineEndX, 1012);
  EXPECT_EQ(r.lineY, 266);
  EXPECT_EQ(r.textColour, 13);
}

TEST(FennorChapter2, SquareFigureWithoutAreaLabels) {
  FigureRun r = DrawSquareFigures(false, {"x", "2", "2", "", "", "", "", ""});
  std::vector<std::string> texts;
  for (const Drawn& d : r.session.drawn) texts.push_back(d.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"x", "x", "2", "2"}));
  EXPECT_EQ(FigureBoxes(r.session).size(), 4u);
}

// ------------------------------------------------------- item ③ example 3

std::string ExampleKeys(int examples) {
  std::string keys;
  for (int i = 1; i <= examples; ++i) keys += Spaces(3) + Type(i < examples ? "0" : "1");
  return keys;
}

TEST(FennorChapter2, ExampleAnswersAreTheTrueExpansionOverManySeeds) {
  const int first = 5, second = 2;
  std::string keys = Type("2") + Type("3") + ExampleKeys(first) + Type("3") + ExampleKeys(second) + Type("5") + Type("10");
  static const std::regex problem(R"( \(([xyab])([+-])(\d)\)\^2)");
  std::set<std::string> letters;
  std::set<int> numbers;
  for (const std::string& time : SeedTimes(1)) {
    SCOPED_TRACE(time);
    Session run = RunFennor(keys, time);
    ASSERT_EQ(run.keysLeft, 0u);
    int shown = 0, inRun = 0;
    for (int h = run.Find("例3　次の式を展開しなさい。"); h >= 0; h = run.Find("例3　次の式を展開しなさい。", h + 1)) {
      if (shown == first) inRun = 0;  // the second entry starts again at formula 2
      const Drawn* d = &run.drawn[h];
      EXPECT_EQ(d[0].x, 44);
      EXPECT_EQ(d[0].y, 18);
      std::smatch m;
      ASSERT_TRUE(std::regex_match(d[1].text, m, problem)) << d[1].text;
      std::string L = m[1];
      char sign = m[2].str()[0];
      int n = std::stoi(m[3]);
      EXPECT_TRUE(n >= 1 && n <= 8);
      letters.insert(L);
      numbers.insert(n);
      const char expectedSign = inRun % 2 == 0 ? '+' : '-';
      EXPECT_EQ(sign, expectedSign) << "problem " << shown;
      EXPECT_EQ(d[2].text, std::string("公式") + (sign == '+' ? "2" : "3") + "を使う");
      // The formula line: the formula with n put in; the result line: the
      // expansion, its middle coefficient 2n with the problem's sign.
      std::string product = "(" + L + std::string(1, sign) + std::to_string(n) + ")^2";
      std::string formula = "=" + L + "^2" + std::string(1, sign) + "2*" + std::to_string(n) + "*" + L + "+" +
                            std::to_string(n) + "^2";
      EXPECT_EQ(d[3].text, formula);
      EXPECT_TRUE(SamePolynomial(d[3].text, product)) << d[3].text;
      EXPECT_TRUE(SamePolynomial(d[4].text, product)) << d[4].text;
      static const std::regex result(R"(=([xyab])\^2([+-]\d+)([xyab])\+(\d+))");
      ASSERT_TRUE(std::regex_match(d[4].text, m, result)) << d[4].text;
      EXPECT_EQ(m[1], L);
      EXPECT_EQ(m[3], L);
      EXPECT_EQ(std::stoi(m[2]), (sign == '+' ? 2 : -2) * n);
      EXPECT_EQ(std::stoi(m[4]), n * n);
      // Places, colours and the three key waits.
      EXPECT_EQ(d[1].x, 88);
      EXPECT_EQ(d[1].y, 98);
      EXPECT_EQ(d[1].colour, 0);
      EXPECT_EQ(d[2].x, 176);
      EXPECT_EQ(d[2].y, 178);
      EXPECT_EQ(d[2].colour, 3);
      EXPECT_EQ(d[3].x, 88);
      EXPECT_EQ(d[3].y, 258);
      EXPECT_EQ(d[3].colour, 0);
      EXPECT_EQ(d[4].x, 88);
      EXPECT_EQ(d[4].y, 338);
      EXPECT_EQ(d[4].colour, 5);
      EXPECT_EQ(d[2].keys, d[1].keys + 1);
      EXPECT_EQ(d[3].keys, d[2].keys + 1);
      EXPECT_EQ(d[4].keys, d[3].keys + 1);
      ++shown;
      ++inRun;
    }
    EXPECT_EQ(shown, first + second);
    EXPECT_EQ(run.KeyWaits(), 3 * (first + second));
  }
  EXPECT_EQ(letters, (std::set<std::string>{"x", "y", "a", "b"}));
  EXPECT_EQ(numbers.size(), 8u);
}

TEST(FennorChapter2, ExampleCardAndClosingLine) {
  Session run = RunFennor(Type("2") + Type("3") + ExampleKeys(2) + Type("5") + Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  ExpectInOrder(run, {
                         {"公式2,3", 748, 30, 3},
                         {" (x±a)^2", 748, 110, 5},
                         {"=x^2±2ax+a^2", 748, 180, 5},
                         {"2倍  ２乗", 852, 230, 3},
                     });
  EXPECT_EQ(run.Count(kPageWipe), 1);
  EXPECT_EQ(run.Count("fill x1=0 y1=0 x2=704 y2=1300 border=15 fill=15"), 2);
  const Drawn& last = run.LastBeforeMenu();
  EXPECT_EQ(last.text, "教科書P18 問3　をしなさい。");
  EXPECT_EQ(last.x, 44);
  EXPECT_EQ(last.y, 570);
  EXPECT_EQ(last.colour, 0);
  EXPECT_EQ(last.keys, run.drawn[run.Find("教科書P18 問3　をしなさい。") - 1].keys + 2);  // "1" and Enter
}

// ------------------------------------------------------ items ② and ④

TEST(FennorChapter2, Formula3DerivationPage) {
  Session run = RunFennor(Type("2") + Type("2") + Spaces(7) + Type("5") + Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  int first = run.Find("問2の解答");
  ASSERT_GE(first, 0);
  const std::vector<Expected> page = {
      {"問2の解答", 44, 30, 5},
      {"(x-a)^2", 88, 110, 5},
      {"=(x-a)(x-a)", 44, 170, 0},
      {"=x^2+(-a-a)x+a*a", 44, 230, 0},
      {"=", 44, 290, 0},
      {"x^2-2ax+a^2", 0, 290, 5},
      {"公式3　(x-a)^2=x^2-2ax+a^2", 44, 470, 3},
      {"公式2　(x+a)^2=x^2+2ax+a^2", 44, 410, 3},
      {"2倍  2乗", 460, 360, 5},
  };
  std::vector<Drawn> shown = Slice(run, first);
  ASSERT_EQ(shown.size(), page.size());
  // A key after rows 1, 2, 3, 4, 6, 7 and 8.
  const int keys[] = {0, 1, 2, 3, 4, 4, 5, 6, 7};
  for (size_t i = 0; i < page.size(); ++i) {
    EXPECT_EQ(shown[i].text, page[i].text);
    if (i != 5) {
      EXPECT_EQ(shown[i].x, page[i].x) << page[i].text;
    }
    EXPECT_EQ(shown[i].y, page[i].y) << page[i].text;
    EXPECT_EQ(shown[i].colour, page[i].colour) << page[i].text;
    EXPECT_EQ(shown[i].keys - shown[0].keys, keys[i]) << page[i].text;
  }
  EXPECT_GT(shown[5].x, 44 + 16);  // right after the "="
  EXPECT_EQ(run.KeyWaits(), 7);
  EXPECT_EQ(run.Count(kPageWipe), 1);
}

TEST(FennorChapter2, Question3AnswerPage) {
  Session run = RunFennor(Type("2") + Type("4") + Spaces(17) + Type("5") + Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  int first = run.Find("問3解答 ");
  ASSERT_GE(first, 0);
  struct Row {
    Expected e;
    int keys;  // keys pressed before it since the heading
  };
  const Row page[] = {
      {{"問3解答 ", 84, 20, 3}, 0},
      {{"(1)", 30, 70, 3}, 0},
      {{"(x+6)^2", -1, 70, 0}, 0},
      {{"=x^2+2*6*x+6^2", 84, 120, 0}, 1},
      {{"=x^2+12x+36", 84, 170, 5}, 2},
      {{"(2)", 30, 230, 3}, 3},
      {{"(a+9)^2", -1, 230, 0}, 3},
      {{"=a^2+2*9*a+9^2", 84, 280, 0}, 4},
      {{"=a^2+18a+81", 84, 330, 5}, 5},
      {{"(3)", 30, 390, 3}, 6},
      {{"(x-5)^2", -1, 390, 0}, 6},
      {{"=x^2-2*5*x+5^2", 84, 440, 0}, 7},
      {{"=x^2-10x+25", 84, 490, 5}, 8},
      {{"(4)", 600, 20, 3}, 9},
      {{"(y-7)^2", -1, 20, 0}, 9},
      {{"=y^2-2*7*y+7^2", 654, 70, 0}, 10},
      {{"=y^2-14y+49", 654, 120, 5}, 11},
      {{"(5)", 600, 180, 3}, 12},
      {{"(x+ﾀ1/3ﾀ)^2", -1, 180, 0}, 12},
      {{"=x^2+2*ﾀ1/3ﾀ*x+(ﾀ1/3ﾀ)\\2", 654, 250, 0}, 13},
      {{"=x^2+ﾀ2/3ﾀx+ﾀ1/9ﾀ", 654, 320, 5}, 14},
      {{"(6)", 600, 390, 3}, 15},
      {{"(a-b)^2", -1, 390, 0}, 15},
      {{"=a^2-2*b*a+b^2", 654, 440, 0}, 16},
      {{"=a^2-2ab+b^2", 654, 490, 5}, 17},
  };
  std::vector<Drawn> shown = Slice(run, first);
  ASSERT_EQ(shown.size(), std::size(page));
  for (size_t i = 0; i < shown.size(); ++i) {
    const Expected& e = page[i].e;
    EXPECT_EQ(shown[i].text, e.text);
    if (e.x >= 0) {
      EXPECT_EQ(shown[i].x, e.x) << e.text;
    } else {
      EXPECT_GT(shown[i].x, shown[i - 1].x) << e.text;  // right after its number
    }
    EXPECT_EQ(shown[i].y, e.y) << e.text;
    EXPECT_EQ(shown[i].colour, e.colour) << e.text;
    EXPECT_EQ(shown[i].keys - shown[0].keys, page[i].keys) << e.text;
  }
  EXPECT_EQ(run.KeyWaits(), 17);
}

TEST(FennorChapter2, TallBracketsOnlyInTheFifthFormulaLine) {
  // The brackets of (1/3)^2 are drawn tall, those of the other lines and of
  // block (6) in the normal size: the tall flag is set at each text's start
  // only for that one line.
  std::vector<std::pair<std::string, float>> flags;
  Session run = RunFennor(Spaces(17), "10:20:30", [&](RecordingFennor& f) {
    f.onDraw = [&](RecordingFennor& g) { flags.emplace_back(plat::ToUtf8(g.gPrintText), g.gTallBrackets); };
    f.ShowFormulas23Q3Answers();
    flags.emplace_back("after", f.gTallBrackets);
  });
  ASSERT_FALSE(flags.empty());
  for (const auto& [text, tall] : flags)
    EXPECT_EQ(tall, text == "=x^2+2*ﾀ1/3ﾀ*x+(ﾀ1/3ﾀ)\\2" ? 1 : 0) << text;
}

}  // namespace
