#pragma once
// What a round sounds through the window's player: the question heard (the
// ear drills, Ear to neck), a right answer's note, and a miss (the answer's
// sound, then the right one, so that the ear hears the difference).

#include "practice/miss.h"
#include "practice/round.h"

namespace fretlab {

class PracticeHost;

// The question's sound, if it has one; Ear to neck's note after the key's
// root when `reference`.
void SoundQuestion(PracticeHost& host, const practice::Round& round, bool reference);
// A right answer's note (the position found, or the marked one named),
// unless the guitar has just sounded it.
void SoundRightAnswer(PracticeHost& host, const practice::Feedback& feedback);
// A miss: the answer's sound, then the right one.
void SoundMiss(PracticeHost& host, const practice::Feedback& feedback, const practice::Miss& miss,
               const practice::DrillSetup& setup);

}  // namespace fretlab
