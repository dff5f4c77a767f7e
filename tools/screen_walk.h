// A walk through every item of every chapter of a program, headless, played
// as a diligent pupil would: every chapter of the main menu in turn, every
// item of its sub-menu in turn with a number out of range typed after each,
// any key at a key wait, every step loop taken three times, a digit where a
// screen asks for one. What the program draws, clears and waits on is handed
// to observers, which check the screens.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace walk {

// Where the walk stands.
struct Place {
  std::string program, time;
  int chapter = 0;  // 0: the main menu
  int item = 0;     // 0: the chapter's goal screen or sub-menu
  int wait = 0;     // key waits so far in this run (the --shots number of lesson-replay)
  int step = 0;     // step prompts answered so far in this item
};
// "jorrel 10:20:30 chapter 2 item 3, wait 45"
std::string Describe(const Place& place);

class Observer {
 public:
  virtual ~Observer() = default;
  // An operation that landed on the page, in drawing order (also those that
  // a later box hides).
  virtual void Drawn(const plat::DrawOp&, const Place&) {}
  // The page was cleared.
  virtual void Cleared(const Place&) {}
  // The program waits for a key; the page holds what is visible.
  virtual void Waits(const plat::Canvas&, const Place&) {}
};

struct WalkResult {
  std::vector<std::string> faults;  // an error screen, an item that never ends
  int keys = 0, waits = 0, items = 0;
  std::string script;  // the keys typed, as lesson-replay's --keys
};

// Walks the program ("corvana", ...) with the clock at `time` ("HH:MM:SS").
WalkResult Walk(const std::string& program, const std::string& time, Observer& observer);

// The times of day the checks walk at (their seeds differ).
const std::vector<std::string>& WalkTimes();

}  // namespace walk
