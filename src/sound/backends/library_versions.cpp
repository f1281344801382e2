#include "sound/backends/library_versions.h"

#include <fluidsynth.h>

#include <rtmidi/RtMidi.h>

namespace fretlab {

std::string FluidSynthVersion() { return fluid_version_str(); }

std::string RtMidiVersion() { return RtMidi::getVersion(); }

}  // namespace fretlab
