// Fennor: the program's state and its lessons.
#pragma once

#include "common/figures/figures.h"

namespace lesson {

extern const ProgramSettings kFennorSettings;

class Fennor : public Lesson {
 public:
  explicit Fennor(plat::Screen& screen) : Lesson(screen, kFennorSettings) {}
  void ShowMainMenu() override;
};

}  // namespace lesson
