// Reading Dellmir's replay traces: fields of a trace line, the text runs a
// pupil reads, the dotted arcs and the key waits.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support.h"

namespace dellmir_trace {

using Lines = std::vector<std::string>;

inline int EndOf(const Lines& lines, int to) {
  int n = static_cast<int>(lines.size());
  return to < 0 || to > n ? n : to;
}

inline bool StartsWith(const std::string& line, const std::string& prefix) { return line.rfind(prefix, 0) == 0; }

// The number after " key=" in a trace line (NaN when absent).
inline double Field(const std::string& line, const std::string& key) {
  std::string k = " " + key + "=";
  size_t p = line.find(k);
  if (p == std::string::npos) return std::nan("");
  return std::strtod(line.c_str() + p + k.size(), nullptr);
}

// The text between the quotes of a text line.
inline std::string Quoted(const std::string& line) {
  size_t a = line.find('"');
  size_t b = line.rfind('"');
  if (a == std::string::npos || b <= a) return "";
  return line.substr(a + 1, b - a - 1);
}

// Glyphs drawn one after the other in one colour on one text line, joined:
// raised letters and fraction parts stand up to 30 units above or below the
// line; a gap wider than two full-width cells starts a new run.
struct TextRun {
  double x, y;
  int colour;
  std::string text;
  int line;  // index of the first glyph's trace line
};

inline std::vector<TextRun> TextRuns(const Lines& lines, int from = 0, int to = -1) {
  std::vector<TextRun> runs;
  bool open = false;
  double lastX = 0;
  for (int i = std::max(from, 0); i < EndOf(lines, to); ++i) {
    const std::string& l = lines[static_cast<size_t>(i)];
    if (!StartsWith(l, "text ")) {
      open = false;
      continue;
    }
    double y = Field(l, "y");
    int colour = static_cast<int>(Field(l, "colour"));
    double x = Field(l, "x");
    if (open && std::abs(runs.back().y - y) <= 30 && runs.back().colour == colour && x > lastX - 64 &&
        x - lastX <= 70) {
      runs.back().text += Quoted(l);
    } else {
      runs.push_back({x, y, colour, Quoted(l), i});
      open = true;
    }
    lastX = x;
  }
  return runs;
}

// The first run at or after trace line `from` whose text starts with `text`.
inline const TextRun* FindRun(const std::vector<TextRun>& runs, const std::string& text, int from = 0) {
  for (const TextRun& r : runs)
    if (r.line >= from && StartsWith(r.text, text)) return &r;
  return nullptr;
}

// A row of dots (filled circles of radius 0.5) of one colour, drawn one after
// the other.
struct DotRow {
  int count, colour, width;
  int line;  // index of the first dot's trace line
};

inline std::vector<DotRow> DotRows(const Lines& lines, int from = 0, int to = -1) {
  std::vector<DotRow> rows;
  bool open = false;
  for (int i = std::max(from, 0); i < EndOf(lines, to); ++i) {
    const std::string& l = lines[static_cast<size_t>(i)];
    if (!StartsWith(l, "circle ") || Field(l, "r") != 0.5) {
      open = false;
      continue;
    }
    int colour = static_cast<int>(Field(l, "colour"));
    if (open && rows.back().colour == colour) {
      ++rows.back().count;
    } else {
      rows.push_back({1, colour, static_cast<int>(Field(l, "width")), i});
      open = true;
    }
  }
  return rows;
}

// Index of the first line at or after `from` that starts with `prefix`, or -1.
inline int FindLine(const Lines& lines, const std::string& prefix, int from = 0) {
  for (int i = std::max(from, 0); i < static_cast<int>(lines.size()); ++i)
    if (StartsWith(lines[static_cast<size_t>(i)], prefix)) return i;
  return -1;
}

inline int CountLines(const Lines& lines, const std::string& prefix, int from = 0, int to = -1) {
  int n = 0;
  for (int i = std::max(from, 0); i < EndOf(lines, to); ++i)
    if (StartsWith(lines[static_cast<size_t>(i)], prefix)) ++n;
  return n;
}

// The key box of the key wait.
inline const std::string kKeyBox = "fill x1=96 y1=657 x2=400 y2=693 border=13 fill=4";
// The board of the main menu.
inline const std::string kMenuBoard = "fill x1=22 y1=10 x2=1342 y2=610 border=15 fill=10";

inline int KeyWaits(const Lines& lines, int from = 0, int to = -1) { return CountLines(lines, kKeyBox, from, to); }

}  // namespace dellmir_trace
