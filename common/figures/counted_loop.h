// The counted loop of the figure routines: the body runs once before the bound
// is tested, then the 32-bit float counter moves by the step and the body runs
// again while the counter has not passed the bound (for a negative step: has
// not gone below it). The bound and step are taken once, at the start.
#pragma once

#include "platform/runtime.h"

namespace lesson {

template <class Body>
void CountedLoop(float& counter, float from, float to, float step, Body body) {
  counter = from;
  for (;;) {
    body();
    const float next = counter + step;
    const bool passed = !(step >= 0 ? next <= to : next >= to);
    // A step too small to move the counter would never reach the bound.
    if (!passed && next == counter) plat::RaiseFault(plat::kFaultBadArgument);
    counter = next;
    if (passed) return;
  }
}

}  // namespace lesson
