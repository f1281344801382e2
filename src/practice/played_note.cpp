#include "practice/played_note.h"

namespace fretlab {

namespace {

// The interval from `root` up to `note`, numbered by letters (C to A♭ is a
// sixth) and altered against the major scale's, folded into ±6 semitones.
Degree IntervalAbove(SpelledNote root, SpelledNote note) {
  const int number = (note.letter - root.letter + kLetterCount) % kLetterCount + 1;
  int alteration = PitchClass(note.PitchClass() - root.PitchClass()) - Degree{number, 0}.Semitones();
  if (alteration > 6) alteration -= 12;
  if (alteration < -6) alteration += 12;
  return {number, alteration};
}

std::string NameWithOctave(const PracticeView& view, NoteNumber note) {
  return NoteNameWithOctave(note, view.Key().Spell(PitchClass(note)));
}

}  // namespace

PlayedNote DescribePlayed(const PracticeView& view, NoteNumber note) {
  const KeySpelling key = view.Key();
  PlayedNote played;
  played.note = note;
  played.name = key.Spell(PitchClass(note));
  played.interval = IntervalAbove(key.Root(), played.name);
  if (const int index = key.IndexOfPitchClass(PitchClass(note)); index >= 0) {
    played.degree = key.DegreeAt(index);
  }
  // The whole neck, whatever frets the view shows: the note is where it is.
  NeckArea area;
  area.capo = view.Area().capo;
  played.positions = PositionsOfNote(view.tuning, area, note);
  return played;
}

std::string PlayedNoteText(const PracticeView& view, const PlayedNote& played) {
  std::string text = NameWithOctave(view, played.note) + ": ";
  text += played.interval.IsRoot() ? std::string("the root, ") + NoteName(view.Key().Root())
                                   : IntervalLabel(played.interval) + ", " + IntervalName(played.interval) +
                                         " above " + NoteName(view.Key().Root());
  text += played.degree ? "; degree " + DegreeLabel(*played.degree) + " of " + view.ChoiceText()
                        : "; not in " + view.ChoiceText();
  if (played.positions.empty()) text += "; not on this neck";
  return text;
}

std::vector<NeckMark> PlayedMarks(const PlayedNote& played) {
  std::vector<NeckMark> marks;
  for (const Position& p : played.positions) {
    marks.push_back({p, played.note, played.interval, played.name, NoteName(played.name),
                     IntervalColour(played.interval), IntervalTextColour(played.interval),
                     played.interval.IsRoot()});
  }
  return marks;
}

std::optional<FretIndex> FretForNote(const Tuning& tuning, int capo, StringIndex s, NoteNumber note) {
  if (s < 0 || s >= tuning.StringCount()) return std::nullopt;
  const int fret = note - tuning.OpenNote(s);
  if (fret < capo || fret > tuning.HighestFret()) return std::nullopt;
  return fret;
}

std::string OutOfReachText(const PracticeView& view, StringIndex s, NoteNumber note) {
  const Tuning& t = view.tuning;
  const NoteNumber lowest = t.NoteAt(s, view.Area().capo);
  return NameWithOctave(view, note) + " is out of reach of string " + std::to_string(s + 1) + ", " +
         StringName(t, s) + " string: it plays " + NameWithOctave(view, lowest) + " to " +
         NameWithOctave(view, t.NoteAt(s, t.HighestFret())) + ".";
}

}  // namespace fretlab
