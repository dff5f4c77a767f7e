// Costs of the platform: start-up to the first wait for a key, a full page of
// glyphs drawn and rendered.
#include <benchmark/benchmark.h>

#include "platform/app.h"
#include "tools/programs.h"

namespace {

void BM_StartUpToFirstKeyWait(benchmark::State& state, const char* name) {
  plat::ProgramFn program = lesson::ProgramByName(name);
  for (auto _ : state) {
    plat::HeadlessOptions o;
    o.timeOfDay = "10:20:30";
    benchmark::DoNotOptimize(plat::RunHeadless(o, program));
  }
}
BENCHMARK_CAPTURE(BM_StartUpToFirstKeyWait, corvana, "corvana")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StartUpToFirstKeyWait, dellmir, "dellmir")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StartUpToFirstKeyWait, fennor, "fennor")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StartUpToFirstKeyWait, jorrel, "jorrel")->Unit(benchmark::kMicrosecond);

// A full page of full-width glyphs (90 x 50 cells), recorded and rendered.
void BM_FullPageOfGlyphs(benchmark::State& state) {
  plat::HeadlessOptions o;
  plat::HeadlessBackend backend(o);
  const plat::Text glyph = SJ("番");
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1440, 900);
  cairo_t* cr = cairo_create(s);
  for (auto _ : state) {
    plat::Screen screen(backend);
    screen.SetFontBold(0, -1);
    for (int row = 0; row < 50; ++row)
      for (int col = 0; col < 90; ++col) screen.Symbol(col * 16.0f, 54 + row * 16.0f, glyph, 1, 1, 4);
    screen.canvas().Render(cr);
    cairo_surface_flush(s);
  }
  cairo_destroy(cr);
  cairo_surface_destroy(s);
  state.SetItemsProcessed(state.iterations() * 4500);
}
BENCHMARK(BM_FullPageOfGlyphs)->Unit(benchmark::kMillisecond);

}  // namespace
