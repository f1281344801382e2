// The ear drill's reference note, and the Drills and Progress tabs as a
// keyboard and a screen reader meet them: every control reached by Tab has
// a name, the question and the feedback are told, and the heatmap can be
// read as a table.

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>

#include "drill_fixture.h"
#include "ui/practice/progress_panel.h"

namespace fretlab::testing {
namespace {

using std::chrono::milliseconds;

TEST_F(DrillTest, TheEarDrillSoundsTheRootFirstWhenAskedAndRemembersIt) {
  Choose([](PracticeChoices& c) { c.view.rootPitchClass = 9; });  // A
  window->modeArea()->setCurrentIndex(2);
  EXPECT_FALSE(drills.ui().choice()->referenceBox()->isChecked()) << "off until the user asks for it";
  EXPECT_FALSE(drills.ui().round()->replayButton()->isEnabled());
  drills.ui().choice()->referenceBox()->setFocus();
  Key(Qt::Key_Space);
  ASSERT_TRUE(drills.ui().choice()->referenceBox()->isChecked());
  StartRound(QuestionKind::kEarToNeck, 3);
  const int pitch = Current().pitch;
  const milliseconds step(3 * Controls().choices().noteLengthMs);
  // The root of A at or below the note, then a rest, then the note.
  ASSERT_EQ(SentNotes().size(), 1u);
  const int root = SentNotes()[0];
  EXPECT_EQ(root % 12, 9);
  EXPECT_LE(root, pitch);
  EXPECT_LT(pitch - root, 12);
  Wait(step);
  EXPECT_EQ(SentNotes().size(), 1u) << "a rest between the two";
  Wait(step / 3);
  EXPECT_EQ(SentNotes(), (std::vector<int>{root, pitch}));

  // Heard again from the keyboard: the same two, in the same order.
  ASSERT_TRUE(drills.ui().round()->replayButton()->isEnabled());
  drills.ui().round()->replayButton()->setFocus();
  Key(Qt::Key_Space);
  Wait(step + step / 3);
  EXPECT_EQ(SentNotes(), (std::vector<int>{root, pitch, root, pitch}));

  // Off again: the next question sounds its note alone.
  drills.ui().choice()->referenceBox()->setChecked(false);
  drills.ui().round()->replayButton()->click();
  EXPECT_EQ(SentNotes().back(), pitch);
  EXPECT_EQ(SentNotes().size(), 5u);

  drills.ui().choice()->referenceBox()->setChecked(true);
  Reopen();
  EXPECT_TRUE(window->findMode<DrillMode>()->ui().choice()->referenceBox()->isChecked()) << "remembered";
}

// Every control of `page` that Tab reaches has a name a screen reader says.
void ExpectNamed(QWidget* page) {
  int checked = 0;
  for (QWidget* w : page->findChildren<QWidget*>()) {
    if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() != nullptr) continue;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty())
        << w->metaObject()->className() << " " << w->objectName().toStdString();
    ++checked;
  }
  EXPECT_GE(checked, 5);
}

TEST_F(DrillTest, EveryControlOnBothTabsHasAName) {
  window->modeArea()->setCurrentIndex(2);
  ExpectNamed(drills.ui().sections()->widget(0));
  ExpectNamed(drills.ui().progress());
  ExpectNamed(drills.ui().sections());
}

// What the labels say reaches a screen reader through their accessible
// description (the events that go with it need a platform with
// accessibility, which the offscreen one is not).
TEST_F(DrillTest, TheQuestionAndTheFeedbackAreAnnounced) {
  StartRound(QuestionKind::kNameNote, 3);
  auto said = [](QLabel* label, QAccessible::Text t) {
    return QAccessible::queryAccessibleInterface(label)->text(t);
  };
  QLabel* prompt = drills.ui().round()->promptLabel();
  QLabel* feedback = drills.ui().round()->feedbackLabel();
  EXPECT_EQ(said(prompt, QAccessible::Name), QStringLiteral("Question"));
  EXPECT_EQ(said(feedback, QAccessible::Name), QStringLiteral("Feedback"));
  EXPECT_EQ(said(prompt, QAccessible::Description), QString::fromStdString(Current().prompt));
  EXPECT_TRUE(said(feedback, QAccessible::Description).isEmpty());

  Type(Current().asked);
  Key(Qt::Key_Return);
  EXPECT_TRUE(said(feedback, QAccessible::Description).startsWith(QStringLiteral("Right")))
      << said(feedback, QAccessible::Description).toStdString();
  EXPECT_EQ(said(prompt, QAccessible::Description), QString::fromStdString(Current().prompt))
      << "the next question";
  Type(Current().asked == "C" ? "D" : "C");
  Key(Qt::Key_Return);
  EXPECT_EQ(said(feedback, QAccessible::Description), feedback->text());
  EXPECT_TRUE(feedback->text().startsWith(QStringLiteral("Wrong")));
  EXPECT_TRUE(feedback->text().contains(QStringLiteral("you answered")));
  Key(Qt::Key_Space);  // Next
  EXPECT_EQ(said(prompt, QAccessible::Description), QString::fromStdString(Current().prompt));
  Type(Current().asked);
  Key(Qt::Key_Return);
  EXPECT_EQ(said(drills.ui().round()->summaryLabel(), QAccessible::Description), drills.ui().round()->summaryLabel()->text());
  EXPECT_TRUE(drills.ui().round()->summaryLabel()->text().startsWith(QStringLiteral("Round over")));
}

TEST_F(DrillTest, TheProgressTabInTabOrderWithTheHeatmapAsATable) {
  StartRound(QuestionKind::kFindNote, 1);
  for (const Position& p : Current().targets) ClickNeck(p);
  ASSERT_FALSE(drills.session().Running());
  drills.ui().sections()->setCurrentIndex(1);
  ProgressPanel& progress = *drills.ui().progress();
  QSignalSpy shown(&progress, &ProgressPanel::shown);
  progress.periodBox()->setFocus();
  for (QWidget* next : std::vector<QWidget*>{progress.measureBox(), progress.tableBox(), progress.table()}) {
    Key(Qt::Key_Tab);
    ASSERT_EQ(Focus(), next);
  }
  Key(Qt::Key_Tab);
  ASSERT_NE(qobject_cast<QPushButton*>(Focus()), nullptr) << "the table hands Tab on to Export";

  progress.tableBox()->setCurrentIndex(1);
  ASSERT_TRUE(shown.wait());
  QTableWidget& table = *progress.table();
  EXPECT_EQ(table.accessibleName(), QStringLiteral("Progress per position"));
  const auto& heat = Neck().picture().heat;
  ASSERT_EQ(table.rowCount(), static_cast<int>(heat.size()));
  for (int row = 0; row < table.rowCount(); ++row) {
    const Position p{table.item(row, 0)->text().toInt() - 1, table.item(row, 1)->text().toInt()};
    EXPECT_TRUE(heat.count(p)) << "row " << row << " is a position of the heatmap";
    EXPECT_EQ(table.item(row, 3)->text(), QStringLiteral("100 %"));
  }
}

}  // namespace
}  // namespace fretlab::testing

namespace fretlab::testing {
namespace {

TEST_F(DrillTest, TheProgressTabShowsEveryDrillOrTheOneChosenAndSaysWhich) {
  // One name asked right on a marked position, then every C of a find round.
  StartRound(QuestionKind::kNameNote, 1);
  const Position named = *Current().shown;
  Type(Current().asked);
  Key(Qt::Key_Return);
  StartRound(QuestionKind::kFindNote, 1);
  const std::vector<Position> found = Current().targets;
  for (const Position& p : found) ClickNeck(p);
  ASSERT_FALSE(drills.session().Running());

  drills.ui().sections()->setCurrentIndex(1);
  ProgressPanel& progress = *drills.ui().progress();
  QSignalSpy shown(&progress, &ProgressPanel::shown);
  auto show = [&](int drillRow) {
    progress.drillBox()->setCurrentIndex(drillRow);
    progress.periodBox()->setCurrentIndex(progress.periodBox()->currentIndex() == 2 ? 1 : 2);
    ASSERT_TRUE(shown.wait());
  };
  show(1 + static_cast<int>(QuestionKind::kFindNote));
  EXPECT_EQ(Neck().picture().heat.size(), found.size());
  EXPECT_TRUE(progress.legend()->text().contains(QStringLiteral("Find the note")))
      << progress.legend()->text().toStdString();
  for (int row = 0; row < progress.table()->rowCount(); ++row) {
    EXPECT_EQ(progress.table()->item(row, 0)->text(), QStringLiteral("Find the note"));
  }
  show(1 + static_cast<int>(QuestionKind::kNameNote));
  ASSERT_EQ(Neck().picture().heat.size(), 1u);
  EXPECT_TRUE(Neck().picture().heat.count(named));
  EXPECT_EQ(progress.table()->rowCount(), 1);
  show(0);
  EXPECT_TRUE(progress.legend()->text().contains(QStringLiteral("every drill")));
  EXPECT_EQ(Neck().picture().heat.size(), found.size() + (std::count(found.begin(), found.end(), named) ? 0 : 1));
  EXPECT_EQ(progress.table()->rowCount(), 2);
}

}  // namespace
}  // namespace fretlab::testing
