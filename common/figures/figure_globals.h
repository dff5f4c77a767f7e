// Globals of the figure routines: points, arc and angle parameters, the grid
// and axes, graphs, arrows and slope triangles.
#pragma once

#include "platform/text.h"

namespace lesson {

using plat::Text;

struct FigureGlobals {
  float gP1X = 0, gP1Y = 0, gP2X = 0, gP2Y = 0;
};

}  // namespace lesson
