#pragma once
// A clock that only moves when told to, and an output that records every
// call with the fake time it was made at.

#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "sound/midi_output.h"
#include "sound/sound_clock.h"

namespace fretlab::testing {

using namespace std::chrono_literals;

class FakeClock {
 public:
  // An arbitrary origin away from zero, as a real monotonic clock has.
  static constexpr SoundClock::time_point kOrigin = SoundClock::time_point{} + 1000s;

  SoundClock::time_point now() const { return now_; }
  void Advance(SoundClock::duration by) { now_ += by; }

  // Every deadline asked for, in order. A wait ends `lateWakeUp` after its
  // deadline, as a real sleep does, or at once when the deadline has passed.
  std::vector<SoundClock::time_point> waits;
  SoundClock::duration lateWakeUp{};
  // Set: the next waits end this long after they begin, stopped by the user
  // (waitUntil returns false), unless the deadline comes first.
  std::optional<SoundClock::duration> stopAfter;

  Timing MakeTiming() {
    return Timing{[this] { return now_; },
                  [this](SoundClock::time_point deadline) {
                    waits.push_back(deadline);
                    if (stopAfter && now_ + *stopAfter < deadline) {
                      now_ += *stopAfter;
                      return false;
                    }
                    if (now_ < deadline) {
                      now_ = deadline + lateWakeUp;
                    }
                    return true;
                  }};
  }

  // Milliseconds from the origin, for readable expectations.
  static long long Ms(SoundClock::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(t - kOrigin).count();
  }

 private:
  SoundClock::time_point now_ = kOrigin;
};

struct OutputCall {
  enum Kind { kOpen, kSend, kClose } kind;
  std::uint32_t message;  // kSend only
  long long ms;           // fake time of the call

  bool operator==(const OutputCall&) const = default;
};

inline OutputCall Open(long long ms) { return {OutputCall::kOpen, 0, ms}; }
inline OutputCall Send(std::uint32_t message, long long ms) { return {OutputCall::kSend, message, ms}; }
inline OutputCall Close(long long ms) { return {OutputCall::kClose, 0, ms}; }

inline void PrintTo(const OutputCall& call, std::ostream* os) {
  static const char* const kNames[] = {"open", "send", "close"};
  *os << call.ms << "ms " << kNames[call.kind];
  if (call.kind == OutputCall::kSend) {
    *os << " 0x" << std::hex << call.message << std::dec;
  }
}

class RecordingOutput : public MidiOutput {
 public:
  explicit RecordingOutput(const FakeClock& clock) : clock_(clock) {}
  void open() override { calls.push_back(Open(FakeClock::Ms(clock_.now()))); }
  void send(std::uint32_t message) override {
    calls.push_back(Send(message, FakeClock::Ms(clock_.now())));
  }
  void close() override { calls.push_back(Close(FakeClock::Ms(clock_.now()))); }

  std::vector<OutputCall> calls;

 private:
  const FakeClock& clock_;
};

}  // namespace fretlab::testing
