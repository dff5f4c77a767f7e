// Jorrel, chapter 3: the square formulas used backwards, and the builders of
// the factorisation exercises. Fixed screens are compared with their texts at
// the stated places; the random items are read back from what they drew and
// checked by multiplying out.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/jorrel_testing.h"

namespace {

using namespace jorrel_testing;

// ---------------------------------------------------------------------------
// The builders

// The inputs of one exercise as a practice leaves them.
struct Terms {
  const char* letter;
  std::vector<const char*> texts;  // gTermText(1) to (7)
  float size;                      // gTermValue(7), |c|
};

void SetTerms(Probe& p, const Terms& t) {
  p.gJorrelLetter = t.letter;
  for (size_t k = 0; k < t.texts.size(); ++k) p.gTermText(static_cast<float>(k + 1)) = plat::FromUtf8(t.texts[k]);
  p.gTermValue(7) = t.size;
}

TEST(JorrelChapter3, BuildersWriteTheWorkedExamplesThroughTheLists) {
  struct Case {
    int type;
    Terms terms;
    const char* problem;
    const char* reason;
    const char* answer;
  } cases[] = {
      {1, {"x", {"+4", "+9", "+13", "+36", "4", "13", "36"}, 36}, "x^2+13x+36", "(13≠2*6だから)", "=(x+4)(x+9)"},
      {2, {"x", {"+3", "", "+6", "+9", "3", "6", "9"}, 9}, "x^2+6x+9", "(6=2*3,9=3^2で、＋だから)", "=(x+3)^2"},
      {3, {"x", {"-5", "", "-10", "+25", "5", "10", "25"}, 25}, "x^2-10x+25", "(10=2*5,25=5^2で、－だから)", "=(x-5)^2"},
      {4, {"x", {"+4", "-4", "", "-16", "4", "", "16"}, 16}, "x^2-16", "(2乗－2乗 だから)", "=(x+4)(x-4)"},
      {3, {"a", {"-4", "", "-8", "+16", "4", "8", "16"}, 16}, "a^2-8a+16", "(8=2*4,16=4^2で、－だから)", "=(a-4)^2"},
      // A coefficient 1 reaches the builders as the bare sign.
      {1, {"y", {"-2", "+3", "+", "-6", "", "1", "6"}, 6}, "y^2+y-6", "(6が2乗でないから)", "=(y-2)(y+3)"},
      {1, {"b", {"+3", "+4", "+7", "+12", "", "7", "12"}, 12}, "b^2+7b+12", "(12が2乗でないから)", "=(b+3)(b+4)"},
      {1, {"x", {"+4", "-1", "+3", "-4", "", "3", "4"}, 4}, "x^2+3x-4", "(3≠2*2だから)", "=(x+4)(x-1)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.problem);
    float afterReasonX = 0, afterReasonY = 0, beforeReasonX = 0, beforeReasonY = 0;
    Session run = RunProbe("", [&](Probe& p) {
      SetTerms(p, c.terms);
      p.gJorrelFormulaType = static_cast<float>(c.type);
      p.gLineStartX = 100;
      p.gLineY = 20;
      p.ShowMixedPracticeProblem();
      p.gLineY = 200;  // as a hint line would leave it
      beforeReasonX = p.gLineEndX = 500;
      beforeReasonY = p.gLineY;
      p.ShowMixedPracticeReason();
      afterReasonX = p.gLineEndX;
      afterReasonY = p.gLineY;
      p.ShowMixedPracticeAnswer();
      if (c.type <= 3) {
        // The chapter 3 lists hold the same builders.
        p.gLineY = 400;
        p.ShowSquarePracticeProblem();
        p.ShowSquarePracticeAnswer();
      }
    });
    ASSERT_TRUE(run.finished);
    std::vector<Expected> expected = {
        {c.problem, 188, 100, 0}, {c.reason, 500, 200, 0}, {c.answer, 144, 280, 5}};
    if (c.type <= 3) {
      expected.push_back({c.problem, 188, 480, 0});
      expected.push_back({c.answer, 144, 560, 5});
    }
    ASSERT_EQ(run.shown.size(), expected.size());
    ExpectInOrder(run.shown, expected);
    // The reasons leave the lesson line where it was.
    EXPECT_EQ(afterReasonX, beforeReasonX);
    EXPECT_EQ(afterReasonY, beforeReasonY);
    // Every worked answer multiplies out to its problem.
    EXPECT_EQ(ExpandAnswer(c.answer), Parse(c.problem));
  }
}

// ---------------------------------------------------------------------------
// Goal screen and sub-menu

TEST(JorrelChapter3, GoalThenSubMenuUntilItsEndItem) {
  Session run =
      RunProbe("0 Enter 6 Enter - 1 Enter 5 Enter", [](Probe& p) { p.StartFormulas23BackwardsChapter(); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.keysLeft, 0u);
  ExpectInOrder(run.shown, {{"<めあて>", 44, 240, 3}, {"公式2,3を逆に使って、因数分解しよう。", 76, 305, 0}});
  EXPECT_EQ(run.shown.size(), 2u);
  EXPECT_EQ(CountPrefix(run.lines, "text x=16 y=666 "), 4);
  EXPECT_EQ(KeyWaits(run.lines), 0);
}

TEST(JorrelChapter3, ItemsReturnToTheSubMenu) {
  // Example 3, then question 4, each ending at the sub-menu without a wait.
  Session run = RunProbe("2 Enter " + Keys("Space", 4) + "4 Enter " + Keys("Space", 6) + "5 Enter",
                         [](Probe& p) { p.ShowFormulas23BackwardsMenu(); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(KeyWaits(run.lines), 10);
  EXPECT_EQ(CountPrefix(run.lines, "text x=16 y=666 "), 3);
}

// ---------------------------------------------------------------------------
// Item ①: the task, read back over many seeds

// A pair table as drawn from index `at`: the two headers, the rows, the marks.
struct Table {
  std::string product, sum;
  std::vector<std::string> rows, marks;
  int keys = 0;  // keys pressed when the headers were drawn
};
Table ReadTable(const std::vector<Shown>& shown, size_t& at) {
  Table t;
  std::vector<std::string> cells;
  t.keys = shown[at].keys;
  while (at < shown.size() && shown[at].x >= 728 && shown[at].y >= 60 && shown[at].colour == 0)
    cells.push_back(shown[at++].text);
  EXPECT_GE(cells.size(), 4u);
  if (cells.size() < 4) return t;
  t.product = cells[0];
  t.sum = cells[1];
  const size_t n = (cells.size() - 2) / 2;
  t.rows.assign(cells.begin() + 2, cells.begin() + 2 + static_cast<long>(n));
  t.marks.assign(cells.begin() + 2 + static_cast<long>(n), cells.end());
  return t;
}

// Checks a table for the constant and the sum: every candidate pair, and "○"
// only on the pair (p, q).
void CheckTable(const Table& t, int constant, int sum, int p, int q) {
  EXPECT_EQ(t.product, "積が" + std::to_string(constant));
  EXPECT_EQ(t.sum, "和が" + std::to_string(sum));
  EXPECT_EQ(t.rows, CandidateRows(constant));
  std::vector<std::pair<int, int>> pairs = CandidatePairs(constant);
  ASSERT_EQ(t.marks.size(), pairs.size());
  for (size_t k = 0; k < pairs.size(); ++k) {
    const bool wanted = std::multiset<int>{pairs[k].first, pairs[k].second} == std::multiset<int>{p, q};
    EXPECT_EQ(t.marks[k], wanted ? "○" : "×") << t.rows[k];
  }
}

// Keys for the task: n1 passes of the first half, n2 of the second.
std::string TaskKeys(int n1, int n2) {
  std::string keys;
  for (int i = 1; i <= n1; ++i) keys += Keys("Space", 6) + (i < n1 ? "0 Enter " : "1 Enter ");
  keys += Keys("Space", 5);
  for (int i = 1; i <= n2; ++i) keys += Keys("Space", 5) + (i < n2 ? "7 Enter " : "1 Enter ");
  return keys + Keys("Space", 4);
}

TEST(JorrelChapter3, TaskShowsSquaresThenTrinomialsOfThirtySixOverManySeeds) {
  const int n1 = 4, n2 = 3;
  std::set<int> sizes, sums;
  for (const std::string& time : SeedTimes(2)) {
    SCOPED_TRACE(time);
    Session run = RunProbe(TaskKeys(n1, n2), [](Probe& p) { p.RunPerfectSquareTask(); }, time);
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(KeyWaits(run.lines), 6 * n1 + 5 * n2 + 9);
    const auto& s = run.shown;
    int first = 0, second = 0;
    for (size_t i = 0; i < s.size(); ++i) {
      if (s[i].x == 88 && s[i].y == 98 && s[i].text.rfind(" x^2", 0) == 0) {
        // First half: a perfect square x^2+2ax+a^2, (x+a)(x+a), (x+a)^2.
        ++first;
        EXPECT_EQ(s[i - 1].text, "問　次の式を因数分解しなさい。");
        EXPECT_EQ(s[i - 1].x, 44);
        EXPECT_EQ(s[i].keys, s[i - 1].keys + 1);
        Polynomial problem = Parse(s[i].text.substr(1));
        const int b = problem[{{'x', 1}}], c = problem[{}];
        const int a = b / 2;
        EXPECT_TRUE(a >= 1 && a <= 9) << s[i].text;
        EXPECT_EQ(s[i].text, " x^2+" + std::to_string(2 * a) + "x+" + std::to_string(a * a));
        sizes.insert(a);
        size_t at = i + 1;
        Table t = ReadTable(s, at);
        EXPECT_EQ(t.keys, s[i].keys + 1);
        CheckTable(t, c, b, a, a);
        ASSERT_LT(at + 1, s.size());
        const std::string factor = "(x+" + std::to_string(a) + ")";
        EXPECT_EQ(s[at].text, "=" + factor + factor);
        EXPECT_EQ(s[at].x, 88);
        EXPECT_EQ(s[at].y, 178);
        EXPECT_EQ(s[at].colour, 0);
        EXPECT_EQ(s[at].keys, t.keys + 3);
        EXPECT_EQ(s[at + 1].text, "=" + factor + "^2");
        EXPECT_EQ(s[at + 1].y, 258);
        EXPECT_EQ(s[at + 1].colour, 5);
        EXPECT_EQ(s[at + 1].keys, s[at].keys + 1);
      } else if (s[i].x == 44 && s[i].y == 240 && s[i].text.rfind("(2) x^2", 0) == 0) {
        // Second half: x^2+(p+q)x+36 with p + q one of 37, 20, 15, 13.
        ++second;
        Polynomial problem = Parse(s[i].text.substr(4));
        const int b = problem[{{'x', 1}}], c = problem[{}];
        EXPECT_EQ(c, 36);
        EXPECT_TRUE(b == 37 || b == 20 || b == 15 || b == 13) << s[i].text;
        sums.insert(b);
        size_t at = i + 1;
        Table t = ReadTable(s, at);
        EXPECT_EQ(t.keys, s[i].keys + 1);
        int p = 0;
        for (int d : {1, 2, 3, 4})
          if (d + 36 / d == b) p = d;
        CheckTable(t, 36, b, p, 36 / p);
        ASSERT_LT(at, s.size());
        EXPECT_EQ(s[at].text, "=(x+" + std::to_string(p) + ")(x+" + std::to_string(36 / p) + ")");
        EXPECT_EQ(s[at].x, 88);
        EXPECT_EQ(s[at].y, 320);
        EXPECT_EQ(s[at].colour, 5);
        EXPECT_EQ(ExpandAnswer(s[at].text), problem);
      }
    }
    EXPECT_EQ(first, n1);
    EXPECT_EQ(second, n2);
  }
  EXPECT_EQ(sizes.size(), 9u);
  EXPECT_EQ(sums, (std::set<int>{37, 20, 15, 13}));
}

TEST(JorrelChapter3, TaskConclusionsFixedProblemAndFormulasWhereTheTableStood) {
  Session run = RunProbe(TaskKeys(1, 1), [](Probe& p) { p.RunPerfectSquareTask(); });
  ASSERT_TRUE(run.finished);
  ASSERT_EQ(run.keysLeft, 0u);
  ExpectInOrder(run.shown, {
                               {"問　どんなことがいえますか。", 44, 338, 0},
                               {"a^2のときは、(x+a)^2 になる。", 88, 418, 3},
                               {"公式2' x^2+2ax+a^2=(x+a)^2", 88, 498, 5},
                               {"問　次の式を因数分解しなさい。", 40, 30, 0},
                               {"(1) x^2+12x+36", 40, 110, 0},
                               {"36=6^2だから", 361, 185, 3},
                               {"=(x+6)^2", 121, 185, 5},
                               {"問　どんなことがいえますか。", 44, 400, 0},
                               {"xの係数が、12でないと", 88, 480, 3},
                               {"公式２'は使えない。", 88, 550, 3},
                               {"公式2'", 728, 60, 3},
                               {"　x^2+2ax+a^2=(x+a)^2", 728, 130, 5},
                               {"公式３'", 728, 210, 3},
                               {"　x^2-2ax+a^2=(x-a)^2", 728, 280, 5},
                               {"注) 2乗、2倍", 728, 360, 7},
                               {"  でないと使えない！", 728, 420, 7},
                           });
  // All keys were taken before the last line: no key wait after it.
  EXPECT_EQ(run.shown.back().text, "  でないと使えない！");
  EXPECT_EQ(run.shown.back().keys, KeyWaits(run.lines) + 2 * 2);
  // The wipes: the work area (entry, each first-half pass, the fixed
  // problem), below problem (1) and the table's area in the second half, and
  // the table's area once more for the formulas.
  EXPECT_EQ(CountPrefix(run.lines, FillBox(0, 0, 1320, 1300, 15, 15)), 3);
  EXPECT_EQ(CountPrefix(run.lines, FillBox(0, 240, 1320, 1540, 15, 15)), 1);
  EXPECT_EQ(CountPrefix(run.lines, FillBox(728, 0, 2048, 1300, 15, 15)), 2);
}

// ---------------------------------------------------------------------------
// Item ②: example 3

TEST(JorrelChapter3, ExampleThreeSetsTheSquareBesideTheTrinomial) {
  Session run = RunProbe(Keys("Space", 4), [](Probe& p) { p.ShowPerfectSquareExample3(); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(KeyWaits(run.lines), 4);
  const float left = Expr(88, 240, 0, "だから").endX, right = Expr(748, 240, 0, "だから").endX;
  ExpectInOrder(run.shown, {
                               {"問 次の式を因数分解しなさい。", 22, 30, 0},
                               {"(1) x^2+10x+25", 22, 100, 0},
                               {"(2) x^2-26x+25", 682, 100, 0},
                               {"10=2*5,25=5^2", 88, 170, 0},
                               {"だから", 88, 240, 0},
                               {"公式２'", left, 240, 3},
                               {"を使って", Expr(left, 240, 3, "公式２'").endX, 240, 0},
                               {"=(x+5)^2", 88, 310, 5},
                               {"26≠2*5", 748, 170, 0},
                               {"だから", 748, 240, 0},
                               {"公式1'", right, 240, 3},
                               {"を使って", Expr(right, 240, 3, "公式1'").endX, 240, 0},
                               {"=(x-25)(x-1)", 748, 310, 5},
                           });
  // Keys: the problems, the reasoning of (1), its answer and the reasoning of
  // (2) each come after one more key; nothing waits after the last answer.
  std::map<std::string, int> keys;
  for (const Shown& s : run.shown) keys.emplace(s.text, s.keys);
  EXPECT_EQ(keys["(2) x^2-26x+25"], 0);
  EXPECT_EQ(keys["10=2*5,25=5^2"], 1);
  EXPECT_EQ(keys["=(x+5)^2"], 2);
  EXPECT_EQ(keys["26≠2*5"], 3);
  EXPECT_EQ(keys["=(x-25)(x-1)"], 4);
  EXPECT_EQ(run.shown.back().text, "=(x-25)(x-1)");
  EXPECT_EQ(ExpandAnswer("=(x+5)^2"), Parse("x^2+10x+25"));
  EXPECT_EQ(ExpandAnswer("=(x-25)(x-1)"), Parse("x^2-26x+25"));
}

// ---------------------------------------------------------------------------
// Item ③: the practice, read back over many seeds

// The pair of a type-1 problem for its square constant: the pair just before
// the square one.
const std::map<int, std::pair<int, int>> kSquareConstantPairs = {
    {36, {4, 9}}, {4, {1, 4}}, {9, {1, 9}}, {16, {2, 8}}, {25, {1, 25}},
    {49, {1, 49}}, {64, {4, 16}}, {81, {3, 27}}, {100, {5, 20}}};

TEST(JorrelChapter3, PracticeNamesTheFormulaAndFactorisesOverManySeeds) {
  const int n = 12;
  auto visit = [](int problems) {
    std::string keys;
    for (int i = 1; i <= problems; ++i) keys += Keys("Space", 2) + (i < problems ? "2 Enter " : "1 Enter ");
    return keys + "Space ";
  };
  std::set<std::string> letters;
  std::set<int> squareSizes, typeOneConstants;
  for (const std::string& time : SeedTimes(2)) {
    SCOPED_TRACE(time);
    // Two visits: the count starts again at 0.
    Session run = RunProbe(visit(n) + visit(4), [](Probe& p) {
      p.RunPerfectSquarePractice();
      p.RunPerfectSquarePractice();
    }, time);
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(KeyWaits(run.lines), 2 * (n + 4) + 2);
    const auto& s = run.shown;
    int problem = 0;
    for (size_t i = 0; i + 3 < s.size(); ++i) {
      if (s[i].text != "問　次の式を因数分解しなさい。") continue;
      ++problem;
      const int inVisit = problem <= n ? problem : problem - n;
      EXPECT_EQ(s[i].x, 88);
      EXPECT_EQ(s[i].y, 18);
      const Shown &shownProblem = s[i + 1], &hint = s[i + 2], &answer = s[i + 3];
      EXPECT_EQ(shownProblem.x, 176);
      EXPECT_EQ(shownProblem.y, 98);
      EXPECT_EQ(shownProblem.colour, 0);
      EXPECT_EQ(hint.x, 220);
      EXPECT_EQ(hint.y, 178);
      EXPECT_EQ(hint.colour, 3);
      EXPECT_EQ(hint.keys, shownProblem.keys + 1);
      EXPECT_EQ(answer.x, 132);
      EXPECT_EQ(answer.y, 258);
      EXPECT_EQ(answer.colour, 5);
      EXPECT_EQ(answer.keys, shownProblem.keys + 2);
      const std::string letter = shownProblem.text.substr(0, 1);
      EXPECT_TRUE(letter == "x" || letter == "a") << shownProblem.text;
      letters.insert(letter);
      Polynomial p = Parse(shownProblem.text);
      const char l = letter[0];
      const int b = p[{{l, 1}}], c = p[{}];
      EXPECT_EQ(ExpandAnswer(answer.text), Parse(shownProblem.text)) << answer.text;
      // Every sign shows: the middle term and the constant carry theirs.
      EXPECT_NE(shownProblem.text.find("^2" + std::string(b > 0 ? "+" : "-")), std::string::npos);
      EXPECT_NE(shownProblem.text.find(letter + "+" + std::to_string(c)), std::string::npos);
      if (inVisit % 4 == 0) {
        EXPECT_EQ(hint.text, "公式1'を使う");
        ASSERT_TRUE(kSquareConstantPairs.count(c)) << shownProblem.text;
        const auto [p1, q1] = kSquareConstantPairs.at(c);
        const int sign = b > 0 ? 1 : -1;
        EXPECT_EQ(b, sign * (p1 + q1));
        EXPECT_EQ(answer.text, "=(" + letter + (sign > 0 ? "+" : "-") + std::to_string(p1) + ")(" + letter +
                                   (sign > 0 ? "+" : "-") + std::to_string(q1) + ")");
        typeOneConstants.insert(c);
      } else {
        // A perfect square: formula 2' for "+", 3' for "-".
        const int a = b / 2;
        EXPECT_EQ(c, a * a) << shownProblem.text;
        EXPECT_TRUE(std::abs(a) >= 1 && std::abs(a) <= 10);
        EXPECT_EQ(hint.text, a > 0 ? "公式2'を使う" : "公式3'を使う");
        EXPECT_EQ(answer.text, "=(" + letter + (a > 0 ? "+" : "-") + std::to_string(std::abs(a)) + ")^2");
        squareSizes.insert(a);
      }
    }
    EXPECT_EQ(problem, n + 4);
    EXPECT_EQ(s.back().text, "教科書P27 問４　をしなさい。");
    EXPECT_EQ(s.back().x, 132);
    EXPECT_EQ(s.back().y, 570);
    EXPECT_EQ(s.back().colour, 0);
  }
  EXPECT_EQ(letters, (std::set<std::string>{"x", "a"}));
  EXPECT_EQ(squareSizes.size(), 20u);  // -10 to -1 and 1 to 10
  EXPECT_EQ(typeOneConstants.size(), kSquareConstantPairs.size());
}

// ---------------------------------------------------------------------------
// Item ④: the answers to question 4

TEST(JorrelChapter3, QuestionFourAnswersComeOneAfterEachKey) {
  const std::vector<const char*> lines = {"(1) x^2+12x+36=(x+6)^2", "(2) x^2+4x+4=(x+2)^2",
                                          "(3) a^2+18a+81=(a+9)^2", "(4) x^2-2x+1=(x-1)^2",
                                          "(5) y^2-14y+49=(y-7)^2", "(6) x^2-16x+64=(x-8)^2"};
  Session run = RunProbe(Keys("Space", 6), [](Probe& p) { p.ShowPerfectSquareQ4Answers(); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(KeyWaits(run.lines), 6);
  EXPECT_EQ(FindPrefix(run.lines, FillBox(0, 0, 1320, 1300, 15, 15)), 0);
  ASSERT_EQ(run.shown.size(), 7u);
  EXPECT_EQ(run.shown[0].text, "問４の解答");
  EXPECT_EQ(run.shown[0].colour, 3);
  EXPECT_EQ(run.shown[0].x, 44);
  EXPECT_EQ(run.shown[0].y, 30);
  EXPECT_EQ(run.shown[0].keys, 0);
  for (size_t k = 1; k <= lines.size(); ++k) {
    const Shown& s = run.shown[k];
    EXPECT_EQ(s.text, lines[k - 1]);
    EXPECT_EQ(s.x, 44);
    EXPECT_EQ(s.y, 30 + 75 * static_cast<float>(k));
    EXPECT_EQ(s.colour, 0);
    EXPECT_EQ(s.keys, static_cast<int>(k));
    const std::string line = s.text.substr(4);
    const size_t eq = line.find('=');
    EXPECT_EQ(ExpandAnswer(line.substr(eq)), Parse(line.substr(0, eq))) << line;
  }
}

}  // namespace
