// Chapter 2, polynomials times monomials: the sub-menu and the flower-bed
// introduction, and the coefficient texts and signed draws of its random
// problems.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

constexpr SubMenu kPolynomialByMonomialMenu = {"①導入　②例１　③問1　④例2　⑤問２　⑥終了", 6, true};

// The flower bed: a bed of 2 x 3 squares of side a (88 units), lengthened
// by a strip b (70 units) high. The cells are drawn row by row from the top.
constexpr float kSideA = 88, kSideB = 70;

// The figure's corners, as arc ends: 1 the bed's top left, 2 its bottom left,
// 3 its top right, 4 the strip's bottom left.
constexpr ArcRow kBedSides[] = {
    {1, 2, 3, 0, 1, 7, Fixed(1), "2a"},
    {1, 3, 3, 0, -1, 7, Fixed(1), "3a"},
};
constexpr ArcRow kStripSide[] = {{2, 4, 3, 0, 1, 15, Fixed(1), "b"}};
// Over the expression (2a+b)*3a: 2a with 3a, then b with 3a, lower.
constexpr ArcRow kPairWithThreeA[] = {{1, 3, 9, 0, -1, 1, Fixed(2), ""}};
constexpr ArcRow kPairBWithThreeA[] = {{2, 3, 7, 0, -1, 1, Fixed(1), ""}};

// The pieces of the area expression after "(2", each starting where the one
// before ended; the pen at its start is kept in gPointX/gPointY(k).
constexpr const char* kAreaPieces[] = {"a+", "b)*3", "a"};

}  // namespace

void Dellmir::ShowPolynomialByMonomialMenu() {
  RunSubMenu(*this, kPolynomialByMonomialMenu, gDellmirSubMenuChoice,
             {&Dellmir::ShowPolynomialByMonomialIntro, &Dellmir::RunDistributiveExample1,
              &Dellmir::ShowDistributiveQ1Answers, &Dellmir::RunDistributiveExample2,
              &Dellmir::ShowDistributiveQ2Answers, nullptr});
}

void Dellmir::ShowPolynomialByMonomialIntro() {
  DrawPieces(*this, {
                        Wipe(0, 0, 1320, 1300),
                        LineStart(44, 30),
                        PenWidth(5),
                        NextLine(0, 0, "縦2am,横3amの長方形の花壇があります。"),
                        NextLine(60, 0, "縦をbmだけのばしたときの花壇の面積を求めなさい。"),
                    });
  gDellmirFigureTop = gPenY + 120;
  DrawFlowerBedCells(2, kSideA, 13, "");

  // The arcs of the bed's sides, then the strip and its side.
  gPointX(1) = gLineStartX + 100;
  gPointY(1) = gDellmirFigureTop;
  gPointX(2) = gPointX(1);
  gPointY(2) = gPointY(1) + 2 * kSideA;
  gPointX(3) = gPointX(1) + 3 * kSideA;
  gPointY(3) = gPointY(1);
  gPointX(4) = gPointX(1);
  gPointY(4) = gPointY(2) + kSideB;
  DrawArcRows(kBedSides);
  WaitForKey();
  DrawFlowerBedCells(0, kSideB, 11, "");
  DrawArcRows(kStripSide);
  DrawPieces(*this, {Wait(), NextLine(60, 5, "<式>", 440), Wait(), NextLine(60, 0, "(2", 484)});
  gDellmirSavedLineY = gPenY;
  for (int k = 1; k <= 3; ++k) {
    gPointX(k) = gLineEndX;
    gPointY(k) = gLineY;
    DrawTextAt(*this, gLineEndX, gLineY, 0, Literal(kAreaPieces[k - 1]));
    gLineEndX = gPenX;
  }
  WaitForKey();
  DrawFlowerBedCells(2, kSideA, 13, "a^2");
  DrawFlowerBedCells(0, kSideB, 11, "ab");
  DrawPieces(*this, {Wait(), NextLine(140, 5, "=6a^2+3ab (m^2)", 440), Wait()});
  DrawTextLine(*this, gLineStartX + 440, gDellmirSavedLineY + 70, 0, Literal("=2a*3a+b*3a"));
  WaitForKey();
  DrawArcRows(kPairWithThreeA, true);
  WaitForKey();
  DrawArcRows(kPairBWithThreeA, true);
  DrawPieces(*this, {Wait(), NextLine(150, 3, "分配法則を使う！", 440)});
}

// rows > 0: that many rows of squares from the figure's top, the left edge
// set again at the start of each row; rows = 0: the one row of the strip
// under the bed, from the left edge that stands.
void Dellmir::DrawFlowerBedCells(int rows, float height, int fill, const char* text) {
  gCellWidth = kSideA;
  gCellHeight = height;
  gFigureColour = 0;
  gAccentColour = static_cast<float>(fill);
  gTextColour = 5;
  for (int i = 1; i <= (rows > 0 ? rows : 1); ++i) {
    if (rows > 0) gDellmirFigureLeft = gLineStartX + 100;
    for (int j = 1; j <= 3; ++j) {
      gPenX = gDellmirFigureLeft + kSideA * static_cast<float>(j - 1);
      gPenY = rows > 0 ? gDellmirFigureTop + kSideA * static_cast<float>(i - 1) : gDellmirFigureTop + 2 * kSideA;
      gWorkText = Literal(text);
      DrawBoxedCell();
    }
  }
}

// --- Random problems of the chapter ---

void Dellmir::DrawSignedTerm(int slot, float count, float lowest, float coinSides) {
  gTermValue(slot) = plat::Int(scr.Rnd() * count + lowest);
  gRandomPick = plat::Int(scr.Rnd() * coinSides);
  // Every side of the coin but the highest negates.
  if (gRandomPick < coinSides - 1) gTermValue(slot) = -gTermValue(slot);
}

void Dellmir::DrawFirstCoefficient(int slot) {
  do {
    DrawSignedTerm(slot, 5, 1);
  } while (gTermValue(slot) == gDellmirPreviousFirstCoefficient);
  gDellmirPreviousFirstCoefficient = gTermValue(slot);
}

void Dellmir::MakeCoefficientTexts(int last) {
  for (int i = 1; i <= last; ++i) {
    float v = gTermValue(i);
    if (v == 1 || v == 0) {
      gTermText(i).clear();
    } else if (v == -1) {
      gTermText(i) = Text(1, '-');
    }
    if (v > 0) gTermText(i) = "+" + gTermText(i);
  }
}

void Dellmir::StripPlusOf(std::initializer_list<int> slots) {
  for (int k : slots) {
    gWorkText = gTermText(k);
    StripLeadingPlus();
    gTermText(k) = gWorkText;
  }
}

// The items of the chapter's third part.
void Dellmir::ShowDistributiveQ1Answers() {}
void Dellmir::RunDistributiveExample2() {}
void Dellmir::ShowDistributiveQ2Answers() {}

}  // namespace lesson
