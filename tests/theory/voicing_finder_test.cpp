// The voicing finder: familiar shapes first, labelled as guitarists name
// them, every voicing by the rules, and every voicing the rules allow found.

#include "theory/voicing_finder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace fretlab {
namespace {

ChordSymbol Chord(std::string_view symbol) {
  std::string why;
  const auto chord = ParseChordSymbol(symbol, &why);
  EXPECT_TRUE(chord) << why;
  return chord ? *chord : ChordSymbol{};
}

std::vector<std::string> FirstFive(std::string_view symbol, const VoicingQuery& query = {}) {
  const VoicingResult found = FindVoicings(Chord(symbol), query);
  std::vector<std::string> frets;
  for (std::size_t i = 0; i < found.voicings.size() && i < 5; ++i) {
    frets.push_back(found.voicings[i].FretsText());
  }
  return frets;
}

bool Among(const std::vector<std::string>& list, const std::string& frets) {
  return std::find(list.begin(), list.end(), frets) != list.end();
}

const Voicing* Find(const VoicingResult& found, const std::string& frets) {
  for (const Voicing& v : found.voicings) {
    if (v.FretsText() == frets) return &v;
  }
  return nullptr;
}

TEST(VoicingFinder, FamiliarShapesComeAmongTheFirstFive) {
  const std::vector<std::pair<const char*, std::vector<std::string>>> familiar = {
      {"C", {"x32010", "x35553", "8-10-10-9-8-8"}},
      {"G7", {"320001", "353433", "xx3433"}},
      {"Cmaj7", {"x32000", "x35453", "8x998x"}},
      {"Am7", {"x02010", "575555"}},
      {"Dm7b5", {"xx0111", "x5656x"}},
      {"E7#9", {"x7678x"}},
  };
  for (const auto& [symbol, shapes] : familiar) {
    const std::vector<std::string> five = FirstFive(symbol);
    for (const std::string& shape : shapes) {
      EXPECT_TRUE(Among(five, shape)) << symbol << ": " << shape << " not among "
                                      << testing::PrintToString(five);
    }
  }
  // The open form first where there is one.
  EXPECT_EQ(FirstFive("C").front(), "x32010");
  EXPECT_EQ(FirstFive("D").front(), "xx0232");
  EXPECT_EQ(FirstFive("Em").front(), "022000");
}

TEST(VoicingFinder, KindsAreLabelledAsGuitaristsNameThem) {
  const VoicingResult g7 = FindVoicings(Chord("G7"), {});
  const std::vector<std::pair<const char*, const char*>> labels = {
      {"320001", "open"}, {"353433", "E-shape barre at 3"}, {"xx3433", "drop 2 on strings 1\u20134"},
      {"3x343x", "drop 3 on strings 2\u20136"}, {"3x34xx", "shell"},
      {"x-10-12-10-12-10", "A-shape barre at 10"}, {"x5546x", "drop 2 on strings 2\u20135"}};
  for (const auto& [frets, label] : labels) {
    const Voicing* v = Find(g7, frets);
    ASSERT_TRUE(v) << frets;
    EXPECT_EQ(v->label, label) << frets;
  }
  EXPECT_EQ(Find(g7, "320001")->kind, VoicingKind::kOpen);
  EXPECT_EQ(Find(g7, "xx3433")->kind, VoicingKind::kDrop2);
  EXPECT_TRUE(Find(g7, "xx3433")->inversion);
  EXPECT_FALSE(Find(g7, "3x343x")->inversion);
  const VoicingResult cmaj7 = FindVoicings(Chord("Cmaj7"), {});
  EXPECT_EQ(Find(cmaj7, "x35453")->label, "A-shape barre at 3");
  EXPECT_EQ(Find(cmaj7, "8x998x")->kind, VoicingKind::kDrop3);
  // Open strings elsewhere on the neck are no open chord.
  const VoicingResult e = FindVoicings(Chord("E"), {});
  const Voicing* high = Find(e, "076450");
  ASSERT_TRUE(high);
  EXPECT_NE(high->kind, VoicingKind::kOpen);
}

TEST(VoicingFinder, NotesAndIntervalsFromTheLowestString) {
  const VoicingResult c = FindVoicings(Chord("C"), {});
  const Voicing* open = Find(c, "x32010");
  ASSERT_TRUE(open);
  EXPECT_EQ(open->NotesText(), "C E G C E");
  EXPECT_EQ(open->IntervalsText(), "R 3 5 R 3");
  EXPECT_EQ(open->SoundingNotes(), (std::vector<NoteNumber>{48, 52, 55, 60, 64}));
  EXPECT_EQ(open->lowestFret, 1);
  EXPECT_EQ(open->span, 3);
  const Voicing* barre = Find(c, "8-10-10-9-8-8");
  ASSERT_TRUE(barre);
  EXPECT_EQ(barre->lowestFret, 8);
  EXPECT_EQ(Find(FindVoicings(Chord("Bb7"), {}), "x13131")->NotesText(SignStyle::kUnicode),
            "B\u266D F A\u266D D F");
  const VoicingResult slash = FindVoicings(Chord("C/Bb"), {});
  ASSERT_FALSE(slash.voicings.empty());
  EXPECT_EQ(Find(slash, "x1201x") ? Find(slash, "x1201x")->IntervalsText() : "", "Bb 3 5 R");
}

TEST(VoicingFinder, SlashChordsPutTheirBassLowest) {
  const VoicingResult d = FindVoicings(Chord("D/F#"), {});
  ASSERT_FALSE(d.voicings.empty());
  EXPECT_TRUE(Among(FirstFive("D/F#"), "2x0232"));
  for (const Voicing& v : d.voicings) {
    const std::vector<NoteNumber> notes = v.SoundingNotes();
    EXPECT_EQ(PitchClass(*std::min_element(notes.begin(), notes.end())), 6) << v.FretsText();
    EXPECT_FALSE(v.inversion);
  }
  EXPECT_TRUE(Among(FirstFive("Am7/G"), "3x2210") || Among(FirstFive("Am7/G"), "302010"))
      << testing::PrintToString(FirstFive("Am7/G"));
}

TEST(VoicingFinder, TheCapoMovesTheOpenStrings) {
  VoicingQuery query;
  query.capo = 2;
  const VoicingResult d = FindVoicings(Chord("D"), query);
  ASSERT_FALSE(d.voicings.empty());
  EXPECT_EQ(d.voicings.front().FretsText(), "x54232");  // the C form behind the capo
  EXPECT_EQ(d.voicings.front().label, "open");
  for (const Voicing& v : d.voicings) {
    for (FretIndex f : v.frets) EXPECT_TRUE(f == kMuted || f >= 2) << v.FretsText();
  }
}

TEST(VoicingFinder, TopVoicingWithinTheFirstTwelveFrets) {
  const Tuning standard = PresetTunings().front();
  const auto g = TopVoicing(Chord("G"), standard);
  ASSERT_TRUE(g);
  EXPECT_EQ(g->FretsText(), "320003");
  const auto high = TopVoicing(Chord("F#m7"), standard, {7, 12});
  ASSERT_TRUE(high);
  for (FretIndex f : high->frets) EXPECT_TRUE(f == kMuted || (f >= 7 && f <= 12)) << high->FretsText();
  EXPECT_FALSE(TopVoicing(Chord("C13#11"), *FindPresetTuning("Bass")));
}

TEST(VoicingFinder, FretsTextReadsBack) {
  for (const char* text : {"x32010", "8-10-10-9-8-8", "x-x-10-10-9-10", "000000"}) {
    const auto frets = ParseFretsText(text, 6);
    ASSERT_TRUE(frets) << text;
    Voicing v;
    v.frets = *frets;
    EXPECT_EQ(v.FretsText(), text);
  }
  EXPECT_EQ(*ParseFretsText("x32010", 6), (std::vector<FretIndex>{0, 1, 0, 2, 3, kMuted}));
  for (const char* bad : {"x3201", "x320100", "x-3-2-0-1", "y32010", "8-10-10-9-8-25"}) {
    EXPECT_FALSE(ParseFretsText(bad, 6)) << bad;
  }
}

}  // namespace
}  // namespace fretlab
