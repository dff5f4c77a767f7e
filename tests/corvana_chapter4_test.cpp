// Corvana's chapter 4, representing numbers, checked on the traces of
// scripted runs: the sub-menu, the fixed explanation screens piece by piece
// with their key waits, and the two random exercises read back from what was
// drawn, every answer rebuilt from the drawn letters and numbers over all
// start-up seeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "tests/corvana_screens.h"

namespace {

using corvana_rows::kAfter;
using corvana_rows::ExpectRow;
using corvana_rows::kBoard;
using corvana_rows::kKeyWait;
using corvana_rows::kStepPrompt;
using corvana_rows::Numbers;
using corvana_rows::Repeat;
using corvana_rows::Row;
using corvana_rows::Seen;

// The item line as plain text prints it: its digits full-width.
const char kItemLine[] = "①倍数②偶数③奇数④連続⑤まとめ⑥練習１⑦練習２⑧終了";
const char kHalfWipe[] = "fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15";
const char kWholeWipe[] = "fill x1=0 y1=0 x2=1760 y2=1800 border=15 fill=15";


// ------------------------------------------------------------ chapter frame

TEST(CorvanaNumbersChapter, GoalSubMenuAndItsRangeTest) {
  Seen r("4 Enter 0 Enter - 1 Enter 9 Enter 8 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  int goal = corvana_rows::ExpectGoalScreen(r, "文字を使って倍数や偶数、奇数を表そう。", kItemLine);
  ASSERT_GE(goal, 0);
  EXPECT_EQ(r.Count(kItemLine), 4);
  r.ExpectNoWipeAbove(r.At(goal + 1).end, r.replay.Find("key \"8\""));
  EXPECT_EQ(r.Lines(kBoard), 2);
}

// ------------------------------------------------------------ fixed items

// Each item's key presses, from its first wipe to the item line after it.
TEST(CorvanaNumbersItems, KeyCountsAndWipes) {
  struct Case {
    int item, keys;
    std::vector<const char*> wipes;
  } cases[] = {
      {1, 16, {kHalfWipe}}, {2, 4, {kHalfWipe}},  {3, 9, {kWholeWipe}},
      {4, 18, {kWholeWipe, kHalfWipe}},           {5, 1, {kWholeWipe}},
  };
  for (const Case& c : cases) {
    Seen r("4 Enter " + std::to_string(c.item) + " Enter " + Repeat("Space", c.keys) + "8 Enter");
    EXPECT_EQ(r.replay.exitCode, 0);
    int start = r.replay.Find(c.wipes.front(), r.At(r.Index(kItemLine)).line);
    ASSERT_GT(start, 0) << c.item;
    int item = r.Index(kItemLine, static_cast<size_t>(r.Index(kItemLine)) + 1);
    ASSERT_GE(item, 0) << c.item;
    EXPECT_EQ(r.Lines(kKeyWait, start, r.At(item).line), c.keys) << c.item;
    int at = start;
    for (const char* wipe : c.wipes) {
      at = r.replay.Find(wipe, at);
      EXPECT_GE(at, 0) << c.item << " " << wipe;
    }
    EXPECT_EQ(r.Lines("fill x1=0 y1=0 ", start, r.At(item).line), static_cast<int>(c.wipes.size())) << c.item;
  }
}

TEST(CorvanaNumbersItems, MultiplesOfThreeSetsInPlaceAndTable) {
  Seen r("4 Enter 1 Enter " + Repeat("Space", 16) + "8 Enter");
  const std::vector<Row> rows = r.LessonRows();
  auto at = [&](int i) -> const Row& { return rows.at(static_cast<size_t>(i)); };
  int title = 0;
  while (title < static_cast<int>(rows.size()) && rows[static_cast<size_t>(title)].text.rfind("問1", 0) != 0) ++title;
  ASSERT_LT(title, static_cast<int>(rows.size()));
  ExpectRow(at(title), "問1　nを整数とするとき、3の倍数をnを使って表しなさい。", 44, 30, 0);
  // The sets of positive numbers leave room for what replaces them in place.
  ExpectRow(at(title + 1), "n=｛", 44, 80, 3);
  EXPECT_EQ(at(title + 2).text, "1,2,3,…｝");
  EXPECT_EQ(at(title + 2).x, 44 + 27 + 32 + 34 + 27 * 12);
  int strip = r.replay.Find("fill x1=44 y1=80 x2=1364 y2=131 border=15 fill=15");
  EXPECT_GT(strip, at(title + 2).line);
  EXPECT_LT(strip, at(title + 3).line);
  ExpectRow(at(title + 3), "n=｛…-3,-2,-1,0,1,2,3,…｝", 44, 80, 3);
  ExpectRow(at(title + 4), "３の倍数=｛", 44, 130, 5);
  int strip2 = r.replay.Find("fill x1=44 y1=133 x2=1364 y2=181 border=15 fill=15");
  EXPECT_GT(strip2, at(title + 5).line);
  EXPECT_LT(strip2, at(title + 6).line);
  ExpectRow(at(title + 6), "３の倍数=｛…-9,-6,-3,0,3,6,9,…｝", 44, 130, 5);
  // The table: the numbers keep the blank before 0 and positive numbers, so
  // their digits stand a place right of the minus signs.
  int row = title + 7;
  ExpectRow(at(row), " …", 71, 180, 5);
  for (int k = -3; k <= 3; ++k) ExpectRow(at(row + 4 + k), std::to_string(3 * k), k < 0 ? 44 : 71, 380 + 50 * k, 5);
  ExpectRow(at(row + 8), " …", 71, 580, 5);
  for (int k = 0; k < 7; ++k) ExpectRow(at(row + 9 + k), "=3*", 132, 230 + 50 * k, 0);
  const char* factors[] = {"(-3)", "(-2)", "(-1)", "0", "1", "2", "3"};
  for (int k = 0; k < 7; ++k) {
    const Row& f = at(row + 16 + k);
    ExpectRow(f, factors[k], k < 3 ? 264 : 291, 230 + 50 * k, 3);
    // One key for each row of the last column.
    EXPECT_EQ(r.Lines(kKeyWait, f.end, at(row + 17 + k).line), 1) << factors[k];
  }
  // One key after each of the first two columns.
  EXPECT_EQ(r.Lines(kKeyWait, at(row + 8).end, at(row + 9).line), 1);
  EXPECT_EQ(r.Lines(kKeyWait, at(row + 15).end, at(row + 16).line), 1);
  corvana_rows::ExpectPieces(r,
                             {
                                 {"３の倍数は、", 528, 250, 0, 1},
                                 {"3*整数　", kAfter, 250, 5, 0},
                                 {"の形をしているから、", 528, 300, 0, 1},
                                 {"３の倍数は、", 528, 400, 0, 0},
                                 {"3n　", kAfter, 400, 5, 0},
                                 {"と表すことができる。", 528, 450, 0, 0},
                             },
                             kItemLine);
}

TEST(CorvanaNumbersItems, EvenAndOddNumbersPieceByPiece) {
  Seen even("4 Enter 2 Enter " + Repeat("Space", 4) + "8 Enter");
  corvana_rows::ExpectPieces(even,
                             {
                                 {"問2　偶数をnを使って表しなさい。", 44, 30, 0, 1},
                                 {"偶数=｛…-6,-4,-2,0,2,4,6,…｝", 44, 120, 5, 1},
                                 {"偶数は、", 44, 210, 0, 1},
                                 {"2*整数　", kAfter, 210, 5, 0},
                                 {"の形をしているから、", kAfter, 210, 0, 1},
                                 {"偶数は、", 44, 300, 0, 0},
                                 {"2n　", kAfter, 300, 5, 0},
                                 {"と表すことができる。", kAfter, 300, 0, 0},
                             },
                             kItemLine);
  Seen odd("4 Enter 3 Enter " + Repeat("Space", 9) + "8 Enter");
  corvana_rows::ExpectPieces(odd,
                             {
                                 {"問3　奇数をnを使って表しなさい。", 44, 30, 0, 1},
                                 {"偶数=｛…-6,-4,-2,0,2,4,6,…｝", 44, 90, 3, 1},
                                 {"奇数=｛…-5,-3,-1,1,3,5,7,…｝", 44, 150, 5, 1},
                                 {"奇数は、", 44, 210, 0, 1},
                                 {"偶数＋１　", kAfter, 210, 5, 0},
                                 {"の形をしているから、", kAfter, 210, 0, 1},
                                 {"奇数は、", 44, 270, 0, 0},
                                 {"2n+1　", kAfter, 270, 5, 0},
                                 {"と表すことができる。", kAfter, 270, 0, 1},
                                 {"偶数=｛…-6,-4,-2,0 ,2,4,6,…｝", 44, 330, 3, 1},
                                 {"奇数=｛…-7,-5,-3,-1,1,3,5,…｝", 44, 390, 5, 1},
                                 {"奇数は、", 44, 450, 0, 0},
                                 {"2n-1　", kAfter, 450, 5, 0},
                                 {"と表すこともできる。", kAfter, 450, 0, 1},
                                 {"他にも、", 44, 510, 0, 0},
                                 {"2n+3,2n-3,2n+5,…", kAfter, 510, 5, 0},
                                 {"と表すこともできる。", kAfter, 510, 0, 0},
                             },
                             kItemLine);
}

TEST(CorvanaNumbersItems, PairsOnTwoScreensAndTheSummary) {
  Seen pairs("4 Enter 4 Enter " + Repeat("Space", 18) + "8 Enter");
  // Screen A ends with two keys before screen B is drawn.
  int last = pairs.Index("2m と 2n");
  ASSERT_GE(last, 0);
  ExpectRow(pairs.At(last), "2m と 2n", 176, 540, 5);
  int next = pairs.Index("問4　次の数を 整数 m,n を使って表しなさい。", static_cast<size_t>(last));
  ASSERT_GE(next, 0);
  EXPECT_EQ(pairs.Lines(kKeyWait, pairs.At(last).end, pairs.At(next).line), 2);
  ExpectRow(pairs.At(pairs.Index("2n+2と2n+4,2n-4と2n-2…")), "2n+2と2n+4,2n-4と2n-2…",
            pairs.At(pairs.Index("2n+2と2n+4,2n-4と2n-2…")).penX, 390, 9);
  corvana_rows::ExpectPieces(pairs,
                             {
                                 {"問4　次の数を 整数 m,n を使って表しなさい。", 44, 30, 0, 1},
                                 {"(3) 3と5のように、連続する奇数", 44, 90, 3, 1},
                                 {"①小さい方の奇数を", 132, 150, 0, 0},
                                 {"2n+1", kAfter, 150, 5, 0},
                                 {"とすると、", kAfter, 150, 0, 1},
                                 {"大きい方の奇数は", 176, 210, 0, 0},
                                 {"2大きいから", kAfter, 210, 3, 0},
                                 {"2n+3", kAfter, 210, 5, 1},
                                 {"②大きい方の奇数を", 132, 270, 0, 0},
                                 {"2n+1", kAfter, 270, 5, 0},
                                 {"とすると、", kAfter, 270, 0, 1},
                                 {"小さい方の奇数は", 176, 330, 0, 0},
                                 {"2小さいから", kAfter, 330, 3, 0},
                                 {"2n-1", kAfter, 330, 5, 1},
                                 {"③他にも、", 132, 390, 0, 0},
                                 {"2n+3と2n+5,2n-5と2n-3…", kAfter, 390, 9, 1},
                                 {"(4) 3と177のような２つの奇数", 44, 480, 3, 1},
                                 {"2m+1 と 2n+1", 176, 540, 5, 0},
                             },
                             kItemLine, static_cast<size_t>(next));

  Seen summary("4 Enter 5 Enter Space 8 Enter");
  corvana_rows::ExpectPieces(summary,
                             {
                                 {"<倍数・偶数・奇数の表し方>", 88, 30, 5, 1},
                                 {"(1) nを整数とすると", 22, 90, 3, 0},
                                 {"① ３の倍数…", 88, 150, 0, 0},
                                 {"3n", kAfter, 150, 5, 0},
                                 {"② 偶数…", 88, 210, 0, 0},
                                 {"2n", kAfter, 210, 5, 0},
                                 {"③ 奇数…", 88, 270, 0, 0},
                                 {"2n+1,2n-1", kAfter, 270, 5, 0},
                                 {"(2) m,nを整数とすると", 22, 330, 3, 0},
                                 {"① 連続する偶数…", 88, 390, 0, 0},
                                 {"2nと2n+2 ,2n-2と2n", kAfter, 390, 5, 0},
                                 {"② ２つの偶数…", 88, 450, 0, 0},
                                 {"2mと2n", kAfter, 450, 5, 0},
                                 {"③ 連続する奇数…", 88, 510, 0, 0},
                                 {"2n+1と2n+3,2n-1と2n+1", kAfter, 510, 5, 0},
                                 {"④ ２つの奇数…", 88, 570, 0, 0},
                                 {"2m+1と2n+1", kAfter, 570, 5, 0},
                             },
                             kItemLine);
}

// --------------------------------------------------------------- exercises

// Every start-up seed (hours + minutes + seconds, 0 to 141) once.
std::string TimeForSeed(int seed) {
  const int minutes = std::clamp(seed, 0, 59), seconds = std::clamp(seed - minutes, 0, 59);
  char time[32];
  std::snprintf(time, sizeof time, "00:%02d:%02d", minutes, seconds);
  return time;
}

// The whole-window wipes of an exercise's passes: after the chapter's first
// item line, before the main menu comes back.
std::vector<int> PassStarts(const Seen& r) {
  std::vector<int> out;
  int end = r.replay.Find("fill x1=0 y1=54 x2=1440 y2=900", r.At(r.Index(kItemLine)).line);
  for (int i = r.replay.Find(kWholeWipe, r.At(r.Index(kItemLine)).line); i >= 0 && (end < 0 || i < end);
       i = r.replay.Find(kWholeWipe, i + 1))
    out.push_back(i);
  return out;
}

// The rows of each pass of an exercise: from its whole-window wipe on.
std::vector<std::vector<Row>> Passes(const Seen& r, size_t rowsEach) {
  std::vector<std::vector<Row>> out;
  for (int i : PassStarts(r)) {
    size_t k = 0;
    while (k < r.rows.size() && r.rows[k].line < i) ++k;
    std::vector<Row> rows;
    for (; rows.size() < rowsEach && k < r.rows.size(); k = r.Next(k)) {
      if (r.rows[k].y < 640) rows.push_back(r.rows[k]);
    }
    if (rows.size() == rowsEach) out.push_back(rows);
  }
  return out;
}

TEST(CorvanaNumbersExercises, LetterExpressionsAnswersFromTheDrawnLetterAndNumber) {
  const int kPasses = 3;
  std::set<std::string> letters;
  std::set<int> numbers;
  for (int seed = 0; seed <= 141; ++seed) {
    Seen r("4 Enter 6 Enter " + Repeat(Repeat("Space", 8) + "2 Enter", kPasses - 1) + Repeat("Space", 8) +
               "1 Enter 8 Enter",
           TimeForSeed(seed));
    EXPECT_EQ(r.replay.exitCode, 0);
    EXPECT_EQ(r.Lines(kKeyWait), 8 * kPasses);
    EXPECT_EQ(r.Lines(kStepPrompt), kPasses);
    auto passes = Passes(r, 33);
    ASSERT_EQ(passes.size(), static_cast<size_t>(kPasses)) << seed;
    for (const auto& p : passes) {
      const std::string l = p[1].text;
      EXPECT_TRUE(l == "a" || l == "b" || l == "k" || l == "p" || l == "m" || l == "n") << l;
      letters.insert(l);
      ExpectRow(p[0], "1", 40, 30, 0);
      EXPECT_EQ(p[1].colour, 3);
      EXPECT_EQ(p[3].text, l);
      auto n = Numbers(p[5].text, R"(①(\d+)の倍数…)");
      ASSERT_EQ(n.size(), 1u) << p[5].text;
      EXPECT_TRUE(n[0] >= 3 && n[0] <= 11) << n[0];
      numbers.insert(n[0]);
      const std::string N = std::to_string(n[0]);
      ExpectRow(p[5], "①" + N + "の倍数…", 67, 90, 0);
      ExpectRow(p[6], "②偶数…", 600, 90, 0);
      ExpectRow(p[7], "③奇数…", 67, 150, 0);
      ExpectRow(p[9], l, p[9].penX, 210, 3);
      ExpectRow(p[12], l, p[12].penX, 270, 3);
      ExpectRow(p[14], "⑥連続する2つの偶数…", 67, 330, 0);
      ExpectRow(p[15], "⑦連続する2つの奇数…", 67, 390, 0);
      ExpectRow(p[16], "2十の位の数を", 40, 470, 0);
      const std::string t = p[17].text, u = p[19].text;
      EXPECT_TRUE((t == "a" && u == "b") || (t == "m" && u == "n")) << t << u;
      ExpectRow(p[21], " 2けたの自然数…", 67 + 27, 520, 0);
      // The answers in colour 5 on their questions' lines, three of them
      // with a second form in colour 3.
      struct Answer {
        size_t row;
        std::string text;
        float y;
        int colour;
      } answers[] = {
          {22, N + l, 90, 5},
          {23, "2" + l, 90, 5},
          {24, "2" + l + "+1", 150, 5},
          {25, "(2" + l + "-1)", 150, 3},
          {26, l + "," + l + "+1," + l + "+2", 210, 5},
          {27, l + "-1," + l + "," + l + "+1", 270, 5},
          {28, "2" + l + "と2" + l + "+2", 330, 5},
          {29, "(2" + l + "-2と2" + l + ")", 330, 3},
          {30, "2" + l + "+1と2" + l + "+3", 390, 5},
          {31, "(2" + l + "-1と2" + l + "+1)", 390, 3},
          {32, "10" + t + "+" + u, 520, 5},
      };
      for (const Answer& a : answers) {
        EXPECT_EQ(p[a.row].text, a.text);
        EXPECT_EQ(p[a.row].y, a.y) << a.text;
        EXPECT_EQ(p[a.row].colour, a.colour) << a.text;
      }
      EXPECT_GT(p[22].x, p[5].x);
      EXPECT_GT(p[23].x, 600);
    }
  }
  EXPECT_EQ(letters.size(), 6u);
  EXPECT_EQ(*numbers.begin(), 3);
  EXPECT_EQ(*numbers.rbegin(), 11);
}

TEST(CorvanaNumbersExercises, MultipleOrNotVerdictsFixedByTheForm) {
  const int kPasses = 3;
  const std::set<std::pair<std::string, std::string>> pairs = {{"i", "m"}, {"a", "k"}, {"k", "n"},
                                                               {"b", "m"}, {"m", "n"}, {"n", "p"}};
  for (int seed = 0; seed <= 141; ++seed) {
    Seen r("4 Enter 7 Enter " + Repeat(Repeat("Space", 11) + "2 Enter", kPasses - 1) + Repeat("Space", 11) +
               "1 Enter 8 Enter",
           TimeForSeed(seed));
    EXPECT_EQ(r.replay.exitCode, 0);
    EXPECT_EQ(r.Lines(kKeyWait), 11 * kPasses);
    ASSERT_EQ(PassStarts(r).size(), static_cast<size_t>(kPasses)) << seed;
    for (int start : PassStarts(r)) {
      size_t k = 0;
      while (r.rows[k].line < start) ++k;
      // The heading: the two letters, the multiplier.
      const Row& ab = r.rows[k];
      ASSERT_EQ(ab.text.size(), 3u) << ab.text;
      ExpectRow(ab, ab.text, 40 + 27 * 2, 30, 3);
      const std::string a = ab.text.substr(0, 1), b = ab.text.substr(2, 1);
      EXPECT_EQ(pairs.count({a, b}), 1u) << ab.text;
      EXPECT_EQ(r.rows[k + 1].text, "を整数とするとき、次の数は");
      const int n = std::stoi(r.rows[k + 2].text);
      EXPECT_TRUE(n >= 3 && n <= 11) << n;
      EXPECT_EQ(r.rows[k + 2].colour, 3);
      const std::string N = std::to_string(n);
      // The expressions, by their numbers' places; R and S from rows 1, 2.
      const float xs[] = {67, 67, 67, 67, 67, 67, 627, 627, 627, 627, 627};
      const float ys[] = {110, 190, 270, 350, 430, 510, 110, 190, 280, 370, 460};
      const int colours[] = {3, 7, 3, 7, 3, 7, 7, 3, 7, 3, 3};
      const char* marks[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩", "⑪"};
      std::vector<std::string> expressions;
      size_t at = k + 3;
      for (int e = 0; e < 11; ++e) {
        at = static_cast<size_t>(r.Index(marks[e], at));
        ExpectRow(r.rows[at], marks[e], xs[e], ys[e], 0);
        ExpectRow(r.rows[at + 1], r.rows[at + 1].text, xs[e] + 61, ys[e], colours[e]);
        expressions.push_back(r.rows[at + 1].text);
      }
      auto rs = Numbers(expressions[0], (N + R"(\()" + a + R"(\+(\d+)\))").c_str());
      auto ss = Numbers(expressions[1], (N + R"(\()" + a + R"(-(\d+)\))").c_str());
      ASSERT_EQ(rs.size(), 1u) << expressions[0];
      ASSERT_EQ(ss.size(), 1u) << expressions[1];
      EXPECT_TRUE(rs[0] >= 1 && rs[0] <= n - 1) << rs[0];
      EXPECT_TRUE(ss[0] >= 1 && ss[0] <= n - 1) << ss[0];
      const std::string S = std::to_string(ss[0]);
      EXPECT_EQ(expressions[2], N + "(" + a + "+" + b + ")");
      EXPECT_EQ(expressions[3], N + "(" + a + "-" + b + ")");
      EXPECT_EQ(expressions[4], N + "(" + a + "+" + b + "+" + S + ")");
      EXPECT_EQ(expressions[5], N + a + b);
      EXPECT_EQ(expressions[6], N + "(" + a + b + "-" + S + ")");
      EXPECT_EQ(expressions[7], N + "*");  // the fraction's parts stand apart
      EXPECT_EQ(expressions[8], N + "(");
      EXPECT_EQ(expressions[9], N + a + "^2");
      EXPECT_EQ(expressions[10], N + "(" + a + "^2+" + S + ")");
      // The verdicts, one per key, fixed by the form.
      int verdicts = 0;
      for (size_t v = at; v < r.rows.size() && verdicts < 11; ++v) {
        const Row& row = r.rows[v];
        if (row.colour != 5 || row.y >= 640) continue;
        EXPECT_EQ(row.y, ys[verdicts]);
        EXPECT_EQ(row.text, verdicts == 7 || verdicts == 8 ? "倍数ではない" : "倍数") << verdicts;
        ++verdicts;
      }
      EXPECT_EQ(verdicts, 11);
    }
  }
}

// Only a typed value of exactly 1 ends an exercise: 1/2 and Enter alone pose
// a new problem, 2/2 ends it.
TEST(CorvanaNumbersExercises, OnlyTheValueOneEndsTheLoop) {
  Seen r("4 Enter 7 Enter " + Repeat("Space", 11) + "1 / 2 Enter " + Repeat("Space", 11) + "Enter " +
         Repeat("Space", 11) + "2 / 2 Enter 8 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  EXPECT_EQ(PassStarts(r).size(), 3u);
  EXPECT_EQ(r.Lines(kStepPrompt), 3);
  EXPECT_EQ(r.Count(kItemLine), 2);
  EXPECT_EQ(r.Lines(kBoard), 2);
}

}  // namespace
