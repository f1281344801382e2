#include "theory/chord_name.h"

#include <algorithm>
#include <bit>
#include <tuple>
#include <utility>

#include "theory/chord_reading.h"
#include "theory/chord_spelling.h"

namespace fretlab {

namespace {

bool IsSounding(NoteNumber note) { return note >= 1 && note <= 127; }

ChordReading FixedReading(ChordKind kind, int root, std::string suffix,
                           std::initializer_list<std::pair<int, int>> tones) {
  ChordReading reading;
  reading.kind = kind;
  reading.suffix = std::move(suffix);
  for (const auto& [interval, degree] : tones) reading.toneDegrees[interval] = degree;
  reading.root = root;
  return reading;
}

struct Ranked {
  ChordReading reading;
  int omitted = 0;
};

bool Before(const Ranked& a, const Ranked& b) {
  const auto key = [](const Ranked& r) {
    return std::tuple(r.reading.cost, r.omitted, r.reading.bass.has_value(), r.reading.root);
  };
  return key(a) < key(b);
}

}  // namespace

std::string_view IntervalName(int semitones) {
  static constexpr std::string_view kNames[12] = {"P1", "m2", "M2", "m3", "M3", "P4",
                                                  "TT", "P5", "m6", "M6", "m7", "M7"};
  return kNames[PitchClass(semitones)];
}

std::span<const ChordReading> ChordName::Alternatives() const {
  if (readings.empty()) return {};
  return std::span<const ChordReading>(readings).subspan(1);
}

std::string ChordName::Symbol() const { return Named() ? Best().symbol : std::string(); }

std::string ChordName::Display() const {
  if (Named()) return Best().symbol;
  if (interval != 0) return "(" + std::string(IntervalName(interval)) + ")";
  return "N.C.";
}

ChordName NameChord(std::span<const NoteNumber> notes) {
  ChordName name;
  unsigned pitchClasses = 0;
  NoteNumber lowest = 0;
  for (const NoteNumber note : notes) {
    if (!IsSounding(note)) continue;
    pitchClasses |= 1u << PitchClass(note);
    if (lowest == 0 || note < lowest) lowest = note;
  }
  if (pitchClasses == 0) return name;
  const int bass = PitchClass(lowest);
  const int count = std::popcount(pitchClasses);

  if (count == 1) {
    ChordReading reading = FixedReading(ChordKind::SingleNote, bass, "", {{0, 1}});
    SpellReading(reading, bass, bass);
    name.readings.push_back(std::move(reading));
    return name;
  }
  if (count == 2) {
    const int other = std::countr_zero(pitchClasses & ~(1u << bass));
    const int up = PitchClass(other - bass);
    if (up != 5 && up != 7) {
      name.interval = up;
      return name;
    }
    const int root = up == 7 ? bass : other;
    ChordReading reading = FixedReading(ChordKind::Power, root, "5", {{0, 1}, {7, 5}});
    SpellReading(reading, root, bass);
    name.readings.push_back(std::move(reading));
    return name;
  }

  std::vector<Ranked> ranked;
  for (int root = 0; root < 12; ++root) {
    if (!((pitchClasses >> root) & 1u)) continue;
    // The set rotated so that bit i is the tone i semitones above this root.
    const unsigned intervals = ((pitchClasses >> root) | (pitchClasses << (12 - root))) & 0xFFFu;
    Ranked r;
    r.reading = ReadOverRoot(intervals, root == bass, r.omitted);
    SpellReading(r.reading, root, bass);
    // A slash chord is more often the inversion of a plain chord than of an
    // altered one.
    if (root != bass) r.reading.cost += HasAlteredTone(r.reading) ? 4 : 3;
    ranked.push_back(std::move(r));
  }
  std::sort(ranked.begin(), ranked.end(), Before);
  const int limit = ranked.front().reading.cost + kPlausibleCostSpread;
  for (Ranked& r : ranked) {
    if (r.reading.cost > limit) break;
    name.readings.push_back(std::move(r.reading));
  }
  return name;
}

}  // namespace fretlab
