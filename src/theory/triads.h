#pragma once
// Triads on string sets: a three-note chord (major, minor, diminished,
// augmented, sus2, sus4) in close position on three adjacent strings, in
// root position, first and second inversion, all the way up the neck.
//
// Close position: from the bass up, each note the next chord tone above
// the one below, the three within an octave. Root position has the root in
// the bass; first inversion the third (or the suspension); second the fifth.
//
// How to use it:
//   std::optional<StringIndex> top = ParseTriadStrings("2-4", 6);   // strings 2–4
//   for (const TriadVoicing& t : TriadsOnStrings(tuning, capo, chord, *top)) {
//     t.notes (lowest string first), t.inversion, t.Label(), t.span
//   }

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "theory/chord_symbol.h"
#include "theory/neck_positions.h"

namespace fretlab {

struct TriadVoicing {
  StringIndex top = 0;  // the strings top, top + 1, top + 2
  int inversion = 0;    // 0 root position, 1 first, 2 second
  // From the lowest of the three strings up; degreeIndex into the chord's tones.
  std::array<MarkedPosition, 3> notes{};
  FretRange span;

  // "root position", "first inversion", "second inversion".
  std::string Label() const;
};

// "root position", "first inversion", "second inversion" for 0, 1, 2.
std::string InversionName(int inversion);

// The voicings of a chord of three tones on the strings top..top+2, with
// its frets from the capo to the last fret and within 5 frets, by the fret
// of the bass up the neck; empty for another chord or a string set the
// tuning does not have.
std::vector<TriadVoicing> TriadsOnStrings(const Tuning& tuning, int capo, const ChordSymbol& chord,
                                          StringIndex top);

// "1-3", "2–4", "3-5" (strings numbered from 1, the thinnest; an en dash
// serves as well): the top string's index of three adjacent strings of a
// tuning of `strings` strings. Nothing for any other text.
std::optional<StringIndex> ParseTriadStrings(std::string_view text, int strings);
// "2–4" for the strings top..top+2.
std::string TriadStringsText(StringIndex top);

}  // namespace fretlab
