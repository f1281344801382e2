#pragma once
// A drill as the student runs it, round after round: the round under way,
// the weak-spot schedule of each drill and tuning (taken up from the answer
// log where the last session left it), and every answer checked, reported
// and kept in the log. Knows no window and no thread: answers arrive by
// Give() on whatever thread owns the session.
//
//   DrillSession session(seed, {answered, finished}, clock);
//   session.UseLog(&history);                  // before the first round
//   session.Start(QuestionKind::kFindNote, setup, {20, 0});
//   session.Give(Answer::At({2, 5}));          // answered() hears the feedback
//   session.CheckTime();                       // now and then in a timed round

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "practice/answer_log.h"
#include "practice/round.h"

namespace fretlab::practice {

class DrillSession {
 public:
  struct Callbacks {
    std::function<void(const Feedback&)> answered;  // after each answer, counted or not
    std::function<void(const Summary&)> finished;   // once per round
  };
  // ms since the Unix epoch.
  using Clock = std::function<long long()>;

  // `clock` null: the system clock.
  DrillSession(std::uint64_t seed, Callbacks callbacks, Clock clock = nullptr);

  // The log that keeps the answers from now on (null: none). The schedules
  // are taken up from it afresh, and a round under way ends without a
  // summary.
  void UseLog(AnswerLog* log);
  AnswerLog* Log() const { return log_; }

  // Starts a round; false when the limits leave nothing to ask.
  bool Start(QuestionKind kind, const DrillSetup& setup, RoundLimit limit);
  // The round under way or last finished; null before the first.
  const Round* round() const { return round_.get(); }
  bool Running() const;
  // The current question is shown now: its time runs from here (after a
  // miss, the student looks at the answer first).
  void Present();
  // Ends the round under way at once; its summary goes out.
  void Stop();

  // Ends a timed round whose minutes ran out with no answer; the window
  // calls it from a timer.
  void CheckTime();

  // Checks, keeps and reports one answer; nothing when no round runs.
  std::optional<Feedback> Give(const Answer& answer);

 private:
  WeakSpotSchedule& ScheduleFor(const std::string& drill, const std::string& tuning);

  std::uint64_t seed_;
  Callbacks callbacks_;
  Clock clock_;
  AnswerLog* log_ = nullptr;
  std::map<std::pair<std::string, std::string>, WeakSpotSchedule> schedules_;
  std::unique_ptr<Round> round_;
  bool summarised_ = false;  // the round's summary went out
};

}  // namespace fretlab::practice
