#pragma once
// Where a choice lies on a neck of any tuning: the positions inside the part
// of the neck in use (capo, fret range, and a set of strings).
//
// How to use it:
//   Tuning t = *FindPresetTuning("Standard");
//   NeckArea area;  area.capo = 2;  area.frets = {0, 7};  // frets 2..7 in use
//   KeySpelling key = KeySpelling::Automatic(9, Scales()[3], Accidentals::kSharps);
//   for (const MarkedPosition& m : ChoicePositions(t, area, key)) {
//     m.position.string, m.position.fret, m.note, key.DegreeAt(m.degreeIndex) ...
//   }
//   PositionsOfNote(t, area, 61)        // every C♯4 in the area
//   PositionsOfPitchClass(t, area, 1)   // every C♯ / D♭ in the area
//   DescribePosition(t, {2, 5})         // "string 3, G string, fret 5"
// Positions use Position of fretboard.h with strings 0..StringCount()-1 from
// the top of the picture and frets 0..tuning.HighestFret(). Results run by string from
// the top, then by fret upwards.

#include <cstdint>
#include <string>
#include <vector>

#include "theory/key_spelling.h"
#include "theory/tuning.h"

namespace fretlab {

struct FretRange {
  FretIndex from = 0;           // inclusive
  FretIndex to = kFretPositions - 1;  // inclusive; from > to admits nothing
  bool Contains(FretIndex f) const { return from <= f && f <= to; }
  friend bool operator==(const FretRange&, const FretRange&) = default;
};

inline constexpr std::uint32_t kAllStrings = 0xFFu;

struct NeckArea {
  int capo = 0;                       // 0..kMaxCapo; frets below it are not played
  FretRange frets;
  std::uint32_t strings = kAllStrings;  // bit s set: string s is in use

  bool Admits(Position p) const {
    return p.fret >= capo && p.fret >= 0 && p.fret < kFretPositions && frets.Contains(p.fret) &&
           p.string >= 0 && p.string < 32 && ((strings >> p.string) & 1u) != 0;
  }
  friend bool operator==(const NeckArea&, const NeckArea&) = default;
};

struct MarkedPosition {
  Position position;
  NoteNumber note = 0;
  int degreeIndex = 0;  // into the KeySpelling's degrees
  friend bool operator==(const MarkedPosition&, const MarkedPosition&) = default;
};

// Every position of the area that plays a note of the choice.
std::vector<MarkedPosition> ChoicePositions(const Tuning& tuning, const NeckArea& area,
                                            const KeySpelling& key);
// Every position of the area, the open strings included when admitted.
std::vector<Position> AreaPositions(const Tuning& tuning, const NeckArea& area);
// Every position of the area that sounds exactly `note`.
std::vector<Position> PositionsOfNote(const Tuning& tuning, const NeckArea& area, NoteNumber note);
// Every position of the area whose note has pitch class 0..11.
std::vector<Position> PositionsOfPitchClass(const Tuning& tuning, const NeckArea& area,
                                            int pitchClass);

// "string 3, G string, fret 5": strings numbered from 1 at the top as players
// count them, the string named by its open note, fret 0 read as "open".
std::string DescribePosition(const Tuning& tuning, Position position);

}  // namespace fretlab
