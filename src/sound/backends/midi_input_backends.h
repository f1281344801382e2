#pragma once
// The MIDI instruments the drills can take answers from, beside the
// outputs of backends.h: today the ALSA sequencer's input ports (RtMidi).
// Callers see only the MidiInput seam.

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "sound/midi_input.h"

namespace fretlab {

struct OpenedMidiInput {
  std::unique_ptr<MidiInput> input;  // null when it could not be opened
  std::string portName;              // the port it listens on
};

// The input ports an instrument can answer through, for a chooser; empty,
// after one line on `diagnostics`, when there is no sequencer.
std::vector<std::string> MidiInputPortNames(std::ostream& diagnostics);

// The first input port whose name contains `name`, or for "" a port of our
// own for an instrument to connect to. On failure one line on
// `diagnostics` says what is missing.
OpenedMidiInput OpenMidiInput(const std::string& name, std::ostream& diagnostics);

}  // namespace fretlab
