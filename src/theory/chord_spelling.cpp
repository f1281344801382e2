#include "theory/chord_spelling.h"

#include <cstdlib>

namespace fretlab {

namespace {

// Accidentals over every sounding tone of the reading when spelled from `root`.
int AccidentalCount(const ChordReading& reading, SpelledNote root) {
  int count = 0;
  for (int i = 0; i < 12; ++i) {
    if (reading.toneDegrees[i] == 0) continue;
    count += std::abs(SpellDegree(root, reading.toneDegrees[i], reading.root + i).accidental);
  }
  return count;
}

SpelledNote SpellRoot(const ChordReading& reading) {
  const SpelledNote sharp = SpellPitchClass(reading.root, Accidentals::kSharps);
  if (sharp.accidental == 0) return sharp;  // a white key
  const SpelledNote flat = SpellPitchClass(reading.root, Accidentals::kFlats);
  const int sharps = AccidentalCount(reading, sharp);
  const int flats = AccidentalCount(reading, flat);
  if (sharps != flats) return sharps < flats ? sharp : flat;
  return SpellPitchClass(reading.root, Accidentals::kKeyNames);
}

}  // namespace

SpelledNote SpellDegree(SpelledNote root, int degree, int pitchClass) {
  const auto spelled = SpellOnLetter(LetterAbove(root.letter, degree - 1), pitchClass);
  return spelled ? *spelled : SpellPitchClass(pitchClass, Accidentals::kSharps);
}

SpelledNote ChordReading::Spell(int pitchClass) const {
  const int degree = toneDegrees[PitchClass(pitchClass - root)];
  if (degree == 0) return SpellPitchClass(pitchClass, Accidentals::kSharps);
  return SpellDegree(rootSpelling, degree, pitchClass);
}

Degree ChordReading::DegreeOf(int pitchClass) const {
  const int semitones = PitchClass(pitchClass - root);
  const int number = toneDegrees[semitones] > 0 ? toneDegrees[semitones] : 1;
  int alteration = semitones - Degree{number, 0}.Semitones();
  if (alteration > 6) alteration -= 12;
  if (alteration < -6) alteration += 12;
  return {number, alteration};
}

void SpellReading(ChordReading& reading, int root, int bass) {
  reading.root = root;
  reading.rootSpelling = SpellRoot(reading);
  reading.symbol = NoteName(reading.rootSpelling, SignStyle::kAscii) + reading.suffix;
  if (bass == root) return;
  reading.bass = bass;
  const SpelledNote asTone = reading.Spell(bass);
  const SpelledNote usual = SpellPitchClass(bass, Accidentals::kKeyNames);
  reading.bassSpelling = std::abs(asTone.accidental) <= std::abs(usual.accidental) ? asTone : usual;
  reading.symbol += "/" + NoteName(reading.bassSpelling, SignStyle::kAscii);
}

}  // namespace fretlab
