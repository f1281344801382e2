// Lists, menu commands and the mouse, end to end through the window: real
// hit-tested input, the real core, a recording output and a fake clock.

#include <QAction>
#include <QMenuBar>
#include <set>

#include "ui/command_ids.h"
#include "ui_test_support.h"

namespace fretlab::testing {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

using Pos = std::pair<StringIndex, FretIndex>;

// Root C, "MAJOR (Ionian)", Auto Root on: the positions in the order they
// are marked and sounded, and the three that carry the root letter.
const std::vector<Pos> kWorkedExample = {
    {5, 8},  {5, 10}, {5, 8},  {5, 10}, {5, 12}, {4, 8},  {4, 10}, {4, 12}, {3, 9},  {3, 10},
    {3, 12}, {2, 9},  {2, 10}, {1, 8},  {2, 12}, {1, 10}, {1, 12}, {0, 8},  {0, 10}, {0, 12}};
const std::set<Pos> kWorkedExampleRoots = {{5, 8}, {3, 10}, {0, 8}};

class ListCommands : public DialogTest {
 protected:
  std::set<Pos> MarkedPositions() const {
    std::set<Pos> marked;
    for (const Marker& m : View()->Markers()) marked.insert({m.string, m.fret});
    return marked;
  }
};

TEST_F(ListCommands, MajorScaleOnCMarksAndSoundsTheWorkedExample) {
  // At every note's start, the marker drawn for it must already be painted.
  std::vector<bool> screenCurrentAtNote;
  output.onOpen = [&] {
    screenCurrentAtNote.push_back(View()->PaintedGeneration() == View()->Generation());
  };
  ClickEntry(RootList(), 0);
  ASSERT_EQ(RootList().GetCurSel(), 0);
  DoubleClickEntry(ScaleList(), 1);

  std::vector<int> expectedNotes;
  for (auto [s, f] : kWorkedExample) expectedNotes.push_back(g_openNote[s] + f);
  EXPECT_EQ(output.Notes(), expectedNotes);
  const auto sounds = output.Sounds();
  ASSERT_EQ(sounds.size(), kWorkedExample.size());
  for (const auto& sound : sounds) EXPECT_EQ(sound.closedAt - sound.openedAt, 150);
  EXPECT_EQ(screenCurrentAtNote, std::vector<bool>(kWorkedExample.size(), true));

  std::set<Pos> expectedMarked(kWorkedExample.begin(), kWorkedExample.end());
  EXPECT_EQ(MarkedPositions(), expectedMarked);
  const QImage image = ClientImage();
  for (const Marker& m : View()->Markers()) {
    const int x = g_fretX[m.fret], y = g_stringY[m.string];
    EXPECT_EQ(m.root, kWorkedExampleRoots.contains({m.string, m.fret})) << m.string << "," << m.fret;
    EXPECT_EQ(At(image, x + 5, y), kBlack);
    EXPECT_EQ(At(image, x - 6, y - 6), m.root ? kWhite : At(FretboardPicture(), x - 17, y - 17));
  }
  EXPECT_EQ(StatusNumber().text(), "1");
  EXPECT_EQ(StatusText().text(), "MAJOR (Ionian)");
}

TEST_F(ListCommands, DoubleClickingHarmonicMinorShowsItAndReportsIt) {
  dlg->DrawMarker(0, 0, 1);  // left over from before: cleared first
  ClickEntry(RootList(), 9);  // A: the automatic window is frets 5 to 9
  DoubleClickEntry(ScaleList(), 7);
  EXPECT_EQ(StatusNumber().text(), "7");
  EXPECT_EQ(StatusText().text(), "Harmonic minor");
  EXPECT_FALSE(output.Notes().empty());
  EXPECT_FALSE(MarkedPositions().contains(Pos{0, 0}));
  for (const Marker& m : View()->Markers()) {
    EXPECT_GE(m.fret, 5);
    EXPECT_LE(m.fret, 9);
  }
}

TEST_F(ListCommands, DoubleClickingAnArpeggioOrAChordReportsIt) {
  ClickEntry(RootList(), 2);
  DoubleClickEntry(ArpeggioList(), 20);
  EXPECT_EQ(StatusNumber().text(), "20");
  EXPECT_EQ(StatusText().text(), "m7");
  EXPECT_FALSE(output.Notes().empty());
  output.calls.clear();
  DoubleClickEntry(ChordList(), 29);
  EXPECT_EQ(StatusNumber().text(), "29");
  EXPECT_EQ(StatusText().text(), "dim");
  // A chord is strummed once: six note-ons between one open and one close.
  const auto sounds = output.Sounds();
  ASSERT_EQ(sounds.size(), 1u);
  // Strings without a chord tone in the window stay silent.
  EXPECT_GE(sounds[0].notes.size(), 4u);
  EXPECT_LE(sounds[0].notes.size(), 6u);
  EXPECT_EQ(g_stringCursor, 0);
}

TEST_F(ListCommands, EditChangeOnHarmonicMinorClearsAndShowsNothing) {
  dlg->DrawMarker(2, 2, 0);
  TypeInto(ScaleList(), "har");
  EXPECT_EQ(ScaleList().GetCurSel(), 7);
  EXPECT_EQ(StatusNumber().text(), "7");
  EXPECT_EQ(StatusText().text(), "har");
  EXPECT_TRUE(output.calls.empty());
  EXPECT_TRUE(View()->Markers().empty());
}

TEST_F(ListCommands, EditChangeWithoutASelectionReportsMinusOne) {
  dlg->DrawMarker(2, 2, 0);
  TypeInto(ScaleList(), "xyz");
  EXPECT_EQ(StatusNumber().text(), "-1");
  EXPECT_EQ(StatusText().text(), "xyz");
  EXPECT_TRUE(output.calls.empty());
  EXPECT_TRUE(View()->Markers().empty());
}

TEST_F(ListCommands, EditChangeOnMixolydianShowsItAtOnce) {
  ClickEntry(RootList(), 7);
  TypeInto(ScaleList(), "mi");  // "m" alone shows "MAJOR (Ionian)"
  output.calls.clear();
  TypeInto(ScaleList(), "x");
  EXPECT_EQ(StatusNumber().text(), "2");
  EXPECT_EQ(StatusText().text(), "mix");
  const std::vector<int> typed = output.Notes();
  ASSERT_FALSE(typed.empty());
  // The same display as a double-click on the entry.
  output.calls.clear();
  DoubleClickEntry(ScaleList(), 2);
  EXPECT_EQ(output.Notes(), typed);
}

TEST_F(ListCommands, StatusTextIsCutToNineteenCharacters) {
  TypeInto(ScaleList(), "abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(StatusText().text(), "abcdefghijklmnopqrs");
}

TEST_F(ListCommands, SelectingMixolydianWritesItAndAddsAPlainMarker) {
  dlg->DrawMarker(0, 3, 1);
  StatusNumber().setText("kept");
  ClickEntry(ScaleList(), 2);
  EXPECT_EQ(StatusText().text(), "Mixolydian");
  EXPECT_EQ(StatusNumber().text(), "kept");
  ASSERT_EQ(View()->Markers().size(), 2u);
  EXPECT_EQ(View()->Markers().back(), (Marker{5, 5, false}));
  EXPECT_TRUE(output.calls.empty());
}

TEST_F(ListCommands, SelectingAnotherScaleOnlyWritesItsText) {
  ClickEntry(ScaleList(), 3);
  EXPECT_EQ(StatusText().text(), ScaleList().GetLBText(3));
  EXPECT_TRUE(View()->Markers().empty());
  EXPECT_TRUE(output.calls.empty());
}

TEST_F(ListCommands, OtherListsDoNothingByThemselves) {
  ClickEntry(RootList(), 4);
  ClickEntry(ChordList(), 4);
  ClickEntry(FromFretList(), 3);
  TypeInto(ArpeggioList(), "m");
  EXPECT_TRUE(StatusText().text().isEmpty());
  EXPECT_TRUE(StatusNumber().text().isEmpty());
  EXPECT_TRUE(output.calls.empty());
}

using MenuCommand = ListCommands;

TEST_F(MenuCommand, TempoAndSoundSetTheNoteLength) {
  Choose(ID_TEMPO_SLOW);
  EXPECT_EQ(dlg->NoteLength(), 20);
  Choose(ID_TEMPO_FAST);
  EXPECT_EQ(dlg->NoteLength(), 5);
  Choose(ID_SOUND_OFF);
  EXPECT_EQ(dlg->NoteLength(), 0);
  Choose(ID_TEMPO_FAST, 1);  // Sound > "On": the fast tempo, not the start value
  EXPECT_EQ(dlg->NoteLength(), 5);
  EXPECT_EQ(ActionById(ID_TEMPO_FAST, 1)->text(), "On");
}

TEST_F(MenuCommand, PositionSetsAutoRoot) {
  Choose(ID_POSITION_SHOW_ALL);
  EXPECT_EQ(dlg->AutoRoot(), 0);
  Choose(ID_POSITION_AUTO_ROOT);
  EXPECT_EQ(dlg->AutoRoot(), 1);
}

TEST_F(MenuCommand, ShowAllNotesCoversTheWholeNeckWithTheStartBounds) {
  Choose(ID_POSITION_SHOW_ALL);
  Choose(ID_SOUND_OFF);
  ClickEntry(RootList(), 0);
  DoubleClickEntry(ScaleList(), 1);
  const std::set<Pos> marked = MarkedPositions();
  EXPECT_TRUE(marked.contains(Pos{5, 0}));   // E, open low string
  EXPECT_TRUE(marked.contains(Pos{5, 22}));  // D near the top
  EXPECT_FALSE(marked.contains(Pos{0, 20})); // beyond the expansion's reach
  // Sound off: every note still sent, with no time between them.
  for (const auto& sound : output.Sounds()) EXPECT_EQ(sound.closedAt, sound.openedAt);
}

TEST_F(MenuCommand, CopyRemoveTheEmptyFileEntryAndHelpDoNothing) {
  dlg->DrawMarker(1, 1, 1);
  ClickClient({g_fretX[5], g_stringY[2]});
  output.calls.clear();
  const auto chord = g_currentChord;
  const int length = dlg->NoteLength(), autoRoot = dlg->AutoRoot();
  const auto markers = View()->Markers();
  Choose(ID_ACTION_COPY);
  Choose(ID_ACTION_REMOVE);
  Choose(ID_FILE_EMPTY);
  Key(Qt::Key_F1);
  dlg->SendCommand(ID_HELP);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(g_currentChord, chord);
  EXPECT_EQ(dlg->NoteLength(), length);
  EXPECT_EQ(dlg->AutoRoot(), autoRoot);
  EXPECT_EQ(View()->Markers(), markers);
  EXPECT_TRUE(output.calls.empty());
}

using Mouse = ListCommands;

TEST_F(Mouse, MovingOverThePictureShowsThePosition) {
  MoveClient({300, 50});
  EXPECT_EQ(StatusNumber().text(), "300");
  EXPECT_EQ(StatusText().text(), "50");
  MoveClient({300, 400});  // the window's own surface, below the lists
  EXPECT_EQ(StatusNumber().text(), "300");
  EXPECT_EQ(StatusText().text(), "400");
  // Over a list the moves are the list's own.
  MoveClient(RootList().geometry().center());
  EXPECT_EQ(StatusText().text(), "400");
}

TEST_F(Mouse, ClickOnTheGStringAtFretFivePicksMiddleC) {
  ClickClient({g_fretX[5], g_stringY[2]});
  EXPECT_EQ(FromFretList().GetCurSel(), 5);
  EXPECT_EQ(ToFretList().GetCurSel(), 8);
  EXPECT_EQ(dlg->AutoRoot(), 0);
  EXPECT_EQ(output.Notes(), std::vector<int>{60});
  EXPECT_EQ(g_currentChord[3], 60);
  EXPECT_EQ(g_fretRows[0][3], 5);
  EXPECT_EQ(View()->Markers(), (std::vector<Marker>{{2, 5, false}}));
}

TEST_F(Mouse, PressesOnAListNeverReachTheNeck) {
  // The root list's edit field lies where no string band is; its first
  // entry would be the open high E if the press fell through to the window.
  QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier,
                    ToWindow(StatusNumber().geometry().center()));
  ClickEntry(RootList(), 0);
  EXPECT_TRUE(output.calls.empty());
  EXPECT_EQ(dlg->AutoRoot(), 1);
}

}  // namespace
}  // namespace fretlab::testing
