#include "sound/note_player.h"

#include <algorithm>
#include <utility>

namespace fretlab {

namespace {

bool IsSendableNote(int note) { return note >= 0 && note <= 127; }

}  // namespace

NotePlayer::NotePlayer(MidiOutput& output, Timing timing)
    : output_(output), timing_(std::move(timing)) {}

bool NotePlayer::PlayNote(int note, int length) {
  BeginNote(length);
  output_.due(noteStart_);
  output_.open();
  if (IsSendableNote(note)) {
    output_.send(NoteOnMessage(note));
  }
  const bool whole = WaitUnits(length);
  output_.close();
  EndNote();
  return whole;
}

bool NotePlayer::PlayChord(const std::array<int, 6>& notes, int length) {
  BeginNote(length);
  output_.due(noteStart_);
  output_.open();
  // Slot order 0..5 (low E first) with nothing in between, so the strings
  // start together. A slot holding 0 is a string without a note.
  for (int note : notes) {
    if (note >= 1 && note <= 127) {
      output_.send(NoteOnMessage(note));
    }
  }
  const bool whole = WaitUnits(length);
  output_.close();
  EndNote();
  return whole;
}

bool NotePlayer::WaitUnits(int length) {
  const bool ownRest = !inNote_;
  if (ownRest) {
    BeginNote(length);
  }
  // A length of 0 (sound off) or less has no wait at all: the note's close
  // follows its open at once, and there is no grid for the next note to keep.
  bool whole = true;
  if (length > 0) {
    const SoundClock::time_point deadline = noteStart_ + length * kNoteLengthUnit;
    whole = timing_.waitUntil(deadline);
    // A stopped note leaves no grid: whatever follows starts afresh.
    lastDeadline_ = deadline;
    lastLength_ = length;
    hasDeadline_ = whole;
  } else {
    hasDeadline_ = false;
  }
  if (ownRest) {
    EndNote();
  }
  return whole;
}

void NotePlayer::BeginNote(int length) {
  const SoundClock::time_point now = timing_.now();
  // Joining the previous deadline absorbs the time spent between notes
  // (drawing a marker, opening the output, a late wake-up on a busy machine)
  // into this note's length instead of adding it to every later note. A gap
  // that reaches this note's own end on the grid, or a whole step of the
  // previous note, is another operation and begins afresh from now.
  const SoundClock::time_point endOnGrid =
      lastDeadline_ + std::max(std::min(length, lastLength_), 0) * kNoteLengthUnit;
  const std::optional<SoundClock::time_point> asked = std::exchange(asked_, std::nullopt);
  if (hasDeadline_ && now >= lastDeadline_ - kNoteJoinTolerance && now < endOnGrid) {
    noteStart_ = lastDeadline_;
  } else if (asked && *asked <= now && now - *asked <= kNoteJoinTolerance) {
    noteStart_ = *asked;
  } else {
    noteStart_ = now;
  }
  inNote_ = true;
}

void NotePlayer::EndNote() { inNote_ = false; }

}  // namespace fretlab
