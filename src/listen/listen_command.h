#pragma once
// `fretlab --listen IN [--lowest NOTE]`: the notes played in a sound file,
// heard by the very listener the Practice window uses, one line each:
//   <onset ms> <decided ms> <note><octave> <MIDI number> <cents>
//   512 604 E2 40 +3
// IN is anything libsndfile reads (WAV, FLAC, Ogg, AIFF, ...), channels
// mixed to one. --lowest (default B1, a 7-string's low string) sets the
// lowest note expected; E1 makes room for a bass, at some cost in time.

#include <ostream>
#include <string>
#include <vector>

namespace fretlab {

// `arguments` are the program's own, after its name. Returns the exit
// status: 0 with the lines on `out`; 2 with one line on `err` for an
// unreadable file, a file with no audio, or arguments that cannot be used.
int RunListen(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// "E2", "C#4", "Bb1" -> MIDI (C4 = 60); -1 when it is no note.
int ParseNoteName(const std::string& text);
// MIDI -> "C#4" (sharps, as a tuner shows them).
std::string NoteName(int midi);

}  // namespace fretlab
