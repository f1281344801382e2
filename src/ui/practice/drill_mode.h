#pragma once
// The Drills mode: the drills over what the controls choose (tuning, capo,
// fret range, key or chord) on the strings given, answered by clicking the
// neck, by Enter on its cursor, by the name buttons or typed names, or from
// a MIDI instrument; feedback on the neck and in sound, a summary after
// each round, and the progress view. The drills themselves are the
// session's (practice/drill_session.h); this mode wires them to the page,
// the neck and the sound.

#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "practice/drill_session.h"
#include "ui/practice/drill_services.h"
#include "ui/practice/midi_answers.h"
#include "ui/practice/practice_mode.h"

namespace fretlab {

class DrillPage;
class ProgressPanel;

class DrillMode : public PracticeMode {
  Q_OBJECT

 public:
  DrillMode(PracticeHost& host, DrillServices services);
  ~DrillMode() override;

  // Alt+D brings the drills up from the keyboard.
  QString title() const override { return tr("&Drills"); }
  QWidget* page() override;
  void showOnNeck() override;
  void positionClicked(Position position) override;
  // Every answer given is stored before the window goes.
  void closing() override;

  // Opens the history the services give, unless one is open: at the start
  // of a round and for the progress view, never before.
  practice::HistoryThread* openHistory();
  practice::HistoryThread* history() const { return m_history.get(); }
  // A history of the caller's own in place of the user's (tests, benchmarks).
  void useHistory(std::unique_ptr<practice::HistoryThread> history);
  // Answers from `input` (null: none).
  void useMidiInput(std::unique_ptr<MidiInput> input);
  MidiChoice openMidiInput(const QString& name);

  const practice::DrillSession& session() const { return m_session; }
  DrillPage& ui() {
    page();
    return *m_page;
  }

 protected:
  void activated() override;
  void deactivate() override;

 private:
  void start();
  void give(const practice::Answer& answer);
  void answered(const practice::Feedback& feedback);
  void finished(const practice::Summary& summary);
  void ask();
  void showMessage(const QString& message);
  // The ear question's note, after the root when asked for; `missed` (the
  // last question's note) first when there is one.
  void soundEarQuestion(std::optional<int> missed);
  practice::DrillSetup currentSetup() const;
  practice::QuestionKind kind() const;
  bool running() const { return m_session.Running(); }

  DrillServices m_services;
  practice::DrillSession m_session;
  std::unique_ptr<practice::HistoryThread> m_history;
  MidiAnswers m_midi;
  std::vector<Position> m_marked;   // targets found in the current question
  std::optional<int> m_missedNote;  // the ear drill's last note, when missed
  QTimer m_clock;
  DrillPage* m_page = nullptr;
  ProgressPanel* m_progress = nullptr;
};

}  // namespace fretlab
