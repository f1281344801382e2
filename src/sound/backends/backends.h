#pragma once
// The outputs the program can sound through, chosen with --midi-out:
//   synth (default)  FluidSynth in the process with a General MIDI soundfont
//   alsa, alsa:NAME  an ALSA sequencer port, or a connection to a named port
//   log:FILE         one line per call, for checking what is played and when
//   none             silent, with the same timing

#include <iosfwd>
#include <memory>
#include <string>

#include "sound/midi_output.h"

namespace fretlab {

struct OutputOptions {
  std::string midiOut = "synth";
  std::string soundfont;  // empty: the installed default GM soundfont
};

// Always returns a usable output. When the chosen backend cannot start, writes
// one line to `diagnostics` saying what is missing and how to get sound, and
// returns a silent output instead.
std::unique_ptr<MidiOutput> CreateMidiOutput(const OutputOptions& options,
                                             std::ostream& diagnostics);

}  // namespace fretlab
