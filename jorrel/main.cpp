#include "jorrel/jorrel.h"
#include "platform/app.h"

int main() {
  return plat::RunInWindow("Jorrel", [](plat::Screen& screen) {
    lesson::Jorrel program(screen);
    program.ProgramMain();
  });
}
