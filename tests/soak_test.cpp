// The soak in the test suite: each program takes a long seeded random key
// stream (restarted whenever it ends) without a fault, the error screen, a
// hang or a crash; under the sanitizer build this is also the memory check.
// SOAK_KEYS and SOAK_SEED change the budget and the seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <vector>
#include <iostream>
#include <forward_list>
#include <string>

#include "tests/soak_driver.h"
#include "tools/programs.h"

namespace {

long EnvOr(const char* name, long fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::atol(v) : fallback;
}

class Soak : public testing::TestWithParam<std::string> {};

TEST_P(Soak, RandomKeysNeverBreakTheProgram) {
  soak::Options o;
  o.program = GetParam();
  o.keys = EnvOr("SOAK_KEYS", 40000);
  // A fixed seed per program keeps the suite reproducible; SOAK_SEED explores.
  const auto& names = lesson::ProgramNames();
  o.seed = static_cast<uint64_t>(EnvOr("SOAK_SEED", 20261209)) * 10 +
           static_cast<uint64_t>(std::find(names.begin(), names.end(), o.program) - names.begin());
  soak::Result r = soak::Run(o);
  std::cout << o.program << ": seed " << o.seed << ", " << r.keysTaken << " keys in " << r.runs << " runs ("
            << r.runsEnded << " ended by the menu), " << r.keyWaits << " waits for a key, ~" << r.distinctTexts
            << " different texts, " << r.cpuSeconds << " s CPU\n";
  ASSERT_TRUE(r.ok) << r.failure;
  EXPECT_GE(r.keysTaken, o.keys);
}

INSTANTIATE_TEST_SUITE_P(Programs, Soak, testing::ValuesIn(lesson::ProgramNames()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

// The driver itself: the same seed gives the same keys, and the key script
// reads back through the replay parser.
TEST(SoakDriver, RunsAreReproducibleAndScriptable) {
  soak::RunPlan a = soak::PlanRun(7, 3), b = soak::PlanRun(7, 3), c = soak::PlanRun(7, 4);
  EXPECT_EQ(a.keys, b.keys);
  EXPECT_EQ(a.timeOfDay, b.timeOfDay);
  EXPECT_NE(a.keys, c.keys);
  EXPECT_EQ(plat::ParseKeyScript(soak::ToScript(a.keys)), a.keys);
}

// The driver's detectors, on small programs that break on purpose.
soak::Options Breaking(plat::ProgramFn program, long keys = 3000) {
  soak::Options o;
  o.program = "breaking";
  o.programFn = std::move(program);
  o.keys = keys;
  o.seed = 11;
  return o;
}

// Takes keys until `trigger`, then does `act`.
plat::ProgramFn BreaksOn(const char* trigger, std::function<void(plat::Screen&)> act) {
  return [trigger, act](plat::Screen& s) {
    for (;;) {
      plat::Text k = s.Inkey();
      if (k == trigger) act(s);
    }
  };
}

TEST(SoakDriver, ReportsTheErrorScreenWithTheKeysThatReachIt) {
  soak::Result r = soak::Run(Breaking(BreaksOn("7", [](plat::Screen& s) {
    s.Cls();
    s.Symbol(288, 432, SJ(" 120, 11エラーが発生しました。マウスで×をクリックして下さい。"), 1, 1, 13);
    s.KeyWaitStarts();
    for (;;) s.Inkey();
  })));
  ASSERT_FALSE(r.ok);
  EXPECT_NE(r.failure.find("error screen \" 120, 11エラー"), std::string::npos) << r.failure;
  // Cut down to the one key that matters.
  EXPECT_NE(r.failure.find("--keys \"7\""), std::string::npos) << r.failure;
  EXPECT_NE(r.failure.find("lesson-soak breaking --seed 11 --run "), std::string::npos) << r.failure;
}

TEST(SoakDriver, ReportsAFaultOrExceptionThatEscapes) {
  soak::Result fault = soak::Run(Breaking(BreaksOn("/", [](plat::Screen&) { plat::RaiseFault(plat::kFaultDivisionByZero); })));
  ASSERT_FALSE(fault.ok);
  EXPECT_NE(fault.failure.find("run-time fault 11 escaped"), std::string::npos) << fault.failure;
  EXPECT_NE(fault.failure.find("--keys \"/\""), std::string::npos) << fault.failure;

  soak::Result other = soak::Run(Breaking(BreaksOn("q", [](plat::Screen&) { throw std::out_of_range("q"); })));
  ASSERT_FALSE(other.ok);
  EXPECT_NE(other.failure.find("exception escaped: q"), std::string::npos) << other.failure;
}

TEST(SoakDriver, PassesAProgramThatOnlyTakesKeys) {
  soak::Result r = soak::Run(Breaking(BreaksOn("", [](plat::Screen&) {}), 20000));
  EXPECT_TRUE(r.ok) << r.failure;
  EXPECT_GE(r.keysTaken, 20000);
  EXPECT_GT(r.runs, 1);
}

TEST(SoakDriverDeathTest, AbortsOnAHangWithTheSeed) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  soak::Options o = Breaking(BreaksOn("9", [](plat::Screen& s) {
    volatile float x = 0;
    for (;;) x = x + s.Rnd();  // never takes another key
  }));
  o.hangCpuSeconds = 0.3;
  EXPECT_DEATH(soak::Run(o), "hang \\(0 s of CPU without taking a key\\) during breaking \\(seed 11, run");
}

TEST(SoakDriverDeathTest, ACrashPrintsTheSeedAndTheKeys) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  soak::Options o = Breaking(BreaksOn("8", [](plat::Screen&) { std::raise(SIGSEGV); }));
  EXPECT_DEATH(soak::Run(o), "soak: (fatal signal|sanitizer report) during breaking \\(seed 11, run [0-9]+, time");
}

TEST(SoakDriver, ReportsAHeapThatKeepsGrowingByOneSmallAllocationAKey) {
  static std::forward_list<char> hoard;  // one node of a few bytes a key
  soak::Options o = Breaking(BreaksOn("", [](plat::Screen&) {}), 30000);
  o.programFn = [](plat::Screen& s) {
    for (;;) {
      s.Inkey();
      hoard.push_front('x');
    }
  };
  o.checkGrowth = true;
  soak::Result r = soak::Run(o);
  hoard.clear();
  if (r.heap100Kb == 0) GTEST_SKIP() << "no heap figure (a sanitizer's allocator)";
  ASSERT_FALSE(r.ok);
  EXPECT_NE(r.failure.find("the heap of breaking grew"), std::string::npos) << r.failure;
}

TEST(SoakDriver, TheHeapOfAProgramThatOnlyTakesKeysStaysFlat) {
  soak::Options o = Breaking(BreaksOn("", [](plat::Screen&) {}), 30000);
  o.checkGrowth = true;
  soak::Result r = soak::Run(o);
  if (r.heap100Kb == 0) GTEST_SKIP() << "no heap figure (a sanitizer's allocator)";
  EXPECT_TRUE(r.ok) << r.failure;
  EXPECT_LT(std::abs(r.heap100Kb - r.heap10Kb), 64) << r.heap10Kb << " -> " << r.heap100Kb;
}

}  // namespace
