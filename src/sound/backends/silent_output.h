#pragma once
// The output that sounds nothing: --midi-out none, and the stand-in for a
// backend that cannot start. The note player's timing is unaffected.

#include "sound/midi_output.h"

namespace fretlab {

class SilentOutput : public MidiOutput {
 public:
  void open() override;
  void send(std::uint32_t shortMessage) override;
  void close() override;
};

}  // namespace fretlab
