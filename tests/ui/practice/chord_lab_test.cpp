// The chord lab in the window: clicks build the chord, its name follows
// live, the nut column mutes, Strum sounds what was built.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QTabWidget>

#include <map>

#include "ui/practice/chord_lab_mode.h"
#include "ui/practice/practice_fixture.h"

namespace fretlab::testing {
namespace {

using namespace std::chrono_literals;

class ChordLabTest : public PracticeTest {
 protected:
  ChordLabTest() {
    window->modeArea()->setCurrentIndex(1);
    lab = dynamic_cast<ChordLabMode*>(window->currentMode());
  }

  // "x32010": lowest string first, as chord shapes are written.
  void Build(const std::string& shape) {
    const int strings = window->view().tuning.StringCount();
    for (int i = 0; i < static_cast<int>(shape.size()); ++i) {
      const StringIndex s = strings - 1 - i;
      if (shape[i] == 'x') ClickMute(s);
      if (shape[i] >= '0' && shape[i] <= '9') ClickNeck({s, shape[i] - '0'});
    }
  }
  void ClickMute(StringIndex s) {
    const NeckLayout layout = Neck().layout();
    QTest::mouseClick(&Neck(), Qt::LeftButton, {},
                      QPoint(static_cast<int>(layout.MuteX()), static_cast<int>(layout.StringY(s))));
  }

  ChordLabMode* lab = nullptr;
};

TEST_F(ChordLabTest, ClicksBuildAChordNamedAsItChanges) {
  ASSERT_NE(lab, nullptr);
  EXPECT_EQ(window->modeArea()->tabText(1), QStringLiteral("Chord lab"));
  EXPECT_TRUE(Neck().picture().marks.empty());  // the lab starts empty
  EXPECT_EQ(lab->nameText(), QStringLiteral("N.C."));
  Build("x32010");
  EXPECT_EQ(lab->nameText(), QStringLiteral("C"));
  EXPECT_EQ(Neck().picture().marks.size(), 5u);
  EXPECT_EQ(Neck().picture().muted, (std::vector<StringIndex>{5}));
  ClickNeck({3, 2});  // the same position again: the D string's E is taken away
  EXPECT_EQ(ShapeText(lab->shape()), "x3-010");
  ClickNeck({2, 2});  // G string from open to fret 2 (A): moved
  ClickNeck({3, 2});
  EXPECT_EQ(ShapeText(lab->shape()), "x32210");
  EXPECT_EQ(lab->nameText(), QStringLiteral("Am/C"));
  ClickMute(5);  // the low string again: no longer muted
  EXPECT_TRUE(Neck().picture().muted.empty());
}

TEST_F(ChordLabTest, LabelsInTheLabFollowTheChord) {
  Choose([](PracticeChoices& c) { c.view.labels = LabelMode::kIntervals; });
  Build("x02210");  // A minor
  std::map<int, std::string> labels;
  for (const NeckMark& m : Neck().picture().marks) labels[m.position.string] = m.label;
  EXPECT_EQ(labels[4], "R");
  EXPECT_EQ(labels[3], "5");
  EXPECT_EQ(labels[1], "\u266D3");
  for (const NeckMark& m : Neck().picture().marks) EXPECT_EQ(m.root, m.label == "R");
  Choose([](PracticeChoices& c) { c.view.labels = LabelMode::kNoteNames; });
  labels.clear();
  for (const NeckMark& m : Neck().picture().marks) labels[m.position.string] = m.label;
  EXPECT_EQ(labels[1], "C");
  Choose([](PracticeChoices& c) { c.view.labels = LabelMode::kIntervalNames; });
  labels.clear();
  for (const NeckMark& m : Neck().picture().marks) labels[m.position.string] = m.label;
  EXPECT_EQ(labels[3], "P5");
  EXPECT_EQ(labels[1], "m3");
  EXPECT_EQ(labels[4], "R");
}

TEST_F(ChordLabTest, AnAlteredToneIsColouredAndNotchedAsItsInterval) {
  Build("x3232x");  // C7♭9: the B string's D♭ is the ♭9
  std::map<int, NeckMark> marks;
  for (const NeckMark& m : Neck().picture().marks) marks[m.position.string] = m;
  ASSERT_EQ(marks.size(), 4u);
  EXPECT_EQ(marks[1].degree, (Degree{9, -1}));
  EXPECT_EQ(marks[1].shape, IntervalShape::kLowered);
  EXPECT_EQ(marks[1].fill, IntervalColour({2, -1}));
  EXPECT_EQ(marks[2].shape, IntervalShape::kLowered);  // the ♭7
  EXPECT_EQ(marks[3].shape, IntervalShape::kNatural);  // the 3
  EXPECT_EQ(marks[4].shape, IntervalShape::kRoot);
}

// What a screen reader reads: the name and the other readings as the
// descriptions of their labels, kept up as the chord changes.
TEST_F(ChordLabTest, TheNameAndTheOtherReadingsAreReadableByAScreenReader) {
  QLabel* name = lab->nameLabel();
  QLabel* others = lab->alternativesLabel();
  auto said = [](QLabel* label, QAccessible::Text t) {
    return QAccessible::queryAccessibleInterface(label)->text(t);
  };
  EXPECT_EQ(said(name, QAccessible::Name), QStringLiteral("Chord name"));
  EXPECT_EQ(said(others, QAccessible::Name), QStringLiteral("Other names"));
  EXPECT_EQ(said(name, QAccessible::Description), QStringLiteral("N.C."));
  Build("x3232x");
  EXPECT_EQ(said(name, QAccessible::Description), QStringLiteral("C7\u266D9"));
  EXPECT_TRUE(said(others, QAccessible::Description).contains(QStringLiteral("B\u266Ddimadd9/C")))
      << said(others, QAccessible::Description).toStdString();
  EXPECT_EQ(said(others, QAccessible::Description), others->text());
  ClickNeck({1, 2});  // the B string's D♭ taken away: C7 without its fifth
  EXPECT_EQ(said(name, QAccessible::Description), QStringLiteral("C7"));
  EXPECT_EQ(said(others, QAccessible::Description), others->text());
  ClickNeck({2, 3});  // and the G string's B♭: C and E, no chord but an interval
  EXPECT_EQ(said(name, QAccessible::Description), QStringLiteral("(M3)"));
  EXPECT_TRUE(said(others, QAccessible::Description).isEmpty());
}

TEST_F(ChordLabTest, StrumSoundsTheBuiltChordLowestStringFirst) {
  Build("x32010");
  output.calls.clear();
  window->player().stop();
  QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
  for (int i = 0; i < 5; ++i) Wait(25ms);
  EXPECT_EQ(SentNotes(), (std::vector<int>{48, 52, 55, 60, 64}));
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_EQ(output.calls.back().kind, OutputCall::kClose);
  // Play arpeggiates the built chord, up and back.
  output.calls.clear();
  QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
  for (int i = 0; i < 9; ++i) Wait(300ms);
  EXPECT_EQ(SentNotes(), (std::vector<int>{48, 52, 55, 60, 64, 60, 55, 52, 48}));
}

TEST_F(ChordLabTest, KeyboardBuildsTooAndATuningChangeStartsAfresh) {
  Neck().setFocus();
  Neck().setCursorPosition({4, 3});
  QTest::keyClick(&Neck(), Qt::Key_Return);
  EXPECT_EQ(lab->shape().FretOf(4), 3);
  Choose([](PracticeChoices& c) { c.view.tuning = *FindPresetTuning("Bass"); });
  EXPECT_EQ(lab->shape().StringCount(), 4);
  EXPECT_TRUE(lab->shape().IsEmpty());
  // Back to exploring: the scale is shown again.
  window->modeArea()->setCurrentIndex(0);
  EXPECT_FALSE(Neck().picture().marks.empty());
  EXPECT_TRUE(Neck().picture().muted.empty());
}

}  // namespace
}  // namespace fretlab::testing
