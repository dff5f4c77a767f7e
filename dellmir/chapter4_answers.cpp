// Chapter 4, items 5, 7 and 9: the worked answers to the textbook questions
// 1 to 3, and the two step routines that expand one product of question 1
// or 2 term by term.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// --- Question 1 ---
constexpr Piece kQ1Heading[] = {
    Wipe(0, 0, 1320, 1300),
    LineStart(120, 30),
    PenWidth(5),
    NextLine(0, 0, "問1 解答 "),
};

// A problem of question 1: (p L1 + q)(L2 + r).
struct BinomialProblem {
  const char* label;
  const char* firstLetter;
  const char* secondLetter;
  float p, q, r;
};
constexpr BinomialProblem kQ1Problem1 = {"(1)", "x", "y", 1, 6, 2};
constexpr BinomialProblem kQ1Problem2 = {"(2)", "a", "b", 1, -3, 2};
constexpr BinomialProblem kQ1Problem4 = {"(4)", "x", "y", 2, 1, -7};

// --- Question 2 ---
constexpr Piece kQ2Heading[] = {
    Wipe(0, 0, 1320, 1300),
    PenWidth(5),
    At(121, 30, 3, "問2の解答"),
    Wait(),
};

// A problem of question 2: (px + q)(rx + s).
struct LikeTermsProblem {
  const char* label;
  float p, q, r, s;
};
constexpr LikeTermsProblem kQ2FirstColumn[] = {{"(1)", 1, 2, 1, 4}, {"(2)", 1, -2, 1, -3}};
constexpr LikeTermsProblem kQ2SecondColumn[] = {{"(3)", 1, 5, 1, -5}, {"(4)", 4, 1, 3, -2}};

// --- Question 3 ---
constexpr Piece kQ3Answers[] = {
    Wipe(0, 0, 1320, 1300),
    LineStart(94, 30),
    NextLine(0, 7, "問3の解答"),
    Wait(),
    NextLine(50, 3, "(1)", -54),
    NextLine(0, 0, " (a+1)(a-b+2)"),
    NextLine(50, 0, "=a(a-b+2)+(a-b+2)"),
    NextLine(50, 0, "=a^2-ab+2a+a-b+2"),
    NextLine(50, 5, "=a^2-ab+3a-b+2"),
    Wait(),
    NextLine(70, 3, "(2)", -54),
    NextLine(0, 0, " (2x+y-1)(5x-3y)"),
    NextLine(50, 0, "=2x(5x-3y)+y(5x-3y)-(5x-3y)"),
    NextLine(50, 0, "=10x^2-6xy+5xy-3y^2-5x+3y"),
    NextLine(50, 5, "=10x^2-xy-3y^2-5x+3y"),
};

}  // namespace

// --- Item 5 ---

void Dellmir::ShowBinomialExpansionSteps() {
  gTermValue(3) = gTermValue(2);
  gTermValue(4) = gTermValue(2) * gTermValue2(2);
  gTermValue(5) = gTermValue2(1);
  gTermValue2(3) = gTermValue2(1) * gTermValue2(2);
  PrepareBinomialTexts(5);
  DrawTextLine(*this, gLineStartX - 81, gLineY + 100, 3, gFracUnreduced);
  DrawTextLine(*this, gLineEndX, gLineY, 0, "(");
  ShowBinomialProduct();
}

void Dellmir::ShowExpansionQ1Answers() {
  DrawPieces(*this, kQ1Heading);
  auto solve = [this](const BinomialProblem& problem) {
    gFracUnreduced = problem.label;
    gLabelList(1) = problem.firstLetter;
    gLabelList(2) = problem.secondLetter;
    gTermValue(2) = problem.p;
    gTermValue2(1) = problem.q;
    gTermValue2(2) = problem.r;
    ShowBinomialExpansionSteps();
  };
  solve(kQ1Problem1);
  WaitForKey();
  solve(kQ1Problem2);
  WaitForKey();
  // Four letters and no numbers: the same layout from fixed texts. The sign
  // of d ends the piece before it, so point 4 lies 27 into "d".
  DrawPieces(*this, {LineStart(680, 30), NextLine(100, 3, "(3)", -81), Continue(0, "(")});
  DrawPairedFactors({Text("a"), Text("-b)("), Text("c-"), Text("d)")});
  ShowPairedTerms({Text("=ac"), Text("-ad"), Text("-bc"), Text("+bd")}, 5);
  WaitForKey();
  solve(kQ1Problem4);
}

// --- Item 7 ---

void Dellmir::ShowLikeTermsExpansionSteps() {
  ComputeLikeTerms();
  DrawTextLine(*this, gLineStartX - 81, gLineY + 80, 3, gFracUnreduced);
  DrawTextLine(*this, gLineEndX, gLineY, 0, "(");
  ShowLikeTermsProduct(50);
}

void Dellmir::ShowExpansionQ2Answers() {
  DrawPieces(*this, kQ2Heading);
  auto solve = [this](const LikeTermsProblem& problem) {
    gFracUnreduced = problem.label;
    gTermValue(1) = problem.p;
    gTermValue2(1) = problem.q;
    gTermValue(2) = problem.r;
    gTermValue2(2) = problem.s;
    ShowLikeTermsExpansionSteps();
    WaitForKey();
  };
  gDellmirHeadingX = 40;
  gLineStartX = gDellmirHeadingX + 81;
  gLineY = 30;
  for (const LikeTermsProblem& problem : kQ2FirstColumn) solve(problem);
  // The second column starts 80 higher, so that (3) stands at the heading's
  // height.
  gDellmirHeadingX = 560;
  gLineStartX = gDellmirHeadingX + 81;
  gLineY = -50;
  for (const LikeTermsProblem& problem : kQ2SecondColumn) solve(problem);
  // Two letters: the same layout from fixed texts. "b)(" and "3b)" begin
  // without a sign, so their arcs meet them where they begin.
  DrawPieces(*this, {NextLine(80, 3, "(5)", -81), Continue(0, "(")});
  DrawPairedFactors({Text("2a+"), Text("b)("), Text("a+"), Text("3b)")}, 0);
  ShowPairedTerms({Text("=2a^2"), Text("+6ab"), Text("+ab"), Text("+3b^2")}, 0);
  DrawPieces(*this, {Wait(), NextLine(50, 5, "=2a^2+7ab+3b^2")});
}

// --- Item 9 ---

// Sets no pen width: nothing but text is drawn.
void Dellmir::ShowExpansionQ3Answers() {
  gDellmirHeadingX = 40;
  DrawPieces(*this, kQ3Answers);
}

}  // namespace lesson
