// Chord quality by ear answered with a voicing in the Practice window: the
// form chosen and remembered, a round from the keyboard alone (one note a
// string with the neck's cursor, then Check), and a miss shown on the neck
// and heard as the voicing given, then the one that sounded.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "drill_fixture.h"
#include "practice/drill_questions.h"
#include "practice/ear_drills.h"
#include "theory/voicing_finder.h"
#include "ui/practice/ear_choice.h"

namespace fretlab::testing {
namespace {

using namespace std::chrono_literals;

class EarVoicingDrillTest : public DrillTest {
 protected:
  EarChoice& Ear() { return *drills.ui().ear(); }
  RoundPanel& Round() { return *drills.ui().round(); }
  QString Feedback() { return Round().feedbackLabel()->text(); }

  // A voicing of another quality on the question's root, within the frets.
  std::vector<FretIndex> WrongVoicing(const practice::Question& q) {
    const auto other = q.asked == "major" ? practice::ChordQuality::kMinor : practice::ChordQuality::kMajor;
    const auto chord = ParseChordSymbol(practice::ChordText(practice::RootOf(q), other));
    return FindVoicings(*chord, practice::VoicingQueryOf(drills.session().round()->Setup()), 1)
        .voicings.front()
        .frets;
  }

  // One note a string with the cursor and Enter, then Tab to Check and Space.
  void BuildAndCheck(const std::vector<Position>& notes) {
    for (const Position& p : notes) EnterOnNeck(p);
    Key(Qt::Key_Tab);
    ASSERT_EQ(Focus(), Round().checkButton());
    Key(Qt::Key_Space);
  }
};

std::vector<Position> Sounding(const std::vector<FretIndex>& frets) {
  std::vector<Position> out;
  for (std::size_t s = 0; s < frets.size(); ++s) {
    if (frets[s] != kMuted) out.push_back({static_cast<StringIndex>(s), frets[s]});
  }
  return out;
}

TEST_F(EarVoicingDrillTest, ARoundFromTheKeyboardAloneAndTheFormRemembered) {
  Key(Qt::Key_D, Qt::AltModifier);
  for (int i = 0; i < 20 && Focus() != drills.ui().choice()->drillBox(); ++i) Key(Qt::Key_Backtab);
  ASSERT_EQ(Focus(), drills.ui().choice()->drillBox());
  Key(Qt::Key_End);
  Key(Qt::Key_Up);  // the ear drills come last: Chord quality by ear, then Scale sound
  ASSERT_EQ(drills.ui().choice()->kind(), QuestionKind::kEarChordQuality);
  for (int i = 0; i < 20 && Focus() != Ear().chordAnswerBox(); ++i) Key(Qt::Key_Tab);
  ASSERT_EQ(Focus(), Ear().chordAnswerBox());
  Key(Qt::Key_Down);
  EXPECT_EQ(Ear().chordAnswerBox()->currentText(), QStringLiteral("Pick its voicing on the neck"));
  drills.ui().choice()->questionsBox()->setValue(2);
  for (int i = 0; i < 20 && Focus() != drills.ui().choice()->startButton(); ++i) Key(Qt::Key_Tab);
  ASSERT_EQ(Focus(), drills.ui().choice()->startButton());
  Key(Qt::Key_Space);
  ASSERT_TRUE(drills.session().Running()) << Round().promptLabel()->text().toStdString();
  ASSERT_EQ(Focus(), &Neck());

  practice::Question q = Current();
  ASSERT_TRUE(q.shown);
  ASSERT_EQ(Neck().picture().marks.size(), 1u) << "only the root is marked";
  EXPECT_EQ(Neck().picture().marks[0].position, *q.shown);
  EXPECT_TRUE(Round().checkButton()->isVisible());
  EXPECT_FALSE(Round().answerField()->isEnabled()) << "no name answers it";
  BuildAndCheck(q.targets);
  EXPECT_TRUE(Feedback().startsWith(QStringLiteral("Right"))) << Feedback().toStdString();

  // A miss: the voicing heard shows on the neck beside the one given.
  q = Current();
  const std::vector<FretIndex> wrong = WrongVoicing(q);
  BuildAndCheck(Sounding(wrong));
  EXPECT_TRUE(Feedback().startsWith(QStringLiteral("Wrong"))) << Feedback().toStdString();
  EXPECT_TRUE(Feedback().contains(QStringLiteral("your voicing sounds"))) << Feedback().toStdString();
  EXPECT_GE(Neck().picture().marks.size(), q.targets.size());
  for (const Position& p : q.targets) {
    const auto& marks = Neck().picture().marks;
    EXPECT_TRUE(std::any_of(marks.begin(), marks.end(), [&](const NeckMark& m) { return m.position == p; }));
  }
  EXPECT_FALSE(drills.session().Running());
  EXPECT_EQ(drills.history()->AnswerCount(), 2) << "one row an answer";

  Reopen();
  window->modeArea()->setCurrentIndex(2);
  DrillMode& again = *window->findMode<DrillMode>();
  again.ui().choice()->drillBox()->setCurrentIndex(static_cast<int>(QuestionKind::kEarChordQuality));
  EXPECT_TRUE(again.ui().ear()->options().voicingOnNeck);
}

TEST_F(EarVoicingDrillTest, AMissSoundsTheVoicingGivenThenTheOneHeard) {
  window->modeArea()->setCurrentIndex(2);
  Ear().chordAnswerBox()->setCurrentIndex(1);
  Ear().tempoBox()->setValue(60);  // a beat a second
  StartRound(QuestionKind::kEarChordQuality, 1);
  const practice::Question q = Current();
  Wait(3000ms);
  EXPECT_EQ(SentNotes(), q.notes) << "the question strummed from the lowest string";
  const std::vector<FretIndex> wrong = WrongVoicing(q);
  for (const Position& p : Sounding(wrong)) ClickNeck(p);
  Wait(1000ms);
  const std::size_t before = SentNotes().size();
  Round().checkButton()->click();
  ASSERT_TRUE(Feedback().startsWith(QStringLiteral("Wrong"))) << Feedback().toStdString();
  for (int beat = 0; beat < 8; ++beat) Wait(1000ms);
  const std::vector<int> sent = SentNotes();
  const std::vector<int> after(sent.begin() + static_cast<std::ptrdiff_t>(before), sent.end());
  std::vector<int> expected;
  const auto& setup = drills.session().round()->Setup();
  for (StringIndex s = static_cast<StringIndex>(wrong.size()) - 1; s >= 0; --s) {
    if (wrong[s] != kMuted) expected.push_back(practice::PitchAt(setup, {s, wrong[s]}));
  }
  expected.insert(expected.end(), q.notes.begin(), q.notes.end());
  EXPECT_EQ(after, expected) << "the voicing given, lowest string first, then the one heard";
}

}  // namespace
}  // namespace fretlab::testing
