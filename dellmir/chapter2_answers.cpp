// Chapter 2, the worked answers to the textbook's questions 1 and 2: one
// answer per key, the last one without a key after it.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// Labels stand 81 left of the answer texts (at gDellmirHeadingX); every
// problem begins with a blank, a glyph advance wide.
constexpr Piece kQ1Heading[] = {Wipe(0, 0, 1320, 1300), LineStart(121, 30), PenWidth(5), At(121, 30, 3, "問１ 解答"),
                                Wait()};
constexpr Piece kQ1LeftColumn[] = {
    NextLine(60, 3, "(1)", -81),
    NextLine(0, 0, " 4a(a+3b)"),
    NextLine(60, 0, "=4a*a+4a*3b"),
    NextLine(60, 5, "=4a^2+12ab"),
    Wait(),
    NextLine(60, 3, "(2)", -81),
    NextLine(0, 0, " (2x-7y)*(-5x)"),
    NextLine(60, 0, "=2x*(-5x)-7y*(-5x)"),
    NextLine(60, 5, "=-10x^2+35xy"),
    Wait(),
    NextLine(60, 3, "(3)", -81),
    NextLine(0, 0, " -b(5a-b)"),
    NextLine(50, 0, "=-b*5a-b*(-b)"),
    NextLine(50, 5, "=-5ab+b^2"),
    Wait(),
};
constexpr Piece kQ1RightColumn[] = {
    LineStart(641, 30),
    NextLine(0, 3, "(4)", -81),
    NextLine(0, 0, " 2a(a-b-c)"),
    NextLine(50, 0, "=2a*a+2a*(-b)+2a*(-c)"),
    NextLine(50, 5, "=2a^2-2ab-2ac"),
    Wait(),
    NextLine(60, 3, "(5)", -81),
    NextLine(0, 0, " (3x+2y-1)*(-6x)"),
    NextLine(50, 0, "=3x*(-6x)+2y*(-6x)"),
    NextLine(50, 0, "-1*(-6x)", 297),
    NextLine(50, 5, "=-18x^2-12xy+6x"),
    Wait(),
    NextLine(80, 3, "(6)", -81),
    NextLine(0, 0, " (3x+6y+9)*ﾀ2/3ﾀx"),
    NextLine(70, 0, "="),
};
// Answer (6): each whole number times the fraction. The pen before a number
// is kept as point 1, 3 or 5, the fraction's denominator after it as 2, 4
// or 6 (gNumListA/B), for the cancelling.
struct CancelledProduct {
  const char* number;    // drawn first, its start kept
  const char* fraction;  // its denominator's place kept
  const char* reduced;   // the number over 3
};
constexpr CancelledProduct kQ1Products[] = {
    {"3x*", "ﾀ2/3ﾀx+", "1"},
    {"6y*", "ﾀ2/3ﾀx+", "2"},
    {"9*", "ﾀ2/3ﾀx", "3"},
};

constexpr Piece kQ2Answers[] = {
    Wipe(0, 0, 1320, 1300),
    LineStart(121, 30),
    PenWidth(5),
    At(121, 30, 3, "問2 解答"),
    Wait(),
    NextLine(50, 3, "(1)", -81),
    NextLine(0, 0, " 2x(x-4)+3x(x+5)"),
    NextLine(50, 0, "=2x^2-8x+3x^2+15x"),
    NextLine(50, 0, "=2x^2+3x^2-8x+15x"),
    NextLine(50, 5, "=5x^2+7x"),
    Wait(),
    NextLine(80, 3, "(2)", -81),
    NextLine(0, 0, " 4a(a-3)-2a(3a-6)"),
    NextLine(50, 0, "=4a^2-12a-6a^2+12a"),
    NextLine(50, 0, "=4a^2-6a^2-12a+12a"),
    NextLine(50, 5, "=-2a^2"),
};

}  // namespace

void Dellmir::ShowDistributiveQ1Answers() {
  gDellmirHeadingX = 40;
  DrawPieces(*this, kQ1Heading);
  DrawPieces(*this, kQ1LeftColumn);
  gDellmirHeadingX = 560;
  DrawPieces(*this, kQ1RightColumn);
  for (int k = 0; k < 3; ++k) {
    gNumListA(2 * k + 1) = gLineEndX;
    gNumListB(2 * k + 1) = gLineY;
    DrawTextLine(*this, gLineEndX, gLineY, 0, Literal(kQ1Products[k].number));
    DrawTextLine(*this, gLineEndX, gLineY, 0, Literal(kQ1Products[k].fraction));
    gNumListA(2 * k + 2) = gFractionDenominatorX;
    gNumListB(2 * k + 2) = gFractionDenominatorY;
  }
  for (int k = 0; k < 3; ++k) {
    WaitForKey();
    ShowCancelling(2 * k + 1, 1, Literal(kQ1Products[k].reduced), 2 * k + 2, 1);
  }
  DrawPieces(*this, {Wait(), NextLine(90, 5, "=2x^2+4xy+6x")});
}

void Dellmir::ShowDistributiveQ2Answers() {
  gDellmirHeadingX = 40;
  DrawPieces(*this, kQ2Answers);
}

}  // namespace lesson
