#pragma once
// Setups for the drill tests, built from the theory core's tunings, scale
// catalogue and key spelling.

#include <string>
#include <vector>

#include "practice/drill.h"
#include "theory/scale_catalogue.h"

namespace fretlab::practice::testing {

inline Tuning Preset(std::string_view name) { return *FindPresetTuning(name); }
inline const CatalogueEntry& Chromatic() { return Scales()[kCatalogueChromatic]; }
inline const CatalogueEntry& Major() { return Scales()[1]; }
inline const CatalogueEntry& Dorian() { return Scales()[3]; }
inline const CatalogueEntry& Dominant7() { return ChordFormulas()[7]; }

// Strings given as guitarists count them (1 = the thinnest); none = all.
inline std::uint32_t Strings(std::initializer_list<int> numbers) {
  std::uint32_t mask = 0;
  for (int n : numbers) mask |= 1u << (n - 1);
  return mask;
}

inline DrillSetup MakeSetup(std::string_view tuning, int first, int last,
                            const CatalogueEntry& entry = Chromatic(), int root = 0,
                            Accidentals preference = Accidentals::kSharps) {
  NeckArea area;
  area.frets = {first, last};
  KeySpelling key = KeySpelling::Automatic(root, entry, preference);
  const std::string name = NoteName(key.Root()) + std::string(entry.shortName);
  return DrillSetup(Preset(tuning), area, std::move(key), name);
}

inline std::string SharpName(int pc) {
  return NoteName(SpellPitchClass(pc, Accidentals::kSharps));
}

}  // namespace fretlab::practice::testing
