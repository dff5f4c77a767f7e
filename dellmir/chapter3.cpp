// Chapter 3, dividing a polynomial by a monomial: entry, goal and sub-menu.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

constexpr SubMenu kDivisionMenu = {"①復習　②例3　③問３　④終了", 4, true};

}  // namespace

// The main menu has wiped the page; the goal is shown once per entry, and the
// items come back to the sub-menu without it.
void Dellmir::StartDivisionByMonomialChapter() {
  ShowDivisionByMonomialGoal();
  ShowDivisionByMonomialMenu();
}

void Dellmir::ShowDivisionByMonomialGoal() {
  DrawPieces(*this, {
                        LineStart(44, 240),
                        NextLine(0, 5, "<めあて>"),
                        NextLine(65, 0, "多項式/単項式の計算を考えよう。", 32),
                    });
}

void Dellmir::ShowDivisionByMonomialMenu() {
  RunSubMenu(*this, kDivisionMenu, gDellmirSubMenuChoice,
             {&Dellmir::RunReciprocalReview, &Dellmir::RunDivisionExample3, &Dellmir::ShowDivisionQ3Answers, nullptr});
}

}  // namespace lesson
