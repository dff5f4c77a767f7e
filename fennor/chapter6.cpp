// Chapter 6, substitution with a+b: entry, goal, sub-menu, the random
// problems (P+k)(P-k), the figure item and the task.
#include <cmath>

#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

void Fennor::StartPolynomialSubstitutionChapter() {
  ShowPolynomialSubstitutionGoal();
  ShowPolynomialSubstitutionMenu();
}

void Fennor::ShowPolynomialSubstitutionGoal() {
  DrawPieces(*this, {
                        LineStart(44, 240),
                        At(44, 240, 5, "<めあて>"),
                        NextLine(65, 0, "(a+b-2)(a+b+2) のような式を展開しよう。"),
                    });
}

void Fennor::ShowPolynomialSubstitutionMenu() {
  static constexpr SubMenu kMenu = {"①図　②課題　③例6　④問9　⑤終了", 5, true};
  RunSubMenu<Fennor>(*this, kMenu, gFennorSubMenuChoice,
                     {&Fennor::RunSubstitutionFigureItem, &Fennor::RunSubstitutionTask,
                      &Fennor::RunSubstitutionExample6, &Fennor::ShowSubstitutionQ9Answers, nullptr});
}

void Fennor::MakeSubstitutionProblem() {
  // k from -8..-1, 1..8 and the second letter's coefficient n from
  // -5..-1, 1..5: exactly six draws, no rejection.
  gTermValue(1) = plat::Int(scr.Rnd() * 8 + 1);
  gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
  if (gRandomPick == 1) gTermValue(1) = -gTermValue(1);
  gTermValue(2) = -gTermValue(1);
  gTermValue(3) = std::fabs(gTermValue(1));
  gTermValue2(1) = plat::Int(scr.Rnd() * 5 + 1);
  gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
  if (gRandomPick == 1) gTermValue2(1) = -gTermValue2(1);
  PrepareTextsAndKeyChoice();
  if (gTermValue2(1) == 1) {
    gTermText2(1) = Text();
  } else if (gTermValue2(1) == -1) {
    gTermText2(1) = "-";
  }
  if (gTermValue2(1) > 0) gTermText2(1) = "+" + gTermText2(1);
  for (int i : {1, 2})
    if (gTermValue(i) > 0) gTermText(i) = "+" + gTermText(i);
  PickFormulaLetter();
  // P in x and y stands as A, in a and b as X.
  gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
  const bool xy = gRandomPick == 1;
  gLabelList(1) = xy ? "x" : "a";
  gLabelList(2) = gTermText2(1) + (xy ? "y" : "b");
  gLabelList(3) = xy ? "A" : "X";
}

// Which expression the capital letter of the figure stands for: part ① a
// letter, part ② a polynomial; the figure with the capital, a key, the
// figure with the answer.
void Fennor::RunSubstitutionFigureItem() {
  DrawPieces(*this, {lesson::Wipe(0, 0, 1320, 1300)});
  for (int part = 1; part <= 2; ++part) {
    gInputValue = 3;
    while (gInputValue != 1) {
      if (part == 1) {
        gLineStartX = 88;
        gLineY = 30;
        scr.SetDrawWidth(0, 5);
      } else {
        gLineStartX = 44;
        gLineY = 240;
      }
      MakeSubstitutionProblem();
      const Text P = part == 1 ? gFennorLetter : gLabelList(1) + gLabelList(2);
      DrawPieces(*this, {lesson::Wipe(gLineStartX, gLineY, gLineStartX + 924, gLineY + 210),
                         Tag(At(gLineStartX - 22, gLineY, 0, part == 1 ? "①" : "②"))});
      gLineEndX = gPenX + 22;
      gLineY = gPenY;
      DrawTextLine(*this, gLineEndX, gLineY, 0, SJ("次の式を表す図の") + gLabelList(3) + SJ("をいいなさい。"));
      DrawTextAt(*this, gLineStartX + 44, gLineY + 70, 3,
                 "(" + P + gTermText(1) + ")(" + P + gTermText(2) + ")");
      gFennorFigureOriginX = 792;
      gFennorFigureOriginY = 100;
      // The capital on the sides of length x, k on the others; then the
      // answer in place of the capital.
      for (int drawing = 1; drawing <= 2; ++drawing) {
        DrawPieces(*this, {lesson::Wipe(gFennorFigureOriginX - 132, 20, gFennorFigureOriginX - 132 + 1320, 920)});
        gTermText2(1) = drawing == 1 ? gLabelList(3) : P;
        gTermText2(2) = gTermText(3);
        gTermText2(3) = gTermText(3);
        for (int k = 4; k <= 8; ++k) gTermText2(k) = Text();
        DrawSumTimesDifferenceFigure();
        if (drawing == 1) WaitForKey();
      }
      AskNextStep();
    }
  }
  DrawPieces(*this, {At(44, 420, 5, "※ 多項式を1つの文字とみる！")});
}

// (L+k)(L-k) = [L^2] - k^2, then (P+k)(P-k) = ([P])^2 - k^2.
void Fennor::RunSubstitutionTask() {
  gInputValue = 3;
  while (gInputValue != 1) {
    DrawPieces(*this, {LineStart(44, 18), lesson::Wipe(0, 0, 1320, 1300)});
    MakeSubstitutionProblem();
    const Text& L = gFennorLetter;
    DrawPieces(*this, {At(44, 18, 0, "問　①を求めなさい。")});
    DrawTextLine(*this, gLineStartX, gLineY + 80, 0, "(1) (" + L + gTermText(1) + ")(" + L + gTermText(2) + ")");
    DrawPieces(*this, {NextLine(80, 0, "=", 88)});
    PlaceGapBox(1, 10, 160, 5, 4, SJ("①"));
    DrawTextLine(*this, gLineEndX + 10, gLineY, 0, "-" + gTermText(3) + "^2");
    WaitForKey();
    FillGapBox(1, 160, 5, 4, L + "^2");
    AskNextStep();
  }
  gInputValue = 3;
  while (gInputValue != 1) {
    MakeSubstitutionProblem();
    const Text P = gLabelList(1) + gLabelList(2);
    DrawPieces(*this, {LineStart(44, 240), lesson::Wipe(0, 240, 1320, 1540)});
    DrawTextLine(*this, gLineStartX, gLineY + 80, 0, "(2) (" + P + gTermText(1) + ")(" + P + gTermText(2) + ")");
    // This line keeps 10 more after "=(".
    DrawPieces(*this, {NextLine(80, 0, "=(", 88)});
    gLineEndX = gPenX + 10;
    PlaceGapBox(1, 10, 160, 5, 4, SJ("①"));
    DrawTextLine(*this, gLineEndX + 10, gLineY, 0, ")^2-" + gTermText(3) + "^2");
    WaitForKey();
    FillGapBox(1, 160, 5, 4, P);
    AskNextStep();
  }
  DrawPieces(*this, {Wait(), At(176, 510, 7, "多項式を１つの文字とみれば、公式が使えそうだ！")});
}

}  // namespace lesson
