// Jorrel: the program's state and its lessons.
#pragma once

#include "fennor/area_figures.h"

namespace lesson {

extern const ProgramSettings kJorrelSettings;

class Jorrel : public AreaFigures {
 public:
  explicit Jorrel(plat::Screen& screen) : AreaFigures(screen, kJorrelSettings) {}
  void ShowMainMenu() override;

  float gJorrelFigureOriginX = 0, gJorrelFigureOriginY = 0;

 protected:
  float FigureOriginX() const override { return gJorrelFigureOriginX; }
  float FigureOriginY() const override { return gJorrelFigureOriginY; }
};

}  // namespace lesson
