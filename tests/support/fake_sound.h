#pragma once
// A clock that only moves when told to, and an output that records every
// call with the fake time it was made at.

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "sound/backends/audio_sink.h"
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
  void due(SoundClock::time_point at) override { dues.push_back(FakeClock::Ms(at)); }
  std::string soundfont() const override { return soundfontFile; }

  std::vector<OutputCall> calls;
  // When each coming note was said to be due, ms from the clock's origin.
  std::vector<long long> dues;
  // Runs after each open is recorded, as a note begins.
  std::function<void()> onOpen;
  // Set: any message but a note-on fails the test.
  bool noteOnsOnly = false;
  // The soundfont it says it plays from.
  std::string soundfontFile;

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

// An audio sink that streams only when the test asks it for frames, and
// counts how often it was started and stopped. Starts and stops come from the
// synthesizer's own thread, so the test waits for them.
class FakeAudioSink : public AudioSink {
 public:
  struct State {
    std::mutex mutex;
    std::condition_variable changed;
    int starts = 0;
    int stops = 0;
    bool streaming = false;
    bool connectFails = false;
    RenderFunction render;
  };

  FakeAudioSink(std::shared_ptr<State> state, RenderFunction render) : state_(std::move(state)) {
    std::lock_guard lock(state_->mutex);
    state_->render = std::move(render);
  }
  bool Connect(std::string& failure) override {
    std::lock_guard lock(state_->mutex);
    if (state_->connectFails) failure = "no such device";
    return !state_->connectFails;
  }
  bool Start() override { return Set(true); }
  void Stop() override { Set(false); }
  std::string Name() const override { return "fake"; }

  // The sound server's side: asks for `frames` frames at `when` if the stream
  // runs. False when it does not.
  static bool Request(State& state, float* left, float* right, int frames,
                      SoundClock::time_point when) {
    std::lock_guard lock(state.mutex);
    if (!state.streaming) return false;
    state.render(left, right, frames, when);
    return true;
  }
  // Waits up to 5 s for `streaming`; true when it came.
  static bool WaitUntil(State& state, bool streaming) {
    std::unique_lock lock(state.mutex);
    return state.changed.wait_for(lock, std::chrono::seconds(5),
                                  [&] { return state.streaming == streaming; });
  }

 private:
  bool Set(bool streaming) {
    {
      std::lock_guard lock(state_->mutex);
      (streaming ? state_->starts : state_->stops) += 1;
      state_->streaming = streaming;
    }
    state_->changed.notify_all();
    return true;
  }

  std::shared_ptr<State> state_;
};

}  // namespace fretlab::testing
