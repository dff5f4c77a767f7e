// Directions and angles, the labels on a bisector, angle marks and the dotted
// arcs over segments, which place their labels through the bisector label.
#include <cmath>

#include "common/figures/counted_loop.h"
#include "common/figures/figures.h"

namespace lesson {

namespace {
constexpr float kPi = 3.14159f;  // the library's π, kept in gPi
}

float Figures::DirectionOf(float x1, float y1, float x2, float y2) const {
  const float dx = x2 - x1, dy = y2 - y1;
  if (dy > 0) return 3 * gPi / 2 + std::atan(dx / dy);  // lower on the screen
  if (dy < 0) return gPi / 2 + std::atan(dx / dy);      // higher on the screen
  return x2 > x1 ? 0.0f : gPi;                          // same height (or point)
}

void Figures::ComputeVectorAngle() {
  gPi = kPi;
  gVectorAngle = DirectionOf(gP1X, gP1Y, gP2X, gP2Y);
  gVectorAngleDeg = gVectorAngle * 180 / gPi;
}

void Figures::ComputeRayAngles() {
  gPi = kPi;
  const float a1 = DirectionOf(gP1X, gP1Y, gP2X, gP2Y);
  gRayTurn1 = 1 - a1 / (2 * gPi);
  gRayAngle1 = a1;
  const float a2 = DirectionOf(gP1X, gP1Y, gP3X, gP3Y);
  gRayTurn2 = 1 - a2 / (2 * gPi);
  gRayAngle2 = a2;
  gVectorAngle = a2;
  if (gMarkSide == -1) {  // the outer angle: from the second ray over to the first
    std::swap(gRayTurn1, gRayTurn2);
    std::swap(gRayAngle1, gRayAngle2);
  }
  gBisectorAngle = (gRayAngle1 + gRayAngle2) / 2;
  if (gRayAngle1 > gRayAngle2) gBisectorAngle += gPi;
}

void Figures::MarkAngleBisectorLabel() {
  gWorkText = gLabelText;
  MeasureTextWidth();
  const float width = gMeasuredEndX;
  ComputeRayAngles();
  const float theta = gBisectorAngle;
  // Half the height of the label's box: a stacked fraction stands taller.
  gDivisorNumber = plat::InStr(gLabelText, SJ("ﾀ")) > 0 ? 40.0f : 22.0f;
  const float anchorX = gP1X + gArrowHead * std::cos(theta);
  const float anchorY = gP1Y - gArrowHead * std::sin(theta);
  // The box touches the anchor from the side the bisector points to.
  gPenX = anchorX + width * (std::cos(theta) - 1) / 2 + gLabelNudgeX;
  gPenY = anchorY - gDivisorNumber * (1 + std::sin(theta)) + gLabelNudgeY;
  gPrintText = gLabelText;
  if (gUseLabelTypesetter == 1) {
    DrawLabelText();
  } else {
    DrawExpression();
  }
  gMarkSide = 0;
  gLabelText.clear();
  gLabelNudgeX = 0;
  gLabelNudgeY = 0;
  gArrowHead = 0;
  gUseLabelTypesetter = 0;
}

void Figures::DrawAngleArcs() {
  ComputeRayAngles();
  if (gMarkCount > 6) gMarkCount = 1;
  // The arc runs clockwise on the screen from the second ray to the first,
  // which covers the angle swept counterclockwise from the first to the second.
  if (gMarkCount > 0) {
    float radius = gArrowHead;
    float k = 0;
    CountedLoop(k, 1, gMarkCount, 1, [&] {
      radius -= 8;
      scr.Circle(gP1X, gP1Y, radius, plat::CInt(gAccentColour), gRayTurn2, gRayTurn1);
    });
  } else {
    scr.Circle(gP1X, gP1Y, gArrowHead, plat::CInt(gFigureColour), gRayTurn2, gRayTurn1, plat::CInt(gAccentColour));
  }
  MarkAngleBisectorLabel();
  gMarkSide = 0;
  gLabelText.clear();
}

void Figures::DrawRightAngleMark() {
  ComputeRayAngles();
  const float s = gArrowHead;
  const float u1x = std::cos(gRayAngle1), u1y = -std::sin(gRayAngle1);
  const float u2x = std::cos(gRayAngle2), u2y = -std::sin(gRayAngle2);
  const float q1x = gP1X + s * u1x, q1y = gP1Y + s * u1y;
  const float q2x = gP1X + s * u2x, q2y = gP1Y + s * u2y;
  scr.Connect({{q1x, q1y}, {q1x + s * u2x, q1y + s * u2y}, {q2x, q2y}}, plat::CInt(gFigureColour));
}

void Figures::FormatAngleValue() {
  ComputeRayAngles();
  if (gRayAngle2 < gRayAngle1) gRayAngle2 += 2 * gPi;
  gBisectorAngle = gRayAngle2 - gRayAngle1;
  gVectorAngleDeg = gBisectorAngle * 180 / gPi;
  gAngleValueText = NumberText(static_cast<float>(plat::CInt16(gVectorAngleDeg * 10)) / 10);
}

void Figures::DrawDottedArcOverSegment() {
  // A step of 0 would never reach the end of the range.
  if (gCellWidth == 0) plat::RaiseFault(plat::kFaultBadArgument);
  // Heights below 16 are given in sixteenths.
  if (gArcHeight > 0 && gArcHeight < 16) {
    gArcHeight *= 16;
  } else if (gArcHeight < 0) {
    gArcHeight = std::fabs(gArcHeight);
  }
  const float h = gArcHeight;
  const float sx = gP1X, sy = gP1Y, ex = gP2X, ey = gP2Y;
  const float a = std::sqrt((ex - sx) * (ex - sx) + (ey - sy) * (ey - sy)) / 2;
  ComputeVectorAngle();
  const float g = gVectorAngle;

  // The point at angle t (degrees) of the half-ellipse laid along +x from S,
  // then turned about S onto the segment. Uses gP2 as the working end.
  auto pointAt = [&](float t, float& x, float& y) {
    const float rad = t * gPi / 180;
    gP2X = sx + a + a * std::cos(rad);
    gP2Y = sy - plat::Div(h, a) * a * std::sin(rad);
    const float r = std::sqrt((gP2X - sx) * (gP2X - sx) + (gP2Y - sy) * (gP2Y - sy));
    ComputeVectorAngle();
    x = sx + r * std::cos(gVectorAngle + g);
    y = sy - r * std::sin(gVectorAngle + g);
  };

  const bool right = gArcSide > 0;
  const float first = right ? 180.0f : 0.0f;
  const int colour = plat::CInt(gFigureColour);
  CountedLoop(gLoopIndex, first, first + 180, gCellWidth, [&] {
    float x, y;
    pointAt(gLoopIndex, x, y);
    scr.Circle(x, y, 0.5f, colour, 0, 0, colour);
  });

  float apexX, apexY;
  pointAt(first + 90, apexX, apexY);
  gP1X = apexX;
  gP1Y = apexY;
  gP2X = sx;
  gP2Y = sy;
  gP3X = ex;
  gP3Y = ey;
  gArrowFromX = apexX;
  gArrowFromY = apexY;
  gArrowHead = 0;
  gMarkSide = gArcSide;
  MarkAngleBisectorLabel();
  gLabelText.clear();
}

}  // namespace lesson
