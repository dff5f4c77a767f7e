// Dellmir's chapter 2, polynomials times monomials: the sub-menu, the
// flower-bed introduction and example 1 (a monomial times a polynomial).
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>

#include "tests/dellmir_session.h"

namespace {

using namespace dellmir_trace;
using namespace dellmir_session;

const std::string kItemWipe = "fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15";
const std::string kBandWipe = "fill x1=0 y1=657 x2=992 y2=720 border=15 fill=15";
// The sub-menu's line on the bottom band, as the plain text prints it.
const std::string kItemLine = "①導入　②例１　③問１　④例２　⑤問２　⑥終了";

// Runs chapter 2 with the item keys, then leaves the chapter and the program.
Session RunChapter(const std::string& keys, const std::string& time = "10:20:30") {
  return RunDellmir(Type("2") + keys + Type("6") + Type("6"), time);
}

int ItemLines(const Lines& lines, int from = 0, int to = -1) {
  int n = 0;
  for (const TextRun& run : TextRuns(lines, from, to))
    if (run.x == 16 && run.y == 666 && run.text == kItemLine) ++n;
  return n;
}

TEST(DellmirChapter2, SubMenuAsksAgainOutsideItsRangeAndLeavesOnSix) {
  struct Case {
    const char* keys;  // typed at the sub-menu before its end item
    int itemLines;     // the item line printed, the first time included
    const char* why;
  };
  const Case cases[] = {
      {"", 1, "the end item at once"},
      {"0 Enter", 2, "below the range"},
      {"7 Enter", 2, "above the range"},
      {"- 1 Enter", 2, "negative"},
      {"1 / 2 Enter", 2, "a half is below 1"},
      {"3 Enter 4 Enter 5 Enter", 4, "the items still to come lead back"},
      {"0 Enter 7 Enter 5 Enter", 4, "several in a row"},
  };
  for (const Case& c : cases) {
    Session s = RunDellmir("2 Enter " + std::string(c.keys) + " 6 Enter 6 Enter");
    EXPECT_EQ(s.exitCode, 0) << c.why;
    EXPECT_EQ(s.keysLeft, 0u) << c.why;
    EXPECT_EQ(ItemLines(s.lines), c.itemLines) << c.why;
    EXPECT_EQ(CountLines(s.lines, kBandWipe), c.itemLines) << c.why;
    EXPECT_EQ(KeyWaits(s.lines), 0) << c.why;
    EXPECT_EQ(CountLines(s.lines, kItemWipe), 0) << c.why << ": no item ran";
    EXPECT_EQ(CountLines(s.lines, kMenuBoard), 2) << c.why << ": 6 is the main menu";
  }
}

// The points, colours and texts of the introduction, as its screen shows
// them.
TEST(DellmirChapter2, FlowerBedIntroduction) {
  Session s = RunChapter(Type("1") + AnyKeys(9));
  EXPECT_EQ(s.exitCode, 0);
  EXPECT_EQ(s.keysLeft, 0u);
  int from = FindLine(s.lines, kItemWipe);
  ASSERT_GT(from, 0);
  int to = FindLine(s.lines, kBandWipe, from);
  ASSERT_GT(to, from);
  EXPECT_EQ(KeyWaits(s.lines, from, to), 9);
  auto exprs = Exprs(s.lines, from, to);

  struct Shown {
    const char* text;
    double x, y;
    int colour;
    int keysBefore;
  };
  const Shown texts[] = {
      {"縦2am,横3amの長方形の花壇があります。", 44, 30, 0, 0},
      {"縦をbmだけのばしたときの花壇の面積を求めなさい。", 44, 90, 0, 0},
      {"<式>", 484, 150, 5, 2},
      {"(2", 528, 210, 0, 3},
      {"=6a^2+3ab (m^2)", 484, 350, 5, 5},
      {"=2a*3a+b*3a", 484, 280, 0, 6},
      {"分配法則を使う！", 484, 430, 3, 9},
  };
  int last = from;
  for (const Shown& t : texts) {
    const Expr* e = FindExpr(exprs, t.text, last);
    ASSERT_NE(e, nullptr) << t.text;
    EXPECT_EQ(e->x, t.x) << t.text;
    EXPECT_EQ(e->y, t.y) << t.text;
    EXPECT_EQ(e->colour, t.colour) << t.text;
    EXPECT_EQ(KeyWaits(s.lines, from, e->line), t.keysBefore) << t.text;
    last = e->line;
  }
  // T5 to T7 chain on from "(2" on its line: each piece starts where the
  // one before ended.
  const Expr* open = FindExpr(exprs, "(2");
  const Expr* pieces[] = {FindExpr(exprs, "a+"), FindExpr(exprs, "b)*3"), FindExpr(exprs, "a", open->line)};
  for (const Expr* p : pieces) ASSERT_NE(p, nullptr);
  EXPECT_EQ(pieces[0]->x, open->x + 27 + 27);  // "(" and "2", 27 each
  EXPECT_GT(pieces[1]->x, pieces[0]->x);
  EXPECT_GT(pieces[2]->x, pieces[1]->x);
  for (const Expr* p : pieces) {
    EXPECT_EQ(p->y, 210);
    EXPECT_EQ(p->colour, 0);
  }
  // The last screen stays under the item line, which follows at once: no key
  // wait and nothing wiped above the bottom band; the pen width stays 5.
  const Expr* end = FindExpr(exprs, "分配法則を使う！");
  EXPECT_EQ(ItemLines(s.lines, end->line, to), 1);
  for (int i = end->line; i <= to; ++i) {
    const std::string& l = s.lines[static_cast<size_t>(i)];
    if (StartsWith(l, "fill ")) {
      EXPECT_GE(Field(l, "y1"), 600) << l;
      EXPECT_EQ(Field(l, "width"), 5) << l;
    }
  }

  // The cells: the bed (88 x 88, fill 13) and the strip (88 x 70, fill 11),
  // empty first, then again with their areas, all at pen width 5.
  std::vector<std::string> cells;
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 2; ++i)
      for (int j = 0; j < 3; ++j)
        cells.push_back("fill x1=" + std::to_string(144 + 88 * j) + " y1=" + std::to_string(210 + 88 * i) +
                        " x2=" + std::to_string(232 + 88 * j) + " y2=" + std::to_string(298 + 88 * i) +
                        " border=0 fill=13 width=5");
    for (int j = 0; j < 3; ++j)
      cells.push_back("fill x1=" + std::to_string(144 + 88 * j) + " y1=386 x2=" + std::to_string(232 + 88 * j) +
                      " y2=456 border=0 fill=11 width=5");
  }
  std::vector<std::string> drawn;
  for (int i = from; i < to; ++i) {
    const std::string& l = s.lines[static_cast<size_t>(i)];
    if (StartsWith(l, "fill ") && Field(l, "border") == 0) drawn.push_back(l);
  }
  EXPECT_EQ(drawn, cells);
  int areas = 0, strips = 0;
  for (const Expr& e : exprs) {
    if (e.text == "a^2") {
      ++areas;
      double dx = std::fmod(e.x - 144, 88), dy = std::fmod(e.y - 210, 88);
      EXPECT_EQ(dx, 18.5);
      EXPECT_EQ(dy, 22);
      EXPECT_EQ(e.colour, 5);
    } else if (e.text == "ab") {
      ++strips;
      EXPECT_EQ(std::fmod(e.x - 144, 88), 17);
      EXPECT_EQ(e.y, 386 + 13);
      EXPECT_EQ(e.colour, 5);
    }
  }
  EXPECT_EQ(areas, 6);
  EXPECT_EQ(strips, 3);
  // Before the areas the cells hold nothing.
  EXPECT_GT(FindExpr(exprs, "a^2")->line, FindExpr(exprs, "(2")->line);

  // The arcs: 2a on the bed's left side, 3a on its top, b on the strip's
  // side, then 2a with 3a and b with 3a over the expression.
  auto rows = DotRows(s.lines, from, to);
  ASSERT_EQ(rows.size(), 5u);
  const int counts[] = {26, 26, 13, 181, 181};
  const int colours[] = {3, 3, 3, 9, 7};
  for (size_t k = 0; k < rows.size(); ++k) {
    EXPECT_EQ(rows[k].count, counts[k]) << "arc " << k + 1;
    EXPECT_EQ(rows[k].colour, colours[k]) << "arc " << k + 1;
    EXPECT_EQ(rows[k].width, 5) << "arc " << k + 1;
  }
  auto arc = [&](size_t k) { return Dots(s.lines, rows[k].line, rows[k].line + rows[k].count); };
  // Arc 1 bulges 16 to the left of x 144 around y 298, between y 210 and 386.
  double left = 1e9;
  for (const Dot& d : arc(0)) {
    left = std::min(left, d.x);
    EXPECT_GE(d.y, 210 - 0.01);
    EXPECT_LE(d.y, 386 + 0.01);
  }
  EXPECT_NEAR(left, 128, 0.5);
  const Expr* label2a = FindExpr(exprs, "2a");
  ASSERT_NE(label2a, nullptr);
  EXPECT_NEAR(label2a->x, 74, 0.01);
  EXPECT_NEAR(label2a->y, 276, 0.01);
  EXPECT_NE(FindExpr(exprs, "3a"), nullptr);
  EXPECT_NE(FindExpr(exprs, "b"), nullptr);
  // Arcs 4 and 5 over the expression's line (y 210): from the pen before
  // "a+" and "b)*3" to the pen before the last "a", apexes 32 and 16 above.
  for (size_t k : {3u, 4u}) {
    auto dots = arc(k);
    double top = 1e9, x0 = 1e9, x1 = -1e9;
    for (const Dot& d : dots) {
      top = std::min(top, d.y);
      x0 = std::min(x0, d.x);
      x1 = std::max(x1, d.x);
    }
    EXPECT_NEAR(top, k == 3 ? 178 : 194, 0.01) << "arc " << k + 1;
    EXPECT_NEAR(x0, k == 3 ? pieces[0]->x : pieces[1]->x, 0.01) << "arc " << k + 1;
    EXPECT_NEAR(x1, pieces[2]->x, 0.01) << "arc " << k + 1;
  }
  // No label on arcs 4 and 5: nothing is written between them and the end.
  for (const Expr& e : exprs)
    if (e.line > rows[3].line) {
      EXPECT_EQ(e.text, "分配法則を使う！");
    }
}

TEST(DellmirChapter2, IntroductionTwiceGivesTheSameScreens) {
  Session once = RunChapter(Type("1") + AnyKeys(9));
  Session twice = RunChapter(Type("1") + AnyKeys(9) + Type("1") + AnyKeys(9));
  EXPECT_EQ(twice.keysLeft, 0u);
  int a = FindLine(once.lines, kItemWipe), aEnd = FindLine(once.lines, kBandWipe, a);
  int b = FindLine(twice.lines, kItemWipe, FindLine(twice.lines, kItemWipe) + 1);
  int bEnd = FindLine(twice.lines, kBandWipe, b);
  ASSERT_GT(a, 0);
  ASSERT_GT(b, 0);
  // From the line after the wipe (the first run starts at the menu's pen
  // width, the second at the 5 the first left).
  Lines first(once.lines.begin() + a + 1, once.lines.begin() + aEnd);
  Lines second(twice.lines.begin() + b + 1, twice.lines.begin() + bEnd);
  EXPECT_EQ(first, second);
}

// ---------------------------------------------------------------- example 1

// A signed coefficient as shown: "" or "+" stands for 1, "-" for -1.
int Coefficient(const std::string& sign, const std::string& digits) {
  int magnitude = digits.empty() ? 1 : std::stoi(digits);
  return sign == "-" ? -magnitude : magnitude;
}

// Reads a coefficient of the form the pattern's two groups (sign, digits)
// give; a coefficient of 1 never shows its digit, 0 never appears.
bool ReadCoefficient(const std::string& text, const std::regex& pattern, int& value) {
  std::smatch m;
  if (!std::regex_match(text, m, pattern)) return false;
  if (m[2] == "1" || m[2] == "0") return false;
  value = Coefficient(m[1], m[2]);
  return true;
}

const std::regex kMonomial(R"(^(-?)([0-9]*)x\($)");
const std::regex kXTerm(R"(^(-?)([0-9]*)x$)");
const std::regex kYTerm(R"(^([+-])([0-9]+)y$)");
const std::regex kConstant(R"(^([+-])([0-9]+)\)$)");
const std::regex kSquare(R"(^(-?)([0-9]*)x\^2$)");
const std::regex kXYProduct(R"(^([+-])([0-9]*)xy$)");
const std::regex kXProduct(R"(^([+-])([0-9]*)x$)");

struct Kind1Problem {
  int a = 0, b = 0, c = 0, d = 0;
  int ab = 0, ac = 0, ad = 0;
};

// Reads the problem that starts at the label "① " (exprs[at]) and checks
// its places, the order of arcs, products and key waits.
Kind1Problem ReadKind1(const Session& s, const std::vector<Expr>& exprs, size_t at, int to) {
  Kind1Problem p;
  to = EndOf(s.lines, to);
  const Expr& label = exprs[at];
  EXPECT_EQ(label.text, "① ");
  EXPECT_EQ(label.x, 30);
  EXPECT_EQ(label.colour, 3);
  const double y = label.y;
  if (at + 8 >= exprs.size()) {
    ADD_FAILURE() << "the problem is cut short";
    return p;
  }
  const Expr* pieces = &exprs[at + 1];
  EXPECT_EQ(pieces[0].x, 106);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(pieces[k].y, y);
    EXPECT_EQ(pieces[k].colour, 0);
  }
  const Expr& equals = exprs[at + 5];
  EXPECT_EQ(equals.text, "=");
  EXPECT_EQ(equals.x, 66);
  EXPECT_EQ(equals.y, y + 60);
  EXPECT_TRUE(ReadCoefficient(pieces[0].text, kMonomial, p.a)) << pieces[0].text;
  EXPECT_TRUE(ReadCoefficient(pieces[1].text, kXTerm, p.b)) << pieces[1].text;
  EXPECT_TRUE(ReadCoefficient(pieces[2].text, kYTerm, p.c)) << pieces[2].text;
  // The constant keeps its digit, 1 included.
  std::smatch m;
  const bool constant = std::regex_match(pieces[3].text, m, kConstant);
  EXPECT_TRUE(constant) << pieces[3].text;
  if (constant) p.d = Coefficient(m[1], m[2]);
  const Expr* products = &exprs[at + 6];
  EXPECT_TRUE(ReadCoefficient(products[0].text, kSquare, p.ab)) << products[0].text;
  EXPECT_TRUE(ReadCoefficient(products[1].text, kXYProduct, p.ac)) << products[1].text;
  EXPECT_TRUE(ReadCoefficient(products[2].text, kXProduct, p.ad)) << products[2].text;
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(products[k].y, y + 60);
    EXPECT_EQ(products[k].colour, 5);
  }
  EXPECT_EQ(products[0].x, 66 + 32) << "right after \"=\"";

  // Key, arc, key, product, three times; the step prompt after the last.
  std::string events;
  int prevColour = -1;
  for (int i = label.line; i < to; ++i) {
    const std::string& l = s.lines[static_cast<size_t>(i)];
    if (StartsWith(l, kKeyBox)) {
      events += "W ";
      prevColour = -1;
    } else if (StartsWith(l, "circle ") && Field(l, "r") == 0.5) {
      int colour = static_cast<int>(Field(l, "colour"));
      if (colour != prevColour) events += "A" + std::to_string(colour) + " ";
      prevColour = colour;
    } else if (StartsWith(l, "expr ") && Field(l, "colour") == 5) {
      events += "P ";
      prevColour = -1;
    }
  }
  EXPECT_EQ(events, "W A9 W P W A7 W P W A11 W P ");

  // Each arc: 181 dots at pen width 5 from the anchor of its term (27 right
  // of the term's start) to the monomial's, its apex 16, 32 and 40 above.
  auto rows = DotRows(s.lines, label.line, to);
  EXPECT_EQ(rows.size(), 3u);
  const double heights[] = {16, 32, 40};
  for (size_t k = 0; k < std::min<size_t>(rows.size(), 3); ++k) {
    EXPECT_EQ(rows[k].count, 181);
    EXPECT_EQ(rows[k].width, 5);
    auto dots = Dots(s.lines, rows[k].line, rows[k].line + rows[k].count);
    double top = 1e9;
    for (const Dot& d : dots) top = std::min(top, d.y);
    EXPECT_NEAR(top, y - heights[k], 0.01);
    EXPECT_NEAR(dots.front().x, pieces[k + 1].x + 27, 0.01);
    EXPECT_NEAR(dots.back().x, pieces[0].x + 27, 0.01);
    EXPECT_NEAR(dots.back().y, y, 0.01);
  }
  return p;
}

// All the example 1, kind 1 problems shown in a session, in order.
std::vector<Kind1Problem> Kind1Problems(const Session& s) {
  auto exprs = Exprs(s.lines);
  std::vector<Kind1Problem> problems;
  for (size_t i = 0; i < exprs.size(); ++i) {
    if (exprs[i].text != "① ") continue;
    int to = i + 9 < exprs.size() ? FindLine(s.lines, "fill ", exprs[i + 8].line) : -1;
    problems.push_back(ReadKind1(s, exprs, i, to));
  }
  return problems;
}

TEST(DellmirChapter2, Example1Kind1TextsOfChosenNumbers) {
  struct Case {
    int a, b, c, d;
    std::vector<std::string> shown;  // the four pieces, "=", the three products
  };
  const Case cases[] = {
      {3, 2, -4, 5, {"3x(", "2x", "-4y", "+5)", "=", "6x^2", "-12xy", "+15x"}},
      {-1, 1, 3, -1, {"-x(", "x", "+3y", "-1)", "=", "-x^2", "-3xy", "+x"}},
      {1, -1, 2, 1, {"x(", "-x", "+2y", "+1)", "=", "-x^2", "+2xy", "+x"}},
      {-5, -7, -6, -8, {"-5x(", "-7x", "-6y", "-8)", "=", "35x^2", "+30xy", "+40x"}},
      {1, 1, 2, -1, {"x(", "x", "+2y", "-1)", "=", "x^2", "+2xy", "-x"}},
  };
  for (const Case& c : cases) {
    Session s = RunDellmir(AnyKeys(6), "10:20:30", [&](RecordingDellmir& d) {
      d.scr.SetDrawWidth(0, 5);
      d.gDellmirHeadingX = 30;
      d.gNumListA(31) = 66;
      d.gNumListB(31) = 130;
      d.gTermValue(1) = static_cast<float>(c.a);
      d.gTermValue(2) = static_cast<float>(c.b);
      d.gTermValue(3) = static_cast<float>(c.c);
      d.gTermValue(4) = static_cast<float>(c.d);
      d.gTermValue(5) = static_cast<float>(c.a * c.b);
      d.gTermValue(6) = static_cast<float>(c.a * c.c);
      d.gTermValue(7) = static_cast<float>(c.a * c.d);
      d.gTermValue(14) = static_cast<float>(c.d);
      d.ShowExample1Kind1();
    });
    EXPECT_EQ(s.keysLeft, 0u);
    auto exprs = Exprs(s.lines);
    ASSERT_EQ(exprs.size(), 9u);
    std::vector<std::string> shown;
    for (size_t i = 1; i < exprs.size(); ++i) shown.push_back(exprs[i].text);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(exprs[0].y, 190);
    auto problems = Kind1Problems(s);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].a, c.a);
    EXPECT_EQ(problems[0].d, c.d);
  }
}

// The keys of n problems of kind 1 with "2" at the step prompts and 1 at
// the last.
std::string Kind1Keys(int problems) {
  std::string keys;
  for (int i = 1; i <= problems; ++i) keys += AnyKeys(6) + Type(i < problems ? "2" : "1");
  return keys;
}

TEST(DellmirChapter2, Example1Kind1ProductsAreRightOverManySeeds) {
  // Two visits of the item: the first coefficient is not repeated across
  // them either.
  const int first = 6, second = 2;
  std::string keys = Type("2") + Type("2") + Kind1Keys(first) + Type("2") + Kind1Keys(second);
  std::set<int> as, ds;
  for (const std::string& time : SeedTimes(3)) {
    SCOPED_TRACE(time);
    Session s = RunChapter(keys, time);
    ASSERT_EQ(s.keysLeft, 0u);
    ASSERT_EQ(s.exitCode, 0);
    auto problems = Kind1Problems(s);
    ASSERT_EQ(problems.size(), static_cast<size_t>(first + second));
    for (size_t i = 0; i < problems.size(); ++i) {
      const Kind1Problem& p = problems[i];
      EXPECT_EQ(p.ab, p.a * p.b);
      EXPECT_EQ(p.ac, p.a * p.c);
      EXPECT_EQ(p.ad, p.a * p.d);
      EXPECT_TRUE(p.a != 0 && std::abs(p.a) <= 5);
      EXPECT_TRUE(p.b != 0 && std::abs(p.b) <= 7);
      EXPECT_TRUE(std::abs(p.c) >= 2 && std::abs(p.c) <= 6);
      EXPECT_TRUE(p.d != 0 && std::abs(p.d) <= 8);
      if (i > 0) {
        EXPECT_NE(p.a, problems[i - 1].a) << "problem " << i;
      }
      as.insert(p.a);
      ds.insert(p.d);
    }
  }
  // Every first coefficient and constant came up, bare signs included.
  EXPECT_EQ(as.size(), 10u);
  EXPECT_EQ(ds.size(), 16u);
}

}  // namespace
