// The window backend on SDL's dummy video driver (no display needed): what
// the program draws reaches the window's pixels, a disc blinking in place
// (the answer field's cursor) leaves no antialiased ring behind, and a full
// lesson screen looks as it does on the headless page.
#include <SDL.h>
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <ostream>

#include "platform/app.h"
#include "tests/window_keys.h"
#include "tools/programs.h"

namespace {

// The window's pixel under a page point, as 0xRRGGBB.
uint32_t WindowPixel(float pageX, float pageY) {
  SDL_Window* window = SDL_GetWindowFromID(1);
  SDL_Surface* s = window ? SDL_GetWindowSurface(window) : nullptr;
  if (!s) return 0xDEADBEEF;
  double scale = std::min(s->w / 1440.0, s->h / 900.0);
  int x = static_cast<int>((s->w - 1440 * scale) / 2 + pageX * scale);
  int y = static_cast<int>((s->h - 900 * scale) / 2 + pageY * scale);
  uint32_t raw = 0;
  SDL_LockSurface(s);
  std::memcpy(&raw, static_cast<uint8_t*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel,
              s->format->BytesPerPixel);
  SDL_UnlockSurface(s);
  uint8_t r, g, b;
  SDL_GetRGB(raw, s->format, &r, &g, &b);
  return static_cast<uint32_t>(r) << 16 | g << 8 | b;
}

TEST(Window, DrawingReachesTheWindowAndABlinkingDotLeavesNoRing) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  bool checked = false;
  int rc = plat::RunInWindow("present", [&](plat::Screen& s) {
    if (!SDL_GetWindowFromID(1)) GTEST_SKIP() << "no dummy window";
    s.Line(100, 100, 300, 200, 0, plat::kFilledBox, 0);
    s.KeyWaitStarts();
    EXPECT_EQ(WindowPixel(200, 150), 0x000000u);
    for (int i = 0; i < 50; ++i) {
      s.Circle(720, 450, 8, 5, 0, 0, 5);
      s.KeyWaitStarts();
      s.Circle(720, 450, 8, 15, 0, 0, 15);
      s.KeyWaitStarts();
    }
    // Around the dot, and across its rim, nothing but the white page.
    for (float dy = -14; dy <= 14; dy += 0.5f)
      for (float dx = -14; dx <= 14; dx += 0.5f) ASSERT_EQ(WindowPixel(720 + dx, 450 + dy), 0xFFFFFFu) << dx << "," << dy;
    // A wipe over part of the black box shows the page again there only.
    s.Line(100, 100, 200, 200, 15, plat::kFilledBox, 15);
    s.KeyWaitStarts();
    EXPECT_EQ(WindowPixel(150, 150), 0xFFFFFFu);
    EXPECT_EQ(WindowPixel(250, 150), 0x000000u);
    checked = true;
  });
  EXPECT_EQ(rc, 0);
  if (!testing::Test::IsSkipped()) {
    EXPECT_TRUE(checked);
  }
}

// Dellmir's screen of three semicircles, drawn as some 800 pen-wide discs
// (stamped in the window), in the window at its first size and after it is
// made larger: the window's pixels are those of the page rendered headless at
// the same size, to within one level of antialiasing.
TEST(Window, ShowsAFullArcScreenAsTheHeadlessPageDoes) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  for (auto [w, h] : {std::pair{0, 0}, std::pair{1920, 1080}}) {
    testing_support::KeyFeeder feeder(plat::ParseKeyScript("1 Enter 3 Enter"), 300);
    std::ostream trace(&feeder);
    int worst = -1;
    size_t discs = 0;
    plat::ProgramFn dellmir = lesson::ProgramByName("dellmir");
    int rc = plat::RunInWindow("arcs", [&](plat::Screen& screen) {
      SDL_Window* window = SDL_GetWindowFromID(1);
      if (!window) GTEST_SKIP() << "no dummy window";
      if (w) SDL_SetWindowSize(window, w, h);
      screen.canvas().SetTrace(&trace);
      feeder.Start();
      try {
        dellmir(screen);
      } catch (const plat::WindowClosed&) {
        feeder.Stop();
        for (const plat::DrawOp& op : screen.canvas().ops())
          if (op.kind == plat::DrawOp::Kind::Circle && op.r == 0.5f && op.fill == op.colour) ++discs;
        SDL_Surface* s = SDL_GetWindowSurface(window);
        // The page headless: the same drawing, each shape as a path.
        cairo_surface_t* page = cairo_image_surface_create(CAIRO_FORMAT_RGB24, s->w, s->h);
        cairo_t* cr = cairo_create(page);
        cairo_set_source_rgb(cr, 0.25, 0.25, 0.25);
        cairo_paint(cr);
        double scale = std::min(s->w / 1440.0, s->h / 900.0);
        cairo_translate(cr, (s->w - 1440 * scale) / 2, (s->h - 900 * scale) / 2);
        cairo_scale(cr, scale, scale);
        cairo_rectangle(cr, 0, 0, 1440, 900);
        cairo_clip(cr);
        screen.canvas().Render(cr);
        cairo_destroy(cr);
        cairo_surface_flush(page);
        const unsigned char* ref = cairo_image_surface_get_data(page);
        int refStride = cairo_image_surface_get_stride(page);
        SDL_LockSurface(s);
        for (int y = 0; y < s->h; ++y)
          for (int x = 0; x < s->w; ++x) {
            uint32_t a, b;
            std::memcpy(&a, static_cast<const uint8_t*>(s->pixels) + y * s->pitch + 4 * x, 4);
            std::memcpy(&b, ref + y * refStride + 4 * x, 4);
            for (int shift = 0; shift < 24; shift += 8)
              worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
          }
        SDL_UnlockSurface(s);
        if (w) {
          EXPECT_EQ(s->w, w);
          EXPECT_EQ(s->h, h);
        }
        cairo_surface_destroy(page);
        throw;
      }
    });
    if (testing::Test::IsSkipped()) return;
    EXPECT_EQ(rc, 0);
    EXPECT_GE(discs, 800u);
    EXPECT_GE(worst, 0);
    EXPECT_LE(worst, 17) << "one level of antialiasing is 17 of 255";
  }
}

}  // namespace
