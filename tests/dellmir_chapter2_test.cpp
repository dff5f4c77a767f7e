// Dellmir's chapter 2, polynomials times monomials: the sub-menu, the
// flower-bed introduction and example 1 (a monomial times a polynomial).
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <regex>
#include <set>

#include "tests/dellmir_session.h"

namespace {

using namespace dellmir_trace;
using namespace dellmir_session;

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
      {"0 Enter 7 Enter - 3 Enter", 4, "several in a row"},
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

// What a problem shows, in order: W a key wait, A and the colour an arc,
// P an answer term (colour 5); with marks also S a stroke and T a text in
// colour 3.
std::string Events(const Session& s, int from, int to, bool marks = false) {
  std::string events;
  int prevColour = -1;
  for (int i = from + 1; i < to; ++i) {
    const std::string& l = s.lines[static_cast<size_t>(i)];
    const bool dot = StartsWith(l, "circle ") && Field(l, "r") == 0.5;
    if (dot) {
      int colour = static_cast<int>(Field(l, "colour"));
      if (colour != prevColour) events += "A" + std::to_string(colour) + " ";
      prevColour = colour;
      continue;
    }
    if (StartsWith(l, kKeyBox)) {
      events += "W ";
    } else if (StartsWith(l, "expr ") && Field(l, "colour") == 5) {
      events += "P ";
    } else if (marks && StartsWith(l, "expr ") && Field(l, "colour") == 3) {
      events += "T ";
    } else if (marks && StartsWith(l, "line ") && Field(l, "colour") == 3) {
      events += "S ";
    } else {
      continue;
    }
    prevColour = -1;
  }
  return events;
}

struct Kind1Problem {
  int a = 0, b = 0, c = 0, d = 0;
  int ab = 0, ac = 0, ad = 0;
};

// The three products of kinds 1 and 2 on their line, in colour 5: x^2, xy
// and x with their coefficients.
void ReadProducts(const std::vector<Expr>& exprs, size_t at, double y, Kind1Problem& p) {
  const Expr* products = &exprs[at];
  EXPECT_TRUE(ReadCoefficient(products[0].text, kSquare, p.ab)) << products[0].text;
  EXPECT_TRUE(ReadCoefficient(products[1].text, kXYProduct, p.ac)) << products[1].text;
  EXPECT_TRUE(ReadCoefficient(products[2].text, kXProduct, p.ad)) << products[2].text;
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(products[k].y, y);
    EXPECT_EQ(products[k].colour, 5);
  }
}

// Key, arc, key, product, three times, and the step prompt after the last;
// the arcs of 181 dots at pen width 5 above the line y, with the given
// heights, each from the monomial's anchor to a term's (side -1 draws from
// the right-hand end, side 1 from the left-hand one).
void ExpectPairingArcs(const Session& s, int from, int to, double y, std::array<double, 3> heights, double monomial,
                       std::array<double, 3> terms) {
  EXPECT_EQ(Events(s, from, to), "W A9 W P W A7 W P W A11 W P ");
  auto rows = DotRows(s.lines, from, to);
  ASSERT_EQ(rows.size(), 3u);
  for (size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(rows[k].count, 181);
    EXPECT_EQ(rows[k].width, 5);
    auto dots = Dots(s.lines, rows[k].line, rows[k].line + rows[k].count);
    double top = 1e9;
    for (const Dot& d : dots) top = std::min(top, d.y);
    EXPECT_NEAR(top, y - heights[k], 0.01);
    const bool fromTerm = terms[k] > monomial;
    const Dot& m = fromTerm ? dots.back() : dots.front();
    const Dot& t = fromTerm ? dots.front() : dots.back();
    EXPECT_NEAR(m.x, monomial, 0.01);
    EXPECT_NEAR(t.x, terms[k], 0.01);
    EXPECT_NEAR(m.y, y, 0.01);
    EXPECT_NEAR(t.y, y, 0.01);
  }
}

// The label of a problem at exprs[at] stands at x in colour 3, and the
// problem's `count` expressions follow it.
bool LabelHolds(const std::vector<Expr>& exprs, size_t at, double x, size_t count) {
  EXPECT_EQ(exprs[at].x, x);
  EXPECT_EQ(exprs[at].colour, 3);
  if (at + count < exprs.size()) return true;
  ADD_FAILURE() << "the problem is cut short";
  return false;
}

// Reads the problem that starts at the label "① " (exprs[at]) and checks
// its places, the order of arcs, products and key waits.
Kind1Problem ReadKind1(const Session& s, const std::vector<Expr>& exprs, size_t at, int to) {
  Kind1Problem p;
  to = EndOf(s.lines, to);
  const Expr& label = exprs[at];
  const double y = label.y;
  if (!LabelHolds(exprs, at, 30, 8)) return p;
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
  ReadProducts(exprs, at + 6, y + 60, p);
  EXPECT_EQ(exprs[at + 6].x, 66 + 32) << "right after \"=\"";
  // Each arc from the anchor of its term (27 right of the term's start) to
  // the monomial's, its apex 16, 32 and 40 above.
  ExpectPairingArcs(s, label.line, to, y, {16, 32, 40}, pieces[0].x + 27,
                    {pieces[1].x + 27, pieces[2].x + 27, pieces[3].x + 27});
  return p;
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
    Kind1Problem read = ReadKind1(s, exprs, 0, -1);
    EXPECT_EQ(read.a, c.a);
    EXPECT_EQ(read.d, c.d);
  }
}

const std::regex kConstantTimes(R"(^([+-])([0-9]+)\)\*$)");
const std::regex kMonomialAfter(R"(^()([0-9]*)x$)");
const std::regex kBracketedMonomial(R"(^\((-)([0-9]*)x\)$)");

// Reads the problem of kind 2 that starts at the label "② " (exprs[at]).
Kind1Problem ReadKind2(const Session& s, const std::vector<Expr>& exprs, size_t at, int to) {
  Kind1Problem p;
  to = EndOf(s.lines, to);
  const Expr& label = exprs[at];
  const double y = label.y;
  if (!LabelHolds(exprs, at, 30, 9)) return p;
  const Expr* pieces = &exprs[at + 1];
  EXPECT_EQ(pieces[0].text, "(");
  EXPECT_EQ(pieces[0].x, 106);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(pieces[k].y, y);
    EXPECT_EQ(pieces[k].colour, 0);
  }
  EXPECT_TRUE(ReadCoefficient(pieces[1].text, kXTerm, p.b)) << pieces[1].text;
  EXPECT_TRUE(ReadCoefficient(pieces[2].text, kYTerm, p.c)) << pieces[2].text;
  std::smatch m;
  const bool constant = std::regex_match(pieces[3].text, m, kConstantTimes);
  EXPECT_TRUE(constant) << pieces[3].text;
  if (constant) p.d = Coefficient(m[1], m[2]);
  // A negative monomial in brackets, a positive one bare.
  EXPECT_TRUE(ReadCoefficient(pieces[4].text, kMonomialAfter, p.a) ||
              ReadCoefficient(pieces[4].text, kBracketedMonomial, p.a))
      << pieces[4].text;
  const Expr& equals = exprs[at + 6];
  EXPECT_EQ(equals.text, "=");
  EXPECT_EQ(equals.x, 66);
  EXPECT_EQ(equals.y, y + 60);
  ReadProducts(exprs, at + 7, y + 60, p);
  // From the monomial's anchor over the line to each term's, apexes 40, 32
  // and 16 above it.
  ExpectPairingArcs(s, label.line, to, y, {40, 32, 16}, pieces[4].x + 27,
                    {pieces[1].x + 27, pieces[2].x + 27, pieces[3].x + 27});
  return p;
}

struct Kind3Problem {
  int n = 0, d = 0, a = 0, b = 0;
  int square = 0, linear = 0;  // the answer's coefficients
};

const std::regex kFractionMonomial(R"(^(-?)ﾀ([0-9]+)/([0-9]+)ﾀx\($)");
const std::regex kWholeXTerm(R"(^(-?)([0-9]+)x$)");
const std::regex kConstantClose(R"(^([+-])([0-9]+)\)$)");

// Reads the problem of kind 3 that starts at the label "③ " (exprs[at]).
Kind3Problem ReadKind3(const Session& s, const std::vector<Expr>& exprs, size_t at, int to) {
  Kind3Problem p;
  to = EndOf(s.lines, to);
  const Expr& label = exprs[at];
  EXPECT_EQ(label.y, 90);
  if (!LabelHolds(exprs, at, 600, 15)) return p;
  const Expr* e = &exprs[at];
  std::smatch m;
  if (!std::regex_match(e[1].text, m, kFractionMonomial)) {
    ADD_FAILURE() << e[1].text;
    return p;
  }
  const std::string fraction = e[1].text.substr(0, e[1].text.size() - 2);  // without "x("
  p.n = Coefficient(m[1], m[2]);
  p.d = std::stoi(m[3]);
  EXPECT_EQ(e[1].x, 676);
  EXPECT_TRUE(std::regex_match(e[2].text, m, kWholeXTerm)) << e[2].text;
  p.a = Coefficient(m[1], m[2]);
  EXPECT_TRUE(std::regex_match(e[3].text, m, kConstantClose)) << e[3].text;
  p.b = Coefficient(m[1], m[2]);
  const std::string absA = std::to_string(std::abs(p.a)), absB = std::to_string(std::abs(p.b));
  // The expansion: the fraction times each term, the second product signed.
  const std::vector<std::pair<std::string, int>> texts = {
      {"=", 0},
      {fraction + "x*", 0},
      {p.a < 0 ? "(-" + absA + "x)" : absA + "x", 0},
      {(p.n > 0 ? "+" : "") + fraction + "x*", 0},
      {p.b < 0 ? "(-" + absB + ")" : absB, 0},
      {"=", 0},
      {std::to_string(std::abs(p.a) / p.d), 3},
      {"1", 3},
  };
  for (size_t k = 0; k < texts.size(); ++k) {
    EXPECT_EQ(e[4 + k].text, texts[k].first);
    EXPECT_EQ(e[4 + k].colour, texts[k].second);
  }
  EXPECT_EQ(e[4].x, 636);
  EXPECT_EQ(e[4].y, 180);
  EXPECT_EQ(e[9].x, 636);
  EXPECT_EQ(e[9].y, 280);
  EXPECT_TRUE(ReadCoefficient(e[12].text, kSquare, p.square)) << e[12].text;
  EXPECT_EQ(e[13].text, std::to_string(std::abs(p.b) / p.d));
  EXPECT_EQ(e[14].text, "1");
  EXPECT_TRUE(ReadCoefficient(e[15].text, kXProduct, p.linear)) << e[15].text;
  EXPECT_EQ(e[12].colour, 5);
  EXPECT_EQ(e[15].colour, 5);
  EXPECT_EQ(e[12].y, 280);
  EXPECT_EQ(e[15].y, 280);
  // Key, arc, key, the first product, key, arc, key, the second product,
  // key, cancelling, key, answer, key, cancelling, key, answer.
  EXPECT_EQ(Events(s, label.line, to, true), "W A9 W W A7 W W S T S T W P W S T S T W P ");
  return p;
}

// A problem of any kind of example 1, in the order shown.
struct Shown1 {
  int kind;
  Kind1Problem first;  // kinds 1 and 2
  Kind3Problem third;
};

std::vector<Shown1> Example1Problems(const Session& s) {
  auto exprs = Exprs(s.lines);
  std::vector<Shown1> problems;
  for (size_t i = 0; i < exprs.size(); ++i) {
    const std::string& t = exprs[i].text;
    if (t != "① " && t != "② " && t != "③ ") continue;
    // The problem ends where the step prompt shows (the next fill after its
    // last answer term).
    const size_t last = i + (t == "③ " ? 15 : t == "② " ? 9 : 8);
    int to = last < exprs.size() ? FindLine(s.lines, kStepBox, exprs[last].line) : -1;
    Shown1 p{t == "① " ? 1 : t == "② " ? 2 : 3, {}, {}};
    if (p.kind == 1) p.first = ReadKind1(s, exprs, i, to);
    if (p.kind == 2) p.first = ReadKind2(s, exprs, i, to);
    if (p.kind == 3) p.third = ReadKind3(s, exprs, i, to);
    problems.push_back(p);
  }
  return problems;
}

// The keys of n problems, each with its key waits, "2" at the step prompts
// and 1 at the last.
std::string ProblemKeys(int problems, int waits) {
  std::string keys;
  for (int i = 1; i <= problems; ++i) keys += AnyKeys(waits) + Type(i < problems ? "2" : "1");
  return keys;
}
// Example 1 from the sub-menu: its three kinds and the key of its summary.
std::string Example1Keys(int kind1, int kind2, int kind3) {
  return Type("2") + ProblemKeys(kind1, 6) + ProblemKeys(kind2, 6) + ProblemKeys(kind3, 8) + AnyKeys(1);
}

int Gcd(int a, int b) { return b == 0 ? std::abs(a) : Gcd(b, a % b); }

TEST(DellmirChapter2, Example1WorkedAnswersAreRightOverManySeeds) {
  // Two visits of the item: the first coefficient is not repeated across
  // kinds and visits either.
  const std::string keys = Example1Keys(3, 3, 3) + Example1Keys(2, 1, 1);
  std::set<int> firsts, constants, numerators, denominators;
  for (const std::string& time : SeedTimes(5)) {
    SCOPED_TRACE(time);
    Session s = RunChapter(keys, time);
    ASSERT_EQ(s.keysLeft, 0u);
    ASSERT_EQ(s.exitCode, 0);
    auto problems = Example1Problems(s);
    ASSERT_EQ(problems.size(), 13u);
    const Kind1Problem* before = nullptr;
    const int kinds[] = {1, 1, 1, 2, 2, 2, 3, 3, 3, 1, 1, 2, 3};
    for (size_t i = 0; i < problems.size(); ++i) {
      SCOPED_TRACE("problem " + std::to_string(i + 1) + " of kind " + std::to_string(problems[i].kind));
      EXPECT_EQ(problems[i].kind, kinds[i]);
      if (problems[i].kind == 3) {
        const Kind3Problem& p = problems[i].third;
        EXPECT_TRUE(p.d == 2 || p.d == 3 || p.d == 5);
        EXPECT_EQ(Gcd(p.n, p.d), 1) << p.n << "/" << p.d;
        EXPECT_NE(p.n % p.d, 0);
        EXPECT_EQ(p.a % p.d, 0);
        EXPECT_EQ(p.b % p.d, 0);
        EXPECT_TRUE(p.a != 0 && std::abs(p.a) <= 5 * p.d);
        EXPECT_TRUE(p.b != 0 && std::abs(p.b) <= 5 * p.d);
        EXPECT_EQ(p.square * p.d, p.n * p.a);
        EXPECT_EQ(p.linear * p.d, p.n * p.b);
        numerators.insert(p.n);
        denominators.insert(p.d);
        continue;
      }
      const Kind1Problem& p = problems[i].first;
      EXPECT_EQ(p.ab, p.a * p.b);
      EXPECT_EQ(p.ac, p.a * p.c);
      EXPECT_EQ(p.ad, p.a * p.d);
      EXPECT_TRUE(p.a != 0 && std::abs(p.a) <= 5);
      EXPECT_TRUE(p.b != 0 && std::abs(p.b) <= 7);
      EXPECT_TRUE(std::abs(p.c) >= 2 && std::abs(p.c) <= 6);
      EXPECT_TRUE(p.d != 0 && std::abs(p.d) <= 8);
      if (before) {
        EXPECT_NE(p.a, before->a);
      }
      before = &p;
      firsts.insert(p.a);
      constants.insert(p.d);
    }
  }
  // Every first coefficient, constant and fraction came up, bare signs
  // included.
  EXPECT_EQ(firsts.size(), 10u);
  EXPECT_EQ(constants.size(), 16u);
  EXPECT_EQ(numerators, (std::set<int>{-5, -3, -2, -1, 1, 2, 3, 5}));
  EXPECT_EQ(denominators, (std::set<int>{2, 3, 5}));
}

// Kinds end only on an answer worth exactly 1; then the summary, one key,
// the textbook line and the item line.
TEST(DellmirChapter2, Example1KindsEndOnOneAndTheSummaryFollows) {
  const std::string keys = Type("2") + AnyKeys(6) + Type("1") + AnyKeys(6) + Type("1/2") + AnyKeys(6) +
                           Type("2/2") + AnyKeys(8) + Type("0") + AnyKeys(8) + Type("-1") + AnyKeys(8) +
                           Type("1") + AnyKeys(1);
  Session s = RunChapter(keys);
  EXPECT_EQ(s.keysLeft, 0u);
  auto problems = Example1Problems(s);
  std::vector<int> kinds;
  for (const Shown1& p : problems) kinds.push_back(p.kind);
  EXPECT_EQ(kinds, (std::vector<int>{1, 2, 2, 3, 3, 3}));
  auto exprs = Exprs(s.lines);
  // Kind 2's block below kind 1's answer line, kind 3's on the right.
  EXPECT_EQ(FindExpr(exprs, "② ")->y, 390);
  EXPECT_NE(FindLine(s.lines, "fill x1=0 y1=330 x2=1320 y2=1630 border=15 fill=15"), -1);
  EXPECT_NE(FindLine(s.lines, "fill x1=570 y1=30 x2=1890 y2=1530 border=15 fill=15"), -1);

  const Expr* heading = FindExpr(exprs, "<多項式と単項式の乗法>");
  ASSERT_NE(heading, nullptr);
  struct Line {
    const char* text;
    double y;
    int colour;
  };
  const Line lines[] = {
      {"<多項式と単項式の乗法>", 360, 3}, {"分配法則を使って計算する", 410, 0}, {"(a+b)*c=ac+bc", 460, 7},
      {"c(a+b)=ac+bc", 510, 7},          {"※cが分数の場合でも同じ", 560, 5},
  };
  int at = heading->line;
  for (const Line& l : lines) {
    const Expr* e = FindExpr(exprs, l.text, at);
    ASSERT_NE(e, nullptr) << l.text;
    EXPECT_EQ(e->x, 636) << l.text;
    EXPECT_EQ(e->y, l.y) << l.text;
    EXPECT_EQ(e->colour, l.colour) << l.text;
    at = e->line;
  }
  const Expr* textbook = FindExpr(exprs, "教科書P13 問1をやろう。", at);
  ASSERT_NE(textbook, nullptr);
  EXPECT_EQ(textbook->x, 40);
  EXPECT_EQ(textbook->y, 580);
  EXPECT_EQ(textbook->colour, 3);
  EXPECT_EQ(KeyWaits(s.lines, at, textbook->line), 1);
  // The item line follows at once, the pen width still 5.
  int band = FindLine(s.lines, kBandWipe, textbook->line);
  EXPECT_EQ(KeyWaits(s.lines, textbook->line, band), 0);
  EXPECT_EQ(ItemLines(s.lines, textbook->line, band), 1);
  EXPECT_EQ(Field(s.lines[static_cast<size_t>(band)], "width"), 5);
}

TEST(DellmirChapter2, Example1Kind2TextsOfChosenNumbers) {
  struct Case {
    int m, p, q, k;
    std::vector<std::string> shown;  // "(", the terms, the monomial, "=", the products
  };
  const Case cases[] = {
      {-3, 5, -2, 4, {"(", "5x", "-2y", "+4)*", "(-3x)", "=", "-15x^2", "+6xy", "-12x"}},
      {1, -1, 3, -1, {"(", "-x", "+3y", "-1)*", "x", "=", "-x^2", "+3xy", "-x"}},
      {-1, -1, 2, -1, {"(", "-x", "+2y", "-1)*", "(-x)", "=", "x^2", "-2xy", "+x"}},
      {5, 7, 6, 8, {"(", "7x", "+6y", "+8)*", "5x", "=", "35x^2", "+30xy", "+40x"}},
  };
  for (const Case& c : cases) {
    Session s = RunDellmir(AnyKeys(6), "10:20:30", [&](RecordingDellmir& d) {
      d.scr.SetDrawWidth(0, 5);
      d.gDellmirHeadingX = 30;
      d.gNumListA(31) = 66;
      d.gNumListB(31) = 330;
      const int values[] = {c.m, c.p, c.q, c.k, c.m * c.p, c.m * c.q, c.m * c.k};
      for (int i = 1; i <= 7; ++i) d.gTermValue(i) = static_cast<float>(values[i - 1]);
      d.gTermValue(14) = static_cast<float>(c.k);
      d.ShowExample1Kind2();
    });
    EXPECT_EQ(s.keysLeft, 0u);
    auto exprs = Exprs(s.lines);
    ASSERT_EQ(exprs.size(), 10u);
    EXPECT_EQ(exprs[0].text, "② ");
    EXPECT_EQ(exprs[0].y, 390);
    std::vector<std::string> shown;
    for (size_t i = 1; i < exprs.size(); ++i) shown.push_back(exprs[i].text);
    EXPECT_EQ(shown, c.shown);
    Kind1Problem read = ReadKind2(s, exprs, 0, -1);
    EXPECT_EQ(read.a, c.m);
  }
}

// The example of the cancelling: 3/2 x (4x - 2), each mark where the
// fraction and the factors were drawn.
TEST(DellmirChapter2, Example1Kind3CancellingPlaces) {
  Session s = RunDellmir(AnyKeys(8), "10:20:30", [&](RecordingDellmir& d) {
    d.scr.SetDrawWidth(0, 5);
    d.gNumListA(31) = 600;
    d.gNumListB(31) = 30;
    d.gTermValue2(1) = 2;
    const int values[] = {3, 4, -2, 6, -3};  // n, a, b, n p, n q
    for (int i = 1; i <= 5; ++i) d.gTermValue(i) = static_cast<float>(values[i - 1]);
    d.gTermValue(12) = 2;
    d.gTermValue(13) = -1;
    d.ShowExample1Kind3();
  });
  EXPECT_EQ(s.keysLeft, 0u);
  auto exprs = Exprs(s.lines);
  std::vector<std::string> shown;
  for (const Expr& e : exprs) shown.push_back(e.text);
  EXPECT_EQ(shown, (std::vector<std::string>{"③ ", "ﾀ3/2ﾀx(", "4x", "-2)", "=", "ﾀ3/2ﾀx*", "4x", "+ﾀ3/2ﾀx*", "(-2)", "=",
                                             "2", "1", "6x^2", "1", "1", "-3x"}));
  Kind3Problem p = ReadKind3(s, exprs, 0, -1);
  EXPECT_EQ(p.square, 6);
  EXPECT_EQ(p.linear, -3);
  struct At {
    size_t index;
    double x, y;
  };
  for (const At& a : {At{5, 668, 180}, At{6, 754, 180}, At{7, 808, 180}, At{8, 921, 180}, At{10, 754, 150},
                      At{11, 668, 236}, At{12, 668, 280}, At{13, 975, 150}, At{14, 835, 236}, At{15, 746, 280}}) {
    EXPECT_EQ(exprs[a.index].x, a.x) << exprs[a.index].text;
    EXPECT_EQ(exprs[a.index].y, a.y) << exprs[a.index].text;
  }
  // The strokes, in colour 3 at pen width 5.
  std::vector<std::string> strokes;
  for (const std::string& l : s.lines)
    if (StartsWith(l, "line ") && Field(l, "colour") == 3) strokes.push_back(l);
  EXPECT_EQ(strokes, (std::vector<std::string>{
                         "line x1=754 y1=220 x2=781 y2=180 colour=3 width=5",
                         "line x1=668 y1=236 x2=695 y2=208 colour=3 width=5",
                         "line x1=975 y1=220 x2=1002 y2=180 colour=3 width=5",
                         "line x1=835 y1=236 x2=862 y2=208 colour=3 width=5",
                     }));
  // The second arc from 20 above the fraction's anchor to the constant's.
  auto rows = DotRows(s.lines);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].colour, 9);
  EXPECT_EQ(rows[1].colour, 7);
  auto dots = Dots(s.lines, rows[1].line, rows[1].line + rows[1].count);
  ASSERT_EQ(dots.size(), 181u);
  EXPECT_NEAR(dots.front().x, 843, 0.01);
  EXPECT_NEAR(dots.front().y, 90, 0.01);
  EXPECT_NEAR(dots.back().x, 703, 0.01);
  EXPECT_NEAR(dots.back().y, 70, 0.01);
  auto first = Dots(s.lines, rows[0].line, rows[0].line + rows[0].count);
  EXPECT_NEAR(first.front().x, exprs[2].x + 27, 0.01);
  EXPECT_NEAR(first.front().y, 90, 0.01);
  EXPECT_NEAR(first.back().y, 70, 0.01);
}

}  // namespace
