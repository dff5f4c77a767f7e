// Chapter 6, the common factor taken out and then a formula: the entry, the
// goal screen, the sub-menu, example 5, the task and the answers to questions
// 8 and 10.
#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

void Jorrel::StartCommonFactorFormulaChapter() {
  ShowCommonFactorFormulaGoal();
  ShowCommonFactorFormulaMenu();
}

void Jorrel::ShowCommonFactorFormulaGoal() {
  gLineStartX = 44;
  gLineY = 240;
  DrawPieces(*this, {At(44, 240, 3, "<めあて>"), NextLine(90, 0, " 共通因数と公式を使って因数分解しよう。")});
}

// Returns when the end item is chosen, back to the main menu.
void Jorrel::ShowCommonFactorFormulaMenu() {
  static constexpr SubMenu kMenu = {"①例５　②問８　③課題　④問10　⑤終了", 5, true};
  RunSubMenu(*this, kMenu, gJorrelSubMenuChoice,
             {&Jorrel::RunCommonFactorFormulaExample5, &Jorrel::ShowCommonFactorFormulaQ8Answers,
              &Jorrel::RunCommonFactorFormulaTask, &Jorrel::ShowCommonFactorFormulaQ10Answers, nullptr});
}

namespace {

// A new problem of a step loop wipes from 10 above its line downwards.
void WipeProblemArea(Jorrel& j) {
  j.gLineStartX = 88;
  j.gLineY = j.gPointY(0);
  DrawPieces(j, {Wipe(0, j.gPointY(0) - 10, 1760, j.gPointY(0) + 1790)});
}

}  // namespace

void Jorrel::RunCommonFactorFormulaExample5() {
  DrawPieces(*this, {Wipe(0, 0, 1760, 1800), LineStart(88, 20), At(44, 20, 3, "例5　次の式を因数分解しなさい。")});

  // (1): the common factor g of k·a and k·b alone, which may exceed k.
  gInputValue = 3;
  gPointY(0) = gLineY + 80;
  while (gInputValue != 1) {
    gTermValue2(1) = plat::Int(scr.Rnd() * 4) + 2;
    gTermValue(1) = plat::Int(scr.Rnd() * 5) + 1;
    gTermValue(2) = plat::Int(scr.Rnd() * 6) + 1;
    gTermValue(3) = gTermValue2(1) * gTermValue(1);
    gTermValue(4) = gTermValue2(1) * gTermValue(2);
    gFracDen = gTermValue(3);
    gFracNum = gTermValue(4);
    FormatFraction();
    gTermValue2(1) = gGcd;
    gTermValue(1) = gFracDen;
    gTermValue(2) = gFracNum;
    gRandomPick = plat::Int(scr.Rnd() * 2) + 1;
    if (gRandomPick == 2) {
      gTermValue(2) = -gTermValue(2);
      gTermValue(4) = -gTermValue(4);
    }
    PrepareTextsAndKeyChoice();
    gRandomPick = plat::Int(scr.Rnd() * 2) + 1;
    gJorrelLetter = gRandomPick == 1 ? SJ("x^2") : SJ("a^2");
    gJorrelSecondLetter = Text(1, gRandomPick == 1 ? 'y' : 'b');
    if (gTermValue(1) == 1) gTermText(1) = Text();
    if (gTermValue(2) == 1) {
      gTermText(2) = Text();
    } else if (gTermValue(2) == -1) {
      gTermText(2) = Text(1, '-');
    }
    if (gTermValue(2) > 0) {
      gTermText(2) = "+" + gTermText(2);
      gTermText(4) = "+" + gTermText(4);
    }
    WipeProblemArea(*this);
    const Text& x = gJorrelLetter;
    const Text& y = gJorrelSecondLetter;
    DrawTextLine(*this, gLineStartX - 66, gLineY, 0, "(1) " + gTermText(3) + x + gTermText(4) + y);
    DrawTextLine(*this, gLineEndX, gLineY, 0, SJ("="));
    gPointX(1) = gLineEndX + 10;
    gPointY(1) = gLineY;
    DrawPracticeBox(gPointX(1), gPointY(1), 88, 13, SJ("①"));
    NextStepText("(" + gTermText(1) + x + gTermText(2) + y + ")");
    WaitForKey();
    DrawPracticeBox(gPointX(1), gPointY(1), 88, 13, gTermText2(1));
    AskNextStep();
  }

  // (2): a formula problem below, in one of the four letters.
  gInputValue = 3;
  gPointY(0) = gLineY + 120;
  while (gInputValue != 1) {
    MakeCommonFactorProblem();
    static constexpr char kLetters[] = {'x', 'y', 'a', 'b'};
    gRandomPick = plat::Int(scr.Rnd() * 4) + 1;
    gJorrelLetter = Text(1, kLetters[plat::CInt(gRandomPick) - 1]);
    gLabelList(1) = gJorrelLetter + "^2";
    gLabelList(2) = gJorrelLetter;
    gLabelList(3) = Text();
    WipeProblemArea(*this);
    gJorrelProblemLabel = SJ("(2)");
    ShowCommonFactorProblemSteps();
    AskNextStep();
  }
  DrawPieces(*this, {Wait(), At(88, 570, 0, "教科書P29 問8　をしなさい。")});
}

void Jorrel::RunCommonFactorFormulaTask() {
  DrawPieces(*this, {Wipe(0, 0, 1760, 1800), LineStart(88, 20), At(44, 20, 3, "問　次の式を因数分解しなさい。")});
  gInputValue = 3;
  gPointY(0) = gLineY + 100;
  while (gInputValue != 1) {
    // The common factor carries the letter a or y besides its number.
    MakeCommonFactorProblem();
    gJorrelLetter = Text(1, 'x');
    gRandomPick = plat::Int(scr.Rnd() * 2) + 1;
    if (gRandomPick == 1) {
      gLabelList(1) = "a" + gJorrelLetter + "^2";
      gLabelList(2) = "a" + gJorrelLetter;
      gLabelList(3) = Text(1, 'a');
    } else {
      gLabelList(1) = gJorrelLetter + "^2y";
      gLabelList(2) = gJorrelLetter + "y";
      gLabelList(3) = Text(1, 'y');
    }
    WipeProblemArea(*this);
    gJorrelProblemLabel = SJ("(3)");
    ShowCommonFactorProblemSteps();
    AskNextStep();
  }
  DrawPieces(*this, {Wait(), At(132, 570, 0, "教科書P29 問10　をしなさい。")});
}

// --- Answers to questions 8 and 10: two columns, the second after a key ---

void Jorrel::ShowCommonFactorFormulaQ8Answers() {
  static constexpr Piece kPage[] = {
      Wipe(0, 0, 1320, 1300),
      LineStart(44, 30),
      At(44, 30, 3, "問8の解答"),
      NextLine(75, 0, "(1) 2x^2+16x+24"),
      NextLine(75, 0, "  =2(x^2+8x+12)"),
      NextLine(75, 5, "  =2(x+2)(x+6)"),
      Wait(),
      LineStart(660, 30),
      NextLine(75, 0, "(2) -3y^2+18y-27"),
      NextLine(75, 0, "  =-3(y^2-6y+9)"),
      NextLine(75, 5, "  =-3(y-3)^2"),
  };
  DrawPieces(*this, kPage);
}

void Jorrel::ShowCommonFactorFormulaQ10Answers() {
  static constexpr Piece kPage[] = {
      Wipe(0, 0, 1320, 1300),
      LineStart(44, 30),
      At(44, 30, 3, "問10の解答"),
      NextLine(75, 0, "(1) 2x^2y-8xy+6y"),
      NextLine(75, 0, "  =2y(x^2-4x+3)"),
      NextLine(75, 5, "  =2y(x-1)(x-3)"),
      Wait(),
      LineStart(660, 30),
      NextLine(75, 0, "(2) 4x^2-36y^2"),
      NextLine(75, 0, "  =4(x^2-9y^2)"),
      NextLine(75, 5, "  =4(x+3y)(x-3y)"),
  };
  DrawPieces(*this, kPage);
}

}  // namespace lesson
