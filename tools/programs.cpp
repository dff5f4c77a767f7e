#include "tools/programs.h"

#include "corvana/corvana.h"
#include "dellmir/dellmir.h"
#include "fennor/fennor.h"
#include "jorrel/jorrel.h"

namespace lesson {
namespace {

template <class P>
plat::ProgramFn Entry() {
  return [](plat::Screen& screen) {
    P program(screen);
    program.ProgramMain();
  };
}

}  // namespace

plat::ProgramFn ProgramByName(const std::string& name) {
  if (name == "corvana") return Entry<Corvana>();
  if (name == "dellmir") return Entry<Dellmir>();
  if (name == "fennor") return Entry<Fennor>();
  if (name == "jorrel") return Entry<Jorrel>();
  return {};
}

const std::vector<std::string>& ProgramNames() {
  static const std::vector<std::string> names = {"corvana", "dellmir", "fennor", "jorrel"};
  return names;
}

}  // namespace lesson
