// Chapter 1, the formula (x+a)(x+b): entry, goal, sub-menu and the task with
// the sum and product boxes and the area figures.
#include <cmath>

#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

void Fennor::StartFormula1Chapter() {
  ShowFormula1Goal();
  ShowFormula1Menu();
}

void Fennor::ShowFormula1Goal() {
  DrawPieces(*this, {
                        LineStart(44, 240),
                        At(44, 240, 5, "<めあて>"),
                        NextLine(65, 0, "(x+2)(x+3)のような式を", 32),
                        NextLine(65, 0, "簡単に展開するための公式をつくろう。", 32),
                    });
}

void Fennor::ShowFormula1Menu() {
  static constexpr SubMenu kMenu = {"①課題　②例1　③問1　④問2　⑤終了", 5, true};
  RunSubMenu<Fennor>(*this, kMenu, gFennorSubMenuChoice,
             {&Fennor::ShowFormula1Task, &Fennor::RunFormula1Example1, &Fennor::ShowFormula1Q1Answers,
              &Fennor::ShowFormula1Q2Answers, nullptr});
}

void Fennor::PutPlusSigns() {
  for (int k = 1; k <= 4; ++k) {
    if (gTermValue(k) > 0) gTermText(k) = "+" + gTermText(k);
  }
}

void Fennor::DrawTaskBox(int box, const Text& label, const TaskBoxStyle& style) {
  gPenX = gPointX(box);
  gPenY = gPointY(box);
  gCellWidth = 120;
  gCellHeight = 50;
  gTextColour = static_cast<float>(style.text);
  gFigureColour = static_cast<float>(style.border[box - 1]);
  gAccentColour = static_cast<float>(style.fill[box - 1]);
  gWorkText = label;
  DrawBoxedCell();
}

void Fennor::PlaceTaskBox(int box, const Text& label, const TaskBoxStyle& style) {
  gPointX(box) = gLineEndX + 20;
  gPointY(box) = gLineY;
  DrawTaskBox(box, label, style);
  gLineEndX = gPenX;
  gLineY = gPenY;
}

void Fennor::ShowBoxedTaskProblem(const Text& problem, const TaskBoxStyle& style, const char* between, float gap,
                                  const TaskBoxStyle& revealed, const Text& first, const Text& second) {
  DrawPieces(*this, {LineStart(44, 18), lesson::Wipe(0, 0, 1320, 1300), At(44, 18, 0, "問　①,②を求めなさい。")});
  DrawTextLine(*this, gLineStartX + 44, gLineY + 80, 0, problem);
  DrawPieces(*this, {NextLine(80, 0, "=x^2", 44)});
  // =x^2 [①] x [②]
  PlaceTaskBox(1, SJ("①"), style);
  if (between) DrawPieces(*this, {Continue(0, between, gap)});
  PlaceTaskBox(2, SJ("②"), style);
  WaitForKey();
  // The values cover the empty boxes exactly.
  DrawTaskBox(1, first, revealed);
  DrawTaskBox(2, second, revealed);
  AskNextStep();
}

void Fennor::SetAreaLabels(const char* const (&labels)[8], int lastSlot) {
  for (int k = 1; k <= 8; ++k) gTermText2(k) = k <= lastSlot ? Literal(labels[k - 1]) : Text();
}

void Fennor::DrawFigureInTwoSteps(void (Fennor::*figure)(), const char* const (&labels)[8]) {
  SetAreaLabels(labels, 3);
  (this->*figure)();
  WaitForKey();
  SetAreaLabels(labels, 8);
  (this->*figure)();
}

void Fennor::ShowFormula1Task() {
  gInputValue = 3;
  while (gInputValue != 1) {
    // a and b from -8..-1, 1..8, unequal, their sum neither 0 nor 1 nor -1
    // (a box must hold a real coefficient).
    do {
      gTermValue(1) = plat::Int(scr.Rnd() * 8) + 1;
      gTermValue(2) = plat::Int(scr.Rnd() * 8) + 1;
      for (int k = 1; k <= 2; ++k) gTermValue2(k) = plat::Int(scr.Rnd() * 2) + 1 == 1 ? -1.0f : 1.0f;
      gTermValue(1) = gTermValue2(1) * gTermValue(1);
      gTermValue(2) = gTermValue2(2) * gTermValue(2);
      gTermValue(3) = gTermValue(1) + gTermValue(2);
      gTermValue(4) = gTermValue(1) * gTermValue(2);
    } while (gTermValue(1) == gTermValue(2) || gTermValue(3) == 0 || std::fabs(gTermValue(3)) == 1);
    PrepareTextsAndKeyChoice();
    PutPlusSigns();
    static constexpr TaskBoxStyle kBoxes = {5, {3, 7}, {13, 11}};
    ShowBoxedTaskProblem(" (x" + gTermText(1) + ")(x" + gTermText(2) + ")", kBoxes, "x", 8, kBoxes, gTermText(3),
                         gTermText(4));
  }

  // Why a sum and a product: the case (x+2)(x+3) read off the area figure,
  // then (x+a)(x+b) with the strips regrouped, then the algebra. The lines
  // under "(x+2)(x+3)" are placed from its line, y 338.
  static constexpr const char* kNumberLabels[8] = {
      "x", "2", "3", "x^2", "2x", "3x", "6", "5x"};
  static constexpr const char* kLetterLabels[8] = {
      "x", "a", "b", "x^2", "ax", "bx", "ab", "(a+b)x"};
  DrawPieces(*this, {NextLine(80, 3, "①は和、②は積。なぜ？"), Wait(), NextLine(80, 5, "(x+2)(x+3)", 44)});
  gFennorSavedLineY = gPenY;
  WaitForKey();
  gFennorFigureOriginX = 660;
  gFennorFigureOriginY = 100;
  DrawFigureInTwoSteps(&Fennor::DrawAreaFigure, kNumberLabels);
  DrawPieces(*this, {Wait(), At(44, 418, 5, "=x^2+5x+6"), Wait(), lesson::Wipe(44, 338, 704, 1638),
                     At(88, 338, 5, "(x+a)(x+b)")});
  gFennorSavedLineY = gPenY;
  WaitForKey();
  gFennorFigureOriginX = 660;
  gFennorFigureOriginY = 100;
  DrawPieces(*this, {lesson::Wipe(616, 20, 1936, 920)});
  DrawFigureInTwoSteps(&Fennor::DrawAreaFigure, kLetterLabels);
  WaitForKey();
  DrawRegroupedAreaFigure();
  DrawPieces(*this, {
                        Wait(),
                        At(44, 518, 0, "="),
                        Continue(5, "x^2+(a+b)x+ab"),
                        Wait(),
                        At(44, 398, 0, "=x(x+b)+a(x+b)"),
                        Wait(),
                        NextLine(60, 0, "=x^2+bx+ax+ab"),
                        Wait(),
                        NextLine(120, 3, "公式１　(x+a)(x+b)=x^2+(a+b)x+ab"),
                    });
}

}  // namespace lesson
