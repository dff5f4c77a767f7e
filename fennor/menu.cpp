#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

void Fennor::ShowMainMenu() { FennorShowMainMenu(); }

void Fennor::FennorShowMainMenu() {
  // Chapters in the left column, odd lines in colour 13 and even in 15; the
  // blank item and the end item in the right column.
  static constexpr MenuLine kLines[] = {
      {"1　公式１", 44, 120, 13},
      {"2　公式２、３", 44, 180, 15},
      {"3　公式４", 44, 240, 13},
      {"4　公式練習", 44, 300, 15},
      {"5　置き換え(ax,by)", 44, 360, 13},
      {"6　置き換え(a+b)", 44, 420, 15},
      {"7　四則の混じった計算", 44, 480, 13},
      {"8　P22(基本の問題)", 44, 540, 15},
      {" 9　", 660, 120, 13},
      {"10 終了", 660, 180, 15},
  };
  // Chapter entries by menu number; chapters 6 to 8 are not written yet and
  // lead straight back to the menu.
  static constexpr void (Fennor::*kChapters[])() = {
      &Fennor::StartFormula1Chapter,
      &Fennor::StartFormulas23Chapter,
      &Fennor::StartFormula4Chapter,
      &Fennor::StartFormulaPracticeChapter,
      &Fennor::StartMonomialSubstitutionChapter,
      nullptr, nullptr, nullptr,
      &Fennor::FennorReturnToMenu,
  };
  for (;;) {
    int selector = MainMenuChoice(*this, kLines, 10, 9);
    if (auto chapter = kChapters[selector - 1]) (this->*chapter)();
  }
}

}  // namespace lesson
