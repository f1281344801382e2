#pragma once
// The input seam: note-ons from a MIDI instrument, with which a player
// answers the drills. Backends (sound/backends/) hand every raw message to
// Deliver(); only note-ons with a velocity reach the handler, so every
// backend and every test feed is read the same way.

#include <cstddef>
#include <functional>
#include <mutex>

namespace fretlab {

struct MidiNoteOn {
  int channel = 0;   // 0..15, 0 = MIDI channel 1
  int note = 0;      // 0..127, 60 = middle C
  int velocity = 0;  // 1..127
  friend bool operator==(const MidiNoteOn&, const MidiNoteOn&) = default;
};

class MidiInput {
 public:
  using Handler = std::function<void(const MidiNoteOn&)>;

  virtual ~MidiInput() = default;

  // Called for each note-on on the thread that received it (a backend's
  // own), so a window must pass it on to its event loop. Null: drop them.
  void SetHandler(Handler handler);

 protected:
  // One complete MIDI message, status byte first. A note-on with velocity
  // 0 is a note-off by MIDI's own rule and is dropped, as is anything else.
  void Deliver(const unsigned char* bytes, std::size_t size);

 private:
  std::mutex mutex_;
  Handler handler_;
};

}  // namespace fretlab
