// Tunings: every preset's open notes, custom tunings typed as notes, and the
// one-line errors for what cannot be a tuning.

#include "theory/tuning.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fretlab {
namespace {

// Written lowest string first, as the presets are known.
struct Written {
  const char* name;
  std::vector<int> lowFirst;
};
const std::vector<Written> kWritten = {
    {"Standard", {40, 45, 50, 55, 59, 64}},
    {"Drop D", {38, 45, 50, 55, 59, 64}},
    {"Half step down", {39, 44, 49, 54, 58, 63}},
    {"Whole step down", {38, 43, 48, 53, 57, 62}},
    {"Drop C", {36, 43, 48, 53, 57, 62}},
    {"DADGAD", {38, 45, 50, 55, 57, 62}},
    {"Open G", {38, 43, 50, 55, 59, 62}},
    {"Open D", {38, 45, 50, 54, 57, 62}},
    {"Open E", {40, 47, 52, 56, 59, 64}},
    {"7-string", {35, 40, 45, 50, 55, 59, 64}},
    {"Bass", {28, 33, 38, 43}},
};

std::vector<int> LowFirst(const Tuning& t) {
  std::vector<int> notes;
  for (int s = t.StringCount() - 1; s >= 0; --s) notes.push_back(t.OpenNote(s));
  return notes;
}

TEST(Tuning, EveryPresetsOpenNotes) {
  ASSERT_EQ(PresetTunings().size(), kWritten.size());
  for (std::size_t i = 0; i < kWritten.size(); ++i) {
    const Tuning& t = PresetTunings()[i];
    EXPECT_EQ(t.name, kWritten[i].name);
    EXPECT_EQ(LowFirst(t), kWritten[i].lowFirst) << t.name;
    // The presets' own notes parse back to the same tuning and name.
    EXPECT_EQ(ParseTuning(TuningNotesText(t)), t) << t.name;
  }
  const Tuning standard = *FindPresetTuning("Standard");
  EXPECT_EQ(standard.OpenNote(0), 64);  // the top string is the thinnest
  EXPECT_EQ(standard.NoteAt(2, 5), 60);
  EXPECT_EQ(StringName(standard, 2), "G");
  EXPECT_EQ(StringName(*FindPresetTuning("Half step down"), 0), "E\u266D");
  EXPECT_EQ(TuningNotesText(*FindPresetTuning("Open D")), "D2 A2 D3 F#3 A3 D4");
  EXPECT_EQ(TuningNotesText(*FindPresetTuning("Open D"), SignStyle::kUnicode),
            "D2 A2 D3 F\u266F3 A3 D4");
}

TEST(Tuning, PresetNamesIgnoreCase) {
  EXPECT_EQ(FindPresetTuning("dadgad")->name, "DADGAD");
  EXPECT_EQ(FindPresetTuning("DROP d")->name, "Drop D");
  EXPECT_EQ(FindPresetTuning("7-STRING")->StringCount(), 7);
  EXPECT_FALSE(FindPresetTuning("Drop B").has_value());
  EXPECT_FALSE(FindPresetTuning("").has_value());
}

TEST(Tuning, CustomNotesLowestStringFirst) {
  const auto dropD = ParseTuning("D2 A2 D3 G3 B3 E4");
  ASSERT_TRUE(dropD);
  EXPECT_EQ(dropD->name, "Drop D");  // the notes of a preset take its name
  EXPECT_EQ(dropD->OpenNote(5), 38);
  const auto sharps = ParseTuning("D#2 G#2 C#3 F#3 A#3 D#4");
  ASSERT_TRUE(sharps);
  EXPECT_EQ(sharps->name, "Half step down");
  EXPECT_EQ(StringName(*sharps, 0), "D\u266F");  // written as typed

  const auto own = ParseTuning("  c2   g2 d3 g3 b3 d4 ");
  ASSERT_TRUE(own);
  EXPECT_EQ(own->name, "C2 G2 D3 G3 B3 D4");
  EXPECT_EQ(LowFirst(*own), (std::vector<int>{36, 43, 50, 55, 59, 62}));

  const auto eight = ParseTuning("F#1 B1 E2 A2 D3 G3 B3 E4");
  ASSERT_TRUE(eight);
  EXPECT_EQ(eight->StringCount(), 8);
  EXPECT_EQ(eight->OpenNote(7), 30);
  EXPECT_EQ(ParseTuning("B#3 Cb4 E4 A4")->OpenNote(3), 60);  // the letter fixes the octave
  EXPECT_EQ(ParseTuning("B#3 Cb4 E4 A4")->OpenNote(2), 59);
  EXPECT_EQ(ParseTuning("G4 C4 E4 A4")->OpenNote(3), 67);  // re-entrant: kept as given
}

TEST(Tuning, RefusesWhatIsNoTuningWithOneSentence) {
  struct Bad {
    const char* text;
    const char* mentions;
  };
  const Bad bad[] = {
      {"", "4 to 8 strings, not 0"},
      {"E2 A2 D3", "4 to 8 strings, not 3"},
      {"C2 C2 C2 C2 C2 C2 C2 C2 C2", "not 9"},
      {"E2 A2 D3 G3 B3 E", "\"E\""},
      {"E2 A2 D3 G3 H3 E4", "\"H3\""},
      {"E2,A2,D3,G3,B3,E4", "\"E2,A2,D3,G3,B3,E4\""},
      {"E2 A2 D3 G3 B3 E9", "outside"},
      {"C-2 A2 D3 G3", "\"C-2\""},
      {"E2 A2 D3 G3 B3 E123", "\"E123\""},
      {"Cb-1 A2 D3 G3", "outside"},
  };
  for (const Bad& b : bad) {
    std::string error;
    EXPECT_FALSE(ParseTuning(b.text, &error).has_value()) << b.text;
    EXPECT_NE(error.find(b.mentions), std::string::npos) << b.text << ": " << error;
    EXPECT_EQ(error.find('\n'), std::string::npos);
  }
  EXPECT_FALSE(ParseTuning("E2 A2 D3").has_value());  // no place for the reason: still refused
}

TEST(Tuning, NotesTypedFromTheTopStringDownAreTurnedRoundNotDrawnUpsideDown) {
  std::string error;
  EXPECT_FALSE(ParseTuning("E4 B3 G3 D3 A2 E2", &error).has_value());
  EXPECT_NE(error.find("lowest string first: E2 A2 D3 G3 B3 E4"), std::string::npos) << error;
  EXPECT_EQ(LowestStringFirst("E4 B3 G3 D3 A2 E2"), "E2 A2 D3 G3 B3 E4");
  EXPECT_EQ(LowestStringFirst(" g2 d2  a1 e1"), "E1 A1 D2 G2");
  const auto halfDown = LowestStringFirst("Eb4 Bb3 Gb3 Db3 Ab2 Eb2");
  ASSERT_TRUE(halfDown);
  EXPECT_EQ(ParseTuning(*halfDown)->name, "Half step down");  // the turned notes are a tuning
  // Re-entrant tunings climb somewhere: a ukulele's high G, Nashville
  // stringing, and the ukulele typed from its first string.
  for (const char* reentrant : {"G4 C4 E4 A4", "E3 A3 D4 G4 B3 E4", "A4 E4 C4 G4"}) {
    EXPECT_TRUE(ParseTuning(reentrant).has_value()) << reentrant;
    EXPECT_FALSE(LowestStringFirst(reentrant).has_value()) << reentrant;
  }
  EXPECT_FALSE(LowestStringFirst("E2 A2 D3 G3 B3 E4").has_value());
  EXPECT_FALSE(LowestStringFirst("E4 B3 G3").has_value());  // no tuning either way
  EXPECT_FALSE(LowestStringFirst("E4 B3 G3 D3 A2 X2").has_value());
  // From the command line: one line with the order to use, no list of presets.
  EXPECT_FALSE(TuningFromText("E4 B3 G3 D3 A2 E2", &error).has_value());
  EXPECT_EQ(error, "\"E4 B3 G3 D3 A2 E2\" runs from the highest string down; give the lowest "
                   "string first: \"E2 A2 D3 G3 B3 E4\"");
}

TEST(Tuning, CustomTuningsAreNamedWithSharpAndFlatSigns) {
  const auto openA = ParseTuning("E2 A2 C#3 E3 A3 E4");
  ASSERT_TRUE(openA);
  EXPECT_EQ(openA->name, "E2 A2 C\u266F3 E3 A3 E4");
  EXPECT_EQ(ParseTuning("Bb1 Eb2 Ab2 Db3")->name, "B\u266D1 E\u266D2 A\u266D2 D\u266D3");
  // The name is what the settings keep: it reads back as the same tuning.
  EXPECT_EQ(TuningFromText(openA->name), openA);
  EXPECT_EQ(TuningNotesText(*openA), "E2 A2 C#3 E3 A3 E4");  // typed text stays ASCII
}

TEST(Tuning, FromTextTakesAPresetOrNotes) {
  std::string error;
  EXPECT_EQ(TuningFromText("open g", &error)->name, "Open G");
  EXPECT_EQ(TuningFromText("E1 A1 D2 G2", &error)->name, "Bass");
  EXPECT_FALSE(TuningFromText("Nashville", &error).has_value());
  EXPECT_NE(error.find("\"Nashville\""), std::string::npos) << error;
  EXPECT_NE(error.find(PresetTuningNames()), std::string::npos) << error;
  EXPECT_NE(error.find("D2 A2 D3 G3 B3 E4"), std::string::npos) << error;
  EXPECT_EQ(PresetTuningNames().rfind("Standard, Drop D, Half step down", 0), 0u);
}

}  // namespace
}  // namespace fretlab
