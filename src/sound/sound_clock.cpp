#include "sound/sound_clock.h"

#include <cerrno>
#include <ctime>

namespace fretlab {

namespace {

// steady_clock is CLOCK_MONOTONIC on Linux, so its time points can be handed
// to an absolute sleep on that clock. Sleeping to an absolute time keeps a
// late wake-up of one note from pushing every later deadline.
bool SleepUntil(SoundClock::time_point deadline) {
  const auto sinceEpoch = deadline.time_since_epoch();
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch);
  timespec target{};
  target.tv_sec = static_cast<time_t>(seconds.count());
  target.tv_nsec = static_cast<long>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch - seconds).count());
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &target, nullptr) == EINTR) {
  }
  return true;
}

}  // namespace

Timing SystemTiming() {
  return Timing{[] { return SoundClock::now(); }, SleepUntil};
}

}  // namespace fretlab
