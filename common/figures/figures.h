// Figures, geometry and graphs: dotted arcs, angle and segment marks, grids,
// polygons, axes, points and graphs, braces, arrows and division layouts.
//
// Like the rest of the library every routine takes its inputs from the shared
// globals (FigureGlobals and the frame's and typesetter's) and leaves its
// results there; many leave working values behind that lessons rely on.
#pragma once

#include <functional>

#include "common/typeset/typeset.h"

namespace lesson {

class Figures : public Typeset {
 public:
  using Typeset::Typeset;

  // Dotted half-ellipse over the segment gP1 -> gP2 with its label.
  void DrawDottedArcOverSegment();

  // Directions, angles and angle marks.
  void ComputeVectorAngle();
  void ComputeRayAngles();
  void MarkAngleBisectorLabel();
  void DrawAngleArcs();
  void DrawRightAngleMark();
  void FormatAngleValue();

  // Marks on a segment.
  void DrawSegmentChevrons();
  void DrawSegmentMidMarks();

  // Graph paper, also used as an invisible frame (colour 15).
  void DrawGrid();

  // Polygons and their corner labels.
  void DrawPolygonFromPoints();
  void LabelVerticesByLetter();
  void LabelVerticesFromList();

  // Plane geometry.
  void MarkPerpendicularFoot();
  void IntersectLines();
  void FindLinePointAtXY();
  void ComputePointAtAngle();

  // a√m from √n.
  void SimplifySqrt();

  // Coordinate plane, points and graphs.
  void DrawAxes();
  void DrawAxisDecimals();
  void PlotPoint();
  void PlotGraph();
  void PlotGraphCurve();
  void DrawVerticalGraphLine();

  // Worked-calculation layouts.
  void DrawLeftBrace();
  void DrawDivisionLayout();

  // Arrows and slope triangles.
  void DrawArrowLine();
  void DrawSlopeTriangle();
  void DrawSlopeRunLabel();
  void DrawSlopeRiseLabel();

 private:
  // Labels every corner of the polygon in gPairTable with label(i).
  void LabelCorners(const std::function<Text(float)>& label);
  // Direction of (x1, y1) -> (x2, y2), counterclockwise on the screen from +x,
  // in [0, 2π) with π taken as gPi.
  float DirectionOf(float x1, float y1, float x2, float y2) const;
  // The text of v without blanks, through gWorkText.
  Text NumberText(float v);
  void SetWidth(float width);
  void FilledDisc(float x, float y, float r, float colour);
  void PlainLine(float x1, float y1, float x2, float y2, float colour);
};

// Every program's lessons build on the whole common library.
using Lesson = Figures;

}  // namespace lesson
