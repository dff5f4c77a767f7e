// lesson-replay: runs a lesson program headless with scripted keys, writing a
// trace of its drawing and PNGs of its screens.
#include <cstring>
#include <fstream>
#include <iostream>
#include <sys/stat.h>

#include "tools/programs.h"

namespace {

int Usage() {
  std::cerr << "usage: lesson-replay PROGRAM [--time HH:MM:SS] [--keys \"TOKENS\"] [--trace FILE] [--png FILE] "
               "[--shots DIR]\n"
               "  PROGRAM: corvana, dellmir, fennor or jorrel\n"
               "  TOKENS: one character per key, or Enter, Backspace, Space, Clear, Close\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  std::string name = argv[1];
  plat::ProgramFn program = lesson::ProgramByName(name);
  if (!program) return Usage();
  plat::HeadlessOptions options;
  std::string tracePath;
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    if (i + 1 >= argc) return Usage();
    std::string v = argv[++i];
    if (a == "--time") {
      options.timeOfDay = v;
    } else if (a == "--keys") {
      try {
        options.keys = plat::ParseKeyScript(v);
      } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 2;
      }
    } else if (a == "--trace") {
      tracePath = v;
    } else if (a == "--png") {
      options.pngPath = v;
    } else if (a == "--shots") {
      options.shotsDir = v;
      mkdir(v.c_str(), 0755);
    } else {
      return Usage();
    }
  }
  std::ofstream trace;
  if (!tracePath.empty()) {
    trace.open(tracePath);
    if (!trace) {
      std::cerr << "cannot write " << tracePath << "\n";
      return 2;
    }
    options.trace = &trace;
  }
  return plat::RunHeadless(options, program);
}
