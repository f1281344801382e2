#pragma once
// The Drills mode's page: the choice of drill and round, the prompt, the
// name buttons and typed answer, the feedback, the summary and a line for
// the history and the instrument, with the Progress tab beside it. It
// holds the widgets and says what the student did; the mode decides.

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace fretlab {

class ProgressPanel;

class DrillPage : public QWidget {
  Q_OBJECT

 public:
  // `drillNames` in the order of the drills; `midiPorts` the instruments'
  // ports to offer; `progress` becomes the second tab.
  DrillPage(const std::vector<QString>& drillNames, const std::vector<std::string>& midiPorts,
            ProgressPanel* progress, QWidget* parent = nullptr);

  QTabWidget* sections() const { return m_sections; }
  QComboBox* drillBox() const { return m_drill; }
  QLineEdit* stringsField() const { return m_strings; }
  QSpinBox* questionsBox() const { return m_questions; }
  QSpinBox* minutesBox() const { return m_minutes; }
  // 0: none, 1: a port of our own, then the ports offered.
  QComboBox* midiBox() const { return m_midiBox; }
  // The ear drill: the key's root first as a reference, and the question
  // heard again.
  QCheckBox* referenceBox() const { return m_reference; }
  QPushButton* startButton() const { return m_start; }
  QPushButton* replayButton() const { return m_replay; }
  QLineEdit* answerField() const { return m_answer; }
  QLabel* promptLabel() const { return m_prompt; }
  QLabel* feedbackLabel() const { return m_feedback; }
  QLabel* summaryLabel() const { return m_summary; }
  QLabel* messageLabel() const { return m_message; }
  ProgressPanel* progress() const { return m_progress; }

  // The twelve name buttons, labelled and usable only when `enabled`.
  void setNameButtons(const std::vector<QString>& labels, bool enabled);
  // Sets a label's text and tells a screen reader, as a live region would.
  static void announce(QLabel* label, const QString& text);

 signals:
  // A name button was pressed, or a typed answer entered (never empty).
  void answerGiven(const QString& text);

 private:
  QWidget* buildPractise(const std::vector<QString>& drillNames,
                         const std::vector<std::string>& midiPorts);

  QTabWidget* m_sections = nullptr;
  QComboBox* m_drill = nullptr;
  QLineEdit* m_strings = nullptr;
  QSpinBox* m_questions = nullptr;
  QSpinBox* m_minutes = nullptr;
  QComboBox* m_midiBox = nullptr;
  QCheckBox* m_reference = nullptr;
  QPushButton* m_start = nullptr;
  QPushButton* m_replay = nullptr;
  QLabel* m_prompt = nullptr;
  QGridLayout* m_buttons = nullptr;
  QLineEdit* m_answer = nullptr;
  QLabel* m_feedback = nullptr;
  QLabel* m_summary = nullptr;
  QLabel* m_message = nullptr;
  ProgressPanel* m_progress = nullptr;
};

}  // namespace fretlab
