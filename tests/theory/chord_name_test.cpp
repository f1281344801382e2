// Naming sounding chords: the common guitar shapes in every key, inversions
// and their slash bass, ambiguous sets and their alternatives, root spelling,
// the one- and two-note cases, other string counts, and every chord the
// chord list builds.

#include "theory/chord_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/chord_state.h"
#include "support/guitar_shapes.h"
#include "support/recording_host.h"
#include "theory/show.h"
#include "theory/tables.h"

namespace fretlab {
namespace {

using testing::Ascii;
using testing::Moved;
using testing::Shape;

std::vector<std::string> Symbols(const ChordName& name) {
  std::vector<std::string> out;
  for (const ChordReading& r : name.readings) out.push_back(r.symbol);
  return out;
}

bool HasReading(const ChordName& name, const std::string& symbol) {
  const std::vector<std::string> all = Symbols(name);
  return std::find(all.begin(), all.end(), symbol) != all.end();
}

TEST(ChordNameTest, OpenShapesOfTheFiveForms) {
  const std::pair<const char*, const char*> shapes[] = {
      {"x32010", "C"},     {"x02220", "A"},      {"320003", "G"},    {"022100", "E"},
      {"xx0232", "D"},     {"x02210", "Am"},     {"022000", "Em"},   {"xx0231", "Dm"},
      {"020100", "E7"},    {"x02020", "A7"},     {"xx0212", "D7"},   {"320001", "G7"},
      {"x32310", "C7"},    {"x21202", "B7"},     {"x02120", "Amaj7"}, {"x32000", "Cmaj7"},
      {"xx0222", "Dmaj7"}, {"x02010", "Am7"},    {"022030", "Em7"},  {"xx0211", "Dm7"},
      {"x2323x", "Bm7b5"}, {"xx0233", "Dsus4"},  {"xx0230", "Dsus2"}, {"x02200", "Asus2"},
      {"x02030", "A7sus4"}, {"x32033", "Cadd9"}, {"x32333", "C9"},   {"x3x355", "C13"},
      {"022xxx", "E5"},    {"355xxx", "G5"},     {"x3211x", "Caug"}, {"xx0101", "Ddim7"},
      {"x3434x", "Cm7b5"}, {"x32233", "C6/9"},   {"133211", "F"},    {"x02222", "A6"},
  };
  for (const auto& [frets, symbol] : shapes) {
    const ChordName name = NameChord(Shape(frets));
    ASSERT_TRUE(name.Named()) << frets;
    EXPECT_EQ(name.Symbol(), symbol) << frets;
  }
}

// Each form moved through all twelve keys; the expected names are the
// usual ones, black keys spelled by the fewer-accidentals rule.
TEST(ChordNameTest, BarreFormsInEveryKey) {
  const char* major[12] = {"C", "Db", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
  const char* minor[12] = {"Cm", "C#m", "Dm", "Ebm", "Em", "Fm",
                           "F#m", "Gm", "G#m", "Am", "Bbm", "Bm"};
  const char* seventh[12] = {"C7",  "Db7", "D7",  "Eb7", "E7",  "F7",
                             "F#7", "G7",  "Ab7", "A7",  "Bb7", "B7"};
  struct Form {
    const char* frets;
    int root;  // pitch class of the open shape's root
    const char** names;
  };
  const Form forms[] = {
      {"022100", 4, major}, {"x02220", 9, major}, {"x32010", 0, major}, {"320003", 7, major},
      {"xx0232", 2, major}, {"022000", 4, minor}, {"x02210", 9, minor}, {"xx0231", 2, minor},
      {"020100", 4, seventh}, {"x02020", 9, seventh}, {"x32310", 0, seventh},
  };
  for (const Form& form : forms) {
    for (int by = 0; by < 12; ++by) {
      const ChordName name = NameChord(Moved(form.frets, by));
      const int root = (form.root + by) % 12;
      EXPECT_EQ(name.Symbol(), form.names[root]) << form.frets << " up " << by;
      EXPECT_EQ(name.Best().root, root);
      EXPECT_FALSE(name.Best().bass.has_value()) << form.frets << " up " << by;
    }
  }
}

TEST(ChordNameTest, InversionsTakeTheLowestNoteAsASlashBass) {
  const std::pair<const char*, const char*> shapes[] = {
      {"032010", "C/E"}, {"332010", "C/G"}, {"3x2210", "Am7/G"}, {"200232", "D/F#"},
      {"x20033", "G/B"}, {"x6554x", "Cm/Eb"}, {"1x0003", "G7/F"}, {"x22130", "E7/B"},
  };
  for (const auto& [frets, symbol] : shapes) {
    const ChordName name = NameChord(Shape(frets));
    EXPECT_EQ(name.Symbol(), symbol) << frets;
  }
  const ChordReading am7 = NameChord(Shape("3x2210")).Best();
  EXPECT_EQ(am7.root, 9);
  EXPECT_EQ(am7.kind, ChordKind::MinorSeventh);
  ASSERT_TRUE(am7.bass.has_value());
  EXPECT_EQ(*am7.bass, 7);
  EXPECT_EQ(am7.bassSpelling, *ParseNoteName("G"));
  EXPECT_EQ(am7.suffix, "m7");

  // The bass is the lowest sounding note, wherever its string lies: a
  // re-entrant ukulele (G4 C4 E4 A4) playing 0003 is C over C.
  const NoteNumber ukulele[4] = {67, 60, 64, 72};
  EXPECT_EQ(NameChord(ukulele).Symbol(), "C");
  const NoteNumber mixed[3] = {60, 52, 55};
  EXPECT_EQ(NameChord(mixed).Symbol(), "C/E");
}

TEST(ChordNameTest, AmbiguousSetsRankRootInBassFirstAndListTheOtherReading) {
  const NoteNumber c6[4] = {48, 52, 55, 57};  // C E G A
  const ChordName overC = NameChord(c6);
  EXPECT_EQ(overC.Symbol(), "C6");
  EXPECT_TRUE(HasReading(overC, "Am7/C"));

  const NoteNumber am7[4] = {45, 48, 52, 55};  // A C E G
  const ChordName overA = NameChord(am7);
  EXPECT_EQ(overA.Symbol(), "Am7");
  EXPECT_TRUE(HasReading(overA, "C6/A"));
  ASSERT_EQ(overA.Alternatives().size(), overA.readings.size() - 1);
  for (const ChordReading& r : overA.Alternatives()) EXPECT_GE(r.cost, overA.Best().cost);

  const ChordName dim7 = NameChord(Shape("xx0101"));  // D Ab B F: four equal readings
  EXPECT_EQ(Symbols(dim7), (std::vector<std::string>{"Ddim7", "Fdim7/D", "G#dim7/D", "Bdim7/D"}));
  const ChordName sus = NameChord(Shape("xx0230"));
  EXPECT_EQ(Symbols(sus), (std::vector<std::string>{"Dsus2", "Asus4/D"}));
}

TEST(ChordNameTest, RootSpelledWithFewerAccidentalsTieToTheUsualName) {
  // Bb-D-F against A#-C##-E#, C#-E-G# against Db-Fb-Ab.
  EXPECT_EQ(NameChord(Shape("x13331")).Symbol(), "Bb");
  EXPECT_EQ(NameChord(Shape("x46654")).Symbol(), "C#m");
  // Three accidentals either way: F#, Ebm.
  EXPECT_EQ(NameChord(Shape("244322")).Symbol(), "F#");
  EXPECT_EQ(NameChord(Shape("x68876")).Symbol(), "Ebm");
  // A lone note or a power chord has no other tones: the usual name.
  const NoteNumber ab[1] = {56};
  EXPECT_EQ(NameChord(ab).Symbol(), "Ab");
  EXPECT_EQ(NameChord(Moved("022xxx", 2)).Symbol(), "F#5");
  // The bass is spelled as the chord tone it is.
  EXPECT_EQ(NameChord(Moved("x32010", 1)).Best().rootSpelling, *ParseNoteName("Db"));
  EXPECT_EQ(NameChord(Moved("032010", 1)).Symbol(), "Db/F");
  EXPECT_EQ(NameChord(Moved("x20033", 3)).Symbol(), "Bb/D");
  const ChordReading b7 = NameChord(Shape("x21202")).Best();
  EXPECT_EQ(Ascii(b7.Spell(3)), "D#");
  EXPECT_EQ(Ascii(b7.Spell(9)), "A");
  const ChordReading db7 = NameChord(Moved("x32310", 1)).Best();
  EXPECT_EQ(Ascii(db7.Spell(11)), "Cb");
  EXPECT_EQ(Ascii(db7.Spell(5)), "F");
}

TEST(ChordNameTest, OneAndTwoPitchClasses) {
  const NoteNumber octaves[3] = {48, 60, 72};
  const ChordName c = NameChord(octaves);
  EXPECT_EQ(c.Symbol(), "C");
  EXPECT_EQ(c.Best().kind, ChordKind::SingleNote);

  const NoteNumber fifth[3] = {48, 55, 60};
  EXPECT_EQ(NameChord(fifth).Symbol(), "C5");
  EXPECT_EQ(NameChord(fifth).Best().kind, ChordKind::Power);
  const NoteNumber fourth[2] = {43, 48};  // G under C
  EXPECT_EQ(NameChord(fourth).Symbol(), "C5/G");

  const NoteNumber third[2] = {48, 64};  // C and the E above
  const ChordName interval = NameChord(third);
  EXPECT_FALSE(interval.Named());
  EXPECT_EQ(interval.Symbol(), "");
  EXPECT_EQ(interval.interval, 4);
  EXPECT_EQ(interval.Display(), "(M3)");
  const NoteNumber tritone[2] = {47, 53};
  EXPECT_EQ(NameChord(tritone).Display(), "(TT)");
  const NoteNumber second[2] = {62, 61};
  EXPECT_EQ(NameChord(second).Display(), "(m2)");  // from the lower note up

  const ChordName silent = NameChord(Chord{});
  EXPECT_FALSE(silent.Named());
  EXPECT_EQ(silent.interval, 0);
  EXPECT_EQ(silent.Display(), "N.C.");
  EXPECT_TRUE(silent.Alternatives().empty());
  // Anything outside 1..127 is a muted string.
  const NoteNumber odd[4] = {-1, 128, 0, 52};
  EXPECT_EQ(NameChord(odd).Symbol(), "E");
}

TEST(ChordNameTest, KindAndDegreesDescribeTheSymbol) {
  using Type = ChordDegree::Type;
  struct Case {
    const char* frets;
    ChordKind kind;
    std::vector<ChordDegree> degrees;
    const char* suffix;
  };
  const Case cases[] = {
      {"x32010", ChordKind::Major, {}, ""},
      {"x3534x", ChordKind::MinorSeventh, {}, "m7"},
      {"x3434x", ChordKind::HalfDiminished, {}, "m7b5"},
      {"x32033", ChordKind::Major, {{9, 0, Type::Add}}, "add9"},
      {"x32233", ChordKind::MajorSixth, {{9, 0, Type::Add}}, "6/9"},
      {"x35363", ChordKind::SuspendedFourth, {{7, -1, Type::Add}}, "7sus4"},
      {"x32323", ChordKind::Dominant, {{9, -1, Type::Add}}, "7b9"},  // C E Bb Db G
      {"x3435x", ChordKind::Dominant, {{5, -1, Type::Alter}}, "7b5"},  // C Gb Bb E
      {"x3455x", ChordKind::Major, {{5, -1, Type::Alter}}, "(b5)"},  // C Gb C E
      {"x32333", ChordKind::DominantNinth, {}, "9"},
      {"x3x355", ChordKind::Dominant13th, {}, "13"},
      {"x3x443", ChordKind::MajorMinor, {}, "mMaj7"},  // C B Eb G
  };
  for (const Case& c : cases) {
    const ChordReading r = NameChord(Shape(c.frets)).Best();
    EXPECT_EQ(r.kind, c.kind) << c.frets;
    EXPECT_EQ(r.degrees, c.degrees) << c.frets;
    EXPECT_EQ(r.suffix, c.suffix) << c.frets;
    EXPECT_EQ(r.symbol, "C" + std::string(c.suffix)) << c.frets;
  }
}

TEST(ChordNameTest, OtherStringCounts) {
  // Four-string bass E1 A1 D2 G2 playing A, C#, E.
  const NoteNumber bass[4] = {0, 33, 37, 40};
  EXPECT_EQ(NameChord(bass).Symbol(), "A");
  // Seven strings (low B1 added) with the low B under a G major shape: G/B.
  const NoteNumber seven[7] = {35, 43, 47, 50, 55, 59, 67};
  EXPECT_EQ(NameChord(seven).Symbol(), "G/B");
  // Eight strings (F#1 B1 ...), an F#m7 spread over all of them.
  const NoteNumber eight[8] = {30, 37, 40, 45, 49, 52, 57, 61};
  EXPECT_EQ(NameChord(eight).Symbol(), "F#m7");
}

// Every chord of the chord list, strummed by ShowChord for every root.
class ShownChordNameTest : public testing::ChordStateTest {
 protected:
  Chord Strum(int formula, int root) {
    host_.events.clear();
    host_.root = root;
    ShowChord(host_, formula, root);
    const std::vector<testing::Strum> strums = host_.Strums();
    EXPECT_EQ(strums.size(), 1u);
    return strums.empty() ? Chord{} : strums.front().notes;
  }
  testing::RecordingHost host_;
};

bool SoundsEveryTone(const Chord& notes, int formula, int root) {
  for (int column = 0; column < kTableColumns; ++column) {
    const int step = ChordFormulaTable[formula][column];
    if (step == NoTone) continue;
    const bool found = std::any_of(notes.begin(), notes.end(), [&](NoteNumber n) {
      return n != 0 && n % 12 == (root + step) % 12;
    });
    if (!found) return false;
  }
  return true;
}

// With the fret window ending at the root on the low E string, the root is
// the bass of every chord shown: each gets a name over that root without a
// slash, and a chord that sounds all its tones gets it as its best name.
TEST_F(ShownChordNameTest, WithTheRootInTheBassEveryChordIsNamedOverIt) {
  host_.autoRoot = 0;
  for (int root = 0; root < kRootCount; ++root) {
    const int rootFret = (root + 8) % 12 < 4 ? (root + 8) % 12 + 12 : (root + 8) % 12;
    host_.fromFret = rootFret - 4;
    host_.toFret = rootFret;
    for (int formula = 0; formula < kChordFormulaCount; ++formula) {
      const Chord notes = Strum(formula, root);
      ASSERT_EQ(notes[0] % 12, root);
      const ChordName name = NameChord(notes);
      const std::string where = std::string(kChordTexts[formula]) + " on root " +
                                std::to_string(root) + ": " + name.Display();
      ASSERT_TRUE(name.Named()) << where;
      EXPECT_FALSE(name.Symbol().empty()) << where;
      const auto over = std::find_if(name.readings.begin(), name.readings.end(),
                                     [&](const ChordReading& r) { return r.root == root; });
      ASSERT_NE(over, name.readings.end()) << where;
      EXPECT_FALSE(over->bass.has_value()) << where;
      EXPECT_EQ(over->symbol, Ascii(over->rootSpelling) + over->suffix) << where;
      if (SoundsEveryTone(notes, formula, root)) {
        EXPECT_EQ(name.Best().root, root) << where;
      }
    }
  }
}

// With the automatic five-fret box, the strum often lacks the root (the
// ninths and elevenths never reach it). Every strum still gets a name, and
// where the root sounds one reading stands on it, with a slash exactly when
// the lowest note is not the root.
TEST_F(ShownChordNameTest, InTheAutomaticBoxEveryChordIsNamedAndOverItsRootWhenItSounds) {
  host_.autoRoot = 1;
  for (int root = 0; root < kRootCount; ++root) {
    for (int formula = 0; formula < kChordFormulaCount; ++formula) {
      const Chord notes = Strum(formula, root);
      const ChordName name = NameChord(notes);
      const std::string where = std::string(kChordTexts[formula]) + " on root " +
                                std::to_string(root) + ": " + name.Display();
      ASSERT_TRUE(name.Named()) << where;
      EXPECT_FALSE(name.Symbol().empty()) << where;
      const bool rootSounds = std::any_of(notes.begin(), notes.end(),
                                          [&](NoteNumber n) { return n != 0 && n % 12 == root; });
      if (!rootSounds) continue;
      const auto over = std::find_if(name.readings.begin(), name.readings.end(),
                                     [&](const ChordReading& r) { return r.root == root; });
      ASSERT_NE(over, name.readings.end()) << where;
      const NoteNumber lowest = *std::min_element(
          notes.begin(), notes.end(), [](NoteNumber a, NoteNumber b) {
            return (a == 0 ? 1000 : a) < (b == 0 ? 1000 : b);
          });
      EXPECT_EQ(over->bass.has_value(), lowest % 12 != root) << where;
      if (over->bass) {
        EXPECT_EQ(over->symbol.substr(over->symbol.rfind('/') + 1), Ascii(over->bassSpelling))
            << where;
      }
    }
  }
}

}  // namespace
}  // namespace fretlab
