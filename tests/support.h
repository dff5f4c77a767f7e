// Helpers shared by the tests: running programs headless and reading traces
// and pixels.
#pragma once

#include <cairo.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "common/figures/figures.h"
#include "platform/app.h"
#include "platform/screen.h"

namespace testing_support {

// A lesson program for driving the common library: its main menu is whatever
// the test hands it (nothing by default).
struct TestLesson : lesson::Lesson {
  using lesson::Lesson::Lesson;
  std::function<void(TestLesson&)> menu;
  void ShowMainMenu() override {
    if (menu) menu(*this);
  }
};

// The headless backend counting the keys it hands out.
class CountingBackend : public plat::HeadlessBackend {
 public:
  using HeadlessBackend::HeadlessBackend;
  int keys = 0;
  bool PollKey(plat::Text& key) override {
    bool got = HeadlessBackend::PollKey(key);
    if (got) ++keys;
    return got;
  }
};

// A screen on the headless backend with a trace, for driving library code.
class TestScreen {
 public:
  explicit TestScreen(const std::string& keys = "", const std::string& time = "10:20:30");
  plat::Screen& screen() { return *screen_; }
  std::string trace() const { return trace_.str(); }
  std::vector<std::string> lines() const;
  void ClearTrace() { trace_.str(""); }

 private:
  std::ostringstream trace_;
  std::unique_ptr<plat::HeadlessBackend> backend_;
  std::unique_ptr<plat::Screen> screen_;
};

// Runs a program by name with scripted keys; the trace split into lines.
struct Replay {
  int exitCode = 0;
  std::vector<std::string> lines;
  // Lines that start with the given prefix.
  std::vector<std::string> With(const std::string& prefix) const;
  // Index of the first line at or after `from` containing the text, or -1.
  int Find(const std::string& text, int from = 0) const;
  // The text lines drawn, as "x,y,colour,"text"" tuples, for readability.
  std::string Texts() const;
};
Replay RunReplay(const std::string& program, const std::string& keys, const std::string& time = "10:20:30");

// The page rendered at one pixel per unit.
class Picture {
 public:
  // scale: pixels per page unit.
  explicit Picture(const plat::Canvas& canvas, double scale = 1.0);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  // Palette index nearest to the pixel's colour.
  int ColourAt(int x, int y) const;
  uint32_t Pixel(int x, int y) const;

 private:
  cairo_surface_t* surface_;
};

std::vector<std::string> SplitLines(const std::string& s);

// Times of day whose seeds (hours + minutes + seconds) cover 0 to 141, every
// `step`-th one.
std::vector<std::string> SeedTimes(int step);

// Replay keys that type a number and Enter ("1 2 Enter ").
std::string Type(const std::string& number);
// The same key n times ("Space Space ").
std::string Keys(const std::string& key, int n);

}  // namespace testing_support
