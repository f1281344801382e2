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
  shownPositions_.clear();
  putBack_.clear();
  repeats_.clear();
  asked_ = 0;
  repeated_ = 0;
  startedAt_ = now;
  done_ = candidates_.empty();
  if (!done_) Next(now);
  return !done_;
}

void Round::Next(long long now) {
  const auto due = std::find_if(putBack_.begin(), putBack_.end(),
                                [this](const PutBackQuestion& p) { return p.dueAt <= asked_; });
  if (due != putBack_.end()) {
    current_ = due->question;
    putBack_.erase(due);
    ++repeated_;
  } else {
    current_ = candidates_[schedule_.Draw(items_, now)];
  }
  found_.assign(current_.targets.size(), false);
  lastEvent_ = now;
  ++asked_;
}

void Round::PutBack(const Question& question) {
  auto it = std::find_if(repeats_.begin(), repeats_.end(),
                         [&](const auto& r) { return r.first == question.item; });
  if (it == repeats_.end()) it = repeats_.insert(repeats_.end(), {question.item, 0});
  if (it->second >= 2) return;
  ++it->second;
  putBack_.push_back({question, asked_ + 2});
}

void Round::Present(long long now) { lastEvent_ = now; }

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
  record.input = answer.input;
  fb.item = schedule_.Learn(current_.item, record.correct, record.ms, now);
  answers_.push_back(record);
  answerPositions_.push_back(where);
  shownPositions_.push_back(current_.shown);
  // A voicing asked for is kept string by string; a quality heard and
  // answered with a voicing is one answer of that quality.
  if (answer.kind == Answer::kVoicing && AsksForVoicing(kind_)) {
    for (std::size_t s = 0; s < answer.frets.size(); ++s) {
      if (answer.frets[s] == kMuted) continue;
      AnswerRecord onString = record;
      onString.string = static_cast<int>(s) + 1;
      onString.fret = answer.frets[s];
      fb.stringRecords.push_back(std::move(onString));
    }
  }
  fb.record = std::move(record);

  fb.missed = verdict == Verdict::kWrong || verdict == Verdict::kOctave;
  if (fb.missed) {
    fb.right = current_.targets;
    if (limit_.repeatMissed) PutBack(current_);
  }
  if (verdict == Verdict::kRight && fb.checked.target >= 0) found_[fb.checked.target] = true;
  fb.questionDone = fb.missed || !current_.every ||
                    std::all_of(found_.begin(), found_.end(), [](bool f) { return f; });
  if (fb.questionDone) {
    const bool lastQuestion = limit_.questions > 0 && asked_ - repeated_ >= limit_.questions;
    if ((lastQuestion && putBack_.empty()) || Over(now)) {
      done_ = true;
    } else {
      // Past the N, only the questions put back are left: they come now.
      if (lastQuestion) {
        for (PutBackQuestion& p : putBack_) p.dueAt = 0;
      }
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
  // What was asked and missed, in the order first missed.
  std::vector<MissedSummary> missed;
  for (std::size_t i = 0; i < answers_.size(); ++i) {
    if (answers_[i].correct) continue;
    const auto it = std::find_if(missed.begin(), missed.end(), [&](const MissedSummary& m) {
      return m.asked == answers_[i].asked && m.shown == shownPositions_[i];
    });
    if (it != missed.end()) {
      ++it->misses;
    } else {
      missed.push_back({answers_[i].asked, shownPositions_[i], 1});
    }
  }
  std::stable_sort(missed.begin(), missed.end(),
                   [](const auto& a, const auto& b) { return a.misses > b.misses; });
  s.mostMissed.assign(missed.begin(), missed.begin() + std::min<std::size_t>(3, missed.size()));
  return s;
}

}  // namespace fretlab::practice
