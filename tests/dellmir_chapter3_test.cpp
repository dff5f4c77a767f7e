// Dellmir's chapter 3, dividing a polynomial by a monomial: goal, sub-menu,
// review 1 (random divisions worked with the reciprocal), review 2 (the
// reciprocal table), example 3 (random divisions by monomials, with the
// common factors struck) and the answers to question 3, read back from
// replay traces.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <map>
#include <tuple>
#include <regex>

#include "dellmir/dellmir.h"
#include "platform/app.h"
#include "tests/dellmir_expression_reader.h"
#include "tests/dellmir_trace.h"
#include "tests/support.h"

namespace {

using namespace dellmir_trace;
using namespace dellmir_reader;
using testing_support::Replay;
using testing_support::RunReplay;

const std::string kBandWipe = "fill x1=0 y1=657 x2=992 y2=720 border=15 fill=15";
const std::string kItemWipe = "fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15";
const std::string kBlockWipe = "fill x1=-40 y1=80 x2=1280 y2=1580 border=15 fill=15";
const std::string kTableWipe = "fill x1=652 y1=0 x2=1972 y2=1300 border=15 fill=15";
const std::string kStepBox = "fill x1=96 y1=639 x2=400 y2=675 border=13 fill=12";
const std::string kItemLine = "text x=16 y=666";

std::string Keys(const std::string& key, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += " " + key;
  return s;
}

// The time of day whose seed (hours + minutes + seconds) is k, 0 to 141.
std::string TimeForSeed(int k) {
  int s = std::min(k, 59), m = std::min(k - s, 59), h = k - s - m;
  auto two = [](int v) { return std::string(v < 10 ? "0" : "") + std::to_string(v); };
  return two(h) + ":" + two(m) + ":" + two(s);
}

// Review 1 run for `problems` problems (a new one after each but the last);
// the keys then run out at the last step prompt.
Replay RunReview1(int problems, const std::string& time = "10:20:30") {
  std::string keys = "3 Enter 1 Enter";
  for (int i = 0; i < problems; ++i) keys += Keys("Space", 9) + (i + 1 < problems ? " 2 Enter" : "");
  return RunReplay("dellmir", keys, time);
}

// --- Goal and sub-menu ---

TEST(DellmirChapter3, GoalOnceThenTheItemLineUntilAChoiceInRange) {
  auto r = RunReplay("dellmir", "3 Enter 5 Enter 0 Enter - 1 Enter Enter 4 Enter 3 Enter 4 Enter 6 Enter");
  EXPECT_EQ(r.exitCode, 0);
  int page = FindLine(r.lines, "fill x1=0 y1=0 x2=1760 y2=1800", FindLine(r.lines, kMenuBoard));
  ASSERT_GT(page, 0);
  auto runs = TextRuns(r.lines, page);
  const TextRun* goal = FindRun(runs, "<めあて>");
  const TextRun* line = FindRun(runs, "多項式÷単項式の計算を考えよう。");
  ASSERT_NE(goal, nullptr);
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(goal->x, 44);
  EXPECT_EQ(goal->y, 240);
  EXPECT_EQ(goal->colour, 5);
  EXPECT_EQ(line->x, 76);
  EXPECT_EQ(line->y, 305);
  EXPECT_EQ(line->colour, 0);
  // 5, 0, -1 and Enter alone print the item line again; only the band is
  // wiped, with no key wait.
  int back = FindLine(r.lines, "fill x1=0 y1=54 x2=1440 y2=900", page);
  ASSERT_GT(back, page);
  int itemLines = 0;
  for (const TextRun& run : TextRuns(r.lines, page, back))
    if (run.x == 16 && run.y == 666 && StartsWith(run.text, "①復習")) ++itemLines;
  EXPECT_EQ(itemLines, 5);
  EXPECT_EQ(CountLines(r.lines, kBandWipe, page, back), 5);
  EXPECT_EQ(KeyWaits(r.lines, page, back), 0);
  for (int i = page + 1; i < back; ++i) {
    const std::string& l = r.lines[static_cast<size_t>(i)];
    if (StartsWith(l, "fill ")) {
      EXPECT_GE(Field(l, "y1"), 600) << l;
    }
  }
  // 4 shows the main menu; its 3 shows the goal again.
  EXPECT_EQ(CountLines(r.lines, kMenuBoard), 3);
  int goals = 0;
  for (const TextRun& run : TextRuns(r.lines))
    if (StartsWith(run.text, "<めあて>")) ++goals;
  EXPECT_EQ(goals, 2);
}

TEST(DellmirChapter3, AHalfRoundsUpToTheNextItem) {
  // 3.5 is taken as 4: back to the main menu.
  auto r = RunReplay("dellmir", "3 Enter 3 . 5 Enter 6 Enter");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(CountLines(r.lines, kMenuBoard), 2);
}

// --- Review 1 ---

struct ProblemSpan {
  int from, to;  // block wipe to step prompt
};
std::vector<ProblemSpan> Problems(const Replay& r) {
  std::vector<ProblemSpan> spans;
  for (int at = FindLine(r.lines, kBlockWipe); at >= 0; at = FindLine(r.lines, kBlockWipe, at + 1)) {
    int to = FindLine(r.lines, kStepBox, at);
    if (to > at) spans.push_back({at, to});
  }
  return spans;
}

// The diagonal strokes of one colour in a span.
std::vector<Segment> Strokes(const Lines& lines, int from, int to, int colour) {
  std::vector<Segment> out;
  for (int i = from; i < to; ++i) {
    const std::string& l = lines[static_cast<size_t>(i)];
    if (!StartsWith(l, "line ")) continue;
    Segment s = SegmentOf(l);
    if (s.colour == colour && s.x1 != s.x2 && s.y1 != s.y2) out.push_back(s);
  }
  return out;
}

// The text drawn at exactly (x, y) in the colour within a span ("" if none):
// the glyphs of one run starting there.
std::string TextAt(const Lines& lines, int from, int to, double x, double y, int colour) {
  for (const TextRun& run : TextRuns(lines, from, to))
    if (run.x == x && run.y == y && run.colour == colour) return run.text;
  return "";
}

// The rows of one problem as read from the trace.
struct Review1Rows {
  std::string problem, reciprocal, worked, answer;
};
Review1Rows ReadReview1(const Replay& r, const ProblemSpan& s) {
  return {ReadRow(r.lines, s.from, s.to, 140, 0), ReadRow(r.lines, s.from, s.to, 240, 0),
          ReadRow(r.lines, s.from, s.to, 340, 0), ReadRow(r.lines, s.from, s.to, 440, 5)};
}

// The rows of a worked division: the problem "P:D" and the three rows after
// it are equal as values, the answer times D is P, and the answer has two
// terms, no coefficient 1 written and no "+" after its "=". Returns D.
std::optional<Poly> CheckDivisionRows(const std::string& problemRow, const std::string& reciprocalRow,
                                      const std::string& workedRow, const std::string& answerRow) {
  size_t colon = problemRow.rfind(':');
  if (colon == std::string::npos) {
    ADD_FAILURE() << "no division in " << problemRow;
    return std::nullopt;
  }
  auto dividend = Value(problemRow.substr(0, colon));
  auto divisor = Value(problemRow.substr(colon + 1));
  auto problem = Value(problemRow);
  auto reciprocal = ValueAfterEquals(reciprocalRow);
  auto worked = ValueAfterEquals(workedRow);
  auto answer = ValueAfterEquals(answerRow);
  if (!(dividend && divisor && problem && reciprocal && worked && answer)) {
    ADD_FAILURE() << "a row does not read as an expression";
    return std::nullopt;
  }
  EXPECT_EQ(Times(*answer, *divisor), *dividend);
  EXPECT_EQ(*reciprocal, *problem);
  EXPECT_EQ(*worked, *problem);
  EXPECT_EQ(answer->size(), 2u);
  static const std::regex kBareOne(R"((^|[=+\-])1[abxy])");
  EXPECT_FALSE(std::regex_search(answerRow, kBareOne));
  EXPECT_FALSE(StartsWith(answerRow, "=+"));
  return divisor;
}

// The numerator digits of the worked fractions "[12x*(-1)/3]".
std::vector<std::string> NumeratorDigits(const std::string& worked) {
  std::vector<std::string> out;
  static const std::regex kFraction(R"(\[(\d+)[a-z])");
  for (auto it = std::sregex_iterator(worked.begin(), worked.end(), kFraction); it != std::sregex_iterator(); ++it)
    out.push_back((*it)[1]);
  return out;
}

TEST(DellmirChapter3, Review1LinesArcsAndStrokes) {
  auto r = RunReview1(6);
  auto spans = Problems(r);
  ASSERT_EQ(spans.size(), 6u);
  // The heading once, above every problem.
  int wipe = FindLine(r.lines, kItemWipe, FindLine(r.lines, kBandWipe));
  ASSERT_GE(wipe, 0);
  EXPECT_EQ(TextAt(r.lines, wipe, spans[0].from, 40, 30, 0), "復習1　次の計算をしなさい。");
  bool negative = false, positive = false;
  for (const ProblemSpan& s : spans) {
    SCOPED_TRACE("problem at trace line " + std::to_string(s.from));
    EXPECT_EQ(KeyWaits(r.lines, s.from, s.to), 9);
    EXPECT_EQ(TextAt(r.lines, s.from, s.to, 40, 140, 3), "①");
    EXPECT_NE(FindLine(r.lines, "text x=80 y=140 h=3 v=3 colour=0 face=gothic size=16 bold=1 italic=0 \"(\"", s.from),
              -1);
    Review1Rows rows = ReadReview1(r, s);
    ASSERT_TRUE(StartsWith(rows.reciprocal, "=(")) << rows.reciprocal;
    ASSERT_TRUE(StartsWith(rows.worked, "=")) << rows.worked;
    ASSERT_TRUE(StartsWith(rows.answer, "=")) << rows.answer;
    // The "=" of lines 2 to 4 stands 4 into the cell at x 40.
    for (int y : {240, 340}) EXPECT_NE(FindLine(r.lines, "text x=44 y=" + std::to_string(y), s.from), -1);
    const std::regex negativeForm(R"(^\(.*\):\(-(\d)\)$)"), positiveForm(R"(^\(.*\):(\d)$)");
    std::smatch m;
    if (std::regex_match(rows.problem, m, negativeForm)) {
      negative = true;
      const std::string d = m[1];
      EXPECT_TRUE(rows.reciprocal.ends_with(")*(-[1/" + d + "])")) << rows.reciprocal;
      EXPECT_EQ(NumeratorDigits(rows.worked).size(), 2u) << rows.worked;
      EXPECT_NE(rows.worked.find("*(-1)/" + d + "]"), std::string::npos) << rows.worked;
      EXPECT_TRUE(rows.worked.ends_with("*(-1)/" + d + "]")) << rows.worked;
    } else if (std::regex_match(rows.problem, m, positiveForm)) {
      positive = true;
      const std::string d = m[1];
      EXPECT_TRUE(rows.reciprocal.ends_with(")*[1/" + d + "]")) << rows.reciprocal;
      EXPECT_TRUE(rows.worked.ends_with("*1/" + d + "]")) << rows.worked;
      EXPECT_NE(rows.worked.find("*1/" + d + "]"), rows.worked.rfind("*1/" + d + "]")) << rows.worked;
    } else {
      ADD_FAILURE() << "problem reads " << rows.problem;
      continue;
    }
    // Two arcs of 181 dots at width 5, above line 2.
    auto arcs = DotRows(r.lines, s.from, s.to);
    ASSERT_EQ(arcs.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
      EXPECT_EQ(arcs[i].count, 181);
      EXPECT_EQ(arcs[i].colour, i == 0 ? 9 : 7);
      EXPECT_EQ(arcs[i].width, 5);
      for (int k = 0; k < arcs[i].count; ++k)
        EXPECT_LE(Field(r.lines[static_cast<size_t>(arcs[i].line + k)], "y"), 240.01);
    }
    // Both arcs start 27 into the reciprocal (past "(-" when bracketed) and
    // end 27 into the number of the x term and of the y term (past signs).
    double bar = NAN, italicX = NAN;
    std::vector<double> digitsX;
    for (int i = s.from; i < s.to; ++i) {
      const std::string& l = r.lines[static_cast<size_t>(i)];
      if (StartsWith(l, "line ") && Field(l, "y1") == 265 && Field(l, "width") == 4) bar = Field(l, "x1");
      if (StartsWith(l, "text ") && Field(l, "y") == 218 && Quoted(l) == "x") italicX = Field(l, "x");
      if (StartsWith(l, "text ") && Field(l, "y") == 240 && std::isdigit(static_cast<unsigned char>(Quoted(l)[0])))
        digitsX.push_back(Field(l, "x"));
    }
    ASSERT_FALSE(std::isnan(bar) || std::isnan(italicX) || digitsX.empty());
    const double yDigit = *std::find_if(digitsX.begin(), digitsX.end(), [&](double x) { return x > italicX; });
    auto hasDot = [&](const DotRow& arc, double x, double y) {
      for (int k = 0; k < arc.count; ++k) {
        const std::string& dot = r.lines[static_cast<size_t>(arc.line + k)];
        if (std::hypot(Field(dot, "x") - x, Field(dot, "y") - y) < 0.05) return true;
      }
      return false;
    };
    EXPECT_TRUE(hasDot(arcs[0], bar + 27, 220));
    EXPECT_TRUE(hasDot(arcs[0], digitsX[0] + 27, 240));
    EXPECT_TRUE(hasDot(arcs[1], bar + 27, 220));
    EXPECT_TRUE(hasDot(arcs[1], yDigit + 27, 240));
    // Cancelling: the numerator's number, then the denominator, per fraction.
    auto strokes = Strokes(r.lines, s.from, s.to, 3);
    auto digits = NumeratorDigits(rows.worked);
    ASSERT_EQ(strokes.size(), 4u);
    ASSERT_EQ(digits.size(), 2u);
    const int d = std::stoi(m[1]);
    for (int f = 0; f < 2; ++f) {
      const Segment& num = strokes[2 * f];
      const Segment& den = strokes[2 * f + 1];
      EXPECT_EQ(num.width, 5);
      EXPECT_EQ(num.y1, 358);
      EXPECT_EQ(num.y2, 330);
      EXPECT_EQ(num.x2 - num.x1, 32.0 * static_cast<double>(digits[f].size()));
      EXPECT_EQ(den.width, 5);
      EXPECT_EQ(den.y1, 396);
      EXPECT_EQ(den.y2, 368);
      EXPECT_EQ(den.x2 - den.x1, 32);
      // The numerator's first digit and the denominator stand where the
      // strokes begin; the factor above, "1" below.
      EXPECT_NE(FindLine(r.lines, "text x=" + std::to_string(static_cast<int>(num.x1)) + " y=330", s.from), -1);
      EXPECT_NE(FindLine(r.lines, "text x=" + std::to_string(static_cast<int>(den.x1)) + " y=368", s.from), -1);
      std::string factor = TextAt(r.lines, s.from, s.to, num.x1, 300, 3);
      ASSERT_FALSE(factor.empty());
      EXPECT_EQ(std::stoi(factor) * d, std::stoi(digits[f]));
      EXPECT_EQ(TextAt(r.lines, s.from, s.to, den.x1, 396, 3), "1");
    }
  }
  EXPECT_TRUE(negative && positive) << "both kinds of divisor in six problems";
}

TEST(DellmirChapter3, Review1IsRightOverEverySeed) {
  std::map<int, int> divisors;
  int problems = 0;
  for (int seed = 0; seed < 142; ++seed) {
    SCOPED_TRACE("time " + TimeForSeed(seed));
    auto r = RunReview1(4, TimeForSeed(seed));
    auto spans = Problems(r);
    ASSERT_EQ(spans.size(), 4u);
    for (const ProblemSpan& s : spans) {
      ++problems;
      Review1Rows rows = ReadReview1(r, s);
      SCOPED_TRACE(rows.problem + " | " + rows.reciprocal + " | " + rows.worked + " | " + rows.answer);
      auto divisor = CheckDivisionRows(rows.problem, rows.reciprocal, rows.worked, rows.answer);
      auto answer = ValueAfterEquals(rows.answer);
      ASSERT_TRUE(divisor && answer);
      ASSERT_EQ(divisor->size(), 1u);
      ASSERT_EQ(divisor->begin()->first, Monomial{});
      const Rational dv = divisor->begin()->second;
      ASSERT_EQ(dv.d, 1);
      ++divisors[static_cast<int>(dv.n)];
      for (const auto& [m, c] : *answer) {
        const bool isX = m == Monomial{0, 0, 1, 0};
        const std::string letter = isX ? "x" : "y";
        if (c == Rational(1) || c == Rational(-1)) {
          const std::string bare = std::string(c.n < 0 ? "-" : (isX ? "=" : "+")) + letter;
          EXPECT_NE(rows.answer.find(bare), std::string::npos) << bare;
        }
      }
      // The denominator strokes are one digit long.
      for (const Segment& st : Strokes(r.lines, s.from, s.to, 3))
        if (st.y2 == 368) {
          EXPECT_EQ(st.x2 - st.x1, 32);
        }
    }
  }
  EXPECT_GE(problems, 500);
  for (int d : {-5, -3, -2, 2, 3, 5}) EXPECT_GT(divisors[d], 0) << d;
  EXPECT_EQ(divisors.size(), 6u);
}

// Dellmir with its main menu replaced by a test body, after the start-up.
class Probe : public lesson::Dellmir {
 public:
  Probe(plat::Screen& screen, std::function<void(Probe&)> body) : Dellmir(screen), body_(std::move(body)) {}
  void ShowMainMenu() override { body_(*this); }

 private:
  std::function<void(Probe&)> body_;
};

// Runs a body in Dellmir after its start-up; returns the trace of the body.
Lines RunProbe(const std::string& keys, const std::function<void(Probe&)>& body) {
  testing_support::TestScreen ts(keys);
  bool finished = false;
  Probe probe(ts.screen(), [&](Probe& p) {
    ts.ClearTrace();
    body(p);
    finished = true;
  });
  plat::RunProgram(ts.screen(), [&](plat::Screen&) { probe.ProgramMain(); });
  EXPECT_TRUE(finished);
  return ts.lines();
}

TEST(DellmirChapter3, DenominatorStrokesAreOneDigitWhateverTheSecondListHeld) {
  auto lines = RunProbe(Keys("Space", 9) + " 1 Enter Space Space Space 1 Enter Space", [](Probe& p) {
    // What another screen may leave there: a signed two-character number.
    p.gTermValue2(1) = -3;
    p.PrepareTextsAndKeyChoice();
    p.RunReciprocalReview();
  });
  int denominators = 0;
  for (const Segment& s : Strokes(lines, 0, static_cast<int>(lines.size()), 3)) {
    if (s.y2 != 368) continue;
    ++denominators;
    EXPECT_EQ(s.x2 - s.x1, 32);
  }
  EXPECT_EQ(denominators, 2);
}

// --- Review 2 ---

// The table row as the reader writes it: fractions in brackets.
std::string Bracketed(const std::string& markup) {
  std::string out;
  bool open = false;
  const std::string mark = "ﾀ";
  for (size_t i = 0; i < markup.size();) {
    if (markup.compare(i, mark.size(), mark) == 0) {
      out += open ? "]" : "[";
      open = !open;
      i += mark.size();
    } else {
      out += markup[i++];
    }
  }
  return out;
}

struct TableRow {
  const char *monomial, *oneFraction, *reciprocal;
};
const TableRow kRows[] = {
    {"2x", "=ﾀ2x/1ﾀ", "ﾀ1/2xﾀ"},          {"-3a", "=-ﾀ3a/1ﾀ", "-ﾀ1/3aﾀ"},
    {"ﾀ3/2ﾀx", "=ﾀ3x/2ﾀ", "ﾀ2/3xﾀ"},     {"ﾀ1/2ﾀx", "=ﾀx/2ﾀ", "ﾀ2/xﾀ"},
    {"-ﾀ1/3ﾀy", "=-ﾀy/3ﾀ", "-ﾀ3/yﾀ"},    {"-ﾀ3/5ﾀy", "=-ﾀ3y/5ﾀ", "-ﾀ5/3yﾀ"},
    {"ﾀ2/3ﾀa^2", "=ﾀ2a^2/3ﾀ", "ﾀ3/2a^2ﾀ"}, {"-ﾀ2/3ﾀb^2", "=-ﾀ2b^2/3ﾀ", "-ﾀ3/2b^2ﾀ"},
    {"ﾀ2/3ﾀab", "=ﾀ2ab/3ﾀ", "ﾀ3/2abﾀ"},
};

TEST(DellmirChapter3, Review2WalksTheTableAndClosesWithTheRule) {
  // Review 1 once, then ten passes (the tenth shows row 1 again) and the
  // closing rule; ① again shows row 1 first.
  std::string keys = "3 Enter 1 Enter" + Keys("Space", 9) + " 1 Enter Space";
  for (int pass = 0; pass < 9; ++pass) keys += " Space Space 2 Enter";
  keys += " Space Space 1 Enter Space";
  keys += " 1 Enter" + Keys("Space", 9) + " 1 Enter Space Space Space 1 Enter Space 4 Enter 6 Enter";
  auto r = RunReplay("dellmir", keys);
  EXPECT_EQ(r.exitCode, 0);

  std::vector<int> passes;
  for (int at = FindLine(r.lines, kTableWipe); at >= 0; at = FindLine(r.lines, kTableWipe, at + 1))
    passes.push_back(at);
  ASSERT_EQ(passes.size(), 11u);
  // Review 1's note, one key wait, then the first pass.
  int note = FindLine(r.lines, kBlockWipe);
  auto noteRuns = TextRuns(r.lines, note, passes[0]);
  const TextRun* reminder = FindRun(noteRuns, "※　わる数の逆数をかける");
  ASSERT_NE(reminder, nullptr);
  EXPECT_EQ(reminder->x, 40);
  EXPECT_EQ(reminder->y, 560);
  EXPECT_EQ(reminder->colour, 3);
  EXPECT_EQ(KeyWaits(r.lines, reminder->line, passes[0]), 1);

  int firstVisitEnd = FindLine(r.lines, kItemLine, passes[0]);
  for (size_t p = 0; p < passes.size(); ++p) {
    int from = passes[p];
    int to = FindLine(r.lines, kStepBox, from);
    ASSERT_GT(to, from);
    const TableRow& row = kRows[p < 10 ? p % 9 : 0];
    SCOPED_TRACE("pass " + std::to_string(p + 1) + ": " + row.monomial);
    // Review 1's widest line ends at x 650: the pass wipes from 652, and left
    // of it only the heading's own strip above review 1's problems.
    EXPECT_EQ(FindLine(r.lines, "fill x1=640 y1=0 x2=652 y2=80 border=15 fill=15", from), from + 1);
    EXPECT_EQ(TextAt(r.lines, from, to, 640, 30, 3), "復習2　逆数をいいなさい。");
    EXPECT_EQ(ReadRow(r.lines, from, to, 170, 0, 640), Bracketed(row.monomial) + Bracketed(row.oneFraction));
    EXPECT_EQ(ReadRow(r.lines, from, to, 290, 5, 640), Bracketed(row.reciprocal));
    EXPECT_EQ(TextAt(r.lines, from, to, 684, 290, 0), "逆数は、");
    EXPECT_EQ(KeyWaits(r.lines, from, to), 2);
  }
  // Nothing left of x 640 above the prompt band is drawn in review 2.
  for (int i = passes[0]; i < firstVisitEnd; ++i) {
    const std::string& l = r.lines[static_cast<size_t>(i)];
    const bool atPoint = StartsWith(l, "text ") || StartsWith(l, "circle ");
    double x = atPoint ? Field(l, "x") : Field(l, "x1");
    double y = atPoint ? Field(l, "y") : Field(l, "y1");
    if (!std::isnan(x) && y < 639) {
      EXPECT_GE(x, 640) << l;
    }
  }
  // The monomial begins at (728, 170).
  EXPECT_NE(FindLine(r.lines, "text x=728 y=170", passes[0]), -1);

  // The closing rule after one more key wait, then at once the item line.
  int lastPrompt = FindLine(r.lines, kStepBox, passes[9]);
  auto closing = TextRuns(r.lines, lastPrompt, firstVisitEnd + 1);
  const TextRun* rule1 = FindRun(closing, "※　分数を係数とする文字は、");
  ASSERT_NE(rule1, nullptr);
  EXPECT_EQ(rule1->x, 684);
  EXPECT_EQ(rule1->y, 410);
  EXPECT_EQ(rule1->colour, 3);
  const TextRun* rule2 = nullptr;
  for (const TextRun& run : closing)
    if (run.text.find("分子につける。") != std::string::npos) rule2 = &run;
  ASSERT_NE(rule2, nullptr);
  EXPECT_EQ(rule2->y, 470);
  EXPECT_EQ(rule2->colour, 3);
  EXPECT_EQ(KeyWaits(r.lines, lastPrompt, rule1->line), 1);
  EXPECT_EQ(KeyWaits(r.lines, rule1->line, firstVisitEnd), 0);
  // The pen width stays 5 after the review: the band is wiped with it.
  int band = FindLine(r.lines, kBandWipe, firstVisitEnd);
  ASSERT_GT(band, 0);
  EXPECT_EQ(Field(r.lines[static_cast<size_t>(band)], "width"), 5);
}

// --- Example 3 ---

const std::string kKind2Wipe = "fill x1=40 y1=30 x2=1360 y2=1530 border=15 fill=15";

// Keys for example 3: `first` problems of the first kind and `second` of the
// second, then the summary's key wait.
std::string Example3Keys(int first, int second) {
  std::string keys = "3 Enter 2 Enter";
  for (int i = 0; i < first; ++i) keys += Keys("Space", 8) + (i + 1 < first ? " 2 Enter" : " 1 Enter");
  keys += " Space Space";
  for (int i = 0; i < second; ++i) keys += Keys("Space", 8) + (i + 1 < second ? " 2 Enter" : " 1 Enter");
  return keys + " Space";
}

std::vector<ProblemSpan> Spans(const Replay& r, const std::string& wipe, int from = 0) {
  std::vector<ProblemSpan> spans;
  for (int at = FindLine(r.lines, wipe, from); at >= 0; at = FindLine(r.lines, wipe, at + 1)) {
    int to = FindLine(r.lines, kStepBox, at);
    if (to > at) spans.push_back({at, to});
  }
  return spans;
}

// One worked problem of example 3 as drawn: its rows and its strokes.
struct Worked {
  std::string problem, reciprocal, worked, answer;
  Rational divisor;          // the divisor's coefficient
  std::string divisorLetters;
};

Worked ReadWorked(const Replay& r, const ProblemSpan& s, double top) {
  Worked w{ReadRow(r.lines, s.from, s.to, top, 0), ReadRow(r.lines, s.from, s.to, top + 70, 0),
           ReadRow(r.lines, s.from, s.to, top + 160, 0), ReadRow(r.lines, s.from, s.to, top + 260, 5), {}, ""};
  size_t colon = w.problem.rfind(':');
  if (colon == std::string::npos) return w;
  auto divisor = Value(w.problem.substr(colon + 1));
  if (!divisor || divisor->size() != 1) return w;
  w.divisor = divisor->begin()->second;
  const Monomial& m = divisor->begin()->first;
  static const char kLetters[] = "abxy";
  for (size_t i = 0; i < 4; ++i)
    for (int k = 0; k < m[i]; ++k) w.divisorLetters += kLetters[i];
  return w;
}

// The drawing of one kind of problem: where its rows stand and how its
// strokes are ordered.
struct Kind {
  const char* label;
  double top;            // y of the problem row
  bool factorLast2;      // the second fraction's factor is written last
  bool denominatorFirst; // the letter strokes strike the denominator first
};

// Checks one problem of example 3: the values, the divisor, the struck
// numbers and the order of the strokes.
void CheckWorked(const Replay& r, const ProblemSpan& s, const Kind& kind) {
  Worked w = ReadWorked(r, s, kind.top);
  SCOPED_TRACE(w.problem + " | " + w.reciprocal + " | " + w.worked + " | " + w.answer);
  EXPECT_EQ(KeyWaits(r.lines, s.from, s.to), 8);
  EXPECT_EQ(TextAt(r.lines, s.from, s.to, 40, kind.top, 3), kind.label);
  ASSERT_TRUE(CheckDivisionRows(w.problem, w.reciprocal, w.worked, w.answer));
  // The divisor's numerator (d, or p of p/q) in the worked denominators.
  const int p = static_cast<int>(std::abs(w.divisor.n));
  EXPECT_NE(w.worked.find("/" + std::to_string(p) + w.divisorLetters + "]"), std::string::npos);

  // Number strokes: each numerator's number struck and what is left of it
  // written above, the denominator's struck and "1" below.
  const double ny = kind.top + 150, dy = kind.top + 188;
  auto digits = NumeratorDigits(w.worked);
  ASSERT_EQ(digits.size(), 2u);
  struct Mark {
    int line;
    std::string what;  // "num", "den", "factor", "one", "letter-num", "letter-den"
    Segment seg;
    std::string text;
  };
  std::vector<Mark> marks;
  for (int i = s.from; i < s.to; ++i) {
    const std::string& l = r.lines[static_cast<size_t>(i)];
    if (StartsWith(l, "line ")) {
      Segment g = SegmentOf(l);
      if (g.x1 == g.x2 || g.y1 == g.y2 || (g.colour != 3 && g.colour != 7)) continue;
      EXPECT_EQ(g.width, 5) << l;
      if (g.colour == 3) {
        marks.push_back({i, g.y2 == ny ? "num" : "den", g, ""});
      } else {
        marks.push_back({i, g.y1 >= dy ? "letter-den" : "letter-num", g, ""});
      }
    } else if (StartsWith(l, "text ") && Field(l, "colour") == 3 && Field(l, "y") != kind.top) {
      const bool above = Field(l, "y") == ny - 30;
      if (!above) {
        EXPECT_EQ(Field(l, "y"), dy + 28) << l;
      }
      if (!marks.empty() && marks.back().what == (above ? "factor" : "one") && marks.back().line == i - 1) {
        marks.back().text += Quoted(l);  // a factor of two digits
      } else {
        marks.push_back({i, above ? "factor" : "one", {Field(l, "x"), Field(l, "y"), 0, 0, 3, 0}, Quoted(l)});
      }
    }
  }
  const size_t letters = w.divisorLetters.size();
  std::vector<std::string> order;
  for (const Mark& m : marks) order.push_back(m.what);
  std::vector<std::string> expected;
  for (int f = 0; f < 2; ++f) {
    if (f == 1 && kind.factorLast2) {
      expected.insert(expected.end(), {"num", "den", "one", "factor"});
    } else {
      expected.insert(expected.end(), {"num", "factor", "den", "one"});
    }
    // The numerator holds each divisor letter once.
    std::vector<std::string> num(letters, "letter-num"), den(letters, "letter-den");
    if (kind.denominatorFirst) std::swap(num, den);
    expected.insert(expected.end(), num.begin(), num.end());
    expected.insert(expected.end(), den.begin(), den.end());
  }
  ASSERT_EQ(order, expected);
  int f = -1;
  double nx = 0, dx = 0;
  std::string struckLetters[2];  // "1" the first letter, "2" the second
  for (const Mark& m : marks) {
    if (m.what == "num") {
      ++f;
      nx = m.seg.x1;
      EXPECT_EQ(m.seg.y1, ny + 28);
      EXPECT_EQ(m.seg.x2 - m.seg.x1, 32.0 * static_cast<double>(digits[static_cast<size_t>(f)].size()));
      EXPECT_NE(FindLine(r.lines, "text x=" + std::to_string(static_cast<int>(nx)) + " y=" +
                                      std::to_string(static_cast<int>(ny)),
                         s.from),
                -1);
    } else if (m.what == "den") {
      dx = m.seg.x1;
      EXPECT_EQ(m.seg.y1, dy + 28);
      EXPECT_EQ(m.seg.y2, dy);
      EXPECT_EQ(m.seg.x2 - m.seg.x1, 32);
    } else if (m.what == "factor") {
      EXPECT_EQ(m.seg.x1, nx);
      EXPECT_EQ(std::stoi(m.text) * p, std::stoi(digits[static_cast<size_t>(f)]));
    } else if (m.what == "one") {
      EXPECT_EQ(m.seg.x1, dx);
      EXPECT_EQ(m.text, "1");
    } else if (m.what == "letter-num") {
      // Through the exponent of a squared letter (20 high), or through a
      // plain letter, at the fixed steps of the worked lines: 32 a cell, 35
      // before the second fraction's raised 2.
      const double t = static_cast<double>(digits[static_cast<size_t>(f)].size());
      const bool exponent = m.seg.y1 == ny + 20;
      if (!exponent) {
        EXPECT_EQ(m.seg.y1, ny + 28);
      }
      const double x = f == 0 ? (exponent ? nx + 32 * (t + 1) : nx + 32 * (t + 1) + 27)
                              : (exponent ? nx + 35 * (t + 1) + 27 : nx + 32 * t);
      EXPECT_EQ(m.seg.x1, x);
      EXPECT_EQ(m.seg.x2 - m.seg.x1, 27);
      EXPECT_EQ(m.seg.y2, ny);
      // The first fraction squares the first letter (x or a), the second
      // fraction the second (y or b).
      struckLetters[static_cast<size_t>(f)] += (f == 0) == exponent ? "1" : "2";
    } else if (m.what == "letter-den") {
      // The denominator's letters follow its digit, one cell each.
      EXPECT_EQ(m.seg.y1, dy + 28);
      EXPECT_EQ(std::fmod(m.seg.x1 - dx, 32), 0);
      EXPECT_GE(m.seg.x1 - dx, 32);
      EXPECT_LE(m.seg.x1 - dx, 32.0 * static_cast<double>(letters));
    }
  }
  // Each fraction strikes each letter of the divisor once in its numerator.
  std::string divisorLetters;
  for (char c : w.divisorLetters) divisorLetters += (c == 'x' || c == 'a') ? "1" : "2";
  for (std::string& struck : struckLetters) {
    std::sort(struck.begin(), struck.end());
    EXPECT_EQ(struck, divisorLetters);
  }
}

const Kind kFirstKind = {"①", 140, true, true};
const Kind kSecondKind = {"②", 60, false, false};

TEST(DellmirChapter3, Example3IsRightOverEverySeed) {
  std::map<std::string, int> divisors;
  for (int seed = 0; seed < 142; ++seed) {
    SCOPED_TRACE("time " + TimeForSeed(seed));
    auto r = RunReplay("dellmir", Example3Keys(3, 3) + " 4 Enter 6 Enter", TimeForSeed(seed));
    EXPECT_EQ(r.exitCode, 0);
    int second = FindLine(r.lines, kItemWipe, FindLine(r.lines, kBlockWipe));
    ASSERT_GT(second, 0);
    auto first = Spans(r, kBlockWipe);
    auto kind2 = Spans(r, kKind2Wipe, second);
    ASSERT_EQ(first.size(), 3u);
    ASSERT_EQ(kind2.size(), 3u);
    for (const ProblemSpan& s : first) {
      CheckWorked(r, s, kFirstKind);
      Worked w = ReadWorked(r, s, 140);
      EXPECT_EQ(w.divisor.d, 1);
      EXPECT_TRUE(w.divisorLetters == "x" || w.divisorLetters == "y") << w.problem;
      ++divisors[std::to_string(w.divisor.n) + w.divisorLetters];
    }
    for (const ProblemSpan& s : kind2) {
      CheckWorked(r, s, kSecondKind);
      Worked w = ReadWorked(r, s, 60);
      const int64_t p = std::abs(w.divisor.n), q = w.divisor.d;
      EXPECT_TRUE(p == 2 || p == 3 || p == 5) << w.problem;
      EXPECT_TRUE(q == 2 || q == 3 || q == 5 || q == 7) << w.problem;
      EXPECT_NE(p, q);
      EXPECT_TRUE(w.divisorLetters == "a" || w.divisorLetters == "b" || w.divisorLetters == "ab") << w.problem;
      ++divisors[std::to_string(w.divisor.n) + "/" + std::to_string(q) + w.divisorLetters];
    }
    // The reminder under problem ①'s answer, then two key waits.
    auto runs = TextRuns(r.lines, first.back().to, second);
    const TextRun* reminder = FindRun(runs, "※　わる数の逆数をかける");
    ASSERT_NE(reminder, nullptr);
    EXPECT_EQ(reminder->x, 40);
    EXPECT_EQ(reminder->y, 520);
    EXPECT_EQ(reminder->colour, 3);
    EXPECT_EQ(KeyWaits(r.lines, reminder->line, second), 2);
  }
  // Every divisor of the first kind, and a q of 7, came up.
  for (const char* d : {"-5x", "-3x", "-2x", "2x", "3x", "5x", "-5y", "-3y", "-2y", "2y", "3y", "5y"})
    EXPECT_GT(divisors[d], 0) << d;
  int sevens = 0;
  for (const auto& [d, n] : divisors)
    if (d.find("/7") != std::string::npos) sevens += n;
  EXPECT_GT(sevens, 0);
}

TEST(DellmirChapter3, Example3HeadingAndSummary) {
  auto r = RunReplay("dellmir", Example3Keys(1, 1) + " 4 Enter 6 Enter");
  int item = FindLine(r.lines, kItemWipe, FindLine(r.lines, kBandWipe));
  ASSERT_GT(item, 0);
  EXPECT_EQ(TextAt(r.lines, item, -1, 40, 30, 3), "例3　次の計算をしなさい。");
  auto kind2 = Spans(r, kKind2Wipe);
  ASSERT_EQ(kind2.size(), 1u);
  // Problem ② wipes the page once (the heading goes), then its own area.
  EXPECT_EQ(FindLine(r.lines, kItemWipe, item + 1) < kind2[0].from, true);
  int menu = FindLine(r.lines, kItemLine, kind2[0].to);
  ASSERT_GT(menu, 0);
  auto runs = TextRuns(r.lines, kind2[0].to, menu);
  auto texts = std::vector<std::tuple<std::string, double, int>>{
      {"<多項式と単項式の除法>", 390, 3}, {"逆数にして、分配法則を使う", 440, 5}};
  for (const auto& [text, y, colour] : texts) {
    const TextRun* run = FindRun(runs, text);
    ASSERT_NE(run, nullptr) << text;
    EXPECT_EQ(run->x, 40) << text;
    EXPECT_EQ(run->y, y) << text;
    EXPECT_EQ(run->colour, colour) << text;
  }
  EXPECT_EQ(ReadRow(r.lines, kind2[0].to, menu, 510, 0), "①(a+b):c=(a+b)*[1/c]");
  EXPECT_EQ(ReadRow(r.lines, kind2[0].to, menu, 580, 0), "②(a+b):[d/c]=(a+b)*[c/d]");
  // One key wait, then the pointer 40 after the end of the last rule, and
  // the item line at once.
  const TextRun* pointer = FindRun(runs, "教科書 問3　をしなさい。");
  ASSERT_NE(pointer, nullptr);
  EXPECT_EQ(pointer->y, 580);
  EXPECT_EQ(pointer->colour, 7);
  double ruleEnd = 0;
  for (int i = kind2[0].to; i < pointer->line; ++i) {
    const std::string& l = r.lines[static_cast<size_t>(i)];
    if (StartsWith(l, "line ") && Field(l, "y1") == 605 && Field(l, "width") == 4) ruleEnd = Field(l, "x2");
  }
  // The rule ends with the bar of c/d; the pointer's first glyph is at the
  // pen (its cell starts at the pen).
  EXPECT_EQ(pointer->x, ruleEnd + 40);
  EXPECT_EQ(KeyWaits(r.lines, kind2[0].to, pointer->line), 1);
  EXPECT_EQ(KeyWaits(r.lines, pointer->line, menu), 0);
  // Pen width 5 is left: the band is wiped with it after the next choice.
  int band = FindLine(r.lines, kBandWipe, menu);
  ASSERT_GT(band, 0);
  EXPECT_EQ(Field(r.lines[static_cast<size_t>(band)], "width"), 5);
}

// A seed whose first problem of the second kind is the worked example:
// p = 3 (the second prime), q = 5 (the second of 2, 5, 7), a negative
// divisor, factors 2 and -3, the letter a.
int32_t SeedForWorkedExample() {
  for (int32_t seed = 0; seed < 10000000; ++seed) {
    plat::Random rnd;
    rnd.Randomize(seed);
    auto draw = [&](int k) { return static_cast<int>(plat::Int(rnd.Rnd() * static_cast<float>(k) + 1)); };
    auto coin = [&] { return static_cast<int>(plat::Int(rnd.Rnd() * 2)); };
    if (draw(3) != 2 || draw(3) != 2 || coin() != 0) continue;
    if (draw(5) != 2 || coin() != 1 || draw(5) != 3 || coin() != 0) continue;
    if (draw(3) == 1) return seed;
  }
  return -1;
}

TEST(DellmirChapter3, Example3WorkedExampleOfTheSecondKind) {
  const int32_t seed = SeedForWorkedExample();
  ASSERT_GE(seed, 0);
  float textColour = 0, divisorNumerator = 0, width = 0;
  Lines lines = RunProbe(Keys("Space", 8) + " 1 Enter Space", [&](Probe& p) {
    p.scr.Randomize(seed);
    p.Example3Kind2Loop();
    textColour = p.gTextColour;
    divisorNumerator = p.gTermValue2(1);
    width = static_cast<float>(p.scr.GetDrawWidth(0));
  });
  const int n = static_cast<int>(lines.size());
  EXPECT_EQ(ReadRow(lines, 0, n, 60, 0), "(6a^2b-9ab^2):(-[3/5]a)");
  EXPECT_EQ(ReadRow(lines, 0, n, 130, 0), "=(6a^2b-9ab^2)*(-[5/3a])");
  EXPECT_EQ(ReadRow(lines, 0, n, 220, 0), "=[6a^2b*(-5)/3a]-[9ab^2*(-5)/3a]");
  EXPECT_EQ(ReadRow(lines, 0, n, 320, 5), "=-10ab+15b^2");
  // The fractions' parts, the strokes and the texts over and under them.
  for (const char* expected : {
           "text x=72 y=210", "text x=183 y=248", "text x=385 y=210", "text x=496 y=248",
           "line x1=72 y1=238 x2=104 y2=210 colour=3 width=5", "text x=72 y=180 h=3 v=3 colour=3",
           "line x1=183 y1=276 x2=215 y2=248 colour=3 width=5", "text x=183 y=276 h=3 v=3 colour=3",
           "line x1=136 y1=230 x2=163 y2=210 colour=7 width=5", "line x1=215 y1=276 x2=247 y2=248 colour=7 width=5",
           "line x1=417 y1=238 x2=444 y2=210 colour=7 width=5"}) {
    EXPECT_NE(FindLine(lines, expected), -1) << expected;
  }
  EXPECT_EQ(TextAt(lines, 0, n, 72, 180, 3), "2");
  EXPECT_EQ(TextAt(lines, 0, n, 183, 276, 3), "1");
  // The answer row starts at x 40 in colour 5.
  EXPECT_NE(FindLine(lines, "text x=44 y=320 h=3 v=3 colour=5"), -1);
  // What the item leaves: width 5, text colour 7, the divisor's s·p.
  EXPECT_EQ(textColour, 7);
  EXPECT_EQ(divisorNumerator, -3);
  EXPECT_EQ(width, 5);
}

TEST(DellmirChapter3, ReviewStrokesStayOneDigitAfterExample3) {
  // Find a start whose problem ② has a negative divisor: it leaves -3, -2 or
  // -5 in the second list, which the review then must not use.
  for (int seed = 0; seed < 142; ++seed) {
    auto r = RunReplay("dellmir",
                       Example3Keys(1, 1) + " 1 Enter" + Keys("Space", 9) + " 1 Enter Space Space Space 1 Enter Space",
                       TimeForSeed(seed));
    auto kind2 = Spans(r, kKind2Wipe);
    ASSERT_EQ(kind2.size(), 1u);
    if (ReadWorked(r, kind2[0], 60).divisor.n > 0) continue;
    auto review = Problems(r);
    ASSERT_EQ(review.size(), 2u);  // problem ① of example 3, then review 1
    int denominators = 0;
    for (const Segment& st : Strokes(r.lines, review[1].from, review[1].to, 3)) {
      if (st.y2 != 368) continue;
      ++denominators;
      EXPECT_EQ(st.x2 - st.x1, 32);
    }
    EXPECT_EQ(denominators, 2);
    return;
  }
  FAIL() << "no start gave a negative divisor";
}

// --- Answers to question 3 ---

TEST(DellmirChapter3, Question3AnswerPage) {
  auto r = RunReplay("dellmir", "3 Enter 2 . 5 Enter Space Space Space Space 3 Enter Space Space Space Space 4 Enter 6 Enter");
  EXPECT_EQ(r.exitCode, 0);
  int from = FindLine(r.lines, kItemWipe, FindLine(r.lines, kBandWipe));
  int to = FindLine(r.lines, kItemLine, from);
  ASSERT_GT(to, from);
  EXPECT_EQ(KeyWaits(r.lines, from, to), 4);
  EXPECT_EQ(TextAt(r.lines, from, to, 84, 30, 7), "問3の解答");
  // Each key brings a whole problem: label, rows, strokes and result.
  struct Problem {
    const char* label;
    double labelX, top, left, right;  // (2) runs past x 560 below the right column
    double rows[4];
  };
  const Problem problems[] = {{"(1)", 30, 80, 0, 560, {80, 150, 220, 280}},
                              {"(2)", 30, 340, 0, 2000, {340, 410, 480, 540}},
                              {"(3)", 560, 30, 540, 2000, {30, 100, 180, 240}},
                              {"(4)", 640, 310, 540, 2000, {310, 380, 450, 510}}};
  for (const Problem& p : problems) {
    SCOPED_TRACE(p.label);
    EXPECT_EQ(TextAt(r.lines, from, to, p.labelX, p.top, 3), p.label);
    std::string rows[4];
    for (int i = 0; i < 4; ++i) rows[i] = ReadRow(r.lines, from, to, p.rows[i], i < 3 ? 0 : 5, p.left, p.right);
    auto problem = Value(rows[0]);
    ASSERT_TRUE(problem) << rows[0];
    for (int i = 1; i < 4; ++i) {
      auto v = ValueAfterEquals(rows[i]);
      ASSERT_TRUE(v) << rows[i];
      EXPECT_EQ(*v, *problem) << rows[i];
    }
  }
  EXPECT_EQ(ReadRow(r.lines, from, to, 510, 5, 640), "=xy+y^2-1");
  EXPECT_NE(FindLine(r.lines, "text x=698 y=510 h=3 v=3 colour=5", from), -1);
  // Row 6, the overlay: exactly these strokes, colour 3, width 5.
  int row6 = -1;
  for (int i = from; i < to && row6 < 0; ++i)
    if (StartsWith(r.lines[static_cast<size_t>(i)], "line ") && Field(r.lines[static_cast<size_t>(i)], "colour") == 3)
      row6 = i;
  ASSERT_GT(row6, 0);
  int row7 = FindLine(r.lines, "text x=88 y=280", row6);
  ASSERT_GT(row7, row6);
  std::vector<std::string> strokes;
  for (const Segment& s : Strokes(r.lines, row6, row7, 3)) {
    EXPECT_EQ(s.width, 5);
    strokes.push_back(std::to_string(static_cast<int>(s.x1)) + "," + std::to_string(static_cast<int>(s.y1)) + "," +
                      std::to_string(static_cast<int>(s.x2)) + "," + std::to_string(static_cast<int>(s.y2)));
  }
  std::sort(strokes.begin(), strokes.end());
  std::vector<std::string> expected = {"116,238,148,210", "180,226,204,208", "128,276,160,248", "160,276,192,248",
                                       "231,238,263,210", "263,238,295,210", "231,276,263,248", "263,276,295,248"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(strokes, expected);
  // One stroke a mark, all in colour 3: 8 in (1), 8 in (2), 12 in (3), 6 in (4).
  EXPECT_EQ(Strokes(r.lines, from, to, 3).size(), 34u);
  EXPECT_EQ(Strokes(r.lines, from, to, 7).size(), 0u);
  // In (2) the blank over the raised 2 is a full cell: the b's stroke
  // starts 96 into the numerator "8a^2b×(-1)".
  int eight = FindLine(r.lines, "text x=", FindLine(r.lines, "text x=30 y=340", from));
  for (; eight < to; ++eight) {
    const std::string& l = r.lines[static_cast<size_t>(eight)];
    if (StartsWith(l, "text ") && Field(l, "y") == 470 && Quoted(l) == "8") break;
  }
  ASSERT_LT(eight, to);
  const int nx = static_cast<int>(Field(r.lines[static_cast<size_t>(eight)], "x"));
  for (int dx : {0, 96}) {
    const std::string stroke = "line x1=" + std::to_string(nx + dx) + " y1=498 x2=" + std::to_string(nx + dx + 32) +
                               " y2=470 colour=3 width=5";
    EXPECT_NE(FindLine(r.lines, stroke, eight), -1) << stroke;
  }
  // The item line at once after the last row.
  EXPECT_EQ(KeyWaits(r.lines, FindLine(r.lines, "text x=698 y=510", from), to), 0);
  // A second visit draws the same page.
  int again = FindLine(r.lines, kItemWipe, to);
  int againTo = FindLine(r.lines, kItemLine, again);
  ASSERT_GT(againTo, again);
  EXPECT_EQ(std::vector<std::string>(r.lines.begin() + from + 1, r.lines.begin() + to),
            std::vector<std::string>(r.lines.begin() + again + 1, r.lines.begin() + againTo));
}

TEST(DellmirChapter3, Question3LeavesTheStateItStates) {
  std::vector<float> state;
  RunProbe("Space Space Space Space", [&](Probe& p) {
    p.ShowDivisionQ3Answers();
    state = {p.gDellmirHeadingX, p.gLineStartX, p.gLineY, p.gFigureColour, p.gInFraction, p.gTextColour,
             static_cast<float>(p.scr.GetDrawWidth(0))};
  });
  EXPECT_EQ(state, (std::vector<float>{640, 694, 510, 3, 0, 5, 5}));
}

}  // namespace
