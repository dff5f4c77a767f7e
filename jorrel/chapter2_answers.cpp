// Chapter 2, items ③, ⑤ and ⑦: the answers to the textbook questions 1 to 3,
// one line after each key.
#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

namespace {

constexpr Piece kAnswerPageStart[] = {Wipe(0, 0, 1320, 1300), LineStart(44, 30)};

}  // namespace

void Jorrel::ShowFormula1BackwardsQ1Answers() {
  static constexpr Piece kPage[] = {
      At(44, 30, 5, "問1の解答"),
      Wait(),
      NextLine(75, 0, "(1) x^2+7x+10=(x+2)(x+5)"),
      Wait(),
      NextLine(75, 0, "(2) x^2-7x+10=(x-2)(x-5)"),
      Wait(),
      NextLine(75, 0, "(3) x^2+8x+12=(x+2)(x+6)"),
      Wait(),
      NextLine(75, 0, "(4) x^2-9x+8=(x-1)(x-8)"),
  };
  DrawPieces(*this, kAnswerPageStart);
  DrawPieces(*this, kPage);
}

void Jorrel::ShowFormula1BackwardsQ2Answers() {
  static constexpr Piece kPage[] = {
      At(44, 30, 5, "問2の解答"),
      Wait(),
      NextLine(75, 0, "(1) x^2-2x-15=(x-5)(x+3)"),
      Wait(),
      NextLine(75, 0, "(2) x^2-2x-8=(x-4)(x+2)"),
      Wait(),
      NextLine(75, 0, "(3) x^2+3x-10=(x-2)(x+5)"),
      Wait(),
      NextLine(75, 0, "(4) a^2-7a-8=(a-8)(a+1)"),
  };
  DrawPieces(*this, kAnswerPageStart);
  DrawPieces(*this, kPage);
}

void Jorrel::ShowFormula1BackwardsQ3Answers() {
  static constexpr Piece kPage[] = {
      At(44, 30, 5, "問3の解答"),
      Wait(),
      NextLine(75, 0, "(1) x^2+10x+9=(x+1)(x+9)"),
      Wait(),
      NextLine(75, 0, "(2) y^2+5y-36=(y-4)(y+9)"),
      Wait(),
      NextLine(75, 0, "(3) x^2-3x-28=(x+4)(x-7)"),
      Wait(),
      NextLine(75, 0, "(4) x^2-16x+28=(x-2)(x-14)"),
      Wait(),
      NextLine(75, 0, "(5) x^2+x-2=(x-1)(x+2)"),
      Wait(),
      NextLine(75, 0, "(6) x^2+101x+100=(x+1)(x+100)"),
  };
  DrawPieces(*this, kAnswerPageStart);
  DrawPieces(*this, kPage);
}

}  // namespace lesson
