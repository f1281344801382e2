// "Play a voicing of …" in the Practice window: a voicing built one note a
// string with clicks, then Check; a miss says why the one given is none and
// shows a right one on the neck.

#include <QLabel>
#include <QPushButton>

#include "drill_fixture.h"
#include "practice/ear_drills.h"

namespace fretlab::testing {
namespace {

TEST_F(DrillTest, AVoicingIsBuiltWithClicksThenChecked) {
  Controls().kindBox()->setCurrentIndex(2);  // Chord tones: the voicing drill asks for that chord
  StartRound(QuestionKind::kPlayVoicing, 2);
  ASSERT_TRUE(drills.session().Running()) << drills.ui().round()->promptLabel()->text().toStdString();
  QPushButton* check = drills.ui().round()->checkButton();
  EXPECT_TRUE(check->isVisible());
  practice::Question q = Current();
  for (const Position& p : q.targets) ClickNeck(p);
  EXPECT_EQ(Neck().picture().marks.size(), q.targets.size()) << "the notes set are shown";
  ClickNeck(q.targets.front());
  EXPECT_EQ(Neck().picture().marks.size(), q.targets.size() - 1) << "a second click mutes the string";
  ClickNeck(q.targets.front());
  check->click();
  const std::size_t firstRows = q.targets.size();
  const QLabel* feedback = drills.ui().round()->feedbackLabel();
  EXPECT_TRUE(feedback->text().startsWith(QStringLiteral("Right"))) << feedback->text().toStdString();

  q = Current();
  ClickNeck(q.targets[0]);
  ClickNeck(q.targets[1]);
  check->click();
  EXPECT_TRUE(feedback->text().contains(QStringLiteral("a chord needs three"))) << feedback->text().toStdString();
  EXPECT_TRUE(feedback->text().contains(QString::fromStdString(q.asked))) << feedback->text().toStdString();
  EXPECT_GE(Neck().picture().marks.size(), q.targets.size());
  EXPECT_FALSE(check->isVisible()) << "the round is over";
  EXPECT_EQ(drills.history()->AnswerCount(), static_cast<long long>(firstRows + 2))
      << "a right voicing kept string by string, the two-note one likewise";
}

}  // namespace
}  // namespace fretlab::testing
