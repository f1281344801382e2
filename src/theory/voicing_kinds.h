#pragma once
// The kinds of voicing and the finder's ranking, for voicing_finder.cpp.

#include "theory/chord_symbol.h"
#include "theory/voicing.h"

namespace fretlab::voicing_kinds {

// Four fingers can hold the frets (by string, kMuted for a mute; `capo` the
// fret of an open string): one finger may lie across the lowest fret when
// more than four notes are pressed, with no open string under it.
bool Fingerable(const std::vector<FretIndex>& frets, int capo);

// Sets kind and label of a voicing whose notes, frets, lowest fret, span,
// missing tones, unisons and inversion are filled in. `capo` is the fret
// open strings sound from.
void Classify(Voicing& voicing, const ChordSymbol& chord, const Tuning& tuning, int capo);

// The ranking score of a classified voicing on a neck of `strings` strings
// (voicing_finder.h): lower comes first.
int Score(const Voicing& voicing, int strings, int capo);

// Puts scored voicings in the finder's order (voicing_finder.h).
void Rank(std::vector<Voicing>& voicings);

}  // namespace fretlab::voicing_kinds
