// The text chord chart: one line per chord with index, name, note value and
// shape.

#include "export/chord_chart.h"

#include <gtest/gtest.h>

#include "export/export_test_support.h"

namespace fretlab {
namespace {

using testing::Image;

TEST(ChordChartTest, OneLinePerChordEvenSilentOnes) {
  const SequenceImage image = Image({
      testing::kOpenE,
      {{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, 200},
      testing::kAm7OverG,
      {{0, 48, 0, 0, 0, 64}, {0, 3, 0, 0, 0, 0}, 37},  // C and E: no chord
      {{43, 0, 0, 0, 0, 0}, {3, 0, 0, 0, 0, 0}, 150},
  });
  EXPECT_EQ(WriteChordChart(image),
            "1  E  quarter  022100\n"
            "2  N.C.  whole  xxxxxx\n"
            "3  Am7/G  quarter  3x2210\n"
            "4  (M3)  dotted 1/8  x3xxx0\n"
            "5  G  dotted half  3xxxxx\n");
}

TEST(ChordChartTest, OtherLengthsInMillisecondsAndTwoDigitFretsJoined) {
  const SequenceImage image = Image({
      {{0, 55, 62, 67, 71, 74}, {0, 10, 12, 12, 12, 10}, 33},  // G, A-form barre at 10
      {{40, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, 0},
      {{0, 0, 50, 57, 62, 66}, {0, 0, 0, 2, 3, 2}, 100},
      {{0, 0, 50, 57, 62, 66}, {0, 0, 0, 2, 3, 2}, 12},
      {{0, 0, 50, 57, 62, 66}, {0, 0, 0, 2, 3, 2}, 25},
      {{0, 0, 50, 57, 62, 66}, {0, 0, 0, 2, 3, 2}, 75},
  });
  EXPECT_EQ(WriteChordChart(image),
            "1  G  330 ms  x-10-12-12-12-10\n"
            "2  E  0 ms  0xxxxx\n"
            "3  D  half  xx0232\n"
            "4  D  1/16  xx0232\n"
            "5  D  1/8  xx0232\n"
            "6  D  dotted quarter  xx0232\n");
  EXPECT_EQ(WriteChordChart(SequenceImage{}), "");
}

TEST(ChordChartTest, AlteredDominantsByTheirUsualNames) {
  const SequenceImage image = Image({
      {{0, 48, 52, 58, 61, 0}, {0, 3, 2, 3, 2, 0}, 50},     // C E Bb Db over C
      {{0, 0, 60, 64, 70, 73}, {0, 0, 10, 9, 11, 9}, 50},   // the same, higher up
      {{0, 48, 52, 58, 63, 0}, {0, 3, 2, 3, 4, 0}, 50},     // C E Bb D#
  });
  EXPECT_EQ(WriteChordChart(image),
            "1  C7b9  quarter  x3232x\n"
            "2  C7b9  quarter  x-x-10-9-11-9\n"
            "3  C7#9  quarter  x3234x\n");
}

}  // namespace
}  // namespace fretlab
