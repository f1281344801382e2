#include "sound/backends/alsa_midi_input.h"

#include <rtmidi/RtMidi.h>
#include <unistd.h>

#include <ostream>

#include "common/quoted_value.h"
#include "sound/backends/alsa_midi_output.h"

namespace fretlab {

namespace {

// Checked first because alsa-lib prints lines of its own when the device is
// missing, before RtMidi reports the failure.
bool SequencerMissing(std::ostream& diagnostics) {
  if (access(kAlsaSequencerDevice, R_OK | W_OK) == 0) return false;
  diagnostics << "fretlab: no MIDI input: there is no ALSA sequencer (" << kAlsaSequencerDevice
              << " is missing or not usable); load the snd-seq kernel module. Answer with the "
                 "mouse or the keyboard.\n";
  return true;
}

// Once open, a failure inside RtMidi only means a note is not heard from.
void IgnoreRtMidiError(RtMidiError::Type, const std::string&, void*) {}

}  // namespace

std::vector<std::string> AlsaMidiInput::PortNames(std::ostream& diagnostics) {
  std::vector<std::string> names;
  if (SequencerMissing(diagnostics)) return names;
  try {
    // The ALSA API is named explicitly: letting RtMidi pick could try JACK,
    // whose openPort can crash when no JACK server runs.
    RtMidiIn probe(RtMidi::LINUX_ALSA, "Fretlab");
    for (unsigned i = 0; i < probe.getPortCount(); ++i) names.push_back(probe.getPortName(i));
  } catch (const RtMidiError& error) {
    diagnostics << "fretlab: no MIDI input: the ALSA sequencer could not be used ("
                << error.getMessage() << ").\n";
  }
  return names;
}

std::unique_ptr<AlsaMidiInput> AlsaMidiInput::Create(const std::string& portName,
                                                     std::ostream& diagnostics) {
  if (SequencerMissing(diagnostics)) return nullptr;
  std::unique_ptr<AlsaMidiInput> input(new AlsaMidiInput);
  try {
    input->port_ = std::make_unique<RtMidiIn>(RtMidi::LINUX_ALSA, "Fretlab");
    RtMidiIn& port = *input->port_;
    if (portName.empty()) {
      port.openVirtualPort("Fretlab");
      input->portName_ = "Fretlab";
    } else {
      const unsigned count = port.getPortCount();
      unsigned found = count;
      for (unsigned i = 0; i < count && found == count; ++i) {
        if (port.getPortName(i).find(portName) != std::string::npos) found = i;
      }
      if (found == count) {
        diagnostics << "fretlab: no MIDI input: no ALSA sequencer input port has "
                    << QuotedValue(portName) << " in its name (see aconnect -i); connect the instrument first. Answer "
                       "with the mouse or the keyboard.\n";
        return nullptr;
      }
      input->portName_ = port.getPortName(found);
      port.openPort(found, "Fretlab");
    }
    // Sysex, timing clock and active sensing are of no use to the drills.
    port.ignoreTypes(true, true, true);
    port.setErrorCallback(IgnoreRtMidiError, nullptr);
    port.setCallback(&AlsaMidiInput::Received, input.get());
  } catch (const RtMidiError& error) {
    diagnostics << "fretlab: no MIDI input: the ALSA sequencer could not be used ("
                << error.getMessage() << "). Answer with the mouse or the keyboard.\n";
    return nullptr;
  }
  return input;
}

AlsaMidiInput::~AlsaMidiInput() {
  // Stops RtMidi's thread before this object's handler goes.
  port_.reset();
}

void AlsaMidiInput::Received(double, std::vector<unsigned char>* message, void* self) {
  static_cast<AlsaMidiInput*>(self)->Deliver(message->data(), message->size());
}

}  // namespace fretlab
