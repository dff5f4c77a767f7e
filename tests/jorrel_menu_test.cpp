// Jorrel's main menu, run as the program runs: typed numbers end the program,
// redraw the menu or open a chapter.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support.h"

namespace {

using testing_support::Replay;
using testing_support::RunReplay;

const std::string kMenuFrame = "fill x1=22 y1=10 x2=1342 y2=610 border=15 fill=10";
const std::string kPageWipe = "fill x1=0 y1=0 x2=1760 y2=1800 border=15 fill=15";
const std::string kMenuPrompt = "text x=816 y=648 ";  // "番号を入力して下さい。"
const std::string kSubMenuLine = "text x=16 y=666 ";  // the chapter's item line

int Count(const Replay& r, const std::string& prefix) { return static_cast<int>(r.With(prefix).size()); }

// Keys of one typed entry: its characters, then Enter.
std::string Entry(const std::string& typed) {
  std::string keys;
  for (char c : typed) keys += std::string(1, c) + " ";
  return keys + "Enter ";
}

// The keys the program took, in order ("1", "Enter", ...).
std::vector<std::string> KeysTaken(const Replay& r) {
  std::vector<std::string> keys;
  for (const auto& l : r.With("key \"")) keys.push_back(l.substr(5, l.size() - 6));
  return keys;
}

TEST(JorrelMenu, DrawsTheFramedPageWithTheTitleAndTenLines) {
  Replay r = RunReplay("jorrel", "");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(Count(r, kMenuFrame), 1);
  EXPECT_GE(r.Find(kPageWipe), 0);
  // Heading at (264, 30) in colour 15, the items from (44, 120) and (660, 120).
  EXPECT_GE(r.Find("text x=264 y=30 "), 0);
  for (const char* at : {"x=44 y=120", "x=44 y=540", "x=660 y=180"}) {
    bool found = false;
    for (const auto& l : r.With("text ")) found = found || l.find(at) != std::string::npos;
    EXPECT_TRUE(found) << at;
  }
  EXPECT_GE(Count(r, kMenuPrompt), 1);
}

TEST(JorrelMenu, NumbersOutsideTheMenuDrawItAgain) {
  // 0, 11, -1, 1/2 (worth 0.5) and 9 (no chapter) each draw the menu again.
  for (const char* typed : {"0", "11", "-1", "1/2", "9"}) {
    Replay r = RunReplay("jorrel", Entry(typed));
    EXPECT_EQ(Count(r, kMenuFrame), 2) << typed;
    EXPECT_EQ(Count(r, kSubMenuLine), 0) << typed;
  }
}

TEST(JorrelMenu, TenEndsTheProgramAndSoDoesTwentyHalves) {
  for (const char* typed : {"10", "20/2"}) {
    // Keys after the end are never taken.
    Replay r = RunReplay("jorrel", Entry(typed) + Entry("1"));
    EXPECT_EQ(r.exitCode, 0) << typed;
    EXPECT_EQ(Count(r, kMenuFrame), 1) << typed;
    std::vector<std::string> keys = KeysTaken(r);
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(keys.back(), "Enter") << typed;
    EXPECT_EQ(std::count(keys.begin(), keys.end(), "Enter"), 1) << typed;
  }
}

TEST(JorrelMenu, TheJumpFollowsTheValueNotTheTypedText) {
  // 20/4 is 5: a chapter without screens yet, so straight back to the menu;
  // its text starts with 20, which has no chapter at all. 9.6 rounds to 10,
  // which is no chapter either: the menu again, and the program goes on.
  for (const char* typed : {"20/4", "9.6"}) {
    Replay r = RunReplay("jorrel", Entry(typed) + Entry("11"));
    EXPECT_EQ(r.exitCode, 0) << typed;
    EXPECT_EQ(Count(r, kMenuFrame), 3) << typed;
    EXPECT_EQ(Count(r, kSubMenuLine), 0) << typed;
  }
  // 2.5 rounds up to 3: chapter 3's item line ends with its fifth item.
  {
    Replay r = RunReplay("jorrel", Entry("2.5"));
    EXPECT_EQ(Count(r, kSubMenuLine), 1);
    bool fifth = false, eighth = false;
    for (const auto& l : r.With("text ")) {
      if (l.find(" y=666 ") == std::string::npos) continue;
      fifth = fifth || l.find("\"⑤\"") != std::string::npos;
      eighth = eighth || l.find("\"⑧\"") != std::string::npos;
    }
    EXPECT_TRUE(fifth);
    EXPECT_FALSE(eighth);
  }
  // 2/2 and 1.4 open chapter 1: its goal screen and sub-menu.
  for (const char* typed : {"2/2", "1.4"}) {
    Replay r = RunReplay("jorrel", Entry(typed));
    EXPECT_GE(Count(r, kSubMenuLine), 1) << typed;
  }
}

TEST(JorrelMenu, ChapterOneOpensWithItsGoalAndLeavesOnEight) {
  Replay r = RunReplay("jorrel", Entry("1") + Entry("8") + Entry("10"));
  EXPECT_EQ(r.exitCode, 0);
  // The goal heading "<めあて>" in colour 3 at (44, 240).
  int goal = -1;
  for (int i = 0; i < static_cast<int>(r.lines.size()) && goal < 0; ++i)
    if (r.lines[i].rfind("text x=44 y=240 ", 0) == 0 && r.lines[i].find(" colour=3 ") != std::string::npos) goal = i;
  ASSERT_GE(goal, 0);
  EXPECT_LT(goal, r.Find(kSubMenuLine));
  EXPECT_EQ(Count(r, kSubMenuLine), 1);
  // Back on the menu, drawn in full, and 10 ends.
  EXPECT_EQ(Count(r, kMenuFrame), 2);
  EXPECT_EQ(KeysTaken(r).back(), "Enter");
}

TEST(JorrelMenu, ItemsReturnToTheSubMenuWithTheirScreenStanding) {
  // Item ② has no key wait: its summary stays while the item line is drawn
  // again; 0 at the sub-menu asks again.
  Replay r = RunReplay("jorrel", Entry("1") + Entry("2") + Entry("0") + Entry("8"));
  EXPECT_EQ(Count(r, kSubMenuLine), 3);
  int summary = r.Find("text x=88 y=22 ");
  ASSERT_GE(summary, 0);
  // No wipe of the work area between the summary and the next item line.
  int next = -1;
  for (int i = summary; i < static_cast<int>(r.lines.size()) && next < 0; ++i)
    if (r.lines[i].rfind(kSubMenuLine, 0) == 0) next = i;
  ASSERT_GT(next, summary);
  for (int i = summary; i < next; ++i) EXPECT_EQ(r.lines[i].find("fill x1=0 y1=0 "), std::string::npos) << r.lines[i];
}

TEST(JorrelMenu, PenWidthFiveFromSummaryOneStaysForLaterBoxes) {
  // After item ②, the rectangles of item ③ are drawn with width 5; without
  // it, with the start-up width 3.
  std::string commonFactors = Entry("3");
  for (int i = 0; i < 18; ++i) commonFactors += "Space ";
  struct Case {
    std::string keys;
    const char* width;
  } cases[] = {{Entry("1") + Entry("2") + commonFactors, "width=5"}, {Entry("1") + commonFactors, "width=3"}};
  for (const Case& c : cases) {
    Replay r = RunReplay("jorrel", c.keys + Entry("8"));
    int box = r.Find("fill x1=220 y1=500 x2=396 y2=610 border=0 fill=3");
    ASSERT_GE(box, 0);
    EXPECT_NE(r.lines[box].find(c.width), std::string::npos) << r.lines[box];
  }
}

}  // namespace
