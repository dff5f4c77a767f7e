// Running a program on a backend: in a window, or headless with scripted keys.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/screen.h"

namespace plat {

using ProgramFn = std::function<void(Screen&)>;

// Runs the program in a maximised, resizable window. Returns the exit code:
// 0 when the program ends itself or the window is closed.
int RunInWindow(const std::string& title, const ProgramFn& program);

struct HeadlessOptions {
  std::vector<std::optional<Text>> keys;  // nullopt: the user closes the window
  std::string timeOfDay;                  // "HH:MM:SS"; empty: the real clock
  std::ostream* trace = nullptr;          // one line per visible drawing call and key
  std::string shotsDir;                   // PNG at each wait for a key: 0001.png, ...
  std::string pngPath;                    // PNG of the page at the end
};

// Keys from a script of whitespace-separated tokens: one character is that
// key; Enter, Backspace, Space, Clear (code 12) and Close are named keys.
// Throws std::invalid_argument for an unknown token.
std::vector<std::optional<Text>> ParseKeyScript(const std::string& script);

// Runs the program with no window. Returns the exit code as RunInWindow.
int RunHeadless(const HeadlessOptions& options, const ProgramFn& program);

// The headless backend itself, for tests that drive a program in-process.
class HeadlessBackend : public Backend {
 public:
  explicit HeadlessBackend(const HeadlessOptions& options);
  bool PollKey(Text& key) override;
  void WaitForInput(double seconds) override;
  void KeyWaitStarts(const Canvas& canvas) override;
  std::string TimeOfDay() override;
  int shots() const { return shots_; }
  size_t keysLeft() const { return keys_.size() - next_; }

 private:
  std::vector<std::optional<Text>> keys_;
  size_t next_ = 0;
  std::string time_;
  std::string shotsDir_;
  int shots_ = 0;
};

// The real clock as "HH:MM:SS".
std::string LocalTimeOfDay();

// Runs the program and turns its ways of ending into an exit code; a fault
// that no error trap caught is reported on stderr.
int RunProgram(Screen& screen, const ProgramFn& program);

}  // namespace plat
