#include <array>

#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

namespace {

constexpr MenuLine kMenuLines[] = {
    {"1　意味と共通因数", 44, 120, 13},
    {"2　公式1'", 44, 180, 15},
    {"3　公式２'３'", 44, 240, 13},
    {"4　公式４'、ランダム練習", 44, 300, 15},
    {"5　9x^2,4y^2", 44, 360, 13},
    {"6　共通因数＋公式", 44, 420, 15},
    {"7　置きかえ", 44, 480, 13},
    {"8　P30(基本の問題)", 44, 540, 15},
    {" 9　", 660, 120, 13},
    {"10 終了", 660, 180, 15},
};
constexpr int kEndItem = 10;

// Item k of the menu opens kChapters[k - 1]; item 9 has no chapter and leads
// straight back to the menu.
constexpr std::array<void (Jorrel::*)(), 9> kChapters = {
    &Jorrel::StartCommonFactorChapter,
    &Jorrel::StartFormula1BackwardsChapter,
    &Jorrel::StartFormulas23BackwardsChapter,
    &Jorrel::StartFormula4BackwardsChapter,
    &Jorrel::StartSquaredTermsChapter,
    &Jorrel::StartCommonFactorFormulaChapter,
    &Jorrel::StartFactorSubstitutionChapter,
    &Jorrel::StartBasicProblemsP30Chapter,
    &Jorrel::JorrelReturnToMenu,
};

}  // namespace

// Every chapter returns here when its last sub-menu item is chosen; the loop
// then draws the whole menu again.
void Jorrel::JorrelShowMainMenu() {
  for (;;) {
    int chapter = MainMenuChoice(*this, kMenuLines, kEndItem, static_cast<int>(kChapters.size()));
    (this->*kChapters[chapter - 1])();
  }
}

void Jorrel::JorrelReturnToMenu() {}

}  // namespace lesson
