// Scripted runs of Corvana read as rows (tests/corvana_rows.h), and the
// checks that the chapters' tests share: a fixed screen piece by piece, and
// the numbers of a random problem read back from its rows.
#pragma once

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "tests/corvana_rows.h"
#include "tests/support.h"

namespace corvana_rows {

inline std::string Repeat(const std::string& keys, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += keys + " ";
  return out;
}

struct Seen {
  testing_support::Replay replay;
  std::vector<Row> rows;

  explicit Seen(const std::string& keys, const std::string& time = "10:20:30")
      : replay(testing_support::RunReplay("corvana", keys, time)), rows(ReadRows(replay.lines)) {}

  // Index of the first row at or after `from` whose text is `text`, or -1.
  int Index(const std::string& text, size_t from = 0) const {
    std::string want = Unblanked(text);
    for (size_t i = from; i < rows.size(); ++i)
      if (rows[i].text == want) return static_cast<int>(i);
    return -1;
  }
  const Row& At(int index) const { return rows.at(static_cast<size_t>(index)); }
  int Count(const std::string& text) const {
    int n = 0;
    for (int i = Index(text); i >= 0; i = Index(text, static_cast<size_t>(i) + 1)) ++n;
    return n;
  }
  int Lines(const std::string& prefix, int from = 0, int to = 1 << 30) const {
    return CountLines(replay.lines, prefix, from, to);
  }
  // The next row after row i that the lesson drew: the prompts and the typed
  // digits on the bottom band are passed over, a sub-menu's item line (at
  // (16, 666)) is not.
  size_t Next(size_t i) const {
    for (++i; i < rows.size(); ++i)
      if (rows[i].y < 640 || (rows[i].x == 16 && rows[i].y == 666)) break;
    return i;
  }
  // The rows the lesson drew above the bottom band, in order.
  std::vector<Row> LessonRows() const {
    std::vector<Row> out;
    for (const Row& row : rows)
      if (row.y < 640) out.push_back(row);
    return out;
  }
  // The rows that follow each row `label` in colour 3 at (x, y), `count` of them.
  std::vector<std::vector<Row>> After(const char* label, float x, float y, size_t count) const {
    std::vector<std::vector<Row>> out;
    std::string want = Unblanked(label);
    for (size_t i = 0; i < rows.size(); ++i) {
      const Row& l = rows[i];
      if (l.text != want || l.colour != 3 || l.x != x || l.y != y) continue;
      std::vector<Row> found;
      for (size_t k = Next(i); found.size() < count && k < rows.size(); k = Next(k)) found.push_back(rows[k]);
      if (found.size() == count) out.push_back(found);
    }
    return out;
  }
  // Between two trace lines no wipe touched the screen above the bottom band
  // left of x `right` (anywhere, by default).
  void ExpectNoWipeAbove(int from, int to, float right = 1e9f) const {
    for (int i = from; i < to; ++i) {
      const std::string& l = replay.lines.at(static_cast<size_t>(i));
      if (l.rfind("fill ", 0) == 0) {
        EXPECT_TRUE(Field(l, "y1") >= 630 || Field(l, "x1") >= right) << l;
      }
    }
  }
};

inline void ExpectRow(const Row& row, const std::string& text, float penX, float y, int colour) {
  EXPECT_EQ(row.text, Unblanked(text));
  EXPECT_EQ(row.penX, penX) << text;
  EXPECT_EQ(row.y, y) << text;
  EXPECT_EQ(row.colour, colour) << text;
}

// A chapter's goal screen, "<めあて>" and the goal under it, with the item
// line at once after it; the index of the heading's row, or -1.
inline int ExpectGoalScreen(const Seen& r, const std::string& goal, const std::string& itemLine) {
  int heading = r.Index("<めあて>");
  EXPECT_GE(heading, 0);
  if (heading < 0) return -1;
  ExpectRow(r.At(heading), "<めあて>", 44, 240, 5);
  ExpectRow(r.At(heading + 1), goal, 76, 305, 0);
  ExpectRow(r.At(heading + 2), itemLine, 16, 666, 0);
  EXPECT_EQ(r.Lines(kKeyWait, r.At(heading).line, r.At(heading + 2).line), 0);
  return heading;
}

// A piece of a fixed screen: its text, where the pen stood (kAfter: right
// after the piece before, on its line), its colour and the key waits that
// follow it.
constexpr float kAfter = -1;
struct Piece {
  const char* text;
  float x, y;
  int colour;
  int waits;
};

// The pieces, in order, each a row of its own, with their key waits; after
// the last one the item line follows. The first piece is looked for from row
// `from` on.
inline void ExpectPieces(const Seen& r, const std::vector<Piece>& pieces, const std::string& itemLine,
                         size_t from = 0) {
  int first = r.Index(pieces.front().text, from);
  ASSERT_GE(first, 0) << pieces.front().text;
  size_t at = static_cast<size_t>(first);
  const Row* previous = nullptr;
  for (size_t k = 0; k < pieces.size(); ++k, previous = &r.rows[at], at = r.Next(at)) {
    ASSERT_LT(r.Next(at), r.rows.size());
    const Piece& p = pieces[k];
    const Row& row = r.rows[at];
    EXPECT_EQ(row.text, Unblanked(p.text)) << k;
    if (p.x == kAfter) {
      ASSERT_GT(k, 0u) << p.text;
      EXPECT_GT(row.x, previous->x) << p.text;
      EXPECT_EQ(row.y, previous->y) << p.text;
    } else {
      EXPECT_EQ(row.penX, p.x) << p.text;
    }
    EXPECT_EQ(row.y, p.y) << p.text;
    EXPECT_EQ(row.colour, p.colour) << p.text;
    const Row& next = r.rows[r.Next(at)];
    if (k + 1 == pieces.size()) {
      EXPECT_EQ(next.text, itemLine);
    }
    EXPECT_EQ(r.Lines(kKeyWait, row.end, next.line), p.waits) << p.text;
  }
}

// The whole numbers caught by the pattern's groups, or nothing when the text
// does not match.
inline std::vector<int> Numbers(const std::string& text, const char* pattern) {
  std::smatch m;
  if (!std::regex_match(text, m, std::regex(pattern))) return {};
  std::vector<int> out;
  for (size_t i = 1; i < m.size(); ++i) out.push_back(std::stoi(m[i].str()));
  return out;
}

}  // namespace corvana_rows
