// screen-walk: walks every item of every chapter of the programs headless and
// reports what the pupil would see amiss: glyphs cut by a later box, text in
// the bottom band, and every colour pair the screens show, worst first.
#include <cstring>
#include <iostream>

#include "tools/programs.h"
#include "tools/screen_checks.h"

namespace {

int Usage() {
  std::cerr << "usage: screen-walk [--colours] [--clean] [--keys] [--time HH:MM:SS]... [PROGRAM]...\n"
               "  walks every item of every chapter (all four programs and the usual times by default);\n"
               "  --colours: the colour pairs only; --clean: cut glyphs and the bottom band only;\n"
               "  --keys: each walk's keys, for lesson-replay --keys (its --shots numbers are the waits)\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool colours = false, clean = false, keys = false;
  std::vector<std::string> programs, times;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--colours") {
      colours = true;
    } else if (a == "--keys") {
      keys = true;
    } else if (a == "--clean") {
      clean = true;
    } else if (a == "--time" && i + 1 < argc) {
      times.push_back(argv[++i]);
    } else if (!a.empty() && a[0] != '-' && lesson::ProgramByName(a)) {
      programs.push_back(a);
    } else {
      return Usage();
    }
  }
  if (!colours && !clean) colours = clean = true;
  if (programs.empty()) programs = lesson::ProgramNames();
  if (times.empty()) times = walk::WalkTimes();

  walk::CleanScreens screens;
  walk::ColourPairs pairs;
  std::vector<walk::Observer*> observers;
  if (clean) observers.push_back(&screens);
  if (colours) observers.push_back(&pairs);
  walk::Observers all(observers);
  int failures = 0;
  for (const std::string& program : programs) {
    for (const std::string& time : times) {
      walk::WalkResult r = walk::Walk(program, time, all);
      std::cout << program << " " << time << ": " << r.items << " items, " << r.waits << " key waits, " << r.keys
                << " keys\n";
      if (keys) std::cout << "  keys: " << r.script << "\n";
      for (const std::string& f : r.faults) {
        std::cout << "  FAULT " << f << "\n";
        ++failures;
      }
    }
  }
  if (clean) {
    auto faults = screens.Faults();
    std::cout << "\nClean screens: " << faults.size() << " faults\n";
    for (const std::string& f : faults) std::cout << "  " << f << "\n";
    failures += static_cast<int>(faults.size());
  }
  if (colours) {
    std::cout << "\nColour pairs, worst first:\n";
    for (const auto& [pair, figures] : pairs.WorstFirst()) {
      std::cout << "  " << walk::ColourPairs::Line(pair, figures) << "\n";
      if (!figures.passes()) ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
