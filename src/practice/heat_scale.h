#pragma once
// The progress view's colours: one sequential scale from dark blue-purple
// (0: always wrong, or slow) through teal to yellow (1: always right, or
// quick), after matplotlib's viridis. Its lightness rises all the way, so
// the order reads the same in every common colour blindness and in grey.

#include "theory/intervals.h"

namespace fretlab::practice {

// t from 0 to 1 (held to it).
Rgb HeatColour(double t);
// The share of right answers as a place on the scale.
double HeatOfAccuracy(int right, int answers);
// A median time as a place on the scale: 1 at a second or less, 0 at five
// seconds or more.
double HeatOfTime(int medianMs);

}  // namespace fretlab::practice
