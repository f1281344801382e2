#pragma once
// The shapes a view picks out on the neck: a position of a scale (CAGED,
// three notes per string, pentatonic box), or a chord's triads on three
// adjacent strings with their inversions. The marks outside a position are
// faded, not hidden, so the student sees where it joins its neighbours.
//
// How to use it:
//   PracticeView view;  view.position = PositionChoice{PositionSystem::kCaged, 3};
//   PositionUnavailable(view)   -> "" (or why the system does not apply)
//   BuildShapes(view)           -> the E shape's instances, outlined and named
//   PositionWalk(view)          -> what Play walks: the shape's fullest instance

#include <string>
#include <vector>

#include "practice/practice_view.h"
#include "theory/scale_positions.h"
#include "theory/triads.h"

namespace fretlab {

// An outline drawn over the neck with a caption.
struct NeckShape {
  std::vector<Position> positions;  // its notes
  FretRange frets;                  // the frets it spans
  std::string caption;              // "E shape", "3NPS 2", "root position"
  bool triad = false;               // a line through its notes; otherwise a box around its frets
};

// The view's position system on its neck; empty with a reason when the view
// chooses no position, is no scale, or the system does not apply.
PositionSet ViewPositions(const PracticeView& view);
// The instances of the chosen position, up the neck.
std::vector<ScalePosition> ChosenPositions(const PracticeView& view);
// Why the chosen position cannot be shown, in one sentence; empty when it
// can, or when none is chosen.
std::string PositionUnavailable(const PracticeView& view);

// The chord of the view's choice on its root.
ChordSymbol ViewChord(const PracticeView& view);
// The triads on the view's triad strings; empty unless the view shows a
// chord of three tones there.
std::vector<TriadVoicing> ViewTriads(const PracticeView& view);
// Why the triads cannot be shown; empty when they can or none are asked for.
std::string TriadsUnavailable(const PracticeView& view);

// The outlines of the chosen position's instances or of the triads.
std::vector<NeckShape> BuildShapes(const PracticeView& view);

// The next (`step` 1) or previous (-1) position of the view's system, round
// its numbers; from none, the first position of the first system that
// applies (CAGED, then boxes, then three notes per string); nothing when
// none does.
std::optional<PositionChoice> StepPosition(const PracticeView& view, int step);

// What Play walks for a chosen position: the instance with the most notes
// (the lowest of equals), from its lowest note up; empty when none is chosen.
std::vector<SoundedPosition> PositionWalk(const PracticeView& view);

}  // namespace fretlab
