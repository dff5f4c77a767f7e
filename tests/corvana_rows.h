// Reading Corvana's replay traces as a pupil reads the screen: the glyphs of
// one colour drawn one after the other on one line form a row, with raised
// glyphs written "^2", the times sign "*", the italic letters and the script
// ell (set higher, in faces of their own) in their place, and the signs the typesetter draws as
// strokes read back: a short level stroke is "-", crossed by an upright one it
// is "+". A decimal point is set small, low on its line.
#pragma once

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support.h"

namespace corvana_rows {

struct Row {
  float x = 0, y = 0;  // the first glyph's place (an italic letter's: on the line)
  int colour = -1;
  std::string text;    // UTF-8, without blanks
  int line = -1;       // trace line of the first glyph
  int end = -1;        // trace line of the last glyph or stroke
  float penX = 0;      // where the pen stood: "=" and italic letters are drawn 4 units in
};

inline float Field(const std::string& line, const char* name) {
  std::string key = std::string(" ") + name + "=";
  size_t at = line.find(key);
  return at == std::string::npos ? NAN : std::strtof(line.c_str() + at + key.size(), nullptr);
}

inline std::vector<Row> ReadRows(const std::vector<std::string>& lines) {
  std::vector<Row> rows;
  bool open = false;
  float lastX = 0, levelX1 = 0, levelX2 = 0;
  // A sign drawn before any glyph of its row: it opens the row of the glyph
  // that follows it.
  struct Sign {
    bool on = false;
    std::string text;
    float x1 = 0, y1 = 0;
    int colour = -1, line = -1;
  } sign;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& l = lines[i];
    if (l.rfind("text ", 0) == 0) {
      float x = Field(l, "x"), y = Field(l, "y");
      bool italic = Field(l, "italic") == 1;
      if (italic) y += 22;
      if (l.find(" face=ell ") != std::string::npos) y += 6;  // the script ell stands 6 higher
      int colour = static_cast<int>(Field(l, "colour"));
      size_t q = l.find('"');
      std::string glyph = l.substr(q + 1, l.size() - q - 2);
      if (glyph == " " || glyph == "\u3000") continue;
      if (glyph == "×") glyph = "*";
      if (glyph == "." && open && y == rows.back().y + 14) {
        y = rows.back().y;  // a decimal point, set small and low on the line
      } else if (Field(l, "v") == 2) {
        glyph = "^" + glyph;
      }
      if (sign.on && sign.colour == colour && sign.y1 > y && sign.y1 - y <= 40 && x > sign.x1 && x - sign.x1 <= 90) {
        rows.push_back({sign.x1 - 4, y, colour, sign.text, sign.line, sign.line, sign.x1 - 4});
        open = true;
      } else if (!(open && rows.back().y == y && rows.back().colour == colour && x >= lastX && x - lastX <= 90)) {
        rows.push_back({x, y, colour, "", static_cast<int>(i), static_cast<int>(i), italic || glyph == "=" ? x - 4 : x});
        open = true;
      }
      sign.on = false;
      rows.back().text += glyph;
      rows.back().end = static_cast<int>(i);
      lastX = x;
      continue;
    }
    if (l.rfind("line ", 0) == 0) {
      float x1 = Field(l, "x1"), y1 = Field(l, "y1"), x2 = Field(l, "x2"), y2 = Field(l, "y2");
      int colour = static_cast<int>(Field(l, "colour"));
      bool level = y1 == y2 && x2 - x1 < 30, upright = x1 == x2 && y2 - y1 < 30;
      if (open) {
        Row& r = rows.back();
        bool inRow = colour == r.colour && y1 > r.y && y1 <= r.y + 40;
        if (inRow && level) {
          r.text += "-";
          r.end = static_cast<int>(i);
          levelX1 = x1;
          levelX2 = x2;
          lastX = x1;
          continue;
        }
        if (inRow && upright && x1 > levelX1 && x1 < levelX2 && !r.text.empty() && r.text.back() == '-') {
          r.text.back() = '+';
          r.end = static_cast<int>(i);
          continue;
        }
      }
      open = false;
      if (level) {
        sign = {true, "-", x1, y1, colour, static_cast<int>(i)};
        levelX1 = x1;
        levelX2 = x2;
        continue;
      }
      if (upright && sign.on && colour == sign.colour && x1 > levelX1 && x1 < levelX2) {
        sign.text = "+";
        continue;
      }
    }
    open = false;
    sign.on = false;
  }
  return rows;
}

// The text without its blanks, as rows hold it.
inline std::string Unblanked(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size();) {
    if (s[i] == ' ') {
      ++i;
    } else if (s.compare(i, 3, "\u3000") == 0) {
      i += 3;
    } else {
      out += s[i++];
    }
  }
  return out;
}

inline int CountLines(const std::vector<std::string>& lines, const std::string& prefix, int from = 0,
                      int to = 1 << 30) {
  int n = 0;
  for (int i = std::max(from, 0); i < static_cast<int>(lines.size()) && i < to; ++i)
    if (lines[static_cast<size_t>(i)].rfind(prefix, 0) == 0) ++n;
  return n;
}

inline const std::string kKeyWait = "fill x1=96 y1=657 x2=400 y2=693 border=13 fill=4";
inline const std::string kStepPrompt = "fill x1=96 y1=639 x2=400 y2=675 border=13 fill=12";
inline const std::string kBoard = "fill x1=22 y1=10 x2=1342 y2=610 border=15 fill=10";

}  // namespace corvana_rows
