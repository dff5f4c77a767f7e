// Fennor's main menu and chapter 1 (the formula (x+a)(x+b)): texts, places,
// colours and key waits, and the worked answers of the random problems.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <regex>
#include <set>

#include "tests/fennor_testing.h"

namespace {

using namespace fennor_testing;

// ---------------------------------------------------------------- main menu

TEST(FennorMenu, BoardHeadingTenLinesAndPrompt) {
  Session run = RunFennor(Type("10"));
  ASSERT_EQ(run.drawn.size(), kMenuLines.size());
  ExpectInOrder(run, kMenuLines);
  EXPECT_EQ(run.Count("fill x1=0 y1=0 x2=1760 y2=1800 border=15 fill=15"), 1);
  EXPECT_EQ(run.Boards(), 1);
  EXPECT_EQ(run.Count("text x=816 y=648 h=1 v=1 colour=0"), 2);  // the prompt, printed twice
}

TEST(FennorMenu, EndItemEndsTheProgramAtOnce) {
  for (const char* end : {"10", "20/2"}) {
    Session run = RunFennor(Type(end) + Type("1"));
    EXPECT_EQ(run.exitCode, 0) << end;
    EXPECT_EQ(run.keysLeft, 2u) << end;  // the keys after the end are never read
    EXPECT_EQ(run.Boards(), 1) << end;
  }
}

TEST(FennorMenu, ValuesOutsideTheTableDrawTheMenuAgain) {
  // 9.6 passes the range test but rounds to 10, past the chapter table; the
  // blank item 9 leads straight back; chapters 6 to 8 are not written yet.
  for (const char* typed : {"0", "11", "-1", "1/2", "9", "9.6", "6", "7", "8"}) {
    Session run = RunFennor(Type(typed) + Type("10"));
    EXPECT_EQ(run.Boards(), 2) << typed;
    EXPECT_EQ(run.drawn.size(), 2 * kMenuLines.size()) << typed;
    EXPECT_EQ(run.keysLeft, 0u) << typed;
  }
  // "2" and "3/2" (1.5, rounded up) open chapter 2, "3" to "5" theirs.
  struct Opens {
    const char *typed, *end, *goal;
  };
  for (const Opens& o : {Opens{"2", "5", "(x+2)^2,(x-3)^2のような式を"}, Opens{"3/2", "5", "(x+2)^2,(x-3)^2のような式を"},
                         Opens{"3", "4", "(x+3)(x-3)のような式を"}, Opens{"4", "3", "公式を使う練習をしよう。"},
                         Opens{"5", "11", "(2x+3y)^2 のような式を展開しよう。"}}) {
    Session run = RunFennor(Type(o.typed) + Type(o.end) + Type("10"));
    EXPECT_TRUE(run.Shows(o.goal)) << o.typed;
    EXPECT_EQ(run.Boards(), 2) << o.typed;
    EXPECT_EQ(run.keysLeft, 0u) << o.typed;
  }
}

TEST(FennorMenu, JumpFollowsTheTypedValue) {
  // "2/2" is 1 and opens chapter 1, as 1.4 (rounded) does; the typed text
  // itself would read 2.
  for (const char* typed : {"1", "2/2", "1.4"}) {
    Session run = RunFennor(Type(typed) + Type("5") + Type("10"));
    EXPECT_TRUE(run.Shows("<めあて>")) << typed;
    EXPECT_EQ(run.Boards(), 2) << typed;
    // The page is wiped before the chapter.
    EXPECT_EQ(run.Count("fill x1=0 y1=0 x2=1760 y2=1800 border=15 fill=15"), 3) << typed;
  }
}

// The program as started by name: into the menu, chapter 1 and back, end.
TEST(FennorMenu, ReplayIntoChapterOneAndBackToTheEnd) {
  testing_support::Replay r = testing_support::RunReplay("fennor", Type("1") + Type("5") + Type("10") + Type("1"));
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.With("fill x1=22 y1=10 x2=1342 y2=610 border=15 fill=10").size(), 2u);
  // The goal heading's first glyph at (44, 240) in colour 5, once.
  int goal = 0;
  for (const auto& l : r.With("text x=44 y=240 ")) goal += l.find(" colour=5 ") != std::string::npos;
  EXPECT_EQ(goal, 1);
  // The keys after the end item are never read.
  EXPECT_EQ(r.With("key ").size(), 7u);
}

// ------------------------------------------------------ goal and sub-menu

TEST(FennorChapter1, GoalThenSubMenuUntilItsEndItem) {
  // 0 and 6 show the item line again; 5 leads back to the main menu.
  Session run = RunFennor(Type("1") + Type("0") + Type("6") + Type("5") + Type("10"));
  std::vector<Expected> goal = {
      {"<めあて>", 44, 240, 5},
      {"(x+2)(x+3)のような式を", 76, 305, 0},
      {"簡単に展開するための公式をつくろう。", 76, 370, 0},
  };
  ExpectInOrder(run, goal, kMenuLines.size());
  EXPECT_EQ(run.drawn.size(), 2 * kMenuLines.size() + goal.size());
  int itemLines = 0;
  for (const auto& l : run.trace)
    itemLines += l.rfind("text x=16 y=666 h=1 v=1 colour=0 ", 0) == 0 && l.ends_with("\"①\"");
  EXPECT_EQ(itemLines, 3);
  EXPECT_EQ(run.Boards(), 2);
  EXPECT_EQ(run.KeyWaits(), 0);
}

// ------------------------------------------------------------ item ① task

TEST(FennorChapter1, TaskBoxesHoldTheSumAndTheProductOverManySeeds) {
  const int problems = 4;
  std::string keys = Type("1") + Type("1");
  for (int i = 1; i <= problems; ++i) keys += "Space " + Type(i < problems ? "0" : "1");
  keys += Spaces(14) + Type("5") + Type("10");
  static const std::regex problem(R"( \(x([+-]\d)\)\(x([+-]\d)\))");
  for (const std::string& time : SeedTimes(3)) {
    SCOPED_TRACE(time);
    Session run = RunFennor(keys, time);
    ASSERT_EQ(run.keysLeft, 0u);
    size_t at = 0;
    for (int i = 0; i < problems; ++i) {
      int h = run.Find("問　①,②を求めなさい。", at);
      ASSERT_GE(h, 0);
      const Drawn* d = &run.drawn[h];
      ASSERT_EQ(d[1].x, 88);
      ASSERT_EQ(d[1].y, 98);
      std::smatch m;
      ASSERT_TRUE(std::regex_match(d[1].text, m, problem)) << d[1].text;
      int a = std::stoi(m[1]), b = std::stoi(m[2]);
      EXPECT_NE(a, b);
      EXPECT_GE(std::abs(a + b), 2);
      EXPECT_EQ(d[2].text, "=x^2");
      EXPECT_EQ(d[2].y, 178);
      // =x^2 [①] x [②], then after one key the sum and the product in the
      // same boxes, each with its sign.
      EXPECT_EQ(d[3].text, "①");
      EXPECT_EQ(d[4].text, "x");
      EXPECT_EQ(d[5].text, "②");
      EXPECT_EQ(d[6].keys, d[5].keys + 1);
      EXPECT_EQ(d[6].y, d[3].y);
      EXPECT_EQ(d[7].y, d[5].y);
      EXPECT_EQ(d[6].text, (a + b > 0 ? "+" : "") + std::to_string(a + b));
      EXPECT_EQ(d[7].text, (a * b > 0 ? "+" : "") + std::to_string(a * b));
      for (int k : {3, 5, 6, 7}) EXPECT_EQ(d[k].colour, 5);
      at = h + 1;
    }
  }
}

TEST(FennorChapter1, TaskBoxesAndTheExplanation) {
  Session run = RunFennor(Type("1") + Type("1") + "Space " + Type("1") + Spaces(14) + Type("5") + Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.KeyWaits(), 15);
  // Boxes 120 by 50 on the line y 178: ① border 3 fill 13, ② border 7
  // fill 11, each drawn empty and then with its value.
  std::vector<std::string> boxes;
  for (const auto& l : run.trace)
    if (l.find("y1=178 ") != std::string::npos && l.find("y2=228 ") != std::string::npos) boxes.push_back(l);
  ASSERT_EQ(boxes.size(), 4u);
  EXPECT_NE(boxes[0].find("border=3 fill=13"), std::string::npos);
  EXPECT_NE(boxes[1].find("border=7 fill=11"), std::string::npos);
  EXPECT_EQ(boxes[2].substr(0, boxes[2].find(" width")), boxes[0].substr(0, boxes[0].find(" width")));
  EXPECT_EQ(boxes[3].substr(0, boxes[3].find(" width")), boxes[1].substr(0, boxes[1].find(" width")));
  // Box ① stands 20 right of "=x^2".
  int eq = run.Find("=x^2");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(boxes[0], m, std::regex(R"(fill x1=(\S+) y1=178 x2=(\S+) )")));
  EXPECT_GT(std::stof(m[1]), run.drawn[eq].x + 20 + 16 * 3);
  EXPECT_EQ(std::stof(m[2]) - std::stof(m[1]), 120);

  ExpectInOrder(run, {
                         {"①は和、②は積。なぜ？", 44, 258, 3},
                         {"(x+2)(x+3)", 88, 338, 5},
                         {"=x^2+5x+6", 44, 418, 5},
                         {"(x+a)(x+b)", 88, 338, 5},
                         {"=", 44, 518, 0},
                     });
  int eqSign = run.Find("=", run.Find("(x+a)(x+b)"));
  EXPECT_EQ(run.drawn[eqSign + 1].text, "x^2+(a+b)x+ab");
  EXPECT_EQ(run.drawn[eqSign + 1].y, 518);
  EXPECT_EQ(run.drawn[eqSign + 1].colour, 5);
  EXPECT_GT(run.drawn[eqSign + 1].x, 44);
  ExpectInOrder(run,
                {
                    {"=x(x+b)+a(x+b)", 44, 398, 0},
                    {"=x^2+bx+ax+ab", 44, 458, 0},
                    {"公式１　(x+a)(x+b)=x^2+(a+b)x+ab", 44, 578, 3},
                },
                eqSign);
  // The figures at (660, 100): first with the sides only, then with the
  // areas; the number case is not regrouped, the letter case is.
  std::vector<std::string> areas;
  for (size_t i = run.Find("(x+2)(x+3)"); i < run.drawn.size() && run.drawn[i].text != "＜Ｆｅｎｎｏｒ　メニュー＞"; ++i)
    if (run.drawn[i].colour == 13) areas.push_back(run.drawn[i].text);
  EXPECT_EQ(areas, (std::vector<std::string>{"x^2", "3x", "2x", "6", "x^2", "bx", "ax", "ab", "bx", "(a+b)x"}));
  EXPECT_EQ(run.Count("fill x1=748 y1=100 x2=968 y2=320 border=0 fill=3"), 4);
  EXPECT_EQ(run.Count("fill x1=748 y1=320 x2=968 y2=540 border=0 fill=6"), 1);
  EXPECT_EQ(run.Count("fill x1=44 y1=338 x2=704 y2=1638 border=15 fill=15"), 1);
  EXPECT_EQ(run.Count("fill x1=616 y1=20 x2=1936 y2=920 border=15 fill=15"), 1);
  // The formula stays on the screen above the item line, the last text.
  EXPECT_EQ(run.LastBeforeMenu().text, "公式１　(x+a)(x+b)=x^2+(a+b)x+ab");
}

// ------------------------------------------------------------ item ② example 1

struct Example {
  std::string letter;
  int a, b;
};

// Checks one example's lines from its heading on; returns its numbers.
Example CheckExample(const Session& run, int heading) {
  const Drawn* d = &run.drawn[heading];
  EXPECT_EQ(d[0].x, 44);
  EXPECT_EQ(d[0].y, 18);
  EXPECT_EQ(d[0].colour, 0);
  static const std::regex problem(R"( \(([xyab])([+-]\d)\)\(([xyab])([+-]\d)\))");
  std::smatch m;
  if (!std::regex_match(d[1].text, m, problem)) {
    ADD_FAILURE() << "problem: " << d[1].text;
    return {};
  }
  Example e{m[1], std::stoi(m[2]), std::stoi(m[4])};
  EXPECT_EQ(m[3], e.letter);
  EXPECT_EQ(d[1].x, 88);
  EXPECT_EQ(d[1].y, 98);
  EXPECT_EQ(d[1].colour, 0);
  EXPECT_EQ(d[2].text, "公式1を使う");
  EXPECT_EQ(d[2].x, 176);
  EXPECT_EQ(d[2].y, 178);
  EXPECT_EQ(d[2].colour, 3);
  // The formula line: =L^2+(a b)L a*b, the second number bracketed when it
  // is negative.
  const std::string& L = e.letter;
  static const std::regex formula(R"(=([xyab])\^2\+\((-?\d)([+-]\d)\)([xyab])([+-]\d)\*(\(-\d\)|\d))");
  if (!std::regex_match(d[3].text, m, formula)) {
    ADD_FAILURE() << "formula: " << d[3].text;
    return e;
  }
  EXPECT_EQ(m[1], L);
  EXPECT_EQ(m[4], L);
  EXPECT_EQ(std::stoi(m[2]), e.a);
  EXPECT_EQ(std::stoi(m[3]), e.b);
  EXPECT_EQ(std::stoi(m[5]), e.a);
  std::string second = m[6];
  EXPECT_EQ(second.front() == '(', e.b < 0) << second;
  EXPECT_EQ(std::stoi(second.front() == '(' ? second.substr(1) : second), e.b);
  EXPECT_EQ(d[3].x, 88);
  EXPECT_EQ(d[3].y, 258);
  EXPECT_EQ(d[3].colour, 0);
  // The result line, one key later: the coefficients a + b and ab, with a
  // coefficient 1 shown by its sign alone.
  static const std::regex result(R"(=([xyab])\^2([+-]\d*)([xyab])([+-]\d+))");
  if (!std::regex_match(d[4].text, m, result)) {
    ADD_FAILURE() << "result: " << d[4].text;
    return e;
  }
  EXPECT_EQ(m[1], L);
  EXPECT_EQ(m[3], L);
  EXPECT_EQ(Coefficient(m[2]), e.a + e.b) << d[4].text;
  EXPECT_NE(m[2], "+1");
  EXPECT_NE(m[2], "-1");
  EXPECT_EQ(std::stoi(m[4]), e.a * e.b) << d[4].text;
  EXPECT_EQ(d[4].x, 88);
  EXPECT_EQ(d[4].y, 338);
  EXPECT_EQ(d[4].colour, 5);
  // Three key waits: after the problem, after 公式1を使う, between the lines.
  EXPECT_EQ(d[2].keys, d[1].keys + 1);
  EXPECT_EQ(d[3].keys, d[2].keys + 1);
  EXPECT_EQ(d[4].keys, d[3].keys + 1);
  return e;
}

std::string ExampleKeys(int examples) {
  std::string keys;
  for (int i = 1; i <= examples; ++i) keys += Spaces(3) + Type(i < examples ? "0" : "1");
  return keys;
}

TEST(FennorChapter1, ExampleAnswersAreTheTrueExpansionOverManySeeds) {
  const int examples = 8;
  // Two visits to the item: the guard on a holds across them too.
  std::string keys = Type("1") + Type("2") + ExampleKeys(examples) + Type("2") + ExampleKeys(2) + Type("5") + Type("10");
  std::set<std::string> letters;
  std::set<int> sums;
  for (const std::string& time : SeedTimes(1)) {
    SCOPED_TRACE(time);
    Session run = RunFennor(keys, time);
    ASSERT_EQ(run.keysLeft, 0u);
    std::vector<Example> shown;
    for (int h = run.Find("例1　次の式を展開しなさい。"); h >= 0; h = run.Find("例1　次の式を展開しなさい。", h + 1)) {
      shown.push_back(CheckExample(run, h));
      const Example& e = shown.back();
      EXPECT_NE(e.a, e.b);
      EXPECT_NE(e.a + e.b, 0);
      EXPECT_TRUE(e.a != 0 && e.b != 0 && std::abs(e.a) <= 8 && std::abs(e.b) <= 8);
      letters.insert(e.letter);
      sums.insert(e.a + e.b);
    }
    ASSERT_EQ(shown.size(), static_cast<size_t>(examples + 2));
    for (size_t i = 1; i < shown.size(); ++i) EXPECT_NE(shown[i].a, shown[i - 1].a) << "example " << i;
  }
  EXPECT_EQ(letters, (std::set<std::string>{"x", "y", "a", "b"}));
  EXPECT_TRUE(sums.count(1) && sums.count(-1));  // the bare signs were exercised
}

TEST(FennorChapter1, ExampleCardHeadingsAndClosingLine) {
  Session run = RunFennor(Type("1") + Type("2") + ExampleKeys(2) + Type("5") + Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  std::vector<Expected> card = {
      {"公式１", 748, 30, 3},
      {" (x+a)(x+b)", 748, 110, 5},
      {"=x^2+(a+b)x+ab", 748, 180, 5},
      {"和    積", 924, 230, 3},
  };
  ExpectInOrder(run, card);
  // The card is drawn once; only the left part is wiped for each example.
  EXPECT_EQ(run.Count("fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15"), 1);
  EXPECT_EQ(run.Count("fill x1=0 y1=0 x2=704 y2=1300 border=15 fill=15"), 2);
  EXPECT_EQ(run.KeyWaits(), 6);
  const Drawn& last = run.LastBeforeMenu();
  EXPECT_EQ(last.text, "教科書P17 問1　をしなさい。");
  EXPECT_EQ(last.x, 132);
  EXPECT_EQ(last.y, 570);
  EXPECT_EQ(last.colour, 0);
}

TEST(FennorBuilders, BuildersJoinTheFormulaTermTexts) {
  // The worked screens of the four formulas and the edge cases: bare signs
  // for a middle coefficient 1 or -1, a bracketed negative second number,
  // every letter.
  struct Case {
    int formulaCase;
    const char* letter;
    std::vector<std::string> texts;  // term texts 1 to 6
    const char *problem, *formula, *result;
  };
  const Case cases[] = {
      {1, "x", {"+3", "-5", "-2", "-15", "3", "(-5)"}, " (x+3)(x-5)", "=x^2+(3-5)x+3*(-5)", "=x^2-2x-15"},
      {1, "y", {"-3", "+4", "+", "-12", "-3", "4"}, " (y-3)(y+4)", "=y^2+(-3+4)y-3*4", "=y^2+y-12"},
      {1, "x", {"+3", "-2", "+", "-6", "3", "(-2)"}, " (x+3)(x-2)", "=x^2+(3-2)x+3*(-2)", "=x^2+x-6"},
      {1, "x", {"-3", "+2", "-", "-6", "-3", "2"}, " (x-3)(x+2)", "=x^2+(-3+2)x-3*2", "=x^2-x-6"},
      {1, "y", {"-4", "-5", "-9", "+20", "-4", "(-5)"}, " (y-4)(y-5)", "=y^2+(-4-5)y-4*(-5)", "=y^2-9y+20"},
      {2, "a", {"+6", "", "+12", "+36", "6", ""}, " (a+6)^2", "=a^2+2*6*a+6^2", "=a^2+12a+36"},
      {3, "b", {"-7", "", "-14", "+49", "7", ""}, " (b-7)^2", "=b^2-2*7*b+7^2", "=b^2-14b+49"},
      {3, "x", {"-3", "", "-6", "+9", "3", ""}, " (x-3)^2", "=x^2-2*3*x+3^2", "=x^2-6x+9"},
      {4, "x", {"+8", "-8", "", "-64", "8", ""}, " (x+8)(x-8)", "=x^2-8^2", "=x^2-64"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.problem);
    float lineY = 0, colour = 0;
    Session run = RunFennor("Space", "10:20:30", [&](RecordingFennor& f) {
      f.gFennorLetter = c.letter;
      for (int k = 1; k <= 6; ++k) f.gTermText(static_cast<float>(k)) = plat::FromUtf8(c.texts[k - 1]);
      f.gFennorFormulaCase = static_cast<float>(c.formulaCase);
      f.gLineStartX = 44;
      f.gLineY = 18;
      f.ShowFormulaCaseProblem();
      f.ShowFormulaCaseExpansion();
      lineY = f.gLineY;
      colour = f.gTextColour;
    });
    ExpectInOrder(run, {{c.problem, 88, 98, 0}, {c.formula, 88, 178, 0}, {c.result, 88, 258, 5}});
    ASSERT_EQ(run.drawn.size(), 3u);
    EXPECT_EQ(run.drawn[1].keys, 0);
    EXPECT_EQ(run.drawn[2].keys, 1);  // the result only after a key
    EXPECT_EQ(lineY, 258);
    EXPECT_EQ(colour, 5);
    // Each line reads as the product it expands.
    std::string product = std::string(c.problem).substr(1);
    EXPECT_TRUE(SamePolynomial(c.formula, product));
    EXPECT_TRUE(SamePolynomial(c.result, product));
  }
}

TEST(FennorBuilders, ACaseOutsideTheListsIsAFault) {
  for (float formulaCase : {0.0f, 5.0f}) {
    int code = 0;
    RunFennor("", "10:20:30", [&](RecordingFennor& f) {
      f.gFennorFormulaCase = formulaCase;
      try {
        f.ShowFormulaCaseProblem();
      } catch (const plat::Fault& fault) {
        code = fault.code();
      }
    });
    EXPECT_EQ(code, plat::kFaultIndexOutOfRange) << formulaCase;
  }
}

// ------------------------------------------------------------ items ③ and ④

TEST(FennorChapter1, Question1AnswerPage) {
  Session run = RunFennor(Type("1") + Type("3") + Spaces(6) + Type("5") + Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  int first = run.Find("問1 ");
  ASSERT_GE(first, 0);
  ExpectInOrder(run,
                {
                    {"問1 ", 94, 30, 0},
                    {"(1) (x+3)(x+6)", 50, 100, 0},
                    {"3+6=9, 3*6=18", 182, 170, 3},
                    {"=x^2+9x+18", 94, 240, 5},
                    {"(2) (x+1)(x-3)", 50, 310, 0},
                    {"1-3=-2, 1*(-3)=-3", 182, 380, 3},
                    {"=x^2-2x-3", 94, 450, 5},
                    {"教科書 問2　をしなさい。", 44, 570, 0},
                },
                first);
  // A key after each of the six lines, none after the closing instruction.
  EXPECT_EQ(run.KeyWaits(), 6);
  EXPECT_EQ(&run.LastBeforeMenu(), &run.drawn[first + 7]);
  EXPECT_EQ(run.drawn[first + 1].keys, run.drawn[first].keys);
  for (int i = 2; i < 8; ++i) EXPECT_EQ(run.drawn[first + i].keys, run.drawn[first + i - 1].keys + 1);
  EXPECT_EQ(run.Count("fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15"), 1);
}

TEST(FennorChapter1, Question2AnswerPageTwiceFromAWipedScreen) {
  Session run = RunFennor(Type("1") + Type("4") + Type("4") + Type("5") + Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  const std::vector<Expected> page = {
      {"問1の解答", 44, 30, 5},
      {"(1) x^2+3x+2", 44, 105, 0},
      {"(2) x^2+4x-12", 44, 180, 0},
      {"(3) x^2-7x+12", 44, 255, 0},
      {"(4) y^2+8y+15", 44, 330, 0},
      {"(5) a^2-15a+56", 660, 105, 0},
      {"(6) x^2-x-30", 660, 180, 0},
      {"(7) x^2+0.2x-0.08", 660, 255, 0},
      {"(8) y^2-ﾀ1/3ﾀy-ﾀ2/9ﾀ", 660, 330, 0},
  };
  int first = run.Find("問1の解答");
  ASSERT_GE(first, 0);
  ExpectInOrder(run, page, first);
  int second = run.Find("問1の解答", first + 1);
  ASSERT_GE(second, 0);
  ExpectInOrder(run, page, second);
  EXPECT_EQ(run.KeyWaits(), 0);
  EXPECT_EQ(run.Count("fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15"), 2);
}

}  // namespace
