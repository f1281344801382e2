#include "sound/backends/backends.h"

#include <ostream>

#include "common/quoted_value.h"
#include "sound/backends/alsa_midi_output.h"
#include "sound/backends/fluid_synth_output.h"
#include "sound/backends/log_output.h"
#include "sound/backends/silent_output.h"

namespace fretlab {

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

template <typename Output>
std::unique_ptr<MidiOutput> OrSilent(std::unique_ptr<Output> output) {
  if (output == nullptr) {
    return std::make_unique<SilentOutput>();
  }
  return output;
}

}  // namespace

std::unique_ptr<MidiOutput> CreateMidiOutput(const OutputOptions& options,
                                             std::ostream& diagnostics) {
  const std::string& choice = options.midiOut;
  if (choice.empty() || choice == "synth") {
    return OrSilent(FluidSynthOutput::Create(options.soundfont, diagnostics));
  }
  if (choice == "none") {
    return std::make_unique<SilentOutput>();
  }
  if (choice == "alsa") {
    return OrSilent(AlsaMidiOutput::Create("", diagnostics));
  }
  if (StartsWith(choice, "alsa:")) {
    return OrSilent(AlsaMidiOutput::Create(choice.substr(5), diagnostics));
  }
  if (StartsWith(choice, "log:")) {
    return OrSilent(LogOutput::Create(choice.substr(4), diagnostics));
  }
  diagnostics << "fretlab: no sound: unknown --midi-out " << QuotedValue(choice)
              << "; choose synth, alsa, alsa:NAME, log:FILE or none. Playing silently.\n";
  return std::make_unique<SilentOutput>();
}

}  // namespace fretlab
