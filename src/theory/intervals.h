#pragma once
// Degrees and intervals above a root, written the way a musician reads them.
//
// A Degree is a number (1 = root ... 7, and 9, 11, 13 for the extensions of
// chords) and an alteration against the major scale (−1 = ♭, +1 = ♯):
//   Degree{3, -1}.Semitones()        -> 3
//   IntervalLabel({3, -1})           -> "♭3"    (IntervalLabel({1, 0}) -> "R")
//   DegreeLabel({1, 0})              -> "1"
//   IntervalShortName({3, -1})       -> "m3"    (IntervalShortName({5, -1}) -> "d5")
//   IntervalName({3, -1})            -> "minor third"  (for screen readers)
//   IntervalColour({3, -1})          -> the colour of the minor third, not the 3's
//   ShapeOf({3, -1})                 -> IntervalShape::kLowered: a notch as well
// Colours follow the interval's sound: the seven naturals (the major scale,
// the root among them) in one set, the five altered sounds (♭2, ♭3 or ♯9, ♯4
// or ♭5, ♯5 or ♭6, ♭7) and the 𝄫7 in another. Each set stays apart under the
// common colour-vision deficiencies (checked in tests/theory against Machado
// et al.'s simulations and CIEDE2000), and the shape tells the sets apart,
// so a ♭3 never passes for a 3 whatever colours the eye sees.

#include <cstdint>
#include <string>

#include "theory/spelling.h"

namespace fretlab {

struct Degree {
  int number = 1;      // 1..7, or 9, 11, 13
  int alteration = 0;  // -2..+2 semitones against the major scale's degree

  // Semitones above the root, folded into 0..11 (the ninth is 2).
  int Semitones() const;
  // Letters above the root's letter, 0..6 (the ninth is 1: D over C).
  int LetterSteps() const { return (number - 1) % 7; }
  bool IsRoot() const { return number == 1 && alteration == 0; }
  friend bool operator==(const Degree&, const Degree&) = default;
};

// "R", "♭2", "2", ..., "♯4", "♭5", ..., "7", "9", "11".
std::string IntervalLabel(Degree degree, SignStyle style = SignStyle::kUnicode);
// As IntervalLabel, but the root is "1".
std::string DegreeLabel(Degree degree, SignStyle style = SignStyle::kUnicode);
// The name guitar books print above a chord chart: "R", "m2", "M2", "m3",
// "M3", "P4", "A4" or "d5" as spelled, "P5", "A5", "m6", "M6", "d7", "m7",
// "M7"; the extensions keep their numbers: "m9", "M9", "A9", "P11", "A11",
// "m13", "M13". Double alterations read "dd" and "AA".
std::string IntervalShortName(Degree degree);
// "root", "minor second", "perfect fourth", "augmented fourth", "diminished
// seventh", "major ninth", ...
std::string IntervalName(Degree degree);

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// How a mark shows its degree besides its colour: the root with a doubled
// ring, a natural degree with a plain one, an altered degree with a notch in
// the ring, at the bottom when it is lowered and at the top when raised.
enum class IntervalShape { kRoot, kNatural, kLowered, kRaised };
IntervalShape ShapeOf(Degree degree);

// The root's colour; a natural degree's by its number (2 and 9, 4 and 11, 6
// and 13 share one); an altered degree's by its semitones above the root (♯4
// and ♭5 share one), never its natural neighbour's.
Rgb IntervalColour(Degree degree);
// Black or white, whichever reads better on IntervalColour(degree).
Rgb IntervalTextColour(Degree degree);

}  // namespace fretlab
