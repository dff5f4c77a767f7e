#include "dellmir/dellmir.h"
#include "platform/app.h"

int main() {
  return plat::RunInWindow("Dellmir", [](plat::Screen& screen) {
    lesson::Dellmir program(screen);
    program.ProgramMain();
  });
}
