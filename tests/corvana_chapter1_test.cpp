// Corvana's main menu and chapter 1 (quick squaring), checked on the traces
// of scripted runs: texts with their places and colours, boxes, rules and
// key waits, and that every square and product shown is right.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "platform/text.h"
#include "tests/support.h"

namespace {

using testing_support::Replay;
using testing_support::RunReplay;

// Characters that the typesetter may draw as strokes or as empty cells, and
// the full-width forms that plain text uses for ASCII characters, are left out
// of the comparison.
std::u32string Normalise(const std::u32string& s) {
  static const std::u32string kSkip = U" ^+-=×*÷±\u3000";
  std::u32string out;
  for (char32_t c : s) {
    if (c >= 0xFF01 && c <= 0xFF5E) c -= 0xFEE0;
    if (kSkip.find(c) == std::u32string::npos) out += c;
  }
  return out;
}

float Field(const std::string& line, const char* name) {
  size_t at = line.find(name);
  return at == std::string::npos ? -1 : std::stof(line.substr(at + std::strlen(name)));
}

struct Found {
  bool ok = false;
  float x = 0, y = 0;
  int colour = -1;
  int line = -1;  // trace line of the first character
  int end = -1;   // trace line of the last character
};

// A boxed cell: a fill with fill colour 13.
struct Cell {
  float x1, y1, x2, y2;
  int border;
};

// The trace of one run, with the texts drawn on the page joined into one
// stream of characters: a text never jumps back, down a line or far ahead,
// so such a jump starts another run of characters.
class Trace {
 public:
  explicit Trace(Replay r) : replay(std::move(r)) {
    float px = 0, py = 0;
    bool first = true;
    for (size_t i = 0; i < replay.lines.size(); ++i) {
      const std::string& l = replay.lines[i];
      if (l.rfind("fill ", 0) == 0 && l.find(" fill=13 ") != std::string::npos) {
        cells.push_back({Field(l, " x1="), Field(l, " y1="), Field(l, " x2="), Field(l, " y2="),
                         static_cast<int>(Field(l, " border="))});
      }
      if (l.rfind("text ", 0) != 0) continue;
      float x = Field(l, " x="), y = Field(l, " y=");
      if (y >= 1700) continue;  // measuring, below the page
      size_t q = l.find('"');
      std::u32string text = Normalise(plat::ToUnicode(plat::FromUtf8(l.substr(q + 1, l.size() - q - 2))));
      if (!first && (std::abs(y - py) > 30 || x < px || x - px > 80)) Add(U'\n', x, y, -1, static_cast<int>(i));
      first = false;
      px = x;
      py = y;
      for (char32_t c : text) Add(c, x, y, static_cast<int>(Field(l, " colour=")), static_cast<int>(i));
    }
  }

  // The first place at or after trace line `from` where `utf8` is drawn as
  // one run of characters: its first character's position and colour.
  Found Find(const std::string& utf8, int from = 0) const {
    std::u32string want = Normalise(plat::ToUnicode(plat::FromUtf8(utf8)));
    size_t start = std::lower_bound(at_.begin(), at_.end(), from, [](const Found& f, int l) { return f.line < l; }) -
                   at_.begin();
    size_t pos = stream_.find(want, start);
    if (want.empty() || pos == std::u32string::npos) return {};
    Found f = at_[pos];
    f.end = at_[pos + want.size() - 1].line;
    return f;
  }
  int Count(const std::string& utf8, int from = 0, int to = 1 << 30) const {
    int n = 0;
    for (Found f = Find(utf8, from); f.ok && f.line < to; f = Find(utf8, f.end + 1)) ++n;
    return n;
  }
  int CountLines(const std::string& prefix) const { return static_cast<int>(replay.With(prefix).size()); }

  Replay replay;
  std::vector<Cell> cells;

 private:
  void Add(char32_t c, float x, float y, int colour, int line) {
    stream_ += c;
    at_.push_back({true, x, y, colour, line});
  }
  std::u32string stream_;
  std::vector<Found> at_;
};

Trace RunCorvana(const std::string& keys) { return Trace(RunReplay("corvana", keys)); }

std::string Repeat(const std::string& keys, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += keys + " ";
  return out;
}

// The key-wait box and the main menu board.
const char kKeyWait[] = "fill x1=96 y1=657 x2=400 y2=693 border=13 fill=4";
const char kBoard[] = "fill x1=22 y1=10 x2=1342 y2=610 border=15 fill=10";

void ExpectAt(const Trace& r, const std::string& text, float x, float y, int colour, int from = 0) {
  Found f = r.Find(text, from);
  ASSERT_TRUE(f.ok) << text;
  EXPECT_EQ(f.x, x) << text;
  EXPECT_EQ(f.y, y) << text;
  EXPECT_EQ(f.colour, colour) << text;
}

// A text that starts with a letter: the letter is set in italics at a place
// of the typesetter's own, so the check starts one cell later.
void ExpectAtAfterLetter(const Trace& r, const std::string& text, float x, float y, int colour) {
  ExpectAt(r, text.substr(1), x + 27, y, colour);
}


// ---------------------------------------------------------------- main menu

TEST(CorvanaMainMenu, DrawsBoardHeadingTenLinesAndPrompt) {
  Trace r = RunCorvana("");
  EXPECT_EQ(r.CountLines("fill x1=0 y1=0 x2=1760 y2=1800 border=15 fill=15"), 1);
  EXPECT_EQ(r.CountLines(kBoard), 1);
  ExpectAt(r, "＜", 264, 30, 15);
  ExpectAt(r, "　メニュー＞", r.Find("　メニュー＞").x, 30, 15);
  struct Line {
    const char* text;
    float x, y;
    int colour;
  } lines[] = {
      {"1　速算のしくみ", 44, 120, 13},  {"2　数の計算", 44, 180, 15}, {"3　式の値", 44, 240, 13},
      {"4　数の表し方", 44, 300, 15},  {"5　奇数の性質", 44, 360, 13}, {"6　偶数の性質", 44, 420, 15},
      {"7　図形の性質の証明", 44, 480, 13},  {"8　P38(章の問題A)", 44, 540, 15},
      {" 9　P39(章の問題B)", 660 + 27, 120, 13},  // its leading blank takes one cell
      {"10 終了", 660, 180, 15},
  };
  for (const auto& l : lines) ExpectAt(r, l.text, l.x, l.y, l.colour);
  // The prompt is printed by the menu and once more by the number entry.
  Found prompt = r.Find("番号を入力して下さい。");
  ExpectAt(r, "番号を入力して下さい。", 816, 648, 0);
  EXPECT_TRUE(r.Find("番号を入力して下さい。", prompt.end + 1).ok);
}

// The end test and the range test work on the typed value; the chapter is
// chosen by that same value rounded half up, so "12/2" (6) opens chapter 6,
// not 12; a selector past the nine chapters (9.6 rounds to 10) draws the
// menu again.
TEST(CorvanaMainMenu, EndRangeAndJumpFollowTheTypedValue) {
  struct Case {
    const char* keys;
    int boards;  // menus drawn
    int goals;   // goal screens
  } cases[] = {
      {"1 Enter", 1, 1},                     {"1 0 Enter 1 Enter", 1, 0},
      {"2 0 / 2 Enter 1 Enter", 1, 0},       {"0 Enter 1 Enter", 2, 1},
      {"1 1 Enter 1 Enter", 2, 1},           {"- 2 Enter 1 Enter", 2, 1},
      {"Enter 1 Enter", 2, 1},               {"0 / 5 Enter 1 Enter", 2, 1},
      {"1 / 2 Enter 1 Enter", 2, 1},         {"1 2 / 2 Enter 1 Enter", 1, 1},
      {"3 / 2 Enter 1 Enter", 1, 1},         {"1 . 4 Enter", 1, 1},
      {"4 Enter 8 Enter 1 Enter", 2, 2},     {"9 . 6 Enter 1 Enter", 2, 1},
  };
  for (const auto& c : cases) {
    Trace r = RunCorvana(c.keys);
    EXPECT_EQ(r.replay.exitCode, 0) << c.keys;
    EXPECT_EQ(r.CountLines(kBoard), c.boards) << c.keys;
    EXPECT_EQ(r.Count("<めあて>"), c.goals) << c.keys;
  }
}

TEST(CorvanaMainMenu, ThousandRoundTripsThroughChapterOneEndNormally) {
  Trace r = RunCorvana(Repeat("1 Enter 5 Enter", 1000) + "1 0 Enter 1 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  EXPECT_EQ(r.CountLines(kBoard), 1001);
  EXPECT_EQ(r.Count("<めあて>"), 1000);
}

// ------------------------------------------------------------ chapter frame

TEST(CorvanaQuickChapter, GoalScreenAndSubMenuLine) {
  Trace r = RunCorvana("1 Enter 0 Enter 6 Enter Enter 5 Enter");
  ExpectAt(r, "<めあて>", 44, 240, 5);
  ExpectAt(r, "速算の方法を見つけ、証明しよう。", 76, 305, 0);
  // The item line comes back for 0, 6 and Enter alone; 5 returns to the menu.
  EXPECT_EQ(r.Count("①1の位5　②5以外と10の位5　③5以外理由　④1の位の和10　⑤終了"), 4);
  ExpectAt(r, "①1の位5　②5以外と10の位5　③5以外理由　④1の位の和10　⑤終了", 16, 666, 0);
  EXPECT_EQ(r.CountLines(kBoard), 2);
  EXPECT_EQ(r.Count("<めあて>"), 1);
}

// ------------------------------------------------------------------ item 1

const std::string kItem1Start = "1 Enter 1 Enter Space Space Space ";
const std::string kItem1End = Repeat("Space", 7) + Repeat("Space", 5) + "5 Enter";

TEST(CorvanaQuickSquaresOfFive, WorkedColumnsPupilColumnConjectureAndProof) {
  // 0 and 10 are refused; 4 gives 45.
  Trace r = RunCorvana(kItem1Start + "0 Enter 1 0 Enter 4 Enter Space 1 Enter " + kItem1End);
  EXPECT_EQ(r.replay.exitCode, 0);
  ExpectAt(r, "Q ", 30, 20, 3);
  ExpectAt(r, "1の位が5である2けたの自然数の2乗は速算で求められる。", 84, 20, 0);
  ExpectAt(r, "その方法を考えよう。", 57, 70, 3);
  // Three worked columns 162 apart, and the pupil's fourth.
  const float left[] = {57, 219, 381, 543};
  const char* factors[] = {"15", "25", "35"};
  for (int k = 0; k < 3; ++k) {
    ExpectAt(r, factors[k], left[k] + 54, 120, 0);
    ExpectAt(r, factors[k], left[k] + 54, 170, 0, r.Find(factors[k]).end + 1);
    EXPECT_EQ(r.CountLines("line x1=" + std::to_string(static_cast<int>(left[k])) + " y1=220 x2=" +
                                std::to_string(static_cast<int>(left[k] + 108)) + " y2=220 colour=0 width=5"),
              1);
  }
  ExpectAt(r, "225", 84, 220, 3);
  ExpectAt(r, "625", 246, 220, 3);
  ExpectAt(r, "1225", 381, 220, 3);
  EXPECT_EQ(r.Count(std::string("十") + "の位を入力して下さい。"), 3);
  ExpectAt(r, std::string("十") + "の位を入力して下さい。", 16, 666, 0);
  EXPECT_EQ(r.CountLines("fill x1=543 y1=120 x2=651 y2=270 border=15 fill=15"), 1);
  Found upper = r.Find("45");
  ExpectAt(r, "45", 597, 120, 0);
  ExpectAt(r, "45", 597, 170, 0, upper.end + 1);
  ExpectAt(r, "2025", 543, 220, 3);

  // The conjecture with its two blanks, filled one key at a time.
  ExpectAt(r, "<速算の方法予想>", 30, 290, 7);
  ExpectAt(r, "一の位が5である2けたの自然数の2乗は", 57, 340, 0);
  ExpectAt(r, "・下2けたが", 57, 395, 0);
  ExpectAt(r, "・百以上の位が、", 57, 445, 0);
  ExpectAt(r, "文字を使って証明しよう。", 30, 605, 7);
  const std::vector<Cell>& cells = r.cells;
  ASSERT_EQ(cells.size(), 6u);
  EXPECT_EQ(cells[0].x2 - cells[0].x1, 120);
  EXPECT_EQ(cells[0].y1, 392);
  EXPECT_EQ(cells[0].border, 2);
  EXPECT_EQ(cells[1].x2 - cells[1].x1, 720);
  EXPECT_EQ(cells[1].y1, 497);
  EXPECT_EQ(cells[2].x1, cells[0].x1);  // the answers go into the same cells
  EXPECT_EQ(cells[2].y1, cells[0].y1);
  EXPECT_EQ(cells[3].x1, cells[1].x1);
  EXPECT_EQ(cells[3].y1, cells[1].y1);
  Found answer = r.Find("25", r.Find("　になる。").line);
  ASSERT_TRUE(answer.ok);
  EXPECT_EQ(answer.colour, 5);
  EXPECT_GT(answer.x, cells[2].x1);
  EXPECT_LT(answer.x, cells[2].x2);
  ExpectAt(r, "十の位の数とその数に1を加えた数の積", r.Find("十の位の数とその数に1を加えた数の積").x, 500, 5);

  // The proof: the equals signs stand in one column.
  ExpectAt(r, "＜証明＞", 57, 10, 3);
  ExpectAtAfterLetter(r, "xとすると、10x+5 と表すことができる。", 57, 120, 0);
  ExpectAt(r, "(10x+5)^2", 57, 230, 0);
  Found first = r.Find("=(10x)^2+2*5*10x+25");
  Found second = r.Find("=100x^2+100x+25");
  EXPECT_EQ(first.y, 230);
  EXPECT_EQ(second.y, 285);
  EXPECT_EQ(first.x, second.x);
  EXPECT_EQ(cells[4].x2 - cells[4].x1, 360);
  EXPECT_EQ(cells[4].y1, 337);
  EXPECT_EQ(cells[4].border, 9);
  EXPECT_EQ(cells[5].x1, cells[4].x1);
  EXPECT_EQ(r.Find("100x(x+1)+25").colour, 5);
  ExpectAt(r, "25が", 57, 400, 3);
  ExpectAt(r, "百以上の位が、十の位の数とその数に1を加えた数の積", 57, 565, 3);
  ExpectAt(r, "速算で求めることができる他の計算は?", 30, 605, 7);
  // 3 products, 1 pupil square, 7 on the conjecture, 5 on the proof.
  EXPECT_EQ(r.CountLines(kKeyWait), 16);
  EXPECT_EQ(r.Count("①1の位5　②5以外と10の位5　③5以外理由　④1の位の和10　⑤終了"), 2);
}

TEST(CorvanaQuickSquaresOfFive, EveryTensDigitGivesTheRightSquare) {
  std::string keys = kItem1Start;
  for (int d = 1; d <= 9; ++d) keys += std::to_string(d) + " Enter Space " + (d < 9 ? "2 Enter " : "1 Enter ");
  Trace r = RunCorvana(keys + kItem1End);
  EXPECT_EQ(r.replay.exitCode, 0);
  EXPECT_EQ(r.CountLines("fill x1=543 y1=120 x2=651 y2=270 border=15 fill=15"), 9);
  int from = r.Find("1225").end + 1;
  for (int d = 1; d <= 9; ++d) {
    int n = 10 * d + 5;
    Found upper = r.Find(std::to_string(n), from);
    ASSERT_TRUE(upper.ok) << d;
    EXPECT_EQ(upper.x, 597);
    EXPECT_EQ(upper.y, 120);
    Found square = r.Find(std::to_string(n * n), upper.end + 1);
    ASSERT_TRUE(square.ok) << d;
    EXPECT_EQ(square.x, 543) << d;  // at the column's edge whatever its length
    EXPECT_EQ(square.y, 220);
    from = square.end + 1;
  }
}

// A digit prompt takes a whole digit only: a typed 2.5 or 1.25 would square
// 25.5 or 17.5 into a column made for four digits.
TEST(CorvanaQuickSquaresOfFive, DigitPromptAsksAgainUnlessWholeDigit) {
  Trace r = RunCorvana(kItem1Start + "2 . 5 Enter 1 . 2 5 Enter 5 / 2 Enter 3 Enter Space 1 Enter " + kItem1End);
  EXPECT_EQ(r.replay.exitCode, 0);
  EXPECT_EQ(r.Count(std::string("十") + "の位を入力して下さい。"), 4);
  const int asked = r.Find(std::string("十") + "の位を入力して下さい。").line;
  ExpectAt(r, "35", 597, 120, 0, asked);
  ExpectAt(r, "1225", 543, 220, 3, asked);
  EXPECT_FALSE(r.Find("25.5").ok);
  EXPECT_FALSE(r.Find("17.5").ok);
}

// ------------------------------------------------------------------ item 2

std::string Item2Keys(const std::string& digitPasses) {
  return "1 Enter 2 Enter " + digitPasses + "Space " + Repeat("Space", 8) + "Space Space Space " +
         Repeat("Space", 9) + "5 Enter";
}

TEST(CorvanaQuickOtherDigits, TablesConclusionsAndProof) {
  Trace r = RunCorvana(Item2Keys("1 Enter " + Repeat("Space", 7) + "1 Enter "));
  EXPECT_EQ(r.replay.exitCode, 0);
  ExpectAt(r, "Q ", 30, 20, 3);
  ExpectAt(r, "1の位が5以外でも2けたの自然数の2乗は速算で求められる?", 84, 20, 0);
  ExpectAt(r, "5のとき", 57, 70, 3);
  // The table for 5: all products at once, three-digit ones a cell in.
  const int five[] = {225, 625, 1225, 2025, 3025, 4225, 5625};
  for (int k = 0; k < 7; ++k) {
    float x = 57 + 162 * k;
    ExpectAt(r, std::to_string(10 * k + 15), x + 54, 120, 0);
    ExpectAt(r, std::to_string(five[k]), five[k] < 1000 ? x + 27 : x, 220, 3);
  }
  ExpectAt(r, std::string("一") + "の位を入力して下さい。", 16, 666, 0);
  // Ones digit 1: the seven squares 121 ... 5041 at their columns.
  int label = r.Find(std::string("1") + "のとき").line;
  ExpectAt(r, std::string("1") + "のとき", 57, 70, 3);
  EXPECT_EQ(r.CountLines("fill x1=0 y1=70 x2=3200 y2=270 border=15 fill=15"), 1);
  const int one[] = {121, 441, 961, 1681, 2601, 3721, 5041};
  for (int k = 0; k < 7; ++k) {
    float x = 57 + 162 * k;
    ExpectAt(r, std::to_string(one[k]), one[k] < 1000 ? x + 27 : x, 220, 3, label);
  }
  Found noQuick = r.Find("速算では求められない");
  ASSERT_TRUE(noQuick.ok);
  EXPECT_EQ(noQuick.y, 70);
  EXPECT_EQ(noQuick.colour, 5);
  ExpectAt(r, "Q ", 30, 300, 3, noQuick.line);
  ExpectAt(r, "十の位が5の2けたの自然数の2乗は速算で求められる?", 84, 300, 0);
  const int tensFive[] = {2601, 2704, 2809, 2916, 3025, 3136, 3249};
  int tensLabel = r.Find("十の位が5の2けたの自然数の2乗は速算で求められる?").line;
  for (int k = 0; k < 7; ++k) {
    ExpectAt(r, std::to_string(51 + k), 57 + 162 * k + 54, 400, 0, tensLabel);
    ExpectAt(r, std::to_string(tensFive[k]), 57 + 162 * k, 500, 3, tensLabel);
  }
  ExpectAt(r, "速算で求められる", 57 + 54 + 80, 350, 5, r.Find("十の位が5の2けたの自然数の2乗は速算で求められる?").end + 1);
  ExpectAt(r, "文字を使って証明しよう。", 30, 550, 7);

  // The proof.
  ExpectAt(r, "＜証明＞", 57, 30, 3);
  ExpectAt(r, "十の位が5である2けたの自然数は、一の位を", 57, 85, 0);
  ExpectAtAfterLetter(r, "aとすると、", 57, 140, 0);
  const std::vector<Cell>& cells = r.cells;
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells[0].x2 - cells[0].x1, 120);
  EXPECT_EQ(cells[0].y1, 137);
  EXPECT_EQ(cells[0].border, 9);
  EXPECT_EQ(cells[1].x1, cells[0].x1);
  EXPECT_EQ(r.Find("①", tensLabel).colour, 3);
  EXPECT_EQ(r.Find("50+a").colour, 5);
  ExpectAt(r, "この数の2乗は ", 57, 195, 0);
  Found first = r.Find("=50^2+2*a*50+a^2");
  Found second = r.Find("=2500+100a+a^2");
  Found third = r.Find("=100(25+a)+a^2");
  EXPECT_EQ(first.y, 195);
  EXPECT_EQ(second.y, 250);
  EXPECT_EQ(third.y, 305);
  EXPECT_EQ(first.x, second.x);
  EXPECT_EQ(first.x, third.x);
  ExpectAtAfterLetter(r, "a^2が", 57, 365, 3);
  ExpectAt(r, "百以上の位が、25に一の位の数を加えた数", 57, 530, 3);
  ExpectAt(r, "1の位が5以外で求められない理由は?", 30, 580, 7);
  // 7 + 1 on screen 1 after the digit, 7 + 1 for tens digit 5, 1 + 2, 9 on the proof.
  EXPECT_EQ(r.CountLines(kKeyWait), 28);
}

TEST(CorvanaQuickOtherDigits, EveryOnesDigitGivesTheRightSquares) {
  std::string passes;
  for (int d = 1; d <= 9; ++d) passes += std::to_string(d) + " Enter " + Repeat("Space", 7) + (d < 9 ? "2 Enter " : "1 Enter ");
  Trace r = RunCorvana(Item2Keys(passes));
  EXPECT_EQ(r.replay.exitCode, 0);
  int from = 0;
  for (int d = 1; d <= 9; ++d) {
    Found label = r.Find(std::to_string(d) + "のとき", from);
    ASSERT_TRUE(label.ok) << d;
    EXPECT_EQ(label.y, 70);
    for (int k = 1; k <= 7; ++k) {
      int n = 10 * k + d, sq = n * n;
      float x = 57 + 162 * (k - 1);
      ExpectAt(r, std::to_string(n), x + 54, 120, 0, label.line);
      ExpectAt(r, std::to_string(sq), sq < 1000 ? x + 27 : x, 220, 3, label.line);
    }
    from = label.end + 1;
  }
}

TEST(CorvanaQuickOtherDigits, DigitPromptAsksAgainUnlessWholeDigit) {
  Trace r = RunCorvana(Item2Keys("2 . 5 Enter 1 . 2 5 Enter 3 Enter " + Repeat("Space", 7) + "1 Enter "));
  EXPECT_EQ(r.replay.exitCode, 0);
  EXPECT_EQ(r.Count(std::string("一") + "の位を入力して下さい。"), 3);
  int label = r.Find(std::string("3") + "のとき").line;
  ASSERT_GE(label, 0);
  for (int k = 1; k <= 7; ++k) {
    int n = 10 * k + 3, sq = n * n;
    float x = 57 + 162 * (k - 1);
    ExpectAt(r, std::to_string(sq), sq < 1000 ? x + 27 : x, 220, 3, label);
  }
  EXPECT_FALSE(r.Find("1056.25").ok);
}

// ------------------------------------------------------------------ item 3

TEST(CorvanaQuickLimit, ReasonScreenWithEqualsColumn) {
  Trace r = RunCorvana("1 Enter 3 Enter " + Repeat("Space", 6) + "3 Enter " + Repeat("Space", 6) + "5 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  ExpectAt(r, "Q ", 30, 20, 3);
  ExpectAt(r, "1の位が5以外の2けたの自然数の2乗が速算で求めらない理由は?", 84, 20, 0);
  ExpectAt(r, "＜理由＞", 57, 70, 3);
  ExpectAt(r, "十の位がxである2けたの自然数は、一の位を", 57, 125, 0);
  ExpectAtAfterLetter(r, "aとすると、", 57, 180, 0);
  ExpectAt(r, "この数の2乗は ", 57, 235, 0);
  const std::vector<Cell>& cells = r.cells;
  ASSERT_EQ(cells.size(), 4u);  // two runs of the item
  EXPECT_EQ(cells[0].x2 - cells[0].x1, 150);
  EXPECT_EQ(cells[0].y1, 177);
  EXPECT_EQ(cells[0].border, 9);
  EXPECT_EQ(cells[1].x1, cells[0].x1);
  EXPECT_EQ(cells[1].y1, cells[0].y1);
  EXPECT_EQ(r.Find("①", r.Find("＜理由＞").line).colour, 3);
  Found answer = r.Find("10x+a");
  EXPECT_EQ(answer.colour, 5);
  EXPECT_GT(answer.x, cells[1].x1);
  ExpectAt(r, "(10x+a)^2", 57, 290, 0);
  Found first = r.Find("=(10x)^2+2*a*10x+a^2");
  Found second = r.Find("=100x^2+10*2ax+a^2");
  EXPECT_EQ(first.y, 290);
  EXPECT_EQ(second.y, 345);
  EXPECT_EQ(first.x, second.x);
  EXPECT_GT(second.x, 57 + 27 * 5);  // under the first "=", not at the margin
  ExpectAt(r, "10*2axが", 57, 405, 3);
  Found last = r.Find("十の位と百の位の計算に影響するから");
  EXPECT_EQ(last.y, 405);
  EXPECT_EQ(last.colour, 7);
  // Six key waits per run, none after the last line; the second run draws
  // the same screen, without the goal screen in between.
  EXPECT_EQ(r.CountLines(kKeyWait), 12);
  EXPECT_EQ(r.Count("＜理由＞"), 2);
  EXPECT_EQ(r.Count("<めあて>"), 1);
  Found again = r.Find("＜理由＞", first.end + 1);
  EXPECT_EQ(again.x, 57);
  EXPECT_EQ(again.y, 70);
}

// ------------------------------------------------------------------ item 4

TEST(CorvanaQuickSumToTen, FixedTableBoxesAndProof) {
  Trace r = RunCorvana("1 Enter 4 Enter " + Repeat("Space", 6) + Repeat("Space", 11) + "5 Enter");
  EXPECT_EQ(r.replay.exitCode, 0);
  ExpectAt(r, "Q ", 30, 20, 3);
  ExpectAt(r, "十の位が等しく、1の位の和が10である", 84, 20, 7);
  ExpectAt(r, "2けたの自然数の積は速算で求められる。", 57, 70, 7);
  const int products[] = {1209, 1216, 1221, 1224, 1225, 1224, 1221};
  int from = r.Find("2けたの自然数の積は速算で求められる。").end + 1;
  int column = from;
  for (int k = 0; k < 7; ++k) {
    float x = 57 + 162 * k;
    int a = 31 + k, b = 39 - k;
    ASSERT_EQ(a * b, products[k]);
    ExpectAt(r, std::to_string(a), x + 54, 120, 0, column);
    column = r.Find(std::to_string(a), column).end + 1;
    ExpectAt(r, std::to_string(b), x + 54, 170, 0, column);
    column = r.Find(std::to_string(b), column).end + 1;
    EXPECT_EQ(r.CountLines("line x1=" + std::to_string(static_cast<int>(x)) + " y1=220 x2=" +
                                std::to_string(static_cast<int>(x + 108)) + " y2=220 colour=0 width=5"),
              1);
  }
  for (int k = 0; k < 7; ++k) {
    ExpectAt(r, std::to_string(products[k]), 57 + 162 * k, 220, 3, column);
    column = r.Find(std::to_string(products[k]), column).end + 1;
  }
  // Only seven columns: 38 x 32 and 39 x 31 are formed but not drawn.
  EXPECT_EQ(r.Count("38", from, column), 1);
  EXPECT_EQ(r.Count("39", from, column), 1);
  EXPECT_EQ(r.CountLines("line x1=1191"), 0);

  ExpectAt(r, "<速算の方法予想>", 30, 290, 7);
  ExpectAt(r, "・下2けたが", 57, 345, 0);
  ExpectAt(r, "・百以上の位が、", 57, 395, 0);
  const std::vector<Cell>& cells = r.cells;
  ASSERT_EQ(cells.size(), 4u);
  EXPECT_EQ(cells[0].x2 - cells[0].x1, 324);
  EXPECT_EQ(cells[0].y1, 342);
  EXPECT_EQ(cells[1].x2 - cells[1].x1, 720);
  EXPECT_EQ(cells[1].y1, 447);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(cells[i].border, 2);
    EXPECT_EQ(cells[i + 2].x1, cells[i].x1);
    EXPECT_EQ(cells[i + 2].y1, cells[i].y1);
    EXPECT_EQ(cells[i + 2].x2, cells[i].x2);
  }
  Found ones = r.Find("一の位どうしの積");
  EXPECT_EQ(ones.colour, 5);
  EXPECT_EQ(ones.y, 345);
  EXPECT_GT(ones.x, cells[2].x1);
  EXPECT_LT(ones.x, cells[2].x2);
  ExpectAt(r, "文字を使って証明しよう。", 30, 555, 7);

  ExpectAt(r, "＜証明＞", 57, 30, 3);
  ExpectAt(r, "十の位をx,一の位をa,b,a+b=10 とすると、", 57, 85, 0);
  ExpectAt(r, "この2数の積は", 57, 195, 0);
  ExpectAt(r, " (10x+a)(10x+b)", 57 + 27, 250, 0);  // behind its leading blank
  EXPECT_EQ(r.Find(std::string("  a+b=10 だから").substr(3)).y, 360);  // after "  a"
  EXPECT_EQ(r.Find("  a+b=10 だから").colour, 3);
  EXPECT_EQ(r.Find("=100x(x+1)+ab").y, 525);
  EXPECT_EQ(r.Find("=100x(x+1)+ab").colour, 7);
  ExpectAtAfterLetter(r, "abが", 57, 585, 3);
  EXPECT_EQ(r.Find("百以上の位の数を表している。").y, 585);
  EXPECT_EQ(r.CountLines(kKeyWait), 17);
}

}  // namespace
