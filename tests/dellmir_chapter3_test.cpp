// Dellmir's chapter 3, dividing a polynomial by a monomial: goal, sub-menu,
// review 1 (random divisions worked with the reciprocal) and review 2 (the
// reciprocal table), read back from replay traces.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
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
const std::string kTableWipe = "fill x1=640 y1=0 x2=1960 y2=1300 border=15 fill=15";
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
      size_t colon = rows.problem.rfind(':');
      ASSERT_NE(colon, std::string::npos);
      auto dividend = Value(rows.problem.substr(0, colon));
      auto divisor = Value(rows.problem.substr(colon + 1));
      auto problem = Value(rows.problem);
      auto reciprocal = ValueAfterEquals(rows.reciprocal);
      auto worked = ValueAfterEquals(rows.worked);
      auto answer = ValueAfterEquals(rows.answer);
      ASSERT_TRUE(dividend && divisor && problem && reciprocal && worked && answer);
      ASSERT_EQ(divisor->size(), 1u);
      ASSERT_EQ(divisor->begin()->first, Monomial{});
      const Rational dv = divisor->begin()->second;
      ASSERT_EQ(dv.d, 1);
      ++divisors[static_cast<int>(dv.n)];
      EXPECT_EQ(Times(*answer, *divisor), *dividend);
      EXPECT_EQ(*reciprocal, *problem);
      EXPECT_EQ(*worked, *problem);
      // Two terms in x and y; no coefficient 1 is written, nor a "+" after "=".
      EXPECT_EQ(answer->size(), 2u);
      static const std::regex kBareOne(R"((^|[=+\-])1[xy])");
      EXPECT_FALSE(std::regex_search(rows.answer, kBareOne));
      EXPECT_FALSE(StartsWith(rows.answer, "=+"));
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

TEST(DellmirChapter3, DenominatorStrokesAreOneDigitWhateverTheSecondListHeld) {
  testing_support::TestScreen ts(Keys("Space", 9) + " 1 Enter Space Space Space 1 Enter Space");
  bool finished = false;
  Probe probe(ts.screen(), [&](Probe& p) {
    ts.ClearTrace();
    // What another screen may leave there: a signed two-character number.
    p.gTermValue2(1) = -3;
    p.PrepareTextsAndKeyChoice();
    p.RunReciprocalReview();
    finished = true;
  });
  plat::RunProgram(ts.screen(), [&](plat::Screen&) { probe.ProgramMain(); });
  ASSERT_TRUE(finished);
  auto lines = ts.lines();
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

}  // namespace
