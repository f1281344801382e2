#include "sound/backends/peak_limiter.h"

#include <algorithm>
#include <cmath>

namespace fretlab {

PeakLimiter::PeakLimiter(float ceiling, float release)
    : ceiling_(ceiling),
      release_(release),
      left_(kLookahead + 1),
      right_(kLookahead + 1),
      magnitude_(kLookahead + 1) {}

void PeakLimiter::Process(float* left, float* right, int frames) {
  const int size = kLookahead + 1;
  for (int i = 0; i < frames; ++i) {
    // The ring holds the frame leaving now (at_) and the kLookahead after it.
    const int newest = (at_ + kLookahead) % size;
    left_[newest] = left[i];
    right_[newest] = right[i];
    magnitude_[newest] = std::max(std::fabs(left[i]), std::fabs(right[i]));
    const float loudest = *std::max_element(magnitude_.begin(), magnitude_.end());
    const float needed = loudest > ceiling_ ? ceiling_ / loudest : 1.0f;
    gain_ = std::min(needed, gain_ + (1.0f - gain_) * release_);
    left[i] = left_[at_] * gain_;
    right[i] = right_[at_] * gain_;
    at_ = (at_ + 1) % size;
  }
}

}  // namespace fretlab
