// A drill that cannot be gamed or upset: while a round runs, the neck says
// where a position is and never what it holds (to the mouse, the keyboard
// and a screen reader alike), what defines the round cannot change under
// it, Tab from the neck goes to the answer, and the strings outside the
// round are shaded.

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "drill_fixture.h"

namespace fretlab::testing {
namespace {

QString AccessibleName(QWidget* w) {
  return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

TEST_F(DrillTest, DuringARoundTheNeckNamesThePlaceButNeverTheNote) {
  const Position g{2, 0};  // G3: the open G string
  QTest::mouseMove(&Neck(), CentreOf(g));
  EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(QStringLiteral("G3")))
      << "outside a round the note is shown";
  for (QuestionKind kind : {QuestionKind::kFindNote, QuestionKind::kNameNote, QuestionKind::kFindDegree,
                            QuestionKind::kNameDegree, QuestionKind::kEarToNeck, QuestionKind::kFindChordTone,
                            QuestionKind::kFindChordTones}) {
    StartRound(kind, 3);
    for (Position p : {g, Position{0, 5}, Position{4, 3}}) {
      QTest::mouseMove(&Neck(), CentreOf(p));
      EXPECT_EQ(window->statusBar()->currentMessage().toStdString(),
                DescribePosition(window->view().tuning, p))
          << "drill " << static_cast<int>(kind);
      Neck().setCursorPosition(p);
      const QString reader = AccessibleName(&Neck());
      EXPECT_EQ(reader.toStdString(), DescribePosition(window->view().tuning, p));
      EXPECT_EQ(Neck().cursorText(), reader);
    }
    drills.ui().round()->stopButton()->click();
    ASSERT_FALSE(drills.session().Running());
  }
  QTest::mouseMove(&Neck(), CentreOf({0, 1}));
  QTest::mouseMove(&Neck(), CentreOf(g));
  EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(QStringLiteral("G3")))
      << "the notes come back when the round is stopped";
  Neck().setCursorPosition(g);
  EXPECT_TRUE(AccessibleName(&Neck()).contains(QStringLiteral(", G"))) << AccessibleName(&Neck()).toStdString();
}

TEST_F(DrillTest, AChangeOfKeyFromTheKeyboardEndsTheRoundWithAWord) {
  StartRound(QuestionKind::kFindNote, 5);
  Key(Qt::Key_Up, Qt::ControlModifier);  // Choose > Root Up
  EXPECT_FALSE(drills.session().Running());
  EXPECT_TRUE(drills.ui().round()->feedbackLabel()->text().contains(QStringLiteral("ended")))
      << drills.ui().round()->feedbackLabel()->text().toStdString();
  EXPECT_TRUE(drills.ui().round()->summaryLabel()->text().startsWith(QStringLiteral("Round over")));
  // Labels and hand change how the neck looks, not what the round asks.
  StartRound(QuestionKind::kFindNote, 5);
  Key(Qt::Key_L, Qt::ControlModifier);
  Key(Qt::Key_H, Qt::ControlModifier);
  EXPECT_TRUE(drills.session().Running());
}

TEST_F(DrillTest, TheChoicesOfTheRoundAreOutOfReachWhileItRuns) {
  StartRound(QuestionKind::kNameNote, 5);
  EXPECT_FALSE(Controls().isVisible()) << "the Show and Neck panels give way";
  EXPECT_FALSE(drills.ui().choice()->isVisible());
  EXPECT_FALSE(drills.ui().choice()->stringsField()->isVisible());
  drills.ui().round()->stopButton()->click();
  EXPECT_TRUE(Controls().isVisible());
  EXPECT_TRUE(drills.ui().choice()->isVisible());
}

TEST_F(DrillTest, TabFromTheNeckGoesToTheAnswerNotToTheRoot) {
  StartRound(QuestionKind::kNameNote, 5);
  Neck().setFocus();
  Key(Qt::Key_Tab);
  EXPECT_EQ(Focus(), drills.ui().round()->answerField());
  drills.ui().round()->stopButton()->click();
  StartRound(QuestionKind::kFindNote, 5);
  ASSERT_EQ(Focus(), &Neck());
  Key(Qt::Key_Tab);
  ASSERT_NE(Focus(), nullptr);
  EXPECT_TRUE(drills.ui().round()->isAncestorOf(Focus()))
      << Focus()->metaObject()->className() << " " << AccessibleName(Focus()).toStdString();
}

TEST_F(DrillTest, StringsOutsideTheRoundAreShadedAndTheQuestionSaysWhichArePlayed) {
  drills.ui().choice()->stringsField()->setText(QStringLiteral("1-3"));
  StartRound(QuestionKind::kFindNote, 5);
  EXPECT_EQ(Neck().picture().strings, 0b111u);
  EXPECT_TRUE(drills.ui().round()->promptLabel()->text().contains(QStringLiteral("strings 1–3")));
  const QImage image = Neck().grab().toImage();
  const NeckLayout layout = Neck().layout();
  // Between two frets, away from marks and inlays: string 2 in play, string 5 not.
  const int x = static_cast<int>((layout.FretLineX(1) + layout.FretLineX(2)) / 2);
  const int inPlay = image.pixelColor(x, static_cast<int>(layout.StringY(1) + layout.StringGap() * 0.3)).lightness();
  const int shaded = image.pixelColor(x, static_cast<int>(layout.StringY(4) + layout.StringGap() * 0.3)).lightness();
  EXPECT_LT(shaded, inPlay - 10);
  drills.ui().round()->stopButton()->click();
  EXPECT_EQ(Neck().picture().strings, kAllStrings);
}

}  // namespace
}  // namespace fretlab::testing
