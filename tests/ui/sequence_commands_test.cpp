// The chord sequence through the window's menu: picking, adding with a note
// value, playing back with markers, clearing, starting anew.

#include <QAction>
#include <set>

#include "ui/command_ids.h"
#include "ui_test_support.h"

namespace fretlab::testing {
namespace {

using Pos = std::pair<StringIndex, FretIndex>;

class SequenceCommands : public DialogTest {
 protected:
  void Pick(StringIndex s, FretIndex f) { ClickClient({g_fretX[f], g_stringY[s]}); }
  std::set<Pos> Marked() const {
    std::set<Pos> marked;
    for (const Marker& m : View()->Markers()) marked.insert({m.string, m.fret});
    return marked;
  }
};

TEST_F(SequenceCommands, AddChordQuarterNoteAfterThreePicks) {
  Pick(0, 3);  // 67, slot 5
  Pick(2, 5);  // 60, slot 3
  Pick(4, 2);  // 47, slot 1
  EXPECT_EQ(Marked(), (std::set<Pos>{{0, 3}, {2, 5}, {4, 2}}));
  Choose(ID_ADD_QUARTER);
  EXPECT_EQ(dlg->NoteLength(), 50);
  EXPECT_EQ(dlg->ChordCount(), 1);
  const std::vector<int> row(std::begin(g_chordRows[0]), std::end(g_chordRows[0]));
  EXPECT_EQ(row, (std::vector<int>{0, 47, 0, 60, 0, 67, 50}));
  const std::vector<int> frets(std::begin(g_fretRows[0]), std::end(g_fretRows[0]));
  EXPECT_EQ(frets, (std::vector<int>{0, 2, 0, 5, 0, 3}));
  const auto sounds = output.Sounds();
  ASSERT_EQ(sounds.size(), 4u);
  EXPECT_EQ(sounds[3].notes, (std::vector<int>{47, 60, 67}));
  EXPECT_EQ(sounds[3].closedAt - sounds[3].openedAt, 500);
  EXPECT_TRUE(View()->Markers().empty());
  EXPECT_EQ(g_currentChord, (std::array<int, 6>{}));
}

class AddChordEntry : public SequenceCommands,
                      public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(AddChordEntry, SetsItsNoteValueThenAppends) {
  const auto [id, length] = GetParam();
  Pick(3, 2);
  Choose(id);
  EXPECT_EQ(dlg->NoteLength(), length);
  EXPECT_EQ(dlg->ChordCount(), 1);
  EXPECT_EQ(g_chordRows[0][6], length);
  const auto sounds = output.Sounds();
  ASSERT_EQ(sounds.size(), 2u);
  EXPECT_EQ(sounds[1].closedAt - sounds[1].openedAt, 10LL * length);
}

INSTANTIATE_TEST_SUITE_P(
    NoteValues, AddChordEntry,
    ::testing::Values(std::pair{ID_ADD_WHOLE, 200}, std::pair{ID_ADD_HALF, 100},
                      std::pair{ID_ADD_QUARTER, 50}, std::pair{ID_ADD_EIGHTH, 25},
                      std::pair{ID_ADD_SIXTEENTH, 12}, std::pair{ID_ADD_DOTTED_HALF, 150},
                      std::pair{ID_ADD_DOTTED_QUARTER, 75}, std::pair{ID_ADD_DOTTED_EIGHTH, 37}));

TEST_F(SequenceCommands, PlayAllShowsEachChordsMarkersAndSoundsItsLength) {
  Pick(5, 3);
  Pick(3, 5);
  Choose(ID_ADD_QUARTER);
  Pick(4, 0);
  Pick(1, 1);
  Choose(ID_ADD_HALF);
  Pick(0, 7);
  Choose(ID_ADD_EIGHTH);
  ASSERT_EQ(dlg->ChordCount(), 3);
  output.calls.clear();
  std::vector<std::set<Pos>> markedAtChord;
  std::vector<bool> lettered;
  output.onOpen = [&] {
    markedAtChord.push_back(Marked());
    for (const Marker& m : View()->Markers()) lettered.push_back(m.root);
    EXPECT_EQ(View()->PaintedGeneration(), View()->Generation());
  };
  Choose(ID_PLAY_ALL);
  const std::vector<std::set<Pos>> expectedMarks = {{{5, 3}, {3, 5}}, {{4, 0}, {1, 1}}, {{0, 7}}};
  EXPECT_EQ(markedAtChord, expectedMarks);
  EXPECT_EQ(lettered, std::vector<bool>(5, false));
  const auto sounds = output.Sounds();
  ASSERT_EQ(sounds.size(), 3u);
  EXPECT_EQ(sounds[0].notes, (std::vector<int>{43, 55}));
  EXPECT_EQ(sounds[1].notes, (std::vector<int>{45, 60}));
  EXPECT_EQ(sounds[2].notes, (std::vector<int>{71}));
  EXPECT_EQ(sounds[0].closedAt - sounds[0].openedAt, 500);
  EXPECT_EQ(sounds[1].closedAt - sounds[1].openedAt, 1000);
  EXPECT_EQ(sounds[2].closedAt - sounds[2].openedAt, 250);
  EXPECT_TRUE(View()->Markers().empty());
  EXPECT_EQ(dlg->NoteLength(), 25);
  EXPECT_EQ(g_currentChord[5], 71);  // the last chord stays current
}

TEST_F(SequenceCommands, PlayChordSoundsTheChordUnderConstruction) {
  Pick(2, 5);
  Pick(0, 0);
  output.calls.clear();
  Choose(ID_PLAY_CHORD);
  const auto sounds = output.Sounds();
  ASSERT_EQ(sounds.size(), 1u);
  EXPECT_EQ(sounds[0].notes, (std::vector<int>{60, 64}));
  EXPECT_EQ(sounds[0].closedAt - sounds[0].openedAt, 150);
  EXPECT_EQ(Marked(), (std::set<Pos>{{2, 5}, {0, 0}}));
  EXPECT_EQ(g_currentChord[3], 60);
}

TEST_F(SequenceCommands, TwoPicksOnOneStringKeepTheSecondNote) {
  Pick(2, 5);
  Pick(2, 7);
  EXPECT_EQ(g_currentChord[3], 62);
  EXPECT_EQ(g_fretRows[0][3], 7);
  EXPECT_EQ(Marked(), (std::set<Pos>{{2, 5}, {2, 7}}));
}

TEST_F(SequenceCommands, APickAtFretTwentyTwoNarrowsTheListsToTheTop) {
  Pick(1, 22);
  EXPECT_EQ(FromFretList().GetCurSel(), 22);
  EXPECT_EQ(ToFretList().GetCurSel(), 23);
  EXPECT_EQ(g_fretRows[0][4], 22);
  EXPECT_EQ(output.Notes(), std::vector<int>{81});
}

TEST_F(SequenceCommands, ClearForgetsTheChordUnderConstruction) {
  Pick(2, 5);
  Choose(ID_ADD_QUARTER);
  Pick(1, 3);
  output.calls.clear();
  Choose(ID_ACTION_CLEAR);
  EXPECT_TRUE(View()->Markers().empty());
  EXPECT_EQ(g_currentChord, (std::array<int, 6>{}));
  EXPECT_EQ(dlg->ChordCount(), 1);
  EXPECT_TRUE(output.calls.empty());
}

TEST_F(SequenceCommands, NewEmptiesTheSequence) {
  Pick(2, 5);
  Choose(ID_ADD_QUARTER);
  Pick(1, 3);
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Discard;
  Choose(ID_FILE_NEW);
  EXPECT_EQ(prompts.unsavedQuestions, 1);
  EXPECT_EQ(dlg->ChordCount(), 0);
  EXPECT_EQ(g_currentChord, (std::array<int, 6>{}));
  EXPECT_TRUE(View()->Markers().empty());
  output.calls.clear();
  Choose(ID_PLAY_ALL);
  EXPECT_TRUE(output.calls.empty());
}

TEST_F(SequenceCommands, AFullSequenceSaysSoAndAppendsNothing) {
  OpenSilentChords(kMaxChords);
  Pick(2, 5);
  output.calls.clear();
  Choose(ID_ADD_WHOLE);
  EXPECT_EQ(prompts.sequenceFullMessages, 1);
  EXPECT_EQ(dlg->ChordCount(), kMaxChords);
  EXPECT_TRUE(output.calls.empty());
}

TEST_F(SequenceCommands, AddingBelowTheLimitSaysNothing) {
  OpenSilentChords(kMaxChords - 1);
  Choose(ID_ADD_WHOLE);
  EXPECT_EQ(prompts.sequenceFullMessages, 0);
  EXPECT_EQ(dlg->ChordCount(), kMaxChords);
}

}  // namespace
}  // namespace fretlab::testing
