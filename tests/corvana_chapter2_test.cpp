// Corvana's chapter 2, number calculation, checked on the traces of scripted
// runs: the fixed screens piece by piece (text, place, colour, key waits),
// and the random problems read back from what was drawn, every working line
// recomputed from the problem over many problems and start-up seeds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/corvana_screens.h"

namespace {

using corvana_rows::kBoard;
using corvana_rows::kKeyWait;
using corvana_rows::kStepPrompt;
using corvana_rows::Numbers;
using corvana_rows::Piece;
using corvana_rows::Repeat;
using corvana_rows::Row;
using corvana_rows::Seen;

// The item line as plain text prints it: its digits full-width.
const char kItemLine[] = "①導入②例１③練習④問１⑤終了";

// ------------------------------------------------------------ chapter frame

TEST(CorvanaNumberChapter, GoalSubMenuAndItsRangeTest) {
  Seen r("2 Enter 0 Enter 6 Enter - 1 Enter 5 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  int goal = r.Index("<めあて>");
  ASSERT_GE(goal, 0);
  EXPECT_EQ(r.rows[goal].x, 44);
  EXPECT_EQ(r.rows[goal].y, 240);
  EXPECT_EQ(r.rows[goal].colour, 5);
  const Row& line = r.rows[static_cast<size_t>(goal) + 1];
  EXPECT_EQ(line.text, "因数分解・展開を利用して数の計算をしよう。");
  EXPECT_EQ(line.x, 76);
  EXPECT_EQ(line.y, 305);
  EXPECT_EQ(line.colour, 0);
  // No key wait: the item line follows at once, asked four times in all.
  const Row& item = r.rows[static_cast<size_t>(goal) + 2];
  EXPECT_EQ(item.text, kItemLine);
  EXPECT_EQ(item.x, 16);
  EXPECT_EQ(item.y, 666);
  EXPECT_EQ(r.Lines(kKeyWait), 0);
  EXPECT_EQ(r.Count(kItemLine), 4);
  // The refused numbers touch nothing above the bottom band.
  int five = r.replay.Find("key \"5\"", line.end);
  ASSERT_GT(five, 0);
  r.ExpectNoWipeAbove(line.end, five);
  EXPECT_EQ(r.Lines(kBoard), 2);  // 5 went back to the main menu
}

// The typed value picks the item rounded half up; the goal screen comes only
// with the chapter.
TEST(CorvanaNumberChapter, ItemsComeBackToTheItemLineOverTheirLastScreen) {
  Seen r("2 Enter 3 / 2 Enter " + Repeat("Space", 23) + "4 Enter Space Space Space 5 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  EXPECT_EQ(r.Count("<めあて>"), 1);
  EXPECT_EQ(r.Count("例1①次のように計算できる理由を説明しなさい。"), 1);
  EXPECT_EQ(r.Count("問1解答"), 1);
  int last = r.Index("=2491");
  ASSERT_GE(last, 0);
  EXPECT_EQ(r.rows[static_cast<size_t>(last) + 1].text, kItemLine);
  int five = r.replay.Find("key \"5\"", r.rows[last].end);
  ASSERT_GT(five, 0);
  r.ExpectNoWipeAbove(r.rows[last].end, five);
}

// ---------------------------------------------------------- fixed screens

TEST(CorvanaNumberExample1, ThreeScreensPieceByPieceWithTwentyThreeKeys) {
  Seen r("2 Enter 2 Enter " + Repeat("Space", 23) + "5 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  EXPECT_EQ(r.Lines("fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15"), 3);
  EXPECT_EQ(r.Lines(kKeyWait), 23);
  ExpectPieces(r, {
                      {"例1①　次のように計算できる理由を説明しなさい。", 44, 30, 0, 0},
                      {"45^2-35^2=80*10=800", 88, 100, 3, 1},
                      {"＜説明＞", 44, 170, 5, 1},
                      {"２乗－２乗の形だから、", 44, 240, 5, 1},
                      {"乗法公式４'を使って因数分解すると", 44, 310, 3, 1},
                      {"45^2-35^2　", 88, 380, 0, 1},
                      {"=(45+35)*(45-35)", 44, 450, 5, 1},
                      {"=80*10", 44, 520, 0, 0},
                      {"=800", 44, 590, 0, 1},
                      {"例1②　次のように計算できる理由を説明しなさい。", 44, 30, 0, 0},
                      {"11^2=100+20+1=121", 88, 100, 3, 1},
                      {"＜説明＞", 44, 170, 5, 1},
                      {"11=10+1 だから、", 44, 240, 5, 1},
                      {"乗法公式2を使って展開すると", 44, 310, 3, 1},
                      {"11^2", 44, 380, 0, 1},
                      {"=(10+1)^2", 122, 380, 5, 1},
                      {"=10^2+2*10*1+1^2", 125, 450, 0, 1},
                      {"=100+20+1", 125, 520, 0, 0},
                      {"=121", 125, 590, 0, 1},
                      {"例1③　次のように計算できる理由を説明しなさい。", 44, 30, 0, 0},
                      {"21*19=400-1=399", 88, 100, 3, 1},
                      {"＜説明＞", 44, 170, 5, 1},
                      {"21=20+1 , 19=20-1 だから、", 44, 240, 5, 1},
                      {"乗法公式4を使って展開すると", 44, 310, 3, 1},
                      {"21*19", 44, 380, 0, 1},
                      {"=(20+1)(20-1)", 179, 380, 5, 1},
                      {"=20^2-1^2", 179, 450, 0, 1},
                      {"=400-1", 179, 520, 0, 1},
                      {"=399", 179, 590, 0, 0},
                  }, kItemLine);
}

TEST(CorvanaNumberQ1Answers, ThreeAnswersInTwoColumnsWithThreeKeys) {
  Seen r("2 Enter 4 Enter Space Space Space 5 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  EXPECT_EQ(r.Lines("fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15"), 1);
  EXPECT_EQ(r.Lines(kKeyWait), 3);
  ExpectPieces(r, {
                      {"問1 解答", 44, 30, 3, 1},
                      {"(1)", 22, 110, 3, 0},
                      {"98^2", 22 + 81 + 22, 110, 0, 0},
                      {"=(100-2)^2", 44, 170, 0, 0},
                      {"=100^2-2*100*2+2^2", 44, 230, 0, 0},
                      {"=10000-400+4", 44, 290, 0, 0},
                      {"=9604", 44 + 32 + 27 * 11, 290, 5, 1},  // at the end of "=10000-400+4"
                      {"(2)", 22, 370, 3, 0},
                      {"68^2-32^2", 22 + 81 + 22, 370, 0, 0},
                      {"=(68+32)(68-32)", 44, 430, 0, 0},
                      {"=100*36", 44, 490, 0, 0},
                      {"=3600", 44, 550, 5, 1},
                      {"(3)", 726, 110, 3, 0},
                      {"47*53", 726 + 81 + 22, 110, 0, 0},
                      {"=(50-3)(50+3)", 748, 170, 0, 0},
                      {"=50^2-3^2", 748, 230, 0, 0},
                      {"=2500-9", 748, 290, 0, 0},
                      {"=2491", 748, 350, 5, 0},
                  }, kItemLine);
}

// --------------------------------------------------------- random problems

const char* const kTimes[] = {"00:00:00", "10:20:30", "23:59:59", "07:45:12"};

TEST(CorvanaNumberIntro, EveryProblemAndResultIsRightOverManyProblems) {
  const int kPasses = 80;
  for (const char* time : kTimes) {
    Seen r("2 Enter 1 Enter " + Repeat("Space 2 Enter", kPasses) + "Space 1 Enter " + Repeat("Space 2 Enter", kPasses) +
              "Space 1 Enter 5 Enter",
          time);
    EXPECT_EQ(r.replay.exitCode, 0);
    EXPECT_EQ(r.Lines("fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15"), 1);
    EXPECT_EQ(r.Lines("fill x1=40 y1=80 x2=680 y2=380 border=15 fill=15"), kPasses + 1);
    EXPECT_EQ(r.Lines("fill x1=40 y1=180 x2=680 y2=480 border=15 fill=15"), kPasses + 1);
    EXPECT_EQ(r.Lines(kKeyWait), 2 * (kPasses + 1));
    int heading = r.Index("次の計算をしなさい。");
    ASSERT_GE(heading, 0);
    EXPECT_EQ(r.rows[heading].x, 40);
    EXPECT_EQ(r.rows[heading].y, 30);
    EXPECT_EQ(r.rows[heading].colour, 3);

    auto first = r.After("(1)", 40, 100, 2);
    ASSERT_EQ(first.size(), kPasses + 1u) << time;
    int previous = 0;
    for (const auto& p : first) {
      EXPECT_EQ(p[0].x, 40 + 81);
      EXPECT_EQ(p[0].colour, 0);
      EXPECT_EQ(p[1].y, 100);
      EXPECT_EQ(p[1].colour, 5);
      auto ab = Numbers(p[0].text, R"((\d+)\^2-(\d+)\^2)");
      auto result = Numbers(p[1].text, R"(=(\d+))");
      ASSERT_EQ(ab.size(), 2u) << p[0].text;
      ASSERT_EQ(result.size(), 1u) << p[1].text;
      int a = ab[0], b = ab[1];
      EXPECT_TRUE(a >= 51 && a <= 78 && a % 10 != 0) << a;
      EXPECT_EQ(a + b, 100);
      EXPECT_EQ(result[0], a * a - b * b);
      EXPECT_NE(a, previous);
      previous = a;
    }
    auto second = r.After("(2)", 40, 200, 2);
    ASSERT_EQ(second.size(), kPasses + 1u) << time;
    previous = 0;
    for (const auto& p : second) {
      auto pq = Numbers(p[0].text, R"((\d+)\*(\d+))");
      auto result = Numbers(p[1].text, R"(=(\d+))");
      ASSERT_EQ(pq.size(), 2u) << p[0].text;
      ASSERT_EQ(result.size(), 1u) << p[1].text;
      int t = (pq[0] + pq[1]) / 2, u = (pq[0] - pq[1]) / 2;
      EXPECT_EQ(t + u, pq[0]);
      EXPECT_EQ(t - u, pq[1]);
      EXPECT_TRUE(t % 10 == 0 && t >= 30 && t <= 90) << p[0].text;
      EXPECT_TRUE(u >= 2 && u <= 9) << p[0].text;
      EXPECT_EQ(result[0], pq[0] * pq[1]);
      EXPECT_EQ(p[1].y, 200);
      EXPECT_NE(u, previous);
      previous = u;
    }
  }
}

// Kinds (1) and (2) down the left, kind (3) on the right; every working line
// recomputed from the problem.
TEST(CorvanaNumberExercises, EveryWorkingLineIsRightOverManyProblems) {
  const int kPasses = 80;
  for (const char* time : kTimes) {
    Seen r("2 Enter 3 Enter " + Repeat("Space Space Space 2 Enter", kPasses) + "Space Space Space 1 Enter Space " +
              Repeat("Space Space Space 2 Enter", kPasses) + "Space Space Space 1 Enter Space " +
              Repeat("Space Space Space Space 2 Enter", kPasses) + "Space Space Space Space 1 Enter Space 5 Enter",
          time);
    EXPECT_EQ(r.replay.exitCode, 0);
    EXPECT_EQ(r.Lines("fill x1=0 y1=110 x2=1760 y2=1910 border=15 fill=15"), kPasses + 1);
    EXPECT_EQ(r.Lines("fill x1=0 y1=340 x2=1760 y2=2140 border=15 fill=15"), kPasses + 1);
    EXPECT_EQ(r.Lines("fill x1=600 y1=110 x2=2360 y2=1910 border=15 fill=15"), kPasses + 1);
    EXPECT_EQ(r.Lines(kKeyWait), (kPasses + 1) * 10 + 3);
    EXPECT_EQ(r.Lines(kStepPrompt), (kPasses + 1) * 3);

    // The working lines of each problem, their places and colours.
    auto rows = [&](const char* label, float x, float y, float lineX, size_t lines) {
      auto problems = r.After(label, x, y, lines + 1);
      EXPECT_EQ(problems.size(), kPasses + 1u) << label << " " << time;
      for (const auto& p : problems) {
        EXPECT_EQ(p[0].x, lineX + 27);
        EXPECT_EQ(p[0].y, y);
        EXPECT_EQ(p[0].colour, 0);
        for (size_t k = 1; k <= lines; ++k) {
          EXPECT_EQ(p[k].penX, lineX) << p[k].text;
          EXPECT_EQ(p[k].y, y + 50 * static_cast<float>(k)) << p[k].text;
          EXPECT_EQ(p[k].colour, k == lines ? 5 : 0) << p[k].text;
        }
        // One key before each working line, then the step prompt.
        EXPECT_EQ(r.Lines(kKeyWait, p[0].line, p[lines].line), static_cast<int>(lines));
      }
      return problems;
    };

    int previous = 0;
    for (const auto& p : rows("(1)", 40, 110, 88, 3)) {
      auto ab = Numbers(p[0].text, R"((\d+)\^2-(\d+)\^2)");
      ASSERT_EQ(ab.size(), 2u) << p[0].text;
      int a = ab[0], b = ab[1];
      EXPECT_TRUE(a >= 51 && a <= 78 && a % 10 != 0) << a;
      EXPECT_EQ(a + b, 100);
      EXPECT_EQ(Numbers(p[1].text, R"(=\((\d+)\+(\d+)\)\((\d+)-(\d+)\))"), (std::vector<int>{a, b, a, b}));
      EXPECT_EQ(Numbers(p[2].text, R"(=(\d+)\*(\d+))"), (std::vector<int>{100, a - b}));
      EXPECT_EQ(Numbers(p[3].text, R"(=(\d+))"), (std::vector<int>{a * a - b * b}));
      EXPECT_NE(a, previous);
      previous = a;
    }
    int lastOnes = 0;
    for (const auto& p : rows("(2)", 40, 340, 88, 3)) {
      auto n = Numbers(p[0].text, R"((\d+)\^2)");
      auto tu = Numbers(p[1].text, R"(=\((\d+)\+(\d+)\)\^2)");
      ASSERT_EQ(n.size(), 1u) << p[0].text;
      ASSERT_EQ(tu.size(), 2u) << p[1].text;
      int t = tu[0], u = tu[1];
      EXPECT_TRUE(t % 10 == 0 && t >= 20 && t <= 70) << t;
      EXPECT_TRUE(u >= 1 && u <= 3) << u;
      EXPECT_EQ(n[0], t + u);
      EXPECT_EQ(Numbers(p[2].text, R"(=(\d+)\+(\d+)\+(\d+))"), (std::vector<int>{t * t, 2 * t * u, u * u}));
      EXPECT_EQ(Numbers(p[3].text, R"(=(\d+))"), (std::vector<int>{n[0] * n[0]}));
      EXPECT_NE(u, lastOnes);
      lastOnes = u;
    }
    // Kind (3)'s first problem is compared with kind (2)'s last.
    for (const auto& p : rows("(3)", 600, 110, 681, 4)) {
      auto pq = Numbers(p[0].text, R"((\d+)\*(\d+))");
      auto tu = Numbers(p[1].text, R"(=\((\d+)\+(\d+)\)\((\d+)-(\d+)\))");
      ASSERT_EQ(pq.size(), 2u) << p[0].text;
      ASSERT_EQ(tu.size(), 4u) << p[1].text;
      int t = tu[0], u = tu[1];
      EXPECT_EQ(tu[2], t);
      EXPECT_EQ(tu[3], u);
      EXPECT_TRUE(t % 10 == 0 && t >= 30 && t <= 90) << t;
      EXPECT_TRUE(u >= 2 && u <= 9) << u;
      EXPECT_EQ(pq, (std::vector<int>{t + u, t - u}));
      EXPECT_EQ(Numbers(p[2].text, R"(=(\d+)\^2-(\d+)\^2)"), (std::vector<int>{t, u}));
      EXPECT_EQ(Numbers(p[3].text, R"(=(\d+)-(\d+))"), (std::vector<int>{t * t, u * u}));
      EXPECT_EQ(Numbers(p[4].text, R"(=(\d+))"), (std::vector<int>{pq[0] * pq[1]}));
      EXPECT_NE(u, lastOnes);
      lastOnes = u;
    }

    // The item's wipe, its heading, the closing line and the item line at
    // once after it.
    int heading = r.Index("例1　次の式を、工夫して計算しなさい。");
    ASSERT_GE(heading, 0);
    EXPECT_EQ(r.Lines("fill x1=0 y1=0 x2=1760 y2=1800 border=15 fill=15", r.rows[r.Index(kItemLine)].line,
                      r.rows[heading].line),
              1);
    EXPECT_EQ(r.rows[heading].x, 40);
    EXPECT_EQ(r.rows[heading].y, 30);
    EXPECT_EQ(r.rows[heading].colour, 3);
    int closing = r.Index("教科書P33 問1　をしなさい。");
    ASSERT_GE(closing, 0);
    EXPECT_EQ(r.rows[closing].x, 132);
    EXPECT_EQ(r.rows[closing].y, 570);
    EXPECT_EQ(r.rows[closing].colour, 3);
    EXPECT_EQ(r.rows[r.Next(static_cast<size_t>(closing))].text, kItemLine);
    EXPECT_EQ(r.Lines(kKeyWait, r.rows[closing].line), 0);
  }
}

}  // namespace
