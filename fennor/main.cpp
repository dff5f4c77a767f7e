#include "fennor/fennor.h"
#include "platform/app.h"

int main() {
  return plat::RunInWindow("Fennor", [](plat::Screen& screen) {
    lesson::Fennor program(screen);
    program.ProgramMain();
  });
}
