// Fennor's chapter 8 (the elementary problems of textbook page 22): the
// sub-menu without a goal screen, and the five answer pages with their
// heading and number cells, their rows, key waits, and worked lines that
// read as the problems they work.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <regex>

#include "tests/fennor_testing.h"

namespace {

using namespace fennor_testing;

const std::string kPageWipe = "fill x1=0 y1=0 x2=1320 y2=1300 border=15 fill=15";

// The item lines shown: the chapter's line begins with "Ｐ" at (16, 666).
int P22ItemLines(const Session& run) {
  int n = 0;
  for (const auto& l : run.trace) n += l.rfind("text x=16 y=666 h=1 v=1 colour=0 ", 0) == 0 && l.ends_with("\"Ｐ\"");
  return n;
}

// ------------------------------------------------------------ frame

TEST(FennorChapter8, NoGoalScreenAndTheSubMenuUntilItsEndItem) {
  // 0, 7, -1, 0.5 and 6.5 show the item line again; 6 leads back to the
  // main menu.
  Session run = RunFennor(Type("8") + Type("0") + Type("7") + Type("-1") + Type("0.5") + Type("6.5") + Type("6") +
                          Type("10"));
  ASSERT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.drawn.size(), 2 * kMenuLines.size());
  EXPECT_EQ(P22ItemLines(run), 6);
  EXPECT_EQ(ItemLines(run), 0);
  EXPECT_EQ(run.Boards(), 2);
  EXPECT_EQ(run.KeyWaits(), 0);
  EXPECT_EQ(run.Count(kPageWipe), 0);
}

// ------------------------------------------------------------ the pages

constexpr float kBehind = -1;  // right behind the piece before, on its row

struct Row {
  const char* text;
  float x, y;
  int colour;
  int waits;     // key waits of the page before the piece
  int group;     // the rows of one calculation, which read alike (0: not read)
  bool goesOn;   // the end of the line before, on a row of its own
};

struct Page {
  const char* item;
  int waits;
  std::vector<std::string> cells;  // the filled cells in the trace
  std::vector<Row> rows;
  // Values of the letters that stand for a binomial, by group.
  std::function<void(int group, std::map<char, double>&)> substitute;
};

const char* const kHeading = "基本の問題(P22)";

const Page kPages[] = {
    {"1",
     1,
     {"fill x1=94 y1=30 x2=454 y2=78 border=3 fill=13", "fill x1=40 y1=90 x2=80 y2=134 border=4 fill=3",
      "fill x1=600 y1=170 x2=640 y2=214 border=4 fill=3"},
     {
         {kHeading, 121.5, 32, 0, 0, 0, false},
         {"1", 46.5, 90, 13, 0, 0, false},
         {"(1)", 80, 90, 3, 0, 0, false},
         {"6a^2-9ab", kBehind, 90, 5, 0, 0, false},
         {"(2)", 40, 150, 3, 0, 0, false},
         {"-12xy+6y^2-2y", kBehind, 150, 5, 0, 0, false},
         {"(3)", 40, 210, 3, 0, 0, false},
         {"(6x^2y-12y)/6y", kBehind, 210, 0, 0, 0, false},
         {"=(6x^2y-12y)*ﾀ1/6yﾀ", 94, 280, 0, 0, 0, false},
         {"=ﾀ6x^2y/6yﾀ+ﾀ-12y/6yﾀ", 94, 350, 0, 0, 0, false},
         {"=x^2-2", 94, 420, 5, 0, 0, false},
         {"(4)", 40, 490, 3, 0, 0, false},
         {"(8a^2b-4ab^2)/(-ﾀ4/3ﾀab)", kBehind, 490, 0, 0, 0, false},
         {"=(8a^2b-4ab^2)*(-ﾀ3/4abﾀ)", 94, 560, 0, 0, 0, false},
         {"=ﾀ8a^2b*(-3)/4abﾀ-ﾀ4ab^2*(-3)/4abﾀ", 560, 30, 0, 0, 0, false},
         {"=-6a+3b", 560, 100, 5, 0, 0, false},
         {"2", 606.5, 170, 13, 1, 0, false},
         {"(1)", 640, 170, 3, 1, 0, false},
         {"(x+3)(2x-4)", kBehind, 170, 0, 1, 1, false},
         {"=x(2x-4)+3(2x-4)", 654, 220, 0, 1, 1, false},
         {"=2x^2-4x+6x-12", 654, 270, 0, 1, 1, false},
         {"=2x^2+2x-12", 654, 320, 5, 1, 1, false},
         {"(2)", 600, 380, 3, 1, 0, false},
         {"(a-4)(a-2b+3)", kBehind, 380, 0, 1, 2, false},
         {"=a(a-2b+3)-4(a-2b+3)", 654, 430, 0, 1, 2, false},
         {"=a^2-2ab+3a-4a+8b-12", 654, 480, 0, 1, 2, false},
         {"=a^2-2ab-a+8b-12", 654, 530, 5, 1, 2, false},
     },
     nullptr},
    {"2",
     0,
     {"fill x1=94 y1=30 x2=454 y2=78 border=3 fill=13", "fill x1=498 y1=30 x2=542 y2=74 border=4 fill=3"},
     {
         {kHeading, 121.5, 32, 0, 0, 0, false},
         {"3", 506.5, 30, 13, 0, 0, false},
         {"(1)", 40, 90, 3, 0, 0, false},
         {"(a+5)(a+1)", kBehind, 90, 0, 0, 1, false},
         {"=a^2+6a+5", 94, 140, 5, 0, 1, false},
         {"(2)", 40, 200, 3, 0, 0, false},
         {"(x-3)(x-8)", kBehind, 200, 0, 0, 2, false},
         {"=x^2-11x+24", 94, 250, 5, 0, 2, false},
         {"(3)", 40, 310, 3, 0, 0, false},
         {"(a+3)(a-5)", kBehind, 310, 0, 0, 3, false},
         {"=a^2-2a-15", 94, 360, 5, 0, 3, false},
         {"(4)", 40, 420, 3, 0, 0, false},
         {"(x+7)(x-6)", kBehind, 420, 0, 0, 4, false},
         {"=x^2+x-42", 94, 470, 5, 0, 4, false},
         {"(5)", 600, 90, 3, 0, 0, false},
         {"(x-2)(x+7)", kBehind, 90, 0, 0, 5, false},
         {"=x^2+5x-14", 654, 140, 5, 0, 5, false},
         {"(6)", 600, 200, 3, 0, 0, false},
         {"(x+5)^2", kBehind, 200, 0, 0, 6, false},
         {"=x^2+10x+25", 654, 250, 5, 0, 6, false},
         {"(7)", 600, 310, 3, 0, 0, false},
         {"(y-3)^2", kBehind, 310, 0, 0, 7, false},
         {"=y^2-6y+9", 654, 360, 5, 0, 7, false},
         {"(8)", 600, 420, 3, 0, 0, false},
         {"(a+2)(a-2)", kBehind, 420, 0, 0, 8, false},
         {"=a^2-4", 654, 470, 5, 0, 8, false},
     },
     nullptr},
    {"3",
     3,
     {"fill x1=88 y1=30 x2=448 y2=78 border=3 fill=13", "fill x1=492 y1=30 x2=536 y2=74 border=4 fill=3"},
     {
         {kHeading, 115.5, 32, 0, 0, 0, false},
         {"4", 500.5, 30, 13, 0, 0, false},
         {"(1) (3x-5)(3x+2)", 22, 90, 0, 0, 1, false},
         {"=(3x)^2-3*3x-10", 88, 150, 0, 0, 1, false},
         {"=9x^2-9x-10", 88, 210, 5, 0, 1, false},
         {"(2) (2x+3y)(2x-5y)", 22, 290, 0, 1, 2, false},
         {"=(2x)^2+(3y-5y)*2x", 44, 350, 0, 1, 2, false},
         {"+3y*(-5y)", 328, 410, 0, 1, 2, true},
         {"=4x^2-4xy-15y^2", 88, 470, 5, 1, 2, false},
         {"(3) (5x+9)(5x-9)", 594, 30, 0, 2, 3, false},
         {"=(5x)^2-9^2", 660, 90, 0, 2, 3, false},
         {"=25x^2-81", 660, 150, 5, 2, 3, false},
         {"(4) (3a-2b)^2", 594, 230, 0, 3, 4, false},
         {"=(3a)^2-2*3a*2b", 660, 290, 0, 3, 4, false},
         {"+(2b)^2", 924, 350, 0, 3, 4, true},
         {"=9a^2-12ab+4b^2", 660, 410, 5, 3, 4, false},
     },
     nullptr},
    {"4",
     2,
     {"fill x1=88 y1=30 x2=448 y2=78 border=3 fill=13", "fill x1=492 y1=30 x2=536 y2=74 border=4 fill=3"},
     {
         {kHeading, 115.5, 32, 0, 0, 0, false},
         {"5", 500.5, 30, 13, 0, 0, false},
         {"(1) ", 22, 90, 3, 0, 0, false},
         {"a+b=X とおくと", kBehind, 90, 0, 0, 0, false},
         {" (a+b-1)(a+b+1)", 88, 140, 0, 0, 1, false},
         {"=(X-1)(X+1)", 88, 190, 0, 0, 1, false},
         {"=X^2-1", 88, 240, 0, 0, 1, false},
         {"=(a+b)^2-1", 88, 290, 0, 0, 1, false},
         {"=a^2+2ab+b^2-1", 88, 340, 5, 0, 1, false},
         {"(2) ", 22, 400, 3, 1, 0, false},
         {"x-y=A とおくと", kBehind, 400, 0, 1, 0, false},
         {" (x-y-9)(x-y-2)", 88, 450, 0, 1, 2, false},
         {"=(A-9)(A-2)", 88, 500, 0, 1, 2, false},
         {"=A^2-11A+18", 88, 550, 0, 1, 2, false},
         {"=(x-y)^2-11(x-y)+18", 88, 600, 0, 1, 2, false},
         {"=x^2-2xy+y^2-11x+11y+18", 660, 30, 5, 1, 2, false},
         {"(3) ", 594, 90, 3, 2, 0, false},
         {"x+y=A とおくと", kBehind, 90, 0, 2, 0, false},
         {" (x+y-5)^2", 660, 150, 0, 2, 3, false},
         {"=(A-5)^2", 660, 210, 0, 2, 3, false},
         {"=A^2-10A+25", 660, 270, 0, 2, 3, false},
         {"=(x+y)^2-10(x+y)+25", 660, 330, 0, 2, 3, false},
         {"=x^2+2xy+y^2-10x-10y+25", 660, 390, 5, 2, 3, false},
     },
     [](int group, std::map<char, double>& v) {
       v['X'] = v['a'] + v['b'];
       v['A'] = group == 2 ? v['x'] - v['y'] : v['x'] + v['y'];
     }},
    {"5",
     2,
     {"fill x1=94 y1=30 x2=454 y2=78 border=3 fill=13", "fill x1=498 y1=30 x2=542 y2=74 border=4 fill=3"},
     {
         {kHeading, 121.5, 32, 0, 0, 0, false},
         {"6", 506.5, 30, 13, 0, 0, false},
         {"(1)", 40, 90, 3, 0, 0, false},
         {"(x-3)(x-5)-(3x-1)(3x+1)", kBehind, 90, 0, 0, 1, false},
         {"=x^2-8x+15-(9x^2-1)", 94, 140, 0, 0, 1, false},
         {"=x^2-8x+15-9x^2+1", 94, 190, 0, 0, 1, false},
         {"=x^2-9x^2-8x+15+1", 94, 240, 0, 0, 1, false},
         {"=-8x^2-8x+16", 94, 290, 5, 0, 1, false},
         {"(2)", 40, 350, 3, 1, 0, false},
         {"(3x-4y)(3x+4y)-9(x+y)^2", kBehind, 350, 0, 1, 2, false},
         {"=9x^2-16y^2-9(x^2+2xy+y^2)", 94, 400, 0, 1, 2, false},
         {"=9x^2-16y^2-9x^2-18xy-9y^2", 94, 450, 0, 1, 2, false},
         {"=9x^2-9x^2-18xy-16y^2-9y^2", 94, 500, 0, 1, 2, false},
         {"=-18xy-25y^2", 94, 550, 5, 1, 2, false},
         {"(3)", 600, 140, 3, 2, 0, false},
         {"(2a-1)(2a+5)+(3a-2)^2", kBehind, 140, 0, 2, 3, false},
         {"=4a^2+8a-5+9a^2-12a+4", 694, 190, 0, 2, 3, false},
         {"=4a^2+9a^2+8a-12a-5+4", 694, 240, 0, 2, 3, false},
         {"=13a^2-4a-1", 694, 290, 5, 2, 3, false},
     },
     nullptr},
};

// True when the texts agree at every point of a grid of three values per
// letter.
bool SameValue(const std::string& left, const std::string& right, const Page& page, int group) {
  for (double x : {2.0, 3.0, 7.0})
    for (double y : {-1.0, 4.0, 5.0})
      for (double a : {-2.0, 3.0, 6.0})
        for (double b : {1.0, 2.0, -5.0}) {
          std::map<char, double> v = {{'x', x}, {'y', y}, {'a', a}, {'b', b}};
          if (page.substitute) page.substitute(group, v);
          ExpressionReader l(left, v), r(right, v);
          double vl = l.Value(), vr = r.Value();
          if (l.failed() || r.failed() || vl != vr) return false;
        }
  return true;
}

void CheckPage(const Session& run, int from, int keysBefore, const Page& page) {
  ASSERT_GE(from, 0);
  std::vector<Drawn> drawn = Slice(run, from);
  ASSERT_GE(drawn.size(), page.rows.size());
  std::map<int, std::vector<std::string>> lines;
  static const std::regex label(R"(^\(\d\) )");
  for (size_t i = 0; i < page.rows.size(); ++i) {
    const Row& row = page.rows[i];
    const Drawn& d = drawn[i];
    EXPECT_EQ(d.text, row.text);
    if (row.x == kBehind) {
      EXPECT_GT(d.x, drawn[i - 1].x) << row.text;
      EXPECT_EQ(drawn[i - 1].y, row.y) << row.text;
    } else {
      EXPECT_EQ(d.x, row.x) << row.text;
    }
    EXPECT_EQ(d.y, row.y) << row.text;
    EXPECT_EQ(d.colour, row.colour) << row.text;
    EXPECT_EQ(d.keys, keysBefore + row.waits) << row.text;
    if (row.group == 0) continue;
    std::string text = std::regex_replace(std::string(row.text), label, "");
    if (row.goesOn) {
      lines[row.group].back() += text;
    } else {
      lines[row.group].push_back(text);
    }
  }
  for (const auto& [group, texts] : lines)
    for (size_t k = 1; k < texts.size(); ++k)
      EXPECT_TRUE(SameValue(texts[k], texts[0], page, group)) << texts[0] << " " << texts[k];
}

TEST(FennorChapter8, EveryPageWithItsCellsRowsAndKeyWaits) {
  for (const Page& page : kPages) {
    SCOPED_TRACE(page.item);
    // Each page twice: the same picture from a fresh wipe.
    Session run = RunFennor(Type("8") + Type(page.item) + Spaces(page.waits) + Type(page.item) + Spaces(page.waits) +
                            Type("6") + Type("10"));
    ASSERT_EQ(run.keysLeft, 0u);
    EXPECT_EQ(run.KeyWaits(), 2 * page.waits);
    EXPECT_EQ(run.Count(kPageWipe), 2);
    EXPECT_EQ(P22ItemLines(run), 3);
    for (const std::string& cell : page.cells) EXPECT_EQ(run.Count(cell), 2) << cell;
    int first = run.Find(kHeading);
    int second = run.Find(kHeading, first + 1);
    CheckPage(run, first, 4, page);
    CheckPage(run, second, 4 + page.waits + 2, page);
    // Nothing else on the page; the item line follows the last row at once.
    EXPECT_EQ(second - first, static_cast<int>(page.rows.size()));
    EXPECT_EQ(Slice(run, second).size(), page.rows.size());
  }
}

TEST(FennorChapter8, PagesSetNoPenWidth) {
  // After chapter 7's practice (which leaves width 5) the page cells keep
  // that width; on a fresh start they are drawn with the start-up width 3.
  Session fresh = RunFennor(Type("8") + Type("2") + Type("6") + Type("10"));
  EXPECT_EQ(fresh.Count("fill x1=94 y1=30 x2=454 y2=78 border=3 fill=13 width=3"), 1);
  Session after = RunFennor(Type("7") + Type("1") + Spaces(15) + Type("1") + Type("4") + Type("8") + Type("2") +
                            Type("6") + Type("10"));
  ASSERT_EQ(after.keysLeft, 0u);
  EXPECT_EQ(after.Count("fill x1=94 y1=30 x2=454 y2=78 border=3 fill=13 width=5"), 1);
}

}  // namespace
