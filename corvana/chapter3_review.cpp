// Chapter 3, the review: the value of -5a for a random a, then the value of
// A(Bx+Cy)+D(Ex+Fy), simplified before x and y are put in.
#include "corvana/corvana.h"

namespace lesson {

namespace {

// The text that stands before a letter in a sum: "+" for 1, "-" for -1,
// nothing for 0, otherwise the number with its sign.
Text CoefficientTermString(float v) {
  if (v == 1) return "+";
  if (v == -1) return "-";
  if (v == 0) return "";
  Text digits = plat::Str(v);
  return v > 0 ? "+" + digits.substr(1) : digits;
}

// A number with its sign always written ("+0", "+3", "-1").
Text SignedNumber(float v) {
  Text digits = plat::Str(v);
  return v < 0 ? digits : "+" + digits.substr(1);
}

// A number as the term texts write it: no blank, no plus sign.
Text PlainNumber(float v) {
  Text digits = plat::Str(v);
  return digits[0] == ' ' ? digits.substr(1) : digits;
}

}  // namespace

void Corvana::RunExpressionValueReview() {
  RunValueSection("復習1", 40, 1, 80, &Corvana::MakeReviewOneProblem, &Corvana::ShowReviewOneScreens);
  StartReviewTwo();
  FinishReviewTwo();
}

// a from -5 to 4, any value again; the factor text bracketed when a is
// negative.
void Corvana::MakeReviewOneProblem() {
  gTermValue(1) = plat::Int(10 * scr.Rnd() - 5);
  gTermValue(2) = -5 * gTermValue(1);
  PrepareTextsAndKeyChoice();
  gTermText(3) = gTermValue(1) < 0 ? "(" + gTermText(1) + ")" : gTermText(1);
}

void Corvana::ShowReviewOneScreens() {
  DrawOnLine(0, Literal(" a=") + gTermText(1) + Literal("のとき、"));
  DrawNextLine(0, 50, 0, Literal("-5aの値を求めなさい。"));
  WaitForKey();
  DrawNextLine(0, 70, 5, Literal("＜解答＞"));
  WaitForKey();
  DrawNextLine(0, 60, 3, Literal("a=") + gTermText(1) + Literal("を代入して"));
  WaitForKey();
  DrawNextLine(0, 60, 0, Literal(" -5a"));
  WaitForKey();
  DrawNextLine(0, 60, 0, "=-5*" + gTermText(3));
  WaitForKey();
  DrawNextLine(0, 60, 5, "=" + gTermText(2));
}

// Review 2 in the block from x 520; review 1's last problem stays on the left.
void Corvana::StartReviewTwo() {
  RunValueSection("復習2", 520, 31, 520, &Corvana::MakeReviewTwoProblem, &Corvana::ShowReviewTwoScreens);
}

// Sixteen draws in a fixed order, each value followed by its sign: A is never
// 0 or 1 (a drawn 1 becomes -1), C and F never 0 or ±1, D negative two times
// in three; Y is raised by 1 where it equals X.
void Corvana::MakeReviewTwoProblem() {
  auto draw = [this](float count, float low) { return plat::Int(scr.Rnd() * count + low); };
  auto coin = [this] {
    gRandomPick = plat::Int(scr.Rnd() * 2);
    return gRandomPick == 0;
  };
  auto signedDraw = [&](float count, float low) {
    float v = draw(count, low);
    return coin() ? -v : v;
  };
  float a = draw(5, 1);
  gTermValue2(1) = coin() || a == 1 ? -a : a;
  gTermValue(2) = signedDraw(7, 1);
  gTermValue(3) = signedDraw(5, 2);
  gTermValue2(4) = draw(5, 1);
  gRandomPick = draw(3, 0);
  if (gRandomPick <= 1) gTermValue2(4) = -gTermValue2(4);
  gTermValue(5) = signedDraw(7, 1);
  gTermValue(6) = signedDraw(5, 2);
  gTermValue2(5) = signedDraw(5, 1);
  gTermValue2(6) = signedDraw(5, 1);
  if (gTermValue2(6) == gTermValue2(5)) gTermValue2(6) = gTermValue2(5) + 1;
  MakeReviewTwoTexts();
}

// From A to F, X and Y: the products, the collected coefficients K and L, the
// two parts of the value and the value; then the texts, signed for the places
// where they join a sum.
void Corvana::MakeReviewTwoTexts() {
  gTermValue(7) = gTermValue2(1) * gTermValue(2);
  gTermValue(8) = gTermValue2(1) * gTermValue(3);
  gTermValue(9) = gTermValue2(4) * gTermValue(5);
  gTermValue(10) = gTermValue2(4) * gTermValue(6);
  gTermValue(11) = gTermValue(7) + gTermValue(9);
  gTermValue(12) = gTermValue(8) + gTermValue(10);
  gTermValue2(7) = gTermValue(11) * gTermValue2(5);
  gTermValue2(8) = gTermValue(12) * gTermValue2(6);
  gTermValue2(9) = gTermValue2(7) + gTermValue2(8);

  PrepareTextsAndKeyChoice();
  if (gTermValue2(1) == -1) gTermText2(1) = "-";
  gTermText2(4) = CoefficientTermString(gTermValue2(4));
  if (gTermValue2(8) > 0) gTermText2(8) = "+" + gTermText2(8);
  for (int i = 1; i <= 12; ++i) gTermText(i) = CoefficientTermString(gTermValue(i));
}

// The problem, then the answer one row per key: expanded, grouped, collected
// to Kx+Ly, and only then x and y put in. K and L of 0 or ±1 are written as
// numbers where a bare sign or a missing coefficient would misread: row 7
// writes a zero coefficient as 0, row 9 writes K as its number and L as a
// signed number, row 10 writes an LY of 0 as +0.
void Corvana::ShowReviewTwoScreens() {
  auto strip = [this](Text& text) {
    gWorkText = text;
    StripLeadingPlus();
    text = gWorkText;
  };
  auto bracket = [this](Text& text) {
    gWorkText = text;
    BracketNegative();
    text = gWorkText;
  };
  const auto& t = gTermText;
  const auto& t2 = gTermText2;
  strip(gTermText(2));
  strip(gTermText(5));
  DrawOnLine(0, Literal(" x=") + t2(5) + ",y=" + t2(6) + Literal("のとき、"));
  DrawNextLine(40, 50, 0, Literal("次の式の値を求めなさい。"));
  DrawNextLine(32, 60, 3, t2(1) + "(" + t(2) + "x" + t(3) + "y)" + t2(4) + "(" + t(5) + "x" + t(6) + "y)");
  WaitForKey();
  strip(gTermText(7));
  DrawNextLine(0, 60, 0, "=" + t(7) + "x" + t(8) + "y" + t(9) + "x" + t(10) + "y");
  WaitForKey();
  DrawNextLine(0, 60, 0, "=" + t(7) + "x" + t(9) + "x" + t(8) + "y" + t(10) + "y");
  WaitForKey();
  strip(gTermText(11));
  float k = gTermValue(11), l = gTermValue(12);
  DrawNextLine(0, 60, 0, "=" + (k == 0 ? Text("0") : t(11)) + "x" + (l == 0 ? Text("+0") : t(12)) + "y");
  WaitForKey();
  DrawNextLine(40, 50, 3, "x=" + t2(5) + ",y=" + t2(6) + Literal(" を代入して"));
  WaitForKey();
  if (gTermValue2(5) < 0) bracket(gTermText2(5));
  if (gTermValue2(6) < 0) bracket(gTermText2(6));
  DrawNextLine(0, 60, 0, "=" + PlainNumber(k) + "*" + t2(5) + SignedNumber(l) + "*" + t2(6));
  WaitForKey();
  DrawNextLine(0, 60, 0, "=" + t2(7) + (gTermValue2(8) == 0 ? Text("+0") : t2(8)));
  WaitForKey();
  DrawOnLine(5, "=" + t2(9));
}

void Corvana::FinishReviewTwo() {
  WaitForKey();
  DrawPieces(*this, {At(gCorvanaHeadingX, 570, 5, "※ 式を簡単にしてから代入する。")});
}

}  // namespace lesson
