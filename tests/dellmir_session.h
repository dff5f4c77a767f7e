// Running Dellmir in-process with every expression it draws written into the
// trace, so that a test reads the lesson's texts (with their markup), its
// dots, boxes and key waits in one ordered list of lines.
#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "dellmir/dellmir.h"
#include "platform/app.h"
#include "tests/dellmir_trace.h"
#include "tests/support.h"

namespace dellmir_session {

using dellmir_trace::Lines;

// Dellmir whose main menu can be replaced by a test body, and which writes
// `expr x=… y=… colour=… "text"` before each expression it draws (not when
// only measuring).
class RecordingDellmir : public lesson::Dellmir {
 public:
  RecordingDellmir(plat::Screen& screen, std::ostream& out) : Dellmir(screen), out_(out) {}
  std::function<void(RecordingDellmir&)> body;
  void ShowMainMenu() override {
    if (body) {
      body(*this);
    } else {
      Dellmir::ShowMainMenu();
    }
  }
  void DrawExpression() override {
    if (!scr.measuring() && !gPrintText.empty())
      out_ << "expr x=" << gPenX << " y=" << gPenY << " colour=" << gTextColour << " \"" << plat::ToUtf8(gPrintText)
           << "\"\n";
    Dellmir::DrawExpression();
  }

 private:
  std::ostream& out_;
};

struct Session {
  int exitCode = 0;
  size_t keysLeft = 0;
  Lines lines;
};

inline Session RunDellmir(const std::string& keys, const std::string& time = "10:20:30",
                          std::function<void(RecordingDellmir&)> body = nullptr) {
  plat::HeadlessOptions o;
  o.keys = plat::ParseKeyScript(keys);
  o.timeOfDay = time;
  plat::HeadlessBackend backend(o);
  plat::Screen screen(backend);
  std::ostringstream trace;
  screen.canvas().SetTrace(&trace);
  RecordingDellmir p(screen, trace);
  p.body = std::move(body);
  Session s;
  s.exitCode = plat::RunProgram(screen, [&](plat::Screen&) { p.ProgramMain(); });
  s.keysLeft = backend.keysLeft();
  s.lines = testing_support::SplitLines(trace.str());
  return s;
}

// One expression drawn.
struct Expr {
  std::string text;
  double x, y;
  int colour;
  int line;  // its index in the trace
};

inline std::vector<Expr> Exprs(const Lines& lines, int from = 0, int to = -1) {
  std::vector<Expr> out;
  for (int i = std::max(from, 0); i < dellmir_trace::EndOf(lines, to); ++i) {
    const std::string& l = lines[static_cast<size_t>(i)];
    if (!dellmir_trace::StartsWith(l, "expr ")) continue;
    out.push_back({dellmir_trace::Quoted(l), dellmir_trace::Field(l, "x"), dellmir_trace::Field(l, "y"),
                   static_cast<int>(dellmir_trace::Field(l, "colour")), i});
  }
  return out;
}

// The first expression at or after trace line `from` with exactly this text.
inline const Expr* FindExpr(const std::vector<Expr>& exprs, const std::string& text, int from = 0) {
  for (const Expr& e : exprs)
    if (e.line >= from && e.text == text) return &e;
  return nullptr;
}

// The keys that type a number and Enter; n keys for n key waits.
using testing_support::Type;
inline std::string AnyKeys(int n) { return testing_support::Keys("Space", n); }

using testing_support::SeedTimes;

// The dots of the arcs drawn: filled circles of radius 0.5.
struct Dot {
  double x, y;
  int colour, width;
};
inline std::vector<Dot> Dots(const Lines& lines, int from, int to) {
  std::vector<Dot> dots;
  for (int i = std::max(from, 0); i < dellmir_trace::EndOf(lines, to); ++i) {
    const std::string& l = lines[static_cast<size_t>(i)];
    if (!dellmir_trace::StartsWith(l, "circle ") || dellmir_trace::Field(l, "r") != 0.5) continue;
    dots.push_back({dellmir_trace::Field(l, "x"), dellmir_trace::Field(l, "y"),
                    static_cast<int>(dellmir_trace::Field(l, "colour")),
                    static_cast<int>(dellmir_trace::Field(l, "width"))});
  }
  return dots;
}

// --- Chapter 2 ---

inline const std::string kItemWipe = "fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15";
inline const std::string kBandWipe = "fill x1=0 y1=657 x2=992 y2=720 border=15 fill=15";
inline const std::string kStepBox = "fill x1=96 y1=639 x2=400 y2=675 border=13 fill=12";
// The sub-menu's line on the bottom band, as the plain text prints it.
inline const std::string kItemLine = "①導入　②例１　③問１　④例２　⑤問２　⑥終了";

// Runs chapter 2 with the item keys, then leaves the chapter and the program.
inline Session RunChapter(const std::string& keys, const std::string& time = "10:20:30") {
  return RunDellmir(Type("2") + keys + Type("6") + Type("6"), time);
}

// The item lines printed between two trace lines.
inline int ItemLines(const Lines& lines, int from = 0, int to = -1) {
  int n = 0;
  for (const dellmir_trace::TextRun& run : dellmir_trace::TextRuns(lines, from, to))
    if (run.x == 16 && run.y == 666 && run.text == kItemLine) ++n;
  return n;
}

}  // namespace dellmir_session
