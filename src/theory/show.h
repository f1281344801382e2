#pragma once
// Turning a choice (root and scale, arpeggio or chord, or a single note) into
// markers on the neck and notes sounded, in the program's fixed order.

#include "theory/fretboard.h"

namespace fretlab {

inline constexpr int kOctaves = 5;
inline constexpr NoteNumber kOctaveFoldBelow = 39;

// The chord under construction, by chord slot (0 = low E); 0 = no note.
extern Chord g_currentChord;
// The string ShowChord is capturing; 0 whenever no ShowChord runs.
extern int g_stringCursor;

// What the show operations need from the window: the current selections of
// its lists (list indices, -1 for none), its settings, and the way to mark and
// sound. Selections are read at the moment an operation needs them.
class FretboardHost {
 public:
  virtual ~FretboardHost() = default;
  virtual int RootSelection() const = 0;      // 0..11 or -1
  virtual int FromFretSelection() const = 0;  // 0..25 or -1
  virtual int ToFretSelection() const = 0;    // 0..25 or -1
  virtual int AutoRoot() const = 0;           // m_bAutoRoot
  virtual int NoteLength() const = 0;         // m_nNoteLength, units of 10 ms
  virtual void DrawMarker(StringIndex s, FretIndex f, int rootFlag) = 0;
  // Each returns once the sound has lasted `length` units of 10 ms.
  virtual void PlayNote(NoteNumber note, int length) = 0;
  // The six notes of `notes` sounded together; slots of 0 are silent strings.
  virtual void PlayChord(const Chord& notes, int length) = 0;
  // True once the user has stopped the display that is sounding: the sound
  // just played ended early, and the operation ends after it, marking and
  // sounding nothing further. Markers already drawn stay. A host that
  // cannot be stopped keeps the default.
  virtual bool Stopped() const { return false; }
};

struct FretWindow {
  FretIndex from = 0;  // inclusive
  FretIndex to = 0;    // inclusive; from > to admits nothing
  constexpr bool Contains(FretIndex f) const { return from <= f && f <= to; }
  friend bool operator==(const FretWindow&, const FretWindow&) = default;
};

// The five-fret box that starts at the root on the low E string.
FretWindow AutoRootWindow(int root);

// Step t (0..11) over root r in octave o (0..4), folded up once below 39.
NoteNumber ExpandStep(int step, int root, int octave);

// Every operation that sounds ends early once host.Stopped(): the state it
// leaves is the one it leaves at its normal end (the string cursor 0, a
// strummed chord reset to zeros).
void ShowNote(FretboardHost& host, NoteNumber note);
// The three list operations do nothing for a root outside 0..11 or an index
// outside their table.
void ShowScale(FretboardHost& host, int scale, int root);
void ShowArpeggio(FretboardHost& host, int formula, int root);
void ShowChord(FretboardHost& host, int formula, int root);
void CaptureOnString(FretboardHost& host, NoteNumber note, StringIndex s);
void StrumCurrentChord(FretboardHost& host);

}  // namespace fretlab
