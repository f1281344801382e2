#pragma once
// Every line the built-in synthesizer writes, in one place: each names the
// thing at fault and the fix, and one that leaves the program silent ends
// the program's way ("Playing silently."). A soundfont the user named is
// fixed by naming a working one; the default one by installing the package
// that brings it.

#include <string>

namespace fretlab {

// The soundfont used without --soundfont, and the package that brings it.
inline constexpr const char* kDefaultSoundfont = "/usr/share/sounds/sf2/default-GM.sf2";
inline constexpr const char* kDefaultSoundfontPackage = "timgm6mb-soundfont";

// Which soundfont is meant, and whether the user chose it.
struct SoundfontChoice {
  std::string path;
  bool userChosen = false;
};

// The quick check made before anything slow: the file is there and says it
// is a SoundFont. Empty when it is; else the line to write.
std::string SoundfontProblem(const SoundfontChoice& soundfont);

// The soundfont passed the check but FluidSynth could not load it; `reason`
// is FluidSynth's own, or empty.
std::string SoundfontNotLoaded(const SoundfontChoice& soundfont, const std::string& reason);

// Not a "no sound" line: the guitar could not be read out of the soundfont
// (`reason`: the reader's), so FluidSynth loads the whole file instead.
std::string SoundfontReadWhole(const SoundfontChoice& soundfont, const std::string& reason);

// FluidSynth itself would not start.
std::string SynthDidNotStart(const std::string& reason);

// No audio sink could be opened; `failures` names each one tried and why.
std::string NoAudioDevice(const std::string& failures);

}  // namespace fretlab
