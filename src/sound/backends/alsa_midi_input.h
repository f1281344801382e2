#pragma once
// --midi-in NAME, and the window's chooser: note-ons from the ALSA sequencer
// through RtMidi. An empty name opens an input port of our own named
// "Fretlab" for an instrument or another program to connect to (aconnect);
// a name connects to the first input port whose name contains it. The port
// stays open until the input is destroyed.

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "sound/midi_input.h"

class RtMidiIn;

namespace fretlab {

class AlsaMidiInput : public MidiInput {
 public:
  // Returns null, after one line on `diagnostics`, when there is no
  // sequencer or no matching port.
  static std::unique_ptr<AlsaMidiInput> Create(const std::string& portName,
                                               std::ostream& diagnostics);
  // The sequencer's input ports, for a chooser; empty, after one line on
  // `diagnostics`, when there is no sequencer.
  static std::vector<std::string> PortNames(std::ostream& diagnostics);

  ~AlsaMidiInput() override;
  AlsaMidiInput(const AlsaMidiInput&) = delete;
  AlsaMidiInput& operator=(const AlsaMidiInput&) = delete;

  const std::string& portName() const { return portName_; }

 private:
  AlsaMidiInput() = default;
  static void Received(double seconds, std::vector<unsigned char>* message, void* self);

  std::unique_ptr<RtMidiIn> port_;
  std::string portName_;
};

}  // namespace fretlab
