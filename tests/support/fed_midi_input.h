#pragma once
// A MIDI input fed by the test: raw messages go through the same reading as
// an instrument's do.

#include <vector>

#include "sound/midi_input.h"

namespace fretlab::testing {

class FedMidiInput : public MidiInput {
 public:
  void Feed(const std::vector<unsigned char>& message) { Deliver(message.data(), message.size()); }
  void NoteOn(int note, int velocity = 90, int channel = 0) {
    Feed({static_cast<unsigned char>(0x90 | channel), static_cast<unsigned char>(note),
          static_cast<unsigned char>(velocity)});
  }
};

}  // namespace fretlab::testing
