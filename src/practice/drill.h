#pragma once
// The drills and the questions each can ask. A drill works inside the
// limits the Practice window sets: the tuning and capo, a fret range, a set
// of strings, and a key (root and scale) or a chord. The questions of a drill
// are exactly those these limits allow; a round draws from them.
//
// Indices as the theory core counts them (neck_positions.h): strings from
// 0 = the thinnest string (string 1 to a guitarist) at the top of the neck;
// frets absolute from 0 = the open string, so with a capo on fret 2 the
// lowest fret played is 2.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "practice/ear_options.h"
#include "theory/key_spelling.h"
#include "theory/neck_positions.h"
#include "theory/tuning.h"

namespace fretlab::practice {

enum class QuestionKind {
  kFindNote,        // "Find every C♯ — strings 1–3, frets 0–7"
  kNameNote,        // a position is marked; answer with its note name
  kFindDegree,      // "Where is the ♭3?": click one position of it
  kNameDegree,      // a position is marked; answer with its degree
  kEarToNeck,       // a note sounds; find it on the neck at its exact pitch
  kFindChordTone,   // "Click the 3 of C7" in the fret box
  kFindChordTones,  // "Click every chord tone of C7 — strings 2–4, frets 0–7"
  kFindPositionNotes,  // "Find every note of the E shape": a round inside one position
  kPlayVoicing,        // "Play a voicing of F♯m7": one note per string, then Check
  kEarInterval,        // two notes sound: name the interval, or find the second note
  kEarChordQuality,    // a chord sounds in a guitar voicing: name its quality
  kEarScale,           // a scale or mode sounds over its root: name it
};
inline constexpr int kQuestionKindCount = 12;

// What a kind of question asks, one predicate for each thing the drills and
// their answer checks need to know.
// A position is marked and its name is asked: a note's or a degree's.
constexpr bool AsksForName(QuestionKind kind) {
  return kind == QuestionKind::kNameNote || kind == QuestionKind::kNameDegree;
}
// Answered on the neck: a click, Enter on the cursor, or a note played.
constexpr bool IsFindQuestion(QuestionKind kind) { return !AsksForName(kind); }
// The question is a note heard, neither shown nor named.
constexpr bool IsEarQuestion(QuestionKind kind) { return kind == QuestionKind::kEarToNeck; }
// The question is what a few notes sound like together: an interval, a
// chord's quality or a scale's colour.
constexpr bool IsEarTraining(QuestionKind kind) {
  return kind == QuestionKind::kEarInterval || kind == QuestionKind::kEarChordQuality ||
         kind == QuestionKind::kEarScale;
}
// Answered with a whole voicing, a fret or a mute on every string, at once.
constexpr bool AsksForVoicing(QuestionKind kind) { return kind == QuestionKind::kPlayVoicing; }
// The question or its answer is a degree above the root ("♭3"), not a note.
constexpr bool AsksForDegree(QuestionKind kind) {
  return kind == QuestionKind::kFindDegree || kind == QuestionKind::kNameDegree ||
         kind == QuestionKind::kFindChordTone;
}

// The key each kind is stored under in the history ("find-note", …).
std::string_view DrillKey(QuestionKind kind);
std::optional<QuestionKind> KindOfKey(std::string_view key);
// The drills that show a position: their weak spots are positions.
bool IsPositionItemDrill(std::string_view key);

// What a drill is limited to: the neck in use and the key (root and scale)
// or the chord, which also spells every name the drill shows.
struct DrillSetup {
  DrillSetup(Tuning tuning, NeckArea area, KeySpelling key, std::string keyName = {})
      : tuning(std::move(tuning)), area(area), key(std::move(key)), keyName(std::move(keyName)) {}

  Tuning tuning;
  NeckArea area;
  KeySpelling key;
  std::string keyName;  // for the chord drills' prompts: "C7"
  // A position the questions keep within: its notes in the area, and its
  // name in prompts ("box 2", "the E shape"); empty: the whole area.
  std::vector<Position> within;
  std::string withinName;
  // The chord formula the voicing drill asks for on every root (an index
  // into ChordFormulas(), -1 for none), and the frets its voicings may span.
  int formula = -1;
  int span = 4;
  // The ear drills' choices.
  EarOptions ear;
  // How the notes on the neck and the answer buttons are named, and typed
  // answers read; what is asked and stored is always in English letters.
  NamingSystem noteNames = NamingSystem::kEnglish;
};

struct Question {
  QuestionKind kind = QuestionKind::kFindNote;
  std::string prompt;
  std::string asked;              // as stored: "C♯", "♭3", "C♯4", "C7"
  std::string item;               // what the weighting counts it against
  std::optional<Position> shown;  // the marked position (name drills)
  int pitch = -1;                 // the note heard (ear) or at `shown`, MIDI
  Degree degree;                  // the answer above the root (degree drills)
  // Find drills: the positions that answer it; the voicing drill: the
  // finder's first voicing within the frets, shown after a miss.
  std::vector<Position> targets;
  bool every = false;             // all targets must be found, not one
  // The ear drills: the notes heard, in the order they start (an
  // interval's two, a voicing's from the lowest string up, a scale's after
  // its root), and whether a name answers the question rather than the neck.
  std::vector<int> notes;
  bool byName = false;
};

// The question is answered with a name: a button or a typed answer.
inline bool AnswersByName(const Question& question) {
  return AsksForName(question.kind) || question.byName;
}
// Where a round's questions lie, as its prompts say it: the runs of allowed
// strings in guitarists' numbers (1 = the highest string; {1, 3} is 1–3),
// none when every string is allowed, and the frets from the capo on.
struct QuestionRange {
  std::vector<std::pair<int, int>> stringRuns;
  int fromFret = 0;
  int toFret = 0;
};
QuestionRange RangeOf(const DrillSetup& setup);

// The question is answered with a voicing built on the neck, then checked:
// "Play a voicing of …", and a chord quality heard picked on the neck.
inline bool AnswersByVoicing(const Question& question) {
  return AsksForVoicing(question.kind) ||
         (question.kind == QuestionKind::kEarChordQuality && !question.byName);
}

// Whether a note belongs to the setup's key or chord.
bool InKey(const DrillSetup& setup, int note);
int PitchAt(const DrillSetup& setup, Position position);
// The note's name as the key spells it: "C♯"; with its octave: "C♯4".
std::string NoteNameInKey(const DrillSetup& setup, int note);
// The degree of a note of the key or chord ("♭3"); "" for other notes.
std::string DegreeNameInKey(const DrillSetup& setup, int note);

// Every question the kind can ask within the setup, in a fixed order. Empty
// when the limits leave nothing to ask.
std::vector<Question> AllQuestions(QuestionKind kind, const DrillSetup& setup);

}  // namespace fretlab::practice
