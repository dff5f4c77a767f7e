// Chapter 4, representing numbers: the chapter's entry, goal screen and
// sub-menu, and its first three items (multiples of 3, even numbers, odd
// numbers written with a letter).
#include "corvana/corvana.h"

namespace lesson {

void Corvana::StartRepresentingNumbersChapter() {
  ShowRepresentingNumbersGoal();
  ShowRepresentingNumbersMenu();
}

void Corvana::ShowRepresentingNumbersGoal() {
  static constexpr auto kGoal = GoalPieces("文字を使って倍数や偶数、奇数を表そう。");
  DrawPieces(*this, kGoal);
}

void Corvana::ShowRepresentingNumbersMenu() {
  static constexpr SubMenu kMenu = {"①倍数　②偶数　③奇数　④連続　⑤まとめ　⑥練習1　⑦練習2　⑧終了", 8, false};
  RunSubMenu<Corvana>(*this, kMenu, gCorvanaSubMenuChoice,
                      {&Corvana::ShowMultipleOfThreeFormQ1, &Corvana::ShowEvenNumberFormQ2,
                       &Corvana::ShowOddNumberFormQ3, &Corvana::ShowConsecutiveAndPairFormsQ4,
                       &Corvana::ShowRepresentationsSummary, &Corvana::RunLetterExpressionsExercise1,
                       &Corvana::RunMultipleOrNotExercise2, nullptr});
}

// The positive numbers of each set are replaced in place by all integers (a
// strip wipe of the line); then a table -9 = 3×(-3) ... 9 = 3×3 whose last
// column comes one row per key, and the conclusion to its right.
void Corvana::ShowMultipleOfThreeFormQ1() {
  static constexpr Piece kSets[] = {
      Wipe(0, 0, 1320, 1300),
      LineStart(44, 30),
      NextLine(0, 0, "問1　nを整数とするとき、3の倍数をnを使って表しなさい。"),
      Wait(),
      NextLine(50, 3, "n=｛            1,2,3,…｝"),
      Wait(),
      // Each strip wipe starts under the lowest ink of the line above (the
      // commas reach 50 units down) and, with the pen's border, still above
      // the top of the braces it clears.
      Wipe(44, 80, 1364, 131),
      NextLine(0, 3, "n=｛…-3,-2,-1,0,1,2,3,…｝"),
      Wait(),
      NextLine(50, 5, "３の倍数=｛            3,6,9,…｝"),
      Wait(),
      Wipe(44, 133, 1364, 181),
      NextLine(0, 5, "３の倍数=｛…-9,-6,-3,0,3,6,9,…｝"),
      Wait(),
  };
  static constexpr const char* kFactors[] = {"(-3)", "(-2)", "(-1)", " 0", " 1", " 2", " 3"};
  static constexpr Piece kConclusion[] = {
      LineStart(528, 200),
      NextLine(50, 0, "３の倍数は、"),
      Wait(),
      Continue(5, "3*整数　"),
      NextLine(50, 0, "の形をしているから、"),
      Wait(),
      NextLine(100, 0, "３の倍数は、"),
      Continue(5, "3n　"),
      NextLine(50, 0, "と表すことができる。"),
  };
  DrawPieces(*this, kSets);

  // Row r of the table stands 50·r under the last line; the pen is not
  // copied into the line position inside the table. The multiples keep the
  // blank that the number text puts before 0 and positive numbers, so their
  // digits stand a place right of the minus signs.
  auto row = [this](int r) { return gLineY + 50 * static_cast<float>(r); };
  gTermText(1) = Literal(" …");
  for (int k = -3; k <= 3; ++k) gTermText(k + 5) = plat::Str(3 * static_cast<float>(k));
  gTermText(9) = Literal(" …");
  for (int r = 1; r <= 9; ++r) DrawTextAt(*this, gLineStartX, row(r), 5, gTermText(r));
  WaitForKey();
  for (int r = 2; r <= 8; ++r) gTermText(r) = "=3*";
  for (int r = 2; r <= 8; ++r) DrawTextAt(*this, gLineStartX + 88, row(r), 0, gTermText(r));
  WaitForKey();
  for (int r = 2; r <= 8; ++r) gTermText(r) = kFactors[r - 2];
  for (int r = 2; r <= 8; ++r) {
    DrawTextAt(*this, gLineStartX + 220, row(r), 3, gTermText(r));
    WaitForKey();
  }
  DrawPieces(*this, kConclusion);
}

void Corvana::ShowEvenNumberFormQ2() {
  static constexpr Piece kScreen[] = {
      Wipe(0, 0, 1320, 1300),
      LineStart(44, 30),
      NextLine(0, 0, "問2　偶数をnを使って表しなさい。"),
      Wait(),
      NextLine(90, 5, "偶数=｛…-6,-4,-2,0,2,4,6,…｝"),
      Wait(),
      NextLine(90, 0, "偶数は、"),
      Wait(),
      Continue(5, "2*整数　"),
      Continue(0, "の形をしているから、"),
      Wait(),
      NextLine(90, 0, "偶数は、"),
      Continue(5, "2n　"),
      Continue(0, "と表すことができる。"),
  };
  DrawPieces(*this, kScreen);
}

// Odd numbers as an even number plus 1, then minus 1: each odd number stands
// under the even number it comes from.
void Corvana::ShowOddNumberFormQ3() {
  static constexpr Piece kScreen[] = {
      Wipe(0, 0, 1760, 1800),
      LineStart(44, 30),
      NextLine(0, 0, "問3　奇数をnを使って表しなさい。"),
      Wait(),
      NextLine(60, 3, "偶数=｛…-6,-4,-2,0,2,4,6,…｝"),
      Wait(),
      NextLine(60, 5, "奇数=｛…-5,-3,-1,1,3,5,7,…｝"),
      Wait(),
      NextLine(60, 0, "奇数は、"),
      Wait(),
      Continue(5, "偶数＋１　"),
      Continue(0, "の形をしているから、"),
      Wait(),
      NextLine(60, 0, "奇数は、"),
      Continue(5, "2n+1　"),
      Continue(0, "と表すことができる。"),
      Wait(),
      NextLine(60, 3, "偶数=｛…-6,-4,-2,0 ,2,4,6,…｝"),
      Wait(),
      NextLine(60, 5, "奇数=｛…-7,-5,-3,-1,1,3,5,…｝"),
      Wait(),
      NextLine(60, 0, "奇数は、"),
      Continue(5, "2n-1　"),
      Continue(0, "と表すこともできる。"),
      Wait(),
      NextLine(60, 0, "他にも、"),
      Continue(5, "2n+3,2n-3,2n+5,…"),
      Continue(0, "と表すこともできる。"),
  };
  DrawPieces(*this, kScreen);
}

}  // namespace lesson
