#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include <cairo.h>

#include <cstring>
#include <random>

#include "platform/app.h"
#include "platform/glyph_origins.h"
#include "platform/runtime.h"
#include "platform/screen.h"
#include "platform/text.h"
#include "tests/support.h"

namespace {

using namespace plat;
using testing_support::Picture;
using testing_support::TestScreen;

TEST(NumberText, StrWritesBlankOrSignAndNoPointForWholeValues) {
  struct Case {
    float v;
    const char* text;
  } cases[] = {
      {0.0f, " 0"},   {-0.0f, " 0"},        {5.0f, " 5"},          {-3.0f, "-3"},     {1234567.0f, " 1234567"},
      {0.5f, " .5"},  {-0.25f, "-.25"},     {12.5f, " 12.5"},      {1.2f, " 1.2"},    {-0.6666667f, "-.6666667"},
      {45.5f, " 45.5"}, {9999999.0f, " 9999999"},
  };
  for (const auto& c : cases) EXPECT_EQ(Str(c.v), c.text) << c.v;
}

TEST(NumberText, ValReadsTheLongestLeadingNumber) {
  struct Case {
    const char* text;
    float v;
  } cases[] = {
      {"12", 12},  {"-3", -3},   {"1.5", 1.5f}, {"5-", 5},  {"1.2.3", 1.2f}, {"", 0},     {"-", 0},
      {".", 0},    {" 42", 42},  {"abc", 0},    {".5", 0.5f}, {"-.5", -0.5f}, {"3/4", 3},
  };
  for (const auto& c : cases) EXPECT_FLOAT_EQ(Val(c.text), c.v) << c.text;
}

TEST(NumberText, WholeNumberConversionRoundsHalfUp) {
  EXPECT_EQ(CInt(2.5f), 3);
  EXPECT_EQ(CInt(-2.5f), -2);
  EXPECT_EQ(CInt(2.4999f), 2);
  EXPECT_EQ(CInt(-0.5f), 0);
  EXPECT_EQ(CInt(6.0f), 6);
  EXPECT_FLOAT_EQ(Int(-2.5f), -3.0f);
  EXPECT_FLOAT_EQ(Int(2.9f), 2.0f);
  EXPECT_THROW(CInt(std::numeric_limits<float>::infinity()), Fault);
  EXPECT_THROW(CInt16(40000.0f), Fault);
}

TEST(Faults, CarryCodeAndSourceLine) {
  try {
    Div(1.0f, 0.0f);
    FAIL();
  } catch (const Fault& f) {
    EXPECT_EQ(f.code(), kFaultDivisionByZero);
    EXPECT_EQ(f.line(), __LINE__ - 4);
  }
  EXPECT_THROW(Checked(std::numeric_limits<float>::max() * 2.0f), Fault);
}

TEST(Arrays, BoundsAreInclusiveFromZeroAndFaultOutside) {
  Array1<float> a;
  EXPECT_THROW(a(0), Fault);  // not created yet
  a.Dim(80);
  a(0) = 1;
  a(80) = 2;
  EXPECT_EQ(a(80.4f), 2);
  try {
    a(81);
    FAIL();
  } catch (const Fault& f) {
    EXPECT_EQ(f.code(), kFaultIndexOutOfRange);
  }
  EXPECT_THROW(a(-1), Fault);
  Array2<Text> t;
  t.Dim(10, 2);
  t(10, 2) = "x";
  EXPECT_THROW(t(11, 0), Fault);
  EXPECT_THROW(t(0, 3), Fault);
}

TEST(Cp932, RoundTripsAndCountsCharacters) {
  struct Case {
    const char* utf8;
    std::string bytes;
  } cases[] = {
      {"①", "\x87\x40"}, {"～", "\x81\x60"}, {"－", "\x81\x7C"},
      {"―", "\x81\x5C"}, {"ﾀ", "\xC0"},     {"Α", "\x83\x9F"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FromUtf8(c.utf8), c.bytes) << c.utf8;
    EXPECT_EQ(ToUtf8(c.bytes), c.utf8);
  }
  Text t = SJ("①P34Q　ﾀ");
  EXPECT_EQ(Len(t), 7);
  EXPECT_EQ(LenB(t), 9);
  EXPECT_EQ(CharAt(t, 1), SJ("①"));
  EXPECT_EQ(Mid(t, 2, 3), "P34");
  EXPECT_EQ(Right(t, 1), "\xC0");
  EXPECT_EQ(InStr(t, "Q"), 5);
  EXPECT_EQ(InStrB(t, "Q"), 6);
  EXPECT_EQ(CharAt(t, 9), "");
}

TEST(Random, SameSeedSameSequenceInUnitInterval) {
  Random a, b;
  a.Randomize(60);
  b.Randomize(60);
  for (int i = 0; i < 1000; ++i) {
    float x = a.Rnd();
    EXPECT_EQ(x, b.Rnd());
    EXPECT_GE(x, 0.0f);
    EXPECT_LT(x, 1.0f);
  }
}

TEST(Palette, TextAndStrokesReadOnTheirSurfaces) {
  // Pairs of (text colour, surface colour) that the lessons draw.
  struct Pair {
    int text, surface;
  } pairs[] = {
      {0, 15}, {3, 15}, {4, 15}, {5, 15}, {7, 15},  // on the page
      {13, 10}, {15, 10},                           // on the menu board
      {13, 3}, {13, 4}, {13, 6}, {13, 8},           // labels in the figures
      {5, 13}, {3, 13}, {5, 11}, {0, 13}, {0, 11},  // text and typed answers in boxed cells
  };
  for (const auto& p : pairs)
    EXPECT_GE(ContrastRatio(p.text, p.surface), 4.5) << "colour " << p.text << " on " << p.surface;
  // Colour 9 is text on the key-wait box, the step box and the page: bold text
  // at this size counts as large, and no one colour reaches 4.5:1 on all three.
  for (int surface : {4, 12, 15}) {
    EXPECT_GE(ContrastRatio(9, surface), 4.0) << "colour 9 on " << surface;
  }
  // Lines, arcs and figure strokes on the page.
  for (int stroke : {0, 3, 5, 7, 9, 11, 13})
    EXPECT_GE(ContrastRatio(stroke, 15), 3.0) << "colour " << stroke << " on the page";
}

// The lessons name colours by their role and hue ("the red box"): each index
// stays in its hue family.
TEST(Palette, ColoursKeepTheirHues) {
  auto hue = [](int index) {
    const Rgb& c = PaletteColour(index);
    double mx = std::max({c.r, c.g, c.b}), mn = std::min({c.r, c.g, c.b}), d = mx - mn;
    double h = mx == c.r ? std::fmod((c.g - c.b) / d, 6.0) : mx == c.g ? (c.b - c.r) / d + 2 : (c.r - c.g) / d + 4;
    return std::fmod(h * 60 + 360, 360.0);
  };
  struct Family {
    int index;
    double from, to;
  } families[] = {
      {3, 210, 250}, {4, 210, 250}, {5, 260, 300}, {6, 170, 200}, {7, 100, 140},
      {9, 20, 40},   {10, 130, 160}, {11, 270, 300}, {12, 45, 65},  {13, 0, 10},
  };
  for (const auto& f : families) {
    EXPECT_GE(hue(f.index), f.from) << "colour " << f.index;
    EXPECT_LE(hue(f.index), f.to) << "colour " << f.index;
  }
}

TEST(Canvas, FilledBoxHasBorderAndFillColours) {
  TestScreen t;
  Screen& s = t.screen();
  s.SetDrawWidth(0, 3);
  s.Line(96, 657, 400, 693, 13, kFilledBox, 4);
  s.Line(500, 100, 600, 200, 7, kFilledBox);  // fill defaults to the border colour
  Picture p(s.canvas());
  EXPECT_EQ(p.ColourAt(200, 675), 4);
  EXPECT_EQ(p.ColourAt(200, 657), 13);
  EXPECT_EQ(p.ColourAt(96, 675), 13);
  EXPECT_EQ(p.ColourAt(550, 150), 7);
  EXPECT_EQ(p.ColourAt(700, 150), 15);
  EXPECT_EQ(t.lines()[0], "fill x1=96 y1=657 x2=400 y2=693 border=13 fill=4 width=3");
}

TEST(Canvas, RelativeSecondPointAndWipesBeyondThePage) {
  TestScreen t;
  Screen& s = t.screen();
  s.Line(816, 640, 1056, 50, 15, kFilledBox, 15, true);
  s.Line(0, 54, 1760, 1800, 15, kFilledBox, 15);
  s.Line(0, 1800, 100, 1800, 0);  // wholly off the page: nothing
  auto lines = t.lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "fill x1=816 y1=640 x2=1872 y2=690 border=15 fill=15 width=1");
}

TEST(Canvas, DotOfHalfUnitRadiusIsVisibleAtWidePen) {
  TestScreen t;
  Screen& s = t.screen();
  s.SetDrawWidth(0, 15);
  s.Circle(300, 300, 0.5f, 5, 0, 0, 5);
  Picture p(s.canvas());
  EXPECT_EQ(p.ColourAt(300, 300), 5);
  EXPECT_EQ(p.ColourAt(305, 300), 5);
  EXPECT_EQ(p.ColourAt(312, 300), 15);
  EXPECT_EQ(t.lines()[0], "circle x=300 y=300 r=0.5 colour=5 width=15 fill=5");
}

TEST(Canvas, ArcRunsClockwiseOnTheScreen) {
  TestScreen t;
  Screen& s = t.screen();
  s.SetDrawWidth(0, 3);
  // A quarter turn from three o'clock, clockwise: through the lower right.
  s.Circle(400, 400, 100, 3, 0.0f, 0.25f);
  Picture p(s.canvas());
  EXPECT_NE(p.ColourAt(471, 471), 15);  // lower right, 45 degrees clockwise
  EXPECT_EQ(p.ColourAt(471, 329), 15);  // upper right stays empty
  EXPECT_NE(t.lines()[0].find("start=0 end=0.25"), std::string::npos);
}

TEST(Canvas, StretchedGlyphInkStaysInItsCell) {
  TestScreen t;
  Screen& s = t.screen();
  s.SetFontName(0, SJ("ゴシック"));
  s.SetFontSize(0, 16);
  s.SetFontBold(0, -1);
  s.Symbol(200, 200, SJ("■"), 3, 2, 0);  // cell 48 x 32
  Picture p(s.canvas());
  int inkLeft = 1440, inkRight = -1, inkTop = 900, inkBottom = -1;
  for (int y = 150; y < 280; ++y)
    for (int x = 150; x < 300; ++x)
      if (p.ColourAt(x, y) == 0) {
        inkLeft = std::min(inkLeft, x);
        inkRight = std::max(inkRight, x);
        inkTop = std::min(inkTop, y);
        inkBottom = std::max(inkBottom, y);
      }
  EXPECT_GE(inkLeft, 199);
  EXPECT_LE(inkRight, 249);
  EXPECT_GE(inkTop, 199);
  EXPECT_LE(inkBottom, 233);
  EXPECT_GT(inkRight - inkLeft, 30);  // really stretched
  EXPECT_EQ(t.lines()[0], "text x=200 y=200 h=3 v=2 colour=0 face=gothic size=16 bold=1 italic=0 \"■\"");
}

// A glyph placed by GlyphOrigins lands on exactly the pixels cairo's own
// text drawing gives it under the same transform (translate to the glyph's
// origin, stretch, move there, show the text), at the page scales of common
// window sizes, on a page set off from the window's corner or not, and at
// points that fall half way between pixels, where cairo's rounding decides
// on which pixel a glyph starts.
TEST(GlyphOrigins, PlaceGlyphsWhereCairosTextDrawingDoes) {
  constexpr int kSide = 640;
  cairo_font_face_t* face = cairo_toy_font_face_create("IPAexGothic", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> frac(0, 1);
  const double stretches[][2] = {{1, 1}, {3, 3}, {0.58, 1}, {2, 0.97}, {0.7351, 2.91}};
  int drawn = 0;
  for (double scale : {1.0, 1.2, 4.0 / 3.0, 2.0, 0.8}) {
    for (double offset : {0.0, 3.5, 91.25}) {
      cairo_surface_t* surfaces[2];
      const std::mt19937 start = rng;
      for (int way = 0; way < 2; ++way) {
        surfaces[way] = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSide, kSide);
        cairo_t* cr = cairo_create(surfaces[way]);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_translate(cr, offset, offset / 2);
        cairo_scale(cr, scale, scale);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_set_font_face(cr, face);
        cairo_set_font_size(cr, 16);
        rng = start;  // both ways draw the same glyphs at the same points
        for (int row = 0; row < 10; ++row) {
          for (int col = 0; col < 10; ++col) {
            // Half of the points put the glyph's origin half way between two
            // pixels (before cairo's own arithmetic moves it by a hair).
            double x = col * 60 / scale, y = (row * 60 + 40) / scale;
            if ((row + col) % 2) {
              x = (std::floor(offset + col * 60) + 0.5 - offset) / scale;
              y = (std::floor(offset / 2 + row * 60 + 40) + 0.5 - offset / 2) / scale;
            } else {
              x += frac(rng);
              y += frac(rng);
            }
            const double* stretch = stretches[(row * 10 + col) % 5];
            cairo_save(cr);
            if (way == 0) {
              cairo_translate(cr, x, y);
              cairo_scale(cr, stretch[0], stretch[1]);
              cairo_move_to(cr, 0, 0);
              cairo_show_text(cr, "\xE6\x95\xB0");  // a kanji
            } else {
              plat::GlyphOrigins origins(cr);
              ASSERT_TRUE(origins.exact());
              cairo_glyph_t* glyphs = nullptr;
              int count = 0;
              cairo_scaled_font_text_to_glyphs(cairo_get_scaled_font(cr), 0, 0, "\xE6\x95\xB0", -1, &glyphs, &count,
                                               nullptr, nullptr, nullptr);
              ASSERT_EQ(count, 1);
              cairo_glyph_t glyph = glyphs[0];
              cairo_glyph_free(glyphs);
              origins.Place(cr, x, y, stretch[0], stretch[1], glyph);
              cairo_show_glyphs(cr, &glyph, 1);
            }
            cairo_restore(cr);
            if (way == 0) ++drawn;
          }
        }
        cairo_destroy(cr);
        cairo_surface_flush(surfaces[way]);
      }
      const int stride = cairo_image_surface_get_stride(surfaces[0]);
      EXPECT_EQ(std::memcmp(cairo_image_surface_get_data(surfaces[0]), cairo_image_surface_get_data(surfaces[1]),
                            static_cast<size_t>(stride) * kSide),
                0)
          << "scale " << scale << ", page set off by " << offset;
      for (cairo_surface_t* s : surfaces) cairo_surface_destroy(s);
    }
  }
  cairo_font_face_destroy(face);
  EXPECT_EQ(drawn, 5 * 3 * 100);
}

TEST(Canvas, WipingAtTheSamePlaceLeavesNoGhost) {
  for (double scale : {1.0, 0.83, 1.37}) {
    TestScreen t;
    Screen& s = t.screen();
    s.SetDrawWidth(0, 3);
    s.Line(96, 657, 400, 693, 13, kFilledBox, 4);  // a prompt box, then its wipe
    s.Line(0, 657, 400, 693, 15, kFilledBox, 15);
    s.Circle(1064, 656, 4, 5, 0, 0, 5);  // the cursor dot, shown and hidden
    s.Circle(1064, 656, 4, 15, 0, 0, 15);
    s.SetDrawWidth(0, 5);
    s.Line(100, 300, 380, 420, 3);  // a slanted line, erased
    s.Line(100, 300, 380, 420, 15);
    Picture p(s.canvas(), scale);
    int w = static_cast<int>(1440 * scale), h = static_cast<int>(900 * scale);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) ASSERT_EQ(p.Pixel(x, y), 0xFFFFFFu) << x << "," << y << " at scale " << scale;
  }
}

TEST(Canvas, WipeDropsWhatItHides) {
  TestScreen t;
  Screen& s = t.screen();
  for (int i = 0; i < 100; ++i) s.Symbol(100, 100, "A", 1, 1, 0);
  s.Symbol(100, 20, "T", 1, 1, 0);  // in the title band, stays
  s.Line(0, 54, 1440, 900, 15, kFilledBox, 15);
  EXPECT_EQ(s.canvas().ops().size(), 2u);
}

// A program left at a prompt, or going round a step loop for an hour, wipes
// the same places and blinks the same dot over and over: the picture it keeps
// must not grow with that.
TEST(Canvas, RepeatedWipesAndBlinksDoNotPileUp) {
  TestScreen t;
  Screen& s = t.screen();
  for (int i = 0; i < 1000; ++i) {
    s.Line(0, 657, 400, 693, 13, kFilledBox, 4);   // a prompt box at the page's left edge
    s.Symbol(128, 666, "A", 1, 1, 9);
    s.Line(0, 657, 400, 693, 15, kFilledBox, 15);  // and its wipe
    s.Line(16, 657, 496, 693, 15, kFilledBox, 15);  // a wipe inside the page
    s.Line(0, 0, 1320, 1300, 15, kFilledBox, 15);  // a wipe past the page's edges
    s.Circle(1064, 656, 4, 5, 0, 0, 5);            // the cursor dot, shown
    s.Circle(1064, 656, 4, 15, 0, 0, 15);          // and hidden
  }
  EXPECT_LE(s.canvas().ops().size(), 3u);
  // What only partly lies under a wipe, or off a disc's centre, stays.
  s.Symbol(1310, 300, "AB", 1, 1, 0);
  s.Line(0, 0, 1320, 1300, 15, kFilledBox, 15);
  s.Circle(1070, 656, 4, 5, 0, 0, 5);
  s.Circle(1064, 656, 4, 15, 0, 0, 15);
  const auto& ops = s.canvas().ops();
  EXPECT_EQ(std::count_if(ops.begin(), ops.end(), [](const DrawOp& o) { return o.kind == DrawOp::Kind::Text; }), 1);
  EXPECT_EQ(std::count_if(ops.begin(), ops.end(), [](const DrawOp& o) { return o.x1 == 1070; }), 1);
}

TEST(Screen, MeasuringDrawsAndTracesNothing) {
  TestScreen t;
  Screen& s = t.screen();
  {
    Screen::MeasureScope m(s);
    s.Symbol(0, 100, "A", 1, 1, 0);
    s.Line(0, 0, 10, 10, 0);
  }
  EXPECT_TRUE(t.trace().empty());
  EXPECT_TRUE(s.canvas().ops().empty());
}

TEST(Screen, BadArgumentsFault) {
  TestScreen t;
  Screen& s = t.screen();
  EXPECT_THROW(s.Symbol(0, 0, "A", 0, 1, 0), Fault);
  EXPECT_THROW(s.Symbol(0, 0, "A", 13, 1, 0), Fault);
  EXPECT_THROW(s.Line(0, 0, 1, 1, 16), Fault);
}

TEST(Screen, MissingFaceFallsBackToGothic) {
  TestScreen t;
  Screen& s = t.screen();
  s.SetFontName(0, "No Such Face");
  EXPECT_EQ(s.fontFace(), Face::Gothic);
  s.SetFontName(0, "Times New Roman");
  EXPECT_EQ(s.fontFace(), Face::Serif);
  s.SetFontName(0, "MT Extra");
  EXPECT_EQ(s.fontFace(), Face::Ell);
}

TEST(Headless, KeysFromScriptThenWindowCloses) {
  TestScreen t("1 Enter Backspace Space Clear");
  Screen& s = t.screen();
  EXPECT_EQ(s.Inkey(), "1");
  EXPECT_EQ(s.Inkey(), "\r");
  EXPECT_EQ(s.Inkey(), "\b");
  EXPECT_EQ(s.Inkey(), " ");
  EXPECT_EQ(s.Inkey(), "\x0c");
  EXPECT_THROW(s.Inkey(), WindowClosed);
  EXPECT_EQ(t.lines()[1], "key \"Enter\"");
  EXPECT_EQ(s.TimeOfDay(), "10:20:30");
  EXPECT_THROW(ParseKeyScript("Enterr"), std::invalid_argument);
}

TEST(Headless, ClosingWhileWaitingEndsWithExitCodeZero) {
  HeadlessOptions o;
  o.keys = ParseKeyScript("5 Close 6");
  int seen = 0;
  int rc = RunHeadless(o, [&](Screen& s) {
    for (;;) {
      if (!s.Inkey().empty()) ++seen;
      s.WaitForInput(1);
    }
  });
  EXPECT_EQ(rc, 0);
  EXPECT_EQ(seen, 1);
}

TEST(Replay, DriverWritesPictureAndTrace) {
  const char* tool = std::getenv("LESSON_REPLAY");
  if (!tool) GTEST_SKIP() << "LESSON_REPLAY not set";
  auto dir = std::filesystem::temp_directory_path() / "lesson_replay_test";
  std::filesystem::create_directories(dir);
  std::string png = (dir / "out.png").string(), trace = (dir / "trace.txt").string();
  std::string cmd = std::string(tool) + " corvana --time 10:20:30 --keys Close --png " + png + " --trace " + trace;
  EXPECT_EQ(std::system(cmd.c_str()), 0);
  EXPECT_GT(std::filesystem::file_size(png), 1000u);
  EXPECT_TRUE(std::filesystem::exists(trace));
  EXPECT_NE(std::system((std::string(tool) + " nosuch 2>/dev/null").c_str()), 0);
}

}  // namespace
