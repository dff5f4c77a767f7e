// Globals of the figure routines: points, arc and angle parameters, the grid
// and axes, graphs, arrows and slope triangles.
#pragma once

#include "platform/text.h"

namespace lesson {

using plat::Text;

struct FigureGlobals {
  // Figure points: the ends of a segment, or the vertex of an angle and one
  // point on each of its rays; several routines leave other points in them.
  float gP1X = 0, gP1Y = 0, gP2X = 0, gP2Y = 0, gP3X = 0, gP3Y = 0;
  float gPi = 0;  // 3.14159, set by the angle routines

  // Dotted arcs over segments.
  float gArcHeight = 0;  // stored back scaled
  float gArcSide = 0;    // > 0: right of the segment
  // Labels written on a bisector (arcs, angle marks, polygon corners); every
  // label consumes them.
  Text gLabelText;
  float gUseLabelTypesetter = 0;  // exactly 1: the compact label typesetter
  float gLabelNudgeX = 0, gLabelNudgeY = 0;

  // Angles (radians counterclockwise on the screen from +x).
  float gVectorAngle = 0, gVectorAngleDeg = 0;
  float gRayAngle1 = 0, gRayAngle2 = 0;
  float gRayTurn1 = 0, gRayTurn2 = 0;  // rays as fractions of a turn, clockwise
  float gBisectorAngle = 0;
  Text gAngleValueText;

  // Marks on angles and segments.
  float gMarkSide = 0;
  float gMarkCount = 0;
  float gMarkSpacing = 0;
  float gArrowHead = 0;  // size of a mark or arrowhead, distance of a label
  float gSegmentFromX = 0, gSegmentFromY = 0, gSegmentToX = 0, gSegmentToY = 0;
  float gRatioM = 0, gRatioN = 0;

  // Graph-paper grid and coordinate plane.
  float gGridLeft = 0, gGridTop = 0, gGridCols = 0;
  float gAxisUnit = 0;
  float gAxisOriginX = 0, gAxisOriginY = 0;
  float gAxisLeft = 0, gAxisTop = 0, gAxisRight = 0, gAxisBottom = 0;
  float gAxisMinX = 0, gAxisMaxX = 0, gAxisMinY = 0, gAxisMaxY = 0;
  float gAxisScaleX = 0, gAxisScaleY = 0;
  float gAxisFontSize = 0;  // text size of the plane; side width of polygons
  float gAxisHideNumbers = 0;

  // Polygons: corner count and the label distance held while labelling.
  float gPolygonPointCount = 0;
  float gLabelDistance = 0;

  // Perpendicular foot, intersection of lines, points on lines.
  float gPointCX = 0, gPointCY = 0, gPointDX = 0;
  float gFootX = 0, gFootY = 0;
  float gCrossX = 0, gCrossY = 0;
  float gLinePointX = 0, gLinePointY = 0;
  float gPointAngle = 0;

  // Square-root simplification.
  float gSqrtNumber = 0;  // n in, the factor left under the root out
  float gSqrtRadicand = 0, gSqrtCoefficient = 0;
  Text gSqrtCoefficientText, gSqrtRootPart, gSqrtText, gSqrtPrefixText, gSqrtRootText;

  // Points and graphs.
  float gPlotX = 0, gPlotY = 0, gPlotDotRadius = 0;
  float gPlotScreenX = 0, gPlotScreenY = 0;
  float gGraphKind = 0, gGraphA = 0, gGraphB = 0, gGraphC = 0;
  float gLabelOffsetX = 0, gLabelOffsetY = 0;  // label shifts of points and graphs

  // Brace and written division.
  Text gDivisorText;
  float gColumnX = 0;

  // Arrows.
  float gArrowFromX = 0, gArrowFromY = 0;
  float gArrowHeadEnd = 0;   // -1: head at (gP1X, gP1Y); else at the other end
  float gArrowBothEnds = 0;  // 2: heads at both ends

  // Slope triangles.
  float gSlopeAX = 0, gSlopeAY = 0, gSlopeBX = 0, gSlopeBY = 0;
  Text gSlopeLabels, gSlopeRunText, gSlopeRiseText;
};

}  // namespace lesson
