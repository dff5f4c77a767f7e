// Jorrel, chapter 4: formula 4 used backwards and the mixed practice of the
// four formulas. Fixed pages are compared with their texts at the stated
// places; the random items are read back from what they drew, checked by
// multiplying out, and the mixed practice's draws replayed on the platform's
// generator with the seed of the time of day.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/jorrel_testing.h"

namespace {

using namespace jorrel_testing;

// ---------------------------------------------------------------------------
// Goal screen and sub-menu

TEST(JorrelChapter4, GoalThenSubMenuUntilItsEndItem) {
  float input = 0;
  Session run = RunProbe("0 Enter 8 Enter - 1 Enter 7 Enter", [&](Probe& p) {
    p.StartFormula4BackwardsChapter();
    input = p.gInputValue;
  });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.keysLeft, 0u);
  ExpectInOrder(run.shown, {{"<めあて>", 44, 240, 3},
                            {"1 公式4を逆に使って、因数分解しよう。", 76, 305, 0},
                            {"2 公式の使い分けができるようになろう。", 76, 370, 0}});
  EXPECT_EQ(run.shown.size(), 3u);
  EXPECT_EQ(CountPrefix(run.lines, "text x=16 y=666 "), 4);
  // This sub-menu leaves the typed number in the step variable.
  EXPECT_EQ(input, 7);
}

// ---------------------------------------------------------------------------
// Item ①: the task

TEST(JorrelChapter4, TaskTablesListTheSplittingsOfMinusASquareOverManySeeds) {
  const int n = 4;
  std::string keys;
  for (int i = 1; i <= n; ++i) keys += Keys("Space", 5) + (i < n ? "2 Enter " : "1 Enter ");
  keys += Keys("Space", 3);
  std::set<int> sizes;
  for (const std::string& time : SeedTimes(2)) {
    SCOPED_TRACE(time);
    Session run = RunProbe(keys, [](Probe& p) { p.ShowFormula4BackwardsTask(); }, time);
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(KeyWaits(run.lines), 5 * n + 3);
    const auto& s = run.shown;
    int problems = 0;
    for (size_t i = 0; i < s.size(); ++i) {
      if (s[i].x != 80 || s[i].y != 110) continue;
      ++problems;
      EXPECT_EQ(s[i - 1].text, "問　次の式を因数分解しなさい。");
      EXPECT_EQ(s[i - 1].x, 40);
      EXPECT_EQ(s[i - 1].y, 30);
      ASSERT_EQ(s[i].text.rfind(" x^2-", 0), 0u) << s[i].text;
      const int square = std::stoi(s[i].text.substr(5));
      const int a = static_cast<int>(std::lround(std::sqrt(square)));
      ASSERT_EQ(a * a, square);
      EXPECT_TRUE(a >= 1 && a <= 9);
      sizes.insert(a);
      // Headers, then the rows (d, -e) and (-d, e) but for the last, marked
      // "○" only on a and -a.
      EXPECT_EQ(s[i + 1].text, "積が-" + std::to_string(square));
      EXPECT_EQ(s[i + 2].text, "和が0");
      EXPECT_EQ(s[i + 1].keys, s[i].keys + 1);
      std::vector<std::string> rows = CandidateRows(-square);
      rows.pop_back();
      const size_t count = rows.size();
      ASSERT_LT(i + 3 + 2 * count, s.size());
      for (size_t k = 0; k < count; ++k) {
        EXPECT_EQ(s[i + 3 + k].text, rows[k]);
        const bool wanted = rows[k] == std::to_string(a) + "と-" + std::to_string(a);
        EXPECT_EQ(s[i + 3 + count + k].text, wanted ? "○" : "×") << rows[k];
      }
      const Shown& answer = s[i + 3 + 2 * count];
      EXPECT_EQ(answer.text, "=(x+" + std::to_string(a) + ")(x-" + std::to_string(a) + ")");
      EXPECT_EQ(answer.x, 80);
      EXPECT_EQ(answer.y, 190);
      EXPECT_EQ(answer.colour, 5);
      EXPECT_EQ(answer.keys, s[i].keys + 4);
      EXPECT_EQ(ExpandAnswer(answer.text), Parse(s[i].text.substr(1)));
    }
    EXPECT_EQ(problems, n);
    ExpectInOrder(s, {{"問　どんなことがいえますか。", 40, 270, 0},
                      {"2乗-2乗のときは、", 80, 350, 3},
                      {"和と差の積になる。", 80, 410, 3},
                      {"公式4' x^2-a^2=(x+a)(x-a)", 80, 490, 5}});
    EXPECT_EQ(s.back().text, "公式4' x^2-a^2=(x+a)(x-a)");
  }
  EXPECT_EQ(sizes.size(), 9u);
}

TEST(JorrelChapter4, TaskRowCountsBySize) {
  // 2k - 1 rows for the k divisor pairs of a^2: 1, 3, 3, 5, 3, 9, 3, 7, 5.
  const int expected[] = {1, 3, 3, 5, 3, 9, 3, 7, 5};
  for (int a = 1; a <= 9; ++a) EXPECT_EQ(CandidateRows(-a * a).size() - 1, static_cast<size_t>(expected[a - 1])) << a;
  // a = 3: -3と3 is not listed.
  std::vector<std::string> rows = CandidateRows(-9);
  rows.pop_back();
  EXPECT_EQ(rows, (std::vector<std::string>{"1と-9", "3と-3", "-1と9"}));
}

// ---------------------------------------------------------------------------
// Items ②, ③, ⑤ and ⑥: example 4 and the answer pages

TEST(JorrelChapter4, ExampleFourAndTheAnswerPages) {
  struct Page {
    void (lesson::Jorrel::*show)();
    int keys;
    std::vector<Expected> texts;  // in order; the last is the last drawn
  };
  const float q7x[] = {Expr(44, 105, 0, "(1) x^2-16 ").endX, Expr(44, 180, 0, "(2) x^2+8x+16 ").endX,
                       Expr(44, 255, 0, "(3) x^2-8x+16 ").endX, Expr(44, 330, 0, "(4) x^2-10x+16 ").endX};
  const Page pages[] = {
      {&lesson::Jorrel::ShowFormula4BackwardsExample,
       3,
       {{"問 次の式を因数分解しなさい。", 40, 30, 0},
        {"(1) x^2-25", 40, 100, 0},
        {"=x^2-5^2", 80, 170, 0},
        {"=(x+5)(x-5)", 80, 240, 5},
        {"教科書P28 問５　をしなさい。", 132, 570, 0}}},
      {&lesson::Jorrel::ShowTextbookQ5Answers,
       4,
       {{"問5の解答", 44, 30, 3},
        {"(1) x^2-36=(x+6)(x-6)", 44, 105, 0},
        {"(2) a^2-4=(a+2)(a-2)", 44, 180, 0},
        {"(3) x^2-1=(x+1)(x-1)", 44, 255, 0},
        {"(4) 16-y^2=(4+y)(4-y)", 44, 330, 0}}},
      {&lesson::Jorrel::ShowTextbookQ6Answers,
       6,
       {{"問6の解答", 44, 30, 3},
        {"(1) x^2-3x+2=(x-2)(x-1)", 44, 105, 0},
        {"(2) x^2-64=(x+8)(x-8)", 44, 180, 0},
        {"(3) y^2-4y+4=(y-2)^2", 44, 255, 0},
        {"(4) x^2-5x-24=(x-8)(x+3)", 44, 330, 0},
        {"(5) x^2+13x+36=(x+4)(x+9)", 44, 405, 0},
        {"(6) a^2+22a+121=(a+11)^2", 44, 480, 0}}},
      {&lesson::Jorrel::ShowTextbookQ7Answers,
       4,
       {{"問7の解答", 44, 30, 3},
        {"(1) x^2-16 ", 44, 105, 0},
        {"公式4'(2乗－2乗 だから)", q7x[0], 105, 3},
        {"(2) x^2+8x+16 ", 44, 180, 0},
        {"公式2'(8=2*4,16=4^2で＋ だから)", q7x[1], 180, 3},
        {"(3) x^2-8x+16 ", 44, 255, 0},
        {"公式3'(8=2*4,16=4^2で－ だから)", q7x[2], 255, 3},
        {"(4) x^2-10x+16 ", 44, 330, 0},
        {"公式1'(16=4^2でも10≠2*4 だから)", q7x[3], 330, 3}}},
  };
  for (const Page& page : pages) {
    SCOPED_TRACE(page.texts.front().text);
    Session run = RunProbe(Keys("Space", page.keys), [&](Probe& p) { (p.*page.show)(); });
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(KeyWaits(run.lines), page.keys);
    EXPECT_EQ(FindPrefix(run.lines, FillBox(0, 0, 1320, 1300, 15, 15)), 0);
    ASSERT_EQ(run.shown.size(), page.texts.size());
    ExpectInOrder(run.shown, page.texts);
    // Every written factorisation multiplies out to its problem.
    for (const Shown& s : run.shown) {
      const size_t eq = s.text.find("=(");
      if (s.text.rfind("(", 0) != 0 || eq == std::string::npos) continue;
      EXPECT_EQ(ExpandAnswer(s.text.substr(eq)), Parse(s.text.substr(4, eq - 4))) << s.text;
    }
  }
  // Question 7: the formula and its reason come after the key, the problem
  // before it.
  Session run = RunProbe(Keys("Space", 4), [](Probe& p) { p.ShowTextbookQ7Answers(); });
  for (size_t k = 1; k + 1 < run.shown.size(); k += 2) {
    EXPECT_EQ(run.shown[k].keys, static_cast<int>(k / 2));
    EXPECT_EQ(run.shown[k + 1].keys, static_cast<int>(k / 2) + 1);
  }
}

// ---------------------------------------------------------------------------
// Item ④: the mixed practice

TEST(JorrelChapter4, SquareConstantTrinomialsAreTheFourOfTheTable) {
  std::set<std::vector<int>> seen;
  RunProbe("", [&](Probe& p) {
    for (int i = 0; i < 400; ++i) {
      p.gJorrelFormulaType = 5;
      p.MakeSquareConstantTrinomial();
      EXPECT_EQ(p.gJorrelFormulaType, 1);
      seen.insert({static_cast<int>(p.gTermValue(1)), static_cast<int>(p.gTermValue(2)),
                   static_cast<int>(p.gTermValue(3)), static_cast<int>(p.gTermValue(4))});
    }
  });
  const std::set<std::vector<int>> expected = {{1, 4, 5, 4},     {-1, -4, -5, 4},   {2, 8, 10, 16},
                                               {-2, -8, -10, 16}, {4, 9, 13, 36},   {-4, -9, -13, 36},
                                               {4, 16, 20, 64},  {-4, -16, -20, 64}};
  EXPECT_EQ(seen, expected);
}

// Checks that the reason states something true of the problem.
void CheckReason(const std::string& reason, int type, const Polynomial& p) {
  const int b = p.count({{'x', 1}}) ? p.at({{'x', 1}}) : 0, c = p.count({}) ? p.at({}) : 0;
  const int root = static_cast<int>(std::lround(std::sqrt(std::abs(c))));
  const bool square = root * root == std::abs(c);
  switch (type) {
    case 1:
      if (square) {
        EXPECT_EQ(reason, "(" + std::to_string(std::abs(b)) + "≠2*" + std::to_string(root) + "だから)");
        EXPECT_NE(std::abs(b), 2 * root);
      } else {
        EXPECT_EQ(reason, "(" + std::to_string(std::abs(c)) + "が2乗でないから)");
      }
      break;
    case 2:
    case 3:
      EXPECT_EQ(reason, "(" + std::to_string(std::abs(b)) + "=2*" + std::to_string(root) + "," + std::to_string(c) +
                            "=" + std::to_string(root) + (type == 2 ? "^2で、＋だから)" : "^2で、－だから)"));
      EXPECT_EQ(std::abs(b), 2 * root);
      EXPECT_EQ(b > 0, type == 2);
      break;
    case 4:
      EXPECT_EQ(reason, "(2乗－2乗 だから)");
      EXPECT_EQ(b, 0);
      EXPECT_TRUE(square && c < 0);
      break;
  }
}

TEST(JorrelChapter4, MixedPracticeShowsItsDrawsWithTrueReasonsOverManySeeds) {
  const int first = 8, second = 4;
  auto visit = [](int n) {
    std::string keys;
    for (int i = 1; i <= n; ++i) keys += Keys("Space", 3) + (i < n ? "2 Enter " : "1 Enter ");
    return keys + "Space ";
  };
  std::set<int> types;
  std::set<char> letters;
  for (const std::string& time : SeedTimes(1)) {
    SCOPED_TRACE(time);
    Session run = RunProbe(visit(first) + visit(second), [](Probe& p) {
      p.RunMixedFactorPractice();
      p.RunMixedFactorPractice();
    }, time);
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(KeyWaits(run.lines), 3 * (first + second) + 2);
    plat::Random r;
    r.Randomize(Seed(time));
    int previous = 0;
    const auto& s = run.shown;
    int problems = 0;
    for (size_t i = 0; i + 4 < s.size(); ++i) {
      if (s[i].text != "問　次の式を因数分解しなさい。") continue;
      ++problems;
      const MixedDraw d = NextMixedDraw(r, previous);
      const Shown &problem = s[i + 1], &hint = s[i + 2], &reason = s[i + 3], &answer = s[i + 4];
      EXPECT_EQ(problem.x, 132);
      EXPECT_EQ(problem.y, 98);
      EXPECT_EQ(hint.x, 176);
      EXPECT_EQ(hint.y, 178);
      EXPECT_EQ(hint.colour, 3);
      EXPECT_EQ(reason.x, Expr(176, 178, 3, hint.text.c_str()).endX);
      EXPECT_EQ(reason.y, 178);
      EXPECT_EQ(reason.colour, 0);
      EXPECT_EQ(answer.x, 88);
      EXPECT_EQ(answer.y, 258);
      EXPECT_EQ(answer.colour, 5);
      EXPECT_EQ(hint.keys, problem.keys + 1);
      EXPECT_EQ(reason.keys, problem.keys + 2);
      EXPECT_EQ(answer.keys, problem.keys + 3);
      // The problem is the one the draws make, in their letter.
      EXPECT_EQ(problem.text.substr(0, 1), std::string(1, d.letter));
      const Polynomial p = AsX(problem.text, d.letter);
      EXPECT_EQ(p, d.problem) << problem.text;
      EXPECT_EQ(hint.text, "公式" + std::to_string(d.type) + "'を使う");
      EXPECT_EQ(ExpandAnswer(answer.text), Parse(problem.text)) << answer.text;
      EXPECT_FALSE(std::regex_search(problem.text, std::regex("[+-]1[xyab]"))) << problem.text;
      CheckReason(reason.text, d.type, p);
      types.insert(d.type);
      letters.insert(d.letter);
    }
    EXPECT_EQ(problems, first + second);
    EXPECT_EQ(s.back().text, "教科書P28 問6,問7　をしなさい。");
    EXPECT_EQ(s.back().x, 132);
    EXPECT_EQ(s.back().y, 570);
  }
  EXPECT_EQ(types, (std::set<int>{1, 2, 3, 4}));
  EXPECT_EQ(letters, (std::set<char>{'x', 'y', 'a', 'b'}));
}

TEST(JorrelChapter4, TheTypeDrawnLastCarriesOverBetweenVisits) {
  // Preset to each type, the first draw of the next visit is another one.
  for (int preset = 1; preset <= 5; ++preset) {
    for (const std::string& time : SeedTimes(7)) {
      float first = 0;
      RunProbe(Keys("Space", 3) + "1 Enter Space", [&](Probe& p) {
        p.gJorrelPreviousFormulaType = static_cast<float>(preset);
        p.RunMixedFactorPractice();
        first = p.gJorrelPreviousFormulaType;
      }, time);
      // The program drew as the replay does: the first try differs from the
      // preset; a rejected type 1 is followed by a try other than 1, which
      // may be the preset again.
      plat::Random r;
      r.Randomize(Seed(time));
      int previous = preset;
      const MixedDraw d = NextMixedDraw(r, previous);
      EXPECT_EQ(first, previous) << preset << " " << time;
      EXPECT_NE(d.accepted.front(), preset);
      for (size_t k = 1; k < d.accepted.size(); ++k) EXPECT_NE(d.accepted[k], 1);
    }
  }
}

}  // namespace
