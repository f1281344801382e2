#pragma once
// Reading a degree as musicians type it: "R", "1", "b3", "♭3", "#4", "bb7",
// "9", "♭13". The one reader of typed degrees: the drills' answers, scales of
// the user's own and chord symbols' alterations go through it.

#include <optional>
#include <string_view>

#include "theory/intervals.h"

namespace fretlab {

// Blanks around the text are ignored; then "R" (either case), or up to two
// signs (#, b, ♯, ♭) and a number 1..13. Nothing else.
std::optional<Degree> ParseDegree(std::string_view text);

}  // namespace fretlab
