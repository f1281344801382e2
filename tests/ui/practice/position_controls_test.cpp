// The Practice window's Position and Triads controls and the user's own
// scales: a position shown with the rest faded, positions a scale or tuning
// lacks offered disabled with the reason, Next/Previous Position from the
// Choose menu, Play walking the position alone, and all of it remembered.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardItemModel>
#include <algorithm>

#include "practice/view_shapes.h"
#include "ui/practice/practice_controls.h"
#include "ui/practice/shape_controls.h"
#include "ui/practice/user_scale_dialog.h"
#include "ui/practice/practice_fixture.h"

namespace fretlab::testing {
namespace {

using namespace std::chrono_literals;

bool RowEnabled(QComboBox* box, int row) {
  return qobject_cast<QStandardItemModel*>(box->model())->item(row)->isEnabled();
}

int FadedMarks(const NeckPicture& picture) {
  return static_cast<int>(std::count_if(picture.marks.begin(), picture.marks.end(),
                                        [](const NeckMark& m) { return m.faded; }));
}

TEST_F(PracticeTest, APositionIsShownInFullWithTheRestFaded) {
  QComboBox* box = Controls().shapes()->positionBox();
  EXPECT_EQ(box->itemText(0), QStringLiteral("All"));
  EXPECT_EQ(box->count(), 1 + 5 + 7 + 5);
  EXPECT_EQ(FadedMarks(Neck().picture()), 0);
  const int eShape = ShapeControls::RowOfPosition(PositionChoice{PositionSystem::kCaged, 3});
  EXPECT_EQ(box->itemText(eShape).toStdString(), PositionName(PositionSystem::kCaged, 3));
  box->setCurrentIndex(eShape);
  ASSERT_TRUE(window->view().position);
  EXPECT_EQ(*window->view().position, (PositionChoice{PositionSystem::kCaged, 3}));
  // Every note of the scale still drawn, most of them faintly.
  EXPECT_EQ(Neck().picture().marks.size(), 90u);
  const int faded = FadedMarks(Neck().picture());
  EXPECT_GT(faded, 45);
  EXPECT_LT(faded, 90);
  EXPECT_FALSE(Neck().picture().shapes.empty());  // the position outlined
  box->setCurrentIndex(0);
  EXPECT_FALSE(window->view().position);
  EXPECT_EQ(FadedMarks(Neck().picture()), 0);
}

TEST_F(PracticeTest, PositionsThatDoNotApplyAreOfferedDisabledWithTheReason) {
  QComboBox* box = Controls().shapes()->positionBox();
  const int cShape = ShapeControls::RowOfPosition(PositionChoice{PositionSystem::kCaged, 0});
  const int box1 = ShapeControls::RowOfPosition(PositionChoice{PositionSystem::kPentatonicBox, 1});
  const int nps1 = ShapeControls::RowOfPosition(PositionChoice{PositionSystem::kThreeNotesPerString, 1});
  EXPECT_TRUE(RowEnabled(box, cShape));
  EXPECT_FALSE(RowEnabled(box, box1));  // C major has no pentatonic boxes
  EXPECT_FALSE(box->itemData(box1, Qt::ToolTipRole).toString().isEmpty());
  box->setCurrentIndex(cShape);
  EXPECT_FALSE(Controls().shapes()->whyLabel()->isVisibleTo(window.get()));
  // A CAGED shape chosen, then a tuning CAGED does not know: the reason below
  // the controls, and the whole scale unfaded meanwhile.
  Choose([](PracticeChoices& c) { c.view.tuning = *FindPresetTuning("Drop D"); });
  EXPECT_FALSE(RowEnabled(box, cShape));
  EXPECT_TRUE(RowEnabled(box, nps1));
  QLabel* why = Controls().shapes()->whyLabel();
  EXPECT_TRUE(why->isVisibleTo(window.get()));
  EXPECT_EQ(why->text().toStdString(), PositionUnavailable(window->view()));
  EXPECT_FALSE(why->text().isEmpty());
  EXPECT_EQ(FadedMarks(Neck().picture()), 0);
}

TEST_F(PracticeTest, NextAndPreviousPositionFromTheChooseMenu) {
  QTest::keyClick(window.get(), Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_TRUE(window->view().position);
  EXPECT_EQ(*window->view().position, (PositionChoice{PositionSystem::kCaged, 0}));
  QTest::keyClick(window.get(), Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(*window->view().position, (PositionChoice{PositionSystem::kCaged, 1}));
  QTest::keyClick(window.get(), Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(window.get(), Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(*window->view().position, (PositionChoice{PositionSystem::kCaged, 4}));
  EXPECT_EQ(Controls().shapes()->positionBox()->currentIndex(),
            ShapeControls::RowOfPosition(PositionChoice{PositionSystem::kCaged, 4}));
}

TEST_F(PracticeTest, PlayWalksThePositionAloneUpAndBack) {
  Choose([](PracticeChoices& c) {
    c.view.position = PositionChoice{PositionSystem::kThreeNotesPerString, 1};
    c.noteLengthMs = 100;
  });
  const std::vector<SoundedPosition> walk = PositionWalk(window->view());
  ASSERT_EQ(walk.size(), 18u);  // three notes on each of six strings
  std::vector<int> expected;
  for (const SoundedPosition& p : walk) expected.push_back(p.note);
  for (auto it = walk.rbegin() + 1; it != walk.rend(); ++it) expected.push_back(it->note);
  EXPECT_TRUE(std::is_sorted(expected.begin(), expected.begin() + 18));
  QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
  for (int i = 0; i < 40; ++i) Wait(100ms);
  EXPECT_EQ(SentNotes(), expected);
  EXPECT_FALSE(window->player().isPlaying());
}

TEST_F(PracticeTest, TriadsOnAStringSetShowTheChordsTriadsAlone) {
  QComboBox* triads = Controls().shapes()->triadsBox();
  EXPECT_EQ(triads->count(), 1 + 4);  // Off, and the four sets of six strings
  EXPECT_FALSE(RowEnabled(triads, 1));  // a scale has no triads
  Choose([](PracticeChoices& c) {
    c.view.kind = ChoiceKind::kChord;
    c.view.entry = 0;  // C major triad
  });
  EXPECT_TRUE(RowEnabled(triads, 1));
  triads->setCurrentIndex(2);  // strings 2–4
  ASSERT_TRUE(window->view().triadStrings);
  EXPECT_EQ(*window->view().triadStrings, 1);
  ASSERT_FALSE(Neck().picture().marks.empty());
  for (const NeckMark& m : Neck().picture().marks) {
    EXPECT_GE(m.position.string, 1);
    EXPECT_LE(m.position.string, 3);
  }
  Choose([](PracticeChoices& c) { c.view.tuning = *FindPresetTuning("7-string"); });
  EXPECT_EQ(triads->count(), 1 + 5);
}

TEST_F(PracticeTest, MyScalesAreAddedRefusedWithAReasonAndListedAfterTheCatalogue) {
  UserScaleDialog dialog(Controls().choices().userScales, window.get());
  dialog.nameField()->setText(QStringLiteral("Gypsy"));
  dialog.notesField()->setText(QStringLiteral("1 2 3 4 5 6 7"));
  dialog.addButton()->click();
  ASSERT_EQ(dialog.scales().size(), 1u);
  EXPECT_EQ(dialog.list()->item(0)->text(), QStringLiteral("Gypsy \u2014 1 2 3 4 5 6 7"));
  dialog.notesField()->setText(QStringLiteral("1 b2 3 x"));
  dialog.addButton()->click();
  EXPECT_FALSE(dialog.errorLabel()->isHidden());
  EXPECT_TRUE(dialog.errorLabel()->text().startsWith(QStringLiteral("Not added: ")));
  dialog.notesField()->setText(QStringLiteral("E F G# A B C D"));
  dialog.addButton()->click();
  EXPECT_TRUE(dialog.errorLabel()->isHidden());
  ASSERT_EQ(dialog.scales().size(), 1u);  // the same name replaced
  EXPECT_EQ(dialog.scales()[0]->DegreesText(), "1 b2 3 4 5 b6 b7");
  dialog.list()->setCurrentRow(0);
  dialog.removeButton()->click();
  EXPECT_TRUE(dialog.scales().empty());
  EXPECT_FALSE(dialog.removeButton()->isEnabled());

  Choose([](PracticeChoices& c) { c.userScales = {ParseUserScale("Gypsy", "1 b2 3 4 5 b6 b7")}; });
  QComboBox* entries = Controls().entryBox();
  const int mine = static_cast<int>(Scales().size());
  ASSERT_EQ(entries->count(), mine + 1);
  EXPECT_EQ(entries->itemText(mine), QStringLiteral("Gypsy"));
  entries->setCurrentIndex(mine);
  ASSERT_TRUE(window->view().userScale);
  EXPECT_EQ(window->view().userScale->Name(), "Gypsy");
  // Chords list the catalogue alone; back to scales, the major scale.
  Controls().kindBox()->setCurrentIndex(static_cast<int>(ChoiceKind::kChord));
  EXPECT_EQ(entries->count(), static_cast<int>(ChordFormulas().size()));
  EXPECT_EQ(window->view().Entry().name, ChordFormulas()[0].name);
  Controls().kindBox()->setCurrentIndex(static_cast<int>(ChoiceKind::kScale));
  EXPECT_FALSE(window->view().userScale);
  EXPECT_EQ(window->view().Entry().name, Scales()[1].name);
}

TEST_F(PracticeTest, PositionTriadsAndMyScalesComeBackAtTheNextStart) {
  Choose([](PracticeChoices& c) {
    c.userScales = {ParseUserScale("Gypsy", "1 b2 3 4 5 b6 b7"), ParseUserScale("Mine=Ours", "1 3 5")};
    c.view.userScale = c.userScales[0];
    c.view.position = PositionChoice{PositionSystem::kThreeNotesPerString, 4};
  });
  Reopen();
  PracticeChoices after = Controls().choices();
  ASSERT_EQ(after.userScales.size(), 2u);
  EXPECT_EQ(after.userScales[1]->Name(), "Mine=Ours");  // an = in the name kept
  EXPECT_EQ(after.userScales[1]->DegreesText(), "1 3 5");
  ASSERT_TRUE(after.view.userScale);
  EXPECT_EQ(after.view.userScale->Name(), "Gypsy");
  EXPECT_EQ(after.view.position, (PositionChoice{PositionSystem::kThreeNotesPerString, 4}));
  EXPECT_EQ(Controls().entryBox()->currentText(), QStringLiteral("Gypsy"));
  Choose([](PracticeChoices& c) {
    c.view.kind = ChoiceKind::kChord;
    c.view.position.reset();
    c.view.triadStrings = 2;
  });
  Reopen();
  after = Controls().choices();
  EXPECT_EQ(after.view.triadStrings, std::optional<StringIndex>(2));
  EXPECT_FALSE(after.view.position);
  EXPECT_EQ(Controls().shapes()->triadsBox()->currentIndex(), 3);
}

}  // namespace
}  // namespace fretlab::testing
