#pragma once
// What the ear drills say, in the user's language (the "DrillMode"
// context, as the other drills): their names, their answer buttons, and a
// miss in words. Interval, quality and scale names are the core's, which
// the answers are read back as.

#include <QString>
#include <vector>

#include "practice/drill.h"
#include "practice/miss.h"

namespace fretlab {

// "Intervals by ear", "Chord quality by ear", "Scale sound", in the order
// of their kinds.
std::vector<QString> EarDrillNames();
// The names in play, in the ladder's order of sound (m2 … P15; the
// qualities and scales as the core lists them).
std::vector<QString> EarAnswerLabels(practice::QuestionKind kind, const practice::DrillSetup& setup);
// How many answer buttons a row holds: the scales' long names take four.
int EarButtonColumns(practice::QuestionKind kind);
// What the typed answer's field suggests: "or type it (m3, A4, TT) and press Enter".
QString EarTypedHint(practice::QuestionKind kind);
// "you answered P4; it was P5 — the P4 sounds first, then the P5."
QString EarMissText(const practice::Miss& miss, const practice::Question& question);

}  // namespace fretlab
