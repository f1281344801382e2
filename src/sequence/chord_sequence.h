#pragma once
// The chord sequence: chords built by clicking the neck, appended with a note
// value, replayed with their markers.

#include "theory/show.h"

namespace fretlab {

inline constexpr int kMaxChords = 6000;
// Six notes by chord slot, then the NoteLength.
inline constexpr int kChordColumns = kStringCount + 1;
inline constexpr int kNoteLengthColumn = kStringCount;

// Rows 0..m_nChordCount-1 form the sequence; rows beyond keep old contents.
extern int g_chordRows[kMaxChords][kChordColumns];
// The fret at which each slot's note was picked. Row m_nChordCount belongs to
// the chord under construction.
extern int g_fretRows[kMaxChords][kStringCount];

// Note values of the Add Chord menu, in units of 10 ms.
inline constexpr int kWholeNote = 200;
inline constexpr int kHalfNote = 100;
inline constexpr int kQuarterNote = 50;
inline constexpr int kEighthNote = 25;
inline constexpr int kSixteenthNote = 12;
inline constexpr int kDottedHalf = 150;
inline constexpr int kDottedQuarter = 75;
inline constexpr int kDottedEighth = 37;

// What the sequence operations need from the window beyond the show host.
class SequenceHost : public FretboardHost {
 public:
  virtual void SetAutoRoot(int autoRoot) = 0;
  virtual void SelectFromFret(int index) = 0;
  virtual void SelectToFret(int index) = 0;
  virtual void SetNoteLength(int length) = 0;
  virtual void ClearMarkers() = 0;
};

}  // namespace fretlab

namespace fretlab {

// A left click at client pixel (x, y): picks the note of the position hit for
// its string, narrows the fret lists to that fret and the three above it
// (cut at 23), turns Auto Root off, marks and sounds the note, and records
// note and fret by chord slot. Returns false, doing nothing, when the click
// hits no position. With a full sequence the fret is not recorded.
bool PickNote(SequenceHost& host, int x, int y, int chordCount);

enum class AddChordResult { Added, SequenceFull };
// Appends the current chord with host.NoteLength(), strums it and clears the
// markers. With kMaxChords chords already in the sequence nothing changes.
// Each operation that sounds ends at a stop (FretboardHost::Stopped): a pick
// still records its note, an added chord stays added.
AddChordResult AddChord(SequenceHost& host, int& chordCount);
void PlayCurrentChord(SequenceHost& host);
void PlayAll(SequenceHost& host, int chordCount);
void ClearChord(SequenceHost& host);
void NewSequence(SequenceHost& host, int& chordCount);

}  // namespace fretlab
