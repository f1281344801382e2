#pragma once
// Everything the Practice window can show over a root: scales (the main
// window's nine, five more, and the chromatic view) and the 34 chord formulas
// of the main window's chord list, as arpeggios or as chord tones.
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
  std::vector<Degree> degrees;  // scales ascending; chords in the formula's column order
  ParentKey parent = ParentKey::kOwn;
  bool chromatic = false;       // the twelve notes; the ♯/♭ preference spells them
  int mainWindowRow = -1;       // row of ScaleTable or ChordFormulaTable, -1 for none

  // The steps in semitones above the root (0..11), in the order of degrees.
  std::vector<int> Steps() const;
};

inline constexpr int kCatalogueChromatic = 15;  // index of the chromatic view in Scales()

// 16 entries: 0..8 the main window's scales in its order, then Major
// pentatonic, Minor pentatonic, Blues, Whole tone, Diminished half-whole,
// Diminished whole-half, and the chromatic view.
std::span<const CatalogueEntry> Scales();
// 34 entries, index = row of ChordFormulaTable.
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
