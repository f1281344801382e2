#pragma once
// What a drill's round is about, taken from what the Practice window shows:
// the tuning, capo, fret range and key or chord of the view, the position
// shown, and the strings the student chose. A round ends when what it is
// about changes.

#include <cstdint>

#include "practice/drill.h"
#include "practice/practice_view.h"

namespace fretlab::practice {

// `strings`: a mask for NeckArea::strings (bit 0 = string 1). A position
// shown keeps the questions within it; a chord choice gives the voicing
// drill its formula.
DrillSetup SetupOfView(const PracticeView& view, std::uint32_t strings);

// How prompts name a position: "the E shape", "3NPS position 2", "box 1".
std::string WithinName(PositionChoice choice);

// The same tuning, part of the neck, key or chord, and spelling: a round on
// one still asks about the other.
bool SameRound(const DrillSetup& a, const DrillSetup& b);

}  // namespace fretlab::practice
