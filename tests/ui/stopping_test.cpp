// Escape stops the display that is sounding: the current sound ends at once
// and is closed, nothing further is marked or sounded, the markers drawn
// stay, input held before the Escape is dropped and input after it is
// handled. A close request stops it the same way and then asks as usual.

#include <qpa/qwindowsysteminterface.h>

#include "file_commands_fixture.h"
#include "ui/event_loop_timing.h"

namespace fretlab::testing {
namespace {

// Root C, "MAJOR (Ionian)", Auto Root: 20 notes (see the window tests).
const std::vector<int> kCMajorNotes = {48, 50, 48, 50, 52, 53, 55, 57, 59, 60,
                                       62, 64, 65, 67, 67, 69, 71, 72, 74, 76};

std::vector<int> First(const std::vector<int>& notes, std::size_t count) {
  return std::vector<int>(notes.begin(), notes.begin() + static_cast<std::ptrdiff_t>(count));
}

class Stopping : public SequenceFiles {
 protected:
  void SetUp() override {
    SequenceFiles::SetUp();
    ClickEntry(RootList(), 0);  // C
  }
  // The display's own sounds end with a close, and no sound is left open.
  void ExpectEveryOpenClosed() const {
    int open = 0;
    for (const OutputCall& call : output.calls) {
      if (call.kind == OutputCall::kOpen) ++open;
      if (call.kind == OutputCall::kClose) --open;
      EXPECT_GE(open, 0);
      EXPECT_LE(open, 1);
    }
    EXPECT_EQ(open, 0);
    ASSERT_FALSE(output.calls.empty());
    EXPECT_EQ(output.calls.back().kind, OutputCall::kClose);
  }
};

// Escape while the k-th note (1-based) of C major sounds.
class EscapeDuringAScale : public Stopping, public ::testing::WithParamInterface<int> {};

TEST_P(EscapeDuringAScale, EndsWithExactlyKNotesSoundedAndTheDeviceClosed) {
  const int k = GetParam();
  // The markers a whole display has drawn while its k-th note sounds (notes
  // that repeat share a marker).
  std::size_t markersAtK = 0;
  clock.duringWait = [&](int wait) {
    if (wait == k - 1) markersAtK = View()->Markers().size();
  };
  DoubleClickEntry(ScaleList(), 1);
  ASSERT_GT(markersAtK, 0u);
  output.calls.clear();
  clock.waits.clear();

  clock.duringWait = [&](int wait) {
    if (wait == k - 1) Key(Qt::Key_Escape);
  };
  DoubleClickEntry(ScaleList(), 1);
  EXPECT_EQ(output.Notes(), First(kCMajorNotes, k));
  ExpectEveryOpenClosed();
  EXPECT_EQ(View()->Markers().size(), markersAtK) << "the markers drawn stay";
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(g_stringCursor, 0);
  EXPECT_EQ(StatusText().text(), QStringLiteral("MAJOR (Ionian)"));

  // The window is itself again: the next display plays whole.
  clock.duringWait = nullptr;
  output.calls.clear();
  DoubleClickEntry(ScaleList(), 1);
  EXPECT_EQ(output.Notes(), kCMajorNotes);
}

INSTANTIATE_TEST_SUITE_P(K, EscapeDuringAScale, ::testing::Values(1, 2, 9, 19));

TEST_F(Stopping, TheNoteStoppedEndsAtOnce) {
  Choose(ID_TEMPO_SLOW);  // 200 ms a note
  // As a real wait does, the fourth note's ends when the Escape comes, 30 ms
  // into it.
  clock.duringWait = [&](int wait) {
    if (wait == 3) {
      clock.stopAfter = std::chrono::milliseconds(30);
      Key(Qt::Key_Escape);
    }
  };
  DoubleClickEntry(ScaleList(), 1);
  const auto sounds = output.Sounds();
  ASSERT_EQ(sounds.size(), 4u);
  EXPECT_EQ(sounds[2].closedAt - sounds[2].openedAt, 200);
  EXPECT_EQ(sounds[3].closedAt - sounds[3].openedAt, 30);
}

TEST_F(Stopping, InputHeldBeforeTheEscapeIsDroppedAndInputAfterItHandled) {
  clock.duringWait = [&](int wait) {
    if (wait == 1) {
      ClickClient({g_fretX[5], g_stringY[2]});  // middle C, before the Escape
      dlg->SendCommand(ID_TEMPO_SLOW);
      DoubleClickEntry(ScaleList(), 2);
    }
    if (wait == 4) {
      Key(Qt::Key_Escape);
      ClickClient({g_fretX[3], g_stringY[0]});  // G on the top string, after it
    }
  };
  DoubleClickEntry(ScaleList(), 1);
  std::vector<int> expected = First(kCMajorNotes, 5);
  expected.push_back(67);
  EXPECT_EQ(output.Notes(), expected);
  EXPECT_EQ(dlg->NoteLength(), 15) << "the Tempo command held before the Escape was dropped";
  EXPECT_EQ(FromFretList().GetCurSel(), 3) << "the click after the Escape was handled";
  EXPECT_EQ(g_currentChord, (Chord{0, 0, 0, 0, 0, 67}));
  EXPECT_EQ(StatusText().text(), QStringLiteral("MAJOR (Ionian)"));
}

TEST_F(Stopping, AKeyHeldDownAfterTheStopDoesNotEndTheWindow) {
  clock.duringWait = [&](int wait) {
    if (wait == 0) Key(Qt::Key_Escape);
  };
  DoubleClickEntry(ScaleList(), 1);
  // The key's repeats, once the display has ended.
  QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
      Window(), QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), true);
  EXPECT_TRUE(dlg->isVisible());
  Key(Qt::Key_Escape);  // a new press ends it as always
  EXPECT_FALSE(dlg->isVisible());
}

// Three chords: C and G on the low strings, then an open A.
class StoppingTheSequence : public Stopping {
 protected:
  void SetUp() override {
    Stopping::SetUp();
    Pick(5, 8);
    Choose(ID_ADD_QUARTER);
    Pick(5, 3);
    Pick(4, 5);
    Choose(ID_ADD_HALF);
    Pick(4, 0);
    Choose(ID_ADD_EIGHTH);
    ASSERT_EQ(dlg->ChordCount(), 3);
    output.calls.clear();
    clock.waits.clear();  // the tests count their waits from here
  }
};

TEST_F(StoppingTheSequence, PlayAllStoppedLeavesTheSequenceUntouchedAndSavable) {
  prompts.saveAnswer = Path("before");
  Choose(ID_SAVE_AS);
  const Bytes before = ReadAll(Path("before.fbs"));
  ASSERT_EQ(before.size(), 3 * 56 + 4u);
  output.calls.clear();

  clock.duringWait = [&](int wait) {
    if (wait == 1) Key(Qt::Key_Escape);  // during the second chord
  };
  Choose(ID_PLAY_ALL);
  clock.duringWait = nullptr;
  const auto sounds = output.Sounds();
  ASSERT_EQ(sounds.size(), 2u);
  EXPECT_EQ(sounds[1].notes, (std::vector<int>{43, 50}));
  ExpectEveryOpenClosed();
  // The chord stopped stays current, with its length and its markers.
  EXPECT_EQ(g_currentChord, (Chord{43, 50, 0, 0, 0, 0}));
  EXPECT_EQ(dlg->NoteLength(), kHalfNote);
  EXPECT_EQ(View()->Markers().size(), 2u);

  EXPECT_EQ(dlg->ChordCount(), 3);
  EXPECT_FALSE(dlg->HasUnsavedChords());
  prompts.saveAnswer = Path("after");
  Choose(ID_SAVE_AS);
  EXPECT_TRUE(prompts.fileProblems.empty());
  EXPECT_EQ(ReadAll(Path("after.fbs")), before);
}

TEST_F(StoppingTheSequence, AStoppedStrumKeepsTheChordAddedAndSpendsIt) {
  Pick(3, 2);
  clock.duringWait = [&](int wait) {
    if (wait == 1) Key(Qt::Key_Escape);  // the strum, after the picked note
  };
  Choose(ID_ADD_WHOLE);
  EXPECT_EQ(dlg->ChordCount(), 4);
  EXPECT_EQ(g_chordRows[3][2], 52) << "E on the D string, in its slot";
  EXPECT_TRUE(dlg->HasUnsavedChords());
  EXPECT_EQ(g_currentChord, Chord{});
  EXPECT_EQ(g_stringCursor, 0);
  EXPECT_EQ(View()->Markers().size(), 1u) << "the picked note's marker stays";
  ExpectEveryOpenClosed();
}

TEST_F(Stopping, AChordShowStoppedInItsStrumResetsTheChord) {
  clock.duringWait = [&](int wait) {
    if (wait == 0) Key(Qt::Key_Escape);
  };
  DoubleClickEntry(ChordList(), 0);  // "M(Major)"
  EXPECT_EQ(output.Sounds().size(), 1u);
  EXPECT_EQ(g_currentChord, Chord{});
  EXPECT_EQ(g_stringCursor, 0);
  EXPECT_FALSE(View()->Markers().empty());
}

TEST_F(StoppingTheSequence, ACloseDuringADisplayStopsItThenAsksAboutUnsavedChords) {
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Cancel;
  clock.duringWait = [&](int wait) {
    if (wait == 0) dlg->close();
  };
  Choose(ID_PLAY_ALL);
  EXPECT_EQ(output.Sounds().size(), 1u);
  EXPECT_EQ(prompts.unsavedQuestions, 1);
  EXPECT_TRUE(dlg->isVisible()) << "cancelled";

  prompts.unsavedAnswer = Prompts::UnsavedChoice::Discard;
  output.calls.clear();
  clock.waits.clear();
  Choose(ID_PLAY_ALL);
  EXPECT_EQ(output.Sounds().size(), 1u);
  EXPECT_EQ(prompts.unsavedQuestions, 2);
  EXPECT_FALSE(dlg->isVisible());
}

// On the real clock, with input delivered through the window system's
// queue as the desktop delivers it.
TEST(RealStopping, EscapeFromTheWindowSystemStopsTheDisplay) {
  ResetChordState();
  FakeClock stamps;  // only stamps the recorded events; the waits are real
  RecordingOutput output(stamps);
  TestDialog dlg(output, EventLoopTiming());
  dlg.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
  dlg.SetNoteLength(50);  // 0.5 s a note, 10 s for the whole display
  CComboList& scaleList = ChildOf<CComboList>(dlg, "scaleList");
  ChildOf<CComboList>(dlg, "rootList").SetCurSel(0);  // C
  scaleList.SetCurSel(1);                             // "MAJOR (Ionian)"

  QWindow* window = dlg.windowHandle();
  QWidget& client = ChildOf<QWidget>(dlg, "clientArea");
  using Async = QWindowSystemInterface::AsynchronousDelivery;
  const auto click = [&](QPoint clientPoint) {
    const QPoint at = client.mapTo(&dlg, clientPoint);
    const QPointF global = window->mapToGlobal(at);
    QWindowSystemInterface::handleMouseEvent<Async>(window, at, global, Qt::LeftButton,
                                                   Qt::LeftButton, QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<Async>(window, at, global, Qt::NoButton,
                                                   Qt::LeftButton, QEvent::MouseButtonRelease);
  };
  int opens = 0;
  output.onOpen = [&] {
    if (++opens != 3) return;
    click({g_fretX[5], g_stringY[2]});  // before the Escape: dropped
    QWindowSystemInterface::handleKeyEvent<Async>(window, QEvent::KeyPress, Qt::Key_Escape,
                                                 Qt::NoModifier);
    QWindowSystemInterface::handleKeyEvent<Async>(window, QEvent::KeyRelease, Qt::Key_Escape,
                                                 Qt::NoModifier);
    click({g_fretX[3], g_stringY[0]});  // after it: handled
  };

  const auto started = SoundClock::now();
  emit scaleList.Notify(CBN_DBLCLK);  // as the list reports a double-click
  QTRY_COMPARE(output.Notes().size(), std::size_t{4});
  output.onOpen = nullptr;
  EXPECT_LT(SoundClock::now() - started, std::chrono::seconds(5)) << "the display was not stopped";
  EXPECT_EQ(output.Notes(), (std::vector<int>{48, 50, 48, 67}));
  EXPECT_EQ(dlg.FromFretSelection(), 3);
  EXPECT_TRUE(dlg.isVisible());
}

}  // namespace
}  // namespace fretlab::testing
