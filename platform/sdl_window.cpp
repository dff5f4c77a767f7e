// The window backend: one SDL window showing the page scaled to fit with its
// aspect kept (see WindowPicture). Where the window's own pixels are in
// cairo's format, cairo draws straight into them and there is one frame
// buffer; otherwise the picture has its own and changed pixels are copied.
// Only the rectangles that changed are sent to the screen, so that a program
// blinking its cursor at a prompt costs next to nothing.
#include <SDL.h>
#include <locale.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <iostream>
#include <memory>
#include <system_error>
#include <thread>

#include "platform/app.h"
#include "platform/window_picture.h"

namespace plat {
namespace {

using Clock = std::chrono::steady_clock;

// Whether SDL's video driver was named by the user (SDL_VIDEODRIVER, a
// comma-separated list) rather than fallen back to.
bool DriverAskedFor(const std::string& driver) {
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  if (!asked) return false;
  std::string list = std::string(",") + asked + ",";
  return list.find("," + driver + ",") != std::string::npos;
}

// What the first screen needs that has nothing to do with the display: the
// CP932 tables and the font faces the menus use (fontconfig's configuration
// and cache, FreeType's faces), some 8 ms. Loaded on a second thread while
// the main one opens the display and the window; everything it fills is
// built once under a lock or as a thread-safe static. Without a second
// thread they are loaded when first drawn.
class FirstScreenFonts {
 public:
  FirstScreenFonts() : locale_(duplocale(LC_GLOBAL_LOCALE)) {
    try {
      thread_ = std::thread([this] { Load(); });
    } catch (const std::system_error&) {
    }
  }
  ~FirstScreenFonts() {
    Wait();
    if (locale_) freelocale(locale_);
  }
  void Wait() {
    if (thread_.joinable()) thread_.join();
  }

 private:
  void Load() {
    // SDL_Init sets and restores the global locale meanwhile: this thread
    // keeps a copy of it as it was, so that nothing here reads it as it changes.
    if (locale_) uselocale(locale_);
    try {
      DecodeChar("0");
      cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
      cairo_t* cr = cairo_create(surface);
      DrawOp op;
      op.kind = DrawOp::Kind::Text;
      op.text = "0";
      for (Face face : {Face::Gothic, Face::Serif}) {
        for (bool bold : {false, true}) {
          op.face = face;
          op.bold = bold;
          op.italic = face == Face::Serif;
          Canvas::RenderOp(cr, op);
        }
      }
      cairo_destroy(cr);
      cairo_surface_destroy(surface);
    } catch (const std::exception&) {
      // The main thread meets the same fault when it draws, and reports it.
    }
    uselocale(LC_GLOBAL_LOCALE);
  }

  locale_t locale_;  // the global locale as it was before SDL started
  std::thread thread_;
};

// Under X11, SDL_Init opens the input method, whose local form reads the
// locale's whole compose table (half a megabyte of text: some 10 ms, a fifth
// of the start-up). The programs take only ASCII keys, typed without compose
// sequences: those are for accented letters and symbols, which the programs
// ignore, and a Japanese keyboard has no dead keys. An input method for
// Japanese (IBus or Fcitx, which SDL reaches over D-Bus, or an XIM server)
// does not use the table. So while SDL starts, an empty table is named,
// unless the user names one.
class EmptyComposeTable {
 public:
  EmptyComposeTable() : set_(!SDL_getenv("XCOMPOSEFILE") && setenv("XCOMPOSEFILE", "/dev/null", 0) == 0) {}
  ~EmptyComposeTable() {
    if (set_) unsetenv("XCOMPOSEFILE");
  }
  EmptyComposeTable(const EmptyComposeTable&) = delete;
  EmptyComposeTable& operator=(const EmptyComposeTable&) = delete;

 private:
  bool set_;
};

class WindowBackend : public Backend {
 public:
  explicit WindowBackend(const std::string& title) {
    // Named before the second thread starts and unnamed after it ends, so
    // that the environment never changes while another thread may read it.
    EmptyComposeTable compose;
    FirstScreenFonts fonts;
    std::string driver;
    for (int attempt = 1;; ++attempt) {
      if (SDL_Init(SDL_INIT_VIDEO) != 0) throw std::runtime_error(std::string("SDL_Init: ") + SDL_GetError());
      const char* name = SDL_GetCurrentVideoDriver();
      driver = name ? name : "";
      // Without a display SDL falls back to drivers that show nothing: the
      // program would wait for keys no one can type, in a window no one sees.
      if ((driver != "offscreen" && driver != "dummy") || DriverAskedFor(driver)) break;
      SDL_Quit();
      // A display that is named but did not answer (a server busy starting)
      // is asked again a few times before the program gives up.
      constexpr int kAttempts = 4;
      if ((!SDL_getenv("DISPLAY") && !SDL_getenv("WAYLAND_DISPLAY")) || attempt == kAttempts)
        throw std::runtime_error(
            "no display: set DISPLAY or WAYLAND_DISPLAY, or use lesson-replay for a run without a window");
      SDL_Delay(static_cast<Uint32>(100 * attempt));
    }
    // Under X11 the window's own shared-memory image is the cheapest way to
    // show a few changed pixels; SDL would otherwise go through a GPU texture
    // (in software where there is no GPU) and redraw the whole window for each.
    if (driver == "x11") SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Open at the size of the usable desktop, so that the window fills the
    // screen even where no window manager maximises it.
    SDL_Rect usable{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1200, 750};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) usable = {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1200, 750};
    window_ = SDL_CreateWindow(title.c_str(), usable.x, usable.y, usable.w, usable.h,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) {
      SDL_Quit();
      throw std::runtime_error(std::string("SDL_CreateWindow: ") + SDL_GetError());
    }
    if (!SDL_GetWindowSurface(window_)) {
      SDL_DestroyWindow(window_);
      SDL_Quit();
      throw std::runtime_error(std::string("SDL_GetWindowSurface: ") + SDL_GetError());
    }
    SDL_StartTextInput();
    fonts.Wait();
    // The window is new: its first screen is rendered whole and shown at the
    // program's first wait for a key (or once drawing it takes long), not
    // drawn piece by piece over a blank page that no one sees yet.
    lastPresent_ = Clock::now();
  }

  ~WindowBackend() override {
    frame_.reset();
    picture_.reset();
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
    if (picture_ && picture_->WorkAhead()) preparing_ = true;
    while (keys_.empty()) {
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) break;
      SDL_Event e;
      if (preparing_ && !SDL_PollEvent(&e)) {
        // Nothing to answer: a slice of the work done ahead, then look again.
        preparing_ = picture_ && picture_->Prepare();
        continue;
      }
      if (preparing_ || SDL_WaitEventTimeout(&e, static_cast<int>(left))) Handle(e);
      Pump();
      Present();
    }
  }

  void KeyWaitStarts(const Canvas&) override { Present(); }

  void Changed(const Canvas& canvas, const DrawOp* op) override {
    canvas_ = &canvas;
    if (!picture_) {
      // Not shown yet: rendered whole when it is.
    } else if (!Current()) {
      Resize();  // the whole picture, op included
    } else {
      picture_->Changed(canvas, op);
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
        if ((e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.window.event == SDL_WINDOWEVENT_RESIZED) && picture_ &&
            !Current())
          Resize();
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED && picture_) picture_->DamageAll();
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

  // Whether the picture still draws into the window's current surface (a
  // change of size gives the window a new one).
  bool Current() {
    SDL_Surface* now = SDL_GetWindowSurface(window_);
    if (!now || !picture_) return false;
    return now == target_ && now->pixels == targetPixels_ && now->w == picture_->width() &&
           now->h == picture_->height();
  }

  void Resize() {
    SDL_Surface* window = SDL_GetWindowSurface(window_);  // a new one after a change of size
    picture_.reset();
    frame_.reset();
    target_ = nullptr;
    targetPixels_ = nullptr;
    if (!window || window->w <= 0 || window->h <= 0) return;
    target_ = window;
    targetPixels_ = window->pixels;
    // cairo's RGB24 is 32-bit XRGB in native order: SDL's RGB888.
    if (window->format->format == SDL_PIXELFORMAT_RGB888 && !SDL_MUSTLOCK(window) &&
        window->pitch == cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, window->w)) {
      picture_ = std::make_unique<WindowPicture>(static_cast<unsigned char*>(window->pixels), window->w, window->h,
                                                 window->pitch);
    } else {
      picture_ = std::make_unique<WindowPicture>(window->w, window->h);
      frame_.reset(SDL_CreateRGBSurfaceWithFormatFrom(picture_->Pixels(), window->w, window->h, 32,
                                                      picture_->stride(), SDL_PIXELFORMAT_RGB888));
    }
    picture_->RenderAll(canvas_);
    preparing_ = true;  // masks for the new size
  }

  // Sends what changed to the screen.
  void Present() {
    if (!Current()) Resize();
    if (!picture_ || picture_->damage().empty()) return;
    picture_->Pixels();  // cairo's drawing finished
    const std::vector<SDL_Rect>& rects = picture_->damage();
    if (frame_) {
      for (const SDL_Rect& r : rects) {
        SDL_Rect from = r, to = r;
        SDL_BlitSurface(frame_.get(), &from, target_, &to);
      }
    }
    SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size()));
    picture_->TakeDamage();
    lastPresent_ = Clock::now();
  }

  struct FreeSurface {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
  };

  SDL_Window* window_ = nullptr;
  SDL_Surface* target_ = nullptr;  // the window's surface the picture belongs to
  void* targetPixels_ = nullptr;
  std::unique_ptr<WindowPicture> picture_;
  std::unique_ptr<SDL_Surface, FreeSurface> frame_;  // the picture's own pixels, where they are copied
  const Canvas* canvas_ = nullptr;
  std::deque<Text> keys_;
  bool closed_ = false;
  bool preparing_ = false;  // the picture has work to do ahead while idle
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
