// Jorrel: the program's state and its lessons.
#pragma once

#include "common/figures/figures.h"

namespace lesson {

extern const ProgramSettings kJorrelSettings;

class Jorrel : public Lesson {
 public:
  explicit Jorrel(plat::Screen& screen) : Lesson(screen, kJorrelSettings) {}
  void ShowMainMenu() override;
};

}  // namespace lesson
