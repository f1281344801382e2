// A note struck while the string before still rings: when the new note is
// an octave, a fifth or a fourth above it, the two share a period below the
// new note, and what was struck is told by the harmonics that rose.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/guitar_material.h"
#include "support/listened.h"

namespace fretlab {
namespace {

using testing::PlayedNote;

// The first note still sounds `ringing` seconds into the second; the second
// is decided within `within` seconds of its onset.
void ExpectBoth(int program, int first, int second, double ringing, double within = 0.15) {
  const std::vector<PlayedNote> notes{{first, 0.3, 0.4 + ringing}, {second, 0.7, 0.8}};
  const std::vector<HeardNote> heard = testing::ListenTo(testing::RenderNotes(program, notes, 2.0));
  const std::string what = "program " + std::to_string(program) + ": " + std::to_string(first) +
                           " then " + std::to_string(second) + ", ringing " +
                           std::to_string(ringing) + " s";
  ASSERT_EQ(heard.size(), 2u) << what;
  EXPECT_EQ(heard[0].note, first) << what;
  EXPECT_EQ(heard[1].note, second) << what;
  EXPECT_LE(heard[1].decided, 0.7 + within) << what;
}

TEST(RingingStringTest, AnOctaveAboveAStringStillRingingIsTheOctave) {
  for (int program : {24, 25}) {
    for (int low : {40, 45, 50, 55, 59}) ExpectBoth(program, low, low + 12, 0.15);
  }
  ExpectBoth(24, 40, 64, 0.15);  // two octaves
  ExpectBoth(24, 45, 64, 0.0);   // an octave and a fifth, in the release
}

TEST(RingingStringTest, AFifthOrAFourthAboveIsThatNoteNotTheOctaveBelow) {
  // While both sound YIN hears no steady pitch, or the one below both: the
  // new note is decided once the string before has faded.
  for (int program : {24, 25}) {
    for (int low : {45, 50, 55, 62}) {
      ExpectBoth(program, low, low + 7, 0.05, 0.3);
      ExpectBoth(program, low, low + 5, 0.05, 0.3);
    }
  }
}

TEST(RingingStringTest, TheLowStringStruckAgainUnderItsOctaveIsTheLowNote) {
  const std::vector<PlayedNote> notes{{45, 0.3, 1.0}, {57, 0.7, 0.6}, {45, 1.2, 0.8}};
  const std::vector<int> heard = testing::HeardNotes(testing::RenderNotes(24, notes, 2.5));
  EXPECT_EQ(heard, (std::vector<int>{45, 57, 45}));
}

}  // namespace
}  // namespace fretlab
