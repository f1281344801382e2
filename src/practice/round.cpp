#include "practice/round.h"

#include <algorithm>
#include <map>

namespace fretlab::practice {

int MedianMs(std::vector<int> values) {
  if (values.empty()) return 0;
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>((values.size() - 1) / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

Round::Round(QuestionKind kind, DrillSetup setup, RoundLimit limit, std::string tuning,
             WeakSpotSchedule& schedule)
    : kind_(kind),
      setup_(std::move(setup)),
      limit_(limit),
      tuning_(std::move(tuning)),
      schedule_(schedule) {}

bool Round::Start(long long now) {
  candidates_ = AllQuestions(kind_, setup_);
  items_.clear();
  for (const Question& q : candidates_) items_.push_back(q.item);
  answers_.clear();
  answerPositions_.clear();
  asked_ = 0;
  startedAt_ = now;
  done_ = candidates_.empty();
  if (!done_) Next(now);
  return !done_;
}

void Round::Next(long long now) {
  current_ = candidates_[schedule_.Draw(items_, now)];
  found_.assign(current_.targets.size(), false);
  lastEvent_ = now;
  ++asked_;
}

bool Round::Over(long long now) const {
  return done_ || (limit_.minutes > 0 && now - startedAt_ >= limit_.minutes * 60'000LL);
}

Feedback Round::Give(const Answer& answer, long long now) {
  Feedback fb;
  if (Over(now)) {
    done_ = true;
    fb.roundDone = true;
    return fb;
  }
  fb.question = current_;
  fb.checked = Check(current_, setup_, answer, found_);
  const Verdict verdict = fb.checked.verdict;
  if (verdict == Verdict::kAgain || verdict == Verdict::kUnreadable) return fb;

  fb.ms = static_cast<int>(std::max(0LL, now - lastEvent_));
  lastEvent_ = now;
  AnswerRecord record;
  record.drill = std::string(DrillKey(kind_));
  record.tuning = tuning_;
  const std::optional<Position> where = current_.shown ? current_.shown : fb.checked.position;
  if (where) {
    record.string = where->string + 1;
    record.fret = where->fret;
  }
  record.asked = current_.asked;
  record.answered = fb.checked.answered;
  record.correct = verdict == Verdict::kRight;
  record.ms = fb.ms;
  fb.item = schedule_.Learn(current_.item, record.correct, record.ms, now);
  answers_.push_back(record);
  answerPositions_.push_back(where);
  fb.record = std::move(record);

  if (verdict == Verdict::kRight && fb.checked.target >= 0) found_[fb.checked.target] = true;
  fb.questionDone = !current_.every || std::all_of(found_.begin(), found_.end(), [](bool f) { return f; });
  if (fb.questionDone) {
    const bool lastQuestion = limit_.questions > 0 && asked_ >= limit_.questions;
    if (lastQuestion || Over(now)) {
      done_ = true;
    } else {
      Next(now);
    }
  }
  fb.roundDone = done_;
  return fb;
}

Summary Round::Summarize() const {
  Summary s;
  s.questions = asked_;
  s.answers = static_cast<int>(answers_.size());
  std::vector<int> times;
  struct Tally {
    int answers = 0, misses = 0;
    std::vector<int> times;
  };
  std::map<std::pair<int, int>, Tally> perPosition;
  for (std::size_t i = 0; i < answers_.size(); ++i) {
    const AnswerRecord& a = answers_[i];
    s.right += a.correct;
    times.push_back(a.ms);
    if (!answerPositions_[i]) continue;
    Tally& t = perPosition[{answerPositions_[i]->string, answerPositions_[i]->fret}];
    ++t.answers;
    t.misses += !a.correct;
    t.times.push_back(a.ms);
  }
  s.accuracy = s.answers > 0 ? static_cast<double>(s.right) / s.answers : 0;
  s.medianMs = MedianMs(times);
  std::vector<PositionSummary> all;
  for (const auto& [key, t] : perPosition) {
    all.push_back({{key.first, key.second}, t.answers, t.misses, MedianMs(t.times)});
  }
  // Ties keep the neck's order (top string first, low frets first).
  std::vector<PositionSummary> slow = all;
  std::stable_sort(slow.begin(), slow.end(),
                   [](const auto& a, const auto& b) { return a.medianMs > b.medianMs; });
  s.slowest.assign(slow.begin(), slow.begin() + std::min<std::size_t>(3, slow.size()));
  std::vector<PositionSummary> missed;
  std::copy_if(all.begin(), all.end(), std::back_inserter(missed),
               [](const auto& p) { return p.misses > 0; });
  std::stable_sort(missed.begin(), missed.end(),
                   [](const auto& a, const auto& b) { return a.misses > b.misses; });
  s.mostMissed.assign(missed.begin(), missed.begin() + std::min<std::size_t>(3, missed.size()));
  return s;
}

}  // namespace fretlab::practice
