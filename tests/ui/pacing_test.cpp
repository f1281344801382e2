// Input that arrives while notes sound waits for the display to end, and
// every way of ending the window passes the one question.

#include <QAction>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include "ui/command_ids.h"
#include "ui/event_loop_timing.h"
#include "ui/input_hold.h"
#include "ui_test_support.h"

namespace fretlab::testing {
namespace {

// Root C, "MAJOR (Ionian)", Auto Root: 20 notes (see the window tests).
const std::vector<int> kCMajorNotes = {48, 50, 48, 50, 52, 53, 55, 57, 59, 60,
                                       62, 64, 65, 67, 67, 69, 71, 72, 74, 76};

class DuringADisplay : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    ClickEntry(RootList(), 0);
  }
  std::vector<int> FirstNotes(std::size_t count) const {
    std::vector<int> notes = output.Notes();
    notes.resize(std::min(count, notes.size()));
    return notes;
  }
};

TEST_F(DuringADisplay, AClickOnTheNeckIsHandledAfterIt) {
  std::vector<int> autoRootWhileSounding;
  clock.duringWait = [&](int wait) {
    if (wait == 3) ClickClient({g_fretX[5], g_stringY[2]});
    if (wait > 3 && wait < 20) autoRootWhileSounding.push_back(dlg->AutoRoot());
  };
  DoubleClickEntry(ScaleList(), 1);
  std::vector<int> expected = kCMajorNotes;
  expected.push_back(60);
  EXPECT_EQ(output.Notes(), expected);
  EXPECT_EQ(autoRootWhileSounding, std::vector<int>(16, 1));
  EXPECT_EQ(dlg->AutoRoot(), 0);
  EXPECT_EQ(FromFretList().GetCurSel(), 5);
  // Middle C under the root C carries the letter.
  EXPECT_EQ(View()->Markers().back(), (Marker{2, 5, true}));
}

// Held clicks and keys are handed on as the desktop delivers them: a click
// into a field gives it the focus, and the keys typed after it land there.
TEST_F(DuringADisplay, AClickIntoAFieldFocusesItAndKeysFollowIt) {
  QWidget* edit = FromFretList().Edit();
  const QPoint at = edit->mapTo(dlg.get(), edit->rect().center());
  ASSERT_FALSE(edit->hasFocus());
  bool focusedWhileSounding = true;
  clock.duringWait = [&](int wait) {
    if (wait == 2) {
      QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, at);
      QTest::keyClick(Window(), Qt::Key_End);
      QTest::keyClick(Window(), Qt::Key_Backspace);
      QTest::keyClick(Window(), Qt::Key_7);
    }
    if (wait == 3) focusedWhileSounding = edit->hasFocus();
  };
  DoubleClickEntry(ScaleList(), 1);
  EXPECT_FALSE(focusedWhileSounding);
  EXPECT_EQ(FirstNotes(20), kCMajorNotes);
  EXPECT_TRUE(edit->hasFocus());
  EXPECT_TRUE(FromFretList().Edit()->text().endsWith(QLatin1Char('7')));
}

// Pointer moves held during a long display are kept as the last one only;
// anything else between them keeps both.
TEST_F(DuringADisplay, HeldPointerMovesShrinkToTheLast) {
  QWidget* client = ClientArea();
  const auto move = [&](QPoint at, Qt::MouseButtons buttons, QObject* receiver) {
    return HeldEvent{receiver, std::make_unique<QMouseEvent>(
                                   QEvent::MouseMove, QPointF(at), QPointF(at), Qt::NoButton,
                                   buttons, Qt::NoModifier)};
  };
  const HeldEvent first = move({10, 10}, Qt::NoButton, client);
  EXPECT_TRUE(CInputHold::Supersedes(move({20, 10}, Qt::NoButton, client), first));
  EXPECT_FALSE(CInputHold::Supersedes(move({20, 10}, Qt::LeftButton, client), first));
  EXPECT_FALSE(CInputHold::Supersedes(move({20, 10}, Qt::NoButton, dlg.get()), first));
  const HeldEvent press{client, std::make_unique<QMouseEvent>(
                                    QEvent::MouseButtonPress, QPointF(20, 10), QPointF(20, 10),
                                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier)};
  EXPECT_FALSE(CInputHold::Supersedes(move({20, 10}, Qt::LeftButton, client), press));
  EXPECT_FALSE(CInputHold::Supersedes(press, first));

  // In the window: the status shows where the pointer went last.
  clock.duringWait = [&](int wait) {
    if (wait != 4) return;
    for (int x = 100; x < 400; ++x) MoveClient({x, g_stringY[3]});
  };
  // Started as the list reports a double-click, so that no button is down.
  ScaleList().SetCurSel(1);
  emit ScaleList().Notify(CBN_DBLCLK);
  EXPECT_EQ(output.Notes(), kCMajorNotes);
  EXPECT_EQ(StatusNumber().text(), QStringLiteral("399"));
  EXPECT_EQ(StatusText().text(), QString::number(g_stringY[3]));
}

TEST_F(DuringADisplay, ADoubleClickOnAnotherScaleClearsAndShowsItAfterwards) {
  clock.duringWait = [&](int wait) {
    if (wait == 2) DoubleClickEntry(ScaleList(), 2);
  };
  DoubleClickEntry(ScaleList(), 1);
  EXPECT_EQ(FirstNotes(20), kCMajorNotes);
  EXPECT_GT(output.Notes().size(), 20u);
  EXPECT_EQ(StatusNumber().text(), "2");
  EXPECT_EQ(StatusText().text(), "Mixolydian");
  // The second display cleared the first: C major's B at (3, 9) is not in
  // C Mixolydian.
  for (const Marker& m : View()->Markers()) EXPECT_FALSE(m.string == 3 && m.fret == 9);
}

// Escape during a display stops it (stopping_test.cpp) instead of ending
// the window.
TEST_F(DuringADisplay, EscapeStopsItAndTheWindowStays) {
  clock.duringWait = [&](int wait) {
    if (wait == 0) Key(Qt::Key_Escape);
  };
  DoubleClickEntry(ScaleList(), 1);
  EXPECT_EQ(output.Notes(), std::vector<int>{48});
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(dlg->endQuestions, 0);
}

TEST_F(DuringADisplay, TheWindowManagersCloseStopsItThenEnds) {
  clock.duringWait = [&](int wait) {
    if (wait == 5) dlg->close();
  };
  DoubleClickEntry(ScaleList(), 1);
  EXPECT_EQ(output.Notes(), std::vector<int>(kCMajorNotes.begin(), kCMajorNotes.begin() + 6));
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(dlg->endQuestions, 1);
}

TEST_F(DuringADisplay, CommandsQueueInTheOrderTheyCame) {
  clock.duringWait = [&](int wait) {
    if (wait == 0) {
      dlg->SendCommand(ID_TEMPO_SLOW);
      ClickClient({g_fretX[5], g_stringY[2]});
      dlg->SendCommand(ID_SOUND_OFF);
    }
  };
  DoubleClickEntry(ScaleList(), 1);
  const auto sounds = output.Sounds();
  ASSERT_EQ(sounds.size(), 21u);
  EXPECT_EQ(sounds[19].closedAt - sounds[19].openedAt, 150);  // the display's own tempo
  EXPECT_EQ(sounds[20].notes, std::vector<int>{60});
  EXPECT_EQ(sounds[20].closedAt - sounds[20].openedAt, 200);  // slow, set before the click
  EXPECT_EQ(dlg->NoteLength(), 0);                           // off, set after it
}

TEST(EventLoopWait, RunsOtherEventsAndReturnsAtTheDeadline) {
  bool timerRan = false;
  QTimer::singleShot(0, [&] { timerRan = true; });
  const auto deadline = SoundClock::now() + std::chrono::milliseconds(20);
  EXPECT_TRUE(WaitRunningEvents(deadline));
  EXPECT_TRUE(timerRan);
  EXPECT_GE(SoundClock::now(), deadline);
}

// The program's own waiting, on the real clock: a press that reaches the
// window system while notes sound stays in its queue until the display has
// ended, and is then handled like any other.
TEST(RealWaiting, WindowSystemInputWaitsForTheDisplayToEnd) {
  ResetChordState();
  FakeClock stamps;  // only stamps the recorded events; the waits are real
  RecordingOutput output(stamps);
  output.noteOnsOnly = true;
  TestDialog dlg(output, EventLoopTiming());
  dlg.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
  dlg.SetNoteLength(2);  // 20 ms a note, 0.4 s for the whole display
  CComboList& scaleList = ChildOf<CComboList>(dlg, "scaleList");
  ChildOf<CComboList>(dlg, "rootList").SetCurSel(0);  // C
  scaleList.SetCurSel(1);                             // "MAJOR (Ionian)"

  QWindow* window = dlg.windowHandle();
  const QPoint gString5 =
      ChildOf<QWidget>(dlg, "clientArea").mapTo(&dlg, QPoint(g_fretX[5], g_stringY[2]));
  const QPointF global = window->mapToGlobal(gString5);
  int opens = 0;
  std::vector<int> autoRootAtOpen;
  output.onOpen = [&] {
    autoRootAtOpen.push_back(dlg.AutoRoot());
    if (++opens != 3) return;
    using Async = QWindowSystemInterface::AsynchronousDelivery;
    QWindowSystemInterface::handleMouseEvent<Async>(window, gString5, global, Qt::LeftButton,
                                                   Qt::LeftButton, QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<Async>(window, gString5, global, Qt::NoButton,
                                                   Qt::LeftButton, QEvent::MouseButtonRelease);
  };

  emit scaleList.Notify(CBN_DBLCLK);  // as the list reports a double-click
  QTRY_COMPARE(output.Notes().size(), kCMajorNotes.size() + 1);
  output.onOpen = nullptr;
  // The press was handled after the display's last note, not among them.
  std::vector<int> notes = output.Notes();
  notes.pop_back();
  EXPECT_EQ(notes, kCMajorNotes);
  std::vector<int> expectedAutoRoot(kCMajorNotes.size(), 1);
  expectedAutoRoot.push_back(0);  // the press's own note, after it turned Auto Root off
  EXPECT_EQ(autoRootAtOpen, expectedAutoRoot);
  EXPECT_EQ(output.Notes().back(), 60);
  EXPECT_EQ(dlg.AutoRoot(), 0);
  EXPECT_EQ(dlg.FromFretSelection(), 5);
}

using Ending = DialogTest;

TEST_F(Ending, EscapeEndsTheDialog) {
  Key(Qt::Key_Escape);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(dlg->result(), QDialog::Rejected);
  EXPECT_EQ(dlg->endQuestions, 1);
}

TEST_F(Ending, EnterEndsTheDialog) {
  Key(Qt::Key_Return);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  EXPECT_EQ(dlg->endQuestions, 1);
}

TEST_F(Ending, EnterOnTheKeypadEndsTheDialog) {
  Key(Qt::Key_Enter);
  EXPECT_FALSE(dlg->isVisible());
}

TEST_F(Ending, FileCloseEndsTheDialog) {
  ActionById(ID_APP_EXIT)->trigger();
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(dlg->endQuestions, 1);
}

TEST_F(Ending, EveryWayAsksFirstAndCanBeRefused) {
  dlg->allowEnd = false;
  Key(Qt::Key_Escape);
  Key(Qt::Key_Return);
  ActionById(ID_APP_EXIT)->trigger();
  dlg->close();
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(dlg->endQuestions, 4);
}

}  // namespace
}  // namespace fretlab::testing
