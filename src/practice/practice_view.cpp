#include "practice/practice_view.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <set>

#include "practice/view_shapes.h"

namespace fretlab {

namespace {

constexpr std::string_view kLabelWords[] = {"notes", "intervals", "degrees", "names", "none"};
constexpr int kLabelModes = static_cast<int>(std::size(kLabelWords));

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return out;
}

}  // namespace

std::string MarkLabel(LabelMode mode, SpelledNote name, Degree degree, NamingSystem names) {
  switch (mode) {
    case LabelMode::kNoteNames: return NoteName(name, NoteNaming{SignStyle::kUnicode, names});
    case LabelMode::kIntervals: return IntervalLabel(degree);
    case LabelMode::kDegrees: return DegreeLabel(degree);
    case LabelMode::kIntervalNames: return IntervalShortName(degree);
    case LabelMode::kNone: break;
  }
  return {};
}

NeckMark MakeMark(LabelMode mode, Position position, NoteNumber note, SpelledNote name, Degree degree,
                  NamingSystem names) {
  return {position,
          note,
          degree,
          name,
          MarkLabel(mode, name, degree, names),
          IntervalColour(degree),
          IntervalTextColour(degree),
          degree.IsRoot(),
          ShapeOf(degree)};
}

namespace {
constexpr std::string_view kNamingWords[] = {"english", "german", "solfege"};
}  // namespace

std::string_view NamingSystemWord(NamingSystem system) { return kNamingWords[static_cast<int>(system)]; }

std::optional<NamingSystem> NamingSystemFromWord(std::string_view word) {
  for (int i = 0; i < 3; ++i) {
    if (kNamingWords[i] == word) return static_cast<NamingSystem>(i);
  }
  return std::nullopt;
}

std::string_view LabelModeWord(LabelMode mode) { return kLabelWords[static_cast<int>(mode)]; }

std::optional<LabelMode> LabelModeFromWord(std::string_view word) {
  const std::string wanted = Lower(word);
  for (int i = 0; i < kLabelModes; ++i) {
    if (kLabelWords[i] == wanted) return static_cast<LabelMode>(i);
  }
  return std::nullopt;
}

const CatalogueEntry& PracticeView::Entry() const {
  if (kind == ChoiceKind::kScale && userScale) return userScale->Entry();
  const auto entries = EntriesOf(kind);
  return entries[std::clamp(entry, 0, static_cast<int>(entries.size()) - 1)];
}

KeySpelling PracticeView::Key() const {
  if (rootName && rootName->PitchClass() == PitchClass(rootPitchClass)) {
    return KeySpelling(*rootName, Entry(), preference);
  }
  return KeySpelling::Automatic(rootPitchClass, Entry(), preference);
}

NeckArea PracticeView::Area() const {
  NeckArea area;
  area.capo = std::clamp(capo, 0, kMaxCapo);
  area.frets = frets;
  return area;
}

std::string PracticeView::ChoiceText() const {
  return ChoiceTitle(NoteName(Key().Root()), Entry(), kind);
}

std::string PracticeView::Title() const {
  std::string choice = ChoiceText();
  if (triadStrings && TriadsUnavailable(*this).empty()) {
    choice = NoteName(Key().Root()) + std::string(Entry().shortName) + " triads on strings " +
             TriadStringsText(*triadStrings);
  } else if (position && kind == ChoiceKind::kScale && PositionUnavailable(*this).empty()) {
    choice += ", " + PositionName(position->system, position->number);
  }
  return choice + " \u2014 " + tuning.name;
}

std::vector<NeckMark> BuildMarks(const PracticeView& view) {
  const KeySpelling key = view.Key();
  // With triads, their notes alone; with a position, the others faded.
  std::set<std::pair<int, int>> shown;
  const std::vector<NeckShape> shapes = BuildShapes(view);
  for (const NeckShape& shape : shapes) {
    for (const Position& p : shape.positions) shown.insert({p.string, p.fret});
  }
  const bool triads = view.triadStrings && TriadsUnavailable(view).empty();
  const bool fade = !triads && view.position && PositionUnavailable(view).empty();
  std::vector<NeckMark> marks;
  for (const MarkedPosition& m : ChoicePositions(view.tuning, view.Area(), key)) {
    const bool inShape = shown.count({m.position.string, m.position.fret}) > 0;
    if (triads && !inShape) continue;
    const Degree degree = key.DegreeAt(m.degreeIndex);
    const SpelledNote name = key.NoteAt(m.degreeIndex);
    NeckMark mark = MakeMark(view.labels, m.position, m.note, name, degree, view.noteNames);
    mark.faded = fade && !inShape;
    marks.push_back(mark);
  }
  return marks;
}

std::vector<SoundedPosition> MarkedNotes(const std::vector<NeckMark>& marks) {
  std::vector<SoundedPosition> notes;
  for (const NeckMark& m : marks) notes.push_back({m.position, m.note});
  return notes;
}

std::vector<SoundedPosition> ChordVoicing(const PracticeView& view) {
  const std::vector<NeckMark> marks = BuildMarks(view);
  std::vector<SoundedPosition> voicing;
  for (StringIndex s = view.tuning.StringCount() - 1; s >= 0; --s) {
    // Marks run by fret upwards within a string: the first is the lowest.
    const auto first = std::find_if(marks.begin(), marks.end(),
                                    [s](const NeckMark& m) { return m.position.string == s; });
    if (first != marks.end()) voicing.push_back({first->position, first->note});
  }
  return voicing;
}

SpelledNote NoteNameAt(const PracticeView& view, Position position) {
  return view.Key().Spell(PitchClass(view.tuning.NoteAt(position.string, position.fret)));
}

std::string DescribeForReader(const PracticeView& view, Position position) {
  const KeySpelling key = view.Key();
  const NoteNumber note = view.tuning.NoteAt(position.string, position.fret);
  std::string text = DescribePosition(view.tuning, position) + ", " + NoteName(key.Spell(PitchClass(note)));
  if (!view.Area().Admits(position)) {
    return text + (position.fret < view.capo ? ", behind the capo" : ", outside the frets shown");
  }
  const int degree = key.IndexOfPitchClass(PitchClass(note));
  if (degree >= 0) text += ", " + IntervalName(key.DegreeAt(degree)) + " of " + view.ChoiceText();
  return text;
}

std::string DescribeForHover(const PracticeView& view, Position position) {
  const KeySpelling key = view.Key();
  const NoteNumber note = view.tuning.NoteAt(position.string, position.fret);
  std::string text = NoteNameWithOctave(note, key.Spell(PitchClass(note))) + " \u2014 " +
                     DescribePosition(view.tuning, position);
  const int degree = key.IndexOfPitchClass(PitchClass(note));
  if (degree >= 0 && view.Area().Admits(position)) text += " \u2014 " + IntervalName(key.DegreeAt(degree));
  return text;
}

}  // namespace fretlab
