// Plain text output in full-width glyphs, and the text helpers: blanks,
// fraction texts, term texts and signs, letter keys, number theory.
#include <array>
#include <cmath>
#include <utility>

#include "common/frame/frame.h"

namespace lesson {

using plat::CharAt;
using plat::Len;
using plat::Mid;

// --- Plain text output ---

void Frame::PrintText() {
  while (!gPrintText.empty()) {
    gWorkText = CharAt(gPrintText, 1);
    gPrintText = Mid(gPrintText, 2);
    if (gWorkText == "^") {
      gRaiseNext = 1;
      continue;
    }
    DrawGlyphs();
    gPenX = gGlyphX;
  }
}

void Frame::DrawGlyphs() {
  StripBlanks();
  int n = Len(gWorkText);
  gGlyphX = gPenX;
  scr.SetFontBold(0, -1);
  // The loop makes its first pass before testing the bound: an empty text (a
  // blank) still takes one empty cell.
  for (int i = 1;; ++i) {
    gChar = CharAt(gWorkText, i);
    if (gChar == "^") {
      gRaiseNext = 1;
    } else {
      if (gRaiseNext != 1) {
        ToFullWidthChar();
      } else {
        gRaiseNext = 0;
      }
      // A single-byte glyph stands higher so that it sits with the full-width ones.
      float raise = plat::LenB(gChar) == 1 ? 4.0f : 0.0f;
      // The full-width period is squeezed: drawn 4 units left of its cell,
      // and the next character takes that same cell.
      bool period = gChar == SJ("．");
      if (period) gGlyphX -= 4;
      scr.Symbol(gGlyphX, gPenY - raise, gChar, 1, 1, plat::CInt(gTextColour));
      if (period) gGlyphX -= 12;
      gGlyphX += 16;
    }
    if (i >= n) break;
  }
}

void Frame::ToFullWidthChar() {
  // An empty character is left empty (it is drawn as nothing either way).
  gFullLetters = SJ("　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ");
  gAsciiLetters = SJ(" XYABCDEFGHIJKLMNOPQRSTUVWZ");
  int p = gChar.empty() ? 0 : plat::InStrB(gAsciiLetters, gChar);
  if (p > 0) gChar = CharAt(gFullLetters, p);
  gFullSymbols = SJ("　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△：");
  gAsciiSymbols = SJ(" 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:");
  int q = gChar.empty() ? 0 : plat::InStrB(gAsciiSymbols, gChar);
  if (q > 0) gChar = CharAt(gFullSymbols, q);
}

void Frame::StripBlanks() { std::erase(gWorkText, ' '); }

Text Frame::NumberText(float v) {
  gWorkText = plat::Str(v);
  StripBlanks();
  return gWorkText;
}

// --- Fraction texts ---

float Frame::FloorModFn(float x, float y) { return x - y * plat::Int(plat::Div(x, y)); }

void Frame::ComputeGcdLcm() {
  float a = gFracNum, b = gFracDen;
  float h = plat::Checked(a * b);
  while (b != 0) {
    a = FloorModFn(a, b);
    std::swap(a, b);
  }
  gGcd = a;
  gLcm = plat::Div(h, gGcd);
}

void Frame::FormatFraction() {
  const Text& bar = SJ("ﾀ");
  float n = gFracNum, d = gFracDen;
  float s = n * d < 0 ? -1.0f : 1.0f;
  float r, q;
  int form;
  if (d == 0) {
    r = n;
    q = 0;
    form = 0;
  } else if (d == 1) {
    r = n;
    q = 1;
    form = 1;
  } else {
    gFracNum = std::fabs(n);
    gFracDen = std::fabs(d);
    ComputeGcdLcm();
    r = s * std::fabs(n) / gGcd;
    q = std::fabs(d) / gGcd;
    if (r == 0 || q == 1) {
      form = 1;
    } else if (q == d && s == 1) {
      form = 3;
    } else {
      form = 2;
    }
  }
  gFracNum = r;
  gFracDen = q;
  gFracForm = static_cast<float>(form);

  Text nText = NumberText(n), dText = NumberText(d), qText = NumberText(q), rText = NumberText(r);
  if (CharAt(rText, 1) == "-") rText = Mid(rText, 2);
  gFracUnreduced = bar + nText + "/" + dText + bar;

  if (form == 0) {
    // Nothing to reduce: no result texts rather than the previous call's.
    gFracReduced = gFracTerm = gFracEquation = gFracTermEquation = gFracPlain = gFracTermPlain = "";
    gWorkText = "";
    return;
  }
  if (form == 1) {
    gFracReduced = (s < 0 ? "-" : "") + rText;
    gFracTerm = (s < 0 ? "-" : "+") + rText;
  } else if (form == 2) {
    gFracReduced = (s < 0 ? "-" : "") + bar + rText + "/" + qText + bar;
    gFracTerm = (s < 0 ? "-" : "+") + bar + rText + "/" + qText + bar;
  } else {
    gFracReduced = gFracUnreduced;
    gFracTerm = "+" + gFracUnreduced;
  }
  if (form == 3) {
    gFracEquation = gFracReduced;
    gFracTermEquation = gFracTerm;
  } else {
    gFracEquation = gFracUnreduced + "=" + gFracReduced;
    gFracTermEquation = (s > 0 ? "+" : "") + gFracUnreduced + "=" + gFracTerm;
  }
  gWorkText = gFracReduced;
  StripMarkupMarkers();
  gFracPlain = gWorkText;
  gWorkText = gFracTerm;
  StripMarkupMarkers();
  gFracTermPlain = gWorkText;
}

void Frame::FormatFractionSum() {
  const Text& bar = SJ("ﾀ");
  if (gSumDenA == 0 || gSumDenB == 0) plat::RaiseFault(plat::kFaultDivisionByZero);
  // Every fraction takes its sign into the numerator, so both denominators are
  // positive (also for a negative over a negative, which is positive).
  if (gSumDenA < 0) {
    gSumNumA = -gSumNumA;
    gSumDenA = -gSumDenA;
  }
  if (gSumDenB < 0) {
    gSumNumB = -gSumNumB;
    gSumDenB = -gSumDenB;
  }
  float u = gSumNumA, v = gSumDenA, w = gSumNumB, z = gSumDenB;
  float common, p, t;
  if (v == 1 && z == 1) {
    common = 1;
    p = u;
    t = w;
  } else if (v == 1) {
    common = z;
    p = u * z;
    t = w;
  } else if (z == 1) {
    common = v;
    p = u;
    t = w * v;
  } else {
    gFracNum = v;
    gFracDen = z;
    FormatFraction();
    common = gLcm;
    p = u * z / gGcd;
    t = w * v / gGcd;
  }
  gFracDen = common;
  gSumNumerator = p + t;

  Text lText = NumberText(common), pText = NumberText(std::fabs(p)), tText = NumberText(std::fabs(t));
  Text sText = NumberText(std::fabs(p + t));
  auto over = [&](const Text& num) { return bar + num + "/" + lText + bar; };

  // A zero numerator counts as positive.
  gFracUnreduced = (u < 0 ? "-" : "") + over(pText);
  gSumTermA = (u < 0 ? "-" : "+") + over(pText);
  gFracReduced = (w < 0 ? "-" : "") + over(tText);
  gFracTerm = (w < 0 ? "-" : "+") + over(tText);
  gSumFraction = (p + t < 0 ? "-" : "") + over(sText);
  gSumFractionTerm = (p + t < 0 ? "-" : "+") + over(sText);
  gFracEquation = bar + (u < 0 ? "-" : "") + pText + (w < 0 ? "-" : "+") + tText + "/" + lText + bar;
  gSumTerms = gFracUnreduced + gFracTerm;
  gSumUnsignedA = over(pText);
  gSumUnsignedB = over(tText);
}

void Frame::StripMarkupMarkers() {
  // Whole characters are compared, so a double-byte character whose second
  // byte happens to equal a marker (as in "タ") stays intact.
  Text kept;
  kept.reserve(gWorkText.size());
  for (const Text& ch : plat::SplitChars(gWorkText)) {
    if (ch == "^" || ch == SJ("ﾝ") || ch == SJ("ﾀ") || ch == "=") continue;
    kept += ch;
  }
  gWorkText = std::move(kept);
}

// --- Term texts, sign routines and letter keys ---

void Frame::PrepareTextsAndKeyChoice() {
  // Counted with a loop variable of its own: the lessons keep theirs in gLoopIndex.
  for (int i = 1; i <= 80; ++i) gTermText(i) = NumberText(gTermValue(i));
  for (int i = 1; i <= 40; ++i) gTermText2(i) = NumberText(gTermValue2(i));

  static const std::array<const char*, 10> kLetterKeys = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};
  for (size_t row = 0; row < kLetterKeys.size(); ++row) {
    if (gKey == kLetterKeys[row]) {
      gKeyChoiceFlag = 1;
      gKeyChoice = static_cast<float>(row + 1);
      return;
    }
  }
  gKeyChoiceFlag = 0;
}

void Frame::StripLeadingPlus() {
  if (CharAt(gWorkText, 1) == "+") gWorkText = Mid(gWorkText, 2);
}

void Frame::StripLeadingSign() {
  Text first = CharAt(gWorkText, 1);
  if (first == "+" || first == "-") gWorkText = Mid(gWorkText, 2);
}

void Frame::FlipLeadingSign() {
  if (gWorkText.empty()) return;
  Text first = CharAt(gWorkText, 1);
  if (first == "-") {
    gWorkText = "+" + Mid(gWorkText, 2);
  } else if (first == "+") {
    gWorkText = "-" + Mid(gWorkText, 2);
  } else {
    gWorkText = "-" + gWorkText;
  }
}

void Frame::BracketNegative() {
  if (plat::InStr(gWorkText, "-") > 0) gWorkText = "(" + gWorkText + ")";
}

// --- Number theory ---

void Frame::ListDivisorPairs() {
  if (!settings.hasDivisorPairs) plat::RaiseFault(plat::kFaultBadArgument);
  gDivisorNumber = std::fabs(plat::Checked(gDivisorNumber));
  float m = gDivisorNumber;
  // Beyond 2^24 a float counter can no longer step by one.
  if (m > 16777216.0f) plat::RaiseFault(plat::kFaultBadArgument);
  gRandomPick = 0;
  // The first pass runs before the bound is tested: 0 still tries 1.
  gLoopIndex = 1;
  do {
    float quotient = m / gLoopIndex;
    if (quotient - plat::Int(quotient) == 0) {
      gRandomPick += 1;
      gPointX(gRandomPick) = gLoopIndex;
      gPointY(gRandomPick) = quotient;
    }
    gLoopIndex += 1;
  } while (gLoopIndex <= m);
  // Rounding the half up keeps a perfect square's middle pair (r, r).
  gDivisorPairCount = static_cast<float>(plat::CInt16(gRandomPick / 2));
}

void Frame::FactorizePrimes() {
  for (int row = 1; row <= 10; ++row) {
    gPairTable(row, 1) = 0;
    gPairTable(row, 2) = 0;
  }
  static const std::array<float, 10> kPrimes = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
  for (int i = 1; i <= 10; ++i) gPrimeList(i) = kPrimes[static_cast<size_t>(i - 1)];
  gFactorNumber = std::fabs(plat::Checked(gFactorNumber));
  // Zero would be divided by 2 without end.
  if (gFactorNumber == 0) plat::RaiseFault(plat::kFaultBadArgument);
  float kept = gFactorNumber;
  gRandomPick = 1;
  gFactorCount = 1;
  for (;;) {
    if (gRandomPick == 10) {
      gFactorCount -= 1;
      gPairTable(10, 1) = gFactorNumber;
      gPairTable(10, 2) = 1;
      gFactorNumber = kept;
      return;
    }
    float p = gPrimeList(gRandomPick);
    if (FloorModFn(gFactorNumber, p) == 0) {
      gPairTable(gFactorCount, 1) = p;
      gPairTable(gFactorCount, 2) += 1;
      gFactorNumber /= p;
    } else {
      if (gPairTable(gFactorCount, 1) != 0) gFactorCount += 1;
      gRandomPick += 1;
    }
  }
}

}  // namespace lesson
