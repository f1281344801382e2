#pragma once
// The versions of the sound libraries as loaded at run time (not as built
// against), for the About box: "2.3.1", "5.0.0".

#include <string>

namespace fretlab {

std::string FluidSynthVersion();
std::string RtMidiVersion();

}  // namespace fretlab
