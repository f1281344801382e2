#pragma once
// Sounding notes for a length in units of 10 ms: open, note-ons, wait, close.
// The player owns the timing; its clock and its way of waiting are given to
// it, so tests run on a fake clock and the window waits on its event loop.

#include <array>
#include <chrono>
#include <optional>

#include "sound/midi_output.h"
#include "sound/sound_clock.h"

namespace fretlab {

// One length unit: 10 ms.
inline constexpr std::chrono::milliseconds kNoteLengthUnit{10};

// A note that starts at most this much before the previous note's deadline
// still counts as starting at that deadline. A note that starts after the
// deadline (the window drew a marker, or the machine was busy) keeps the grid
// too: its own wait is shortened, up to its whole length. A note that starts
// after its own end on the grid begins a grid of its own, and so does one
// that starts a whole step of the previous note's length late: that is
// another operation (a chord added a second after a click on the neck waits
// its full length).
inline constexpr std::chrono::milliseconds kNoteJoinTolerance{10};

class NotePlayer {
 public:
  NotePlayer(MidiOutput& output, Timing timing);

  // Each returns true once the note has sounded for its whole length, false
  // when the wait was stopped early; the output is closed either way, so the
  // notes end at once.
  //
  // Note 0..127 for `length` units; a note outside that range is not sent,
  // but the open, the wait and the close still happen.
  bool PlayNote(int note, int length);
  // Six notes by chord slot (0 = low E); slots without a note (0) are not sent.
  bool PlayChord(const std::array<int, 6>& notes, int length);
  // Waits until `length` units after the start of the current note. Outside
  // a note it starts a rest of its own, on the same grid as the notes.
  bool WaitUnits(int length);
  // The user asked for a note now (a click reached the window): the next
  // note, chord or rest begins now rather than when it is played, if it is
  // played within kNoteJoinTolerance. The window's work in between (finding
  // the note, drawing its marker) then neither delays the sound nor makes it
  // vary from click to click. A note that joins the grid of the one before
  // keeps the grid. Only the next one is affected.
  void Asked() { asked_ = timing_.now(); }

 private:
  // `length` in units; the grid is kept while the note's end on it is ahead.
  void BeginNote(int length);
  void EndNote();

  MidiOutput& output_;
  Timing timing_;
  SoundClock::time_point noteStart_{};
  SoundClock::time_point lastDeadline_{};
  int lastLength_ = 0;  // units; the note or rest that set lastDeadline_
  bool hasDeadline_ = false;
  bool inNote_ = false;
  std::optional<SoundClock::time_point> asked_;
};

}  // namespace fretlab
