#pragma once
// Which note was struck while another still rings, when the pitch detector
// hears only the period the two share: the octave above a ringing string is
// heard as that string, a fifth above it as the octave below it. What the
// onset brought to each harmonic of that period tells the new note apart:
// the string before rings on in its own frequency, phase and fading, and
// what is left over is the new note's.

#include <array>

#include "listen/hop_analyser.h"

namespace fretlab {

// Semitones from a pitch up to its harmonic `harmonic` (1 to 8), to the
// nearest semitone; -1 for another harmonic.
int HarmonicSemitones(int harmonic);
// The harmonic (1 to 8) of `lower` that `upper` is, to the nearest
// semitone; 0 for none.
int HarmonicIndex(int upper, int lower);

struct StruckHarmonic {
  // The harmonic of the period heard whose multiples took the onset's new
  // power, its own among them (1: the period's own note was struck); 0
  // when nothing tells.
  int harmonic = 0;
  // The onset brought little: nothing was struck, or softly.
  bool little = false;
};

// `pitch`: the period heard (MIDI, fractional); `before`: the end of a
// window wholly before the onset; `now`: the end of one wholly after it.
StruckHarmonic FindStruckHarmonic(const HarmonicSource& harmonics, double pitch, double before,
                                  double now);

}  // namespace fretlab
