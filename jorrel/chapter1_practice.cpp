// Chapter 1, item ④: practice in taking out the common factor, from two fixed
// tables of worked factorisations.
#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

namespace {

// Row K of a table: the polynomial (gTermText(K)), its common factor
// (gTermText(K + 10)) and what stands in the bracket (gTermText(K + 20)).
struct FactorRow {
  const char* polynomial;
  const char* factor;
  const char* bracket;
};

// Common factors made of letters only.
constexpr FactorRow kLetterFactorRows[] = {
    {"ab-ac", "a", "b-c"},      {"bx+cx", "x", "b+c"},      {"2ax-3ay", "a", "2x-3y"},  {"3ax+5bx", "x", "3a+5b"},
    {"a^2b-ab^2", "ab", "a-b"}, {"ax^2-a^2x", "ax", "x-a"}, {"ax+bx+cx", "x", "a+b+c"}, {"ay-by-cy", "y", "a-b-c"},
};
// Common factors with a numerical coefficient.
constexpr FactorRow kCoefficientFactorRows[] = {
    {"4ax-2a", "2a", "2x-1"},   {"6x^2+3x", "3x", "2x+1"},      {"8a^2b-4b^2", "4b", "2a^2-b"},
    {"2ab-4b^2", "2b", "a-2b"}, {"18a^2b-12ab", "6ab", "3a-2"}, {"4abc+16ab-8bc", "4b", "ac+4a-2c"},
};

void LoadFactorRows(plat::Array1<Text>& terms, std::span<const FactorRow> rows) {
  const int n = static_cast<int>(rows.size());
  for (int k = 1; k <= n; ++k) terms(k) = Literal(rows[k - 1].polynomial);
  for (int k = 1; k <= n; ++k) terms(k + 10) = Literal(rows[k - 1].factor);
  for (int k = 1; k <= n; ++k) terms(k + 20) = Literal(rows[k - 1].bracket);
}

// The four parts of the practice, run in this order.
struct PracticePart {
  void (Jorrel::*load)();
  int rows;
  float top;            // the part's top line
  float wipeTop;        // the part wipes from here, 1300 high
  const char* heading;  // at (44, top), colour 0; none when null
  float problemY;
  const char* label;
  bool bracket;  // question 2: fill in the bracket behind the factor
  float boxWidth;
  int boxFill;
};
constexpr PracticePart kPracticeParts[] = {
    {&Jorrel::LoadLetterFactorTable, 8, 18, 0, "問1　次の式の共通因数をいいなさい。", 98, "(1) ", false, 108, 13},
    {&Jorrel::LoadCoefficientFactorTable, 6, 180, 170, nullptr, 180, "(2) ", false, 108, 13},
    {&Jorrel::LoadLetterFactorTable, 8, 300, 290, "問2　①をいいなさい。", 380, "(1) ", true, 135, 13},
    {&Jorrel::LoadCoefficientFactorTable, 6, 480, 470, nullptr, 480, "(2) ", true, 216, 11},
};

void WipeFrom(Frame& f, float top) { DrawPieces(f, {Wipe(0, top, 1320, top + 1300)}); }

}  // namespace

void Jorrel::LoadLetterFactorTable() { LoadFactorRows(gTermText, kLetterFactorRows); }
void Jorrel::LoadCoefficientFactorTable() { LoadFactorRows(gTermText, kCoefficientFactorRows); }

// The answer box on line y from x; drawn again at the same place it covers
// the empty box. The lesson line follows the box's right edge.
void Jorrel::DrawPracticeBox(float x, float y, float width, int fill, const Text& label) {
  gPenX = x;
  gPenY = y;
  gWorkText = label;
  gCellWidth = width;
  gCellHeight = 60;
  gTextColour = 5;
  gFigureColour = 3;
  gAccentColour = static_cast<float>(fill);
  DrawBoxedCellAround();
  gLineEndX = gPenX;
  gLineY = gPenY;
}

void Jorrel::RunCommonFactorPractice() {
  WipeFrom(*this, kPracticeParts[0].wipeTop);
  for (const PracticePart& part : kPracticeParts) {
    gInputValue = 3;
    gJorrelCounter = 0;
    while (gInputValue != 1) {
      (this->*part.load)();
      gJorrelCounter = gJorrelCounter == static_cast<float>(part.rows) ? 1 : gJorrelCounter + 1;
      const int k = static_cast<int>(gJorrelCounter);
      gLineStartX = 44;
      gLineY = part.top;
      WipeFrom(*this, part.wipeTop);
      if (part.heading) DrawPieces(*this, {At(44, part.top, 0, part.heading)});
      const float y = part.problemY;
      float boxX = 0;
      if (!part.bracket) {
        DrawTextLine(*this, 44, y, 0, Literal(part.label) + gTermText(k));
        DrawPieces(*this, {Continue(3, "共通因数は、", 88)});
        boxX = gLineEndX;
        DrawPracticeBox(boxX, y, part.boxWidth, part.boxFill, Text());
        WaitForKey();
        DrawPracticeBox(boxX, y, part.boxWidth, part.boxFill, gTermText(k + 10));
      } else {
        DrawTextLine(*this, 44, y, 0,
                     Literal(part.label) + gTermText(k) + Literal("=") + gTermText(k + 10) + Literal("("));
        boxX = gLineEndX + 20;
        DrawPracticeBox(boxX, y, part.boxWidth, part.boxFill, Literal("①"));
        DrawPieces(*this, {Continue(0, ")", 20)});
        WaitForKey();
        DrawPracticeBox(boxX, y, part.boxWidth, part.boxFill, gTermText(k + 20));
      }
      AskNextStep();
    }
  }
}

}  // namespace lesson
