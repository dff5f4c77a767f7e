// Dellmir's main menu, the program's main loop, and the entries of the
// chapters it opens.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// Odd lines in colour 13, even lines in 15; line 5 has no chapter.
constexpr MenuLine kMenuLines[] = {
    {"1　先にゴールするのは", 44, 120, 13},
    {"2　多項式と単項式の乗法", 44, 180, 15},
    {"3　多項式と単項式の除法", 44, 240, 13},
    {"4　多項式の乗法", 44, 300, 15},
    {"5　", 44, 360, 13},
    {"6　終了", 44, 420, 15},
};
constexpr int kEndNumber = 6;
constexpr int kChapterSlots = 5;

}  // namespace

// A chapter runs until its sub-menu's end item and then returns here, so the
// menu is drawn again from the top (page wipe and board included).
void Dellmir::DellmirShowMainMenu() {
  for (;;) {
    switch (MainMenuChoice(*this, kMenuLines, kEndNumber, kChapterSlots)) {
      case 1:
        StartSemicircleCoursesChapter();
        break;
      case 2:
        StartPolynomialByMonomialChapter();
        break;
      case 3:
        StartDivisionByMonomialChapter();
        break;
      case 4:
        StartPolynomialProductChapter();
        break;
      case 5:
        DellmirMenuSlot5();
        break;
    }
  }
}

// The blank line 5 leads straight back to the menu.
void Dellmir::DellmirMenuSlot5() {}

void Dellmir::StartPolynomialByMonomialChapter() {
  ClearWorkArea();
  ShowPolynomialByMonomialGoal();
  ShowPolynomialByMonomialMenu();
}

void Dellmir::ShowPolynomialByMonomialGoal() {
  DrawPieces(*this, {
                        LineStart(44, 240),
                        NextLine(0, 5, "<めあて>"),
                        NextLine(65, 0, "1 多項式×単項式、単項式×多項式の計算を考えよう。", 32),
                        NextLine(65, 0, "2 かっこのある計算をしよう。", 32),
                    });
}

}  // namespace lesson
