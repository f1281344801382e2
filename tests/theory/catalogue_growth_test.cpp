// The catalogue beyond the main window's lists: at least 60 scales, every
// seven-note scale spelled with each letter once, and a chord formula for
// every chord type the chord naming writes.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "theory/chord_name.h"
#include "theory/chord_reading.h"
#include "theory/key_spelling.h"
#include "theory/scale_catalogue.h"

namespace fretlab {
namespace {

std::string Names(const KeySpelling& key) {
  std::string out;
  for (int i = 0; i < key.Size(); ++i) {
    if (i > 0) out += ' ';
    out += NoteName(key.NoteAt(i), SignStyle::kAscii);
  }
  return out;
}

const CatalogueEntry& Scale(std::string_view name) {
  const int i = FindEntry(Scales(), name);
  EXPECT_GE(i, 0) << name;
  return Scales()[i < 0 ? 0 : i];
}

TEST(CatalogueGrowth, TheScalesGuitarBooksPrintWithTheirSteps) {
  EXPECT_GE(Scales().size(), 60u);
  const std::vector<std::pair<const char*, std::vector<int>>> expected = {
      {"Dorian b2", {0, 1, 3, 5, 7, 9, 10}},
      {"Lydian augmented", {0, 2, 4, 6, 8, 9, 11}},
      {"Lydian dominant", {0, 2, 4, 6, 7, 9, 10}},
      {"Mixolydian b6", {0, 2, 4, 5, 7, 8, 10}},
      {"half-diminished", {0, 2, 3, 5, 6, 8, 10}},
      {"Super Locrian", {0, 1, 3, 4, 6, 8, 10}},
      {"Locrian \u266E6", {0, 1, 3, 5, 6, 9, 10}},
      {"Ionian #5", {0, 2, 4, 5, 8, 9, 11}},
      {"Dorian #4", {0, 2, 3, 6, 7, 9, 10}},
      {"Phrygian dominant", {0, 1, 4, 5, 7, 8, 10}},
      {"Lydian #2", {0, 3, 4, 6, 7, 9, 11}},
      {"Ultralocrian", {0, 1, 3, 4, 6, 8, 9}},
      {"Major bebop", {0, 2, 4, 5, 7, 8, 9, 11}},
      {"Dominant bebop", {0, 2, 4, 5, 7, 9, 10, 11}},
      {"Minor bebop", {0, 2, 3, 4, 5, 7, 9, 10}},
      {"Hungarian minor", {0, 2, 3, 6, 7, 8, 11}},
      {"Double harmonic major", {0, 1, 4, 5, 7, 8, 11}},
      {"Neapolitan major", {0, 1, 3, 5, 7, 9, 11}},
      {"Neapolitan minor", {0, 1, 3, 5, 7, 8, 11}},
      {"Persian", {0, 1, 4, 5, 6, 8, 11}},
      {"Enigmatic", {0, 1, 4, 6, 8, 10, 11}},
      {"Hirajoshi", {0, 2, 3, 7, 8}},
      {"In-sen", {0, 1, 5, 7, 10}},
      {"Iwato", {0, 1, 5, 6, 10}},
      {"Kumoi", {0, 2, 3, 7, 9}},
      {"Egyptian pentatonic", {0, 2, 5, 7, 10}},
      {"Chinese pentatonic", {0, 4, 6, 7, 11}},
      {"Prometheus", {0, 2, 4, 6, 9, 10}},
      {"Augmented", {0, 3, 4, 7, 8, 11}},
      {"Harmonic major", {0, 2, 4, 5, 7, 8, 11}},
  };
  for (const auto& [name, steps] : expected) EXPECT_EQ(Scale(name).Steps(), steps) << name;
}

TEST(CatalogueGrowth, StepsClimbFromTheRootWithinAnOctave) {
  for (const CatalogueEntry& e : Scales()) {
    const std::vector<int> steps = e.Steps();
    ASSERT_GE(steps.size(), 5u) << e.name;
    EXPECT_EQ(steps.front(), 0) << e.name;
    for (std::size_t i = 1; i < steps.size(); ++i) EXPECT_LT(steps[i - 1], steps[i]) << e.name;
    EXPECT_LT(steps.back(), 12) << e.name;
    // A scale's letters climb with its notes.
    for (std::size_t i = 1; i < e.degrees.size(); ++i) {
      EXPECT_LE(e.degrees[i - 1].number, e.degrees[i].number) << e.name;
    }
  }
}

// On every root, by either preference: seven notes, seven letters, each
// note the pitch its degree says, and the root spelled the way that needs
// fewer accidentals.
TEST(CatalogueGrowth, EverySevenNoteScaleIsSpelledWithEachLetterOnce) {
  int sevens = 0;
  for (const CatalogueEntry& e : Scales()) {
    if (e.degrees.size() != 7) continue;
    ++sevens;
    for (int i = 0; i < 7; ++i) EXPECT_EQ(e.degrees[i].number, i + 1) << e.name;
    for (int pc = 0; pc < 12; ++pc) {
      for (Accidentals preference : {Accidentals::kSharps, Accidentals::kFlats}) {
        const KeySpelling key = KeySpelling::Automatic(pc, e, preference);
        {
          std::set<int> letters;
          for (int i = 0; i < 7; ++i) {
            letters.insert(key.NoteAt(i).letter);
            EXPECT_EQ(key.NoteAt(i).PitchClass(), (pc + e.Steps()[i]) % 12) << e.name;
            EXPECT_LE(std::abs(key.NoteAt(i).accidental), 2) << e.name;
          }
          EXPECT_EQ(letters.size(), 7u) << e.name << " on " << pc << ": " << Names(key);
        }
        // The automatic root is never worse than its enharmonic twin.
        const KeySpelling twin(OtherEnharmonic(key.Root()), e, preference);
        EXPECT_LE(key.AccidentalCount(), twin.AccidentalCount()) << e.name << " on " << pc;
      }
    }
  }
  EXPECT_GE(sevens, 40);
}

TEST(CatalogueGrowth, SpellingsAsBooksPrintThem) {
  const auto spell = [](int pc, std::string_view name) {
    return Names(KeySpelling::Automatic(pc, Scale(name), Accidentals::kSharps));
  };
  EXPECT_EQ(spell(0, "Altered (Super Locrian)"), "C Db Eb Fb Gb Ab Bb");
  EXPECT_EQ(spell(7, "Altered"), "G Ab Bb Cb Db Eb F");
  EXPECT_EQ(spell(9, "Hungarian minor"), "A B C D# E F G#");
  EXPECT_EQ(spell(4, "Phrygian dominant"), "E F G# A B C D");
  EXPECT_EQ(spell(0, "Enigmatic"), "C Db E F# G# A# B");
  EXPECT_EQ(spell(0, "Lydian #2"), "C D# E F# G A B");
  EXPECT_EQ(spell(0, "Ultralocrian"), "C Db Eb Fb Gb Ab Bbb");
  EXPECT_EQ(spell(2, "Dorian #4"), "D E F G# A B C");
  EXPECT_EQ(spell(0, "Major bebop"), "C D E F G G# A B");
  EXPECT_EQ(spell(0, "Dominant bebop"), "C D E F G A Bb B");
  EXPECT_EQ(spell(9, "Hirajoshi"), "A B C E F");
  EXPECT_EQ(spell(4, "In-sen"), "E F A B D");
  // A flat root where the sharp one would need more accidentals.
  EXPECT_EQ(spell(10, "Lydian dominant"), "Bb C D E F G Ab");
}

// Every row after the main window's is named by the chord naming exactly as
// its symbol says, read over its root; and every kind of chord the naming
// knows has a row.
TEST(CatalogueGrowth, EveryChordTypeTheNamingWritesIsAFormula) {
  std::set<ChordKind> kinds;
  for (std::size_t row = 0; row < ChordFormulas().size(); ++row) {
    const CatalogueEntry& e = ChordFormulas()[row];
    unsigned intervals = 0;
    for (int step : e.Steps()) intervals |= 1u << step;
    std::vector<NoteNumber> notes;
    for (int step : e.Steps()) notes.push_back(48 + step + (notes.empty() ? 0 : 12));
    const ChordName name = NameChord(notes);
    ASSERT_TRUE(name.Named()) << e.name;
    if (e.degrees.size() == 2) {
      EXPECT_EQ(name.Best().kind, ChordKind::Power);
      EXPECT_EQ(name.Symbol(), "C" + AsciiSigns(e.shortName));
      kinds.insert(ChordKind::Power);
      continue;
    }
    int omitted = 0;
    const ChordReading reading = ReadOverRoot(intervals, true, omitted);
    kinds.insert(reading.kind);
    if (row < 34) continue;  // the main window's symbols are its own ("ø7")
    EXPECT_EQ(reading.suffix, AsciiSigns(e.shortName)) << e.name;
    EXPECT_EQ(omitted, 0) << e.name;
    // Stacked over C, the naming ranks that reading first.
    EXPECT_EQ(name.Symbol(), "C" + AsciiSigns(e.shortName)) << e.name;
  }
  for (int k = static_cast<int>(ChordKind::Major); k <= static_cast<int>(ChordKind::Power); ++k) {
    EXPECT_TRUE(kinds.count(static_cast<ChordKind>(k))) << "no formula of kind " << k;
  }
}

TEST(CatalogueGrowth, NewChordsAreFoundByNameAndSymbol) {
  const auto chords = ChordFormulas();
  EXPECT_EQ(chords.size(), 57u);
  EXPECT_EQ(chords[FindEntry(chords, "sus4")].Steps(), (std::vector<int>{0, 5, 7}));
  EXPECT_EQ(chords[FindEntry(chords, "7sus4")].Steps(), (std::vector<int>{0, 5, 7, 10}));
  EXPECT_EQ(chords[FindEntry(chords, "power chord")].Steps(), (std::vector<int>{0, 7}));
  EXPECT_EQ(chords[FindEntry(chords, "6/9")].Steps(), (std::vector<int>{0, 4, 7, 9, 2}));
  EXPECT_EQ(chords[FindEntry(chords, "7#9")].Steps(), (std::vector<int>{0, 4, 7, 10, 3}));
  EXPECT_EQ(chords[FindEntry(chords, "dominant 13")].Steps(), (std::vector<int>{0, 4, 7, 10, 2, 9}));
  // Minor chords borrow the minor key's letters.
  EXPECT_EQ(chords[FindEntry(chords, "mMaj7")].parent, ParentKey::kMinor);
  EXPECT_EQ(Names(KeySpelling::Automatic(7, chords[FindEntry(chords, "7b9")], Accidentals::kSharps)),
            "G B D F Ab");
  EXPECT_EQ(Names(KeySpelling::Automatic(4, chords[FindEntry(chords, "7#9")], Accidentals::kSharps)),
            "E G# B D F##");
}

}  // namespace
}  // namespace fretlab
