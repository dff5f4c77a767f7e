// Jorrel, chapter 5: squared terms such as 9x^2 and 4y^2. The coprime
// coefficients are counted over many draws; the practices are read back from
// what they drew and the filled boxes multiplied out.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/jorrel_testing.h"

namespace {

using namespace jorrel_testing;

int Gcd(int a, int b) { return b == 0 ? a : Gcd(b, a % b); }

TEST(JorrelChapter5, GoalSubMenuAndQuestionNine) {
  Session run = RunProbe("0 Enter 5 Enter - 2 Enter 3 Enter " + Keys("Space", 3) + "4 Enter",
                         [](Probe& p) { p.StartSquaredTermsChapter(); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(KeyWaits(run.lines), 3);
  EXPECT_EQ(CountPrefix(run.lines, "text x=16 y=666 "), 5);
  const std::vector<Expected> texts = {{"<めあて>", 44, 240, 3},
                                       {" 2乗の項が9x^2や4a^2などの式を因数分解しよう。", 44, 305, 0},
                                       {"問9の解答", 44, 30, 3},
                                       {"(1) 9x^2+6x+1=(3x+1)^2", 44, 105, 0},
                                       {"(2) x^2-20xy+100y^2=(x-10y)^2", 44, 180, 0},
                                       {"(3) x^2-49y^2=(x+7y)(x-7y)", 44, 255, 0},
                                       {"(4) 4a^2-25b^2=(2a+5b)(2a-5b)", 44, 330, 0}};
  ASSERT_EQ(run.shown.size(), texts.size());
  ExpectInOrder(run.shown, texts);
  // A key after answer lines 1 to 3, none after the heading or line 4.
  for (int k = 2; k <= 6; ++k) EXPECT_EQ(run.shown[static_cast<size_t>(k)].keys, 9 + std::max(0, k - 3)) << k;
  for (size_t k = 3; k < run.shown.size(); ++k) {
    const std::string line = run.shown[k].text.substr(4);
    const size_t eq = line.find('=');
    EXPECT_EQ(ExpandAnswer(line.substr(eq)), Parse(line.substr(0, eq))) << line;
  }
}

TEST(JorrelChapter5, CoprimeCoefficientsAreTheTwentySevenPairsAlike) {
  const int draws = 27 * 400;
  std::map<std::pair<int, int>, int> counts;
  std::set<std::string> letters, signs;
  RunProbe("", [&](Probe& p) {
    for (int i = 0; i < draws; ++i) {
      p.MakeCoprimeCoefficients();
      const int a = static_cast<int>(p.gTermValue(1)), b = static_cast<int>(p.gTermValue(2));
      ++counts[{a, b}];
      EXPECT_EQ(p.gTermValue(3), a * a);
      EXPECT_EQ(p.gTermValue(4), 2 * a * b);
      EXPECT_EQ(p.gTermValue(5), b * b);
      for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(p.gTermText(static_cast<float>(k)), std::to_string(static_cast<int>(p.gTermValue(static_cast<float>(k)))));
      const std::string pair = p.gJorrelLetter + p.gJorrelSecondLetter;
      EXPECT_TRUE(pair == "xy" || pair == "ab") << pair;
      letters.insert(pair);
      signs.insert(p.gJorrelMiddleSign);
      EXPECT_EQ(p.gLabelList(1), p.gJorrelLetter + "^2");
      EXPECT_EQ(p.gLabelList(2), p.gJorrelSecondLetter + "^2");
    }
  });
  std::set<std::pair<int, int>> expected;
  for (int a = 2; a <= 6; ++a)
    for (int b = 1; b <= 9; ++b)
      if (Gcd(a, b) == 1) expected.insert({a, b});
  ASSERT_EQ(expected.size(), 27u);
  std::set<std::pair<int, int>> seen;
  for (const auto& [pair, n] : counts) {
    seen.insert(pair);
    // About 1/27 each: 400 expected, a standard deviation of about 20.
    EXPECT_GT(n, 300) << pair.first << "," << pair.second;
    EXPECT_LT(n, 500) << pair.first << "," << pair.second;
  }
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(letters, (std::set<std::string>{"xy", "ab"}));
  EXPECT_EQ(signs, (std::set<std::string>{"+", "-"}));
}

// One problem of a practice as drawn: its row, its frame and the box answers.
struct Row {
  float y;
  std::string problem, frame, filled;  // frame with ① ②, then with the answers
  int keys, answerKeys;
};

std::vector<Row> ReadRows(const std::vector<Shown>& s) {
  std::vector<Row> rows;
  for (size_t i = 0; i + 7 < s.size(); ++i) {
    if (s[i].x != 22 || s[i + 2].text != "①") continue;
    Row r;
    r.y = s[i].y;
    r.problem = s[i].text;
    r.keys = s[i].keys;
    r.frame = s[i + 1].text + "①" + s[i + 3].text + "②" + s[i + 5].text;
    r.filled = s[i + 1].text + s[i + 6].text + s[i + 3].text + s[i + 7].text + s[i + 5].text;
    r.answerKeys = s[i + 6].keys;
    EXPECT_EQ(s[i + 4].text, "②");
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(s[i + static_cast<size_t>(k)].y, r.y);
    EXPECT_EQ(s[i + 6].colour, 5);
    EXPECT_EQ(s[i + 7].colour, 5);
    rows.push_back(r);
    i += 7;
  }
  return rows;
}

// A problem and its filled frame, in either pair of letters, as x and y.
Polynomial Normal(std::string s) {
  for (char& c : s) {
    if (c == 'a') c = 'x';
    if (c == 'b') c = 'y';
  }
  return Parse(s);
}

std::string StepKeys(int n) {
  std::string keys;
  for (int i = 1; i <= n; ++i) keys += "Space " + std::string(i < n ? "3 Enter " : "1 Enter ");
  return keys;
}

TEST(JorrelChapter5, FormulaFourPracticeFillsTheBoxesOverManySeeds) {
  const int n = 3;
  const char* labels[] = {"(1) ", "(2) ", "(3) ", "(4) "};
  std::set<std::string> oneCases;
  for (const std::string& time : SeedTimes(2)) {
    SCOPED_TRACE(time);
    Session run = RunProbe(StepKeys(n) + StepKeys(n) + StepKeys(n) + StepKeys(n),
                           [](Probe& p) { p.RunSquaredTermsFormula4Practice(); }, time);
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(KeyWaits(run.lines), 4 * n);
    EXPECT_EQ(FindPrefix(run.lines, FillBox(0, 0, 1760, 1800, 15, 15)), 0);
    ExpectInOrder(run.shown, {{"問　次の式を因数分解しなさい。", 44, 20, 0}});
    std::vector<Row> rows = ReadRows(run.shown);
    ASSERT_EQ(rows.size(), static_cast<size_t>(4 * n));
    for (size_t k = 0; k < rows.size(); ++k) {
      const Row& r = rows[k];
      const size_t part = k / n;
      SCOPED_TRACE(r.problem);
      // Each part on its own row, 100 below the one before; a new problem
      // wipes only its row and what lies below.
      EXPECT_EQ(r.y, 120 + 100 * static_cast<float>(part));
      EXPECT_EQ(r.answerKeys, r.keys + 1);
      ASSERT_EQ(r.problem.rfind(labels[part], 0), 0u);
      const std::string expression = r.problem.substr(4);
      EXPECT_EQ(ExpandAnswer(r.filled), Parse(expression)) << r.filled;
      // The second letter never carries a coefficient 1; a lone constant 1
      // stays (parts 1 and 2).
      EXPECT_FALSE(std::regex_search(r.filled + r.problem, std::regex("(^|[^0-9])1[yb]"))) << r.filled;
      if (expression.back() == '1') oneCases.insert(labels[part]);
      // The squared coefficient of parts 2 and 4 is at least 4.
      if (part == 1 || part == 3) {
        EXPECT_GE(std::stoi(expression), 4);
      }
    }
    for (size_t part = 0; part < 4; ++part)
      EXPECT_EQ(CountPrefix(run.lines, FillBox(0, 110 + 100 * static_cast<float>(part), 1760,
                                               1910 + 100 * static_cast<float>(part), 15, 15)),
                n);
  }
  // q = 1 keeps its 1 as the constant of parts 1 and 2.
  EXPECT_TRUE(oneCases.count("(1) ") && oneCases.count("(2) "));
}

TEST(JorrelChapter5, FormulasTwoThreePracticeThenTheFixedExample) {
  const int n = 4;
  std::set<std::string> middles;
  bool qOne = false;
  for (const std::string& time : SeedTimes(2)) {
    SCOPED_TRACE(time);
    Session run = RunProbe(StepKeys(n) + Keys("Space", 3), [](Probe& p) { p.RunSquaredTermsFormulas23Practice(); },
                           time);
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(KeyWaits(run.lines), n + 3);
    std::vector<Row> rows = ReadRows(run.shown);
    ASSERT_EQ(rows.size(), static_cast<size_t>(n));
    for (const Row& r : rows) {
      SCOPED_TRACE(r.problem);
      EXPECT_EQ(r.y, 120);
      ASSERT_EQ(r.problem.rfind("(1) ", 0), 0u);
      EXPECT_EQ(ExpandAnswer(r.filled), Parse(r.problem.substr(4))) << r.filled;
      // The sign between the boxes is the sign of the middle term.
      const std::string sign = r.frame.substr(r.frame.find("①") + std::string("①").size(), 1);
      middles.insert(sign);
      const Polynomial p = Normal(r.problem.substr(4));
      EXPECT_EQ(p.at({{'x', 1}, {'y', 1}}) > 0, sign == "+");
      EXPECT_FALSE(std::regex_search(r.filled + r.problem, std::regex("(^|[^0-9])1[yb]"))) << r.filled;
      qOne = qOne || p.at({{'y', 2}}) == 1;
    }
    ExpectInOrder(run.shown, {{"(2) 4x^2+12xy+9y^2", 22, 320, 0},
                              {"=(2x)^2+2*3y*2x+(3y)^2", 110, 390, 0},
                              {"=(2x+3y)^2", 110, 460, 5},
                              {"教科書P29 問9　をしなさい。", 88, 570, 0}});
    EXPECT_EQ(run.shown.back().text, "教科書P29 問9　をしなさい。");
    EXPECT_EQ(CountPrefix(run.lines, FillBox(0, 230, 1760, 2030, 15, 15)), 1);
  }
  EXPECT_EQ(middles, (std::set<std::string>{"+", "-"}));
  EXPECT_TRUE(qOne);
}

}  // namespace
