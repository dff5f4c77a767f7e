#include "tests/soak_driver.h"

#include <cairo.h>
#include <malloc.h>
#include <pthread.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <ostream>
#include <sstream>
#include <thread>

#include "platform/app.h"
#include "tools/programs.h"

#if defined(__SANITIZE_ADDRESS__)
#define SOAK_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOAK_SANITIZED 1
#endif
#endif
#ifdef SOAK_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

namespace soak {
namespace {

// --- Process figures ---

double ThreadCpuSeconds(clockid_t clock) {
  timespec ts{};
  clock_gettime(clock, &ts);
  return static_cast<double>(ts.tv_sec) + ts.tv_nsec * 1e-9;
}

double ProcessCpuSeconds() { return ThreadCpuSeconds(CLOCK_PROCESS_CPUTIME_ID); }

// --- What a crash, a sanitizer report or a hang prints ---

// Filled before each run, read by the crash handlers: no allocation there.
struct CrashContext {
  std::mutex mu;
  std::string header;             // program, seed, run, how to reproduce
  std::string script;             // the run's keys as lesson-replay tokens
  std::vector<size_t> tokenEnds;  // end of the script after each key
  std::atomic<long> taken{0};     // keys taken in this run
  std::atomic<bool> reported{false};
  std::atomic<bool> active{false};  // a run is going on
};
// Never destroyed: the leak checker's report at exit may still call in.
CrashContext& gContext = *new CrashContext;

void WriteAll(const char* p, size_t n) {
  while (n > 0) {
    ssize_t w = write(STDERR_FILENO, p, n);
    if (w <= 0) return;
    p += w;
    n -= static_cast<size_t>(w);
  }
}

void ReportContext(const char* what) {
  if (!gContext.active.load() || gContext.reported.exchange(true)) return;
  WriteAll("\n", 1);
  WriteAll(what, std::strlen(what));
  WriteAll(gContext.header.data(), gContext.header.size());
  long taken = gContext.taken.load();
  size_t end = 0;
  if (taken > 0 && !gContext.tokenEnds.empty())
    end = gContext.tokenEnds[std::min<size_t>(static_cast<size_t>(taken), gContext.tokenEnds.size()) - 1];
  WriteAll(gContext.script.data(), end);
  WriteAll("\"\n", 2);
}

#ifdef SOAK_SANITIZED
void OnSanitizerDeath() { ReportContext("soak: sanitizer report during "); }
#else
void OnFatalSignal(int sig) {
  ReportContext("soak: fatal signal during ");
  signal(sig, SIG_DFL);
  raise(sig);
}
#endif

void InstallCrashReport() {
  static bool installed = false;
  if (installed) return;
  installed = true;
#ifdef SOAK_SANITIZED
  __sanitizer_set_death_callback(OnSanitizerDeath);
#else
  for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
    struct sigaction sa {};
    sa.sa_handler = OnFatalSignal;
    sa.sa_flags = SA_RESETHAND | SA_NODEFER;
    sigaction(sig, &sa, nullptr);
  }
#endif
}

// Aborts the process when the driving thread has spent more than the limit
// of CPU time since it last took a key. CPU time, not the clock: a loaded
// machine or a sanitizer slows the program down, but never makes it spin.
class Watchdog {
 public:
  explicit Watchdog(double limitSeconds) : limit_(limitSeconds) {
    pthread_getcpuclockid(pthread_self(), &clock_);
    Progress();
    thread_ = std::thread([this] { Watch(); });
  }
  ~Watchdog() {
    {
      std::lock_guard lock(mu_);
      stop_ = true;
    }
    cv_.notify_all();
    thread_.join();
  }
  // Called on the driving thread whenever a key is taken or a run starts.
  void Progress() { last_.store(ThreadCpuSeconds(CLOCK_THREAD_CPUTIME_ID)); }

 private:
  void Watch() {
    std::unique_lock lock(mu_);
    while (!cv_.wait_for(lock, std::chrono::milliseconds(200), [this] { return stop_; })) {
      if (ThreadCpuSeconds(clock_) - last_.load() > limit_) {
        char what[128];
        std::snprintf(what, sizeof what, "soak: hang (%.0f s of CPU without taking a key) during ", limit_);
        ReportContext(what);
        std::abort();
      }
    }
  }

  double limit_;
  clockid_t clock_{};
  std::atomic<double> last_{0};
  std::mutex mu_;
  std::condition_variable cv_;
  bool stop_ = false;
  std::thread thread_;
};

// --- One run of the program ---

struct Outcome {
  enum Kind { kClosed, kEnded, kErrorScreen, kFault, kException } kind = kClosed;
  std::string detail;  // what the error screen said, where the fault was raised
  long taken = 0;      // keys taken
  bool Failed() const { return kind >= kErrorScreen; }
  std::string Signature() const { return std::to_string(kind) + detail; }
};

// The error screen showed: the program is unwound at its next wait.
struct StopRun {};

// How many different texts were drawn, counted in fixed memory (linear
// counting over a bitmap), so that the count never adds to the memory the
// soak watches.
class DistinctCounter {
 public:
  DistinctCounter() : bits_(kBits / 64) {}
  void Add(std::string_view s) {
    uint64_t h = Mix(std::hash<std::string_view>{}(s)) % kBits;
    bits_[h / 64] |= uint64_t{1} << (h % 64);
  }
  long Estimate() const {
    long zeros = 0;
    for (uint64_t w : bits_) zeros += 64 - __builtin_popcountll(w);
    if (zeros == 0) return static_cast<long>(kBits);
    return std::lround(-static_cast<double>(kBits) * std::log(static_cast<double>(zeros) / kBits));
  }

 private:
  static constexpr size_t kBits = size_t{1} << 22;
  std::vector<uint64_t> bits_;
};

struct Stats {
  long keyWaits = 0;
  size_t maxOps = 0;  // drawing operations held for the page, at the most
  DistinctCounter texts;
};

// The headless backend, watched: which keys are taken, what is drawn, and
// now and then a render of the page, so that the renderer runs too.
class SoakBackend : public plat::Backend {
 public:
  SoakBackend(const plat::HeadlessOptions& o, Watchdog* dog, Stats* stats, cairo_t* render, int renderEvery)
      : inner_(o), dog_(dog), stats_(stats), render_(render), renderEvery_(renderEvery) {}

  bool PollKey(plat::Text& key) override {
    if (error_) throw StopRun{};
    bool got = inner_.PollKey(key);
    if (got) {
      ++taken_;
      gContext.taken.store(taken_);
      if (dog_) dog_->Progress();
    }
    return got;
  }
  void WaitForInput(double seconds) override {
    if (error_) throw StopRun{};
    inner_.WaitForInput(seconds);
  }
  void KeyWaitStarts(const plat::Canvas& canvas) override {
    if (error_) throw StopRun{};
    ++stats_->keyWaits;
    stats_->maxOps = std::max(stats_->maxOps, canvas.ops().size());
    if (render_ && renderEvery_ > 0 && stats_->keyWaits % renderEvery_ == 0) Render(canvas);
    inner_.KeyWaitStarts(canvas);
  }
  void Changed(const plat::Canvas&, const plat::DrawOp* op) override {
    if (!op || op->kind != plat::DrawOp::Kind::Text) return;
    stats_->texts.Add(op->text);
    // The error screen draws its report as one text; glyph by glyph would do too.
    tail_ += op->text;
    if (tail_.size() > 256) tail_.erase(0, tail_.size() - 128);
    if (!error_ && tail_.find(ErrorText()) != std::string::npos) {
      error_ = true;
      errorReport_ = plat::ToUtf8(op->text.size() > ErrorText().size() ? op->text : tail_);
    }
  }
  std::string TimeOfDay() override { return inner_.TimeOfDay(); }

  void Render(const plat::Canvas& canvas) {
    cairo_save(render_);
    cairo_scale(render_, 0.5, 0.5);
    canvas.Render(render_);
    cairo_restore(render_);
    cairo_surface_flush(cairo_get_target(render_));
  }

  long taken() const { return taken_; }
  bool error() const { return error_; }
  const std::string& errorReport() const { return errorReport_; }

  static const plat::Text& ErrorText() {
    static const plat::Text t = SJ("エラーが発生しました。");
    return t;
  }

 private:
  plat::HeadlessBackend inner_;
  Watchdog* dog_;
  Stats* stats_;
  cairo_t* render_;
  int renderEvery_;
  long taken_ = 0;
  bool error_ = false;
  std::string tail_;
  std::string errorReport_;
};

Outcome RunOnce(const plat::ProgramFn& program, const RunPlan& plan, Watchdog* dog, Stats& stats, cairo_t* render,
                int renderEvery) {
  plat::HeadlessOptions o;
  o.keys = plan.keys;
  o.timeOfDay = plan.timeOfDay;
  SoakBackend backend(o, dog, &stats, render, renderEvery);
  Outcome out;
  gContext.taken.store(0);
  if (dog) dog->Progress();
  {
    plat::Screen screen(backend);
    try {
      program(screen);
    } catch (const plat::WindowClosed&) {
    } catch (const plat::ProgramEnded&) {
      out.kind = Outcome::kEnded;
    } catch (const StopRun&) {
    } catch (const plat::Fault& f) {
      out.kind = Outcome::kFault;
      out.detail = "run-time fault " + std::to_string(f.code()) + " escaped from " + f.file() + ":" +
                   std::to_string(f.line());
    } catch (const std::exception& e) {
      out.kind = Outcome::kException;
      out.detail = std::string("exception escaped: ") + e.what();
    } catch (...) {
      out.kind = Outcome::kException;
      out.detail = "unknown exception escaped";
    }
    if (render && renderEvery > 0) backend.Render(screen.canvas());
  }
  if (backend.error() && !out.Failed()) {
    out.kind = Outcome::kErrorScreen;
    out.detail = "error screen \"" + backend.errorReport() + "\"";
  }
  out.taken = backend.taken();
  return out;
}

// Cuts keys out of a failing run while it still fails the same way, so that
// the report ends with a short key script.
Keys Shrink(const plat::ProgramFn& program, const RunPlan& failing, const Outcome& failure) {
  Stats stats;
  RunPlan plan = failing;
  plan.keys.resize(std::min(plan.keys.size(), static_cast<size_t>(failure.taken)));
  int attempts = 0;
  for (size_t chunk = plan.keys.size() / 2; chunk >= 1 && attempts < 4000; chunk /= 2) {
    for (size_t i = 0; i < plan.keys.size() && attempts < 4000;) {
      RunPlan candidate = plan;
      candidate.keys.erase(candidate.keys.begin() + static_cast<long>(i),
                           candidate.keys.begin() + static_cast<long>(std::min(i + chunk, candidate.keys.size())));
      ++attempts;
      Outcome o = RunOnce(program, candidate, nullptr, stats, nullptr, 0);
      if (o.Failed() && o.Signature() == failure.Signature()) {
        plan.keys = std::move(candidate.keys);
        plan.keys.resize(std::min(plan.keys.size(), static_cast<size_t>(o.taken)));
      } else {
        i += chunk;
      }
    }
  }
  return plan.keys;
}

std::string Header(const Options& o, int run, const RunPlan& plan) {
  std::ostringstream h;
  h << o.program << " (seed " << o.seed << ", run " << run << ", time " << plan.timeOfDay << ")\n"
    << "  the run alone:  build/tests/lesson-soak " << o.program << " --seed " << o.seed << " --run " << run << "\n"
    << "  the whole soak: build/tests/lesson-soak " << o.program << " --seed " << o.seed << " --keys " << o.keys
    << "\n"
    << "  keys:           build/tools/lesson-replay " << o.program << " --time " << plan.timeOfDay << " --keys \"";
  return h.str();
}

void SetContext(const Options& o, int run, const RunPlan& plan) {
  std::lock_guard lock(gContext.mu);
  gContext.header = Header(o, run, plan);
  gContext.script.clear();
  gContext.tokenEnds.clear();
  for (const auto& k : plan.keys) {
    if (!gContext.script.empty()) gContext.script += ' ';
    gContext.script += ToScript({k});
    gContext.tokenEnds.push_back(gContext.script.size());
  }
  gContext.taken.store(0);
}

// Lets go of the last run's key script, so that what the heap holds
// afterwards is the program's (a report never reads it with no keys taken).
void ReleaseContext() {
  std::lock_guard lock(gContext.mu);
  gContext.taken.store(0);
  std::string().swap(gContext.script);
  std::vector<size_t>().swap(gContext.tokenEnds);
}

}  // namespace

long ResidentKb() {
  // What the allocator keeps in hand but no longer uses goes back first: the
  // figure is then what is in use, not what the soak's own long key streams
  // once needed.
  malloc_trim(0);
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long HeapInUseKb() {
  struct mallinfo2 mi = mallinfo2();
  return static_cast<long>((mi.uordblks + mi.hblkhd) / 1024);
}

Result Run(const Options& o) {
  Result r;
  plat::ProgramFn program = o.programFn ? o.programFn : lesson::ProgramByName(o.program);
  if (!program) {
    r.ok = false;
    r.failure = "unknown program " + o.program;
    return r;
  }
  InstallCrashReport();
  gContext.reported.store(false);
  gContext.active.store(true);
  Stats stats;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 720, 450);
  cairo_t* render = cairo_create(surface);
  double cpu0 = ProcessCpuSeconds();
  {
    Watchdog dog(o.hangCpuSeconds);
    long budget = o.onlyRun >= 0 ? 1 : o.keys;
    long tenth = o.keys / 10;
    for (int run = std::max(o.onlyRun, 0); budget > 0; ++run) {
      RunPlan plan = PlanRun(o.seed, run);
      // The last run stops where the budget does (the window is closed).
      if (o.onlyRun < 0 && plan.keys.size() > static_cast<size_t>(budget)) plan.keys.resize(static_cast<size_t>(budget));
      SetContext(o, run, plan);
      Outcome out = RunOnce(program, plan, &dog, stats, render, o.renderEvery);
      ++r.runs;
      if (out.kind == Outcome::kEnded) ++r.runsEnded;
      r.keysTaken += out.taken;
      budget -= std::max(out.taken, 1L);
      if (out.Failed()) {
        Keys keys = o.shrink ? Shrink(program, plan, out) : plan.keys;
        size_t shown = o.shrink ? keys.size() : static_cast<size_t>(out.taken);
        r.ok = false;
        r.failure = "soak: " + out.detail + " after key " + std::to_string(out.taken) + " of the run, in " +
                    Header(o, run, plan) + ToScript(keys, shown) + "\"" +
                    (o.shrink ? "  (keys cut down to " + std::to_string(shown) + " that still fail)" : "") + "\n";
        break;
      }
      // Memory is measured between runs, the run's keys let go.
      plan = {};
      ReleaseContext();
      if (r.runs == 1) {
        r.rssStartKb = ResidentKb();
        r.heapStartKb = HeapInUseKb();
      }
      if (r.rss10Kb == 0 && r.keysTaken >= tenth) {
        r.rss10Kb = ResidentKb();
        r.heap10Kb = HeapInUseKb();
      }
      if (o.log && r.runs % 50 == 0)
        *o.log << o.program << ": " << r.keysTaken << " keys, " << r.runs << " runs, " << stats.texts.Estimate()
               << " different texts, resident " << ResidentKb() << " KiB, heap "
               << HeapInUseKb() << " KiB" << std::endl;
    }
  }
  gContext.active.store(false);
  r.cpuSeconds = ProcessCpuSeconds() - cpu0;
  r.rss100Kb = ResidentKb();
  r.heap100Kb = HeapInUseKb();
  r.keyWaits = stats.keyWaits;
  r.maxPageOps = static_cast<long>(stats.maxOps);
  r.distinctTexts = static_cast<long>(stats.texts.Estimate());
  cairo_destroy(render);
  cairo_surface_destroy(surface);
  if (r.ok && o.checkGrowth) {
    // Caches fill mostly in the first tenth; after that the heap must stay
    // flat (the caches of fonts and glyphs still add up to a few hundred KiB
    // in the longest soaks). One small allocation kept per key grows it by at
    // least 32 bytes a key: more than this over 90% of the keys of any soak
    // of 20,000 keys or more. The resident figure also counts pages the
    // allocator keeps, and only catches larger growth.
    const long allowedHeapKb = 512;
    if (r.heap100Kb - r.heap10Kb > allowedHeapKb) {
      r.ok = false;
      r.failure = "soak: the heap of " + o.program + " grew from " + std::to_string(r.heap10Kb) +
                  " KiB in use after 10% of the keys to " + std::to_string(r.heap100Kb) +
                  " KiB after all of them (seed " + std::to_string(o.seed) + ")\n";
    }
    long allowed = std::max(4096L, r.rss10Kb / 10);
    if (r.ok && r.rss100Kb - r.rss10Kb > allowed) {
      r.ok = false;
      r.failure = "soak: resident memory of " + o.program + " grew from " + std::to_string(r.rss10Kb) +
                  " KiB after 10% of the keys to " + std::to_string(r.rss100Kb) + " KiB after all of them (seed " +
                  std::to_string(o.seed) + ")\n";
    }
  }
  return r;
}

}  // namespace soak
