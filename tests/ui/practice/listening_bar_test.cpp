// The listening bar of the real Practice window, through the fake capture:
// listening only when switched on (and remembered), the sound server's
// inputs by description, the level meter and the indicator, and one line
// in the window when there is no input, the stream is refused or the input
// goes away, while practice goes on.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>

#include "listening_fixture.h"

namespace fretlab::testing {
namespace {

QAction* ListenAction(QMainWindow& window) {
  for (QAction* menu : window.menuBar()->actions()) {
    for (QAction* action : menu->menu()->actions()) {
      if (action->text() == QStringLiteral("&Listen to my guitar")) return action;
    }
  }
  return nullptr;
}

TEST_F(ListeningTest, NothingIsCapturedUntilTheSwitchIsOnAndTheChoiceIsRemembered) {
  EXPECT_EQ(Bar().listenSwitch()->text(), QStringLiteral("Listen to my guitar"));
  EXPECT_FALSE(Bar().listenSwitch()->isChecked());
  EXPECT_EQ(capture.starts, 0);
  EXPECT_FALSE(Bar().indicator()->isVisible());
  EXPECT_FALSE(Bar().singleNotesLabel()->isVisible());

  Listen();
  EXPECT_EQ(capture.startedSource, "");  // the system's default input
  EXPECT_EQ(capture.startedRate, PracticeListening::kSampleRate);
  EXPECT_TRUE(Bar().indicator()->isVisible());
  EXPECT_EQ(Bar().indicator()->accessibleName(), QStringLiteral("Listening"));
  EXPECT_TRUE(Bar().singleNotesLabel()->isVisible());
  EXPECT_TRUE(Bar().singleNotesLabel()->text().contains(QStringLiteral("Single notes only")));
  // The sources by their description, the default first and said to be so.
  QComboBox* inputs = Bar().inputBox();
  ASSERT_EQ(inputs->count(), 3);
  EXPECT_EQ(inputs->itemText(1), QStringLiteral("Guitar Interface (the default)"));
  EXPECT_EQ(inputs->itemText(2), QStringLiteral("Built-in Audio"));
  EXPECT_EQ(inputs->currentIndex(), 0);

  // Another input: listening moves to it at once.
  inputs->setCurrentIndex(2);
  emit inputs->activated(2);
  EXPECT_EQ(capture.startedSource, "alsa_input.pci");
  EXPECT_TRUE(capture.Capturing());

  Reopen();
  EXPECT_TRUE(Bar().listenSwitch()->isChecked());
  EXPECT_TRUE(capture.Capturing());
  EXPECT_EQ(capture.startedSource, "alsa_input.pci");
  EXPECT_EQ(Bar().inputBox()->currentText(), QStringLiteral("Built-in Audio"));

  // From the menu (and its shortcut), as from the switch.
  QAction* listen = ListenAction(*window);
  ASSERT_NE(listen, nullptr);
  EXPECT_TRUE(listen->isChecked());
  EXPECT_EQ(listen->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
  Key(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_FALSE(capture.Capturing());
  EXPECT_FALSE(Bar().listenSwitch()->isChecked());
  EXPECT_FALSE(listen->isChecked());
  EXPECT_FALSE(Bar().indicator()->isVisible());
  const int starts = capture.starts;
  Reopen();
  EXPECT_FALSE(capture.Capturing());
  EXPECT_EQ(capture.starts, starts);
}

TEST_F(ListeningTest, TheMeterFollowsTheInputAndTheWindowFitsTheTuning) {
  Listen();
  EXPECT_EQ(Bar().levelMeter()->value(), ListeningBar::kMeterFloorDb);
  std::vector<int> levels;
  QObject::connect(&Ear(), &PracticeListening::levelChanged, [&](double db) { levels.push_back(int(db)); });
  Play({{57, 0.1, 0.5, 100}}, 0.4);
  EXPECT_NEAR(levels.size(), 0.4 / LiveListening::kLevelSeconds, 2);
  EXPECT_GT(Bar().levelMeter()->value(), -30) << "a note sounds at the end";
  EXPECT_EQ(Bar().levelMeter()->accessibleName(), QStringLiteral("Input level in dB"));

  // A bass's strings need a longer window: listening starts again for it,
  // and not for another guitar tuning.
  const int starts = capture.starts;
  Choose([](PracticeChoices& c) { c.view.tuning = *FindPresetTuning("Bass"); });
  EXPECT_EQ(capture.starts, starts + 1);
  EXPECT_TRUE(capture.Capturing());
  Choose([](PracticeChoices& c) { c.view.tuning = *FindPresetTuning("Bass"); c.view.capo = 3; });
  EXPECT_EQ(capture.starts, starts + 1);
  // A start again that the server refuses ends listening with its line.
  capture.refuseWith = "The sound server refused the input \"Guitar Interface\": choose another.";
  Choose([](PracticeChoices& c) { c.view.tuning = *FindPresetTuning("Standard"); });
  EXPECT_FALSE(capture.Capturing());
  EXPECT_FALSE(Bar().listenSwitch()->isChecked());
  EXPECT_EQ(Bar().messageLabel()->text().toStdString(), capture.refuseWith);
}

TEST_F(ListeningTest, NoInputOrARefusedStreamGivesOneLineAndPracticeGoesOn) {
  capture.sources.clear();
  capture.refuseWith = "No input to listen to: plug in a microphone or a guitar interface.";
  QTest::mouseClick(Bar().listenSwitch(), Qt::LeftButton);
  EXPECT_FALSE(capture.Capturing());
  EXPECT_FALSE(Bar().listenSwitch()->isChecked());
  EXPECT_FALSE(Bar().indicator()->isVisible());
  EXPECT_TRUE(Bar().messageLabel()->isVisible());
  EXPECT_EQ(Bar().messageLabel()->text().toStdString(), capture.refuseWith);

  // The mouse still answers a drill.
  StartRound(QuestionKind::kFindNote, 1);
  const std::vector<Position> targets = Current().targets;
  for (const Position& p : targets) ClickNeck(p);
  EXPECT_FALSE(drills.session().Running());
  EXPECT_EQ(drills.session().round()->Summarize().right, static_cast<int>(targets.size()));

  Reopen();  // not remembered as listening (the drills are the old window's from here)
  EXPECT_EQ(capture.starts, 1);

  // Once the input is there, switching on again works and the line goes.
  capture.sources = {{"alsa_input.usb", "Guitar Interface", true}};
  capture.refuseWith.clear();
  QTest::mouseClick(Bar().listenSwitch(), Qt::LeftButton);
  EXPECT_TRUE(capture.Capturing());
  EXPECT_FALSE(Bar().messageLabel()->isVisible());
}

TEST_F(ListeningTest, AnInputThatGoesAwayEndsListeningWithOneLine) {
  Listen();
  StartRound(QuestionKind::kNameNote, 2);
  capture.Fail("The input \"Guitar Interface\" is gone: plug it in again or choose another input.");
  QCoreApplication::processEvents();
  EXPECT_FALSE(capture.Capturing());
  EXPECT_EQ(capture.stops, 1);
  EXPECT_FALSE(Bar().listenSwitch()->isChecked());
  EXPECT_FALSE(Bar().indicator()->isVisible());
  EXPECT_EQ(Bar().messageLabel()->text(),
            QStringLiteral("The input \"Guitar Interface\" is gone: plug it in again or choose another input."));
  // The round goes on, answered from the keyboard.
  ASSERT_TRUE(drills.session().Running());
  Type(Current().asked);
  Key(Qt::Key_Return);
  EXPECT_EQ(drills.session().round()->Summarize().right, 1);
  // Nothing more comes from a capture that ended.
  Hear(RenderNotes(24, {{Current().pitch, 0.1, 0.5, 100}}, 0.8));
  EXPECT_EQ(drills.session().round()->Summarize().answers, 1);
}

}  // namespace
}  // namespace fretlab::testing
