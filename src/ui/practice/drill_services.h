#pragma once
// What the Drills mode takes from outside, handed in where the window is
// put together (practice_app.cpp): the practice history and the MIDI
// instruments. Tests hand in their own.

#include <QString>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "practice/history/history_thread.h"
#include "sound/midi_input.h"

namespace fretlab {

struct DrillServices {
  // The user's history, opened when first needed; may return null.
  std::function<std::unique_ptr<practice::HistoryThread>()> openHistory;
  // The history's file, as the About box names it.
  QString historyPath;
  // The instruments' ports to offer; empty after one line on `diagnostics`.
  std::function<std::vector<std::string>(std::ostream& diagnostics)> midiPorts;
  // A port by name ("": one of our own); null after one line on
  // `diagnostics`. `portName` gets the port's own name.
  std::function<std::unique_ptr<MidiInput>(const std::string& name, std::ostream& diagnostics,
                                           std::string& portName)>
      openMidi;
};

// Whether an instrument now answers, and the line that says so or why not.
struct MidiChoice {
  bool opened = false;
  QString message;
  explicit operator bool() const { return opened; }
};

}  // namespace fretlab
