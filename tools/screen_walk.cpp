#include "tools/screen_walk.h"

#include <cstdio>
#include <cstdlib>
#include <deque>

#include "common/frame/screens.h"
#include "platform/app.h"
#include "tools/programs.h"

namespace walk {
namespace {

using plat::DrawOp;
using plat::Text;

// A step loop is answered "2" (a new problem) and then "1" (move on): two to
// five problems a loop, by the time of day, so that walks at a few times see
// different last problems before the screens that follow them.
int StepRounds(const std::string& time) {
  int seed = 0;
  for (size_t i = 0; i + 1 < time.size(); i += 3) seed += std::atoi(time.substr(i, 2).c_str());
  return 2 + seed % 4;
}
// Main-menu numbers tried in turn; the end number ends the run before.
constexpr int kMenuNumbers = 15;
// An item still waiting after this many keys is taken to never end.
constexpr int kItemKeyLimit = 5000;

bool IsText(const DrawOp& op, const Text& text) { return op.kind == DrawOp::Kind::Text && op.text == text; }

// The pupil: reads what the program shows at each wait and types.
class WalkBackend : public plat::Backend {
 public:
  WalkBackend(Place place, Observer& observer) : place_(std::move(place)), observer_(observer) {}

  bool PollKey(Text& key) override {
    if (keys_.empty()) throw plat::WindowClosed{};
    key = keys_.front();
    keys_.pop_front();
    ++result_.keys;
    return true;
  }
  void WaitForInput(double) override {
    if (keys_.empty()) throw plat::WindowClosed{};
  }
  void Changed(const plat::Canvas&, const DrawOp* op) override {
    if (op) {
      observer_.Drawn(*op, place_);
    } else {
      observer_.Cleared(place_);
    }
  }
  void KeyWaitStarts(const plat::Canvas& page) override {
    ++place_.wait;
    ++result_.waits;
    observer_.Waits(page, place_);
    Answer(page);
  }
  std::string TimeOfDay() override { return place_.time; }

  WalkResult& result() { return result_; }

 private:
  enum class Prompt { kKey, kMainMenu, kSubMenu, kStep, kQuestion, kErrorScreen };

  Prompt Classify(const plat::Canvas& page, int& subMenuItems) {
    const auto& ops = page.ops();
    Text all;
    for (const DrawOp& op : ops)
      if (op.kind == DrawOp::Kind::Text) all += op.text;
    if (all.find(lesson::Literal("エラーが発生しました")) != Text::npos) return Prompt::kErrorScreen;
    // Number entry shows "入力" at the answer field just before it waits.
    const size_t n = ops.size();
    const bool entry = n >= 2 && IsText(ops[n - 1], lesson::Literal("力")) && IsText(ops[n - 2], lesson::Literal("入")) &&
                       ops[n - 2].y1 == ops[n - 1].y1;
    if (!entry) return Prompt::kKey;
    const float answerY = ops[n - 1].y1, answerX = ops[n - 2].x1 + 48;
    Text bottomLine;
    for (const DrawOp& op : ops) {
      // The step box (and not the wipe that takes it away again).
      if (op.kind == DrawOp::Kind::Fill && op.x1 == 96 && op.y1 == 639 && op.x2 == 400 && op.y2 == 675 &&
          op.fill != plat::kBackgroundColour)
        return Prompt::kStep;
      if (IsText(op, lesson::Literal("番")) && op.y1 == answerY && op.x1 == answerX - 240) return Prompt::kMainMenu;
      if (op.kind == DrawOp::Kind::Text && op.y1 == 666 && op.x1 >= 16 && op.x1 < 992) bottomLine += op.text;
    }
    // An item line names its items with circled numbers.
    subMenuItems = 0;
    for (const Text& ch : plat::SplitChars(bottomLine)) {
      const char32_t u = plat::DecodeChar(ch);
      if (u >= U'\u2460' && u <= U'\u2473') subMenuItems = std::max(subMenuItems, static_cast<int>(u - U'\u2460') + 1);
    }
    return subMenuItems > 0 ? Prompt::kSubMenu : Prompt::kQuestion;
  }

  void Type(const std::string& keys) {
    for (char c : keys) {
      keys_.emplace_back(1, c);
      result_.script += c;
      result_.script += ' ';
    }
    keys_.emplace_back("\r");
    result_.script += "Enter ";
  }

  void Fault(const std::string& what) {
    result_.faults.push_back(Describe(place_) + ": " + what);
    keys_.clear();  // the window is closed
  }

  void Answer(const plat::Canvas& page) {
    int items = 0;
    switch (Classify(page, items)) {
      case Prompt::kErrorScreen:
        Fault("the error screen");
        return;
      case Prompt::kKey:
        keys_.emplace_back(" ");
        result_.script += "Space ";
        break;
      case Prompt::kMainMenu:
        place_.chapter = ++menuNumber_;
        place_.item = 0;
        nextItem_ = 1;
        outOfRangeDue_ = false;
        if (menuNumber_ > kMenuNumbers) {
          keys_.clear();
          return;
        }
        Type(std::to_string(menuNumber_));
        break;
      case Prompt::kSubMenu:
        place_.step = 0;
        itemKeys_ = result_.keys;
        if (outOfRangeDue_) {
          outOfRangeDue_ = false;
          place_.item = 0;
          Type("99");
        } else if (nextItem_ < items) {
          place_.item = nextItem_++;
          ++result_.items;
          outOfRangeDue_ = true;
          Type(std::to_string(place_.item));
        } else {
          place_.item = 0;
          Type(std::to_string(items));
        }
        break;
      case Prompt::kStep:
        ++place_.step;
        Type(place_.step % StepRounds(place_.time) == 0 ? "1" : "2");
        break;
      case Prompt::kQuestion:
        // A digit that the screen works with: a different one each time.
        ++digits_;
        Type(std::to_string(1 + (digits_ * 4 + place_.wait) % 9));
        break;
    }
    if (place_.item > 0 && result_.keys - itemKeys_ > kItemKeyLimit) Fault("the item never ends");
  }

  Place place_;
  Observer& observer_;
  WalkResult result_;
  std::deque<Text> keys_;
  int menuNumber_ = 0, nextItem_ = 1, digits_ = 0, itemKeys_ = 0;
  bool outOfRangeDue_ = false;
};

}  // namespace

std::string Describe(const Place& p) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%s %s chapter %d item %d, wait %d", p.program.c_str(), p.time.c_str(), p.chapter,
                p.item, p.wait);
  return buf;
}

WalkResult Walk(const std::string& program, const std::string& time, Observer& observer) {
  Place place;
  place.program = program;
  place.time = time;
  WalkBackend backend(place, observer);
  plat::ProgramFn fn = lesson::ProgramByName(program);
  if (!fn) {
    backend.result().faults.push_back("unknown program " + program);
    return backend.result();
  }
  plat::Screen screen(backend);
  if (plat::RunProgram(screen, fn) != 0) backend.result().faults.push_back(program + " " + time + ": a run-time fault");
  return backend.result();
}

const std::vector<std::string>& WalkTimes() {
  // Two, three, four and five problems a step loop; the first also ends
  // Dellmir's first division review on its widest line.
  static const std::vector<std::string> times = {"00:04:04", "10:20:33", "13:31:17", "21:46:59"};
  return times;
}

}  // namespace walk
