// Dellmir's chapter 2, polynomials times monomials: example 2 (two products
// expanded and their like terms collected), the worked answers to the
// textbook's questions 1 and 2, and the goal screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "tests/dellmir_expression_reader.h"
#include "tests/dellmir_session.h"

namespace {

using namespace dellmir_trace;
using namespace dellmir_session;

// Every line of an example 2 problem, read from what was drawn.
struct Example2 {
  std::string problem, expanded, collected, result;
  std::vector<Expr> pieces;  // the six pieces of the problem line
  int keyWaits = 0;
};

// The problem whose "=" opens the expanded line at exprs[at]; the step
// prompt (or the end) closes it.
Example2 ReadExample2(const Session& s, const std::vector<Expr>& exprs, size_t at) {
  Example2 e;
  if (at < 6 || at + 7 > exprs.size()) {
    ADD_FAILURE() << "the problem is cut short";
    return e;
  }
  for (size_t k = at - 6; k < at; ++k) {
    e.pieces.push_back(exprs[k]);
    e.problem += exprs[k].text;
    EXPECT_EQ(exprs[k].y, 140);
    EXPECT_EQ(exprs[k].colour, 0);
  }
  EXPECT_EQ(exprs[at - 6].x, 128);
  e.expanded = "=";
  for (size_t k = at + 1; k <= at + 4; ++k) {
    e.expanded += exprs[k].text;
    EXPECT_EQ(exprs[k].y, 210);
    EXPECT_EQ(exprs[k].colour, 0);
  }
  const Expr& collected = exprs[at + 5];
  EXPECT_EQ(collected.x, 88);
  EXPECT_EQ(collected.y, 280);
  EXPECT_EQ(collected.colour, 0);
  e.collected = collected.text;
  const Expr& result = exprs[at + 6];
  EXPECT_EQ(result.x, 88);
  EXPECT_EQ(result.y, 350);
  EXPECT_EQ(result.colour, 5);
  e.result = result.text;
  int end = at + 7 < exprs.size() ? exprs[at + 7].line : static_cast<int>(s.lines.size());
  if (at + 7 < exprs.size() && exprs[at + 7].colour == 5 && exprs[at + 7].y == 350) {
    e.result += exprs[at + 7].text;
    end = at + 8 < exprs.size() ? exprs[at + 8].line : static_cast<int>(s.lines.size());
  }
  const int stepPrompt = FindLine(s.lines, kStepBox, result.line);
  const int to = stepPrompt >= 0 && stepPrompt < end ? stepPrompt : end;
  e.keyWaits = KeyWaits(s.lines, exprs[at - 6].line, to);

  // The four arcs: 181 dots at pen width 5, above the line from a
  // monomial's anchor (27 into its piece) to a term's.
  auto rows = DotRows(s.lines, exprs[at].line, to);
  EXPECT_EQ(rows.size(), 4u);
  struct Arc {
    int from, to, colour;
    double height;
  };
  const Arc arcs[] = {{0, 1, 9, 16}, {0, 2, 7, 32}, {3, 4, 9, 16}, {3, 5, 7, 32}};
  for (size_t k = 0; k < std::min<size_t>(rows.size(), 4); ++k) {
    EXPECT_EQ(rows[k].count, 181);
    EXPECT_EQ(rows[k].colour, arcs[k].colour);
    EXPECT_EQ(rows[k].width, 5);
    auto dots = Dots(s.lines, rows[k].line, rows[k].line + rows[k].count);
    double top = 1e9;
    for (const Dot& d : dots) top = std::min(top, d.y);
    EXPECT_NEAR(top, 140 - arcs[k].height, 0.01);
    EXPECT_NEAR(dots.back().x, e.pieces[static_cast<size_t>(arcs[k].from)].x + 27, 0.01);
    EXPECT_NEAR(dots.front().x, e.pieces[static_cast<size_t>(arcs[k].to)].x + 27, 0.01);
  }
  return e;
}

std::vector<Example2> Example2Problems(const Session& s) {
  auto exprs = Exprs(s.lines);
  std::vector<Example2> problems;
  for (size_t i = 0; i < exprs.size(); ++i)
    if (exprs[i].text == "=" && exprs[i].x == 88 && exprs[i].y == 210) problems.push_back(ReadExample2(s, exprs, i));
  return problems;
}

// The four lines are one polynomial in x, written as the lesson writes it.
void ExpectWorkedRight(const Example2& e) {
  SCOPED_TRACE(e.problem + " " + e.expanded + " " + e.collected + " " + e.result);
  auto problem = dellmir_reader::Value(e.problem);
  auto expanded = dellmir_reader::ValueAfterEquals(e.expanded);
  auto collected = dellmir_reader::ValueAfterEquals(e.collected);
  auto result = dellmir_reader::ValueAfterEquals(e.result);
  ASSERT_TRUE(problem && expanded && collected && result);
  EXPECT_EQ(*expanded, *problem);
  EXPECT_EQ(*collected, *problem);
  EXPECT_EQ(*result, *problem);
  EXPECT_NE(e.result.substr(0, 2), "=+");
  EXPECT_NE(e.result, "=");
  // A coefficient of 1 shows as its sign alone; the constants keep digits.
  static const std::regex kOne(R"((^|[^0-9])1x)");
  for (const std::string* line : {&e.problem, &e.expanded, &e.collected, &e.result})
    EXPECT_FALSE(std::regex_search(*line, kOne)) << *line;
  static const std::regex kConstant(R"(^[+-][2-6]\)$)");
  EXPECT_TRUE(std::regex_match(e.pieces[2].text, kConstant)) << e.pieces[2].text;
  EXPECT_TRUE(std::regex_match(e.pieces[5].text, kConstant)) << e.pieces[5].text;
  EXPECT_EQ(e.keyWaits, 12);
}

std::string Example2Keys(int problems) {
  std::string keys = Type("4");
  for (int i = 1; i <= problems; ++i) keys += AnyKeys(12) + Type(i < problems ? "2" : "1");
  return keys + AnyKeys(1);
}

TEST(DellmirChapter2Example2, WorkedLinesAreEqualOverManySeeds) {
  const int passes = 6;
  int problems = 0, negative[6] = {};
  for (const std::string& time : SeedTimes(3)) {
    SCOPED_TRACE(time);
    Session s = RunChapter(Example2Keys(passes), time);
    ASSERT_EQ(s.keysLeft, 0u);
    auto shown = Example2Problems(s);
    ASSERT_EQ(shown.size(), static_cast<size_t>(passes));
    for (const Example2& e : shown) {
      ExpectWorkedRight(e);
      // The signs of a, b, c (pieces 1 to 3) and d, e, f (4 to 6).
      for (size_t k = 0; k < 6; ++k) {
        const std::string& t = e.pieces[k].text;
        negative[k] += k == 0 ? t[0] == '-' : t.find('-') != std::string::npos;
      }
      ++problems;
    }
  }
  // d is negative two times in three, the others one time in two.
  for (int k = 0; k < 6; ++k) {
    double share = static_cast<double>(negative[k]) / problems;
    EXPECT_NEAR(share, k == 3 ? 2.0 / 3 : 0.5, 0.08) << "coefficient " << k + 1 << " of " << problems;
  }
}

// Chosen problems: a worked example, bare signs, and the
// result lines with a missing term.
TEST(DellmirChapter2Example2, LinesOfChosenNumbers) {
  struct Case {
    int a, b, c, d, e, f;
    std::vector<std::string> lines;  // problem, expanded, collected, result
  };
  const Case cases[] = {
      {3, 2, 4, -2, 1, -5, {"3x(2x+4)-2x(x-5)", "=6x^2+12x-2x^2+10x", "=6x^2-2x^2+12x+10x", "=4x^2+22x"}},
      {1, 1, 2, 1, -1, 3, {"x(x+2)+x(-x+3)", "=x^2+2x-x^2+3x", "=x^2-x^2+2x+3x", "=5x"}},
      {-1, -1, 5, -1, 2, -6, {"-x(-x+5)-x(2x-6)", "=x^2-5x-2x^2+6x", "=x^2-2x^2-5x+6x", "=-x^2+x"}},
      // No x^2 term: the x term follows "=" without its "+".
      {2, 3, 4, -3, 2, -5, {"2x(3x+4)-3x(2x-5)", "=6x^2+8x-6x^2+15x", "=6x^2-6x^2+8x+15x", "=23x"}},
      {2, 3, -4, -3, 2, 2, {"2x(3x-4)-3x(2x+2)", "=6x^2-8x-6x^2-6x", "=6x^2-6x^2-8x-6x", "=-14x"}},
      // No x term.
      {2, 3, 3, -2, 1, 3, {"2x(3x+3)-2x(x+3)", "=6x^2+6x-2x^2-6x", "=6x^2-2x^2+6x-6x", "=4x^2"}},
      // Nothing left.
      {1, 2, 3, -1, 2, 3, {"x(2x+3)-x(2x+3)", "=2x^2+3x-2x^2-3x", "=2x^2-2x^2+3x-3x", "=0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines[0]);
    Session s = RunDellmir(AnyKeys(12), "10:20:30", [&](RecordingDellmir& d) {
      d.scr.SetDrawWidth(0, 5);
      d.gNumListA(31) = 88;
      d.gNumListB(31) = 80;
      const int v[] = {c.a, c.b, c.c, c.d, c.e, c.f};
      for (int i = 1; i <= 6; ++i) d.gTermValue(i) = static_cast<float>(v[i - 1]);
      d.gTermValue(7) = static_cast<float>(c.a * c.b);
      d.gTermValue(8) = static_cast<float>(c.a * c.c);
      d.gTermValue(9) = static_cast<float>(c.d * c.e);
      d.gTermValue(10) = static_cast<float>(c.d * c.f);
      d.gTermValue(11) = static_cast<float>(c.a * c.b + c.d * c.e);
      d.gTermValue(12) = static_cast<float>(c.a * c.c + c.d * c.f);
      d.gTermValue2(3) = static_cast<float>(c.c);
      d.gTermValue2(6) = static_cast<float>(c.f);
      d.ShowExample2();
    });
    EXPECT_EQ(s.keysLeft, 0u);
    auto shown = Example2Problems(s);
    ASSERT_EQ(shown.size(), 1u);
    const Example2& e = shown[0];
    EXPECT_EQ((std::vector<std::string>{e.problem, e.expanded, e.collected, e.result}), c.lines);
    ExpectWorkedRight(e);
  }
}

// The heading, one key per step, and after 1 (also 2/2) the summary on the
// right, a key, the textbook line and the item line at once.
TEST(DellmirChapter2Example2, HeadingSummaryAndTextbookLine) {
  for (const char* last : {"1", "2/2"}) {
    SCOPED_TRACE(last);
    const std::string keys = Type("4") + AnyKeys(12) + Type("0") + AnyKeys(12) + Type("1/2") + AnyKeys(12) +
                             Type(last) + AnyKeys(1);
    Session s = RunChapter(keys);
    EXPECT_EQ(s.keysLeft, 0u);
    EXPECT_EQ(Example2Problems(s).size(), 3u);
    auto exprs = Exprs(s.lines);
    const Expr* heading = FindExpr(exprs, "例2　次の計算をしなさい。");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->x, 88);
    EXPECT_EQ(heading->y, 30);
    EXPECT_EQ(heading->colour, 0);
    // Each problem wipes from y 80 down, so the heading stays.
    EXPECT_EQ(CountLines(s.lines, "fill x1=0 y1=80 x2=1320 y2=1380 border=15 fill=15"), 3);
    struct Line {
      const char* text;
      double x, y;
      int colour;
    };
    const Line lines[] = {
        {"<多項式と単項式の乗法>", 640, 30, 5}, {"1 分配法則を使って、かっこをはずす", 640, 80, 7},
        {"(a+b)*c=ac+bc", 694, 130, 0},         {"c(a+b)=ac+bc", 694, 180, 0},
        {"2 同類項をまとめる", 640, 250, 7},    {"教科書P13 問２ をやろう。", 44, 570, 3},
    };
    int at = heading->line;
    std::vector<int> places;
    for (const Line& l : lines) {
      const Expr* e = FindExpr(exprs, l.text, at);
      ASSERT_NE(e, nullptr) << l.text;
      EXPECT_EQ(e->x, l.x) << l.text;
      EXPECT_EQ(e->y, l.y) << l.text;
      EXPECT_EQ(e->colour, l.colour) << l.text;
      places.push_back(e->line);
      at = e->line;
    }
    EXPECT_EQ(KeyWaits(s.lines, places[0], places[4]), 0);
    EXPECT_EQ(KeyWaits(s.lines, places[4], places[5]), 1);
    int band = FindLine(s.lines, kBandWipe, places[5]);
    EXPECT_EQ(KeyWaits(s.lines, places[5], band), 0);
    EXPECT_EQ(ItemLines(s.lines, places[5], band), 1);
    EXPECT_EQ(Field(s.lines[static_cast<size_t>(band)], "width"), 5) << "the pen width stays 5";
  }
}

// ---------------------------------------------------------------- answers

struct Shown {
  const char* text;
  double x, y;
  int colour;
};

// The texts appear in this order at their places; returns their trace lines.
std::vector<int> ExpectInOrder(const std::vector<Expr>& exprs, std::initializer_list<Shown> texts, int from) {
  std::vector<int> lines;
  for (const Shown& t : texts) {
    const Expr* e = FindExpr(exprs, t.text, from);
    EXPECT_NE(e, nullptr) << t.text;
    if (!e) continue;
    EXPECT_EQ(e->x, t.x) << t.text;
    EXPECT_EQ(e->y, t.y) << t.text;
    EXPECT_EQ(e->colour, t.colour) << t.text;
    lines.push_back(e->line);
    from = e->line + 1;
  }
  return lines;
}

TEST(DellmirChapter2Answers, Question1) {
  Session s = RunChapter(Type("3") + AnyKeys(10));
  EXPECT_EQ(s.keysLeft, 0u);
  int from = FindLine(s.lines, kItemWipe);
  ASSERT_GT(from, 0);
  int to = FindLine(s.lines, kBandWipe, from);
  EXPECT_EQ(KeyWaits(s.lines, from, to), 10);
  auto exprs = Exprs(s.lines, from, to);
  auto at = ExpectInOrder(exprs,
                          {
                              {"問１ 解答", 121, 30, 3},
                              {"(1)", 40, 90, 3},
                              {" 4a(a+3b)", 121, 90, 0},
                              {"=4a*a+4a*3b", 121, 150, 0},
                              {"=4a^2+12ab", 121, 210, 5},
                              {"(2)", 40, 270, 3},
                              {" (2x-7y)*(-5x)", 121, 270, 0},
                              {"=2x*(-5x)-7y*(-5x)", 121, 330, 0},
                              {"=-10x^2+35xy", 121, 390, 5},
                              {"(3)", 40, 450, 3},
                              {" -b(5a-b)", 121, 450, 0},
                              {"=-b*5a-b*(-b)", 121, 500, 0},
                              {"=-5ab+b^2", 121, 550, 5},
                              {"(4)", 560, 30, 3},
                              {" 2a(a-b-c)", 641, 30, 0},
                              {"=2a*a+2a*(-b)+2a*(-c)", 641, 80, 0},
                              {"=2a^2-2ab-2ac", 641, 130, 5},
                              {"(5)", 560, 190, 3},
                              {" (3x+2y-1)*(-6x)", 641, 190, 0},
                              {"=3x*(-6x)+2y*(-6x)", 641, 240, 0},
                              {"-1*(-6x)", 938, 290, 0},
                              {"=-18x^2-12xy+6x", 641, 340, 5},
                              {"(6)", 560, 420, 3},
                              {" (3x+6y+9)*ﾀ2/3ﾀx", 641, 420, 0},
                              {"=", 641, 490, 0},
                              {"=2x^2+4xy+6x", 641, 580, 5},
                          },
                          from);
  ASSERT_EQ(at.size(), 26u);
  // One key after the heading and after each of answers (1) to (5).
  for (int k : {0, 4, 8, 12, 16, 21}) EXPECT_EQ(KeyWaits(s.lines, at[k], at[k + 1]), 1) << k;
  // The result of (6) ends the page: no key after it, the item line comes.
  EXPECT_EQ(KeyWaits(s.lines, at[25], to), 0);
  EXPECT_EQ(ItemLines(s.lines, at[25], to), 1);
  EXPECT_EQ(Field(s.lines[static_cast<size_t>(to)], "width"), 5) << "the pen width stays 5";

  // Answer (6): the products after "=", each number struck where it began
  // (its reduced value above) and each denominator struck where it was set
  // (a 1 below), one cancelling per key.
  std::vector<const Expr*> pieces;
  for (const Expr& e : exprs)
    if (e.line > at[24] && e.line < at[25] && e.colour == 0) pieces.push_back(&e);
  ASSERT_EQ(pieces.size(), 6u);
  const char* texts[] = {"3x*", "ﾀ2/3ﾀx+", "6y*", "ﾀ2/3ﾀx+", "9*", "ﾀ2/3ﾀx"};
  for (size_t k = 0; k < 6; ++k) {
    EXPECT_EQ(pieces[k]->text, texts[k]);
    EXPECT_EQ(pieces[k]->y, 490);
  }
  EXPECT_EQ(pieces[0]->x, 641 + 32);
  std::vector<std::string> strokes;
  std::vector<const Expr*> marks;
  for (int i = at[24]; i < at[25]; ++i)
    if (StartsWith(s.lines[static_cast<size_t>(i)], "line ") && Field(s.lines[static_cast<size_t>(i)], "colour") == 3)
      strokes.push_back(s.lines[static_cast<size_t>(i)]);
  for (const Expr& e : exprs)
    if (e.line > at[24] && e.line < at[25] && e.colour == 3) marks.push_back(&e);
  ASSERT_EQ(strokes.size(), 6u);
  ASSERT_EQ(marks.size(), 6u);
  const char* reduced[] = {"1", "2", "3"};
  for (size_t k = 0; k < 3; ++k) {
    // The number starts at its piece's pen; a one-digit fraction's
    // denominator where the fraction starts, 28 down.
    const double nx = pieces[2 * k]->x, ny = 490, dx = pieces[2 * k + 1]->x, dy = 490 + 28;
    auto line = [](double x1, double y1, double x2, double y2) {
      char buf[96];
      std::snprintf(buf, sizeof buf, "line x1=%g y1=%g x2=%g y2=%g colour=3 width=5", x1, y1, x2, y2);
      return std::string(buf);
    };
    EXPECT_EQ(strokes[2 * k], line(nx, ny + 40, nx + 27, ny));
    EXPECT_EQ(strokes[2 * k + 1], line(dx, dy + 28, dx + 27, dy));
    EXPECT_EQ(marks[2 * k]->text, reduced[k]);
    EXPECT_EQ(marks[2 * k]->x, nx);
    EXPECT_EQ(marks[2 * k]->y, ny - 30);
    EXPECT_EQ(marks[2 * k + 1]->text, "1");
    EXPECT_EQ(marks[2 * k + 1]->x, dx);
    EXPECT_EQ(marks[2 * k + 1]->y, dy + 28);
    const int next = k < 2 ? marks[2 * k + 2]->line : at[25];
    EXPECT_EQ(KeyWaits(s.lines, marks[2 * k + 1]->line, next), 1);
  }
  EXPECT_EQ(KeyWaits(s.lines, pieces[5]->line, marks[0]->line), 1);
}

TEST(DellmirChapter2Answers, Question2TwiceFromAWipedScreen) {
  Session s = RunChapter(Type("5") + AnyKeys(2) + Type("5") + AnyKeys(2));
  EXPECT_EQ(s.keysLeft, 0u);
  int from = FindLine(s.lines, kItemWipe);
  for (int visit = 0; visit < 2; ++visit) {
    ASSERT_GT(from, 0);
    int to = FindLine(s.lines, kBandWipe, from);
    EXPECT_EQ(KeyWaits(s.lines, from, to), 2);
    auto exprs = Exprs(s.lines, from, to);
    auto at = ExpectInOrder(exprs,
                            {
                                {"問2 解答", 121, 30, 3},
                                {"(1)", 40, 80, 3},
                                {" 2x(x-4)+3x(x+5)", 121, 80, 0},
                                {"=2x^2-8x+3x^2+15x", 121, 130, 0},
                                {"=2x^2+3x^2-8x+15x", 121, 180, 0},
                                {"=5x^2+7x", 121, 230, 5},
                                {"(2)", 40, 310, 3},
                                {" 4a(a-3)-2a(3a-6)", 121, 310, 0},
                                {"=4a^2-12a-6a^2+12a", 121, 360, 0},
                                {"=4a^2-6a^2-12a+12a", 121, 410, 0},
                                {"=-2a^2", 121, 460, 5},
                            },
                            from);
    ASSERT_EQ(at.size(), 11u);
    EXPECT_EQ(KeyWaits(s.lines, at[0], at[1]), 1);
    EXPECT_EQ(KeyWaits(s.lines, at[5], at[6]), 1);
    EXPECT_EQ(KeyWaits(s.lines, at[10], to), 0);
    EXPECT_EQ(Field(s.lines[static_cast<size_t>(to)], "width"), 5);
    from = FindLine(s.lines, kItemWipe, to);
  }
}

// The worked answers are right: each line of a page is the problem's value.
TEST(DellmirChapter2Answers, EveryWorkedLineEqualsItsProblem) {
  Session s = RunChapter(Type("3") + AnyKeys(10) + Type("5") + AnyKeys(2));
  auto exprs = Exprs(s.lines);
  std::optional<dellmir_reader::Poly> problem;
  int lines = 0;
  for (size_t i = 0; i < exprs.size(); ++i) {
    std::string t = exprs[i].text;
    // The reader knows a, b, x and y; c stands in the one answer without y.
    std::replace(t.begin(), t.end(), 'c', 'y');
    if (t.rfind(" ", 0) == 0) {
      // "ﾀ2/3ﾀ" as the reader writes a fraction.
      t = std::regex_replace(t.substr(1), std::regex("ﾀ([0-9]+)/([0-9]+)ﾀ"), "[$1/$2]");
      problem = dellmir_reader::Value(t);
      ASSERT_TRUE(problem) << t;
    } else if (t[0] == '=' && t.size() > 1 && exprs[i].colour != 3) {
      // The line of (5) goes on on the next row.
      if (i + 1 < exprs.size() && exprs[i + 1].text == "-1*(-6x)") t += exprs[i + 1].text;
      auto v = dellmir_reader::ValueAfterEquals(t);
      ASSERT_TRUE(v) << t;
      EXPECT_EQ(*v, *problem) << t;
      ++lines;
    }
  }
  EXPECT_EQ(lines, 11 + 6);
}

TEST(DellmirChapter2Answers, GoalScreen) {
  Session s = RunChapter("");
  auto exprs = Exprs(s.lines);
  const Expr* goal = FindExpr(exprs, "<めあて>");
  ASSERT_NE(goal, nullptr);
  ExpectInOrder(exprs,
                {
                    {"<めあて>", 44, 240, 5},
                    {"1 多項式×単項式、単項式×多項式の計算を考えよう。", 76, 305, 0},
                    {"2 かっこのある計算をしよう。", 76, 370, 0},
                },
                goal->line);
  EXPECT_EQ(KeyWaits(s.lines), 0);
  EXPECT_EQ(ItemLines(s.lines), 1);
}

}  // namespace
