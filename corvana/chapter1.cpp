// Chapter 1, quick calculation: the chapter's entry, goal screen, sub-menu and
// digit prompt, and the screen machinery that its four items share.
#include "corvana/corvana.h"

namespace lesson {

void Corvana::StartQuickCalculationChapter() {
  ShowQuickCalculationGoal();
  ShowQuickCalculationMenu();
}

void Corvana::ShowQuickCalculationGoal() {
  static constexpr auto kGoal = GoalPieces("速算の方法を見つけ、証明しよう。");
  DrawPieces(*this, kGoal);
}

// The items come back here and the item line is asked again; the end item
// returns to the main menu.
void Corvana::ShowQuickCalculationMenu() {
  static constexpr SubMenu kMenu = {"①1の位5　②5以外と10の位5　③5以外理由　④1の位の和10　⑤終了", 5, false};
  RunSubMenu<Corvana>(*this, kMenu, gCorvanaSubMenuChoice,
             {&Corvana::ShowSquaresEndingInFive, &Corvana::ShowSquaresOtherOnesDigit,
              &Corvana::ExplainQuickSquaringLimit, &Corvana::ShowOnesSumToTenProducts, nullptr});
}

// Asks for the digit of the place named in gFracUnreduced; the value typed is
// left in gTermValue(1) unchecked.
void Corvana::CorvanaAskDigit() {
  gPrintText = gFracUnreduced + Literal("の位を入力して下さい。");
  AskOnBottomLine();
  ClearBottomBand();
  gTermValue(1) = gInputValue;
}

// Asks again until the value is a whole digit from 1 to 9: the items square
// and multiply it in columns made for whole two-digit numbers, where a 2.5
// would run the columns together. A value that is not a number at all is
// refused as well.
void Corvana::AskDigitOneToNine(const char* placeName) {
  gFracUnreduced = Literal(placeName);
  auto isDigit = [](float v) { return v >= 1 && v <= 9 && v == plat::Int(v); };
  do {
    CorvanaAskDigit();
  } while (!isDigit(gTermValue(1)));
}

// Every screen of the chapter starts on a wiped window with the headings at
// x 30, the text block 27 further right and a pen width of 5, which the items
// leave in force.
void Corvana::BeginQuickScreen(float wipeWidth, float firstY) {
  scr.Line(0, 0, wipeWidth, 1800, 15, plat::kFilledBox, 15);
  gCorvanaHeadingX = 30;
  gLineStartX = gCorvanaHeadingX + 27;
  gLineY = firstY;
  scr.SetDrawWidth(0, 5);
}

void Corvana::FollowPen() {
  gLineEndX = gPenX;
  gLineY = gPenY;
}

void Corvana::RunSteps(std::span<const Step> steps) {
  float equalsX = gLineStartX;
  auto text = [this](const Piece& p) { DrawPieces(*this, std::span<const Piece>(&p, 1)); };
  auto box = [this](const Step& s) {
    gPenX = gNumListA(s.slot);
    gPenY = gNumListB(s.slot);
    gWorkText = Literal(s.text);
    gCellWidth = s.width;
    gCellHeight = 50;
    gFigureColour = static_cast<float>(s.border);
    gAccentColour = 13;
    gTextColour = static_cast<float>(s.colour);
    DrawBoxedCellAround();
  };
  for (const Step& s : steps) {
    switch (s.kind) {
      case Step::Kind::kPiece:
        text(s.piece);
        break;
      case Step::Kind::kHeading:
        text(At(gCorvanaHeadingX, gLineY + s.dy, s.colour, s.text));
        break;
      case Step::Kind::kUnderTable:
        text(At(gCorvanaHeadingX, gPointY(3) + s.dy, s.colour, s.text));
        break;
      case Step::Kind::kColumnStart:
        equalsX = gLineEndX;
        text(Continue(s.colour, s.text));
        break;
      case Step::Kind::kAtColumn:
        text(At(equalsX, gLineY + s.dy, s.colour, s.text));
        break;
      case Step::Kind::kBox:
        gNumListA(s.slot) = gLineEndX + s.dx;
        gNumListB(s.slot) = gLineY;
        box(s);
        FollowPen();
        break;
      case Step::Kind::kBoxAgain:
        box(s);
        break;
      case Step::Kind::kCell:
        gPenX = s.dx + (s.from == Step::From::kLineStart ? gLineStartX
                        : s.from == Step::From::kLineEnd ? gLineEndX
                                                          : gCorvanaHeadingX);
        gPenY = gLineY + s.dy;
        gWorkText = Literal(s.text);
        gCellWidth = s.width;
        gCellHeight = s.height;
        gFigureColour = static_cast<float>(s.border);
        gAccentColour = static_cast<float>(s.fill);
        gTextColour = static_cast<float>(s.colour);
        DrawBoxedCell();
        FollowPen();
        break;
      case Step::Kind::kColumn:
        gCorvanaHeadingX = s.dx;
        gLineStartX = s.dx + 54;
        gLineY = s.dy;
        break;
    }
  }
}

// A written multiplication: the upper factor two cells in on row 1, the times
// sign, a blank and the lower factor on row 2, the rule under both. The pen is
// left at the end of the lower factor.
void Corvana::DrawFactorColumn(float x, const Text& upper, const Text& lower) {
  DrawTextAt(*this, x + 54, gPointY(1), 0, upper);
  DrawTextAt(*this, x, gPointY(2), 0, Literal("* ") + lower);
  scr.Line(x, gPointY(3), x + 108, gPointY(3), 0);
}

// A square of three characters gets one blank in front, so that it ends under
// the factors like a four-digit one.
void Corvana::PadThreeDigitProducts() {
  for (int k = 1; k <= 9; ++k) {
    if (plat::Len(gTermText(k)) == 3) gTermText(k) = " " + gTermText(k);
  }
}

// gTermValue2(k) = step * k + offset and gTermValue(k) its square, k = 1 to 9,
// with their texts, the squares right-aligned.
void Corvana::FillSquares(float step, float offset) {
  for (int k = 1; k <= 9; ++k) {
    gTermValue2(k) = step * static_cast<float>(k) + offset;
    gTermValue(k) = plat::Checked(gTermValue2(k) * gTermValue2(k));
  }
  PrepareTextsAndKeyChoice();
  PadThreeDigitProducts();
}

// Seven written multiplications side by side under the current line, 162
// apart: factor k over factor k + lowerOffset, then the products in colour 3,
// all at once or one per key.
void Corvana::DrawProductTable(int lowerOffset, bool keyBeforeEachProduct) {
  gPointX(1) = gLineStartX;
  for (int k = 2; k <= 9; ++k) gPointX(k) = gPointX(k - 1) + 162;
  gPointY(1) = gLineY + 50;
  gPointY(2) = gPointY(1) + 50;
  gPointY(3) = gPointY(2) + 50;
  for (int k = 1; k <= 7; ++k) DrawFactorColumn(gPointX(k), gTermText2(k), gTermText2(k + lowerOffset));
  for (int k = 1; k <= 7; ++k) {
    if (keyBeforeEachProduct) WaitForKey();
    DrawTextAt(*this, gPointX(k), gPointY(3), 3, gTermText(k));
  }
}

}  // namespace lesson
