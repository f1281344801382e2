#pragma once
// A drill's round as the student meets it: the prompt, the twelve name
// buttons and the typed answer, Hear it again, Next and Stop round, the
// feedback, the summary and a line for the history and the instrument.
// What a label says reaches a screen reader as it changes.

#include <QString>
#include <QWidget>
#include <vector>

#include "practice/answer_record.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace fretlab {

class RoundPanel : public QWidget {
  Q_OBJECT

 public:
  explicit RoundPanel(QWidget* parent = nullptr);

  QLineEdit* answerField() const { return m_answer; }
  QPushButton* replayButton() const { return m_replay; }
  // A voicing built on the neck is given as a whole; shown only for such
  // questions (the drill mode's choice).
  QPushButton* checkButton() const { return m_check; }
  // After a miss: on to the next question (Enter or Space while it has the focus).
  QPushButton* nextButton() const { return m_next; }
  QPushButton* stopButton() const { return m_stop; }
  QLabel* promptLabel() const { return m_prompt; }
  QLabel* feedbackLabel() const { return m_feedback; }
  QLabel* summaryLabel() const { return m_summary; }
  QLabel* messageLabel() const { return m_message; }
  // 0..11, and up to 23 once as many names were shown.
  QPushButton* nameButton(int index) const;

  // The name buttons, labelled and usable only when `enabled`: twelve, or
  // up to 24 for the ear drills' answers (only the labelled ones show).
  void setNameButtons(const std::vector<QString>& labels, bool enabled);
  // How many name buttons a row holds (12: all in one row); long names,
  // such as the scales', take a compact grid.
  void setButtonColumns(int columns);
  // A new question: its prompt, the name buttons' labels (usable when it
  // asks a name, with the typed answer), Hear it again for a heard one.
  void showQuestion(const QString& prompt, const std::vector<QString>& labels, bool asksName,
                    bool heard);
  // After a miss: the words, the answers idle, Next ready (unless `last`).
  void showMiss(const QString& words, bool last);
  // What the typed answer's field suggests; empty: note names and degrees.
  void setTypedHint(const QString& hint);
  // The round is over: its summary.
  void showRoundOver(const QString& summary);
  void setRunning(bool running);

  // Sets a label's text and tells a screen reader, as a live region would;
  // an empty label takes no room.
  static void announce(QLabel* label, const QString& text);

 signals:
  // A name button was pressed, or a typed answer entered (never empty);
  // `by` the keyboard, or the mouse for a name button pressed with it.
  void answerGiven(const QString& text, fretlab::practice::AnswerInput by);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void addNameButton();

  QLabel* m_prompt = nullptr;
  QGridLayout* m_buttons = nullptr;
  std::vector<QPushButton*> m_nameButtons;
  int m_columns = 12;
  QLineEdit* m_answer = nullptr;
  QPushButton* m_replay = nullptr;
  QPushButton* m_check = nullptr;
  QPushButton* m_next = nullptr;
  QPushButton* m_stop = nullptr;
  QLabel* m_feedback = nullptr;
  QLabel* m_summary = nullptr;
  QLabel* m_message = nullptr;
  bool m_pointerPressed = false;  // the name button being pressed, by the pointer
};

}  // namespace fretlab
