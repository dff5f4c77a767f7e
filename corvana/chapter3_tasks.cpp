// Chapter 3, the task: the value of (x+ay)(x-ay)-(x-a^2y)(x+y), simplified to
// (a^2-1)xy before x and y are put in; then x^2-y^2 for two numbers either
// side of a multiple of 100, factorised first.
#include "corvana/corvana.h"

namespace lesson {

void Corvana::ShowExpressionValueTask1() {
  RunValueSection("課題1", 40, 31, 40, &Corvana::MakeTaskOneProblem, &Corvana::ShowTaskOneScreens);
  ShowExpressionValueTask2();
}

// x from -3 to -1, y from 1 to 5 and a from 2 to 4, all three drawn again
// while a repeats the first operand of the problem before.
void Corvana::MakeTaskOneProblem() {
  do {
    gTermValue(11) = -plat::Int(scr.Rnd() * 3 + 1);
    gTermValue(12) = plat::Int(scr.Rnd() * 5 + 1);
    gTermValue(2) = plat::Int(scr.Rnd() * 3 + 2);
  } while (gTermValue(2) == gCorvanaPreviousValue);
  gCorvanaPreviousValue = gTermValue(2);
  gTermValue(3) = gTermValue(2) * gTermValue(2);
  gTermValue(4) = gTermValue(3) - 1;
  gTermValue(5) = gTermValue(4) * gTermValue(11) * gTermValue(12);
  PrepareTextsAndKeyChoice();
}

void Corvana::ShowTaskOneScreens() {
  const Text& x = gTermText(11);
  const Text& y = gTermText(12);
  const Text& a = gTermText(2);
  const Text& q = gTermText(3);
  const Text& r = gTermText(4);
  DrawOnLine(0, Literal(" x=") + x + ",y=" + y + Literal("のとき、"));
  DrawNextLine(40, 50, 0, Literal("次の式の値を求めなさい。"));
  DrawNextLine(0, 60, 3, " (x+" + a + "y)(x-" + a + "y)");
  DrawNextLine(189, 50, 3, "-(x-" + q + "y)(x+y)");
  WaitForKey();
  DrawNextLine(0, 60, 0, "=x^2-" + q + "y^2");
  DrawNextLine(135, 50, 0, "-(x^2+xy-" + q + "xy-" + q + "y^2)");
  WaitForKey();
  DrawNextLine(0, 60, 0, "=x^2-" + q + "y^2-(x^2-" + r + "xy-" + q + "y^2)");
  WaitForKey();
  DrawNextLine(0, 60, 0, "=x^2-" + q + "y^2-x^2+" + r + "xy+" + q + "y^2");
  WaitForKey();
  DrawNextLine(0, 60, 0, "=" + r + "xy");
  WaitForKey();
  DrawNextLine(40, 50, 3, "x=" + x + ",y=" + y + Literal(" を代入して"));
  WaitForKey();
  // 56, not 60: the brackets' feet end above the step box drawn under this line.
  DrawNextLine(0, 56, 0, "=" + r + "*(" + x + ")*" + y);
  WaitForKey();
  DrawOnLine(5, "=" + gTermText(5));
}

// Task 2 in the block from x 680; task 1's last problem stays on the left.
// After the last problem the lesson of the item, a key, and the textbook's
// question.
void Corvana::ShowExpressionValueTask2() {
  RunValueSection("課題2", 680, 31, 680, &Corvana::MakeTaskTwoProblem, &Corvana::ShowTaskTwoScreens);
  static constexpr Piece kClosing[] = {
      NextLine(70, 5, "展開や因数分解を利用して、"),
      NextLine(50, 5, "式を変形してから代入する。"),
      Wait(),
      At(528, 570, 7, "教科書P33 問2　をしなさい。"),
  };
  gLineStartX = gCorvanaHeadingX;
  DrawPieces(*this, kClosing);
}

// x = 100k + r and y = 100k - r: r from 11 to 38, where 20 and 30 become 45,
// and k from 1 to 3, both drawn again while r repeats the first operand of
// the problem before.
void Corvana::MakeTaskTwoProblem() {
  float offset;
  do {
    offset = plat::Int(scr.Rnd() * 28 + 11);
    if (offset == 20 || offset == 30) offset = 45;
    gTermValue(1) = 100 * plat::Int(scr.Rnd() * 3 + 1);
    gTermValue(2) = gTermValue(1) + offset;
    gTermValue(3) = gTermValue(1) - offset;
  } while (offset == gCorvanaPreviousValue);
  gCorvanaPreviousValue = offset;
  gTermValue(4) = gTermValue(2) + gTermValue(3);
  gTermValue(5) = gTermValue(2) - gTermValue(3);
  gTermValue(6) = gTermValue(4) * gTermValue(5);
  PrepareTextsAndKeyChoice();
}

void Corvana::ShowTaskTwoScreens() {
  const Text& x = gTermText(2);
  const Text& y = gTermText(3);
  DrawOnLine(0, Literal(" x=") + x + ",y=" + y + Literal("のとき、"));
  DrawNextLine(40, 50, 0, Literal("次の式の値を求めなさい。"));
  DrawNextLine(32, 60, 3, "x^2-y^2");
  WaitForKey();
  DrawNextLine(0, 60, 0, "=(x+y)(x-y)");
  WaitForKey();
  DrawNextLine(40, 50, 3, "x=" + x + ",y=" + y + Literal(" を代入して"));
  WaitForKey();
  DrawNextLine(0, 60, 0, "=(" + x + "+" + y + ")(" + x + "-" + y + ")");
  WaitForKey();
  DrawNextLine(0, 60, 0, "=" + gTermText(4) + "*" + gTermText(5));
  WaitForKey();
  DrawOnLine(5, "=" + gTermText(6));
}

}  // namespace lesson
