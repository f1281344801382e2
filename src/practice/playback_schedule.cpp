#include "practice/playback_schedule.h"

#include <algorithm>
#include <map>

namespace fretlab {

PlaybackSchedule PlaybackSchedule::Sequence(std::vector<PlaybackStep> steps, PlaybackTime length,
                                            PlaybackTime stagger) {
  PlaybackSchedule schedule;
  PlaybackTime at{0};
  for (PlaybackStep& step : steps) {
    step.start = at;
    if (step.length <= PlaybackTime{0}) step.length = length;
    at += step.length;
  }
  schedule.m_steps = std::move(steps);
  schedule.BuildEvents(stagger);
  return schedule;
}

PlaybackSchedule PlaybackSchedule::Walk(const std::vector<SoundedPosition>& positions,
                                        PlaybackTime length, bool andBack) {
  std::map<NoteNumber, std::vector<Position>> byPitch;
  for (const SoundedPosition& p : positions) byPitch[p.note].push_back(p.position);
  std::vector<PlaybackStep> steps;
  for (const auto& [note, marks] : byPitch) steps.push_back({{note}, marks});
  if (andBack) {
    // Down again without sounding the top twice.
    for (int i = static_cast<int>(steps.size()) - 2; i >= 0; --i) steps.push_back(steps[i]);
  }
  return Sequence(std::move(steps), length);
}

PlaybackSchedule PlaybackSchedule::Strum(const std::vector<SoundedPosition>& lowStringFirst,
                                         PlaybackTime stagger, PlaybackTime length) {
  PlaybackStep step;
  for (const SoundedPosition& p : lowStringFirst) {
    step.notes.push_back(p.note);
    step.marks.push_back(p.position);
  }
  std::vector<PlaybackStep> steps;
  if (!step.notes.empty()) steps.push_back(std::move(step));
  return Sequence(std::move(steps), length, stagger);
}

void PlaybackSchedule::BuildEvents(PlaybackTime stagger) {
  using Kind = PlaybackEvent::Kind;
  m_events.clear();
  for (int i = 0; i < static_cast<int>(m_steps.size()); ++i) {
    const PlaybackStep& step = m_steps[i];
    m_events.push_back({step.start, Kind::kStep, i});
    m_events.push_back({step.start, Kind::kOpen, 0});
    // A strum too slow for its step is pressed into the step's first half,
    // so every note sounds before the close.
    PlaybackTime gap = stagger;
    const auto gaps = static_cast<PlaybackTime::rep>(step.notes.size()) - 1;
    if (gaps > 0 && gap * gaps >= step.length) gap = step.length / (2 * gaps);
    PlaybackTime at = step.start;
    for (NoteNumber note : step.notes) {
      m_events.push_back({at, Kind::kNoteOn, note});
      at += gap;
    }
    m_events.push_back({step.start + step.length, Kind::kClose, 0});
  }
  m_events.push_back({Duration(), Kind::kEnd, 0});
  std::stable_sort(m_events.begin(), m_events.end(),
                   [](const PlaybackEvent& a, const PlaybackEvent& b) {
                     return a.at != b.at ? a.at < b.at : a.kind < b.kind;
                   });
}

PlaybackTime PlaybackSchedule::Duration() const {
  return m_steps.empty() ? PlaybackTime{0} : m_steps.back().start + m_steps.back().length;
}

void SchedulePlayer::Start(PlaybackSchedule schedule, SoundClock::time_point now) {
  Stop();
  m_schedule = std::move(schedule);
  m_origin = now;
  m_next = 0;
  m_playing = true;
  Advance(now);
}

std::optional<SoundClock::time_point> SchedulePlayer::NextEventTime() const {
  if (!m_playing || m_next >= m_schedule.Events().size()) return std::nullopt;
  return m_origin + m_schedule.Events()[m_next].at;
}

std::optional<SoundClock::time_point> SchedulePlayer::Advance(SoundClock::time_point now) {
  while (m_playing && m_next < m_schedule.Events().size()) {
    const PlaybackEvent& event = m_schedule.Events()[m_next];
    if (m_origin + event.at > now) break;
    ++m_next;
    Perform(event);
  }
  return NextEventTime();
}

void SchedulePlayer::Perform(const PlaybackEvent& event) {
  switch (event.kind) {
    case PlaybackEvent::Kind::kOpen:
      // The step's place on the schedule's grid: an output that stamps its
      // notes keeps them there when the timer woke late.
      m_output.due(m_origin + event.at);
      m_output.open();
      m_open = true;
      break;
    case PlaybackEvent::Kind::kNoteOn:
      if (event.value >= 0 && event.value <= 127) m_output.send(NoteOnMessage(event.value));
      break;
    case PlaybackEvent::Kind::kClose:
      m_output.close();
      m_open = false;
      m_step = -1;
      break;
    case PlaybackEvent::Kind::kStep:
      m_step = event.value;
      if (m_listener) m_listener(m_step);
      break;
    case PlaybackEvent::Kind::kEnd:
      Finish();
      break;
  }
}

void SchedulePlayer::Stop() {
  if (!m_playing) return;
  Finish();
}

void SchedulePlayer::Finish() {
  if (m_open) m_output.close();
  m_open = false;
  m_playing = false;
  m_step = -1;
  m_next = m_schedule.Events().size();
  if (m_listener) m_listener(-1);
}

}  // namespace fretlab
