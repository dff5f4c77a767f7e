// Keys for the real window backend, fed as SDL events.
#pragma once

#include <SDL.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <streambuf>

#include "tools/key_stream.h"

namespace testing_support {

inline void PushKey(const plat::Text& key) {
  SDL_Event e{};
  if (key == "\r" || key == "\b" || key == "\x0c") {
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = key == "\r" ? SDLK_RETURN : key == "\b" ? SDLK_BACKSPACE : SDLK_HOME;
  } else {
    e.type = SDL_TEXTINPUT;
    std::snprintf(e.text.text, sizeof e.text.text, "%s", key.c_str());
  }
  SDL_PushEvent(&e);
}

// Feeds the keys to SDL's queue in batches, each once the program has taken
// the last (it counts the "key" lines of the trace it is given), and closes
// the window after the last batch is taken (with quietMs, once the program
// has drawn nothing more for that long). A timer does the feeding, so that a
// program waiting for a key is woken whatever it is waiting in.
class KeyFeeder : public std::streambuf {
 public:
  explicit KeyFeeder(soak::Keys keys, Uint32 quietMs = 0) : keys_(std::move(keys)), quietMs_(quietMs) {}
  void Start() {
    SDL_InitSubSystem(SDL_INIT_TIMER);
    timer_ = SDL_AddTimer(1, [](Uint32 interval, void* self) {
      static_cast<KeyFeeder*>(self)->Refill();
      return interval;
    }, this);
  }
  void Stop() { SDL_RemoveTimer(timer_); }
  size_t taken() const { return taken_; }

 private:
  int overflow(int c) override {
    if (lineStart_ && c == 'k') ++taken_;  // only "key" lines start with k
    lineStart_ = c == '\n';
    lastOutput_ = SDL_GetTicks();
    return c;
  }
  void Refill() {
    std::lock_guard lock(mu_);
    if (closed_ || taken_ < next_) return;
    if (next_ == keys_.size()) {
      if (SDL_GetTicks() - lastOutput_ < quietMs_) return;
      SDL_Event quit{};
      quit.type = SDL_QUIT;
      SDL_PushEvent(&quit);
      closed_ = true;
      return;
    }
    for (int n = 0; n < 50 && next_ < keys_.size(); ++n) PushKey(*keys_[next_++]);
  }

  soak::Keys keys_;
  std::mutex mu_;
  size_t next_ = 0;
  bool closed_ = false;
  std::atomic<size_t> taken_{0};
  bool lineStart_ = true;
  Uint32 quietMs_;
  std::atomic<Uint32> lastOutput_{0};
  SDL_TimerID timer_ = 0;
};

}  // namespace testing_support
