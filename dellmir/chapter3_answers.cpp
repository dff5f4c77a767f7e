// Chapter 3, item ③: the worked answers to question 3, four fixed divisions
// turned into multiplications by the reciprocal, with the cancelled factors
// struck by the typesetter's stroke marks.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// A piece of the page; a piece that ends in a fraction may strike it: the
// marks are typeset over its numerator and its denominator, a mark in the
// cell of each character struck and a blank in the cell of one kept.
struct AnswerPiece {
  Piece piece;
  const char* numeratorMarks = nullptr;
  const char* denominatorMarks = nullptr;
};

// Problems (1) and (2), the left column, up to the overlay that strikes
// problem (1)'s fractions.
constexpr AnswerPiece kLeftColumn[] = {
    {At(84, 30, 7, "問3の解答")},
    {Wait()},
    {At(30, 80, 3, "(1)")},
    {NextLine(0, 0, " (6a^3-2a)/2a")},
    {NextLine(70, 0, "=(6a^3-2a)*ﾀ1/2aﾀ")},
    {NextLine(70, 0, "=ﾀ6a^3/2aﾀ-ﾀ2a/2aﾀ")},
};
// The overlay sets the same fractions with marks in place of what is struck.
constexpr AnswerPiece kLeftColumnStruck[] = {
    {NextLine(0, 0, "=ﾀﾏaﾑ/ﾏﾏﾀ-ﾀﾏﾏ/ﾏﾏﾀ")},
    {NextLine(60, 5, "=3a^2-1")},
    {Wait()},
    {At(30, 340, 3, "(2)")},
    {NextLine(0, 0, " (8a^2b+2b)/(-2b)")},
    {NextLine(70, 0, "=(8a^2b+2b)*(-ﾀ1/2bﾀ)")},
    {NextLine(70, 0, "=")},
    {Continue(0, "ﾀ8a^2b*(-1)/2bﾀ+"), "ﾏ  ﾏ", "ﾏﾏ"},
    {Continue(0, "ﾀ2b*(-1)/2bﾀ"), "ﾏﾏ", "ﾏﾏ"},
    {NextLine(60, 5, "=-4a^2-1")},
};
// Problem (3), the right column from the top.
constexpr AnswerPiece kProblem3[] = {
    {Wait()},
    {LineStart(614, 30)},
    {At(560, 30, 3, "(3)")},
    {NextLine(0, 0, " (6a^2b-9ab^2)/ﾀ3/2ﾀab")},
    {NextLine(70, 0, "=(6a^2b-9ab^2)*ﾀ2/3abﾀ")},
    {NextLine(80, 0, "=")},
    {Continue(0, "ﾀ6a^2b*2/3abﾀ-"), "ﾏ ﾑﾏ", "ﾏﾏﾏ"},
    {Continue(0, "ﾀ9ab^2*2/3abﾀ"), "ﾏﾏ ﾑ", "ﾏﾏﾏ"},
    {NextLine(60, 5, "=4a-6b")},
};
// Problem (4), below it and further right.
constexpr AnswerPiece kProblem4[] = {
    {Wait()},
    {LineStart(694, 240)},
    {At(640, 310, 3, "(4)")},
    {NextLine(0, 0, " (x^2y+xy^2-x)/x")},
    {NextLine(70, 0, "=(x^2y+xy^2-x)*ﾀ1/xﾀ")},
    {NextLine(70, 0, "=")},
    {Continue(0, "ﾀx^2y/xﾀ+"), " ﾑ", "ﾏ"},
    {Continue(0, "ﾀxy^2/xﾀ-"), "ﾏ", "ﾏ"},
    {Continue(0, "ﾀx/xﾀ"), "ﾏ", "ﾏ"},
    {NextLine(60, 5, "=xy+y^2-1")},
};

}  // namespace

void Dellmir::ShowDivisionQ3Answers() {
  auto draw = [this](std::span<const AnswerPiece> pieces) {
    for (const AnswerPiece& p : pieces) {
      DrawPieces(*this, {p.piece});
      if (p.numeratorMarks) StrikeLastFraction(p.numeratorMarks, p.denominatorMarks);
    }
  };
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300)});
  gDellmirHeadingX = 30;
  gLineStartX = gDellmirHeadingX + 54;
  gLineY = 30;
  DrawPieces(*this, {PenWidth(5)});
  draw(kLeftColumn);
  gFigureColour = 3;
  draw(kLeftColumnStruck);
  gDellmirHeadingX = 560;
  draw(kProblem3);
  gDellmirHeadingX = 640;
  draw(kProblem4);
}

// The marks over the parts of the fraction drawn last; the lesson line stays
// after the fraction.
void Dellmir::StrikeLastFraction(const char* numeratorMarks, const char* denominatorMarks) {
  KeepFractionPlace(1);
  gInFraction = 1;
  DrawTextAt(*this, gNumListA(1), gNumListB(1), 3, Literal(numeratorMarks));
  DrawTextAt(*this, gNumListA(2), gNumListB(2), 3, Literal(denominatorMarks));
  gInFraction = 0;
}

}  // namespace lesson
