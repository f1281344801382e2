#pragma once
// What the ear drills ask for and how an answer names it: intervals (m2 …
// P8, and m9 … P15 beyond the octave), chord qualities and scale sounds,
// each in a fixed order with the preset ladders that bring them into play.
//
// Intervals are counted in semitones, 1..24; an interval name is read as a
// musician writes it (a quality m, M, P, A or d and a number 1..15, or TT),
// so that every spelling of one sound (A4, d5, TT) reads as that sound.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fretlab::practice {

inline constexpr int kOctave = 12;
inline constexpr int kLargestInterval = 24;  // two octaves

// "m2", "M2", …, "TT", …, "P8", then "m9" … "A11" … "P15"; 1..24 semitones.
std::string IntervalShortName(int semitones);
// The semitones an interval name stands for; nothing when it names none
// ("A4" 6, "d5" 6, "TT" 6, "P8" 12, "M10" 16).
std::optional<int> ParseIntervalName(std::string_view text);

// The intervals of each step of the ladder, cumulative: step 0 is P4 P5 P8,
// then + M3 m3, + M2 m2, + M6 m6, + m7 M7 TT, and last the compound ones.
inline constexpr int kIntervalSteps = 6;
std::vector<int> IntervalsInPlay(int step);

// The chord qualities, in the order the buttons show them.
enum class ChordQuality {
  kMajor, kMinor, kDiminished, kAugmented, kSus2, kSus4,
  kDominant7, kMajor7, kMinor7, kHalfDiminished7, kDiminished7,
};
inline constexpr int kChordQualityCount = 11;
// "major", "minor", "diminished", "augmented", "sus2", "sus4", "7", "maj7",
// "m7", "m7♭5", "dim7".
std::string QualityName(ChordQuality quality);
// The suffix a chord symbol writes after its root ("", "m", "dim", "m7b5").
std::string QualitySuffix(ChordQuality quality);
// A quality's name or a usual other spelling ("min", "aug", "+", "m7b5",
// "ø", "°7"); letter case matters only where it tells m from M.
std::optional<ChordQuality> ParseQuality(std::string_view text);
// Cumulative: major minor; + diminished augmented; + sus2 sus4; + 7 maj7
// m7; + m7♭5 dim7.
inline constexpr int kQualitySteps = 5;
std::vector<ChordQuality> QualitiesInPlay(int step);

// The scale sounds: the seven modes, harmonic and melodic minor, the two
// pentatonics and the blues scale.
inline constexpr int kScaleSoundCount = 12;
struct ScaleSound {
  std::string_view name;  // "Dorian", "Minor pentatonic"
  std::vector<int> steps;  // semitones above the root, ascending, the root first
};
const std::vector<ScaleSound>& ScaleSounds();
// A scale's name, letter case ignored; "Ionian" and "Aeolian" read as
// Major and Natural minor. An index into ScaleSounds().
std::optional<int> ParseScaleSound(std::string_view text);
// Cumulative: Major, Natural minor; + the pentatonics and blues; + Dorian,
// Mixolydian, Lydian; + Phrygian, Locrian; + harmonic and melodic minor.
inline constexpr int kScaleSteps = 5;
std::vector<int> ScalesInPlay(int step);

}  // namespace fretlab::practice
