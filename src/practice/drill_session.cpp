#include "practice/drill_session.h"

#include <chrono>

#include "theory/tuning.h"

namespace fretlab::practice {

namespace {

long long SystemMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

DrillSession::DrillSession(std::uint64_t seed, Callbacks callbacks, Clock clock)
    : seed_(seed), callbacks_(std::move(callbacks)), clock_(clock ? std::move(clock) : Clock(&SystemMs)) {}

void DrillSession::UseLog(AnswerLog* log) {
  if (log == log_) return;
  log_ = log;
  // The round draws from a schedule that goes with the old log.
  round_.reset();
  summarised_ = false;
  schedules_.clear();
}

WeakSpotSchedule& DrillSession::ScheduleFor(const std::string& drill, const std::string& tuning) {
  auto [it, made] = schedules_.try_emplace({drill, tuning}, seed_ + schedules_.size());
  if (made && log_ != nullptr) {
    for (const auto& [item, state] : log_->Schedule(drill, tuning)) it->second.Restore(item, state);
  }
  return it->second;
}

bool DrillSession::Start(QuestionKind kind, const DrillSetup& setup, RoundLimit limit) {
  const std::string tuning = TuningNotesText(setup.tuning);
  round_ = std::make_unique<Round>(kind, setup, limit, tuning,
                                   ScheduleFor(std::string(DrillKey(kind)), tuning));
  summarised_ = false;
  return round_->Start(clock_());
}

bool DrillSession::Running() const { return round_ && !round_->Over(clock_()); }

void DrillSession::Present() {
  if (Running()) round_->Present(clock_());
}

void DrillSession::Stop() {
  if (!round_ || summarised_) return;
  round_->End();
  summarised_ = true;
  if (callbacks_.finished) callbacks_.finished(round_->Summarize());
}

void DrillSession::CheckTime() {
  if (!round_ || summarised_ || !round_->Over(clock_())) return;
  summarised_ = true;
  if (callbacks_.finished) callbacks_.finished(round_->Summarize());
}

std::optional<Feedback> DrillSession::Give(const Answer& answer) {
  if (!round_ || summarised_) return std::nullopt;
  const long long now = clock_();
  Feedback fb = round_->Give(answer, now);
  if (log_ != nullptr && !fb.stringRecords.empty()) {
    for (const AnswerRecord& r : fb.stringRecords) log_->Record(r, fb.item, now);
  } else if (fb.record && log_ != nullptr) {
    log_->Record(*fb.record, fb.item, now);
  }
  if (callbacks_.answered) callbacks_.answered(fb);
  if (fb.roundDone) {
    summarised_ = true;
    if (callbacks_.finished) callbacks_.finished(round_->Summarize());
  }
  return fb;
}

}  // namespace fretlab::practice
