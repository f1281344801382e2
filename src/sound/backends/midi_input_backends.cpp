#include "sound/backends/midi_input_backends.h"

#include "sound/backends/alsa_midi_input.h"

namespace fretlab {

std::vector<std::string> MidiInputPortNames(std::ostream& diagnostics) {
  return AlsaMidiInput::PortNames(diagnostics);
}

OpenedMidiInput OpenMidiInput(const std::string& name, std::ostream& diagnostics) {
  std::unique_ptr<AlsaMidiInput> input = AlsaMidiInput::Create(name, diagnostics);
  if (!input) return {};
  std::string portName = input->portName();
  return {std::move(input), std::move(portName)};
}

}  // namespace fretlab
