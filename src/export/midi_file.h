#pragma once
// A sequence as a Standard MIDI File: format 1, 480 ticks a quarter note.
// Track 1 holds the title, the tempo (120 a minute, so 50 length units are
// one quarter note, 500 ms, as the program plays) and 4/4. Track 2, "Guitar",
// sets program 24 (nylon-string guitar) on channel 1 and plays every chord
// that takes time: its sounding notes start together at velocity 64, in
// chord-slot order, and stop together after its length; the next chord starts
// there. A pitch that two strings share sounds once, since a second note-on
// of a key that already sounds would be ended by the first note-off.

#include <cstdint>
#include <string>
#include <string_view>

#include "sequence/sequence_file.h"

namespace fretlab {

inline constexpr int kMidiProgram = 24;   // General MIDI nylon guitar, 0-based
inline constexpr int kMidiVelocity = 64;  // as the program plays
inline constexpr std::uint32_t kMidiTempo = 500000;  // microseconds a quarter note

// The file's bytes.
std::string WriteMidiFile(const SequenceImage& image, std::string_view title);

}  // namespace fretlab
