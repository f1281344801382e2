#include "sound/backends/synth_messages.h"

#include "common/quoted_value.h"

#include <fluidsynth.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace fretlab {

namespace {

constexpr const char* kSilently = ". Playing silently.\n";

}  // namespace

std::string SoundfontProblem(const SoundfontChoice& soundfont) {
  const std::string fix =
      soundfont.userChosen ? std::string("give --soundfont a readable .sf2 or .sf3 file")
                           : "install " + std::string(kDefaultSoundfontPackage) +
                                 " (or give --soundfont PATH, or --midi-out alsa for another "
                                 "synthesizer)";
  if (access(soundfont.path.c_str(), R_OK) != 0) {
    const char* reason = std::strerror(errno);
    return std::string("fretlab: no sound: ") +
           (soundfont.userChosen ? "the soundfont " : "the General MIDI soundfont ") +
           QuotedValue(soundfont.path) + " cannot be read (" + reason + "); " + fix + kSilently;
  }
  if (fluid_is_soundfont(soundfont.path.c_str()) == 0) {
    return "fretlab: no sound: " + QuotedValue(soundfont.path) + " is not a SoundFont (.sf2 or .sf3) file; " +
           fix + kSilently;
  }
  return {};
}

std::string SoundfontNotLoaded(const SoundfontChoice& soundfont, const std::string& reason) {
  std::string line = "fretlab: no sound: the soundfont " + QuotedValue(soundfont.path) + " could not be loaded";
  if (!reason.empty()) line += " (" + reason + ")";
  line += soundfont.userChosen ? "; give --soundfont a working .sf2 or .sf3 file"
                               : "; reinstall " + std::string(kDefaultSoundfontPackage) +
                                     " or give --soundfont PATH";
  return line + kSilently;
}

std::string SoundfontReadWhole(const SoundfontChoice& soundfont, const std::string& reason) {
  return "fretlab: the soundfont " + QuotedValue(soundfont.path) + " cannot be read a preset at a time (" +
         reason + "); FluidSynth loads it whole, which takes more memory and time.\n";
}

std::string SynthDidNotStart(const std::string& reason) {
  return "fretlab: no sound: the FluidSynth synthesizer could not start (" + reason + ")" +
         kSilently;
}

std::string NoAudioDevice(const std::string& failures) {
  return "fretlab: no sound: no audio device could be opened (" + failures +
         "); start PipeWire or PulseAudio, or check the sound card, or use --midi-out alsa" +
         kSilently;
}

}  // namespace fretlab
