// Corvana's chapters 5, 6, 8 and 9 (odd and even numbers, the chapter
// problems A and B), checked on the traces of scripted runs: the four
// sub-menus, the key presses of every item, the product tables cell by cell
// (their numbers computed here from the column), the proofs piece by piece,
// and the page whose third part replaces its first.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/corvana_screens.h"

namespace {

using corvana_rows::ExpectRow;
using corvana_rows::Field;
using corvana_rows::kAfter;
using corvana_rows::kBoard;
using corvana_rows::kKeyWait;
using corvana_rows::Repeat;
using corvana_rows::Row;
using corvana_rows::Seen;

// The item lines as plain text prints them: digits and letters full-width.
const char kOddLine[] = "①Ｐ３３Ｑ予想②証明③証明２④２乗⑤終了";
const char kEvenLine[] = "①予想②証明③終了";
// (the frame's full-width table turns "A" into the capital alpha "Α")
const char kALine[] = "Ｐ３８章の問題Α①１，２②３③４④５⑤６⑥終了";
const char kBLine[] = "Ｐ３９章の問題Ｂ①１②２③３④４⑤終了";

struct Chapter {
  int number;
  const char* line;
  int items;  // the last one leaves
  const char* goal;
};
const Chapter kChapters[] = {
    {5, kOddLine, 5, "奇数の性質を調べよう。"},
    {6, kEvenLine, 3, "偶数の性質を調べよう。"},
    {8, kALine, 6, nullptr},
    {9, kBLine, 5, nullptr},
};

// 0, -3, N + 1 and 99 ask again with the screen kept; N leaves for the main
// menu. Chapters 8 and 9 have no goal screen.
TEST(CorvanaLaterChapters, SubMenusAskAgainOutOfRangeAndLeaveOnTheirLastItem) {
  for (const Chapter& c : kChapters) {
    const std::string n = std::to_string(c.items);
    Seen r(std::to_string(c.number) + " Enter 0 Enter - 3 Enter " + std::to_string(c.items + 1) + " Enter 9 9 Enter " +
           n + " Enter");
    EXPECT_EQ(r.replay.exitCode, 0);
    EXPECT_EQ(r.Count(c.line), 5) << c.number;
    EXPECT_EQ(r.Lines(kBoard), 2) << c.number;
    int first = r.Index(c.line);
    ASSERT_GE(first, 0) << c.number;
    ExpectRow(r.At(first), c.line, 16, 666, 0);
    if (c.goal) {
      EXPECT_EQ(corvana_rows::ExpectGoalScreen(r, c.goal, c.line), first - 2);
    } else {
      EXPECT_EQ(r.Count("<めあて>"), 0) << c.number;
      EXPECT_EQ(r.LessonRows().size(), 22u) << c.number;  // the main menu's rows alone, twice
    }
    r.ExpectNoWipeAbove(r.At(first).line, r.replay.Find("key \"" + n + "\"", r.At(first).line));
  }
}

// The key presses of every item, from the chapter's item line to the next.
TEST(CorvanaLaterChapters, KeyPressesOfEveryItem) {
  struct Case {
    int chapter, item, keys;
    const char* line;
  } cases[] = {
      {5, 1, 18, kOddLine}, {5, 2, 11, kOddLine}, {5, 3, 12, kOddLine}, {5, 4, 28, kOddLine},
      {6, 1, 27, kEvenLine}, {6, 2, 10, kEvenLine},
      {8, 1, 1, kALine},    {8, 2, 0, kALine},    {8, 3, 0, kALine},    {8, 4, 0, kALine}, {8, 5, 1, kALine},
      {9, 1, 3, kBLine},    {9, 2, 3, kBLine},    {9, 3, 1, kBLine},    {9, 4, 13, kBLine},
  };
  for (const Case& c : cases) {
    Seen r(std::to_string(c.chapter) + " Enter " + std::to_string(c.item) + " Enter " + Repeat("Space", c.keys) +
           "Space");
    int first = r.Index(c.line);
    ASSERT_GE(first, 0);
    int second = r.Index(c.line, static_cast<size_t>(first) + 1);
    ASSERT_GE(second, 0) << c.chapter << "/" << c.item;
    EXPECT_EQ(r.Lines(kKeyWait, r.At(first).line, r.At(second).line), c.keys) << c.chapter << "/" << c.item;
    // Every item starts with its wipe: the whole window in chapters 5 and 6,
    // 1320 x 1300 in chapters 8 and 9.
    const char* wipe = c.chapter <= 6 ? "fill x1=0 y1=0 x2=1760 y2=1800 border=15 fill=15"
                                      : "fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15";
    EXPECT_EQ(r.Lines(wipe, r.At(first).line, r.At(second).line), 1) << c.chapter << "/" << c.item;
  }
}

// A cell of a table: its box and the text inside it.
void ExpectCell(const Seen& r, int from, int to, float x, float y, int border, int fill, const std::string& text,
                int colour, float textY) {
  const std::string box = "fill x1=" + std::to_string(static_cast<int>(x)) + " y1=" +
                          std::to_string(static_cast<int>(y)) + " x2=" + std::to_string(static_cast<int>(x) + 120) +
                          " y2=" + std::to_string(static_cast<int>(y) + 60) + " border=" + std::to_string(border) +
                          " fill=" + std::to_string(fill);
  int at = r.replay.Find(box, from);
  ASSERT_GE(at, 0) << box;
  EXPECT_LT(at, to) << box;
  for (const Row& row : r.rows) {
    if (row.line > at && row.y == textY && row.x > x && row.x < x + 120) {
      EXPECT_EQ(row.text, text) << box;
      EXPECT_EQ(row.colour, colour) << box;
      return;
    }
  }
  ADD_FAILURE() << "no text in " << box;
}

// The cells drawn between one key wait and the next, from the first key on.
std::vector<int> CellsPerKey(const Seen& r, int from, int to) {
  std::vector<int> out;
  int n = -1;
  for (int i = from; i < to; ++i) {
    const std::string& l = r.replay.lines[static_cast<size_t>(i)];
    if (l.rfind(kKeyWait, 0) == 0) {
      if (n >= 0) out.push_back(n);
      n = 0;
    } else if (n >= 0 && l.rfind("fill ", 0) == 0 && Field(l, "x1") >= 134 && Field(l, "y1") >= 140 &&
               Field(l, "y1") < 640) {
      ++n;
    }
  }
  if (n >= 0) out.push_back(n);
  return out;
}

TEST(CorvanaOddNumbers, ConjectureTableCellByCell) {
  Seen r("5 Enter 1 Enter " + Repeat("Space", 18) + "5 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  const int from = r.At(r.Index(kOddLine)).line;
  const int to = r.At(r.Index(kOddLine, static_cast<size_t>(r.Index(kOddLine)) + 1)).line;
  ExpectRow(r.At(r.Index("P31Q　")), "P31Q　", 44, 30, 3);
  ExpectRow(r.At(r.Index("その数はどんな数になりそうですか。（予想）")), "その数はどんな数になりそうですか。（予想）", 176,
            80, 0);
  ExpectRow(r.At(r.Index("奇数")), "奇数", 44, 150, 5);
  ExpectRow(r.At(r.Index("積")), "積", 66, 220, 5);
  ExpectRow(r.At(r.Index("+1")), "+1", 44, 290, 5);
  for (int k = 1; k <= 9; ++k) {
    const int odd = 2 * k - 1;
    ExpectCell(r, from, to, 134 + 120 * (k - 1), 150, 3, 13, std::to_string(odd), 0, 158);
    if (k == 9) break;
    ExpectCell(r, from, to, 200 + 120 * (k - 1), 220, 1, 11, std::to_string(odd * (odd + 2)), 0, 228);
    ExpectCell(r, from, to, 200 + 120 * (k - 1), 290, 1, 13, std::to_string(odd * (odd + 2) + 1), 3, 298);
  }
  // The nine numbers come at once with the first key, then one cell per key.
  std::vector<int> perKey = CellsPerKey(r, from, to);
  ASSERT_EQ(perKey.size(), 18u);
  EXPECT_EQ(perKey[0], 9);
  for (int k = 1; k <= 16; ++k) EXPECT_EQ(perKey[static_cast<size_t>(k)], 1) << k;
  int conclusion = r.Index("4の倍数になりそうだ");
  ExpectRow(r.At(conclusion), "4の倍数になりそうだ", 264, 370, 3);
  EXPECT_EQ(r.rows[r.Next(static_cast<size_t>(conclusion))].text, kOddLine);
}

TEST(CorvanaOddNumbers, SquaresUnderThePlusOneRowAndTheClosingLine) {
  Seen r("5 Enter 4 Enter " + Repeat("Space", 28) + "5 Enter");
  const int from = r.At(r.Index(kOddLine)).line;
  const int to = r.At(r.Index(kOddLine, static_cast<size_t>(r.Index(kOddLine)) + 1)).line;
  ExpectRow(r.At(r.Index("間の偶数")), "間の偶数", 264, 430, 5);
  for (int k = 1; k <= 8; ++k) {
    // Raised around the text line 360: the box from 352 to 412.
    ExpectCell(r, from, to, 200 + 120 * (k - 1), 352, 2, 11, std::to_string(2 * k) + "^2", 5, 360);
  }
  EXPECT_EQ(r.At(r.Index("なぜ?")).y, 430);
  EXPECT_GT(r.At(r.Index("なぜ?")).x, r.At(r.Index("間の偶数")).x + 60);
  ExpectRow(r.At(r.Index("(2n-1)(2n+1)+1")), "(2n-1)(2n+1)+1", 44, 480, 0);
  int last = r.Index("=(2n)^2");
  ASSERT_GE(last, 0);
  EXPECT_EQ(r.At(last).y, 480);
  EXPECT_EQ(r.At(last).colour, 5);
  EXPECT_EQ(r.rows[r.Next(static_cast<size_t>(last))].text, kOddLine);
}

TEST(CorvanaOddNumbers, FirstProofPieceByPiece) {
  Seen r("5 Enter 2 Enter " + Repeat("Space", 11) + "5 Enter");
  corvana_rows::ExpectPieces(r,
                             {
                                 {"P33Q　", 44, 30, 3, 0},
                                 {"連続する2つの奇数の積に1をたした数は、", kAfter, 30, 0, 0},
                                 {"4の倍数になることを証明しなさい。", 176, 80, 0, 1},
                                 {"＜証明＞", 44, 140, 5, 1},
                                 {"nを整数とすると、連続する２つの奇数は、", 44, 200, 0, 1},
                                 {"2n-1 ,", 44, 260, 5, 1},
                                 {"2n+1", kAfter, 260, 5, 1},
                                 {"と表される。", kAfter, 260, 0, 1},
                                 {"それらの数の積に１をたした数は、", 44, 320, 0, 1},
                                 {"　(2n-1)(2n+1)+1", 44 + 34, 380, 0, 1},
                                 {"=4n^2-1+1", 44, 440, 0, 1},
                                 {"=4n^2", kAfter, 440, 3, 1},
                                 {"n^2は整数だから、", 44, 500, 0, 0},
                                 {"4n^2は4の倍数になる。", kAfter, 500, 5, 1},
                                 {"したがって、", kAfter, 500, 0, 0},
                                 {"連続する2つの奇数の積に1をたした数は、4の倍数になる。", 44, 550, 0, 0},
                             },
                             kOddLine);
}

TEST(CorvanaEvenNumbers, TableWithSquaresAndTheProof) {
  Seen r("6 Enter 1 Enter " + Repeat("Space", 27) + "2 Enter " + Repeat("Space", 10) + "3 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  const int from = r.At(r.Index(kEvenLine)).line;
  const int to = r.At(r.Index(kEvenLine, static_cast<size_t>(r.Index(kEvenLine)) + 1)).line;
  ExpectRow(r.At(r.Index("Q　")), "Q　", 44, 30, 3);
  ExpectRow(r.At(r.Index("偶数")), "偶数", 44, 150, 5);
  for (int k = 1; k <= 9; ++k) {
    const int even = 2 * k;
    ExpectCell(r, from, to, 134 + 120 * (k - 1), 150, 11, 10, std::to_string(even), 13, 158);
    if (k == 9) break;
    ExpectCell(r, from, to, 200 + 120 * (k - 1), 220, 5, 4, std::to_string(even * (even + 2)), 13, 228);
    ExpectCell(r, from, to, 200 + 120 * (k - 1), 290, 9, 8, std::to_string(even * (even + 2) + 1), 13, 298);
    ExpectCell(r, from, to, 200 + 120 * (k - 1), 352, 11, 2, std::to_string(even + 1) + "^2", 13, 360);
  }
  // "+1" comes with the eighth product, the label "予想" alone after a key.
  int plusOne = r.replay.Find("text x=44 y=290 ", from);
  int eighth = r.replay.Find("fill x1=1040 y1=220 x2=1160 y2=280 border=5", from);
  EXPECT_EQ(r.Lines(kKeyWait, eighth, plusOne), 0);
  std::vector<int> perKey = CellsPerKey(r, from, to);
  ASSERT_EQ(perKey.size(), 27u);
  EXPECT_EQ(perKey[17], 0);  // the label "予想" only
  ExpectRow(r.At(r.Index("予想")), "予想", 44, 360, 5);
  int conclusion = r.Index("間の奇数の2乗になりそうだ");
  ExpectRow(r.At(conclusion), "間の奇数の2乗になりそうだ", 264, 480, 3);
  EXPECT_EQ(r.rows[r.Next(static_cast<size_t>(conclusion))].text, kEvenLine);

  corvana_rows::ExpectPieces(r,
                             {
                                 {"Q ", 44, 30, 3, 0},
                                 {"連続する２つの偶数の積に１をたした数は、", kAfter, 30, 0, 0},
                                 {"間の奇数の２乗になることを証明しなさい。", 71, 80, 0, 1},
                                 {"＜証明＞", 44, 140, 5, 1},
                                 {"ｎを整数とすると、連続する２つの偶数は、", 44, 200, 0, 1},
                                 {"2n ,", 44, 260, 5, 1},
                                 {"2n+2", kAfter, 260, 5, 1},
                                 {"と表される。", kAfter, 260, 0, 1},
                                 {"それらの数の積に１をたした数は、", 44, 320, 0, 1},
                                 {"　2n(2n+2)+1", 44 + 34, 380, 0, 1},
                                 {"=4n^2+4n+1", 44, 440, 0, 1},
                                 {"=(2n+1)^2", 44, 500, 5, 1},
                                 {"だから、", 44, 560, 0, 0},
                                 {"間の奇数の２乗になる。", kAfter, 560, 5, 0},
                             },
                             kEvenLine, static_cast<size_t>(conclusion));
}

// ---------------------------------------------------- chapter problems A, B

TEST(CorvanaProblemsA, HeaderCellsAndColumns) {
  Seen r("8 Enter 1 Enter Space 5 Enter Space 6 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  EXPECT_EQ(r.Lines("fill x1=94 y1=30 x2=418 y2=78 border=3 fill=13"), 2);  // the title cell, twice
  EXPECT_EQ(r.Lines("fill x1=40 y1=90 x2=80 y2=134 border=4 fill=3"), 1);   // problem 1
  EXPECT_EQ(r.Lines("fill x1=40 y1=470 x2=80 y2=514 border=4 fill=3"), 1);  // problem 2
  EXPECT_EQ(r.Lines("fill x1=428 y1=30 x2=468 y2=74 border=4 fill=3"), 1);  // problem 6, beside the title
  ExpectRow(r.At(r.Index("(1)")), "(1)", 80, 90, 3);
  ExpectRow(r.At(r.Index("=x^2+x-42")), "=x^2+x-42", 94, 140, 0);
  ExpectRow(r.At(r.Index("x^2-x-42")), "x^2-x-42", 94, 190, 5);
  ExpectRow(r.At(r.Index("因数の積で表されていない。")), "因数の積で表されていない。", 40, 350, 5);
  ExpectRow(r.At(r.Index("=-2x+1")), "=-2x+1", 548, 160, 5);
  ExpectRow(r.At(r.Index("(4)")), "(4)", 494, 490, 3);
  int last = r.Index("=x^2-10x");
  EXPECT_EQ(r.At(last).y, 590);
  EXPECT_EQ(r.rows[r.Next(static_cast<size_t>(last))].text, kALine);
  // Problem 6: the conjecture and "<証明>", a key, the proof.
  int proof = r.Index("<証明>");
  ExpectRow(r.At(proof), "<証明>", 94, 150, 3);
  int next = r.Index("2つの続いた整数を");
  ExpectRow(r.At(next), "2つの続いた整数を", 40, 200, 0);
  EXPECT_EQ(r.Lines(kKeyWait, r.At(proof).end, r.At(next).line), 1);
  ExpectRow(r.At(r.Index("大きい数の平方から小さい数の平方をひいた差は奇数になる。")),
            "大きい数の平方から小さい数の平方をひいた差は奇数になる。", 40, 500, 0);
}

TEST(CorvanaProblemsA, SecondColumnsAndTheLoneNumberCell) {
  Seen expansions("8 Enter 2 Enter 3 Enter 4 Enter 6 Enter");
  ExpectRow(expansions.At(expansions.Index("(5)")), "(5)", 600, 90, 3);
  ExpectRow(expansions.At(expansions.Index("=16a^2+8ab+b^2")), "=16a^2+8ab+b^2", 654, 450, 5);
  ExpectRow(expansions.At(expansions.Index("=-6a+25")), "=-6a+25", 94, 330, 5);
  ExpectRow(expansions.At(expansions.Index("=22x+37")), "=22x+37", 94, 590, 5);
  EXPECT_EQ(expansions.Lines("fill x1=40 y1=80 x2=80 y2=124 border=4 fill=3"), 1);  // problem 4
  int five = expansions.Index("(5)", static_cast<size_t>(expansions.Index("=22x+37")));
  ExpectRow(expansions.At(five), "(5)", 600, 30, 3);  // problem 5: on the title line
  ExpectRow(expansions.At(expansions.Index("=(x-9y)^2")), "=(x-9y)^2", 654, 600, 5);
}

TEST(CorvanaProblemsB, ColumnsAndTheThirdPartInThePlaceOfTheFirst) {
  Seen r("9 Enter 1 Enter Space Space Space 3 Enter Space 4 Enter " + Repeat("Space", 13) + "5 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  EXPECT_EQ(r.Lines("fill x1=462 y1=30 x2=506 y2=74 border=4 fill=3"), 2);  // items 1 and 3
  EXPECT_EQ(r.Lines("fill x1=452 y1=20 x2=496 y2=64 border=4 fill=3"), 1);  // item 4
  ExpectRow(r.At(r.Index("(3)")), "(3)", 640, 30, 3);
  ExpectRow(r.At(r.Index("x+y=Mとすると")), "x+y=Mとすると", 134, 140, 3);
  ExpectRow(r.At(r.Index("=M^2+5M-6")), "=M^2+5M-6", r.At(r.Index("=M^2+5M-6")).penX, 190, 3);
  int two = r.Index("(2)", static_cast<size_t>(r.Index("=15.9991")));
  ExpectRow(r.At(two), "(2)", 580, 90, 3);

  // Item 4: part (1)'s band wiped after part (2); part (3) in its place.
  int first = r.Index("a=2,b=3,c=9,d=5とすると、");
  ASSERT_GE(first, 0);
  int partTwo = r.Index("(2)", static_cast<size_t>(first));
  ExpectRow(r.At(partTwo), "(2)", 30, 360, 3);
  int wipe = r.replay.Find("fill x1=0 y1=90 x2=1320 y2=340 border=15 fill=15", r.At(first).line);
  ASSERT_GT(wipe, r.At(r.Index("ac=bdであればよい。")).line);
  int third = r.Index("(3)", static_cast<size_t>(partTwo));
  ExpectRow(r.At(third), "(3)", 30, 90, 3);
  EXPECT_GT(r.At(third).line, wipe);
  // After the wipe: part (3) on y 90 to 290, nothing else drawn there, and no
  // wipe reaches part (2) from y 360 down.
  int end = r.Index(kBLine, static_cast<size_t>(third));
  ASSERT_GE(end, 0);
  std::vector<float> ys;
  for (int i = third; i < end; ++i) {
    if (r.At(i).y < 640) ys.push_back(r.At(i).y);
  }
  EXPECT_EQ(ys.front(), 90);
  EXPECT_EQ(ys.back(), 290);
  for (float y : ys) EXPECT_TRUE(y >= 90 && y <= 290) << y;
  for (int i = wipe + 1; i < r.At(end).line; ++i) {
    const std::string& l = r.replay.lines[static_cast<size_t>(i)];
    if (l.rfind("fill ", 0) == 0) {
      EXPECT_TRUE(Field(l, "y1") >= 630 || Field(l, "y2") <= 360) << l;
    }
  }
  EXPECT_EQ(r.At(r.Index("24633642", static_cast<size_t>(third))).colour, 5);
  EXPECT_EQ(r.At(r.Index("(10a+b)(10c+d)=100ac+10(ad+bc)+bd")).y, 410);
}

}  // namespace
