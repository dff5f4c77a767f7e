// The area figures of (x+a)(x+b) = x^2+(a+b)x+ab, drawn by Fennor and by
// Jorrel alike: the same routines, each program reading its own origin. The
// figures are step tables (boxes, dimension marks, key waits) run by one
// routine, which Fennor's other area figures share.
#pragma once

#include <span>

#include "common/figures/figures.h"

namespace lesson {

// One element of an area figure, placed relative to the figure's origin.
struct FigureStep {
  enum class Kind : uint8_t { kBox, kMark, kWait };
  Kind kind;
  float x, y;
  float w, h;      // box: size; mark: the other end of the side
  int fillOrSide;  // box: fill colour; mark: the side of the arc
  int step;        // mark: degrees between the dots
  int label;       // slot of gTermText2, 0 for none
  int textColour;  // colour of the label
};

// A box with border 0; its label in colour 13 unless told otherwise.
constexpr FigureStep Box(float x, float y, float w, float h, int fill, int label, int textColour = 13) {
  return {FigureStep::Kind::kBox, x, y, w, h, fill, 0, label, textColour};
}
// A dotted dimension mark (dots colour 9, 16 units high) from (x1, y1) to
// (x2, y2); its label in colour 0 unless told otherwise.
constexpr FigureStep Mark(float x1, float y1, float x2, float y2, int side, int step, int label,
                          int textColour = 0) {
  return {FigureStep::Kind::kMark, x1, y1, x2, y2, side, step, label, textColour};
}
constexpr FigureStep KeyWait() { return {FigureStep::Kind::kWait, 0, 0, 0, 0, 0, 0, 0, 0}; }

class AreaFigures : public Lesson {
 public:
  using Lesson::Lesson;

  // The rectangle cut into the square, the two strips and the corner, with
  // dimension marks; labels from gTermText2 (1 to 7).
  void DrawAreaFigure();
  // Second stage, with key waits: the right strip moved under the lower one
  // and the two joined into one box; labels from gTermText2 (3, 6, 8).
  void DrawRegroupedAreaFigure();

 protected:
  // The figure's origin (each program names its own pair of globals).
  virtual float FigureOriginX() const = 0;
  virtual float FigureOriginY() const = 0;

  // Runs the steps at the origin. Each box leaves the lesson line at its
  // top-right corner.
  void DrawFigureSteps(std::span<const FigureStep> steps);
};

}  // namespace lesson
