#include "fennor/area_figures.h"

namespace lesson {

void AreaFigures::DrawAreaFigure() {}
void AreaFigures::DrawRegroupedAreaFigure() {}

}  // namespace lesson
