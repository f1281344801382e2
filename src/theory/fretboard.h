#pragma once
// The main window's neck: six strings in standard tuning with 24 fret
// positions each (a tuning of tuning.h with its own fret count), and where
// each position lies on the picture.
//
// Indices: strings from 0 at the top of the picture (high E) to 5 (low E);
// frets from 0 (open string) to 23; chord slots from 0 (low E) to 5 (high E).
// Pixel coordinates are client pixels of the main window.

#include <array>
#include <optional>

#include "theory/tuning.h"

namespace fretlab {

using ChordSlot = int;  // 0..5, 0 = low E string

inline constexpr int kStringCount = 6;
inline constexpr int kMainWindowFretPositions = 24;  // frets 0..23
inline constexpr int kMarkerHalfSize = 6;            // pixels; markers and the hit test

// One note per string by chord slot (0 = low E string); 0 = no note there.
using Chord = std::array<NoteNumber, kStringCount>;

inline constexpr NoteNumber g_openNote[kStringCount] = {64, 59, 55, 50, 45, 40};
inline constexpr int g_stringY[kStringCount] = {29, 50, 71, 92, 113, 134};
// Taken from the drawn frets of the picture; the spacing is uneven on purpose.
inline constexpr int g_fretX[kMainWindowFretPositions] = {
    51,  73,  96,  120, 142, 165, 188, 211, 234, 257, 279, 303,
    326, 350, 372, 396, 418, 441, 464, 487, 510, 533, 556, 579};

inline constexpr NoteNumber kLowestNote = 40;   // low E open
inline constexpr NoteNumber kHighestNote = 87;  // high E, fret 23

// The neck as a tuning: the strings of g_openNote ("Standard"), frets 0..23.
// Its NoteAt is the note at every position of the picture.
const Tuning& MainWindowNeck();

constexpr bool IsPosition(StringIndex s, FretIndex f) {
  return s >= 0 && s < kStringCount && f >= 0 && f < kMainWindowFretPositions;
}
constexpr ChordSlot SlotOfString(StringIndex s) { return kStringCount - 1 - s; }
constexpr StringIndex StringOfSlot(ChordSlot slot) { return kStringCount - 1 - slot; }

// Maps a client pixel to the position whose string band and fret band both
// contain it (centre +/- 5 pixels, strict bounds). A point outside either
// band set hits nothing.
std::optional<Position> HitTest(int x, int y);

}  // namespace fretlab
