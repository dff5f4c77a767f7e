// Chapter 3, item ②: example 3. Random divisions of a binomial by a
// monomial, worked as multiplication by the reciprocal with the common
// factors struck out: first by ±d·x or ±d·y, then by ±(p/q)·a, b or ab; then
// the summary of the rule.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

constexpr float kDivisorSizes[] = {2, 3, 5};

constexpr LetterParts kXyLetters[] = {{"x", "xy", "y^2"}, {"y", "x^2", "xy"}};
constexpr LetterParts kAbLetters[] = {{"a", "ab", "b^2"}, {"b", "a^2", "ab"}, {"ab", "a", "b"}};

}  // namespace

// Problem ① falls through into problem ② and the summary.
void Dellmir::RunDivisionExample3() {
  DrawPieces(*this, {
                        Wipe(0, 0, 1320, 1300),
                        LineStart(40, 30),
                        PenWidth(5),
                        At(40, 30, 3, "例3　次の計算をしなさい。"),
                    });
  gNumListA(31) = gLineStartX;
  gNumListB(31) = gLineY + 50;
  gInputValue = 3;
  while (gInputValue != 1) {
    MakeExample3XyProblem();
    DrawPieces(*this, {Wipe(gNumListA(31) - 80, gNumListB(31), gNumListA(31) - 80 + 1320, gNumListB(31) + 1500)});
    gLineStartX = gNumListA(31);
    gLineY = gNumListB(31);
    DrawTextLine(*this, gLineStartX, gLineY + 60, 3, Literal("①"));
    ShowExample3Work(gTermText2(2), gTermText2(1), true);
    AskNextStep();
  }
  DrawPieces(*this, {NextLine(120, 3, "※　わる数の逆数をかける"), Wait(), Wait()});
  Example3Kind2Loop();
}

// (A·x^2y + B·xy^2) ÷ (D·L): D = ±d with d from 2, 3, 5; A = a·d, B = b·d.
void Dellmir::MakeExample3XyProblem() {
  gRandomPick = plat::Int(scr.Rnd() * 3 + 1);
  const float d = kDivisorSizes[plat::CInt(gRandomPick) - 1];
  gTermValue2(1) = d;
  gRandomPick = plat::Int(scr.Rnd() * 2);
  gTermValue2(2) = gRandomPick == 0 ? -1.f : 1.f;
  gTermValue(1) = gTermValue2(2) * d;
  DrawQuotientFactors();
  gTermValue(2) = gTermValue(12) * d;
  gTermValue(3) = gTermValue(13) * d;
  gTermValue(4) = gTermValue(2) / gTermValue(1);
  gTermValue(5) = gTermValue(3) / gTermValue(1);
  PrepareTextsAndKeyChoice();
  MakeExample3TermTexts("x^2y", "xy^2");

  const bool negative = gTermValue(1) < 0;
  MakeExample3DivisorTexts(kXyLetters, gTermText(1), "1", gTermText2(1), negative);
  gTermText2(2) = negative ? Text("*(-1)") : Text();
}

// Draws the divisor's letter part from the choices, then the texts of the
// divisor (its coefficient and letters) and of its reciprocal (top over the
// divisor's digits and letters), both bracketed with a minus when negative.
void Dellmir::MakeExample3DivisorTexts(std::span<const LetterParts> choices, const Text& coefficient,
                                       const Text& top, const Text& digits, bool negative) {
  gRandomPick = plat::Int(scr.Rnd() * static_cast<float>(choices.size()) + 1);
  const LetterParts& letters = choices[static_cast<size_t>(plat::CInt(gRandomPick) - 1)];
  gFracUnreduced = Literal(letters.divisor);
  gLabelList(3) = Literal(letters.first);
  gLabelList(4) = Literal(letters.second);
  gWorkText = coefficient + gFracUnreduced;
  if (negative) BracketNegative();
  gLabelList(1) = gWorkText;
  gWorkText = SJ("ﾀ") + top + "/" + digits + gFracUnreduced + SJ("ﾀ");
  if (negative) {
    gWorkText = "-" + gWorkText;
    BracketNegative();
  }
  gLabelList(2) = gWorkText;
}

// The two quotient factors: 1 to 5, each negated on a coin of 0.
void Dellmir::DrawQuotientFactors() {
  for (int k = 12; k <= 13; ++k) {
    gRandomPick = plat::Int(scr.Rnd() * 5 + 1);
    gTermValue(k) = gRandomPick;
    gRandomPick = plat::Int(scr.Rnd() * 2);
    if (gRandomPick == 0) gTermValue(k) = -gTermValue(k);
  }
}

// The second dividend term carries its sign, the quotient coefficients are
// written for the place before a letter, and the dividend's letter parts are
// kept.
void Dellmir::MakeExample3TermTexts(const char* firstLetters, const char* secondLetters) {
  if (gTermValue(3) > 0) gTermText(3) = "+" + gTermText(3);
  MakeCoefficientText(4);
  MakeCoefficientText(5);
  gFracReduced = Literal(firstLetters);
  gFracEquation = Literal(secondLetters);
}

// Problem ②: (A·a^2b + B·ab^2) ÷ (±(p/q)·L), p and q two primes, p not 7.
void Dellmir::Example3Kind2Loop() {
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300), LineStart(40, 30), PenWidth(5)});
  gNumListA(31) = gLineStartX;
  gNumListB(31) = gLineY;
  gInputValue = 3;
  while (gInputValue != 1) {
    MakeExample3AbProblem();
    DrawPieces(*this, {Wipe(gNumListA(31), gNumListB(31), gNumListA(31) + 1320, gNumListB(31) + 1500)});
    gLineStartX = gNumListA(31);
    gLineY = gNumListB(31) + 30;
    DrawTextLine(*this, gLineStartX, gLineY, 3, Literal("②"));
    ShowExample3Work("*" + gTermText(1), gTermText2(11), false);
    AskNextStep();
  }
  Example3Summary();
}

void Dellmir::MakeExample3AbProblem() {
  const float primes[] = {2, 3, 5, 7};
  for (int k = 1; k <= 4; ++k) gPointX(k) = primes[k - 1];
  gRandomPick = plat::Int(scr.Rnd() * 3 + 1);
  const float p = gPointX(gRandomPick);
  gTermValue2(1) = p;
  gTermValue2(2) = p;
  for (int k = plat::CInt(gRandomPick); k <= 3; ++k) gPointX(k) = gPointX(k + 1);
  gRandomPick = plat::Int(scr.Rnd() * 3 + 1);
  gTermValue(1) = gPointX(gRandomPick);
  gRandomPick = plat::Int(scr.Rnd() * 2);
  if (gRandomPick == 0) gTermValue2(1) = -p;
  DrawQuotientFactors();
  gTermValue(2) = gTermValue(12) * p;
  gTermValue(3) = gTermValue(13) * p;
  gTermValue(4) = gTermValue(1) * gTermValue(2) / gTermValue2(1);
  gTermValue(5) = gTermValue(1) * gTermValue(3) / gTermValue2(1);
  gFracNum = gTermValue2(1);
  gFracDen = gTermValue(1);
  FormatFraction();
  gTextList10(1) = gFracReduced;
  PrepareTextsAndKeyChoice();
  MakeExample3TermTexts("a^2b", "ab^2");

  gWorkText = gTermText2(1);
  StripLeadingSign();
  gTermText2(11) = gWorkText;
  const bool negative = gTermValue2(1) < 0;
  MakeExample3DivisorTexts(kAbLetters, gTextList10(1), gTermText(1), gTermText2(11), negative);
  // Inside the worked fractions q stands for the reciprocal's sign too.
  if (negative) gTermText(1) = "(-" + gTermText(1) + ")";
}

// The rows of one problem below its label: the problem, the product with the
// reciprocal, the product as two fractions (each numerator ending in
// `factor`, each denominator the divisor's digits and letters), then each
// fraction cancelled and its quotient term. The worked lines of problem ①
// strike in another order than those of problem ②.
void Dellmir::ShowExample3Work(const Text& factor, const Text& divisorDigits, bool xyKind) {
  const Text terms = gTermText(2) + gFracReduced + gTermText(3) + gFracEquation;
  DrawTextLine(*this, gLineStartX + 40, gLineY, 0, "(" + terms + ")/" + gLabelList(1));
  WaitForKey();
  DrawTextLine(*this, gLineStartX, gLineY + 70, 0, "=(" + terms + ")*" + gLabelList(2));
  WaitForKey();
  gWorkText = gTermText(2);
  SplitLeadingSign();
  gTermText(2) = gWorkText;
  DrawTextLine(*this, gLineStartX, gLineY + 90, 0, "=" + gLeadingSign);
  DrawTextLine(*this, gLineEndX, gLineY, 0,
               SJ("ﾀ") + gTermText(2) + gFracReduced + factor + "/" + divisorDigits + gFracUnreduced + SJ("ﾀ"));
  KeepFractionPlace(1);
  gWorkText = gTermText(3);
  StripLeadingPlus();
  SplitLeadingSign();
  gTermText(3) = gWorkText;
  DrawTextLine(*this, gLineEndX, gLineY, 0, gLeadingSign.empty() ? Text("+") : gLeadingSign);
  DrawTextLine(*this, gLineEndX, gLineY, 0,
               SJ("ﾀ") + gTermText(3) + gFracEquation + factor + "/" + divisorDigits + gFracUnreduced + SJ("ﾀ"));
  KeepFractionPlace(3);
  WaitForKey();
  for (int k = 12; k <= 13; ++k) {
    gWorkText = gTermText(k);
    StripLeadingSign();
    gTermText(k) = gWorkText;
  }

  StrikeFractionNumbers(1, gTermText(2), gTermText(12), divisorDigits, false);
  WaitForKey();
  StrikeFractionLetters(1, gTermText(2), false, xyKind);
  WaitForKey();
  gWorkText = gTermText(4);
  StripLeadingPlus();
  DrawTextLine(*this, gLineStartX, gLineY + 100, 5, "=" + gWorkText + gLabelList(3));
  WaitForKey();
  StrikeFractionNumbers(3, gTermText(3), gTermText(13), divisorDigits, xyKind);
  WaitForKey();
  StrikeFractionLetters(3, gTermText(3), true, xyKind);
  WaitForKey();
  DrawTextLine(*this, gLineEndX, gLineY, 5, gTermText(5) + gLabelList(4));
}

// Strikes the letters of the divisor (gFracUnreduced) in the fraction kept in
// elements k and k + 1, whose numerator begins with `digits`: the first
// fraction holds the first letter squared and the second letter, the second
// fraction the first letter and the second squared. The steps are those of
// the worked lines (an exponent struck 20 high; 35 a cell in the second
// fraction before its raised 2).
void Dellmir::StrikeFractionLetters(int k, const Text& digits, bool secondFraction, bool denominatorFirst) {
  const float nx = gNumListA(k), ny = gNumListB(k);
  const float dx = gNumListA(k + 1), dy = gNumListB(k + 1);
  const float t = static_cast<float>(plat::Len(digits));
  const bool first = plat::InStr(gFracUnreduced, "x") > 0 || plat::InStr(gFracUnreduced, "a") > 0;
  const bool second = plat::InStr(gFracUnreduced, "y") > 0 || plat::InStr(gFracUnreduced, "b") > 0;
  auto denominator = [&] {
    for (int i = 1; i <= plat::Len(gFracUnreduced); ++i) {
      const float x = dx + 32 * static_cast<float>(i);
      scr.Line(x, dy + 28, x + 32, dy, 7);
    }
  };
  if (denominatorFirst) denominator();
  if (!secondFraction) {
    if (first) scr.Line(nx + 32 * (t + 1), ny + 20, nx + 32 * (t + 1) + 27, ny, 7);
    if (second) scr.Line(nx + 32 * (t + 1) + 27, ny + 28, nx + 32 * (t + 1) + 54, ny, 7);
  } else {
    if (second) scr.Line(nx + 35 * (t + 1) + 27, ny + 20, nx + 35 * (t + 1) + 54, ny, 7);
    if (first) scr.Line(nx + 32 * t, ny + 28, nx + 32 * t + 27, ny, 7);
  }
  if (!denominatorFirst) denominator();
}

void Dellmir::Example3Summary() {
  DrawPieces(*this, {
                        NextLine(70, 3, "<多項式と単項式の除法>"),
                        NextLine(50, 5, "逆数にして、分配法則を使う"),
                        NextLine(70, 0, "①(a+b)/c=(a+b)*ﾀ1/cﾀ"),
                        NextLine(70, 0, "②(a+b)/ﾀd/cﾀ=(a+b)*ﾀc/dﾀ"),
                        Wait(),
                        Continue(7, "教科書 問3　をしなさい。", 40),
                    });
}

}  // namespace lesson
