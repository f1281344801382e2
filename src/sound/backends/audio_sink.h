#pragma once
// Where the built-in synthesizer's stereo frames go: a sound server or an
// audio device that asks for frames while it streams. The stream runs only
// while there is something to hear, so that a quiet program costs neither it
// nor the sound server any wake-ups.

#include <functional>
#include <string>

#include "sound/sound_clock.h"

namespace fretlab {

class AudioSink {
 public:
  // Fills `frames` frames of each channel, asked for at `when`.
  using RenderFunction =
      std::function<void(float* left, float* right, int frames, SoundClock::time_point when)>;

  virtual ~AudioSink() = default;
  // Reaches the sound server or the device, once, off the window's thread.
  // False, with the reason in `failure`, when there is none.
  virtual bool Connect(std::string& failure) = 0;
  // Begins streaming: requests for frames follow until Stop().
  virtual bool Start() = 0;
  // Ends streaming; no request is running or follows once it returns.
  virtual void Stop() = 0;
  // "pulseaudio", "alsa", ...
  virtual std::string Name() const = 0;
};

}  // namespace fretlab
