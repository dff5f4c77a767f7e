// Figures, geometry and graphs: dotted arcs, angle and segment marks, grids,
// polygons, axes, points and graphs, braces, arrows and division layouts.
#pragma once

#include "common/typeset/typeset.h"

namespace lesson {

class Figures : public Typeset {
 public:
  using Typeset::Typeset;
};

// Every program's lessons build on the whole common library.
using Lesson = Figures;

}  // namespace lesson
