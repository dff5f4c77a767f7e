// Costs of whole screens, headless: drawing a program's menu page, drawing
// its fullest lesson screen of chapter 1, and rendering that screen's picture
// to pixels as the window does. Times are per screen: from the key that
// starts a screen to the next wait for a key (manual timing).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "platform/app.h"
#include "tools/programs.h"

namespace {

using Clock = std::chrono::steady_clock;

// The headless backend with a stopwatch: the time from each key taken to the
// next wait for a key, and a copy of the picture at the slowest such wait.
class StopwatchBackend : public plat::Backend {
 public:
  explicit StopwatchBackend(const plat::HeadlessOptions& o) : inner_(o) {}
  bool PollKey(plat::Text& key) override {
    bool got = inner_.PollKey(key);
    if (got) lastKey_ = Clock::now();
    return got;
  }
  void WaitForInput(double seconds) override { inner_.WaitForInput(seconds); }
  void KeyWaitStarts(const plat::Canvas& canvas) override {
    if (!lastKey_) return;  // start-up has its own benchmark
    double s = std::chrono::duration<double>(Clock::now() - *lastKey_).count();
    lastKey_.reset();
    screens.push_back(s);
    if (keepSlowest && s >= *std::max_element(screens.begin(), screens.end())) slowest = canvas.ops();
  }
  std::string TimeOfDay() override { return inner_.TimeOfDay(); }

  std::vector<double> screens;  // seconds per screen
  bool keepSlowest = false;
  std::vector<plat::DrawOp> slowest;

 private:
  plat::HeadlessBackend inner_;
  std::optional<Clock::time_point> lastKey_;
};

std::vector<std::optional<plat::Text>> Repeat(const std::string& start, const std::string& unit, int times) {
  std::string script = start;
  for (int i = 0; i < times; ++i) script += " " + unit;
  return plat::ParseKeyScript(script);
}

StopwatchBackend RunScript(const char* name, const std::vector<std::optional<plat::Text>>& keys, bool keepSlowest) {
  plat::HeadlessOptions o;
  o.timeOfDay = "10:20:30";
  o.keys = keys;
  StopwatchBackend backend(o);
  backend.keepSlowest = keepSlowest;
  plat::Screen screen(backend);
  plat::RunProgram(screen, lesson::ProgramByName(name));
  return backend;
}

// A number outside the menu draws the menu page again: the time per page.
void BM_MenuPage(benchmark::State& state, const char* name) {
  const auto keys = Repeat("", "9 9 Enter", 20);
  for (auto _ : state) {
    StopwatchBackend b = RunScript(name, keys, false);
    if (b.screens.empty()) {
      state.SkipWithError("no menu page drawn");
      break;
    }
    state.SetIterationTime(std::accumulate(b.screens.begin(), b.screens.end(), 0.0) / b.screens.size());
  }
}

// Chapter 1, its first item, then on and on: "1" and Enter go on at a key
// wait and at the step prompt alike. The time of the fullest screen.
const std::vector<std::optional<plat::Text>>& LessonKeys() {
  static const auto keys = Repeat("1 Enter 1 Enter", "1 Enter", 60);
  return keys;
}

void BM_LessonScreen(benchmark::State& state, const char* name) {
  size_t screens = 0;
  for (auto _ : state) {
    StopwatchBackend b = RunScript(name, LessonKeys(), false);
    if (b.screens.empty()) {
      state.SkipWithError("no lesson screen drawn");
      break;
    }
    screens = b.screens.size();
    state.SetIterationTime(*std::max_element(b.screens.begin(), b.screens.end()));
  }
  state.counters["screens"] = static_cast<double>(screens);
}

// The fullest screen's picture rendered at 1440 x 900, as the window does
// when it is resized (and lesson-replay for a PNG).
void BM_RenderLessonScreen(benchmark::State& state, const char* name) {
  StopwatchBackend b = RunScript(name, LessonKeys(), true);
  if (b.slowest.empty()) {
    state.SkipWithError("no lesson screen drawn");
    for (auto _ : state) {
    }
    return;
  }
  plat::Canvas canvas;
  for (const auto& op : b.slowest) canvas.Add(op);
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1440, 900);
  cairo_t* cr = cairo_create(s);
  for (auto _ : state) {
    canvas.Render(cr);
    cairo_surface_flush(s);
  }
  cairo_destroy(cr);
  cairo_surface_destroy(s);
  state.counters["ops"] = static_cast<double>(canvas.ops().size());
}

#define PER_PROGRAM(bm, ...)                                  \
  BENCHMARK_CAPTURE(bm, corvana, "corvana")->__VA_ARGS__;     \
  BENCHMARK_CAPTURE(bm, dellmir, "dellmir")->__VA_ARGS__;     \
  BENCHMARK_CAPTURE(bm, fennor, "fennor")->__VA_ARGS__;       \
  BENCHMARK_CAPTURE(bm, jorrel, "jorrel")->__VA_ARGS__

PER_PROGRAM(BM_MenuPage, UseManualTime()->Unit(benchmark::kMicrosecond));
PER_PROGRAM(BM_LessonScreen, UseManualTime()->Unit(benchmark::kMicrosecond));
PER_PROGRAM(BM_RenderLessonScreen, Unit(benchmark::kMillisecond));

}  // namespace
