// Helpers of Jorrel's lesson tests: Jorrel with its main menu replaced by a
// test body, run after its start-up with scripted keys; what the lessons drew
// (the trace, and every expression handed to the typesetter) compared with
// the same texts drawn on their own at the places the lessons state.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "jorrel/jorrel.h"
#include "platform/app.h"
#include "tests/support.h"

namespace jorrel_testing {

using Lines = std::vector<std::string>;

// One expression handed to the typesetter: its text, the pen, the colour and
// how many keys the pupil had pressed by then.
struct Shown {
  std::string text;
  float x, y;
  int colour;
  int keys;
};

using testing_support::CountingBackend;

// Jorrel with its main menu replaced by a test body.
class Probe : public lesson::Jorrel {
 public:
  Probe(plat::Screen& screen, const CountingBackend& backend, std::function<void(Probe&)> body)
      : Jorrel(screen), backend_(backend), body_(std::move(body)) {}
  void ShowMainMenu() override { body_(*this); }
  void DrawExpression() override {
    // Text measured off the page (y 1800) is not drawn.
    if (!gPrintText.empty() && gPenY < 1800)
      shown.push_back({plat::ToUtf8(gPrintText), gPenX, gPenY, static_cast<int>(gTextColour), backend_.keys});
    Jorrel::DrawExpression();
  }
  std::vector<Shown> shown;

 private:
  const CountingBackend& backend_;
  std::function<void(Probe&)> body_;
};

struct Session {
  Lines lines;               // the trace from the start of the body
  std::vector<Shown> shown;  // the expressions the body drew
  bool finished = false;
  size_t keysLeft = 0;
};

// Runs the body after the start-up, with scripted keys.
inline Session RunProbe(const std::string& keys, const std::function<void(Probe&)>& body,
                    const std::string& time = "10:20:30") {
  plat::HeadlessOptions o;
  o.keys = plat::ParseKeyScript(keys);
  o.timeOfDay = time;
  CountingBackend backend(o);
  plat::Screen screen(backend);
  std::ostringstream trace;
  screen.canvas().SetTrace(&trace);
  Session r;
  Probe probe(screen, backend, [&](Probe& p) {
    trace.str("");
    p.shown.clear();
    body(p);
    r.finished = true;
  });
  plat::RunProgram(screen, [&](plat::Screen&) { probe.ProgramMain(); });
  r.lines = testing_support::SplitLines(trace.str());
  r.shown = probe.shown;
  r.keysLeft = backend.keysLeft();
  return r;
}

// Returns what the body drew. Fails the test unless the body ran to its end.
inline Lines RunBody(const std::string& keys, const std::function<void(Probe&)>& body) {
  Session r = RunProbe(keys, body);
  EXPECT_TRUE(r.finished) << "the body did not run to its end (fault or keys ran out)";
  return r.lines;
}

// One text drawn on its own by the typesetter.
struct Drawn {
  Lines lines;
  float endX = 0;
};
inline Drawn Expr(float x, float y, int colour, const char* utf8) {
  Drawn d;
  d.lines = RunBody("", [&](Probe& p) {
    p.gPenX = x;
    p.gPenY = y;
    p.gTextColour = static_cast<float>(colour);
    p.gPrintText = plat::FromUtf8(utf8);
    p.DrawExpression();
    d.endX = p.gPenX;
  });
  EXPECT_FALSE(d.lines.empty()) << utf8;
  return d;
}
// A text that follows another on the same line.
inline Drawn After(const Drawn& before, float y, int colour, const char* utf8, float dx = 0) {
  return Expr(before.endX + dx, y, colour, utf8);
}

// Index of the first run of `block` in `lines` at or after `from`, or -1.
inline int Find(const Lines& lines, const Lines& block, int from = 0) {
  if (block.empty()) return -1;
  auto it = std::search(lines.begin() + std::min<size_t>(from, lines.size()), lines.end(), block.begin(), block.end());
  return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}
inline int Find(const Lines& lines, const std::string& line, int from = 0) { return Find(lines, Lines{line}, from); }
// Index of the first line at or after `from` that starts with `prefix`, or -1.
inline int FindPrefix(const Lines& lines, const std::string& prefix, int from = 0) {
  for (int i = std::max(from, 0); i < static_cast<int>(lines.size()); ++i)
    if (lines[i].rfind(prefix, 0) == 0) return i;
  return -1;
}
inline int CountPrefix(const Lines& lines, const std::string& prefix) {
  return static_cast<int>(
      std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

inline const std::string kKeyWaitBox = "fill x1=96 y1=657 x2=400 y2=693 border=13 fill=4";
inline const std::string kStepBox = "fill x1=96 y1=639 x2=400 y2=675 border=13 fill=12";
inline int KeyWaits(const Lines& lines) { return CountPrefix(lines, kKeyWaitBox); }
using testing_support::Keys;

// A filled box as the trace shows it, without its pen width.
inline std::string FillBox(float x1, float y1, float x2, float y2, int border, int fill) {
  auto n = [](float v) {
    std::string s = std::to_string(v);
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
  };
  return "fill x1=" + n(x1) + " y1=" + n(y1) + " x2=" + n(x2) + " y2=" + n(y2) + " border=" + std::to_string(border) +
         " fill=" + std::to_string(fill);
}

// A polynomial as a sum of monomials: letter exponents -> coefficient.
using Monomial = std::map<char, int>;
using Polynomial = std::map<Monomial, int>;

// Reads a polynomial in the lessons' markup: "x^2-7x+12", "2ab-4b^2".
inline Polynomial Parse(const std::string& s) {
  Polynomial p;
  size_t i = 0;
  while (i < s.size()) {
    int sign = 1;
    if (s[i] == '+' || s[i] == '-') sign = s[i++] == '-' ? -1 : 1;
    int coef = 0;
    bool digits = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
      coef = coef * 10 + (s[i++] - '0');
      digits = true;
    }
    if (!digits) coef = 1;
    Monomial m;
    while (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i]))) {
      char letter = s[i++];
      int power = 1;
      if (i < s.size() && s[i] == '^') {
        power = s[i + 1] - '0';
        i += 2;
      }
      m[letter] += power;
    }
    p[m] += sign * coef;
  }
  std::erase_if(p, [](const auto& term) { return term.second == 0; });
  return p;
}

inline Polynomial Times(const Polynomial& a, const Polynomial& b) {
  Polynomial out;
  for (const auto& [ma, ca] : a)
    for (const auto& [mb, cb] : b) {
      Monomial m = ma;
      for (const auto& [letter, power] : mb) m[letter] += power;
      out[m] += ca * cb;
    }
  std::erase_if(out, [](const auto& term) { return term.second == 0; });
  return out;
}

using testing_support::SeedTimes;

// Index of the first expression at or after `from` with this text, or -1.
inline int FindShown(const std::vector<Shown>& shown, const std::string& text, size_t from = 0) {
  for (size_t i = from; i < shown.size(); ++i)
    if (shown[i].text == text) return static_cast<int>(i);
  return -1;
}

// The expected texts appear in this order (others may stand between them).
struct Expected {
  std::string text;
  float x, y;
  int colour;
};

inline void ExpectInOrder(const std::vector<Shown>& shown, const std::vector<Expected>& expected) {
  size_t i = 0;
  for (const Expected& e : expected) {
    while (i < shown.size() && shown[i].text != e.text) ++i;
    ASSERT_LT(i, shown.size()) << "missing: " << e.text;
    ++i;
    if (e.colour < 0) continue;  // only its place in the order
    const Shown& d = shown[i - 1];
    EXPECT_EQ(d.x, e.x) << e.text;
    EXPECT_EQ(d.y, e.y) << e.text;
    EXPECT_EQ(d.colour, e.colour) << e.text;
  }
}

// The rows the table must hold for a product: the pairs (d, product / d) for
// d from 1 up to the square root of its size, then all of them negated.
inline std::vector<std::pair<int, int>> CandidatePairs(int product) {
  std::vector<std::pair<int, int>> pairs;
  const int n = std::abs(product);
  for (int d = 1; d * d <= n; ++d)
    if (n % d == 0) pairs.push_back({d, product / d});
  const size_t half = pairs.size();
  for (size_t k = 0; k < half; ++k) pairs.push_back({-pairs[k].first, -pairs[k].second});
  return pairs;
}
// Their texts as the table's rows show them: "1と36", "-6と-6".
inline std::vector<std::string> CandidateRows(int product) {
  std::vector<std::string> rows;
  for (const auto& [d, e] : CandidatePairs(product)) rows.push_back(std::to_string(d) + "と" + std::to_string(e));
  return rows;
}

// A factorised answer "=(x+4)(x+9)" or "=(x-5)^2" multiplied out.
inline Polynomial ExpandAnswer(const std::string& answer) {
  EXPECT_EQ(answer.rfind("=(", 0), 0u) << answer;
  const std::string body = answer.substr(2);
  const size_t close = body.find(')');
  const Polynomial first = Parse(body.substr(0, close));
  const std::string rest = body.substr(close + 1);
  if (rest == "^2") return Times(first, first);
  EXPECT_TRUE(rest.size() > 2 && rest.front() == '(' && rest.back() == ')') << answer;
  return Times(first, Parse(rest.substr(1, rest.size() - 2)));
}

}  // namespace jorrel_testing
