#pragma once
// The patterns behind scale_positions.h, before they are cut to the neck:
// for scale_positions.cpp, caged_windows.cpp and notes_per_string.cpp.

#include <optional>
#include <vector>

#include "theory/key_spelling.h"
#include "theory/tuning.h"

namespace fretlab::position_patterns {

// What a scale is to the position systems, from its notes above its root.
struct ScaleKind {
  bool sevenNotes = false;
  std::optional<int> parentMajor;      // pitch class, for the major scale and its modes
  std::optional<int> minorPentatonic;  // pitch class of the minor pentatonic on the same notes
  bool blues = false;                  // the minor pentatonic with its blue note (♭5)
};
ScaleKind KindOf(const KeySpelling& key);

// A note of a pattern, its fret possibly off the neck.
struct PatternNote {
  StringIndex string = 0;
  FretIndex fret = 0;
  NoteNumber note = 0;
};

// One instance of a position, before it is cut to the neck.
struct Pattern {
  int number = 0;
  int start = 0;    // its lowest fret, uncut
  int highest = 0;  // its highest fret, uncut
  std::vector<PatternNote> notes;  // from the lowest string up
};

// Six strings, each a fourth above the one below, the second string a
// major third above the third: the intervals of standard tuning.
bool HasStandardIntervals(const Tuning& tuning);

// The CAGED form (0..4 as kCagedLetters) of the chord on `tonic` (a pitch
// class) that lies within frets `from`..`to`; -1 when none does.
int CagedFormWithin(const Tuning& tuning, int tonic, int from, int to);

// The five shapes of a major-family scale, every octave that reaches the
// neck (0..last fret), numbered by CagedFormWithin.
std::vector<Pattern> CagedWindows(const Tuning& tuning, const KeySpelling& key, int parentMajor);

// `perString` consecutive notes of `scale` (pitch classes, ascending from
// its root) on each string from the lowest up, starting with scale[first] on
// the lowest string, every octave that reaches the neck. Numbered first + 1.
std::vector<Pattern> NotesPerString(const Tuning& tuning, const std::vector<int>& scale,
                                    int perString, int first);

// The five boxes of the minor pentatonic on `minorRoot` (a pitch class),
// with the blue note a fret above each 4 when `blues`.
std::vector<Pattern> PentatonicBoxes(const Tuning& tuning, int minorRoot, bool blues);

}  // namespace fretlab::position_patterns
