// Fennor's lessons in tests: the program on the headless screen with
// scripted keys, every expression it draws recorded with the number of keys
// pressed before it, and helpers that type numbers and check texts in order.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "fennor/fennor.h"
#include "tests/support.h"

namespace fennor_testing {

// One expression drawn: its text, the pen, the colour, and how many keys the
// pupil had pressed when it was drawn.
struct Drawn {
  std::string text;
  float x, y;
  int colour;
  int keys;
};

class CountingBackend : public plat::HeadlessBackend {
 public:
  using HeadlessBackend::HeadlessBackend;
  int keys = 0;
  bool PollKey(plat::Text& key) override {
    bool got = HeadlessBackend::PollKey(key);
    if (got) ++keys;
    return got;
  }
};

class RecordingFennor : public lesson::Fennor {
 public:
  RecordingFennor(plat::Screen& screen, const CountingBackend& backend) : Fennor(screen), backend_(backend) {}
  std::vector<Drawn> drawn;
  std::function<void(RecordingFennor&)> body;    // in place of the main menu
  std::function<void(RecordingFennor&)> onDraw;  // before each text on the page
  void ShowMainMenu() override {
    if (body) {
      body(*this);
    } else {
      Fennor::ShowMainMenu();
    }
  }
  void DrawExpression() override {
    // Text measured off the page (y 1800) is not drawn.
    if (!gPrintText.empty() && gPenY < 1800 && onDraw) onDraw(*this);
    if (!gPrintText.empty() && gPenY < 1800)
      drawn.push_back({plat::ToUtf8(gPrintText), gPenX, gPenY, static_cast<int>(gTextColour), backend_.keys});
    Fennor::DrawExpression();
  }

 private:
  const CountingBackend& backend_;
};

struct Session {
  std::vector<Drawn> drawn;
  std::vector<std::string> trace;
  int exitCode = 0;
  size_t keysLeft = 0;

  int Count(const std::string& prefix) const {
    int n = 0;
    for (const auto& l : trace) n += l.rfind(prefix, 0) == 0;
    return n;
  }
  int KeyWaits() const { return Count("fill x1=96 y1=657 x2=400 y2=693 border=13 fill=4"); }
  int Boards() const { return Count("fill x1=22 y1=10 x2=1342 y2=610 border=15 fill=10"); }
  bool Shows(const std::string& text) const {
    for (const auto& d : drawn)
      if (d.text == text) return true;
    return false;
  }
  // The last expression of the chapter: the one before the main menu comes
  // back.
  const Drawn& LastBeforeMenu() const { return drawn[Find("＜Ｆｅｎｎｏｒ　メニュー＞", 1) - 1]; }
  // Index of the first expression at or after `from` with this text, or -1.
  int Find(const std::string& text, size_t from = 0) const {
    for (size_t i = from; i < drawn.size(); ++i)
      if (drawn[i].text == text) return static_cast<int>(i);
    return -1;
  }
};

inline Session RunFennor(const std::string& keys, const std::string& time = "10:20:30",
              std::function<void(RecordingFennor&)> body = nullptr) {
  plat::HeadlessOptions o;
  o.keys = plat::ParseKeyScript(keys);
  o.timeOfDay = time;
  CountingBackend backend(o);
  plat::Screen screen(backend);
  std::ostringstream trace;
  screen.canvas().SetTrace(&trace);
  RecordingFennor p(screen, backend);
  p.body = std::move(body);
  Session r;
  r.exitCode = plat::RunProgram(screen, [&](plat::Screen&) { p.ProgramMain(); });
  r.drawn = p.drawn;
  r.trace = testing_support::SplitLines(trace.str());
  r.keysLeft = backend.keysLeft();
  return r;
}

// The keys that type a number and Enter.
using testing_support::Type;
inline std::string Spaces(int n) { return testing_support::Keys("Space", n); }

struct Expected {
  std::string text;
  float x, y;
  int colour;
};

// The expected texts appear in this order (others may stand between them).
inline void ExpectInOrder(const Session& run, const std::vector<Expected>& expected, size_t from = 0) {
  size_t i = from;
  for (const Expected& e : expected) {
    while (i < run.drawn.size() && run.drawn[i].text != e.text) ++i;
    ASSERT_LT(i, run.drawn.size()) << "missing: " << e.text;
    EXPECT_EQ(run.drawn[i].x, e.x) << e.text;
    EXPECT_EQ(run.drawn[i].y, e.y) << e.text;
    EXPECT_EQ(run.drawn[i].colour, e.colour) << e.text;
    ++i;
  }
}

// A signed coefficient text as a number: "+" and "-" alone stand for 1 and -1.
inline int Coefficient(const std::string& t) {
  if (t == "+") return 1;
  if (t == "-") return -1;
  return std::stoi(t);
}

using testing_support::SeedTimes;

inline const std::vector<Expected> kMenuLines = {
    {"＜Ｆｅｎｎｏｒ　メニュー＞", 264, 30, 15},
    {"1　公式１", 44, 120, 13},
    {"2　公式２、３", 44, 180, 15},
    {"3　公式４", 44, 240, 13},
    {"4　公式練習", 44, 300, 15},
    {"5　置き換え(ax,by)", 44, 360, 13},
    {"6　置き換え(a+b)", 44, 420, 15},
    {"7　四則の混じった計算", 44, 480, 13},
    {"8　P22(基本の問題)", 44, 540, 15},
    {" 9　", 660, 120, 13},
    {"10 終了", 660, 180, 15},
};

// The expressions drawn from `from` up to the main menu (or the end).
inline std::vector<Drawn> Slice(const Session& run, int from) {
  std::vector<Drawn> out;
  for (size_t i = from; i < run.drawn.size() && run.drawn[i].text != "＜Ｆｅｎｎｏｒ　メニュー＞"; ++i)
    out.push_back(run.drawn[i]);
  return out;
}

// The sub-menu's item lines shown: its first glyph at (16, 666).
inline int ItemLines(const Session& run) {
  int n = 0;
  for (const auto& l : run.trace) n += l.rfind("text x=16 y=666 h=1 v=1 colour=0 ", 0) == 0 && l.ends_with("\"①\"");
  return n;
}

// A chapter entered from the main menu: its goal lines on the wiped page,
// its item line shown again for each refused value, the main menu after
// its end item; no key wait. Returns the run.
inline Session ExpectGoalAndSubMenu(const std::string& chapter, const std::vector<std::string>& refused,
                                    const std::string& end, const std::vector<Expected>& goal) {
  std::string keys = Type(chapter);
  for (const auto& r : refused) keys += Type(r);
  Session run = RunFennor(keys + Type(end) + Type("10"));
  EXPECT_EQ(run.keysLeft, 0u);
  ExpectInOrder(run, goal, kMenuLines.size());
  EXPECT_EQ(run.drawn.size(), 2 * kMenuLines.size() + goal.size());
  EXPECT_EQ(ItemLines(run), static_cast<int>(refused.size()) + 1);
  EXPECT_EQ(run.Boards(), 2);
  EXPECT_EQ(run.KeyWaits(), 0);
  return run;
}

struct Box {
  float x1, y1, x2, y2;
  int border, fill;
};

// The answer boxes of the task (120 by 50 on the line y 178), in order.
inline std::vector<Box> TaskBoxes(const Session& run) {
  static const std::regex re(R"(^fill x1=(\S+) y1=178 x2=(\S+) y2=228 border=(\d+) fill=(\d+))");
  std::vector<Box> out;
  for (const auto& l : run.trace) {
    std::smatch m;
    if (std::regex_search(l, m, re))
      out.push_back({std::stof(m[1]), 178, std::stof(m[2]), 228, std::stoi(m[3]), std::stoi(m[4])});
  }
  return out;
}

// Into a chapter's task: `problems` problems, each with its key and a
// number other than 1 at the step prompt but the last, then the keys of the
// explanation and the chapter's end item.
inline std::string TaskKeys(const std::string& chapter, int problems, int explanationKeys, const std::string& end) {
  std::string keys = Type(chapter) + Type("1");
  for (int i = 1; i <= problems; ++i) keys += "Space " + Type(i < problems ? "2" : "1");
  return keys + Spaces(explanationKeys) + Type(end) + Type("10");
}

// A whole number with its sign, "+" for a positive one.
inline std::string Signed(int v) { return (v > 0 ? "+" : "") + std::to_string(v); }

// The filled boxes of the area figures (border 0), as "x1 y1 x2 y2 fill".
inline std::vector<std::string> FigureBoxes(const Session& run) {
  static const std::regex fill(R"(^fill x1=(\S+) y1=(\S+) x2=(\S+) y2=(\S+) border=0 fill=(\d+) width=3)");
  std::vector<std::string> out;
  for (const auto& l : run.trace) {
    std::smatch m;
    if (std::regex_search(l, m, fill)) out.push_back(m[1].str() + " " + m[2].str() + " " + m[3].str() + " " +
                                                     m[4].str() + " " + m[5].str());
  }
  return out;
}

// The dots of the dimension marks, colour 9, as (x, y).
inline std::vector<std::pair<float, float>> Dots(const Session& run) {
  static const std::regex circle(R"(^circle x=(\S+) y=(\S+) r=\S+ colour=9 width=3)");
  std::vector<std::pair<float, float>> out;
  for (const auto& l : run.trace) {
    std::smatch m;
    if (std::regex_search(l, m, circle)) out.emplace_back(std::stof(m[1]), std::stof(m[2]));
  }
  return out;
}

// A small reader of the lesson's expression texts: whole numbers, the
// letters x, y, a, b, "+", "-", "*", brackets, "^" with one digit, and
// products written side by side ("2ax"); a leading "=" and blanks are
// skipped. Evaluates the text with the letters' values; a text it cannot
// read fails the test.
class ExpressionReader {
 public:
  ExpressionReader(const std::string& text, const std::map<char, double>& values) : s_(text), values_(values) {}
  double Value() {
    Skip();
    if (Peek() == '=') ++i_;
    double v = Sum();
    Skip();
    if (i_ != s_.size()) Fail("trailing text");
    return v;
  }
  bool failed() const { return failed_; }

 private:
  char Peek() {
    Skip();
    return i_ < s_.size() ? s_[i_] : '\0';
  }
  void Skip() {
    while (i_ < s_.size() && s_[i_] == ' ') ++i_;
  }
  void Fail(const char* why) {
    if (!failed_) ADD_FAILURE() << "cannot read \"" << s_ << "\" at " << i_ << ": " << why;
    failed_ = true;
    i_ = s_.size();
  }
  double Sum() {
    double v = 0;
    char sign = '+';
    if (Peek() == '+' || Peek() == '-') sign = s_[i_++];
    v = sign == '-' ? -Product() : Product();
    while (Peek() == '+' || Peek() == '-') {
      sign = s_[i_++];
      double t = Product();
      v = sign == '-' ? v - t : v + t;
    }
    return v;
  }
  double Product() {
    double v = Power();
    for (;;) {
      char c = Peek();
      if (c == '*') {
        ++i_;
        v *= Power();
      } else if (std::isdigit(static_cast<unsigned char>(c)) || values_.count(c) || c == '(') {
        v *= Power();
      } else {
        return v;
      }
    }
  }
  double Power() {
    double v = Primary();
    if (Peek() == '^') {
      ++i_;
      if (i_ >= s_.size() || !std::isdigit(static_cast<unsigned char>(s_[i_]))) {
        Fail("exponent");
        return 0;
      }
      int e = s_[i_++] - '0';
      double base = v;
      v = 1;
      for (int k = 0; k < e; ++k) v *= base;
    }
    return v;
  }
  double Primary() {
    char c = Peek();
    if (c == '(') {
      ++i_;
      double v = Sum();
      if (Peek() != ')') {
        Fail("no closing bracket");
        return 0;
      }
      ++i_;
      return v;
    }
    if (std::isdigit(static_cast<unsigned char>(c))) {
      double v = 0;
      while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) v = v * 10 + (s_[i_++] - '0');
      return v;
    }
    if (values_.count(c)) {
      ++i_;
      return values_.at(c);
    }
    Fail("unexpected character");
    return 0;
  }

  std::string s_;
  std::map<char, double> values_;
  size_t i_ = 0;
  bool failed_ = false;
};

// True when two texts agree as polynomials in the letters x, y, a, b of
// degree up to 2 (compared at a few points).
inline bool SamePolynomial(const std::string& a, const std::string& b) {
  static const std::map<char, double> kPoints[] = {
      {{'x', 2}, {'y', 3}, {'a', 5}, {'b', 7}},
      {{'x', -3}, {'y', 11}, {'a', -2}, {'b', 13}},
      {{'x', 7}, {'y', -5}, {'a', 17}, {'b', -4}},
      {{'x', 0.5}, {'y', 19}, {'a', -9}, {'b', 3}},
  };
  for (const auto& values : kPoints) {
    ExpressionReader ra(a, values), rb(b, values);
    double va = ra.Value(), vb = rb.Value();
    if (ra.failed() || rb.failed() || va != vb) return false;
  }
  return true;
}

}  // namespace fennor_testing
