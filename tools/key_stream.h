// Seeded random key streams that play a pupil: mostly what the screens ask
// for (menu numbers, "1" at the step prompt, any key at a key wait), mixed
// with anything a keyboard can type, and now and then the window closed.
// The same seed gives the same keys on every machine. Used by the soak and
// by the benchmarks that need a walk through the chapters.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/text.h"

namespace soak {

using Keys = std::vector<std::optional<plat::Text>>;  // nullopt: the window is closed

// One run's keys and time of day (which seeds the program's random numbers).
struct RunPlan {
  std::string timeOfDay;  // "HH:MM:SS"
  Keys keys;
};
RunPlan PlanRun(uint64_t seed, int run);

// A key stream as lesson-replay tokens ("1 Enter Space Close").
std::string ToScript(const Keys& keys, size_t count = SIZE_MAX);

// A well-mixed 64-bit hash of x.
uint64_t Mix(uint64_t x);

}  // namespace soak
