#pragma once
// The conditions every rendered note is heard in: clean, under noise, with
// hum, in a room, played quietly and near full scale.

#include <functional>
#include <string>
#include <vector>

#include "support/guitar_material.h"

namespace fretlab::bench {

struct Variant {
  std::string name;
  bool reverb = false;
  std::function<void(std::vector<float>&)> apply;
};

inline std::vector<Variant> Variants() {
  using namespace fretlab::testing;
  return {
      {"clean", false, [](std::vector<float>&) {}},
      {"white -40 dBFS", false, [](std::vector<float>& t) { AddWhiteNoise(t, -40, 11); }},
      {"pink -35 dBFS", false, [](std::vector<float>& t) { AddPinkNoise(t, -35, 12); }},
      {"hum 50 Hz -40 dBFS", false, [](std::vector<float>& t) { AddHum(t, -40); }},
      {"room reverb", true, [](std::vector<float>&) {}},
      {"quiet -30 dB", false, [](std::vector<float>& t) { Scale(t, -30); }},
      {"near full scale", false, [](std::vector<float>& t) { ScaleToPeak(t, -0.5); }},
  };
}

// Every note from `low` to `high`, one every `spacing` seconds, each held
// `length` seconds, the first at 0.5 s.
inline std::vector<testing::PlayedNote> EveryNote(int low, int high, double spacing = 2.0,
                                                  double length = 1.2) {
  std::vector<testing::PlayedNote> notes;
  for (int n = low; n <= high; ++n) {
    notes.push_back({n, 0.5 + (n - low) * spacing, length, 100});
  }
  return notes;
}

// The benchmark's legato melody or repeated notes for `program`.
std::vector<testing::PlayedNote> SequenceNotes(int program, bool legato);

}  // namespace fretlab::bench
