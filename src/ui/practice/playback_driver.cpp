#include "ui/practice/playback_driver.h"

#include <chrono>

namespace fretlab {

PlaybackDriver::PlaybackDriver(MidiOutput& output, std::function<SoundClock::time_point()> now,
                               QObject* parent)
    : QObject(parent), m_now(std::move(now)), m_player(output) {
  m_timer.setSingleShot(true);
  m_timer.setTimerType(Qt::PreciseTimer);
  connect(&m_timer, &QTimer::timeout, this, &PlaybackDriver::tick);
  m_player.SetStepListener([this](int step) { emit stepChanged(step); });
}

void PlaybackDriver::play(PlaybackSchedule schedule) {
  const SoundClock::time_point now = m_now();
  const SoundClock::time_point end = now + schedule.Duration();
  m_player.Start(std::move(schedule), now);
  emit soundingUntil(end);
  arm();
}

void PlaybackDriver::stop() {
  m_timer.stop();
  m_player.Stop();
}

void PlaybackDriver::tick() {
  m_player.Advance(m_now());
  arm();
}

void PlaybackDriver::arm() {
  const auto next = m_player.NextEventTime();
  if (!next) {
    m_timer.stop();
    return;
  }
  // Rounded up, so the timer never wakes before the event is due.
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*next - m_now());
  m_timer.start(std::max<long long>(0, wait.count()));
}

}  // namespace fretlab
