#pragma once
// Naming the chord that a set of strings sounds, for display and for chord
// symbols in exported scores.
//
// Input: the sounding notes of an instrument of any number of strings (4 to 8
// in practice), from the lowest string up; 0 (or anything outside 1..127) is a
// muted string. Only pitch classes count, plus the bass: the LOWEST note that
// sounds (not the lowest string), so re-entrant tunings name correctly.
//
// Rules:
// - No note: nothing is named (no reading, no interval).
// - One pitch class: the note's name ("C"), kind SingleNote.
// - Two pitch classes a fifth apart: a power chord on the note the fifth
//   stands on ("C5" for C-G), with a slash when the other one is lower ("C5/G"
//   for G under C). Any other two pitch classes form no chord: no reading,
//   and `interval` holds the semitones from the bass up (shown as "M3").
// - Three or more: every sounding pitch class is tried as the root. Each try
//   spells the others against it (third, fifth, seventh, sixth, then
//   tensions), giving one reading per root. Readings are ranked by a cost:
//     root not in the bass 3, or 4 when the reading alters its fifth or
//     holds an altered tension (a slash chord is more often the inversion of
//     a plain chord than of an altered one); a suspended third 2, no third
//     at all 4; an omitted fifth 3; a diminished or augmented fifth that the
//     quality names (dim, m7b5, aug, 7#5) 1, any other altered fifth 4;
//     a seventh 1 (both sevenths at once 4 more);
//     a sixth 1 over its own root and 2 elsewhere (so A-C-E-G over G is Am7/G
//     rather than C6/G); a natural 9, 11 or 13 2 each; b9, #9, #11, b13 5
//     each, but 2 each over a dominant seventh (major third, minor seventh)
//     with its root in the bass, where they are the dominant's usual colours.
//   Ties go to fewer omitted tones, then to the root in the bass, then to the
//   lower pitch class. So root position and plain chords come first
//   (C-E-G-A over C is C6, with Am7/C as an alternative), while a plain
//   inversion still beats an altered root-position reading (E-G-C is C/E,
//   not Em#5), and an altered dominant on its root beats a slash chord over
//   an altered reading (x3232x, C E Bb Db over C, is C7b9, not
//   Bbdimadd9/C). Alternatives are the other readings whose cost is at most the
//   best one's plus kPlausibleCostSpread.
// - Root, chord tones and bass are spelled by their degrees; the rules are
//   in chord_spelling.h.
// - Symbols are plain ASCII: C Cm C7 Cmaj7 Cm7 Cm7b5 Cdim Cdim7 Caug C6 Cm6
//   C9 Cmaj9 Cm9 Cadd9 Csus2 Csus4 C7sus4 C11 C13 C5, and composites such as
//   C7b9, C6/9, Cmadd9, C(b5), C7#5, CmMaj7, C(no3); a bass other than the
//   root follows a slash (C/E, Am7/G).

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "theory/fretboard.h"
#include "theory/intervals.h"
#include "theory/spelling.h"

namespace fretlab {

// The quality of a chord, one value per MusicXML <kind> that the naming
// uses, plus SingleNote (a lone pitch class, which MusicXML has no kind for).
enum class ChordKind {
  SingleNote,
  Major,
  Minor,
  Augmented,
  Diminished,
  Dominant,
  MajorSeventh,
  MinorSeventh,
  DiminishedSeventh,
  AugmentedSeventh,
  HalfDiminished,
  MajorMinor,
  MajorSixth,
  MinorSixth,
  DominantNinth,
  MajorNinth,
  MinorNinth,
  Dominant11th,
  Major11th,
  Minor11th,
  Dominant13th,
  Major13th,
  Minor13th,
  SuspendedSecond,
  SuspendedFourth,
  Power,
};

// What the kind alone does not say, as MusicXML <degree> elements describe
// it: a degree (1..13) added, altered or taken away, with its alteration in
// semitones (-1, 0, +1).
struct ChordDegree {
  enum class Type { Add, Alter, Subtract };
  int value = 0;
  int alteration = 0;
  Type type = Type::Add;
  friend bool operator==(const ChordDegree&, const ChordDegree&) = default;
};

struct ChordReading {
  int root = 0;  // pitch class 0..11, 0 = C
  SpelledNote rootSpelling;
  ChordKind kind = ChordKind::Major;
  std::vector<ChordDegree> degrees;  // in the order they appear in `suffix`
  std::optional<int> bass;           // pitch class, only when it is not the root
  SpelledNote bassSpelling;          // meaningful when `bass` is set
  std::string suffix;                // the symbol between root and slash: "m7", "" for major
  std::string symbol;                // the whole symbol: "Am7/G"
  int cost = 0;                      // ranking, see the rules above; lower is likelier
  // By semitones above the root (0..11): the degree (1..13) that tone plays
  // in this reading, 0 for a pitch class that does not sound.
  std::array<int, 12> toneDegrees{};

  // A sounding pitch class spelled as the chord tone it is here (the third
  // of D is F#, of Db it is F); defined in chord_spelling.cpp.
  SpelledNote Spell(int pitchClass) const;
  // The degree a sounding pitch class plays here, with its alteration
  // against the major scale: the ♭3 of Cm, the ♯9 of C7#9; a pitch class
  // that does not sound reads as an altered unison.
  Degree DegreeOf(int pitchClass) const;
};

// Other readings are listed when their cost is at most the best one's plus this.
inline constexpr int kPlausibleCostSpread = 6;

struct ChordName {
  std::vector<ChordReading> readings;  // best first; empty when no chord is named
  // For two pitch classes that form no chord: semitones from the bass up,
  // 1..11; 0 otherwise.
  int interval = 0;

  bool Named() const { return !readings.empty(); }
  const ChordReading& Best() const { return readings.front(); }  // needs Named()
  std::span<const ChordReading> Alternatives() const;
  std::string Symbol() const;  // the best symbol, "" when nothing is named
  // The symbol, or for two notes without a chord their interval in brackets
  // ("(M3)"), or "N.C." when nothing sounds.
  std::string Display() const;
};

// Notes from the lowest string up; see the rules at the top of this file.
ChordName NameChord(std::span<const NoteNumber> notes);
// The six slots of a chord, slot 0 = low E (g_currentChord order).
inline ChordName NameChord(const Chord& slots) {
  return NameChord(std::span<const NoteNumber>(slots));
}

// "m2", "M2", "m3", "M3", "P4", "TT", "P5", "m6", "M6", "m7", "M7" for 1..11
// semitones; "P1" for 0 (and for multiples of 12).
std::string_view IntervalName(int semitones);

}  // namespace fretlab
