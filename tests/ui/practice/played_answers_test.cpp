// Drills answered by playing the guitar, in the real window through the
// fake capture: every drill a pitch can answer, the ear drill's own note
// kept from answering its question, an octave reported as such, and no
// answer taken while a miss is shown.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "listening_fixture.h"
#include "practice/drill.h"

namespace fretlab::testing {
namespace {

class PlayedDrill : public ListeningTest, public ::testing::WithParamInterface<QuestionKind> {
 protected:
  // The notes that answer the current question right: each position asked
  // for, or the note heard, or the shown note an octave up (a name is a
  // pitch class).
  std::vector<int> RightNotes() {
    const practice::Question& q = Current();
    const practice::DrillSetup& setup = drills.session().round()->Setup();
    if (practice::AsksForName(q.kind)) return {q.pitch + 12};
    if (practice::IsEarQuestion(q.kind)) return {q.pitch};
    std::vector<int> notes;
    for (const Position& p : q.targets) {
      notes.push_back(practice::PitchAt(setup, p));
      if (!q.every) break;
    }
    return notes;
  }
};

TEST_P(PlayedDrill, IsAnsweredRightByPlayingTheNoteAskedFor) {
  const QuestionKind kind = GetParam();
  Choose([kind](PracticeChoices& c) {
    c.wholeNeck = false;
    c.fretBox = {0, 7};
    if (kind == QuestionKind::kFindChordTone || kind == QuestionKind::kFindChordTones) {
      c.view.kind = ChoiceKind::kChord;
      c.view.entry = 7;  // C7
    }
  });
  Listen();
  drills.ui().choice()->stringsField()->setText(QStringLiteral("1-3"));
  StartRound(kind, 2);
  for (int question = 0; question < 2; ++question) {
    Silence();  // the ear drill's question rings out
    const std::size_t sent = SentNotes().size();
    const std::vector<int> notes = RightNotes();
    PlayEach(notes);
    // Only the next ear question sounds, never the note played.
    const bool nextHeard = practice::IsEarQuestion(kind) && drills.session().Running();
    EXPECT_EQ(SentNotes().size(), sent + (nextHeard ? 1 : 0)) << "a note played is not sounded back";
    EXPECT_TRUE(drills.ui().round()->feedbackLabel()->text().startsWith(QStringLiteral("Right")))
        << drills.ui().round()->feedbackLabel()->text().toStdString();
  }
  EXPECT_FALSE(drills.session().Running());
  const practice::Summary summary = drills.session().round()->Summarize();
  EXPECT_EQ(summary.right, summary.answers);
  EXPECT_GE(summary.answers, 2);
}

INSTANTIATE_TEST_SUITE_P(EveryDrill, PlayedDrill,
                         ::testing::Values(QuestionKind::kFindNote, QuestionKind::kNameNote,
                                           QuestionKind::kFindDegree, QuestionKind::kNameDegree,
                                           QuestionKind::kEarToNeck, QuestionKind::kFindChordTone,
                                           QuestionKind::kFindChordTones));

TEST_F(ListeningTest, TheEarDrillsOwnNoteDoesNotAnswerIt) {
  Listen();
  StartRound(QuestionKind::kEarToNeck, 3);
  const int asked = Current().pitch;
  ASSERT_FALSE(SentNotes().empty());
  EXPECT_EQ(SentNotes().back(), asked) << "the question sounds";
  // What the microphone hears of the program's own note (0.9 s, reaching
  // the microphone a little after it is played): neither while it sounds
  // nor in its ring.
  Play({{asked, 0.03, 0.9, 100}}, 2.0);
  EXPECT_EQ(drills.session().round()->Summarize().answers, 0);
  EXPECT_EQ(Current().pitch, asked);
  // Hear it again: the same once more.
  drills.ui().round()->replayButton()->click();
  Play({{asked, 0.03, 0.9, 100}}, 2.0);
  EXPECT_EQ(drills.session().round()->Summarize().answers, 0);
  // The student plays it: that answers, and says what was heard.
  const QString name = QString::fromStdString(Current().asked);  // "C♯4"
  Play({{asked, 0.2, 0.6, 100}}, 1.0);
  EXPECT_EQ(drills.session().round()->Summarize().answers, 1);
  EXPECT_EQ(drills.session().round()->Summarize().right, 1);
  EXPECT_TRUE(drills.ui().round()->feedbackLabel()->text().endsWith(QStringLiteral("s): ") + name + " heard."))
      << drills.ui().round()->feedbackLabel()->text().toStdString();
}

TEST_F(ListeningTest, AnOctaveOffIsSaidAndTheMissWaitsForNext) {
  Listen();
  StartRound(QuestionKind::kEarToNeck, 2);
  const int asked = Current().pitch;
  Silence();  // the question rings out
  Play({{asked + (asked >= 52 ? -12 : 12), 0.2, 0.6, 100}}, 1.0);
  ASSERT_TRUE(drills.reviewing());
  EXPECT_TRUE(drills.ui().round()->feedbackLabel()->text().contains(QStringLiteral("octave")))
      << drills.ui().round()->feedbackLabel()->text().toStdString();
  // While the miss is shown, nothing played answers.
  Silence();
  Play({{asked, 0.2, 0.6, 100}}, 1.0);
  EXPECT_EQ(drills.session().round()->Summarize().answers, 1);
  EXPECT_TRUE(drills.reviewing());
  drills.ui().round()->nextButton()->click();
  EXPECT_FALSE(drills.reviewing());
  Silence();
  Play({{Current().pitch, 0.2, 0.6, 100}}, 1.0);
  EXPECT_EQ(drills.session().round()->Summarize().answers, 2);
  EXPECT_EQ(drills.session().round()->Summarize().right, 1);
}

TEST_F(ListeningTest, NotesPlayedOutsideARoundOrWhileNotListeningAnswerNothing) {
  StartRound(QuestionKind::kFindNote, 1);
  // Not listening: the capture is not running, so nothing comes through.
  capture.Deliver(RenderNotes(24, {{PitchAtTarget(), 0.2, 0.6, 100}}, 1.0), clock.now());
  QCoreApplication::processEvents();
  EXPECT_EQ(drills.session().round()->Summarize().answers, 0);
  Listen();
  window->modeArea()->setCurrentIndex(0);  // the round's tab is not in front
  PlayEach({PitchAtTarget()});
  EXPECT_EQ(drills.session().round()->Summarize().answers, 0);
  window->modeArea()->setCurrentIndex(2);
  PlayEach({PitchAtTarget()});
  EXPECT_EQ(drills.session().round()->Summarize().answers, 1);
}

}  // namespace
}  // namespace fretlab::testing
