// Chapter 6, properties of even numbers: the twin of chapter 5, its table
// with a fourth row of squares, and the proof.
#include "corvana/corvana.h"

namespace lesson {

void Corvana::StartEvenNumbersChapter() {
  ShowEvenNumbersGoal();
  ShowEvenNumbersMenu();
}

void Corvana::ShowEvenNumbersGoal() {
  static constexpr auto kGoal = GoalPieces("偶数の性質を調べよう。");
  DrawPieces(*this, kGoal);
}

void Corvana::ShowEvenNumbersMenu() {
  static constexpr SubMenu kMenu = {"①予想　②証明　③終了", 3, false};
  RunSubMenu<Corvana>(*this, kMenu, gCorvanaSubMenuChoice,
                      {&Corvana::ShowEvenProductConjecture, &Corvana::ShowEvenProductProof, nullptr});
}

void Corvana::ShowEvenProductConjecture() {
  static constexpr Piece kQuestion[] = {
      Wipe(0, 0, 1760, 1800),
      LineStart(44, 30),
      NextLine(0, 3, "Q　"),
      Continue(0, "偶数を順に並べ、となりあう２数の積に１をたすとき、"),
      NextLine(50, 0, "その数はどんな数になりそうですか。（予想）", 27),
  };
  static constexpr CellStyle kNumbers = {120, 60, 13, 11, 10};
  static constexpr CellStyle kProducts = {120, 60, 13, 5, 4};
  static constexpr CellStyle kPlusOne = {120, 60, 13, 9, 8};
  static constexpr CellStyle kSquares = {120, 60, 13, 11, 2};
  DrawPieces(*this, kQuestion);
  DrawNeighbourProductTable(2, "偶数", kNumbers, kProducts, kPlusOne, true);
  WaitForKey();
  DrawPieces(*this, {At(gLineStartX, gPointY(4), 5, "予想")});
  DrawSquaresRow(3, kSquares);
  WaitForKey();
  DrawPieces(*this, {NextLine(120, 3, "間の奇数の2乗になりそうだ", 220)});
}

void Corvana::ShowEvenProductProof() {
  static constexpr Piece kProof[] = {
      Wipe(0, 0, 1760, 1800),
      LineStart(44, 30),
      NextLine(0, 3, "Q "),
      Continue(0, "連続する２つの偶数の積に１をたした数は、"),
      NextLine(50, 0, "間の奇数の２乗になることを証明しなさい。", 27),
      Wait(),
      NextLine(60, 5, "＜証明＞"),
      Wait(),
      NextLine(60, 0, "ｎを整数とすると、連続する２つの偶数は、"),
      Wait(),
      NextLine(60, 5, "2n ,"),
      Wait(),
      Continue(5, "2n+2"),
      Wait(),
      Continue(0, "と表される。"),
      Wait(),
      NextLine(60, 0, "それらの数の積に１をたした数は、"),
      Wait(),
      NextLine(60, 0, "　2n(2n+2)+1"),
      Wait(),
      NextLine(60, 0, "=4n^2+4n+1"),
      Wait(),
      NextLine(60, 5, "=(2n+1)^2"),
      Wait(),
      NextLine(60, 0, "だから、"),
      Continue(5, "間の奇数の２乗になる。"),
  };
  DrawPieces(*this, kProof);
}

}  // namespace lesson
