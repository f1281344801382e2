#include "theory/chord_symbol.h"

#include <algorithm>
#include <bit>

#include "theory/chord_reading.h"
#include "theory/chord_spelling.h"

namespace fretlab {

namespace {

bool Has(const std::vector<ChordTone>& tones, int number) {
  return std::any_of(tones.begin(), tones.end(),
                     [number](const ChordTone& t) { return t.degree.number == number; });
}

// The degrees sorted by pitch above the root, for comparing chords.
std::vector<Degree> SortedDegrees(std::vector<Degree> degrees) {
  std::sort(degrees.begin(), degrees.end(), [](Degree a, Degree b) {
    return a.Semitones() != b.Semitones() ? a.Semitones() < b.Semitones() : a.number < b.number;
  });
  return degrees;
}

}  // namespace

void MarkOptionalTones(std::vector<ChordTone>& tones) {
  const bool third = Has(tones, 3) || Has(tones, 2) || Has(tones, 4);
  const bool seventh = Has(tones, 7);
  const bool upper = std::any_of(tones.begin(), tones.end(), [](const ChordTone& t) {
    return (t.degree.number == 11 || t.degree.number == 13) && t.degree.alteration == 0;
  });
  // Without a third a fifth may still go when three tones remain (C7b9(no3)).
  const bool fifthMayGo = third || tones.size() >= 4;
  for (ChordTone& t : tones) {
    const Degree d = t.degree;
    t.optional = (fifthMayGo && d == Degree{5, 0}) || (seventh && upper && d == Degree{9, 0});
  }
}

unsigned ChordSymbol::Intervals() const {
  unsigned bits = 0;
  for (const ChordTone& t : tones) bits |= 1u << t.degree.Semitones();
  return bits;
}

unsigned ChordSymbol::RequiredIntervals() const {
  unsigned bits = 0;
  for (const ChordTone& t : tones) {
    if (!t.optional) bits |= 1u << t.degree.Semitones();
  }
  return bits;
}

std::string ChordSymbol::Suffix() const {
  const unsigned intervals = Intervals();
  if (std::popcount(intervals) < 3) return "5";  // the parser lets only root and fifth through
  int omitted = 0;
  return ReadOverRoot(intervals, true, omitted).suffix;
}

std::string ChordSymbol::Symbol() const {
  std::string symbol = NoteName(root, SignStyle::kAscii) + Suffix();
  if (bass) symbol += "/" + NoteName(*bass, SignStyle::kAscii);
  return symbol;
}

std::optional<Degree> ChordSymbol::DegreeOf(int pitchClass) const {
  const int above = PitchClass(pitchClass - root.PitchClass());
  for (const ChordTone& t : tones) {
    if (t.degree.Semitones() == above) return t.degree;
  }
  return std::nullopt;
}

SpelledNote ChordSymbol::Spell(int pitchClass) const {
  if (const auto degree = DegreeOf(pitchClass)) {
    return SpellDegree(root, degree->number, PitchClass(pitchClass));
  }
  if (bass && bass->PitchClass() == PitchClass(pitchClass)) return *bass;
  return SpellPitchClass(pitchClass, root.accidental < 0 ? Accidentals::kFlats : Accidentals::kSharps);
}

int ChordSymbol::FormulaIndex() const {
  std::vector<Degree> mine;
  for (const ChordTone& t : tones) mine.push_back(t.degree);
  mine = SortedDegrees(std::move(mine));
  const auto formulas = ChordFormulas();
  for (std::size_t i = 0; i < formulas.size(); ++i) {
    if (SortedDegrees(formulas[i].degrees) == mine) return static_cast<int>(i);
  }
  return -1;
}

ChordSymbol ChordOfFormula(SpelledNote root, const CatalogueEntry& formula) {
  ChordSymbol chord;
  chord.root = root;
  for (const Degree& d : formula.degrees) chord.tones.push_back({d, false});
  MarkOptionalTones(chord.tones);
  return chord;
}

}  // namespace fretlab
