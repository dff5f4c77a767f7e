// The window's picture: stamped discs against discs drawn as paths, and the
// rectangles it reports covering every pixel it changed.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <tuple>
#include <vector>

#include "platform/disc_stamps.h"
#include "platform/screen.h"
#include "platform/window_picture.h"
#include "tests/support.h"

namespace {

using plat::DrawOp;

// The largest difference of one colour channel between two RGB24 rasters.
int MaxChannelDifference(const unsigned char* a, const unsigned char* b, int w, int h, int stride) {
  int worst = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint32_t pa, pb;
      std::memcpy(&pa, a + y * stride + 4 * x, 4);
      std::memcpy(&pb, b + y * stride + 4 * x, 4);
      for (int shift = 0; shift < 24; shift += 8)
        worst = std::max(worst, std::abs(static_cast<int>((pa >> shift) & 0xFF) - static_cast<int>((pb >> shift) & 0xFF)));
    }
  return worst;
}

// One level of cairo's antialiasing: a fifteenth of full coverage, and one
// more for the rounding of each side's blend (a channel that runs from white
// to nearly 0 differs by 18 at one level).
constexpr int kOneLevel = 255 / 15 + 1;

DrawOp Disc(float x, float y, float r, int colour, int width) {
  DrawOp op;
  op.kind = DrawOp::Kind::Circle;
  op.x1 = x;
  op.y1 = y;
  op.r = r;
  op.colour = colour;
  op.fill = colour;
  op.width = width;
  return op;
}

struct Raster {
  Raster(int w, int h) : s(cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h)), cr(cairo_create(s)) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
  }
  ~Raster() {
    cairo_destroy(cr);
    cairo_surface_destroy(s);
  }
  unsigned char* data() {
    cairo_surface_flush(s);
    return cairo_image_surface_get_data(s);
  }
  cairo_surface_t* s;
  cairo_t* cr;
};

// A stamp stands for a disc drawn as a path wherever it lies: the pen-wide
// dots of a thick curve (radius 0.5, pen 15), a cursor dot, a small marker,
// and a disc in the page colour that hides one; at the scales of common
// window sizes. Where the centre falls on a stamp's own sub-pixel position
// the pixels are the same; elsewhere an edge pixel may differ by one level of
// cairo's antialiasing (a fifteenth of full coverage).
TEST(DiscStamps, MatchDiscsDrawnAsPaths) {
  struct Case {
    float r;
    int colour, width;
  } cases[] = {{0.5f, 3, 15}, {4, 5, 1}, {1, 13, 2}, {6, 7, 3}, {4, 15, 1}};
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> at(20, 80);
  for (double scale : {1.0, 4.0 / 3.0, 1.2, 2.0}) {
    for (const Case& c : cases) {
      plat::DiscStamps stamps;
      for (int i = 0; i < 60; ++i) {
        DrawOp op = Disc(at(rng), at(rng), c.r, c.colour, c.width);
        bool onPhase = i % 3 == 0;
        if (onPhase) {  // a centre on the stamp's own grid of positions
          op.x1 = static_cast<float>(std::round(op.x1 * scale * 16) / 16 / scale);
          op.y1 = static_cast<float>(std::round(op.y1 * scale * 30) / 30 / scale);
        }
        Raster drawn(220, 220), stamped(220, 220);
        cairo_scale(drawn.cr, scale, scale);
        plat::Canvas::RenderOp(drawn.cr, op);
        stamps.Draw(stamped.s, {0, 0, 220, 220}, op, op.x1 * scale, op.y1 * scale, scale);
        int stride = cairo_image_surface_get_stride(drawn.s);
        ASSERT_LE(MaxChannelDifference(drawn.data(), stamped.data(), 220, 220, stride), onPhase ? 1 : kOneLevel)
            << "r=" << c.r << " pen=" << c.width << " colour=" << c.colour << " scale=" << scale << " at " << op.x1
            << "," << op.y1;
      }
    }
  }
}

// Masks made ahead, while the program waits, are the masks a disc would have
// made for itself: a curve drawn after the work is done is the same curve.
TEST(DiscStamps, MasksMadeAheadDrawTheSame) {
  constexpr int kPhases = plat::DiscStamps::kPhasesX * plat::DiscStamps::kPhasesY;
  plat::DiscStamps ahead, onDemand;
  int slices = 0;
  while (ahead.Prepare(Disc(0, 0, 0.5f, 0, 5), 1.2, 8)) ++slices;
  EXPECT_EQ(ahead.masks(), static_cast<size_t>(kPhases));
  EXPECT_EQ(slices, (kPhases + 7) / 8 - 1);
  EXPECT_FALSE(ahead.Prepare(Disc(0, 0, 0.5f, 0, 5), 1.2, 8));
  Raster a(300, 200), b(300, 200);
  for (int i = 0; i <= 180; ++i) {
    float t = static_cast<float>(i) * 3.14159f / 180;
    DrawOp dot = Disc(120 + 100 * std::cos(t), 140 - 100 * std::sin(t), 0.5f, 3, 5);
    ahead.Draw(a.s, {0, 0, 300, 200}, dot, dot.x1 * 1.2, dot.y1 * 1.2, 1.2);
    onDemand.Draw(b.s, {0, 0, 300, 200}, dot, dot.x1 * 1.2, dot.y1 * 1.2, 1.2);
  }
  EXPECT_EQ(ahead.masks(), static_cast<size_t>(kPhases));
  EXPECT_EQ(MaxChannelDifference(a.data(), b.data(), 300, 200, cairo_image_surface_get_stride(a.s)), 0);
}

// The work the window does while it waits from start-up on makes the masks
// of every pen the lessons draw curves with: a first curve of any of them
// finds its dots made and leaves no work behind.
TEST(WindowPicture, MakesTheMasksOfEveryCurvePenAhead) {
  for (int pen : {3, 5, 6, 8, 15}) {
    testing_support::TestScreen ts;
    plat::Screen& s = ts.screen();
    plat::WindowPicture picture(1920, 1080);
    picture.RenderAll(nullptr);
    while (picture.Prepare()) {
    }
    s.canvas().onChange = [&](const DrawOp* op) { picture.Changed(s.canvas(), op); };
    s.SetDrawWidth(0, pen);
    for (int i = 0; i <= 90; ++i) {
      const float t = static_cast<float>(i) * 3.14159f / 90;
      s.Circle(700 + 300 * std::cos(t), 500 - 300 * std::sin(t), 0.5f, 3, 0, 0, 3);
    }
    picture.Pixels();
    EXPECT_FALSE(picture.WorkAhead()) << "pen " << pen;
  }
}

// A kind of disc the picture has no masks for is not stamped (the caller
// draws it as a path) but noted. The kinds drawn by the dozen (a curve's
// dots) are kept, and the work done later makes every mask of them; from
// then on their discs are stamped as Draw stamps them. A kind drawn a few
// times (a cursor's dot, blinking) is forgotten and stays without masks.
TEST(DiscStamps, KindsOfCurvesFoundMissingAreMadeLater) {
  constexpr int kPhases = plat::DiscStamps::kPhasesX * plat::DiscStamps::kPhasesY;
  plat::DiscStamps stamps, reference;
  Raster a(200, 200), b(200, 200);
  const DrawOp cursor = Disc(80, 80, 4, 15, 1);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(stamps.DrawIfMade(a.s, {0, 0, 200, 200}, cursor, 160, 160, 2.0));
  for (int i = 0; i < 40; ++i) {
    const DrawOp dot = Disc(20 + static_cast<float>(i) * 1.7f, 50, 1, 7, 3);
    EXPECT_FALSE(stamps.DrawIfMade(a.s, {0, 0, 200, 200}, dot, dot.x1 * 2, dot.y1 * 2, 2.0));
  }
  EXPECT_EQ(MaxChannelDifference(a.data(), b.data(), 200, 200, cairo_image_surface_get_stride(a.s)), 0);
  EXPECT_TRUE(stamps.KeepNoted());
  while (stamps.PrepareNoted(50)) {
  }
  EXPECT_FALSE(stamps.KeepNoted());
  EXPECT_EQ(stamps.masks(), static_cast<size_t>(kPhases));
  const DrawOp dot = Disc(50.3f, 50.7f, 1, 7, 3);
  EXPECT_TRUE(stamps.DrawIfMade(a.s, {0, 0, 200, 200}, dot, dot.x1 * 2, dot.y1 * 2, 2.0));
  reference.Draw(b.s, {0, 0, 200, 200}, dot, dot.x1 * 2, dot.y1 * 2, 2.0);
  EXPECT_EQ(MaxChannelDifference(a.data(), b.data(), 200, 200, cairo_image_surface_get_stride(a.s)), 0);
  EXPECT_FALSE(stamps.DrawIfMade(a.s, {0, 0, 200, 200}, cursor, 160, 160, 2.0));
}

// A stamp writes nothing outside its clip: a disc cut by the edge of a
// region drawn again leaves the pixels beyond that edge as they were.
TEST(DiscStamps, KeepInsideTheirClip) {
  plat::DiscStamps stamps;
  Raster r(100, 100);
  stamps.Draw(r.s, {50, 0, 100, 100}, Disc(50, 50, 0.5f, 0, 15), 50, 50, 2.0);
  const unsigned char* p = r.data();
  int stride = cairo_image_surface_get_stride(r.s);
  auto at = [&](int x, int y) {
    uint32_t v;
    std::memcpy(&v, p + y * stride + 4 * x, 4);
    return v & 0xFFFFFF;
  };
  EXPECT_EQ(at(49, 50), 0xFFFFFFu);
  EXPECT_EQ(at(40, 50), 0xFFFFFFu);
  EXPECT_EQ(at(50, 50), 0x000000u);
  EXPECT_EQ(at(60, 50), 0x000000u);
}

// Drawing of every kind goes into the window's picture while a copy (the
// screen) receives only the rectangles the picture reports. The screen must
// always equal the picture, and the picture, built up step by step, must
// equal the whole picture rendered afresh: a blinking dot, wipes over part of
// the drawing, a dotted thick curve, texts, boxes and a clear included.
TEST(WindowPicture, DamageCoversEveryChangedPixel) {
  // Sent to the screen after each operation, or only when the program would
  // wait for a key (a clear or wipe then waits for what comes next).
  for (auto [w, h, eachOp] : {std::tuple{1000, 700, true}, std::tuple{1920, 1080, true}, std::tuple{2880, 1800, true},
                              std::tuple{1000, 700, false}, std::tuple{1920, 1080, false}}) {
    testing_support::TestScreen ts;
    plat::Screen& s = ts.screen();
    plat::WindowPicture picture(w, h);
    picture.RenderAll(nullptr);
    std::vector<unsigned char> screen(static_cast<size_t>(picture.stride()) * h);
    auto copy = [&] {
      const unsigned char* from = picture.Pixels();
      for (const SDL_Rect& r : picture.damage())
        for (int y = r.y; y < r.y + r.h; ++y)
          std::memcpy(screen.data() + y * picture.stride() + 4 * r.x, from + y * picture.stride() + 4 * r.x,
                      4 * static_cast<size_t>(r.w));
      picture.TakeDamage();
    };
    copy();
    s.canvas().onChange = [&](const DrawOp* op) {
      picture.Changed(s.canvas(), op);
      if (eachOp) copy();
    };
    auto check = [&](const char* when) {
      copy();
      ASSERT_EQ(MaxChannelDifference(screen.data(), picture.Pixels(), w, h, picture.stride()), 0)
          << "screen and picture differ " << when << " at " << w << "x" << h;
      plat::WindowPicture fresh(w, h);
      fresh.RenderAll(&s.canvas());
      // cairo's antialiasing of a line may round differently under a clip to
      // a few pixels than across the whole page: within a level; a lost or
      // ghostly shape differs by far more.
      ASSERT_LE(MaxChannelDifference(fresh.Pixels(), picture.Pixels(), w, h, picture.stride()), kOneLevel)
          << "step by step and afresh differ " << when << " at " << w << "x" << h;
    };
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> X(-20, 1460), Y(-20, 920);
    for (int round = 0; round < 3; ++round) {
      s.SetDrawWidth(0, 2);
      for (int i = 0; i < 40; ++i) {
        float x = X(rng), y = Y(rng);
        switch (i % 5) {
          case 0:
            s.Symbol(x, y, SJ("ab12計算"), 1 + i % 3, 1 + i % 2, i % 15);
            break;
          case 1:
            s.Line(x, y, X(rng), Y(rng), i % 15);
            break;
          case 2:
            s.Line(x, y, x + 120, y + 60, 3, plat::kBox);
            break;
          case 3:
            s.Circle(x, y, 30, 7, 0.1f, 0.6f);
            break;
          case 4:
            s.Connect({{x, y}, {x + 40, y + 90}, {x + 100, y - 20}}, 1);
            break;
        }
      }
      s.SetDrawWidth(0, 15);
      for (int i = 0; i <= 180; ++i) {
        float t = static_cast<float>(i) * 3.14159f / 180;
        s.Circle(700 + 300 * std::cos(t), 500 - 300 * std::sin(t), 0.5f, 3, 0, 0, 3);
      }
      s.SetDrawWidth(0, 1);
      for (int i = 0; i < 6; ++i) {
        s.Circle(400, 620, 4, 5, 0, 0, 5);
        s.Circle(400, 620, 4, 15, 0, 0, 15);
      }
      s.Circle(1437, 450, 4, 5, 0, 0, 5);  // across the page's edge
      // Shapes along the inside of the boxes' edges, which the boxes hide.
      s.Symbol(601, 250, SJ("x計"), 1, 1, 0);
      s.Line(610, 400, 890, 400, 0);
      s.Circle(605, 186, 3, 2, 0, 0, 2);
      s.Line(600, 180, 900, 400, 15, plat::kFilledBox, 15);
      s.Symbol(101, 640, SJ("x計"), 1, 1, 0);
      s.Line(110, 700, 290, 700, 0);
      s.Line(100.5f, 610, 100.5f, 690, 0);
      s.Line(100, 600, 300, 700, 13, plat::kFilledBox, 12);
      check("after drawing");
      // A wipe, and an opaque box over part of it at once (what the box
      // covers need not be wiped first).
      s.Line(520, 120, 1100, 330, 0);  // across the box's edges
      s.Line(500, 100, 1000, 500, 15, plat::kFilledBox, 15);
      s.Line(550.3f, 150.6f, 1200, 300, 7, plat::kFilledBox, 3);
      s.Symbol(560, 320, SJ("x計"), 1, 1, 0);
      check("after a wipe under a box");
      if (round == 1) {
        s.Cls();
        check("after a clear");
      }
      if (round == 2) {
        s.Cls();
        s.Line(300.5f, 200, 800, 600, 0, plat::kFilledBox, 10);
        check("after a clear and a box");
      }
    }
  }
}

}  // namespace
