#include "sound/backends/capture_backends.h"

#include "sound/backends/pulse_audio_capture.h"

namespace fretlab {

std::unique_ptr<AudioCapture> CreateAudioCapture() { return std::make_unique<PulseAudioCapture>(); }

}  // namespace fretlab
