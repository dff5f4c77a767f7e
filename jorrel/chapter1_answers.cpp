// Chapter 1, items ⑥ and ⑦: the answers to the textbook questions 1 and 2.
#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

namespace {

// Both pages start on a wiped screen with the line at (132, 30).
constexpr Piece kAnswerPageStart[] = {Wipe(0, 0, 1320, 1300), LineStart(132, 30)};

}  // namespace

void Jorrel::ShowCommonFactorQ1Answers() {
  static constexpr Piece kPage[] = {
      At(132, 30, 3, "問1 解答"),
      Wait(),
      NextLine(60, 0, "(1) ax-bx", -88),
      NextLine(60, 5, "=x(a-b)"),
      NextLine(60, 0, "ax=a*", 44),
      Continue(3, "x"),
      NextLine(60, 0, "bx=b*", 44),
      Continue(3, "x"),
      Wait(),
      NextLine(80, 0, "(2) 2b^2+ab", -88),
      NextLine(60, 5, "=b(2b+a)"),
      NextLine(60, 0, "2b^2=", 44),
      Continue(0, "2*"),
      Continue(3, "b"),
      Continue(0, "*b"),
      NextLine(60, 0, "ab=", 44),
      Continue(0, "a*"),
      Continue(3, "b"),
      Wait(),
      LineStart(640, 30),  // the third answer starts a second column
      NextLine(80, 0, "(3) ax^2+ax+2a", -88),
      NextLine(60, 5, "=a(x^2+x+2)"),
      NextLine(60, 0, "ax^2=", 44),
      Continue(3, "a"),
      Continue(0, "*x*x"),
      NextLine(60, 0, "ax=", 44),
      Continue(3, "a"),
      Continue(0, "*x"),
      NextLine(60, 0, "2a=", 44),
      Continue(0, "2*"),
      Continue(3, "a"),
      Wait(),
      At(44, 590, 7, "教科書P25 問2　をしなさい。"),
  };
  DrawPieces(*this, kAnswerPageStart);
  DrawPieces(*this, kPage);
}

void Jorrel::ShowCommonFactorQ2Answers() {
  static constexpr Piece kPage[] = {
      At(132, 30, 3, "問2 解答"),
      Wait(),
      NextLine(80, 0, "(1) 6mx-2nx=2x(3m-n)", -88),
      Wait(),
      NextLine(80, 0, "(2) 10x^2y+5x=5x(2xy+1)", -88),
      Wait(),
      NextLine(80, 0, "(3) xy^2-x^2y=xy(y-x)", -88),
      Wait(),
      NextLine(80, 0, "(4) 4a^2b-6ab^2-10ab=2ab(2a-3b-5)", -88),
  };
  DrawPieces(*this, kAnswerPageStart);
  DrawPieces(*this, kPage);
}

}  // namespace lesson
