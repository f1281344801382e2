#include "practice/view_shapes.h"

#include <algorithm>

namespace fretlab {

namespace {

bool ShowsTriads(const PracticeView& view) {
  return view.triadStrings && view.kind != ChoiceKind::kScale;
}

}  // namespace

PositionSet ViewPositions(const PracticeView& view) {
  PositionSet set;
  if (!view.position) return set;
  if (view.kind != ChoiceKind::kScale) {
    set.unavailable = "positions are for scales; choose a scale to see them";
    return set;
  }
  return FindPositions(view.position->system, view.tuning, view.Area().capo, view.Key());
}

std::vector<ScalePosition> ChosenPositions(const PracticeView& view) {
  std::vector<ScalePosition> chosen;
  if (!view.position) return chosen;
  for (ScalePosition& p : ViewPositions(view).positions) {
    if (p.number == view.position->number) chosen.push_back(std::move(p));
  }
  return chosen;
}

std::string PositionUnavailable(const PracticeView& view) {
  return view.position ? ViewPositions(view).unavailable : std::string();
}

ChordSymbol ViewChord(const PracticeView& view) { return ChordOfFormula(view.Key().Root(), view.Entry()); }

std::vector<TriadVoicing> ViewTriads(const PracticeView& view) {
  if (!ShowsTriads(view)) return {};
  return TriadsOnStrings(view.tuning, view.Area().capo, ViewChord(view), *view.triadStrings);
}

std::string TriadsUnavailable(const PracticeView& view) {
  if (!view.triadStrings) return {};
  if (view.kind == ChoiceKind::kScale || view.Entry().degrees.size() != 3) {
    return "triads are for chords of three notes: major, minor, diminished, augmented, sus2 or sus4";
  }
  if (*view.triadStrings < 0 || *view.triadStrings + 2 >= view.tuning.StringCount()) {
    return "strings " + TriadStringsText(*view.triadStrings) + " are not all on " + view.tuning.name;
  }
  return {};
}

std::vector<NeckShape> BuildShapes(const PracticeView& view) {
  std::vector<NeckShape> shapes;
  for (const TriadVoicing& t : ViewTriads(view)) {
    NeckShape shape{{}, t.span, t.Label(), true};
    for (const MarkedPosition& m : t.notes) shape.positions.push_back(m.position);
    shapes.push_back(std::move(shape));
  }
  if (ShowsTriads(view)) return shapes;
  for (const ScalePosition& p : ChosenPositions(view)) {
    NeckShape shape{{}, p.span, p.Name(), false};
    for (const MarkedPosition& m : p.notes) shape.positions.push_back(m.position);
    shapes.push_back(std::move(shape));
  }
  return shapes;
}

std::optional<PositionChoice> StepPosition(const PracticeView& view, int step) {
  if (view.position) {
    const PositionSystem system = view.position->system;
    const int first = system == PositionSystem::kCaged ? 0 : 1;
    const int count = PositionCount(system);
    const int next = ((view.position->number - first + step) % count + count) % count + first;
    return PositionChoice{system, next};
  }
  for (const PositionSystem system : {PositionSystem::kCaged, PositionSystem::kPentatonicBox,
                                      PositionSystem::kThreeNotesPerString}) {
    PracticeView tried = view;
    tried.position = PositionChoice{system, system == PositionSystem::kCaged ? 0 : 1};
    if (PositionUnavailable(tried).empty()) return tried.position;
  }
  return std::nullopt;
}

std::vector<SoundedPosition> PositionWalk(const PracticeView& view) {
  const std::vector<ScalePosition> chosen = ChosenPositions(view);
  const auto fullest = std::max_element(chosen.begin(), chosen.end(),
                                        [](const ScalePosition& a, const ScalePosition& b) {
                                          return a.notes.size() < b.notes.size();
                                        });
  std::vector<SoundedPosition> walk;
  if (fullest == chosen.end()) return walk;
  for (const MarkedPosition& m : fullest->notes) walk.push_back({m.position, m.note});
  std::stable_sort(walk.begin(), walk.end(),
                   [](const SoundedPosition& a, const SoundedPosition& b) { return a.note < b.note; });
  return walk;
}

}  // namespace fretlab
