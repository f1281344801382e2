#pragma once
// A drill as the Practice window runs it: the round, the weak-spot schedule
// of its drill and tuning (restored from the history and saved with every
// answer), the history itself (written on a thread of its own, so an
// answer never waits for the disk), and answers from a MIDI instrument
// brought onto the window's thread. Knows no widget: the window shows what
// the callbacks report.

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "practice/history/history_thread.h"
#include "practice/round.h"
#include "sound/midi_input.h"

namespace fretlab::practice {

class PracticeSession {
 public:
  struct Callbacks {
    std::function<void(const Feedback&)> answered;  // after each answer that counts or not
    std::function<void(const Summary&)> finished;   // once per round
    // The history's one message, when it has one; it comes through this
    // thread's event loop (or at once in history()->Flush()).
    std::function<void(const QString&)> message;
  };
  // ms since the Unix epoch.
  using Clock = std::function<long long()>;

  // `history` may be null: practice without a history. `clock` null: the
  // system clock.
  PracticeSession(std::unique_ptr<HistoryThread> history, std::uint64_t seed, Callbacks callbacks,
                  Clock clock = nullptr);
  ~PracticeSession();

  // Starts a round; false when the limits leave nothing to ask.
  bool Start(QuestionKind kind, const DrillSetup& setup, RoundLimit limit);
  // The round under way or last finished; null before the first.
  const Round* round() const { return round_.get(); }
  bool Running() const;

  // Ends a timed round whose minutes ran out with no answer: the window
  // calls it from a timer.
  void CheckTime();

  // Checks, queues for storing and reports one answer; nothing when no
  // round runs.
  std::optional<Feedback> Give(const Answer& answer);

  // Note-ons from `input` answer with their pitch, handed over to the
  // thread this session lives on (its event loop must run). Null detaches.
  void AttachMidi(MidiInput* input);

  HistoryThread* history() { return history_.get(); }

 private:
  WeakSpotSchedule& ScheduleFor(const std::string& drill, const std::string& tuning);

  std::unique_ptr<HistoryThread> history_;
  std::uint64_t seed_;
  Callbacks callbacks_;
  Clock clock_;
  std::map<std::pair<std::string, std::string>, WeakSpotSchedule> schedules_;
  std::unique_ptr<Round> round_;
  bool summarised_ = false;   // the round's summary went out
  MidiInput* midi_ = nullptr;
  QObject receiver_;  // MIDI note-ons are queued to the thread it lives on
};

}  // namespace fretlab::practice
