#pragma once
// The Drills mode: the five drills over what the controls choose (tuning,
// capo, fret range, key or chord) on the strings given, answered by
// clicking the neck, by Enter on its cursor, by the name buttons or typed
// names, or from a MIDI instrument; immediate feedback on the neck, a
// summary after each round, and the progress view.

#include <QTimer>
#include <memory>

#include "practice/history/practice_session.h"
#include "ui/practice/practice_mode.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QGridLayout;

namespace fretlab {

class ProgressPanel;

class DrillMode : public PracticeMode {
  Q_OBJECT

 public:
  explicit DrillMode(PracticeWindow& window);
  ~DrillMode() override;

  // Alt+D brings the drills up from the keyboard.
  QString title() const override { return tr("&Drills"); }
  QWidget* page() override;
  void showOnNeck() override;
  void deactivate() override;
  void positionClicked(Position position) override;
  // Every answer given is stored before the window goes.
  void closing() override;

  // The history in use; opened at the user's data folder on first need.
  // Tests hand in one of their own first.
  void useHistory(std::unique_ptr<practice::HistoryThread> history);
  // Answers from `input` (null: none). openMidiInput: the ALSA sequencer
  // port whose name contains `name`, or a port of our own for "".
  void useMidiInput(std::unique_ptr<MidiInput> input);
  bool openMidiInput(const QString& name);

  practice::PracticeSession& session();
  QComboBox* drillBox() const { return m_drill; }
  QLineEdit* stringsField() const { return m_strings; }
  QSpinBox* questionsBox() const { return m_questions; }
  QSpinBox* minutesBox() const { return m_minutes; }
  QPushButton* startButton() const { return m_start; }
  // The ear drill: the key's root first as a reference (remembered), and
  // the question heard again.
  QCheckBox* referenceBox() const { return m_reference; }
  QPushButton* replayButton() const { return m_replay; }
  QLineEdit* answerField() const { return m_answer; }
  QLabel* promptLabel() const { return m_prompt; }
  QLabel* feedbackLabel() const { return m_feedback; }
  QLabel* summaryLabel() const { return m_summary; }
  QLabel* messageLabel() const { return m_message; }
  ProgressPanel* progress() const { return m_progress; }
  QTabWidget* sections() const { return m_sections; }

 private:
  void buildAnswerButtons();
  void start();
  void give(const practice::Answer& answer);
  void answered(const practice::Feedback& feedback);
  void finished(const practice::Summary& summary);
  void ask();
  // The ear question's note, after the root when asked for; `missed` (the
  // last question's note) first when there is one.
  void soundEarQuestion(std::optional<int> missed);
  void soundUnmarked(const std::vector<int>& notes);
  // Sets a label's text and tells a screen reader, as a live region would.
  static void announce(QLabel* label, const QString& text);
  practice::DrillSetup currentSetup() const;
  practice::QuestionKind kind() const;
  bool running() const;

  std::unique_ptr<practice::PracticeSession> m_session;
  std::unique_ptr<MidiInput> m_midi;
  std::vector<Position> m_marked;  // targets found in the current question
  std::optional<int> m_missedNote;  // the ear drill's last note, when missed
  QTimer m_clock;
  QWidget* m_page = nullptr;
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

// "1-3, 5" → strings 1 to 3 and 5 (1 = the thinnest) as a mask for
// NeckArea::strings; empty or "all" → every string; nothing when unreadable.
std::optional<std::uint32_t> ParseStringSet(const QString& text, int stringCount);

}  // namespace fretlab
