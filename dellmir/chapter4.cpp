// Chapter 4, multiplication of polynomials: entry, goal, sub-menu, and the
// written product (a+b)(c+d) whose letters the pairing arcs join.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// The half-width blanks of the line take empty cells on the bottom band.
constexpr SubMenu kProductMenu = {" ①Q　②a+b=N　③例1　④まとめ１　⑤問1　⑥例2　⑦問2　⑧例3　⑨問3  ⑩終", 10, false};

}  // namespace

// The main menu has wiped the page; the goal is drawn on it as it is.
void Dellmir::StartPolynomialProductChapter() {
  ShowPolynomialProductGoal();
  ShowPolynomialProductMenu();
}

void Dellmir::ShowPolynomialProductGoal() {
  DrawPieces(*this, {
                        LineStart(44, 240),
                        NextLine(0, 5, "<めあて>"),
                        NextLine(65, 0, "多項式×多項式の計算を考えよう。", 32),
                    });
}

void Dellmir::ShowPolynomialProductMenu() {
  RunSubMenu(*this, kProductMenu, gDellmirSubMenuChoice,
             {&Dellmir::ShowExpansionQuestion, &Dellmir::ShowSubstituteNExpansion, &Dellmir::RunExpansionExample1,
              &Dellmir::ShowExpansionSummary, &Dellmir::ShowExpansionQ1Answers, &Dellmir::RunExpansionExample2,
              &Dellmir::ShowExpansionQ2Answers, &Dellmir::RunExpansionExample3, &Dellmir::ShowExpansionQ3Answers,
              nullptr});
}

// The answers and examples 2 and 3 are not written yet: their items lead
// straight back to the sub-menu.
void Dellmir::ShowExpansionQ1Answers() {}
void Dellmir::RunExpansionExample2() {}
void Dellmir::ShowExpansionQ2Answers() {}
void Dellmir::RunExpansionExample3() {}
void Dellmir::ShowExpansionQ3Answers() {}

void Dellmir::DrawLetterFactors(float lowerBy) {
  static constexpr const char* kPieces[] = {"a+", "b)(", "c+", "d)"};
  for (int k = 1; k <= 4; ++k) {
    gPointX(k) = gLineEndX;
    gPointY(k) = gLineY + (k >= 3 ? lowerBy : 0);
    DrawPieces(*this, {Continue(0, kPieces[k - 1])});
  }
}

}  // namespace lesson
