#pragma once
// aubio's detectors over one hop of samples at a time: YIN-fast pitch with
// its confidence, onsets, and the hop's level. The rule that turns these
// frames into notes (NoteDecision) knows nothing of aubio.

#include <complex>
#include <memory>
#include <vector>

#include "listen/listen_settings.h"

namespace fretlab {

struct ListenFrame {
  double time = 0;         // seconds from the stream's first sample to the hop's end
  double note = 0;         // MIDI, fractional; 0 when the detector found no pitch
  double confidence = 0;   // 0..1, YIN's 1 - its dip
  double levelDb = -200;   // the hop's RMS in dBFS
  bool onset = false;      // aubio found an onset in this hop
  double onsetTime = 0;    // seconds, where it placed that onset
  // A break that ended in this hop: digital silence between sound, shorter
  // than kLongestBreak (a player's or the sound server's buffer run dry).
  double breakStart = 0, breakEnd = 0;  // seconds; equal when there was none
};

// A run of samples this quiet is digital silence: nothing a microphone or a
// pickup gives, only a stream that has no samples to give.
inline constexpr float kDigitalSilence = 1e-6f;
// Breaks of this length at most are reported; a longer silence is a pause.
// A sound server's or a player's buffer runs dry for 3 to 25 ms; a guitar
// never gives digital silence, and a noise gate shuts only a faded note.
// Shorter than the silence that ends a note (NoteDecision's silenceFrames).
inline constexpr double kLongestBreak = 0.040;  // seconds
// Shorter runs are zero crossings of a very quiet sound, not a break.
inline constexpr double kShortestBreak = 0.0003;  // seconds

// A pitch's harmonics at a time of the stream: the one question the
// decision asks of the sound itself.
class HarmonicSource {
 public:
  virtual ~HarmonicSource() = default;
  // Harmonic `harmonic` (1: the pitch itself) of the pitch `midi` over the
  // pitch detector's window ending `windowEnd` seconds into the stream: its
  // amplitude (1 for a full-scale sine) and its phase against the stream's
  // first sample, so that a steady partial keeps its phase from one window
  // to the next. 0 when that window is out of reach.
  virtual std::complex<double> Harmonic(double midi, int harmonic, double windowEnd) const = 0;
};

class HopAnalyser : public HarmonicSource {
 public:
  // `onsets`: look for onsets too (the tuner needs none).
  explicit HopAnalyser(const ListenSettings& settings, bool onsets = true);
  ~HopAnalyser() override;

  int Hop() const { return hop_; }
  // `samples` holds Hop() samples that follow those of the previous call.
  ListenFrame Analyse(const float* samples);
  // From the last kKeptSeconds of samples analysed.
  std::complex<double> Harmonic(double midi, int harmonic, double windowEnd) const override;
  static constexpr double kKeptSeconds = 0.5;

 private:
  ListenSettings settings_;
  int hop_;
  long long hopsDone_ = 0;
  std::vector<float> kept_;  // the last samples analysed, a ring: sample i at i % size
  long long silentRun_ = 0;  // samples of digital silence up to the last one analysed
  bool soundBefore_ = false;  // a sample that was not silent came before that run
  struct Detectors;  // aubio's objects and vectors
  std::unique_ptr<Detectors> aubio_;
};

}  // namespace fretlab
