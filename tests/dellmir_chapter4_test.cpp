// Dellmir's chapter 4, multiplication of polynomials: goal, sub-menu, the
// question and a+b=N screens, example 1 and the summary, read back from the
// replay trace.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <stdexcept>

#include "tests/dellmir_trace.h"
#include "tests/support.h"

namespace {

using namespace dellmir_trace;
using testing_support::Replay;
using testing_support::RunReplay;

const std::string kItemWipe = "fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15";
const std::string kBandWipe = "fill x1=0 y1=657 x2=992 y2=720 border=15 fill=15";
const std::string kItemLine = "text x=32 y=666 ";  // the "①" that starts the item line

std::string Repeat(const std::string& key, int n) {
  std::string keys;
  for (int i = 0; i < n; ++i) keys += key + " ";
  return keys;
}

// Opens chapter 4, types the keys, then leaves the chapter and the program.
Replay RunChapter4(const std::string& keys, const std::string& time = "10:20:30") {
  return RunReplay("dellmir", "4 Enter " + keys + " 1 0 Enter 6 Enter", time);
}

// The lines of one item: from its first wipe after the item line was shown
// to the next item line.
struct Span {
  int from, to;
};
Span ItemSpan(const Replay& r, int after = 0) {
  int from = FindLine(r.lines, kItemWipe, FindLine(r.lines, kItemLine, after));
  int to = FindLine(r.lines, kItemLine, from);
  return {from, to};
}

// --- A small reader of typeset rows ---
//
// One row of an expression as a pupil reads it: the glyphs whose pen stood at
// y0 (italic letters stand 22 higher, raised characters are drawn with the
// vertical magnification 2 and read as "^" and the character) and the sign
// strokes ("-" one line 20 below the pen, "+" its bar 22 below), in the order
// of x. Blanks are left out.
std::string Row(const Lines& lines, int from, int to, double y0, int colour = -1) {
  std::multimap<double, std::string> glyphs;
  for (int i = std::max(from, 0); i < EndOf(lines, to); ++i) {
    const std::string& l = lines[static_cast<size_t>(i)];
    if (colour >= 0 && Field(l, "colour") != colour) continue;
    if (StartsWith(l, "text ")) {
      double y = Field(l, "y");
      bool italic = Field(l, "italic") == 1;
      if (y != (italic ? y0 - 22 : y0)) continue;
      std::string t = Quoted(l);
      if (t == " ") continue;
      if (Field(l, "v") == 2) t = "^" + t;
      glyphs.emplace(Field(l, "x"), t);
    } else if (StartsWith(l, "line ") && Field(l, "y1") == Field(l, "y2")) {
      double y = Field(l, "y1");
      if (y == y0 + 20) glyphs.emplace(Field(l, "x1") - 4, "-");
      if (y == y0 + 22) glyphs.emplace(Field(l, "x1") - 4, "+");
    }
  }
  std::string text;
  for (const auto& [x, g] : glyphs) text += g;
  return text;
}

// --- Polynomials with integer coefficients, read from an expression ---
// A monomial is its letters with their powers ("a^2b" -> {a:2, b:1}).
using Monomial = std::map<char, int>;
using Polynomial = std::map<Monomial, long>;

Polynomial Times(const Polynomial& p, const Polynomial& q) {
  Polynomial r;
  for (const auto& [m1, c1] : p)
    for (const auto& [m2, c2] : q) {
      Monomial m = m1;
      for (const auto& [v, e] : m2) m[v] += e;
      r[m] += c1 * c2;
    }
  std::erase_if(r, [](const auto& kv) { return kv.second == 0; });
  return r;
}

// sum := term {(+|-) term}; term := [+|-] factor {factor};
// factor := number | letter [^digit] | "(" sum ")". Juxtaposition multiplies.
class Reader {
 public:
  explicit Reader(std::string s) : s_(std::move(s)) {}
  Polynomial Read() {
    if (Peek() == '=') ++at_;
    Polynomial p = Sum();
    if (at_ != s_.size()) throw std::runtime_error("left over: " + s_.substr(at_));
    return p;
  }

 private:
  char Peek() const { return at_ < s_.size() ? s_[at_] : '\0'; }
  Polynomial Sum() {
    Polynomial p = Term();
    while (Peek() == '+' || Peek() == '-') {
      for (const auto& [m, c] : Term()) p[m] += c;
    }
    std::erase_if(p, [](const auto& kv) { return kv.second == 0; });
    return p;
  }
  Polynomial Term() {
    long sign = 1;
    if (Peek() == '+' || Peek() == '-') sign = s_[at_++] == '-' ? -1 : 1;
    Polynomial p{{Monomial{}, sign}};
    bool any = false;
    for (;;) {
      char c = Peek();
      if (std::isdigit(static_cast<unsigned char>(c))) {
        long n = 0;
        while (std::isdigit(static_cast<unsigned char>(Peek()))) n = n * 10 + (s_[at_++] - '0');
        p = Times(p, Polynomial{{Monomial{}, n}});
      } else if (std::isalpha(static_cast<unsigned char>(c))) {
        ++at_;
        int power = 1;
        if (Peek() == '^') {
          ++at_;
          power = s_[at_++] - '0';
        }
        p = Times(p, Polynomial{{Monomial{{c, power}}, 1}});
      } else if (c == '(') {
        ++at_;
        Polynomial inner = Sum();
        if (Peek() != ')') throw std::runtime_error("no closing bracket in " + s_);
        ++at_;
        p = Times(p, inner);
      } else {
        break;
      }
      any = true;
    }
    if (!any) throw std::runtime_error("empty term in " + s_);
    return p;
  }
  std::string s_;
  size_t at_ = 0;
};

Polynomial Poly(const std::string& s) { return Reader(s).Read(); }

// Start times for every seed the program can take: hours + minutes + seconds
// runs from 0 to 141.
std::vector<std::string> AllSeedTimes() {
  std::vector<std::string> times;
  for (int seed = 0; seed <= 141; ++seed) {
    int h = std::min(seed, 23), m = std::min(seed - h, 59), s = seed - h - m;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", h, m, s);
    times.emplace_back(buf);
  }
  return times;
}

// ------------------------------------------------------------------ frame

TEST(DellmirChapter4, GoalAndItemLine) {
  auto r = RunReplay("dellmir", "4 Enter 0 Enter 1 1 Enter 1 / 0 Enter 1 0 Enter 6 Enter");
  EXPECT_EQ(r.exitCode, 0);
  int page = FindLine(r.lines, "fill x1=0 y1=0 x2=1760 y2=1800", FindLine(r.lines, kMenuBoard));
  auto runs = TextRuns(r.lines, page);
  const TextRun* goal = FindRun(runs, "<めあて>");
  const TextRun* line = FindRun(runs, "多項式×多項式の計算を考えよう。");
  ASSERT_NE(goal, nullptr);
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(goal->x, 44);
  EXPECT_EQ(goal->y, 240);
  EXPECT_EQ(goal->colour, 5);
  EXPECT_EQ(line->x, 76);
  EXPECT_EQ(line->y, 305);
  EXPECT_EQ(line->colour, 0);
  EXPECT_EQ(KeyWaits(r.lines), 0);
  // 0, 11 and 1/0 (read as 0) show the item line again and wipe nothing
  // above the band; 10 goes back to the main menu.
  EXPECT_EQ(CountLines(r.lines, kItemLine), 4);
  EXPECT_EQ(CountLines(r.lines, kBandWipe), 4);
  EXPECT_EQ(CountLines(r.lines, kItemWipe), 0);
  EXPECT_EQ(CountLines(r.lines, kMenuBoard), 2);
  // The half-width blanks of the line take empty cells of 16.
  EXPECT_NE(FindLine(r.lines, "text x=688 y=666 h=1 v=1 colour=0 face=gothic size=16 bold=1 italic=0 \"⑩\""), -1);
  EXPECT_NE(FindLine(r.lines, "text x=704 y=666 h=1 v=1 colour=0 face=gothic size=16 bold=1 italic=0 \"終\""), -1);
  std::string items;
  for (const TextRun& run : runs)
    if (run.y == 666 && run.x == 32) {
      items = run.text;
      break;
    }
  EXPECT_EQ(items, "①Ｑ　②ａ＋ｂ＝Ｎ　③例１　④まとめ１　⑤問１　⑥例２　⑦問２　⑧例３　⑨問３⑩終");
}

TEST(DellmirChapter4, ItemsFiveToNineComeStraightBack) {
  auto r = RunChapter4("5 Enter 6 Enter 7 Enter 8 Enter 9 Enter");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(CountLines(r.lines, kItemLine), 6);
  EXPECT_EQ(KeyWaits(r.lines), 0);
  EXPECT_EQ(CountLines(r.lines, kMenuBoard), 2);
}

// ------------------------------------------------------- item 1: question

TEST(DellmirChapter4, QuestionScreens) {
  auto r = RunChapter4("1 Enter " + Repeat("Space", 20));
  Span s = ItemSpan(r);
  ASSERT_GT(s.to, s.from);
  EXPECT_EQ(KeyWaits(r.lines, s.from, s.to), 20);
  EXPECT_EQ(CountLines(r.lines, kItemWipe, s.from, s.to), 2);
  int second = FindLine(r.lines, kItemWipe, s.from + 1);

  // The sides a, c, d, b; the two pairings of each screen.
  auto rows = DotRows(r.lines, s.from, s.to);
  ASSERT_EQ(rows.size(), 8u);
  const int counts[] = {91, 181, 181, 91, 181, 181, 181, 181};
  const int colours[] = {9, 9, 9, 9, 9, 7, 9, 7};
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].count, counts[i]) << i;
    EXPECT_EQ(rows[i].colour, colours[i]) << i;
    EXPECT_EQ(rows[i].width, 5) << i;
  }
  // The labels a left of the bed and c above it.
  const std::string& labelA = r.lines[static_cast<size_t>(rows[0].line + rows[0].count)];
  EXPECT_NEAR(Field(labelA, "x"), 89 + 4, 0.01);  // an italic letter stands 4 into its cell
  EXPECT_NEAR(Field(labelA, "y"), 314 - 22, 0.01) << labelA;  // italic letters stand 22 higher
  const std::string& labelC = r.lines[static_cast<size_t>(rows[1].line + rows[1].count)];
  EXPECT_EQ(Quoted(labelC), "c");
  EXPECT_NEAR(Field(labelC, "y"), 210 - 22, 0.01);
  EXPECT_NEAR(Field(labelC, "x"), 228.5 + 4, 0.01);
  // The pairings carry no label.
  for (size_t i = 4; i < 7; ++i)
    EXPECT_FALSE(StartsWith(r.lines[static_cast<size_t>(rows[i].line + rows[i].count)], "text ")) << i;
  EXPECT_TRUE(StartsWith(r.lines[static_cast<size_t>(rows[7].line + rows[7].count)], "text x=704 y=90 "));

  // The rows merge: 13 above, 11 below, then the same with their products.
  const std::string upper = "fill x1=132 y1=270 x2=484 y2=402 border=0 fill=13";
  const std::string lower = "fill x1=132 y1=402 x2=484 y2=490 border=0 fill=11";
  EXPECT_EQ(CountLines(r.lines, upper, s.from, s.to), 2);
  EXPECT_EQ(CountLines(r.lines, lower, s.from, s.to), 2);
  EXPECT_EQ(CountLines(r.lines, "fill x1=712 y1=270 x2=888 y2=314 border=0 fill=13", s.from, s.to), 1);
  // Screen 2: the cell 20 right of "(a+b)", which ends at 223.
  EXPECT_EQ(CountLines(r.lines, "fill x1=243 y1=90 x2=419 y2=134 border=0 fill=13", second, s.to), 1);
  // Both pairings of screen 2 end 60 into the cell, from a (115) and b (169).
  EXPECT_NEAR(Field(r.lines[static_cast<size_t>(rows[6].line)], "x"), 303, 0.01);
  EXPECT_NEAR(Field(r.lines[static_cast<size_t>(rows[6].line + 180)], "x"), 115, 0.01);
  EXPECT_NEAR(Field(r.lines[static_cast<size_t>(rows[7].line + 180)], "x"), 169, 0.01);
  EXPECT_NEAR(Field(r.lines[static_cast<size_t>(rows[6].line + 90)], "y"), 90 - 32, 0.01);
  EXPECT_NEAR(Field(r.lines[static_cast<size_t>(rows[7].line + 90)], "y"), 90 - 16, 0.01);

  // The derivation of screen 1, top to bottom, the middle line drawn last.
  int cell = FindLine(r.lines, "fill x1=712 y1=270", s.from);
  EXPECT_EQ(Row(r.lines, s.from, cell, 270), "(a+b)(c+d)");
  EXPECT_EQ(Row(r.lines, s.from, second, 340), "=a(c+d)+b(c+d)");
  EXPECT_EQ(Row(r.lines, s.from, second, 410, 5), "=ac+ad+bc+bd(m^2)");
  EXPECT_LT(FindLine(r.lines, "text x=532 y=410", s.from), FindLine(r.lines, "text x=532 y=340", s.from));
  auto runs = TextRuns(r.lines, s.from, second);
  const TextRun* heading = FindRun(runs, "<式>");
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->x, 528);
  EXPECT_EQ(heading->y, 210);
  EXPECT_EQ(heading->colour, 5);
  EXPECT_EQ(Row(r.lines, s.from, second, 150, 0), "花壇の面積を求めなさい。");
  EXPECT_EQ(Row(r.lines, second, s.to, 160, 3), "c+d=Mとおくと、");
  EXPECT_EQ(Row(r.lines, second, s.to, 370, 3), "Mをc+d　にもどすと、");
  EXPECT_EQ(Row(r.lines, second, s.to, 340, 3), "このように、積の形を和の形");
  EXPECT_EQ(Row(r.lines, second, s.to, 460, 5), "展開");
  EXPECT_EQ(Row(r.lines, second, s.to, 460, 3), "するという。");
  EXPECT_EQ(Row(r.lines, second, s.to, 570, 3), "Q");
  EXPECT_EQ(Row(r.lines, second, s.to, 570, 7), "a+b=Nとおいて(a+b)(c+d)を計算しよう。");
  EXPECT_EQ(Row(r.lines, second, s.to, 300), "=aM+bM");
  EXPECT_EQ(Row(r.lines, second, s.to, 230), "=ac+ad+bc+bd=(a+b)M");
  // The closing question ends the item: no key wait after it.
  EXPECT_EQ(KeyWaits(r.lines, FindLine(r.lines, "text x=44 y=570", second), s.to), 0);
}

// ----------------------------------------------------------- item 2: a+b=N

TEST(DellmirChapter4, SubstituteNScreen) {
  auto r = RunChapter4("2 Enter " + Repeat("Space", 13));
  Span s = ItemSpan(r);
  ASSERT_GT(s.to, s.from);
  EXPECT_EQ(KeyWaits(r.lines, s.from, s.to), 13);
  // Six waits in the left column, the right column after the sixth.
  int right = FindLine(r.lines, "text x=560 y=30 ", s.from);
  EXPECT_EQ(KeyWaits(r.lines, s.from, right), 6);
  const double left[] = {90, 160, 230, 300, 370, 440, 510};
  const char* leftRows[] = {"(a+b)(c+d)", "a+b=Nとおくと、", "=N(c+d)", "=Nc+Nd", "Nをa+b　にもどすと、",
                            "=(a+b)c+(a+b)d", "=ac+bc+ad+bd"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(Row(r.lines, s.from, right, left[i]), leftRows[i]) << left[i];
  EXPECT_EQ(Row(r.lines, right, s.to, 220, 0), "(a+b)(c+d)=ac+ad+bc+bd");

  // a, b, c and d begin at 574, 628, 709 and 763 (" (" from 520). The dots
  // of an upper arc run from its second end to its first, those of a lower
  // one from its first end to its second.
  struct Arc {
    int colour;
    double from, to, y, apexX, apexY, labelX, labelY;
    int labelColour;
  };
  const Arc arcs[] = {
      {9, 719, 584, 220, 651.5, 205, 634.5, 181, 3},
      {7, 763, 574, 220, 668.5, 170, 611, 146, 3},
      {9, 638, 709, 260, 673.5, 275, 629.5, 255, 5},
      {7, 628, 763, 260, 695.5, 310, 651.5, 290, 5},
  };
  auto rows = DotRows(r.lines, s.from, s.to);
  ASSERT_EQ(rows.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i + 1);
    const Arc& a = arcs[i];
    EXPECT_EQ(rows[i].count, 181);
    EXPECT_EQ(rows[i].colour, a.colour);
    EXPECT_EQ(rows[i].width, 5);
    auto dot = [&](int k) { return r.lines[static_cast<size_t>(rows[i].line + k)]; };
    EXPECT_NEAR(Field(dot(0), "x"), a.from, 0.01);
    EXPECT_NEAR(Field(dot(0), "y"), a.y, 0.01);
    EXPECT_NEAR(Field(dot(180), "x"), a.to, 0.01);
    EXPECT_NEAR(Field(dot(90), "x"), a.apexX, 0.01);
    EXPECT_NEAR(Field(dot(90), "y"), a.apexY, 0.01);
    const std::string& label = dot(181);
    EXPECT_NEAR(Field(label, "x"), a.labelX, 0.01);
    EXPECT_NEAR(Field(label, "y"), a.labelY, 0.01);
    EXPECT_EQ(Field(label, "colour"), a.labelColour);
  }
  // Arc 3 and "+bc" come without a key wait between them; each other arc
  // stands between two.
  EXPECT_EQ(Row(r.lines, rows[2].line, FindLine(r.lines, kKeyBox, rows[2].line), 220, 0), "+bc");
  EXPECT_EQ(KeyWaits(r.lines, rows[2].line, rows[3].line), 1);
  EXPECT_EQ(KeyWaits(r.lines, rows[0].line, rows[1].line), 2);
  EXPECT_EQ(KeyWaits(r.lines, rows[3].line, s.to), 1);
  // The line ends at 1146: "d" is its last cell.
  int last = s.to - 1;
  while (!StartsWith(r.lines[static_cast<size_t>(last)], "text ")) --last;
  EXPECT_EQ(Quoted(r.lines[static_cast<size_t>(last)]), "d");
  EXPECT_EQ(Field(r.lines[static_cast<size_t>(last)], "x") + 27, 1146);
}

// ----------------------------------------------------------- item 3: example 1

struct Example1Problem {
  std::string problem, answer;
  int waits;
};

TEST(DellmirChapter4, Example1IsRightOverEverySeed) {
  const int problems = 5;
  std::string keys = "3 Enter ";
  for (int i = 1; i <= problems; ++i) keys += Repeat("Space", 8) + (i < problems ? "0 Enter " : "1 Enter ");
  keys += Repeat("Space", 3);
  static const std::regex kProblem(R"(\((2?)([xa])([+-][1-5])\)\(([yb])([+-][1-7])\))");
  // A coefficient 1 before a letter is never shown.
  static const std::regex kBareOne(R"((^|[=+\-(])1[xyab(])");
  std::set<std::string> seen;
  std::map<std::string, std::string> answers;
  for (const std::string& time : AllSeedTimes()) {
    SCOPED_TRACE(time);
    auto r = RunChapter4(keys, time);
    Span s = ItemSpan(r);
    ASSERT_GT(s.to, s.from);
    // Each problem begins on a wiped page, after the one on entry.
    std::vector<int> wipes;
    for (int i = FindLine(r.lines, kItemWipe, s.from + 1); i >= 0 && i < s.to; i = FindLine(r.lines, kItemWipe, i + 1))
      wipes.push_back(i);
    ASSERT_EQ(static_cast<int>(wipes.size()), problems);
    for (int p = 0; p < problems; ++p) {
      int from = wipes[static_cast<size_t>(p)];
      int prompt = FindLine(r.lines, "fill x1=96 y1=639 x2=400 y2=675", from);
      ASSERT_GT(prompt, from);
      EXPECT_EQ(KeyWaits(r.lines, from, prompt), 8);
      EXPECT_EQ(Field(r.lines[static_cast<size_t>(from)], "width"), 5);
      std::string problem = Row(r.lines, from, prompt, 120, 0);
      std::string answer = Row(r.lines, from, prompt, 200, 5);
      std::smatch m;
      ASSERT_TRUE(std::regex_match(problem, m, kProblem)) << problem;
      EXPECT_EQ(m[2] == "x", m[4] == "y") << problem;
      EXPECT_EQ(Poly(answer), Poly(problem)) << problem << " " << answer;
      EXPECT_FALSE(std::regex_search(answer, kBareOne)) << answer;
      // The constant keeps its digit, even a 1.
      EXPECT_TRUE(std::regex_search(answer, std::regex(R"([+-]\d+$)"))) << answer;
      seen.insert(problem);
      answers[problem] = answer;
      // Four arcs of 181 dots, each between two key waits.
      auto rows = DotRows(r.lines, from, prompt);
      ASSERT_EQ(rows.size(), 4u);
      for (const DotRow& row : rows) EXPECT_EQ(row.count, 181);
      if (p + 1 < problems) continue;
      // The closing part under the last problem, without a wipe.
      EXPECT_EQ(KeyWaits(r.lines, prompt, s.to), 3);
      EXPECT_EQ(Row(r.lines, prompt, s.to, 330, 0), problem);
      std::string distributed = Row(r.lines, prompt, s.to, 390, 0);
      EXPECT_EQ(Poly(distributed), Poly(problem)) << distributed;
      // ku(v+n) then m(v+n), m = 1 and -1 shown by their sign alone:
      // (2a-1)(b+1) gives =2a(b+1)-(b+1), (x+1)(y-5) =x(y-5)+(y-5).
      std::string bracket = "(" + m[4].str() + m[5].str() + ")";
      std::string mText = m[3].str().substr(1) == "1" ? m[3].str().substr(0, 1) : m[3].str();
      EXPECT_EQ(distributed, "=" + m[1].str() + m[2].str() + bracket + mText + bracket) << problem;
      EXPECT_EQ(Row(r.lines, prompt, s.to, 450, 5), answer);
      auto runs = TextRuns(r.lines, prompt, s.to);
      const TextRun* note = FindRun(runs, "次のように計算してもよい。");
      ASSERT_NE(note, nullptr);
      EXPECT_EQ(note->x, 93);
      EXPECT_EQ(note->y, 280);
      EXPECT_EQ(note->colour, 3);
    }
  }
  // Both letter pairs, both coefficients, and the stated cases came up.
  EXPECT_GT(seen.size(), 200u);
  std::set<std::string> ks, letters;
  for (const std::string& p : seen) {
    ks.insert(p.substr(1, 1) == "2" ? "2" : "1");
    letters.insert(p.find('x') != std::string::npos ? "x" : "a");
  }
  EXPECT_EQ(ks.size(), 2u);
  EXPECT_EQ(letters.size(), 2u);
  const std::pair<const char*, const char*> cases[] = {
      {"(x+3)(y-5)", "=xy-5x+3y-15"}, {"(x+2)(y+1)", "=xy+x+2y+2"}, {"(x+2)(y-1)", "=xy-x+2y-2"},
      {"(x+1)(y-5)", "=xy-5x+y-5"},   {"(x+1)(y+1)", "=xy+x+y+1"},  {"(x-1)(y+1)", "=xy+x-y-1"},
  };
  for (const auto& [problem, answer] : cases)
    if (answers.contains(problem)) {
      EXPECT_EQ(answers[problem], answer) << problem;
    }
}

// ----------------------------------------------------------- item 4: summary

TEST(DellmirChapter4, SummaryScreen) {
  auto r = RunChapter4("4 Enter Space");
  Span s = ItemSpan(r);
  ASSERT_GT(s.to, s.from);
  EXPECT_EQ(KeyWaits(r.lines, s.from, s.to), 1);
  int wait = FindLine(r.lines, kKeyBox, s.from);
  int next = FindLine(r.lines, "text ", FindLine(r.lines, "key ", wait));
  ASSERT_GT(next, 0);
  EXPECT_TRUE(StartsWith(r.lines[static_cast<size_t>(next)], "text x=44 y=570 "));
  auto runs = TextRuns(r.lines, s.from, s.to);
  const TextRun* homework = FindRun(runs, "教科書P15");
  ASSERT_NE(homework, nullptr);
  EXPECT_EQ(homework->text, "教科書P15 問1　をやろう。");
  EXPECT_EQ(homework->x, 44);
  EXPECT_EQ(homework->colour, 0);
  EXPECT_EQ(Row(r.lines, s.from, s.to, 88, 0), "(a+b)(c+d)＝ac+ad+bc+bd");
  EXPECT_EQ(Row(r.lines, s.from, s.to, 473, 0), "(a+b)(c+d)=a(c+d)+b(c+d)");
  EXPECT_EQ(Row(r.lines, s.from, s.to, 243, 0), "(a+b)(c+d)");
  const TextRun* title = FindRun(runs, "1 組み合わせの和をつくる");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->y, 238);
  EXPECT_EQ(title->colour, 5);

  // a, b, c, d begin at 626, 680, 761 and 815; the labels are centred with
  // their blanks, 52 and 104 above, 48 and 100 below the line at 243.
  struct Arc {
    int colour;
    double labelX, labelY;
  };
  const Arc arcs[] = {{9, 636, 191}, {7, 663, 139}, {9, 676.5, 291}, {7, 703.5, 343}};
  auto rows = DotRows(r.lines, s.from, s.to);
  ASSERT_EQ(rows.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(rows[i].count, 181);
    EXPECT_EQ(rows[i].colour, arcs[i].colour);
    // The item sets no width: 3 is the width from start-up.
    EXPECT_EQ(rows[i].width, 3);
    const std::string& label = r.lines[static_cast<size_t>(rows[i].line + rows[i].count)];
    EXPECT_NEAR(Field(label, "x"), arcs[i].labelX, 0.01);
    EXPECT_NEAR(Field(label, "y"), arcs[i].labelY, 0.01);
    EXPECT_EQ(Field(label, "colour"), 5);
  }
  EXPECT_NEAR(Field(r.lines[static_cast<size_t>(rows[0].line + 90)], "y"), 243 - 8, 0.01);
  EXPECT_NEAR(Field(r.lines[static_cast<size_t>(rows[1].line + 90)], "y"), 243 - 60, 0.01);
  EXPECT_NEAR(Field(r.lines[static_cast<size_t>(rows[2].line + 90)], "y"), 283 + 8, 0.01);
  EXPECT_NEAR(Field(r.lines[static_cast<size_t>(rows[3].line + 90)], "y"), 283 + 60, 0.01);
}

TEST(DellmirChapter4, SummaryTakesTheWidthTheItemBeforeLeft) {
  auto r = RunChapter4("1 Enter " + Repeat("Space", 20) + "4 Enter Space");
  Span first = ItemSpan(r);
  Span s = ItemSpan(r, first.to);
  ASSERT_GT(s.to, s.from);
  auto rows = DotRows(r.lines, s.from, s.to);
  ASSERT_EQ(rows.size(), 4u);
  for (const DotRow& row : rows) EXPECT_EQ(row.width, 5);
}

}  // namespace
