// The controls beside the neck as a user meets them: a tuning typed from the
// top string down is turned round on request, custom tunings keep their
// signs; the third label view, interval names; the setting for notes
// outside the key, named for what it does and stored as before.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <set>
#include <string>

#include "ui/practice/practice_fixture.h"
#include "ui/practice/tuning_rows.h"

namespace fretlab::testing {
namespace {

class ControlsTest : public PracticeTest {
 protected:
  void Type(const QString& notes) {
    QLineEdit* edit = Controls().tuningNotesEdit();
    edit->setText(notes);
    emit edit->editingFinished();
  }
  TuningRows& Rows() { return *Controls().tuningRows(); }

  QComboBox* OutsideBox() {
    for (QComboBox* box : Controls().findChildren<QComboBox*>()) {
      if (box->accessibleName() == QStringLiteral("Notes outside the key")) return box;
    }
    return nullptr;
  }
};

TEST_F(ControlsTest, ATuningTypedFromTheTopStringDownIsOfferedTheOtherWayRound) {
  Choose([](PracticeChoices& c) { c.view.tuning = *FindPresetTuning("DADGAD"); });
  Type(QStringLiteral("E4 B3 G3 D3 A2 E2"));
  EXPECT_EQ(window->view().tuning.name, "DADGAD");  // not taken upside down
  ASSERT_TRUE(Rows().errorLabel()->isVisible());
  EXPECT_TRUE(Rows().errorLabel()->text().contains(QStringLiteral("lowest string first")))
      << Rows().errorLabel()->text().toStdString();
  QPushButton* turn = Rows().turnButton();
  ASSERT_TRUE(turn->isVisible());
  EXPECT_EQ(turn->text(), QStringLiteral("Use E2 A2 D3 G3 B3 E4 instead"));
  EXPECT_FALSE(turn->accessibleName().isEmpty());
  turn->click();
  EXPECT_EQ(window->view().tuning.name, "Standard");
  EXPECT_EQ(Controls().tuningNotesEdit()->text(), QStringLiteral("E2 A2 D3 G3 B3 E4"));
  EXPECT_FALSE(Rows().errorLabel()->isVisible());
  EXPECT_FALSE(turn->isVisible());
  // Another mistake is no turned tuning: no offer.
  Type(QStringLiteral("E2 A2 X3 G3"));
  EXPECT_TRUE(Rows().errorLabel()->isVisible());
  EXPECT_FALSE(turn->isVisible());
  // A preset chosen clears the error.
  Controls().tuningBox()->setCurrentIndex(1);
  EXPECT_FALSE(Rows().errorLabel()->isVisible());
}

TEST_F(ControlsTest, ReentrantTuningsAreTakenAndCustomTitlesKeepTheirSigns) {
  Type(QStringLiteral("G4 C4 E4 A4"));
  EXPECT_EQ(window->view().tuning.StringCount(), 4);
  EXPECT_EQ(window->view().tuning.OpenNote(3), 67);  // the high G stays high
  EXPECT_FALSE(Rows().turnButton()->isVisible());
  Type(QStringLiteral("E2 A2 C#3 E3 A3 E4"));
  EXPECT_EQ(window->view().Title(), "C major \u2014 E2 A2 C\u266F3 E3 A3 E4");
  EXPECT_EQ(Controls().tuningNotesEdit()->text(), QStringLiteral("E2 A2 C#3 E3 A3 E4"));
  Reopen();  // the named tuning is what the settings keep
  EXPECT_EQ(window->view().tuning.name, "E2 A2 C\u266F3 E3 A3 E4");
  EXPECT_EQ(window->view().tuning.OpenNote(3), 49);
}

TEST_F(ControlsTest, IntervalNamesAreTheFourthLabelView) {
  QComboBox* labels = Controls().labelsBox();
  ASSERT_EQ(labels->count(), 5);
  EXPECT_EQ(labels->itemText(1), QStringLiteral("Intervals"));
  EXPECT_EQ(labels->itemText(2), QStringLiteral("Degrees"));
  EXPECT_EQ(labels->itemText(3), QStringLiteral("Interval names"));
  EXPECT_EQ(labels->itemText(4), QStringLiteral("None"));
  Controls().rootBox()->setCurrentIndex(9);   // A
  Controls().entryBox()->setCurrentIndex(11);  // Blues
  labels->setCurrentIndex(3);
  EXPECT_EQ(window->view().labels, LabelMode::kIntervalNames);
  std::set<std::string> shown;
  for (const NeckMark& m : Neck().picture().marks) shown.insert(m.label);
  EXPECT_EQ(shown, (std::set<std::string>{"R", "m3", "P4", "d5", "P5", "m7"}));
  // Ctrl+L walks all five views and comes back.
  for (int i = 0; i < 5; ++i) Controls().nextLabels();
  EXPECT_EQ(window->view().labels, LabelMode::kIntervalNames);
  Controls().nextLabels();
  EXPECT_EQ(window->view().labels, LabelMode::kNone);
  Reopen();
  EXPECT_EQ(window->view().labels, LabelMode::kNone);
}

TEST_F(ControlsTest, NotesOutsideTheKeyIsNamedForWhatItDoesAndStoredAsBefore) {
  QComboBox* outside = OutsideBox();
  ASSERT_NE(outside, nullptr);
  EXPECT_EQ(outside->itemText(0), QStringLiteral("sharps (\u266F)"));
  EXPECT_EQ(outside->itemText(1), QStringLiteral("flats (\u266D)"));
  bool labelled = false;
  for (QLabel* label : Controls().findChildren<QLabel*>()) {
    labelled |= label->text() == QStringLiteral("Notes outside the key:") && label->buddy() == outside;
  }
  EXPECT_TRUE(labelled);
  outside->setCurrentIndex(1);
  EXPECT_EQ(window->view().preference, Accidentals::kFlats);
  Reopen();
  EXPECT_EQ(settings->value(QStringLiteral("Practice/accidentals")).toString(), QStringLiteral("flats"));
  EXPECT_EQ(OutsideBox()->currentIndex(), 1);
}

}  // namespace
}  // namespace fretlab::testing
