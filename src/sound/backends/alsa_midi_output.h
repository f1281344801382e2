#pragma once
// --midi-out alsa and alsa:NAME: the ALSA sequencer through RtMidi. "alsa"
// opens an output port of our own named "Fretlab" for a synthesizer or
// another program to connect to; "alsa:NAME" connects to the first output
// port whose name contains NAME. The port stays open for the whole run;
// open() and close() mark one note or chord, and close() sends note-offs for
// the notes its open() started.

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "sound/backends/short_message.h"
#include "sound/midi_output.h"

class RtMidiOut;

namespace fretlab {

inline constexpr const char* kAlsaSequencerDevice = "/dev/snd/seq";

class AlsaMidiOutput : public MidiOutput {
 public:
  // `portName` empty: a port of our own. Returns null, after one line on
  // `diagnostics`, when there is no sequencer or no matching port.
  static std::unique_ptr<AlsaMidiOutput> Create(const std::string& portName,
                                                std::ostream& diagnostics);
  ~AlsaMidiOutput() override;
  AlsaMidiOutput(const AlsaMidiOutput&) = delete;
  AlsaMidiOutput& operator=(const AlsaMidiOutput&) = delete;

  void open() override;
  void send(std::uint32_t shortMessage) override;
  void close() override;

 private:
  explicit AlsaMidiOutput(std::unique_ptr<RtMidiOut> port);
  void SendBytes(const std::vector<unsigned char>& bytes);

  std::unique_ptr<RtMidiOut> port_;
  StartedNotes started_;
};

}  // namespace fretlab
