// Chapter 3, values of expressions: the chapter's entry, goal screen and
// sub-menu, the step-loop sections that its review and task share, and the
// worked answer to the textbook's question 2.
#include "corvana/corvana.h"

namespace lesson {

void Corvana::StartExpressionValueChapter() {
  ShowExpressionValueGoal();
  ShowExpressionValueMenu();
}

void Corvana::ShowExpressionValueGoal() {
  static constexpr auto kGoal = GoalPieces("式の値を求めよう。");
  DrawPieces(*this, kGoal);
}

// The items come back here with their last screen left standing; the end
// item returns to the main menu.
void Corvana::ShowExpressionValueMenu() {
  static constexpr SubMenu kMenu = {"①復習　②課題　③問2　④終了", 4, false};
  RunSubMenu<Corvana>(*this, kMenu, gCorvanaSubMenuChoice,
                      {&Corvana::RunExpressionValueReview, &Corvana::ShowExpressionValueTask1,
                       &Corvana::ShowExpressionValueQ2Answers, nullptr});
}

void Corvana::DrawNextLine(float dx, float dy, int colour, const Text& text) {
  DrawTextLine(*this, gLineStartX + dx, gLineY + dy, colour, text);
}

void Corvana::DrawOnLine(int colour, const Text& text) { DrawTextLine(*this, gLineEndX, gLineY, colour, text); }

// A section owns the block from its heading's x and y 30, 1320 wide and 1300
// high, its corner kept in element `slot` of gNumListA/B. Each problem is
// posed, wipes the block, starts its lines again at the top under the heading
// and ends at the step prompt; only a typed value of exactly 1 ends the
// section, leaving its last problem standing.
void Corvana::RunValueSection(const char* heading, float headingX, int slot, float lineStartX,
                              void (Corvana::*pose)(), void (Corvana::*show)()) {
  gCorvanaHeadingX = headingX;
  gNumListA(slot) = gCorvanaHeadingX;
  gNumListB(slot) = 30;
  gInputValue = 3;
  while (gInputValue != 1) {
    (this->*pose)();
    scr.Line(gNumListA(slot), gNumListB(slot), gNumListA(slot) + 1320, gNumListB(slot) + 1300, 15,
             plat::kFilledBox, 15);
    gLineStartX = lineStartX;
    gLineY = gNumListB(slot);
    DrawPieces(*this, {At(gCorvanaHeadingX, gLineY, 3, heading)});
    (this->*show)();
    AskNextStep();
  }
}

// Question 2: x^2-2xy+y^2 for x = 78 and y = 38, factorised first.
void Corvana::ShowExpressionValueQ2Answers() {
  static constexpr Piece kAnswer[] = {
      Wipe(0, 0, 1320, 1300),
      LineStart(44, 30),
      NextLine(0, 3, "問2の 解答"),
      NextLine(60, 5, "x^2-2xy+y^2", 88),
      Wait(),
      NextLine(70, 3, "式を因数分解すると", 132),
      Wait(),
      NextLine(70, 0, "=(x-y)^2", 44),
      Wait(),
      NextLine(70, 3, "x=78,y=38　を代入して", 44),
      Wait(),
      NextLine(70, 0, "=(78-38)^2", 44),
      Wait(),
      NextLine(70, 0, "=40^2", 44),
      Wait(),
      NextLine(70, 5, "=1600", 44),
  };
  DrawPieces(*this, kAnswer);
}

}  // namespace lesson
