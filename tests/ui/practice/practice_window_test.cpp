// The Practice window as a user meets it: controls that update the neck at
// once and silently, clicks that sound, Play and Strum that never block and
// stop at Escape, shortcuts, Tab order and accessible names, and settings
// that come back at the next start.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <set>

#include "support/timed_output.h"
#include "ui/practice/practice_fixture.h"
#include "support/qt_temp_dir.h"

namespace fretlab::testing {
namespace {

using namespace std::chrono_literals;

TEST_F(PracticeTest, ControlsUpdateTheNeckAtOnceWithoutSound) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Fretlab Practice"));
  EXPECT_EQ(Neck().picture().marks.size(), 90u);  // C major, whole standard neck
  Controls().rootBox()->setCurrentIndex(9);        // A
  Controls().kindBox()->setCurrentIndex(0);
  Controls().entryBox()->setCurrentIndex(10);      // Minor pentatonic
  EXPECT_EQ(window->view().Title(), "A minor pentatonic \u2014 Standard");
  for (const NeckMark& m : Neck().picture().marks) {
    const int pc = m.note % 12;
    EXPECT_TRUE(pc == 9 || pc == 0 || pc == 2 || pc == 4 || pc == 7) << m.note;
  }
  Controls().capoBox()->setValue(5);
  for (const NeckMark& m : Neck().picture().marks) EXPECT_GE(m.position.fret, 5);
  EXPECT_EQ(Neck().picture().capo, 5);
  Controls().tuningBox()->setCurrentIndex(9);  // 7-string
  EXPECT_EQ(Neck().picture().tuning.StringCount(), 7);
  bool seventh = false;
  for (const NeckMark& m : Neck().picture().marks) seventh |= m.position.string == 6;
  EXPECT_TRUE(seventh);
  Controls().labelsBox()->setCurrentIndex(1);
  for (const NeckMark& m : Neck().picture().marks) {
    EXPECT_EQ(m.label == "R", m.root) << m.label;
  }
  EXPECT_TRUE(output.calls.empty()) << "changing the view sounded something";
}

TEST_F(PracticeTest, TypedTuningsAreTakenOrRefusedWithAReason) {
  QLineEdit* notes = Controls().tuningNotesEdit();
  notes->setText(QStringLiteral("D2 A2 D3 G3 B3 E4"));
  emit notes->editingFinished();
  EXPECT_EQ(window->view().tuning.name, "Drop D");
  EXPECT_EQ(Controls().tuningBox()->currentIndex(), 1);
  notes->setText(QStringLiteral("C2 G2 D3 A3 E4"));
  emit notes->editingFinished();
  EXPECT_EQ(window->view().tuning.StringCount(), 5);
  EXPECT_EQ(Controls().tuningBox()->currentIndex(), Controls().tuningBox()->count() - 1);
  EXPECT_EQ(Neck().picture().tuning.StringCount(), 5);
  notes->setText(QStringLiteral("C2 G2 X3"));
  emit notes->editingFinished();
  EXPECT_EQ(window->view().tuning.StringCount(), 5);  // kept
  bool shown = false;
  for (QLabel* label : Controls().findChildren<QLabel*>()) {
    shown |= label->isVisible() && label->text().contains(QStringLiteral("\"X3\""));
  }
  EXPECT_TRUE(shown);
}

TEST_F(PracticeTest, ARefusedTypedTuningIsQuotedSafelyAndKeptShort) {
  QLineEdit* notes = Controls().tuningNotesEdit();
  const auto shownError = [this] {
    QString text;
    for (QLabel* label : Controls().findChildren<QLabel*>()) {
      if (label->isVisible() && label->text().startsWith(QStringLiteral("Not a tuning"))) text = label->text();
    }
    return text;
  };
  notes->setText(QStringLiteral("C2 G2\u202E X3"));
  emit notes->editingFinished();
  EXPECT_EQ(shownError(), QStringLiteral("Not a tuning: not a tuning \"C2 G2\\u{202E} X3\"; choose 4 "
                                         "to 8 notes, lowest string first, such as \"D2 A2 D3 G3 "
                                         "B3 E4\"."));
  notes->setText(QString(100'000, QLatin1Char('x')));
  emit notes->editingFinished();
  const QString error = shownError();
  EXPECT_TRUE(error.contains(QString(200, QLatin1Char('x')) + QStringLiteral("\u2026\""))) << error.left(300).toStdString();
  EXPECT_LT(error.size(), 400);
}

TEST_F(PracticeTest, AClickSoundsThePositionAndTheWindowDoesNotWait) {
  ClickNeck({2, 5});
  EXPECT_EQ(output.calls, (std::vector<OutputCall>{Open(0), Send(NoteOnMessage(60), 0)}));
  EXPECT_TRUE(window->player().isPlaying());  // the click returned while the note sounds
  EXPECT_EQ(Neck().picture().highlights.count({2, 5}), 1u);
  Wait(600ms);  // twice the note length of 300 ms
  EXPECT_EQ(output.calls.back(), Close(600));
  EXPECT_TRUE(Neck().picture().highlights.empty());
  Choose([](PracticeChoices& c) { c.view.capo = 3; });
  output.calls.clear();
  ClickNeck({2, 1});  // behind the capo
  EXPECT_TRUE(output.calls.empty());
}

TEST_F(PracticeTest, PlayWalksUpAndBackWithTheMarksAndEscapeStopsAtOnce) {
  Choose([](PracticeChoices& c) {
    c.wholeNeck = false;
    c.fretBox = {5, 5};  // A E C G D A over the six strings
    c.noteLengthMs = 200;
  });
  QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(SentNotes(), (std::vector<int>{45}));  // the lowest, A2
  EXPECT_EQ(Neck().picture().highlights.count({5, 5}), 1u);
  for (int i = 0; i < 4; ++i) Wait(200ms);
  EXPECT_EQ(SentNotes(), (std::vector<int>{45, 50, 55, 60, 64}));
  EXPECT_EQ(Neck().picture().highlights.count({1, 5}), 1u);
  clock.Advance(50ms);
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_EQ(output.calls.back(), Close(850));
  EXPECT_FALSE(window->player().isPlaying());
  EXPECT_TRUE(Neck().picture().highlights.empty());
  Wait(2s);
  EXPECT_EQ(SentNotes().size(), 5u);  // nothing after Stop

  // To the end: up to the top and down again, the top once.
  output.calls.clear();
  window->playShown();
  for (int i = 0; i < 12; ++i) Wait(200ms);
  EXPECT_EQ(SentNotes(), (std::vector<int>{45, 50, 55, 60, 64, 69, 64, 60, 55, 50, 45}));
  EXPECT_FALSE(window->player().isPlaying());
}

TEST_F(PracticeTest, StrumSoundsTheShownChordInOneOpen) {
  Choose([](PracticeChoices& c) {
    c.view.kind = ChoiceKind::kChord;
    c.view.entry = 0;  // C major triad
    c.wholeNeck = false;
    c.fretBox = {0, 3};
  });
  QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
  for (int i = 0; i < 6; ++i) Wait(25ms);
  EXPECT_EQ(SentNotes(), (std::vector<int>{40, 48, 52, 55, 60, 64}));
  int opens = 0;
  for (const OutputCall& c : output.calls) opens += c.kind == OutputCall::kOpen;
  EXPECT_EQ(opens, 1);
  Wait(2s);
  EXPECT_EQ(output.calls.back().kind, OutputCall::kClose);
}

TEST_F(PracticeTest, ShortcutsForTheCommonSwitches) {
  QTest::keyClick(window.get(), Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(window->view().rootPitchClass, 1);
  EXPECT_EQ(window->view().Title(), "D\u266D major \u2014 Standard");
  QTest::keyClick(window.get(), Qt::Key_Down, Qt::ControlModifier);
  QTest::keyClick(window.get(), Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(window->view().rootPitchClass, 11);
  QTest::keyClick(window.get(), Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(window->view().entry, 2);  // Mixolydian
  QTest::keyClick(window.get(), Qt::Key_Left, Qt::ControlModifier);
  QTest::keyClick(window.get(), Qt::Key_Left, Qt::ControlModifier);
  QTest::keyClick(window.get(), Qt::Key_Left, Qt::ControlModifier);
  const int last = static_cast<int>(Scales().size()) - 1;
  EXPECT_EQ(window->view().entry, last);  // wrapped round to the catalogue's last scale
  QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(window->view().labels, LabelMode::kIntervals);
  QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
  EXPECT_TRUE(window->view().leftHanded);
  EXPECT_TRUE(Neck().picture().leftHanded);
  QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
  EXPECT_FALSE(window->view().leftHanded);
  EXPECT_EQ(Controls().entryBox()->currentIndex(), last);  // the controls follow
}

TEST_F(PracticeTest, EveryControlHasANameAndTabReachesIt) {
  std::set<QWidget*> reached;
  QWidget* start = &window->neck();
  start->setFocus();
  QWidget* w = start;
  for (int i = 0; i < 200; ++i) {
    w = w->nextInFocusChain();
    if (w == start) break;
    if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) reached.insert(w);
  }
  const QList<QWidget*> controls = window->findChildren<QWidget*>();
  int checked = 0;
  for (QWidget* c : controls) {
    const bool input = qobject_cast<QComboBox*>(c) || qobject_cast<QSpinBox*>(c) ||
                       qobject_cast<QCheckBox*>(c) || qobject_cast<QLineEdit*>(c) ||
                       qobject_cast<QAbstractButton*>(c);
    if (!input || !c->isVisibleTo(window.get()) || qobject_cast<QLineEdit*>(c->parentWidget())) continue;
    if (qobject_cast<QLineEdit*>(c) && qobject_cast<QSpinBox*>(c->parentWidget())) continue;
    if (!c->isVisible()) continue;  // on a page not shown
    ++checked;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << c->metaObject()->className();
    if (c->isEnabled() && (c->focusPolicy() & Qt::TabFocus)) {
      EXPECT_EQ(reached.count(c), 1u) << a->text(QAccessible::Name).toStdString();
    }
  }
  EXPECT_GE(checked, 16);
  EXPECT_EQ(reached.count(&window->neck()), 0u);  // the start itself
  EXPECT_TRUE(window->neck().focusPolicy() & Qt::TabFocus);
}

TEST_F(PracticeTest, ChoicesComeBackAtTheNextStart) {
  Controls().tuningBox()->setCurrentIndex(5);  // DADGAD
  Controls().capoBox()->setValue(2);
  Controls().rootBox()->setCurrentIndex(9);
  Controls().entryBox()->setCurrentIndex(3);  // Dorian
  Controls().labelsBox()->setCurrentIndex(2);
  Choose([](PracticeChoices& c) {
    c.view.leftHanded = true;
    c.view.preference = Accidentals::kFlats;
    c.view.spacing = FretSpacing::kEven;
    c.wholeNeck = false;
    c.fretBox = {3, 9};
    c.noteLengthMs = 450;
  });
  window->resize(1111, 555);
  const PracticeChoices before = Controls().choices();
  Reopen();
  const PracticeChoices after = Controls().choices();
  EXPECT_EQ(after.view.tuning.name, "DADGAD");
  EXPECT_EQ(after.view.capo, 2);
  EXPECT_EQ(after.view.rootPitchClass, 9);
  EXPECT_EQ(after.view.entry, 3);
  EXPECT_EQ(after.view.labels, LabelMode::kDegrees);
  EXPECT_TRUE(after.view.leftHanded);
  EXPECT_EQ(after.view.preference, Accidentals::kFlats);
  EXPECT_EQ(after.view.spacing, FretSpacing::kEven);
  EXPECT_FALSE(after.wholeNeck);
  EXPECT_EQ(after.fretBox, (FretRange{3, 9}));
  EXPECT_EQ(after.noteLengthMs, 450);
  EXPECT_EQ(window->view().Title(), before.EffectiveView().Title());
  EXPECT_EQ(window->size(), QSize(1111, 555));
  EXPECT_TRUE(Neck().picture().leftHanded);
  EXPECT_EQ(Neck().picture().frets, (FretRange{3, 9}));
  // Written where it was asked to be, not in the user's own settings.
  EXPECT_TRUE(QFile::exists(settingsPath));
}

TEST_F(PracticeTest, AnEditedSettingsFileFallsBackValueByValue) {
  window->close();
  window.reset();
  {
    QSettings s(settingsPath, QSettings::IniFormat);
    s.setValue(QStringLiteral("Practice/capo"), 99);
    s.setValue(QStringLiteral("Practice/tuning"), QStringLiteral("Banjo-ish"));
    s.setValue(QStringLiteral("Practice/entry"), QStringLiteral("Blues"));
    s.setValue(QStringLiteral("Practice/labels"), QStringLiteral("colours"));
    s.setValue(QStringLiteral("Practice/fretsFrom"), 9);
    s.setValue(QStringLiteral("Practice/fretsTo"), 3);
    s.setValue(QStringLiteral("Practice/leftHanded"), QStringLiteral("maybe"));
    s.setValue(QStringLiteral("Practice/root"), 4);
  }
  OpenWindow();
  const PracticeChoices c = Controls().choices();
  EXPECT_EQ(c.view.capo, 0);
  EXPECT_EQ(c.view.tuning.name, "Standard");
  EXPECT_EQ(c.view.entry, 11);  // the readable values are kept
  EXPECT_EQ(c.view.rootPitchClass, 4);
  EXPECT_EQ(c.view.labels, LabelMode::kNoteNames);
  EXPECT_EQ(c.fretBox, (FretRange{0, 4}));
  EXPECT_FALSE(c.view.leftHanded);
}

}  // namespace
}  // namespace fretlab::testing

namespace fretlab::testing {
namespace {

// On the real clock: the window's timer walks the notes on time while the
// event loop keeps running.
TEST(PracticeWindowTimer, PlaysOnTheRealClockWithoutBlocking) {
  QtTempDir dir;
  QSettings settings(dir.filePath(QStringLiteral("t.conf")), QSettings::IniFormat);
  TimedOutput output;
  FakeCapture capture;
  PracticeWindow window(output, capture, settings);
  PracticeChoices c = window.controls()->choices();
  c.wholeNeck = false;
  c.fretBox = {5, 5};
  c.noteLengthMs = kMinNoteLengthMs;
  window.controls()->setChoices(c);
  emit window.controls()->choicesChanged();
  window.show();
  window.playShown();
  int turns = 0;  // event loop turns while playing: the window is never held up
  while (window.player().isPlaying() && turns < 100000) {
    QTest::qWait(5);
    ++turns;
  }
  ASSERT_EQ(output.sends.size(), 11u);
  EXPECT_GT(turns, 50);
  for (std::size_t i = 1; i < output.sends.size(); ++i) {
    // On the schedule's grid from the first note: never early (a busy
    // machine may make a note late, which does not move the others).
    const auto since = std::chrono::duration_cast<std::chrono::microseconds>(output.sends[i] - output.sends[0]);
    EXPECT_GE(since.count(), static_cast<long long>(i) * 100000 - 500) << i;
  }
  EXPECT_EQ(output.closes, 11);
}

}  // namespace
}  // namespace fretlab::testing

namespace fretlab::testing {
namespace {

TEST_F(PracticeTest, HoveringShowsTheNoteWithoutSound) {
  QTest::mouseMove(&Neck(), CentreOf({2, 5}));
  EXPECT_EQ(window->statusBar()->currentMessage(),
            QStringLiteral("C4 \u2014 string 3, G string, fret 5 \u2014 root"));
  EXPECT_EQ(Neck().picture().hover, (Position{2, 5}));
  QTest::mouseMove(&Neck(), CentreOf({0, 1}));
  EXPECT_EQ(window->statusBar()->currentMessage(),
            QStringLiteral("F4 \u2014 string 1, E string, fret 1 \u2014 perfect fourth"));
  EXPECT_TRUE(output.calls.empty());
}

}  // namespace
}  // namespace fretlab::testing
