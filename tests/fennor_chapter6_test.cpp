// Fennor's chapter 6 (substitution with a+b): goal and sub-menu, the
// figure item, the task and the random drills of example 6 read back as
// polynomials over many seeds, the worked example and the answers of
// question 9.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "tests/fennor_testing.h"

namespace {

using namespace fennor_testing;

// Into chapter 6's item, the keys of the item, out of the chapter and the
// program.
std::string ChapterKeys(const std::string& item, const std::string& keys) {
  return Type("6") + Type(item) + keys + Type("5") + Type("10");
}

// Every "M" of a line replaced by the polynomial in brackets.
std::string PutBack(std::string line, const std::string& polynomial) {
  for (size_t at = line.find('M'); at != std::string::npos; at = line.find('M', at + polynomial.size() + 2))
    line.replace(at, 1, "(" + polynomial + ")");
  return line;
}

// ------------------------------------------------------ goal and sub-menu

TEST(FennorChapter6, GoalThenSubMenuUntilItsEndItem) {
  // 6, 0 and Enter alone show the item line again; 5 leads back.
  Session run = ExpectGoalAndSubMenu("6", {"6", "0", ""}, "5",
                                     {
                                         {"<めあて>", 44, 240, 5},
                                         {"(a+b-2)(a+b+2) のような式を展開しよう。", 44, 305, 0},
                                     });
  // 2.5 opens item ③ (a half rounds up).
  Session half = RunFennor(Type("6") + Type("2.5") + Spaces(11) + Type("1") + Spaces(5) + Type("1") + Type("5") +
                           Type("10"));
  EXPECT_TRUE(half.Shows("例6　次の式を展開しなさい。"));
  EXPECT_EQ(half.keysLeft, 0u);
}

// ------------------------------------------------------ figure item

TEST(FennorChapter6, FigureItemFirstProblemAndTheNote) {
  Session run = RunFennor(ChapterKeys("1", "Space " + Type("1") + "Space " + Type("1")));
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.KeyWaits(), 2);
  int sign = run.Find("①");
  ASSERT_GE(sign, 0);
  const Drawn* d = &run.drawn[sign];
  EXPECT_EQ(d[0].x, 66);
  EXPECT_EQ(d[0].y, 30);
  EXPECT_EQ(d[0].colour, 0);
  static const std::regex question("次の式を表す図の([AX])をいいなさい。");
  std::smatch m;
  ASSERT_TRUE(std::regex_match(d[1].text, m, question)) << d[1].text;
  const std::string capital = m[1];
  EXPECT_EQ(d[1].x, d[0].endX + 22);
  EXPECT_EQ(d[1].endX, 659);  // just left of the figure wipe
  static const std::regex product(R"(\(([xyab])([+-]\d)\)\(([xyab])([+-]\d)\))");
  ASSERT_TRUE(std::regex_match(d[2].text, m, product)) << d[2].text;
  const std::string letter = m[1];
  const std::string k = m[2].str().substr(1);
  EXPECT_EQ(d[2].x, 132);
  EXPECT_EQ(d[2].y, 100);
  EXPECT_EQ(d[2].colour, 3);
  // The figure at (792, 100): the capital on the sides of length x, k on
  // the others; after a key the letter in place of the capital.
  std::vector<std::string> labels;
  for (int i = 3; i < 11; ++i) labels.push_back(std::to_string(d[i].colour) + " " + d[i].text + " " +
                                                std::to_string(d[i].keys - d[0].keys));
  EXPECT_EQ(labels, (std::vector<std::string>{"0 " + capital + " 0", "0 " + capital + " 0", "0 " + k + " 0",
                                              "0 " + k + " 0", "0 " + letter + " 1", "0 " + letter + " 1",
                                              "0 " + k + " 1", "0 " + k + " 1"}));
  EXPECT_EQ(run.Count("fill x1=880 y1=100 x2=1056 y2=364 border=0 fill=3 width=5"), 4);
  EXPECT_EQ(run.Count("fill x1=1056 y1=100 x2=1144 y2=364 border=0 fill=15 width=5"), 4);
  EXPECT_EQ(run.Count("fill x1=880 y1=364 x2=1056 y2=452 border=0 fill=6 width=5"), 4);
  EXPECT_EQ(run.Count("fill x1=660 y1=20 x2=1980 y2=920 border=15 fill=15"), 4);
  // The marks of one drawing: 91, 181, 181 and 91 dots.
  int dots = 0;
  for (const auto& l : run.trace) dots += l.rfind("circle ", 0) == 0 && l.find(" colour=9 width=5") != std::string::npos;
  EXPECT_EQ(dots, 4 * (91 + 181 + 181 + 91));
  // Part ② below, then the note.
  int second = run.Find("②");
  ASSERT_GE(second, 0);
  EXPECT_EQ(run.drawn[second].x, 22);
  EXPECT_EQ(run.drawn[second].y, 240);
  EXPECT_EQ(run.drawn[second + 2].x, 88);
  EXPECT_EQ(run.drawn[second + 2].y, 310);
  const Drawn& note = run.LastBeforeMenu();
  EXPECT_EQ(note.text, "※ 多項式を1つの文字とみる！");
  EXPECT_EQ(note.x, 44);
  EXPECT_EQ(note.y, 420);
  EXPECT_EQ(note.colour, 5);
}

TEST(FennorChapter6, FigureItemLabelsAreTheProductsPartsOverManySeeds) {
  static const std::regex product(R"(\((\w|[xa][+-]\d?[yb])([+-]\d)\)\(\1([+-]\d)\))");
  std::set<std::string> polynomials;
  for (const std::string& time : SeedTimes(3)) {
    SCOPED_TRACE(time);
    Session run = RunFennor(ChapterKeys("1", "Space " + Type("2") + "Space " + Type("1") + "Space " + Type("1")), time);
    ASSERT_EQ(run.keysLeft, 0u);
    for (size_t i = 0; i + 10 < run.drawn.size(); ++i) {
      const Drawn* d = &run.drawn[i];
      if (d[0].text.rfind("次の式を表す図の", 0) != 0) continue;
      std::smatch m;
      ASSERT_TRUE(std::regex_match(d[1].text, m, product)) << d[1].text;
      const std::string P = m[1];
      const int k1 = std::stoi(m[2]), k2 = std::stoi(m[3]);
      EXPECT_EQ(k1, -k2);
      EXPECT_TRUE(k1 != 0 && std::abs(k1) <= 8);
      if (P.size() > 1) polynomials.insert(P);
      // The capital matches the letters of P; the second drawing shows P.
      const std::string capital = d[0].text.substr(std::string("次の式を表す図の").size(), 1);
      if (P.size() > 1) {
        EXPECT_EQ(capital, P[0] == 'x' ? "A" : "X") << d[1].text;
      }
      EXPECT_EQ(d[2].text, capital);
      EXPECT_EQ(d[6].text, P);
      EXPECT_EQ(d[8].text, std::to_string(std::abs(k1)));
    }
  }
  // Coefficients of the second letter from -5 to 5 but 0, 1 and -1 bare.
  std::set<std::string> seconds;
  for (const auto& P : polynomials) seconds.insert(P.substr(1, P.size() - 2));
  EXPECT_EQ(seconds, (std::set<std::string>{"+", "-", "+2", "-2", "+3", "-3", "+4", "-4", "+5", "-5"}));
}

// ------------------------------------------------------ task

TEST(FennorChapter6, TaskRevealsTheLetterAndThePolynomialOverManySeeds) {
  const int passes = 3;
  std::string keys;
  for (int stage = 0; stage < 2; ++stage)
    for (int i = 1; i <= passes; ++i) keys += "Space " + Type(i < passes ? "0" : "1");
  keys += "Space ";
  static const std::regex one(R"(\(1\) \(([xyab])([+-]\d)\)\(\1([+-]\d)\))");
  static const std::regex two(R"(\(2\) \(([xa][+-]\d?[yb])([+-]\d)\)\(\1([+-]\d)\))");
  for (const std::string& time : SeedTimes(1)) {
    SCOPED_TRACE(time);
    Session run = RunFennor(ChapterKeys("2", keys), time);
    ASSERT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(run.KeyWaits(), 2 * passes + 1);
    int shown = 0;
    for (size_t i = 0; i + 5 < run.drawn.size(); ++i) {
      const Drawn* d = &run.drawn[i];
      std::smatch m;
      std::string line;
      if (std::regex_match(d[0].text, m, one)) {
        EXPECT_EQ(d[0].y, 98);
        EXPECT_EQ(d[1].text, "=");
        EXPECT_EQ(d[1].x, 132);
        EXPECT_EQ(d[4].text, m[1].str() + "^2");
        line = "=" + d[4].text + d[3].text;  // = [L^2] -k^2
      } else if (std::regex_match(d[0].text, m, two)) {
        EXPECT_EQ(d[0].y, 320);
        EXPECT_EQ(d[1].text, "=(");
        EXPECT_EQ(d[1].x, 132);
        EXPECT_EQ(d[4].text, m[1].str());
        line = "=(" + d[4].text + d[3].text;  // =( [P] )^2-k^2
      } else {
        continue;
      }
      EXPECT_EQ(std::stoi(m[2]), -std::stoi(m[3]));
      EXPECT_EQ(d[2].text, "①");
      EXPECT_EQ(d[4].keys, d[3].keys + 1);
      EXPECT_EQ(d[3].text, (line[1] == '(' ? ")^2-" : "-") + m[2].str().substr(1) + "^2");
      EXPECT_TRUE(SamePolynomial(line, d[0].text.substr(4))) << d[0].text << " " << line;
      ++shown;
    }
    EXPECT_EQ(shown, 2 * passes);
    const Drawn& last = run.LastBeforeMenu();
    EXPECT_EQ(last.text, "多項式を１つの文字とみれば、公式が使えそうだ！");
    EXPECT_EQ(last.x, 176);
    EXPECT_EQ(last.y, 510);
    EXPECT_EQ(last.colour, 7);
  }
}

// ------------------------------------------------------ example 6

TEST(FennorChapter6, Example6WorkedPartThenTheFirstProductProblem) {
  Session run = RunFennor(ChapterKeys("3", Spaces(11) + Spaces(5) + Type("1") + Spaces(5) + Type("1")));
  ASSERT_EQ(run.keysLeft, 0u);
  int first = run.Find("例6　次の式を展開しなさい。");
  ASSERT_GE(first, 0);
  struct Row {
    Expected e;
    int keys;
  };
  const Row rows[] = {
      {{"例6　次の式を展開しなさい。", 22, 30, 3}, 0},
      {{"①(a+b-2)(a+b+2)", 44, 100, 0}, 0},
      {{"a+b=M とおくと、", 176, 155, 3}, 2},
      {{"=(M-2)(M+2)", 132, 225, 3}, 3},
      {{"=M^2-4", 132, 295, 3}, 4},
      {{"=(a+b)^2-4", 44, 365, 0}, 5},
      {{"=a^2+2ab+b^2-4", 44, 435, 5}, 9},
      {{"※ a+b をM におきかえて、公式を使う。", 44, 500, 7}, 10},
  };
  std::vector<Drawn> left;
  for (const Drawn& d : Slice(run, first))
    if (d.x < 600 && d.keys - run.drawn[first].keys <= 10) left.push_back(d);
  ASSERT_GE(left.size(), std::size(rows));
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Expected& e = rows[i].e;
    EXPECT_EQ(left[i].text, e.text);
    EXPECT_EQ(left[i].x, e.x) << e.text;
    EXPECT_EQ(left[i].y, e.y) << e.text;
    EXPECT_EQ(left[i].colour, e.colour) << e.text;
    EXPECT_EQ(left[i].keys - left[0].keys, rows[i].keys) << e.text;
  }
  // The last figure stage at (836, 100): the whole square less the corner.
  EXPECT_EQ(run.Count("fill x1=924 y1=100 x2=1188 y2=364 border=0 fill=3"), 1);
  EXPECT_EQ(run.Count("fill x1=1100 y1=276 x2=1188 y2=364 border=0 fill=15"), 2);
  // The 11th key clears the window; the random part's heading and first
  // product problem.
  int heading = run.Find("例6 次の式を展開しなさい。");
  ASSERT_GE(heading, 0);
  EXPECT_EQ(run.drawn[heading].keys - run.drawn[first].keys, 11);
  // The main menu wipes three times (two boards, one jump), the example once.
  EXPECT_EQ(run.Count("fill x1=0 y1=0 x2=1760 y2=1800 border=15 fill=15"), 3 + 1);
  const Drawn* d = &run.drawn[heading];
  EXPECT_EQ(d[0].x, 40);
  EXPECT_EQ(d[0].y, 30);
  EXPECT_EQ(d[0].colour, 3);
  EXPECT_EQ(d[1].text, "②");
  EXPECT_EQ(d[1].x, 40);
  EXPECT_EQ(d[1].y, 100);
  EXPECT_EQ(d[2].x, 115);
  EXPECT_EQ(d[2].y, 100);
  EXPECT_EQ(run.Count("fill x1=152 y1=158 x2=296 y2=206 border=7 fill=6"), 2);
  EXPECT_EQ(d[3].text, "①");
  EXPECT_EQ(d[4].text, "=M とおくと");
  EXPECT_EQ(d[4].x, 296);
  EXPECT_EQ(d[4].colour, 3);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(d[6 + i].x, 88);
    EXPECT_EQ(d[6 + i].y, 220 + 60 * i);
    EXPECT_EQ(d[6 + i].colour, i == 3 ? 5 : 0);
  }
  const Drawn& last = run.LastBeforeMenu();
  EXPECT_EQ(last.text, "教科書 問9　をしなさい。");
  EXPECT_EQ(last.x, 132);
  EXPECT_EQ(last.y, 570);
}

TEST(FennorChapter6, Example6DrillsAreRightOverManySeeds) {
  const int passes = 4;
  std::string drills;
  for (int drill = 0; drill < 2; ++drill)
    for (int i = 1; i <= passes; ++i) drills += Spaces(5) + Type(i < passes ? "2" : "1");
  static const std::regex productProblem(R"(\(([abc2+-]+)([+-]\d)\)\(\1(\+\d)\))");
  static const std::regex squareProblem(R"(\(([abc2+-]+)([+-]\d)\)\^2)");
  static const std::set<std::string> kPolynomials = {"a+b", "b-c", "a-b", "b+c", "2a+c"};
  std::set<std::string> seenRows;
  bool bare = false;
  for (const std::string& time : SeedTimes(1)) {
    SCOPED_TRACE(time);
    Session run = RunFennor(ChapterKeys("3", Spaces(11) + drills), time);
    ASSERT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(run.KeyWaits(), 11 + 2 * passes * 5);
    int shown = 0;
    for (size_t i = 0; i + 9 < run.drawn.size(); ++i) {
      const Drawn* d = &run.drawn[i];
      if (d[0].text != "②" && d[0].text != "③") continue;
      const bool square = d[0].text == "③";
      std::smatch m;
      ASSERT_TRUE(std::regex_match(d[1].text, m, square ? squareProblem : productProblem)) << d[1].text;
      const std::string M = m[1];
      EXPECT_TRUE(kPolynomials.count(M)) << M;
      seenRows.insert(M);
      const int p = std::stoi(m[2]);
      EXPECT_TRUE(p != 0 && std::abs(p) <= 5);
      if (!square) {
        const int q = std::stoi(m[3]);
        EXPECT_TRUE(q >= 1 && q <= 5 && q != std::abs(p)) << d[1].text;
      }
      // ①, "=M とおくと", the polynomial in the box, four lines.
      EXPECT_EQ(d[2].text, "①");
      EXPECT_EQ(d[4].text, M);
      EXPECT_EQ(d[4].keys, d[3].keys + 1);
      EXPECT_EQ(d[5].x, square ? 636 : 88);
      EXPECT_EQ(d[5].y, (square ? 90 : 160) + 60);
      for (int line = 0; line < 4; ++line) {
        const std::string& text = d[5 + line].text;
        EXPECT_TRUE(SamePolynomial(PutBack(text, M), d[1].text)) << d[1].text << " " << text;
        EXPECT_EQ(d[5 + line].colour, line == 3 ? 5 : 0);
      }
      EXPECT_EQ(d[5].keys, d[4].keys + 1);
      EXPECT_EQ(d[8].keys, d[5].keys + 3);
      // No coefficient 1 of M and no lone 1 before a letter in the result.
      EXPECT_EQ(d[6].text.find("1M"), std::string::npos) << d[6].text;
      if (d[6].text.find("+M") != std::string::npos || d[6].text.find("-M") != std::string::npos) bare = true;
      ++shown;
    }
    EXPECT_EQ(shown, 2 * passes);
  }
  EXPECT_EQ(seenRows, kPolynomials);
  EXPECT_TRUE(bare);
}

// ------------------------------------------------------ question 9

TEST(FennorChapter6, Question9AnswersOnTwoScreens) {
  Session run = RunFennor(ChapterKeys("4", Spaces(31)));
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.KeyWaits(), 31);
  int first = run.Find("問9解答 ");
  ASSERT_GE(first, 0);
  std::vector<Drawn> rows = Slice(run, first);
  ASSERT_EQ(rows.size(), 40u);
  struct Row {
    int number;
    Expected e;
    int keys;
  };
  const Row checks[] = {
      {1, {"問9解答 ", 40, 30, 3}, 0},
      {3, {"x+y=M とおくと", -1, 30, 3}, 0},
      {15, {"=a^2+2ab+b^2+2ac+2bc+c^2", 40, 590, 5}, 11},
      {16, {"(2)", 594, 30, 7}, 12},
      {22, {"=a^2+2ab", 660, 280, 3}, 17},
      {23, {"+2ac+b^2", -1, 280, 7}, 17},
      {24, {"+2bc+c^2", -1, 280, 3}, 17},
      {31, {"=a^2-2ab+b^2-12a+12b+36", 660, 580, 5}, 23},
      {32, {"問9解答 ", 40, 30, 3}, 25},
      {36, {"a+3=M とおくと", 134, 190, 3}, 27},
      {40, {"=a^2+6a+9-b^2", 94, 390, 5}, 31},
  };
  for (const Row& c : checks) {
    const Drawn& d = rows[c.number - 1];
    EXPECT_EQ(d.text, c.e.text) << c.number;
    if (c.e.x >= 0) {
      EXPECT_EQ(d.x, c.e.x) << c.number;
    } else {
      EXPECT_EQ(d.x, rows[c.number - 2].endX) << c.number;
    }
    EXPECT_EQ(d.y, c.e.y) << c.number;
    EXPECT_EQ(d.colour, c.e.colour) << c.number;
    EXPECT_EQ(d.keys - rows[0].keys, c.keys) << c.number;
  }
  // The main menu wipes three times (two boards, one jump), each screen once.
  EXPECT_EQ(run.Count("fill x1=0 y1=0 x2=1760 y2=1800 border=15 fill=15"), 3 + 2);
}

}  // namespace
