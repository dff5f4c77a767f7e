// The soak driver: runs a lesson program in-process on the headless backend
// with long seeded random key streams, restarting it whenever it ends, and
// stops at the first sign of trouble: a fault that escaped, the error screen,
// a hang (no key taken for several seconds of CPU) or, on request, resident
// memory that keeps growing. Crashes and sanitizer reports print the seed and
// the keys of the run that was going on.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/app.h"
#include "platform/text.h"
#include "tools/key_stream.h"

namespace soak {

struct Options {
  std::string program;        // "corvana", ...
  plat::ProgramFn programFn;  // instead of the program of that name (tests of the driver)
  uint64_t seed = 1;          // everything follows from it
  long keys = 20000;          // key budget over all runs
  int onlyRun = -1;           // >= 0: replay that run alone
  double hangCpuSeconds = 5;  // CPU time without a key taken that counts as a hang
  bool checkGrowth = false;   // compare the heap and resident memory after 10% and 100% of the keys
  int renderEvery = 256;      // render the page at every n-th wait for a key (0: never)
  bool shrink = true;         // cut a failing run's keys down before reporting them
  std::ostream* log = nullptr;  // progress and figures
};

struct Result {
  bool ok = true;
  std::string failure;        // what went wrong, with the seed and how to reproduce it
  long keysTaken = 0;
  int runs = 0;
  int runsEnded = 0;          // the program ended itself (end item of the menu)
  long keyWaits = 0;          // waits for a key (prompts and key waits)
  long distinctTexts = 0;     // different texts drawn: how much of the program was seen
  long maxPageOps = 0;        // drawing operations the page held at the most
  long rssStartKb = 0;        // resident memory after the first start-up
  long rss10Kb = 0, rss100Kb = 0;  // after 10% and 100% of the keys
  long heapStartKb = 0, heap10Kb = 0, heap100Kb = 0;  // bytes in use in the heap
  double cpuSeconds = 0;
};

Result Run(const Options& options);

// Resident set size and heap bytes in use of this process, in KiB.
long ResidentKb();
long HeapInUseKb();

}  // namespace soak
