// The neck: tuning, pixel tables, slots and the hit test from a click to a
// position.

#include "theory/fretboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace fretlab {
namespace {

constexpr int kWrittenOpen[6] = {64, 59, 55, 50, 45, 40};
constexpr int kWrittenStringY[6] = {29, 50, 71, 92, 113, 134};
constexpr int kWrittenFretX[24] = {51,  73,  96,  120, 142, 165, 188, 211, 234, 257, 279, 303,
                                   326, 350, 372, 396, 418, 441, 464, 487, 510, 533, 556, 579};

TEST(FretboardModel, TuningAndPixelTablesAreAsDrawn) {
  for (int s = 0; s < 6; ++s) {
    EXPECT_EQ(g_openNote[s], kWrittenOpen[s]) << "string " << s;
    EXPECT_EQ(g_stringY[s], kWrittenStringY[s]) << "string " << s;
  }
  for (int f = 0; f < 24; ++f) EXPECT_EQ(g_fretX[f], kWrittenFretX[f]) << "fret " << f;
}

TEST(FretboardModel, NoteAtIsOpenNotePlusFret) {
  EXPECT_EQ(MainWindowNeck().NoteAt(0, 0), 64);
  EXPECT_EQ(MainWindowNeck().NoteAt(0, 23), 87);
  EXPECT_EQ(MainWindowNeck().NoteAt(5, 0), 40);
  EXPECT_EQ(MainWindowNeck().NoteAt(3, 10), 60);
  for (int s = 0; s < 6; ++s) {
    for (int f = 0; f < 24; ++f) EXPECT_EQ(MainWindowNeck().NoteAt(s, f), kWrittenOpen[s] + f);
  }
}

// The main window's neck is a tuning like any other: standard tuning, as
// the Practice window's preset writes it, with one fret position fewer.
TEST(FretboardModel, TheNeckIsStandardTuningWithTwentyFourFretPositions) {
  const Tuning& neck = MainWindowNeck();
  const Tuning standard = *FindPresetTuning("Standard");
  EXPECT_EQ(neck.name, "Standard");
  EXPECT_EQ(neck.strings, standard.strings);
  ASSERT_EQ(neck.StringCount(), 6);
  for (int s = 0; s < 6; ++s) EXPECT_EQ(neck.OpenNote(s), kWrittenOpen[s]) << "string " << s;
  EXPECT_EQ(neck.fretPositions, 24);
  EXPECT_EQ(neck.HighestFret(), 23);
  EXPECT_EQ(kMainWindowFretPositions, 24);
  EXPECT_EQ(standard.fretPositions, 25);  // the Practice window's neck: frets 0..24
  EXPECT_EQ(standard.HighestFret(), 24);
}

TEST(FretboardModel, NeckSpansFortyToEightySeven) {
  int lowest = 1000, highest = -1;
  for (int s = 0; s < 6; ++s) {
    for (int f = 0; f < 24; ++f) {
      lowest = std::min(lowest, MainWindowNeck().NoteAt(s, f));
      highest = std::max(highest, MainWindowNeck().NoteAt(s, f));
    }
  }
  EXPECT_EQ(lowest, 40);
  EXPECT_EQ(highest, 87);
  EXPECT_EQ(kLowestNote, 40);
  EXPECT_EQ(kHighestNote, 87);
}

TEST(FretboardModel, NotesFiftyNineToSixtyEightHaveFivePositionsOthersFewer) {
  for (int note = 30; note <= 95; ++note) {
    std::vector<Position> where;
    for (int s = 0; s < 6; ++s) {
      int onString = 0;
      for (int f = 0; f < 24; ++f) {
        if (MainWindowNeck().NoteAt(s, f) == note) {
          where.push_back({s, f});
          ++onString;
        }
      }
      EXPECT_LE(onString, 1) << "note " << note << " string " << s;
    }
    if (note >= 59 && note <= 68) {
      EXPECT_EQ(where.size(), 5u) << "note " << note;
    } else {
      EXPECT_LT(where.size(), 5u) << "note " << note;
    }
    if (note == 64) {
      EXPECT_EQ(where, (std::vector<Position>{{0, 0}, {1, 5}, {2, 9}, {3, 14}, {4, 19}}));
    }
  }
}

TEST(FretboardModel, ChordSlotRunsFromLowEToHighE) {
  const int written[6] = {5, 4, 3, 2, 1, 0};
  for (int s = 0; s < 6; ++s) {
    EXPECT_EQ(SlotOfString(s), written[s]);
    EXPECT_EQ(StringOfSlot(written[s]), s);
  }
}

TEST(FretboardModel, IsPositionCoversSixStringsAndTwentyFourFrets) {
  EXPECT_TRUE(IsPosition(0, 0));
  EXPECT_TRUE(IsPosition(5, 23));
  EXPECT_FALSE(IsPosition(-1, 0));
  EXPECT_FALSE(IsPosition(6, 0));
  EXPECT_FALSE(IsPosition(0, -1));
  EXPECT_FALSE(IsPosition(0, 24));
}

// ---- Hit test

TEST(HitTest, EveryPositionCentreHitsThatPosition) {
  for (int s = 0; s < 6; ++s) {
    for (int f = 0; f < 24; ++f) {
      EXPECT_EQ(HitTest(kWrittenFretX[f], kWrittenStringY[s]), (Position{s, f}))
          << "string " << s << " fret " << f;
    }
  }
}

TEST(HitTest, StringBandEdgesAreStrict) {
  const int x = kWrittenFretX[7];  // 211
  // Low E at y 134: 129..139 inside, 128 and 140 outside.
  EXPECT_EQ(HitTest(x, 134 - 5), (Position{5, 7}));
  EXPECT_EQ(HitTest(x, 134 + 5), (Position{5, 7}));
  EXPECT_EQ(HitTest(x, 134 - 6), std::nullopt);
  EXPECT_EQ(HitTest(x, 134 + 6), std::nullopt);
  // High E at y 29.
  EXPECT_EQ(HitTest(x, 24), (Position{0, 7}));
  EXPECT_EQ(HitTest(x, 34), (Position{0, 7}));
  EXPECT_EQ(HitTest(x, 23), std::nullopt);
  EXPECT_EQ(HitTest(x, 35), std::nullopt);
}

TEST(HitTest, FretBandEdgesAreStrict) {
  const int y = kWrittenStringY[2];  // G string, 71
  // Fret 0 at x 51: 46..56 inside, 45 and 57 outside.
  EXPECT_EQ(HitTest(51 - 5, y), (Position{2, 0}));
  EXPECT_EQ(HitTest(51 + 5, y), (Position{2, 0}));
  EXPECT_EQ(HitTest(51 - 6, y), std::nullopt);
  EXPECT_EQ(HitTest(51 + 6, y), std::nullopt);
  // Fret 23 at x 579.
  EXPECT_EQ(HitTest(574, y), (Position{2, 23}));
  EXPECT_EQ(HitTest(584, y), (Position{2, 23}));
  EXPECT_EQ(HitTest(573, y), std::nullopt);
  EXPECT_EQ(HitTest(585, y), std::nullopt);
}

TEST(HitTest, PointsOutsideTheBandsHitNothing) {
  EXPECT_EQ(HitTest(10, 10), std::nullopt);    // left of the neck, above the strings
  EXPECT_EQ(HitTest(579, 200), std::nullopt);  // fret 23's column, below the strings
  EXPECT_EQ(HitTest(62, 29), std::nullopt);    // high E, between frets 0 and 1
  EXPECT_EQ(HitTest(10, 134), std::nullopt);   // low E row, left of fret 0
  EXPECT_EQ(HitTest(-1, -1), std::nullopt);
}

TEST(HitTest, WrittenClicksInsideTheBands) {
  EXPECT_EQ(HitTest(579, 29), (Position{0, 23}));
  EXPECT_EQ(MainWindowNeck().NoteAt(0, 23), 87);
  EXPECT_EQ(HitTest(51, 134), (Position{5, 0}));
  EXPECT_EQ(SlotOfString(5), 0);
}

// Every client pixel of the fretboard area: a position is hit exactly when
// both coordinates lie within 5 pixels of that position's centre.
TEST(HitTest, AgreesWithTheBandsOverTheWholePicture) {
  for (int y = -2; y < 220; ++y) {
    std::optional<int> string;
    for (int s = 0; s < 6; ++s) {
      if (std::abs(y - kWrittenStringY[s]) <= 5) string = s;
    }
    for (int x = -2; x < 640; ++x) {
      std::optional<int> fret;
      for (int f = 0; f < 24; ++f) {
        if (std::abs(x - kWrittenFretX[f]) <= 5) fret = f;
      }
      const std::optional<Position> hit = HitTest(x, y);
      if (string && fret) {
        ASSERT_EQ(hit, (Position{*string, *fret})) << "at " << x << "," << y;
      } else {
        ASSERT_EQ(hit, std::nullopt) << "at " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace fretlab
