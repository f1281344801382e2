#pragma once
// A clock that only moves when told to, and an output that records every
// call with the fake time it was made at.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
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
  // Milliseconds since the origin.
  long long Millis() const { return Ms(now_); }

  // Every deadline asked for, in order. A wait ends `lateWakeUp` after its
  // deadline, as a real sleep does, or at once when the deadline has passed.
  std::vector<SoundClock::time_point> waits;
  SoundClock::duration lateWakeUp{};
  // Set: the next waits end this long after they begin, stopped by the user
  // (waitUntil returns false), unless the deadline comes first.
  std::optional<SoundClock::duration> stopAfter;
  // Runs inside every wait, before the clock moves on, with the wait's index
  // (0-based, over the whole test): a test acts there "while the note sounds".
  std::function<void(int waitIndex)> duringWait;

  Timing MakeTiming() {
    return Timing{[this] { return now_; },
                  [this](SoundClock::time_point deadline) {
                    const int index = static_cast<int>(waits.size());
                    waits.push_back(deadline);
                    if (duringWait) duringWait(index);
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
  void open() override {
    calls.push_back(Open(clock_.Millis()));
    if (onOpen) onOpen();
  }
  void send(std::uint32_t message) override {
    if (noteOnsOnly) {
      EXPECT_EQ(message & 0xF0u, 0x90u) << "only note-on messages are sent";
    }
    calls.push_back(Send(message, clock_.Millis()));
  }
  void close() override { calls.push_back(Close(clock_.Millis())); }

  std::vector<OutputCall> calls;
  // Runs after each open is recorded, as a note begins.
  std::function<void()> onOpen;
  // Set: any message but a note-on fails the test.
  bool noteOnsOnly = false;

  // The note numbers of the note-ons sent, in order.
  std::vector<int> Notes() const {
    std::vector<int> notes;
    for (const OutputCall& call : calls) {
      if (call.kind == OutputCall::kSend) notes.push_back(NoteOf(call.message));
    }
    return notes;
  }
  // The notes sent between each open and its close, with the times of both.
  struct NoteGroup {
    std::vector<int> notes;
    long long openedAt = 0;
    long long closedAt = 0;
  };
  std::vector<NoteGroup> Sounds() const {
    std::vector<NoteGroup> groups;
    for (const OutputCall& call : calls) {
      if (call.kind == OutputCall::kOpen) groups.push_back({{}, call.ms, call.ms});
      if (groups.empty()) continue;
      if (call.kind == OutputCall::kSend) groups.back().notes.push_back(NoteOf(call.message));
      if (call.kind == OutputCall::kClose) groups.back().closedAt = call.ms;
    }
    return groups;
  }

 private:
  static int NoteOf(std::uint32_t message) { return static_cast<int>((message >> 8) & 0x7Fu); }

  const FakeClock& clock_;
};

}  // namespace fretlab::testing
