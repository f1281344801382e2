#include "theory/tables.h"

namespace fretlab {

const int ScaleTable[kScaleCount][kTableColumns] = {
    {0, 2, 4, 6, 7, 9, 11},  // 0 Lydian
    {0, 2, 4, 5, 7, 9, 11},  // 1 Ionian (major)
    {0, 2, 4, 5, 7, 9, 10},  // 2 Mixolydian
    {0, 2, 3, 5, 7, 9, 10},  // 3 Dorian
    {0, 2, 3, 5, 7, 8, 10},  // 4 Aeolian (natural minor)
    {0, 1, 3, 5, 7, 8, 10},  // 5 Phrygian
    {0, 1, 3, 5, 6, 8, 10},  // 6 Locrian
    {0, 2, 3, 5, 7, 8, 11},  // 7 harmonic minor
    {0, 2, 3, 5, 7, 9, 11},  // 8 melodic minor, ascending
};

// Ninths are folded to 2 and elevenths to 5; the expansion spreads every step
// over five octaves anyway. Column order is the order of marking and sounding.
constexpr int N = NoTone;
const int ChordFormulaTable[kChordFormulaCount][kTableColumns] = {
    {0, 4, 7, N, N, N, N},    // 0  M(Major)
    {0, 4, 7, 9, N, N, N},    // 1  M6
    {0, 4, 6, 9, N, N, N},    // 2  M6b5
    {0, 4, 8, 9, N, N, N},    // 3  M6#5
    {0, 4, 7, 11, N, N, N},   // 4  M7
    {0, 4, 6, 11, N, N, N},   // 5  M7b5
    {0, 4, 8, 11, N, N, N},   // 6  M7#5
    {0, 4, 7, 10, N, N, N},   // 7  7
    {0, 4, 6, 10, N, N, N},   // 8  7b5
    {0, 4, 8, 10, N, N, N},   // 9  7#5
    {0, 4, 7, 11, 2, N, N},   // 10 M9
    {0, 4, 6, 11, 2, N, N},   // 11 M9b5
    {0, 4, 8, 11, 2, N, N},   // 12 M9#5
    {0, 4, 7, 11, 2, 5, N},   // 13 M11
    {0, 4, 6, 11, 2, 5, N},   // 14 M11b5
    {0, 4, 8, 11, 2, 5, N},   // 15 M11#5
    {0, 3, 7, N, N, N, N},    // 16 m(minor)
    {0, 3, 7, 9, N, N, N},    // 17 m6
    {0, 3, 6, 9, N, N, N},    // 18 m6b5
    {0, 3, 8, 9, N, N, N},    // 19 m6#5
    {0, 3, 7, 10, N, N, N},   // 20 m7
    {0, 3, 6, 10, N, N, N},   // 21 m7b5
    {0, 3, 8, 10, N, N, N},   // 22 m7#5
    {0, 3, 7, 10, 2, N, N},   // 23 m9
    {0, 3, 6, 10, 2, N, N},   // 24 m9b5
    {0, 3, 8, 10, 2, N, N},   // 25 m9#5
    {0, 3, 7, 10, 2, 5, N},   // 26 m11
    {0, 3, 6, 10, 2, 5, N},   // 27 m11b5
    {0, 3, 8, 10, 2, 5, N},   // 28 m11#5
    {0, 3, 6, N, N, N, N},    // 29 dim
    {0, 3, 6, 9, N, N, N},    // 30 dim7
    {0, 3, 6, 10, N, N, N},   // 31 half dim7
    {0, 4, 8, N, N, N, N},    // 32 Aug
    {0, 4, 8, 2, N, N, N},    // 33 Aug add9: the added ninth, not a major seventh
};

const std::array<std::string_view, kRootCount> kRootTexts = {
    "C", "C#/Db", "D", "D#/Eb", "E", "F", "F#/Gb", "G", "G#/Ab", "A", "A#/Bb", "B",
};

// "Dorian " and "minor (Aeolian) " keep their trailing blank.
const std::array<std::string_view, kScaleCount> kScaleTexts = {
    "Lydian",   "MAJOR (Ionian)", "Mixolydian",     "Dorian ",       "minor (Aeolian) ",
    "Phrygian", "Locrian",        "Harmonic minor", "Melodic minor",
};

const std::array<std::string_view, kChordFormulaCount> kChordTexts = {
    // 0..15: major triad, then 6, maj7, 7, maj9, maj11, each plain, b5, #5
    "M(Major)", "M6", "M6b5", "M6#5", "M7", "M7b5", "M7#5", "7", "7b5", "7#5",
    "M9", "M9b5", "M9#5", "M11", "M11b5", "M11#5",
    // 16..28: minor triad, then m6, m7, m9, m11, each plain, b5, #5
    "m(minor)", "m6", "m6b5", "m6#5", "m7", "m7b5", "m7#5",
    "m9", "m9b5", "m9#5", "m11", "m11b5", "m11#5",
    // 29..33
    "dim", "dim7", "half dim7", "Aug", "Aug add9",
};

// Index = FretIndex; the last entry is empty. Upper bounds 24 and 25 admit
// every fret up to 23, lower bounds 24 and 25 admit none.
const std::array<std::string_view, kFretListCount> kFretTexts = {
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12",
    "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "",
};

}  // namespace fretlab
