#pragma once
// A round: N questions or T minutes of one drill, each question drawn by the
// weak-spot schedule, each answer checked, timed and turned into a history
// record, and at the end a summary. Times are passed in by the caller (ms
// since the Unix epoch), so a round runs the same under a test's clock.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "practice/answer_check.h"
#include "practice/answer_record.h"
#include "practice/weak_spot_schedule.h"

namespace fretlab::practice {

struct RoundLimit {
  int questions = 20;  // > 0: the round ends after this many questions
  int minutes = 0;     // > 0: the round ends once this much time has passed
};

struct Feedback {
  Question question;  // the one answered (Round::Current() may be the next by now)
  Checked checked;
  int ms = 0;                   // since the question appeared or the last answer to it
  bool questionDone = false;    // the next question is now current
  bool roundDone = false;
  std::optional<AnswerRecord> record;  // for the history; none for kAgain / kUnreadable
  ItemState item;                      // the schedule's new state of the record's item
};

struct PositionSummary {
  Position position;
  int answers = 0;
  int misses = 0;
  int medianMs = 0;
};

struct Summary {
  int questions = 0;  // questions asked, the last one even if unfinished
  int answers = 0;
  int right = 0;
  double accuracy = 0;  // right / answers, 0..1
  int medianMs = 0;
  std::vector<PositionSummary> slowest;     // up to three, slowest first
  std::vector<PositionSummary> mostMissed;  // up to three with misses, most first
};

class Round {
 public:
  // `tuning` names the tuning in the records. The schedule outlives the round.
  Round(QuestionKind kind, DrillSetup setup, RoundLimit limit, std::string tuning,
        WeakSpotSchedule& schedule);

  // Draws the first question. False when the limits leave nothing to ask.
  bool Start(long long now);
  const Question& Current() const { return current_; }
  // Per target of the current question: found already.
  const std::vector<bool>& Found() const { return found_; }
  const DrillSetup& Setup() const { return setup_; }

  Feedback Give(const Answer& answer, long long now);
  // Time is up or all questions are done.
  bool Over(long long now) const;
  Summary Summarize() const;

 private:
  void Next(long long now);

  QuestionKind kind_;
  DrillSetup setup_;
  RoundLimit limit_;
  std::string tuning_;
  WeakSpotSchedule& schedule_;
  std::vector<Question> candidates_;
  std::vector<std::string> items_;
  Question current_;
  std::vector<bool> found_;
  long long startedAt_ = 0;
  long long lastEvent_ = 0;
  int asked_ = 0;
  bool done_ = false;
  std::vector<AnswerRecord> answers_;
  std::vector<std::optional<Position>> answerPositions_;
};

// The median of `values` (the lower middle one for an even count); 0 when empty.
int MedianMs(std::vector<int> values);

}  // namespace fretlab::practice
