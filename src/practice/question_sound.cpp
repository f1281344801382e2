#include "practice/question_sound.h"

namespace fretlab::practice {

PlaybackTime SingleNoteLength(PlaybackTime chosen) { return chosen * 2; }
PlaybackTime QuestionNoteLength(PlaybackTime chosen) { return chosen * 3; }

int ReferenceRoot(int note, int keyRootPitchClass) {
  return note - PitchClass(note - keyRootPitchClass);
}

PlaybackSchedule EarQuestionSchedule(const Question& question, int keyRoot,
                                     const EarQuestionSound& sound, PlaybackTime chosen) {
  std::vector<PlaybackStep> steps;
  if (sound.missed) steps.push_back({{*sound.missed}, {}});
  if (sound.reference) {
    steps.push_back({{ReferenceRoot(question.pitch, keyRoot)}, {}});
    // A rest of a note's length, so that the two are heard apart.
    steps.push_back({{}, {}, {}, chosen});
  }
  steps.push_back({{question.pitch}, {}});
  return PlaybackSchedule::Sequence(std::move(steps), QuestionNoteLength(chosen));
}

PlaybackSchedule UnmarkedNotes(const std::vector<int>& notes, PlaybackTime chosen) {
  std::vector<PlaybackStep> steps;
  for (int note : notes) steps.push_back({{note}, {}});
  return PlaybackSchedule::Sequence(std::move(steps), QuestionNoteLength(chosen));
}

}  // namespace fretlab::practice
