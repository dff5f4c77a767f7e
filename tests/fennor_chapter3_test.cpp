// Fennor's chapters 3 (the formula (x+a)(x-a)) and 4 (practice of the four
// formulas): goal screens and sub-menus, the task with its vanishing box,
// the area figures of the square less a square, the random examples and
// practice read back as polynomials over many seeds, and the fixed pages.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "tests/fennor_testing.h"

namespace {

using namespace fennor_testing;

const std::string kPageWipe = "fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15";

// ------------------------------------------------------ chapter 3 frame

TEST(FennorChapter3, GoalThenSubMenuUntilItsEndItem) {
  // 0, 5 and -1 show the item line again; 4 leads back to the main menu.
  ExpectGoalAndSubMenu("3", {"0", "5", "-1"}, "4",
                       {
                           {"<めあて>", 44, 240, 5},
                           {"(x+3)(x-3)のような式を", 76, 305, 0},
                           {"簡単に展開するための公式をつくろう。", 76, 370, 0},
                       });
}

// ------------------------------------------------------ chapter 3 task

TEST(FennorChapter3, TaskBoxOneVanishesBoxTwoShowsMinusASquaredOverManySeeds) {
  const int problems = 5;
  const std::string keys = TaskKeys("3", problems, 16, "4");
  static const std::regex problem(R"( \(x\+(\d+)\)\(x-(\d+)\))");
  std::set<int> seen;
  for (const std::string& time : SeedTimes(2)) {
    SCOPED_TRACE(time);
    Session run = RunFennor(keys, time);
    ASSERT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(run.KeyWaits(), problems + 16);
    std::vector<Box> boxes = TaskBoxes(run);
    ASSERT_EQ(boxes.size(), 4u * problems);
    size_t at = 0;
    for (int i = 0; i < problems; ++i) {
      int h = run.Find("問　①,②を求めなさい。", at);
      ASSERT_GE(h, 0);
      const Drawn* d = &run.drawn[h];
      std::smatch m;
      ASSERT_TRUE(std::regex_match(d[1].text, m, problem)) << d[1].text;
      int a = std::stoi(m[1]);
      EXPECT_EQ(std::stoi(m[2]), a);
      EXPECT_TRUE(a >= 1 && a <= 11);
      seen.insert(a);
      EXPECT_EQ(d[1].x, 88);
      EXPECT_EQ(d[1].y, 98);
      EXPECT_EQ(d[2].text, "=x^2");
      EXPECT_EQ(d[2].y, 178);
      // "①" and "②" with nothing between them; after one key only -a^2.
      EXPECT_EQ(d[3].text, "①");
      EXPECT_EQ(d[4].text, "②");
      EXPECT_EQ(d[5].text, Signed(-a * a));
      EXPECT_EQ(d[5].keys, d[4].keys + 1);
      EXPECT_EQ(d[5].colour, 13);
      // Nothing else until the next problem (or the explanation).
      EXPECT_EQ(d[6].text, i + 1 < problems ? "問　①,②を求めなさい。" : "①は消え、②は積。なぜ？");
      const Box* b = &boxes[4 * i];
      EXPECT_EQ(b[0].border, 5);
      EXPECT_EQ(b[0].fill, 4);
      EXPECT_EQ(b[1].border, 7);
      EXPECT_EQ(b[1].fill, 6);
      EXPECT_EQ(b[1].x1, b[0].x2 + 20);
      EXPECT_GT(b[0].x1, 88 + 20 + 32);
      // Box ① drawn again in the background colour, box ② with its value.
      EXPECT_EQ(b[2].x1, b[0].x1);
      EXPECT_EQ(b[2].border, 15);
      EXPECT_EQ(b[2].fill, 15);
      EXPECT_EQ(b[3].x1, b[1].x1);
      EXPECT_EQ(b[3].border, 7);
      EXPECT_EQ(b[3].fill, 6);
      at = h + 1;
    }
  }
  EXPECT_EQ(seen.size(), 11u);
}

TEST(FennorChapter3, TaskExplanationWithTheFiguresAndSixteenKeys) {
  Session run = RunFennor(TaskKeys("3", 1, 16, "4"));
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.KeyWaits(), 1 + 16);
  int why = run.Find("①は消え、②は積。なぜ？");
  ASSERT_GE(why, 0);
  const int k0 = run.drawn[why].keys;
  struct Line {
    Expected e;
    int keys;
  };
  const Line lines[] = {
      {{"①は消え、②は積。なぜ？", 44, 258, 3}, 0},
      {{"(x+2)(x-2)", 88, 338, 5}, 1},
      {{"=x^2-4", 44, 418, 5}, 7},
      {{"(x+a)(x-a)", 88, 338, 5}, 8},
      {{"=", 44, 458, 0}, 14},
      {{"x^2-a^2", -1, 458, 5}, 14},
      {{"=x^2+(a-a)x+a*(-a)", 44, 398, 0}, 15},
      {{"公式4　(x+a)(x-a)=x^2-a^2", 44, 518, 3}, 16},
  };
  std::vector<Drawn> left;
  for (const Drawn& d : Slice(run, why))
    if (d.x < 704) left.push_back(d);
  ASSERT_EQ(left.size(), std::size(lines));
  for (size_t i = 0; i < left.size(); ++i) {
    const Expected& e = lines[i].e;
    EXPECT_EQ(left[i].text, e.text);
    if (e.x >= 0) {
      EXPECT_EQ(left[i].x, e.x) << e.text;
    } else {
      EXPECT_GT(left[i].x, 44 + 16) << e.text;
    }
    EXPECT_EQ(left[i].y, e.y) << e.text;
    EXPECT_EQ(left[i].colour, e.colour) << e.text;
    EXPECT_EQ(left[i].keys - k0, lines[i].keys) << e.text;
  }
  EXPECT_EQ(run.LastBeforeMenu().text, "公式4　(x+a)(x-a)=x^2-a^2");
  // The two figure sequences: at (704, 100) the whole square from x 792,
  // at (748, 100) from x 836; the first survives the left wipe and is gone
  // after the figure wipe.
  EXPECT_EQ(run.Count("fill x1=44 y1=338 x2=704 y2=1638 border=15 fill=15"), 1);
  EXPECT_EQ(run.Count("fill x1=704 y1=20 x2=2024 y2=920 border=15 fill=15"), 1);
  std::vector<std::string> order;
  for (const auto& l : run.trace) {
    if (l.rfind("fill x1=792 y1=100 x2=1056 y2=364 border=0 fill=3", 0) == 0) order.push_back("first");
    if (l.rfind("fill x1=44 y1=338 x2=704 y2=1638", 0) == 0) order.push_back("left wipe");
    if (l.rfind("fill x1=704 y1=20 x2=2024 y2=920", 0) == 0) order.push_back("figure wipe");
    if (l.rfind("fill x1=836 y1=100 x2=1100 y2=364 border=0 fill=3", 0) == 0) order.push_back("second");
  }
  EXPECT_EQ(order, (std::vector<std::string>{"first", "first", "left wipe", "figure wipe", "second", "second"}));
  // The labels right of x 704: the sides only, then the areas x^2 (13) and
  // 4 or a^2 (0) in the last figure of each sequence.
  std::vector<std::string> labels;
  for (const Drawn& d : Slice(run, why))
    if (d.x >= 704) labels.push_back(std::to_string(d.colour) + " " + d.text);
  const std::vector<std::string> sequence2 = {"0 x", "0 x", "0 2", "0 2", "13 2", "0 2", "0 2", "13 x^2", "0 4", "0 2"};
  const std::vector<std::string> sequenceA = {"0 x", "0 x", "0 a", "0 a", "13 a", "0 a", "0 a", "13 x^2", "0 a^2", "0 a"};
  std::vector<std::string> both = sequence2;
  both.insert(both.end(), sequenceA.begin(), sequenceA.end());
  EXPECT_EQ(labels, both);
}

// ------------------------------------------------------ area figures

struct FigureRun {
  Session session;
  float lineEndX = 0, lineY = 0;
  plat::Text labelText;
};

using Stage = void (lesson::Fennor::*)();

FigureRun DrawStage(Stage stage, float ox, const std::vector<std::string>& labels) {
  FigureRun r;
  r.session = RunFennor("Space", "10:20:30", [&](RecordingFennor& f) {
    for (size_t k = 0; k < labels.size(); ++k) f.gTermText2(static_cast<float>(k + 1)) = plat::FromUtf8(labels[k]);
    f.gFennorFigureOriginX = ox;
    f.gFennorFigureOriginY = 100;
    (f.*stage)();
    r.lineEndX = f.gLineEndX;
    r.lineY = f.gLineY;
    r.labelText = f.gLabelText;
  });
  return r;
}

std::string Rel(float ox, float x1, float y1, float x2, float y2, int fill) {
  std::ostringstream s;
  s << ox + x1 << " " << 100 + y1 << " " << ox + x2 << " " << 100 + y2 << " " << fill;
  return s.str();
}

TEST(FennorChapter3, SumTimesDifferenceFiguresAtBothOrigins) {
  const std::vector<std::string> labels = {"a+b", "2", "3", "(a+b)^2", "P", "Q", "4", "never"};
  for (float ox : {704.0f, 748.0f}) {
    SCOPED_TRACE(ox);
    FigureRun first = DrawStage(&lesson::Fennor::DrawSumTimesDifferenceFigure, ox, labels);
    EXPECT_EQ(FigureBoxes(first.session), (std::vector<std::string>{Rel(ox, 88, 0, 264, 264, 3),
                                                                     Rel(ox, 264, 0, 352, 264, 15),
                                                                     Rel(ox, 88, 264, 264, 352, 6)}));
    EXPECT_EQ(Dots(first.session).size(), 91u + 181u + 181u + 91u);
    std::vector<std::string> texts;
    for (const Drawn& d : first.session.drawn) texts.push_back(std::to_string(d.colour) + " " + d.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"13 (a+b)^2", "0 a+b", "0 a+b", "13 Q", "0 3", "13 P", "0 2"}));
    EXPECT_EQ(first.lineEndX, ox + 264);
    EXPECT_EQ(first.lineY, 100 + 264);
    EXPECT_TRUE(first.labelText.empty());
    EXPECT_EQ(first.session.KeyWaits(), 0);

    FigureRun moved = DrawStage(&lesson::Fennor::DrawMovedStripFigure, ox, labels);
    EXPECT_EQ(FigureBoxes(moved.session), (std::vector<std::string>{Rel(ox, 88, 264, 264, 352, 15),
                                                                     Rel(ox, 264, 0, 352, 176, 6),
                                                                     Rel(ox, 264, 176, 352, 264, 15)}));
    EXPECT_EQ(Dots(moved.session).size(), 181u + 91u);
    texts.clear();
    for (const Drawn& d : moved.session.drawn)
      texts.push_back(std::to_string(d.colour) + " " + d.text + " " + std::to_string(d.keys));
    // One key, after the emptied strip and before the moved one.
    EXPECT_EQ(texts, (std::vector<std::string>{"5 P 0", "13 Q 1", "13 3 1", "13 4 1", "0 2 1"}));
    EXPECT_EQ(moved.session.KeyWaits(), 1);
    EXPECT_EQ(moved.lineEndX, ox + 352);
    EXPECT_EQ(moved.lineY, 100 + 176);

    FigureRun last = DrawStage(&lesson::Fennor::DrawSquareLessSquareFigure, ox, labels);
    EXPECT_EQ(FigureBoxes(last.session),
              (std::vector<std::string>{Rel(ox, 88, 0, 352, 264, 3), Rel(ox, 264, 176, 352, 264, 15)}));
    EXPECT_EQ(Dots(last.session).size(), 91u);
    texts.clear();
    for (const Drawn& d : last.session.drawn) texts.push_back(std::to_string(d.colour) + " " + d.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"13 (a+b)^2", "0 4", "0 2"}));
    EXPECT_EQ(last.lineEndX, ox + 352);
    EXPECT_EQ(last.lineY, 100 + 176);
    EXPECT_EQ(last.session.KeyWaits(), 0);
  }
}

// ------------------------------------------------------ formula problems

// A problem of one of the four forms, read from its text.
struct Problem {
  int formulaCase = 0;
  std::string letter;
  int a = 0, b = 0;  // the two signed numbers (b = a for the squares)
  std::string product;
};

Problem ReadProblem(const std::string& text) {
  static const std::regex square(R"( \(([xyab])([+-]\d)\)\^2)");
  static const std::regex product(R"( \(([xyab])([+-]\d)\)\(([xyab])([+-]\d)\))");
  std::smatch m;
  Problem p;
  if (std::regex_match(text, m, square)) {
    p.letter = m[1];
    p.a = p.b = std::stoi(m[2]);
    p.formulaCase = p.a > 0 ? 2 : 3;
  } else if (std::regex_match(text, m, product)) {
    p.letter = m[1];
    p.a = std::stoi(m[2]);
    p.b = std::stoi(m[4]);
    EXPECT_EQ(m[3], p.letter) << text;
    p.formulaCase = p.a > 0 && p.b == -p.a ? 4 : 1;
  } else {
    ADD_FAILURE() << "not a problem: " << text;
  }
  p.product = text.substr(1);
  return p;
}

// Checks one exercise from its heading on; returns its problem.
Problem CheckExercise(const Session& run, int heading) {
  const Drawn* d = &run.drawn[heading];
  EXPECT_EQ(d[0].x, 44);
  EXPECT_EQ(d[0].y, 18);
  EXPECT_EQ(d[0].colour, 0);
  Problem p = ReadProblem(d[1].text);
  if (!p.formulaCase) return p;
  EXPECT_TRUE(std::abs(p.a) >= 1 && std::abs(p.a) <= 8 && std::abs(p.b) >= 1 && std::abs(p.b) <= 8) << d[1].text;
  EXPECT_EQ(d[2].text, "公式" + std::to_string(p.formulaCase) + "を使う") << d[1].text;
  // Both lines are the product, the second in its simplest form: no
  // coefficient 1 before the letter, no term 0.
  const char L = p.letter[0];
  EXPECT_TRUE(SamePolynomial(d[3].text, p.product)) << d[1].text << " " << d[3].text;
  EXPECT_TRUE(SamePolynomial(d[4].text, p.product)) << d[1].text << " " << d[4].text;
  EXPECT_FALSE(std::regex_search(d[4].text, std::regex(std::string("[+-]1") + L + "|[+-]0"))) << d[4].text;
  const Expected places[] = {{"", 88, 98, 0}, {"", 176, 178, 3}, {"", 88, 258, 0}, {"", 88, 338, 5}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(d[i + 1].x, places[i].x) << d[i + 1].text;
    EXPECT_EQ(d[i + 1].y, places[i].y) << d[i + 1].text;
    EXPECT_EQ(d[i + 1].colour, places[i].colour) << d[i + 1].text;
  }
  // Three key waits: after the problem, after the hint, between the lines.
  EXPECT_EQ(d[2].keys, d[1].keys + 1);
  EXPECT_EQ(d[3].keys, d[2].keys + 1);
  EXPECT_EQ(d[4].keys, d[3].keys + 1);
  return p;
}

std::string ExerciseKeys(int exercises) {
  std::string keys;
  for (int i = 1; i <= exercises; ++i) keys += Spaces(3) + Type(i < exercises ? "0" : "1");
  return keys;
}

// ------------------------------------------------------ chapter 3 example 4

TEST(FennorChapter3, ExampleAnswersAreTheTrueExpansionOverManySeeds) {
  const int examples = 6;
  std::string keys = Type("3") + Type("2") + ExerciseKeys(examples) + "Space " + Type("4") + Type("10");
  std::set<std::string> letters;
  std::set<int> numbers;
  for (const std::string& time : SeedTimes(1)) {
    SCOPED_TRACE(time);
    Session run = RunFennor(keys, time);
    ASSERT_EQ(run.keysLeft, 0u);
    int shown = 0;
    for (int h = run.Find("例4　次の式を展開しなさい。"); h >= 0; h = run.Find("例4　次の式を展開しなさい。", h + 1)) {
      Problem p = CheckExercise(run, h);
      EXPECT_EQ(p.formulaCase, 4) << run.drawn[h + 1].text;
      letters.insert(p.letter);
      numbers.insert(p.a);
      ++shown;
    }
    EXPECT_EQ(shown, examples);
    EXPECT_EQ(run.KeyWaits(), 3 * examples + 1);
  }
  EXPECT_EQ(letters, (std::set<std::string>{"x", "y", "a", "b"}));
  EXPECT_EQ(numbers.size(), 8u);
}

TEST(FennorChapter3, ExampleCardAndClosingLineAfterOneMoreKey) {
  Session run = RunFennor(Type("3") + Type("2") + ExerciseKeys(2) + "Space " + Type("4") + Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  ExpectInOrder(run, {
                         {"公式4", 748, 30, 3},
                         {" (x+a)(x-a)", 748, 110, 5},
                         {"=x^2-a^2", 748, 180, 5},
                         {"2乗-2乗", 778, 230, 3},
                     });
  EXPECT_EQ(run.Count(kPageWipe), 1);
  EXPECT_EQ(run.Count("fill x1=0 y1=0 x2=704 y2=1300 border=15 fill=15"), 2);
  const Drawn& last = run.LastBeforeMenu();
  EXPECT_EQ(last.text, "教科書P19 問4　をしなさい。");
  EXPECT_EQ(last.x, 44);
  EXPECT_EQ(last.y, 570);
  EXPECT_EQ(last.colour, 0);
  // "1", Enter and one more key after the last answer line.
  EXPECT_EQ(last.keys, run.drawn[run.Find("教科書P19 問4　をしなさい。") - 1].keys + 3);
}

// ------------------------------------------------------ chapter 3 question 4

TEST(FennorChapter3, Question4AnswerPage) {
  Session run = RunFennor(Type("3") + Type("3") + Spaces(13) + Type("4") + Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  int first = run.Find("問4解答 ");
  ASSERT_GE(first, 0);
  struct Row {
    Expected e;
    int keys;
  };
  const Row page[] = {
      {{"問4解答 ", 84, 20, 3}, 0},
      {{"(1)", 30, 70, 3}, 0},
      {{"(x+3)(x-3)", -1, 70, 0}, 0},
      {{"=x^2-3^2", 84, 120, 0}, 1},
      {{"=x^2-9", 84, 170, 5}, 2},
      {{"(2)", 30, 230, 3}, 3},
      {{"(x-5)(x+5)", -1, 230, 0}, 3},
      {{"=x^2-5^2", 84, 280, 0}, 4},
      {{"=x^2-25", 84, 330, 5}, 5},
      {{"(3)", 30, 390, 3}, 6},
      {{"(x+ﾀ1/3ﾀ)(x-ﾀ1/3ﾀ)", -1, 390, 0}, 6},
      {{"=x^2-(ﾀ1/3ﾀ)\\2", 84, 460, 0}, 7},
      {{"=x^2-ﾀ1/9ﾀ", 84, 530, 5}, 8},
      {{"(4)", 600, 20, 3}, 9},
      {{"(2+x)(2-x)", -1, 20, 0}, 9},
      {{"=2^2-x^2", 654, 70, 0}, 10},
      {{"=4-x^2", 654, 120, 5}, 11},
      {{"(5)", 600, 180, 3}, 12},
      {{"(a+b)(a-b)", -1, 180, 0}, 12},
      {{"=a^2-b^2", 654, 230, 5}, 13},
  };
  std::vector<Drawn> shown = Slice(run, first);
  ASSERT_EQ(shown.size(), std::size(page));
  for (size_t i = 0; i < shown.size(); ++i) {
    const Expected& e = page[i].e;
    EXPECT_EQ(shown[i].text, e.text);
    if (e.x >= 0) {
      EXPECT_EQ(shown[i].x, e.x) << e.text;
    } else {
      EXPECT_GT(shown[i].x, shown[i - 1].x) << e.text;
    }
    EXPECT_EQ(shown[i].y, e.y) << e.text;
    EXPECT_EQ(shown[i].colour, e.colour) << e.text;
    EXPECT_EQ(shown[i].keys - shown[0].keys, page[i].keys) << e.text;
  }
  EXPECT_EQ(run.KeyWaits(), 13);
  EXPECT_EQ(run.Count(kPageWipe), 1);
}

TEST(FennorChapter3, TallBracketsOnlyForTheSquaredFraction) {
  std::vector<std::pair<std::string, float>> flags;
  RunFennor(Spaces(13), "10:20:30", [&](RecordingFennor& f) {
    f.onDraw = [&](RecordingFennor& g) { flags.emplace_back(plat::ToUtf8(g.gPrintText), g.gTallBrackets); };
    f.ShowFormula4Q4Answers();
    flags.emplace_back("after", f.gTallBrackets);
  });
  ASSERT_EQ(flags.size(), 21u);
  for (const auto& [text, tall] : flags) EXPECT_EQ(tall, text == "=x^2-(ﾀ1/3ﾀ)\\2" ? 1 : 0) << text;
}

// ------------------------------------------------------ chapter 4

TEST(FennorChapter4, GoalThenSubMenuUntilItsEndItem) {
  // 0, 4 and -1 show the item line again; 3 leads back to the main menu.
  ExpectGoalAndSubMenu("4", {"0", "4", "-1"}, "3",
                       {
                           {"<めあて>", 44, 240, 5},
                           {"公式を使う練習をしよう。", 76, 305, 0},
                       });
}

// Where each of the practice's problems begins: its heading, in order.
std::vector<int> PracticeHeadings(const Session& run) {
  std::vector<int> headings;
  for (int h = run.Find("問　次の式を展開しなさい。"); h >= 0; h = run.Find("問　次の式を展開しなさい。", h + 1))
    headings.push_back(h);
  return headings;
}

TEST(FennorChapter4, PracticeAnswersAreTheTrueExpansionOverManySeeds) {
  const int problems = 8;
  std::string keys = Type("4") + Type("1") + ExerciseKeys(problems) + "Space " + Type("1") + ExerciseKeys(2) +
                     "Space " + Type("3") + Type("10");
  std::set<int> cases;
  std::set<std::string> letters;
  bool bareSigns[2] = {false, false};
  for (const std::string& time : SeedTimes(1)) {
    SCOPED_TRACE(time);
    Session run = RunFennor(keys, time);
    ASSERT_EQ(run.keysLeft, 0u);
    std::vector<Problem> shown;
    for (int h : PracticeHeadings(run)) {
      shown.push_back(CheckExercise(run, h));
      const Problem& p = shown.back();
      if (p.formulaCase == 1) {
        EXPECT_NE(p.a, p.b);
        EXPECT_NE(p.a + p.b, 0);
        const std::string& result = run.drawn[h + 4].text;
        if (p.a + p.b == 1) bareSigns[0] = result.find("^2+" + p.letter) != std::string::npos;
        if (p.a + p.b == -1) bareSigns[1] = result.find("^2-" + p.letter) != std::string::npos;
      }
      cases.insert(p.formulaCase);
      letters.insert(p.letter);
    }
    ASSERT_EQ(shown.size(), static_cast<size_t>(problems + 2));
    // Case 1 never twice in a row, also across the two visits.
    for (size_t i = 1; i < shown.size(); ++i)
      EXPECT_FALSE(shown[i].formulaCase == 1 && shown[i - 1].formulaCase == 1) << "problem " << i;
    EXPECT_EQ(run.KeyWaits(), 3 * (problems + 2) + 2);
    // The page is wiped whole for each problem.
    EXPECT_EQ(run.Count(kPageWipe), problems + 2);
    const Drawn& last = run.LastBeforeMenu();
    EXPECT_EQ(last.text, "教科書P19 問5　をしなさい。");
    EXPECT_EQ(last.x, 44);
    EXPECT_EQ(last.y, 570);
  }
  EXPECT_EQ(cases, (std::set<int>{1, 2, 3, 4}));
  EXPECT_EQ(letters, (std::set<std::string>{"x", "y", "a", "b"}));
  EXPECT_TRUE(bareSigns[0] && bareSigns[1]);
}

// The practice promises a formula other than the one before: a case-1 draw
// with equal or cancelling numbers, drawn again, must not bring back the
// formula of the problem before either. Each formula is told from the
// problem's own shape.
TEST(FennorChapter4, PracticeNeverGivesTheSameFormulaTwiceInARow) {
  const int problems = 30;
  const std::string keys = Type("4") + Type("1") + ExerciseKeys(problems) + "Space " + Type("3") + Type("10");
  int seen[5] = {};
  for (const std::string& time : SeedTimes(1)) {
    SCOPED_TRACE(time);
    Session run = RunFennor(keys, time);
    ASSERT_EQ(run.keysLeft, 0u);
    std::vector<Problem> shown;
    for (int h : PracticeHeadings(run)) {
      shown.push_back(ReadProblem(run.drawn[h + 1].text));
      EXPECT_EQ(run.drawn[h + 2].text, "公式" + std::to_string(shown.back().formulaCase) + "を使う");
      ++seen[shown.back().formulaCase];
    }
    ASSERT_EQ(shown.size(), static_cast<size_t>(problems));
    for (size_t i = 1; i < shown.size(); ++i)
      EXPECT_NE(shown[i].formulaCase, shown[i - 1].formulaCase)
          << "problems " << i << " and " << i + 1 << ": " << shown[i - 1].product << ", " << shown[i].product;
  }
  for (int formula = 1; formula <= 4; ++formula) EXPECT_GT(seen[formula], 142 * problems / 10) << formula;
}

// The practice's draws replayed on the platform's random numbers: the
// numbers, the signs and the case (drawn again while it repeats the one
// before, which a rejected draw leaves as it was).
struct Draw {
  int a, b, formulaCase;
  bool rejected;
};
Draw NextDraw(plat::Random& r, int& previousCase) {
  Draw d{};
  d.a = static_cast<int>(plat::Int(r.Rnd() * 8 + 1));
  d.b = static_cast<int>(plat::Int(r.Rnd() * 8 + 1));
  if (plat::Int(r.Rnd() * 2 + 1) == 1) d.a = -d.a;
  if (plat::Int(r.Rnd() * 2 + 1) == 2) d.b = -d.b;
  do d.formulaCase = static_cast<int>(plat::Int(r.Rnd() * 4 + 1));
  while (d.formulaCase == previousCase);
  d.rejected = d.formulaCase == 1 && (d.a == d.b || d.a + d.b == 0);
  if (!d.rejected) previousCase = d.formulaCase;
  return d;
}

TEST(FennorChapter4, ARejectedFirstDrawShowsTheRestartsProblem) {
  int found = 0;
  for (int seed = 0; seed <= 141; ++seed) {
    plat::Random r;
    r.Randomize(seed);
    int previous = 0;
    Draw first = NextDraw(r, previous);
    if (!first.rejected) continue;
    Draw shownDraw = NextDraw(r, previous);
    while (shownDraw.rejected) shownDraw = NextDraw(r, previous);
    ++found;
    std::vector<std::string> times = SeedTimes(1);
    SCOPED_TRACE(times[seed]);
    Session run = RunFennor(Type("4") + Type("1") + ExerciseKeys(1) + "Space " + Type("3") + Type("10"), times[seed]);
    int h = run.Find("問　次の式を展開しなさい。");
    ASSERT_GE(h, 0);
    Problem p = CheckExercise(run, h);
    // The rejected draw is not remembered: case 1 may come again, with
    // numbers that neither match nor cancel.
    if (p.formulaCase == 1) EXPECT_TRUE(p.a != p.b && p.a + p.b != 0) << p.product;
    EXPECT_EQ(p.formulaCase, shownDraw.formulaCase);
    EXPECT_EQ(std::abs(p.a), std::abs(shownDraw.a));
    EXPECT_EQ(run.Count(kPageWipe), 1);
  }
  EXPECT_GT(found, 0);
}

TEST(FennorChapter4, FirstCaseAvoidsTheFirstNumberOfChapterOnesLastExample) {
  // Chapter 1's example keeps its first number in the memory that the
  // practice reads for its case, and neither resets it.
  int checked = 0;
  for (const std::string& time : SeedTimes(1)) {
    SCOPED_TRACE(time);
    Session run = RunFennor(Type("1") + Type("2") + ExerciseKeys(1) + Type("5") + Type("4") + Type("1") +
                                ExerciseKeys(1) + "Space " + Type("3") + Type("10"),
                            time);
    ASSERT_EQ(run.keysLeft, 0u);
    static const std::regex example(R"( \([xyab]([+-]\d)\)\([xyab][+-]\d\))");
    std::smatch m;
    const std::string& text = run.drawn[run.Find("例1　次の式を展開しなさい。") + 1].text;
    ASSERT_TRUE(std::regex_match(text, m, example)) << text;
    int a = std::stoi(m[1]);
    Problem p = CheckExercise(run, run.Find("問　次の式を展開しなさい。"));
    if (a >= 1 && a <= 4) {
      EXPECT_NE(p.formulaCase, a);
      ++checked;
    }
  }
  EXPECT_GT(checked, 10);
}

TEST(FennorChapter4, Question5AnswerPageAtOnce) {
  Session run = RunFennor(Type("4") + Type("2") + Type("2") + Type("3") + Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  const std::vector<Expected> page = {
      {"問5の解答", 44, 30, 5},        {"(1) x^2-8x+16", 44, 105, 0}, {"(2) x^2-2x-24", 44, 180, 0},
      {"(3) x^2-49", 44, 255, 0},      {"(4) a^2+2ab+b^2", 44, 330, 0}, {"(5) x^2+8x+12", 660, 105, 0},
      {"(6) 64+16a+a^2", 660, 180, 0}, {"(7) a^2+3a-10", 660, 255, 0},  {"(8) 81-x^2", 660, 330, 0},
  };
  int first = run.Find("問5の解答");
  ASSERT_GE(first, 0);
  ExpectInOrder(run, page, first);
  int second = run.Find("問5の解答", first + 1);
  ASSERT_GE(second, 0);
  ExpectInOrder(run, page, second);
  EXPECT_EQ(run.KeyWaits(), 0);
  EXPECT_EQ(run.Count(kPageWipe), 2);
}

}  // namespace
