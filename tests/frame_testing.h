// A small lesson program for driving the lesson frame in tests: its main menu
// is whatever the test hands it, run on the headless screen with scripted keys.
#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "common/figures/figures.h"
#include "platform/app.h"
#include "tests/support.h"

namespace frame_testing {

inline const lesson::ProgramSettings kSettings = {
    .title = "Testa",
    .ellSize = 16, .ellH = 6, .ellV = 3, .ellRaiseInFraction = 0, .ellRaiseOutside = 0,
    .typesetBlankRule = true,
    .hasDivisorPairs = true,
};

inline const lesson::ProgramSettings kSettingsWithoutPairs = {
    .title = "Testb",
    .ellSize = 16, .ellH = 6, .ellV = 3, .ellRaiseInFraction = 0, .ellRaiseOutside = 0,
    .typesetBlankRule = false,
    .hasDivisorPairs = false,
};

using testing_support::TestLesson;

// Counts the waits for the pupil.
class CountingBackend : public plat::HeadlessBackend {
 public:
  using HeadlessBackend::HeadlessBackend;
  void KeyWaitStarts(const plat::Canvas&) override { ++waits; }
  int waits = 0;
};

// How a run ended.
enum class End { Returned, WindowClosed, ProgramEnded };

class Harness {
 public:
  explicit Harness(const std::string& keys = "", const std::string& time = "10:20:30",
                   const lesson::ProgramSettings& settings = kSettings)
      : backend_(Options(keys, time)), screen_(backend_), program(screen_, settings) {
    screen_.canvas().SetTrace(&trace_);
  }

  // The start-up with `menu` as the program's main menu.
  End Run(std::function<void(TestLesson&)> menu) {
    program.menu = std::move(menu);
    try {
      program.ProgramMain();
    } catch (const plat::WindowClosed&) {
      return End::WindowClosed;
    } catch (const plat::ProgramEnded&) {
      return End::ProgramEnded;
    }
    return End::Returned;
  }
  // The start-up alone (the main menu returns at once).
  void Start() { Run(nullptr); }

  std::vector<std::string> Lines() const { return testing_support::SplitLines(trace_.str()); }
  void ClearTrace() { trace_.str(""); }
  int Waits() const { return backend_.waits; }
  plat::Screen& screen() { return screen_; }

 private:
  static plat::HeadlessOptions Options(const std::string& keys, const std::string& time) {
    plat::HeadlessOptions o;
    o.keys = plat::ParseKeyScript(keys);
    o.timeOfDay = time;
    return o;
  }
  std::ostringstream trace_;
  CountingBackend backend_;
  plat::Screen screen_;

 public:
  TestLesson program;
};

// The trace line of one glyph of the plain text output (bold Gothic 16).
inline std::string Glyph(int x, int y, int colour, const std::string& utf8) {
  return "text x=" + std::to_string(x) + " y=" + std::to_string(y) + " h=1 v=1 colour=" + std::to_string(colour) +
         " face=gothic size=16 bold=1 italic=0 \"" + utf8 + "\"";
}

// The trace line of a wipe or prompt box.
inline std::string FilledBox(int x1, int y1, int x2, int y2, int border, int fill, int width) {
  return "fill x1=" + std::to_string(x1) + " y1=" + std::to_string(y1) + " x2=" + std::to_string(x2) +
         " y2=" + std::to_string(y2) + " border=" + std::to_string(border) + " fill=" + std::to_string(fill) +
         " width=" + std::to_string(width);
}

// Only the lines that begin with the prefix.
inline std::vector<std::string> Only(const std::vector<std::string>& lines, const std::string& prefix) {
  std::vector<std::string> out;
  for (const auto& l : lines)
    if (l.rfind(prefix, 0) == 0) out.push_back(l);
  return out;
}

}  // namespace frame_testing
