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

#include "dellmir/dellmir.h"
#include "tests/dellmir_trace.h"
#include "tests/support.h"

namespace {

using namespace dellmir_trace;
using testing_support::Replay;
using testing_support::RunReplay;

const std::string kItemWipe = "fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15";
const std::string kBandWipe = "fill x1=0 y1=657 x2=992 y2=720 border=15 fill=15";
const std::string kItemLine = "text x=32 y=666 ";  // the "①" that starts the item line
const std::string kStepBox = "fill x1=96 y1=639 x2=400 y2=675";  // the step prompt's box

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
// Only glyphs from x minX on and before maxX are read.
std::string Row(const Lines& lines, int from, int to, double y0, int colour = -1, double minX = -1e9,
                double maxX = 1e9) {
  std::multimap<double, std::string> glyphs;
  for (int i = std::max(from, 0); i < EndOf(lines, to); ++i) {
    const std::string& l = lines[static_cast<size_t>(i)];
    if (colour >= 0 && Field(l, "colour") != colour) continue;
    double x = StartsWith(l, "line ") ? Field(l, "x1") : Field(l, "x");
    if (x < minX || x >= maxX) continue;
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
  // The "(c+d)" cell: on its line and 56 high, so the brackets' feet (50
  // below the line) stay inside and the pairing arcs end on its top border;
  // its text stays on the line.
  EXPECT_EQ(CountLines(r.lines, "fill x1=712 y1=270 x2=888 y2=326 border=0 fill=13", s.from, s.to), 1);
  EXPECT_TRUE(StartsWith(r.lines[static_cast<size_t>(FindLine(r.lines, "fill x1=712 y1=270", s.from) + 1)],
                         "text x=732.5 y=270 "));
  // Screen 2: the cell 20 right of "(a+b)", which ends at 223.
  EXPECT_EQ(CountLines(r.lines, "fill x1=243 y1=90 x2=419 y2=146 border=0 fill=13", second, s.to), 1);
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

// Keys for n problems of an example with `waits` key waits each, the last
// ended with 1, and `closing` key waits after it.
std::string ExampleKeys(int item, int n, int waits, int closing) {
  std::string keys = std::to_string(item) + " Enter ";
  for (int i = 1; i <= n; ++i) keys += Repeat("Space", waits) + (i < n ? "0 Enter " : "1 Enter ");
  return keys + Repeat("Space", closing);
}

// The trace lines of each problem of an example: from each wipe after the
// one on entry to the next (the last to the end of the item).
std::vector<Span> Problems(const Replay& r, Span item) {
  std::vector<int> wipes;
  for (int i = FindLine(r.lines, kItemWipe, item.from + 1); i >= 0 && i < item.to;
       i = FindLine(r.lines, kItemWipe, i + 1))
    wipes.push_back(i);
  std::vector<Span> spans;
  for (size_t p = 0; p < wipes.size(); ++p) spans.push_back({wipes[p], p + 1 < wipes.size() ? wipes[p + 1] : item.to});
  return spans;
}

TEST(DellmirChapter4, Example1IsRightOverEverySeed) {
  const int problems = 3;
  static const std::regex kProblem(R"(\((2?)([xa])([+-][1-5])\)\(([yb])([+-][1-7])\))");
  // A coefficient 1 before a letter is never shown.
  static const std::regex kBareOne(R"((^|[=+\-(])1[xyab(])");
  std::set<std::string> seen;
  std::map<std::string, std::string> answers;
  for (const std::string& time : AllSeedTimes()) {
    SCOPED_TRACE(time);
    auto r = RunChapter4(ExampleKeys(3, problems, 8, 3), time);
    Span s = ItemSpan(r);
    ASSERT_GT(s.to, s.from);
    auto spans = Problems(r, s);
    ASSERT_EQ(static_cast<int>(spans.size()), problems);
    for (int p = 0; p < problems; ++p) {
      int from = spans[static_cast<size_t>(p)].from;
      int prompt = FindLine(r.lines, kStepBox, from);
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


// ------------------------------------------------- item 5: question 1 answers

TEST(DellmirChapter4, Question1Answers) {
  auto r = RunChapter4("5 Enter " + Repeat("Space", 35));
  Span s = ItemSpan(r);
  ASSERT_GT(s.to, s.from);
  EXPECT_EQ(KeyWaits(r.lines, s.from, s.to), 35);
  EXPECT_EQ(Row(r.lines, s.from, s.to, 30, 0), "問1解答");
  struct Problem {
    double x, y;
    const char* label;
    const char* problem;
    const char* expanded;
  };
  const Problem problems[] = {
      {39, 130, "(1)", "(x+6)(y+2)", "=xy+2x+6y+12"},
      {39, 310, "(2)", "(a-3)(b+2)", "=ab+2a-3b-6"},
      {599, 130, "(3)", "(a-b)(c-d)", "=ac-ad-bc+bd"},
      {599, 310, "(4)", "(2x+1)(y-7)", "=2xy-14x+y-7"},
  };
  for (const Problem& p : problems) {
    SCOPED_TRACE(p.label);
    double left = p.x, right = p.x + 540;
    EXPECT_EQ(Row(r.lines, s.from, s.to, p.y, 3, left, right), p.label);
    EXPECT_NE(FindLine(r.lines, "text x=" + std::to_string(static_cast<int>(p.x)) + " y=" +
                                    std::to_string(static_cast<int>(p.y)) + " h=3 v=3 colour=3",
                       s.from),
              -1);
    EXPECT_EQ(Row(r.lines, s.from, s.to, p.y, 0, left, right), p.problem);
    EXPECT_EQ(Row(r.lines, s.from, s.to, p.y + 80, 5, left, right), p.expanded);
    // The "=" stands 4 into its cell, 81 right of the label.
    EXPECT_NE(FindLine(r.lines, "text x=" + std::to_string(static_cast<int>(p.x) + 85) + " y=" +
                                    std::to_string(static_cast<int>(p.y) + 80) + " h=3 v=3 colour=5",
                       s.from),
              -1);
  }
  // Sixteen arcs of 181 dots at width 5, four per problem.
  auto rows = DotRows(r.lines, s.from, s.to);
  ASSERT_EQ(rows.size(), 16u);
  for (const DotRow& row : rows) {
    EXPECT_EQ(row.count, 181);
    EXPECT_EQ(row.width, 5);
  }
  // Problem (4) ends the item: its last term "-7" and then the item line.
  int last = s.to - 1;
  while (!StartsWith(r.lines[static_cast<size_t>(last)], "text ")) --last;
  EXPECT_EQ(Quoted(r.lines[static_cast<size_t>(last)]), "7");
  EXPECT_EQ(Field(r.lines[static_cast<size_t>(last)], "y"), 390);
  EXPECT_EQ(KeyWaits(r.lines, last, s.to), 0);
}

// ------------------------------------------------- item 7: question 2 answers

TEST(DellmirChapter4, Question2Answers) {
  auto r = RunChapter4("7 Enter " + Repeat("Space", 50));
  Span s = ItemSpan(r);
  ASSERT_GT(s.to, s.from);
  EXPECT_EQ(KeyWaits(r.lines, s.from, s.to), 50);
  EXPECT_EQ(Row(r.lines, s.from, s.to, 30, 3, 0, 500), "問2の解答");
  struct Line {
    double x, y;
    int colour;
    const char* text;
  };
  const Line lines[] = {
      {40, 110, 0, "(x+2)(x+4)"},        {121, 190, 0, "=x^2+4x+2x+8"},      {121, 240, 5, "=x^2+6x+8"},
      {40, 320, 0, "(x-2)(x-3)"},        {121, 400, 0, "=x^2-3x-2x+6"},      {121, 450, 5, "=x^2-5x+6"},
      {560, 30, 0, "(x+5)(x-5)"},        {641, 110, 0, "=x^2-5x+5x-25"},     {641, 160, 5, "=x^2-25"},
      {560, 240, 0, "(4x+1)(3x-2)"},     {641, 320, 0, "=12x^2-8x+3x-2"},    {641, 370, 5, "=12x^2-5x-2"},
      {560, 450, 0, "(2a+b)(a+3b)"},     {641, 530, 0, "=2a^2+6ab+ab+3b^2"}, {641, 580, 5, "=2a^2+7ab+3b^2"},
  };
  for (const Line& l : lines) {
    double left = l.x < 500 ? 0 : 500, right = l.x < 500 ? 500 : 1320;
    EXPECT_EQ(Row(r.lines, s.from, s.to, l.y, l.colour, left, right), l.text) << l.x << "," << l.y;
  }
  for (const char* label : {"text x=40 y=110 h=3 v=3 colour=3", "text x=40 y=320 h=3 v=3 colour=3",
                            "text x=560 y=30 h=3 v=3 colour=3", "text x=560 y=240 h=3 v=3 colour=3",
                            "text x=560 y=450 h=3 v=3 colour=3"})
    EXPECT_NE(FindLine(r.lines, label, s.from), -1) << label;
  EXPECT_EQ(DotRows(r.lines, s.from, s.to).size(), 20u);
  // After 49 keys the last collected line is not drawn yet.
  auto early = RunReplay("dellmir", "4 Enter 7 Enter " + Repeat("Space", 49));
  EXPECT_EQ(Row(early.lines, 0, -1, 580, 5, 500), "");
  EXPECT_EQ(Row(early.lines, 0, -1, 530, 0, 500), "=2a^2+6ab+ab+3b^2");
}

// ------------------------------------------------- item 9: question 3 answers

TEST(DellmirChapter4, Question3Answers) {
  auto r = RunChapter4("9 Enter Space Space");
  Span s = ItemSpan(r);
  ASSERT_GT(s.to, s.from);
  EXPECT_EQ(KeyWaits(r.lines, s.from, s.to), 2);
  EXPECT_EQ(Row(r.lines, s.from, s.to, 30, 7), "問3の解答");
  struct Line {
    double y;
    int colour;
    const char* text;
  };
  const Line lines[] = {
      {80, 0, "(a+1)(a-b+2)"},          {130, 0, "=a(a-b+2)+(a-b+2)"},
      {180, 0, "=a^2-ab+2a+a-b+2"},     {230, 5, "=a^2-ab+3a-b+2"},
      {300, 0, "(2x+y-1)(5x-3y)"},      {350, 0, "=2x(5x-3y)+y(5x-3y)-(5x-3y)"},
      {400, 0, "=10x^2-6xy+5xy-3y^2-5x+3y"}, {450, 5, "=10x^2-xy-3y^2-5x+3y"},
  };
  for (const Line& l : lines) EXPECT_EQ(Row(r.lines, s.from, s.to, l.y, l.colour), l.text) << l.y;
  EXPECT_EQ(Row(r.lines, s.from, s.to, 80, 3), "(1)");
  EXPECT_EQ(Row(r.lines, s.from, s.to, 300, 3), "(2)");
  // The results are the only texts in colour 5, each starting at 94 (its
  // "=" 4 into the cell).
  std::set<double> ys;
  for (int i = s.from; i < s.to; ++i) {
    const std::string& l = r.lines[static_cast<size_t>(i)];
    if (StartsWith(l, "text ") && Field(l, "colour") == 5) ys.insert(Field(l, "y") + (Field(l, "italic") == 1 ? 22 : 0));
  }
  EXPECT_EQ(ys, (std::set<double>{230, 450}));
  EXPECT_NE(FindLine(r.lines, "text x=98 y=230 h=3 v=3 colour=5", s.from), -1);
  EXPECT_NE(FindLine(r.lines, "text x=98 y=450 h=3 v=3 colour=5", s.from), -1);
  // The problems come one key after the other: (1) after the first, (2)
  // after the second.
  int first = FindLine(r.lines, kKeyBox, s.from);
  int second = FindLine(r.lines, kKeyBox, first + 1);
  EXPECT_EQ(Row(r.lines, s.from, first, 80, 0), "");
  EXPECT_EQ(Row(r.lines, first, second, 300, 0), "");
  EXPECT_EQ(Row(r.lines, second, s.to, 300, 0), "(2x+y-1)(5x-3y)");
}

// ------------------------------------------------------ the random examples

// A Dellmir that runs a body after the start-up instead of its main menu.
class Probe : public lesson::Dellmir {
 public:
  Probe(plat::Screen& screen, std::function<void(Probe&)> body) : Dellmir(screen), body_(std::move(body)) {}
  void ShowMainMenu() override { body_(*this); }

 private:
  std::function<void(Probe&)> body_;
};

// The trace of the body's drawing after a mark it sets; fails the test
// unless the body ran to its end.
Lines RunBody(const std::string& keys, const std::string& time, const std::function<void(Probe&, testing_support::TestScreen&)>& body) {
  testing_support::TestScreen ts(keys, time);
  bool finished = false;
  Probe probe(ts.screen(), [&](Probe& p) {
    ts.ClearTrace();
    body(p, ts);
    finished = true;
  });
  plat::RunProgram(ts.screen(), [&](plat::Screen&) { probe.ProgramMain(); });
  EXPECT_TRUE(finished) << "the body did not run to its end";
  return ts.lines();
}

// The draws of the examples from start-up, in the lesson's order, to find
// the seed and the problem at which a wanted problem comes.
struct Found {
  std::string time;
  int problem = 0;  // 1-based
};
template <class Draw>
Found FindDraw(Draw draw, int maxProblems) {
  auto times = AllSeedTimes();
  Found best;
  for (int seed = 0; seed <= 141; ++seed) {
    plat::Random rnd;
    rnd.Randomize(seed);
    float previous = 0;
    for (int k = 1; k <= maxProblems && (best.problem == 0 || k < best.problem); ++k) {
      if (draw(rnd, previous)) {
        best = {times[static_cast<size_t>(seed)], k};
        break;
      }
    }
  }
  return best;
}

// ----------------------------------------------------------- item 6: example 2

TEST(DellmirChapter4, Example2IsRightOverEverySeed) {
  const int problems = 3;
  static const std::regex kProblem(R"(\(([2-4])x\+([1-5])\)\(([2-5])x-([1-7])\))");
  for (const std::string& time : AllSeedTimes()) {
    SCOPED_TRACE(time);
    auto r = RunChapter4(ExampleKeys(6, problems, 9, 1), time);
    Span s = ItemSpan(r);
    auto spans = Problems(r, s);
    ASSERT_EQ(static_cast<int>(spans.size()), problems);
    std::string previousA;
    for (const Span& p : spans) {
      int prompt = FindLine(r.lines, kStepBox, p.from);
      ASSERT_GT(prompt, p.from);
      EXPECT_EQ(KeyWaits(r.lines, p.from, prompt), 9);
      std::string problem = Row(r.lines, p.from, prompt, 120, 0);
      std::string expanded = Row(r.lines, p.from, prompt, 200, 0);
      std::string collected = Row(r.lines, p.from, prompt, 270, 5);
      std::smatch m;
      ASSERT_TRUE(std::regex_match(problem, m, kProblem)) << problem;
      EXPECT_NE(m[1].str(), previousA) << problem;
      previousA = m[1].str();
      EXPECT_EQ(Poly(expanded), Poly(problem)) << expanded;
      EXPECT_EQ(Poly(collected), Poly(problem)) << collected;
      // Four terms expanded, at most three collected: x^2, x (unless it
      // vanished), the constant; no coefficient 1 or 0 is shown.
      EXPECT_TRUE(std::regex_match(expanded, std::regex(R"(=\d+x\^2[+-]\d+x[+-]\d+x-\d+)"))) << expanded;
      EXPECT_TRUE(std::regex_match(collected, std::regex(R"(=\d+x\^2([+-]([2-9]|\d\d+)?x)?-\d+)"))) << collected;
      bool xVanishes = Poly(problem).count(Monomial{{'x', 1}}) == 0;
      EXPECT_EQ(collected.find("x", collected.find("^2")) == std::string::npos, xVanishes) << collected;
    }
    // The rule under the last collected line, then the textbook line.
    int prompt = FindLine(r.lines, kStepBox, spans.back().from);
    EXPECT_EQ(KeyWaits(r.lines, prompt, s.to), 1);
    auto runs = TextRuns(r.lines, prompt, s.to);
    const TextRun* rule = FindRun(runs, "※同類項はまとめる");
    const TextRun* book = FindRun(runs, "教科書P13 問2 をしなさい。");
    ASSERT_NE(rule, nullptr);
    ASSERT_NE(book, nullptr);
    EXPECT_EQ(rule->x, 225);
    EXPECT_EQ(rule->y, 340);
    EXPECT_EQ(rule->colour, 3);
    EXPECT_EQ(book->x, 44);
    EXPECT_EQ(book->y, 570);
    EXPECT_EQ(book->colour, 0);
    EXPECT_EQ(KeyWaits(r.lines, rule->line, book->line), 1);
  }
}

// The stated problems of example 2, found where the draws give them.
TEST(DellmirChapter4, Example2StatedCases) {
  struct Case {
    int a, m, b, n;
    const char* problem;
    const char* expanded;
    const char* collected;
  };
  const Case cases[] = {
      {2, 5, 2, -5, "(2x+5)(2x-5)", "=4x^2-10x+10x-25", "=4x^2-25"},
      {2, 1, 3, -1, "(2x+1)(3x-1)", "=6x^2-2x+3x-1", "=6x^2+x-1"},
      {3, 1, 2, -1, "(3x+1)(2x-1)", "=6x^2-3x+2x-1", "=6x^2-x-1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.problem);
    Found f = FindDraw(
        [&](plat::Random& rnd, float& previous) {
          float a, b, m, n;
          do {
            a = plat::Int(rnd.Rnd() * 3 + 2);
            b = plat::Int(rnd.Rnd() * 4 + 2);
            m = plat::Int(rnd.Rnd() * 5 + 1);
            n = -plat::Int(rnd.Rnd() * 7 + 1);
          } while (a == previous);
          previous = a;
          return a == c.a && m == c.m && b == c.b && n == c.n;
        },
        60);
    ASSERT_GT(f.problem, 0) << "not drawn within 60 problems of any seed";
    auto r = RunChapter4(ExampleKeys(6, f.problem, 9, 1), f.time);
    auto spans = Problems(r, ItemSpan(r));
    ASSERT_EQ(static_cast<int>(spans.size()), f.problem);
    const Span& p = spans.back();
    EXPECT_EQ(Row(r.lines, p.from, p.to, 120, 0), c.problem);
    EXPECT_EQ(Row(r.lines, p.from, p.to, 200, 0), c.expanded);
    EXPECT_EQ(Row(r.lines, p.from, p.to, 270, 5), c.collected);
  }
}

TEST(DellmirChapter4, Example2AvoidsTheFirstCoefficientStoredBefore) {
  auto times = AllSeedTimes();
  for (size_t seed = 0; seed < times.size(); ++seed) {
    const std::string& time = times[seed];
    {
      // Each seed with one of the three first coefficients stored before.
      const float stored = static_cast<float>(2 + seed % 3);
      auto lines = RunBody(Repeat("Space", 9) + "1 Enter Space", time, [&](Probe& p, testing_support::TestScreen&) {
        p.gDellmirPreviousFirstCoefficient = stored;
        p.RunExpansionExample2();
      });
      std::string problem = Row(lines, 0, -1, 120, 0);
      ASSERT_GE(problem.size(), 2u) << time;
      EXPECT_NE(problem[1] - '0', static_cast<int>(stored)) << time << " " << problem;
    }
    // Example 3 leaves its guard value; example 2 then avoids it.
    float guard = 0;
    auto lines = RunBody(Repeat("Space", 13) + "1 Enter " + Repeat("Space", 8) + Repeat("Space", 9) + "1 Enter Space",
                         time, [&](Probe& p, testing_support::TestScreen& ts) {
                           p.RunExpansionExample3();
                           guard = p.gDellmirPreviousFirstCoefficient;
                           ts.ClearTrace();
                           p.RunExpansionExample2();
                         });
    std::string problem = Row(lines, 0, -1, 120, 0);
    ASSERT_GE(problem.size(), 2u) << time;
    EXPECT_GE(guard, 2);
    EXPECT_LE(guard, 4);
    EXPECT_NE(problem[1] - '0', static_cast<int>(guard)) << time << " " << problem;
  }
}

// ----------------------------------------------------------- item 8: example 3

TEST(DellmirChapter4, Example3IsRightOverEverySeed) {
  const int problems = 2;
  static const std::regex kProblem(R"(\(([2-4])x-([1-5])?y\)\(([2-5])x\+([1-6])?y-([1-7])\))");
  int zeroCases = 0;
  for (const std::string& time : AllSeedTimes()) {
    SCOPED_TRACE(time);
    auto r = RunChapter4(ExampleKeys(8, problems, 13, 8), time);
    Span s = ItemSpan(r);
    auto spans = Problems(r, s);
    ASSERT_EQ(static_cast<int>(spans.size()), problems);
    std::string problem;
    for (const Span& p : spans) {
      int prompt = FindLine(r.lines, kStepBox, p.from);
      ASSERT_GT(prompt, p.from);
      EXPECT_EQ(KeyWaits(r.lines, p.from, prompt), 13);
      problem = Row(r.lines, p.from, prompt, 90, 3);
      std::smatch m;
      ASSERT_TRUE(std::regex_match(problem, m, kProblem)) << problem;
      Polynomial expected = Poly(problem);
      // The brackets repeated in colour 7, the products, the rearranged and
      // the collected line.
      for (double y : {140.0, 190.0, 240.0}) EXPECT_EQ(Poly(Row(r.lines, p.from, prompt, y)), expected) << y;
      EXPECT_EQ(Row(r.lines, p.from, prompt, 140, 7), "(" + m[3].str() + "x+" + m[4].str() + "y-" + m[5].str() + ")(" +
                                                            m[3].str() + "x+" + m[4].str() + "y-" + m[5].str() + ")");
      std::string collected = Row(r.lines, p.from, prompt, 290, 5);
      EXPECT_EQ(Poly(collected), expected) << collected;
      EXPECT_FALSE(std::regex_search(collected, std::regex(R"([=+-]0xy)"))) << collected;
      // When ad = bc the xy term is left out.
      bool xyVanishes = expected.count(Monomial{{'x', 1}, {'y', 1}}) == 0;
      EXPECT_EQ(collected.find("xy") == std::string::npos, xyVanishes) << collected;
      zeroCases += xyVanishes;
      // Six products, each after its own key.
      EXPECT_TRUE(std::regex_match(Row(r.lines, p.from, prompt, 190),
                                   std::regex(R"(=\d+x\^2\+\d*xy-\d+x-\d*xy-\d*y\^2\+\d*y)")))
          << Row(r.lines, p.from, prompt, 190);
    }
    // The second method for the last problem.
    int prompt = FindLine(r.lines, kStepBox, spans.back().from);
    EXPECT_EQ(KeyWaits(r.lines, prompt, s.to), 8);
    std::string second = Row(r.lines, prompt, s.to, 510, 0);
    ASSERT_EQ(second.rfind(problem + "=", 0), 0u) << second;
    EXPECT_EQ(Poly(second.substr(problem.size())), Poly(problem)) << second;
    auto rows = DotRows(r.lines, prompt, s.to);
    ASSERT_EQ(rows.size(), 6u);
    const int colours[] = {7, 7, 7, 9, 9, 9};
    for (size_t i = 0; i < 6; ++i) {
      EXPECT_EQ(rows[i].count, 181);
      EXPECT_EQ(rows[i].width, 8);
      EXPECT_EQ(rows[i].colour, colours[i]);
      // Each arc comes with its product, then one key.
      EXPECT_EQ(KeyWaits(r.lines, rows[i].line, i + 1 < 6 ? rows[i + 1].line : s.to), 1);
    }
    auto runs = TextRuns(r.lines, prompt, s.to);
    const TextRun* note = FindRun(runs, "※同類項はまとめる");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->y, 240);
    EXPECT_EQ(note->colour, 3);
    const TextRun* way = FindRun(runs, "次のように計算してもよい。");
    ASSERT_NE(way, nullptr);
    EXPECT_EQ(way->x, 67);
    EXPECT_EQ(way->y, 370);
    const TextRun* book = FindRun(runs, "教科書P15 問3 をしなさい。");
    ASSERT_NE(book, nullptr);
    EXPECT_EQ(book->x, 400);
    EXPECT_EQ(book->y, 600);
    EXPECT_EQ(book->colour, 7);
    EXPECT_EQ(KeyWaits(r.lines, book->line, s.to), 0);
    // Width 5 again after the last arc: the band is wiped with it.
    EXPECT_EQ(Field(r.lines[static_cast<size_t>(FindLine(r.lines, kBandWipe, s.to))], "width"), 5);
  }
  EXPECT_GT(zeroCases, 0);
}

TEST(DellmirChapter4, Example3LeavesOutAVanishedXyTerm) {
  Found f = FindDraw(
      [](plat::Random& rnd, float& previous) {
        float g;
        do {
          g = plat::Int(rnd.Rnd() * 3 + 2);
        } while (g == previous);
        previous = g;
        float a = plat::Int(rnd.Rnd() * 3 + 2), b = plat::Int(rnd.Rnd() * 5 + 1), c = plat::Int(rnd.Rnd() * 4 + 2),
              d = plat::Int(rnd.Rnd() * 6 + 1), e = plat::Int(rnd.Rnd() * 7 + 1);
        return a == 2 && b == 2 && c == 2 && d == 2 && e == 1;
      },
      150);
  ASSERT_GT(f.problem, 0) << "not drawn within 150 problems of any seed";
  auto r = RunChapter4(ExampleKeys(8, f.problem, 13, 8), f.time);
  auto spans = Problems(r, ItemSpan(r));
  ASSERT_EQ(static_cast<int>(spans.size()), f.problem);
  const Span& p = spans.back();
  EXPECT_EQ(Row(r.lines, p.from, p.to, 90, 3), "(2x-2y)(2x+2y-1)");
  EXPECT_EQ(Row(r.lines, p.from, p.to, 240, 0), "=4x^2+4xy-4xy-4y^2-2x+2y");
  EXPECT_EQ(Row(r.lines, p.from, p.to, 290, 5), "=4x^2-4y^2-2x+2y");
}

}  // namespace
