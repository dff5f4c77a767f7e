// Chapter 4, practice of the four product formulas: a random formula case
// each time, never the case of the problem before, and the answer page of
// question 5.
#include <cmath>

#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

void Fennor::StartFormulaPracticeChapter() {
  ShowFormulaPracticeGoal();
  ShowFormulaPracticeMenu();
}

void Fennor::ShowFormulaPracticeGoal() {
  DrawPieces(*this, {
                        LineStart(44, 240),
                        At(44, 240, 5, "<めあて>"),
                        NextLine(65, 0, "公式を使う練習をしよう。", 32),
                    });
}

void Fennor::ShowFormulaPracticeMenu() {
  static constexpr SubMenu kMenu = {"①課題　②問5　③終了", 3, false};
  RunSubMenu<Fennor>(*this, kMenu, gFennorSubMenuChoice,
                     {&Fennor::RunFormulaPracticeTask, &Fennor::ShowFormulaPracticeQ5Answers, nullptr});
}

// a and b from 1..8, a negated on a coin's 1 and b on its 2; their sum and
// product in gTermValue 3 and 4.
void Fennor::DrawSignedPair() {
  gTermValue(1) = plat::Int(scr.Rnd() * 8 + 1);
  gTermValue(2) = plat::Int(scr.Rnd() * 8 + 1);
  gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
  if (gRandomPick == 1) gTermValue(1) = -gTermValue(1);
  gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
  if (gRandomPick == 2) gTermValue(2) = -gTermValue(2);
  gTermValue(3) = gTermValue(1) + gTermValue(2);
  gTermValue(4) = gTermValue(1) * gTermValue(2);
}

void Fennor::RunFormulaPracticeTask() {
  gInputValue = 3;
  while (gInputValue != 1) {
    // Two numbers from -8..-1, 1..8 and a case other than the one before; a
    // case 1 with equal numbers or numbers that cancel is drawn again whole.
    // The case shown is kept only once the draw stands: a rejected one must
    // not let the redraw bring back the case of the problem before.
    do {
      DrawSignedPair();
      do {
        gFennorFormulaCase = plat::Int(scr.Rnd() * 4 + 1);
      } while (gFennorFormulaCase == gFennorPreviousFirstCoefficient);
    } while (gFennorFormulaCase == 1 && (gTermValue(1) == gTermValue(2) || gTermValue(3) == 0));
    gFennorPreviousFirstCoefficient = gFennorFormulaCase;
    const float p = std::fabs(gTermValue(1));
    switch (plat::CInt(gFennorFormulaCase)) {
      case 1:
        gTermValue(5) = gTermValue(1);
        break;
      case 2:
        gTermValue(1) = p;
        gTermValue(3) = 2 * p;
        gTermValue(4) = p * p;
        gTermValue(5) = p;
        break;
      case 3:
        gTermValue(1) = -p;
        gTermValue(3) = -2 * p;
        gTermValue(4) = p * p;
        gTermValue(5) = p;
        break;
      default:
        gTermValue(1) = p;
        gTermValue(2) = -p;
        gTermValue(3) = 0;
        gTermValue(4) = -p * p;
        gTermValue(5) = p;
        break;
    }
    gTermValue(11) = gTermValue(1);
    gTermValue(12) = gTermValue(2);
    PrepareFormulaTermTexts();
    PickFormulaLetter();
    ShowFormulaExercise("問　次の式を展開しなさい。", 1320);
  }
  DrawPieces(*this, {Wait(), At(44, 570, 0, "教科書P19 問5　をしなさい。")});
}

// Eight results in two columns, at once.
void Fennor::ShowFormulaPracticeQ5Answers() {
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1320, 1300),
                        LineStart(44, 30),
                        At(44, 30, 5, "問5の解答"),
                        NextLine(75, 0, "(1) x^2-8x+16"),
                        NextLine(75, 0, "(2) x^2-2x-24"),
                        NextLine(75, 0, "(3) x^2-49"),
                        NextLine(75, 0, "(4) a^2+2ab+b^2"),
                        LineStart(660, 30),
                        NextLine(75, 0, "(5) x^2+8x+12"),
                        NextLine(75, 0, "(6) 64+16a+a^2"),
                        NextLine(75, 0, "(7) a^2+3a-10"),
                        NextLine(75, 0, "(8) 81-x^2"),
                    });
}

}  // namespace lesson
