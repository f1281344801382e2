#pragma once
// The vocabulary as the program's lists present it, written out by hand so
// that the tables and the displays built from them can be checked against it.

#include <array>
#include <string_view>
#include <vector>

namespace fretlab::testing {

struct WrittenRow {
  std::string_view text;
  std::vector<int> steps;  // semitones above the root, in column order
};

// The open strings' notes, top string (high E) first.
inline constexpr std::array<int, 6> kWrittenOpenNotes = {64, 59, 55, 50, 45, 40};

inline const std::array<std::string_view, 12> kWrittenRoots = {
    "C", "C#/Db", "D", "D#/Eb", "E", "F", "F#/Gb", "G", "G#/Ab", "A", "A#/Bb", "B"};

inline const std::array<WrittenRow, 9> kWrittenScales = {{
    {"Lydian", {0, 2, 4, 6, 7, 9, 11}},
    {"MAJOR (Ionian)", {0, 2, 4, 5, 7, 9, 11}},
    {"Mixolydian", {0, 2, 4, 5, 7, 9, 10}},
    {"Dorian ", {0, 2, 3, 5, 7, 9, 10}},
    {"minor (Aeolian) ", {0, 2, 3, 5, 7, 8, 10}},
    {"Phrygian", {0, 1, 3, 5, 7, 8, 10}},
    {"Locrian", {0, 1, 3, 5, 6, 8, 10}},
    {"Harmonic minor", {0, 2, 3, 5, 7, 8, 11}},
    {"Melodic minor", {0, 2, 3, 5, 7, 9, 11}},
}};

inline const std::array<WrittenRow, 34> kWrittenChords = {{
    {"M(Major)", {0, 4, 7}},
    {"M6", {0, 4, 7, 9}},
    {"M6b5", {0, 4, 6, 9}},
    {"M6#5", {0, 4, 8, 9}},
    {"M7", {0, 4, 7, 11}},
    {"M7b5", {0, 4, 6, 11}},
    {"M7#5", {0, 4, 8, 11}},
    {"7", {0, 4, 7, 10}},
    {"7b5", {0, 4, 6, 10}},
    {"7#5", {0, 4, 8, 10}},
    {"M9", {0, 4, 7, 11, 2}},
    {"M9b5", {0, 4, 6, 11, 2}},
    {"M9#5", {0, 4, 8, 11, 2}},
    {"M11", {0, 4, 7, 11, 2, 5}},
    {"M11b5", {0, 4, 6, 11, 2, 5}},
    {"M11#5", {0, 4, 8, 11, 2, 5}},
    {"m(minor)", {0, 3, 7}},
    {"m6", {0, 3, 7, 9}},
    {"m6b5", {0, 3, 6, 9}},
    {"m6#5", {0, 3, 8, 9}},
    {"m7", {0, 3, 7, 10}},
    {"m7b5", {0, 3, 6, 10}},
    {"m7#5", {0, 3, 8, 10}},
    {"m9", {0, 3, 7, 10, 2}},
    {"m9b5", {0, 3, 6, 10, 2}},
    {"m9#5", {0, 3, 8, 10, 2}},
    {"m11", {0, 3, 7, 10, 2, 5}},
    {"m11b5", {0, 3, 6, 10, 2, 5}},
    {"m11#5", {0, 3, 8, 10, 2, 5}},
    {"dim", {0, 3, 6}},
    {"dim7", {0, 3, 6, 9}},
    {"half dim7", {0, 3, 6, 10}},
    {"Aug", {0, 4, 8}},
    {"Aug add9", {0, 4, 8, 2}},  // the added ninth (2), not a major seventh
}};

// The automatic five-fret window for roots C..B, as [from, to].
inline constexpr std::array<std::array<int, 2>, 12> kWrittenAutoWindows = {{
    {8, 12}, {9, 13}, {10, 14}, {11, 15}, {0, 4}, {1, 5},
    {2, 6}, {3, 7}, {4, 8}, {5, 9}, {6, 10}, {7, 11},
}};

}  // namespace fretlab::testing
