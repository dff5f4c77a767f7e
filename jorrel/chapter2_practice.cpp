// Chapter 2, items ②, ④ and ⑥: random trinomials x^2+(a+b)x+ab factorised
// with the table of candidate pairs, the numbers of one sign, of opposite
// signs, or each with a sign of its own.
#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

struct Jorrel::PairPractice {
  enum class Signs : uint8_t { kPositive, kNegative, kOneNegative, kRandom };
  Signs signs;
  float lineY;
  bool wholeScreen;  // wipes the whole screen and writes the heading
  // The problem: head + sum + middle + product. With signed texts a positive
  // number carries its "+" and a sum of 1 or -1 shows its sign alone.
  const char* head;
  const char* middle;
  bool signedTexts;
  const char* open;     // the answer line up to box ①
  const char* between;  // from box ① to box ②
  float boxWidth;
};

namespace {

using Practice = Jorrel::PairPractice;
using Signs = Practice::Signs;

constexpr Practice kPractice1Plus = {Signs::kPositive, 18, true, "(1) x^2+", "x+", false, "=(x+", ")(x+", 88};
constexpr Practice kPractice1Minus = {Signs::kNegative, 240, false, "(2) x^2", "x+", false, "=(x", ")(x", 88};
constexpr Practice kPractice2 = {Signs::kOneNegative, 18, true, "  x^2", "x", true, "=(x", ")(x", 132};
constexpr Practice kPractice3 = {Signs::kRandom, 18, true, "  x^2", "x", true, "=(x", ")(x", 132};

}  // namespace

// a and b from 1 to 7, b raised by one when they are equal, then the signs.
void Jorrel::DrawPairNumbers(const PairPractice& practice) {
  float a = plat::Int(scr.Rnd() * 7 + 1);
  float b = plat::Int(scr.Rnd() * 7 + 1);
  if (a == b) b += 1;
  switch (practice.signs) {
    case Signs::kPositive:
      break;
    case Signs::kNegative:
      a = -a;
      b = -b;
      break;
    case Signs::kOneNegative:
      gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
      if (gRandomPick == 1) {
        a = -a;
      } else {
        b = -b;
      }
      break;
    case Signs::kRandom:
      gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
      if (gRandomPick == 1) a = -a;
      gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
      if (gRandomPick == 1) b = -b;
      break;
  }
  gTermValue(1) = a;
  gTermValue(2) = b;
  gTermValue(3) = a + b;
  gTermValue(4) = a * b;
  gTermValue(5) = a + b;  // plain texts for the table's headers
  gTermValue(6) = a * b;
}

// One problem: the problem with empty boxes, the pair table, the filled boxes.
void Jorrel::ShowPairProblem(const PairPractice& practice) {
  DrawPairNumbers(practice);
  gDivisorNumber = gTermValue(4);
  ListCandidatePairs();
  PrepareTextsAndKeyChoice();
  if (practice.signedTexts) {
    if (gTermValue(3) == 1) {
      gTermText(3) = Text();
    } else if (gTermValue(3) == -1) {
      gTermText(3) = Text(1, '-');
    }
    PrefixPlusSigns();
  }

  gLineStartX = 88;
  gLineY = practice.lineY;
  if (practice.wholeScreen) {
    DrawPieces(*this, {Wipe(0, 0, 1320, 1300), At(88, 18, 0, "問　次の式を因数分解しなさい。")});
  } else {
    // The problem above stays.
    DrawPieces(*this, {Wipe(728, 0, 2048, 1300), Wipe(0, 240, 1320, 1540)});
  }
  DrawTextLine(*this, gLineStartX - 66, gLineY + 80, 0,
               Literal(practice.head) + gTermText(3) + Literal(practice.middle) + gTermText(4));
  DrawTextLine(*this, gLineStartX, gLineY + 80, 0, Literal(practice.open));
  gJorrelSavedX = gPenX + 10;
  DrawPracticeBox(gJorrelSavedX, gLineY, practice.boxWidth, 13, SJ("①"));
  gJorrelSavedY = gPenY;
  DrawTextLine(*this, gLineEndX + 10, gLineY, 0, Literal(practice.between));
  gJorrelSavedX2 = gPenX + 10;
  DrawPracticeBox(gJorrelSavedX2, gLineY, practice.boxWidth, 13, SJ("②"));
  gJorrelSavedY2 = gPenY;
  DrawPieces(*this, {Continue(0, ")", 10), Wait()});

  ShowProblemPairTable();
  WaitForKey();
  DrawPracticeBox(gJorrelSavedX, gJorrelSavedY, practice.boxWidth, 13, gTermText(1));
  DrawPracticeBox(gJorrelSavedX2, gJorrelSavedY2, practice.boxWidth, 13, gTermText(2));
}

// Problems until the step prompt gets 1.
void Jorrel::RunPairPractice(const PairPractice& practice) {
  gInputValue = 3;
  while (gInputValue != 1) {
    ShowPairProblem(practice);
    AskNextStep();
  }
}

void Jorrel::RunFormula1BackwardsPractice1() {
  RunPairPractice(kPractice1Plus);
  RunPairPractice(kPractice1Minus);
  WaitForKey();
  DrawPieces(*this, {At(484, 570, 0, "教科書P26 問１　をしなさい。")});
}

void Jorrel::RunFormula1BackwardsPractice2() {
  RunPairPractice(kPractice2);
  WaitForKey();
  DrawPieces(*this, {At(132, 570, 0, "教科書P27 問２　をしなさい。")});
}

void Jorrel::RunFormula1BackwardsPractice3() {
  RunPairPractice(kPractice3);
  WaitForKey();
  DrawPieces(*this, {At(132, 570, 0, "教科書P27 問3　をしなさい。")});
}

}  // namespace lesson
