// The lesson frame: start-up, plain text output, number entry, prompts, the
// key wait, the error screen and the text helpers shared by every program.
//
// The lessons pass everything through shared globals: the caller sets the
// globals a routine reads and reads back those it sets. Here the globals are
// members of one state object per running program, so several programs can
// run side by side (in tests), and every routine is a member function.
#pragma once

#include "common/figures/figure_globals.h"
#include "common/frame/frame_globals.h"
#include "common/typeset/typeset_globals.h"
#include "platform/runtime.h"
#include "platform/screen.h"
#include "platform/text.h"

namespace lesson {

using plat::Text;

// What distinguishes the four programs inside the shared library.
struct ProgramSettings {
  const char* title;  // UTF-8
  // The script ell of the typesetter.
  float ellSize;
  int ellH, ellV;
  float ellRaiseInFraction, ellRaiseOutside;
  bool typesetBlankRule;   // the typesetter has a rule for the blank
  bool hasDivisorPairs;    // ListDivisorPairs exists
};

class Frame : public FrameGlobals, public TypesetGlobals, public FigureGlobals {
 public:
  Frame(plat::Screen& screen, const ProgramSettings& settings) : scr(screen), settings(settings) {}
  virtual ~Frame() = default;
  Frame(const Frame&) = delete;
  Frame& operator=(const Frame&) = delete;

  // The program's entry: the start-up, then the main menu, which runs the
  // program until its end item or the closing of the window.
  void ProgramMain();

  // The program's main menu (each program has its own).
  virtual void ShowMainMenu() = 0;

  plat::Screen& scr;
  const ProgramSettings& settings;

  // Implemented by the typesetter; the frame's screen tables draw expressions.
  virtual void DrawExpression() = 0;
};

}  // namespace lesson
