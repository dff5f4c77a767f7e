// Jorrel, chapter 2: the formula (x+a)(x+b) used backwards. Fixed screens are
// compared with their texts drawn on their own at the stated places; the
// random practices are read back from what they drew and checked by
// multiplying out.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/jorrel_testing.h"

namespace {

using namespace jorrel_testing;

// ---------------------------------------------------------------------------
// Goal screen and sub-menu

TEST(JorrelChapter2, GoalThenSubMenuUntilItsEndItem) {
  // 0, 9 and -3 show the item line again; 8 leaves.
  Session run = RunProbe("0 Enter 9 Enter - 3 Enter 8 Enter", [](Probe& p) { p.StartFormula1BackwardsChapter(); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.keysLeft, 0u);
  ExpectInOrder(run.shown, {{"<めあて>", 44, 240, 3}, {"公式１を逆に使って、因数分解しよう。", 76, 305, 0}});
  EXPECT_EQ(run.shown.size(), 2u);
  EXPECT_EQ(CountPrefix(run.lines, "text x=16 y=666 "), 4);
  EXPECT_EQ(KeyWaits(run.lines), 0);
  // Nothing but the bottom band was wiped.
  EXPECT_EQ(CountPrefix(run.lines, FillBox(0, 0, 1320, 1300, 15, 15)), 0);
}

TEST(JorrelChapter2, EveryItemStartsWithTheWipeAndEndsAtTheSubMenu) {
  // Each item once, with enough keys for it; the sub-menu comes back after
  // each, without a key wait of its own.
  struct Item {
    const char* keys;
    int keyWaits;
  } items[] = {{"1 Enter Space Space Space Space Space Space Space Space Space Space Space Space Space Space Space", 15},
               {"2 Enter Space Space Space Space 1 Enter Space Space Space Space 1 Enter Space", 9},
               {"3 Enter Space Space Space Space", 4},
               {"4 Enter Space Space Space Space 1 Enter Space", 5},
               {"5 Enter Space Space Space Space", 4},
               {"6 Enter Space Space Space Space 1 Enter Space", 5},
               {"7 Enter Space Space Space Space Space Space", 6}};
  for (const Item& item : items) {
    std::string keys = std::string(item.keys) + " 8 Enter";
    Session run = RunProbe(keys, [](Probe& p) { p.ShowFormula1BackwardsMenu(); });
    SCOPED_TRACE(item.keys);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(KeyWaits(run.lines), item.keyWaits);
    int wipe = FindPrefix(run.lines, FillBox(0, 0, 1320, 1300, 15, 15));
    int firstLine = FindPrefix(run.lines, "text x=16 y=666 ");
    int secondLine = FindPrefix(run.lines, "text x=16 y=666 ", wipe);
    EXPECT_LT(firstLine, wipe);
    EXPECT_GT(secondLine, wipe);
    // The last key wait comes before the sub-menu line is shown again.
    int lastWait = -1;
    for (int i = 0; i < static_cast<int>(run.lines.size()); ++i)
      if (run.lines[i].rfind(kKeyWaitBox, 0) == 0) lastWait = i;
    EXPECT_LT(lastWait, secondLine);
  }
}

// ---------------------------------------------------------------------------
// The table of candidate pairs

// One row of a table fixture: the two numbers and their texts.
struct Row {
  float first, second;
};

// Sets the table's inputs as a caller does and draws it.
void SetUpTable(Probe& p, float x, float y, const std::vector<Row>& rows, float sum, const char* product,
                const char* sumText) {
  p.gJorrelPairTableX = x;
  p.gJorrelPairTableY = y;
  p.gLabelList(1) = plat::FromUtf8(product);
  p.gLabelList(2) = plat::FromUtf8(sumText);
  for (size_t i = 0; i < rows.size(); ++i) {
    const float k = static_cast<float>(i + 1);
    p.gTermValue2(k) = rows[i].first;
    p.gTermValue2(k + 20) = rows[i].second;
    p.gTermText2(k) = std::to_string(static_cast<int>(rows[i].first));
    p.gTermText2(k + 20) = std::to_string(static_cast<int>(rows[i].second));
  }
  p.gDivisorPairCount = static_cast<float>(rows.size());
  p.gPointX(1) = sum;
  p.gJorrelPairSign = 1;
}

// A cell as the typesetter's boxed cell draws it on its own: border 3, text 0;
// a heading's text stands `raise` units higher.
Lines Cell(float x, float y, float width, int fill, const std::string& utf8, float raise = 0) {
  return RunBody("", [&](Probe& p) {
    p.gPenX = x;
    p.gPenY = y;
    p.gCellWidth = width;
    p.gCellHeight = 50;
    p.gTextColour = 0;
    p.gFigureColour = 3;
    p.gAccentColour = static_cast<float>(fill);
    p.gWorkText = plat::FromUtf8(utf8);
    p.DrawBoxedCellRaised(raise);
  });
}

TEST(JorrelChapter2, PairTableShowsHeadersThenRowsThenMarksByTheSum) {
  struct Case {
    const char* name;
    std::vector<Row> rows;
    float sum;
    const char* product;
    const char* sumText;
    std::vector<const char*> marks;
  } cases[] = {
      {"product -12, sum 1",
       {{1, -12}, {2, -6}, {3, -4}, {-1, 12}, {-2, 6}, {-3, 4}},
       1,
       "積が-12",
       "和が1",
       {"×", "×", "×", "×", "×", "○"}},
      {"one row", {{1, 2}}, 3, "積が2", "和が3", {"○"}},
      {"two rows with the sum", {{1, 4}, {2, 3}}, 5, "積が?", "和が5", {"○", "○"}},
      {"no row with the sum", {{1, 6}, {2, 3}, {-1, -6}}, 4, "積が6", "和が4", {"×", "×", "×"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const float x = 728, y = 60;
    float keptX = 0, keptY = 0;
    Session run = RunProbe("Space Space", [&](Probe& p) {
      SetUpTable(p, x, y, c.rows, c.sum, c.product, c.sumText);
      p.ShowFactorPairTable();
      keptX = p.gPointX(31);
      keptY = p.gPointY(31);
    });
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(keptX, x);
    EXPECT_EQ(keptY, y);
    EXPECT_EQ(KeyWaits(run.lines), 2);

    Lines expected = Cell(x, y, 264, 11, c.product, 2);
    Lines second = Cell(x + 264, y, 220, 13, c.sumText, 2);
    expected.insert(expected.end(), second.begin(), second.end());
    int at = Find(run.lines, expected);
    ASSERT_EQ(at, 0);
    int key = Find(run.lines, "key \"Space\"", at);
    for (size_t i = 0; i < c.rows.size(); ++i) {
      const float rowY = y + 50 * static_cast<float>(i + 1);
      std::string text = std::to_string(static_cast<int>(c.rows[i].first)) + "と" +
                         std::to_string(static_cast<int>(c.rows[i].second));
      int found = Find(run.lines, Cell(x, rowY, 264, 13, text), at);
      EXPECT_GT(found, key) << text;
      at = std::max(at, found);
    }
    key = Find(run.lines, "key \"Space\"", key + 1);
    EXPECT_GT(key, at);
    at = key;
    Lines last;
    for (size_t i = 0; i < c.rows.size(); ++i) {
      const float rowY = y + 50 * static_cast<float>(i + 1);
      last = Cell(x + 264, rowY, 220, 11, c.marks[i]);
      int found = Find(run.lines, last, at);
      EXPECT_GT(found, at) << i;
      at = std::max(at, found);
    }
    // Nothing after the last mark: no key wait.
    EXPECT_EQ(at + static_cast<int>(last.size()), static_cast<int>(run.lines.size()));
  }
}

// ---------------------------------------------------------------------------
// Item ①: the task

TEST(JorrelChapter2, TaskFactorisesTwelveAndSevenWithFiguresAndTable) {
  Session run = RunProbe(Keys("Space", 15), [](Probe& p) { p.ShowFormula1BackwardsTask(); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(KeyWaits(run.lines), 15);
  EXPECT_EQ(FindPrefix(run.lines, FillBox(0, 0, 1320, 1300, 15, 15)), 0);
  // The square of the first figure, with the origin at (792, 100).
  EXPECT_GE(FindPrefix(run.lines, FillBox(880, 100, 1100, 320, 0, 3)), 0);
  EXPECT_EQ(CountPrefix(run.lines, FillBox(704, 0, 2024, 1300, 15, 15)), 2);
  EXPECT_EQ(CountPrefix(run.lines, FillBox(0, 170, 440, 230, 15, 15)), 1);

  Drawn first = Expr(66, 170, 0, "=");
  Drawn again = Expr(54, 170, 0, "=");
  ExpectInOrder(run.shown, {
                               {"課題 次の式を因数分解しなさい。", 22, 30, 0},
                               {"x^2+7x+12", 110, 110, 0},
                               {"○", -1, -1, -1},
                               {"=", 66, 170, 0},
                               {"(x+○)(x+△)", first.endX, 170, 3},
                               {"7x", -1, -1, -1},
                               {"3x", -1, -1, -1},
                               {"=", 54, 170, 0},
                               {"(x+3)(x+4)", again.endX, 170, 5},
                               {"△", -1, -1, -1},
                               {"<さがし方>", 66, 230, 3},
                               {"積が12、和が7となる数をさがす", 66, 290, 0},
                               {"公式１' x^2+(a+b)x+ab=(x+a)(x+b)", 66, 590, 5},
                           });
  // The figure labels of the three stages, in the order drawn.
  std::vector<std::string> labels;
  for (const Shown& s : run.shown)
    if (s.x >= 792 && s.y < 600) labels.push_back(s.text);
  std::vector<std::string> expected = {
      "x^2", "x", "x", "△", "○", "12",  // first stage
      "△",   "7x",                      // regrouped
      "x^2", "x", "x", "4x", "4", "3x", "3", "12",  // second stage
      "x^2", "x", "x", "△", "○", "12", "△", "7x",  // third stage, regrouped
  };
  EXPECT_EQ(labels, expected);
  // The table at (66, 350): the pairs of 12, only 3 and 4 marked.
  int table = FindShown(run.shown, "積が12");
  ASSERT_GT(table, 0);
  std::vector<std::string> cells;
  for (size_t i = static_cast<size_t>(table); i < run.shown.size() - 1; ++i) cells.push_back(run.shown[i].text);
  EXPECT_EQ(cells, (std::vector<std::string>{"積が12", "和が7", "1と12", "2と6", "3と4", "×", "×", "○"}));
  EXPECT_GE(Find(run.lines, Cell(66, 350, 264, 11, "積が12", 2)), 0);
  EXPECT_GE(Find(run.lines, Cell(330, 500, 220, 11, "○")), 0);
}

// ---------------------------------------------------------------------------
// Items ②, ④ and ⑥: the practices, read back over many seeds

// One problem as drawn: the problem line, the answer line with its boxes, the
// pair table, and the keys pressed by the time each part was drawn.
struct Problem {
  std::string problem, open, between;
  std::string box1, box2;  // the numbers written into the boxes
  std::string product, sum;
  std::vector<std::string> rows, marks;
  float y = 0;
  int keys = 0, headerKeys = 0, rowKeys = 0, markKeys = 0, answerKeys = 0;
};

// Reads the problems drawn at (22, y) for each y in problemYs.
std::vector<Problem> ReadProblems(const std::vector<Shown>& shown, std::set<float> problemYs) {
  std::vector<Problem> out;
  for (size_t i = 0; i < shown.size(); ++i) {
    if (shown[i].x != 22 || !problemYs.count(shown[i].y)) continue;
    Problem p;
    p.problem = shown[i].text;
    p.y = shown[i].y;
    p.keys = shown[i].keys;
    const Shown* s = &shown[i];
    EXPECT_LT(i + 8, shown.size());
    if (i + 8 >= shown.size()) break;
    p.open = s[1].text;
    EXPECT_EQ(s[2].text, "①");
    p.between = s[3].text;
    EXPECT_EQ(s[4].text, "②");
    EXPECT_EQ(s[5].text, ")");
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(s[k].y, p.y + 80);
    p.product = s[6].text;
    p.sum = s[7].text;
    p.headerKeys = s[6].keys;
    size_t j = i + 8;
    std::vector<std::string> cells;
    std::vector<int> keys;
    while (j < shown.size() && shown[j].colour == 0) {
      cells.push_back(shown[j].text);
      keys.push_back(shown[j].keys);
      ++j;
    }
    EXPECT_EQ(cells.size() % 2, 0u);
    EXPECT_LT(j + 1, shown.size());
    if (j + 1 >= shown.size() || cells.empty()) break;
    size_t n = cells.size() / 2;
    p.rows.assign(cells.begin(), cells.begin() + static_cast<long>(n));
    p.marks.assign(cells.begin() + static_cast<long>(n), cells.end());
    p.rowKeys = keys.front();
    p.markKeys = keys.back();
    p.box1 = shown[j].text;
    p.box2 = shown[j + 1].text;
    EXPECT_EQ(shown[j].colour, 5);
    EXPECT_EQ(shown[j].y, p.y + 80);
    EXPECT_EQ(shown[j + 1].y, p.y + 80);
    p.answerKeys = shown[j].keys;
    out.push_back(p);
    i = j + 1;
  }
  return out;
}

// Checks one problem: the boxes factorise it, the table lists the candidate
// pairs of its constant and marks only the row of the two numbers. Returns
// the two numbers in the boxes.
std::pair<int, int> CheckProblem(const Problem& p, const std::string& label) {
  SCOPED_TRACE(p.problem);
  EXPECT_EQ(p.problem.rfind(label, 0), 0u);
  const std::string expression = p.problem.substr(label.size());
  // A coefficient ±1 shows its sign alone.
  EXPECT_FALSE(std::regex_search(expression, std::regex("[+-]1x")));
  Polynomial problem = Parse(expression);
  const int s = problem.count({{'x', 1}}) ? problem[{{'x', 1}}] : 0;
  const int c = problem.count({}) ? problem[{}] : 0;
  EXPECT_EQ((problem[{{'x', 2}}]), 1);
  // "=(x+" box ")(x+" box ")": each factor is the text after the bracket
  // followed by the number in its box.
  EXPECT_EQ(p.open.rfind("=(x", 0), 0u);
  EXPECT_EQ(p.between.rfind(")(x", 0), 0u);
  const std::string f1 = p.open.substr(2) + p.box1, f2 = p.between.substr(2) + p.box2;
  EXPECT_EQ(Times(Parse(f1), Parse(f2)), Parse(expression)) << f1 << " " << f2;
  const int a = Parse(f1).count({}) ? Parse(f1)[{}] : 0, b = Parse(f2).count({}) ? Parse(f2)[{}] : 0;
  EXPECT_NE(std::abs(a), std::abs(b));
  EXPECT_TRUE(std::abs(a) >= 1 && std::abs(a) <= 7 && std::abs(b) >= 1 && std::abs(b) <= 8) << a << " " << b;
  EXPECT_TRUE(std::abs(b) <= 7 || std::abs(a) == 7);
  // The headers name the plain product and sum.
  EXPECT_EQ(p.product, "積が" + std::to_string(c));
  EXPECT_EQ(p.sum, "和が" + std::to_string(s));
  int circles = 0;
  for (const auto& [d, e] : CandidatePairs(c)) EXPECT_EQ(d * e, c);
  EXPECT_EQ(p.rows, CandidateRows(c));
  std::vector<std::pair<int, int>> pairs = CandidatePairs(c);
  EXPECT_EQ(p.marks.size(), pairs.size());
  for (size_t k = 0; k < p.marks.size() && k < pairs.size(); ++k) {
    if (p.marks[k] == "○") {
      ++circles;
      EXPECT_EQ((std::multiset<int>{pairs[k].first, pairs[k].second}), (std::multiset<int>{a, b}));
    } else {
      EXPECT_EQ(p.marks[k], "×");
    }
  }
  EXPECT_EQ(circles, 1);
  // A key before the table's headers, its rows, its marks and the answers.
  EXPECT_EQ(p.headerKeys, p.keys + 1);
  EXPECT_EQ(p.rowKeys, p.keys + 2);
  EXPECT_EQ(p.markKeys, p.keys + 3);
  EXPECT_EQ(p.answerKeys, p.keys + 4);
  return {a, b};
}

// Keys for n problems of one loop: four key waits and a step answer each,
// "2" until the last, which is answered with 1.
std::string ProblemKeys(int n) {
  std::string keys;
  for (int i = 1; i <= n; ++i) keys += Keys("Space", 4) + (i < n ? "2 Enter " : "1 Enter ");
  return keys;
}

TEST(JorrelChapter2, PracticeOneFactorisesBothPartsOverManySeeds) {
  const int part1 = 3, part2 = 3;
  std::set<int> constants;
  for (const std::string& time : SeedTimes(2)) {
    SCOPED_TRACE(time);
    Session run = RunProbe(ProblemKeys(part1) + ProblemKeys(part2) + "Space",
                       [](Probe& p) { p.RunFormula1BackwardsPractice1(); }, time);
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(KeyWaits(run.lines), 4 * (part1 + part2) + 1);
    std::vector<Problem> problems = ReadProblems(run.shown, {98, 320});
    ASSERT_EQ(problems.size(), static_cast<size_t>(part1 + part2));
    for (int i = 0; i < part1 + part2; ++i) {
      const Problem& p = problems[static_cast<size_t>(i)];
      const bool first = i < part1;
      EXPECT_EQ(p.y, first ? 98 : 320);
      auto [a, b] = CheckProblem(p, first ? "(1) " : "(2) ");
      // Part (1): two positive numbers written plain after "+"; part (2):
      // two negative numbers carrying their "-".
      EXPECT_EQ(p.open, first ? "=(x+" : "=(x");
      EXPECT_EQ(p.between, first ? ")(x+" : ")(x");
      EXPECT_TRUE(first ? a > 0 && b > 0 : a < 0 && b < 0);
      EXPECT_EQ(p.box1, std::to_string(a));
      EXPECT_EQ(p.box2, std::to_string(b));
      constants.insert(a * b);
    }
    // The heading for part (1) only; part (2) keeps part (1)'s last problem.
    int headings = 0;
    for (const Shown& s : run.shown) headings += s.text == "問　次の式を因数分解しなさい。" && s.x == 88 && s.y == 18;
    EXPECT_EQ(headings, part1);
    EXPECT_EQ(CountPrefix(run.lines, FillBox(728, 0, 2048, 1300, 15, 15)), part2);
    EXPECT_EQ(CountPrefix(run.lines, FillBox(0, 240, 1320, 1540, 15, 15)), part2);
    EXPECT_EQ(CountPrefix(run.lines, FillBox(0, 0, 1320, 1300, 15, 15)), part1);
    // The closing line after one more key.
    const Shown& last = run.shown.back();
    EXPECT_EQ(last.text, "教科書P26 問１　をしなさい。");
    EXPECT_EQ(last.x, 484);
    EXPECT_EQ(last.y, 570);
    EXPECT_EQ(last.colour, 0);
  }
  // The equal draw 7 and 7 (56) and the square product 4 came up.
  EXPECT_TRUE(constants.count(56) && constants.count(4));
}

// Checks the signed texts of practices 2 and 3: both boxes carry their sign.
void CheckSignedBoxes(const Problem& p, int a, int b) {
  auto signedText = [](int v) { return (v > 0 ? "+" : "") + std::to_string(v); };
  EXPECT_EQ(p.open, "=(x");
  EXPECT_EQ(p.between, ")(x");
  EXPECT_EQ(p.box1, signedText(a));
  EXPECT_EQ(p.box2, signedText(b));
}

TEST(JorrelChapter2, PracticesTwoAndThreeFactoriseOverManySeeds) {
  struct Case {
    void (lesson::Jorrel::*run)();
    const char* closing;
  } cases[] = {{&lesson::Jorrel::RunFormula1BackwardsPractice2, "教科書P27 問２　をしなさい。"},
               {&lesson::Jorrel::RunFormula1BackwardsPractice3, "教科書P27 問3　をしなさい。"}};
  const int n = 6;
  for (const Case& c : cases) {
    std::set<std::pair<bool, bool>> signs;
    std::set<int> sums;
    for (const std::string& time : SeedTimes(2)) {
      SCOPED_TRACE(std::string(c.closing) + " " + time);
      Session run = RunProbe(ProblemKeys(n) + "Space", [&](Probe& p) { (p.*c.run)(); }, time);
      ASSERT_TRUE(run.finished);
      ASSERT_EQ(run.keysLeft, 0u);
      EXPECT_EQ(KeyWaits(run.lines), 4 * n + 1);
      EXPECT_EQ(CountPrefix(run.lines, FillBox(0, 0, 1320, 1300, 15, 15)), n);
      std::vector<Problem> problems = ReadProblems(run.shown, {98});
      ASSERT_EQ(problems.size(), static_cast<size_t>(n));
      for (const Problem& p : problems) {
        auto [a, b] = CheckProblem(p, "  ");
        CheckSignedBoxes(p, a, b);
        if (c.run == &lesson::Jorrel::RunFormula1BackwardsPractice2) {
          EXPECT_LT(a * b, 0);
        }
        signs.insert({a > 0, b > 0});
        sums.insert(a + b);
      }
      const Shown& last = run.shown.back();
      EXPECT_EQ(last.text, c.closing);
      EXPECT_EQ(last.x, 132);
      EXPECT_EQ(last.y, 570);
      EXPECT_EQ(last.colour, 0);
    }
    // Practice 2 gives one negative number, either one; practice 3 every
    // combination. The sums 1 and -1 (a bare sign) came up.
    EXPECT_EQ(signs.size(), c.run == &lesson::Jorrel::RunFormula1BackwardsPractice2 ? 2u : 4u);
    EXPECT_TRUE(sums.count(1) && sums.count(-1));
  }
}

TEST(JorrelChapter2, PracticeBoxesAreFilledWhereTheyWereDrawn) {
  Session run = RunProbe(ProblemKeys(1) + "Space", [](Probe& p) { p.RunFormula1BackwardsPractice3(); });
  ASSERT_TRUE(run.finished);
  // Four boxes 132 by 60 on the answer line (8 above y 178 to 52 below):
  // the two empty ones, then the two answers over them.
  std::vector<std::string> boxes;
  for (const std::string& l : run.lines)
    if (l.find(" y1=170 ") != std::string::npos && l.find(" y2=230 border=3 fill=13") != std::string::npos)
      boxes.push_back(l.substr(0, l.find(" y1=")));
  ASSERT_EQ(boxes.size(), 4u);
  EXPECT_EQ(boxes[0], boxes[2]);
  EXPECT_EQ(boxes[1], boxes[3]);
  Drawn open = Expr(88, 178, 0, "=(x");
  EXPECT_EQ(FindPrefix(run.lines, FillBox(open.endX + 10, 170, open.endX + 142, 230, 3, 13)),
            FindPrefix(run.lines, boxes[0]));
}

// ---------------------------------------------------------------------------
// Items ③, ⑤ and ⑦: answer pages

TEST(JorrelChapter2, AnswerPagesShowOneLineAfterEachKey) {
  struct Page {
    void (lesson::Jorrel::*show)();
    std::vector<const char*> texts;  // heading first
  } pages[] = {
      {&lesson::Jorrel::ShowFormula1BackwardsQ1Answers,
       {"問1の解答", "(1) x^2+7x+10=(x+2)(x+5)", "(2) x^2-7x+10=(x-2)(x-5)", "(3) x^2+8x+12=(x+2)(x+6)",
        "(4) x^2-9x+8=(x-1)(x-8)"}},
      {&lesson::Jorrel::ShowFormula1BackwardsQ2Answers,
       {"問2の解答", "(1) x^2-2x-15=(x-5)(x+3)", "(2) x^2-2x-8=(x-4)(x+2)", "(3) x^2+3x-10=(x-2)(x+5)",
        "(4) a^2-7a-8=(a-8)(a+1)"}},
      {&lesson::Jorrel::ShowFormula1BackwardsQ3Answers,
       {"問3の解答", "(1) x^2+10x+9=(x+1)(x+9)", "(2) y^2+5y-36=(y-4)(y+9)", "(3) x^2-3x-28=(x+4)(x-7)",
        "(4) x^2-16x+28=(x-2)(x-14)", "(5) x^2+x-2=(x-1)(x+2)", "(6) x^2+101x+100=(x+1)(x+100)"}},
  };
  for (const Page& page : pages) {
    const int lines = static_cast<int>(page.texts.size()) - 1;
    Session run = RunProbe(Keys("Space", lines), [&](Probe& p) { (p.*page.show)(); });
    SCOPED_TRACE(page.texts[0]);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(KeyWaits(run.lines), lines);
    EXPECT_EQ(FindPrefix(run.lines, FillBox(0, 0, 1320, 1300, 15, 15)), 0);
    ASSERT_EQ(run.shown.size(), page.texts.size());
    for (int k = 0; k <= lines; ++k) {
      const Shown& s = run.shown[static_cast<size_t>(k)];
      EXPECT_EQ(s.text, page.texts[static_cast<size_t>(k)]);
      EXPECT_EQ(s.x, 44);
      EXPECT_EQ(s.y, 30 + 75 * k);
      EXPECT_EQ(s.colour, k == 0 ? 5 : 0);
      EXPECT_EQ(s.keys, k);  // a key after the heading and each line but the last
    }
    // Every answer multiplies out to its trinomial.
    for (int k = 1; k <= lines; ++k) {
      std::string line = page.texts[static_cast<size_t>(k)];
      line = line.substr(4);
      const size_t eq = line.find('=');
      const std::string left = line.substr(0, eq), right = line.substr(eq + 1);
      const size_t mid = right.find(")(");
      EXPECT_EQ(Times(Parse(right.substr(1, mid - 1)), Parse(right.substr(mid + 2, right.size() - mid - 3))),
                Parse(left))
          << line;
    }
  }
}

}  // namespace
