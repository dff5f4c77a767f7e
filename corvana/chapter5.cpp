// Chapter 5, properties of odd numbers: the chapter's entry, goal screen and
// sub-menu, and the table of products of neighbouring numbers that its items
// (and chapter 6's) reveal cell by cell.
#include "corvana/corvana.h"

namespace lesson {

void Corvana::StartOddNumbersChapter() {
  ShowOddNumbersGoal();
  ShowOddNumbersMenu();
}

void Corvana::ShowOddNumbersGoal() {
  static constexpr auto kGoal = GoalPieces("奇数の性質を調べよう。");
  DrawPieces(*this, kGoal);
}

void Corvana::ShowOddNumbersMenu() {
  static constexpr SubMenu kMenu = {"①P33Q予想　②証明　③証明２　④2乗　⑤終了", 5, false};
  RunSubMenu<Corvana>(*this, kMenu, gCorvanaSubMenuChoice,
                      {&Corvana::ShowOddProductConjecture, &Corvana::ShowOddProductProof,
                       &Corvana::ShowOddProductSecondProof, &Corvana::ShowOddProductSquares, nullptr});
}

// A number as a cell shows it: its digits alone.
Text Corvana::CellNumber(float v) {
  gWorkText = plat::Str(v);
  StripBlanks();
  return gWorkText;
}

// One cell 120 x 60 of a table; the line position stays where the texts left
// it. Around: the box is raised around a text that keeps to the line.
void Corvana::DrawTableCell(float x, float y, const Text& text, const CellStyle& style, bool around) {
  gPenX = x;
  gPenY = y;
  gWorkText = text;
  gCellWidth = style.width;
  gCellHeight = style.height;
  gTextColour = static_cast<float>(style.colour);
  gFigureColour = static_cast<float>(style.border);
  gAccentColour = static_cast<float>(style.fill);
  if (around) {
    DrawBoxedCellAround();
  } else {
    DrawBoxedCell();
  }
}

// Nine numbers first, first + 2, ... in a row at once; under them the eight
// products of neighbours and the products plus 1, one cell per key, each
// lower row starting 66 right of the upper so that a product stands under the
// boundary of its two numbers. The rows stand 70 apart from 70 under the
// line; their columns are counted in gLoopIndex.
void Corvana::DrawNeighbourProductTable(float first, const char* label, const CellStyle& numbers,
                                        const CellStyle& products, const CellStyle& plusOne, bool keyBeforeTable) {
  gPointX(1) = gLineStartX + 90;
  gPointX(2) = gPointX(1) + 66;
  gPointX(3) = gPointX(2);
  gPointY(1) = gLineY + 70;
  for (int r = 2; r <= 5; ++r) gPointY(r) = gPointY(r - 1) + 70;
  auto number = [&](float k) { return first + 2 * (k - 1); };
  auto column = [this](int row) { return gPointX(row) + 120 * (gLoopIndex - 1); };
  if (keyBeforeTable) WaitForKey();
  DrawPieces(*this, {At(gLineStartX, gPointY(1), 5, label)});
  for (gLoopIndex = 1; gLoopIndex <= 9; ++gLoopIndex)
    DrawTableCell(column(1), gPointY(1), CellNumber(number(gLoopIndex)), numbers, false);
  DrawPieces(*this, {At(gLineStartX + 22, gPointY(2), 5, "積")});
  for (gLoopIndex = 1; gLoopIndex <= 8; ++gLoopIndex) {
    WaitForKey();
    float n = number(gLoopIndex);
    DrawTableCell(column(2), gPointY(2), CellNumber(n * (n + 2)), products, false);
  }
  DrawPieces(*this, {At(gLineStartX, gPointY(3), 5, "+1")});
  for (gLoopIndex = 1; gLoopIndex <= 8; ++gLoopIndex) {
    WaitForKey();
    float n = number(gLoopIndex);
    DrawTableCell(column(3), gPointY(3), CellNumber(n * (n + 2) + 1), plusOne, false);
  }
}

// Under the plus-one row, one per key, the squares first^2, (first + 2)^2, ...
// that equal its cells.
void Corvana::DrawSquaresRow(float first, const CellStyle& style) {
  for (gLoopIndex = 1; gLoopIndex <= 8; ++gLoopIndex) {
    WaitForKey();
    DrawTableCell(gPointX(3) + 120 * (gLoopIndex - 1), gPointY(4), CellNumber(first + 2 * (gLoopIndex - 1)) + "^2",
                  style, true);
  }
}

namespace {

constexpr CellStyle kOddNumbers = {120, 60, 0, 3, 13};
constexpr CellStyle kOddProducts = {120, 60, 0, 1, 11};
constexpr CellStyle kOddPlusOne = {120, 60, 3, 1, 13};

}  // namespace

void Corvana::ShowOddProductConjecture() {
  static constexpr Piece kQuestion[] = {
      Wipe(0, 0, 1760, 1800),
      LineStart(44, 30),
      NextLine(0, 3, "P31Q　"),
      Continue(0, "奇数を順に並べ、となりあう2数の積に1をたすとき、"),
      NextLine(50, 0, "その数はどんな数になりそうですか。（予想）", 132),
  };
  DrawPieces(*this, kQuestion);
  DrawNeighbourProductTable(1, "奇数", kOddNumbers, kOddProducts, kOddPlusOne, true);
  WaitForKey();
  DrawPieces(*this, {NextLine(80, 3, "4の倍数になりそうだ", 220)});
}

void Corvana::ShowOddProductSquares() {
  static constexpr Piece kQuestion[] = {
      Wipe(0, 0, 1760, 1800),
      LineStart(44, 30),
      NextLine(0, 0, "連続する2つの奇数の積に1をたした数は、"),
      Continue(3, "ある数を2乗した数"),
      Continue(0, "になる。"),
      NextLine(50, 3, "ある数"),
      Continue(0, "とはどんな数ですか。"),
  };
  static constexpr Piece kClosing[] = {
      Wait(),
      NextLine(50, 0, "(2n-1)(2n+1)+1"),
      Continue(3, "=4n^2"),
      Wait(),
      Continue(5, "=(2n)^2"),
  };
  static constexpr CellStyle kSquares = {120, 60, 5, 2, 11};
  DrawPieces(*this, kQuestion);
  DrawNeighbourProductTable(1, "奇数", kOddNumbers, kOddProducts, kOddPlusOne, true);
  WaitForKey();
  DrawPieces(*this, {At(gLineStartX + 220, gPointY(5), 5, "間の偶数")});
  DrawSquaresRow(2, kSquares);
  // The cells have not moved the line: the question follows the label.
  DrawPieces(*this, {Continue(0, "なぜ?", 60)});
  DrawPieces(*this, kClosing);
}

void Corvana::ShowOddProductProof() {
  static constexpr Piece kProof[] = {
      Wipe(0, 0, 1760, 1800),
      LineStart(44, 30),
      NextLine(0, 3, "P33Q　"),
      Continue(0, "連続する2つの奇数の積に1をたした数は、"),
      NextLine(50, 0, "4の倍数になることを証明しなさい。", 132),
      Wait(),
      NextLine(60, 5, "＜証明＞"),
      Wait(),
      NextLine(60, 0, "nを整数とすると、連続する２つの奇数は、"),
      Wait(),
      NextLine(60, 5, "2n-1 ,"),
      Wait(),
      Continue(5, "2n+1"),
      Wait(),
      Continue(0, "と表される。"),
      Wait(),
      NextLine(60, 0, "それらの数の積に１をたした数は、"),
      Wait(),
      NextLine(60, 0, "　(2n-1)(2n+1)+1"),
      Wait(),
      NextLine(60, 0, "=4n^2-1+1"),
      Wait(),
      Continue(3, "=4n^2"),
      Wait(),
      NextLine(60, 0, "n^2は整数だから、"),
      Continue(5, "4n^2は4の倍数になる。"),
      Wait(),
      Continue(0, "したがって、"),
      NextLine(50, 0, "連続する2つの奇数の積に1をたした数は、4の倍数になる。"),
  };
  DrawPieces(*this, kProof);
}

void Corvana::ShowOddProductSecondProof() {
  static constexpr Piece kProof[] = {
      Wipe(0, 0, 1760, 1800),
      LineStart(44, 30),
      NextLine(0, 0, "連続する2つの奇数の積に1をたした数は、4の倍数になることを"),
      NextLine(50, 3, "連続する2つの奇数を2m+1,2m+3"),
      Continue(0, "として証明しなさい。"),
      Wait(),
      NextLine(50, 5, "＜証明＞"),
      Wait(),
      NextLine(50, 0, "mを整数とすると、連続する2つの奇数は、"),
      Wait(),
      Continue(3, "2m+1,2m+3"),
      Wait(),
      Continue(0, "だから、"),
      Wait(),
      NextLine(55, 0, "それらの数の積に１をたした数は、"),
      Wait(),
      NextLine(55, 0, "　(2m+1)(2m+3)+1"),
      Wait(),
      NextLine(55, 0, "=4m^2+8m+3+1"),
      Wait(),
      NextLine(55, 0, "=4m^2+8m+4"),
      Wait(),
      NextLine(55, 3, "=4(m^2+2m+1)"),
      Wait(),
      Continue(3, "=4(m+1)^2"),
      Wait(),
      NextLine(60, 0, "(m+1)^2は整数だから、"),
      Continue(5, "4(m+1)^2は4の倍数になる。"),
      Wait(),
      Continue(0, "したがって、"),
      NextLine(50, 0, "連続する2つの奇数の積に1をたした数は、4の倍数になる。"),
  };
  DrawPieces(*this, kProof);
}

}  // namespace lesson
