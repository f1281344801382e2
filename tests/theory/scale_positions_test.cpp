// Positions written out by hand: the five CAGED shapes of C major and of A
// minor pentatonic (its boxes) as guitar books print them, in standard
// tuning; the systems' names, and which scales and tunings have them.

#include "theory/scale_positions.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "theory/scale_catalogue.h"

namespace fretlab {
namespace {

// Frets per string from the sixth (lowest) up: "7 8 10|7 8 10|...".
std::string Frets(const ScalePosition& p) {
  std::string out;
  for (StringIndex s = 5; s >= 0; --s) {
    std::string string;
    for (const MarkedPosition& m : p.notes) {
      if (m.position.string == s) string += (string.empty() ? "" : " ") + std::to_string(m.position.fret);
    }
    out += (s == 5 ? "" : "|") + string;
  }
  return out;
}

PositionSet Find(PositionSystem system, int root, std::string_view scale, int capo = 0,
                 std::string_view tuning = "Standard") {
  const KeySpelling key =
      KeySpelling::Automatic(root, Scales()[FindEntry(Scales(), scale)], Accidentals::kSharps);
  return FindPositions(system, *FindPresetTuning(tuning), capo, key);
}

// The instance of `name` whose lowest fret is `from`.
std::string Shape(const PositionSet& set, const std::string& name, int from) {
  for (const ScalePosition& p : set.positions) {
    if (p.Name() == name && p.span.from == from) return Frets(p);
  }
  return "no " + name + " from fret " + std::to_string(from);
}

TEST(ScalePositions, TheFiveCagedShapesOfCMajor) {
  const PositionSet c = Find(PositionSystem::kCaged, 0, "Major (Ionian)");
  ASSERT_TRUE(c.unavailable.empty()) << c.unavailable;
  EXPECT_EQ(Shape(c, "C shape", 0), "0 1 3|0 2 3|0 2 3|0 2|0 1 3|0 1 3");
  EXPECT_EQ(Shape(c, "A shape", 2), "3 5|2 3 5|2 3 5|2 4 5|3 5 6|3 5");
  EXPECT_EQ(Shape(c, "G shape", 4), "5 7 8|5 7 8|5 7|4 5 7|5 6 8|5 7 8");
  EXPECT_EQ(Shape(c, "E shape", 7), "7 8 10|7 8 10|7 9 10|7 9 10|8 10|7 8 10");
  EXPECT_EQ(Shape(c, "D shape", 9), "10 12 13|10 12|9 10 12|9 10 12|10 12 13|10 12 13");
  // An octave up, the C shape again.
  EXPECT_EQ(Shape(c, "C shape", 12), "12 13 15|12 14 15|12 14 15|12 14|12 13 15|12 13 15");
}

TEST(ScalePositions, TheFiveCagedShapesOfAMinorPentatonicAreItsBoxes) {
  const PositionSet am = Find(PositionSystem::kCaged, 9, "Minor pentatonic");
  ASSERT_TRUE(am.unavailable.empty()) << am.unavailable;
  EXPECT_EQ(Shape(am, "E shape", 5), "5 8|5 7|5 7|5 7|5 8|5 8");
  EXPECT_EQ(Shape(am, "D shape", 7), "8 10|7 10|7 10|7 9|8 10|8 10");
  EXPECT_EQ(Shape(am, "C shape", 9), "10 12|10 12|10 12|9 12|10 13|10 12");
  EXPECT_EQ(Shape(am, "A shape", 12), "12 15|12 15|12 14|12 14|13 15|12 15");
  EXPECT_EQ(Shape(am, "G shape", 14), "15 17|15 17|14 17|14 17|15 17|15 17");
  const PositionSet boxes = Find(PositionSystem::kPentatonicBox, 9, "Minor pentatonic");
  EXPECT_EQ(Shape(boxes, "Box 1", 5), Shape(am, "E shape", 5));
  EXPECT_EQ(Shape(boxes, "Box 2", 7), Shape(am, "D shape", 7));
  EXPECT_EQ(Shape(boxes, "Box 3", 9), Shape(am, "C shape", 9));
  EXPECT_EQ(Shape(boxes, "Box 4", 12), Shape(am, "A shape", 12));
  EXPECT_EQ(Shape(boxes, "Box 5", 14), Shape(am, "G shape", 14));
}

TEST(ScalePositions, RelativesShareBoxesAndTheBluesAddsItsBlueNote) {
  const PositionSet c = Find(PositionSystem::kPentatonicBox, 0, "Major pentatonic");
  const PositionSet am = Find(PositionSystem::kPentatonicBox, 9, "Minor pentatonic");
  ASSERT_EQ(c.positions.size(), am.positions.size());
  for (std::size_t i = 0; i < c.positions.size(); ++i) {
    EXPECT_EQ(c.positions[i].Name(), am.positions[i].Name());
    EXPECT_EQ(Frets(c.positions[i]), Frets(am.positions[i]));
  }
  // The C major pentatonic's E shape (the C barre on fret 8) is box 2.
  const PositionSet cCaged = Find(PositionSystem::kCaged, 0, "Major pentatonic");
  EXPECT_EQ(Shape(cCaged, "E shape", 7), Shape(am, "Box 2", 7));
  const PositionSet blues = Find(PositionSystem::kPentatonicBox, 9, "Blues");
  EXPECT_EQ(Shape(blues, "Box 1", 5), "5 8|5 6 7|5 7|5 7 8|5 8|5 8");
  EXPECT_EQ(Shape(blues, "Box 2", 7), "8 10 11|7 10|7 10|7 8 9|8 10|8 10 11");
}

TEST(ScalePositions, ThreeNotesPerStringOfGMajor) {
  const PositionSet g = Find(PositionSystem::kThreeNotesPerString, 7, "Major (Ionian)");
  ASSERT_TRUE(g.unavailable.empty());
  EXPECT_EQ(Shape(g, "3NPS 1", 3), "3 5 7|3 5 7|4 5 7|4 5 7|5 7 8|5 7 8");
  EXPECT_EQ(Shape(g, "3NPS 2", 5), "5 7 8|5 7 9|5 7 9|5 7 9|7 8 10|7 8 10");
  EXPECT_EQ(Shape(g, "3NPS 6", 12), "12 14 15|12 14 15|12 14 16|12 14 16|13 15 17|14 15 17");
}

TEST(ScalePositions, ShapesOfAModeAreNamedByTheFormOfItsOwnRootChord) {
  // D Dorian plays C major's notes; the window of C major's D shape holds
  // the Dm barre on fret 10: for D Dorian it is the E shape.
  const PositionSet d = Find(PositionSystem::kCaged, 2, "Dorian");
  const PositionSet c = Find(PositionSystem::kCaged, 0, "Major (Ionian)");
  EXPECT_EQ(Shape(d, "E shape", 9), Shape(c, "D shape", 9));
  // In Half step down the shapes move one fret down with the strings' notes.
  const PositionSet half = Find(PositionSystem::kCaged, 11, "Major (Ionian)", 0, "Half step down");
  EXPECT_EQ(Shape(half, "E shape", 7), "7 8 10|7 8 10|7 9 10|7 9 10|8 10|7 8 10");
}

TEST(ScalePositions, SystemsSayWhyTheyDoNotApply) {
  const PositionSet drop = Find(PositionSystem::kCaged, 0, "Major (Ionian)", 0, "Drop D");
  EXPECT_TRUE(drop.positions.empty());
  EXPECT_NE(drop.unavailable.find("Drop D"), std::string::npos) << drop.unavailable;
  EXPECT_NE(drop.unavailable.find("Standard, Half step down, Whole step down"), std::string::npos);
  EXPECT_FALSE(Find(PositionSystem::kCaged, 0, "Harmonic minor").unavailable.empty());
  EXPECT_NE(Find(PositionSystem::kThreeNotesPerString, 0, "Blues").unavailable.find("seven notes"),
            std::string::npos);
  EXPECT_NE(Find(PositionSystem::kPentatonicBox, 0, "Dorian").unavailable.find("pentatonic"),
            std::string::npos);
  // Three notes per string and boxes need no particular tuning.
  EXPECT_TRUE(Find(PositionSystem::kThreeNotesPerString, 0, "Hungarian minor", 0, "DADGAD")
                  .unavailable.empty());
  EXPECT_TRUE(Find(PositionSystem::kPentatonicBox, 4, "Blues", 0, "Bass").unavailable.empty());
}

TEST(ScalePositions, NamesAndChoices) {
  EXPECT_EQ(PositionCount(PositionSystem::kCaged), 5);
  EXPECT_EQ(PositionCount(PositionSystem::kThreeNotesPerString), 7);
  EXPECT_EQ(PositionCount(PositionSystem::kPentatonicBox), 5);
  EXPECT_EQ(PositionName(PositionSystem::kCaged, 3), "E shape");
  EXPECT_EQ(PositionName(PositionSystem::kThreeNotesPerString, 2), "3NPS 2");
  EXPECT_EQ(PositionName(PositionSystem::kPentatonicBox, 1), "Box 1");
  EXPECT_EQ(ParsePositionChoice("caged:E"), (PositionChoice{PositionSystem::kCaged, 3}));
  EXPECT_EQ(ParsePositionChoice("CAGED:c"), (PositionChoice{PositionSystem::kCaged, 0}));
  EXPECT_EQ(ParsePositionChoice("3nps:7"), (PositionChoice{PositionSystem::kThreeNotesPerString, 7}));
  EXPECT_EQ(ParsePositionChoice("Box:5"), (PositionChoice{PositionSystem::kPentatonicBox, 5}));
  for (const char* bad : {"", "caged", "caged:F", "caged:EE", "3nps:0", "3nps:8", "box:6", "box:",
                          "box:1 ", "pos:1"}) {
    EXPECT_FALSE(ParsePositionChoice(bad)) << bad;
  }
  for (PositionSystem system : {PositionSystem::kCaged, PositionSystem::kThreeNotesPerString,
                                PositionSystem::kPentatonicBox}) {
    const int first = system == PositionSystem::kCaged ? 0 : 1;
    for (int n = first; n < first + PositionCount(system); ++n) {
      EXPECT_EQ(ParsePositionChoice(PositionChoiceWord({system, n})), (PositionChoice{system, n}));
    }
  }
}

}  // namespace
}  // namespace fretlab
