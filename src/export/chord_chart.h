#pragma once
// A sequence as a plain-text chord chart, one line per chord (all of them,
// silent ones too), fields separated by two blanks:
//   index (from 1), chord name, note value, shape
//   3  Am7/G  quarter  3x2210
// The name is the chord symbol, "(M3)" for two notes that form no chord, or
// "N.C." for silence. The note value is the Add Chord menu's ("whole",
// "dotted 1/8", ...) or, for any other stored length, its time ("330 ms").
// The shape lists the frets from the low E string to the high E string, 'x'
// for a muted string; when a fret has two digits they are joined by '-'
// ("x-10-12-12-12-10").

#include <string>

#include "sequence/sequence_file.h"

namespace fretlab {

std::string WriteChordChart(const SequenceImage& image);

}  // namespace fretlab
