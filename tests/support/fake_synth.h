#pragma once
// A synthesizer behind the onset aligner, without FluidSynth: its frame n
// holds `value(n)`, plus 1.0 on the first frame of every block where an onset
// was asked to start, so that a test sees where each onset lands.

#include <cstdint>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "sound/backends/onset_aligner.h"

namespace fretlab::testing {

class FakeSynth {
 public:
  explicit FakeSynth(std::function<float(std::int64_t)> value = [](std::int64_t) { return 0.0f; })
      : value_(std::move(value)),
        aligner([this](std::int64_t frame, float* left, float* right) {
          for (int i = 0; i < OnsetAligner::kBlock; ++i) {
            left[i] = right[i] = value_(frame + i);
          }
          if (onsetBlocks.count(frame)) left[0] = right[0] = left[0] + 1.0f;
        }) {}

  OnsetAligner::Placement Place(std::int64_t frame) {
    const auto placement = aligner.PlaceOnset(frame);
    onsetBlocks.insert(placement.synthFrame);
    return placement;
  }
  // The left channel of the next `frames` frames.
  std::vector<float> Render(int frames) {
    std::vector<float> left(frames), right(frames);
    aligner.Render(left.data(), right.data(), frames);
    return left;
  }

  std::function<float(std::int64_t)> value_;
  std::set<std::int64_t> onsetBlocks;  // synth frames of the blocks where onsets start
  OnsetAligner aligner;
};

}  // namespace fretlab::testing
