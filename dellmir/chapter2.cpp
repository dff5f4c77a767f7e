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

// The sides of the bed and of the strip, each with its length.
constexpr ArcRow kBedLeftSide = {0, 0, 3, 0, 1, 7, Fixed(1), "2a"};
constexpr ArcRow kBedTopSide = {0, 0, 3, 0, -1, 7, Fixed(1), "3a"};
constexpr ArcRow kStripLeftSide = {0, 0, 3, 0, 1, 15, Fixed(1), "b"};
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

  const float left = gDellmirFigureLeft, top = gDellmirFigureTop;
  DrawArcBetween(kBedLeftSide, left, top, left, top + 2 * kSideA);
  DrawArcBetween(kBedTopSide, left, top, left + 3 * kSideA, top);
  WaitForKey();
  DrawFlowerBedCells(0, kSideB, 11, "");
  DrawArcBetween(kStripLeftSide, left, top + 2 * kSideA, left, top + 2 * kSideA + kSideB);
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
  SignCoin(slot, coinSides);
}

void Dellmir::SignCoin(int slot, float coinSides) {
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

void Dellmir::MakeCoefficientTexts(int first, int last) {
  for (int i = first; i <= last; ++i) {
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

void Dellmir::DrawAnchoredPieces(float x, std::span<const Text> pieces, std::span<const int> anchors) {
  for (size_t i = 0; i < pieces.size(); ++i) {
    const float penX = i == 0 ? x : gLineEndX;
    if (const int k = anchors[i]; k > 0) {
      gPointX(k) = penX + 27;
      gPointY(k) = gLineY;
    }
    DrawTextAt(*this, penX, gLineY, 0, pieces[i]);
    gLineEndX = gPenX;
  }
}

// The stroke rises to the right over the characters (27 each), from their
// foot to their top: 40 for a number on the line, 28 for a denominator.
void Dellmir::ShowCancelling(int number, float numberCharacters, const Text& reduced, int denominator,
                             float denominatorCharacters) {
  const float x = gNumListA(number), y = gNumListB(number);
  scr.Line(x, y + 40, x + 27 * numberCharacters, y, 3);
  DrawTextAt(*this, x, y - 30, 3, reduced);
  const float dx = gNumListA(denominator), dy = gNumListB(denominator);
  scr.Line(dx, dy + 28, dx + 27 * denominatorCharacters, dy, 3);
  DrawTextAt(*this, dx, dy + 28, 3, Literal("1"));
}

}  // namespace lesson
