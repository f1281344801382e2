#include "sound/midi_input.h"

namespace fretlab {

void MidiInput::SetHandler(Handler handler) {
  std::lock_guard lock(mutex_);
  handler_ = std::move(handler);
}

void MidiInput::Deliver(const unsigned char* bytes, std::size_t size) {
  if (size != 3 || (bytes[0] & 0xF0) != 0x90 || bytes[1] > 127 || bytes[2] == 0 || bytes[2] > 127) {
    return;
  }
  const MidiNoteOn noteOn{bytes[0] & 0x0F, bytes[1], bytes[2]};
  std::lock_guard lock(mutex_);
  if (handler_) handler_(noteOn);
}

}  // namespace fretlab
