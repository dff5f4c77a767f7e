// The window backend on SDL's dummy video driver (no display needed): what
// the program draws reaches the window's pixels, and a disc blinking in place
// (the answer field's cursor) leaves no antialiased ring behind.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/app.h"

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

}  // namespace
