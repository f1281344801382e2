#include "practice/history/practice_session.h"

#include <QDateTime>
#include <QMetaObject>

#include "theory/tuning.h"

namespace fretlab::practice {

PracticeSession::PracticeSession(std::unique_ptr<HistoryThread> history, std::uint64_t seed,
                                 Callbacks callbacks, Clock clock)
    : history_(std::move(history)),
      seed_(seed),
      callbacks_(std::move(callbacks)),
      clock_(clock ? std::move(clock) : Clock([] { return QDateTime::currentMSecsSinceEpoch(); })) {
  if (history_ && callbacks_.message) history_->SetMessageHandler(callbacks_.message);
}

PracticeSession::~PracticeSession() { AttachMidi(nullptr); }

WeakSpotSchedule& PracticeSession::ScheduleFor(const std::string& drill, const std::string& tuning) {
  auto [it, made] = schedules_.try_emplace({drill, tuning}, seed_ + schedules_.size());
  if (made && history_) {
    using Items = std::vector<std::pair<std::string, ItemState>>;
    const Items items =
        history_->Read<Items>([&](HistoryStore& s) { return s.Schedule(drill, tuning); });
    for (const auto& [item, state] : items) it->second.Restore(item, state);
  }
  return it->second;
}

bool PracticeSession::Start(QuestionKind kind, const DrillSetup& setup, RoundLimit limit) {
  const std::string tuning = TuningNotesText(setup.tuning);
  round_ = std::make_unique<Round>(kind, setup, limit, tuning,
                                   ScheduleFor(std::string(DrillKey(kind)), tuning));
  summarised_ = false;
  return round_->Start(clock_());
}

bool PracticeSession::Running() const { return round_ && !round_->Over(clock_()); }

void PracticeSession::CheckTime() {
  if (!round_ || summarised_ || !round_->Over(clock_())) return;
  summarised_ = true;
  if (callbacks_.finished) callbacks_.finished(round_->Summarize());
}

std::optional<Feedback> PracticeSession::Give(const Answer& answer) {
  if (!round_ || summarised_) return std::nullopt;
  const long long now = clock_();
  Feedback fb = round_->Give(answer, now);
  if (fb.record && history_) history_->Record(*fb.record, fb.item, now);
  if (callbacks_.answered) callbacks_.answered(fb);
  if (fb.roundDone) {
    summarised_ = true;
    if (callbacks_.finished) callbacks_.finished(round_->Summarize());
  }
  return fb;
}

void PracticeSession::AttachMidi(MidiInput* input) {
  if (midi_) midi_->SetHandler(nullptr);
  midi_ = input;
  if (!midi_) return;
  // The handler runs on the input's thread; the answer is given on ours.
  // Detaching waits for a running handler, and Qt drops what is still
  // queued for the receiver when it goes.
  midi_->SetHandler([this](const MidiNoteOn& noteOn) {
    QMetaObject::invokeMethod(
        &receiver_, [this, note = noteOn.note] { Give(Answer::Pitch(note)); },
        Qt::QueuedConnection);
  });
}

}  // namespace fretlab::practice
