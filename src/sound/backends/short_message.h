#pragma once
// Reading a packed MIDI short message (status in the lowest byte, then data 1,
// then data 2), and remembering the notes one open() started so that its
// close() can end exactly those.

#include <cstdint>
#include <vector>

namespace fretlab {

struct ShortMessage {
  int status = 0;  // 0x80..0xFF
  int data1 = 0;   // 0..127
  int data2 = 0;   // 0..127

  int Kind() const { return status & 0xF0; }
  int Channel() const { return status & 0x0F; }  // 0 = MIDI channel 1
  // A note-on with velocity 0 is a note-off by MIDI's own rule.
  bool IsNoteOn() const { return Kind() == 0x90 && data2 > 0; }
  bool IsNoteOff() const { return Kind() == 0x80 || (Kind() == 0x90 && data2 == 0); }
  // Number of bytes on the wire: 2 for program change and channel pressure,
  // 1 for a single-byte system message, otherwise 3.
  int Size() const;
};

// Returns false when the lowest byte is not a status byte.
bool UnpackShortMessage(std::uint32_t packed, ShortMessage& message);

struct StartedNote {
  int channel;  // 0..15
  int note;     // 0..127
};

// The notes sounded since the last open(), in the order they were started.
class StartedNotes {
 public:
  void Clear() { notes_.clear(); }
  void Add(int channel, int note) { notes_.push_back({channel, note}); }
  // Hands the notes over and forgets them.
  std::vector<StartedNote> Take();

 private:
  std::vector<StartedNote> notes_;
};

}  // namespace fretlab
