// Showing a choice: the expansion over five octaves, the fret window, and the
// exact order of markers, notes and strums for notes, scales and chords.

#include "theory/show.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/chord_state.h"
#include "support/recording_host.h"
#include "theory/tables.h"
#include "theory/written_tables.h"

namespace fretlab {
namespace {

using testing::Event;
using testing::Mark;
using testing::RecordingHost;
using testing::Sound;
using testing::Strum;

constexpr int kMajor = 1;       // "MAJOR (Ionian)"
constexpr int kMajorTriad = 0;  // "M(Major)"

class ShowTest : public testing::ChordStateTest {
 protected:
  RecordingHost host;
};

// ---- Fret window

TEST(AutoRootWindowTest, FiveFretBoxAtTheRootOnLowE) {
  for (int root = 0; root < 12; ++root) {
    const auto [from, to] = testing::kWrittenAutoWindows[root];
    EXPECT_EQ(AutoRootWindow(root), (FretWindow{from, to})) << "root " << root;
    // The box starts where the low E string plays the root.
    EXPECT_EQ((40 + from) % 12, root);
  }
}

TEST(AutoRootWindowTest, NoRootGivesSevenToEleven) {
  EXPECT_EQ(AutoRootWindow(-1), (FretWindow{7, 11}));
}

TEST(FretWindowTest, InclusiveAndEmptyWhenReversed) {
  EXPECT_TRUE((FretWindow{8, 12}).Contains(8));
  EXPECT_TRUE((FretWindow{8, 12}).Contains(12));
  EXPECT_FALSE((FretWindow{8, 12}).Contains(7));
  EXPECT_FALSE((FretWindow{8, 12}).Contains(13));
  for (int f = -1; f <= 25; ++f) EXPECT_FALSE((FretWindow{5, 3}).Contains(f));
}

// ---- Expansion

TEST(ExpandStepTest, WorkedExampleThirtyFiveNotes) {
  const std::vector<int> written = {36, 38, 40, 41, 43, 45, 47, 48, 50, 40, 41, 43,
                                    45, 47, 48, 50, 52, 53, 55, 57, 59, 60, 62, 64,
                                    65, 67, 69, 71, 72, 74, 76, 77, 79, 81, 83};
  const int steps[7] = {0, 2, 4, 5, 7, 9, 11};
  std::vector<int> expanded;
  for (int o = 0; o < 5; ++o) {
    for (int t : steps) expanded.push_back(ExpandStep(t, 0, o));
  }
  EXPECT_EQ(expanded, written);
}

TEST(ExpandStepTest, FoldRaisesOnceBelowThirtyNine) {
  EXPECT_EQ(kOctaveFoldBelow, 39);
  EXPECT_EQ(ExpandStep(0, 0, 0), 36);   // 24, raised once only
  EXPECT_EQ(ExpandStep(2, 0, 0), 38);
  EXPECT_EQ(ExpandStep(3, 0, 0), 39);   // 27 -> 39
  EXPECT_EQ(ExpandStep(3, 0, 1), 39);   // 39 is not folded
  EXPECT_EQ(ExpandStep(2, 0, 1), 50);   // 38 -> 50
  EXPECT_EQ(ExpandStep(11, 4, 0), 39);  // 39 is not folded
  EXPECT_EQ(ExpandStep(11, 11, 4), 94);
  EXPECT_EQ(ExpandStep(0, -1, 0), 35);  // no root: 23 -> 35
}

TEST(ExpandStepTest, OctaveZeroRepeatsTheOctaveAboveItForLowSums) {
  for (int root = 0; root < 12; ++root) {
    for (int step = 0; step < 12; ++step) {
      SCOPED_TRACE(std::to_string(root) + "+" + std::to_string(step));
      const int sum = root + step;
      if (sum <= 2) {
        // Octave 0 stays below the neck; octave 1 is raised onto octave 2.
        EXPECT_EQ(ExpandStep(step, root, 0), 36 + sum);
        EXPECT_EQ(ExpandStep(step, root, 1), sum + 48);
      } else if (sum <= 14) {
        EXPECT_EQ(ExpandStep(step, root, 0), sum + 36);
        EXPECT_EQ(ExpandStep(step, root, 1), sum + 36);
      } else {
        EXPECT_EQ(ExpandStep(step, root, 0), sum + 24);
        EXPECT_EQ(ExpandStep(step, root, 1), sum + 36);
      }
      for (int o = 2; o < 5; ++o) EXPECT_EQ(ExpandStep(step, root, o), sum + 24 + 12 * o);
    }
  }
}

// ---- ShowNote

TEST_F(ShowTest, ShowNoteMarksThenSoundsEachPositionTopStringFirst) {
  host.autoRoot = 0;
  host.fromFret = 0;
  host.toFret = 24;
  host.root = 4;  // E
  host.noteLength = 37;
  ShowNote(host, 64);
  const std::vector<Event> expected = {
      Mark{0, 0, 1},  Sound{64, 37}, Mark{1, 5, 1},  Sound{64, 37}, Mark{2, 9, 1},
      Sound{64, 37},  Mark{3, 14, 1}, Sound{64, 37}, Mark{4, 19, 1}, Sound{64, 37}};
  EXPECT_EQ(host.events, expected);
}

TEST_F(ShowTest, ShowNoteFlagsOnlyTheRootPitchClass) {
  host.autoRoot = 0;
  host.root = 7;  // G
  ShowNote(host, 64);
  ASSERT_EQ(host.Marks().size(), 5u);
  for (const Mark& m : host.Marks()) EXPECT_EQ(m.rootFlag, 0);

  host.events.clear();
  ShowNote(host, 55);  // a G
  ASSERT_EQ(host.Marks().size(), 4u);
  for (const Mark& m : host.Marks()) EXPECT_EQ(m.rootFlag, 1);
}

TEST_F(ShowTest, ShowNoteWithinListedBounds) {
  host.autoRoot = 0;
  host.fromFret = 5;
  host.toFret = 14;
  ShowNote(host, 64);
  EXPECT_EQ(host.Marks(),
            (std::vector<Mark>{{1, 5, 0}, {2, 9, 0}, {3, 14, 0}}));
}

TEST_F(ShowTest, ShowNoteOffTheNeckDoesNothing) {
  host.autoRoot = 0;
  for (int note : {36, 38, 39, 88, 94, 0, -1}) ShowNote(host, note);
  EXPECT_TRUE(host.events.empty());
}

TEST_F(ShowTest, LowerBoundOfTwentyFourOrEmptyAdmitsNothing) {
  host.autoRoot = 0;
  host.toFret = 25;
  for (int from : {24, 25}) {
    host.fromFret = from;
    for (int note = 40; note <= 87; ++note) ShowNote(host, note);
  }
  EXPECT_TRUE(host.events.empty());
}

TEST_F(ShowTest, UpperBoundOfTwentyFiveAdmitsFretTwentyThree) {
  host.autoRoot = 0;
  host.fromFret = 20;
  host.toFret = 25;
  ShowNote(host, 87);
  EXPECT_EQ(host.Marks(), (std::vector<Mark>{{0, 23, 0}}));
}

TEST_F(ShowTest, AutoRootIgnoresTheFretLists) {
  host.autoRoot = 1;
  host.fromFret = 5;
  host.toFret = 3;
  host.root = 4;  // E: frets 0 to 4
  ShowNote(host, 64);
  EXPECT_EQ(host.Marks(), (std::vector<Mark>{{0, 0, 1}}));
  host.events.clear();
  host.autoRoot = 2;  // any value above 0 means on
  ShowNote(host, 64);
  EXPECT_EQ(host.Marks(), (std::vector<Mark>{{0, 0, 1}}));
}

TEST_F(ShowTest, ShowNoteWithNoRootUsesSevenToElevenAndNeverFlags) {
  host.autoRoot = 1;
  host.root = -1;
  ShowNote(host, 59);  // 59 lies at (1,0), (2,4), (3,9), (4,14), (5,19)
  EXPECT_EQ(host.events, (std::vector<Event>{Mark{3, 9, 0}, Sound{59, 50}}));

  // The same note with root B is flagged, so the flag above was really off.
  host.events.clear();
  host.root = 11;
  ShowNote(host, 59);
  EXPECT_EQ(host.Marks(), (std::vector<Mark>{{3, 9, 1}}));

  host.events.clear();
  host.root = -1;
  host.autoRoot = 0;
  host.fromFret = 0;
  host.toFret = 24;
  for (int note = 40; note <= 87; ++note) ShowNote(host, note);
  EXPECT_EQ(host.Marks().size(), 144u);
  for (const Mark& m : host.Marks()) EXPECT_EQ(m.rootFlag, 0);
}

TEST_F(ShowTest, ShowNoteReadsTheFretListsOnceAtTheStart) {
  host.autoRoot = 0;
  host.fromFret = 0;
  host.toFret = 24;
  host.afterPlayNote = [](RecordingHost& h) { h.toFret = 0; };
  ShowNote(host, 64);
  EXPECT_EQ(host.Marks().size(), 5u);
}

TEST_F(ShowTest, AutoRootWindowFollowsTheRootAtEachPositionAndFlagStaysSet) {
  host.autoRoot = 1;
  host.root = 4;  // E: frets 0 to 4, and 64 is an E
  host.afterPlayNote = [](RecordingHost& h) { h.root = 9; };  // A: frets 5 to 9
  ShowNote(host, 64);
  // After the first note the window has moved to 5..9, and the root flag set
  // at (0, 0) stays set although 64 is no longer the root's pitch class.
  EXPECT_EQ(host.Marks(), (std::vector<Mark>{{0, 0, 1}, {1, 5, 1}, {2, 9, 1}}));
}

// ---- ShowScale

TEST_F(ShowTest, WorkedExampleCMajorAutoRoot) {
  host.root = 0;
  host.autoRoot = 1;
  host.noteLength = 25;
  ShowScale(host, kMajor, 0);
  const std::vector<Mark> marks = {
      {5, 8, 1}, {5, 10, 0}, {5, 8, 1}, {5, 10, 0}, {5, 12, 0}, {4, 8, 0},  {4, 10, 0},
      {4, 12, 0}, {3, 9, 0}, {3, 10, 1}, {3, 12, 0}, {2, 9, 0}, {2, 10, 0}, {1, 8, 0},
      {2, 12, 0}, {1, 10, 0}, {1, 12, 0}, {0, 8, 1}, {0, 10, 0}, {0, 12, 0}};
  const std::vector<int> notes = {48, 50, 48, 50, 52, 53, 55, 57, 59, 60,
                                  62, 64, 65, 67, 67, 69, 71, 72, 74, 76};
  std::vector<Event> expected;
  for (size_t i = 0; i < marks.size(); ++i) {
    expected.push_back(marks[i]);
    expected.push_back(Sound{notes[i], 25});
  }
  EXPECT_EQ(host.events, expected);
}

TEST_F(ShowTest, ReversedBoundsShowNothing) {
  host.autoRoot = 0;
  host.fromFret = 5;
  host.toFret = 3;
  for (int root = 0; root < 12; ++root) {
    host.root = root;
    ShowScale(host, kMajor, root);
    ShowArpeggio(host, 13, root);
  }
  EXPECT_TRUE(host.events.empty());
}

TEST_F(ShowTest, EmptyFretListsShowNothing) {
  host.autoRoot = 0;
  host.fromFret = -1;
  host.toFret = -1;
  ShowScale(host, kMajor, 0);
  EXPECT_TRUE(host.events.empty());
}

// "Show all notes" over bounds 0 to 24: every position of the scale's pitch
// classes is marked, except the few at the top of the neck that the
// expansion (which ends at root + step + 72) does not reach.
struct AllNotesCase {
  int root;
  std::set<std::pair<int, int>> unmarked;
};

class ShowAllNotes : public ::testing::TestWithParam<AllNotesCase> {};

TEST_P(ShowAllNotes, MajorScaleOverTheWholeNeck) {
  const AllNotesCase& c = GetParam();
  RecordingHost host = testing::WholeNeckHost(c.root, 0);
  ShowScale(host, kMajor, c.root);

  const int steps[7] = {0, 2, 4, 5, 7, 9, 11};
  const auto& kOpen = testing::kWrittenOpenNotes;
  std::set<std::pair<int, int>> expected;
  for (int s = 0; s < 6; ++s) {
    for (int f = 0; f < 24; ++f) {
      const int pc = (kOpen[s] + f) % 12;
      for (int t : steps) {
        if ((c.root + t) % 12 == pc && !c.unmarked.count({s, f})) expected.insert({s, f});
      }
    }
  }
  std::set<std::pair<int, int>> marked;
  for (const Mark& m : host.Marks()) marked.insert({m.string, m.fret});
  EXPECT_EQ(marked, expected);
  EXPECT_EQ(host.Sounds().size(), host.Marks().size());
}

INSTANTIATE_TEST_SUITE_P(
    Roots, ShowAllNotes,
    ::testing::Values(AllNotesCase{0, {{0, 20}, {0, 22}}}, AllNotesCase{1, {{0, 21}, {0, 23}}},
                      AllNotesCase{2, {{0, 22}}}, AllNotesCase{3, {{0, 23}}},
                      AllNotesCase{4, {}}, AllNotesCase{5, {}}, AllNotesCase{6, {}},
                      AllNotesCase{7, {}}, AllNotesCase{8, {}}, AllNotesCase{9, {}},
                      AllNotesCase{10, {}}, AllNotesCase{11, {}}),
    [](const auto& info) { return "root" + std::to_string(info.param.root); });

// ---- Stopped by the user

// Stopped during its k-th note (1-based), C major ends right there: exactly k
// markers and k notes, the first k of the full display.
class StoppedScale : public ShowTest, public ::testing::WithParamInterface<int> {};

TEST_P(StoppedScale, EndsAfterTheNoteThatWasStopped) {
  const int k = GetParam();
  RecordingHost whole;
  whole.root = 0;
  ShowScale(whole, kMajor, 0);
  ASSERT_EQ(whole.Sounds().size(), 20u);

  host.root = 0;
  host.stopAtSound = k - 1;
  ShowScale(host, kMajor, 0);
  const std::vector<Event> expected(whole.events.begin(), whole.events.begin() + 2 * k);
  EXPECT_EQ(host.events, expected);
}

INSTANTIATE_TEST_SUITE_P(K, StoppedScale, ::testing::Values(1, 2, 7, 19, 20));

TEST_F(ShowTest, AStoppedArpeggioAndAStoppedNoteEndThere) {
  host.root = 0;
  host.stopAtSound = 2;
  ShowArpeggio(host, kMajorTriad, 0);
  EXPECT_EQ(host.Sounds().size(), 3u);
  EXPECT_EQ(host.Marks().size(), 3u);

  // A note shown at two positions (the whole neck): the second is neither
  // marked nor sounded.
  RecordingHost neck = testing::WholeNeckHost(0, 0);
  neck.stopAtSound = 0;
  ShowNote(neck, 64);
  EXPECT_EQ(neck.Lines(), (std::vector<std::string>{"marker 0 0 0", "note 64 for 50"}));
}

TEST_F(ShowTest, AStoppedStrumStillSpendsTheChord) {
  host.root = 0;
  host.stopAtSound = 0;
  ShowChord(host, kMajorTriad, 0);
  EXPECT_EQ(host.Strums().size(), 1u);
  EXPECT_EQ(g_currentChord, (Chord{}));
  EXPECT_EQ(g_stringCursor, 0);
}

TEST_F(ShowTest, AChordShowStoppedBeforeItsStrumSoundsNothing) {
  host.root = 0;
  host.stopped = true;  // already stopped, as by an earlier sound of the same display
  ShowChord(host, kMajorTriad, 0);
  EXPECT_TRUE(host.Strums().empty());
  EXPECT_EQ(g_currentChord, (Chord{}));
  EXPECT_EQ(g_stringCursor, 0);
}

// ---- ShowChord, CaptureOnString, StrumCurrentChord

TEST_F(ShowTest, ChordMajorOnCStrumsTheLastToneOfEachString) {
  host.root = 0;
  host.autoRoot = 1;  // frets 8 to 12
  ShowChord(host, kMajorTriad, 0);
  // Strings top first; per string, tones in the order octave, then column.
  const std::vector<Event> expected = {
      Mark{0, 8, 1},  Mark{0, 12, 0}, Mark{1, 8, 0}, Mark{2, 9, 0},  Mark{2, 12, 0},
      Mark{3, 10, 1}, Mark{4, 10, 0}, Mark{5, 8, 1}, Mark{5, 8, 1},  Mark{5, 12, 0},
      Strum{{52, 55, 60, 67, 67, 76}, 50}};
  EXPECT_EQ(host.events, expected);
  EXPECT_EQ(g_currentChord, (std::array<NoteNumber, 6>{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(g_stringCursor, 0);
}

TEST_F(ShowTest, ChordWithNoToneInTheWindowStrumsZeroForThatString) {
  host.autoRoot = 0;
  host.fromFret = 0;
  host.toFret = 0;  // only the open strings: E B G D A E
  host.root = 4;
  ShowChord(host, kMajorTriad, 4);  // E major: E, G#, B
  EXPECT_EQ(host.Strums(), (std::vector<Strum>{{{40, 0, 0, 0, 59, 64}, 50}}));
  EXPECT_TRUE(host.Sounds().empty());
}

TEST_F(ShowTest, CaptureOnStringStoresTheLastToneAndSoundsNothing) {
  host.autoRoot = 0;
  host.fromFret = 0;
  host.toFret = 24;
  host.root = 0;
  CaptureOnString(host, 48, 5);
  CaptureOnString(host, 60, 5);
  CaptureOnString(host, 100, 5);  // not on the string: keeps 60
  EXPECT_EQ(host.Marks(), (std::vector<Mark>{{5, 8, 1}, {5, 20, 1}}));
  EXPECT_TRUE(host.Sounds().empty());
  EXPECT_EQ(g_currentChord, (std::array<NoteNumber, 6>{60, 0, 0, 0, 0, 0}));
  CaptureOnString(host, 64, 0);
  EXPECT_EQ(g_currentChord, (std::array<NoteNumber, 6>{60, 0, 0, 0, 0, 64}));
}

TEST_F(ShowTest, CaptureOnStringFollowsTheAutoRootWindow) {
  host.autoRoot = 1;
  host.root = 9;  // A: frets 5 to 9
  CaptureOnString(host, 64, 0);  // (0, 0) is outside
  CaptureOnString(host, 64, 1);  // (1, 5) is inside
  EXPECT_EQ(host.Marks(), (std::vector<Mark>{{1, 5, 0}}));
  EXPECT_EQ(g_currentChord, (std::array<NoteNumber, 6>{0, 0, 0, 0, 64, 0}));
}

TEST_F(ShowTest, CaptureOnStringOutsideTheStringsDoesNothing) {
  host.autoRoot = 0;
  CaptureOnString(host, 64, -1);
  CaptureOnString(host, 64, 6);
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(g_currentChord, (std::array<NoteNumber, 6>{0, 0, 0, 0, 0, 0}));
}

TEST_F(ShowTest, StrumSendsTheChordAsItIsAndResets) {
  g_currentChord = {40, 0, 52, 0, 0, 64};
  g_stringCursor = 3;
  host.noteLength = 37;
  StrumCurrentChord(host);
  EXPECT_EQ(host.events, (std::vector<Event>{Strum{{40, 0, 52, 0, 0, 64}, 37}}));
  EXPECT_EQ(g_currentChord, (std::array<NoteNumber, 6>{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(g_stringCursor, 0);
}

// ---- Choices outside the tables

TEST_F(ShowTest, RootOrIndexOutsideTheTablesDoesNothing) {
  g_currentChord = {1, 2, 3, 4, 5, 6};
  host.autoRoot = 0;
  for (int root : {-1, 12, 100}) {
    host.root = root;
    ShowScale(host, kMajor, root);
    ShowArpeggio(host, kMajorTriad, root);
    ShowChord(host, kMajorTriad, root);
  }
  host.root = 0;
  for (int index : {-1, 9, 100}) ShowScale(host, index, 0);
  for (int index : {-1, 34, 100}) {
    ShowArpeggio(host, index, 0);
    ShowChord(host, index, 0);
  }
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(g_currentChord, (std::array<NoteNumber, 6>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(g_stringCursor, 0);
}

TEST_F(ShowTest, LastRowsOfTheTablesAreShown) {
  host.autoRoot = 0;
  ShowScale(host, 8, 11);
  EXPECT_FALSE(host.Marks().empty());
  host.events.clear();
  ShowArpeggio(host, 33, 11);
  EXPECT_FALSE(host.Marks().empty());
  host.events.clear();
  ShowChord(host, 33, 11);
  EXPECT_EQ(host.Strums().size(), 1u);
}

}  // namespace
}  // namespace fretlab
