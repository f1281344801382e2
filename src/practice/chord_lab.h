#pragma once
// The chord lab: a chord built by clicking the neck, one position per
// string, named live as it changes.
//
// How to use it:
//   ChordShape shape(tuning.StringCount());
//   shape.Pick({4, 3});      // A string, fret 3; picking fret 3 again takes it away,
//                            // another fret on that string moves it there
//   shape.Place({4, 3});     // A string, fret 3, whatever was there (a note played)
//   shape.ToggleMute(5);     // the low E string muted (again: neither muted nor set)
//   ChordName name = NameShape(shape, tuning);    // NameChord of the sounding notes
//   ChordLabText(name)       -> "C" ; ChordLabAlternatives(name) -> "Am7/C, ..."
//   ShapeText(shape)         -> "x32010"  (lowest string first, x = muted, - = unset)
// Strings count from 0 at the top of the neck, as everywhere in the window.

#include <optional>
#include <string>
#include <vector>

#include "practice/playback_schedule.h"
#include "theory/chord_name.h"
#include "theory/tuning.h"

namespace fretlab {

class ChordShape {
 public:
  explicit ChordShape(int stringCount = 6) { Reset(stringCount); }

  // Empties the shape for a neck of `stringCount` strings.
  void Reset(int stringCount);
  void Pick(Position position);
  void Place(Position position);
  void ToggleMute(StringIndex s);

  int StringCount() const { return static_cast<int>(m_frets.size()); }
  std::optional<FretIndex> FretOf(StringIndex s) const { return m_frets[s]; }
  bool IsMuted(StringIndex s) const { return m_muted[s]; }
  bool IsEmpty() const;

  // The sounding positions, lowest string (the last index) first.
  std::vector<SoundedPosition> Sounding(const Tuning& tuning) const;

  friend bool operator==(const ChordShape&, const ChordShape&) = default;

 private:
  std::vector<std::optional<FretIndex>> m_frets;
  std::vector<bool> m_muted;
};

ChordName NameShape(const ChordShape& shape, const Tuning& tuning);
// The best name with the signs ♯ and ♭ ("B♭m7♭5"); for two notes that make
// no chord their interval ("(M3)"); "N.C." when nothing sounds.
std::string ChordLabText(const ChordName& name);
// The other plausible readings, ", " between them; empty when there are none.
std::string ChordLabAlternatives(const ChordName& name);
// Frets from the lowest string up: digits, or (fret) from 10 up, x muted, - unset.
std::string ShapeText(const ChordShape& shape);

}  // namespace fretlab
