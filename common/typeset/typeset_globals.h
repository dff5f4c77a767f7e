// Globals of the expression typesetter: the cell parameters, the measured
// width, the typesetter's cursor and its state, which is never reset between
// calls.
#pragma once

#include "platform/text.h"

namespace lesson {

using plat::Text;

struct TypesetGlobals {
  // Cell parameters, set by the caller before each boxed or table cell.
  float gCellWidth = 0, gCellHeight = 0;
  float gFigureColour = 0;  // box border
  float gAccentColour = 0;  // box fill
  float gMeasuredEndX = 0;  // advance width found by measuring

  // Cursor, line and text of the character typesetter.
  float gTypesetX = 0, gTypesetY = 0;
  Text gTypesetText;

  // Typesetter state, carried from one output to the next.
  float gRaiseHigh = 0;
  float gInFraction = 0;
  float gTallBrackets = 0;
  float gRootState = 0;
  float gRootStartX = 0;

  // Where the last fraction set its numerator and denominator.
  float gFractionNumeratorX = 0, gFractionNumeratorY = 0;
  float gFractionDenominatorX = 0, gFractionDenominatorY = 0;
};

}  // namespace lesson
