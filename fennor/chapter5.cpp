// Chapter 5, substitution with ax and by: entry, goal, sub-menu, and the two
// tasks whose boxed gaps a key fills, with their random problems.
#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {
namespace {

// The stage numbers in front of the problems.
constexpr const char* kNumbers[] = {"(1) (", "(2) (", "(3) ("};

}  // namespace

void Fennor::StartMonomialSubstitutionChapter() {
  ShowMonomialSubstitutionGoal();
  ShowMonomialSubstitutionMenu();
}

void Fennor::ShowMonomialSubstitutionGoal() {
  DrawPieces(*this, {
                        LineStart(44, 240),
                        At(44, 240, 5, "<めあて>"),
                        NextLine(65, 0, "(2x+3y)^2 のような式を展開しよう。"),
                    });
}

void Fennor::ShowMonomialSubstitutionMenu() {
  static constexpr SubMenu kMenu = {
      "①課1　②図1　③例　④練習１　⑤問6　⑥課2　⑦図2　⑧練習２　⑨問7　⑩問8　⑪終了", 11, true};
  RunSubMenu<Fennor>(*this, kMenu, gFennorSubMenuChoice,
                     {&Fennor::RunMonomialTask1, &Fennor::ShowMonomialAreaFigure,
                      &Fennor::ShowMonomialSubstitutionExample, &Fennor::RunMonomialPractice1,
                      &Fennor::ShowQuestion6Answers, &Fennor::RunMonomialTask2, &Fennor::ShowTwoLetterSquareAreaFigure,
                      &Fennor::RunMonomialPractice2, &Fennor::ShowQuestion7Answers, &Fennor::ShowQuestion8Answer,
                      nullptr});
}

void Fennor::PlaceGapBox(int slot, float gap, float width, int border, int fill, const Text& label) {
  gPointX(slot) = gLineEndX + gap;
  gPointY(slot) = gLineY;
  FillGapBox(slot, width, border, fill, label);
}

void Fennor::FillGapBox(int slot, float width, int border, int fill, const Text& content) {
  gPenX = gPointX(slot);
  gPenY = gPointY(slot);
  gCellWidth = width;
  gCellHeight = 60;
  gTextColour = 13;
  gFigureColour = static_cast<float>(border);
  gAccentColour = static_cast<float>(fill);
  gWorkText = content;
  DrawBoxedCellAround();
  gLineEndX = gPenX;
  gLineY = gPenY;
}

// (x+a)(x+b), then (kx+a)(kx+b) twice, each stage a step loop: the square
// term hidden in stages (1) and (2), the middle coefficient in stage (3).
void Fennor::RunMonomialTask1() {
  for (int stage = 1; stage <= 3; ++stage) {
    gInputValue = 3;
    while (gInputValue != 1) {
      if (stage == 1) {
        // a and b from -8..-1, 1..8, neither equal nor cancelling.
        do {
          gTermValue(1) = plat::Int(scr.Rnd() * 8 + 1);
          gTermValue(2) = plat::Int(scr.Rnd() * 8 + 1);
          gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
          if (gRandomPick == 1) gTermValue(1) = -gTermValue(1);
          gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
          if (gRandomPick == 2) gTermValue(2) = -gTermValue(2);
          gTermValue(3) = gTermValue(1) + gTermValue(2);
          gTermValue(4) = gTermValue(1) * gTermValue(2);
        } while (gTermValue(1) == gTermValue(2) || gTermValue(3) == 0);
        PrepareFormulaTermTexts();
        PickFormulaLetter();
      } else {
        MakeMonomialTermProblem();
      }
      const Text& L = gFennorLetter;
      const Text kL = stage == 1 ? L : gTermText2(1) + L;  // the first term of each factor
      const Text problem = Literal(kNumbers[stage - 1]) + kL + gTermText(1) + ")(" + kL + gTermText(2) + ")";
      const Text square = stage == 1 ? L + "^2" : gTermText2(2) + L + "^2";
      if (stage == 1) {
        DrawPieces(*this, {LineStart(44, 18), lesson::Wipe(0, 0, 1320, 1300), At(44, 18, 0, "問　①を求めなさい。")});
      } else if (stage == 2) {
        DrawPieces(*this, {LineStart(44, 240), lesson::Wipe(0, 240, 1320, 1540)});
      } else {
        DrawPieces(*this, {LineStart(616, 30), lesson::Wipe(616, 30, 1936, 1330)});
      }
      DrawTextLine(*this, gLineStartX, gLineY + 80, 0, problem);
      // = [①] S L P, or in stage (3) = Q L^2 [①] L P.
      DrawTextLine(*this, gLineStartX + 88, gLineY + 80, 0, stage == 3 ? "=" + square : SJ("="));
      PlaceGapBox(1, 20, 160, 5, 4, SJ("①"));
      if (stage == 3) {
        DrawTextLine(*this, gLineEndX + 10, gLineY, 0, L + gTermText(4));
      } else {
        DrawTextLine(*this, gLineEndX + 20, gLineY, 0, gTermText(3) + L + gTermText(4));
      }
      WaitForKey();
      FillGapBox(1, 160, 5, 4, stage == 3 ? gTermText(3) : square);
      AskNextStep();
    }
  }
  DrawPieces(*this, {Wait(), At(484, 510, 3, "なぜ？")});
}

void Fennor::MakeMonomialTermProblem() {
  // a and b from -8..-1, 1..8 and k from 2 to 5, drawn again whole while a
  // and b are equal or cancel.
  do {
    gTermValue(1) = plat::Int(scr.Rnd() * 8 + 1);
    gTermValue(2) = plat::Int(scr.Rnd() * 8 + 1);
    gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
    if (gRandomPick == 1) gTermValue(1) = -gTermValue(1);
    gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
    if (gRandomPick == 2) gTermValue(2) = -gTermValue(2);
    gTermValue2(1) = plat::Int(scr.Rnd() * 4 + 2);
    gTermValue(3) = (gTermValue(1) + gTermValue(2)) * gTermValue2(1);
    gTermValue(4) = gTermValue(1) * gTermValue(2);
  } while (gTermValue(1) == gTermValue(2) || gTermValue(3) == 0);
  gTermValue2(2) = gTermValue2(1) * gTermValue2(1);
  PrepareTextsAndKeyChoice();
  PutPlusSigns();
  PickFormulaLetter();
}

// (x+a)^2, then (ax+by)^2 twice, each stage a step loop; boxes ① and ②
// hide terms of the expansion.
void Fennor::RunMonomialTask2() {
  struct Stage {
    float lineY, wipeX, wipeY, problemDy;
    float gap, box1Width, middleGap;
    bool box2;
  };
  static constexpr Stage kStages[] = {
      {18, 0, 0, 80, 16, 160, 16, true},
      {240, 0, 240, 0, 10, 160, 0, true},
      {320, 44, 320, 80, 10, 200, 10, false},
  };
  for (int stage = 1; stage <= 3; ++stage) {
    const Stage& st = kStages[stage - 1];
    gInputValue = 3;
    while (gInputValue != 1) {
      Text problem, equals, middle, first, second;
      if (stage == 1) {
        // a from -8..-1, 1..8; the square without a sign.
        float a = plat::Int(scr.Rnd() * 8) + 1;
        gRandomPick = plat::Int(scr.Rnd() * 2) + 1;
        if (gRandomPick == 1) a = -a;
        gTermValue(1) = a;
        gTermValue(3) = a + a;
        gTermValue(14) = a * a;
        PrepareTextsAndKeyChoice();
        for (int k : {1, 3})
          if (gTermValue(k) > 0) gTermText(k) = "+" + gTermText(k);
        PickFormulaLetter();
        const Text& L = gFennorLetter;
        problem = Literal(kNumbers[0]) + L + gTermText(1) + ")^2";
        equals = SJ("=");
        middle = gTermText(3) + L + "+";
        first = L + "^2";
        second = gTermText(14);
      } else {
        MakeTwoLetterSquareProblem();
        problem = Literal(kNumbers[stage - 1]) + gTermText(1) + gLabelList(1) + gTermText(2) + gLabelList(2) + ")^2";
        if (stage == 2) {
          equals = SJ("=");
          middle = gTermText(4) + gLabelList(4) + "+";
          first = gTermText(3) + gLabelList(3);
          second = gTermText(5) + gLabelList(5);
        } else {
          equals = "=" + gTermText(3) + gLabelList(3);
          middle = "+" + gTermText(5) + gLabelList(5);
          first = gTermText(4) + gLabelList(4);
        }
      }
      gLineStartX = 44;
      gLineY = st.lineY;
      DrawPieces(*this, {lesson::Wipe(st.wipeX, st.wipeY, st.wipeX + 1320, st.wipeY + 1300)});
      if (stage == 1) DrawPieces(*this, {At(44, 18, 0, "問　①,②を求めなさい。")});
      DrawTextLine(*this, gLineStartX, gLineY + st.problemDy, 0, problem);
      DrawTextLine(*this, gLineEndX, gLineY, 0, equals);
      PlaceGapBox(1, st.gap, st.box1Width, 5, 4, SJ("①"));
      DrawTextLine(*this, gLineEndX + st.middleGap, gLineY, 0, middle);
      if (st.box2) PlaceGapBox(2, st.gap, 160, 7, 6, SJ("②"));
      WaitForKey();
      FillGapBox(1, st.box1Width, 5, 4, first);
      if (st.box2) FillGapBox(2, 160, 7, 6, second);
      AskNextStep();
    }
  }
  DrawPieces(*this, {Wait(), At(484, 510, 3, "1つの文字とみれたか！")});
}

void Fennor::MakeTwoLetterSquareProblem() {
  // a from 2 to 5, b from 2 to 6 and never a, with a random sign.
  gTermValue(1) = plat::Int(scr.Rnd() * 4) + 2;
  gTermValue(2) = plat::Int(scr.Rnd() * 4) + 3;
  if (gTermValue(2) == gTermValue(1)) gTermValue(2) = gTermValue(2) - 1;
  gRandomPick = plat::Int(scr.Rnd() * 2) + 1;
  if (gRandomPick == 1) gTermValue(2) = -gTermValue(2);
  gTermValue(3) = gTermValue(1) * gTermValue(1);
  gTermValue(4) = 2 * gTermValue(1) * gTermValue(2);
  gTermValue(5) = gTermValue(2) * gTermValue(2);
  PrepareTextsAndKeyChoice();
  if (gTermValue(2) > 0) gTermText(2) = "+" + gTermText(2);
  if (gTermValue(4) > 0) gTermText(4) = "+" + gTermText(4);
  gRandomPick = plat::Int(scr.Rnd() * 2) + 1;
  gLabelList(1) = gRandomPick == 1 ? "x" : "a";
  gLabelList(2) = gRandomPick == 1 ? "y" : "b";
  gLabelList(3) = gLabelList(1) + "^2";
  gLabelList(4) = gLabelList(1) + gLabelList(2);
  gLabelList(5) = gLabelList(2) + "^2";
}

}  // namespace lesson
