#include "sound/backends/stream_clock.h"

#include <algorithm>
#include <cmath>

namespace fretlab {

namespace {

std::int64_t Ns(SoundClock::time_point t) {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
}

}  // namespace

StreamClock::StreamClock(int sampleRate, SoundClock::duration latency)
    : sampleRate_(sampleRate),
      latencyNs_(std::chrono::duration_cast<std::chrono::nanoseconds>(latency).count()) {}

void StreamClock::Restart() {
  hasAnchor_ = false;
  hasPrevious_ = false;
}

void StreamClock::Observe(std::int64_t endFrame, SoundClock::time_point when) {
  const std::int64_t value =
      Ns(when) - static_cast<std::int64_t>(std::llround(endFrame * 1e9 / sampleRate_));
  if (!hasAnchor_) {
    hasAnchor_ = true;
    current_ = value;
    windowStart_ = when;
    return;
  }
  if (when - windowStart_ >= kWindow) {
    previous_ = current_;
    hasPrevious_ = true;
    current_ = value;
    windowStart_ = when;
  } else {
    current_ = std::min(current_, value);
  }
}

std::int64_t StreamClock::Anchor() const {
  return hasPrevious_ ? std::min(previous_, current_) : current_;
}

std::int64_t StreamClock::FrameOf(SoundClock::time_point stamp) const {
  const double seconds = static_cast<double>(Ns(stamp) + latencyNs_ - Anchor()) * 1e-9;
  return static_cast<std::int64_t>(std::floor(seconds * sampleRate_ + 0.5));
}

}  // namespace fretlab
