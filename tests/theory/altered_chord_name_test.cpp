// Altered dominants by their usual guitar shapes: C7♭9, C7♯9, C7♯11, C7♭13
// and the common two-alteration chords are named over their root, not as a
// slash chord over an altered reading, in every key; the plain naming rules
// (C6 over Am7/C, C/E over Em♯5) are in chord_name_test.cpp and still hold.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/guitar_shapes.h"
#include "theory/chord_name.h"

namespace fretlab {
namespace {

using testing::Moved;
using testing::Shape;
using Type = ChordDegree::Type;

bool HasReading(const ChordName& name, const std::string& symbol) {
  return std::any_of(name.readings.begin(), name.readings.end(),
                     [&](const ChordReading& r) { return r.symbol == symbol; });
}

struct Altered {
  const char* frets;
  const char* symbol;
  ChordKind kind;
  std::vector<ChordDegree> degrees;
};

TEST(AlteredChordNames, DominantsWithOneAlterationStandOnTheirRoot) {
  const Altered chords[] = {
      {"x3232x", "C7b9", ChordKind::Dominant, {{9, -1, Type::Add}}},  // C E Bb Db
      {"xxa9b9", "C7b9", ChordKind::Dominant, {{9, -1, Type::Add}}},  // the same, at the 9th fret
      {"x32323", "C7b9", ChordKind::Dominant, {{9, -1, Type::Add}}},  // with the fifth on top
      {"x3234x", "C7#9", ChordKind::Dominant, {{9, 1, Type::Add}}},
      {"x32343", "C7#9", ChordKind::Dominant, {{9, 1, Type::Add}}},
      {"8a897x", "C7#11", ChordKind::Dominant, {{11, 1, Type::Add}}},  // C G Bb E F#
      {"8a899x", "C7b13", ChordKind::Dominant, {{13, -1, Type::Add}}},  // C G Bb E Ab
      {"x3435x", "C7b5", ChordKind::Dominant, {{5, -1, Type::Alter}}},
      {"x3x354", "C7#5", ChordKind::AugmentedSeventh, {}},
  };
  for (const Altered& c : chords) {
    const ChordName name = NameChord(Shape(c.frets));
    ASSERT_TRUE(name.Named()) << c.frets;
    const ChordReading& best = name.Best();
    EXPECT_EQ(best.symbol, c.symbol) << c.frets;
    EXPECT_EQ(best.kind, c.kind) << c.frets;
    EXPECT_EQ(best.degrees, c.degrees) << c.frets;
    EXPECT_FALSE(best.bass.has_value()) << c.frets;
  }
  // The slash reading that used to win is still offered.
  EXPECT_TRUE(HasReading(NameChord(Shape("x3232x")), "Bbdimadd9/C"));
  EXPECT_EQ(NameChord(Shape("076780")).Symbol(), "E7#9");  // the open E shape
}

TEST(AlteredChordNames, TheCommonAlteredDominants) {
  const Altered chords[] = {
      {"x32344", "C7#5#9", ChordKind::AugmentedSeventh, {{9, 1, Type::Add}}},
      {"x32324", "C7#5b9", ChordKind::AugmentedSeventh, {{9, -1, Type::Add}}},
      {"x32322", "C7b5b9", ChordKind::Dominant, {{5, -1, Type::Alter}, {9, -1, Type::Add}}},
      {"x32342", "C7b5#9", ChordKind::Dominant, {{5, -1, Type::Alter}, {9, 1, Type::Add}}},
      {"x32345", "C13#9", ChordKind::Dominant13th, {{9, 1, Type::Add}}},
  };
  for (const Altered& c : chords) {
    const ChordReading best = NameChord(Shape(c.frets)).Best();
    EXPECT_EQ(best.symbol, c.symbol) << c.frets;
    EXPECT_EQ(best.kind, c.kind) << c.frets;
    EXPECT_EQ(best.degrees, c.degrees) << c.frets;
  }
}

// Roots spelled by the fewer-accidentals rule: G♭7♯9 (G♭ B♭ D♭ F♭ A) over
// F♯7♯9 (F♯ A♯ C♯ E G𝄪).
TEST(AlteredChordNames, TheSevenFlatNineAndSharpNineShapesInEveryKey) {
  const char* names[12] = {"C7b9",  "C#7b9", "D7b9",  "Eb7b9", "E7b9",  "F7b9",
                           "F#7b9", "G7b9",  "G#7b9", "A7b9",  "Bb7b9", "B7b9"};
  const char* sharpNine[12] = {"C7#9",  "Db7#9", "D7#9",  "Eb7#9", "E7#9",  "F7#9",
                               "Gb7#9", "G7#9",  "Ab7#9", "A7#9",  "Bb7#9", "B7#9"};
  for (int by = 0; by < 12; ++by) {
    EXPECT_EQ(NameChord(Moved("x3232x", by)).Symbol(), names[by]) << "up " << by;
    EXPECT_EQ(NameChord(Moved("x3234x", by)).Symbol(), sharpNine[by]) << "up " << by;
  }
}

TEST(AlteredChordNames, OnlyADominantOnItsRootTakesTheCheaperTensions) {
  // E in the bass: no longer the dominant on its root, so a slash chord,
  // with C7b9/E among the readings.
  const ChordName overE = NameChord(Shape("032320"));  // E C E Bb Db E
  EXPECT_TRUE(overE.Best().bass.has_value());
  EXPECT_TRUE(HasReading(overE, "C7b9/E"));
  // A minor seventh with a ♭9 is no dominant: named, but ranked as before.
  const ChordName minor = NameChord(Shape("x3132x"));  // C Eb Bb Db
  EXPECT_EQ(minor.Symbol(), "Cm7b9");
  EXPECT_EQ(minor.Best().cost, 3 + 1 + 5);  // no fifth, a seventh, a ♭9 at full price
  EXPECT_EQ(NameChord(Shape("x35543")).Symbol(), "Cm");
  EXPECT_EQ(NameChord(Shape("032010")).Symbol(), "C/E");
}

}  // namespace
}  // namespace fretlab
