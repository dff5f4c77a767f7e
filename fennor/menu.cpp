#include "fennor/fennor.h"

namespace lesson {

void Fennor::ShowMainMenu() {
  // Until the menu exists: the title, then wait until the window is closed.
  scr.Symbol(16, 16, gTitle, 2, 2, static_cast<int>(gTextColour));
  for (;;) {
    while (!scr.Inkey().empty()) {
    }
    scr.KeyWaitStarts();
    scr.WaitForInput(3600);
  }
}

}  // namespace lesson
