// The note-name setting: English letters, German (H for B, B for B♭) or
// fixed solfège, on the neck's labels, the answer buttons and in typed
// answers, kept for the next start; the history stays in English letters.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <set>

#include "ui/practice/drill_fixture.h"

namespace fretlab::testing {
namespace {

std::set<std::string> Labels(NeckWidget& neck) {
  std::set<std::string> labels;
  for (const NeckMark& m : neck.picture().marks) labels.insert(m.label);
  return labels;
}

TEST_F(PracticeTest, NoteNamesLabelTheNeckInTheChosenLettersAndAreKept) {
  EXPECT_EQ(Labels(Neck()), (std::set<std::string>{"C", "D", "E", "F", "G", "A", "B"}));
  Controls().noteNamesBox()->setCurrentIndex(1);  // German
  EXPECT_EQ(Labels(Neck()), (std::set<std::string>{"C", "D", "E", "F", "G", "A", "H"}));
  Controls().rootBox()->setCurrentIndex(5);  // F major: B♭
  EXPECT_TRUE(Labels(Neck()).count("B")) << "B♭ is B in German";
  EXPECT_FALSE(Labels(Neck()).count("H"));
  Controls().noteNamesBox()->setCurrentIndex(2);  // solfège
  EXPECT_EQ(Labels(Neck()),
            (std::set<std::string>{"Fa", "Sol", "La", "Si\u266D", "Do", "R\u00E9", "Mi"}));
  Controls().noteNamesBox()->setCurrentIndex(1);
  Reopen();
  EXPECT_EQ(Controls().noteNamesBox()->currentIndex(), 1);
  EXPECT_TRUE(Labels(Neck()).count("B"));
  EXPECT_EQ(window->view().Title(), "F major \u2014 Standard") << "titles keep English letters";
}

TEST_F(DrillTest, GermanNamesOnTheAnswerButtonsAndInTypedAnswers) {
  Controls().noteNamesBox()->setCurrentIndex(1);  // German, C major
  StartRound(QuestionKind::kNameNote, 4);
  QStringList buttons;
  for (int i = 0; i < 12; ++i) buttons << drills.ui().round()->nameButton(i)->text();
  EXPECT_TRUE(buttons.contains(QStringLiteral("H")));
  EXPECT_FALSE(buttons.contains(QStringLiteral("B")));
  for (int i = 0; i < 3; ++i) {
    const std::string asked = Current().asked;  // English, as stored
    const std::string german = asked == "B" ? "h" : asked;
    drills.ui().round()->answerField()->setText(QString::fromStdString(german));
    emit drills.ui().round()->answerField()->returnPressed();
    EXPECT_TRUE(drills.ui().round()->feedbackLabel()->text().startsWith(QStringLiteral("Right")))
        << german << ": " << drills.ui().round()->feedbackLabel()->text().toStdString();
    if (drills.ui().round()->nextButton()->isVisible()) drills.ui().round()->nextButton()->click();
  }
  // "B" is B♭ in German: wrong for a B, as it would be for any note of C major.
  drills.ui().round()->answerField()->setText(QStringLiteral("B"));
  emit drills.ui().round()->answerField()->returnPressed();
  EXPECT_TRUE(drills.ui().round()->feedbackLabel()->text().startsWith(QStringLiteral("Wrong")));
}

}  // namespace
}  // namespace fretlab::testing
