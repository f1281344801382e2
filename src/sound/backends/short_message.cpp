#include "sound/backends/short_message.h"

#include <utility>

namespace fretlab {

int ShortMessage::Size() const {
  const int kind = Kind();
  if (kind == 0xC0 || kind == 0xD0) {
    return 2;
  }
  if (kind == 0xF0) {
    // Song position takes two data bytes, song select and time code one;
    // the rest of the system messages stand alone.
    if (status == 0xF2) return 3;
    if (status == 0xF1 || status == 0xF3) return 2;
    return 1;
  }
  return 3;
}

bool UnpackShortMessage(std::uint32_t packed, ShortMessage& message) {
  const int status = static_cast<int>(packed & 0xFFu);
  if (status < 0x80) {
    return false;
  }
  message.status = status;
  message.data1 = static_cast<int>((packed >> 8) & 0x7Fu);
  message.data2 = static_cast<int>((packed >> 16) & 0x7Fu);
  return true;
}

std::vector<StartedNote> StartedNotes::Take() {
  std::vector<StartedNote> taken;
  taken.swap(notes_);
  return taken;
}

}  // namespace fretlab
