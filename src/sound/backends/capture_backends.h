#pragma once
// The sound inputs the Practice window can listen to, beside the outputs of
// backends.h and the MIDI inputs of midi_input_backends.h: today the sound
// server's sources (PulseAudio or PipeWire, through libpulse). Callers see
// only the AudioCapture seam.

#include <memory>

#include "sound/audio_capture.h"

namespace fretlab {

// The system's capture. It connects to nothing until asked for its sources
// or started, so making it costs nothing while the user does not listen.
std::unique_ptr<AudioCapture> CreateAudioCapture();

}  // namespace fretlab
