// The character typesetter: the loop with its substitutions, markers, root
// signs and parallelogram sign, the glyph rules and the overline step.
#include "common/typeset/markup_chars.h"
#include "common/typeset/typeset.h"

namespace lesson {

namespace {

// The signs that the markup writes with ASCII characters.
const Text& Substitute(const Text& ch) {
  if (ch == "%") return mark::kDegree();
  if (ch == "*") return mark::kTimes();
  if (ch == "/") return mark::kDivide();
  if (ch == "@") return mark::kPlusMinus();
  if (ch == "!") return mark::kRootSign();
  return ch;
}

bool IsItalicLetter(const Text& ch) { return ch == "a" || ch == "x" || ch == "c"; }

}  // namespace

void Typeset::TypesetChars() {
  gTypesetX = gPenX;
  gTypesetY = gPenY;
  gSavedDrawWidth = static_cast<float>(scr.GetDrawWidth(0));
  gTypesetText = gWorkText;
  const size_t size = gTypesetText.size();
  scr.SetFontName(0, mark::kGothicFace());
  scr.SetFontSize(0, 16);
  scr.SetFontBold(0, 1);

  // The first pass runs without a test: an empty text sets one empty
  // character, which the glyph rules advance over.
  size_t at = 0;
  do {
    const size_t bytes = at + 1 < size && plat::IsLeadByte(static_cast<unsigned char>(gTypesetText[at])) ? 2 : 1;
    gChar.assign(gTypesetText, at < size ? at : size, bytes);
    at += bytes;
    gChar = Substitute(gChar);
    const float x = gTypesetX, y = gTypesetY;

    if (gChar == "^") {
      gRaiseNext = 1;
    } else if (gChar == "\\") {
      gRaiseHigh = 1;
    } else if (gChar == mark::kRootEnd()) {
      gRootState = 0;
    } else if (gChar == mark::kRootSign() && gInFraction == 1) {
      // The small radical; its top stroke ends where the overline (6 units
      // above the line) begins.
      SetSign(3, {{x + 4, y + 24}, {x + 8, y + 13}, {x + 16, y + 29}, {x + 24, y - 6}, {x + 26, y - 6}}, 26);
      gRootState = 11;
    } else if (gChar == mark::kRootSign()) {
      SetSign(3, {{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 40}, {x + 24, y - 4}, {x + 32, y - 4}}, 28);
      gRootState = 1;
    } else if (gChar == "&") {
      // The parallelogram sign; an open overline resumes after it.
      SetSign(5, {{x + 4, y + 40}, {x + 25, y + 40}, {x + 32, y + 8}, {x + 11, y + 8}, {x + 4, y + 40}}, 36);
    } else if (!DellmirStrokeMarkRules()) {
      GlyphRules();
      OverlineStep();
    }
  } while (at < size);

  gPenX = gTypesetX;
  gPenY = gTypesetY;
  scr.SetFontBold(0, 0);
  SetPen(gSavedDrawWidth);
}

void Typeset::SetSign(int penWidth, const std::vector<std::pair<float, float>>& stroke, float advance) {
  SetPen(static_cast<float>(penWidth));
  scr.Connect(stroke, InkColour());
  gChar.clear();
  SetPen(3);
  gTypesetX += advance;
  gRootStartX = gTypesetX;
}

void Typeset::PutGlyph(float x, float y, int h, int v) { scr.Symbol(x, y, gChar, h, v, InkColour()); }

void Typeset::GlyphRules() {
  const float x = gTypesetX, y = gTypesetY;
  const bool inFraction = gInFraction == 1;
  float advance;

  if (gChar == ".") {
    PutGlyph(x - 3, y + 14, 3, 2);
    advance = 8;
  } else if (gChar == "'" || gChar == mark::kDegree()) {
    PutGlyph(x, y, 3, 3);
    advance = 12;
  } else if (gTallBrackets == 1 && gChar == "(") {
    PutGlyph(x - 4, y - 6, 3, 4);
    advance = 27;
  } else if (gTallBrackets == 1 && gChar == ")") {
    PutGlyph(x + 6, y - 6, 3, 4);
    gTallBrackets = 0;
    advance = 27;
  } else if (gChar == "=") {
    scr.SetFontSize(0, 14);
    scr.SetFontBold(0, 1);
    PutGlyph(x + 4, y, 3, 3);
    scr.SetFontSize(0, 16);
    advance = 32;
  } else if (gRaiseHigh == 1) {
    scr.SetFontSize(0, 8);
    PutGlyph(x, y - 10, 6, 3);
    scr.SetFontSize(0, 16);
    gRaiseHigh = 0;
    advance = 24;
  } else if (gRaiseNext == 1 && inFraction) {
    scr.SetFontSize(0, 8);
    PutGlyph(x, y - 4, 6, 3);
    scr.SetFontSize(0, 16);
    gRaiseNext = 0;
    advance = 24;
  } else if (gRaiseNext == 1) {
    // Full size but squashed: the glyph sits in the upper part of the line.
    PutGlyph(x, y, 3, 2);
    gRaiseNext = 0;
    advance = 24;
  } else if (IsItalicLetter(gChar)) {
    scr.SetFontName(0, mark::kSerifFace());
    scr.SetFontSize(0, 8);
    scr.SetFontItalic(0, 1);
    if (inFraction) {
      PutGlyph(x + 4, y - 16, 12, 5);
      advance = 32;
    } else {
      PutGlyph(x + 4, y - 22, 10, 7);
      advance = 27;
    }
    scr.SetFontName(0, mark::kGothicFace());
    scr.SetFontSize(0, 16);
    scr.SetFontItalic(0, 0);
  } else if (gChar == "l") {
    // The script ell; its size, stretch and lift differ between the programs.
    scr.SetFontName(0, mark::kEllFace());
    scr.SetFontSize(0, settings.ellSize);
    scr.SetFontBold(0, 1);
    PutGlyph(x, y - (inFraction ? settings.ellRaiseInFraction : settings.ellRaiseOutside), settings.ellH,
             settings.ellV);
    scr.SetFontName(0, mark::kGothicFace());
    scr.SetFontSize(0, 16);
    scr.SetFontBold(0, 0);
    advance = 32;
  } else if ((gChar == "-" || gChar == "+") && inFraction) {
    SetPen(5);
    scr.Line(x + 6, y + 14, x + 26, y + 14, InkColour());
    if (gChar == "+") scr.Line(x + 16, y + 4, x + 16, y + 24, InkColour());
    SetPen(3);
    advance = 32;
  } else if (gChar == "-") {
    SetPen(5);
    scr.Line(x + 4, y + 20, x + 23, y + 20, InkColour());
    SetPen(3);
    advance = 27;
  } else if (gChar == "+") {
    // The bar sits lower than the minus sign's.
    SetPen(5);
    scr.Line(x + 4, y + 22, x + 23, y + 22, InkColour());
    scr.Line(x + 13, y + 10, x + 13, y + 34, InkColour());
    SetPen(3);
    advance = 27;
  } else if ((gChar == mark::kTimes() || gChar == mark::kDivide() || gChar == mark::kPlusMinus()) && !inFraction) {
    PutGlyph(x - 4, y, 2, 3);
    advance = 27;
  } else if (gChar == " " && settings.typesetBlankRule) {
    advance = 27;
  } else if (gChar.size() == 2 && inFraction) {
    scr.SetFontSize(0, 11);
    PutGlyph(x, y, 3, 3);
    scr.SetFontSize(0, 16);
    advance = 38;
  } else if (gChar.size() == 2) {
    PutGlyph(x, y, 2, 3);
    advance = 34;
  } else if (inFraction) {
    PutGlyph(x, y, 4, 2);
    advance = 32;
  } else {
    PutGlyph(x, y, 3, 3);
    advance = 27;
  }
  gTypesetX += advance;
}

void Typeset::OverlineStep() {
  // An open root's overline is drawn again from the root sign's end to the
  // new cursor after every character under it, one character longer each time.
  float lift;
  if (gRootState == 1) {
    lift = 4;
  } else if (gRootState == 11) {
    lift = 6;
  } else if (gRootState == 22 && gInFraction != 1) {
    lift = 14;
  } else {
    gRootStartX = gTypesetX;
    return;
  }
  const float y = gTypesetY - lift;
  SetPen(3);
  scr.Line(gRootStartX, y, gTypesetX, y, InkColour());
  SetPen(3);
}

}  // namespace lesson
