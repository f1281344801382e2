#include "theory/key_spelling.h"

#include <cstdlib>

namespace fretlab {

namespace {

constexpr int kMajorRow = 1;    // Scales(): Major (Ionian)
constexpr int kMinorRow = 4;    // Scales(): Natural minor (Aeolian)

// The chromatic view writes its two ambiguous degrees on the preferred side.
std::vector<Degree> ChromaticDegrees(const CatalogueEntry& entry, Accidentals preference) {
  std::vector<Degree> degrees = entry.degrees;
  for (Degree& d : degrees) {
    const bool sharps = preference == Accidentals::kSharps;
    if (d.Semitones() == 6) d = sharps ? Degree{4, 1} : Degree{5, -1};
    if (d.Semitones() == 8) d = sharps ? Degree{5, 1} : Degree{6, -1};
  }
  return degrees;
}

SpelledNote NoteOfDegree(SpelledNote root, Degree degree, Accidentals fallback) {
  const int pc = PitchClass(root.PitchClass() + degree.Semitones());
  const auto spelled = SpellOnLetter(LetterAbove(root.letter, degree.LetterSteps()), pc);
  // Only roots with double accidentals can push a degree past a double one.
  return spelled ? *spelled : SpellPitchClass(pc, fallback);
}

int SignedAccidentals(SpelledNote root, const CatalogueEntry& entry) {
  int sum = 0;
  for (const Degree& d : entry.degrees) sum += NoteOfDegree(root, d, Accidentals::kSharps).accidental;
  return sum;
}

int AbsoluteAccidentals(SpelledNote root, const CatalogueEntry& entry) {
  int sum = 0;
  for (const Degree& d : entry.degrees) {
    sum += std::abs(NoteOfDegree(root, d, Accidentals::kSharps).accidental);
  }
  return sum;
}

const CatalogueEntry& KeyOf(const CatalogueEntry& entry) {
  switch (entry.parent) {
    case ParentKey::kMajor: return Scales()[kMajorRow];
    case ParentKey::kMinor: return Scales()[kMinorRow];
    case ParentKey::kOwn: break;
  }
  return entry;
}

bool IsScale(const CatalogueEntry& entry) {
  const auto scales = Scales();
  return &entry >= scales.data() && &entry < scales.data() + scales.size();
}

// A note that a scale adds to the key it borrows its letters from (the blues
// scale's blue note) has no letter of its own in that key: it is written on
// whichever neighbouring letter needs the simpler accidental, as written in
// the catalogue on a tie. F blues has B (♯4), not C♭; A blues E♭ (♭5). A
// chord's tones keep their degrees: the ♭5 of F7♭5 is C♭.
Degree PassingDegree(SpelledNote root, const CatalogueEntry& entry, Degree degree) {
  if (entry.parent == ParentKey::kOwn || !IsScale(entry)) return degree;
  for (const Degree& d : KeyOf(entry).degrees) {
    if (d.Semitones() == degree.Semitones()) return degree;
  }
  Degree best = degree;
  int fewest = std::abs(NoteOfDegree(root, degree, Accidentals::kSharps).accidental);
  for (int step : {-1, 1}) {
    const int number = degree.number + step;
    if (number < 2 || number > 7) continue;
    int alteration = degree.Semitones() - Degree{number, 0}.Semitones();
    if (alteration > 6) alteration -= 12;
    if (alteration < -6) alteration += 12;
    if (alteration < -1 || alteration > 1) continue;
    const Degree other{number, alteration};
    const int signs = std::abs(NoteOfDegree(root, other, Accidentals::kSharps).accidental);
    if (signs < fewest) {
      best = other;
      fewest = signs;
    }
  }
  return best;
}

}  // namespace

SpelledNote AutomaticRoot(int rootPitchClass, const CatalogueEntry& entry, Accidentals preference) {
  const int pc = PitchClass(rootPitchClass);
  if (entry.chromatic) return SpellPitchClass(pc, preference);
  const SpelledNote sharp = SpellPitchClass(pc, Accidentals::kSharps);
  const SpelledNote flat = SpellPitchClass(pc, Accidentals::kFlats);
  if (sharp == flat) return sharp;  // a white key
  const CatalogueEntry& key = KeyOf(entry);
  return AbsoluteAccidentals(flat, key) < AbsoluteAccidentals(sharp, key) ? flat : sharp;
}

KeySpelling::KeySpelling(SpelledNote root, const CatalogueEntry& entry, Accidentals preference)
    : m_root(root) {
  if (entry.chromatic) {
    m_outside = preference;
    m_degrees = ChromaticDegrees(entry, preference);
    for (const Degree& d : m_degrees) {
      m_notes.push_back(d.IsRoot() ? root
                                   : SpellPitchClass(root.PitchClass() + d.Semitones(), preference));
    }
    return;
  }
  const int side = SignedAccidentals(root, KeyOf(entry));
  m_outside = side > 0 ? Accidentals::kSharps : side < 0 ? Accidentals::kFlats : preference;
  for (const Degree& d : entry.degrees) {
    m_degrees.push_back(PassingDegree(root, entry, d));
    m_notes.push_back(NoteOfDegree(root, m_degrees.back(), m_outside));
  }
}

KeySpelling KeySpelling::Automatic(int rootPitchClass, const CatalogueEntry& entry,
                                   Accidentals preference) {
  return KeySpelling(AutomaticRoot(rootPitchClass, entry, preference), entry, preference);
}

int KeySpelling::IndexOfPitchClass(int pitchClass) const {
  const int pc = PitchClass(pitchClass);
  for (int i = 0; i < Size(); ++i) {
    if (m_notes[i].PitchClass() == pc) return i;
  }
  return -1;
}

SpelledNote KeySpelling::Spell(int pitchClass) const {
  const int i = IndexOfPitchClass(pitchClass);
  return i >= 0 ? m_notes[i] : SpellPitchClass(pitchClass, m_outside);
}

int KeySpelling::AccidentalCount() const {
  int sum = 0;
  for (const SpelledNote& n : m_notes) sum += std::abs(n.accidental);
  return sum;
}

}  // namespace fretlab
