// The window backend: one SDL window showing the page scaled to fit with its
// aspect kept. The picture is rendered by cairo at the window's pixel size, so
// it stays crisp at any size; new drawing is added to the cached raster and
// the whole picture is rendered again only when the window's size changes.
// Only the part of the window that changed is copied to the screen, so that a
// program blinking its cursor at a prompt costs next to nothing.
#include <SDL.h>
#include <cairo.h>

#include <algorithm>
#include <chrono>
#include <cmath>
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
    // Under X11 the window's own shared-memory image is the cheapest way to
    // show a few changed pixels; SDL would otherwise go through a GPU texture
    // (in software where there is no GPU) and redraw the whole window for each.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver && std::string(driver) == "x11") SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Open at the size of the usable desktop, so that the window fills the
    // screen even where no window manager maximises it.
    SDL_Rect usable{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1200, 750};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) usable = {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1200, 750};
    window_ = SDL_CreateWindow(title.c_str(), usable.x, usable.y, usable.w, usable.h,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) throw std::runtime_error(std::string("SDL_CreateWindow: ") + SDL_GetError());
    if (!SDL_GetWindowSurface(window_)) throw std::runtime_error(std::string("SDL_GetWindowSurface: ") + SDL_GetError());
    SDL_StartTextInput();
    Resize();
  }

  ~WindowBackend() override {
    if (cr_) cairo_destroy(cr_);
    if (frame_) SDL_FreeSurface(frame_);
    if (surface_) cairo_surface_destroy(surface_);
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
    // The picture drops what an opaque shape hides. Where it did, the shape's
    // area is drawn again from the picture: painted over, the antialiased rim
    // of what lay beneath would stay as a faint ring (the blinking dot would
    // leave a circle round every typed digit).
    bool dropped = canvas.ops().size() != shownOps_ + 1;
    shownOps_ = canvas.ops().size();
    if (!op) {
      RenderAll();
    } else if (dropped && op->kind == DrawOp::Kind::Circle) {
      RenderArea(op->left, op->top, op->right, op->bottom);
    } else if (dropped && op->kind == DrawOp::Kind::Fill) {
      // A filled box's inside is plainly painted over; only the strips along
      // its edges are drawn again.
      RenderOpAt(*op);
      float m = static_cast<float>(op->width) + 2;
      RenderArea(op->left, op->top, op->right, op->top + m);
      RenderArea(op->left, op->bottom - m, op->right, op->bottom);
      RenderArea(op->left, op->top, op->left + m, op->bottom);
      RenderArea(op->right - m, op->top, op->right, op->bottom);
    } else {
      RenderOpAt(*op);
    }
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
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED) MarkAllDirty();
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
    SDL_Surface* window = SDL_GetWindowSurface(window_);  // a new one after a change of size
    if (!window || window->w <= 0 || window->h <= 0) return;
    int w = window->w, h = window->h;
    if (surface_ && w == width_ && h == height_) return;
    width_ = w;
    height_ = h;
    if (cr_) cairo_destroy(cr_);
    if (frame_) SDL_FreeSurface(frame_);
    if (surface_) cairo_surface_destroy(surface_);
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cr_ = cairo_create(surface_);
    // The raster seen as an SDL surface, to copy from (cairo's RGB24 is
    // 32-bit XRGB in native order).
    frame_ = SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(surface_), w, h, 32,
                                                cairo_image_surface_get_stride(surface_), SDL_PIXELFORMAT_RGB888);
    RenderAll();
  }

  // Maps page units to the window's pixels; with clip, clips to the page.
  void Transform(bool clip = true) {
    double s = std::min(width_ / static_cast<double>(kPageWidth), height_ / static_cast<double>(kPageHeight));
    cairo_translate(cr_, (width_ - kPageWidth * s) / 2, (height_ - kPageHeight * s) / 2);
    cairo_scale(cr_, s, s);
    if (!clip) return;
    cairo_rectangle(cr_, 0, 0, kPageWidth, kPageHeight);
    cairo_clip(cr_);
  }

  // Adds one operation to the raster.
  void RenderOpAt(const DrawOp& op) {
    cairo_save(cr_);
    Transform();
    Canvas::RenderOp(cr_, op);
    cairo_restore(cr_);
    AddDirty(PixelBounds(op.left, op.top, op.right, op.bottom));
  }

  // The whole pixels a rectangle of the page touches, inside the window.
  SDL_Rect PixelBounds(double x1, double y1, double x2, double y2) {
    cairo_save(cr_);
    cairo_identity_matrix(cr_);
    Transform(false);
    cairo_user_to_device(cr_, &x1, &y1);
    cairo_user_to_device(cr_, &x2, &y2);
    cairo_restore(cr_);
    int l = std::max(0, static_cast<int>(std::floor(x1)) - 1), t = std::max(0, static_cast<int>(std::floor(y1)) - 1);
    int r = std::min(width_, static_cast<int>(std::ceil(x2)) + 1), b = std::min(height_, static_cast<int>(std::ceil(y2)) + 1);
    return {l, t, std::max(0, r - l), std::max(0, b - t)};
  }

  // Draws the picture again inside the pixels of a rectangle of the page.
  void RenderArea(float left, float top, float right, float bottom) {
    SDL_Rect px = PixelBounds(left, top, right, bottom);
    if (px.w <= 0 || px.h <= 0) return;
    cairo_save(cr_);
    cairo_rectangle(cr_, px.x, px.y, px.w, px.h);  // whole pixels: no blended seam
    cairo_clip(cr_);
    Transform();
    const Rgb& bg = PaletteColour(kBackgroundColour);
    cairo_set_source_rgb(cr_, bg.r, bg.g, bg.b);
    cairo_paint(cr_);
    for (const DrawOp& o : canvas_->ops())
      if (o.right >= left && o.left <= right && o.bottom >= top && o.top <= bottom) Canvas::RenderOp(cr_, o);
    cairo_restore(cr_);
    AddDirty(px);
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
    MarkAllDirty();
  }

  void MarkAllDirty() { AddDirty({0, 0, width_, height_}); }
  void AddDirty(const SDL_Rect& r) {
    if (r.w <= 0 || r.h <= 0) return;
    if (dirty_.w <= 0 || dirty_.h <= 0) {
      dirty_ = r;
    } else {
      SDL_UnionRect(&dirty_, &r, &dirty_);
    }
  }

  // Copies what changed to the window.
  void Present() {
    if (dirty_.w <= 0 || dirty_.h <= 0 || !frame_) return;
    SDL_Surface* window = SDL_GetWindowSurface(window_);
    if (!window) return;
    cairo_surface_flush(surface_);
    SDL_Rect to = dirty_;
    SDL_BlitSurface(frame_, &dirty_, window, &to);
    SDL_UpdateWindowSurfaceRects(window_, &dirty_, 1);
    dirty_ = {0, 0, 0, 0};
    lastPresent_ = Clock::now();
  }

  SDL_Window* window_ = nullptr;
  SDL_Surface* frame_ = nullptr;  // the raster's pixels, as SDL sees them
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  int width_ = 0, height_ = 0;
  const Canvas* canvas_ = nullptr;
  size_t shownOps_ = 0;  // operations in the picture when it last changed
  std::deque<Text> keys_;
  bool closed_ = false;
  SDL_Rect dirty_{0, 0, 0, 0};  // pixels not yet copied to the window
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
