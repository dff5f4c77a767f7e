// Plane geometry: marks on segments, the foot of a perpendicular, the
// intersection of two lines, points on a line or on an arc, and the simplest
// form of a square root.
#include <cmath>

#include "common/figures/counted_loop.h"
#include "common/figures/figures.h"

namespace lesson {

Text Figures::NumberText(float v) {
  gWorkText = plat::Str(v);
  StripBlanks();
  return gWorkText;
}

void Figures::SetWidth(float width) { scr.SetDrawWidth(0, plat::CInt(width)); }

void Figures::FilledDisc(float x, float y, float r, float colour) {
  const int c = plat::CInt(colour);
  scr.Circle(x, y, r, c, 0, 0, c);
}

void Figures::PlainLine(float x1, float y1, float x2, float y2, float colour) {
  scr.Line(x1, y1, x2, y2, plat::CInt(colour));
}

namespace {

// Unit vector from (x1, y1) to (x2, y2); a zero-length segment is a division
// by zero.
void UnitVector(float x1, float y1, float x2, float y2, float& ux, float& uy) {
  const float dx = x2 - x1, dy = y2 - y1;
  const float d = std::sqrt(dx * dx + dy * dy);
  ux = plat::Div(dx, d);
  uy = plat::Div(dy, d);
}

}  // namespace

void Figures::DrawSegmentChevrons() {
  float ux, uy;
  UnitVector(gSegmentFromX, gSegmentFromY, gSegmentToX, gSegmentToY, ux, uy);
  gDivisorNumber = uy;
  const float p = gArrowHead;
  const float mn = gRatioM + gRatioN;
  // The tip starts at the point dividing the segment m:n.
  float dx = gSegmentFromX + plat::Div((gSegmentToX - gSegmentFromX) * gRatioM, mn);
  float dy = gSegmentFromY + plat::Div((gSegmentToY - gSegmentFromY) * gRatioM, mn);
  const float bx = dx - p * ux, by = dy - p * uy;
  // The arms reach half a mark to either side, across the segment.
  float lx = bx + p / 2 * -uy, ly = by + p / 2 * ux;
  float rx = bx - p / 2 * -uy, ry = by - p / 2 * ux;
  if (gMarkCount <= 0 || gMarkCount > 6) gMarkCount = 1;
  const int colour = plat::CInt(gFigureColour);
  float k = 0;
  CountedLoop(k, 1, gMarkCount, 1, [&] {
    dx += 16 * ux, dy += 16 * uy;
    lx += 16 * ux, ly += 16 * uy;
    rx += 16 * ux, ry += 16 * uy;
    scr.Line(lx, ly, dx, dy, colour);
    scr.Line(rx, ry, dx, dy, colour);
  });
}

void Figures::DrawSegmentMidMarks() {
  if (gMarkSpacing == 0 || gMarkSpacing > 30) gMarkSpacing = 8;
  float ux, uy;
  UnitVector(gSegmentFromX, gSegmentFromY, gSegmentToX, gSegmentToY, ux, uy);
  gDivisorNumber = uy;
  const float mx = (gSegmentFromX + gSegmentToX) / 2 + gMarkSide * ux;
  const float my = (gSegmentFromY + gSegmentToY) / 2 + gMarkSide * uy;
  if (gMarkCount < 0 || gMarkCount > 6) gMarkCount = 1;
  const float spacing = gMarkSpacing;
  const float p = gArrowHead;
  const int colour = plat::CInt(gFigureColour);
  float k = 0;
  CountedLoop(k, 1, gMarkCount, 1, [&] {
    const float tx = mx + gMarkSpacing * ux, ty = my + gMarkSpacing * uy;
    scr.Line(tx + p * uy, ty - p * ux, tx - p * uy, ty + p * ux, colour);
    gMarkSpacing += spacing;
  });
}

void Figures::MarkPerpendicularFoot() {
  if (gSegmentToX == gSegmentFromX) {
    gFootX = gSegmentFromX;
    gFootY = gPointCY;
  } else if (gSegmentToY == gSegmentFromY) {
    gFootX = gPointCX;
    gFootY = gSegmentFromY;
  } else {
    // The four range globals of the plane hold the two lines meanwhile.
    gAxisMinX = plat::Div(gSegmentToY - gSegmentFromY, gSegmentToX - gSegmentFromX);
    gAxisMinY = gSegmentFromY - gAxisMinX * gSegmentFromX;
    gAxisMaxX = plat::Div(-1, gAxisMinX);
    gAxisMaxY = gPointCY - gAxisMaxX * gPointCX;
    const float m1 = gAxisMinX, b1 = gAxisMinY, m2 = gAxisMaxX, b2 = gAxisMaxY;
    gFootX = plat::Div(b2 - b1, m1 - m2);
    gFootY = plat::Div(m1 * b2 - m2 * b1, m1 - m2);
  }
  // A disc in the background colour opens a small gap in a line at the foot.
  FilledDisc(gFootX, gFootY, 2, 15);
}

void Figures::IntersectLines() {
  constexpr float kVertical = 1000;  // the slope that marks a vertical line
  float m1 = 0, b1 = 0, m2 = 0, b2 = 0;
  if (gSegmentToY == gSegmentFromY) {
    b1 = gSegmentFromY;
  } else if (gSegmentToX == gSegmentFromX) {
    m1 = kVertical;
    gCrossX = gSegmentFromX;
  } else {
    m1 = plat::Div(gSegmentToY - gSegmentFromY, gSegmentToX - gSegmentFromX);
    b1 = gSegmentFromY - m1 * gSegmentFromX;
  }
  if (gDivisorNumber == gPointCY) {
    b2 = gPointCY;
  } else if (gPointDX == gPointCX) {
    m2 = kVertical;
    gCrossX = gPointCX;
  } else {
    m2 = plat::Div(gDivisorNumber - gPointCY, gPointDX - gPointCX);
    b2 = gPointCY - m2 * gPointCX;
  }
  // Parallel lines do not meet: gCrossY is left as it was.
  if (m1 == m2) return;
  if (m1 == kVertical) {
    gCrossY = m2 * gCrossX + b2;
  } else if (m2 == kVertical) {
    gCrossY = m1 * gCrossX + b1;
  } else {
    gCrossX = plat::Div(b1 - b2, m2 - m1);
    gCrossY = plat::Div(-m1 * (b2 - b1) + (m2 - m1) * b1, m2 - m1);
  }
}

void Figures::FindLinePointAtXY() {
  const float x1 = gSegmentFromX, y1 = gSegmentFromY, x2 = gSegmentToX, y2 = gSegmentToY;
  if (x1 == x2) {
    gLinePointX = x1;
    gLinePointY = gPointCY;
    return;
  }
  if (y1 == y2) {
    gLinePointX = gPointCX;
    gLinePointY = y1;
    return;
  }
  gRatioM = plat::Div(y2 - y1, x2 - x1);
  gRatioN = y1 - gRatioM * x1;
  if (gPointCX < 0) {  // no x given: the point at the given y
    gLinePointX = plat::Div(gPointCY - gRatioN, gRatioM);
    gLinePointY = gPointCY;
  }
  if (gPointCY < 0) {  // no y given: the point at the given x
    gLinePointY = gRatioM * gPointCX + gRatioN;
    gLinePointX = gPointCX;
  }
}

void Figures::ComputePointAtAngle() {
  gPointCX = gP2X - gP1X;
  gPointCY = gP2Y - gP1Y;
  const float h = std::sqrt(gPointCX * gPointCX + gPointCY * gPointCY) / 2;
  gP3X = gP1X + h;
  gP3Y = gP1Y;
  ComputeVectorAngle();
  const float theta = gVectorAngle;
  const float phi = gPointAngle * gPi / 180;
  // The point of the ellipse over the segment laid flat along +x ...
  gP2X = gP3X + h * std::cos(phi);
  gP2Y = gP3Y - plat::Div(gArcHeight, h) * h * std::sin(phi);
  ComputeVectorAngle();
  const float psi = gVectorAngle;
  gPlotDotRadius = std::sqrt((gP2X - gP1X) * (gP2X - gP1X) + (gP2Y - gP1Y) * (gP2Y - gP1Y));
  // ... turned about P1 onto the real segment.
  gArrowFromX = gP1X + gPlotDotRadius * std::cos(theta + psi);
  gArrowFromY = gP1Y - gPlotDotRadius * std::sin(theta + psi);
}

void Figures::SimplifySqrt() {
  // Below 1 the search for square factors would never end (every square
  // divides 0).
  if (plat::CInt(gSqrtNumber) < 1) plat::RaiseFault(plat::kFaultBadArgument);
  gSqrtCoefficient = 1;
  gSqrtRadicand = gSqrtNumber;
  // Trial divisors 2 to 200, starting again at 2 after each square taken out.
  int t = 2;
  while (t != 201) {
    if (plat::CInt(gSqrtNumber) % (t * t) != 0) {
      ++t;
    } else {
      gSqrtCoefficient *= static_cast<float>(t);
      gSqrtNumber /= static_cast<float>(t * t);
      t = 2;
    }
  }
  const Text& end = SJ("ﾝ");
  gSqrtRootPart = gSqrtNumber == 1 ? Text() : "!" + plat::Str(gSqrtNumber);
  if (gSqrtNumber == 1 && gSqrtCoefficient == 1) {
    gSqrtCoefficientText = "1";
  } else {
    gSqrtCoefficientText = gSqrtCoefficient == 1 ? Text() : plat::Str(gSqrtCoefficient);
  }
  gSqrtText = gSqrtCoefficientText + gSqrtRootPart + end;
  gSqrtPrefixText = gSqrtNumber == gSqrtRadicand ? Text() : "!" + plat::Str(gSqrtRadicand) + SJ("ﾝ=");
  gSqrtRootText = gSqrtRootPart + end;
  for (Text* text : {&gSqrtCoefficientText, &gSqrtText, &gSqrtPrefixText, &gSqrtRootText}) {
    gWorkText = *text;
    StripBlanks();
    *text = gWorkText;
  }
}

}  // namespace lesson
