// How formulas and headings read on a projector: where glyphs sit in their
// cells, the look of the signs and the program names in the menu headings.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "tests/typeset_support.h"

namespace {

using testing_support::Picture;
using testing_support::RunReplay;
using typeset_testing::kCorvanaLike;
using typeset_testing::kDellmirLike;
using typeset_testing::Page;

// The ink in a rectangle of a page rendered at one pixel per unit (1440 x 900).
// A pixel counts as ink when it is at least a quarter dark: the faint edge of
// antialiasing does not close a gap.
class Ink {
 public:
  struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    bool empty() const { return right < 0; }
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
    double centreX() const { return (left + right) / 2.0; }
    double centreY() const { return (top + bottom) / 2.0; }
  };

  Ink(const plat::Canvas& canvas, int left, int top, int right, int bottom)
      : picture_(canvas), left_(left), top_(top), right_(right), bottom_(bottom) {}

  double Darkness(int x, int y) const {
    uint32_t p = picture_.Pixel(x, y);
    return 1.0 - ((p >> 16 & 255) + (p >> 8 & 255) + (p & 255)) / (3 * 255.0);
  }
  bool Inked(int x, int y) const { return Darkness(x, y) >= 0.25; }

  // Runs of columns that hold ink, left to right: one per glyph or sign when
  // nothing touches.
  std::vector<Box> Glyphs() const {
    std::vector<Box> out;
    bool open = false;
    for (int x = left_; x <= right_; ++x) {
      Box column = Within(x, x);
      if (column.empty()) {
        open = false;
        continue;
      }
      if (!open) out.push_back(Box{});
      open = true;
      Box& b = out.back();
      b.left = std::min(b.left, x);
      b.right = x;
      b.top = std::min(b.top, column.top);
      b.bottom = std::max(b.bottom, column.bottom);
    }
    return out;
  }

  // The ink box of the columns from x0 to x1.
  Box Within(int x0, int x1) const {
    Box b;
    for (int x = x0; x <= x1; ++x)
      for (int y = top_; y <= bottom_; ++y)
        if (Inked(x, y)) {
          b.left = std::min(b.left, x);
          b.right = std::max(b.right, x);
          b.top = std::min(b.top, y);
          b.bottom = std::max(b.bottom, y);
        }
    return b;
  }

  // Mean length of the horizontal runs of ink: the weight of upright strokes.
  double StrokeWeight() const {
    int runs = 0, inked = 0;
    for (int y = top_; y <= bottom_; ++y)
      for (int x = left_; x <= right_; ++x)
        if (Inked(x, y)) {
          ++inked;
          if (!Inked(x - 1, y)) ++runs;
        }
    return runs ? static_cast<double>(inked) / runs : 0;
  }

 private:
  Picture picture_;
  int left_, top_, right_, bottom_;
};

// Gaps in pixels between neighbouring glyphs.
std::vector<int> Gaps(const std::vector<Ink::Box>& glyphs) {
  std::vector<int> gaps;
  for (size_t i = 1; i < glyphs.size(); ++i) gaps.push_back(glyphs[i].left - glyphs[i - 1].right - 1);
  return gaps;
}

// An expression set by the typesetter at (100, 200), and its ink on the line.
struct Set {
  explicit Set(const std::string& markup, const lesson::ProgramSettings& settings = kDellmirLike)
      : page(settings) {
    page.Draw(markup, 100, 200);
  }
  Ink ink() { return Ink(page.screen().canvas(), 80, 160, 500, 260); }
  Page<> page;
};

// The serif a, x and c stand clear of what is set beside them: their ink is
// centred in their advance, and no sign or digit runs into them.
TEST(Typography, ItalicLettersKeepAGapOnBothSides) {
  struct Case {
    const char* markup;
    size_t glyphs;
  } cases[] = {
      {"x*x", 3}, {"a-b", 3}, {"2a(", 3}, {"x=", 2}, {"a^2", 2}, {"4ax=2a*2x", 9}, {"x/x", 3}, {"c+a", 3},
      {"x+2", 3}, {"5x-6", 4}, {"(x+2)", 5}, {"a)", 2},
  };
  for (const auto& c : cases) {
    const auto glyphs = Set(c.markup).ink().Glyphs();
    ASSERT_EQ(glyphs.size(), c.glyphs) << c.markup;
    for (int gap : Gaps(glyphs)) EXPECT_GE(gap, 2) << c.markup;
  }
  // The first letter's advance runs from 100 to 127.
  for (const char* letter : {"a", "x", "c"}) {
    const auto glyphs = Set(letter).ink().Glyphs();
    ASSERT_EQ(glyphs.size(), 1u);
    EXPECT_NEAR(glyphs[0].centreX(), 113.5, 1.5) << letter;
  }
}

// A multiplication sign as in a maths book: square, its arms no taller than a
// lower-case x, on the digits' middle line, whatever the cell's stretch.
TEST(Typography, TimesSignIsSquareOnTheDigitsMiddleLine) {
  const auto letters = Set("x*x").ink().Glyphs();
  ASSERT_EQ(letters.size(), 3u);
  const Ink::Box& times = letters[1];
  EXPECT_LE(times.height(), letters[0].height());
  EXPECT_NEAR(times.width(), times.height(), 2);
  EXPECT_GE(times.height(), letters[0].height() / 2);  // still a sign to see

  const auto digits = Set("2*3").ink().Glyphs();
  ASSERT_EQ(digits.size(), 3u);
  EXPECT_NEAR(digits[1].centreY(), digits[0].centreY(), 1.5);
  EXPECT_NEAR(digits[1].centreY(), digits[2].centreY(), 1.5);
  EXPECT_NEAR(digits[1].width(), digits[1].height(), 2);
}

// A slashed zero reads as a Scandinavian O: the zero's middle is empty, in
// formulas and in the full-width digits of prompts and menus alike.
TEST(Typography, ZeroHasAnEmptyMiddle) {
  auto expectEmptyMiddle = [](const Ink& ink, const char* what) {
    const auto glyphs = ink.Glyphs();
    ASSERT_EQ(glyphs.size(), 1u) << what;
    const Ink::Box& zero = glyphs[0];
    EXPECT_GE(zero.height(), 30) << what;
    const int cx = static_cast<int>(zero.centreX()), cy = static_cast<int>(zero.centreY());
    int dark = 0;
    for (int y = cy - zero.height() / 6; y <= cy + zero.height() / 6; ++y)
      for (int x = cx - 1; x <= cx + 1; ++x) dark += ink.Darkness(x, y) >= 0.1;
    EXPECT_EQ(dark, 0) << what;
  };
  expectEmptyMiddle(Set("0").ink(), "half-width");
  Set fullWidth("");
  fullWidth.page.screen().SetFontBold(0, -1);
  fullWidth.page.screen().Symbol(100, 200, SJ("０"), 2, 3, 0);
  expectEmptyMiddle(fullWidth.ink(), "full-width");
}

// The decimal point sits on the digits' baseline, where the flat foot of the
// leading 1 stands, with a clear gap after it (and before it).
TEST(Typography, DecimalPointStandsClearOnTheBaseline) {
  for (const char* number : {"10.08", "12.5", "156.25"}) {
    const auto glyphs = Set(number).ink().Glyphs();
    const size_t point = std::string(number).find('.');
    ASSERT_EQ(glyphs.size(), std::string(number).size()) << number;
    EXPECT_GE(glyphs[point].left - glyphs[point - 1].right - 1, 2) << number;
    EXPECT_GE(glyphs[point + 1].left - glyphs[point].right - 1, 3) << number;
    EXPECT_NEAR(glyphs[point].bottom, glyphs[0].bottom, 1.5) << number;
    EXPECT_LT(glyphs[point].height(), glyphs[point - 1].height() / 3) << number;
  }
}

// A prime (公式2', the menu's 公式２'３') belongs to the character before it:
// its ink stands nearer that character than the one after it.
TEST(Typography, PrimeStandsAgainstTheCharacterItMarks) {
  struct Case {
    const char* markup;
    size_t prime;  // which glyph is the prime
  } cases[] = {{"2'3'", 1}, {"公式2'を", 3}, {"公式２'３'", 3}, {"x'+1", 1}};
  for (const auto& c : cases) {
    const auto glyphs = Set(c.markup).ink().Glyphs();
    ASSERT_GT(glyphs.size(), c.prime + 1) << c.markup;
    const Ink::Box &before = glyphs[c.prime - 1], &prime = glyphs[c.prime], &after = glyphs[c.prime + 1];
    const int gapBefore = prime.left - before.right - 1, gapAfter = after.left - prime.right - 1;
    EXPECT_GE(gapBefore, 2) << c.markup;  // still apart
    EXPECT_LT(gapBefore, gapAfter) << c.markup;
    EXPECT_LT(prime.bottom, before.centreY()) << c.markup;  // raised, not a comma
  }
}

// A product written under the 5-unit rule of a written multiplication, its
// cell's top on the rule's line: white rows part the digits from the rule.
TEST(Typography, DigitsKeepAGapUnderARuleAlongTheirCellTop) {
  Page<> page(kCorvanaLike);
  page.screen().SetDrawWidth(0, 5);
  page.screen().Line(57, 220, 165, 220, 0);
  page.Draw("1209", 57, 220);
  Ink ink(page.screen().canvas(), 60, 215, 160, 270);
  int ruleEnd = 0, digitsStart = 0;
  for (int y = 221; y < 270 && !digitsStart; ++y) {
    int count = 0;
    for (int x = 60; x <= 160; ++x) count += ink.Inked(x, y);
    if (count > 90) {
      ruleEnd = y;  // the rule spans the row
    } else if (count > 0 && ruleEnd) {
      digitsStart = y;
    }
  }
  ASSERT_GT(ruleEnd, 0);
  ASSERT_GT(digitsStart, 0);
  EXPECT_GE(digitsStart - ruleEnd - 1, 2);
}

// The script ell is as heavy as the bold Gothic beside it.
TEST(Typography, ScriptEllIsAsHeavyAsBoldGothic) {
  for (const auto* settings : {&kDellmirLike, &kCorvanaLike}) {
    const double ell = Set("l", *settings).ink().StrokeWeight();
    const double digit = Set("1", *settings).ink().StrokeWeight();
    EXPECT_GE(ell, 0.85 * digit) << settings->title;
  }
}

// A full-width glyph stays inside its cell: a boxed cell drawn again over
// a circled number leaves no trace of it below the box.
TEST(Typography, BoxDrawnAgainHidesTheGlyphItHeld) {
  Page<> page(kDellmirLike);
  plat::Screen& s = page.screen();
  s.SetDrawWidth(0, 3);
  s.Line(191, 178, 311, 228, 3, plat::kFilledBox, 13);
  s.SetFontBold(0, -1);
  s.Symbol(234, 181, SJ("①"), 2, 3, 5);
  s.Line(191, 178, 311, 228, 3, plat::kFilledBox, 13);
  Ink ink(s.canvas(), 185, 229, 320, 240);
  double darkest = 0;
  for (int y = 229; y <= 240; ++y)
    for (int x = 185; x <= 320; ++x) darkest = std::max(darkest, ink.Darkness(x, y));
  EXPECT_LT(darkest, 0.05);
}

// A program's name is no formula: the heading writes it in full-width letters,
// which no letter rule of the typesetter turns into an italic or script glyph.
TEST(MenuHeading, ProgramNameInFullWidthLettersInTheGothicFace) {
  struct Case {
    const char* program;
    const char* heading;
  } cases[] = {
      {"corvana", "＜Ｃｏｒｖａｎａ　メニュー＞"},
      {"dellmir", "＜Ｄｅｌｌｍｉｒ　メニュー＞"},
      {"fennor", "＜Ｆｅｎｎｏｒ　メニュー＞"},
      {"jorrel", "＜Ｊｏｒｒｅｌ　メニュー＞"},
  };
  const std::regex glyph(R"re(^text x=(\S+) y=30 .* face=(\w+) .*"(.*)"$)re");
  for (const auto& c : cases) {
    std::string heading;
    float lastX = 0;
    for (const auto& line : RunReplay(c.program, "").With("text ")) {
      std::smatch m;
      if (!std::regex_match(line, m, glyph)) continue;
      EXPECT_EQ(m[2], "gothic") << c.program << ": " << line;
      EXPECT_GT(std::stof(m[1]), lastX) << c.program;
      lastX = std::stof(m[1]);
      heading += m[3];
    }
    EXPECT_EQ(heading, c.heading);
  }
}

}  // namespace
