#pragma once
// The clock every note is timed on, and the way of waiting for a deadline.
// Both are handed to the note player, so tests run on a fake clock and the
// window waits on its event loop.

#include <chrono>
#include <functional>

namespace fretlab {

// Monotonic: CLOCK_MONOTONIC on Linux, never set back.
using SoundClock = std::chrono::steady_clock;

struct Timing {
  std::function<SoundClock::time_point()> now;
  // Returns at (or just after) the deadline, true; or earlier, false, when
  // the user stopped what is playing. Never spins the processor.
  std::function<bool(SoundClock::time_point deadline)> waitUntil;
};

// The monotonic clock and an absolute sleep until the deadline, which is
// never stopped early.
Timing SystemTiming();

}  // namespace fretlab
