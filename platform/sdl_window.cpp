// The window backend: one SDL window showing the page scaled to fit with its
// aspect kept. The picture is rendered by cairo at the window's pixel size, so
// it stays crisp at any size; new drawing is added to the cached raster and
// the whole picture is rendered again only when the window's size changes.
#include <SDL.h>
#include <cairo.h>

#include <chrono>
#include <deque>
#include <iostream>

#include "platform/app.h"

namespace plat {
namespace {

using Clock = std::chrono::steady_clock;

class WindowBackend : public Backend {
 public:
  explicit WindowBackend(const std::string& title) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) throw std::runtime_error(std::string("SDL_Init: ") + SDL_GetError());
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    // Open at the size of the usable desktop, so that the window fills the
    // screen even where no window manager maximises it.
    SDL_Rect usable{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1200, 750};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) usable = {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1200, 750};
    window_ = SDL_CreateWindow(title.c_str(), usable.x, usable.y, usable.w, usable.h,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) throw std::runtime_error(std::string("SDL_CreateWindow: ") + SDL_GetError());
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) throw std::runtime_error(std::string("SDL_CreateRenderer: ") + SDL_GetError());
    SDL_StartTextInput();
    Resize();
  }

  ~WindowBackend() override {
    if (cr_) cairo_destroy(cr_);
    if (surface_) cairo_surface_destroy(surface_);
    if (texture_) SDL_DestroyTexture(texture_);
    SDL_DestroyRenderer(renderer_);
    SDL_DestroyWindow(window_);
    SDL_Quit();
  }

  void Attach(const Canvas* canvas) { canvas_ = canvas; }

  bool PollKey(Text& key) override {
    Pump();
    Present();
    if (keys_.empty()) return false;
    key = keys_.front();
    keys_.pop_front();
    return true;
  }

  void WaitForInput(double seconds) override {
    auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    Present();
    while (keys_.empty()) {
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) break;
      SDL_Event e;
      if (SDL_WaitEventTimeout(&e, static_cast<int>(left))) Handle(e);
      Pump();
      Present();
    }
  }

  void KeyWaitStarts(const Canvas&) override { Present(); }

  void Changed(const Canvas& canvas, const DrawOp* op) override {
    canvas_ = &canvas;
    if (op) {
      cairo_save(cr_);
      Transform();
      Canvas::RenderOp(cr_, *op);
      cairo_restore(cr_);
    } else {
      RenderAll();
    }
    dirty_ = true;
    // Serve the window between statements, so that it repaints and can be
    // closed during long drawing.
    if (Clock::now() - lastPresent_ > std::chrono::milliseconds(50)) {
      Pump();
      Present();
    }
  }

  std::string TimeOfDay() override { return LocalTimeOfDay(); }

  void Maximize() override {
    SDL_MaximizeWindow(window_);
    Pump();
  }

 private:
  void Pump() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) Handle(e);
    if (closed_) throw WindowClosed{};
  }

  void Handle(const SDL_Event& e) {
    switch (e.type) {
      case SDL_QUIT:
        closed_ = true;
        break;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) closed_ = true;
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.window.event == SDL_WINDOWEVENT_RESIZED) Resize();
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED) dirty_ = true;
        break;
      case SDL_TEXTINPUT:
        for (const char* p = e.text.text; *p; ++p) {
          unsigned char c = static_cast<unsigned char>(*p);
          if (c >= 0x20 && c < 0x7F) keys_.emplace_back(1, static_cast<char>(c));
        }
        break;
      case SDL_KEYDOWN:
        switch (e.key.keysym.sym) {
          case SDLK_RETURN:
          case SDLK_KP_ENTER:
            keys_.emplace_back("\r");
            break;
          case SDLK_BACKSPACE:
            keys_.emplace_back("\b");
            break;
          case SDLK_HOME:
          case SDLK_DELETE:
            keys_.emplace_back("\x0c");
            break;
          default:
            break;
        }
        break;
      default:
        break;
    }
  }

  void Resize() {
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    if (w <= 0 || h <= 0) return;
    if (surface_ && w == width_ && h == height_) return;
    width_ = w;
    height_ = h;
    if (cr_) cairo_destroy(cr_);
    if (surface_) cairo_surface_destroy(surface_);
    if (texture_) SDL_DestroyTexture(texture_);
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cr_ = cairo_create(surface_);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
    RenderAll();
  }

  void Transform() {
    double s = std::min(width_ / static_cast<double>(kPageWidth), height_ / static_cast<double>(kPageHeight));
    cairo_translate(cr_, (width_ - kPageWidth * s) / 2, (height_ - kPageHeight * s) / 2);
    cairo_scale(cr_, s, s);
    cairo_rectangle(cr_, 0, 0, kPageWidth, kPageHeight);
    cairo_clip(cr_);
  }

  void RenderAll() {
    cairo_save(cr_);
    cairo_set_source_rgb(cr_, 0.25, 0.25, 0.25);
    cairo_paint(cr_);
    Transform();
    if (canvas_) {
      canvas_->Render(cr_);
    } else {
      const Rgb& c = PaletteColour(kBackgroundColour);
      cairo_set_source_rgb(cr_, c.r, c.g, c.b);
      cairo_paint(cr_);
    }
    cairo_restore(cr_);
    dirty_ = true;
  }

  void Present() {
    if (!dirty_) return;
    cairo_surface_flush(surface_);
    SDL_UpdateTexture(texture_, nullptr, cairo_image_surface_get_data(surface_), cairo_image_surface_get_stride(surface_));
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    dirty_ = false;
    lastPresent_ = Clock::now();
  }

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  int width_ = 0, height_ = 0;
  const Canvas* canvas_ = nullptr;
  std::deque<Text> keys_;
  bool closed_ = false;
  bool dirty_ = true;
  Clock::time_point lastPresent_{};
};

}  // namespace

int RunInWindow(const std::string& title, const ProgramFn& program) {
  try {
    WindowBackend backend(title);
    Screen screen(backend);
    backend.Attach(&screen.canvas());
    int rc = RunProgram(screen, program);
    if (rc != 0) {
      // A fault that no error trap caught: keep the window until it is closed.
      try {
        for (Text key;;) {
          while (backend.PollKey(key)) {
          }
          backend.WaitForInput(3600);
        }
      } catch (const WindowClosed&) {
      }
    }
    return rc;
  } catch (const std::runtime_error& e) {
    std::cerr << e.what() << "\n";
    return 2;
  }
}

}  // namespace plat
