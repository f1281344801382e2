#pragma once
// Runs a PlaybackSchedule from the Qt event loop: a precise single-shot
// timer wakes at each next event, so the window stays responsive while
// notes sound, and stop() silences them at once.

#include <QObject>
#include <QTimer>
#include <functional>

#include "practice/playback_schedule.h"

namespace fretlab {

class PlaybackDriver : public QObject {
  Q_OBJECT

 public:
  // `now` is the clock of the schedule (tests give a fake one).
  explicit PlaybackDriver(MidiOutput& output,
                          std::function<SoundClock::time_point()> now = &SoundClock::now,
                          QObject* parent = nullptr);

  void play(PlaybackSchedule schedule);
  void stop();
  bool isPlaying() const { return m_player.IsPlaying(); }
  const PlaybackSchedule& schedule() const { return m_player.Schedule(); }
  // Performs what is due now and sets the timer for the next event; the
  // timer calls it, and tests on a fake clock call it themselves.
  void tick();

 signals:
  // The step whose notes just started, or -1 when playing ended or stopped.
  void stepChanged(int step);
  // A schedule starts that sounds until `end` on the player's clock, for
  // whoever must not mistake the program's own notes for the player's.
  void soundingUntil(fretlab::SoundClock::time_point end);

 private:
  void arm();

  std::function<SoundClock::time_point()> m_now;
  SchedulePlayer m_player;
  QTimer m_timer;
};

}  // namespace fretlab
