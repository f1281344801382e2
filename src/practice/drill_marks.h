#pragma once
// What the neck shows during a drill: the position asked about ("?") and
// the ones found so far, and after a miss every right position and the
// answer given. Never a mark that gives an open question's answer away.

#include <vector>

#include "practice/miss.h"
#include "practice/practice_view.h"

namespace fretlab::practice {

inline constexpr Rgb kAskedColour{240, 228, 66};  // yellow: asked about, or found

// The colours of an answer on the neck (Okabe–Ito, told apart in every
// common colour blindness, and by their labels).
inline constexpr Rgb kRightColour{0, 158, 115};  // bluish green
inline constexpr Rgb kWrongColour{213, 94, 0};   // vermilion

// What the neck shows after a miss: every right position labelled with its
// note, and the answer given (when it has a place) labelled with its own;
// for a voicing, one that is right and the notes given apart from it.
std::vector<NeckMark> MissMarks(const Miss& miss, const DrillSetup& setup);
// While the question is open: the marked position with "?", and the
// positions `found` so far, labelled with their notes.
std::vector<NeckMark> QuestionMarks(const Question& question, const DrillSetup& setup,
                                    const std::vector<Position>& found);

}  // namespace fretlab::practice
