// The Practice window's vocabulary: the main window's scales and chord
// formulas with clear names, the scales and chords after them
// (catalogue_growth_test.cpp), the chromatic view.

#include "theory/scale_catalogue.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "theory/tables.h"

namespace fretlab {
namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

TEST(ScaleCatalogue, MainWindowScalesKeepTheirStepsUnderClearNames) {
  ASSERT_EQ(Scales().size(), 66u);
  const char* names[9] = {"Lydian",   "Major (Ionian)", "Mixolydian",     "Dorian",
                          "Natural minor (Aeolian)", "Phrygian", "Locrian", "Harmonic minor",
                          "Melodic minor"};
  for (int row = 0; row < kScaleCount; ++row) {
    const CatalogueEntry& e = Scales()[row];
    EXPECT_EQ(e.name, names[row]);
    EXPECT_EQ(e.mainWindowRow, row);
    const std::vector<int> steps(ScaleTable[row].begin(), ScaleTable[row].end());
    EXPECT_EQ(e.Steps(), steps) << e.name;
    for (int i = 0; i < 7; ++i) EXPECT_EQ(e.degrees[i].number, i + 1) << e.name;
  }
}

TEST(ScaleCatalogue, TheSevenOtherScales) {
  const std::vector<std::pair<const char*, std::vector<int>>> expected = {
      {"Major pentatonic", {0, 2, 4, 7, 9}},
      {"Minor pentatonic", {0, 3, 5, 7, 10}},
      {"Blues", {0, 3, 5, 6, 7, 10}},
      {"Whole tone", {0, 2, 4, 6, 8, 10}},
      {"Diminished half-whole", {0, 1, 3, 4, 6, 7, 9, 10}},
      {"Diminished whole-half", {0, 2, 3, 5, 6, 8, 9, 11}},
      {"Chromatic (all notes)", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
  };
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const CatalogueEntry& e = Scales()[9 + i];
    EXPECT_EQ(e.name, expected[i].first);
    EXPECT_EQ(e.Steps(), expected[i].second) << e.name;
    EXPECT_EQ(e.mainWindowRow, -1);
    EXPECT_EQ(e.chromatic, 9 + static_cast<int>(i) == kCatalogueChromatic);
  }
}

TEST(ScaleCatalogue, ChordFormulasMatchTheChordTableColumnByColumn) {
  ASSERT_EQ(ChordFormulas().size(), 57u);
  for (int row = 0; row < kChordFormulaCount; ++row) {
    const CatalogueEntry& e = ChordFormulas()[row];
    std::vector<int> tones;
    for (int c = 0; c < kTableColumns && ChordFormulaTable[row][c] != NoTone; ++c) {
      tones.push_back(ChordFormulaTable[row][c]);
    }
    EXPECT_EQ(e.Steps(), tones) << e.name;
    EXPECT_EQ(e.mainWindowRow, row);
    EXPECT_EQ(e.parent, row >= 16 && row <= 31 ? ParentKey::kMinor : ParentKey::kMajor) << e.name;
    // A chord's degrees climb in thirds from the root: 1 3 5, then 6 or 7, 9, 11.
    EXPECT_TRUE(e.degrees[0].IsRoot());
    EXPECT_EQ(e.degrees[1].number, 3) << e.name;
    EXPECT_EQ(e.degrees[2].number, 5) << e.name;
  }
  EXPECT_EQ(ChordFormulas()[30].name, "Diminished 7");
  EXPECT_EQ(ChordFormulas()[31].name, "Half-diminished 7");
  EXPECT_EQ(ChordFormulas()[21].shortName, "m7\u266D5");
}

TEST(ScaleCatalogue, NamesAreClearAndUniqueWithoutRegardToCase) {
  std::set<std::string> seen;
  for (ChoiceKind kind : {ChoiceKind::kScale, ChoiceKind::kChord}) {
    for (const CatalogueEntry& e : EntriesOf(kind)) {
      EXPECT_FALSE(e.name.empty());
      EXPECT_NE(e.name.back(), ' ') << '"' << e.name << '"';
      EXPECT_NE(e.name.front(), ' ') << '"' << e.name << '"';
      EXPECT_TRUE(seen.insert(Lower(e.name)).second) << e.name;
      if (kind == ChoiceKind::kChord && !e.shortName.empty()) {
        EXPECT_TRUE(seen.insert(Lower(AsciiSigns(e.shortName))).second) << e.shortName;
      }
    }
  }
}

TEST(ScaleCatalogue, FindEntryMatchesNamesSymbolsAndModes) {
  const auto scales = Scales();
  const auto chords = ChordFormulas();
  for (std::size_t i = 0; i < scales.size(); ++i) {
    EXPECT_EQ(FindEntry(scales, scales[i].name), static_cast<int>(i));
  }
  for (std::size_t i = 0; i < chords.size(); ++i) {
    EXPECT_EQ(FindEntry(chords, chords[i].name), static_cast<int>(i));
    EXPECT_EQ(FindEntry(chords, AsciiSigns(chords[i].name)), static_cast<int>(i));
  }
  EXPECT_EQ(FindEntry(scales, "NATURAL MINOR (aeolian)"), 4);
  EXPECT_EQ(FindEntry(scales, "aeolian"), 4);
  EXPECT_EQ(FindEntry(scales, "Ionian"), 1);
  EXPECT_EQ(FindEntry(scales, "dorian"), 3);
  EXPECT_EQ(FindEntry(scales, "minor (Aeolian) "), 4);  // the main window's text
  EXPECT_EQ(FindEntry(scales, "minor pentatonic"), 10);
  EXPECT_EQ(FindEntry(scales, "Minorpentatonic"), 10);
  EXPECT_EQ(FindEntry(chords, "minor 7 b5"), 21);
  EXPECT_EQ(FindEntry(chords, "m7b5"), 21);
  EXPECT_EQ(FindEntry(chords, "MAJ7"), 4);
  // The main window's chord texts differ by case alone and are kept apart.
  EXPECT_EQ(FindEntry(chords, "M7"), 4);
  EXPECT_EQ(FindEntry(chords, "m7"), 20);
  EXPECT_EQ(FindEntry(chords, "M(Major)"), 0);
  EXPECT_EQ(FindEntry(chords, "half dim7"), 31);
  for (const char* unknown : {"", " ", "Dorianx", "Major 15", "pentatonic"}) {
    EXPECT_EQ(FindEntry(scales, unknown), -1) << unknown;
    EXPECT_EQ(FindEntry(chords, unknown), -1) << unknown;
  }
}

TEST(ScaleCatalogue, AllowedNamesListsEveryName) {
  const std::string names = AllowedNames(Scales());
  for (const CatalogueEntry& e : Scales()) EXPECT_NE(names.find(e.name), std::string::npos);
  EXPECT_EQ(names.find('\n'), std::string::npos);
  EXPECT_EQ(names.rfind("Lydian, Major (Ionian), ", 0), 0u);
}

TEST(ScaleCatalogue, Titles) {
  EXPECT_EQ(ChoiceTitle("A", Scales()[3], ChoiceKind::kScale), "A Dorian");
  EXPECT_EQ(ChoiceTitle("C", Scales()[1], ChoiceKind::kScale), "C major");
  EXPECT_EQ(ChoiceTitle("C", ChordFormulas()[21], ChoiceKind::kArpeggio), "Cm7\u266D5 arpeggio");
  EXPECT_EQ(ChoiceTitle("E\u266D", ChordFormulas()[4], ChoiceKind::kChord), "E\u266Dmaj7 chord");
  EXPECT_EQ(ChoiceTitle("G", ChordFormulas()[0], ChoiceKind::kChord), "G chord");
}

}  // namespace
}  // namespace fretlab
