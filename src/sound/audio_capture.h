#pragma once
// The capture seam: mono float samples from an input (a microphone, a
// guitar's audio interface) through the sound server, for listening to
// what is played. Backends (sound/backends/) deliver blocks on a thread of
// their own; nothing is recorded anywhere. Between Stop() and the next
// Start() a backend holds no stream and no connection, so that a program
// that is not listening captures nothing and is woken by nothing.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "sound/sound_clock.h"

namespace fretlab {

struct CaptureSource {
  std::string name;         // the server's name for it, given back to Start()
  std::string description;  // what the user is shown: "Built-in Audio Analog Stereo"
  bool isDefault = false;   // the system's default input
  friend bool operator==(const CaptureSource&, const CaptureSource&) = default;
};

class AudioCapture {
 public:
  // `count` samples; `firstFrame` is when the first of them was captured.
  using BlockHandler = std::function<void(const float* samples, std::size_t count,
                                          SoundClock::time_point firstFrame)>;
  // One plain line: the input is gone, or the server went away. No block
  // follows it.
  using FailureHandler = std::function<void(const std::string& line)>;

  virtual ~AudioCapture() = default;

  // The inputs, the default first. Empty, with one plain line in `failure`,
  // when there is no server or no input at all.
  virtual std::vector<CaptureSource> Sources(std::string& failure) = 0;
  // Begins capturing `source` (a name from Sources(); empty for the
  // default) at `sampleRate` frames a second, mono. False, with one plain
  // line in `failure`, when there is no server, no such input, or the
  // server refuses the stream. The handlers run on the backend's thread.
  virtual bool Start(const std::string& source, int sampleRate, BlockHandler onBlock,
                     FailureHandler onFailure, std::string& failure) = 0;
  // Ends capturing; no handler runs or follows once it returns.
  virtual void Stop() = 0;
};

}  // namespace fretlab
