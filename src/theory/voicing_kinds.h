#pragma once
// The finder's working form of a voicing, its kinds and its ranking, for
// voicing_finder.cpp and voicing_fault.cpp. Nothing here is on the heap, so
// that the tens of thousands of voicings of a chord on an eight-string neck
// are ranked quickly; only those shown become a Voicing with its texts.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "theory/chord_symbol.h"
#include "theory/voicing.h"

namespace fretlab::voicing_kinds {

// What the ranking needs to know of the chord and the neck, worked out once.
struct Context {
  Context(const ChordSymbol& chord, const Tuning& tuning, int capo);

  const ChordSymbol& chord;
  const Tuning& tuning;
  int capo = 0;
  int root = 0;             // pitch class
  unsigned intervals = 0;   // the chord's tones, bit i = i semitones above the root
  std::array<int, 12> degreeNumber{};  // by semitones above the root: 1..13, 0 for no tone
  bool sixStandard = false;     // six strings with standard tuning's intervals
  bool seventhOrSixth = false;  // a shell can be made of it
};

// A voicing as the finder ranks it: 16 bytes, for the tens of thousands a
// chord can have on an eight-string neck (memory first touched is slow to
// come by on some machines).
struct Candidate {
  std::array<std::int8_t, kMaxStrings> frets{};  // by string from the top; kMuted for a mute
  std::int16_t score = 0;
  std::int16_t pressed = 0;  // the frets pressed, added up
  VoicingKind kind = VoicingKind::kOther;
  std::int8_t sounding = 0;  // strings that sound
};
static_assert(sizeof(Candidate) <= 16);

// What the kind, score and texts of a voicing are worked out from.
struct Measures {
  int lowestFret = 0;  // of the pressed notes; 0 for none
  int span = 0, missing = 0, unisons = 0;
  StringIndex top = 0, bottom = 0;  // the first and last sounding strings from the top
  bool inversion = false;
};

// Four fingers can hold the frets (by string, kMuted for a mute; `capo` the
// fret of an open string): one finger may lie across the lowest fret when
// more than four notes are pressed, with no open string under it.
bool Fingerable(const std::vector<FretIndex>& frets, int capo);

// Fills in all but the frets, which must be a voicing of the context's
// chord: its kind and score (voicing_finder.h); returns its measures.
Measures Evaluate(Candidate& candidate, const Context& context);

// "open", "E-shape barre at 3", "drop 2 on strings 1–4", "shell", "at 7".
std::string Label(VoicingKind kind, const Measures& measures);

// The indices of evaluated voicings in the finder's order: all of them, or
// the first `limit`.
std::vector<std::uint32_t> Rank(const std::vector<Candidate>& candidates, std::size_t limit = 0);

}  // namespace fretlab::voicing_kinds
