// A lesson object on a traced headless screen, for the typesetter tests, with
// the settings of a program that has Corvana's script ell and blank rule or
// one that has Dellmir's.
#pragma once

#include <string>
#include <vector>

#include "common/figures/figures.h"
#include "tests/support.h"

namespace typeset_testing {

inline const lesson::ProgramSettings kCorvanaLike = {
    .title = "Corvana-like",
    .ellSize = 15, .ellH = 5, .ellV = 4, .ellRaiseInFraction = 15, .ellRaiseOutside = 6,
    .typesetBlankRule = true,
    .hasDivisorPairs = true,
};
inline const lesson::ProgramSettings kDellmirLike = {
    .title = "Dellmir-like",
    .ellSize = 16, .ellH = 6, .ellV = 3, .ellRaiseInFraction = 0, .ellRaiseOutside = 0,
    .typesetBlankRule = false,
    .hasDivisorPairs = false,
};

using testing_support::TestLesson;

// A lesson in the state the start-up leaves: Gothic 16, pen width 3, text
// colour 4.
template <class L = TestLesson>
struct Page {
  explicit Page(const lesson::ProgramSettings& settings = kCorvanaLike) : lesson(ts.screen(), settings) {
    ts.screen().SetFontName(0, SJ("ｺﾞｼｯｸ"));
    ts.screen().SetFontSize(0, 16);
    ts.screen().SetDrawWidth(0, 3);
    lesson.gTextColour = 4;
  }
  std::vector<std::string> Lines() const { return ts.lines(); }
  // Draws the markup (UTF-8) at (x, y) and returns the trace it made.
  std::vector<std::string> Draw(const std::string& utf8, float x = 100, float y = 200) {
    ts.ClearTrace();
    lesson.gPenX = x;
    lesson.gPenY = y;
    lesson.gPrintText = plat::FromUtf8(utf8);
    lesson.DrawExpression();
    return ts.lines();
  }
  plat::Screen& screen() { return ts.screen(); }

  testing_support::TestScreen ts;
  L lesson;
};

// Trace lines in the formats of the canvas trace, colour 4 unless given.
inline std::string N(float v) { return plat::TraceNumber(v); }
inline std::string TextLine(float x, float y, int h, int v, const std::string& face, float size, bool bold,
                            bool italic, const std::string& utf8, int colour = 4) {
  return "text x=" + N(x) + " y=" + N(y) + " h=" + std::to_string(h) + " v=" + std::to_string(v) +
         " colour=" + std::to_string(colour) + " face=" + face + " size=" + N(size) + " bold=" + (bold ? "1" : "0") +
         " italic=" + (italic ? "1" : "0") + " \"" + utf8 + "\"";
}
// An upright bold Gothic glyph at size 16, the standing font.
inline std::string Glyph(float x, float y, int h, int v, const std::string& utf8, float size = 16, bool bold = true) {
  return TextLine(x, y, h, v, "gothic", size, bold, false, utf8);
}
inline std::string LineAt(float x1, float y1, float x2, float y2, int width, int colour = 4) {
  return "line x1=" + N(x1) + " y1=" + N(y1) + " x2=" + N(x2) + " y2=" + N(y2) + " colour=" + std::to_string(colour) +
         " width=" + std::to_string(width);
}

}  // namespace typeset_testing
