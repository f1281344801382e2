// The ear drills in the Practice window: a round of each from the keyboard
// alone, the interval's second note found with the neck's cursor from the
// first, which is marked, a miss heard as the answer given and then the
// right one, the choices remembered, and the confusion table on the
// Progress tab.

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>

#include "drill_fixture.h"
#include "practice/ear_drills.h"
#include "support/fed_midi_input.h"
#include "ui/practice/ear_choice.h"
#include "ui/practice/ear_texts.h"
#include "ui/practice/progress_panel.h"

namespace fretlab::testing {
namespace {

using namespace std::chrono_literals;

class EarDrillTest : public DrillTest {
 protected:
  EarChoice& Ear() { return *drills.ui().ear(); }
  RoundPanel& Round() { return *drills.ui().round(); }
  QString Feedback() { return Round().feedbackLabel()->text(); }

  // From the keyboard: to the drills, the drill chosen with the arrow keys,
  // `atLadder` pressed on the ladder of what is in play, then on by Tab
  // to Start round.
  void ChooseByKeys(QuestionKind kind, const std::function<void()>& atLadder = {}) {
    Key(Qt::Key_D, Qt::AltModifier);
    // Once on the drills, back through the choice to the drill chooser.
    for (int i = 0; i < 20 && Focus() != drills.ui().choice()->drillBox(); ++i) Key(Qt::Key_Backtab);
    ASSERT_EQ(Focus(), drills.ui().choice()->drillBox());
    Key(Qt::Key_End);
    for (int k = practice::kQuestionKindCount - 1; k > static_cast<int>(kind); --k) Key(Qt::Key_Up);
    ASSERT_EQ(drills.ui().choice()->kind(), kind);
    ASSERT_TRUE(Ear().isVisible());
    bool ladder = false;
    for (int i = 0; i < 20 && Focus() != drills.ui().choice()->startButton(); ++i) {
      Key(Qt::Key_Tab);
      if (Focus() == Ear().ladderBox() && !ladder) {
        ladder = true;
        if (atLadder) atLadder();
      }
    }
    EXPECT_TRUE(ladder) << "the ladder is reached by Tab";
    ASSERT_EQ(Focus(), drills.ui().choice()->startButton());
  }

  // A name in play other than the one asked.
  std::string WrongName() {
    for (const QString& label : EarAnswerLabels(Current().kind, drills.session().round()->Setup())) {
      if (label.toStdString() != Current().asked) return label.toStdString();
    }
    ADD_FAILURE() << "only one name in play";
    return {};
  }
};

TEST_F(EarDrillTest, ARoundOfEachEarDrillFromTheKeyboardAlone) {
  const QuestionKind kinds[] = {QuestionKind::kEarInterval, QuestionKind::kEarChordQuality,
                                QuestionKind::kEarScale};
  long long answers = 0;
  for (QuestionKind kind : kinds) {
    SCOPED_TRACE(practice::DrillKey(kind));
    ChooseByKeys(kind, [this] { Key(Qt::Key_Down); });  // one step up the ladder
    drills.ui().choice()->questionsBox()->setValue(3);
    Key(Qt::Key_Space);
    ASSERT_TRUE(drills.session().Running());
    ASSERT_EQ(Focus(), Round().answerField());
    // One step up: P4 P5 P8 M3 m3; major minor diminished augmented; two scales, two pentatonics, blues.
    const std::size_t inPlay[] = {5, 4, 5};
    EXPECT_EQ(EarAnswerLabels(kind, drills.session().round()->Setup()).size(),
              inPlay[static_cast<int>(kind) - static_cast<int>(QuestionKind::kEarInterval)]);
    for (int i = 0; i < 3; ++i) {
      const practice::Question q = Current();
      // The question sounds at once, and nothing on the neck gives it away.
      ASSERT_FALSE(SentNotes().empty());
      EXPECT_EQ(SentNotes().back(), kind == QuestionKind::kEarScale ? q.pitch : q.notes.front());
      EXPECT_TRUE(Neck().picture().marks.empty());
      EXPECT_TRUE(Round().replayButton()->isEnabled());
      EXPECT_FALSE(Round().answerField()->placeholderText().contains(QStringLiteral("C#")))
          << "the typed hint is the drill's own";
      const int buttons = static_cast<int>(EarAnswerLabels(kind, drills.session().round()->Setup()).size());
      EXPECT_TRUE(Round().nameButton(buttons - 1)->isVisible());
      EXPECT_FALSE(Round().nameButton(buttons)->isVisible()) << "only the names in play";
      Type(i == 1 ? WrongName() : q.asked);
      Key(Qt::Key_Return);
      EXPECT_EQ(Feedback().startsWith(QStringLiteral("Wrong")), i == 1) << Feedback().toStdString();
      if (i == 1) {
        EXPECT_TRUE(Feedback().contains(QString::fromStdString(q.asked))) << Feedback().toStdString();
        ASSERT_EQ(Focus(), Round().nextButton());
        Key(Qt::Key_Return);
        ASSERT_EQ(Focus(), Round().answerField());
      }
    }
    EXPECT_FALSE(drills.session().Running());
    EXPECT_TRUE(Round().summaryLabel()->text().startsWith(QStringLiteral("Round over: 2 of 3 answers right")))
        << Round().summaryLabel()->text().toStdString();
    answers += 3;
    EXPECT_EQ(drills.history()->AnswerCount(), answers);
  }
}

TEST_F(EarDrillTest, ANameButtonAnswersAndATypedEnharmonicNameIsRight) {
  ChooseByKeys(QuestionKind::kEarInterval, [this] {
    for (int i = 0; i < 4; ++i) Key(Qt::Key_Down);  // m7 M7 TT in play
  });
  drills.ui().choice()->questionsBox()->setValue(100);
  Key(Qt::Key_Space);
  ASSERT_TRUE(drills.session().Running());
  bool tritone = false;
  for (int i = 0; i < 100 && drills.session().Running() && !tritone; ++i) {
    if (Current().asked == "TT") {
      ASSERT_EQ(Focus(), Round().answerField());
      Type("d5");
      Key(Qt::Key_Return);
      EXPECT_TRUE(Feedback().startsWith(QStringLiteral("Right"))) << Feedback().toStdString();
      EXPECT_TRUE(Feedback().endsWith(QStringLiteral(": TT."))) << "the same sound";
      tritone = true;
      break;
    }
    const std::vector<QString> labels = EarAnswerLabels(QuestionKind::kEarInterval, drills.session().round()->Setup());
    const auto at = std::find(labels.begin(), labels.end(), QString::fromStdString(Current().asked));
    ASSERT_NE(at, labels.end());
    Round().nameButton(static_cast<int>(at - labels.begin()))->click();
    EXPECT_TRUE(Feedback().startsWith(QStringLiteral("Right"))) << Feedback().toStdString();
  }
  EXPECT_TRUE(tritone) << "a tritone in 100 questions";
}

TEST_F(EarDrillTest, TheSecondNoteIsFoundWithTheNecksCursorFromTheMarkedFirst) {
  ChooseByKeys(QuestionKind::kEarInterval);
  // On to the answer's choice: the second note on the neck.
  for (int i = 0; i < 10 && Focus() != Ear().answerBox(); ++i) Key(Qt::Key_Backtab);
  ASSERT_EQ(Focus(), Ear().answerBox());
  Key(Qt::Key_Down);
  ASSERT_EQ(Ear().answerBox()->currentIndex(), 1);
  drills.ui().choice()->questionsBox()->setValue(2);
  for (int i = 0; i < 10 && Focus() != drills.ui().choice()->startButton(); ++i) Key(Qt::Key_Tab);
  Key(Qt::Key_Space);
  ASSERT_TRUE(drills.session().Running());
  ASSERT_EQ(Focus(), &Neck());
  practice::Question q = Current();
  ASSERT_TRUE(q.shown);
  ASSERT_EQ(Neck().picture().marks.size(), 1u);
  EXPECT_EQ(Neck().picture().marks[0].position, *q.shown);
  EXPECT_NE(Neck().picture().marks[0].label, "?") << "the first note is given, named";
  EXPECT_FALSE(Round().answerField()->isEnabled());
  EnterOnNeck(q.targets.front());
  EXPECT_TRUE(Feedback().startsWith(QStringLiteral("Right"))) << Feedback().toStdString();

  // A miss: every place of the right note shows, and the note given.
  q = Current();
  Position wrong = q.targets.front();
  wrong.fret = wrong.fret == 0 ? 1 : wrong.fret - 1;
  EnterOnNeck(wrong);
  EXPECT_TRUE(Feedback().startsWith(QStringLiteral("Wrong"))) << Feedback().toStdString();
  EXPECT_TRUE(Feedback().contains(QString::fromStdString(q.asked)));
  EXPECT_EQ(Neck().picture().marks.size(), q.targets.size() + 1);
  EXPECT_FALSE(drills.session().Running());
  EXPECT_EQ(drills.history()->AnswerCount(), 2);
}

TEST_F(EarDrillTest, AMidiInstrumentAnswersTheNeckFormAndNotANameAsked) {
  auto input = std::make_unique<FedMidiInput>();
  FedMidiInput& keys = *input;
  drills.resources().useMidiInput(std::move(input));
  window->modeArea()->setCurrentIndex(2);
  StartRound(QuestionKind::kEarInterval, 2);
  keys.NoteOn(Current().pitch);
  QApplication::processEvents();
  EXPECT_TRUE(Feedback().isEmpty()) << "a note played names no interval";
  EXPECT_EQ(drills.history()->AnswerCount(), 0);
  Round().stopButton()->click();

  Ear().answerBox()->setCurrentIndex(1);  // the second note on the neck
  StartRound(QuestionKind::kEarInterval, 2);
  keys.NoteOn(Current().pitch + 12);
  QApplication::processEvents();
  EXPECT_TRUE(Feedback().contains(QStringLiteral("octave"))) << Feedback().toStdString();
  Round().nextButton()->click();
  keys.NoteOn(Current().pitch);
  QApplication::processEvents();
  EXPECT_TRUE(Feedback().startsWith(QStringLiteral("Right"))) << Feedback().toStdString();
  EXPECT_FALSE(drills.session().Running());
  EXPECT_EQ(drills.history()->AnswerCount(), 2);
}

TEST_F(EarDrillTest, AMissSoundsTheIntervalGivenThenTheOneAsked) {
  window->modeArea()->setCurrentIndex(2);
  Ear().tempoBox()->setValue(60);  // a beat a second
  StartRound(QuestionKind::kEarInterval, 2);
  const practice::Question q = Current();
  EXPECT_EQ(SentNotes(), std::vector<int>{q.notes[0]});
  Wait(1000ms);
  EXPECT_EQ(SentNotes(), (std::vector<int>{q.notes[0], q.notes[1]})) << "a beat later";
  Wait(2000ms);
  const std::size_t heard = SentNotes().size();
  const std::string given = q.asked == "P8" ? "P4" : "P8";
  Round().answerField()->setText(QString::fromStdString(given));
  emit Round().answerField()->returnPressed();
  const int sign = q.notes[1] > q.notes[0] ? 1 : -1;
  const int givenNote = q.notes[0] + sign * *practice::ParseIntervalName(given);
  for (int beat = 0; beat < 5; ++beat) Wait(1000ms);
  const std::vector<int> sent = SentNotes();
  const std::vector<int> after(sent.begin() + static_cast<std::ptrdiff_t>(heard), sent.end());
  EXPECT_EQ(after, (std::vector<int>{q.notes[0], givenNote, q.notes[0], q.notes[1]}));
}

TEST_F(EarDrillTest, TheEarChoicesShowForTheirDrillAndAreRemembered) {
  window->modeArea()->setCurrentIndex(2);
  drills.ui().choice()->drillBox()->setCurrentIndex(static_cast<int>(QuestionKind::kFindNote));
  EXPECT_FALSE(Ear().isVisible()) << "only for the ear drills";
  drills.ui().choice()->drillBox()->setCurrentIndex(static_cast<int>(QuestionKind::kEarChordQuality));
  ASSERT_TRUE(Ear().isVisible());
  EXPECT_TRUE(Ear().chordBox()->isVisible());
  EXPECT_FALSE(Ear().directionBox()->isVisible());
  EXPECT_EQ(Ear().ladderBox()->count(), practice::kQualitySteps);
  Ear().ladderBox()->setCurrentIndex(3);
  Ear().chordBox()->setCurrentIndex(1);
  drills.ui().choice()->drillBox()->setCurrentIndex(static_cast<int>(QuestionKind::kEarInterval));
  EXPECT_EQ(Ear().ladderBox()->count(), practice::kIntervalSteps);
  EXPECT_EQ(Ear().ladderBox()->currentIndex(), 0) << "each drill its own step";
  Ear().directionBox()->setCurrentIndex(2);
  Ear().tempoBox()->setValue(72);
  Reopen();
  window->modeArea()->setCurrentIndex(2);
  DrillMode& again = *window->findMode<DrillMode>();  // the new window's
  again.ui().choice()->drillBox()->setCurrentIndex(static_cast<int>(QuestionKind::kEarChordQuality));
  EarChoice& ear = *again.ui().ear();
  EXPECT_EQ(ear.ladderBox()->currentIndex(), 3);
  const practice::EarOptions o = ear.options();
  EXPECT_EQ(o.qualityStep, 3);
  EXPECT_TRUE(o.arpeggiated);
  EXPECT_EQ(o.direction, practice::IntervalDirection::kTogether);
  EXPECT_EQ(o.tempo, 72);
  EXPECT_EQ(o.intervalStep, 0);
}

TEST_F(EarDrillTest, TheConfusionTableSaysWhatWasAnsweredForWhatWasAsked) {
  StartRound(QuestionKind::kEarChordQuality, 3);
  std::vector<std::string> asked;
  for (int i = 0; i < 3; ++i) {
    asked.push_back(Current().asked);
    const std::string other = asked.back() == "major" ? "minor" : "major";
    Round().answerField()->setText(QString::fromStdString(i == 0 ? other : asked.back()));
    emit Round().answerField()->returnPressed();
    if (i == 0) Round().nextButton()->click();
  }
  ASSERT_FALSE(drills.session().Running());
  drills.ui().sections()->setCurrentIndex(1);
  ProgressPanel& progress = *drills.ui().progress();
  QSignalSpy shown(&progress, &ProgressPanel::shown);
  progress.tableBox()->setCurrentIndex(2);
  ASSERT_TRUE(shown.wait());
  EXPECT_TRUE(progress.legend()->text().contains(QStringLiteral("ear drill"))) << "none chosen yet";
  progress.drillBox()->setCurrentIndex(static_cast<int>(QuestionKind::kEarChordQuality) + 1);
  ASSERT_TRUE(shown.wait());
  QTableWidget& table = *progress.table();
  ASSERT_EQ(table.rowCount(), 2) << "major and minor asked";
  ASSERT_EQ(table.columnCount(), 3);
  EXPECT_EQ(table.item(0, 0)->text(), QStringLiteral("major"));
  EXPECT_EQ(table.horizontalHeaderItem(1)->text(), QStringLiteral("major"));
  EXPECT_EQ(table.horizontalHeaderItem(2)->text(), QStringLiteral("minor"));
  EXPECT_TRUE(table.item(0, 2)->data(Qt::AccessibleTextRole).toString().startsWith(QStringLiteral("major asked, minor answered")));
  EXPECT_TRUE(progress.legend()->text().contains(QStringLiteral("a column per answer given")));
  const int majors = static_cast<int>(std::count(asked.begin(), asked.end(), "major"));
  const int wrongRow = asked[0] == "major" ? 0 : 1;
  EXPECT_EQ(table.item(wrongRow, 2 - wrongRow)->text(), QStringLiteral("1"));
  EXPECT_EQ(table.item(0, 1)->text().toInt(), majors - (asked[0] == "major"));
  EXPECT_TRUE(table.item(0, 1)->font().bold()) << "the right ones";
  EXPECT_FALSE(table.item(0, 2)->font().bold());
}

}  // namespace
}  // namespace fretlab::testing
