#pragma once
// The ear drills' questions and answer checks: an interval heard (named,
// or its second note found on the neck from the first, which is marked),
// a chord's quality heard in the voicing finder's top voicing within frets
// 0–12, and a scale's sound over its root. What is in play comes from the
// setup's EarOptions; the weak-spot items are the intervals', qualities'
// and scales' names, so a confused one comes back more often.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "practice/answer_check.h"
#include "practice/drill.h"
#include "practice/ear_names.h"

namespace fretlab::practice {

// Every question of an ear drill within the setup, in a fixed order: for
// each interval in play every first note of the area from which each
// interval in play fits it; for each quality and scale in play one per
// root, C to B. None when the area holds no position.
void AddEarQuestions(QuestionKind kind, const DrillSetup& setup, std::vector<Question>& out);

// The answers: an interval's name (any spelling of its sound, A4 or d5 for
// TT), a quality's or a scale's name; on the neck, a position or a pitch
// played. Stored as the name of what was given ("TT", "m7♭5"); the neck
// form stores the interval the answer makes with the first note.
Checked CheckEar(const Question& question, const DrillSetup& setup, const Answer& answer);

// Chord quality by ear on the neck: a voicing picked on the neck answers.
// The answer stored for a voicing of no quality on the marked root.
inline constexpr std::string_view kOtherQuality = "other";
// The question of `quality` on a root pitch class (0..11) in that form: the
// first voicing within the frets and strings in play sounds (its positions
// the targets, shown after a miss), its lowest root marked; none when no
// voicing fits.
std::optional<Question> QualityVoicingQuestion(const DrillSetup& setup, int rootPitchClass,
                                               ChordQuality quality);
// Right when the frets are a voicing of the marked root's chord of the
// quality asked by the finder's rules within the setup (voicing_finder.h);
// stored as the quality answered: the asked one when right, else the one
// whose tones the voicing sounds over that root (QualityOfVoicing).
Checked CheckQualityVoicing(const Question& question, const DrillSetup& setup,
                            const std::vector<FretIndex>& frets);
// The first quality, in the order of ChordQuality, whose required tones
// all sound over the root and no other tone: "minor"; kOtherQuality for
// none, or when the root itself does not sound.
std::string QualityOfVoicing(const DrillSetup& setup, int rootPitchClass,
                             const std::vector<FretIndex>& frets);

// Where a name stands among a drill's answers, for tables in the order of
// sound: an interval by its semitones, a quality or scale by its place in
// the core's list; names that are none of them come after, by their text.
int EarAnswerOrder(QuestionKind kind, std::string_view name);

// The semitones of an interval question (its two notes apart).
int IntervalOf(const Question& question);
// A chord question's root pitch class, 0..11, and its quality.
int RootOf(const Question& question);
// The chord symbol of a quality on a root pitch class: "F#m7b5".
std::string ChordText(int rootPitchClass, ChordQuality quality);
// The notes of a chord quality on a root as the finder's top voicing in
// frets 0–12 sounds them, lowest string first; empty when none fits.
std::vector<int> QualityNotes(const Tuning& tuning, int rootPitchClass, ChordQuality quality);
// A scale played up from `root` (MIDI) to its octave.
std::vector<int> ScaleUp(int root, const ScaleSound& scale);
// A short phrase within the scale: eight notes from the root within its
// octave, moving a step or two of the scale at a time, back to the root at
// the end; the same for the same seed.
std::vector<int> ScalePhrase(int root, const ScaleSound& scale, std::uint64_t seed);

}  // namespace fretlab::practice
