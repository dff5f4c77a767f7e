// Dellmir's additions to the common routines: stroke marks that strike
// through characters typeset before (cancelling factors in a fraction), and
// the splitting of a leading sign off a term.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// A mark draws one stroke rising to the right, from (x, y + rise) to
// (x + width, y + rise + drop), and moves the cursor on by `advance`. The
// compact forms match the cells of fraction mode: 32 for a character, 24 for
// a raised one, 64 for two characters.
struct StrokeMark {
  const char* mark;  // UTF-8
  bool inFraction;   // the rule applies when gInFraction is exactly 1 (else when it is not)
  float rise, width, drop, advance;
  bool opensOverline;  // sets gRootState to 1
};
constexpr StrokeMark kStrokeMarks[] = {
    {"ﾏ", true, 28, 32, -28, 32, false},  // one character
    {"ﾏ", false, 40, 27, -40, 28, true},  // one character, full height
    {"ﾑ", true, 16, 24, -18, 24, false},  // a raised character
    {"ﾐ", true, 28, 64, -28, 64, false},  // two characters
    {"ﾐ", false, 40, 54, -40, 56, true},  // two characters, full height
};

}  // namespace

bool Dellmir::DellmirStrokeMarkRules() {
  if (gChar.size() != 1) return false;  // every mark is one half-width byte
  const bool inFraction = gInFraction == 1;
  for (const StrokeMark& m : kStrokeMarks) {
    if (gChar != Literal(m.mark) || m.inFraction != inFraction) continue;
    SetPen(5);
    float x = gTypesetX, y = gTypesetY + m.rise;
    scr.Line(x, y, x + m.width, y + m.drop, plat::CInt(gFigureColour));
    gChar.clear();
    if (m.opensOverline) gRootState = 1;
    SetPen(3);
    gTypesetX = gTypesetX + m.advance;
    gRootStartX = gTypesetX;
    return true;
  }
  return false;
}

// Only the first character is looked at, and only the ASCII signs count.
void Dellmir::SplitLeadingSign() {
  int n = plat::Len(gWorkText);
  gLeadingSign.clear();
  gTermRest.clear();
  if (n != 0) {
    gLeadingSign = plat::Left(gWorkText, 1);
    gTermRest = plat::Right(gWorkText, n - 1);
  }
  if (gLeadingSign == "+" || gLeadingSign == "-") {
    gWorkText = gTermRest;
  } else {
    gLeadingSign.clear();
  }
}

}  // namespace lesson
