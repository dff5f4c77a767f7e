// Fennor: the program's state and its lessons.
#pragma once

#include "fennor/area_figures.h"

namespace lesson {

extern const ProgramSettings kFennorSettings;

class Fennor : public AreaFigures {
 public:
  explicit Fennor(plat::Screen& screen) : AreaFigures(screen, kFennorSettings) {}
  void ShowMainMenu() override;

  float gFennorFigureOriginX = 0, gFennorFigureOriginY = 0;

 protected:
  float FigureOriginX() const override { return gFennorFigureOriginX; }
  float FigureOriginY() const override { return gFennorFigureOriginY; }
};

}  // namespace lesson
