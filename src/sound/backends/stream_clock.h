#pragma once
// Where on the audio stream a message belongs. Every message is stamped with
// the monotonic clock when it is sent; it is heard a fixed latency after its
// stamp, at the stream frame that is played at that time, so that the time
// between two notes is the time between their stamps to the frame, whatever
// the size and timing of the audio blocks.
//
// The stream's own time comes from its requests: a sound server or device
// asks for more frames when it has played some, so "request time minus
// frames requested so far, over the sample rate" is a constant (the anchor)
// plus the lateness of that request. The smallest value over the last few
// seconds is the anchor; it follows a device clock that drifts against the
// monotonic clock, and one late request does not move it.

#include <cstdint>

#include "sound/sound_clock.h"

namespace fretlab {

class StreamClock {
 public:
  // `latency`: from a stamp to the moment the frame it maps to is requested.
  StreamClock(int sampleRate, SoundClock::duration latency);

  // A new stream: what was learnt about the last one no longer holds.
  void Restart();
  // A request made at `when` for frames up to (not including) `endFrame`.
  void Observe(std::int64_t endFrame, SoundClock::time_point when);
  bool HasAnchor() const { return hasAnchor_; }
  // The frame at which a message stamped `stamp` is to be heard; only once
  // there is an anchor.
  std::int64_t FrameOf(SoundClock::time_point stamp) const;

 private:
  // The minimum is kept over two windows of this length, so an old value is
  // forgotten after one to two windows.
  static constexpr SoundClock::duration kWindow = std::chrono::seconds(2);

  std::int64_t Anchor() const;  // nanoseconds on the monotonic clock

  int sampleRate_;
  std::int64_t latencyNs_;
  bool hasAnchor_ = false;
  bool hasPrevious_ = false;
  std::int64_t current_ = 0;   // minimum in the window that began at windowStart_
  std::int64_t previous_ = 0;  // minimum in the window before
  SoundClock::time_point windowStart_{};
};

}  // namespace fretlab
