#include "corvana/corvana.h"

namespace lesson {

// The main menu: the board with the nine chapters and the end line; a chapter
// entry returns when its sub-menu's end item is chosen, and the menu is drawn
// again.
void Corvana::CorvanaShowMainMenu() {
  static constexpr MenuLine kLines[] = {
      {"1　速算のしくみ", 44, 120, 13},  {"2　数の計算", 44, 180, 15}, {"3　式の値", 44, 240, 13},
      {"4　数の表し方", 44, 300, 15},  {"5　奇数の性質", 44, 360, 13}, {"6　偶数の性質", 44, 420, 15},
      {"7　図形の性質の証明", 44, 480, 13},  {"8　P38(章の問題A)", 44, 540, 15}, {" 9　P39(章の問題B)", 660, 120, 13},
      {"10 終了", 660, 180, 15},
  };
  // Chapter entries by menu number.
  static constexpr void (Corvana::*kChapters[])() = {
      &Corvana::StartQuickCalculationChapter,     // 1
      &Corvana::StartNumberCalculationChapter,    // 2
      &Corvana::StartExpressionValueChapter,      // 3
      &Corvana::StartRepresentingNumbersChapter,  // 4
      &Corvana::StartOddNumbersChapter,           // 5
      &Corvana::StartEvenNumbersChapter,          // 6
      &Corvana::StartFigureProofsChapter,         // 7
      &Corvana::StartProblemsAChapter,            // 8
      &Corvana::StartProblemsBChapter,            // 9
  };
  constexpr int kEndNumber = 10;
  constexpr int kChapterCount = static_cast<int>(std::size(kChapters));
  for (;;) {
    int selector = MainMenuChoice(*this, kLines, kEndNumber, kChapterCount);
    if (auto entry = kChapters[selector - 1]) (this->*entry)();
  }
}

}  // namespace lesson
