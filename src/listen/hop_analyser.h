#pragma once
// aubio's detectors over one hop of samples at a time: YIN-fast pitch with
// its confidence, onsets, and the hop's level. The rule that turns these
// frames into notes (NoteDecision) knows nothing of aubio.

#include <memory>

#include "listen/listen_settings.h"

namespace fretlab {

struct ListenFrame {
  double time = 0;         // seconds from the stream's first sample to the hop's end
  double note = 0;         // MIDI, fractional; 0 when the detector found no pitch
  double confidence = 0;   // 0..1, YIN's 1 - its dip
  double levelDb = -200;   // the hop's RMS in dBFS
  bool onset = false;      // aubio found an onset in this hop
  double onsetTime = 0;    // seconds, where it placed that onset
};

class HopAnalyser {
 public:
  // `onsets`: look for onsets too (the tuner needs none).
  explicit HopAnalyser(const ListenSettings& settings, bool onsets = true);
  ~HopAnalyser();

  int Hop() const { return hop_; }
  // `samples` holds Hop() samples that follow those of the previous call.
  ListenFrame Analyse(const float* samples);

 private:
  ListenSettings settings_;
  int hop_;
  long long hopsDone_ = 0;
  struct Detectors;  // aubio's objects and vectors
  std::unique_ptr<Detectors> aubio_;
};

}  // namespace fretlab
