// Costs of the platform: start-up to the first wait for a key, a full page of
// glyphs drawn and rendered, a screen of text drawn into the window's picture.
#include <benchmark/benchmark.h>

#include "platform/app.h"
#include "platform/window_picture.h"
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

// A new screen of lesson text (a clear, then 28 lines of words, formulas and
// numbers, 9 operations a line) drawn op by op into the window's picture at
// 1920 x 1080, as the window draws a key's screen: the glyphs are warm, as
// they are after a program's first screens.
void BM_WindowTextScreen(benchmark::State& state) {
  plat::HeadlessOptions o;
  plat::HeadlessBackend backend(o);
  plat::Screen screen(backend);
  plat::WindowPicture picture(1920, 1080);
  picture.RenderAll(nullptr);
  screen.canvas().onChange = [&](const plat::DrawOp* op) { picture.Changed(screen.canvas(), op); };
  const plat::Text words[] = {SJ("次の式を計算しなさい。"), SJ("２ｘ＋３＝"), SJ("(a+b)"), SJ("12.5"), SJ("答え"),
                              SJ("因数分解"), SJ("x"), SJ("平方根"), SJ("-48")};
  size_t glyphs = 0;
  for (auto _ : state) {
    screen.Cls();
    glyphs = 0;
    for (int row = 0; row < 28; ++row) {
      float x = 20;
      for (int i = 0; i < 9; ++i) {
        const plat::Text& w = words[(row + i) % 9];
        screen.Symbol(x, 60 + row * 30.0f, w, 1, 1 + row % 2, 4);
        x += 8.0f * static_cast<float>(w.size()) + 16;
        glyphs += w.size();
      }
    }
    benchmark::DoNotOptimize(picture.Pixels());
    picture.TakeDamage();
  }
  state.counters["bytes_of_text"] = static_cast<double>(glyphs);
}
BENCHMARK(BM_WindowTextScreen)->Unit(benchmark::kMillisecond);

}  // namespace
