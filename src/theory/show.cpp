#include "theory/show.h"

#include "theory/spelling.h"
#include "theory/tables.h"

namespace fretlab {

Chord g_currentChord = {0, 0, 0, 0, 0, 0};
int g_stringCursor = 0;

namespace {

constexpr bool IsRoot(int root) { return root >= 0 && root < kRootCount; }

// The fret lists' bounds, read once at the start of an operation. An empty
// list reads -1 and takes part in the comparisons as it is.
FretWindow ListedWindow(const FretboardHost& host) {
  return FretWindow{host.FromFretSelection(), host.ToFretSelection()};
}

// With Auto Root on, the window is replaced at every position by the box
// around the root list's selection as it stands at that moment.
void FollowRoot(const FretboardHost& host, FretWindow& window) {
  if (host.AutoRoot() > 0) window = AutoRootWindow(host.RootSelection());
}

// The root letter belongs to the note's pitch class. With no root selected
// (-1) no note qualifies, since a pitch class is never negative.
bool IsRootNote(const FretboardHost& host, NoteNumber note) {
  return host.RootSelection() == PitchClass(note);
}

// Calls `visit` with every expanded note of a table row, octave 0..4 outer,
// column 0..6 inner, skipping NoTone columns; none after a stop.
template <typename Visit>
void ForEachExpandedNote(const FretboardHost& host, const TableRow& row, int root,
                         Visit visit) {
  for (int octave = 0; octave < kOctaves; ++octave) {
    for (int column = 0; column < kTableColumns; ++column) {
      if (row[column] == NoTone) continue;
      visit(ExpandStep(row[column], root, octave));
      if (host.Stopped()) return;
    }
  }
}

// Marks every position of `note` inside the fret window on the strings
// first..last, top string first and fret 0 upwards, and hands each one to
// `found` right after its marker is drawn, until a stop. The fret lists are
// read once; the root letter, once earned, stays for the rest of the call.
template <typename Found>
void MarkPositionsOf(FretboardHost& host, NoteNumber note, StringIndex first, StringIndex last,
                     Found found) {
  const Tuning& neck = MainWindowNeck();
  FretWindow window = ListedWindow(host);
  int rootFlag = 0;
  for (StringIndex s = first; s <= last; ++s) {
    for (FretIndex f = 0; f < neck.fretPositions; ++f) {
      const NoteNumber n = neck.NoteAt(s, f);
      FollowRoot(host, window);
      if (n != note || !window.Contains(f)) continue;
      if (IsRootNote(host, note)) rootFlag = 1;
      host.DrawMarker(s, f, rootFlag);
      found(s, n);
      if (host.Stopped()) return;
    }
  }
}

}  // namespace

FretWindow AutoRootWindow(int root) {
  // Fret f on the low E string has pitch class (4 + f) mod 12, so root + 8
  // (or root - 4 once that passes 11) is the root's fret there. With no root
  // (-1) this gives frets 7 to 11.
  FretIndex from = root + 8;
  if (from > 11) from = root - 4;
  return FretWindow{from, from + 4};
}

NoteNumber ExpandStep(int step, int root, int octave) {
  NoteNumber note = step + root + 12 * octave + 24;
  // Folded once only: octave 0 then repeats octave 1, and for root + step of
  // 2 or less it still lands on 36..38, below the neck.
  if (note < kOctaveFoldBelow) note += 12;
  return note;
}

void ShowNote(FretboardHost& host, NoteNumber note) {
  MarkPositionsOf(host, note, 0, kStringCount - 1,
                  [&](StringIndex, NoteNumber n) { host.PlayNote(n, host.NoteLength()); });
}

void ShowScale(FretboardHost& host, int scale, int root) {
  if (!IsRoot(root) || scale < 0 || scale >= kScaleCount) return;
  ForEachExpandedNote(host, ScaleTable[scale], root, [&](NoteNumber note) { ShowNote(host, note); });
}

void ShowArpeggio(FretboardHost& host, int formula, int root) {
  if (!IsRoot(root) || formula < 0 || formula >= kChordFormulaCount) return;
  ForEachExpandedNote(host, ChordFormulaTable[formula], root,
                      [&](NoteNumber note) { ShowNote(host, note); });
}

void ShowChord(FretboardHost& host, int formula, int root) {
  if (!IsRoot(root) || formula < 0 || formula >= kChordFormulaCount) return;
  // One pass over all expanded tones per string, top string first; the last
  // tone found inside the window on a string is the one strummed.
  while (g_stringCursor < kStringCount) {
    ForEachExpandedNote(host, ChordFormulaTable[formula], root,
                        [&](NoteNumber note) { CaptureOnString(host, note, g_stringCursor); });
    ++g_stringCursor;
  }
  if (host.Stopped()) {
    // Nothing sounds after a stop; the chord is spent as after its strum.
    g_stringCursor = 0;
    g_currentChord.fill(0);
    return;
  }
  StrumCurrentChord(host);
}

void CaptureOnString(FretboardHost& host, NoteNumber note, StringIndex s) {
  if (s < 0 || s >= kStringCount) return;
  // Nothing sounds here; the last tone found on the string is the one kept.
  MarkPositionsOf(host, note, s, s,
                  [](StringIndex string, NoteNumber n) { g_currentChord[SlotOfString(string)] = n; });
}

void StrumCurrentChord(FretboardHost& host) {
  // Empty slots (0) go out as they are; the sound layer decides what a 0 means.
  // Stopped or not, the chord is spent afterwards.
  host.PlayChord(g_currentChord, host.NoteLength());
  g_stringCursor = 0;
  g_currentChord.fill(0);
}

}  // namespace fretlab
