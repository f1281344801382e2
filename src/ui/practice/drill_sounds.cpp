#include "ui/practice/drill_sounds.h"

#include "practice/ear_sound.h"
#include "practice/question_sound.h"
#include "ui/practice/playback_driver.h"
#include "ui/practice/practice_host.h"

namespace fretlab {

using namespace practice;

void SoundQuestion(PracticeHost& host, const Round& round, bool reference) {
  const Question& q = round.Current();
  if (IsEarTraining(q.kind)) {
    host.player().play(EarTrainingSchedule(q, round.Setup().ear));
    return;
  }
  if (q.kind != QuestionKind::kEarToNeck) return;
  const EarQuestionSound sound{reference, std::nullopt};
  host.player().play(EarQuestionSchedule(q, round.Setup().key.Root().PitchClass(), sound, host.noteLength()));
}

void SoundRightAnswer(PracticeHost& host, const Feedback& fb) {
  if (fb.checked.verdict != Verdict::kRight || fb.checked.input == AnswerInput::kAudio) return;
  if (fb.checked.position) {
    host.soundPosition(*fb.checked.position);
  } else if (AsksForName(fb.question.kind) && fb.question.shown) {
    host.soundPosition(*fb.question.shown);
  }
}

void SoundMiss(PracticeHost& host, const Feedback& fb, const Miss& miss, const DrillSetup& setup) {
  host.player().play(IsEarTraining(fb.question.kind) ? EarMissSchedule(fb, setup)
                                                     : MissSound(miss, host.noteLength()));
}

}  // namespace fretlab
