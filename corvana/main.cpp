#include "corvana/corvana.h"
#include "platform/app.h"

int main() {
  return plat::RunInWindow("Corvana", [](plat::Screen& screen) {
    lesson::Corvana program(screen);
    program.ProgramMain();
  });
}
