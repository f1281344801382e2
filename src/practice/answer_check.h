#pragma once
// Checking an answer against a question. Answers come as a position (a
// click, or Enter on the keyboard cursor), a pitch (a note-on from a MIDI
// instrument, or a note played on a guitar and heard), a text (a name
// button, or typed: a letter, then # or b) or a voicing (a fret or a mute on
// every string, checked by the voicing finder's rules). Each says how it was
// given.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "practice/answer_record.h"
#include "practice/drill.h"
#include "theory/voicing.h"

namespace fretlab::practice {

struct Answer {
  enum Kind { kPosition, kPitch, kText, kVoicing } kind = kPosition;
  Position position;
  int pitch = -1;  // MIDI note 0..127
  std::string text;
  std::vector<FretIndex> frets;  // a voicing: by string from the top, kMuted for a mute
  AnswerInput input = AnswerInput::kMouse;

  static Answer At(Position p, AnswerInput by = AnswerInput::kMouse) {
    return {kPosition, p, -1, {}, {}, by};
  }
  static Answer Pitch(int note, AnswerInput by = AnswerInput::kMidi) {
    return {kPitch, {}, note, {}, {}, by};
  }
  static Answer Text(std::string t, AnswerInput by = AnswerInput::kKeyboard) {
    return {kText, {}, -1, std::move(t), {}, by};
  }
  static Answer Voicing(std::vector<FretIndex> f, AnswerInput by = AnswerInput::kMouse) {
    return {kVoicing, {}, -1, {}, std::move(f), by};
  }
};

enum class Verdict {
  kRight,
  kWrong,
  kOctave,      // the right note in the wrong octave (ear drill): counts as wrong
  kAgain,       // a position already found: neither right nor wrong
  kUnreadable,  // not an answer to this question (a click where a name is asked)
};

struct Checked {
  Verdict verdict = Verdict::kUnreadable;
  // The position the answer stands for: the one clicked, or for a pitch the
  // target it found (any position of that pitch within the range counts).
  std::optional<Position> position;
  int target = -1;          // index into Question::targets that was found
  bool enharmonic = false;  // right, but spelled otherwise than the key spells it
  std::string answered;     // as stored in the history
  // The note the answer sounds (the position's, or the one played); -1 for
  // a name or degree typed, which names a pitch class only.
  int pitch = -1;
  Answer::Kind given = Answer::kPosition;  // what kind of answer it was
  AnswerInput input = AnswerInput::kMouse;  // and how it was given
  // A voicing given: its frets (a fret or kMuted per string, from the
  // top), and what makes it none of the chord asked ("C needs its 3 (E)"),
  // empty when it is one.
  std::string fault;
  std::vector<FretIndex> frets;
};

// `found`: per target of the question, already found in this question.
Checked Check(const Question& question, const DrillSetup& setup, const Answer& answer,
              const std::vector<bool>& found);

// "R", "1", "b3", "♭3", "#4", "9", "♭13": a degree above the root, read by
// the theory core's ParseDegree (degree_text.h) as note names are read by
// its ParseNoteName.
std::optional<Degree> ParseDegree(std::string_view text);

}  // namespace fretlab::practice
