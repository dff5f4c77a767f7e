// The walk through every item of every chapter, and the checks over what it
// draws: no glyph left cut, nothing of the lesson area in the bottom band,
// and colours that read on their surfaces and that a class can tell apart.
#include <gtest/gtest.h>

#include <map>

#include "platform/text.h"
#include "tools/programs.h"
#include "tools/screen_checks.h"

namespace {

using plat::DrawOp;
using walk::ColourPairs;
using walk::PairKind;

DrawOp TextOp(float x, float y, const char* utf8, int colour = 0, int v = 3) {
  DrawOp op;
  op.kind = DrawOp::Kind::Text;
  op.x1 = x;
  op.y1 = y;
  op.text = plat::FromUtf8(utf8);
  op.h = 3;
  op.v = v;
  op.size = 16;
  op.bold = true;
  op.colour = colour;
  return op;
}

DrawOp FillOp(float x1, float y1, float x2, float y2, int fill, int border = -1) {
  DrawOp op;
  op.kind = DrawOp::Kind::Fill;
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.fill = fill;
  op.colour = border < 0 ? fill : border;
  return op;
}

// The check itself, on small pictures: what it must find and what it must
// let pass.
TEST(CleanScreens, FindsGlyphsLeftCutAndTextInTheBottomBand) {
  const walk::Place place{"test", "00:00:00", 1, 1};
  const DrawOp glyph = TextOp(100, 100, "(");  // 48 units tall: ink about 104..151
  struct Case {
    const char* what;
    std::vector<DrawOp> after;  // drawn after the glyph, before the wait
    bool fault;
  } cases[] = {
      {"a wipe over its foot", {FillOp(0, 140, 400, 300, 15)}, true},
      {"a cell whose top border meets its foot", {FillOp(0, 144, 400, 200, 13, 3)}, true},
      {"a wipe over all of it", {FillOp(0, 90, 400, 300, 15)}, false},
      {"two wipes that cover it between them", {FillOp(0, 90, 400, 120, 15), FillOp(0, 118, 400, 300, 15)}, false},
      {"drawn again after the cut", {FillOp(0, 140, 400, 300, 15), glyph}, false},
      {"a box that stays clear of it", {FillOp(0, 160, 400, 300, 15)}, false},
      {"another glyph drawn over the cut", {FillOp(0, 140, 400, 300, 15), TextOp(100, 100, ")")}, true},
  };
  for (const Case& c : cases) {
    walk::CleanScreens check;
    check.Drawn(glyph, place);
    for (const DrawOp& op : c.after) check.Drawn(op, place);
    check.Waits(plat::Canvas(), place);
    EXPECT_EQ(!check.Faults().empty(), c.fault) << c.what;
  }
  {
    // A cut seen only after the wait still counts at the next one; a clear forgets.
    walk::CleanScreens check;
    check.Drawn(glyph, place);
    check.Waits(plat::Canvas(), place);
    check.Cleared(place);
    check.Drawn(FillOp(0, 140, 400, 300, 15), place);
    check.Waits(plat::Canvas(), place);
    EXPECT_TRUE(check.Faults().empty());
  }
  struct Band {
    DrawOp text;
    bool fault;
  } band[] = {
      {TextOp(100, 620, "あ"), true},          // 48 units from y 620 reach 668
      {TextOp(100, 600, "あ"), false},         // ends above y 657
      {TextOp(1000, 620, "あ"), false},        // right of the band
      {TextOp(16, 666, "①", 0, 1), false},     // the band's own line
      {TextOp(128, 648, "次", 9, 1), false},   // the answer line's prompts
  };
  for (const Band& b : band) {
    walk::CleanScreens check;
    check.Drawn(b.text, place);
    EXPECT_EQ(!check.Faults().empty(), b.fault) << plat::ToUtf8(b.text.text) << " at y " << b.text.y1;
  }
}

TEST(ColourPairs, TextAndStrokesTakeTheSurfaceUnderThemAndFillsTheirNeighbours) {
  plat::Canvas page;
  page.Add(FillOp(100, 100, 300, 300, 3, 0));
  page.Add(FillOp(300, 100, 500, 300, 4, 0));  // touches the first
  page.Add(TextOp(150, 150, "x", 13));         // a large label on fill 3
  page.Add(TextOp(350, 150, "b", 13, 1));      // small text on fill 4
  page.Add(TextOp(600, 150, "あ", 5, 1));      // on the page
  page.Add(TextOp(600, 200, "い", 3, 1));      // beside it, on the page
  DrawOp line;
  line.kind = DrawOp::Kind::Line;
  line.x1 = 120;
  line.y1 = 200;
  line.x2 = 280;
  line.y2 = 200;
  line.colour = 9;
  page.Add(line);
  ColourPairs pairs;
  pairs.Waits(page, walk::Place{"test", "00:00:00"});
  std::map<walk::Pair, int> seen;
  for (const auto& [pair, figures] : pairs.pairs()) seen[pair] = figures.count;
  EXPECT_EQ(seen, (std::map<walk::Pair, int>{{{PairKind::kFills, 3, 4}, 1},
                                             {{PairKind::kLargeLabel, 13, 3}, 1},
                                             {{PairKind::kText, 13, 4}, 1},
                                             {{PairKind::kText, 5, 15}, 1},
                                             {{PairKind::kText, 3, 15}, 1},
                                             {{PairKind::kSideBySide, 3, 5, 15}, 1},
                                             {{PairKind::kStroke, 9, 3}, 1}}));
}

// One walk of the four programs at the walk's times, shared by the checks.
class ScreenWalk : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    walk::Observers both({&clean_, &colours_});
    for (const std::string& program : lesson::ProgramNames()) {
      for (const std::string& time : walk::WalkTimes()) {
        walk::WalkResult r = walk::Walk(program, time, both);
        items_[program] += r.items;
        faults_.insert(faults_.end(), r.faults.begin(), r.faults.end());
      }
    }
  }
  static walk::CleanScreens clean_;
  static ColourPairs colours_;
  static std::map<std::string, int> items_;
  static std::vector<std::string> faults_;
};
walk::CleanScreens ScreenWalk::clean_;
ColourPairs ScreenWalk::colours_;
std::map<std::string, int> ScreenWalk::items_;
std::vector<std::string> ScreenWalk::faults_;

TEST_F(ScreenWalk, ReachesEveryItemAndNeverTheErrorScreen) {
  for (const std::string& f : faults_) ADD_FAILURE() << f;
  // The items of every sub-menu but its end item, at each of the walk's times.
  const int times = static_cast<int>(walk::WalkTimes().size());
  EXPECT_EQ(items_, (std::map<std::string, int>{
                        {"corvana", 35 * times}, {"dellmir", 21 * times}, {"fennor", 35 * times}, {"jorrel", 35 * times}}));
}

TEST_F(ScreenWalk, NoGlyphLeftCutAndNothingInTheBottomBand) {
  for (const std::string& f : clean_.Faults()) ADD_FAILURE() << f;
}

TEST_F(ScreenWalk, ColoursReadOnTheirSurfacesAndAreToldApart) {
  // Colour 9 is the text of the dark key-wait box and of the pale step box:
  // no colour reaches 4.5:1 on both, and it falls a little short on each.
  const std::map<walk::Pair, double> shortOnPurpose = {{{PairKind::kText, 9, 4}, 4.4},
                                                       {{PairKind::kText, 9, 12}, 4.3}};
  ASSERT_FALSE(colours_.pairs().empty());
  for (const auto& [pair, figures] : colours_.pairs()) {
    auto it = shortOnPurpose.find(pair);
    if (it != shortOnPurpose.end()) {
      EXPECT_GE(figures.contrast, it->second) << ColourPairs::Line(pair, figures);
    } else {
      EXPECT_TRUE(figures.passes()) << ColourPairs::Line(pair, figures);
    }
  }
}

}  // namespace
