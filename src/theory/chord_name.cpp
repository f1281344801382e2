#include "theory/chord_name.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <tuple>
#include <utility>

#include "theory/chord_reading.h"

namespace fretlab {

namespace {

constexpr std::string_view kLetters = "CDEFGAB";
constexpr int kLetterPitch[7] = {0, 2, 4, 5, 7, 9, 11};
// Plain spellings, used where a degree would need a triple accidental.
constexpr NoteSpelling kSharpNames[12] = {{'C', 0}, {'C', 1}, {'D', 0}, {'D', 1},
                                          {'E', 0}, {'F', 0}, {'F', 1}, {'G', 0},
                                          {'G', 1}, {'A', 0}, {'A', 1}, {'B', 0}};
// The usual name of each key, deciding a tie between two root spellings.
constexpr NoteSpelling kUsualNames[12] = {{'C', 0}, {'D', -1}, {'D', 0}, {'E', -1},
                                          {'E', 0}, {'F', 0},  {'F', 1}, {'G', 0},
                                          {'A', -1}, {'A', 0}, {'B', -1}, {'B', 0}};

int LetterIndex(char letter) {
  const std::size_t at = kLetters.find(letter);
  return at == std::string_view::npos ? 0 : static_cast<int>(at);
}

bool IsSounding(NoteNumber note) { return note >= 1 && note <= 127; }

// Accidentals over every sounding tone of the reading when spelled from `root`.
int AccidentalCount(const ChordReading& reading, const NoteSpelling& root) {
  int count = 0;
  for (int i = 0; i < 12; ++i) {
    if (reading.toneDegrees[i] == 0) continue;
    count += std::abs(SpellDegree(root, reading.toneDegrees[i], PitchClass(reading.root + i))
                          .alteration);
  }
  return count;
}

NoteSpelling SpellRoot(const ChordReading& reading) {
  const int pc = reading.root;
  const NoteSpelling sharp = kSharpNames[pc];
  if (sharp.alteration == 0) return sharp;  // a white key
  const NoteSpelling flat{kLetters[(LetterIndex(sharp.letter) + 1) % 7], -1};
  const int sharps = AccidentalCount(reading, sharp);
  const int flats = AccidentalCount(reading, flat);
  if (sharps != flats) return sharps < flats ? sharp : flat;
  return kUsualNames[pc];
}

// Adds root spelling, bass and symbol to a reading made over `root`.
void Finish(ChordReading& reading, int root, int bass) {
  reading.root = root;
  reading.rootSpelling = SpellRoot(reading);
  reading.symbol = reading.rootSpelling.Text() + reading.suffix;
  if (bass != root) {
    reading.bass = bass;
    // As the chord tone it is, unless that takes more accidentals than the
    // key's usual name (Eaug/C rather than Eaug/B#).
    const NoteSpelling asTone = reading.Spell(bass);
    const NoteSpelling usual = kUsualNames[bass];
    reading.bassSpelling =
        std::abs(asTone.alteration) <= std::abs(usual.alteration) ? asTone : usual;
    reading.symbol += "/" + reading.bassSpelling.Text();
  }
}

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

std::string NoteSpelling::Text() const {
  std::string text(1, letter);
  if (alteration > 0) text.append(static_cast<std::size_t>(alteration), '#');
  if (alteration < 0) text.append(static_cast<std::size_t>(-alteration), 'b');
  return text;
}

int NoteSpelling::PitchClass() const {
  return fretlab::PitchClass(kLetterPitch[LetterIndex(letter)] + alteration);
}

NoteSpelling SpellDegree(const NoteSpelling& root, int degree, int pitchClass) {
  const int letter = (LetterIndex(root.letter) + ((degree - 1) % 7 + 7) % 7) % 7;
  int alteration = PitchClass(pitchClass - kLetterPitch[letter]);
  if (alteration > 6) alteration -= 12;
  if (alteration < -2 || alteration > 2) return kSharpNames[PitchClass(pitchClass)];
  return NoteSpelling{kLetters[letter], alteration};
}

NoteSpelling UsualSpelling(int pitchClass) { return kUsualNames[PitchClass(pitchClass)]; }

std::string_view IntervalName(int semitones) {
  static constexpr std::string_view kNames[12] = {"P1", "m2", "M2", "m3", "M3", "P4",
                                                  "TT", "P5", "m6", "M6", "m7", "M7"};
  return kNames[PitchClass(semitones)];
}

NoteSpelling ChordReading::Spell(int pitchClass) const {
  const int interval = PitchClass(pitchClass - root);
  const int degree = toneDegrees[interval];
  if (degree == 0) return kSharpNames[PitchClass(pitchClass)];
  return SpellDegree(rootSpelling, degree, PitchClass(pitchClass));
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
    Finish(reading, bass, bass);
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
    Finish(reading, root, bass);
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
    Finish(r.reading, root, bass);
    if (root != bass) r.reading.cost += 3;
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
