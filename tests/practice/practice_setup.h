#pragma once
// Setups for the drill tests: tunings given as MIDI notes, a key given as
// steps, and plain names for notes and degrees. The names here are only
// what the tests compare against; the Practice window spells with the
// theory core.

#include <string>
#include <vector>

#include "practice/drill.h"

namespace fretlab::practice::testing {

inline const std::vector<NoteNumber> kStandard = {64, 59, 55, 50, 45, 40};  // E4 B3 G3 D3 A2 E2
inline const std::vector<NoteNumber> kBass = {43, 38, 33, 28};              // G2 D2 A1 E1
inline const std::vector<NoteNumber> kSevenString = {64, 59, 55, 50, 45, 40, 35};
inline const std::vector<int> kMajor = {0, 2, 4, 5, 7, 9, 11};
inline const std::vector<int> kChromatic = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

inline std::string SharpName(int pc) {
  static const char* const kNames[12] = {"C", "C♯", "D", "D♯", "E", "F",
                                         "F♯", "G", "G♯", "A", "A♯", "B"};
  return kNames[pc];
}
inline std::string FlatName(int pc) {
  static const char* const kNames[12] = {"C", "D♭", "D", "E♭", "E", "F",
                                         "G♭", "G", "A♭", "A", "B♭", "B"};
  return kNames[pc];
}
inline std::string DegreeName(int semitones) {
  static const char* const kNames[12] = {"R", "♭2", "2", "♭3", "3", "4",
                                         "♭5", "5", "♭6", "6", "♭7", "7"};
  return kNames[semitones];
}

inline DrillSetup MakeSetup(std::vector<NoteNumber> open, int first, int last,
                        std::vector<int> steps = kChromatic, int root = 0) {
  DrillSetup s;
  s.openNotes = std::move(open);
  s.firstFret = first;
  s.lastFret = last;
  s.steps = std::move(steps);
  s.root = root;
  s.keyName = "C";
  s.noteName = SharpName;
  s.degreeName = DegreeName;
  return s;
}

}  // namespace fretlab::practice::testing
