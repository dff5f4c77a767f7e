// Boxed cells, the label typesetter and the table cells.
#include "common/typeset/markup_chars.h"
#include "common/typeset/typeset.h"

namespace lesson {

namespace {

// Heights of the text lines that the cells centre vertically.
constexpr float kTextLine = 44;      // a line of expression text
constexpr float kFractionLine = 50;  // a line holding a stacked fraction
constexpr float kLabelLine = 26;     // a line of label text

bool HoldsFraction(const Text& t) { return plat::InStr(t, mark::kFractionMarker()) > 0; }

// Offset that centres a line of the given height in a span, rounded down.
float LineOffset(float span, float line) { return plat::Int((span - line) / 2); }

}  // namespace

void Typeset::CellBox(float x0, float y0) {
  scr.Line(x0, y0, x0 + gCellWidth, y0 + gCellHeight, plat::CInt(gFigureColour), plat::kFilledBox,
           plat::CInt(gAccentColour));
}

float Typeset::CentreInCell() const {
  // A text wider than the cell starts at its left edge and runs past it.
  const float dx = (gCellWidth - gMeasuredEndX) / 2;
  return dx < 0 ? 0 : dx;
}

float Typeset::CentredOffset() {
  // Measuring clears the tall brackets at a tall ")" as drawing does; the
  // drawing pass must see them as the caller set them.
  const float tall = gTallBrackets;
  MeasureTextWidth();
  gTallBrackets = tall;
  return CentreInCell();
}

void Typeset::BoxedCell(bool aroundLine, float raise) {
  const float x0 = gPenX, y0 = gPenY;
  const Text text = gWorkText;
  const float dx = CentredOffset();
  if (aroundLine) {
    // The text stays on its line; the line's 44 units lie in the box's
    // middle, a fraction's too.
    CellBox(x0, y0 - LineOffset(gCellHeight, kTextLine));
    gPenY = y0;
  } else {
    CellBox(x0, y0);
    gPenY = y0 + LineOffset(gCellHeight, HoldsFraction(text) ? kFractionLine : kTextLine) - raise;
  }
  gPenX = x0 + dx;
  gPrintText = text;
  DrawExpression();
  gPenX = x0 + gCellWidth;
  gPenY = y0;
}

void Typeset::DrawBoxedCell() { BoxedCell(false); }

void Typeset::DrawBoxedCellRaised(float units) { BoxedCell(false, units); }

void Typeset::DrawBoxedCellAround() { BoxedCell(true); }

void Typeset::DrawBoxedTwoTextCell() {
  const float x0 = gPenX, y0 = gPenY;
  const float tall = gTallBrackets;
  const float half = gCellHeight / 2;

  const Text upper = gFracUnreduced;
  gWorkText = upper;
  const float dx1 = CentredOffset();
  float y1 = y0 + (HoldsFraction(upper) ? LineOffset(half, kFractionLine) : LineOffset(half, kTextLine));
  CellBox(x0, y0);
  if (gFracReduced.empty()) y1 += 25;  // the upper text alone stands lower
  gPenX = x0 + dx1;
  gPenY = y1;
  gPrintText = upper;
  DrawExpression();

  const Text lower = gFracReduced;
  gWorkText = lower;
  MeasureTextWidth();  // with the tall brackets as drawing the upper text left them
  gTallBrackets = tall;
  const float dx2 = CentreInCell();
  // The lower text stands one line below the upper text's unshifted place.
  const float y2 = y0 + (HoldsFraction(lower) ? kFractionLine + LineOffset(half, kFractionLine)
                                              : kTextLine + LineOffset(half, kTextLine));
  gPenX = x0 + dx2;
  gPenY = y2;
  gPrintText = lower;
  DrawExpression();
  gPenX = x0 + gCellWidth;
  gPenY = y0;
}

void Typeset::DrawLabelText() {
  for (;;) {
    gTypesetX = gPenX;
    gTypesetY = gPenY;
    gSavedDrawWidth = static_cast<float>(scr.GetDrawWidth(0));
    if (gPrintText.empty()) {
      scr.SetFontBold(0, 0);
      SetPen(gSavedDrawWidth);
      scr.SetFontSize(0, 16);
      return;
    }
    gWorkText = plat::Left(gPrintText, 1);
    gPrintText.erase(0, gWorkText.size());
    gTypesetText = gWorkText;
    gChar = gWorkText;
    scr.SetFontBold(0, 1);
    scr.SetFontSize(0, 15);
    LabelRule();
    gPenX = gTypesetX;
    gPenY = gTypesetY;
  }
}

void Typeset::LabelRule() {
  const float x = gTypesetX, y = gTypesetY;
  float advance;
  if (gChar == "." || gChar == ",") {
    PutGlyph(x, y, 3, 2);
    advance = 8;
  } else if (gChar == "(") {
    PutGlyph(x - 8, y, 3, 2);
    advance = 12;
  } else if (gChar == ")") {
    PutGlyph(x, y, 3, 2);
    advance = 8;
  } else if (gChar == " ") {
    advance = 20;
  } else if (gChar.size() == 2) {
    PutGlyph(x, y, 2, 2);
    advance = 30;
  } else if (gChar == "a" || gChar == "x" || gChar == "c") {
    scr.SetFontName(0, mark::kSerifFace());
    scr.SetFontSize(0, 8);
    scr.SetFontItalic(0, 1);
    PutGlyph(x + 4, y - 12, 7, 4);
    scr.SetFontName(0, mark::kGothicFace());
    scr.SetFontSize(0, 13);
    scr.SetFontItalic(0, 0);
    gChar.clear();
    advance = 20;
  } else if (gChar == "y") {
    PutGlyph(x, y - 6, 3, 2);
    advance = 20;
  } else {
    PutGlyph(x, y, 3, 2);
    advance = 20;
  }
  gTypesetX += advance;
}

void Typeset::MeasureLabelWidth() { MeasureOffPage(&Typeset::DrawLabelText); }

void Typeset::DrawTableCell() {
  const float x0 = gPenX, y0 = gPenY;
  const Text text = gWorkText;
  MeasureLabelWidth();
  const float dx = CentreInCell();
  CellBox(x0, y0);
  gPenX = x0 + dx;
  gPenY = y0 + LineOffset(gCellHeight, kLabelLine);
  gPrintText = text;
  DrawLabelText();
  gPenX = x0 + gCellWidth;
  gPenY = y0;
}

void Typeset::DrawTwoTextTableCell() {
  const float x0 = gPenX, y0 = gPenY;
  const Text upper = gFracUnreduced;
  gWorkText = upper;
  MeasureLabelWidth();
  const float dx1 = CentreInCell();
  const float line = y0 + LineOffset(gCellHeight / 2, kLabelLine);
  CellBox(x0, y0);
  gPenX = x0 + dx1;
  gPenY = gFracReduced.empty() ? line + 15 : line;  // the upper text alone stands lower
  gPrintText = upper;
  DrawLabelText();

  const Text lower = gFracReduced;
  gWorkText = lower;
  MeasureLabelWidth();
  gPenX = x0 + CentreInCell();
  gPenY = line + 30;
  gPrintText = lower;
  DrawLabelText();
  gPenX = x0 + gCellWidth;
  gPenY = y0;
}

}  // namespace lesson
