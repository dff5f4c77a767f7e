// The expression typesetter: glyph rules, markers, root signs, the driver,
// measuring and stacked fractions.
#include <gtest/gtest.h>

#include "corvana/corvana.h"
#include "dellmir/dellmir.h"
#include "fennor/fennor.h"
#include "jorrel/jorrel.h"
#include "tests/typeset_support.h"

namespace {

using namespace typeset_testing;
using Strings = std::vector<std::string>;

// --- Glyph rules: one character set by TypesetChars at (100, 200) ---

struct GlyphCase {
  const char* what;
  const lesson::ProgramSettings* settings;
  float inFraction, raiseNext, raiseHigh, tallBrackets;
  const char* text;  // UTF-8
  Strings trace;
  float advance;
};

TEST(GlyphRules, EachRuleSetsFaceSizeFactorsPositionAndAdvance) {
  const auto* C = &kCorvanaLike;
  const auto* D = &kDellmirLike;
  const GlyphCase cases[] = {
      {"1 period", C, 0, 0, 0, 0, ".", {Glyph(97, 214, 3, 2, ".")}, 8},
      {"1 period in a fraction", C, 1, 0, 0, 0, ".", {Glyph(97, 214, 3, 2, ".")}, 8},
      {"2 prime", C, 0, 0, 0, 0, "'", {Glyph(100, 200, 3, 3, "'")}, 12},
      {"2 degree from %", C, 0, 0, 0, 0, "%", {Glyph(100, 200, 3, 3, "°")}, 12},
      {"3 tall (", C, 0, 0, 0, 1, "(", {Glyph(96, 194, 3, 4, "(")}, 27},
      {"4 tall )", C, 0, 0, 0, 1, ")", {Glyph(106, 194, 3, 4, ")")}, 27},
      {"( without tall brackets", C, 0, 0, 0, 0, "(", {Glyph(100, 200, 3, 3, "(")}, 27},
      {"5 equals", C, 0, 0, 0, 0, "=", {Glyph(104, 200, 3, 3, "=", 14)}, 32},
      {"5 equals keeps a raise", C, 0, 1, 0, 0, "=", {Glyph(104, 200, 3, 3, "=", 14)}, 32},
      {"6 raised higher", C, 0, 0, 1, 0, "2", {Glyph(100, 190, 6, 3, "2", 8)}, 24},
      {"6 raised higher in a fraction", C, 1, 0, 1, 0, "2", {Glyph(100, 190, 6, 3, "2", 8)}, 24},
      {"7 raised in a fraction", C, 1, 1, 0, 0, "2", {Glyph(100, 196, 6, 3, "2", 8)}, 24},
      {"8 raised", C, 0, 1, 0, 0, "2", {Glyph(100, 200, 3, 2, "2")}, 24},
      {"8 raised letter stays upright", C, 0, 1, 0, 0, "a", {Glyph(100, 200, 3, 2, "a")}, 24},
      {"7 raised letter in a fraction", C, 1, 1, 0, 0, "x", {Glyph(100, 196, 6, 3, "x", 8)}, 24},
      {"9 italic a in a fraction", C, 1, 0, 0, 0, "a", {TextLine(104, 184, 12, 5, "serif", 8, true, true, "a")}, 32},
      {"10 italic x", C, 0, 0, 0, 0, "x", {TextLine(104, 178, 10, 7, "serif", 8, true, true, "x")}, 27},
      {"10 italic c", C, 0, 0, 0, 0, "c", {TextLine(104, 178, 10, 7, "serif", 8, true, true, "c")}, 27},
      {"11 ell, Corvana", C, 0, 0, 0, 0, "l", {TextLine(100, 194, 5, 4, "ell", 15, true, false, "l")}, 32},
      {"11 ell in a fraction, Corvana", C, 1, 0, 0, 0, "l", {TextLine(100, 185, 5, 4, "ell", 15, true, false, "l")}, 32},
      {"11 ell, Dellmir", D, 0, 0, 0, 0, "l", {TextLine(100, 200, 6, 3, "ell", 16, true, false, "l")}, 32},
      {"11 ell in a fraction, Dellmir", D, 1, 0, 0, 0, "l", {TextLine(100, 200, 6, 3, "ell", 16, true, false, "l")}, 32},
      {"12 minus in a fraction", C, 1, 0, 0, 0, "-", {LineAt(106, 214, 126, 214, 5)}, 32},
      {"13 plus in a fraction", C, 1, 0, 0, 0, "+", {LineAt(106, 214, 126, 214, 5), LineAt(116, 204, 116, 224, 5)}, 32},
      {"14 minus", C, 0, 0, 0, 0, "-", {LineAt(104, 220, 123, 220, 5)}, 27},
      {"15 plus", C, 0, 0, 0, 0, "+", {LineAt(104, 222, 123, 222, 5), LineAt(113, 210, 113, 234, 5)}, 27},
      {"16 times from *", C, 0, 0, 0, 0, "*", {Glyph(96, 200, 2, 3, "×")}, 27},
      {"16 divide from /", C, 0, 0, 0, 0, "/", {Glyph(96, 200, 2, 3, "÷")}, 27},
      {"16 plus-minus from @", C, 0, 0, 0, 0, "@", {Glyph(96, 200, 2, 3, "±")}, 27},
      {"18 times in a fraction", C, 1, 0, 0, 0, "*", {Glyph(100, 200, 3, 3, "×", 11)}, 38},
      {"17 blank", C, 0, 0, 0, 0, " ", {}, 27},
      {"17 blank in a fraction", C, 1, 0, 0, 0, " ", {}, 27},
      {"no blank rule: 21", D, 0, 0, 0, 0, " ", {Glyph(100, 200, 3, 3, " ")}, 27},
      {"no blank rule: 20 in a fraction", D, 1, 0, 0, 0, " ", {Glyph(100, 200, 4, 2, " ")}, 32},
      {"18 full-width in a fraction", C, 1, 0, 0, 0, "番", {Glyph(100, 200, 3, 3, "番", 11)}, 38},
      {"19 full-width", C, 0, 0, 0, 0, "番", {Glyph(100, 200, 2, 3, "番")}, 34},
      {"19 full-width period", C, 0, 0, 0, 0, "．", {Glyph(100, 200, 2, 3, "．")}, 34},
      {"20 in a fraction", C, 1, 0, 0, 0, "b", {Glyph(100, 200, 4, 2, "b")}, 32},
      {"21 upright b", C, 0, 0, 0, 0, "b", {Glyph(100, 200, 3, 3, "b")}, 27},
      {"21 upright A", C, 0, 0, 0, 0, "A", {Glyph(100, 200, 3, 3, "A")}, 27},
      {"21 half-width katakana", C, 0, 0, 0, 0, "ｱ", {Glyph(100, 200, 3, 3, "ｱ")}, 27},
      {"empty text", C, 0, 0, 0, 0, "", {}, 27},
      {"empty text in a fraction", C, 1, 0, 0, 0, "", {}, 32},
  };
  for (const GlyphCase& c : cases) {
    SCOPED_TRACE(c.what);
    Page page(*c.settings);
    auto& l = page.lesson;
    l.gInFraction = c.inFraction;
    l.gRaiseNext = c.raiseNext;
    l.gRaiseHigh = c.raiseHigh;
    l.gTallBrackets = c.tallBrackets;
    l.gPenX = 100;
    l.gPenY = 200;
    l.gWorkText = plat::FromUtf8(c.text);
    l.TypesetChars();
    EXPECT_EQ(page.Lines(), c.trace);
    EXPECT_EQ(l.gPenX, 100 + c.advance);
    EXPECT_EQ(l.gPenY, 200);
    EXPECT_EQ(l.gRootStartX, l.gPenX);  // the overline step follows the cursor
    // Routine's end: Gothic 16, upright, bold off, the pen width of entry.
    EXPECT_EQ(page.screen().fontFace(), plat::Face::Gothic);
    EXPECT_EQ(page.screen().fontSize(), 16);
    EXPECT_FALSE(page.screen().fontBold());
    EXPECT_FALSE(page.screen().fontItalic());
    EXPECT_EQ(page.screen().GetDrawWidth(0), 3);
  }
}

// The four programs' own settings give their script ell and blank.
template <class Program>
Strings EllAndBlank(float inFraction) {
  testing_support::TestScreen ts;
  Program program(ts.screen());
  program.gTextColour = 4;
  program.gInFraction = inFraction;
  program.gPenX = 100;
  program.gPenY = 200;
  program.gWorkText = "l l";
  program.TypesetChars();
  return ts.lines();
}

TEST(GlyphRules, EachProgramHasItsOwnEllAndBlank) {
  const std::string corvanaEll = TextLine(100, 194, 5, 4, "ell", 15, true, false, "l");
  const std::string corvanaEllInFraction = TextLine(100, 185, 5, 4, "ell", 15, true, false, "l");
  const std::string ell = TextLine(100, 200, 6, 3, "ell", 16, true, false, "l");
  // After the ell bold stays off for the rest of the text.
  EXPECT_EQ(EllAndBlank<lesson::Corvana>(0),
            (Strings{corvanaEll, TextLine(159, 194, 5, 4, "ell", 15, true, false, "l")}));
  EXPECT_EQ(EllAndBlank<lesson::Corvana>(1),
            (Strings{corvanaEllInFraction, TextLine(159, 185, 5, 4, "ell", 15, true, false, "l")}));
  for (float inFraction : {0.0f, 1.0f}) {
    const Strings onTheLine = {ell, TextLine(159, 200, 6, 3, "ell", 16, true, false, "l")};
    EXPECT_EQ(EllAndBlank<lesson::Fennor>(inFraction), onTheLine);
    EXPECT_EQ(EllAndBlank<lesson::Jorrel>(inFraction), onTheLine);
  }
  // Dellmir has no rule for the blank: it is set as a glyph.
  EXPECT_EQ(EllAndBlank<lesson::Dellmir>(0),
            (Strings{ell, Glyph(132, 200, 3, 3, " ", 16, false), TextLine(159, 200, 6, 3, "ell", 16, true, false, "l")}));
  EXPECT_EQ(EllAndBlank<lesson::Dellmir>(1),
            (Strings{ell, Glyph(132, 200, 4, 2, " ", 16, false), TextLine(164, 200, 6, 3, "ell", 16, true, false, "l")}));
}

TEST(GlyphRules, RaiseFlagsAreTakenOnlyByTheirRules) {
  Page page;
  auto& l = page.lesson;
  // Rule 8 clears the raise; the "=" before it keeps it set.
  l.gRaiseNext = 1;
  page.Draw("=2");
  EXPECT_EQ(l.gRaiseNext, 0);
  // Both set: rule 6 takes the first character, rule 8 the second.
  l.gRaiseNext = 1;
  l.gRaiseHigh = 1;
  l.gPenX = 0;
  EXPECT_EQ(page.Draw("23", 0, 100), (Strings{Glyph(0, 90, 6, 3, "2", 8), Glyph(24, 100, 3, 2, "3")}));
  EXPECT_EQ(l.gRaiseNext, 0);
  EXPECT_EQ(l.gRaiseHigh, 0);
  // Markers and signs leave a raise for the character after them.
  l.gRaiseNext = 1;
  page.Draw("&ﾝ");
  EXPECT_EQ(l.gRaiseNext, 1);
}

TEST(GlyphRules, TallBracketsEndAtTheFirstTallClosingBracket) {
  Page page;
  page.lesson.gTallBrackets = 1;
  EXPECT_EQ(page.Draw("(b)(b)", 0, 100),
            (Strings{Glyph(-4, 94, 3, 4, "("), Glyph(27, 100, 3, 3, "b"), Glyph(60, 94, 3, 4, ")"),
                     Glyph(81, 100, 3, 3, "("), Glyph(108, 100, 3, 3, "b"), Glyph(135, 100, 3, 3, ")")}));
  EXPECT_EQ(page.lesson.gTallBrackets, 0);
}

TEST(GlyphRules, BoldCarriesThroughAPartSetInOneCall) {
  // Within one numerator the ell leaves bold off and "=" turns it on again.
  Page page;
  auto lines = page.Draw("ﾀl=2/3ﾀ", 0, 100);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[2], TextLine(0, 75, 5, 4, "ell", 15, true, false, "l"));
  EXPECT_EQ(lines[3], Glyph(36, 90, 3, 3, "=", 14));
  EXPECT_EQ(lines[4], Glyph(64, 90, 4, 2, "2"));
  lines = page.Draw("ﾀl2/3ﾀ", 0, 100);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3], Glyph(32, 90, 4, 2, "2", 16, false));
}

// --- Markers, substitutions, root signs and "&" ---

TEST(CharacterTypesetter, SubstitutesSignsAndSkipsMarkers) {
  Page page;
  EXPECT_EQ(page.Draw("a*b", 0, 100), (Strings{TextLine(4, 78, 10, 7, "serif", 8, true, true, "a"),
                                               Glyph(23, 100, 2, 3, "×"), Glyph(54, 100, 3, 3, "b")}));
  // "!" and "√" give the same radical.
  EXPECT_EQ(page.Draw("!"), page.Draw("√"));
  // "ﾝ" with no open root changes nothing and draws nothing.
  EXPECT_EQ(page.Draw("ﾝ"), Strings{});
  EXPECT_EQ(page.lesson.gPenX, 100);
}

TEST(CharacterTypesetter, RootOverlineGrowsCharacterByCharacterUntilTheEndMarker) {
  Page page;
  auto& l = page.lesson;
  const Strings lines = page.Draw("!23ﾝ+1", 0, 100);
  const Strings expected = {
      "poly colour=4 width=3 points=4,136;8,124;16,140;24,96;32,96",
      Glyph(28, 100, 3, 3, "2"),
      LineAt(28, 96, 55, 96, 3),
      Glyph(55, 100, 3, 3, "3"),
      LineAt(28, 96, 82, 96, 3),
      LineAt(86, 122, 105, 122, 5),
      LineAt(95, 110, 95, 134, 5),
      Glyph(109, 100, 3, 3, "1"),
  };
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(l.gRootState, 0);
  EXPECT_EQ(l.gRootStartX, 136);
  EXPECT_EQ(l.gPenX, 136);
}

TEST(CharacterTypesetter, SmallRadicalInAFraction) {
  Page page;
  auto& l = page.lesson;
  l.gInFraction = 1;
  l.gPenX = 0;
  l.gPenY = 100;
  l.gWorkText = plat::FromUtf8("!2ﾝ+1");
  l.TypesetChars();
  const Strings expected = {
      "poly colour=4 width=3 points=4,124;8,113;16,129;24,94;26,94",
      Glyph(26, 100, 4, 2, "2"),
      LineAt(26, 94, 58, 94, 3),
      LineAt(64, 114, 84, 114, 5),
      LineAt(74, 104, 74, 124, 5),
      Glyph(90, 100, 4, 2, "1"),
  };
  EXPECT_EQ(page.Lines(), expected);
  EXPECT_EQ(l.gPenX, 122);
}

TEST(CharacterTypesetter, ParallelogramInsideAnOpenRootMovesTheOverlineStart) {
  Page page;
  auto& l = page.lesson;
  page.screen().SetDrawWidth(0, 1);
  const Strings lines = page.Draw("!2&3", 0, 100);
  const Strings expected = {
      "poly colour=4 width=3 points=4,136;8,124;16,140;24,96;32,96",
      Glyph(28, 100, 3, 3, "2"),
      LineAt(28, 96, 55, 96, 3),
      "poly colour=4 width=5 points=59,140;80,140;87,108;66,108;59,140",
      Glyph(91, 100, 3, 3, "3"),
      LineAt(91, 96, 118, 96, 3),
  };
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(l.gRootState, 1);  // still open: it runs on into the next output
  EXPECT_EQ(l.gRootStartX, 91);
  EXPECT_EQ(page.screen().GetDrawWidth(0), 1);  // the width of entry comes back
  EXPECT_EQ(page.Draw("4", 118, 100), (Strings{Glyph(118, 100, 3, 3, "4"), LineAt(91, 96, 145, 96, 3)}));
}

struct StrokeMarkLesson : TestLesson {
  using TestLesson::TestLesson;
  Strings seen;
  bool DellmirStrokeMarkRules() override {
    seen.push_back(plat::ToUtf8(gChar));
    if (gChar != plat::FromUtf8("ﾏ")) return false;
    gChar.clear();
    gTypesetX += 30;
    gRootStartX = gTypesetX;
    gRootState = 1;
    return true;
  }
};

TEST(CharacterTypesetter, StrokeMarkHookComesAfterTheSignsAndBeforeTheGlyphRules) {
  Page<StrokeMarkLesson> page(kDellmirLike);
  auto& l = page.lesson;
  // Markers, radicals and "&" never reach the hook; substitutions come first.
  const Strings lines = page.Draw("^\\ﾝ!&*ﾏ5", 0, 100);
  EXPECT_EQ(l.seen, (Strings{"×", "ﾏ", "5"}));
  // The mark finishes its character itself: no overline piece for it.
  const Strings expected = {
      "poly colour=4 width=3 points=4,136;8,124;16,140;24,96;32,96",
      "poly colour=4 width=5 points=32,140;53,140;60,108;39,108;32,140",
      Glyph(64, 90, 6, 3, "×", 8),
      LineAt(64, 96, 88, 96, 3),
      Glyph(118, 100, 3, 2, "5"),
      LineAt(118, 96, 142, 96, 3),
  };
  EXPECT_EQ(lines, expected);
}

// --- The driver ---

TEST(DrawExpression, FractionThenLetterLeavesThePenAfterTheLetter) {
  Page page;
  auto& l = page.lesson;
  const Strings lines = page.Draw("ﾀ2/3ﾀx", 300, 400);
  const Strings expected = {
      LineAt(300, 425, 332, 425, 4),
      Glyph(300, 428, 4, 2, "3"),
      Glyph(300, 390, 4, 2, "2"),
      TextLine(336, 378, 10, 7, "serif", 8, true, true, "x"),
  };
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(l.gPenX, 359);
  EXPECT_EQ(l.gPenY, 400);
  EXPECT_EQ(l.gPrintText, "");
  EXPECT_EQ(l.gInFraction, 0);
}

TEST(DrawExpression, LoneFractionMarkerIsDropped) {
  Page page;
  EXPECT_EQ(page.Draw("1ﾀ2", 0, 100), (Strings{Glyph(0, 100, 3, 3, "1"), Glyph(27, 100, 3, 3, "2")}));
  EXPECT_EQ(page.lesson.gPenX, 54);
}

TEST(DrawExpression, CaretRaisesTheExponent) {
  Page page;
  const Strings lines = page.Draw("(10x+5)^2", 0, 100);
  EXPECT_EQ(lines.back(), Glyph(7 * 27, 100, 3, 2, "2"));
  EXPECT_EQ(page.lesson.gPenX, 7 * 27 + 24);
}

TEST(DrawExpression, RaisesCarryOverIntoTheNextOutput) {
  Page page;
  auto& l = page.lesson;
  page.Draw("x^");
  EXPECT_EQ(l.gRaiseNext, 1);
  EXPECT_EQ(page.Draw("2", 0, 100), Strings{Glyph(0, 100, 3, 2, "2")});
  EXPECT_EQ(l.gRaiseNext, 0);
  // Fennor's "(ﾀ1/3ﾀ)\2": the exponent after a bracketed fraction is raised higher.
  const Strings lines = page.Draw("(ﾀ1/3ﾀ)\\2", 0, 100);
  EXPECT_EQ(lines.back(), Glyph(27 + 32 + 27, 90, 6, 3, "2", 8));
  l.gRaiseHigh = 0;
  page.Draw("\\");
  EXPECT_EQ(l.gRaiseHigh, 1);
}

TEST(DrawExpression, TallRootEnclosesAFraction) {
  Page page;
  auto& l = page.lesson;
  const Strings lines = page.Draw("#ﾀ1/2ﾀﾝ+1", 0, 100);
  const Strings expected = {
      "poly colour=4 width=3 points=4,136;8,124;16,160;30,86;38,86",
      LineAt(32, 125, 64, 125, 4),
      LineAt(32, 86, 64, 86, 3),
      Glyph(32, 128, 4, 2, "2"),
      Glyph(32, 90, 4, 2, "1"),
      LineAt(68, 122, 87, 122, 5),
      LineAt(77, 110, 77, 134, 5),
      Glyph(91, 100, 3, 3, "1"),
  };
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(l.gRootState, 0);
  EXPECT_EQ(l.gPenX, 118);
}

TEST(DrawExpression, TallRootOverlineRunsOverCharactersAfterTheFraction) {
  Page page;
  auto& l = page.lesson;
  const Strings lines = page.Draw("#ﾀ1/2ﾀ3", 0, 100);
  // Inside the parts no overline piece; the start follows the last part set.
  EXPECT_EQ(lines.back(), LineAt(64, 86, 91, 86, 3));
  EXPECT_EQ(l.gRootState, 22);
}

TEST(DrawExpression, OnlyMarkedTextMakesAFraction) {
  Page page;
  const Strings lines = page.Draw("ﾀ1/2ﾀ/3", 0, 100);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[3], Glyph(28, 100, 2, 3, "÷"));
}

TEST(DrawExpression, PenWidthComesBackAndEmptyTextDrawsNothing) {
  for (int width : {1, 3, 6}) {
    Page page;
    page.screen().SetDrawWidth(0, width);
    page.Draw("!2ﾝ-ﾀ1+x/2ﾀ&#3ﾝl=a");
    EXPECT_EQ(page.screen().GetDrawWidth(0), width);
    EXPECT_EQ(page.Draw("", 50, 60), Strings{});
    EXPECT_EQ(page.lesson.gPenX, 50);
    EXPECT_EQ(page.screen().GetDrawWidth(0), width);
  }
}

// --- Measuring ---

TEST(MeasureTextWidth, GivesTheAdvanceAndKeepsTheCallersPenAndText) {
  struct Case {
    const char* text;
    float width;
  } cases[] = {
      {"", 0},          {"ﾀ1/2ﾀ", 32},         {"ﾀ12/3ﾀ", 64},   {"(10x+5)^2", 7 * 27 + 24},
      {"x=ﾀ1/2ﾀ", 27 + 32 + 32}, {"!2ﾝ", 28 + 27}, {"#ﾀ1/2ﾀﾝ", 64}, {"3番.", 27 + 34 + 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Page page;
    auto& l = page.lesson;
    l.gPenX = 123;
    l.gPenY = 456;
    l.gWorkText = plat::FromUtf8(c.text);
    l.MeasureTextWidth();
    EXPECT_EQ(l.gMeasuredEndX, c.width);
    EXPECT_EQ(l.gPenX, 123);
    EXPECT_EQ(l.gPenY, 456);
    EXPECT_EQ(l.gWorkText, plat::FromUtf8(c.text));
    EXPECT_EQ(l.gPrintText, "");
    EXPECT_EQ(page.Lines(), Strings{}) << "measuring draws nothing";
    EXPECT_TRUE(page.screen().canvas().ops().empty());
    l.gRootState = 0;
    l.MeasureTextWidth();
    EXPECT_EQ(l.gMeasuredEndX, c.width) << "measuring twice";
  }
}

TEST(MeasureTextWidth, MovesTheTypesetterStateAsDrawingDoes) {
  struct Case {
    const char* text;
    float tall;
  } cases[] = {{"(1)", 1}, {"2^", 0}, {"!2", 0}, {"ﾀ!2/3ﾀ", 0}, {"#4", 0}, {"ﾀ(x)/3ﾀ(", 1}, {"\\", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Page measured, drawn;
    for (Page<>* p : {&measured, &drawn}) p->lesson.gTallBrackets = c.tall;
    measured.lesson.gWorkText = plat::FromUtf8(c.text);
    measured.lesson.MeasureTextWidth();
    drawn.Draw(c.text, 0, 1800);
    const auto& m = measured.lesson;
    const auto& d = drawn.lesson;
    EXPECT_EQ(m.gMeasuredEndX, d.gPenX);
    EXPECT_EQ(m.gTallBrackets, d.gTallBrackets);
    EXPECT_EQ(m.gRaiseNext, d.gRaiseNext);
    EXPECT_EQ(m.gRaiseHigh, d.gRaiseHigh);
    EXPECT_EQ(m.gRootState, d.gRootState);
    EXPECT_EQ(m.gRootStartX, d.gRootStartX);
    EXPECT_EQ(m.gInFraction, d.gInFraction);
  }
}

TEST(MeasureTextWidth, MeasuresInTheCompactFormsWhileInAFraction) {
  Page page;
  auto& l = page.lesson;
  l.gWorkText = plat::FromUtf8("a-1");
  l.MeasureTextWidth();
  EXPECT_EQ(l.gMeasuredEndX, 27 * 3);
  l.gInFraction = 1;
  l.MeasureTextWidth();
  EXPECT_EQ(l.gMeasuredEndX, 32 * 3);
}

TEST(StripMarkupMarkers, RemovesEveryMarker) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"-ﾀ1/3ﾀ", "-1/3"}, {"123", "123"}, {"", ""}, {"ﾀ6/4ﾀ=", "6/4"}, {"x^2!3ﾝ", "x2!3"}, {"^^==ﾀﾀﾝﾝ", ""},
      // Double-byte characters whose second byte equals a marker stay whole.
      {"タ^安胃", "タ安胃"},
  };
  Page page;
  for (const Case& c : cases) {
    page.lesson.gWorkText = plat::FromUtf8(c.in);
    page.lesson.StripMarkupMarkers();
    EXPECT_EQ(page.lesson.gWorkText, plat::FromUtf8(c.out)) << c.in;
  }
}

// --- Stacked fractions ---

struct FractionCase {
  const char* text;  // between the markers
  float bar, numeratorX, denominatorX, denominatorY;
};

TEST(DrawStackedFraction, CentresThePartsOnTheBarAndRecordsWhereTheyStand) {
  const FractionCase cases[] = {
      {"1/2", 32, 0, 0, 28},                   // one digit each: the check of a later chapter
      {"12/3", 64, 0, 16, 28},                 // the denominator centred under a longer numerator
      {"1/23", 64, 16, 0, 28},
      {"1/x^2", 56, 12, 0, 36},                // an exponent lowers the denominator
      {"!2ﾝ/3", 58, 0, 13, 36},                // a root sign anywhere lowers it too
      {"1/√2", 58, 13, 0, 44},
      {"!2ﾝ/x^2", 58, 0, 1, 44},
      {"3/4/5", 102, 35, 0, 28},               // a second "/" stays as "÷"
      {"1+x/2", 96, 0, 32, 28},
  };
  for (const FractionCase& c : cases) {
    SCOPED_TRACE(c.text);
    Page page;
    auto& l = page.lesson;
    l.gPenX = 200;
    l.gPenY = 300;
    l.gWorkText = plat::FromUtf8(c.text);
    l.DrawStackedFraction();
    EXPECT_EQ(l.gPenX, 200 + c.bar);
    EXPECT_EQ(l.gPenY, 300);
    EXPECT_EQ(l.gInFraction, 0);
    EXPECT_EQ(l.gFractionNumeratorX, 200 + c.numeratorX);
    EXPECT_EQ(l.gFractionNumeratorY, 290);
    EXPECT_EQ(l.gFractionDenominatorX, 200 + c.denominatorX);
    EXPECT_EQ(l.gFractionDenominatorY, 300 + c.denominatorY);
    const Strings lines = page.Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], LineAt(200, 325, 200 + c.bar, 325, 4));
    EXPECT_EQ(l.gWorkText, plat::LeftB(plat::FromUtf8(c.text), plat::InStrB(plat::FromUtf8(c.text), "/") - 1));
  }
}

TEST(DrawStackedFraction, PartsAreDrawnDenominatorFirstInTheCompactForms) {
  Page page;
  EXPECT_EQ(page.Draw("ﾀ-1/x^2ﾀ", 0, 100),
            (Strings{LineAt(0, 125, 64, 125, 4), TextLine(8, 120, 12, 5, "serif", 8, true, true, "x"),
                     Glyph(36, 132, 6, 3, "2", 8), LineAt(6, 104, 26, 104, 5), Glyph(32, 90, 4, 2, "1")}));
}

TEST(DrawStackedFraction, PositionsStayUntilTheNextFraction) {
  Page page;
  auto& l = page.lesson;
  page.Draw("ﾀ12/3ﾀ", 0, 100);
  page.Draw("x+1", 500, 500);
  EXPECT_EQ(l.gFractionDenominatorX, 16);
  EXPECT_EQ(l.gFractionDenominatorY, 128);
  page.Draw("ﾀ1/2ﾀ", 500, 500);
  EXPECT_EQ(l.gFractionDenominatorX, 500);
  EXPECT_EQ(l.gFractionNumeratorY, 490);
}

TEST(DrawStackedFraction, TextWithoutSlashIsAllDenominator) {
  Page page;
  auto& l = page.lesson;
  page.Draw("ﾀ5ﾀ", 0, 100);
  EXPECT_EQ(l.gPenX, 32);
  EXPECT_EQ(l.gFractionDenominatorY, 128);
  EXPECT_EQ(l.gWorkText, "");
}

}  // namespace
