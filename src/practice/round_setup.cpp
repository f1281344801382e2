#include "practice/round_setup.h"

#include "practice/view_shapes.h"

namespace fretlab::practice {

DrillSetup SetupOfView(const PracticeView& view, std::uint32_t strings) {
  NeckArea area = view.Area();
  area.strings = strings;
  KeySpelling key = view.Key();
  // Scales by their title ("C Dorian"); chords by their symbol ("C7").
  std::string name = view.kind == ChoiceKind::kScale ? view.ChoiceText()
                                                     : NoteName(key.Root()) + std::string(view.Entry().shortName);
  DrillSetup setup(view.tuning, area, std::move(key), std::move(name));
  setup.noteNames = view.noteNames;
  if (view.kind != ChoiceKind::kScale) setup.formula = view.entry;
  // A position chosen beside the neck keeps the questions within it.
  if (view.position && PositionUnavailable(view).empty()) {
    for (const ScalePosition& p : ChosenPositions(view)) {
      for (const MarkedPosition& m : p.notes) {
        if (area.Admits(m.position)) setup.within.push_back(m.position);
      }
    }
    setup.withinName = WithinName(*view.position);
  }
  return setup;
}

std::string WithinName(PositionChoice choice) {
  switch (choice.system) {
    case PositionSystem::kCaged: return "the " + PositionName(choice.system, choice.number);
    case PositionSystem::kThreeNotesPerString:
      return "3NPS position " + std::to_string(choice.number);
    case PositionSystem::kPentatonicBox: return "box " + std::to_string(choice.number);
  }
  return {};
}

bool SameRound(const DrillSetup& a, const DrillSetup& b) {
  if (!(a.tuning.strings == b.tuning.strings) || !(a.area == b.area) || a.keyName != b.keyName ||
      !(a.key.Root() == b.key.Root()) || a.key.Size() != b.key.Size() || a.within != b.within ||
      a.formula != b.formula) {
    return false;
  }
  for (int i = 0; i < a.key.Size(); ++i) {
    if (!(a.key.NoteAt(i) == b.key.NoteAt(i))) return false;
  }
  return true;
}

}  // namespace fretlab::practice
