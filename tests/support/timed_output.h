#pragma once
// An output on the real clock that notes when each message was sent and
// counts the closes, for tests that play in real time.

#include <cstdint>
#include <vector>

#include "sound/midi_output.h"
#include "sound/sound_clock.h"

namespace fretlab::testing {

class TimedOutput : public MidiOutput {
 public:
  void open() override {}
  void send(std::uint32_t) override { sends.push_back(SoundClock::now()); }
  void close() override { ++closes; }
  std::vector<SoundClock::time_point> sends;
  int closes = 0;
};

}  // namespace fretlab::testing
