#include "platform/app.h"

#include <cstdio>
#include <ctime>
#include <iostream>
#include <sstream>
#include <stdexcept>

namespace plat {

std::string LocalTimeOfDay() {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
  return buf;
}

std::vector<std::optional<Text>> ParseKeyScript(const std::string& script) {
  std::vector<std::optional<Text>> keys;
  std::istringstream in(script);
  std::string tok;
  while (in >> tok) {
    if (tok == "Enter") {
      keys.emplace_back(Text("\r"));
    } else if (tok == "Backspace") {
      keys.emplace_back(Text("\b"));
    } else if (tok == "Space") {
      keys.emplace_back(Text(" "));
    } else if (tok == "Clear") {
      keys.emplace_back(Text("\x0c"));
    } else if (tok == "Close") {
      keys.emplace_back(std::nullopt);
    } else {
      Text k = FromUtf8(tok);
      if (Len(k) != 1) throw std::invalid_argument("unknown key token: " + tok);
      keys.emplace_back(k);
    }
  }
  return keys;
}

HeadlessBackend::HeadlessBackend(const HeadlessOptions& o)
    : keys_(o.keys), time_(o.timeOfDay), shotsDir_(o.shotsDir) {}

bool HeadlessBackend::PollKey(Text& key) {
  // Keys are all typed ahead; once they are used up the pupil closes the window.
  if (next_ >= keys_.size() || !keys_[next_]) {
    next_ = keys_.size();
    throw WindowClosed{};
  }
  key = *keys_[next_++];
  return true;
}

void HeadlessBackend::WaitForInput(double) {
  if (next_ >= keys_.size()) throw WindowClosed{};
}

void HeadlessBackend::KeyWaitStarts(const Canvas& canvas) {
  if (shotsDir_.empty()) return;
  char name[32];
  std::snprintf(name, sizeof name, "/%04d.png", ++shots_);
  canvas.WritePng(shotsDir_ + name);
}

std::string HeadlessBackend::TimeOfDay() { return time_.empty() ? LocalTimeOfDay() : time_; }

int RunProgram(Screen& screen, const ProgramFn& program) {
  (void)screen;
  try {
    program(screen);
  } catch (const WindowClosed&) {
    return 0;
  } catch (const ProgramEnded&) {
    return 0;
  } catch (const Fault& f) {
    std::cerr << "run-time fault " << f.code() << " at " << f.file() << ":" << f.line() << "\n";
    return 1;
  }
  return 0;
}

int RunHeadless(const HeadlessOptions& options, const ProgramFn& program) {
  HeadlessBackend backend(options);
  Screen screen(backend);
  screen.canvas().SetTrace(options.trace);
  int rc = RunProgram(screen, program);
  if (!options.pngPath.empty()) screen.canvas().WritePng(options.pngPath);
  return rc;
}

}  // namespace plat
