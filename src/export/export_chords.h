#pragma once
// What every export format reads from a sequence: each chord's sounding
// notes and frets by chord slot and its length, and how a length becomes
// score time. Scores run at 120 quarter notes a minute, so a quarter note
// (NoteLength 50, 500 ms) is exactly what the program plays.

#include <array>
#include <string_view>
#include <vector>

#include "sequence/sequence_file.h"

namespace fretlab {

inline constexpr int kTicksPerQuarter = 480;  // MIDI ticks and MusicXML divisions
inline constexpr int kBeatsPerBar = 4;        // 4/4 throughout
inline constexpr int kTicksPerBar = kBeatsPerBar * kTicksPerQuarter;
inline constexpr int kTempoBpm = 120;

// The note values of the Add Chord menu: NoteLength (units of 10 ms), the
// exact length in ticks, and the name a chart shows.
struct NoteValue {
  int length;
  int ticks;
  std::string_view name;
};
extern const std::array<NoteValue, 8> kNoteValues;

// The Add Chord value stored as `length`, or nullptr for any other length.
const NoteValue* FindNoteValue(int length);

// Ticks for a stored length: exact for the eight note values (a 1/16 note,
// stored as 12 = 120 ms, is 120 ticks), round(length x 9.6) otherwise, and 0
// for a length of 0 or less.
int LengthTicks(int length);

struct ExportChord {
  Chord notes{};                                 // by chord slot, 0 = low E; 0 = muted
  std::array<FretIndex, kStringCount> frets{};  // meaningful where the note sounds
  int length = 0;                     // NoteLength, units of 10 ms

  bool Sounds(ChordSlot slot) const { return notes[slot] >= 1 && notes[slot] <= 127; }
  bool SoundsAny() const;
  // A chord of length 0 or without a sounding note takes no time in a score
  // and writes no notes.
  bool TakesTime() const { return length > 0 && SoundsAny(); }
};

std::vector<ExportChord> ExportChords(const SequenceImage& image);

// MusicXML string numbers run from 1 at the high E string.
constexpr int StringNumberOfSlot(ChordSlot slot) { return kStringCount - slot; }

}  // namespace fretlab
