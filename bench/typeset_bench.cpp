// Costs of the expression typesetter: measuring a text against drawing it,
// recorded only and recorded and rasterised op by op as the window does.
// Measuring runs for every fraction part and every boxed cell, so it must
// stay well under a tenth of drawing.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include "common/figures/figures.h"
#include "platform/app.h"

namespace {

const lesson::ProgramSettings kSettings = {
    .title = "bench",
    .ellSize = 15, .ellH = 5, .ellV = 4, .ellRaiseInFraction = 15, .ellRaiseOutside = 6,
    .typesetBlankRule = true,
    .hasDivisorPairs = true,
};

struct BenchLesson : lesson::Lesson {
  using lesson::Lesson::Lesson;
  void ShowMainMenu() override {}
};

// A lesson on a headless screen in the state the start-up leaves.
struct Setup {
  plat::HeadlessOptions options;
  plat::HeadlessBackend backend{options};
  plat::Screen screen{backend};
  BenchLesson lesson{screen, kSettings};
  Setup() {
    screen.SetFontName(0, SJ("ｺﾞｼｯｸ"));
    screen.SetFontSize(0, 16);
    screen.SetDrawWidth(0, 3);
    lesson.gTextColour = 4;
  }
  void Draw(const plat::Text& text) {
    screen.Cls();
    lesson.gPenX = 100;
    lesson.gPenY = 200;
    lesson.gPrintText = text;
    lesson.DrawExpression();
  }
};

const char* const kTexts[] = {
    "(10x+5)^2=100x^2+100x+25",   // a worked line
    "x=ﾀ-b@!b^2-4acﾝ/2aﾀ",         // a fraction with a root: parts measured twice
    "ﾀ3/4ﾀ*ﾀ8/9ﾀ=ﾀ2/3ﾀ",           // three fractions
};

void BM_Measure(benchmark::State& state) {
  Setup s;
  const plat::Text text = plat::FromUtf8(kTexts[state.range(0)]);
  for (auto _ : state) {
    s.lesson.gWorkText = text;
    s.lesson.MeasureTextWidth();
    benchmark::DoNotOptimize(s.lesson.gMeasuredEndX);
  }
}
BENCHMARK(BM_Measure)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_Draw(benchmark::State& state) {
  Setup s;
  const plat::Text text = plat::FromUtf8(kTexts[state.range(0)]);
  for (auto _ : state) {
    s.Draw(text);
    benchmark::DoNotOptimize(s.screen.canvas().ops().size());
  }
}
BENCHMARK(BM_Draw)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_DrawAndRender(benchmark::State& state) {
  Setup s;
  const plat::Text text = plat::FromUtf8(kTexts[state.range(0)]);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1440, 900);
  cairo_t* cr = cairo_create(surface);
  for (auto _ : state) {
    s.Draw(text);
    for (const plat::DrawOp& op : s.screen.canvas().ops()) plat::Canvas::RenderOp(cr, op);
    cairo_surface_flush(surface);
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}
BENCHMARK(BM_DrawAndRender)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
