#pragma once
// The Drills mode's page: the choice of drill and round (scrolled when
// the window is small), and below it the round itself: the prompt, the
// name buttons and typed answer, Hear it again, Next and Stop, the
// feedback, the summary and a line for the history and the instrument;
// the Progress tab beside it. While a round runs the choice gives way, so
// that the round fits the window at any size. The page holds the widgets
// and says what the student did; the mode decides.

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

class QCheckBox;
class QSettings;
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
  // ports to offer; `progress` becomes the second tab. The options of a
  // round (the reference, missed questions again, going on by itself) are
  // kept in `settings`, which must outlive the page.
  DrillPage(const std::vector<QString>& drillNames, const std::vector<std::string>& midiPorts,
            ProgressPanel* progress, QSettings& settings, QWidget* parent = nullptr);

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
  // Ask a missed question again later in the round (remembered).
  QCheckBox* repeatMissedBox() const { return m_repeatMissed; }
  // After a miss, go on by itself after this many seconds; 0: wait for Next.
  QSpinBox* goOnBox() const { return m_goOn; }
  QPushButton* startButton() const { return m_start; }
  QPushButton* replayButton() const { return m_replay; }
  // After a miss: on to the next question (Enter or Space while it has the focus).
  QPushButton* nextButton() const { return m_next; }
  QPushButton* stopButton() const { return m_stop; }
  QLineEdit* answerField() const { return m_answer; }
  QLabel* promptLabel() const { return m_prompt; }
  QLabel* feedbackLabel() const { return m_feedback; }
  QLabel* summaryLabel() const { return m_summary; }
  QLabel* messageLabel() const { return m_message; }
  ProgressPanel* progress() const { return m_progress; }

  // The twelve name buttons, labelled and usable only when `enabled`.
  void setNameButtons(const std::vector<QString>& labels, bool enabled);
  QPushButton* nameButton(int index) const;
  // While a round runs the choice of drill is hidden and locked.
  void setRunning(bool running);
  // A new question: its prompt, the name buttons' labels (usable when it
  // asks a name, with the typed answer), Hear it again for a heard one.
  void showQuestion(const QString& prompt, const std::vector<QString>& labels, bool asksName,
                    bool heard);
  // After a miss: the words, the answers idle, Next ready (unless `last`).
  void showMiss(const QString& words, bool last);
  // The round is over: its summary, and Start another.
  void showRoundOver(const QString& summary);
  bool isRunning() const { return m_running; }
  // Sets a label's text and tells a screen reader, as a live region would.
  static void announce(QLabel* label, const QString& text);

 signals:
  // A name button was pressed, or a typed answer entered (never empty).
  void answerGiven(const QString& text);

 private:
  QWidget* buildChoice(const std::vector<QString>& drillNames,
                       const std::vector<std::string>& midiPorts);
  QWidget* buildRound();

  bool m_running = false;
  QTabWidget* m_sections = nullptr;
  QWidget* m_choice = nullptr;  // the scroll area around the choice of drill
  QComboBox* m_drill = nullptr;
  QLineEdit* m_strings = nullptr;
  QSpinBox* m_questions = nullptr;
  QSpinBox* m_minutes = nullptr;
  QComboBox* m_midiBox = nullptr;
  QCheckBox* m_reference = nullptr;
  QCheckBox* m_repeatMissed = nullptr;
  QSpinBox* m_goOn = nullptr;
  QPushButton* m_start = nullptr;
  QPushButton* m_replay = nullptr;
  QPushButton* m_next = nullptr;
  QPushButton* m_stop = nullptr;
  QLabel* m_prompt = nullptr;
  QGridLayout* m_buttons = nullptr;
  QLineEdit* m_answer = nullptr;
  QLabel* m_feedback = nullptr;
  QLabel* m_summary = nullptr;
  QLabel* m_message = nullptr;
  ProgressPanel* m_progress = nullptr;
};

}  // namespace fretlab
