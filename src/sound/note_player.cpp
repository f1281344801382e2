#include "sound/note_player.h"

#include <cerrno>
#include <ctime>

namespace fretlab {

namespace {

bool IsSendableNote(int note) { return note >= 0 && note <= 127; }

// steady_clock is CLOCK_MONOTONIC on Linux, so its time points can be handed
// to an absolute sleep on that clock. Sleeping to an absolute time keeps a
// late wake-up of one note from pushing every later deadline.
void SleepUntil(SoundClock::time_point deadline) {
  const auto sinceEpoch = deadline.time_since_epoch();
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch);
  timespec target{};
  target.tv_sec = static_cast<time_t>(seconds.count());
  target.tv_nsec = static_cast<long>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch - seconds).count());
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &target, nullptr) == EINTR) {
  }
}

}  // namespace

Timing SystemTiming() {
  return Timing{[] { return SoundClock::now(); }, SleepUntil};
}

NotePlayer::NotePlayer(MidiOutput& output, Timing timing)
    : output_(&output), timing_(std::move(timing)) {}

void NotePlayer::PlayNote(int note, int length) {
  BeginNote();
  output_->open();
  if (IsSendableNote(note)) {
    output_->send(NoteOnMessage(note));
  }
  WaitUnits(length);
  output_->close();
  EndNote();
}

void NotePlayer::PlayChord(const std::array<int, 6>& notes, int length) {
  BeginNote();
  output_->open();
  // Slot order 0..5 (low E first) with nothing in between, so the strings
  // start together. A slot holding 0 is a string without a note.
  for (int note : notes) {
    if (note >= 1 && note <= 127) {
      output_->send(NoteOnMessage(note));
    }
  }
  WaitUnits(length);
  output_->close();
  EndNote();
}

void NotePlayer::WaitUnits(int length) {
  const bool ownRest = !inNote_;
  if (ownRest) {
    BeginNote();
  }
  // A length of 0 (sound off) or less has no wait at all: the note's close
  // follows its open at once, and there is no grid for the next note to keep.
  if (length > 0) {
    const SoundClock::time_point deadline = noteStart_ + length * kNoteLengthUnit;
    timing_.waitUntil(deadline);
    lastDeadline_ = deadline;
    hasDeadline_ = true;
  } else {
    hasDeadline_ = false;
  }
  if (ownRest) {
    EndNote();
  }
}

void NotePlayer::BeginNote() {
  const SoundClock::time_point now = timing_.now();
  // Joining the previous deadline absorbs the few milliseconds spent between
  // notes (drawing a marker, opening the output) into this note's length
  // instead of adding them to every note of a scale. A longer gap (the user
  // starting another display) begins afresh from now.
  if (hasDeadline_ && now >= lastDeadline_ - kNoteJoinTolerance &&
      now <= lastDeadline_ + kNoteJoinTolerance) {
    noteStart_ = lastDeadline_;
  } else {
    noteStart_ = now;
  }
  inNote_ = true;
}

void NotePlayer::EndNote() { inNote_ = false; }

}  // namespace fretlab
