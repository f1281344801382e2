#pragma once
// One reading of a pitch-class set over a chosen root: which degree every
// tone plays, the kind, the suffix and the cost. Used by chord naming; the
// root spelling and the bass are added there.

#include "theory/chord_name.h"

namespace fretlab {

// `intervals`: bit i set when the pitch class i semitones above the root
// sounds (bit 0, the root, is always set). `rootInBass` decides only the cost
// of a sixth. The result has kind, degrees, suffix, toneDegrees and cost (the
// slash cost excluded); `omitted` counts the third and fifth left out.
ChordReading ReadOverRoot(unsigned intervals, bool rootInBass, int& omitted);

// Whether the reading alters its fifth (dim, aug, ♭5, ♯5 ...) or holds an
// altered tension (♭9, ♯9, ♯11, ♭13).
bool HasAlteredTone(const ChordReading& reading);

}  // namespace fretlab
