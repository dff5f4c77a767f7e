// The area figures of (x+a)(x+b), in Fennor's copy and in Jorrel's: boxes,
// labels, side marks and the globals they leave, at each program's origin.
#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <tuple>

#include "fennor/fennor.h"
#include "jorrel/jorrel.h"
#include "tests/support.h"

namespace {

using testing_support::TestScreen;

struct Label {
  std::string text;
  float x, y;
  int colour;
};

// The program with its start-up done, running `body` in place of the main
// menu and recording every expression drawn.
template <class P>
class FigureProbe : public P {
 public:
  using P::P;
  std::function<void(FigureProbe&)> body;
  std::vector<Label> labels;
  void ShowMainMenu() override { body(*this); }
  void DrawExpression() override {
    // Text measured off the page (y 1800) is not drawn.
    if (!this->gPrintText.empty() && this->gPenY < 1800)
      labels.push_back({plat::ToUtf8(this->gPrintText), this->gPenX, this->gPenY, static_cast<int>(this->gTextColour)});
    P::DrawExpression();
  }
};

void SetOrigin(lesson::Fennor& p, float x, float y) {
  p.gFennorFigureOriginX = x;
  p.gFennorFigureOriginY = y;
}
void SetOrigin(lesson::Jorrel& p, float x, float y) {
  p.gJorrelFigureOriginX = x;
  p.gJorrelFigureOriginY = y;
}
std::pair<float, float> GetOrigin(const lesson::Fennor& p) { return {p.gFennorFigureOriginX, p.gFennorFigureOriginY}; }
std::pair<float, float> GetOrigin(const lesson::Jorrel& p) { return {p.gJorrelFigureOriginX, p.gJorrelFigureOriginY}; }

template <class P>
struct Origin;
template <>
struct Origin<lesson::Fennor> {
  static constexpr float x = 660, y = 100;  // Fennor's chapter 1 task
};
template <>
struct Origin<lesson::Jorrel> {
  static constexpr float x = 792, y = 325;  // Jorrel's chapter 1
};

struct FigureRun {
  std::vector<std::string> trace;
  std::vector<Label> labels;
  float lineEndX = 0, lineY = 0, textColour = 0, originX = 0, originY = 0;
  int keyWaits = 0;
};

template <class P>
FigureRun Draw(bool regroup, const std::vector<std::string>& slots, const std::string& keys = "Space Space") {
  TestScreen ts(keys);
  FigureProbe<P> p(ts.screen());
  FigureRun run;
  p.body = [&](FigureProbe<P>& f) {
    for (size_t k = 0; k < slots.size(); ++k) f.gTermText2(static_cast<float>(k + 1)) = plat::FromUtf8(slots[k]);
    SetOrigin(f, Origin<P>::x, Origin<P>::y);
    f.DrawAreaFigure();
    if (regroup) f.DrawRegroupedAreaFigure();
    run.lineEndX = f.gLineEndX;
    run.lineY = f.gLineY;
    run.textColour = f.gTextColour;
    std::tie(run.originX, run.originY) = GetOrigin(f);
  };
  plat::RunProgram(ts.screen(), [&](plat::Screen&) { p.ProgramMain(); });
  run.trace = ts.lines();
  run.labels = p.labels;
  for (const auto& l : run.trace)
    if (l.rfind("fill x1=96 y1=657 x2=400 y2=693 border=13 fill=4", 0) == 0) ++run.keyWaits;
  return run;
}

std::string Num(float v) {
  std::ostringstream s;
  s << v;
  return s.str();
}

// The filled boxes of the figure (border 0), as "x1 y1 x2 y2 fill" relative
// to the origin.
std::vector<std::string> Boxes(const FigureRun& run, float x0, float y0) {
  static const std::regex fill(R"(^fill x1=(\S+) y1=(\S+) x2=(\S+) y2=(\S+) border=0 fill=(\d+))");
  std::vector<std::string> out;
  for (const auto& l : run.trace) {
    std::smatch m;
    if (!std::regex_search(l, m, fill)) continue;
    out.push_back(Num(std::stof(m[1]) - x0) + " " + Num(std::stof(m[2]) - y0) + " " + Num(std::stof(m[3]) - x0) + " " +
                  Num(std::stof(m[4]) - y0) + " " + m[5].str());
  }
  return out;
}

const std::vector<std::string> kNumberSlots = {"x", "2", "3", "x^2", "2x", "3x", "6", "5x"};

}  // namespace

template <class P>
class AreaFigureTest : public ::testing::Test {};
using Programs = ::testing::Types<lesson::Fennor, lesson::Jorrel>;
TYPED_TEST_SUITE(AreaFigureTest, Programs);

TYPED_TEST(AreaFigureTest, FourBoxesWithLabelsAtTheProgramsOrigin) {
  const float x0 = Origin<TypeParam>::x, y0 = Origin<TypeParam>::y;
  FigureRun run = Draw<TypeParam>(false, kNumberSlots);
  // Square, right strip, lower strip, corner: x 88..440, y 0..308.
  EXPECT_EQ(Boxes(run, x0, y0), (std::vector<std::string>{"88 0 308 220 3", "308 0 440 220 4", "88 220 308 308 6",
                                                           "308 220 440 308 8"}));
  // Box labels in colour 13, inside their boxes, in the order of the boxes,
  // each on the line INT((height - 44) / 2) below the box's top.
  std::vector<Label> inBoxes;
  for (const auto& l : run.labels)
    if (l.colour == 13) inBoxes.push_back(l);
  ASSERT_EQ(inBoxes.size(), 4u);
  const std::string texts[] = {"x^2", "3x", "2x", "6"};
  const float left[] = {88, 308, 88, 308}, right[] = {308, 440, 308, 440}, top[] = {88, 88, 242, 242};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(inBoxes[i].text, texts[i]);
    EXPECT_GE(inBoxes[i].x, x0 + left[i]);
    EXPECT_LT(inBoxes[i].x, x0 + right[i]);
    EXPECT_EQ(inBoxes[i].y, y0 + top[i]) << texts[i];
  }
  // Side labels in colour 0, outside the figure (left of the square or above
  // it): x on the left and on the top, b on the top, a on the left.
  std::vector<std::string> sideTexts;
  for (const auto& l : run.labels) {
    if (l.colour != 0) continue;
    sideTexts.push_back(l.text);
    EXPECT_TRUE(l.x < x0 + 88 || l.y < y0) << l.text << " at " << l.x << "," << l.y;
  }
  EXPECT_EQ(sideTexts, (std::vector<std::string>{"x", "x", "3", "2"}));
  // The dots of the marks, colour 9, lie outside the boxes.
  int dots = 0;
  static const std::regex circle(R"(^circle x=(\S+) y=(\S+) r=\S+ colour=9)");
  for (const auto& l : run.trace) {
    std::smatch m;
    if (!std::regex_search(l, m, circle)) continue;
    ++dots;
    float x = std::stof(m[1]), y = std::stof(m[2]);
    EXPECT_TRUE(x <= x0 + 88.5f || y <= y0 + 0.5f) << l;
  }
  EXPECT_GT(dots, 4 * 20);
  EXPECT_EQ(run.keyWaits, 0);
  // Globals left behind: the line at the corner box's top-right corner,
  // label colour 13, the origin unchanged.
  EXPECT_EQ(run.lineEndX, x0 + 440);
  EXPECT_EQ(run.lineY, y0 + 220);
  EXPECT_EQ(run.textColour, 13);
  EXPECT_EQ(run.originX, x0);
  EXPECT_EQ(run.originY, y0);
}

TYPED_TEST(AreaFigureTest, RegroupedStripsWithTwoKeyWaits) {
  const float x0 = Origin<TypeParam>::x, y0 = Origin<TypeParam>::y;
  FigureRun run = Draw<TypeParam>(true, kNumberSlots);
  std::vector<std::string> boxes = Boxes(run, x0, y0);
  ASSERT_EQ(boxes.size(), 7u);
  // The right strip wiped inside, the strip laid turned under the lower one,
  // then both strips joined: the boxes reach down to y 440.
  EXPECT_EQ(std::vector<std::string>(boxes.begin() + 4, boxes.end()),
            (std::vector<std::string>{"308 0 440 220 15", "88 308 308 440 4", "88 220 308 440 6"}));
  EXPECT_EQ(run.keyWaits, 2);
  // Labels of the second stage: the moved strip "3x", its side "3", the
  // joined strip "5x"; the wiped strip has no label.
  std::vector<std::string> second;
  for (size_t i = 8; i < run.labels.size(); ++i) second.push_back(run.labels[i].text);
  EXPECT_EQ(second, (std::vector<std::string>{"3x", "3", "5x"}));
  EXPECT_EQ(run.labels.back().colour, 13);
  EXPECT_EQ(run.labels.back().y, y0 + 220 + 88);
  EXPECT_EQ(run.lineEndX, x0 + 308);
  EXPECT_EQ(run.lineY, y0 + 220);
  EXPECT_EQ(run.textColour, 13);
}

TYPED_TEST(AreaFigureTest, EmptyBoxLabelsLeaveTheBoxesBare) {
  FigureRun run = Draw<TypeParam>(false, {"x", "a", "b", "", "", "", "", ""});
  std::vector<std::string> texts;
  for (const auto& l : run.labels) texts.push_back(l.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"x", "x", "b", "a"}));
  EXPECT_EQ(Boxes(run, Origin<TypeParam>::x, Origin<TypeParam>::y).size(), 4u);
}
