// Corvana's chapter 3, values of expressions, checked on the traces of
// scripted runs: the goal screen and sub-menu, the fixed answer page, and the
// random reviews and tasks read back row by row, every working line
// recomputed from the problem over many problems and start-up seeds.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "corvana/corvana.h"
#include "tests/corvana_screens.h"

namespace {

using corvana_rows::ExpectRow;
using corvana_rows::kBoard;
using corvana_rows::kKeyWait;
using corvana_rows::kStepPrompt;
using corvana_rows::Numbers;
using corvana_rows::Piece;
using corvana_rows::Repeat;
using corvana_rows::Row;
using corvana_rows::Seen;

// The item line as plain text prints it: its digit full-width.
const char kItemLine[] = "①復習②課題③問２④終了";

const char* const kTimes[] = {"00:00:00", "10:20:30", "23:59:59", "07:45:12"};


// ------------------------------------------------------------ chapter frame

// 0, 5 and 9/2 (4.5) ask again over the goal screen; 5/2 opens item 3; 4
// goes back to the main menu.
TEST(CorvanaValueChapter, GoalSubMenuAndItsRangeTest) {
  Seen r("3 Enter 0 Enter 5 Enter 9 / 2 Enter 5 / 2 Enter " + Repeat("Space", 6) + "4 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  int goal = corvana_rows::ExpectGoalScreen(r, "式の値を求めよう。", kItemLine);
  ASSERT_GE(goal, 0);
  EXPECT_EQ(r.Count(kItemLine), 5);
  int page = r.Index("問2の 解答");
  ASSERT_GE(page, 0);
  r.ExpectNoWipeAbove(r.At(goal + 1).end, r.At(page).line - 2);
  EXPECT_EQ(r.Lines(kBoard), 2);
}

// ----------------------------------------------------------------- item 3

TEST(CorvanaValueQ2Answers, EightLinesSixKeysThenTheItemLine) {
  Seen r("3 Enter 3 Enter " + Repeat("Space", 6) + "4 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  EXPECT_EQ(r.Lines("fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15"), 1);
  EXPECT_EQ(r.Lines(kKeyWait), 6);
  corvana_rows::ExpectPieces(r,
                             {
                                 {"問2の 解答", 44, 30, 3, 0},
                                 {"x^2-2xy+y^2", 132, 90, 5, 1},
                                 {"式を因数分解すると", 176, 160, 3, 1},
                                 {"=(x-y)^2", 88, 230, 0, 1},
                                 {"x=78,y=38　を代入して", 88, 300, 3, 1},
                                 {"=(78-38)^2", 88, 370, 0, 1},
                                 {"=40^2", 88, 440, 0, 1},
                                 {"=1600", 88, 510, 5, 0},
                             },
                             kItemLine);
}

// ---------------------------------------------------------------- reviews

// Coefficient texts read back: "" is 1, "-" is -1, "+" is 1.
int Coefficient(const std::string& s) {
  if (s.empty() || s == "+") return 1;
  if (s == "-") return -1;
  return std::stoi(s);
}

struct ReviewTwo {
  int a, b, c, d, e, f, x, y;
};

// Row 4, A(Bx+Cy)D(Ex+Fy), with X and Y from row 2.
bool ReadProblem(const std::vector<Row>& rows, ReviewTwo& p) {
  std::smatch m;
  static const std::regex problem(R"((-?\d*)\((-?\d*)x([+-]\d+)y\)([+-]\d*)\((-?\d*)x([+-]\d+)y\))");
  static const std::regex values(R"(x=(-?\d+),y=(-?\d+)のとき、)");
  if (!std::regex_match(rows[2].text, m, problem)) return false;
  p = {Coefficient(m[1]), Coefficient(m[2]), std::stoi(m[3]), Coefficient(m[4]), Coefficient(m[5]), std::stoi(m[6]), 0, 0};
  if (!std::regex_match(rows[0].text, m, values)) return false;
  p.x = std::stoi(m[1]);
  p.y = std::stoi(m[2]);
  return true;
}

// A coefficient as it stands before a letter: first in its line or not.
std::string Term(int v, const char* letter, bool first) {
  std::string digits = v == 1 ? "" : v == -1 ? "-" : std::to_string(v);
  if (v > 0 && !first) digits = "+" + digits;
  return digits + letter;
}

std::string Signed(int v) { return v < 0 ? std::to_string(v) : "+" + std::to_string(v); }
std::string Bracketed(int v) { return v < 0 ? "(" + std::to_string(v) + ")" : std::to_string(v); }

// Rows 5 to 11 of review 2 as they must read for a problem; K and L of 0 as
// written numbers, LY of 0 as "+0".
std::vector<std::string> ReviewTwoAnswer(const ReviewTwo& p) {
  int ab = p.a * p.b, ac = p.a * p.c, de = p.d * p.e, df = p.d * p.f;
  int k = ab + de, l = ac + df, kx = k * p.x, ly = l * p.y;
  return {
      "=" + Term(ab, "x", true) + Term(ac, "y", false) + Term(de, "x", false) + Term(df, "y", false),
      "=" + Term(ab, "x", true) + Term(de, "x", false) + Term(ac, "y", false) + Term(df, "y", false),
      "=" + (k == 0 ? "0x" : Term(k, "x", true)) + (l == 0 ? "+0y" : Term(l, "y", false)),
      "x=" + std::to_string(p.x) + ",y=" + std::to_string(p.y) + "を代入して",
      "=" + std::to_string(k) + "*" + Bracketed(p.x) + Signed(l) + "*" + Bracketed(p.y),
      "=" + std::to_string(kx) + (ly == 0 ? "+0" : ly > 0 ? "+" + std::to_string(ly) : std::to_string(ly)),
      "=" + std::to_string(kx + ly),
  };
}

const int kPasses = 60;

// An item of two sections: the first posed kPasses + 1 times with its key
// waits, the second likewise, one key for the closing wait, then the main menu.
Seen TwoSections(const std::string& item, int firstWaits, int secondWaits, const char* time) {
  return Seen("3 Enter " + item + " Enter " + Repeat(Repeat("Space", firstWaits) + "2 Enter", kPasses) +
                  Repeat("Space", firstWaits) + "1 Enter " + Repeat(Repeat("Space", secondWaits) + "2 Enter", kPasses) +
                  Repeat("Space", secondWaits) + "1 Enter Space 4 Enter",
              time);
}

TEST(CorvanaValueReview, EveryProblemOfBothReviewsIsRightOverManyProblems) {
  for (const char* time : kTimes) {
    Seen r = TwoSections("1", 5, 7, time);
    EXPECT_EQ(r.replay.exitCode, 0);
    EXPECT_EQ(r.Lines("fill x1=40 y1=30 x2=1360 y2=1330 border=15 fill=15"), kPasses + 1);
    EXPECT_EQ(r.Lines("fill x1=520 y1=30 x2=1840 y2=1330 border=15 fill=15"), kPasses + 1);
    EXPECT_EQ(r.Lines(kKeyWait), (kPasses + 1) * 12 + 1);
    EXPECT_EQ(r.Lines(kStepPrompt), (kPasses + 1) * 2);

    // Review 1: the value line is -5a, a negative a bracketed.
    auto ones = r.After("復習1", 40, 30, 7);
    ASSERT_EQ(ones.size(), kPasses + 1u) << time;
    std::vector<int> seen;
    for (const auto& p : ones) {
      auto a = Numbers(p[0].text, R"(a=(-?\d+)のとき、)");
      ASSERT_EQ(a.size(), 1u) << p[0].text;
      int v = a[0];
      seen.push_back(v);
      EXPECT_TRUE(v >= -5 && v <= 4) << v;
      ExpectRow(p[1], "-5aの値を求めなさい。", 80, 80, 0);
      ExpectRow(p[2], "＜解答＞", 80, 150, 5);
      ExpectRow(p[3], "a=" + std::to_string(v) + "を代入して", 80, 210, 3);
      ExpectRow(p[4], " -5a", 80 + 27, 270, 0);
      ExpectRow(p[5], "=-5*" + Bracketed(v), 80, 330, 0);
      ExpectRow(p[6], "=" + std::to_string(-5 * v), 80, 390, 5);
      EXPECT_EQ(p[0].y, 30);
      EXPECT_EQ(r.Lines(kKeyWait, p[0].line, p[6].line), 5);
    }
    EXPECT_EQ(*std::min_element(seen.begin(), seen.end()), -5) << time;
    EXPECT_EQ(*std::max_element(seen.begin(), seen.end()), 4) << time;

    // Review 2: every row from the problem; review 1's last problem stays.
    auto twos = r.After("復習2", 520, 30, 10);
    ASSERT_EQ(twos.size(), kPasses + 1u) << time;
    int remark = r.Index("※ 式を簡単にしてから代入する。");
    ASSERT_GE(remark, 0);
    r.ExpectNoWipeAbove(ones.back()[6].end, r.At(remark).line, 520);
    for (const auto& p : twos) {
      ReviewTwo q{};
      ASSERT_TRUE(ReadProblem(p, q)) << p[0].text << " " << p[2].text;
      EXPECT_TRUE(q.a != 0 && q.a != 1 && q.a >= -5 && q.a <= 5) << q.a;
      EXPECT_TRUE(q.b != 0 && q.b >= -7 && q.b <= 7) << q.b;
      EXPECT_TRUE(std::abs(q.c) >= 2 && std::abs(q.c) <= 6) << q.c;
      EXPECT_TRUE(q.d != 0 && q.d >= -5 && q.d <= 5) << q.d;
      EXPECT_TRUE(std::abs(q.f) >= 2 && std::abs(q.f) <= 6) << q.f;
      EXPECT_TRUE(q.x != 0 && q.x >= -5 && q.x <= 5) << q.x;
      EXPECT_TRUE(q.y >= -5 && q.y <= 6 && q.y != q.x) << q.y;
      ExpectRow(p[1], "次の式の値を求めなさい。", 560, 80, 0);
      EXPECT_EQ(p[2].y, 140);
      EXPECT_EQ(p[2].colour, 3);
      std::vector<std::string> answer = ReviewTwoAnswer(q);
      const float ys[] = {200, 260, 320, 370, 430, 490, 490};
      for (size_t k = 0; k < answer.size(); ++k) {
        EXPECT_EQ(p[3 + k].text, corvana_rows::Unblanked(answer[k])) << k;
        EXPECT_EQ(p[3 + k].y, ys[k]) << answer[k];
        EXPECT_EQ(p[3 + k].colour, k == 3 ? 3 : k == 6 ? 5 : 0) << answer[k];
        if (k < 6) {
          EXPECT_EQ(p[3 + k].penX, k == 3 ? 560 : 520) << answer[k];
        }
      }
      // The value is the expression's own, worked without the screen's road.
      int value = q.a * (q.b * q.x + q.c * q.y) + q.d * (q.e * q.x + q.f * q.y);
      EXPECT_EQ(p[9].text, "=" + std::to_string(value));
      EXPECT_EQ(r.Lines(kKeyWait, p[0].line, p[9].line), 7);
    }
    ExpectRow(r.At(remark), "※ 式を簡単にしてから代入する。", 520, 570, 5);
    EXPECT_EQ(r.rows[r.Next(static_cast<size_t>(remark))].text, kItemLine);
  }
}

// A program whose main menu is one problem of review 2 with numbers set by
// the test; the rows it drew, from the condition line on.
class OneReviewTwo : public lesson::Corvana {
 public:
  using Corvana::Corvana;
  ReviewTwo numbers{};
  void ShowMainMenu() override {
    gTermValue2(1) = static_cast<float>(numbers.a);
    gTermValue(2) = static_cast<float>(numbers.b);
    gTermValue(3) = static_cast<float>(numbers.c);
    gTermValue2(4) = static_cast<float>(numbers.d);
    gTermValue(5) = static_cast<float>(numbers.e);
    gTermValue(6) = static_cast<float>(numbers.f);
    gTermValue2(5) = static_cast<float>(numbers.x);
    gTermValue2(6) = static_cast<float>(numbers.y);
    gCorvanaHeadingX = 520;
    gLineStartX = 520;
    gLineY = 30;
    gLineEndX = 600;
    MakeReviewTwoTexts();
    ShowReviewTwoScreens();
  }
};

std::vector<std::string> ReviewTwoRows(const ReviewTwo& numbers) {
  testing_support::TestScreen screen(Repeat("Space", 7));
  OneReviewTwo program(screen.screen());
  program.numbers = numbers;
  program.ProgramMain();
  std::vector<std::string> out;
  for (const Row& row : corvana_rows::ReadRows(screen.lines()))
    if (row.y < 640 && row.x >= 520) out.push_back(row.text);
  return out;
}

// Coefficients of 0 and ±1 after collecting, and a y part of 0: written as
// numbers where a bare sign or a missing coefficient would misread.
TEST(CorvanaValueReview, CollectedCoefficientsOfZeroAndOneReadAsNumbers) {
  struct Case {
    ReviewTwo numbers;
    const char* problem;
    const char* collected;
    const char* substituted;
    const char* parts;
    const char* value;
  } cases[] = {
      // The worked example: nothing to mend.
      {{2, 3, -4, -3, 1, 2, -2, 3}, "2(3x-4y)-3(x+2y)", "=3x-14y", "=3*(-2)-14*3", "=-6-42", "=-48"},
      // K = 0.
      {{2, 3, 2, -3, 2, -2, -2, 3}, "2(3x+2y)-3(2x-2y)", "=0x+10y", "=0*(-2)+10*3", "=0+30", "=30"},
      // L = 0, and so LY = 0.
      {{3, 3, 2, -3, 2, 2, -2, 3}, "3(3x+2y)-3(2x+2y)", "=3x+0y", "=3*(-2)+0*3", "=-6+0", "=-6"},
      // K = 1.
      {{2, 2, 3, -3, 1, -2, -2, -1}, "2(2x+3y)-3(x-2y)", "=x+12y", "=1*(-2)+12*(-1)", "=-2-12", "=-14"},
      // L = -1.
      {{2, 3, 2, 1, 2, -5, -2, 3}, "2(3x+2y)+(2x-5y)", "=8x-y", "=8*(-2)-1*3", "=-16-3", "=-19"},
      // Y = 0, and so LY = 0.
      {{2, 3, -4, -3, 1, 2, -1, 0}, "2(3x-4y)-3(x+2y)", "=3x-14y", "=3*(-1)-14*0", "=-3+0", "=-3"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> rows = ReviewTwoRows(c.numbers);
    ASSERT_EQ(rows.size(), 10u) << c.problem;
    EXPECT_EQ(rows[2], c.problem);
    EXPECT_EQ(rows[5], c.collected) << c.problem;
    EXPECT_EQ(rows[7], c.substituted) << c.problem;
    EXPECT_EQ(rows[8], c.parts) << c.problem;
    EXPECT_EQ(rows[9], c.value) << c.problem;
  }
}

// ------------------------------------------------------------------ tasks

TEST(CorvanaValueTasks, EveryProblemOfBothTasksIsRightOverManyProblems) {
  for (const char* time : kTimes) {
    Seen r = TwoSections("2", 7, 5, time);
    EXPECT_EQ(r.replay.exitCode, 0);
    EXPECT_EQ(r.Lines("fill x1=40 y1=30 x2=1360 y2=1330 border=15 fill=15"), kPasses + 1);
    EXPECT_EQ(r.Lines("fill x1=680 y1=30 x2=2000 y2=1330 border=15 fill=15"), kPasses + 1);
    EXPECT_EQ(r.Lines(kKeyWait), (kPasses + 1) * 12 + 1);

    auto ones = r.After("課題1", 40, 30, 12);
    ASSERT_EQ(ones.size(), kPasses + 1u) << time;
    int previous = 0;
    for (const auto& p : ones) {
      auto xy = Numbers(p[0].text, R"(x=(-?\d+),y=(-?\d+)のとき、)");
      auto a = Numbers(p[2].text, R"(\(x\+(\d+)y\)\(x-(\d+)y\))");
      ASSERT_EQ(xy.size(), 2u) << p[0].text;
      ASSERT_EQ(a.size(), 2u) << p[2].text;
      int x = xy[0], y = xy[1], k = a[0], q = k * k, s = q - 1;
      EXPECT_TRUE(x >= -3 && x <= -1) << x;
      EXPECT_TRUE(y >= 1 && y <= 5) << y;
      EXPECT_TRUE(k >= 2 && k <= 4) << k;
      EXPECT_EQ(a[1], k);
      EXPECT_NE(k, previous);
      previous = k;
      const std::string Q = std::to_string(q), R = std::to_string(s);
      ExpectRow(p[1], "次の式の値を求めなさい。", 80, 80, 0);
      EXPECT_EQ(p[2].y, 140);
      ExpectRow(p[3], "-(x-" + Q + "y)(x+y)", 229, 190, 3);
      ExpectRow(p[4], "=x^2-" + Q + "y^2", 40, 250, 0);
      ExpectRow(p[5], "-(x^2+xy-" + Q + "xy-" + Q + "y^2)", 175, 300, 0);
      ExpectRow(p[6], "=x^2-" + Q + "y^2-(x^2-" + R + "xy-" + Q + "y^2)", 40, 360, 0);
      ExpectRow(p[7], "=x^2-" + Q + "y^2-x^2+" + R + "xy+" + Q + "y^2", 40, 420, 0);
      ExpectRow(p[8], "=" + R + "xy", 40, 480, 0);
      EXPECT_EQ(p[9].text, "x=" + std::to_string(x) + ",y=" + std::to_string(y) + "を代入して");
      ExpectRow(p[10], "=" + R + "*(" + std::to_string(x) + ")*" + std::to_string(y), 40, 586, 0);
      // The value of the expression as given, worked directly.
      int value = (x + k * y) * (x - k * y) - (x - q * y) * (x + y);
      EXPECT_EQ(p[11].text, "=" + std::to_string(value));
      EXPECT_EQ(p[11].y, 586);
      EXPECT_EQ(p[11].colour, 5);
      EXPECT_EQ(r.Lines(kKeyWait, p[0].line, p[11].line), 7);
    }

    auto twos = r.After("課題2", 680, 30, 8);
    ASSERT_EQ(twos.size(), kPasses + 1u) << time;
    int closing = r.Index("展開や因数分解を利用して、");
    ASSERT_GE(closing, 0);
    r.ExpectNoWipeAbove(ones.back()[11].end, r.At(closing).line, 680);
    for (const auto& p : twos) {
      auto xy = Numbers(p[0].text, R"(x=(\d+),y=(\d+)のとき、)");
      ASSERT_EQ(xy.size(), 2u) << p[0].text;
      int x = xy[0], y = xy[1], base = (x + y) / 2, offset = (x - y) / 2;
      EXPECT_EQ(base * 2, x + y);
      EXPECT_TRUE(base == 100 || base == 200 || base == 300) << base;
      EXPECT_TRUE((offset >= 11 && offset <= 38 && offset % 10 != 0) || offset == 45) << offset;
      EXPECT_NE(offset, previous);
      previous = offset;
      const std::string X = std::to_string(x), Y = std::to_string(y);
      ExpectRow(p[1], "次の式の値を求めなさい。", 720, 80, 0);
      EXPECT_EQ(p[2].text, "x^2-y^2");
      EXPECT_EQ(p[2].y, 140);
      ExpectRow(p[3], "=(x+y)(x-y)", 680, 200, 0);
      EXPECT_EQ(p[4].text, "x=" + X + ",y=" + Y + "を代入して");
      EXPECT_EQ(p[4].y, 250);
      ExpectRow(p[5], "=(" + X + "+" + Y + ")(" + X + "-" + Y + ")", 680, 310, 0);
      ExpectRow(p[6], "=" + std::to_string(x + y) + "*" + std::to_string(x - y), 680, 370, 0);
      EXPECT_EQ(p[7].text, "=" + std::to_string(x * x - y * y));
      EXPECT_EQ(p[7].colour, 5);
      EXPECT_EQ(r.Lines(kKeyWait, p[0].line, p[7].line), 5);
    }

    // The closing rows, a key between them and the textbook's question, then
    // the item line.
    ExpectRow(r.At(closing), "展開や因数分解を利用して、", 680, 440, 5);
    ExpectRow(r.At(closing + 1), "式を変形してから代入する。", 680, 490, 5);
    size_t question = r.Next(static_cast<size_t>(closing) + 1);
    ExpectRow(r.rows[question], "教科書P33 問2　をしなさい。", 528, 570, 7);
    EXPECT_EQ(r.Lines(kKeyWait, r.At(closing + 1).end, r.rows[question].line), 1);
    EXPECT_EQ(r.rows[r.Next(question)].text, kItemLine);
  }
}

// The first operand of the last random problem accepted anywhere: chapter 2's
// introduction ends on a u from 2 to 9, which task 1's first a may not take.
TEST(CorvanaValueTasks, TaskOneNeverRepeatsTheLastOperandOfChapterTwo) {
  int compared = 0;
  for (int minute = 0; minute < 60; minute += 3) {
    char time[16];
    std::snprintf(time, sizeof time, "10:%02d:00", minute);
    Seen r("2 Enter 1 Enter Space 1 Enter Space 1 Enter 5 Enter 3 Enter 2 Enter " + Repeat("Space", 7) + "1 Enter " +
               Repeat("Space", 5) + "1 Enter Space 4 Enter",
           time);
    auto last = r.After("(2)", 40, 200, 1);
    auto first = r.After("課題1", 40, 30, 3);
    ASSERT_EQ(last.size(), 1u);
    ASSERT_EQ(first.size(), 1u);
    auto pq = Numbers(last[0][0].text, R"((\d+)\*(\d+))");
    auto a = Numbers(first[0][2].text, R"(\(x\+(\d+)y\)\(x-(\d+)y\))");
    ASSERT_EQ(pq.size(), 2u);
    ASSERT_EQ(a.size(), 2u);
    int u = (pq[0] - pq[1]) / 2;
    EXPECT_NE(a[0], u) << time;
    compared += u >= 2 && u <= 4;
  }
  EXPECT_GT(compared, 0);  // some runs could have repeated it
}

}  // namespace
