#pragma once
// What a Play, a Strum or a click sounds and when, worked out before the
// first note, and a player that walks it on any clock without ever waiting:
// the window calls Advance() from a timer at NextEventTime(), tests call it
// on a fake clock. Stop() ends whatever sounds at once.
//
// How to use it:
//   PlaybackSchedule s = PlaybackSchedule::Walk(positionsWithNotes, 300ms, true);
//   SchedulePlayer player(output);             // output: MidiOutput&
//   player.SetStepListener([](int step) { ... s.Steps()[step].marks ... });
//   player.Start(std::move(s), clock.now());
//   while (auto next = player.Advance(clock.now())) { sleep until *next }
//   player.Stop();                              // at any moment
// Each step is one open(), its note-ons, and one close() at the step's end,
// as the MidiOutput seam expects. The listener hears the step whose notes
// start (0..), and -1 when playing ends or is stopped.

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include "sound/midi_output.h"
#include "sound/sound_clock.h"
#include "theory/tuning.h"

namespace fretlab {

using PlaybackTime = std::chrono::milliseconds;  // from the start of a schedule

struct SoundedPosition {
  Position position;
  NoteNumber note = 0;  // MIDI note 0..127
  friend bool operator==(const SoundedPosition&, const SoundedPosition&) = default;
};

struct PlaybackStep {
  std::vector<NoteNumber> notes;  // in the order they start
  std::vector<Position> marks;    // shown while the step sounds
  PlaybackTime start{0};
  PlaybackTime length{0};
};

struct PlaybackEvent {
  enum class Kind { kClose, kStep, kOpen, kNoteOn, kEnd };  // order at equal times
  PlaybackTime at{0};
  Kind kind = Kind::kEnd;
  int value = 0;  // kNoteOn: the note; kStep: the step index
  friend bool operator==(const PlaybackEvent&, const PlaybackEvent&) = default;
};

class PlaybackSchedule {
 public:
  PlaybackSchedule() = default;

  // One step after another, each `length` long unless it has a length of
  // its own (a step with no notes is a rest); within a step the notes
  // start `stagger` apart (0: together).
  static PlaybackSchedule Sequence(std::vector<PlaybackStep> steps, PlaybackTime length,
                                   PlaybackTime stagger = PlaybackTime{0});
  // The distinct pitches of `positions` from low to high (and, with
  // `andBack`, down again to the lowest), one step per pitch with every
  // position of that pitch marked.
  static PlaybackSchedule Walk(const std::vector<SoundedPosition>& positions, PlaybackTime length,
                               bool andBack);
  // All notes in one step, lowest string first (the order given is the
  // order of the strum), `stagger` apart, sounding `length` from the first.
  static PlaybackSchedule Strum(const std::vector<SoundedPosition>& lowStringFirst,
                                PlaybackTime stagger, PlaybackTime length);

  const std::vector<PlaybackStep>& Steps() const { return m_steps; }
  // Sorted by time; at equal times closes come before the next step's open.
  const std::vector<PlaybackEvent>& Events() const { return m_events; }
  PlaybackTime Duration() const;

 private:
  void BuildEvents(PlaybackTime stagger);

  std::vector<PlaybackStep> m_steps;
  std::vector<PlaybackEvent> m_events;
};

class SchedulePlayer {
 public:
  explicit SchedulePlayer(MidiOutput& output) : m_output(output) {}
  // Silences what still sounds, without telling the listener, which may be
  // gone already.
  ~SchedulePlayer() {
    if (m_open) m_output.close();
  }
  SchedulePlayer(const SchedulePlayer&) = delete;
  SchedulePlayer& operator=(const SchedulePlayer&) = delete;

  void SetStepListener(std::function<void(int step)> listener) { m_listener = std::move(listener); }

  // Stops what plays, then starts `schedule` with its time 0 at `now` and
  // performs what is due at once.
  void Start(PlaybackSchedule schedule, SoundClock::time_point now);
  // Performs every event due by `now`, in order. Returns when the next one
  // is due, or nothing once the schedule is done.
  std::optional<SoundClock::time_point> Advance(SoundClock::time_point now);
  std::optional<SoundClock::time_point> NextEventTime() const;
  // Closes an open note at once and forgets the rest; the listener hears -1.
  void Stop();

  bool IsPlaying() const { return m_playing; }
  const PlaybackSchedule& Schedule() const { return m_schedule; }
  int CurrentStep() const { return m_step; }  // -1 outside a step

 private:
  void Perform(const PlaybackEvent& event);
  void Finish();

  MidiOutput& m_output;
  std::function<void(int)> m_listener;
  PlaybackSchedule m_schedule;
  SoundClock::time_point m_origin{};
  std::size_t m_next = 0;
  bool m_playing = false;
  bool m_open = false;
  int m_step = -1;
};

}  // namespace fretlab
