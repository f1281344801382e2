#pragma once
// Keeps the loudest strums below a ceiling without touching single notes: a
// look-ahead limiter on both channels with one gain. The sound is delayed by
// kLookahead frames; the gain falls to what the loudest frame in that window
// needs before that frame is played, and rises back slowly afterwards.
// Below the ceiling the gain is 1 and the sound passes unchanged.

#include <vector>

namespace fretlab {

class PeakLimiter {
 public:
  static constexpr int kLookahead = 64;  // frames, 1.45 ms at 44.1 kHz

  // `ceiling`: largest magnitude let through (0.63 = -4 dBFS). `release`:
  // the share of the way back to full gain covered per frame.
  PeakLimiter(float ceiling, float release);

  // In place; the output is the input of kLookahead frames before.
  void Process(float* left, float* right, int frames);

 private:
  float ceiling_;
  float release_;
  float gain_ = 1.0f;
  int at_ = 0;  // ring index of the oldest frame
  std::vector<float> left_, right_, magnitude_;
};

}  // namespace fretlab
