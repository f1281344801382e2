#pragma once
// Chord shapes as guitarists write them, for the naming tests: low E to high
// E, a fret digit (a = 10, b = 11, ...) or 'x' for a muted string, on a
// six-string neck in standard tuning.

#include <string>

#include "theory/fretboard.h"
#include "theory/spelling.h"

namespace fretlab::testing {

// A spelled note as chord symbols write it: "Db".
inline std::string Ascii(SpelledNote note) { return NoteName(note, SignStyle::kAscii); }

// Open strings by chord slot, low E first.
inline constexpr NoteNumber kStandardOpen[6] = {40, 45, 50, 55, 59, 64};

inline Chord Shape(const std::string& frets) {
  Chord notes{};
  for (int k = 0; k < kStringCount; ++k) {
    const char c = frets.at(k);
    if (c == 'x') continue;
    notes[k] = kStandardOpen[k] + (c >= 'a' ? c - 'a' + 10 : c - '0');
  }
  return notes;
}

// The same shape moved up `by` frets (muted strings stay muted).
inline Chord Moved(const std::string& frets, int by) {
  Chord notes = Shape(frets);
  for (NoteNumber& n : notes) {
    if (n != 0) n += by;
  }
  return notes;
}

}  // namespace fretlab::testing
