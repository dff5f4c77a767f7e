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
  // UTF-8, in full-width Latin letters: a name is no formula, and the
  // typesetter's letter rules (italic a, script l) touch only ASCII letters.
  const char* title;
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

  // --- Start-up ---
  // The program's entry: the start-up, then the main menu, which runs the
  // program until its end item or the closing of the window. A run-time fault
  // anywhere after the first step ends on the error screen.
  void ProgramMain();

  // The program's main menu (each program has its own).
  virtual void ShowMainMenu() = 0;

  // --- Plain text output ---
  void PrintText();        // gPrintText at the pen, glyph by glyph; moves gPenX
  void DrawGlyphs();       // gWorkText from gPenX into gGlyphX; the pen stays
  void ToFullWidthChar();  // gChar to its full-width counterpart
  void StripBlanks();      // gWorkText without its half-width blanks

  // --- Fraction texts ---
  void FormatFraction();     // gFracNum / gFracDen into the fraction texts
  void ComputeGcdLcm();      // gGcd, gLcm of gFracNum and gFracDen
  void FormatFractionSum();  // gSumNumA/gSumDenA + gSumNumB/gSumDenB over a common denominator
  // x - y * Int(x / y): the remainder with the sign of y.
  float FloorModFn(float x, float y);
  // gWorkText without the markers "^", "ﾝ", "ﾀ" and "=". The fraction texts
  // are its first user, so it lives at the bottom of the library.
  void StripMarkupMarkers();

  // --- Number entry, prompts and the key wait ---
  void AskMenuNumber();
  void ClearMenuPromptLine();
  void AskOnBottomLine();
  void ClearBottomBand();
  void AskNextStep();
  void ReadAnswer();
  void ReadKeysLoop();
  void ParseAnswerNumber();
  void WaitForKey();
  void ShowMessageAndWait();

  // --- Screen clearing and the error screen ---
  void ClearWorkArea();
  void ClearAnswerBand();
  // The error screen for the fault last caught; waits until the window is
  // closed (plat::WindowClosed leaves it).
  [[noreturn]] void ErrorTrap();
  int ErrorLine() const { return errorLine_; }
  int ErrorCode() const { return errorCode_; }

  // --- Term texts, sign routines and letter keys ---
  void PrepareTextsAndKeyChoice();
  void StripLeadingPlus();
  void StripLeadingSign();
  void FlipLeadingSign();
  void BracketNegative();

  // --- Number-theory routines ---
  void ListDivisorPairs();  // only where settings.hasDivisorPairs
  void FactorizePrimes();

  plat::Screen& scr;
  const ProgramSettings& settings;

  // Implemented by the typesetter; the frame's screen tables draw expressions.
  virtual void DrawExpression() = 0;

 private:
  // A prompt box on the bottom line: a filled box with its text.
  struct PromptBox {
    float x1, y1, x2, y2;
    int border, fill;
    float textX, textY;
  };
  static const PromptBox kStepBox, kKeyWaitBox, kMessageBox;

  void FinishStartUp();
  // Sets the colour and the pen and prints gPrintText.
  void PrintTextAt(float x, float y, float colour);
  // Draws the box and prints gPrintText in it in colour 9.
  void ShowPromptBox(const PromptBox& box);
  // Shows the box with gPrintText, waits for any key into gKey, wipes.
  void WaitInPromptBox(const PromptBox& box, float wipeX2, float wipeY2);
  // Sleeps until the next key and leaves it in gKey.
  void PollUntilKey();
  // A filled box in the background colour.
  void WipeArea(float x1, float y1, float x2, float y2);
  // The cursor dot of the answer field in a colour.
  void DrawCursorDot(int colour);
  // A number as text without blanks (through gWorkText).
  Text NumberText(float v);

  int errorLine_ = 0;
  int errorCode_ = 0;
};

}  // namespace lesson
