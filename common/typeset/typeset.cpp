// The expression driver, measuring and stacked fractions.
#include "common/typeset/typeset.h"

#include "common/typeset/markup_chars.h"

namespace lesson {

using plat::InStr;

int Typeset::InkColour() const { return plat::CInt(gTextColour); }

void Typeset::SetPen(float width) { scr.SetDrawWidth(0, plat::CInt(width)); }

void Typeset::DrawExpression() {
  for (;;) {
    gSavedDrawWidth = static_cast<float>(scr.GetDrawWidth(0));
    if (gPrintText.empty()) {
      SetPen(gSavedDrawWidth);
      return;
    }
    gWorkText = plat::Left(gPrintText, 1);
    gPrintText.erase(0, gWorkText.size());

    if (gWorkText == mark::kFractionMarker()) {
      const int end = InStr(gPrintText, mark::kFractionMarker());
      if (end == 0) continue;  // a marker without a partner is dropped
      gWorkText = plat::Left(gPrintText, end - 1);
      // Measuring the parts runs this routine again on gPrintText, so the
      // rest of the text waits here.
      Text rest = plat::Mid(gPrintText, end + 1);
      DrawStackedFraction();
      gPrintText = std::move(rest);
      continue;
    }
    if (gWorkText == "#") {
      // The tall root sign, high enough to enclose a stacked fraction; its
      // overline (state 22) runs 14 units above the line until "ﾝ".
      const float x = gPenX, y = gPenY;
      SetPen(3);
      scr.Connect({{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 60}, {x + 30, y - 14}, {x + 38, y - 14}},
                  InkColour());
      gChar.clear();
      gRootState = 22;
      SetPen(gSavedDrawWidth);
      gPenX += 32;
      gRootStartX = gPenX;
      continue;
    }
    if (gWorkText == "^") {
      gRaiseNext = 1;
      continue;
    }
    TypesetChars();
  }
}

void Typeset::MeasureOffPage(void (Typeset::*typeset)()) {
  // Kept per call: a fraction in a measured text measures its parts here too.
  const float keptX = gPenX, keptY = gPenY;
  {
    plat::Screen::MeasureScope offPage(scr);
    gPenX = 0;
    gPenY = 1800;
    gPrintText = gWorkText;
    (this->*typeset)();
    gMeasuredEndX = gPenX;
  }
  gPenX = keptX;
  gPenY = keptY;
}

void Typeset::MeasureTextWidth() {
  const Text keptText = gWorkText;
  MeasureOffPage(&Typeset::DrawExpression);
  gWorkText = keptText;
}

void Typeset::DrawStackedFraction() {
  const float x = gPenX, y = gPenY;
  gGlyphX = x;
  const bool hasRoot = InStr(gWorkText, "!") > 0 || InStr(gWorkText, mark::kRootSign()) > 0;

  // Split at the first "/"; later ones stay in the denominator as "÷". A
  // text without "/" is all denominator over an empty numerator.
  const int slash = plat::InStrB(gWorkText, "/");
  const Text numerator = slash > 0 ? plat::LeftB(gWorkText, slash - 1) : Text();
  const Text denominator = plat::MidB(gWorkText, slash + 1);
  const bool tallDenominator = InStr(denominator, mark::kRootSign()) > 0 || InStr(denominator, "^") > 0;

  gInFraction = 1;
  gWorkText = numerator;
  MeasureTextWidth();
  const float numeratorWidth = gMeasuredEndX;
  gWorkText = denominator;
  MeasureTextWidth();
  const float denominatorWidth = gMeasuredEndX;
  gInFraction = 0;

  const float bar = numeratorWidth >= denominatorWidth ? numeratorWidth : denominatorWidth;
  const float denominatorY = y + (tallDenominator ? 36 : 28) + (hasRoot ? 8 : 0);
  gFractionNumeratorX = x + (bar - numeratorWidth) / 2;
  gFractionNumeratorY = y - 10;
  gFractionDenominatorX = x + (bar - denominatorWidth) / 2;
  gFractionDenominatorY = denominatorY;

  SetPen(4);
  scr.Line(x, y + 25, x + bar, y + 25, InkColour());
  SetPen(gSavedDrawWidth);
  if (gRootState == 22) {
    // Under a tall root sign the overline spans the whole bar.
    SetPen(3);
    scr.Line(x, y - 14, x + bar, y - 14, InkColour());
    SetPen(gSavedDrawWidth);
  }

  gPenX = gFractionDenominatorX;
  gPenY = gFractionDenominatorY;
  gInFraction = 1;
  gWorkText = denominator;
  TypesetChars();

  gPenX = gFractionNumeratorX;
  gPenY = gFractionNumeratorY;
  gInFraction = 1;
  gWorkText = numerator;
  TypesetChars();

  gInFraction = 0;
  gPenX = x + bar;
  gPenY = y;
}

}  // namespace lesson
