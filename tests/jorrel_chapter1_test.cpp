// Jorrel, chapter 1: factors and common factors. The items are run in the
// program after its start-up, with scripted keys; what they draw is compared
// with the same texts drawn on their own at the places the lesson states.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "tests/jorrel_testing.h"

namespace {

using namespace jorrel_testing;

// ---------------------------------------------------------------------------
// Goal screen and sub-menu

TEST(JorrelChapter1, GoalScreenStandsBelowTheHeading) {
  Lines lines = RunBody("", [](Probe& p) { p.ShowCommonFactorGoal(); });
  EXPECT_GE(Find(lines, Expr(44, 240, 3, "<めあて>").lines), 0);
  EXPECT_GE(Find(lines, Expr(76, 305, 0, "1 因数、因数分解の意味を理解しよう。").lines), 0);
  EXPECT_GE(Find(lines, Expr(76, 370, 0, "2 共通因数をくくり出して、因数分解しよう。").lines), 0);
  EXPECT_EQ(KeyWaits(lines), 0);
}

TEST(JorrelChapter1, SubMenuAsksAgainOutOfRangeAndLeavesOnEight) {
  // 0, 9, -1 and 8.4 are refused; 8, and 7.6 (rounded to 8), leave. The
  // choice is kept, and the menu sets the step variable to 10.
  struct Case {
    const char* keys;
    float choice;
    int lineShown;
  } cases[] = {{"0 Enter 9 Enter - 1 Enter 8 Enter", 8, 4}, {"8 . 4 Enter 7 . 6 Enter", 7.6f, 2}};
  for (const Case& c : cases) {
    float choice = 0, input = 0;
    Lines lines = RunBody(c.keys, [&](Probe& p) {
      p.ShowCommonFactorMenu();
      choice = p.gJorrelSubMenuChoice;
      input = p.gInputValue;
    });
    EXPECT_FLOAT_EQ(choice, c.choice) << c.keys;
    EXPECT_EQ(input, 10) << c.keys;
    // The item line is shown from (16, 666) once per entry.
    EXPECT_EQ(CountPrefix(lines, "text x=16 y=666 "), c.lineShown) << c.keys;
  }
}

TEST(JorrelChapter1, SubMenuChoiceBetweenItemsRoundsHalfUp) {
  // 3/2 is 1.5: item ② (its summary, no key wait), then 8 leaves.
  Lines lines = RunBody("3 / 2 Enter 8 Enter", [](Probe& p) { p.ShowCommonFactorMenu(); });
  EXPECT_GE(Find(lines, Expr(88, 22, 3, "<まとめ>").lines), 0);
}

// ---------------------------------------------------------------------------
// Item ①: the meaning of factorisation

TEST(JorrelChapter1, MeaningRunsThreePagesWithTwentyNineKeyWaits) {
  float expandEndX = 0, factorEndX = 0, lineEndX = 0, lineY = 0;
  Lines lines = RunBody(Keys("Space", 29), [&](Probe& p) {
    p.ShowFactorisationMeaning();
    expandEndX = p.gJorrelExpandLineEndX;
    factorEndX = p.gJorrelFactorLineEndX;
    lineEndX = p.gLineEndX;
    lineY = p.gLineY;
  });
  EXPECT_EQ(KeyWaits(lines), 29);
  // Three pages, each wiped up to x 1320 and y 1300.
  EXPECT_EQ(CountPrefix(lines, FillBox(0, 0, 1320, 1300, 15, 15)), 3);

  // Page 1: the tags stand 44 right of where "しなさい。" ended.
  Drawn l1 = After(After(Expr(22, 30, 0, "① 次の式を"), 30, 5, "展開"), 30, 0, "しなさい。");
  Drawn l2 = After(After(Expr(22, 150, 0, "② 次の式を"), 150, 5, "因数分解"), 150, 0, "しなさい。");
  EXPECT_EQ(expandEndX, l1.endX);
  EXPECT_EQ(factorEndX, l2.endX);
  int tag1 = Find(lines, Expr(l1.endX + 44, 30, 3, "積→和").lines);
  int tag2 = Find(lines, Expr(l2.endX + 44, 150, 3, "和→積").lines);
  EXPECT_GE(tag1, 0);
  EXPECT_GT(tag2, tag1);
  // The area equation written over the figure, then the lines below.
  // Written across the square (fill 3) in a colour that shows on it, on
  // both pages.
  Drawn area = Expr(902, 445, 13, "x^2+5x+6");
  int firstArea = Find(lines, area.lines);
  EXPECT_GT(firstArea, tag2);
  EXPECT_GT(Find(lines, area.lines, firstArea + 1), firstArea);
  EXPECT_EQ(Find(lines, Expr(902, 445, 3, "x^2+5x+6").lines), -1);
  EXPECT_GE(Find(lines, Expr(66, 270, 3, "図では").lines), 0);
  EXPECT_GE(Find(lines, Expr(66, 460, 3, "(縦と横の長さをみつけること）").lines), 0);

  // Page 2.
  EXPECT_GE(Find(lines, Expr(902, 445, 13, "x^2+5x+6").lines), 0);
  EXPECT_GE(Find(lines, Expr(66, 240, 3, "図では").lines), 0);

  // Page 3: the partial wipes keep the answer lines growing.
  Drawn a16 = Expr(110, 150, 3, "1,6");
  Drawn a23 = After(a16, 150, 3, ",2,3");
  Drawn divisors = After(a23, 150, 7, "6の約数", 88);
  Drawn b1 = Expr(110, 270, 3, "2,ab");
  Drawn b2 = After(b1, 270, 3, ",a,2b");
  Drawn b3 = After(b2, 270, 3, ",b,2a,…");
  int at = 0;
  for (const Drawn* d : {&a16, &a23, &divisors, &b1, &b2, &b3}) {
    int found = Find(lines, d->lines, at);
    EXPECT_GT(found, at) << d->lines.front();
    at = std::max(at, found);
  }
  EXPECT_EQ(lineEndX, b3.endX);
  EXPECT_EQ(lineY, 270);
  EXPECT_EQ(CountPrefix(lines, FillBox(0, 370, 1320, 1670, 15, 15)), 4);
  for (const char* eq : {"6=1*6", "6=2*3", "2ab=2*ab", "2ab=a*2b", "2ab=b*2a"})
    EXPECT_GE(Find(lines, Expr(528, 469, 0, eq).lines), 0) << eq;
  // Five rectangles of 220 by 132 at (220, 425).
  EXPECT_EQ(CountPrefix(lines, FillBox(220, 425, 440, 557, 0, 3)), 5);
}

TEST(JorrelChapter1, PageEndsNeedTwoKeysBeforeTheNextWipe) {
  Lines lines = RunBody(Keys("Space", 29), [](Probe& p) { p.ShowFactorisationMeaning(); });
  std::string wipe = FillBox(0, 0, 1320, 1300, 15, 15);
  std::vector<int> wipes;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i)
    if (lines[i].rfind(wipe, 0) == 0) wipes.push_back(i);
  ASSERT_EQ(wipes.size(), 3u);
  for (int page = 1; page <= 2; ++page) {
    // Before the next page's wipe: two keys, with nothing but the key box
    // and its prompt drawn around them.
    int keys = 0;
    for (int i = wipes[page] - 1; i > wipes[page - 1] && keys < 2; --i) {
      const std::string& l = lines[i];
      if (l.rfind("key ", 0) == 0) {
        ++keys;
        continue;
      }
      bool keyBox = l.rfind("fill x1=96 y1=657 x2=400 y2=693", 0) == 0 ||
                    l.rfind("fill x1=0 y1=657 x2=400 y2=693 border=15 fill=15", 0) == 0;
      bool prompt = l.find(" y=666 ") != std::string::npos && l.find("colour=9 ") != std::string::npos;
      EXPECT_TRUE(keyBox || prompt) << page << ": " << l;
    }
    EXPECT_EQ(keys, 2) << page;
  }
}

// ---------------------------------------------------------------------------
// Factor rectangles

// One element of a figure with the values the lesson states: a boxed cell
// (corner, size, fill, label) or a dimension mark (segment, arc side, angle
// step, label).
struct Element {
  bool box;
  float x1, y1, x2, y2;
  float fillOrSide, step;
  const char* label;
};

// The elements drawn through the cell and mark routines themselves.
Lines DrawElements(const std::vector<Element>& elements) {
  return RunBody("", [&](Probe& p) {
    for (const Element& e : elements) {
      if (e.box) {
        p.gPenX = e.x1;
        p.gPenY = e.y1;
        p.gCellWidth = e.x2;
        p.gCellHeight = e.y2;
        p.gFigureColour = 0;
        p.gAccentColour = e.fillOrSide;
        p.gTextColour = 13;
        p.gWorkText = plat::FromUtf8(e.label);
        p.DrawBoxedCell();
      } else {
        p.gP1X = e.x1;
        p.gP1Y = e.y1;
        p.gP2X = e.x2;
        p.gP2Y = e.y2;
        p.gFigureColour = 9;
        p.gTextColour = 0;
        p.gArcHeight = 1;
        p.gArcSide = e.fillOrSide;
        p.gCellWidth = e.step;
        p.gLabelText = plat::FromUtf8(e.label);
        p.DrawDottedArcOverSegment();
      }
    }
  });
}

TEST(JorrelChapter1, FactorRectanglesDrawTheirBoxesAndMarksAndLeaveTheLine) {
  struct Case {
    void (lesson::Jorrel::*draw)();
    float x, y;
    std::vector<const char*> labels;  // gTermText2(1), (2), ...
    std::vector<Element> expected;
  } cases[] = {
      {&lesson::Jorrel::DrawFactorRectangle,
       220,
       425,
       {"2", "ab", "2ab"},
       {{true, 220, 425, 220, 132, 3, 0, "2ab"},
        {false, 220, 425, 220, 557, 1, 2, "2"},
        {false, 220, 425, 440, 425, -1, 1, "ab"}}},
      {&lesson::Jorrel::DrawCommonFactorRectangles,
       220,
       500,
       {"2a", "2x", "4ax", "", "3", "6a"},
       {{true, 220, 500, 176, 110, 3, 0, "4ax"},
        {false, 220, 500, 220, 610, 1, 2, "2a"},
        {false, 220, 500, 396, 500, -1, 1, "2x"},
        {true, 396, 500, 88, 110, 4, 0, "6a"},
        {false, 396, 500, 484, 500, -1, 1, "3"}}},
  };
  for (const Case& c : cases) {
    float lineEndX = 0, lineY = 0, originX = 0, originY = 0;
    Lines lines = RunBody("", [&](Probe& p) {
      p.gJorrelFigureOriginX = c.x;
      p.gJorrelFigureOriginY = c.y;
      for (size_t k = 0; k < c.labels.size(); ++k)
        p.gTermText2(static_cast<float>(k + 1)) = plat::FromUtf8(c.labels[k]);
      p.gLineEndX = 123;
      p.gLineY = 456;
      (p.*c.draw)();
      lineEndX = p.gLineEndX;
      lineY = p.gLineY;
      originX = p.gJorrelFigureOriginX;
      originY = p.gJorrelFigureOriginY;
    });
    EXPECT_EQ(lines, DrawElements(c.expected)) << c.labels[0];
    EXPECT_EQ(lineEndX, 123);
    EXPECT_EQ(lineY, 456);
    EXPECT_EQ(originX, c.x);
    EXPECT_EQ(originY, c.y);
  }
  // The rectangles of the common factor, as the trace shows them.
  Lines lines = DrawElements(cases[1].expected);
  EXPECT_GE(FindPrefix(lines, FillBox(220, 500, 396, 610, 0, 3)), 0);
  EXPECT_GE(FindPrefix(lines, FillBox(396, 500, 484, 610, 0, 4)), 0);
}

// ---------------------------------------------------------------------------
// Items ② and ③

TEST(JorrelChapter1, SummaryOneHasNoKeyWaitAndThickOppositeArrows) {
  int width = 0;
  Lines lines = RunBody("", [&](Probe& p) {
    p.ShowCommonFactorSummary1();
    width = p.scr.GetDrawWidth(0);
  });
  EXPECT_EQ(KeyWaits(lines), 0);
  EXPECT_EQ(width, 5);  // left set for the rest of the run
  // Arrow A points right (head at x 616, y 225), arrow B left (head at 440, 253).
  EXPECT_GE(Find(lines, "line x1=440 y1=225 x2=616 y2=225 colour=11 width=15"), 0);
  EXPECT_GE(Find(lines, "line x1=616 y1=253 x2=440 y2=253 colour=11 width=15"), 0);
  EXPECT_EQ(CountPrefix(lines, "line x1=440 y1=225"), 1);
  // The head strokes end at the tips.
  int headA = 0, headB = 0;
  for (const auto& l : lines) {
    if (l.find("x2=616 y2=225 colour=11 width=15") != std::string::npos) ++headA;
    if (l.find("x2=440 y2=253 colour=11 width=15") != std::string::npos) ++headB;
  }
  EXPECT_EQ(headA, 3);  // the shaft and two strokes
  EXPECT_EQ(headB, 3);

  Drawn area = Expr(264, 277, 9, "面積");
  Drawn formula = After(area, 277, 9, "式", 418);
  EXPECT_GE(Find(lines, formula.lines), 0);
  EXPECT_GE(Find(lines, Expr(formula.endX - 132, 217, 0, "(x+2)(x+3)").lines), 0);
  // The line position did not follow (x+2)(x+3): the next line is at 352.
  EXPECT_GE(Find(lines, Expr(44, 352, 0, "2 ").lines), 0);
  EXPECT_GE(Find(lines, Expr(132, 562, 9, "面積と縦・横の長さ").lines), 0);
}

// Factorising turns x^2+5x+6 into (x+2)(x+3), expanding the other way: each
// arrow's head, read from its strokes, points at the expression its label
// leads to.
TEST(JorrelChapter1, SummaryOneArrowsPointTheWayTheirLabelsGo) {
  Session r = RunProbe("", [](Probe& p) { p.ShowCommonFactorSummary1(); });
  ASSERT_TRUE(r.finished);
  struct Segment {
    float x1, y1, x2, y2;
  };
  std::vector<Segment> strokes;
  for (const auto& l : r.lines) {
    Segment s;
    int colour = 0;
    if (std::sscanf(l.c_str(), "line x1=%f y1=%f x2=%f y2=%f colour=%d", &s.x1, &s.y1, &s.x2, &s.y2, &colour) == 5 &&
        colour == 11)
      strokes.push_back(s);
  }
  // A shaft is level; its tip is the end the two slanted head strokes meet at.
  struct Arrow {
    float y, tail, tip;
  };
  std::vector<Arrow> arrows;
  for (const Segment& shaft : strokes) {
    if (shaft.y1 != shaft.y2) continue;
    auto strokesMeeting = [&](float x) {
      return std::count_if(strokes.begin(), strokes.end(), [&](const Segment& s) {
        return s.y1 != s.y2 && ((s.x1 == x && s.y1 == shaft.y1) || (s.x2 == x && s.y2 == shaft.y1));
      });
    };
    const bool headAt2 = strokesMeeting(shaft.x2) == 2, headAt1 = strokesMeeting(shaft.x1) == 2;
    ASSERT_NE(headAt1, headAt2) << "one head per arrow, at y " << shaft.y1;
    arrows.push_back(headAt2 ? Arrow{shaft.y1, shaft.x1, shaft.x2} : Arrow{shaft.y1, shaft.x2, shaft.x1});
  }
  ASSERT_EQ(arrows.size(), 2u);

  auto shown = [&](const std::string& text) {
    const int i = FindShown(r.shown, text);
    EXPECT_GE(i, 0) << text;
    return i < 0 ? Shown{} : r.shown[i];
  };
  const Shown sum = shown("x^2+5x+6 "), product = shown("(x+2)(x+3)");
  ASSERT_LT(sum.x, product.x);
  struct Case {
    const char* label;
    float towardsX;
  } cases[] = {{"因数分解 ", product.x}, {"　展開", sum.x}};
  for (const Case& c : cases) {
    const Shown label = shown(c.label);
    // The arrow nearest the label belongs to it.
    const Arrow& a = *std::min_element(arrows.begin(), arrows.end(), [&](const Arrow& p, const Arrow& q) {
      return std::fabs(p.y - label.y) < std::fabs(q.y - label.y);
    });
    EXPECT_EQ(a.tip > a.tail, c.towardsX > a.tail) << c.label << " arrow at y " << a.y;
  }
  EXPECT_NE(arrows[0].tip > arrows[0].tail, arrows[1].tip > arrows[1].tail);
}

TEST(JorrelChapter1, CommonFactorsTakeTenAndEightKeyWaitsAndRecolourInPlace) {
  std::vector<float> kept;
  Lines lines = RunBody(Keys("Space", 18), [&](Probe& p) {
    p.ShowCommonFactors();
    for (int k = 1; k <= 4; ++k) kept.push_back(p.gPointX(k));
  });
  EXPECT_EQ(KeyWaits(lines), 18);
  int secondScreen = FindPrefix(lines, FillBox(0, 0, 1320, 1300, 15, 15), 1);
  ASSERT_GT(secondScreen, 0);
  Lines first(lines.begin(), lines.begin() + secondScreen);
  EXPECT_EQ(KeyWaits(first), 10);
  EXPECT_GE(FindPrefix(first, FillBox(0, 155, 1320, 1455, 15, 15)), 0);
  EXPECT_EQ(CountPrefix(first, FillBox(220, 500, 396, 610, 0, 3)), 1);

  Drawn expand = Expr(88, 90, 0, "2a(2x+3)=");
  EXPECT_GE(Find(first, After(expand, 90, 0, "4ax+6a").lines), 0);
  Drawn nine = After(Expr(88, 390, 0, "2aのように、各項に共通な因数を"), 390, 5, "共通因数");
  EXPECT_GE(Find(first, After(nine, 390, 0, "という。").lines), 0);
  EXPECT_GE(Find(first, Expr(528, 480, 3, "共通因数がわかれば、因数分解できる。").lines), 0);

  // Second screen: the kept 3 and a of both rows drawn again in colour 5.
  Drawn r1 = Expr(198, 340, 0, "3ax=");
  Drawn r1three = After(r1, 340, 0, "3");
  Drawn r1a = After(After(r1three, 340, 0, "*"), 340, 0, "a");
  Drawn r2 = Expr(198, 400, 0, "6ay=2*");
  Drawn r2three = After(r2, 400, 0, "3");
  Drawn r2a = After(After(r2three, 400, 0, "*"), 400, 0, "a");
  ASSERT_EQ(kept.size(), 4u);
  EXPECT_EQ(kept[0], r1.endX);
  EXPECT_EQ(kept[1], After(r1three, 340, 0, "*").endX);
  EXPECT_EQ(kept[2], r2.endX);
  int at = Find(lines, r1a.lines, secondScreen);
  EXPECT_GT(at, 0);
  for (auto [x, y, text] :
       {std::tuple{kept[0], 340.f, "3"}, {kept[1], 340.f, "a"}, {kept[2], 400.f, "3"}, {kept[3], 400.f, "a"}}) {
    int found = Find(lines, Expr(x, y, 5, text).lines, at);
    EXPECT_GT(found, at) << text;
    at = std::max(at, found);
  }
  EXPECT_GE(Find(lines, Expr(198, 580, 5, "共通な数は最大公約数").lines), 0);
}

// ---------------------------------------------------------------------------
// Item ④: practice from the two fixed tables

int Gcd(int a, int b) { return b == 0 ? std::abs(a) : Gcd(b, a % b); }

TEST(JorrelChapter1, EveryPracticeRowIsItsFactorTimesItsBracketWithNoFactorLeft) {
  struct Table {
    void (lesson::Jorrel::*load)();
    int rows;
  } tables[] = {{&lesson::Jorrel::LoadLetterFactorTable, 8}, {&lesson::Jorrel::LoadCoefficientFactorTable, 6}};
  for (const Table& t : tables) {
    RunBody("", [&](Probe& p) {
      p.gTermText(9) = "keep";
      p.gTermText(30) = "keep";
      (p.*t.load)();
      for (int k = 1; k <= t.rows; ++k) {
        std::string poly = plat::ToUtf8(p.gTermText(k)), factor = plat::ToUtf8(p.gTermText(k + 10)),
                    bracket = plat::ToUtf8(p.gTermText(k + 20));
        EXPECT_EQ(Times(Parse(factor), Parse(bracket)), Parse(poly))
            << poly << " = " << factor << "(" << bracket << ")";
        // What is left in the bracket has no common factor: its coefficients
        // have no common divisor and no letter is in every term.
        Polynomial inside = Parse(bracket);
        int g = 0;
        std::map<char, int> letters;
        for (const auto& [m, c] : inside) {
          g = Gcd(g, c);
          for (const auto& [letter, power] : m) ++letters[letter];
        }
        EXPECT_EQ(g, 1) << bracket;
        for (const auto& [letter, terms] : letters) EXPECT_LT(terms, static_cast<int>(inside.size())) << bracket;
      }
      // Only the table's own elements are written.
      EXPECT_EQ(p.gTermText(9), "keep");
      EXPECT_EQ(p.gTermText(30), "keep");
    });
  }
}

// Keys for one practice problem: the key wait, then the step answer.
std::string Problem(const std::string& step) { return "Space " + step + " Enter "; }

TEST(JorrelChapter1, PracticeOnOneShowsRowOneOfEachPartThenReturns) {
  Lines lines =
      RunBody(Problem("1") + Problem("1") + Problem("1") + Problem("1"), [](Probe& p) { p.RunCommonFactorPractice(); });
  EXPECT_EQ(KeyWaits(lines), 4);
  EXPECT_EQ(CountPrefix(lines, kStepBox), 4);
  // The wipes of the four parts, in order, after the wipe on entry.
  int at = FindPrefix(lines, FillBox(0, 0, 1320, 1300, 15, 15));
  ASSERT_EQ(at, 0);
  for (float top : {0.f, 170.f, 290.f, 470.f}) {
    int found = -1;
    for (int i = at + 1; i < static_cast<int>(lines.size()) && found < 0; ++i)
      if (lines[i].rfind(FillBox(0, top, 1320, top + 1300, 15, 15), 0) == 0) found = i;
    EXPECT_GT(found, at) << top;
    at = std::max(at, found);
  }
  // Row 1 of each part, with its heading where there is one.
  Drawn q11 = Expr(44, 98, 0, "(1) ab-ac");
  Drawn q12 = Expr(44, 180, 0, "(2) 4ax-2a");
  Drawn q21 = Expr(44, 380, 0, "(1) ab-ac=a(");
  Drawn q22 = Expr(44, 480, 0, "(2) 4ax-2a=2a(");
  at = 0;
  for (const Drawn* d : {&q11, &q12, &q21, &q22}) {
    int found = Find(lines, d->lines, at);
    EXPECT_GT(found, at);
    at = std::max(at, found);
  }
  EXPECT_GE(Find(lines, Expr(44, 18, 0, "問1　次の式の共通因数をいいなさい。").lines), 0);
  EXPECT_GE(Find(lines, Expr(44, 300, 0, "問2　①をいいなさい。").lines), 0);
}

// The answer box of a practice problem, drawn on its own.
Lines PracticeBox(float x, float y, float width, int fill, const char* label) {
  return RunBody("", [&](Probe& p) {
    p.gPenX = x;
    p.gPenY = y;
    p.gWorkText = plat::FromUtf8(label);
    p.gCellWidth = width;
    p.gCellHeight = 60;
    p.gTextColour = 5;
    p.gFigureColour = 3;
    p.gAccentColour = static_cast<float>(fill);
    p.DrawBoxedCellAround();
  });
}

TEST(JorrelChapter1, QuestionOneBoxIsEmptyUntilTheKeyThenHoldsTheFactor) {
  Lines lines =
      RunBody(Problem("1") + Problem("1") + Problem("1") + Problem("1"), [](Probe& p) { p.RunCommonFactorPractice(); });
  Drawn text = After(Expr(44, 98, 0, "(1) ab-ac"), 98, 3, "共通因数は、", 88);
  Lines empty = PracticeBox(text.endX, 98, 108, 13, "");
  Lines answer = PracticeBox(text.endX, 98, 108, 13, "a");
  int e = Find(lines, empty);
  int key = Find(lines, "key \"Space\"", e);
  int a = Find(lines, answer, key);
  EXPECT_GE(e, 0);
  EXPECT_GT(key, e);
  EXPECT_GT(a, key);
  // The box spans from 8 above the line to 52 below it.
  EXPECT_GE(FindPrefix(lines, FillBox(text.endX, 90, text.endX + 108, 150, 3, 13)), 0);
}

TEST(JorrelChapter1, QuestionTwoBoxShowsAPlaceHolderBetweenTheBrackets) {
  Lines lines =
      RunBody(Problem("1") + Problem("1") + Problem("1") + Problem("1"), [](Probe& p) { p.RunCommonFactorPractice(); });
  struct Case {
    float y, width;
    int fill;
    const char* text;
    const char* bracket;
  } cases[] = {{380, 135, 13, "(1) ab-ac=a(", "b-c"}, {480, 216, 11, "(2) 4ax-2a=2a(", "2x-1"}};
  for (const Case& c : cases) {
    Drawn text = Expr(44, c.y, 0, c.text);
    float boxX = text.endX + 20;
    int holder = Find(lines, PracticeBox(boxX, c.y, c.width, c.fill, "①"));
    int close = Find(lines, Expr(boxX + c.width + 20, c.y, 0, ")").lines, holder);
    int key = Find(lines, "key \"Space\"", close);
    int answer = Find(lines, PracticeBox(boxX, c.y, c.width, c.fill, c.bracket), key);
    EXPECT_GE(holder, 0) << c.text;
    EXPECT_GT(close, holder) << c.text;
    EXPECT_GT(key, close) << c.text;
    EXPECT_GT(answer, key) << c.text;
  }
}

TEST(JorrelChapter1, PracticeCyclesThroughTheRows) {
  // Question 1 (1): nine problems, the ninth is row 1 again; question 1 (2):
  // seven problems, the seventh is row 1 again; then row 1 of question 2 (2)
  // even after question 2 (1) stopped at row 3.
  std::string keys = Keys(Problem("2"), 8) + Problem("1") + Keys(Problem("0"), 6) + Problem("1") +
                     Keys(Problem("5"), 2) + Problem("1") + Problem("1");
  Lines lines = RunBody(keys, [](Probe& p) { p.RunCommonFactorPractice(); });
  EXPECT_EQ(KeyWaits(lines), 9 + 7 + 3 + 1);
  const char* letterRows[] = {"ab-ac", "bx+cx", "2ax-3ay", "3ax+5bx", "a^2b-ab^2", "ax^2-a^2x", "ax+bx+cx", "ay-by-cy"};
  const char* coefficientRows[] = {"4ax-2a", "6x^2+3x", "8a^2b-4b^2", "2ab-4b^2", "18a^2b-12ab", "4abc+16ab-8bc"};
  int at = 0;
  auto expectNext = [&](float y, const std::string& text) {
    int found = Find(lines, Expr(44, y, 0, text.c_str()).lines, at);
    EXPECT_GT(found, at) << text;
    at = std::max(at, found);
  };
  for (int i = 0; i < 9; ++i) expectNext(98, std::string("(1) ") + letterRows[i % 8]);
  for (int i = 0; i < 7; ++i) expectNext(180, std::string("(2) ") + coefficientRows[i % 6]);
  expectNext(380, "(1) ab-ac=a(");
  expectNext(380, "(1) bx+cx=x(");
  expectNext(380, "(1) 2ax-3ay=a(");
  expectNext(480, "(2) 4ax-2a=2a(");
}

// ---------------------------------------------------------------------------
// Item ⑤: summary 2

TEST(JorrelChapter1, SummaryTwoWritesTheAnswerBehindTheProblemWithoutGaps) {
  Lines lines = RunBody(Keys("Space", 9), [](Probe& p) { p.ShowTakeOutCommonFactorSummary(); });
  EXPECT_EQ(KeyWaits(lines), 9);
  Drawn problem = Expr(132, 97, 0, "12x^2-18x=");
  Drawn factor = After(problem, 97, 5, "6x(");
  Drawn bracket = After(factor, 97, 5, "2x-3)");
  int p = Find(lines, problem.lines);
  int f = Find(lines, factor.lines, p);
  int b = Find(lines, bracket.lines, f);
  EXPECT_GE(p, 0);
  EXPECT_GT(f, p);
  EXPECT_GT(b, f);
  // Nothing is drawn after the textbook line.
  Drawn last = Expr(44, 570, 3, "教科書P25 問1　をしなさい。");
  int l = Find(lines, last.lines);
  ASSERT_GE(l, 0);
  EXPECT_EQ(l + last.lines.size(), lines.size());
  // Step headings differ in colour; the step-① result 88 right of its heading.
  Drawn step1 = Expr(44, 172, 3, "①　共通因数をみつける");
  Drawn step2 = Expr(44, 367, 5, "②　( )の中をみつける");
  EXPECT_GE(Find(lines, step1.lines), 0);
  EXPECT_GE(Find(lines, step2.lines), 0);
  EXPECT_GE(Find(lines, After(Expr(step1.endX + 88, 172, 3, "2*3*x="), 172, 5, "6x").lines), 0);
  EXPECT_GE(Find(lines, After(Expr(step2.endX + 132, 367, 0, "12x^2/6x="), 367, 5, "2x").lines), 0);
  EXPECT_GE(Find(lines, After(Expr(step2.endX + 132, 427, 0, "-18x/6x="), 427, 5, "-3").lines), 0);
}

TEST(JorrelChapter1, SummaryTwoRecoloursOnlyTheSharedFactors) {
  Lines lines = RunBody(Keys("Space", 9), [](Probe& p) { p.ShowTakeOutCommonFactorSummary(); });
  // The two factor lines piece by piece, as drawn in colour 0.
  struct Row {
    float y;
    std::vector<const char*> pieces;
    std::vector<int> shared;  // indices of the pieces drawn again in colour 5
  } rows[] = {{232, {"12x^2=", "2", "*2*", "3", "*", "x", "*x"}, {1, 3, 5}},
              {292, {"18x=", "2", "*", "3", "*3*", "x"}, {1, 3, 5}}};
  int secondWait = -1;
  for (int i = 0, seen = 0; i < static_cast<int>(lines.size()); ++i)
    if (lines[i].rfind(kKeyWaitBox, 0) == 0 && ++seen == 2) secondWait = i;
  ASSERT_GT(secondWait, 0);
  for (const Row& r : rows) {
    float x = 132;
    for (int i = 0; i < static_cast<int>(r.pieces.size()); ++i) {
      Drawn plain = Expr(x, r.y, 0, r.pieces[i]);
      EXPECT_GE(Find(lines, plain.lines), 0) << r.pieces[i];
      bool shared = std::find(r.shared.begin(), r.shared.end(), i) != r.shared.end();
      int again = Find(lines, Expr(x, r.y, 5, r.pieces[i]).lines, secondWait);
      if (shared) {
        EXPECT_GT(again, secondWait) << r.y << " " << r.pieces[i];
      } else {
        EXPECT_EQ(again, -1) << r.y << " " << r.pieces[i];
      }
      x = plain.endX;
    }
  }
}

// ---------------------------------------------------------------------------
// Items ⑥ and ⑦: answer pages

TEST(JorrelChapter1, QuestionOneAnswersBuildTwoColumns) {
  Lines lines = RunBody(Keys("Space", 4), [](Probe& p) { p.ShowCommonFactorQ1Answers(); });
  EXPECT_EQ(KeyWaits(lines), 4);
  struct Text {
    float x, y;
    int colour;
    const char* text;
  } texts[] = {{132, 30, 3, "問1 解答"},
               {44, 90, 0, "(1) ax-bx"},
               {132, 150, 5, "=x(a-b)"},
               {176, 210, 0, "ax=a*"},
               {44, 350, 0, "(2) 2b^2+ab"},
               {132, 410, 5, "=b(2b+a)"},
               {176, 530, 0, "ab="},
               {552, 110, 0, "(3) ax^2+ax+2a"},
               {640, 170, 5, "=a(x^2+x+2)"},
               {684, 350, 0, "2a="},
               {44, 590, 7, "教科書P25 問2　をしなさい。"}};
  int at = -1;
  for (const Text& t : texts) {
    int found = Find(lines, Expr(t.x, t.y, t.colour, t.text).lines, at + 1);
    EXPECT_GT(found, at) << t.text;
    at = std::max(at, found);
  }
  // 2b^2 as 2×b×b with the first b in colour 3.
  Drawn two = After(Expr(176, 470, 0, "2b^2="), 470, 0, "2*");
  Drawn b = After(two, 470, 3, "b");
  EXPECT_GE(Find(lines, b.lines), 0);
  EXPECT_GE(Find(lines, After(b, 470, 0, "*b").lines), 0);
}

TEST(JorrelChapter1, QuestionTwoAnswersComeOneByOneAndTheLastWithoutAWait) {
  Lines lines = RunBody(Keys("Space", 4), [](Probe& p) { p.ShowCommonFactorQ2Answers(); });
  EXPECT_EQ(KeyWaits(lines), 4);
  Drawn last = Expr(44, 350, 0, "(4) 4a^2b-6ab^2-10ab=2ab(2a-3b-5)");
  int l = Find(lines, last.lines);
  ASSERT_GE(l, 0);
  EXPECT_EQ(l + last.lines.size(), lines.size());
  int at = 0;
  for (auto [y, text] : {std::pair{110.f, "(1) 6mx-2nx=2x(3m-n)"},
                         {190.f, "(2) 10x^2y+5x=5x(2xy+1)"},
                         {270.f, "(3) xy^2-x^2y=xy(y-x)"}}) {
    int found = Find(lines, Expr(44, y, 0, text).lines, at);
    int key = Find(lines, "key \"Space\"", found);
    EXPECT_GT(found, at) << text;
    EXPECT_GT(key, found) << text;
    at = std::max(at, key);
  }
}

}  // namespace
