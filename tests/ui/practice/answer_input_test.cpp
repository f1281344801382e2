// Each answer reaches the history with how it was given: a click on the neck,
// Enter on the neck's cursor, a MIDI instrument's note, a note played on
// the guitar, and a name typed or pressed on its button.

#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "listening_fixture.h"
#include "support/fed_midi_input.h"

namespace fretlab::testing {
namespace {

class AnswerInputTest : public ListeningTest {
 protected:
  // The input column of every answer stored, oldest first.
  QStringList StoredInputs() {
    drills.history()->Flush();
    QStringList inputs;
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("inputs"));
      db.setDatabaseName(dir.filePath(QStringLiteral("history.sqlite")));
      if (db.open()) {
        QSqlQuery q(QStringLiteral("SELECT input, correct FROM answers ORDER BY id"), db);
        while (q.next()) {
          inputs << q.value(0).toString() + (q.value(1).toInt() != 0 ? "" : "(wrong)");
        }
      }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("inputs"));
    return inputs;
  }
  // A position of the current ear question's pitch within the round's range.
  Position Target() { return Current().targets.front(); }
  // The name button that answers the current naming question right.
  QPushButton* RightNameButton() {
    const auto asked = ParseNoteName(Current().asked);
    for (QPushButton* b : drills.ui().round()->findChildren<QPushButton*>()) {
      const auto name = ParseNoteName(b->text().toStdString());
      if (b->isEnabled() && asked && name && name->PitchClass() == asked->PitchClass()) return b;
    }
    return nullptr;
  }
};

TEST_F(AnswerInputTest, ThePointerTheKeysAMidiNoteAndTheGuitarAreEachNamed) {
  auto input = std::make_unique<FedMidiInput>();
  FedMidiInput& keys = *input;
  drills.resources().useMidiInput(std::move(input));
  Listen();
  StartRound(QuestionKind::kEarToNeck, 4);
  ClickNeck(Target());
  Silence();
  Neck().setFocus();
  EnterOnNeck(Target());
  Silence();
  keys.NoteOn(Current().pitch);
  QCoreApplication::processEvents();
  Silence();
  PlayEach({Current().pitch});
  EXPECT_FALSE(drills.session().Running()) << drills.ui().round()->feedbackLabel()->text().toStdString();
  EXPECT_EQ(StoredInputs().join(' ').toStdString(), "mouse keyboard midi audio");
}

TEST_F(AnswerInputTest, ANameTypedOrItsButtonPressedFromTheKeyboardIsKeyboardClickedIsMouse) {
  StartRound(QuestionKind::kNameNote, 3);
  drills.ui().round()->answerField()->setText(QString::fromStdString(Current().asked));
  emit drills.ui().round()->answerField()->returnPressed();
  QPushButton* button = RightNameButton();
  ASSERT_NE(button, nullptr) << "no name button for " << Current().asked;
  QTest::mouseClick(button, Qt::LeftButton);
  button = RightNameButton();
  ASSERT_NE(button, nullptr) << "no name button for " << Current().asked;
  button->setFocus();
  Key(Qt::Key_Space);
  EXPECT_FALSE(drills.session().Running()) << drills.ui().round()->feedbackLabel()->text().toStdString();
  EXPECT_EQ(StoredInputs().join(' ').toStdString(), "keyboard mouse keyboard");
}

}  // namespace
}  // namespace fretlab::testing
