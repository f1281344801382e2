#pragma once
// The Practice window on its Drills tab, with a history in the test's
// folder, and the keys a user presses going through the window system.

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include "practice_fixture.h"
#include "theory/spelling.h"
#include "ui/practice/drill_mode.h"
#include "ui/practice/drill_choice.h"
#include "ui/practice/drill_page.h"
#include "ui/practice/round_panel.h"

namespace fretlab::testing {

using practice::QuestionKind;

class DrillTest : public PracticeTest {
 protected:
  DrillTest() : drills(*window->findMode<DrillMode>()) {
    drills.resources().useHistory(std::make_unique<practice::HistoryThread>(dir.filePath("history.sqlite")));
  }

  // Keys go through the window system to whatever has the focus.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window->windowHandle(), key, modifiers);
  }
  void Type(const std::string& text) {
    for (char c : AsciiSigns(text)) QTest::keyClick(window->windowHandle(), c);
  }
  QWidget* Focus() const { return QApplication::focusWidget(); }
  const practice::Question& Current() { return drills.session().round()->Current(); }

  // Moves the neck's cursor to `target` with the arrow keys and presses Enter.
  void EnterOnNeck(Position target) {
    while (Neck().cursorPosition().string != target.string) {
      Key(Neck().cursorPosition().string < target.string ? Qt::Key_Down : Qt::Key_Up);
    }
    while (Neck().cursorPosition().fret != target.fret) {
      Key(Neck().cursorPosition().fret < target.fret ? Qt::Key_Right : Qt::Key_Left);
    }
    Key(Qt::Key_Return);
  }

  void StartRound(QuestionKind kind, int questions) {
    window->modeArea()->setCurrentIndex(2);
    drills.ui().choice()->drillBox()->setCurrentIndex(static_cast<int>(kind));
    drills.ui().choice()->questionsBox()->setValue(questions);
    drills.ui().choice()->startButton()->click();
    ASSERT_TRUE(drills.session().Running());
  }

  DrillMode& drills;
};

}  // namespace fretlab::testing
