#include "export/export_chords.h"

#include <algorithm>

namespace fretlab {

const std::array<NoteValue, 8> kNoteValues = {{
    {kWholeNote, 4 * kTicksPerQuarter, "whole"},
    {kHalfNote, 2 * kTicksPerQuarter, "half"},
    {kQuarterNote, kTicksPerQuarter, "quarter"},
    {kEighthNote, kTicksPerQuarter / 2, "1/8"},
    {kSixteenthNote, kTicksPerQuarter / 4, "1/16"},
    {kDottedHalf, 3 * kTicksPerQuarter, "dotted half"},
    {kDottedQuarter, 3 * kTicksPerQuarter / 2, "dotted quarter"},
    {kDottedEighth, 3 * kTicksPerQuarter / 4, "dotted 1/8"},
}};

const NoteValue* FindNoteValue(int length) {
  const auto found = std::find_if(kNoteValues.begin(), kNoteValues.end(),
                                  [length](const NoteValue& v) { return v.length == length; });
  return found == kNoteValues.end() ? nullptr : &*found;
}

int LengthTicks(int length) {
  if (length <= 0) return 0;
  if (const NoteValue* value = FindNoteValue(length)) return value->ticks;
  // 50 units are 480 ticks: 9.6 ticks a unit, rounded half up in integers.
  return (length * 48 + 2) / 5;
}

bool ExportChord::SoundsAny() const {
  for (ChordSlot slot = 0; slot < kStringCount; ++slot) {
    if (Sounds(slot)) return true;
  }
  return false;
}

std::vector<ExportChord> ExportChords(const SequenceImage& image) {
  std::vector<ExportChord> chords(image.chordRows.size());
  for (std::size_t i = 0; i < chords.size(); ++i) {
    std::copy_n(image.chordRows[i].begin(), kStringCount, chords[i].notes.begin());
    chords[i].frets = image.fretRows[i];
    chords[i].length = image.chordRows[i][kNoteLengthColumn];
  }
  return chords;
}

}  // namespace fretlab
