#include "sound/backends/onset_aligner.h"

#include <algorithm>

namespace fretlab {

namespace {

std::int64_t FloorToBlock(std::int64_t frame) {
  return frame - frame % OnsetAligner::kBlock;  // frames are never negative here
}

}  // namespace

OnsetAligner::OnsetAligner(BlockSource source)
    : source_(std::move(source)), ringLeft_(kRing), ringRight_(kRing) {}

OnsetAligner::Placement OnsetAligner::PlaceOnset(std::int64_t frame) {
  std::int64_t onset = std::max({frame, outFrame_ + kLookahead, lastOnset_});
  // Each step moves the onset one frame later; within kBlock + kFade steps
  // both the block and the crossfade are free.
  for (;; ++onset) {
    const std::int64_t block = FloorToBlock(onset);
    if (block < synthFrame_) continue;  // already rendered
    if (block == lastOnsetBlock_) {
      return {block + plannedDelay_, block};
    }
    const int delay = static_cast<int>(onset - block);
    // A longer delay makes the old reading reach the new block earlier, by
    // the difference; the crossfade ends before that.
    const std::int64_t fadeEnd = onset - std::max(0, delay - plannedDelay_);
    const std::int64_t fadeStart = fadeEnd - kFade;
    if (delay != plannedDelay_) {
      if (fadeStart < outFrame_ || fadeStart < plannedFadeEnd_) continue;
      changes_.push_back({fadeStart, fadeEnd, delay});
      plannedDelay_ = delay;
      plannedFadeEnd_ = fadeEnd;
    }
    lastOnset_ = onset;
    lastOnsetBlock_ = block;
    return {onset, block};
  }
}

int OnsetAligner::DelayAt(std::int64_t outputFrame) const {
  int delay = delay_;
  for (const DelayChange& change : changes_) {
    if (outputFrame < change.fadeStart) break;
    delay = change.delay;
  }
  return delay;
}

std::int64_t OnsetAligner::SynthBlockFor(std::int64_t frame) const {
  const std::int64_t synth = std::max<std::int64_t>(0, frame - DelayAt(frame));
  return std::max(FloorToBlock(synth), synthFrame_);
}

void OnsetAligner::Read(std::int64_t synthFrame, float& left, float& right) {
  if (synthFrame < 0) {
    left = right = 0.0f;
    return;
  }
  while (synthFrame >= synthFrame_) {
    const int at = static_cast<int>(synthFrame_ % kRing);
    source_(synthFrame_, &ringLeft_[at], &ringRight_[at]);
    synthFrame_ += kBlock;
  }
  const int at = static_cast<int>(synthFrame % kRing);
  left = ringLeft_[at];
  right = ringRight_[at];
}

void OnsetAligner::Render(float* left, float* right, int frames) {
  for (int i = 0; i < frames; ++i, ++outFrame_) {
    while (!changes_.empty() && outFrame_ >= changes_.front().fadeEnd) {
      delay_ = changes_.front().delay;
      changes_.pop_front();
    }
    float l = 0, r = 0;
    Read(outFrame_ - delay_, l, r);
    if (!changes_.empty() && outFrame_ >= changes_.front().fadeStart) {
      const DelayChange& change = changes_.front();
      float l2 = 0, r2 = 0;
      Read(outFrame_ - change.delay, l2, r2);
      // Linear: the two readings are the same sound a few frames apart, so
      // their weights add up to one.
      const float w = (static_cast<float>(outFrame_ - change.fadeStart) + 0.5f) / kFade;
      l += w * (l2 - l);
      r += w * (r2 - r);
    }
    left[i] = l;
    right[i] = r;
  }
}

}  // namespace fretlab
