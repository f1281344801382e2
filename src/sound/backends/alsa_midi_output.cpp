#include "sound/backends/alsa_midi_output.h"

#include <rtmidi/RtMidi.h>
#include <unistd.h>

#include <ostream>

#include "common/quoted_value.h"

namespace fretlab {

namespace {

// Once playing, a failed send only means a note is not heard; RtMidi would
// otherwise print each failure or throw from inside a note.
void IgnoreRtMidiError(RtMidiError::Type, const std::string&, void*) {}

}  // namespace

std::unique_ptr<AlsaMidiOutput> AlsaMidiOutput::Create(const std::string& portName,
                                                       std::ostream& diagnostics) {
  // Checked first because alsa-lib prints lines of its own when the device
  // is missing, before RtMidi reports the failure.
  if (access(kAlsaSequencerDevice, R_OK | W_OK) != 0) {
    diagnostics << "fretlab: no sound: there is no ALSA sequencer (" << kAlsaSequencerDevice
                << " is missing or not usable); load the snd-seq kernel module, or use "
                   "--midi-out synth. Playing silently.\n";
    return nullptr;
  }
  try {
    // The ALSA API is named explicitly: asking RtMidi for JACK, or letting
    // it pick, can crash inside openPort when no JACK server runs.
    auto port = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, "Fretlab");
    if (portName.empty()) {
      port->openVirtualPort("Fretlab");
    } else {
      const unsigned count = port->getPortCount();
      unsigned found = count;
      for (unsigned i = 0; i < count && found == count; ++i) {
        if (port->getPortName(i).find(portName) != std::string::npos) {
          found = i;
        }
      }
      if (found == count) {
        diagnostics << "fretlab: no sound: no ALSA sequencer output port has "
                    << QuotedValue(portName) << " in its name (see aconnect -o); start the synthesizer first, or use "
                       "--midi-out synth. Playing silently.\n";
        return nullptr;
      }
      port->openPort(found, "Fretlab");
    }
    port->setErrorCallback(IgnoreRtMidiError, nullptr);
    return std::unique_ptr<AlsaMidiOutput>(new AlsaMidiOutput(std::move(port)));
  } catch (const RtMidiError& error) {
    diagnostics << "fretlab: no sound: the ALSA sequencer could not be used ("
                << error.getMessage() << "); use --midi-out synth. Playing silently.\n";
    return nullptr;
  }
}

AlsaMidiOutput::AlsaMidiOutput(std::unique_ptr<RtMidiOut> port) : port_(std::move(port)) {}

AlsaMidiOutput::~AlsaMidiOutput() = default;

void AlsaMidiOutput::open() { started_.Clear(); }

void AlsaMidiOutput::send(std::uint32_t shortMessage) {
  ShortMessage message;
  if (!UnpackShortMessage(shortMessage, message)) {
    return;
  }
  if (message.IsNoteOn()) {
    started_.Add(message.Channel(), message.data1);
  }
  std::vector<unsigned char> bytes{static_cast<unsigned char>(message.status),
                                   static_cast<unsigned char>(message.data1),
                                   static_cast<unsigned char>(message.data2)};
  bytes.resize(static_cast<std::size_t>(message.Size()));
  SendBytes(bytes);
}

void AlsaMidiOutput::close() {
  for (const StartedNote& note : started_.Take()) {
    SendBytes({static_cast<unsigned char>(0x80 | note.channel),
               static_cast<unsigned char>(note.note), 0});
  }
}

void AlsaMidiOutput::SendBytes(const std::vector<unsigned char>& bytes) {
  try {
    port_->sendMessage(&bytes);
  } catch (const RtMidiError&) {
    // Not heard; the timing of the display goes on.
  }
}

}  // namespace fretlab
