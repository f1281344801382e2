#pragma once
// One way to play a chord: a fret or a mute on every string, with what it
// sounds and the kind of shape it is, as the voicing finder gives it
// (voicing_finder.h).
//
// Frets are absolute (0 = the open string; with a capo on fret 2 an "open"
// string is fret 2) and indexed by string from 0 at the top (the thinnest
// string). Texts list strings from the lowest up, as chord charts do:
//   x32010           C in standard tuning
//   8-10-10-9-8-8    frets of two digits joined by dashes

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "theory/intervals.h"
#include "theory/tuning.h"

namespace fretlab {

inline constexpr FretIndex kMuted = -1;

// Guitarists' names for the shapes they look chords up by, in the order the
// finder ranks them.
enum class VoicingKind : std::uint8_t {
  kOpen,         // open strings in the first position, sounding to the top string
  kEShapeBarre,  // the open E form moved up: a barre from the sixth string to the first
  kAShapeBarre,  // the open A form moved up: fifth string to first, the sixth muted
  kDrop2,        // four tones on four adjacent strings, the close voicing's second voice down an octave
  kDrop3,        // its third voice down an octave, one string skipped above the bass
  kShell,        // root, third and seventh (or sixth) alone
  kOther,
};

struct VoicedNote {
  StringIndex string = 0;
  FretIndex fret = 0;
  NoteNumber note = 0;
  SpelledNote name;               // spelled as the chord tone it is
  std::optional<Degree> degree;   // none for a slash bass outside the chord
};

struct Voicing {
  std::vector<FretIndex> frets;  // by string from the top; kMuted for a muted string
  std::vector<VoicedNote> notes;  // the sounding strings, from the lowest string up
  VoicingKind kind = VoicingKind::kOther;
  // "open", "E-shape barre at 3", "A-shape barre at 3", "drop 2 on strings
  // 1–4", "drop 3 on strings 2–6", "shell", "at 7" (its lowest fret).
  std::string label;
  int lowestFret = 0;   // of the fretted notes (open strings aside); 0 for none
  int span = 0;         // frets the hand covers: highest - lowest + 1; 0 for none
  int missing = 0;      // optional tones left out
  bool inversion = false;  // a plain symbol with a bass other than its root
  int unisons = 0;         // strings that double another string's very pitch
  int score = 0;           // the finder's ranking (voicing_finder.h): lower comes first

  // "x32010", "8-10-10-9-8-8".
  std::string FretsText() const;
  // "C E G C E" (ASCII) or with ♯ and ♭.
  std::string NotesText(SignStyle style = SignStyle::kAscii) const;
  // "R 3 5 R 3"; a bass outside the chord as its note name.
  std::string IntervalsText(SignStyle style = SignStyle::kAscii) const;
  // The notes sounding, from the lowest string up, for a strum.
  std::vector<NoteNumber> SoundingNotes() const;
  friend bool operator==(const Voicing& a, const Voicing& b) { return a.frets == b.frets; }
};

// Frets from text such as "x32010" or "8-10-10-9-8-8", lowest string
// first, for `strings` strings; nothing when the text does not fit.
std::optional<std::vector<FretIndex>> ParseFretsText(std::string_view text, int strings);

}  // namespace fretlab
