// Corvana: the program's state and its lessons.
#pragma once

#include "common/figures/figures.h"

namespace lesson {

extern const ProgramSettings kCorvanaSettings;

class Corvana : public Lesson {
 public:
  explicit Corvana(plat::Screen& screen) : Lesson(screen, kCorvanaSettings) {}
  void ShowMainMenu() override;
};

}  // namespace lesson
