// Chapter 4, formula 4 used backwards and the choice among the formulas: the
// entry, the goal screen, the sub-menu, item ① (x^2-a^2 with the pair table),
// example 4 and the answers to questions 5 to 7.
#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

void Jorrel::StartFormula4BackwardsChapter() {
  ShowFormula4BackwardsGoal();
  ShowFormula4BackwardsMenu();
}

void Jorrel::ShowFormula4BackwardsGoal() {
  gLineStartX = 44;
  gLineY = 240;
  DrawPieces(*this, {At(44, 240, 3, "<めあて>"), NextLine(65, 0, "1 公式4を逆に使って、因数分解しよう。", 32),
                     NextLine(65, 0, "2 公式の使い分けができるようになろう。", 32)});
}

// Returns when the end item is chosen, back to the main menu.
void Jorrel::ShowFormula4BackwardsMenu() {
  static constexpr SubMenu kMenu = {"①課題　②例４　③問５　④練習　⑤問６　⑥問7　⑦終了", 7, false};
  RunSubMenu(*this, kMenu, gJorrelSubMenuChoice,
             {&Jorrel::ShowFormula4BackwardsTask, &Jorrel::ShowFormula4BackwardsExample,
              &Jorrel::ShowTextbookQ5Answers, &Jorrel::RunMixedFactorPractice, &Jorrel::ShowTextbookQ6Answers,
              &Jorrel::ShowTextbookQ7Answers, nullptr});
}

namespace {

constexpr Piece kPageClear = Wipe(0, 0, 1320, 1300);

}  // namespace

void Jorrel::ShowFormula4BackwardsTask() {
  DrawPieces(*this, {kPageClear});
  gInputValue = 3;
  while (gInputValue != 1) {
    // x^2-a^2: the terms a, -a, the x coefficient 0 and the constant -a^2.
    const float a = plat::Int(scr.Rnd() * 9 + 1);
    gTermValue(1) = a;
    gTermValue(2) = -a;
    gTermValue(3) = gTermValue(1) + gTermValue(2);
    gTermValue(4) = gTermValue(1) * gTermValue(2);
    gDivisorNumber = gTermValue(4);
    ListCandidatePairs();
    PrepareTextsAndKeyChoice();
    PrefixPlusSigns();
    gJorrelHeadingX = 40;
    gLineStartX = gJorrelHeadingX + 40;
    gLineY = 30;
    DrawPieces(*this, {kPageClear, At(40, 30, 0, "問　次の式を因数分解しなさい。"), Wait()});
    DrawTextLine(*this, gLineStartX, gLineY + 80, 0, " x^2" + gTermText(4));
    WaitForKey();
    // The pairs (d, -e), then (-d, e) but for the last, so that a and -a
    // stand in the table once.
    gJorrelPairTableX = gLineStartX + 640;
    gJorrelPairTableY = 60;
    gLabelList(1) = SJ("積が") + gTermText(4);
    gLabelList(2) = SJ("和が") + gTermText(3);
    gPointX(1) = gTermValue(3);
    gJorrelPairSign = 1;
    gDivisorPairCount = 2 * gDivisorPairCount - 1;
    ShowFactorPairTable();
    WaitForKey();
    DrawTextLine(*this, gLineStartX, gLineY + 80, 5, "=(x" + gTermText(1) + ")(x" + gTermText(2) + ")");
    AskNextStep();
  }
  DrawTextLine(*this, gJorrelHeadingX, gLineY + 80, 0, SJ("問　どんなことがいえますか。"));
  DrawPieces(*this, {Wait(), At(80, 350, 3, "2乗-2乗のときは、"), NextLine(60, 3, "和と差の積になる。"), Wait(),
                     At(80, 490, 5, "公式4' x^2-a^2=(x+a)(x-a)"), Wait()});
}

void Jorrel::ShowFormula4BackwardsExample() {
  static constexpr Piece kPage[] = {
      kPageClear,
      LineStart(80, 30),
      At(40, 30, 0, "問 次の式を因数分解しなさい。"),
      NextLine(70, 0, "(1) x^2-25", -40),
      Wait(),
      NextLine(70, 0, "=x^2-5^2"),
      Wait(),
      NextLine(70, 5, "=(x+5)(x-5)"),
      Wait(),
      At(132, 570, 0, "教科書P28 問５　をしなさい。"),
  };
  gJorrelHeadingX = 40;
  DrawPieces(*this, kPage);
}

// --- Answers to questions 5 to 7 ---

namespace {

constexpr Piece kAnswerPageStart[] = {kPageClear, LineStart(44, 30)};

}  // namespace

void Jorrel::ShowTextbookQ5Answers() {
  static constexpr Piece kPage[] = {
      At(44, 30, 3, "問5の解答"),
      Wait(),
      NextLine(75, 0, "(1) x^2-36=(x+6)(x-6)"),
      Wait(),
      NextLine(75, 0, "(2) a^2-4=(a+2)(a-2)"),
      Wait(),
      NextLine(75, 0, "(3) x^2-1=(x+1)(x-1)"),
      Wait(),
      NextLine(75, 0, "(4) 16-y^2=(4+y)(4-y)"),
  };
  DrawPieces(*this, kAnswerPageStart);
  DrawPieces(*this, kPage);
}

void Jorrel::ShowTextbookQ6Answers() {
  static constexpr Piece kPage[] = {
      At(44, 30, 3, "問6の解答"),
      Wait(),
      NextLine(75, 0, "(1) x^2-3x+2=(x-2)(x-1)"),
      Wait(),
      NextLine(75, 0, "(2) x^2-64=(x+8)(x-8)"),
      Wait(),
      NextLine(75, 0, "(3) y^2-4y+4=(y-2)^2"),
      Wait(),
      NextLine(75, 0, "(4) x^2-5x-24=(x-8)(x+3)"),
      Wait(),
      NextLine(75, 0, "(5) x^2+13x+36=(x+4)(x+9)"),
      Wait(),
      NextLine(75, 0, "(6) a^2+22a+121=(a+11)^2"),
  };
  DrawPieces(*this, kAnswerPageStart);
  DrawPieces(*this, kPage);
}

// Each problem, then after a key the formula and its reason behind it.
void Jorrel::ShowTextbookQ7Answers() {
  static constexpr Piece kPage[] = {
      At(44, 30, 3, "問7の解答"),
      NextLine(75, 0, "(1) x^2-16 "),
      Wait(),
      Continue(3, "公式4'(2乗－2乗 だから)"),
      NextLine(75, 0, "(2) x^2+8x+16 "),
      Wait(),
      Continue(3, "公式2'(8=2*4,16=4^2で＋ だから)"),
      NextLine(75, 0, "(3) x^2-8x+16 "),
      Wait(),
      Continue(3, "公式3'(8=2*4,16=4^2で－ だから)"),
      NextLine(75, 0, "(4) x^2-10x+16 "),
      Wait(),
      Continue(3, "公式1'(16=4^2でも10≠2*4 だから)"),
  };
  DrawPieces(*this, kAnswerPageStart);
  DrawPieces(*this, kPage);
}

}  // namespace lesson
