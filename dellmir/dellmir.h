// Dellmir: the program's state and its lessons.
#pragma once

#include "common/figures/figures.h"

namespace lesson {

extern const ProgramSettings kDellmirSettings;

class Dellmir : public Lesson {
 public:
  explicit Dellmir(plat::Screen& screen) : Lesson(screen, kDellmirSettings) {}
  void ShowMainMenu() override;
};

}  // namespace lesson
