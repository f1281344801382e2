#pragma once
// The Drills mode: the drills over what the controls choose (tuning, capo,
// fret range, key or chord) on the strings given, answered by clicking the
// neck, by Enter on its cursor, by the name buttons or typed names, from a
// MIDI instrument, or on the guitar (a note played is not sounded back).
// The drills are the session's (practice/drill_session.h); this mode wires
// them to the page, the neck and the sound.
//
// While a round runs, the neck never says what a position holds, the
// panels give way to the round, and what defines the round is locked: a
// change from the menu's shortcuts ends it with a word. A miss is shown,
// said and heard (drill_sounds.h); the next question waits for Next, or
// comes by itself after the seconds chosen.

#include <QTimer>
#include <cstdint>
#include <vector>

#include "practice/drill_session.h"
#include "practice/voicing_entry.h"
#include "ui/practice/drill_resources.h"
#include "ui/practice/practice_mode.h"

namespace fretlab {

class DrillChoice;
class DrillPage;
class ProgressPanel;
class RoundPanel;

class DrillMode : public PracticeMode {
  Q_OBJECT

 public:
  DrillMode(PracticeHost& host, DrillServices services);

  // Alt+D brings the drills up from the keyboard.
  QString title() const override { return tr("&Drills"); }
  QWidget* page() override;
  void showOnNeck() override;
  void positionClicked(Position position) override { answerAt(position, practice::AnswerInput::kMouse); }
  void positionActivated(Position position) override { answerAt(position, practice::AnswerInput::kKeyboard); }
  void noteHeard(const LiveNote& n) override { give(practice::Answer::Pitch(n.heard.note, practice::AnswerInput::kAudio)); }
  bool hidesNotes() const override { return running(); }
  // During a round Play hears the question again, and Strum does nothing:
  // neither may play what the neck shows.
  bool play() override;
  bool strum() override { return running(); }
  // Every answer given is stored before the window goes.
  void closing() override;

  // The history and the instrument (tests and benchmarks hand in their own).
  DrillResources& resources() { return m_resources; }
  practice::HistoryThread* history() const { return m_resources.history(); }

  const practice::DrillSession& session() const { return m_session; }
  DrillPage& ui() {
    page();
    return *m_page;
  }
  // A miss is shown and the next question waits.
  bool reviewing() const { return m_reviewing; }

 protected:
  void activated() override;
  void deactivate() override;

 private:
  void connectPage();
  void start();
  void stop(const QString& why);
  void next();
  void give(const practice::Answer& answer);
  void answerAt(Position position, practice::AnswerInput input);
  void answered(const practice::Feedback& feedback);
  void review(const practice::Feedback& feedback);
  void finished(const practice::Summary& summary);
  void ask();
  void soundEarQuestion();
  practice::DrillSetup currentSetup() const;
  practice::QuestionKind kind() const;
  bool running() const { return m_session.Running(); }

  practice::DrillSession m_session;
  DrillResources m_resources;
  std::vector<Position> m_marked;  // targets found, or the voicing built, in this question
  practice::VoicingEntry m_voicing;
  practice::AnswerInput m_voicingBy = practice::AnswerInput::kMouse;  // how its notes were set
  bool m_reviewing = false;
  std::uint64_t m_earSeed = 1;  // the ear drills' phrases in this round
  std::vector<NeckMark> m_reviewMarks;  // the miss shown on the neck
  QTimer m_clock;
  QTimer m_goOn;  // after a miss, on to the next question by itself
  DrillPage* m_page = nullptr;
  DrillChoice* m_choice = nullptr;  // the page's parts
  RoundPanel* m_round = nullptr;
  ProgressPanel* m_progress = nullptr;
};

}  // namespace fretlab
