// The Drills mode in the real Practice window: a whole round from the
// keyboard alone, feedback on the neck and in sound, answers from a MIDI
// instrument through the input seam, and the progress view.

#include "ui/practice/drill_mode.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTabWidget>
#include <set>
#include <unistd.h>

#include "drill_fixture.h"
#include "practice/drill_marks.h"
#include "support/fed_midi_input.h"
#include "theory/spelling.h"
#include "sound/backends/alsa_midi_output.h"
#include "ui/practice/progress_panel.h"

namespace fretlab::testing {
namespace {

TEST_F(DrillTest, AWholeRoundFromTheKeyboardAlone) {
  Key(Qt::Key_D, Qt::AltModifier);
  ASSERT_TRUE(drills.isActive());
  EXPECT_EQ(window->modeArea()->tabText(2), QStringLiteral("&Drills"));
  ASSERT_EQ(Focus(), drills.ui().choice()->drillBox());
  Key(Qt::Key_Down);
  EXPECT_EQ(drills.ui().choice()->drillBox()->currentIndex(), static_cast<int>(QuestionKind::kNameNote));
  Key(Qt::Key_Tab);
  ASSERT_EQ(Focus(), drills.ui().choice()->stringsField());
  Type("1-3");
  Key(Qt::Key_Tab);
  ASSERT_EQ(Focus(), drills.ui().choice()->questionsBox());
  Key(Qt::Key_A, Qt::ControlModifier);
  Type("3");
  EXPECT_EQ(drills.ui().choice()->questionsBox()->value(), 3);
  // Minutes, instrument, reference, missed again, going on by itself, Start.
  for (int i = 0; i < 6; ++i) Key(Qt::Key_Tab);
  ASSERT_EQ(Focus(), drills.ui().choice()->startButton());
  Key(Qt::Key_Space);
  ASSERT_TRUE(drills.session().Running());
  ASSERT_EQ(Focus(), drills.ui().round()->answerField());

  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(Current().shown);
    EXPECT_LT(Current().shown->string, 3) << "strings 1-3 only";
    // The marked position is the one asked about.
    const auto& marks = Neck().picture().marks;
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].position, *Current().shown);
    const std::string asked = Current().asked;
    Type(i == 1 ? (asked == "C" ? "D" : "C") : asked);
    Key(Qt::Key_Return);
    EXPECT_EQ(drills.ui().round()->feedbackLabel()->text().startsWith(QStringLiteral("Wrong")), i == 1)
        << drills.ui().round()->feedbackLabel()->text().toStdString();
    if (i == 1) {
      // The miss waits: Enter means Next while its feedback is shown.
      ASSERT_EQ(Focus(), drills.ui().round()->nextButton());
      Key(Qt::Key_Return);
      ASSERT_EQ(Focus(), drills.ui().round()->answerField());
    }
  }
  EXPECT_FALSE(drills.session().Running());
  EXPECT_TRUE(drills.ui().round()->summaryLabel()->text().startsWith(QStringLiteral("Round over: 2 of 3 answers right")))
      << drills.ui().round()->summaryLabel()->text().toStdString();
  EXPECT_TRUE(drills.ui().round()->summaryLabel()->text().contains(QStringLiteral("Most missed: string")));
  EXPECT_EQ(drills.history()->AnswerCount(), 3);

  // Find the note by the neck's cursor: back to the drill chooser, one up.
  Key(Qt::Key_Q, Qt::AltModifier);
  ASSERT_EQ(Focus(), drills.ui().choice()->questionsBox());
  Key(Qt::Key_A, Qt::ControlModifier);
  Type("1");
  Key(Qt::Key_Backtab);
  Key(Qt::Key_Backtab);
  ASSERT_EQ(Focus(), drills.ui().choice()->drillBox());
  Key(Qt::Key_Up);
  for (int i = 0; i < 8; ++i) Key(Qt::Key_Tab);
  ASSERT_EQ(Focus(), drills.ui().choice()->startButton());
  Key(Qt::Key_Space);
  ASSERT_TRUE(drills.session().Running());
  ASSERT_EQ(Focus(), &Neck());
  const std::vector<Position> targets = Current().targets;
  ASSERT_GE(targets.size(), 2u);
  EnterOnNeck(targets[0]);
  EXPECT_TRUE(Neck().picture().flashes.count(targets[0]));
  ASSERT_EQ(Neck().picture().marks.size(), 1u) << "the one found is marked";
  EXPECT_EQ(Neck().picture().marks[0].position, targets[0]);
  for (std::size_t i = 1; i < targets.size(); ++i) EnterOnNeck(targets[i]);
  EXPECT_FALSE(drills.session().Running());
  EXPECT_TRUE(drills.ui().round()->summaryLabel()->text().contains(
      QStringLiteral("%1 of %1 answers right").arg(targets.size())))
      << drills.ui().round()->summaryLabel()->text().toStdString();
  EXPECT_EQ(drills.history()->AnswerCount(), 3 + static_cast<long long>(targets.size()));
}

TEST_F(DrillTest, ARightClickIsMarkedAndSoundsItsNote) {
  StartRound(QuestionKind::kFindNote, 5);
  const practice::Question q = Current();
  ClickNeck(q.targets[0]);
  EXPECT_TRUE(drills.ui().round()->feedbackLabel()->text().startsWith(QStringLiteral("Right")));
  EXPECT_TRUE(Neck().picture().flashes.count(q.targets[0]));
  EXPECT_EQ(SentNotes(), std::vector<int>{PitchAt(drills.session().round()->Setup(), q.targets[0])});
}

TEST_F(DrillTest, AWrongClickShowsEveryRightPlaceSoundsBothNotesAndWaitsForNext) {
  StartRound(QuestionKind::kFindNote, 5);
  const practice::Question q = Current();
  const practice::DrillSetup& setup = drills.session().round()->Setup();
  Position wrong = q.targets[0];
  wrong.fret = wrong.fret == 0 ? 1 : wrong.fret - 1;
  ClickNeck(wrong);
  ASSERT_TRUE(drills.reviewing());
  const QString words = drills.ui().round()->feedbackLabel()->text();
  EXPECT_TRUE(words.startsWith(QStringLiteral("Wrong"))) << words.toStdString();
  EXPECT_TRUE(words.contains(QStringLiteral("you clicked %1").arg(QString::fromStdString(
      NoteNameInKey(setup, PitchAt(setup, wrong))))))
      << words.toStdString();
  EXPECT_TRUE(words.contains(QString::fromStdString(q.asked) + QStringLiteral(" is at string")))
      << words.toStdString();
  // Every right place marked in the colour of a right answer, the click in another.
  std::set<std::pair<int, int>> right;
  int wrongMarks = 0;
  for (const NeckMark& m : Neck().picture().marks) {
    if (m.fill == practice::kRightColour) right.insert({m.position.string, m.position.fret});
    if (m.fill == practice::kWrongColour) {
      ++wrongMarks;
      EXPECT_EQ(m.position, wrong);
    }
  }
  EXPECT_EQ(right.size(), q.targets.size());
  for (const Position& p : q.targets) EXPECT_TRUE(right.count({p.string, p.fret}));
  EXPECT_EQ(wrongMarks, 1);
  // The clicked note, then the right one.
  const int wrongPitch = PitchAt(setup, wrong);
  EXPECT_EQ(SentNotes(), std::vector<int>{wrongPitch});
  Wait(std::chrono::milliseconds(2 * Controls().choices().noteLengthMs));
  ASSERT_EQ(SentNotes().size(), 2u);
  EXPECT_EQ(PitchClass(SentNotes()[1]), PitchClass(PitchAt(setup, q.targets[0])));
  // Clicks wait for Next; the next question is not shown yet.
  ClickNeck(q.targets[0]);
  EXPECT_TRUE(drills.reviewing());
  EXPECT_EQ(drills.history()->AnswerCount(), 1);
  // The history keeps what was asked, as missed.
  const auto rows = drills.history()->Read<std::vector<practice::AskedRow>>(
      [](practice::HistoryStore& s) { return s.AskedTable("find-note", practice::Period::kAll, 4'000'000'000'000); });
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].asked, q.asked);
  EXPECT_EQ(rows[0].right, 0);
  drills.ui().round()->nextButton()->click();
  EXPECT_FALSE(drills.reviewing());
  EXPECT_TRUE(drills.ui().round()->feedbackLabel()->text().isEmpty());
  EXPECT_EQ(drills.ui().round()->promptLabel()->text(), QString::fromStdString(Current().prompt));
}

TEST_F(DrillTest, TheEarDrillSoundsItsNoteWithoutShowingItAndAfterAMissTheTwoNotes) {
  StartRound(QuestionKind::kEarToNeck, 2);
  const practice::Question first = Current();
  EXPECT_EQ(SentNotes(), std::vector<int>{first.pitch});
  EXPECT_TRUE(Neck().picture().highlights.empty());
  EXPECT_TRUE(Neck().picture().marks.empty());
  Position wrong = first.targets[0];
  wrong.fret = wrong.fret == 0 ? 1 : wrong.fret - 1;
  ClickNeck(wrong);
  // The clicked note, then, a single note's length later, the note asked.
  const int clicked = PitchAt(drills.session().round()->Setup(), wrong);
  EXPECT_EQ(SentNotes(), (std::vector<int>{first.pitch, clicked}));
  Wait(std::chrono::milliseconds(2 * Controls().choices().noteLengthMs));
  EXPECT_EQ(SentNotes(), (std::vector<int>{first.pitch, clicked, first.pitch}));
  drills.ui().round()->nextButton()->click();
  EXPECT_EQ(SentNotes().back(), Current().pitch) << "the next question's note";
}

TEST_F(DrillTest, AWrongNameSoundsThatNameThenTheNoteThatWasShown) {
  StartRound(QuestionKind::kNameNote, 3);
  const Position shown = *Current().shown;
  const int pitch = PitchAt(drills.session().round()->Setup(), shown);
  const bool c = Current().asked == "C";
  drills.ui().round()->answerField()->setText(QString::fromStdString(c ? "D" : "C"));
  emit drills.ui().round()->answerField()->returnPressed();
  EXPECT_TRUE(drills.ui().round()->feedbackLabel()->text().startsWith(QStringLiteral("Wrong")));
  ASSERT_EQ(SentNotes().size(), 1u);
  EXPECT_EQ(PitchClass(SentNotes()[0]), c ? 2 : 0);
  EXPECT_LE(std::abs(SentNotes()[0] - pitch), 6);
  Wait(std::chrono::milliseconds(2 * Controls().choices().noteLengthMs));
  EXPECT_EQ(SentNotes().back(), pitch);
}

TEST_F(DrillTest, AMidiInstrumentAnswersThroughTheSeam) {
  auto input = std::make_unique<FedMidiInput>();
  FedMidiInput& keys = *input;
  drills.resources().useMidiInput(std::move(input));
  StartRound(QuestionKind::kEarToNeck, 2);
  const int pitch = Current().pitch;
  keys.NoteOn(pitch + 12);
  QApplication::processEvents();
  EXPECT_TRUE(drills.ui().round()->feedbackLabel()->text().contains(QStringLiteral("octave")))
      << drills.ui().round()->feedbackLabel()->text().toStdString();
  keys.NoteOn(Current().pitch);
  QApplication::processEvents();
  EXPECT_EQ(drills.history()->AnswerCount(), 1) << "notes wait while a miss is shown";
  drills.ui().round()->nextButton()->click();
  keys.NoteOn(Current().pitch);
  QApplication::processEvents();
  EXPECT_TRUE(drills.ui().round()->feedbackLabel()->text().startsWith(QStringLiteral("Right")));
  EXPECT_FALSE(drills.session().Running());
  EXPECT_EQ(drills.history()->AnswerCount(), 2);
}

TEST_F(DrillTest, ProgressShowsAHeatmapATableAndExportsTheHistory) {
  StartRound(QuestionKind::kNameNote, 2);
  const Position missed = *Current().shown;
  drills.ui().round()->answerField()->setText(QString::fromStdString(Current().asked == "C" ? "D" : "C"));
  emit drills.ui().round()->answerField()->returnPressed();
  drills.ui().round()->nextButton()->click();
  const Position right = *Current().shown;
  drills.ui().round()->answerField()->setText(QString::fromStdString(AsciiSigns(Current().asked)));
  emit drills.ui().round()->answerField()->returnPressed();
  ASSERT_FALSE(drills.session().Running());

  drills.ui().sections()->setCurrentIndex(1);
  QSignalSpy shown(drills.ui().progress(), &ProgressPanel::shown);
  drills.ui().progress()->periodBox()->setCurrentIndex(2);  // all
  ASSERT_TRUE(shown.wait());
  const auto& heat = Neck().picture().heat;
  ASSERT_EQ(heat.size(), missed == right ? 1u : 2u);
  EXPECT_EQ(heat.at(missed), ProgressPanel::AccuracyColour(missed == right ? 0.5 : 0.0));
  if (!(missed == right)) {
    EXPECT_EQ(heat.at(right), ProgressPanel::AccuracyColour(1.0));
  }
  EXPECT_GE(drills.ui().progress()->table()->rowCount(), 1);
  drills.ui().progress()->measureBox()->setCurrentIndex(1);
  ASSERT_TRUE(shown.wait());
  EXPECT_EQ(Neck().picture().heat.size(), heat.size());

  const QString csv = dir.filePath("history.csv");
  QString error;
  ASSERT_TRUE(drills.ui().progress()->exportTo(csv, &error)) << error.toStdString();
  QFile file(csv);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readLine(), QByteArray("id,at,drill,tuning,string,fret,asked,answered,correct,ms,input\n"));
  // Back to practising: the heatmap goes.
  drills.ui().sections()->setCurrentIndex(0);
  EXPECT_TRUE(Neck().picture().heat.empty());
}

TEST_F(DrillTest, WithoutASequencerTheMidiChoiceSaysWhyInOneLine) {
  if (access(kAlsaSequencerDevice, R_OK | W_OK) == 0) GTEST_SKIP() << "this machine has a sequencer";
  EXPECT_FALSE(drills.resources().openMidiInput(QString()));
  EXPECT_TRUE(drills.ui().round()->messageLabel()->text().contains(QString::fromLatin1(kAlsaSequencerDevice)));
  EXPECT_FALSE(drills.ui().round()->messageLabel()->text().contains(QLatin1Char('\n')));
}

}  // namespace
}  // namespace fretlab::testing
