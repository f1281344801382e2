// The chord lab: clicks build a shape one string at a time, and the shape is
// named as it changes.

#include "practice/chord_lab.h"

#include <gtest/gtest.h>

namespace fretlab {
namespace {

const Tuning& Standard() {
  static const Tuning t = *FindPresetTuning("Standard");
  return t;
}

// Lowest string first, as chord shapes are written: x32010.
ChordShape Shape(const std::string& lowFirst, const Tuning& tuning = Standard()) {
  ChordShape shape(tuning.StringCount());
  for (int i = 0; i < static_cast<int>(lowFirst.size()); ++i) {
    const StringIndex s = tuning.StringCount() - 1 - i;
    if (lowFirst[i] == 'x') shape.ToggleMute(s);
    if (lowFirst[i] >= '0' && lowFirst[i] <= '9') shape.Pick({s, lowFirst[i] - '0'});
  }
  return shape;
}

TEST(ChordLab, ASecondClickMovesTheStringOrTakesItAway) {
  ChordShape shape(6);
  EXPECT_TRUE(shape.IsEmpty());
  shape.Pick({4, 3});
  EXPECT_EQ(shape.FretOf(4), 3);
  shape.Pick({4, 5});  // same string, another fret: moved
  EXPECT_EQ(shape.FretOf(4), 5);
  EXPECT_EQ(ShapeText(shape), "-5----");
  shape.Pick({4, 5});  // the same position again: taken away
  EXPECT_FALSE(shape.FretOf(4).has_value());
  EXPECT_TRUE(shape.IsEmpty());
  shape.Pick({0, 12});
  EXPECT_EQ(ShapeText(shape), "-----(12)");
  shape.Pick({9, 1});  // no such string: ignored
  shape.Pick({-1, 1});
  EXPECT_EQ(ShapeText(shape), "-----(12)");
}

TEST(ChordLab, MutingAStringSilencesItAndAPickUnmutesIt) {
  ChordShape shape(6);
  shape.Pick({5, 3});
  shape.ToggleMute(5);
  EXPECT_TRUE(shape.IsMuted(5));
  EXPECT_FALSE(shape.FretOf(5).has_value());
  EXPECT_FALSE(shape.IsEmpty());
  EXPECT_EQ(ShapeText(shape), "x-----");
  shape.ToggleMute(5);
  EXPECT_FALSE(shape.IsMuted(5));
  EXPECT_TRUE(shape.IsEmpty());
  shape.ToggleMute(5);
  shape.Pick({5, 0});
  EXPECT_FALSE(shape.IsMuted(5));
  EXPECT_EQ(shape.FretOf(5), 0);
}

TEST(ChordLab, SoundingNotesRunFromTheLowestString) {
  const auto sounding = Shape("x32010").Sounding(Standard());
  const std::vector<SoundedPosition> expected = {
      {{4, 3}, 48}, {{3, 2}, 52}, {{2, 0}, 55}, {{1, 1}, 60}, {{0, 0}, 64}};
  EXPECT_EQ(sounding, expected);
}

TEST(ChordLab, ShapesAreNamedLive) {
  EXPECT_EQ(ChordLabText(NameShape(Shape("x32010"), Standard())), "C");
  EXPECT_EQ(ChordLabText(NameShape(Shape("x02210"), Standard())), "Am");
  EXPECT_EQ(ChordLabText(NameShape(Shape("x13331"), Standard())), "B\u266D");
  EXPECT_EQ(ChordLabText(NameShape(Shape("x35453"), Standard())), "Cmaj7");
  EXPECT_EQ(ChordLabText(NameShape(Shape("022100"), Standard())), "E");
  EXPECT_EQ(ChordLabText(NameShape(Shape("3x0003"), Standard())), "G");
  EXPECT_EQ(ChordLabText(NameShape(Shape("------"), Standard())), "N.C.");
  EXPECT_EQ(ChordLabText(NameShape(Shape("x3----"), Standard())), "C");
  // C-E-G-A over C: C6, and Am7/C among the alternatives.
  const ChordName c6 = NameShape(Shape("x32253"), Standard());
  EXPECT_EQ(ChordLabText(c6), "C6");
  EXPECT_NE(ChordLabAlternatives(c6).find("Am7/C"), std::string::npos) << ChordLabAlternatives(c6);
  EXPECT_EQ(ChordLabAlternatives(NameShape(Shape("------"), Standard())), "");
  // Another tuning: the same fingers in DADGAD.
  const Tuning dadgad = *FindPresetTuning("DADGAD");
  EXPECT_EQ(ChordLabText(NameShape(Shape("000000", dadgad), dadgad)), "Dsus4");
  const Tuning bass = *FindPresetTuning("Bass");
  EXPECT_EQ(ShapeText(Shape("x35x", bass)), "x35x");
}

}  // namespace
}  // namespace fretlab
