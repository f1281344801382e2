#include "sequence/chord_sequence.h"

#include <algorithm>

namespace fretlab {

int g_chordRows[kMaxChords][kChordColumns] = {};
int g_fretRows[kMaxChords][kStringCount] = {};

namespace {

// The fret lists: the clicked fret and the three above it, cut at fret 23.
constexpr int kPickSpan = 3;
constexpr FretIndex kHighestPickFrom = kMainWindowFretPositions - 1 - kPickSpan;  // 20

// Notes a click may pick; every position of the neck lies inside.
constexpr bool IsPickableNote(NoteNumber n) { return n > 39 && n < 100; }

}  // namespace

bool PickNote(SequenceHost& host, int x, int y, int chordCount) {
  const std::optional<Position> hit = HitTest(x, y);
  if (!hit) return false;
  const StringIndex s = hit->string;
  const FretIndex f = hit->fret;
  const NoteNumber n = MainWindowNeck().NoteAt(s, f);
  if (!IsPickableNote(n)) return false;

  host.SetAutoRoot(0);
  host.SelectFromFret(f);
  host.SelectToFret(std::min(f, kHighestPickFrom) + kPickSpan);
  ShowNote(host, n);
  g_currentChord[SlotOfString(s)] = n;
  // Row chordCount is the fret row of the chord under construction; a full
  // sequence has no such row.
  if (chordCount >= 0 && chordCount < kMaxChords) g_fretRows[chordCount][SlotOfString(s)] = f;
  return true;
}

AddChordResult AddChord(SequenceHost& host, int& chordCount) {
  if (chordCount >= kMaxChords) return AddChordResult::SequenceFull;
  int* row = g_chordRows[chordCount];
  std::copy(g_currentChord.begin(), g_currentChord.end(), row);
  row[kNoteLengthColumn] = host.NoteLength();
  ++chordCount;
  StrumCurrentChord(host);
  // A stopped strum leaves its markers, as every stopped display does.
  if (!host.Stopped()) host.ClearMarkers();
  return AddChordResult::Added;
}

void PlayCurrentChord(SequenceHost& host) { host.PlayChord(g_currentChord, host.NoteLength()); }

void PlayAll(SequenceHost& host, int chordCount) {
  const int count = std::min(chordCount, kMaxChords);
  for (int i = 0; i < count; ++i) {
    std::copy(g_chordRows[i], g_chordRows[i] + kStringCount, g_currentChord.begin());
    // Each chord's length becomes the window's note length and is not put
    // back afterwards: once Play All ends, single notes last as long as the
    // last chord, as after adding it.
    const int length = g_chordRows[i][kNoteLengthColumn];
    host.SetNoteLength(length);
    for (ChordSlot k = 0; k < kStringCount; ++k) {
      if (g_currentChord[k] <= 0) continue;
      const StringIndex s = StringOfSlot(k);
      const FretIndex f = g_fretRows[i][k];
      // Markers exist only for positions on the neck.
      if (IsPosition(s, f)) host.DrawMarker(s, f, 0);
    }
    host.PlayChord(g_currentChord, length);
    // Stopped: the chord that sounded stays the current one, with its
    // markers and its length, as the last chord does at the end.
    if (host.Stopped()) return;
    host.ClearMarkers();
  }
}

void ClearChord(SequenceHost& host) {
  host.ClearMarkers();
  g_currentChord.fill(0);
}

void NewSequence(SequenceHost& host, int& chordCount) {
  ClearChord(host);
  chordCount = 0;
}

}  // namespace fretlab
