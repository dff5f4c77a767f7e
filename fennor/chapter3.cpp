// Chapter 3, the formula (x+a)(x-a): entry, goal, sub-menu, the task whose
// first box vanishes, and the area figures of the square less a square.
#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

void Fennor::StartFormula4Chapter() {
  ShowFormula4Goal();
  ShowFormula4Menu();
}

void Fennor::ShowFormula4Goal() {
  DrawPieces(*this, {
                        LineStart(44, 240),
                        At(44, 240, 5, "<めあて>"),
                        NextLine(65, 0, "(x+3)(x-3)のような式を", 32),
                        NextLine(65, 0, "簡単に展開するための公式をつくろう。", 32),
                    });
}

void Fennor::ShowFormula4Menu() {
  static constexpr SubMenu kMenu = {"①課題　②例4　③問4　④終了", 4, true};
  RunSubMenu<Fennor>(*this, kMenu, gFennorSubMenuChoice,
                     {&Fennor::RunFormula4Task, &Fennor::RunFormula4Examples, &Fennor::ShowFormula4Q4Answers, nullptr});
}

void Fennor::RunFormula4Task() {
  gInputValue = 3;
  while (gInputValue != 1) {
    // a from 1 to 11, any value; box ① (the x term) vanishes, box ② shows -a^2.
    float a = plat::Int(scr.Rnd() * 11 + 1);
    gTermValue(1) = a;
    gTermValue(2) = -a;
    gTermValue(4) = gTermValue(1) * gTermValue(2);
    PrepareTextsAndKeyChoice();
    PutPlusSigns();
    static constexpr TaskBoxStyle kBoxes = {13, {5, 7}, {4, 6}};
    static constexpr TaskBoxStyle kRevealed = {13, {15, 7}, {15, 6}};
    ShowBoxedTaskProblem(" (x" + gTermText(1) + ")(x" + gTermText(2) + ")", kBoxes, nullptr, 0, kRevealed, Text(),
                         gTermText(4));
  }

  // Why box ① vanishes: (x+2)(x-2) read off the figures, then (x+a)(x-a).
  // The lines after a figure are placed from the problem line, y 338.
  static constexpr const char* kNumberLabels[8] = {"x", "2", "2", "x^2", "", "", "4", ""};
  static constexpr const char* kLetterLabels[8] = {"x", "a", "a", "x^2", "", "", "a^2", ""};
  DrawPieces(*this, {NextLine(80, 3, "①は消え、②は積。なぜ？"), Wait(), Tag(NextLine(80, 5, "(x+2)(x-2)", 44))});
  gFennorSavedLineY = gPenY;
  WaitForKey();
  gFennorFigureOriginX = 704;
  gFennorFigureOriginY = 100;
  DrawSumTimesDifferenceSequence(kNumberLabels);
  DrawPieces(*this, {Tag(At(gLineStartX, gFennorSavedLineY + 80, 5, "=x^2-4")), Wait(),
                     lesson::Wipe(gLineStartX, gFennorSavedLineY, gLineStartX + 660, gFennorSavedLineY + 1300),
                     Tag(At(gLineStartX + 44, gFennorSavedLineY, 5, "(x+a)(x-a)"))});
  gFennorSavedLineY = gPenY;
  WaitForKey();
  gFennorFigureOriginX = 748;
  gFennorFigureOriginY = 100;
  DrawPieces(*this, {lesson::Wipe(gFennorFigureOriginX - 44, 20, gFennorFigureOriginX - 44 + 1320, 920)});
  DrawSumTimesDifferenceSequence(kLetterLabels);
  DrawPieces(*this, {
                        At(gLineStartX, gFennorSavedLineY + 120, 0, "="),
                        Continue(5, "x^2-a^2"),
                        Wait(),
                        At(gLineStartX, gFennorSavedLineY + 60, 0, "=x^2+(a-a)x+a*(-a)"),
                        Wait(),
                        NextLine(120, 3, "公式4　(x+a)(x-a)=x^2-a^2"),
                    });
}

void Fennor::DrawSumTimesDifferenceSequence(const char* const (&labels)[8]) {
  SetAreaLabels(labels, 3);
  DrawSumTimesDifferenceFigure();
  WaitForKey();
  DrawMovedStripFigure();
  WaitForKey();
  DrawSquareLessSquareFigure();
  WaitForKey();
  SetAreaLabels(labels, 8);
  DrawSquareLessSquareFigure();
  WaitForKey();
}

// The square x by x (264) with its right strip a (88) cut off and left
// empty, and the strip x-a by a added below the rest.
void Fennor::DrawSumTimesDifferenceFigure() {
  static constexpr FigureStep kSteps[] = {
      Box(88, 0, 176, 264, 3, 4),
      Mark(88, 0, 88, 264, 1, 2, 1),
      Mark(88, 0, 352, 0, -1, 1, 1),
      Box(264, 0, 88, 264, 15, 6),
      Mark(264, 0, 352, 0, 1, 1, 3),
      Box(88, 264, 176, 88, 6, 5),
      Mark(88, 264, 88, 352, 1, 2, 2),
  };
  DrawFigureSteps(kSteps);
}

// The strip below emptied; after a key it stands upright in the cut-off
// place, above the empty small square a by a.
void Fennor::DrawMovedStripFigure() {
  static constexpr FigureStep kSteps[] = {
      Box(88, 264, 176, 88, 15, 5, 5),
      KeyWait(),
      Box(264, 0, 88, 176, 6, 6),
      Mark(264, 0, 352, 0, 1, 1, 3, 13),
      Box(264, 176, 88, 88, 15, 7),
      Mark(352, 176, 352, 264, -1, 2, 2),
  };
  DrawFigureSteps(kSteps);
}

// The whole square with the small square empty in its lower right corner.
void Fennor::DrawSquareLessSquareFigure() {
  static constexpr FigureStep kSteps[] = {
      Box(88, 0, 264, 264, 3, 4),
      Box(264, 176, 88, 88, 15, 7, 0),
      Mark(264, 264, 352, 264, 1, 2, 2),
  };
  DrawFigureSteps(kSteps);
}

}  // namespace lesson
