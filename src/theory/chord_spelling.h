#pragma once
// Spelling the tones of a chord reading, for its symbol and for the notes of
// an exported score.
//
// Rules:
// - Every chord tone is spelled by its degree from the root: the third of D
//   is F#, of Db it is F. A tone that would need more than a double
//   accidental is spelled with sharps instead.
// - Root: a white key is always natural. A black key is spelled both ways
//   (C#/Db, ...) with every chord tone spelled from that root; the spelling
//   with fewer accidentals wins (double ones count twice), so Bb (Bb-D-F)
//   beats A# (A#-C##-E#) and C#m (C#-E-G#) beats Dbm (Db-Fb-Ab). A tie goes
//   to the usual name of the key: Db, Eb, F#, Ab, Bb (F#-A#-C# is F#,
//   Eb-Gb-Bb is Ebm).
// - Bass: spelled as the chord tone it is (D/F#, not D/Gb), unless that takes
//   more accidentals than the key's usual name (Eaug/C, not Eaug/B#).
// - The symbol is the root's name in ASCII, the suffix, and "/" with the
//   bass's name when the bass is not the root: "Am7/G", "Bb", "D/F#".

#include "theory/chord_name.h"

namespace fretlab {

// The spelling of `pitchClass` as chord degree `degree` (1..13) above `root`.
SpelledNote SpellDegree(SpelledNote root, int degree, int pitchClass);

// Adds root (pitch class 0..11), root spelling, bass (when `bass`, a pitch
// class, is not the root), bass spelling and symbol to a reading that holds
// its suffix and tone degrees.
void SpellReading(ChordReading& reading, int root, int bass);

}  // namespace fretlab
