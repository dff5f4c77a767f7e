// Chapter 3, item ①: review 1, random divisions of a binomial by a whole
// number worked as multiplication by the reciprocal, and review 2, the table
// of reciprocals of monomials with fraction coefficients.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// Each row: the monomial, the same written as one fraction, its reciprocal.
constexpr const char* kReciprocalRows[9][3] = {
    {"2x", "=ﾀ2x/1ﾀ", "ﾀ1/2xﾀ"},
    {"-3a", "=-ﾀ3a/1ﾀ", "-ﾀ1/3aﾀ"},
    {"ﾀ3/2ﾀx", "=ﾀ3x/2ﾀ", "ﾀ2/3xﾀ"},
    {"ﾀ1/2ﾀx", "=ﾀx/2ﾀ", "ﾀ2/xﾀ"},
    {"-ﾀ1/3ﾀy", "=-ﾀy/3ﾀ", "-ﾀ3/yﾀ"},
    {"-ﾀ3/5ﾀy", "=-ﾀ3y/5ﾀ", "-ﾀ5/3yﾀ"},
    {"ﾀ2/3ﾀa^2", "=ﾀ2a^2/3ﾀ", "ﾀ3/2a^2ﾀ"},
    {"-ﾀ2/3ﾀb^2", "=-ﾀ2b^2/3ﾀ", "-ﾀ3/2b^2ﾀ"},
    {"ﾀ2/3ﾀab", "=ﾀ2ab/3ﾀ", "ﾀ3/2abﾀ"},
};

// How far right of review 2's block each pass's wipe starts.
constexpr float kReviewWipeInset = 12;
// Where review 1's problems begin, below both headings.
constexpr float kReviewBlockTop = 80;

}  // namespace

void Dellmir::RunReciprocalReview() {
  DrawPieces(*this, {
                        Wipe(0, 0, 1320, 1300),
                        PenWidth(5),
                        LineStart(40, 30),
                        At(40, 30, 0, "復習1　次の計算をしなさい。"),
                    });
  gNumListA(31) = gLineStartX;
  gNumListB(31) = gLineY + 50;
  gInputValue = 3;
  while (gInputValue != 1) {
    MakeDivisionReviewProblem();
    ShowDivisionReviewWork();
    AskNextStep();
  }
  ShowReciprocalTable();
}

// (a·d)x + (b·d)y divided by s·d, with d from 2, 3, 5 and a, b from ±1..±5.
void Dellmir::MakeDivisionReviewProblem() {
  gPointX(1) = 2;
  gPointX(2) = 3;
  gPointX(3) = 5;
  gRandomPick = plat::Int(scr.Rnd() * 3 + 1);
  const float d = gPointX(gRandomPick);
  gRandomPick = plat::Int(scr.Rnd() * 2);
  const float s = gRandomPick == 0 ? -1.f : 1.f;
  float a = plat::Int(scr.Rnd() * 5 + 1);
  gRandomPick = plat::Int(scr.Rnd() * 2);
  if (gRandomPick == 0) a = -a;
  float b = plat::Int(scr.Rnd() * 5 + 1);
  gRandomPick = plat::Int(scr.Rnd() * 2);
  if (gRandomPick == 0) b = -b;

  gTermValue(12) = a;
  gTermValue(13) = b;
  gTermValue(1) = d;
  gTermValue(7) = s;
  gTermValue(11) = s * d;
  gTermValue(2) = a * d;
  gTermValue(3) = b * d;
  gTermValue(4) = s * gTermValue(2) / d;
  gTermValue(5) = s * gTermValue(3) / d;
  // The denominator strokes are sized from the text of d, so d goes into the
  // second list too (an earlier screen may have left anything there).
  gTermValue2(1) = d;

  gFracNum = 1;
  gFracDen = gTermValue(11);
  FormatFraction();
  gTextList10(1) = gFracReduced;
  PrepareTextsAndKeyChoice();
  if (gTermValue(3) > 0) gTermText(3) = "+" + gTermText(3);
  if (s < 0) gTermText(7) = "(" + gTermText(7) + ")";
  if (gTermValue(11) < 0) gTermText(11) = "(" + gTermText(11) + ")";
  MakeCoefficientText(4);
  MakeCoefficientText(5);
  if (s < 0) {
    gWorkText = gTextList10(1);
    BracketNegative();
    gTextList10(1) = gWorkText;
  }
}

void Dellmir::ShowDivisionReviewWork() {
  DrawPieces(*this, {Wipe(gNumListA(31) - 80, gNumListB(31), gNumListA(31) - 80 + 1320, gNumListB(31) + 1500)});
  gLineStartX = gNumListA(31);
  gLineY = gNumListB(31);

  // Line 1: the problem.
  DrawTextLine(*this, gLineStartX, gLineY + 60, 3, Literal("①"));
  DrawTextLine(*this, gLineStartX + 40, gLineY, 0,
               "(" + gTermText(2) + "x" + gTermText(3) + "y)/" + gTermText(11));
  WaitForKey();

  // Line 2: times the reciprocal; an arc anchor 27 into each of its pieces.
  DrawTextLine(*this, gLineStartX, gLineY + 100, 0, "=(");
  const Text pieces[] = {gTermText(2) + "x", gTermText(3) + "y)*", gTextList10(1)};
  constexpr int kAnchorOf[] = {2, 3, 1};
  for (int i = 0; i < 3; ++i) {
    gPointX(kAnchorOf[i]) = gLineEndX + 27;
    gPointY(kAnchorOf[i]) = gLineY;
    DrawTextLine(*this, gLineEndX, gLineY, 0, pieces[i]);
  }
  WaitForKey();
  // The reciprocal's arc end stands past "(-", the x term's past its minus.
  gWorkText = "(-";
  MeasureTextWidth();
  if (gTermValue(7) < 0) gPointX(1) = gPointX(1) + gMeasuredEndX;
  if (gTermValue(2) < 0) gPointX(2) = gPointX(2) + 27;
  DrawReviewArc(gPointX(2), 9, 2);
  WaitForKey();

  // Line 3: each product as one fraction, the sign in front of it.
  gWorkText = gTermText(2);
  SplitLeadingSign();
  gTermText(2) = gWorkText;
  DrawTextLine(*this, gLineStartX, gLineY + 100, 0, "=" + gLeadingSign);
  DrawTextLine(*this, gLineEndX, gLineY, 0,
               SJ("ﾀ") + gTermText(2) + "x*" + gTermText(7) + "/" + gTermText(1) + SJ("ﾀ"));
  KeepFractionPlace(1);
  WaitForKey();
  DrawReviewArc(gPointX(3) + 27, 7, 1);
  WaitForKey();
  gWorkText = gTermText(3);
  SplitLeadingSign();
  gTermText(3) = gWorkText;
  DrawTextLine(*this, gLineEndX, gLineY, 0, gLeadingSign);
  DrawTextLine(*this, gLineEndX, gLineY, 0,
               SJ("ﾀ") + gTermText(3) + "y*" + gTermText(7) + "/" + gTermText(1) + SJ("ﾀ"));
  KeepFractionPlace(3);
  WaitForKey();

  for (int k : {12, 13, 2, 3}) {
    gWorkText = gTermText(k);
    StripLeadingSign();
    gTermText(k) = gWorkText;
  }
  // Line 4: the quotient, each term after its fraction is cancelled.
  StrikeFractionNumbers(1, gTermText(2), gTermText(12), gTermText2(1), false);
  WaitForKey();
  gWorkText = gTermText(4);
  StripLeadingPlus();
  gTermText(4) = gWorkText;
  DrawTextLine(*this, gLineStartX, gLineY + 100, 5, "=" + gTermText(4) + "x");
  WaitForKey();
  StrikeFractionNumbers(3, gTermText(3), gTermText(13), gTermText2(1), false);
  WaitForKey();
  DrawTextLine(*this, gLineEndX, gLineY, 5, gTermText(5) + "y");
}

// gTermText(k) as the coefficient before a letter: 1 and -1 as the bare
// sign, 0 as nothing, a positive value with "+".
void Dellmir::MakeCoefficientText(int k) {
  if (gTermValue(k) == 1 || gTermValue(k) == 0) {
    gTermText(k).clear();
  } else if (gTermValue(k) == -1) {
    gTermText(k) = "-";
  }
  if (gTermValue(k) > 0) gTermText(k) = "+" + gTermText(k);
}

// A dotted arc above line 2, from the reciprocal's anchor to x.
void Dellmir::DrawReviewArc(float x, int colour, float height) {
  gP1X = gPointX(1);
  gP1Y = gPointY(1) - 20;
  gP2X = x;
  gP2Y = gP1Y + 20;
  gFigureColour = static_cast<float>(colour);
  gArcSide = 1;
  gCellWidth = 1;
  gArcHeight = height;
  gLabelText.clear();
  DrawDottedArcOverSegment();
}

// Where the last fraction set its numerator and denominator, into elements
// k and k + 1 of the number lists.
void Dellmir::KeepFractionPlace(int k) {
  gNumListA(k) = gFractionNumeratorX;
  gNumListB(k) = gFractionNumeratorY;
  gNumListA(k + 1) = gFractionDenominatorX;
  gNumListB(k + 1) = gFractionDenominatorY;
}

// Strikes the number that begins the numerator of the fraction kept in
// elements k and k + 1 (writing what is left of it above) and the number of
// its denominator (writing 1 below); with factorLast the factor is written
// after the denominator is done.
void Dellmir::StrikeFractionNumbers(int k, const Text& struck, const Text& factor, const Text& denominator,
                                    bool factorLast) {
  const float nx = gNumListA(k), ny = gNumListB(k);
  const float dx = gNumListA(k + 1), dy = gNumListB(k + 1);
  scr.Line(nx, ny + 28, nx + 32 * static_cast<float>(plat::Len(struck)), ny, 3);
  if (!factorLast) DrawTextAt(*this, nx, ny - 30, 3, factor);
  scr.Line(dx, dy + 28, dx + 32 * static_cast<float>(plat::Len(denominator)), dy, 3);
  DrawTextAt(*this, dx, dy + 28, 3, "1");
  if (factorLast) DrawTextAt(*this, nx, ny - 30, 3, factor);
}

// Review 2: one row of the table per pass, 1 to 9 and round again, until the
// pupil types 1. Only the right of x 652 is wiped: review 1's last problem
// stays beside it, whole (its widest line ends at x 650).
void Dellmir::ShowReciprocalTable() {
  DrawPieces(*this, {NextLine(120, 3, "※　わる数の逆数をかける"), Wait()});
  gNumListA(31) = 640;
  gNumListB(31) = 30;
  DrawPieces(*this, {LineStart(640, 30), PenWidth(5)});
  gInputValue = 3;
  gDellmirPassCount = 0;
  while (gInputValue != 1) {
    for (int r = 1; r <= 9; ++r)
      for (int form = 0; form < 3; ++form) gTermText(10 * form + r) = Literal(kReciprocalRows[r - 1][form]);
    gDellmirPassCount = gDellmirPassCount == 9 ? 1 : gDellmirPassCount + 1;
    const float r = gDellmirPassCount;
    // The heading starts left of the wipe: the strip above review 1's block
    // is wiped too, so that the heading is not drawn over itself pass after pass.
    DrawPieces(*this, {Wipe(gNumListA(31) + kReviewWipeInset, 0, gNumListA(31) + kReviewWipeInset + 1320, 1300),
                       Wipe(gNumListA(31), 0, gNumListA(31) + kReviewWipeInset, kReviewBlockTop)});
    gLineStartX = gNumListA(31);
    gLineY = gNumListB(31);
    DrawPieces(*this, {PenWidth(5), NextLine(0, 3, "復習2　逆数をいいなさい。")});
    DrawTextLine(*this, gLineStartX + 88, gLineY + 140, 0, gTermText(r));
    WaitForKey();
    DrawTextLine(*this, gLineEndX, gLineY, 0, gTermText(10 + r));
    WaitForKey();
    DrawPieces(*this, {NextLine(120, 0, "逆数は、", 44)});
    DrawTextLine(*this, gLineEndX, gLineY, 5, gTermText(20 + r));
    AskNextStep();
  }
  DrawPieces(*this, {
                        Wait(),
                        NextLine(120, 3, "※　分数を係数とする文字は、", 44),
                        Tag(NextLine(60, 3, " 　分子につける。", 44)),
                    });
}

}  // namespace lesson
