// Chapter 2, number calculation: the chapter's entry, goal screen and
// sub-menu, the introduction, and the random number pairs that the
// introduction and the exercises share.
#include "corvana/corvana.h"

namespace lesson {

void Corvana::StartNumberCalculationChapter() {
  ShowNumberCalculationGoal();
  ShowNumberCalculationMenu();
}

void Corvana::ShowNumberCalculationGoal() {
  static constexpr auto kGoal = GoalPieces("因数分解・展開を利用して数の計算をしよう。");
  DrawPieces(*this, kGoal);
}

// The items come back here with their last screen left standing; the end
// item returns to the main menu.
void Corvana::ShowNumberCalculationMenu() {
  static constexpr SubMenu kMenu = {"①導入　②例1　③練習　④問１　⑤終了", 5, true};
  RunSubMenu<Corvana>(*this, kMenu, gCorvanaSubMenuChoice,
                      {&Corvana::ShowNumberCalculationIntro, &Corvana::ShowNumberCalculationExample1,
                       &Corvana::RunNumberCalculationExercises, &Corvana::ShowNumberCalculationQ1Answers, nullptr});
}

// a from 51 to 78 with b = 100 - a, never a multiple of ten (b would be one
// too) and never the first operand of the problem before; then a + b, a - b
// and their product.
void Corvana::DrawSumToHundredPair() {
  do {
    gTermValue(1) = plat::Int(scr.Rnd() * 28 + 51);
  } while (FloorModFn(gTermValue(1), 10) == 0 || gTermValue(1) == gCorvanaPreviousValue);
  gCorvanaPreviousValue = gTermValue(1);
  gTermValue(2) = 100 - gTermValue(1);
  gTermValue(3) = gTermValue(1) + gTermValue(2);
  gTermValue(4) = gTermValue(1) - gTermValue(2);
  gTermValue(5) = gTermValue(3) * gTermValue(4);
  PrepareTextsAndKeyChoice();
}

// A ones digit u into gTermValue(1) and a multiple of ten t into
// gTermValue(2), drawn again together, u first, while u repeats the first
// operand of the problem before.
void Corvana::DrawOnesAndTens(float onesSpan, float onesLow, float tensSpan, float tensLow) {
  do {
    gTermValue(1) = plat::Int(scr.Rnd() * onesSpan + onesLow);
    gTermValue(2) = plat::Int(scr.Rnd() * tensSpan + tensLow);
    gTermValue(2) = 10 * gTermValue(2);
  } while (gTermValue(1) == gCorvanaPreviousValue);
  gCorvanaPreviousValue = gTermValue(1);
}

// Two numbers u (2 to 9) either side of t (30 to 90): t + u, t - u, t^2, u^2
// and their difference, the product of the two.
void Corvana::DrawAroundTensPair() {
  DrawOnesAndTens(8, 2, 7, 3);
  gTermValue(3) = gTermValue(1) + gTermValue(2);
  gTermValue(4) = gTermValue(2) - gTermValue(1);
  gTermValue(5) = gTermValue(2) * gTermValue(2);
  gTermValue(6) = gTermValue(1) * gTermValue(1);
  gTermValue(7) = gTermValue(5) - gTermValue(6);
  PrepareTextsAndKeyChoice();
}

// Two problems, one under the other; each is posed again in its place until
// the pupil types 1 at the step prompt, and only its result follows the key.
void Corvana::ShowNumberCalculationIntro() {
  gCorvanaHeadingX = 40;
  gLineY = 30;
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300), At(gCorvanaHeadingX, gLineY, 3, "次の計算をしなさい。")});
  // The problem's area runs 640 right and 300 down from its corner; the line
  // stands 20 under the corner.
  auto problem = [this](float top, const char* label, void (Corvana::*draw)(), auto text, auto result) {
    gInputValue = 3;
    gNumListA(31) = gCorvanaHeadingX;
    gNumListB(31) = top;
    gNumListA(32) = gNumListA(31) + 640;
    gNumListB(32) = gNumListB(31) + 300;
    while (gInputValue != 1) {
      (this->*draw)();
      gLineY = gNumListB(31) + 20;
      scr.Line(gNumListA(31), gNumListB(31), gNumListA(32), gNumListB(32), 15, plat::kFilledBox, 15);
      DrawPieces(*this, {At(gCorvanaHeadingX, gLineY, 3, label)});
      DrawTextLine(*this, gLineEndX, gLineY, 0, text());
      WaitForKey();
      DrawTextLine(*this, gLineEndX, gLineY, 5, result());
      AskNextStep();
    }
  };
  problem(gLineY + 50, "(1)", &Corvana::DrawSumToHundredPair,
          [this] { return gTermText(1) + "^2-" + gTermText(2) + "^2"; }, [this] { return "=" + gTermText(5); });
  problem(gLineY + 80, "(2)", &Corvana::DrawAroundTensPair,
          [this] { return gTermText(3) + "*" + gTermText(4); }, [this] { return "=" + gTermText(7); });
}

}  // namespace lesson
