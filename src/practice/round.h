#pragma once
// A round: N questions or T minutes of one drill, each question drawn by the
// weak-spot schedule, each answer checked, timed and turned into a history
// record, and at the end a summary. Times are passed in by the caller (ms
// since the Unix epoch), so a round runs the same under a test's clock.
//
// A miss (a wrong answer, or the right note an octave off) ends its
// question at once, even one that asks for every position: the feedback
// then carries every position that was right, to be shown. The next
// question is drawn at once, but its time runs from when it is shown
// (Present()), so the student may look at a miss as long as they like. With
// `repeatMissed`, a missed question is asked again two questions later
// (sooner when the round ends first), at most twice, beyond the N.

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
  bool repeatMissed = false;  // a missed question comes back later in the round
};

struct Feedback {
  Question question;  // the one answered (Round::Current() may be the next by now)
  Checked checked;
  int ms = 0;                   // since the question appeared or the last answer to it
  bool questionDone = false;    // the next question is now current
  bool roundDone = false;
  bool missed = false;          // wrong or an octave off: the question ended as a miss
  // After a miss: every position that answered the question (none for a
  // name asked of a marked position, which is Question::shown).
  std::vector<Position> right;
  std::optional<AnswerRecord> record;  // for the history; none for kAgain / kUnreadable
  // A voicing is kept as one record per sounding string, the answer's time
  // on each; the history keeps these in place of `record`.
  std::vector<AnswerRecord> stringRecords;
  ItemState item;                      // the schedule's new state of the record's item
};

struct PositionSummary {
  Position position;
  int answers = 0;
  int misses = 0;
  int medianMs = 0;
};

// What was asked and missed: a note, a degree, a pitch or a chord tone, or
// for the drills that mark a position, that position (and its name).
struct MissedSummary {
  std::string asked;              // as the question asked it: "C♯", "♭3", "E4"
  std::optional<Position> shown;  // the position asked about, for the naming drills
  int misses = 0;
};

struct Summary {
  int questions = 0;  // questions asked, the last one even if unfinished
  int answers = 0;
  int right = 0;
  double accuracy = 0;  // right / answers, 0..1
  int medianMs = 0;
  std::vector<PositionSummary> slowest;  // up to three, slowest first
  std::vector<MissedSummary> mostMissed;  // up to three asked and missed, most first
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
  // The current question is shown from `now` on: its time runs from here.
  void Present(long long now);
  // Ends the round before its limit (the student stopped it).
  void End() { done_ = true; }
  // Time is up or all questions are done.
  bool Over(long long now) const;
  Summary Summarize() const;

 private:
  void Next(long long now);
  // After a miss with repeatMissed: the question comes back later.
  void PutBack(const Question& question);

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
  int repeated_ = 0;  // of asked_, the missed questions asked again
  struct PutBackQuestion {
    Question question;
    int dueAt = 0;  // asked again once asked_ reaches it
  };
  std::vector<PutBackQuestion> putBack_;
  std::vector<std::pair<std::string, int>> repeats_;  // per item, times put back
  bool done_ = false;
  std::vector<AnswerRecord> answers_;
  std::vector<std::optional<Position>> answerPositions_;
  std::vector<std::optional<Position>> shownPositions_;  // per answer: the position asked about
};

// The median of `values` (the lower middle one for an even count); 0 when empty.
int MedianMs(std::vector<int> values);

}  // namespace fretlab::practice
