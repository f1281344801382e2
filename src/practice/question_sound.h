#pragma once
// How long the Practice window sounds things, and what a drill question
// sounds, worked out from the note length the student chose.
//
// A note of Play lasts the chosen length; a single note (a click, a
// position found) twice that, so that it rings; a note of a question that
// must be heard, three times that. The ear drill's question is its note,
// after the key's root when a reference is asked for (then a rest of one
// chosen length), and after the last question's note when that was missed.

#include <optional>
#include <vector>

#include "practice/drill.h"
#include "practice/playback_schedule.h"

namespace fretlab::practice {

PlaybackTime SingleNoteLength(PlaybackTime chosen);
PlaybackTime QuestionNoteLength(PlaybackTime chosen);

// The root of the key (pitch class 0..11) at or below `note`, within an
// octave: heard before the note, it makes the note's degree what is heard.
int ReferenceRoot(int note, int keyRootPitchClass);

struct EarQuestionSound {
  bool reference = false;        // the key's root first
  std::optional<int> missed;     // the last question's note, missed: heard first
};

// The ear question `question` (its pitch) as it sounds; `keyRoot` 0..11.
PlaybackSchedule EarQuestionSchedule(const Question& question, int keyRoot,
                                     const EarQuestionSound& sound, PlaybackTime chosen);
// Notes one after another at the question's length, with no mark on the
// neck to give their places away.
PlaybackSchedule UnmarkedNotes(const std::vector<int>& notes, PlaybackTime chosen);

}  // namespace fretlab::practice
