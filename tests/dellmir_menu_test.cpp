// Dellmir's main menu: the board, its lines and prompt, the end item, the
// range test, the jump on the typed value, and the chapter 2 entry.
#include <gtest/gtest.h>

#include "tests/dellmir_trace.h"
#include "tests/support.h"

namespace {

using namespace dellmir_trace;
using testing_support::RunReplay;

const std::string kPageWipe = "fill x1=0 y1=0 x2=1760 y2=1800 border=15 fill=15";
const std::string kWorkAreaWipe = "fill x1=0 y1=54 x2=1440 y2=900 border=15 fill=15";

TEST(DellmirMenu, DrawsBoardHeadingLinesAndPrompt) {
  auto r = RunReplay("dellmir", "6 Enter");
  EXPECT_EQ(r.exitCode, 0);
  int wipe = FindLine(r.lines, kWorkAreaWipe);
  int page = FindLine(r.lines, kPageWipe, wipe);
  int board = FindLine(r.lines, kMenuBoard, page);
  ASSERT_GE(wipe, 0);
  ASSERT_GT(page, wipe);
  ASSERT_GT(board, page);
  auto runs = TextRuns(r.lines, board);
  const TextRun* heading = FindRun(runs, "＜");
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->x, 264);
  EXPECT_EQ(heading->colour, 15);
  struct Expected {
    const char* text;
    double y;
    int colour;
  };
  const Expected items[] = {
      {"1　先にゴールするのは", 120, 13},
      {"2　多項式と単項式の乗法", 180, 15},
      {"3　多項式と単項式の除法", 240, 13},
      {"4　多項式の乗法", 300, 15},
      {"5　", 360, 13},
      {"6　終了", 420, 15},
  };
  for (const Expected& e : items) {
    std::string first(e.text, 1);
    const TextRun* run = nullptr;
    for (const TextRun& candidate : runs)
      if (candidate.x == 44 && StartsWith(candidate.text, first) && candidate.colour == e.colour) run = &candidate;
    ASSERT_NE(run, nullptr) << e.text;
    EXPECT_EQ(run->text, e.text);
  }
  const TextRun* prompt = FindRun(runs, "番号を入力して下さい。");
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(prompt->x, 816);
  EXPECT_EQ(prompt->colour, 0);
  // 6 ends the program: the menu is drawn once and nothing after the entry.
  EXPECT_EQ(CountLines(r.lines, kMenuBoard), 1);
  EXPECT_EQ(r.lines.back().rfind("key", 0), std::string::npos);
}

struct MenuCase {
  const char* keys;  // typed before a final "6 Enter"
  int boards;        // menus drawn in all
  int pageWipes;
  const char* why;
};

TEST(DellmirMenu, OutOfRangeBlankAndMendedJumpsDrawTheMenuAgain) {
  const MenuCase cases[] = {
      {"0 Enter", 2, 2, "below the range"},
      {"7 Enter", 2, 2, "above the range"},
      {"- 1 Enter", 2, 2, "negative"},
      {"1 / 2 Enter", 2, 2, "a half fails the range test"},
      {"Enter", 2, 2, "empty entry"},
      {"5 Enter", 2, 3, "the blank line wipes the page and comes back"},
      // 10/2 is worth 5: the blank line, not a jump past the table.
      {"1 0 / 2 Enter", 2, 3, "a fraction jumps on its value"},
      // 5.6 passes the range test but rounds to 6, which has no chapter.
      {"5 . 6 Enter", 2, 3, "a selector outside the table"},
      {"0 Enter 7 Enter 5 Enter", 4, 5, "several in a row"},
  };
  for (const MenuCase& c : cases) {
    auto r = RunReplay("dellmir", std::string(c.keys) + " 6 Enter");
    EXPECT_EQ(r.exitCode, 0) << c.why;
    EXPECT_EQ(CountLines(r.lines, kMenuBoard), c.boards) << c.why;
    EXPECT_EQ(CountLines(r.lines, kPageWipe), c.pageWipes) << c.why;
    EXPECT_EQ(r.Find("<"), -1) << c.why << ": no goal screen";
    EXPECT_EQ(KeyWaits(r.lines), 0) << c.why;
  }
}

TEST(DellmirMenu, ValueOfSixEndsTheProgramAtOnce) {
  struct EndCase {
    const char* keys;
    int keysRead;  // up to the first Enter: the keys after it are never read
  };
  for (const EndCase& c :
       {EndCase{"6 Enter 1 Enter", 2}, EndCase{"1 2 / 2 Enter 1 Enter", 5}, EndCase{"6 . 0 Enter 1 Enter", 4}}) {
    auto r = RunReplay("dellmir", c.keys);
    EXPECT_EQ(r.exitCode, 0) << c.keys;
    EXPECT_EQ(CountLines(r.lines, kMenuBoard), 1) << c.keys;
    EXPECT_EQ(CountLines(r.lines, kPageWipe), 1) << c.keys;
    EXPECT_EQ(CountLines(r.lines, "key "), c.keysRead) << c.keys;
  }
}

TEST(DellmirMenu, ChapterTwoShowsItsGoalOnTheWipedWorkArea) {
  auto r = RunReplay("dellmir", "2 Enter 6 Enter 6 Enter");
  EXPECT_EQ(r.exitCode, 0);
  int second = FindLine(r.lines, kPageWipe, FindLine(r.lines, kMenuBoard));
  ASSERT_GT(second, 0);
  int wipe = FindLine(r.lines, kWorkAreaWipe, second);
  EXPECT_EQ(wipe, second + 1);
  auto runs = TextRuns(r.lines, wipe);
  const TextRun* goal = FindRun(runs, "<めあて>");
  ASSERT_NE(goal, nullptr);
  EXPECT_EQ(goal->x, 44);
  EXPECT_EQ(goal->colour, 5);
  const TextRun* one = FindRun(runs, "1");
  ASSERT_NE(one, nullptr);
  EXPECT_EQ(one->x, 76);
  EXPECT_EQ(one->colour, 0);
  EXPECT_EQ(one->y - goal->y, 65);
  EXPECT_EQ(one->text, "1 多項式×単項式、単項式×多項式の計算を考えよう。");
  const TextRun* two = FindRun(runs, "2 ");
  ASSERT_NE(two, nullptr);
  EXPECT_EQ(two->text, "2 かっこのある計算をしよう。");
  EXPECT_EQ(two->x, 76);
  EXPECT_EQ(two->y - one->y, 65);
  // The chapter's item line follows the goal at once, on the bottom band;
  // its end item brings the main menu back.
  EXPECT_EQ(KeyWaits(r.lines), 0);
  const TextRun* items = FindRun(runs, "①導入");
  ASSERT_NE(items, nullptr);
  EXPECT_GT(items->line, two->line);
  EXPECT_EQ(items->x, 16);
  EXPECT_EQ(items->y, 666);
  EXPECT_EQ(CountLines(r.lines, kMenuBoard), 2);
}

// A value in range is rounded half up before the jump: 2.5 opens chapter 3,
// not chapter 2.
TEST(DellmirMenu, AHalfRoundsUpToTheNextChapter) {
  auto r = RunReplay("dellmir", "2 . 5 Enter 4 Enter 6 Enter");
  EXPECT_EQ(r.exitCode, 0);
  auto runs = TextRuns(r.lines, 0);
  EXPECT_NE(FindRun(runs, "①復習"), nullptr);
  EXPECT_EQ(FindRun(runs, "①導入"), nullptr);
  EXPECT_EQ(CountLines(r.lines, kMenuBoard), 2);
}

}  // namespace
