#include "practice/voicing_view.h"

#include "theory/intervals.h"

namespace fretlab {

namespace {

// The degree of `note` over `root` by their letters: E over C is a 3.
Degree DegreeOver(SpelledNote root, SpelledNote note) {
  const int number = (note.letter - root.letter + 7) % 7 + 1;
  int alteration = PitchClass(note.PitchClass() - root.PitchClass()) - Degree{number, 0}.Semitones();
  if (alteration > 6) alteration -= 12;
  if (alteration < -6) alteration += 12;
  return {number, alteration};
}

}  // namespace

VoicingQuery ViewVoicingQuery(const PracticeView& view, int span) {
  VoicingQuery query;
  query.tuning = view.tuning;
  query.capo = view.capo;
  query.span = span;
  return query;
}

std::string VoicingRow(const Voicing& voicing) {
  return voicing.FretsText() + "  " + voicing.label + "  " + voicing.NotesText(SignStyle::kUnicode);
}

std::vector<NeckMark> VoicingMarks(const PracticeView& view, const ChordSymbol& chord,
                                   const Voicing& voicing) {
  std::vector<NeckMark> marks;
  for (const VoicedNote& n : voicing.notes) {
    const Degree degree = n.degree ? *n.degree : DegreeOver(chord.root, n.name);
    marks.push_back(MakeMark(view.labels, {n.string, n.fret}, n.note, n.name, degree));
  }
  return marks;
}

std::vector<StringIndex> VoicingMutes(const Voicing& voicing) {
  std::vector<StringIndex> muted;
  for (StringIndex s = 0; s < static_cast<StringIndex>(voicing.frets.size()); ++s) {
    if (voicing.frets[s] == kMuted) muted.push_back(s);
  }
  return muted;
}

std::vector<SoundedPosition> VoicingStrum(const Voicing& voicing) {
  std::vector<SoundedPosition> strum;
  for (const VoicedNote& n : voicing.notes) strum.push_back({{n.string, n.fret}, n.note});
  return strum;
}

}  // namespace fretlab
