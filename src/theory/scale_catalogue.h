#pragma once
// Everything the windows can show over a root: scales and chord formulas,
// the one source of both windows' vocabulary. Rows marked with a main window
// text are the main window's lists, in the catalogue's order (tables.h reads
// them as its ScaleTable and ChordFormulaTable); the Practice window lists
// every row, as arpeggios or as chord tones. The rows themselves are in
// scale_rows.cpp and chord_rows.cpp.
//
// How to use it:
//   const CatalogueEntry& dorian = Scales()[3];     // name "Dorian"
//   dorian.degrees                                  // 1 2 ♭3 4 5 6 ♭7
//   const CatalogueEntry* m7 = FindEntry(ChordFormulas(), "minor 7");
//   FindEntry(Scales(), "natural minor (aeolian)")  // case does not matter
//   AllowedNames(Scales())                          // "Lydian, Major (Ionian), ..."
// Names use ♯ and ♭; FindEntry also takes # and b in their place. Indices into
// Scales() and ChordFormulas() are stable: settings store them.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "theory/intervals.h"

namespace fretlab {

// Whose key signature spells a choice that is not a seven-note scale: the
// pentatonics, the blues scale and the chords borrow the letters of the
// major or natural minor key on their root.
enum class ParentKey { kOwn, kMajor, kMinor };

enum class ChoiceKind { kScale, kArpeggio, kChord };

struct CatalogueEntry {
  std::string_view name;       // "Natural minor (Aeolian)", "Minor 7 ♭5"
  // After the root in titles and spoken text: "A natural minor", and for
  // chords the symbol: "Cm7♭5".
  std::string_view shortName;
  std::vector<Degree> degrees;  // scales ascending; chords in the order of marking and sounding
  ParentKey parent = ParentKey::kOwn;
  // The text of the row in the main window's list, byte for byte ("Dorian "
  // with its blank); empty for a row the main window does not list.
  std::string_view mainWindowText = {};
  bool chromatic = false;       // the twelve notes; the ♯/♭ preference spells them
  // Row of ScaleTable or ChordFormulaTable (the marked rows counted in
  // order), -1 for an unmarked one. Filled in by the catalogue.
  int mainWindowRow = -1;

  // The steps in semitones above the root (0..11), in the order of degrees.
  std::vector<int> Steps() const;
};

inline constexpr int kCatalogueChromatic = 15;  // index of the chromatic view in Scales()

// 0..8 the main window's scales in its order, then Major pentatonic, Minor
// pentatonic, Blues, Whole tone, Diminished half-whole, Diminished
// whole-half, the chromatic view (15), and from 16 on the other scales: the
// modes of melodic and harmonic minor, bebop, Hungarian, Neapolitan,
// Japanese and other scales (66 in all).
std::span<const CatalogueEntry> Scales();
// 0..33 the main window's, index = row of ChordFormulaTable; from 34 on
// every other chord type the chord naming writes: suspended, power, added,
// sixth-ninth, dominant 9, 11 and 13, minor-major and altered dominants.
std::span<const CatalogueEntry> ChordFormulas();
// Scales() for ChoiceKind::kScale, ChordFormulas() otherwise.
std::span<const CatalogueEntry> EntriesOf(ChoiceKind kind);

// The index of the entry whose name (or, for scales, whose mode name alone
// such as "Aeolian") matches `name` without regard to case, blanks or the
// choice of ♯/# and ♭/b; -1 for none.
int FindEntry(std::span<const CatalogueEntry> entries, std::string_view name);
// The names, separated by ", ", for a message that lists the allowed values.
std::string AllowedNames(std::span<const CatalogueEntry> entries);

// "C Dorian", "Cm7♭5 arpeggio", "Cm7♭5 chord" (the root name is given).
std::string ChoiceTitle(std::string_view rootName, const CatalogueEntry& entry, ChoiceKind kind);

}  // namespace fretlab
