// Fennor's chapter 7 (mixed operations): goal and sub-menu, the worked
// example with its line laid out in the background colour, the random
// practice read back as polynomials over every start seed, forced problems,
// and the pages of question 10 and of the cube of a binomial.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>

#include "tests/fennor_testing.h"

namespace {

using namespace fennor_testing;

const std::string kWholeWipe = "fill x1=0 y1=0 x2=1760 y2=1800 border=15 fill=15";
const char* const kGoal = "3(x+5)^2-(x+3)(x-3) のような式を計算しよう。";
const char* const kPracticeHeading = "例7　次の式を計算しなさい。";
const char* const kClosing = "教科書P21 問10　をしなさい。";

// ------------------------------------------------------------ frame

TEST(FennorChapter7, GoalThenSubMenuUntilItsEndItem) {
  // 0, 5, -1 and 1/0 (read as 0) show the item line again; 4 leads back to
  // the main menu, and 7 there shows the goal again.
  Session run = RunFennor(Type("7") + Type("0") + Type("5") + Type("-1") + Type("1/0") + Type("4") + Type("7") +
                          Type("4") + Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  std::vector<Expected> goal = {{"<めあて>", 44, 240, 5}, {kGoal, 44, 305, 0}};
  ExpectInOrder(run, goal, kMenuLines.size());
  ExpectInOrder(run, goal, 2 * kMenuLines.size() + goal.size());
  EXPECT_EQ(run.drawn.size(), 3 * kMenuLines.size() + 2 * goal.size());
  EXPECT_EQ(ItemLines(run), 6);
  EXPECT_EQ(run.Boards(), 3);
  EXPECT_EQ(run.KeyWaits(), 0);
  // The chapter is entered on a wiped page and draws no wipe of its own.
  EXPECT_EQ(run.Count(kWholeWipe), 5);
}

TEST(FennorChapter7, ItemsStartWithTheChoiceKeptAndTheStepValueTen) {
  float choice = 0, step = 0;
  Session run = RunFennor(Type("3") + Spaces(6) + Type("4"), "10:20:30", [&](RecordingFennor& f) {
    f.onDraw = [&](RecordingFennor& g) {
      if (g.gPrintText == plat::FromUtf8("　次の式を展開しなさい。")) {
        choice = g.gFennorSubMenuChoice;
        step = g.gInputValue;
      }
    };
    f.StartMixedOperationsChapter();
  });
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(choice, 3);
  EXPECT_EQ(step, 10);
}

// ------------------------------------------------------------ worked example

TEST(FennorChapter7, WorkedExampleRevealsTheHiddenPiecesInTheirGaps) {
  // "7" Enter "1" Enter, then ten keys, then one practice problem.
  Session run = RunFennor(Type("7") + Type("1") + Spaces(10) + Spaces(5) + Type("1") + Type("4") + Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.KeyWaits(), 10 + 5);
  int h = run.Find("例7　次の式を計算しなさい。");
  ASSERT_GE(h, 0);
  const Drawn* d = &run.drawn[h];
  EXPECT_EQ(d[0].x, 22);
  EXPECT_EQ(d[0].y, 30);
  EXPECT_EQ(d[0].colour, 0);
  ExpectInOrder(run,
                {
                    {"①", 44, 100, 3},
                    {"2(x+5)^2-(x+3)(x-3)", 88, 100, 0},
                    {"(x+5)^2 と(x+3)(x-3) を展開する", 220, 150, 3},
                    {"=", 44, 230, 0},
                },
                h);
  // The laid-out line: the pieces in the order k = 8, 1, 2 ... 7, one after
  // another on y 230, six of them in the background colour.
  int e = run.Find("=", h);
  const char* pieces[] = {"2", "(", "x^2+10x+25", ")", "-", "(", "x^2-9", ")"};
  const int colours[] = {15, 15, 0, 15, 15, 15, 0, 15};
  const int slot[] = {8, 1, 2, 3, 4, 5, 6, 7};
  std::map<int, float> x;  // by k
  for (int i = 0; i < 8; ++i) {
    const Drawn& p = run.drawn[e + 1 + i];
    EXPECT_EQ(p.text, pieces[i]);
    EXPECT_EQ(p.colour, colours[i]) << i;
    EXPECT_EQ(p.y, 230);
    EXPECT_GT(p.x, i == 0 ? 44.0f : run.drawn[e + i].x);
    EXPECT_EQ(p.keys, run.drawn[e].keys);
    x[slot[i]] = p.x;
  }
  EXPECT_EQ(run.drawn[e].keys, 4 + 2);
  // Each hidden piece drawn again, visibly, at its own x: the factor and the
  // minus sign a key later, then one pair of brackets a key.
  struct Reveal {
    int k;
    const char* text;
    int colour, keys;
  };
  const Reveal reveals[] = {{8, "2", 0, 7}, {4, "-", 0, 7}, {1, "(", 5, 8}, {3, ")", 5, 8}, {5, "(", 5, 9}, {7, ")", 5, 9}};
  const Drawn* r = &run.drawn[e + 9];
  for (const Reveal& v : reveals) {
    EXPECT_EQ(r->text, v.text);
    EXPECT_EQ(r->x, x[v.k]) << v.text;
    EXPECT_EQ(r->y, 230);
    EXPECT_EQ(r->colour, v.colour);
    EXPECT_EQ(r->keys, v.keys);
    ++r;
  }
  EXPECT_EQ(r->text, "( )をつける");
  EXPECT_EQ(r->x, x[7] + 88);
  EXPECT_EQ(r->y, 230);
  EXPECT_EQ(r->colour, 5);
  EXPECT_EQ(r->keys, 9);
  ++r;
  // The rest, one line a key, the hint 88 right of the end of its line.
  EXPECT_EQ(r[0].text, "=2x^2+20x+50-x^2+9");
  EXPECT_EQ(r[0].x, 44);
  EXPECT_EQ(r[0].y, 310);
  EXPECT_EQ(r[0].keys, 10);
  EXPECT_EQ(r[1].text, "同類項をまとめる");
  EXPECT_GT(r[1].x, 44 + 88);
  EXPECT_EQ(r[1].y, 310);
  EXPECT_EQ(r[1].colour, 3);
  EXPECT_EQ(r[1].keys, 11);
  ExpectInOrder(run, {{"=2x^2-x^2+20x+50+9", 44, 390, 0}, {"=x^2+20x+59", 44, 470, 5}}, e);
  EXPECT_EQ(run.drawn[run.Find("=x^2+20x+59", e)].keys, 13);
  // The practice starts at the tenth key.
  int p = run.Find(kPracticeHeading, h + 1);
  ASSERT_GT(p, h);
  EXPECT_EQ(run.drawn[p].keys, 14);
  // Every line of the example reads as its problem; the revealed line in the
  // order of its x reads so too.
  std::string revealed = "=";
  std::vector<std::pair<float, std::string>> byX;
  for (int i = 0; i < 8; ++i) byX.emplace_back(run.drawn[e + 1 + i].x, pieces[i]);
  std::sort(byX.begin(), byX.end());
  for (const auto& [px, text] : byX) revealed += text;
  EXPECT_EQ(revealed, "=2(x^2+10x+25)-(x^2-9)");
  for (const char* line : {revealed.c_str(), "=2x^2+20x+50-x^2+9", "=2x^2-x^2+20x+50+9", "=x^2+20x+59"})
    EXPECT_TRUE(SamePolynomial(line, "2(x+5)^2-(x+3)(x-3)")) << line;
  // Item ① wipes the whole page (besides the menu's wipes and the one
  // before the chapter).
  EXPECT_EQ(run.Count(kWholeWipe), run.Boards() + 1 + 1);
}

// ------------------------------------------------------------ practice

struct Problem {
  int a, b, d;
  std::string factor;
};

// Checks one practice problem from its heading at `h`: the places, the key
// for each line and every line against the problem as a polynomial.
Problem CheckPracticeProblem(const Session& run, int h, bool sumTimesDifference) {
  static const std::regex problem(R"(\(x([+-]\d)\)\(x([+-]\d)\)([+-]\d?)\(x([+-]\d)\)\^2)");
  const Drawn* d = &run.drawn[h];
  EXPECT_EQ(d[0].x, 132);
  EXPECT_EQ(d[0].y, 18);
  EXPECT_EQ(d[0].colour, 3);
  EXPECT_EQ(d[1].text, "②");
  EXPECT_EQ(d[1].x, 132);
  EXPECT_EQ(d[1].y, 98);
  EXPECT_EQ(d[1].colour, 3);
  std::smatch m;
  Problem p{};
  if (!std::regex_match(d[2].text, m, problem)) {
    ADD_FAILURE() << d[2].text;
    return p;
  }
  p = {std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[4]), m[3]};
  EXPECT_EQ(d[2].x, 220);
  EXPECT_EQ(d[2].y, 98);
  EXPECT_EQ(d[2].colour, 0);
  // Line 1, its continuation right behind it, lines 2 and 3 and the result,
  // a key before each.
  EXPECT_EQ(d[3].x, 176);
  EXPECT_EQ(d[3].y, 168);
  EXPECT_GT(d[4].x, 176);
  EXPECT_EQ(d[4].y, 168);
  EXPECT_EQ(d[5].x, 176);
  EXPECT_EQ(d[5].y, 238);
  EXPECT_EQ(d[6].x, 176);
  EXPECT_EQ(d[6].y, 308);
  EXPECT_EQ(d[7].x, 176);
  EXPECT_EQ(d[7].y, 378);
  for (int i = 3; i <= 7; ++i) {
    EXPECT_EQ(d[i].keys, d[2].keys + i - 2) << d[i].text;
    EXPECT_EQ(d[i].colour, i == 7 ? 5 : 0) << d[i].text;
  }
  const std::string& problemText = d[2].text;
  const std::string line1 = d[3].text + d[4].text;
  for (const std::string& line : {line1, d[5].text, d[6].text, d[7].text})
    EXPECT_TRUE(SamePolynomial(line, problemText)) << problemText << " " << line;
  EXPECT_EQ(d[4].text.rfind(p.factor + "(x^2", 0), 0u) << d[4].text;
  // No unit coefficient written out, no zero term, no doubled sign; the
  // result leads with its first term.
  static const std::regex unit(R"((^|[^0-9])1x)"), zero(R"((^|[^0-9])0x|[+-]0$|[+-]0[+-])"), doubled(R"([+-][+-])");
  for (int i = 3; i <= 7; ++i) {
    EXPECT_FALSE(std::regex_search(d[i].text, unit)) << d[i].text;
    EXPECT_FALSE(std::regex_search(d[i].text, zero)) << d[i].text;
    EXPECT_FALSE(std::regex_search(d[i].text, doubled)) << d[i].text;
  }
  EXPECT_NE(d[7].text.rfind("=+", 0), 0u) << d[7].text;
  EXPECT_GT(d[7].text.size(), 1u);
  if (sumTimesDifference) {
    EXPECT_EQ(p.b, -p.a) << problemText;
    static const std::regex noXTerm(R"(=x\^2-\d+)");
    EXPECT_TRUE(std::regex_match(d[3].text, noXTerm)) << d[3].text;
  }
  return p;
}

TEST(FennorChapter7, PracticeAnswersAreTheTrueExpansionOverEveryStartSeed) {
  const int problems = 6;
  std::string keys = Type("7") + Type("1") + Spaces(10);
  for (int i = 1; i <= problems; ++i) keys += Spaces(5) + Type(i < problems ? "2" : "1");
  keys += Type("4") + Type("10");
  std::set<std::string> factors;
  std::set<int> as, bs, ds;
  for (const std::string& time : SeedTimes(1)) {
    SCOPED_TRACE(time);
    Session run = RunFennor(keys, time);
    ASSERT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(run.KeyWaits(), 10 + 5 * problems);
    int shown = 0;
    for (int h = run.Find(kPracticeHeading, run.Find(kPracticeHeading) + 1); h >= 0;
         h = run.Find(kPracticeHeading, h + 1)) {
      Problem p = CheckPracticeProblem(run, h, shown % 2 == 1);
      EXPECT_TRUE(std::set<int>({-4, -3, -2, -1, 1, 2, 3, 4, 7, 8, 9}).count(p.a)) << p.a;
      if (shown % 2 == 0) {
        EXPECT_TRUE(std::abs(p.b) >= 2 && std::abs(p.b) <= 5) << p.b;
        EXPECT_NE(p.a, p.b);
        bs.insert(p.b);
      }
      EXPECT_TRUE(p.d != 0 && std::abs(p.d) <= 5) << p.d;
      as.insert(p.a);
      ds.insert(p.d);
      factors.insert(p.factor);
      ++shown;
    }
    EXPECT_EQ(shown, problems);
  }
  EXPECT_EQ(factors, (std::set<std::string>{"+", "-", "+2", "+3", "-2", "-3"}));
  EXPECT_EQ(as.size(), 11u);
  EXPECT_EQ(bs.size(), 8u);
  EXPECT_EQ(ds.size(), 10u);
}

TEST(FennorChapter7, ForcedProblemsShowTheirWorkedLines) {
  struct Case {
    int a, b, d, k;
    const char *problem, *line1, *continued, *line2, *line3, *result;
  };
  const Case cases[] = {
      {3, -2, 1, -2, "(x+3)(x-2)-2(x+1)^2", "=x^2+x-6", "-2(x^2+2x+1)", "=x^2+x-6-2x^2-4x-2", "=x^2-2x^2+x-4x-6-2",
       "=-x^2-3x-8"},
      {8, 3, -2, 1, "(x+8)(x+3)+(x-2)^2", "=x^2+11x+24", "+(x^2-4x+4)", "=x^2+11x+24+x^2-4x+4",
       "=x^2+x^2+11x-4x+24+4", "=2x^2+7x+28"},
      {1, -4, 5, 3, "(x+1)(x-4)+3(x+5)^2", "=x^2-3x-4", "+3(x^2+10x+25)", "=x^2-3x-4+3x^2+30x+75",
       "=x^2+3x^2-3x+30x-4+75", "=4x^2+27x+71"},
      {-1, 2, -1, 1, "(x-1)(x+2)+(x-1)^2", "=x^2+x-2", "+(x^2-2x+1)", "=x^2+x-2+x^2-2x+1", "=x^2+x^2+x-2x-2+1",
       "=2x^2-x-1"},
      // Without an x^2 term the positive x term leads.
      {-1, 2, -1, -1, "(x-1)(x+2)-(x-1)^2", "=x^2+x-2", "-(x^2-2x+1)", "=x^2+x-2-x^2+2x-1", "=x^2-x^2+x+2x-2-1",
       "=3x-3"},
      // The constant alone.
      {-1, 3, 1, -1, "(x-1)(x+3)-(x+1)^2", "=x^2+2x-3", "-(x^2+2x+1)", "=x^2+2x-3-x^2-2x-1", "=x^2-x^2+2x-2x-3-1",
       "=-4"},
      {9, -9, 2, -1, "(x+9)(x-9)-(x+2)^2", "=x^2-81", "-(x^2+4x+4)", "=x^2-81-x^2-4x-4", "=x^2-x^2-4x-81-4",
       "=-4x-85"},
      {-1, 2, -1, 2, "(x-1)(x+2)+2(x-1)^2", "=x^2+x-2", "+2(x^2-2x+1)", "=x^2+x-2+2x^2-4x+2",
       "=x^2+2x^2+x-4x-2+2", "=3x^2-3x"},
      {-1, -3, -1, -2, "(x-1)(x-3)-2(x-1)^2", "=x^2-4x+3", "-2(x^2-2x+1)", "=x^2-4x+3-2x^2+4x-2",
       "=x^2-2x^2-4x+4x+3-2", "=-x^2+1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.problem);
    float width = 0, colour = 0;
    Session run = RunFennor(Spaces(5), "10:20:30", [&](RecordingFennor& f) {
      f.gTermValue(1) = static_cast<float>(c.a);
      f.gTermValue(2) = static_cast<float>(c.b);
      f.gTermValue(3) = static_cast<float>(c.d);
      f.gTermValue2(11) = static_cast<float>(c.k);
      f.ShowMixedOperationsProblem();
      width = static_cast<float>(f.scr.GetDrawWidth(0));
      colour = f.gTextColour;
    });
    ASSERT_EQ(run.drawn.size(), 8u);
    const Drawn* d = run.drawn.data();
    EXPECT_EQ(d[2].text, c.problem);
    EXPECT_EQ(d[3].text, c.line1);
    EXPECT_EQ(d[4].text, c.continued);
    EXPECT_EQ(d[5].text, c.line2);
    EXPECT_EQ(d[6].text, c.line3);
    EXPECT_EQ(d[7].text, c.result);
    EXPECT_EQ(d[7].keys, 5);
    // The page wiped with the pen width 5 that stays set afterwards.
    EXPECT_EQ(run.Count("fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15 width=5"), 1);
    EXPECT_EQ(width, 5);
    EXPECT_EQ(colour, 5);
  }
}

TEST(FennorChapter7, PracticeEndsWithTheClosingLineAndTheItemLine) {
  Session run = RunFennor(Type("7") + Type("1") + Spaces(10) + Spaces(5) + Type("3") + Spaces(5) + Type("1") +
                          Type("4") + Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.KeyWaits(), 20);
  EXPECT_EQ(run.Count("fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15"), 2);
  const Drawn& last = run.LastBeforeMenu();
  EXPECT_EQ(last.text, kClosing);
  EXPECT_EQ(last.x, 132);
  EXPECT_EQ(last.y, 570);
  EXPECT_EQ(last.colour, 7);
  // Right after "1" Enter, and the item line with no key wait between.
  EXPECT_EQ(last.keys, 4 + 10 + 5 + 2 + 5 + 2);
  EXPECT_EQ(ItemLines(run), 2);
  // The practice restarts its count at every visit: two visits show b = -a
  // in their second problems only.
  Session twice = RunFennor(Type("7") + Type("1") + Spaces(10) + Spaces(5) + Type("2") + Spaces(5) + Type("1") +
                            Type("1") + Spaces(10) + Spaces(5) + Type("2") + Spaces(5) + Type("1") + Type("4") +
                            Type("10"));
  ASSERT_EQ(twice.keysLeft, 0u);
  int shown = 0;
  for (int h = twice.Find(kPracticeHeading); h >= 0; h = twice.Find(kPracticeHeading, h + 1)) {
    if (twice.drawn[h].colour != 3) continue;  // the worked example's heading
    CheckPracticeProblem(twice, h, shown % 2 == 1);
    ++shown;
  }
  EXPECT_EQ(shown, 4);
}

// ------------------------------------------------------------ question 10 and the cube

TEST(FennorChapter7, Question10AnswerPageOneRowAKey) {
  Session run = RunFennor(Type("7") + Type("2") + Spaces(9) + Type("2") + Spaces(9) + Type("4") + Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.KeyWaits(), 18);
  EXPECT_EQ(ItemLines(run), 3);
  EXPECT_EQ(run.Count(kWholeWipe), run.Boards() + 1 + 2);
  // Rows: the first piece at its x, the others right behind it on its y.
  struct Row {
    float x, y;
    std::vector<std::pair<std::string, int>> pieces;
  };
  const Row rows[] = {
      {94, 30, {{"問10 解答", 3}}},
      {40, 80, {{"(1)", 3}, {"(x-2)^2+(x+4)(x+1)", 0}}},
      {94, 130, {{"=x^2-4x+4+", 0}, {"(", 5}, {"x^2+5x+4", 0}, {")", 5}}},
      {94, 180, {{"=x^2-4x+4+x^2+5x+4", 0}}},
      {94, 230, {{"=x^2+x^2-4x+5x+4+4", 0}}},
      {94, 280, {{"=2x^2+x+8", 5}}},
      {40, 350, {{"(2)", 3}, {"2(x+1)(x-1)-(x-3)(x+2)", 0}}},
      {94, 400, {{"=2", 0}, {"(", 5}, {"x^2-1", 0}, {")", 5}, {"-", 0}, {"(", 5}, {"x^2-x-6", 0}, {")", 5}}},
      {94, 450, {{"=2x^2-2-x^2+x+6", 0}}},
      {94, 500, {{"=2x^2-x^2+x-2+6", 0}}},
      {94, 550, {{"=x^2+x+4", 5}}},
  };
  for (int visit = 0; visit < 2; ++visit) {
    int i = run.Find("問10 解答", visit == 0 ? 0 : run.Find("問10 解答") + 1);
    ASSERT_GE(i, 0);
    const int start = 4 + visit * 11;  // keys before the page
    std::string problem;
    for (size_t r = 0; r < std::size(rows); ++r) {
      const Row& row = rows[r];
      std::string line;
      for (size_t k = 0; k < row.pieces.size(); ++k, ++i) {
        const Drawn& d = run.drawn[i];
        EXPECT_EQ(d.text, row.pieces[k].first);
        EXPECT_EQ(d.colour, row.pieces[k].second) << d.text;
        EXPECT_EQ(d.y, row.y) << d.text;
        if (k == 0) {
          EXPECT_EQ(d.x, row.x) << d.text;
        } else {
          EXPECT_GT(d.x, run.drawn[i - 1].x) << d.text;
        }
        // Rows 1 and 2 at once, then a key before each row.
        EXPECT_EQ(d.keys, start + std::max(0, static_cast<int>(r) - 1)) << d.text;
        line += d.text;
      }
      if (row.x == 40) {
        problem = line.substr(3);
      } else if (r > 0) {
        EXPECT_TRUE(SamePolynomial(line, problem)) << line;
      }
    }
  }
}

TEST(FennorChapter7, CubePageSixKeysThenTheItemLine) {
  Session run = RunFennor(Type("7") + Type("3") + Spaces(6) + Type("4") + Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.KeyWaits(), 6);
  EXPECT_EQ(ItemLines(run), 2);
  std::vector<Expected> rows = {
      {"　次の式を展開しなさい。", 22, 30, 0},
      {"(x+a)^3", 88, 100, 0},
      {"(x+a)^2*(x+a) として計算する", 220, 150, 3},
      {"=(x+a)^2*(x+a)", 44, 230, 0},
      {"=(x^2+2ax+a^2)(x+a)", 44, 310, 0},
      {"=x^2(x+a)+2ax(x+a)+a^2(x+a)", 44, 390, 0},
      {"=x^3+ax^2+2ax^2+2a^2x+a^2x+a^3", 44, 470, 0},
      {"=x^3+3ax^2+3a^2x+a^3", 44, 550, 5},
  };
  std::vector<Drawn> page = Slice(run, run.Find(rows[0].text));
  ASSERT_EQ(page.size(), rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(page[i].text, rows[i].text);
    EXPECT_EQ(page[i].x, rows[i].x) << rows[i].text;
    EXPECT_EQ(page[i].y, rows[i].y) << rows[i].text;
    EXPECT_EQ(page[i].colour, rows[i].colour) << rows[i].text;
    EXPECT_EQ(page[i].keys, 4 + std::max(0, static_cast<int>(i) - 1)) << rows[i].text;
    if (i >= 3) {
      EXPECT_TRUE(SamePolynomial(page[i].text, "(x+a)^3")) << page[i].text;
    }
  }
}

}  // namespace
