// lesson-soak: the soak on demand, for long runs and for replaying a failure.
//
//   lesson-soak PROGRAM [--keys N] [--seed S] [--run R] [--growth] [--hang-cpu SECONDS]
//                       [--render-every N] [--no-shrink] [--quiet]
//
// Prints its figures as one line; exits 1 on a failure (after printing how to
// reproduce it), 2 on bad usage.
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

#include "tests/soak_driver.h"
#include "tools/programs.h"

namespace {

int Usage() {
  std::cerr << "usage: lesson-soak PROGRAM [--keys N] [--seed S] [--run R] [--growth] [--hang-cpu SECONDS]\n"
               "                   [--render-every N] [--no-shrink] [--quiet]\n"
               "  PROGRAM: corvana, dellmir, fennor or jorrel\n"
               "  --keys N: key budget (default 100000); --seed S: default from the clock\n"
               "  --run R: replay only run R of the seed; --growth: fail when the heap (or,\n"
               "  by far more, resident memory) grows between 10% and 100% of the keys\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  soak::Options o;
  o.program = argv[1];
  o.keys = 100000;
  o.seed = std::random_device{}() ^ static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  o.seed %= 1000000000;
  bool quiet = false;
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (a == "--growth") {
      o.checkGrowth = true;
    } else if (a == "--no-shrink") {
      o.shrink = false;
    } else if (a == "--quiet") {
      quiet = true;
    } else if (a == "--keys" || a == "--seed" || a == "--run" || a == "--hang-cpu" || a == "--render-every") {
      const char* v = value();
      if (!v) return Usage();
      if (a == "--keys") o.keys = std::atol(v);
      if (a == "--seed") o.seed = std::strtoull(v, nullptr, 10);
      if (a == "--run") o.onlyRun = std::atoi(v);
      if (a == "--hang-cpu") o.hangCpuSeconds = std::atof(v);
      if (a == "--render-every") o.renderEvery = std::atoi(v);
    } else {
      return Usage();
    }
  }
  if (!lesson::ProgramByName(o.program)) return Usage();
  if (!quiet) o.log = &std::cerr;
  soak::Result r = soak::Run(o);
  std::cout << o.program << " seed=" << o.seed << " keys=" << r.keysTaken << " runs=" << r.runs
            << " ended_by_menu=" << r.runsEnded << " key_waits=" << r.keyWaits << " texts~" << r.distinctTexts << " max_page_ops=" << r.maxPageOps
            << " cpu_s=" << r.cpuSeconds << " rss_start_kb=" << r.rssStartKb << " rss_10pc_kb=" << r.rss10Kb
            << " rss_end_kb=" << r.rss100Kb << " heap_start_kb=" << r.heapStartKb << " heap_10pc_kb=" << r.heap10Kb
            << " heap_end_kb=" << r.heap100Kb << (r.ok ? " ok" : " FAILED") << std::endl;
  if (!r.ok) {
    std::cerr << r.failure;
    return 1;
  }
  return 0;
}
