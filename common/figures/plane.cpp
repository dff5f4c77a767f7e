// Graph paper, polygons, the coordinate plane and what is drawn on it.
#include <cmath>
#include <cstdlib>
#include <functional>

#include "common/figures/counted_loop.h"
#include "common/figures/figures.h"

namespace lesson {

namespace {

// Every fifth grid line (…, -5, 0, 5, …) is bold and carries a number.
bool IsFifth(float index) { return plat::CInt(index) % 5 == 0; }

}  // namespace

void Figures::DrawGrid() {
  gSavedDrawWidth = static_cast<float>(scr.GetDrawWidth(0));
  gPi = 3.14159f;
  gAxisLeft = gGridLeft;
  gAxisTop = gGridTop;
  gAxisRight = gAxisLeft + gAxisUnit * gGridCols;
  gAxisBottom = gAxisTop + gAxisUnit * gCellHeight;
  gAxisOriginX = gAxisLeft;
  gAxisOriginY = gAxisBottom;
  // Colour 15 asks for the frame alone.
  if (gFigureColour != 15) {
    gAccentColour = 14;
    auto styled = [&](float index) {
      const bool bold = IsFifth(index);
      SetWidth(bold ? 3.0f : 1.0f);
      return bold ? gAccentColour : gFigureColour;
    };
    float i = 0;
    CountedLoop(i, 0, gGridCols, 1, [&] {
      const float x = gAxisLeft + gAxisUnit * i;
      const float colour = styled(i);
      PlainLine(x, gAxisTop, x, gAxisBottom, colour);
    });
    // Rows are counted from the bottom edge.
    CountedLoop(i, 0, gCellHeight, 1, [&] {
      const float y = gAxisBottom - gAxisUnit * i;
      const float colour = styled(i);
      PlainLine(gAxisLeft, y, gAxisRight, y, colour);
    });
  }
  SetWidth(gSavedDrawWidth);
}

void Figures::DrawPolygonFromPoints() {
  // Kept apart from gSavedDrawWidth, which the label output overwrites.
  const int width = scr.GetDrawWidth(0);
  const float n = gPolygonPointCount;
  float i = 0;
  CountedLoop(i, 1, n, 1, [&] {
    const float j = i == n ? 1 : i + 1;
    SetWidth(gAxisFontSize);
    PlainLine(gPairTable(i, 1), gPairTable(i, 2), gPairTable(j, 1), gPairTable(j, 2), gFigureColour);
  });
  gLabelDistance = gArrowHead;
  if (gLabelText == "1") {
    LabelVerticesFromList();
  } else if (!gLabelText.empty()) {
    LabelVerticesByLetter();
  }
  gLabelText.clear();
  scr.SetDrawWidth(0, width);
}

void Figures::LabelCorners(const std::function<Text(float)>& label) {
  const float n = gPolygonPointCount;
  float i = 0;
  CountedLoop(i, 1, n, 1, [&] {
    // Each label stands on the bisector between the rays to the next two
    // corners: outside the polygon for corners listed counterclockwise on the
    // screen.
    float a = i + 1, b = i + 2;
    if (a > n) a -= n;
    if (b > n) b -= n;
    gP1X = gPairTable(i, 1), gP1Y = gPairTable(i, 2);
    gP2X = gPairTable(a, 1), gP2Y = gPairTable(a, 2);
    gP3X = gPairTable(b, 1), gP3Y = gPairTable(b, 2);
    gMarkSide = -1;
    gArrowHead = gLabelDistance;
    gLabelText = label(i);
    MarkAngleBisectorLabel();
  });
}

void Figures::LabelVerticesByLetter() {
  const int first = plat::Asc(gLabelText);
  LabelCorners([&](float i) { return plat::Chr(first + plat::CInt(i) - 1); });
}

void Figures::LabelVerticesFromList() {
  LabelCorners([&](float i) { return gLabelList(i); });
}

void Figures::DrawAxes() {
  gSavedDrawWidth = static_cast<float>(scr.GetDrawWidth(0));
  for (float* scale : {&gAxisScaleX, &gAxisScaleY}) {
    if (*scale == 0) {
      *scale = 1;
    } else if (*scale < 0) {
      *scale = std::fabs(*scale);
    }
  }
  // From here on the ranges are tick indices.
  gAxisMinX /= gAxisScaleX;
  gAxisMaxX /= gAxisScaleX;
  gAxisMinY /= gAxisScaleY;
  gAxisMaxY /= gAxisScaleY;
  if (gGridLeft == 0 && gGridTop == 0) {
    gGridLeft = 640;
    gGridTop = 180;
  }
  gAxisOriginX = gGridLeft + gAxisUnit * std::fabs(gAxisMinX);
  gAxisOriginY = gGridTop + gAxisUnit * gAxisMaxY;
  gAxisLeft = gGridLeft;
  gAxisTop = gGridTop;
  gAxisRight = gAxisOriginX + gAxisUnit * gAxisMaxX;
  gAxisBottom = gAxisOriginY + gAxisUnit * std::fabs(gAxisMinY);
  gAxisFontSize = gAxisUnit < 40 ? 26.0f : 30.0f;
  const float f = gAxisFontSize;
  scr.SetFontSize(0, f);

  auto screenX = [&](float i) { return gAxisOriginX + gAxisUnit * i; };
  auto screenY = [&](float i) { return gAxisOriginY - gAxisUnit * i; };
  auto text = [&](float x, float y, int h, int v) {
    gTextColour = 0;
    scr.Symbol(x, y, gPrintText, h, v, plat::CInt(gTextColour));
  };
  // The number of a bold line: its tick index, none at the origin.
  auto number = [&](float i) {
    gPrintText = NumberText(i);
    if (i == 0 || gAxisHideNumbers == -1) gPrintText.clear();
    return static_cast<float>(plat::Len(gPrintText));
  };

  if (gFigureColour != 0) {
    float i = 0;
    CountedLoop(i, gAxisMinX, gAxisMaxX, 1, [&] {
      scr.SetDrawWidth(0, 1);
      PlainLine(screenX(i) - 0.5f, gAxisTop, screenX(i) - 0.5f, gAxisBottom, 0);
    });
    CountedLoop(i, gAxisMinY, gAxisMaxY, 1,
                [&] { PlainLine(gAxisLeft, screenY(i) - 0.5f, gAxisRight, screenY(i) - 0.5f, 0); });
    CountedLoop(i, gAxisMinX, gAxisMaxX, 1, [&] {
      if (!IsFifth(i)) return;
      scr.SetDrawWidth(0, 3);
      PlainLine(screenX(i), gAxisTop, screenX(i), gAxisBottom, 1);
      const float n = number(i);
      text(screenX(i) - f * n / 2, gAxisOriginY, 2, 1);
    });
    CountedLoop(i, gAxisMinY, gAxisMaxY, 1, [&] {
      if (!IsFifth(i)) return;
      scr.SetDrawWidth(0, 3);
      PlainLine(gAxisLeft, screenY(i), gAxisRight, screenY(i), 1);
      const float n = number(i);
      text(gAxisOriginX - f * n, screenY(i) - f / 2 - 4, 2, 1);
    });
  }

  scr.SetDrawWidth(0, 4);
  PlainLine(gAxisOriginX, gAxisTop, gAxisOriginX, gAxisBottom, 0);
  PlainLine(gAxisLeft, gAxisOriginY, gAxisRight, gAxisOriginY, 0);

  scr.SetFontBold(0, 1);
  scr.SetFontName(0, "Times New Roman");
  scr.SetFontSize(0, 0.8f * f);
  scr.SetFontItalic(0, 1);
  gPrintText = "x";
  text(gAxisRight - 0.8f * f, gAxisOriginY - 1.5f * f, 3, 2);

  scr.SetFontName(0, SJ("ゴシック"));
  scr.SetFontSize(0, f);
  scr.SetFontItalic(0, 0);
  gPrintText = "0";
  text(gAxisOriginX - f, gAxisOriginY, 2, 1);
  gPrintText = "y";
  gPenX = gAxisOriginX;
  gPenY = gAxisTop - f / 2;
  text(gPenX, gPenY, 2, 1);

  scr.SetFontBold(0, 0);
  scr.SetFontSize(0, 16);
  SetWidth(gSavedDrawWidth);
  gAxisHideNumbers = 0;
}

void Figures::DrawAxisDecimals() {
  const float f = gAxisFontSize;
  scr.SetFontSize(0, f);
  // Writes the value of tick index i, the tenths joined to the whole part with
  // a point set over the joint; (x, y) of the number depends on the axis.
  auto write = [&](float i, float scale, auto place) {
    // Ten times the value is rounded first, so that a scale such as 1.3 gives
    // 45.5 at index 35 and not the digits of 45.49999.
    const int tenths = plat::CInt(10 * i * scale);
    const int whole = std::abs(tenths) / 10, digit = std::abs(tenths) % 10;
    const Text wholeText = (tenths < 0 ? "-" : "") + NumberText(static_cast<float>(whole));
    const Text digitText = NumberText(static_cast<float>(digit));
    if (i == 0 || !IsFifth(i)) return;
    gPrintText = digit == 0 ? wholeText : wholeText + digitText;
    float x, y;
    place(static_cast<float>(plat::Len(gPrintText)), x, y);
    gTextColour = 0;
    scr.Symbol(x, y, gPrintText, 2, 1, 0);
    if (digit != 0) scr.Symbol(x + f * static_cast<float>(plat::Len(wholeText)) - 6, y + 4, ".", 2, 1, 0);
  };
  float i = 0;
  CountedLoop(i, gAxisMinX, gAxisMaxX, 1, [&] {
    write(i, gAxisScaleX, [&](float n, float& x, float& y) {
      x = gAxisOriginX + gAxisUnit * i - f * n / 2;
      y = gAxisOriginY + 4;
    });
  });
  CountedLoop(i, gAxisMinY, gAxisMaxY, 1, [&] {
    write(i, gAxisScaleY, [&](float n, float& x, float& y) {
      x = gAxisOriginX - f * n;
      y = gAxisOriginY - gAxisUnit * i - f / 2;
    });
  });
  scr.SetFontSize(0, 16);
}

void Figures::PlotPoint() {
  if (gAxisScaleX == 0) gAxisScaleX = 1;
  if (gAxisScaleY == 0) gAxisScaleY = 1;
  gPlotScreenX = gAxisOriginX + gAxisUnit * gPlotX / gAxisScaleX;
  gPlotScreenY = gAxisOriginY - gAxisUnit * gPlotY / gAxisScaleY;
  FilledDisc(gPlotScreenX, gPlotScreenY, gPlotDotRadius, gAccentColour);
  gTextColour = gAccentColour;
  gPenX = gPlotScreenX - 20 + gLabelOffsetX;
  gPenY = gPlotScreenY - 40 + gLabelOffsetY;
  gPrintText = gLabelText;
  DrawExpression();
  gLabelOffsetX = 0;
  gLabelOffsetY = 0;
}

void Figures::PlotGraph() {
  // Kept apart from gSavedDrawWidth, which the label output overwrites.
  const int width = scr.GetDrawWidth(0);
  if (gAxisScaleX == 0) gAxisScaleX = 1;
  if (gAxisScaleY == 0) gAxisScaleY = 1;
  if (gGraphKind == 4 && gGraphB == 0) {
    gGraphC = plat::Div(gGraphC, gGraphA);
    DrawVerticalGraphLine();
  } else if (gGraphKind == 4) {
    // ax + by = c drawn as y = (-a/b)x + c/b.
    gGraphA = plat::Div(-gGraphA, gGraphB);
    gGraphB = plat::Div(gGraphC, gGraphB);
    gGraphKind = 3;
    PlotGraphCurve();
  } else {
    PlotGraphCurve();
  }
  gTextColour = gAccentColour;
  gPenX += gLabelOffsetX;
  gPenY += gLabelOffsetY;
  gPrintText = gLabelText;
  DrawExpression();
  gLabelOffsetX = 0;
  gLabelOffsetY = 0;
  gAxisScaleX = 1;
  gAxisScaleY = 1;
  scr.SetDrawWidth(0, width);
}

void Figures::PlotGraphCurve() {
  gCellWidth = 5000;  // sampling steps across the x range
  // The range holds tick indices; the function is sampled in values and
  // mapped back through the scales, as PlotPoint maps a point (a scale of 0
  // counts as 1, as everywhere on the plane).
  const float sx = gAxisScaleX == 0 ? 1.0f : gAxisScaleX, sy = gAxisScaleY == 0 ? 1.0f : gAxisScaleY;
  const bool skipsZero = gGraphKind != 3;  // y = a/x is never taken at 0
  auto f = [&](float x) {
    if (gGraphKind == 1) return plat::Div(gGraphA, x);
    if (gGraphKind == 2) return gGraphA * std::pow(x, 2.0f);
    return gGraphA * x + gGraphB;
  };
  float x = gAxisMinX * sx;
  if (skipsZero && x == 0) x = 0.002f;
  float y = f(x);
  const float step = (gAxisMaxX - gAxisMinX) * sx / gCellWidth;
  const int colour = plat::CInt(gAccentColour);
  float k = 0;
  CountedLoop(k, 0, gCellWidth, 1, [&] {
    gPlotScreenX = gAxisOriginX + gAxisUnit * x / sx;
    gPlotScreenY = gAxisOriginY - gAxisUnit * y / sy;
    if (gPlotScreenY >= gAxisTop && gPlotScreenY <= gAxisBottom) {
      gPenX = gPlotScreenX;
      gPenY = gPlotScreenY;
      scr.Circle(gPenX, gPenY, 1, colour, 0, 0, colour);
    }
    x += step;
    if (skipsZero && x == 0) x += step;
    y = f(x);
  });
}

void Figures::DrawVerticalGraphLine() {
  const float sx = gAxisScaleX == 0 ? 1.0f : gAxisScaleX;
  const float x = gAxisOriginX + gAxisUnit * gGraphC / sx;
  scr.SetDrawWidth(0, 5);
  // The range globals hold the tick indices of the bottom and top edges.
  const float top = gAxisOriginY - gAxisUnit * gAxisMaxY;
  PlainLine(x, gAxisOriginY - gAxisUnit * gAxisMinY, x, top, gAccentColour);
  gPenX = x + 10;
  gPenY = top;
}

}  // namespace lesson
