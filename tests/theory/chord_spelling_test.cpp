// Spelling a chord's tones: each by its degree above the root, the root by
// fewer accidentals, the bass as the tone it is.

#include "theory/chord_spelling.h"

#include <gtest/gtest.h>

#include <string>

namespace fretlab {
namespace {

std::string Ascii(SpelledNote note) { return NoteName(note, SignStyle::kAscii); }
SpelledNote Named(const char* name) { return *ParseNoteName(name); }

TEST(ChordSpelling, EveryToneTakesTheLetterOfItsDegree) {
  EXPECT_EQ(Ascii(SpellDegree(Named("D"), 3, 6)), "F#");
  EXPECT_EQ(Ascii(SpellDegree(Named("Db"), 3, 5)), "F");
  EXPECT_EQ(Ascii(SpellDegree(Named("Db"), 7, 11)), "Cb");
  EXPECT_EQ(Ascii(SpellDegree(Named("C"), 9, 3)), "D#");    // the #9 of C7#9
  EXPECT_EQ(Ascii(SpellDegree(Named("C"), 5, 8)), "G#");    // the #5 of Caug
  EXPECT_EQ(Ascii(SpellDegree(Named("Gb"), 7, 3)), "Fbb");  // the diminished seventh of Gbdim7
  EXPECT_EQ(Ascii(SpellDegree(Named("C#"), 5, 8)), "G#");
  EXPECT_EQ(Ascii(SpellDegree(Named("A#"), 3, 2)), "C##");
  EXPECT_EQ(Ascii(SpellDegree(Named("C"), 13, 9)), "A");
}

TEST(ChordSpelling, BeyondADoubleAccidentalTheToneTakesSharps) {
  EXPECT_EQ(Ascii(SpellDegree(Named("C"), 3, 1)), "C#");  // E with three flats
  EXPECT_EQ(Ascii(SpellDegree(Named("B#"), 5, 10)), "A#");
}

// A reading over a root with its tone degrees set, spelled over `bass`.
ChordReading Spelled(int root, std::initializer_list<std::pair<int, int>> tones, int bass,
                     const char* suffix) {
  ChordReading reading;
  reading.suffix = suffix;
  for (const auto& [interval, degree] : tones) reading.toneDegrees[interval] = degree;
  SpellReading(reading, root, bass);
  return reading;
}

TEST(ChordSpelling, RootBassAndSymbol) {
  const ChordReading bFlat = Spelled(10, {{0, 1}, {4, 3}, {7, 5}}, 10, "");
  EXPECT_EQ(Ascii(bFlat.rootSpelling), "Bb");  // Bb-D-F, not A#-C##-E#
  EXPECT_EQ(bFlat.symbol, "Bb");
  EXPECT_FALSE(bFlat.bass.has_value());
  const ChordReading dOverFSharp = Spelled(2, {{0, 1}, {4, 3}, {7, 5}}, 6, "");
  EXPECT_EQ(dOverFSharp.symbol, "D/F#");
  EXPECT_EQ(dOverFSharp.bass, 6);
  EXPECT_EQ(Ascii(dOverFSharp.bassSpelling), "F#");
  // The augmented fifth of E is B#; over it the key's usual name is shorter.
  const ChordReading eAug = Spelled(4, {{0, 1}, {4, 3}, {8, 5}}, 0, "aug");
  EXPECT_EQ(eAug.symbol, "Eaug/C");
  EXPECT_EQ(Ascii(eAug.Spell(0)), "B#");
  // A tie of accidentals goes to the usual name of the key: F# and Eb.
  EXPECT_EQ(Spelled(6, {{0, 1}, {4, 3}, {7, 5}}, 6, "").symbol, "F#");
  EXPECT_EQ(Spelled(3, {{0, 1}, {3, 3}, {7, 5}}, 3, "m").symbol, "Ebm");
}

}  // namespace
}  // namespace fretlab
