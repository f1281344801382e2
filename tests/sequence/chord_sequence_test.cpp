// The chord under construction and the sequence: picking notes on the neck,
// Add Chord, Play, Play All, Clear and New, seen through a host that records
// every call the operations make on the window.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sequence/chord_sequence.h"
#include "sequence/sequence_file.h"
#include "sequence/sequence_fixture.h"
#include "support/recording_host.h"

namespace fretlab {
namespace {

using testing::RecordingHost;
using testing::SequenceSnapshot;
using Events = std::vector<std::string>;

class ChordSequenceTest : public testing::SequenceTest {
 protected:
  ChordSequenceTest() { host_.root = -1; }

  // A click at the centre of a position of the picture.
  bool Click(StringIndex s, FretIndex f) {
    return PickNote(host_, g_fretX[f], g_stringY[s], chordCount_);
  }
  // The Add Chord menu: the note value first, then the operation.
  AddChordResult Add(int noteValue) {
    host_.noteLength = noteValue;
    return AddChord(host_, chordCount_);
  }

  RecordingHost host_;
};

// ---- PickNote

TEST_F(ChordSequenceTest, ClickOnTheGStringAtFretFivePicksMiddleC) {
  ASSERT_TRUE(Click(2, 5));
  EXPECT_EQ(host_.Lines(),
            (Events{"autoroot 0", "from 5", "to 8", "marker 2 5 0", "note 60 for 50"}));
  EXPECT_EQ(host_.autoRoot, 0);
  EXPECT_EQ(g_currentChord, (std::array<NoteNumber, 6>{0, 0, 0, 60, 0, 0}));
  EXPECT_EQ(g_fretRows[0][3], 5);
}

TEST_F(ChordSequenceTest, PickedNoteCarriesTheRootLetterOfTheSelectedRoot) {
  host_.root = 0;  // C
  ASSERT_TRUE(Click(2, 5));
  EXPECT_EQ(host_.Lines()[3], "marker 2 5 1");
}

TEST_F(ChordSequenceTest, ClickOnFret22NarrowsTheListsTo22And23) {
  ASSERT_TRUE(Click(5, 22));
  EXPECT_EQ(host_.Lines(),
            (Events{"autoroot 0", "from 22", "to 23", "marker 5 22 0", "note 62 for 50"}));
  EXPECT_EQ(g_currentChord[0], 62);
  EXPECT_EQ(g_fretRows[0][0], 22);
}

class PickWindowTest : public ChordSequenceTest,
                       public ::testing::WithParamInterface<std::pair<FretIndex, int>> {};

TEST_P(PickWindowTest, UpperFretIsThreeAboveCutAt23) {
  const auto [fret, upper] = GetParam();
  ASSERT_TRUE(Click(0, fret));
  EXPECT_EQ(host_.fromFret, fret);
  EXPECT_EQ(host_.toFret, upper);
  // Inside that window the clicked position is the only one of its note.
  const Events lines = host_.Lines();
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& e) { return e.rfind("note ", 0) == 0; }),
            1);
}

INSTANTIATE_TEST_SUITE_P(Frets, PickWindowTest,
                         ::testing::Values(std::pair{0, 3}, std::pair{1, 4}, std::pair{19, 22},
                                           std::pair{20, 23}, std::pair{21, 23},
                                           std::pair{22, 23}, std::pair{23, 23}));

TEST_F(ChordSequenceTest, ClickBetweenStringBandsDoesNothing) {
  FillTenChords();
  const SequenceSnapshot before = SequenceSnapshot::Take(chordCount_);
  const int betweenTopStrings = (g_stringY[0] + g_stringY[1]) / 2;
  EXPECT_FALSE(PickNote(host_, g_fretX[5], betweenTopStrings, chordCount_));
  EXPECT_FALSE(PickNote(host_, g_fretX[0] - 20, g_stringY[0], chordCount_));
  EXPECT_EQ(host_.Lines(), Events{});
  EXPECT_EQ(host_.autoRoot, 1);
  EXPECT_EQ(SequenceSnapshot::Take(chordCount_), before);
}

TEST_F(ChordSequenceTest, SecondClickOnAStringReplacesTheFirst) {
  ASSERT_TRUE(Click(2, 5));
  ASSERT_TRUE(Click(2, 7));
  EXPECT_EQ(g_currentChord, (std::array<NoteNumber, 6>{0, 0, 0, 62, 0, 0}));
  EXPECT_EQ(g_fretRows[0][3], 7);
  // Both markers stay: nothing is cleared between the clicks.
  const Events lines = host_.Lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "clear"), 0);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "marker 2 5 0"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "marker 2 7 0"), lines.end());
}

TEST_F(ChordSequenceTest, PickedFretGoesToTheRowOfTheChordUnderConstruction) {
  FillTenChords();
  ASSERT_TRUE(Click(1, 3));
  EXPECT_EQ(g_fretRows[10][4], 3);
  EXPECT_EQ(g_fretRows[9][4], (9 + 4) % 24);
}

TEST_F(ChordSequenceTest, PickWithAFullSequenceRecordsNoFret) {
  chordCount_ = kMaxChords;
  const SequenceSnapshot before = SequenceSnapshot::Take(chordCount_);
  ASSERT_TRUE(Click(2, 5));
  EXPECT_EQ(g_currentChord[3], 60);
  EXPECT_EQ(SequenceSnapshot::Take(chordCount_).fretRows, before.fretRows);
}

// ---- AddChord

TEST_F(ChordSequenceTest, AddChordAppendsTheChordWithTheNoteValue) {
  ASSERT_TRUE(Click(5, 3));
  ASSERT_TRUE(Click(3, 5));
  ASSERT_TRUE(Click(1, 3));
  host_.events.clear();
  ASSERT_EQ(Add(kHalfNote), AddChordResult::Added);

  EXPECT_EQ(chordCount_, 1);
  const int row[7] = {43, 0, 55, 0, 62, 0, kHalfNote};
  EXPECT_TRUE(std::equal(row, row + 7, g_chordRows[0]));
  EXPECT_EQ(g_fretRows[0][0], 3);
  EXPECT_EQ(g_fretRows[0][2], 5);
  EXPECT_EQ(g_fretRows[0][4], 3);
  EXPECT_EQ(host_.Lines(), (Events{"chord 43 0 55 0 62 0 for 100", "clear"}));
  EXPECT_EQ(g_currentChord, (std::array<NoteNumber, 6>{}));
  EXPECT_EQ(host_.noteLength, kHalfNote);  // the note value stays
}

TEST_F(ChordSequenceTest, AddChordWithNothingPickedAppendsASilentChord) {
  FillTenChords();
  g_currentChord.fill(0);
  ASSERT_EQ(Add(kDottedEighth), AddChordResult::Added);
  EXPECT_EQ(chordCount_, 11);
  const int row[7] = {0, 0, 0, 0, 0, 0, kDottedEighth};
  EXPECT_TRUE(std::equal(row, row + 7, g_chordRows[10]));
  EXPECT_EQ(host_.Lines(), (Events{"chord 0 0 0 0 0 0 for 37", "clear"}));
}

TEST_F(ChordSequenceTest, NextPickAfterAddChordFillsTheNextFretRow) {
  ASSERT_TRUE(Click(2, 5));
  ASSERT_EQ(Add(kQuarterNote), AddChordResult::Added);
  ASSERT_TRUE(Click(2, 9));
  EXPECT_EQ(g_fretRows[0][3], 5);
  EXPECT_EQ(g_fretRows[1][3], 9);
}

TEST_F(ChordSequenceTest, AddChordToAFullSequenceChangesNothing) {
  chordCount_ = kMaxChords;
  g_chordRows[kMaxChords - 1][0] = 40;
  g_currentChord = {0, 0, 0, 60, 0, 0};
  const SequenceSnapshot before = SequenceSnapshot::Take(chordCount_);
  EXPECT_EQ(Add(kWholeNote), AddChordResult::SequenceFull);
  EXPECT_EQ(host_.Lines(), Events{});
  EXPECT_EQ(SequenceSnapshot::Take(chordCount_), before);
}

TEST_F(ChordSequenceTest, LastFreeRowCanStillBeFilled) {
  chordCount_ = kMaxChords - 1;
  ASSERT_TRUE(Click(0, 0));
  EXPECT_EQ(g_fretRows[kMaxChords - 1][5], 0);
  EXPECT_EQ(Add(kSixteenthNote), AddChordResult::Added);
  EXPECT_EQ(chordCount_, kMaxChords);
  EXPECT_EQ(g_chordRows[kMaxChords - 1][5], 64);
  EXPECT_EQ(g_chordRows[kMaxChords - 1][kNoteLengthColumn], kSixteenthNote);
}

// ---- Play, Play All

TEST_F(ChordSequenceTest, PlayCurrentChordSoundsItAndChangesNothing) {
  g_currentChord = {40, 47, 52, 56, 59, 64};
  host_.noteLength = kDottedQuarter;
  PlayCurrentChord(host_);
  EXPECT_EQ(host_.Lines(), (Events{"chord 40 47 52 56 59 64 for 75"}));
  EXPECT_EQ(g_currentChord, (std::array<NoteNumber, 6>{40, 47, 52, 56, 59, 64}));
}

TEST_F(ChordSequenceTest, PlayAllMarksAndSoundsEachChordForItsOwnLength) {
  ASSERT_TRUE(Click(5, 3));
  ASSERT_TRUE(Click(3, 5));
  ASSERT_TRUE(Click(1, 3));
  ASSERT_EQ(Add(kQuarterNote), AddChordResult::Added);
  ASSERT_TRUE(Click(4, 0));
  ASSERT_TRUE(Click(2, 2));
  ASSERT_TRUE(Click(0, 0));
  ASSERT_EQ(Add(kHalfNote), AddChordResult::Added);
  ASSERT_TRUE(Click(3, 0));
  ASSERT_TRUE(Click(2, 2));
  ASSERT_TRUE(Click(1, 3));
  ASSERT_TRUE(Click(0, 2));
  ASSERT_EQ(Add(kEighthNote), AddChordResult::Added);
  host_.events.clear();
  host_.noteLength = kWholeNote;

  PlayAll(host_, chordCount_);
  EXPECT_EQ(host_.Lines(),
            (Events{"length 50", "marker 5 3 0", "marker 3 5 0", "marker 1 3 0",
                    "chord 43 0 55 0 62 0 for 50", "clear",  //
                    "length 100", "marker 4 0 0", "marker 2 2 0", "marker 0 0 0",
                    "chord 0 45 0 57 0 64 for 100", "clear",  //
                    "length 25", "marker 3 0 0", "marker 2 2 0", "marker 1 3 0", "marker 0 2 0",
                    "chord 0 0 50 57 62 66 for 25", "clear"}));
  // The last chord stays under construction, with its length.
  EXPECT_EQ(g_currentChord, (std::array<NoteNumber, 6>{0, 0, 50, 57, 62, 66}));
  EXPECT_EQ(host_.noteLength, kEighthNote);
  EXPECT_EQ(chordCount_, 3);
}

// Stopped in the middle, Play All leaves the chord that sounded as the
// current one, with its length and its markers, and the sequence untouched.
TEST_F(ChordSequenceTest, PlayAllStoppedInTheMiddleEndsThereAndKeepsTheSequence) {
  ASSERT_TRUE(Click(5, 3));
  ASSERT_EQ(Add(kQuarterNote), AddChordResult::Added);
  ASSERT_TRUE(Click(4, 0));
  ASSERT_TRUE(Click(0, 0));
  ASSERT_EQ(Add(kHalfNote), AddChordResult::Added);
  ASSERT_TRUE(Click(3, 0));
  ASSERT_EQ(Add(kEighthNote), AddChordResult::Added);
  const SequenceSnapshot before = SequenceSnapshot::Take(chordCount_);
  host_.events.clear();
  host_.stopAtSound = 1;

  PlayAll(host_, chordCount_);
  EXPECT_EQ(host_.Lines(),
            (Events{"length 50", "marker 5 3 0", "chord 43 0 0 0 0 0 for 50", "clear",  //
                    "length 100", "marker 4 0 0", "marker 0 0 0", "chord 0 45 0 0 0 64 for 100"}));
  EXPECT_EQ(g_currentChord, (Chord{0, 45, 0, 0, 0, 64}));
  EXPECT_EQ(host_.noteLength, kHalfNote);
  SequenceSnapshot after = SequenceSnapshot::Take(chordCount_);
  after.currentChord = before.currentChord;
  EXPECT_EQ(after, before) << "the rows and the count are as they were";
}

TEST_F(ChordSequenceTest, AStoppedAddChordKeepsTheChordAddedAndItsMarkers) {
  ASSERT_TRUE(Click(5, 3));
  host_.events.clear();
  host_.stopAtSound = 0;
  ASSERT_EQ(Add(kWholeNote), AddChordResult::Added);
  EXPECT_EQ(chordCount_, 1);
  EXPECT_EQ(g_chordRows[0][0], 43);
  EXPECT_EQ(host_.Lines(), (Events{"chord 43 0 0 0 0 0 for 200"})) << "no clear after a stop";
  EXPECT_EQ(g_currentChord, (Chord{}));
  EXPECT_EQ(g_stringCursor, 0);
}

TEST_F(ChordSequenceTest, AStoppedPickStillRecordsItsNote) {
  host_.stopAtSound = 0;
  ASSERT_TRUE(Click(2, 5));
  EXPECT_EQ(g_currentChord[3], 60);
  EXPECT_EQ(g_fretRows[0][3], 5);
}

TEST_F(ChordSequenceTest, PlayAllDrawsNoMarkerOffTheNeck) {
  const int notes[7] = {40, 45, 0, -1, 59, 64, kSixteenthNote};
  const int frets[6] = {24, 0, 5, 3, -1, 23};
  std::copy(notes, notes + 7, g_chordRows[0]);
  std::copy(frets, frets + 6, g_fretRows[0]);
  PlayAll(host_, 1);
  EXPECT_EQ(host_.Lines(), (Events{"length 12", "marker 4 0 0", "marker 0 23 0",
                                  "chord 40 45 0 -1 59 64 for 12", "clear"}));
}

TEST_F(ChordSequenceTest, PlayAllOfAnEmptySequenceDoesNothing) {
  g_currentChord = {0, 0, 0, 60, 0, 0};
  g_chordRows[0][3] = 55;
  PlayAll(host_, 0);
  EXPECT_EQ(host_.Lines(), Events{});
  EXPECT_EQ(g_currentChord, (std::array<NoteNumber, 6>{0, 0, 0, 60, 0, 0}));
}

TEST_F(ChordSequenceTest, PlayAllPlaysAnOpenedFile) {
  testing::FileBytes file;
  file.Record({40, 47, 52, 56, 59, 64}, {0, 2, 2, 1, 0, 0}, kQuarterNote, 0).End();
  const SequenceParse parse = ParseSequence(file.Bytes());
  ASSERT_TRUE(parse.image) << parse.problem;
  ApplySequence(*parse.image, chordCount_);
  PlayAll(host_, chordCount_);
  EXPECT_EQ(host_.Lines(),
            (Events{"length 50", "marker 5 0 0", "marker 4 2 0", "marker 3 2 0", "marker 2 1 0",
                    "marker 1 0 0", "marker 0 0 0", "chord 40 47 52 56 59 64 for 50", "clear"}));
}

// ---- Clear, New

TEST_F(ChordSequenceTest, ClearEmptiesTheChordOnly) {
  FillTenChords();
  ASSERT_TRUE(Click(2, 5));
  host_.events.clear();
  SequenceSnapshot expected = SequenceSnapshot::Take(chordCount_);
  ClearChord(host_);
  EXPECT_EQ(host_.Lines(), (Events{"clear"}));
  expected.currentChord = {};
  EXPECT_EQ(SequenceSnapshot::Take(chordCount_), expected);
  EXPECT_EQ(g_fretRows[10][3], 5);  // the picked fret stays
}

TEST_F(ChordSequenceTest, NewEmptiesTheChordAndTheCountButKeepsTheRows) {
  FillTenChords();
  SequenceSnapshot expected = SequenceSnapshot::Take(chordCount_);
  NewSequence(host_, chordCount_);
  EXPECT_EQ(host_.Lines(), (Events{"clear"}));
  EXPECT_EQ(chordCount_, 0);
  expected.currentChord = {};
  expected.chordCount = 0;
  EXPECT_EQ(SequenceSnapshot::Take(chordCount_), expected);
}

}  // namespace
}  // namespace fretlab
