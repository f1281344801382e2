#pragma once
// Degrees and intervals above a root, written the way a musician reads them.
//
// A Degree is a number (1 = root ... 7, and 9, 11, 13 for the extensions of
// chords) and an alteration against the major scale (−1 = ♭, +1 = ♯):
//   Degree{3, -1}.Semitones()        -> 3
//   IntervalLabel({3, -1})           -> "♭3"    (IntervalLabel({1, 0}) -> "R")
//   DegreeLabel({1, 0})              -> "1"
//   IntervalName({3, -1})            -> "minor third"  (for screen readers)
//   IntervalColour({3, -1})          -> the palette colour of every third
// The colours come from the Okabe–Ito palette, which stays distinct under
// the common colour-vision deficiencies; the root has a colour of its own.

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
// "root", "minor second", "perfect fourth", "augmented fourth", "diminished
// seventh", "major ninth", ...
std::string IntervalName(Degree degree);

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// One colour per degree number (2 and 9, 4 and 11, 6 and 13 share one), the
// same for every alteration, and a root colour used by no other degree.
Rgb IntervalColour(Degree degree);
// Black or white, whichever reads better on IntervalColour(degree).
Rgb IntervalTextColour(Degree degree);

}  // namespace fretlab
