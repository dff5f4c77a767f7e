// Plain text output: the full-width tables, cells, the "^" escape, the
// squeezed period, and StripBlanks.
#include <gtest/gtest.h>

#include "tests/frame_testing.h"

namespace {

using frame_testing::Glyph;
using frame_testing::Harness;
using frame_testing::Only;
using plat::FromUtf8;
using plat::Text;

TEST(FullWidth, EveryAsciiCharacterOfTheTablesBecomesItsCounterpart) {
  Harness h;
  auto& p = h.program;
  auto convert = [&](const Text& c) {
    p.gChar = c;
    p.ToFullWidthChar();
    return p.gChar;
  };
  // The pairs that are not simply the full-width form of the same character.
  struct Case {
    const char* ascii;
    int code;
  } special[] = {
      {" ", 0x8140}, {"A", 0x839F}, {"*", 0x817E}, {"/", 0x8180}, {"+", 0x817B}, {"-", 0x817C},
      {"=", 0x8181}, {".", 0x8144}, {"?", 0x81E4}, {"(", 0x8169}, {")", 0x816A}, {"!", 0x81E3},
      {"$", 0x81DF}, {"@", 0x817D}, {"&", 0x83CE}, {"'", 0x81DA}, {"[", 0x8185}, {"]", 0x8186},
      {"<", 0x8183}, {">", 0x8184}, {",", 0x8143}, {"%", 0x818B}, {"x", 0x83D4}, {"~", 0x81A2},
      {":", 0x8146},
  };
  for (const auto& c : special) EXPECT_EQ(plat::Asc(convert(c.ascii)), c.code) << c.ascii;
  EXPECT_EQ(plat::Asc(convert(FromUtf8("ﾀ"))), 0x815C);
  for (char d = '0'; d <= '9'; ++d) EXPECT_EQ(plat::Asc(convert(Text(1, d))), 0x824F + (d - '0')) << d;
  for (char l = 'B'; l <= 'Z'; ++l) EXPECT_EQ(plat::Asc(convert(Text(1, l))), 0x8260 + (l - 'A')) << l;
  for (char l = 'a'; l <= 'y'; ++l) {
    if (l == 'x') continue;
    EXPECT_EQ(plat::Asc(convert(Text(1, l))), 0x8281 + (l - 'a')) << l;
  }
  // Not in the tables: left as they are.
  for (const char* same : {"z", "#", ";", "^", "\\"}) EXPECT_EQ(convert(same), same);
  EXPECT_EQ(convert(FromUtf8("ｱ")), FromUtf8("ｱ"));
  EXPECT_EQ(convert(FromUtf8("例")), FromUtf8("例"));
  EXPECT_EQ(convert(FromUtf8("Ａ")), FromUtf8("Ａ"));
  EXPECT_EQ(plat::Len(p.gFullSymbols), 60);
  EXPECT_EQ(plat::Len(p.gAsciiSymbols), 60);
  EXPECT_EQ(plat::Len(p.gFullLetters), 27);
}

struct PrintCase {
  const char* text;  // UTF-8
  std::vector<std::string> glyphs;
  float penX;  // where the pen ends
};

TEST(PrintText, DrawsEachCharacterInItsCell) {
  const int x = 100, y = 200;
  auto g = [&](int cellX, const char* c, int raise = 0) { return Glyph(cellX, y - raise, 4, c); };
  std::vector<PrintCase> cases = {
      // A full-width blank and a half-width blank: two empty cells between "２" and "③".
      {"①P34Q　②例２　 ③終了",
       {g(100, "①"), g(116, "Ｐ"), g(132, "３"), g(148, "４"), g(164, "Ｑ"), g(180, "　"), g(196, "②"),
        g(212, "例"), g(228, "２"), g(244, "　"), g(276, "③"), g(292, "終"), g(308, "了")},
       324},
      // The period takes no cell: 32 units for three characters.
      {"3.5", {g(100, "３"), g(112, "．"), g(116, "５")}, 132},
      {"3．5", {g(100, "３"), g(112, "．"), g(116, "５")}, 132},
      {"A", {g(100, "Α")}, 116},
      {"x^2", {g(100, "χ"), g(116, "2", 4)}, 132},
      {"z#;", {g(100, "z", 4), g(116, "#", 4), g(132, ";", 4)}, 148},
      {"^^3", {g(100, "3", 4)}, 116},
      {"^　x", {g(100, "　"), g(116, "χ")}, 132},
      {"^ 5", {g(116, "５")}, 132},
      {"ﾀｱ", {g(100, "―"), g(116, "ｱ", 4)}, 132},
      {"。", {g(100, "。")}, 116},
      {"", {}, 100},
  };
  for (const auto& c : cases) {
    Harness h;
    auto& p = h.program;
    p.gPenX = x;
    p.gPenY = y;
    p.gTextColour = 4;
    p.gPrintText = FromUtf8(c.text);
    p.PrintText();
    EXPECT_EQ(Only(h.Lines(), "text "), c.glyphs) << c.text;
    EXPECT_EQ(p.gPenX, c.penX) << c.text;
    EXPECT_EQ(p.gPenY, y) << c.text;
    EXPECT_TRUE(p.gPrintText.empty()) << c.text;
  }
}

TEST(PrintText, LeavesTheLastCharacterTheRaiseFlagAndBold) {
  Harness h;
  auto& p = h.program;
  p.gPrintText = "ab 1";
  p.PrintText();
  EXPECT_EQ(p.gWorkText, "1");
  EXPECT_EQ(p.gChar, FromUtf8("１"));
  EXPECT_EQ(p.gGlyphX, p.gPenX);
  EXPECT_EQ(p.gRaiseNext, 0);
  EXPECT_TRUE(h.screen().fontBold());

  p.gPrintText = "12 ";  // a last blank leaves an empty work text
  p.PrintText();
  EXPECT_EQ(p.gWorkText, "");

  // A text that ends in "^" hands the raise on to the next output.
  p.gPrintText = "7^";
  p.PrintText();
  EXPECT_EQ(p.gRaiseNext, 1);
  EXPECT_EQ(p.gWorkText, "^");
  h.ClearTrace();
  p.gPrintText = "5";
  p.PrintText();
  EXPECT_EQ(p.gRaiseNext, 0);
  ASSERT_EQ(h.Lines().size(), 1u);
  EXPECT_NE(h.Lines()[0].find("\"5\""), std::string::npos);

  // "^" alone draws nothing and leaves the weight as it was.
  Harness fresh;
  fresh.program.gPrintText = "^";
  fresh.program.PrintText();
  EXPECT_EQ(fresh.program.gRaiseNext, 1);
  EXPECT_FALSE(fresh.screen().fontBold());
  EXPECT_TRUE(fresh.Lines().empty());
  EXPECT_EQ(fresh.program.gPenX, 0);
}

TEST(DrawGlyphs, RemovesBlanksAndLeavesThePenWhereItWas) {
  struct Case {
    const char* text;
    size_t drawn;
    float glyphX;
    const char* left;
  } cases[] = {{"1 2", 2, 82, "12"}, {"", 0, 66, ""}, {" ", 0, 66, ""}, {"-", 1, 66, "-"}};
  for (const auto& c : cases) {
    Harness h;
    auto& p = h.program;
    p.gPenX = 50;
    p.gPenY = 60;
    p.gWorkText = c.text;
    p.DrawGlyphs();
    EXPECT_EQ(h.Lines().size(), c.drawn) << c.text;
    EXPECT_EQ(p.gGlyphX, c.glyphX) << c.text;
    EXPECT_EQ(p.gWorkText, c.left) << c.text;
    EXPECT_EQ(p.gPenX, 50) << c.text;
    EXPECT_TRUE(h.screen().fontBold()) << c.text;
  }
}

TEST(StripBlanks, RemovesOnlyHalfWidthBlanks) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {{" 12", "12"}, {"－ 3", "－3"}, {"", ""}, {"　", "　"}, {" - 4 5 ", "-45"}, {"ab", "ab"}};
  Harness h;
  for (const auto& c : cases) {
    h.program.gWorkText = FromUtf8(c.in);
    h.program.StripBlanks();
    EXPECT_EQ(h.program.gWorkText, FromUtf8(c.out)) << c.in;
  }
}

}  // namespace
