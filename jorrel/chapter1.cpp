// Chapter 1, factors and common factors: the entry, the goal screen, the
// sub-menu, item ① (what factorising means) and the factor rectangles.
#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

void Jorrel::StartCommonFactorChapter() {
  ShowCommonFactorGoal();
  ShowCommonFactorMenu();
}

void Jorrel::ShowCommonFactorGoal() {
  gLineStartX = 44;
  gLineY = 240;
  DrawPieces(*this, {At(44, 240, 3, "<めあて>"), NextLine(65, 0, "1 因数、因数分解の意味を理解しよう。", 32),
                     NextLine(65, 0, "2 共通因数をくくり出して、因数分解しよう。", 32)});
}

// Returns when the end item is chosen, back to the main menu.
void Jorrel::ShowCommonFactorMenu() {
  static constexpr SubMenu kMenu = {"①意味　②まとめ１　③共通因数　④練習　⑤まとめ２　⑥問１　⑦問２　⑧終了", 8, true};
  RunSubMenu(*this, kMenu, gJorrelSubMenuChoice,
             {&Jorrel::ShowFactorisationMeaning, &Jorrel::ShowCommonFactorSummary1, &Jorrel::ShowCommonFactors,
              &Jorrel::RunCommonFactorPractice, &Jorrel::ShowTakeOutCommonFactorSummary,
              &Jorrel::ShowCommonFactorQ1Answers, &Jorrel::ShowCommonFactorQ2Answers, nullptr});
}

// --- Item ①: the meaning of factorisation ---

namespace {

constexpr Piece kMeaningPageStart[] = {Wipe(0, 0, 1320, 1300), LineStart(66, 30)};

// The five factor rectangles of page 3: left side, top side, inside, and the
// equation written beside the rectangle.
struct FactorRectangle {
  const char* left;
  const char* top;
  const char* inside;
  const char* equation;
};
constexpr FactorRectangle kFactorRectangles[] = {
    {"1", "6", "6", "6=1*6"},       {"2", "3", "6", "6=2*3"},       {"2", "ab", "2ab", "2ab=2*ab"},
    {"a", "2b", "2ab", "2ab=a*2b"}, {"b", "2a", "2ab", "2ab=b*2a"},
};

}  // namespace

// The area figure of x^2+5x+6 with its sides marked and its boxes bare.
void Jorrel::DrawMeaningAreaFigure() {
  gJorrelFigureOriginX = 792;
  gJorrelFigureOriginY = 325;
  const char* sides[] = {"x", "2", "3"};
  for (int k = 1; k <= 8; ++k) gTermText2(k) = k <= 3 ? Literal(sides[k - 1]) : Text();
  DrawAreaFigure();
}

// Rectangle r (1 to 5) with its equation beside it; the lesson line stays.
void Jorrel::ShowFactorRectangle(int r) {
  const FactorRectangle& rect = kFactorRectangles[r - 1];
  gJorrelFigureOriginX = 220;
  gJorrelFigureOriginY = 425;
  gTermText2(1) = Literal(rect.left);
  gTermText2(2) = Literal(rect.top);
  gTermText2(3) = Literal(rect.inside);
  DrawFactorRectangle();
  DrawPieces(*this, {Tag(At(gJorrelFigureOriginX + 308, gJorrelFigureOriginY + 44, 0, rect.equation))});
}

void Jorrel::ShowFactorisationMeaning() {
  // Page 1: expanding and factorising.
  DrawPieces(*this, kMeaningPageStart);
  DrawPieces(*this, {At(22, 30, 0, "① 次の式を"), Continue(5, "展開"), Continue(0, "しなさい。")});
  gJorrelExpandLineEndX = gLineEndX;
  gJorrelExpandLineEndY = gLineY;
  DrawPieces(*this, {At(330, 90, 0, "(x+2)(x+3)="), Wait(), Continue(0, "x^2+5x+6"), Wait(),  //
                     At(22, 150, 0, "② 次の式を"), Continue(5, "因数分解"), Continue(0, "しなさい。")});
  gJorrelFactorLineEndX = gLineEndX;
  gJorrelFactorLineEndY = gLineY;
  DrawPieces(*this, {At(330, 210, 0, "x^2+5x+6="), Wait(), Continue(0, "(x+2)(x+3)")});
  gJorrelSavedLineY = gLineY;
  DrawPieces(*this, {Wait(), Tag(At(gJorrelExpandLineEndX + 44, gJorrelExpandLineEndY, 3, "積→和")),
                     Tag(At(gJorrelFactorLineEndX + 44, gJorrelFactorLineEndY, 3, "和→積")), Wait()});
  DrawMeaningAreaFigure();
  // The area is written across the square, whose fill is colour 3: in colour
  // 3 it would not be seen at all, so it takes the colour of the box labels,
  // as on page 2.
  DrawPieces(*this, {Tag(At(gJorrelFigureOriginX + 110, gJorrelFigureOriginY + 120, 13, "x^2+5x+6")), Wait(),
                     At(66, gJorrelSavedLineY + 60, 3, "図では"), Wait(),                         //
                     At(66, 330, 5, "展開"), Continue(0, "………式から面積を求めること"),            //
                     At(66, 390, 5, "因数分解"), Continue(0, "…面積から式を求めること"), Wait(),  //
                     At(66, 460, 3, "(縦と横の長さをみつけること）"), Wait(), Wait()});

  // Page 2: the factors of x^2+5x+6.
  DrawPieces(*this, kMeaningPageStart);
  DrawPieces(*this, {At(198, 30, 0, "x^2+5x+6=(x+2)(x+3)"),                                                      //
                     At(22, 90, 0, "③ x^2+5x+6の"), Continue(5, "因数"), Continue(0, "をいいなさい。"), Wait(),  //
                     At(66, 150, 3, " x+2 と x+3 "), Continue(7, " (かけられている数・文字式)")});
  gJorrelSavedLineY = gLineY;
  DrawPieces(*this, {Wait()});
  DrawMeaningAreaFigure();
  DrawPieces(*this, {Tag(At(gJorrelFigureOriginX + 110, gJorrelFigureOriginY + 120, 13, "x^2+5x+6")), Wait(),
                     At(66, gJorrelSavedLineY + 90, 3, "図では"), Wait(),  //
                     At(66, 300, 5, "因数"), Continue(0, "…縦、横の長さのこと"), Wait(), Wait()});

  // Page 3: what a factor is; the factors of 6 and of 2ab. The partial wipes
  // take away the last rectangle and keep the answer lines above growing.
  DrawPieces(*this, kMeaningPageStart);
  DrawPieces(*this, {At(66, 30, 5, "因数"), Continue(0, "…かけられている数・文字式"),
                     Continue(7, " (図では、縦、横の長さ)"), Wait(),  //
                     At(22, 90, 0, "④ 6の因数をいいなさい。"), Wait()});
  ShowFactorRectangle(1);
  // Every partial wipe starts at y 370, over the top marks' labels (at y 365),
  // so that none of a label is left above it for the next rectangle's label.
  DrawPieces(*this, {Wait(), At(110, 150, 3, "1,6"), Wait(), Wipe(0, 370, 1320, 1670)});
  ShowFactorRectangle(2);
  DrawPieces(*this, {Wait(), Continue(3, ",2,3"), Wait(), Continue(7, "6の約数", 88), Wait(),  //
                     At(22, 210, 0, "⑤ 2abの因数をいいなさい。"), Wait(), Wipe(0, 370, 1320, 1670)});
  ShowFactorRectangle(3);
  DrawPieces(*this, {Wait(), At(110, 270, 3, "2,ab"), Wait(), Wipe(0, 370, 1320, 1670)});
  ShowFactorRectangle(4);
  DrawPieces(*this, {Wait(), Continue(3, ",a,2b"), Wait(), Wipe(0, 370, 1320, 1670)});
  ShowFactorRectangle(5);
  DrawPieces(*this, {Wait(), Continue(3, ",b,2a,…")});
}

// --- Factor rectangles ---

namespace {

// Boxes: border 0, inside label 13. Marks: dots 9, label 0, arc height 16;
// the left mark lies outside to the left, the top marks above.
constexpr Jorrel::FigureStep kFactorRectangleSteps[] = {
    {true, 0, 0, 220, 132, 3, 0, 3},
    {false, 0, 0, 0, 132, 1, 2, 1},
    {false, 0, 0, 220, 0, -1, 1, 2},
};
constexpr Jorrel::FigureStep kCommonFactorRectangleSteps[] = {
    {true, 0, 0, 176, 110, 3, 0, 3}, {false, 0, 0, 0, 110, 1, 2, 1},  // the common height serves both boxes
    {false, 0, 0, 176, 0, -1, 1, 2}, {true, 176, 0, 88, 110, 4, 0, 6}, {false, 176, 0, 264, 0, -1, 1, 5},
};

}  // namespace

// Draws with the pen width in force; leaves the lesson line alone.
void Jorrel::DrawFigureSteps(std::span<const FigureStep> steps) {
  const float x0 = gJorrelFigureOriginX, y0 = gJorrelFigureOriginY;
  for (const FigureStep& s : steps) {
    if (s.box) {
      gPenX = x0 + s.x;
      gPenY = y0 + s.y;
      gCellWidth = s.x2;
      gCellHeight = s.y2;
      gFigureColour = 0;
      gAccentColour = static_cast<float>(s.fillOrSide);
      gTextColour = 13;
      gWorkText = gTermText2(s.slot);
      DrawBoxedCell();
    } else {
      gP1X = x0 + s.x;
      gP1Y = y0 + s.y;
      gP2X = x0 + s.x2;
      gP2Y = y0 + s.y2;
      gFigureColour = 9;
      gTextColour = 0;
      gArcHeight = 1;
      gArcSide = static_cast<float>(s.fillOrSide);
      gCellWidth = static_cast<float>(s.step);
      gLabelText = gTermText2(s.slot);
      DrawDottedArcOverSegment();
    }
  }
}

void Jorrel::DrawFactorRectangle() { DrawFigureSteps(kFactorRectangleSteps); }
void Jorrel::DrawCommonFactorRectangles() { DrawFigureSteps(kCommonFactorRectangleSteps); }

}  // namespace lesson
