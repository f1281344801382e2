#pragma once
// A sequence as a MusicXML 4.0 partwise score: one part "Guitar" (with its
// instrument, General MIDI program 25 in MusicXML's 1-based numbering), a
// treble clef an octave down, 4/4 at 120 quarters a minute, the standard
// tuning in <staff-details>. Every chord that takes time is one chord of
// notes at their sounding pitch, each with its string (1 = high E) and the
// fret stored in the file, spelled as tones of the chord's name, under a
// <harmony> with that name and a diagram of the stored frets.
//
// Durations: 480 divisions a quarter note. The eight note values are exact;
// other lengths come to the nearest 64th note. Chords start where their MIDI
// counterparts start, to the nearest 64th (the error does not add up over a
// sequence), and a chord that would round to nothing keeps one 64th. A chord
// longer than what is left of its bar is tied across the bar line; the last
// bar is filled with rests.

#include <string>
#include <string_view>

#include "sequence/sequence_file.h"

namespace fretlab {

std::string WriteMusicXml(const SequenceImage& image, std::string_view title);

}  // namespace fretlab
