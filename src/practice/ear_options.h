#pragma once
// How the ear drills sound their questions and what they ask: the choices
// the student makes for a round, remembered by the window.

#include <cstdint>

namespace fretlab::practice {

// How the two notes of an interval sound.
enum class IntervalDirection { kAscending, kDescending, kTogether };

struct EarOptions {
  IntervalDirection direction = IntervalDirection::kAscending;
  int intervalStep = 0;  // the ladder's step, 0..kIntervalSteps - 1 (ear_names.h)
  int qualityStep = 0;   // 0..kQualitySteps - 1
  int scaleStep = 0;     // 0..kScaleSteps - 1
  // Interval: find the second note on the neck from the first, marked,
  // rather than name the interval.
  bool onNeck = false;
  // Chord quality: pick its voicing on the neck from its root, marked,
  // rather than name the quality.
  bool voicingOnNeck = false;
  bool arpeggiated = false;  // a chord's notes one by one, not strummed
  bool phrase = false;       // a scale as a short random phrase, not up
  // The beats per minute of the question's notes (one note a beat).
  int tempo = 100;
  // Draws the scales' phrases, so that a seed gives the same round.
  std::uint64_t seed = 1;
};

inline constexpr int kMinTempo = 40;
inline constexpr int kMaxTempo = 240;

}  // namespace fretlab::practice
