#pragma once
// A note played on the guitar (heard through the sound input) outside a
// drill's round: "What am I playing?" places it on the neck of the view and
// names it in the view's key, and the chord lab puts it on the string the
// student picked.
//
// How to use it:
//   PracticeView view;                          // C major, Standard tuning
//   PlayedNote a = DescribePlayed(view, 57);    // A3
//   a.positions                                 // {4, 0}, {5, 5}: every A3 past the capo
//   PlayedNoteText(view, a)   -> "A3: 6, major sixth above C; degree 6 of C major"
//   PlayedMarks(view, a)      // one mark per position, labelled "A"
//   FretForNote(view.tuning, 0, 5, 45)          -> 5 (the low E string's A2)
//   OutOfReachText(view, 2, 40)  -> "E2 is out of reach of string 3, G string: it plays G3 to G5."
// Strings from 0 at the top (the thinnest), frets absolute from the open
// string, as everywhere on the neck.

#include <optional>
#include <string>
#include <vector>

#include "practice/practice_view.h"

namespace fretlab {

struct PlayedNote {
  NoteNumber note = 0;              // MIDI
  SpelledNote name;                 // as the view's key spells it
  Degree interval;                  // above the key's root, by letters: A♭ over C is ♭6
  std::optional<Degree> degree;     // the degree in the key or chord; none outside it
  std::vector<Position> positions;  // every position of the note past the capo
};

PlayedNote DescribePlayed(const PracticeView& view, NoteNumber note);
// The note, its interval above the root and its degree, in one line.
std::string PlayedNoteText(const PracticeView& view, const PlayedNote& played);
// A mark for each position, labelled with the note's name, coloured by its
// interval above the root.
std::vector<NeckMark> PlayedMarks(const PlayedNote& played);

// The fret at which string `s` sounds `note`: from the capo to the highest
// fret; nothing when the string cannot reach it.
std::optional<FretIndex> FretForNote(const Tuning& tuning, int capo, StringIndex s, NoteNumber note);
// One line for a note string `s` cannot reach, with the notes it can.
std::string OutOfReachText(const PracticeView& view, StringIndex s, NoteNumber note);

}  // namespace fretlab
