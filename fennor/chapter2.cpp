// Chapter 2, the formulas (x+a)^2 and (x-a)^2: entry, goal, sub-menu, the
// task with its answer boxes and the derivation read off the square figures.
#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

void Fennor::StartFormulas23Chapter() {
  ShowFormulas23Goal();
  ShowFormulas23Menu();
}

void Fennor::ShowFormulas23Goal() {
  DrawPieces(*this, {
                        LineStart(44, 240),
                        At(44, 240, 5, "<めあて>"),
                        NextLine(65, 0, "(x+2)^2,(x-3)^2のような式を", 32),
                        NextLine(65, 0, "簡単に展開するための公式をつくろう。", 32),
                    });
}

void Fennor::ShowFormulas23Menu() {
  static constexpr SubMenu kMenu = {"①課題　②(x-a)^2　③例3　④問３　⑤終了", 5, true};
  RunSubMenu<Fennor>(*this, kMenu, gFennorSubMenuChoice,
                     {&Fennor::ShowFormula2Task, &Fennor::ShowFormula3Derivation, &Fennor::RunFormulas23Example3,
                      &Fennor::ShowFormulas23Q3Answers, nullptr});
}

void Fennor::ShowFormula2Task() {
  gInputValue = 3;
  while (gInputValue != 1) {
    // a from -8..-1, 1..8; any value, the one before included.
    float a = plat::Int(scr.Rnd() * 8) + 1;
    float s = plat::Int(scr.Rnd() * 2) + 1;
    gTermValue2(1) = s == 1 ? -1.0f : 1.0f;
    gTermValue(1) = gTermValue2(1) * a;
    gTermValue(3) = 2 * gTermValue(1);
    gTermValue(4) = gTermValue(1) * gTermValue(1);
    PrepareTextsAndKeyChoice();
    PutPlusSigns();
    // The boxes reveal 2a and a^2, each with its sign.
    static constexpr TaskBoxStyle kBoxes = {13, {5, 7}, {4, 6}};
    ShowBoxedTaskProblem(" (x" + gTermText(1) + ")^2", kBoxes, "x", 20, kBoxes, gTermText(3), gTermText(4));
  }

  // Why twice and squared: (x+2)^2 read off the square figure, then (x+a)^2
  // with the strips regrouped, then the algebra. The lines after a figure are
  // placed from the problem line, y 338.
  static constexpr const char* kNumberLabels[8] = {"x", "2", "2", "x^2", "2x", "2x", "4", "4x"};
  static constexpr const char* kLetterLabels[8] = {"x", "a", "a", "x^2", "ax", "ax", "a^2", "2ax"};
  DrawPieces(*this, {NextLine(80, 3, "①は2倍、②は2乗。なぜ？"), Wait(), Tag(NextLine(80, 5, "(x+2)^2", 44))});
  gFennorProblemY = gPenY;
  WaitForKey();
  gFennorFigureOriginX = 748;
  gFennorFigureOriginY = 90;
  DrawFigureInTwoSteps(&Fennor::DrawSquareAreaFigure, kNumberLabels);
  DrawPieces(*this, {Wait(), Tag(At(gLineStartX, gFennorProblemY + 80, 5, "=x^2+4x+4")), Wait(),
                     lesson::Wipe(gLineStartX, gFennorProblemY, gLineStartX + 660, gFennorProblemY + 1300),
                     Tag(At(gLineStartX + 44, gFennorProblemY, 5, "(x+a)^2"))});
  gFennorProblemY = gPenY;
  WaitForKey();
  gFennorFigureOriginX = 748;
  gFennorFigureOriginY = 90;
  DrawPieces(*this, {lesson::Wipe(gFennorFigureOriginX - 44, 20, gFennorFigureOriginX - 44 + 1320, 920)});
  DrawFigureInTwoSteps(&Fennor::DrawSquareAreaFigure, kLetterLabels);
  WaitForKey();
  DrawRegroupedSquareFigure();
  DrawPieces(*this, {
                        Wait(),
                        At(gLineStartX, gFennorProblemY + 180, 0, "="),
                        Continue(5, "x^2+2ax+a^2"),
                        Wait(),
                        At(gLineStartX, gFennorProblemY + 60, 0, "=(x+a)(x+a)"),
                        Wait(),
                        NextLine(60, 0, "=x^2+(a+a)x+a*a"),
                        Wait(),
                        NextLine(50, 3, "公式2", 594),
                        NextLine(60, 3, "(x+a)^2=x^2+2ax+a^2", 572),
                        Wait(),
                        At(44, 570, 7, "(x-a)^2 を展開しよう。"),
                    });
}

// The square x by x (176), the strip a by x on its right (a is 132), the
// strip below it and the corner a by a; marks on the left and top sides.
void Fennor::DrawSquareAreaFigure() {
  static constexpr FigureStep kSteps[] = {
      Box(88, 0, 176, 176, 3, 4),
      Mark(88, 0, 88, 176, 1, 2, 1),
      Mark(88, 0, 264, 0, -1, 1, 1),
      Box(264, 0, 132, 176, 4, 6),
      Mark(264, 0, 396, 0, -1, 1, 3),
      Box(88, 176, 176, 132, 6, 5),
      Mark(88, 176, 88, 308, 1, 2, 2),
      Box(264, 176, 132, 132, 8, 7),
  };
  DrawFigureSteps(kSteps);
}

// The right strip emptied (its frame and mark stay), laid turned under the
// lower strip, and the two strips joined into one box 2ax.
void Fennor::DrawRegroupedSquareFigure() {
  static constexpr FigureStep kSteps[] = {
      Box(264, 0, 132, 176, 15, 0, 5),
      KeyWait(),
      Box(88, 308, 176, 132, 4, 6),
      Mark(88, 308, 88, 440, 1, 2, 3),
      KeyWait(),
      Box(88, 176, 176, 264, 6, 8),
  };
  DrawFigureSteps(kSteps);
}

}  // namespace lesson
