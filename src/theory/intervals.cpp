#include "theory/intervals.h"

namespace fretlab {

namespace {

// Unison, fourth and fifth (and the eleventh) are perfect; the others major
// in the major scale.
bool IsPerfect(int number) {
  const int base = (number - 1) % 7 + 1;
  return base == 1 || base == 4 || base == 5;
}

std::string OrdinalWord(int number) {
  switch (number) {
    case 1: return "unison";
    case 2: return "second";
    case 3: return "third";
    case 4: return "fourth";
    case 5: return "fifth";
    case 6: return "sixth";
    case 7: return "seventh";
    case 9: return "ninth";
    case 11: return "eleventh";
    case 13: return "thirteenth";
    default: return std::to_string(number) + "th";
  }
}

std::string QualityWord(int number, int alteration) {
  if (IsPerfect(number)) {
    switch (alteration) {
      case -2: return "doubly diminished";
      case -1: return "diminished";
      case 0: return "perfect";
      case 1: return "augmented";
      default: return "doubly augmented";
    }
  }
  switch (alteration) {
    case -2: return "diminished";
    case -1: return "minor";
    case 0: return "major";
    case 1: return "augmented";
    default: return "doubly augmented";
  }
}

std::string QualityLetters(int number, int alteration) {
  if (IsPerfect(number)) {
    switch (alteration) {
      case -2: return "dd";
      case -1: return "d";
      case 0: return "P";
      case 1: return "A";
      default: return "AA";
    }
  }
  switch (alteration) {
    case -2: return "d";
    case -1: return "m";
    case 0: return "M";
    case 1: return "A";
    default: return "AA";
  }
}

// The naturals: Okabe & Ito (2008), "Color Universal Design". Vermillion for
// the root, which reads as distinct from all the others in every common
// deficiency.
constexpr Rgb kRootColour{0xD5, 0x5E, 0x00};
constexpr Rgb kByNumber[7] = {
    kRootColour,         // 1
    {0xF0, 0xE4, 0x42},  // 2, 9: yellow
    {0x56, 0xB4, 0xE9},  // 3: sky blue
    {0x00, 0x9E, 0x73},  // 4, 11: bluish green
    {0x00, 0x72, 0xB2},  // 5: blue
    {0xCC, 0x79, 0xA7},  // 6, 13: reddish purple
    {0xE6, 0x9F, 0x00},  // 7: orange
};

// The altered sounds, by semitones above the root (0..11): Paul Tol's muted
// scheme, each a kin of its natural neighbour (olive beside the 2's yellow,
// indigo beside the 3's sky blue, brown beside the 7's orange) yet clearly
// another colour. The white-key semitones, which only odd spellings alter
// into (♭4, ♯3, 𝄫3, ♯7 ...), are grey.
constexpr Rgb kOddColour{0x99, 0x99, 0x99};
constexpr Rgb kAlteredBySemitones[12] = {
    kOddColour,
    {0xAA, 0xAA, 0x00},  // 1: ♭2, ♭9: olive
    kOddColour,
    {0x33, 0x22, 0x88},  // 3: ♭3, ♯2, ♯9: indigo
    kOddColour,
    kOddColour,
    {0x11, 0x77, 0x33},  // 6: ♯4, ♭5, ♯11: green
    kOddColour,
    {0xFF, 0xAA, 0xBB},  // 8: ♯5, ♭6, ♭13: pink
    {0xAA, 0x44, 0x99},  // 9: 𝄫7: purple
    {0x66, 0x33, 0x33},  // 10: ♭7, ♯6: brown
    kOddColour,
};

}  // namespace

int Degree::Semitones() const {
  // The major scale on C is the white keys: its degree n is letter n - 1.
  return PitchClass(NaturalPitchClass(LetterSteps()) + alteration);
}

std::string IntervalLabel(Degree degree, SignStyle style) {
  if (degree.IsRoot()) return "R";
  return DegreeLabel(degree, style);
}

std::string DegreeLabel(Degree degree, SignStyle style) {
  return AccidentalSigns(degree.alteration, style) + std::to_string(degree.number);
}

std::string IntervalShortName(Degree degree) {
  if (degree.IsRoot()) return "R";
  return QualityLetters(degree.number, degree.alteration) + std::to_string(degree.number);
}

std::string IntervalName(Degree degree) {
  if (degree.IsRoot()) return "root";
  return QualityWord(degree.number, degree.alteration) + " " + OrdinalWord(degree.number);
}

IntervalShape ShapeOf(Degree degree) {
  if (degree.IsRoot()) return IntervalShape::kRoot;
  if (degree.alteration < 0) return IntervalShape::kLowered;
  return degree.alteration > 0 ? IntervalShape::kRaised : IntervalShape::kNatural;
}

Rgb IntervalColour(Degree degree) {
  if (degree.alteration != 0) return kAlteredBySemitones[degree.Semitones()];
  return kByNumber[(degree.number - 1) % 7];
}

Rgb IntervalTextColour(Degree degree) {
  const Rgb c = IntervalColour(degree);
  // Relative luminance by the sRGB weights, on 0..255 values.
  const int luminance = (2126 * c.red + 7152 * c.green + 722 * c.blue) / 10000;
  return luminance > 140 ? Rgb{0, 0, 0} : Rgb{0xFF, 0xFF, 0xFF};
}

}  // namespace fretlab
