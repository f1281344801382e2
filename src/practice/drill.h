#pragma once
// The five drills and the questions each can ask. A drill works inside the
// limits the Practice window sets: the tuning and capo, a fret range, a set
// of strings, and a key (root and scale) or a chord. The questions of a drill
// are exactly those these limits allow; a round draws from them.
//
// Indices: strings from 0 = the highest string (string 1 to a guitarist) at
// the top of the neck; frets absolute from 0 = the open string, so with a
// capo on fret 2 the lowest fret played is 2.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "theory/fretboard.h"

namespace fretlab::practice {

enum class QuestionKind {
  kFindNote,        // "Find every C♯ on strings 1–3 between frets 0 and 7"
  kNameNote,        // a position is marked; answer with its note name
  kFindDegree,      // "Where is the ♭3?": click one position of it
  kNameDegree,      // a position is marked; answer with its degree
  kEarToNeck,       // a note sounds; find it on the neck at its exact pitch
  kFindChordTone,   // "Click the 3 of C7" in the fret box
  kFindChordTones,  // "Click every chord tone of C7 on strings 2–4"
};
inline constexpr int kQuestionKindCount = 7;

// The key each kind is stored under in the history ("find-note", …).
std::string_view DrillKey(QuestionKind kind);
std::optional<QuestionKind> KindOfKey(std::string_view key);
// The drills that show a position: their weak spots are positions.
bool IsPositionItemDrill(std::string_view key);

// What a drill is limited to, and how the current key names things.
struct DrillSetup {
  // MIDI note of each open string, index 0 = the highest string; 4..8 strings.
  std::vector<NoteNumber> openNotes;
  int capo = 0;       // 0..12: frets below it are not played
  int firstFret = 0;  // inclusive range, absolute frets
  int lastFret = 12;
  std::vector<bool> strings;  // per string: may be asked; empty = every string
  int root = 0;               // pitch class 0..11, 0 = C
  // Semitones 0..11 above the root: the scale's steps, or the chord's tones
  // for the chord drills. All twelve: every note counts.
  std::vector<int> steps;
  std::string keyName;  // for the chord drills' prompts: "C7"
  // Spelling in the current key: pitch class 0..11 → "C♯"; semitones above
  // the root 0..11 → "R", "♭3", "♯4", …
  std::function<std::string(int pitchClass)> noteName;
  std::function<std::string(int semitones)> degreeName;
};

struct Question {
  QuestionKind kind = QuestionKind::kFindNote;
  std::string prompt;
  std::string asked;              // as stored: "C♯", "♭3", "C♯4", "C7"
  std::string item;               // what the weighting counts it against
  std::optional<Position> shown;  // the marked position (name drills)
  int pitch = -1;                 // the note heard (ear) or at `shown`, MIDI
  int semitones = 0;              // the answer above the root (degree drills)
  std::vector<Position> targets;  // find drills: the positions that answer it
  bool every = false;             // all targets must be found, not one
};

// The positions the setup allows, string by string from the top, frets upwards.
std::vector<Position> AllowedPositions(const DrillSetup& setup);
// Pitch class 0..11 of a MIDI note.
constexpr int PitchClass(int note) { return ((note % 12) + 12) % 12; }
// Whether a note belongs to the setup's key or chord.
bool InKey(const DrillSetup& setup, int note);
int PitchAt(const DrillSetup& setup, Position position);

// Every question the kind can ask within the setup, in a fixed order. Empty
// when the limits leave nothing to ask.
std::vector<Question> AllQuestions(QuestionKind kind, const DrillSetup& setup);

}  // namespace fretlab::practice
