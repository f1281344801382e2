#pragma once
// The device seam: where notes leave the program. One open, the note-on
// messages, one close per note or chord.

#include <cstdint>
#include <string>

#include "sound/sound_clock.h"

namespace fretlab {

class MidiOutput {
 public:
  virtual ~MidiOutput() = default;
  virtual void open() = 0;
  // A packed MIDI short message: status in the lowest byte, then data 1, data 2.
  virtual void send(std::uint32_t shortMessage) = 0;
  // Ends the notes that the matching open() started.
  virtual void close() = 0;

  // Said before open(): when the coming note is due on the player's grid
  // (the previous note's end), which is a little before it is sent when the
  // window woke late or drew a marker first. An output that schedules its
  // sound may place the note there; the others need not listen.
  virtual void due(SoundClock::time_point) {}

  // Said once the program's window is up. An output whose setup is slow may
  // wait for it, so that the setup does not compete with the window's start.
  virtual void begin() {}

  // The soundfont file the output plays from, as given (a link such as the
  // system's default-GM.sf2 not followed); empty for an output that plays
  // none, or whose soundfont could not be used.
  virtual std::string soundfont() const { return {}; }
};

inline constexpr int kNoteOnVelocity = 64;

// Note-on on MIDI channel 1, velocity 64, for notes 0..127.
constexpr std::uint32_t NoteOnMessage(int note) {
  return 0x90u + static_cast<std::uint32_t>(note) * 256u +
         static_cast<std::uint32_t>(kNoteOnVelocity) * 65536u;
}

}  // namespace fretlab
