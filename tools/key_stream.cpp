#include "tools/key_stream.h"

#include <cstdio>
#include <cstring>

namespace soak {

uint64_t Mix(uint64_t x) {
  x += 0x9e3779b97f4a7c15ULL;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}

namespace {

// --- Seeded random numbers (the same stream on every machine) ---


class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed) {}
  uint64_t Next() { return Mix(state_++ * 0x2545f4914f6cdd1dULL); }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
  template <size_t N>
  const char* Pick(const char* const (&items)[N]) {
    return items[Below(static_cast<int>(N))];
  }
  char PickChar(const char* chars) { return chars[Below(static_cast<int>(std::strlen(chars)))]; }

 private:
  uint64_t state_;
};

// --- The key stream ---

constexpr const char* kEntryChars = "0123456789-./";
constexpr const char* kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ@[]";
// Every key the pupil can type: the entry characters, Enter, Backspace, code
// 12 (Home and Delete), the blank and the letters.
constexpr const char* kAnyKey = "0123456789-./\r\b\x0c abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ@[]";
// Awkward numbers for the answer field.
constexpr const char* kOddNumbers[] = {
    "0",     "-1",  "1/0",    "0/0",   "/",      "-",    ".",     "1.5",   "2.5",   ".5",   "-0",
    "99999999999",  "12/2",   "3/2",   "1/3",    "9.99", "00001", "--1",   "1..2",  "1//2", "-/-",
    "10/10", "-9",  "2/4",    "1.4999", "65535", "32768", "1/-1", "-.5",   "9/.5",  "1/.0", "-1/0",
    "0/-0",  "1e9", "1/99999999", "2147483648", "-2147483649", "3.402823E38", ".0000001", "1-1", "5-"};

void Type(Keys& keys, const std::string& text) {
  for (char c : text) keys.emplace_back(plat::Text(1, c));
}

// The pupil's moves, and how often each comes (per mille): mostly what the
// screens expect (a menu number, "1" at the step prompt, any key at a key
// wait), mixed with anything at all.
enum class Move { kMenuNumber, kStepOne, kStepOther, kKeyWait, kOddNumber, kCorrect, kOverlong, kTwoDigits, kClose, kAnyKey };
struct MoveWeight {
  Move move;
  int perMille;
};
constexpr MoveWeight kMoves[] = {
    {Move::kMenuNumber, 230}, {Move::kStepOne, 160}, {Move::kStepOther, 50}, {Move::kKeyWait, 200},
    {Move::kOddNumber, 60},   {Move::kCorrect, 40},  {Move::kOverlong, 15},  {Move::kTwoDigits, 5},
    {Move::kClose, 2},        {Move::kAnyKey, 238},
};

Move PickMove(Rng& rng) {
  int roll = rng.Below(1000);
  for (const MoveWeight& m : kMoves)
    if ((roll -= m.perMille) < 0) return m.move;
  return Move::kAnyKey;
}

// Adds one move's keys. Returns false when the move closes the window. A long
// run neither closes the window nor types a two-digit menu number (the usual
// end item).
bool AddMove(Rng& rng, Keys& keys, bool longRun) {
  Move move = PickMove(rng);
  if (longRun && (move == Move::kClose || move == Move::kTwoDigits)) move = Move::kAnyKey;
  switch (move) {
    case Move::kMenuNumber:  // a chapter or item number, 1 to 9 alike
      Type(keys, std::to_string(1 + rng.Below(9)) + "\r");
      break;
    case Move::kStepOne:  // the step prompt's "1": on to the next step
      Type(keys, "1\r");
      break;
    case Move::kStepOther:  // another number at the step prompt: a new problem
      Type(keys, std::to_string(2 + rng.Below(8)) + "\r");
      break;
    case Move::kKeyWait: {
      int k = rng.Below(10);
      Type(keys, k < 5 ? " " : k < 7 ? "\r" : std::string(1, rng.PickChar(kLetters)));
      break;
    }
    case Move::kOddNumber:
      Type(keys, std::string(rng.Pick(kOddNumbers)) + "\r");
      break;
    case Move::kCorrect:  // typing, correcting, typing again
      for (int n = 1 + rng.Below(4); n > 0; --n) Type(keys, std::string(1, rng.PickChar(kEntryChars)));
      Type(keys, rng.Below(2) ? "\b" : "\x0c");
      Type(keys, std::string(1, rng.PickChar(kEntryChars)) + "\r");
      break;
    case Move::kOverlong:  // more than the field holds
      for (int n = 9 + rng.Below(6); n > 0; --n) Type(keys, std::string(1, rng.PickChar(kEntryChars)));
      Type(keys, "\r");
      break;
    case Move::kTwoDigits:  // often the end item of the menu
      Type(keys, std::to_string(rng.Below(2) ? 10 : 11 + rng.Below(9)) + "\r");
      break;
    case Move::kClose:
      keys.emplace_back(std::nullopt);
      return false;
    case Move::kAnyKey:
      Type(keys, std::string(1, rng.PickChar(kAnyKey)));
      break;
  }
  return true;
}

}  // namespace

RunPlan PlanRun(uint64_t seed, int run) {
  Rng rng(Mix(seed) ^ Mix(static_cast<uint64_t>(run) + 0x51ed2701ULL));
  RunPlan plan;
  char time[16];
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", rng.Below(24), rng.Below(60), rng.Below(60));
  plan.timeOfDay = time;
  // Most runs are short, so that start-up and the end item come round often;
  // one in ten lasts long, as a lesson with a whole class does.
  bool longRun = rng.Below(10) == 0;
  size_t length = longRun ? 10000 + static_cast<size_t>(rng.Below(30000)) : 200 + static_cast<size_t>(rng.Below(2800));
  while (plan.keys.size() < length && AddMove(rng, plan.keys, longRun)) {
  }
  return plan;
}

std::string ToScript(const Keys& keys, size_t count) {
  std::string s;
  for (size_t i = 0; i < keys.size() && i < count; ++i) {
    if (!s.empty()) s += ' ';
    const auto& k = keys[i];
    if (!k) {
      s += "Close";
    } else if (*k == "\r") {
      s += "Enter";
    } else if (*k == "\b") {
      s += "Backspace";
    } else if (*k == " ") {
      s += "Space";
    } else if (*k == "\x0c") {
      s += "Clear";
    } else {
      s += plat::ToUtf8(*k);
    }
  }
  return s;
}

}  // namespace soak
