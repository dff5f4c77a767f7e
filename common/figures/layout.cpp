// Layouts set out beside worked calculations: the left brace, the written
// division, arrows and slope triangles.
#include <cmath>

#include "common/figures/figures.h"

namespace lesson {

void Figures::DrawLeftBrace() {
  const float x0 = gPenX, y0 = gPenY;
  const float top = y0 + 5, bottom = y0 + gCellWidth - 10, mid = (top + bottom) / 2;
  const int width = scr.GetDrawWidth(0);
  scr.SetDrawWidth(0, 5);
  gGcd = x0 + 23;  // x of the uprights
  gLcm = x0 + 8;   // x of the point
  scr.Connect({{x0 + 35, top},
               {gGcd, top + 3},
               {gGcd, mid - 7},
               {gLcm, mid},
               {gGcd, mid + 7},
               {gGcd, bottom - 3},
               {x0 + 35, bottom}},
              plat::CInt(gTextColour));
  scr.SetDrawWidth(0, width);
}

void Figures::DrawDivisionLayout() {
  const float x0 = gPenX, y0 = gPenY, h = gArcHeight;
  const int width = scr.GetDrawWidth(0);
  gWorkText = gFracUnreduced;
  MeasureTextWidth();
  const float upper = gMeasuredEndX;
  gWorkText = gFracReduced;
  MeasureTextWidth();
  const float wider = upper > gMeasuredEndX ? upper : gMeasuredEndX;

  auto draw = [&](float x, float y, const Text& text) {
    gPenX = x;
    gPenY = y;
    gPrintText = text;
    DrawExpression();
  };
  draw(x0 + 54, y0, gFracUnreduced);
  // The divisor and its bracket stand a little lower than the lower text.
  draw(x0, y0 + h + 6, gDivisorText);
  draw(gPenX, y0 + h + 6, ")");
  draw(x0 + 54, y0 + h, gFracReduced);

  scr.SetDrawWidth(0, 3);
  scr.Line(x0 + 27, y0 + 2 * h, wider + 30, 0, plat::CInt(gFigureColour), plat::kLine, -1, true);
  scr.SetDrawWidth(0, width);
  gLineY = y0 + h;
  gColumnX = x0 + 54;
  // The lower row goes on past the end of the rule, clear of both texts.
  gLineEndX = x0 + 57 + wider;
}

void Figures::DrawArrowLine() {
  const int colour = plat::CInt(gFigureColour);
  auto oneArrow = [&] {
    scr.Line(gArrowFromX, gArrowFromY, gP1X, gP1Y, colour);
    const float dx = gP1X - gArrowFromX, dy = gP1Y - gArrowFromY;
    const float d = std::sqrt(dx * dx + dy * dy);
    const float ux = plat::Div(dx, d), uy = plat::Div(dy, d);
    gDivisorNumber = uy;
    const float bx = gP1X - gArrowHead * ux, by = gP1Y - gArrowHead * uy;
    const float half = gArrowHead / 2;
    gP2X = bx - half * uy;
    gP2Y = by + half * ux;
    gP3X = bx + half * uy;
    gP3Y = by - half * ux;
    scr.Line(gP2X, gP2Y, gP1X, gP1Y, colour);
    scr.Line(gP3X, gP3Y, gP1X, gP1Y, colour);
  };
  auto exchangeEnds = [&] {
    std::swap(gArrowFromX, gP1X);
    std::swap(gArrowFromY, gP1Y);
  };
  // From here on (gP1X, gP1Y) is the tip.
  if (gArrowHeadEnd != -1) exchangeEnds();
  oneArrow();
  if (gArrowBothEnds == 2) {
    gArrowBothEnds = 0;
    exchangeEnds();
    oneArrow();
  }
  gArrowHeadEnd = 0;
}

void Figures::DrawSlopeTriangle() {
  if (gSlopeBX < gSlopeAX) {
    std::swap(gSlopeAX, gSlopeBX);
    std::swap(gSlopeAY, gSlopeBY);
  }
  scr.SetDrawWidth(0, 4);
  // The run from A to the corner below (or above) B, then the rise up to B.
  auto arrow = [&](float tailX, float tailY, float tipX, float tipY, float colour) {
    gP1X = tailX;
    gP1Y = tailY;
    gArrowFromX = tipX;
    gArrowFromY = tipY;
    gArrowHeadEnd = 1;
    gFigureColour = colour;
    gArrowHead = 16;
    DrawArrowLine();
  };
  arrow(gSlopeAX, gSlopeAY, gSlopeBX, gSlopeAY, 7);
  arrow(gSlopeBX, gSlopeAY, gSlopeBX, gSlopeBY, 3);

  gSlopeRunText = NumberText(plat::Div(gSlopeBX - gSlopeAX, gAxisUnit));
  const float rise = plat::Div(gSlopeAY - gSlopeBY, gAxisUnit);
  gSlopeRiseText = NumberText(rise);
  // The converter writes a fraction below 1 without its leading zero (".5",
  // "-.5"): the rise is shown with it.
  if (std::fabs(rise) < 1) {
    if (plat::LeftB(gSlopeRiseText, 1) == ".") {
      gSlopeRiseText = "0" + gSlopeRiseText;
    } else if (plat::LeftB(gSlopeRiseText, 2) == "-.") {
      gSlopeRiseText = "-0" + plat::MidB(gSlopeRiseText, 2);
    }
  }
  if (plat::MidB(gSlopeLabels, 1, 1) == "y") DrawSlopeRunLabel();
  if (plat::MidB(gSlopeLabels, 2, 1) == "y") DrawSlopeRiseLabel();
}

void Figures::DrawSlopeRunLabel() {
  // Above the run when the graph rises, else just below it.
  gPenY = gSlopeBY < gSlopeAY ? gSlopeAY - 44 : gSlopeAY;
  gTextColour = 7;
  gPenX = (gSlopeAX + gSlopeBX) / 2 - 14;
  gPrintText = gSlopeRunText;
  DrawExpression();
}

void Figures::DrawSlopeRiseLabel() {
  gTextColour = 3;
  gPenX = gSlopeBX;
  gPenY = (gSlopeAY + gSlopeBY) / 2 - 16;
  gPrintText = gSlopeRiseText;
  DrawExpression();
}

}  // namespace lesson
