#include "theory/scale_positions.h"

#include <algorithm>
#include <tuple>

#include "theory/position_patterns.h"

namespace fretlab {

namespace {

using namespace position_patterns;

constexpr std::string_view kCagedTunings =
    "CAGED shapes need six strings tuned with standard tuning's intervals (Standard, Half step "
    "down, Whole step down)";

// The patterns of the system for this scale, or why there are none.
std::vector<Pattern> Patterns(PositionSystem system, const Tuning& tuning, const KeySpelling& key,
                              std::string& why) {
  const ScaleKind kind = KindOf(key);
  switch (system) {
    case PositionSystem::kCaged: {
      if (!kind.parentMajor && !kind.minorPentatonic) {
        why = "CAGED shapes are for the major scale and its modes, the major and minor "
              "pentatonic and the blues scale";
        return {};
      }
      if (!HasStandardIntervals(tuning)) {
        why = std::string(kCagedTunings) + "; " + tuning.name + " has others";
        return {};
      }
      if (kind.parentMajor) return CagedWindows(tuning, key, *kind.parentMajor);
      // A pentatonic's shapes are its boxes, named by the forms they hold.
      std::vector<Pattern> boxes = PentatonicBoxes(tuning, *kind.minorPentatonic, kind.blues);
      for (Pattern& box : boxes) {
        box.number = CagedFormWithin(tuning, key.Root().PitchClass(), box.start, box.highest);
      }
      return boxes;
    }
    case PositionSystem::kThreeNotesPerString: {
      if (!kind.sevenNotes) {
        why = "three notes per string is for scales of seven notes";
        return {};
      }
      std::vector<int> scale;
      for (int i = 0; i < 7; ++i) scale.push_back(key.NoteAt(i).PitchClass());
      std::vector<Pattern> all;
      for (int first = 0; first < 7; ++first) {
        for (Pattern& p : NotesPerString(tuning, scale, 3, first)) all.push_back(std::move(p));
      }
      return all;
    }
    case PositionSystem::kPentatonicBox:
      if (!kind.minorPentatonic) {
        why = "boxes are for the major and minor pentatonic and the blues scale";
        return {};
      }
      return PentatonicBoxes(tuning, *kind.minorPentatonic, kind.blues);
  }
  return {};
}

// The pattern's notes on the neck, from the capo to the last fret.
ScalePosition Cut(PositionSystem system, const Pattern& p, const Tuning& tuning, int capo,
                  const KeySpelling& key) {
  ScalePosition position;
  position.system = system;
  position.number = p.number;
  position.span = {tuning.HighestFret(), 0};
  for (const PatternNote& n : p.notes) {
    if (n.fret < capo || n.fret > tuning.HighestFret()) {
      position.cut = true;
      continue;
    }
    const int degree = key.IndexOfPitchClass(PitchClass(n.note));
    position.notes.push_back({{n.string, n.fret}, n.note, degree});
    position.span.from = std::min(position.span.from, n.fret);
    position.span.to = std::max(position.span.to, n.fret);
    if (PitchClass(n.note) == key.Root().PitchClass()) position.roots.push_back({n.string, n.fret});
  }
  return position;
}

}  // namespace

bool ScalePosition::Contains(Position p) const {
  return std::any_of(notes.begin(), notes.end(),
                     [p](const MarkedPosition& m) { return m.position == p; });
}

std::string ScalePosition::Name() const { return PositionName(system, number); }

int PositionCount(PositionSystem system) {
  return system == PositionSystem::kThreeNotesPerString ? 7 : 5;
}

std::string PositionName(PositionSystem system, int number) {
  switch (system) {
    case PositionSystem::kCaged:
      if (number < 0 || number > 4) return "shape";
      return std::string(1, kCagedLetters[number]) + " shape";
    case PositionSystem::kThreeNotesPerString: return "3NPS " + std::to_string(number);
    case PositionSystem::kPentatonicBox: return "Box " + std::to_string(number);
  }
  return {};
}

PositionSet FindPositions(PositionSystem system, const Tuning& tuning, int capo,
                          const KeySpelling& key) {
  PositionSet set;
  // Up the neck in the order the system's positions follow one another,
  // as they lie before the capo and the last fret cut them.
  std::vector<Pattern> patterns = Patterns(system, tuning, key, set.unavailable);
  std::sort(patterns.begin(), patterns.end(), [](const Pattern& a, const Pattern& b) {
    return std::tie(a.start, a.highest, a.number) < std::tie(b.start, b.highest, b.number);
  });
  for (const Pattern& p : patterns) {
    ScalePosition position = Cut(system, p, tuning, capo, key);
    if (!position.notes.empty()) set.positions.push_back(std::move(position));
  }
  for (std::size_t i = 0; i + 1 < set.positions.size(); ++i) {
    for (const MarkedPosition& m : set.positions[i].notes) {
      if (set.positions[i + 1].Contains(m.position)) set.positions[i].joinsNext.push_back(m.position);
    }
  }
  return set;
}

std::vector<const ScalePosition*> PositionsOf(const PositionSet& set, int number) {
  std::vector<const ScalePosition*> out;
  for (const ScalePosition& p : set.positions) {
    if (p.number == number) out.push_back(&p);
  }
  return out;
}

std::optional<PositionChoice> ParsePositionChoice(std::string_view text) {
  std::string lower;
  for (char c : text) lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  const auto number = [&lower](std::size_t at, int count) -> std::optional<int> {
    if (lower.size() != at + 1 || lower[at] < '1' || lower[at] > '0' + count) return std::nullopt;
    return lower[at] - '0';
  };
  if (lower.rfind("caged:", 0) == 0 && lower.size() == 7) {
    for (int i = 0; i < 5; ++i) {
      if (lower[6] == kCagedLetters[i] + 32) return PositionChoice{PositionSystem::kCaged, i};
    }
    return std::nullopt;
  }
  if (lower.rfind("3nps:", 0) == 0) {
    if (const auto n = number(5, 7)) return PositionChoice{PositionSystem::kThreeNotesPerString, *n};
  }
  if (lower.rfind("box:", 0) == 0) {
    if (const auto n = number(4, 5)) return PositionChoice{PositionSystem::kPentatonicBox, *n};
  }
  return std::nullopt;
}

std::string PositionChoiceWord(PositionChoice choice) {
  switch (choice.system) {
    case PositionSystem::kCaged:
      return std::string("caged:") + kCagedLetters[std::clamp(choice.number, 0, 4)];
    case PositionSystem::kThreeNotesPerString: return "3nps:" + std::to_string(choice.number);
    case PositionSystem::kPentatonicBox: return "box:" + std::to_string(choice.number);
  }
  return {};
}

}  // namespace fretlab
