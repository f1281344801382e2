// The catalogue's chord formulas: the main window's 34, then every other
// chord type the chord naming writes (chord_name.h), each under the symbol
// that naming gives its notes stacked over the root.

#include "theory/catalogue_rows.h"

namespace fretlab::catalogue_rows {

// As ScaleRows, for the main window's arpeggio and chord lists. Degrees in
// the order of marking and sounding. A sixth chord's fourth tone is the 6;
// the diminished seventh's is the 𝄫7.
std::vector<ChordRow> ChordRows() {
  return {
      {"Major triad", "", {R, M3, P5}, "M(Major)"},
      {"Major 6", "6", {R, M3, P5, M6}, "M6"},
      {"Major 6 \u266D5", "6\u266D5", {R, M3, d5, M6}, "M6b5"},
      {"Major 6 \u266F5", "6\u266F5", {R, M3, A5, M6}, "M6#5"},
      {"Major 7", "maj7", {R, M3, P5, M7}, "M7"},
      {"Major 7 \u266D5", "maj7\u266D5", {R, M3, d5, M7}, "M7b5"},
      {"Major 7 \u266F5", "maj7\u266F5", {R, M3, A5, M7}, "M7#5"},
      {"Dominant 7", "7", {R, M3, P5, m7}, "7"},
      {"Dominant 7 \u266D5", "7\u266D5", {R, M3, d5, m7}, "7b5"},
      {"Dominant 7 \u266F5", "7\u266F5", {R, M3, A5, m7}, "7#5"},
      {"Major 9", "maj9", {R, M3, P5, M7, M9}, "M9"},
      {"Major 9 \u266D5", "maj9\u266D5", {R, M3, d5, M7, M9}, "M9b5"},
      {"Major 9 \u266F5", "maj9\u266F5", {R, M3, A5, M7, M9}, "M9#5"},
      {"Major 11", "maj11", {R, M3, P5, M7, M9, P11}, "M11"},
      {"Major 11 \u266D5", "maj11\u266D5", {R, M3, d5, M7, M9, P11}, "M11b5"},
      {"Major 11 \u266F5", "maj11\u266F5", {R, M3, A5, M7, M9, P11}, "M11#5"},
      {"Minor triad", "m", {R, m3, P5}, "m(minor)"},
      {"Minor 6", "m6", {R, m3, P5, M6}, "m6"},
      {"Minor 6 \u266D5", "m6\u266D5", {R, m3, d5, M6}, "m6b5"},
      {"Minor 6 \u266F5", "m6\u266F5", {R, m3, A5, M6}, "m6#5"},
      {"Minor 7", "m7", {R, m3, P5, m7}, "m7"},
      {"Minor 7 \u266D5", "m7\u266D5", {R, m3, d5, m7}, "m7b5"},
      {"Minor 7 \u266F5", "m7\u266F5", {R, m3, A5, m7}, "m7#5"},
      {"Minor 9", "m9", {R, m3, P5, m7, M9}, "m9"},
      {"Minor 9 \u266D5", "m9\u266D5", {R, m3, d5, m7, M9}, "m9b5"},
      {"Minor 9 \u266F5", "m9\u266F5", {R, m3, A5, m7, M9}, "m9#5"},
      {"Minor 11", "m11", {R, m3, P5, m7, M9, P11}, "m11"},
      {"Minor 11 \u266D5", "m11\u266D5", {R, m3, d5, m7, M9, P11}, "m11b5"},
      {"Minor 11 \u266F5", "m11\u266F5", {R, m3, A5, m7, M9, P11}, "m11#5"},
      {"Diminished triad", "dim", {R, m3, d5}, "dim"},
      {"Diminished 7", "dim7", {R, m3, d5, d7}, "dim7"},
      {"Half-diminished 7", "\u00F87", {R, m3, d5, m7}, "half dim7"},
      {"Augmented triad", "aug", {R, M3, A5}, "Aug"},
      // The added ninth, not a major seventh.
      {"Augmented add 9", "aug(add9)", {R, M3, A5, M9}, "Aug add9"},

      // The Practice window's alone. Suspended chords put the 2 or 4 in the
      // third's place.
      {"Suspended 2", "sus2", {R, M2, P5}},
      {"Suspended 4", "sus4", {R, P4, P5}},
      {"Dominant 7 sus4", "7sus4", {R, P4, P5, m7}},
      {"Dominant 9 sus4", "9sus4", {R, P4, P5, m7, M9}},
      {"Power chord", "5", {R, P5}},
      {"Add 9", "add9", {R, M3, P5, M9}},
      {"Minor add 9", "madd9", {R, m3, P5, M9}},
      {"Add 11", "add11", {R, M3, P5, P11}},
      {"Major 6/9", "6/9", {R, M3, P5, M6, M9}},
      {"Minor 6/9", "m6/9", {R, m3, P5, M6, M9}},
      {"Dominant 9", "9", {R, M3, P5, m7, M9}},
      {"Dominant 11", "11", {R, M3, P5, m7, M9, P11}},
      {"Dominant 13", "13", {R, M3, P5, m7, M9, M13}},
      {"Major 13", "maj13", {R, M3, P5, M7, M9, M13}},
      {"Minor 13", "m13", {R, m3, P5, m7, M9, M13}},
      {"Minor major 7", "mMaj7", {R, m3, P5, M7}},
      {"Minor major 9", "mMaj9", {R, m3, P5, M7, M9}},
      {"Major 7 \u266F11", "maj7\u266F11", {R, M3, P5, M7, A11}},
      // Altered dominants.
      {"Dominant 7 \u266D9", "7\u266D9", {R, M3, P5, m7, m9}},
      {"Dominant 7 \u266F9", "7\u266F9", {R, M3, P5, m7, A9}},
      {"Dominant 7 \u266F11", "7\u266F11", {R, M3, P5, m7, A11}},
      {"Dominant 7 \u266D13", "7\u266D13", {R, M3, P5, m7, m13}},
      {"Dominant 7 \u266F5 \u266F9", "7\u266F5\u266F9", {R, M3, A5, m7, A9}},
  };
}

}  // namespace fretlab::catalogue_rows
