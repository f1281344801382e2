#pragma once
// A chord to look up: its root, the tones it must and may hold, and the bass
// a slash names. Read from a typed symbol (the chord naming's reverse: every
// symbol NameChord writes reads back as the chord it named), or made from a
// catalogue formula on a root.
//
// How to use it:
//   std::string why;
//   std::optional<ChordSymbol> c = ParseChordSymbol("Am7/G", &why);
//   c->Symbol()                 -> "Am7/G"   (as the chord naming writes it)
//   c->tones                    -> R ♭3 5 ♭7, the 5 optional
//   c->bass                     -> G
//   ChordOfFormula(SpelledNote{0, 0}, ChordFormulas()[4]).Symbol()  -> "Cmaj7"
//
// Symbols: a root (A..G, either case, with #, b, ♯ or ♭), then the suffix,
// then "/" and a bass note. The suffix is what the chord naming writes (m,
// 7, maj7, m7b5, dim7, aug, 6, 6/9, 9, 11, 13, sus2, sus4, 7sus4, add9,
// mMaj7, 7b9, 7#5#9, (no3), ...) and the usual other spellings of it:
// min, mi, -; M, Ma, Δ (Δ alone is maj7); °, o; +; ø; sus for sus4; 69;
// alterations in brackets, with commas or +/- signs (7(b9,#11), 7+5, 7-9);
// add2, add4; no5, omit3.
//
// Which tones a voicing may leave out: a perfect fifth beside a third or a
// suspension (or among three other tones), and the ninth that an 11 or 13
// chord holds without naming it.
// Every other tone, the root included, must sound.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "theory/intervals.h"
#include "theory/scale_catalogue.h"

namespace fretlab {

struct ChordTone {
  Degree degree;
  bool optional = false;
  friend bool operator==(const ChordTone&, const ChordTone&) = default;
};

struct ChordSymbol {
  SpelledNote root;
  // Root first, then the third (or suspension), fifth, sixth, sevenths,
  // ninths, elevenths and thirteenths: the order of marking and sounding.
  std::vector<ChordTone> tones;
  // Only when it differs from the root; it need not be a chord tone (C/B♭).
  std::optional<SpelledNote> bass;

  // Bit i set when the tone i semitones above the root is a chord tone.
  unsigned Intervals() const;
  unsigned RequiredIntervals() const;
  // The suffix as the chord naming writes it: "m7", "7b9", "" for a major triad.
  std::string Suffix() const;
  // "Am7/G", "Bb", "C5": ASCII, as chord symbols are written.
  std::string Symbol() const;
  // Tone `pitchClass` (0..11) spelled as the chord tone it is; the bass as
  // typed; any other note on the side of the root's accidental.
  SpelledNote Spell(int pitchClass) const;
  // The degree of `pitchClass` above the root, when it is a chord tone.
  std::optional<Degree> DegreeOf(int pitchClass) const;
  // The catalogue formula with the same tones, or -1.
  int FormulaIndex() const;
  friend bool operator==(const ChordSymbol&, const ChordSymbol&) = default;
};

// Nothing, with one sentence in `error`, when the symbol cannot be read.
std::optional<ChordSymbol> ParseChordSymbol(std::string_view text, std::string* error = nullptr);

// The formula's tones on `root`, optional ones marked by the rule above.
ChordSymbol ChordOfFormula(SpelledNote root, const CatalogueEntry& formula);

// Marks the tones a voicing may leave out, by the rule above.
void MarkOptionalTones(std::vector<ChordTone>& tones);

}  // namespace fretlab
