// window-perf: measures a lesson program in its real window as a pupil meets
// it, from outside the process, on the X display in DISPLAY (a virtual one,
// Xvfb, in tools/window-perf):
// - start-up: from starting the process to the window showing the drawn menu
//   (the last change of the window's pixels before the program first sleeps
//   waiting for a key);
// - key -> pixels: from a key sent through the X server (XTEST) to the last
//   change of the window's pixels it caused (DAMAGE), for each key of a walk;
// - the program's CPU time per key of the walk (less swayed by a busy machine
//   than the times, which include waiting for a processor);
// - resident memory after start-up and after the walk.
//
//   window-perf PROGRAM_PATH [--keys N] [--seed S] [--prefix "TOKENS"] [--settle MS]
//                            [--more-keys N] [--shot FILE] [--log FILE] [--runs N]
//
// The walk is the soak's pupil (tools/key_stream), without its closes of the
// window, after the keys of --prefix (lesson-replay tokens). When the pupil
// ends the program it is started again (another start-up figure). --more-keys
// sends further keys without timing them, only to see whether the memory
// stays flat. --shot writes the window's pixels at the end as a PNG; --log
// one line per key: its number, the key and its time in ms (-1: no change).
// --runs walks the same keys N times, each from a fresh start: the figures
// are then over all the runs, and "best_of_runs" gives them again over each
// key's fastest run, which leaves out the moments the machine was busy with
// something else (a key slow in every run is slow in its best).
#include <X11/Xlib.h>
#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <cairo.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/app.h"
#include "tools/key_stream.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

long ResidentKb(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

// The fields of a /proc stat file after the command name (the state first),
// empty when the process or thread has ended.
std::string StatAfterName(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  size_t paren = all.rfind(')');
  if (paren == std::string::npos || paren + 2 >= all.size()) return {};
  return all.substr(paren + 2);
}

// CPU time of a process so far, in seconds (user and system).
double CpuSeconds(pid_t pid) {
  std::istringstream rest(StatAfterName("/proc/" + std::to_string(pid) + "/stat"));
  std::string field;
  double ticks = 0;
  for (int i = 3; i <= 15 && rest >> field; ++i)
    if (i == 14 || i == 15) ticks += std::stod(field);  // utime, stime
  return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Every thread of the process is asleep (waiting for an event, or for one
// another), none running: a main thread waiting for a helper thread to finish
// is not yet done.
bool Sleeping(pid_t pid) {
  std::error_code error;
  bool any = false;
  for (std::filesystem::directory_iterator task("/proc/" + std::to_string(pid) + "/task", error), end; !error && task != end;
       task.increment(error)) {
    std::string fields = StatAfterName(task->path() / "stat");
    if (fields.empty()) continue;  // the thread has just ended
    if (fields[0] != 'S') return false;
    any = true;
  }
  return any;
}

struct Options {
  std::string program;
  long keys = 1500;
  uint64_t seed = 20261209;
  std::string prefix;
  double settleMs = 25;
  long moreKeys = 0;
  std::string shot;
  std::string log;
  long runs = 1;
};

class Session {
 public:
  explicit Session(const Options& o) : o_(o) {
    dpy_ = XOpenDisplay(nullptr);
    if (!dpy_) throw std::runtime_error("cannot open the display (DISPLAY)");
    int ev, err, major, minor;
    if (!XDamageQueryExtension(dpy_, &damageEvent_, &err)) throw std::runtime_error("no DAMAGE extension");
    if (!XTestQueryExtension(dpy_, &ev, &err, &major, &minor)) throw std::runtime_error("no XTEST extension");
    XSelectInput(dpy_, DefaultRootWindow(dpy_), SubstructureNotifyMask);
    XSync(dpy_, False);
  }
  ~Session() {
    Stop();
    XCloseDisplay(dpy_);
  }

  // Starts the program; returns the start-up time in ms (negative when it
  // never settled).
  double Start() {
    windows_.clear();
    lastDamage_ = {};
    Clock::time_point t0 = Clock::now();
    pid_ = fork();
    if (pid_ == 0) {
      execl(o_.program.c_str(), o_.program.c_str(), static_cast<char*>(nullptr));
      std::perror("exec");
      _exit(127);
    }
    if (!Settle(t0, 30000)) return -1;
    return Ms(lastDamage_ - t0);
  }

  void Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status;
    waitpid(pid_, &status, 0);
    pid_ = -1;
  }

  bool Running() {
    if (pid_ <= 0) return false;
    int status;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return false;
    }
    return true;
  }

  pid_t pid() const { return pid_; }

  // Sends one key; returns the ms to the last change of the pixels it caused,
  // or nullopt when nothing changed (or the program ended).
  std::optional<double> Key(const plat::Text& key, bool timed = true) {
    KeyCode code = 0;
    bool shift = false;
    if (!CodeFor(key, code, shift)) return std::nullopt;
    Clock::time_point t0 = Clock::now();
    KeyCode shiftCode = XKeysymToKeycode(dpy_, XK_Shift_L);
    if (shift) XTestFakeKeyEvent(dpy_, shiftCode, True, 0);
    XTestFakeKeyEvent(dpy_, code, True, 0);
    XTestFakeKeyEvent(dpy_, code, False, 0);
    if (shift) XTestFakeKeyEvent(dpy_, shiftCode, False, 0);
    XFlush(dpy_);
    if (!timed) return std::nullopt;
    if (!Settle(t0, 10000) || lastDamage_ < t0) return std::nullopt;
    return Ms(lastDamage_ - t0);
  }

  // Waits for the program to settle after keys sent without timing.
  void Settle() { Settle(Clock::now(), 10000); }

  void Shot(const std::string& path) {
    Window w = MainWindow();
    if (!w) return;
    XWindowAttributes a;
    XGetWindowAttributes(dpy_, w, &a);
    XImage* img = XGetImage(dpy_, w, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    if (!img) return;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, a.width, a.height);
    auto* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < a.height; ++y)
      for (int x = 0; x < a.width; ++x)
        reinterpret_cast<uint32_t*>(data + y * stride)[x] = static_cast<uint32_t>(XGetPixel(img, x, y)) & 0xFFFFFF;
    cairo_surface_mark_dirty(s);
    cairo_surface_write_to_png(s, path.c_str());
    cairo_surface_destroy(s);
    XDestroyImage(img);
  }

 private:
  Window MainWindow() const {
    for (auto& [w, d] : windows_)
      if (d.mapped) return w;
    return 0;
  }

  bool CodeFor(const plat::Text& key, KeyCode& code, bool& shift) {
    KeySym sym;
    if (key == "\r") {
      sym = XK_Return;
    } else if (key == "\b") {
      sym = XK_BackSpace;
    } else if (key == "\x0c") {
      sym = XK_Home;
    } else if (key.size() == 1 && key[0] >= 0x20 && key[0] < 0x7F) {
      sym = static_cast<unsigned char>(key[0]);  // Latin-1 key symbols are the characters
    } else {
      return false;
    }
    code = XKeysymToKeycode(dpy_, sym);
    if (!code) return false;
    KeySym plain = XkbKeycodeToKeysym(dpy_, code, 0, 0);
    shift = plain != sym;
    return true;
  }

  // Serves X events until the program has changed its window at least once
  // after since (or a second has passed without a change), no change came for
  // the settle time, and the program sleeps. False on time-out or exit.
  bool Settle(Clock::time_point since, double timeoutMs) {
    Clock::time_point start = Clock::now();
    int sleepingChecks = 0;
    for (;;) {
      Pump(2);
      Clock::time_point now = Clock::now();
      if (!Running()) return false;
      if (Ms(now - start) > timeoutMs) return false;
      bool changed = lastDamage_ >= since;
      double quiet = Ms(now - (changed ? lastDamage_ : since));
      if ((changed || Ms(now - since) > 1000) && quiet >= o_.settleMs && MainWindow()) {
        // Asleep on two looks in a row: not just a round trip to the server.
        sleepingChecks = Sleeping(pid_) ? sleepingChecks + 1 : 0;
        if (sleepingChecks >= 2) return true;
      } else {
        sleepingChecks = 0;
      }
    }
  }

  void Pump(int timeoutMs) {
    if (!XPending(dpy_)) {
      pollfd p{ConnectionNumber(dpy_), POLLIN, 0};
      poll(&p, 1, timeoutMs);
    }
    while (XPending(dpy_)) {
      XEvent e;
      XNextEvent(dpy_, &e);
      if (e.type == CreateNotify && e.xcreatewindow.parent == DefaultRootWindow(dpy_) &&
          !e.xcreatewindow.override_redirect) {
        Damage d = XDamageCreate(dpy_, e.xcreatewindow.window, XDamageReportNonEmpty);
        windows_.push_back({e.xcreatewindow.window, {d, false}});
      } else if (e.type == MapNotify) {
        for (auto& [w, d] : windows_)
          if (w == e.xmap.window) d.mapped = true;
      } else if (e.type == DestroyNotify) {
        std::erase_if(windows_, [&](auto& wd) { return wd.first == e.xdestroywindow.window; });
      } else if (e.type == damageEvent_ + XDamageNotify) {
        auto* de = reinterpret_cast<XDamageNotifyEvent*>(&e);
        XDamageSubtract(dpy_, de->damage, None, None);
        lastDamage_ = Clock::now();
      }
    }
  }

  struct WindowDamage {
    Damage damage;
    bool mapped;
  };
  const Options& o_;
  Display* dpy_ = nullptr;
  int damageEvent_ = 0;
  pid_t pid_ = -1;
  std::vector<std::pair<Window, WindowDamage>> windows_;
  Clock::time_point lastDamage_{};
};

std::string Token(const plat::Text& k) { return soak::ToScript({k}); }

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  size_t rank = static_cast<size_t>(std::max(1.0, std::ceil(p / 100.0 * static_cast<double>(v.size()))));
  return v[rank - 1];
}

int Usage() {
  std::cerr << "usage: window-perf PROGRAM_PATH [--keys N] [--seed S] [--prefix \"TOKENS\"] [--settle MS]"
               " [--more-keys N] [--shot FILE] [--log FILE] [--runs N]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  Options o;
  o.program = argv[1];
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    if (i + 1 >= argc) return Usage();
    std::string v = argv[++i];
    if (a == "--keys") {
      o.keys = std::stol(v);
    } else if (a == "--seed") {
      o.seed = std::stoull(v);
    } else if (a == "--prefix") {
      o.prefix = v;
    } else if (a == "--settle") {
      o.settleMs = std::stod(v);
    } else if (a == "--more-keys") {
      o.moreKeys = std::stol(v);
    } else if (a == "--shot") {
      o.shot = v;
    } else if (a == "--log") {
      o.log = v;
    } else if (a == "--runs") {
      o.runs = std::max(1L, std::stol(v));
    } else {
      return Usage();
    }
  }
  // The walk: the prefix, then the pupil's keys (its closes of the window left out).
  std::vector<plat::Text> walk;
  for (const auto& k : plat::ParseKeyScript(o.prefix))
    if (k) walk.push_back(*k);
  for (int run = 0; static_cast<long>(walk.size()) < o.keys + o.moreKeys; ++run)
    for (const auto& k : soak::PlanRun(o.seed, run).keys)
      if (k) walk.push_back(*k);
  walk.resize(static_cast<size_t>(o.keys + o.moreKeys));

  try {
    Session s(o);
    std::vector<double> startups, latencies;
    double first = s.Start();
    if (first < 0) {
      std::cerr << "window-perf: the program did not settle after starting\n";
      return 1;
    }
    startups.push_back(first);
    long rssStart = ResidentKb(s.pid());
    double cpu = 0, cpuFrom = CpuSeconds(s.pid());
    std::ofstream log;
    if (!o.log.empty()) log.open(o.log);
    double worst = -1;
    size_t worstAt = 0;
    long unchanged = 0;
    std::vector<std::optional<double>> best(static_cast<size_t>(o.keys));
    for (long run = 0; run < o.runs; ++run) {
      if (run > 0) s.Stop();  // each run from a fresh start, made below
      for (size_t i = 0; i < static_cast<size_t>(o.keys); ++i) {
        if (!s.Running()) {
          double t = s.Start();
          if (t >= 0) startups.push_back(t);
          cpuFrom = CpuSeconds(s.pid());
        }
        std::optional<double> ms = s.Key(walk[i]);
        if (s.Running()) {
          double now = CpuSeconds(s.pid());
          cpu += now - cpuFrom;
          cpuFrom = now;
        }
        if (log.is_open()) log << i + 1 << ' ' << Token(walk[i]) << ' ' << (ms ? *ms : -1.0) << '\n';
        if (!ms) {
          ++unchanged;
          continue;
        }
        latencies.push_back(*ms);
        if (!best[i] || *ms < *best[i]) best[i] = *ms;
        if (*ms > worst) {
          worst = *ms;
          worstAt = i;
        }
      }
    }
    long rssWalk = s.Running() ? ResidentKb(s.pid()) : 0;
    long rssMore = 0;
    if (o.moreKeys > 0) {
      for (size_t i = static_cast<size_t>(o.keys); i < walk.size(); ++i) {
        if (!s.Running()) s.Start();
        s.Key(walk[i], false);
        if (i % 20 == 19) s.Settle();
      }
      s.Settle();
      rssMore = s.Running() ? ResidentKb(s.pid()) : 0;
    }
    if (!o.shot.empty()) s.Shot(o.shot);
    s.Stop();

    long over5 = std::count_if(latencies.begin(), latencies.end(), [](double v) { return v > 5; });
    std::string context;
    for (size_t j = worstAt >= 6 ? worstAt - 6 : 0; j <= worstAt && j < walk.size(); ++j)
      context += (context.empty() ? "" : " ") + Token(walk[j]);
    std::printf(
        "startup_ms=%.1f startup_max_ms=%.1f starts=%zu keys=%zu unchanged=%ld median_ms=%.2f p99_ms=%.2f "
        "worst_ms=%.2f over5ms=%ld (%.1f%%) cpu_per_key_ms=%.2f rss_start_kb=%ld rss_walk_kb=%ld",
        Percentile(startups, 50), Percentile(startups, 100), startups.size(), latencies.size(), unchanged,
        Percentile(latencies, 50), Percentile(latencies, 99), worst, over5,
        latencies.empty() ? 0.0 : 100.0 * static_cast<double>(over5) / static_cast<double>(latencies.size()),
        1000 * cpu / static_cast<double>(std::max<long>(o.keys * o.runs, 1)), rssStart, rssWalk);
    if (o.moreKeys > 0) std::printf(" rss_after_%ld_more_keys_kb=%ld", o.moreKeys, rssMore);
    std::printf("\nworst key: #%zu, the last of \"%s\"\n", worstAt + 1, context.c_str());
    if (o.runs > 1) {
      std::vector<double> fastest;
      size_t slowestAt = 0;
      for (size_t i = 0; i < best.size(); ++i)
        if (best[i]) {
          fastest.push_back(*best[i]);
          if (!best[slowestAt] || *best[i] > *best[slowestAt]) slowestAt = i;
        }
      long over = std::count_if(fastest.begin(), fastest.end(), [](double v) { return v > 5; });
      std::printf("best_of_runs: median_ms=%.2f p99_ms=%.2f worst_ms=%.2f over5ms=%ld (%.1f%%) worst key #%zu\n",
                  Percentile(fastest, 50), Percentile(fastest, 99), Percentile(fastest, 100), over,
                  fastest.empty() ? 0.0 : 100.0 * static_cast<double>(over) / static_cast<double>(fastest.size()),
                  slowestAt + 1);
    }
  } catch (const std::exception& e) {
    std::cerr << "window-perf: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
