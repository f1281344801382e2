// Reading chord symbols: every symbol the chord naming writes reads back as
// the chord it named, and the usual other spellings read as the same chords.

#include "theory/chord_symbol.h"

#include <gtest/gtest.h>

#include <bit>
#include <set>

#include "theory/chord_name.h"
#include "theory/chord_reading.h"

namespace fretlab {
namespace {

ChordSymbol Read(std::string_view text) {
  std::string why;
  const auto chord = ParseChordSymbol(text, &why);
  EXPECT_TRUE(chord) << text << ": " << why;
  return chord ? *chord : ChordSymbol{};
}

std::string Labels(const ChordSymbol& chord) {
  std::string out;
  for (const ChordTone& t : chord.tones) {
    out += (out.empty() ? "" : " ") + IntervalLabel(t.degree, SignStyle::kAscii) +
           (t.optional ? "?" : "");
  }
  return out;
}

constexpr unsigned kMayBeAdded = (1u << 2) | (1u << 7);  // the 9 and the perfect 5

// Every set of three or more pitch classes over C, named over its root:
// the symbol reads back, names the same suffix, and holds the same tones.
TEST(ChordSymbol, EverySuffixTheNamingWritesReadsBackAsItsChord) {
  std::set<std::string> suffixes;
  for (unsigned s = 0; s < 2048; ++s) {
    const unsigned intervals = (s << 1) | 1u;
    if (std::popcount(intervals) < 3) continue;
    int omitted = 0;
    const std::string suffix = ReadOverRoot(intervals, true, omitted).suffix;
    suffixes.insert(suffix);
    const ChordSymbol chord = Read("C" + suffix);
    EXPECT_EQ(chord.Suffix(), suffix);
    // Beyond the named tones only a perfect fifth (the naming leaves an
    // omitted one unsaid) or the ninth below an 11 or 13, both optional.
    const unsigned extra = chord.Intervals() & ~intervals;
    EXPECT_EQ(extra & ~kMayBeAdded, 0u) << suffix;
    EXPECT_EQ(chord.RequiredIntervals() & extra, 0u) << suffix;
    // And every tone of the set, but a 9 or 11 that a 13 chord holds unnamed.
    const unsigned unnamed = (1u << 2) | (1u << 5);
    EXPECT_EQ(intervals & ~chord.Intervals() & ~unnamed, 0u) << suffix;
  }
  EXPECT_GT(suffixes.size(), 1000u);
}

// Symbols of chords played on a neck, slash chords among them, as the
// chord naming writes them.
TEST(ChordSymbol, NamedChordsOnEveryRootReadBackWithTheirBass) {
  const std::vector<std::vector<int>> shapes = {
      {0, 4, 7}, {4, 7, 12}, {0, 3, 7, 10}, {7, 12, 15, 19}, {0, 4, 10, 15}, {2, 7, 12, 16}};
  for (int root = 0; root < 12; ++root) {
    for (const auto& shape : shapes) {
      std::vector<NoteNumber> notes;
      for (int step : shape) notes.push_back(40 + root + step);
      const ChordName name = NameChord(notes);
      ASSERT_TRUE(name.Named());
      const ChordSymbol chord = Read(name.Symbol());
      EXPECT_EQ(chord.Symbol(), name.Symbol());
      EXPECT_EQ(chord.root, name.Best().rootSpelling);
      EXPECT_EQ(chord.bass.has_value(), name.Best().bass.has_value()) << name.Symbol();
    }
  }
}

TEST(ChordSymbol, OtherSpellingsReadAsTheSameChord) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"CM7", "Cmaj7"},        {"C\u0394", "Cmaj7"},   {"C\u03947", "Cmaj7"},  {"CMa9", "Cmaj9"},
      {"C-7", "Cm7"},          {"Cmin7", "Cm7"},       {"Cmi", "Cm"},          {"C\u00B07", "Cdim7"},
      {"Co", "Cdim"},          {"C\u00F8", "Cm7b5"},   {"C\u00F87", "Cm7b5"},  {"C+", "Caug"},
      {"C+7", "C7#5"},         {"Caug7", "C7#5"},      {"C+5", "Caug"},        {"Csus", "Csus4"},
      {"C69", "C6/9"},         {"C7(b9,#11)", "C7b9#11"}, {"C7-9", "C7b9"},    {"C7+5", "C7#5"},
      {"Cm(maj7)", "CmMaj7"},  {"CmM7", "CmMaj7"},     {"Cadd2", "Cadd9"},     {"Cadd4", "Cadd11"},
      {"C7no5", "C7"},         {"C7omit3", "C7(no3)"}, {"c#m7", "C#m7"},       {"C\u266F7", "C#7"},
      {"B\u266Dmaj7", "Bbmaj7"}, {" G7b9 ", "G7b9"},   {"D/F#", "D/F#"},       {"Am7/G", "Am7/G"},
      {"C/C", "C"},            {"C5", "C5"},           {"C5/G", "C5/G"},       {"C7(13)", "C13"},
      {"C7sus", "C7sus4"},     {"Cmaj7#11", "Cmaj7#11"}, {"C9sus4", "C9sus4"}, {"Cm6/9", "Cm6/9"},
  };
  for (const auto& [typed, symbol] : cases) EXPECT_EQ(Read(typed).Symbol(), symbol) << typed;
}

TEST(ChordSymbol, TonesAndWhichMayBeLeftOut) {
  EXPECT_EQ(Labels(Read("C")), "R 3 5?");
  EXPECT_EQ(Labels(Read("Cmaj7")), "R 3 5? 7");
  EXPECT_EQ(Labels(Read("Cm7b5")), "R b3 b5 b7");
  EXPECT_EQ(Labels(Read("Cdim7")), "R b3 b5 bb7");
  EXPECT_EQ(Labels(Read("C13")), "R 3 5? b7 9? 13");
  EXPECT_EQ(Labels(Read("C11")), "R 3 5? b7 9? 11");
  EXPECT_EQ(Labels(Read("C9")), "R 3 5? b7 9");
  EXPECT_EQ(Labels(Read("C7sus4")), "R 4 5? b7");
  EXPECT_EQ(Labels(Read("C5")), "R 5");
  EXPECT_EQ(Labels(Read("Caug")), "R 3 #5");
  EXPECT_EQ(Labels(Read("C6/9")), "R 3 5? 6 9");
  EXPECT_EQ(Labels(Read("E7#9")), "R 3 5? b7 #9");
  EXPECT_EQ(Labels(Read("C7(no3)")), "R 5 b7");
}

TEST(ChordSymbol, NotesAreSpelledAsChordTones) {
  const ChordSymbol d = Read("D/F#");
  ASSERT_TRUE(d.bass);
  EXPECT_EQ(NoteName(*d.bass, SignStyle::kAscii), "F#");
  EXPECT_EQ(NoteName(d.Spell(6), SignStyle::kAscii), "F#");
  EXPECT_EQ(NoteName(Read("Bb7").Spell(8), SignStyle::kAscii), "Ab");
  EXPECT_EQ(NoteName(Read("E7#9").Spell(7), SignStyle::kAscii), "F##");
  const ChordSymbol slash = Read("C/Bb");
  EXPECT_EQ(NoteName(slash.Spell(10), SignStyle::kAscii), "Bb");
  EXPECT_FALSE(slash.DegreeOf(10));
  EXPECT_EQ(slash.DegreeOf(4), (Degree{3, 0}));
}

TEST(ChordSymbol, FormulasAndSymbolsMeet) {
  const auto chords = ChordFormulas();
  EXPECT_EQ(Read("Cmaj7").FormulaIndex(), 4);
  EXPECT_EQ(Read("Am7b5").FormulaIndex(), 21);
  EXPECT_EQ(Read("G7#9").FormulaIndex(), FindEntry(chords, "7#9"));
  EXPECT_EQ(Read("C7b9#11").FormulaIndex(), -1);
  // Every formula on every root reads back from its symbol as itself.
  for (int root = 0; root < 12; ++root) {
    const SpelledNote name = SpellPitchClass(root, Accidentals::kKeyNames);
    for (std::size_t i = 0; i < chords.size(); ++i) {
      const ChordSymbol chord = ChordOfFormula(name, chords[i]);
      const ChordSymbol back = Read(chord.Symbol());
      EXPECT_EQ(back.Intervals() & ~kMayBeAdded, chord.Intervals() & ~kMayBeAdded) << chords[i].name;
      EXPECT_EQ(back.RequiredIntervals(), chord.RequiredIntervals()) << chords[i].name;
      EXPECT_EQ(back.root, name);
    }
  }
}

TEST(ChordSymbol, EachRefusalIsOneLineSayingWhy) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"", "note A to G"},           {"H7", "note A to G"},
      {"Cxyz", "\"xyz\""},           {"C7(b9,x)", "\"x\""},           {"Cmsus4", "no third"},
      {"C7#5b13", "one note twice"}, {"C/H", "bass note"},
      {"C(b11)", "\"b11\""},        {"C2", "\"2\""},
      {"Cm5", "power chord"},        {"Cmaj7/", "bass note"},
      {"Csus2(no5)", "three notes"},
  };
  for (const auto& [typed, mention] : cases) {
    std::string why;
    EXPECT_FALSE(ParseChordSymbol(typed, &why)) << typed;
    EXPECT_NE(why.find(mention), std::string::npos) << typed << ": " << why;
    EXPECT_NE(why.find("G7b9"), std::string::npos) << why;
    EXPECT_EQ(why.find('\n'), std::string::npos);
  }
}

}  // namespace
}  // namespace fretlab
