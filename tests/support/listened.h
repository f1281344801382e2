#pragma once
// What the note listener hears in a track of test material, fed in blocks
// of a capture's size, as the window and `fretlab --listen` feed it.

#include <algorithm>
#include <vector>

#include "listen/note_listener.h"
#include "support/guitar_material.h"

namespace fretlab::testing {

// A six-string guitar's range in standard tuning, at the material's rate.
inline ListenSettings GuitarListening() {
  return ListenSettings::ForStrings(kMaterialRate, 40, 64);
}

// `soundingUntil`: the program's own sound ends then (none when negative).
inline std::vector<HeardNote> ListenTo(const std::vector<float>& track,
                                       const ListenSettings& settings = GuitarListening(),
                                       std::size_t block = 1024, double soundingUntil = -1) {
  NoteListener listener(settings);
  if (soundingUntil >= 0) listener.SetSoundingUntil(soundingUntil);
  std::vector<HeardNote> heard;
  for (std::size_t i = 0; i < track.size(); i += block) {
    listener.Feed(track.data() + i, std::min(block, track.size() - i), heard);
  }
  return heard;
}

// Only the notes heard, in order.
inline std::vector<int> HeardNotes(const std::vector<float>& track) {
  std::vector<int> notes;
  for (const HeardNote& note : ListenTo(track)) notes.push_back(note.note);
  return notes;
}

}  // namespace fretlab::testing
