// A shorter soak through the real window backend, on SDL's dummy video driver
// (no display needed): the keys go in as SDL events, so that the window's own
// drawing, region redraws and copies to the screen run under the sanitizers
// with everything a program draws.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <atomic>
#include <mutex>
#include <ostream>
#include <streambuf>
#include <string>

#include "platform/app.h"
#include "tools/key_stream.h"
#include "tools/programs.h"

namespace {

void PushKey(const plat::Text& key) {
  SDL_Event e{};
  if (key == "\r" || key == "\b" || key == "\x0c") {
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = key == "\r" ? SDLK_RETURN : key == "\b" ? SDLK_BACKSPACE : SDLK_HOME;
  } else {
    e.type = SDL_TEXTINPUT;
    std::snprintf(e.text.text, sizeof e.text.text, "%s", key.c_str());
  }
  SDL_PushEvent(&e);
}

// Feeds the keys to SDL's queue in batches, each once the program has taken
// the last (it counts the "key" lines of the trace it is given), and closes
// the window after the last batch is taken. A timer does the feeding, so that
// a program waiting for a key is woken whatever it is waiting in.
class KeyFeeder : public std::streambuf {
 public:
  explicit KeyFeeder(soak::Keys keys) : keys_(std::move(keys)) {}
  void Start() {
    SDL_InitSubSystem(SDL_INIT_TIMER);
    timer_ = SDL_AddTimer(1, [](Uint32 interval, void* self) {
      static_cast<KeyFeeder*>(self)->Refill();
      return interval;
    }, this);
  }
  void Stop() { SDL_RemoveTimer(timer_); }
  size_t taken() const { return taken_; }

 private:
  int overflow(int c) override {
    if (lineStart_ && c == 'k') ++taken_;  // only "key" lines start with k
    lineStart_ = c == '\n';
    return c;
  }
  void Refill() {
    std::lock_guard lock(mu_);
    if (closed_ || taken_ < next_) return;
    if (next_ == keys_.size()) {
      SDL_Event quit{};
      quit.type = SDL_QUIT;
      SDL_PushEvent(&quit);
      closed_ = true;
      return;
    }
    for (int n = 0; n < 50 && next_ < keys_.size(); ++n) PushKey(*keys_[next_++]);
  }

  soak::Keys keys_;
  std::mutex mu_;
  size_t next_ = 0;
  bool closed_ = false;
  std::atomic<size_t> taken_{0};
  bool lineStart_ = true;
  SDL_TimerID timer_ = 0;
};

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
  KeyFeeder feeder(keys);
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
