// The expression typesetter: formulas in the lessons' plain markup, measured
// text, boxed cells, labels and table cells.
//
// The markup ("(10x+5)^2", a fraction between two "ﾀ" markers, "!" for a root
// sign whose overline runs to "ﾝ", ...) is drawn character by character with
// fixed advances. Those advances are also the only text widths the library
// knows: a text is measured by typesetting it off the page and reading where
// the pen ends, so boxed cells, fraction bars and the lessons' layouts all rest
// on them and must not change.
//
// The typesetter state (gRaiseNext, gRaiseHigh, gInFraction, gTallBrackets,
// gRootState, gRootStartX) is never reset on entry: a root overline runs on
// until "ﾝ", tall brackets until a tall ")", a raise until a character takes
// it, across any number of outputs. Measuring moves that state exactly as
// drawing does.
#pragma once

#include <utility>
#include <vector>

#include "common/frame/frame.h"

namespace lesson {

class Typeset : public Frame {
 public:
  using Frame::Frame;

  // --- Driver and measuring ---

  // Draws gPrintText (markup) at the pen in gTextColour and consumes it; the
  // pen ends after the last piece on the same line. Fractions go to
  // DrawStackedFraction, "#" draws a tall root sign, "^" raises the next
  // character, everything else goes to TypesetChars one character at a time.
  // The pen width on return is the width at entry.
  void DrawExpression() override;

  // gMeasuredEndX = the advance width of gWorkText in the current typesetter
  // mode (for example the compact forms while gInFraction is 1). Nothing is
  // drawn or traced; the typesetter state moves as drawing would move it.
  // The caller's pen and gWorkText come back unchanged; gPrintText is left
  // empty. Re-entrant: a fraction inside the measured text measures its parts.
  void MeasureTextWidth();

  // StripMarkupMarkers (removing the markup markers from gWorkText) is the
  // frame's: the fraction texts use it too.

  // --- Fractions and characters ---

  // Sets gWorkText = numerator "/" denominator as a stacked fraction at the
  // pen; the pen moves on by the bar length. Records where the numerator and
  // the denominator were set (gFractionNumeratorX/Y, gFractionDenominatorX/Y).
  void DrawStackedFraction();

  // Sets gWorkText character by character at the pen: the substitutions, the
  // markers, the root signs, "&", the program's own stroke marks and the glyph
  // rules, each followed by the overline step. Leaves the pen after the text,
  // the face Gothic 16 not bold, the pen width as at entry.
  void TypesetChars();

  // Dellmir's stroke marks for "ﾏ", "ﾐ" and "ﾑ", tried for every character
  // after the "&" sign and before the glyph rules. On entry gChar holds the
  // character (after the substitutions), gTypesetX/gTypesetY the cursor and
  // line, gInFraction the mode. A rule that takes the character draws its
  // stroke, empties gChar, sets the pen width to 3, advances gTypesetX, sets
  // gRootStartX to the new cursor (and gRootState where the mark opens an
  // overline) and returns true; the character is then finished, without the
  // overline step. Returning false hands the character on to the glyph rules
  // unchanged. The other programs have no stroke marks.
  virtual bool DellmirStrokeMarkRules() { return false; }

  // --- Cells ---

  // A filled gCellWidth x gCellHeight box at the pen (border gFigureColour,
  // fill gAccentColour) with gWorkText centred in it; the pen moves to the
  // next cell of the row (x0 + width, y0).
  void DrawBoxedCell();
  // The same cell with its text `units` higher than centred: for a heading
  // whose kanji would otherwise reach the border shared with the row below.
  void DrawBoxedCellRaised(float units);
  // The same box around a text that stays on the current text line at the
  // pen: the 44 units of the line lie in the box's middle.
  void DrawBoxedCellAround();
  // One box with gFracUnreduced in its upper and gFracReduced in its lower
  // half (the upper text alone, lower down, when gFracReduced is empty).
  void DrawBoxedTwoTextCell();

  // --- Labels and table cells ---

  // Draws gPrintText in the compact label style (no markup) at the pen and
  // consumes it; the pen ends after the label.
  void DrawLabelText();
  // gMeasuredEndX = the width of gWorkText in the label style; the pen comes
  // back unchanged, gWorkText and gPrintText do not.
  void MeasureLabelWidth();
  // A boxed cell with gWorkText centred in the label style.
  void DrawTableCell();
  // A boxed cell with gFracUnreduced above gFracReduced in the label style.
  void DrawTwoTextTableCell();

 protected:
  // gTextColour as the palette index the screen takes.
  int InkColour() const;
  // Sets the pen width from a lesson number.
  void SetPen(float width);
  // One glyph of gChar with its cell's top-left at (x, y).
  void PutGlyph(float x, float y, int h, int v);
  // A sign drawn as a polyline: the cursor moves on by the advance and an
  // open overline begins again after it.
  void SetSign(int penWidth, const std::vector<std::pair<float, float>>& stroke, float advance);
  void GlyphRules();
  void OverlineStep();
  void LabelRule();
  // Sets gWorkText with the given routine at (0, 1800) without drawing;
  // gMeasuredEndX = where the pen ends. The caller's pen comes back.
  void MeasureOffPage(void (Typeset::*typeset)());
  void BoxedCell(bool aroundLine, float raise = 0);
  // The filled box of the cells, from (x0, y0) to (x0 + gCellWidth, y0 + gCellHeight).
  void CellBox(float x0, float y0);
  // Measures gWorkText with gTallBrackets kept as it is now; the horizontal
  // offset that centres it in gCellWidth, never below 0.
  float CentredOffset();
  // The horizontal offset that centres a measured width in gCellWidth.
  float CentreInCell() const;
};

}  // namespace lesson
