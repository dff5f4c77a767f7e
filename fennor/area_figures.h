// The area figures of (x+a)(x+b) = x^2+(a+b)x+ab, drawn by Fennor and by
// Jorrel alike: the same routines, each program reading its own origin.
#pragma once

#include "common/figures/figures.h"

namespace lesson {

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
};

}  // namespace lesson
