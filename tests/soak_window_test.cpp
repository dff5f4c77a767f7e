// A shorter soak through the real window backend, on SDL's dummy video driver
// (no display needed): the keys go in as SDL events, so that the window's own
// drawing, region redraws and copies to the screen run under the sanitizers
// with everything a program draws.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>

#include "platform/app.h"
#include "tests/window_keys.h"
#include "tools/key_stream.h"
#include "tools/programs.h"

namespace {

class WindowSoak : public testing::TestWithParam<std::string> {};

TEST_P(WindowSoak, KeysThroughTheWindowNeverBreakTheProgram) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  plat::ProgramFn program = lesson::ProgramByName(GetParam());
  // 3,000 keys of the soak's pupil, without its closes of the window.
  soak::Keys keys;
  for (int run = 0; keys.size() < 3000; ++run)
    for (const auto& k : soak::PlanRun(4242, run).keys)
      if (k) keys.push_back(k);
  keys.resize(3000);
  testing_support::KeyFeeder feeder(keys);
  std::ostream trace(&feeder);
  bool errorScreen = false;
  int rc = plat::RunInWindow(GetParam(), [&](plat::Screen& screen) {
    screen.canvas().SetTrace(&trace);
    feeder.Start();
    try {
      for (;;) {  // the end item starts the program again
        try {
          program(screen);
        } catch (const plat::ProgramEnded&) {
        }
      }
    } catch (const plat::WindowClosed&) {
      feeder.Stop();
      const plat::Text error = SJ("エラーが発生しました。");
      for (const plat::DrawOp& op : screen.canvas().ops())
        if (op.text.find(error) != std::string::npos) errorScreen = true;
      throw;
    }
  });
  EXPECT_EQ(rc, 0);
  EXPECT_FALSE(errorScreen);
  EXPECT_EQ(feeder.taken(), keys.size());
}

INSTANTIATE_TEST_SUITE_P(Programs, WindowSoak, testing::ValuesIn(lesson::ProgramNames()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
