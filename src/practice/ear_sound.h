#pragma once
// What the ear drills' questions sound, on a grid of beats at the tempo the
// student sets: every note or chord starts on a beat, so the ear hears an
// interval, a chord or a scale and not the machine's timing.
//
//   interval   the two notes a beat apart, the second ringing two beats;
//              together: both at once for two beats
//   chord      the voicing strummed from the lowest string, ringing three
//              beats; arpeggiated: a note a beat, the last ringing two
//   scale      its root first for a beat as the reference, a beat's rest,
//              then the scale (or phrase) a note a beat
//
// Nothing is marked on the neck while a question sounds. After a miss the
// answer given sounds as the question would have, a beat's rest, then the
// right one: the chosen interval from the same first note, the chosen
// quality on the same root, the chosen scale over the same root.

#include "practice/ear_drills.h"
#include "practice/miss.h"
#include "practice/playback_schedule.h"
#include "practice/round.h"

namespace fretlab::practice {

// One beat at `tempo` beats per minute (held to kMinTempo..kMaxTempo).
PlaybackTime BeatLength(int tempo);

PlaybackSchedule EarTrainingSchedule(const Question& question, const EarOptions& options);

// Only for a feedback on an ear drill whose `missed` is set; the right one
// alone when the answer has no sound of its own.
PlaybackSchedule EarMissSchedule(const Feedback& feedback, const DrillSetup& setup);

// A miss in words and on the neck: the name given and the one asked; on
// the neck, where the answer lies and every place of the right note,
// nearest to the answer first.
Miss ExplainEarMiss(const Feedback& feedback, const DrillSetup& setup);
// A chord quality answered with a voicing: the one given and the one heard,
// each lowest string first, the heard one's positions to mark.
Miss ExplainQualityVoicingMiss(const Feedback& feedback, const DrillSetup& setup);

}  // namespace fretlab::practice
