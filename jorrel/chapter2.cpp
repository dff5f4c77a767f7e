// Chapter 2, the formula (x+a)(x+b) used backwards: the entry, the goal
// screen, the sub-menu, item ① (x^2+7x+12 with the area figures) and the
// table of candidate pairs that the later chapters show as well.
#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

void Jorrel::StartFormula1BackwardsChapter() {
  ShowFormula1BackwardsGoal();
  ShowFormula1BackwardsMenu();
}

void Jorrel::ShowFormula1BackwardsGoal() {
  gLineStartX = 44;
  gLineY = 240;
  DrawPieces(*this, {At(44, 240, 3, "<めあて>"), NextLine(65, 0, "公式１を逆に使って、因数分解しよう。", 32)});
}

// Returns when the end item is chosen, back to the main menu.
void Jorrel::ShowFormula1BackwardsMenu() {
  static constexpr SubMenu kMenu = {"①課題　②練習1　③問1　④練習２　⑤問2　⑥練習３　⑦問3　⑧終了", 8, true};
  RunSubMenu(*this, kMenu, gJorrelSubMenuChoice,
             {&Jorrel::ShowFormula1BackwardsTask, &Jorrel::RunFormula1BackwardsPractice1,
              &Jorrel::ShowFormula1BackwardsQ1Answers, &Jorrel::RunFormula1BackwardsPractice2,
              &Jorrel::ShowFormula1BackwardsQ2Answers, &Jorrel::RunFormula1BackwardsPractice3,
              &Jorrel::ShowFormula1BackwardsQ3Answers, nullptr});
}

// --- The table of candidate pairs ---

void Jorrel::ShowFactorPairTable() {
  gPointX(31) = gJorrelPairTableX;
  gPointY(31) = gJorrelPairTableY;
  const float x = gPointX(31), y = gPointY(31);
  // Every cell is 50 high with its text in colour 0 and a border in colour 3.
  // The headings' kanji reach 46 units below their text line: 2 units higher
  // than centred they end above the rows' boxes, whose borders would cut them.
  auto cell = [this](float width, int fill, const Text& text, float raise = 0) {
    gCellWidth = width;
    gCellHeight = 50;
    gTextColour = 0;
    gFigureColour = 3;
    gAccentColour = static_cast<float>(fill);
    gWorkText = text;
    DrawBoxedCellRaised(raise);
  };
  gPenX = x;
  gPenY = y;
  cell(264, 11, gLabelList(1), 2);
  cell(220, 13, gLabelList(2), 2);  // from where the first cell left the pen
  WaitForKey();
  const float rows = gDivisorPairCount;
  for (gLoopIndex = 1; gLoopIndex <= rows; gLoopIndex += 1) {
    gPenX = x;
    gPenY = y + 50 * gLoopIndex;
    cell(264, 13, gTermText2(gLoopIndex) + SJ("と") + gTermText2(gLoopIndex + 20));
  }
  WaitForKey();
  for (gLoopIndex = 1; gLoopIndex <= rows; gLoopIndex += 1) {
    gPenX = x + 264;
    gPenY = y + 50 * gLoopIndex;
    const bool sum = gTermValue2(gLoopIndex) + gJorrelPairSign * gTermValue2(gLoopIndex + 20) == gPointX(1);
    cell(220, 11, sum ? SJ("○") : SJ("×"));
  }
}

void Jorrel::ListCandidatePairs() {
  const float sign = gDivisorNumber < 0 ? -1.0f : 1.0f;
  ListDivisorPairs();
  const float pairs = gDivisorPairCount;
  for (int k = 1; k <= static_cast<int>(pairs); ++k) {
    gTermValue2(k) = gPointX(k);
    gTermValue2(k + 20) = sign * gPointY(k);
    gTermValue2(pairs + k) = -gPointX(k);
    gTermValue2(pairs + k + 20) = -sign * gPointY(k);
  }
}

void Jorrel::ShowProblemPairTable() {
  gJorrelPairTableX = gLineStartX + 640;
  gJorrelPairTableY = 60;
  gLabelList(1) = SJ("積が") + gTermText(6);
  gLabelList(2) = SJ("和が") + gTermText(5);
  gPointX(1) = gTermValue(3);
  gJorrelPairSign = 1;
  gDivisorPairCount = 2 * gDivisorPairCount;
  ShowFactorPairTable();
}

void Jorrel::PrepareSignedTermTexts(int last) {
  PrepareTextsAndKeyChoice();
  if (gTermValue(3) == 1) {
    gTermText(3) = Text();
  } else if (gTermValue(3) == -1) {
    gTermText(3) = Text(1, '-');
  }
  PrefixPlusSigns(last);
}

void Jorrel::PrefixPlusSigns(int last) {
  for (gLoopIndex = 1; gLoopIndex <= static_cast<float>(last); gLoopIndex += 1)
    if (gTermValue(gLoopIndex) > 0) gTermText(gLoopIndex) = "+" + gTermText(gLoopIndex);
}

// --- Item ①: x^2+7x+12 ---

namespace {

// The labels gTermText2(1) to (8) of the area figures: the sides, the strip
// widths (left open as ○ and △ until they are found), the boxes.
using FigureLabels = const char* [8];
constexpr FigureLabels kOpenLabels = {"x", "○", "△", "x^2", "", "", "12", "7x"};
constexpr FigureLabels kFoundLabels = {"x", "3", "4", "x^2", "3x", "4x", "12", "7x"};

}  // namespace

void Jorrel::ShowFormula1BackwardsTask() {
  auto figure = [this](const FigureLabels& labels) {
    for (int k = 1; k <= 8; ++k) gTermText2(k) = Literal(labels[k - 1]);
    DrawAreaFigure();
  };
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300), LineStart(66, 30), At(22, 30, 0, "課題 次の式を因数分解しなさい。")});
  DrawTextAt(*this, gLineStartX + 44, gLineY + 80, 0, SJ("x^2+7x+12"));
  gJorrelSavedY = gPenY;
  WaitForKey();
  gJorrelFigureOriginX = 792;
  gJorrelFigureOriginY = 100;
  figure(kOpenLabels);
  WaitForKey();
  // The figures move the lesson line: the answer line keeps its own place.
  DrawTextLine(*this, gLineStartX, gJorrelSavedY + 60, 0, SJ("="));
  gJorrelSavedX = gPenX - 44;
  gJorrelSavedY = gPenY;
  DrawPieces(*this, {Continue(3, "(x+○)(x+△)"), Wait()});
  DrawRegroupedAreaFigure();
  WaitForKey();
  const float figureLeft = gJorrelFigureOriginX - 88;
  DrawPieces(*this, {Wipe(figureLeft, 0, figureLeft + 1320, 1300)});
  figure(kFoundLabels);
  WaitForKey();
  DrawPieces(*this, {Wipe(0, gJorrelSavedY, 440, gJorrelSavedY + 60)});
  DrawTextLine(*this, gJorrelSavedX, gJorrelSavedY, 0, SJ("="));
  gJorrelSavedX = gPenX;
  gJorrelSavedY = gPenY;
  DrawPieces(*this, {Continue(5, "(x+3)(x+4)"), Wait(), Wipe(figureLeft, 0, figureLeft + 1320, 1300)});
  figure(kOpenLabels);
  DrawRegroupedAreaFigure();
  DrawTextLine(*this, gLineStartX, gJorrelSavedY + 60, 3, SJ("<さがし方>"));
  DrawPieces(*this, {Wait(), NextLine(60, 0, "積が12、和が7となる数をさがす"), Wait()});

  // The pairs of 12, tested against the sum 7.
  gTermValue(1) = 12;
  gTermValue(2) = 7;
  gJorrelPairTableX = gLineStartX;
  gJorrelPairTableY = gLineY + 60;
  gDivisorNumber = 12;
  ListDivisorPairs();
  for (int k = 1; k <= 20; ++k) {
    gTermValue2(k) = gPointX(k);
    gTermValue2(k + 20) = gPointY(k);
  }
  PrepareTextsAndKeyChoice();
  gLabelList(1) = SJ("積が") + gTermText(1);
  gLabelList(2) = SJ("和が") + gTermText(2);
  gPointX(1) = gTermValue(2);
  gJorrelPairSign = 1;
  ShowFactorPairTable();
  DrawPieces(*this, {Wait(), NextLine(300, 5, "公式１' x^2+(a+b)x+ab=(x+a)(x+b)")});
}

}  // namespace lesson
