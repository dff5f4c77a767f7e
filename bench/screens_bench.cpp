// Costs of whole screens, headless: drawing a program's menu page, drawing
// the step of chapter 1 that leaves the fullest picture, and rendering that
// picture to pixels as the window does after a change of size. Drawing times
// are from the key that starts a step to the next wait for a key (manual
// timing; the CPU column is then the whole scripted run).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "platform/app.h"
#include "tools/key_stream.h"
#include "tools/programs.h"

namespace {

using Clock = std::chrono::steady_clock;

// The headless backend with a stopwatch: the time from each key taken to the
// next wait for a key, and a copy of the fullest picture at such a wait.
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
    if (canvas.ops().size() > fullestOps) {
      fullestOps = canvas.ops().size();
      fullest = screens.size() - 1;
      if (keepFullest) fullestPicture = canvas.ops();
    }
  }
  std::string TimeOfDay() override { return inner_.TimeOfDay(); }

  std::vector<double> screens;  // seconds per step
  size_t fullest = 0, fullestOps = 0;
  bool keepFullest = false;
  std::vector<plat::DrawOp> fullestPicture;

 private:
  plat::HeadlessBackend inner_;
  std::optional<Clock::time_point> lastKey_;
};

std::vector<std::optional<plat::Text>> Repeat(const std::string& start, const std::string& unit, int times) {
  std::string script = start;
  for (int i = 0; i < times; ++i) script += " " + unit;
  return plat::ParseKeyScript(script);
}

StopwatchBackend RunScript(const char* name, const std::vector<std::optional<plat::Text>>& keys, bool keepFullest) {
  plat::HeadlessOptions o;
  o.timeOfDay = "10:20:30";
  o.keys = keys;
  StopwatchBackend backend(o);
  backend.keepFullest = keepFullest;
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

// A seeded random walk of 4,000 keys through the program (the soak's pupil,
// which reaches every screen of the chapters built so far), without closing
// the window. The step that leaves the fullest picture is measured.
const std::vector<std::optional<plat::Text>>& LessonKeys() {
  static const auto keys = [] {
    soak::Keys walk;
    for (int run = 0; walk.size() < 4000; ++run)
      for (const auto& k : soak::PlanRun(2026, run).keys)
        if (k) walk.push_back(k);
    walk.resize(4000);
    return walk;
  }();
  return keys;
}

void BM_LessonScreen(benchmark::State& state, const char* name) {
  size_t ops = 0;
  double meanStep = 0;
  for (auto _ : state) {
    StopwatchBackend b = RunScript(name, LessonKeys(), false);
    if (b.screens.empty()) {
      state.SkipWithError("no lesson screen drawn");
      break;
    }
    ops = b.fullestOps;
    meanStep = std::accumulate(b.screens.begin(), b.screens.end(), 0.0) / b.screens.size();
    state.SetIterationTime(b.screens[b.fullest]);
  }
  state.counters["ops"] = static_cast<double>(ops);
  state.counters["mean_step_us"] = meanStep * 1e6;
}

// The fullest picture rendered at 1440 x 900, as the window does when it is
// resized (and lesson-replay for a PNG).
void BM_RenderLessonScreen(benchmark::State& state, const char* name) {
  StopwatchBackend b = RunScript(name, LessonKeys(), true);
  if (b.fullestPicture.empty()) {
    state.SkipWithError("no lesson screen drawn");
    for (auto _ : state) {
    }
    return;
  }
  plat::Canvas canvas;
  for (const auto& op : b.fullestPicture) canvas.Add(op);
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

PER_PROGRAM(BM_MenuPage, UseManualTime()->Iterations(300)->Unit(benchmark::kMicrosecond));
PER_PROGRAM(BM_LessonScreen, UseManualTime()->Iterations(30)->Unit(benchmark::kMicrosecond));
PER_PROGRAM(BM_RenderLessonScreen, Unit(benchmark::kMillisecond));

}  // namespace
