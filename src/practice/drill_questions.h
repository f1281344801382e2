#pragma once
// The questions of the position and voicing drills, and what keeps every
// drill within a position: for drill.cpp and position_drills.cpp.

#include <optional>
#include <string>
#include <vector>

#include "practice/answer_check.h"
#include "practice/drill.h"
#include "theory/voicing_finder.h"

namespace fretlab::practice {

// " — strings 1–3, frets 0–7", or " in box 2" within a position: what a
// prompt says of the part of the neck in play.
std::string RangeText(const DrillSetup& setup);

// "Find every note of the E shape": every note of the position, at once.
void AddPositionNotes(const DrillSetup& setup, std::vector<Question>& out);
// "Play a voicing of F♯m7": the setup's formula on each root that has a
// voicing within the frets in play.
void AddVoicings(const DrillSetup& setup, std::vector<Question>& out);
// The first voicing of the chord the finder gives within the setup's frets
// and span whose every note lies on a string in play; none when none fits.
std::optional<Voicing> FirstVoicingInPlay(const ChordSymbol& chord, const DrillSetup& setup);
// Why frets (a fret or kMuted per string, from the top) are no voicing of
// the chord within the setup: a string not in play sounds, or the finder's
// rules refuse it (voicing_finder.h); empty when they are one.
std::string VoicingFaultInPlay(const ChordSymbol& chord, const DrillSetup& setup,
                               const std::vector<FretIndex>& frets);

// Within a position, the questions it holds: targets and marked positions
// inside it, the others gone.
std::vector<Question> KeepWithin(std::vector<Question> questions, const DrillSetup& setup);

// The voicing query of a setup: its tuning, capo, frets and span.
VoicingQuery VoicingQueryOf(const DrillSetup& setup);

// A voicing given for "Play a voicing of …": right when the finder's rules
// allow it (voicing_finder.h) on the strings in play; the fault says why not.
Checked CheckVoicing(const Question& question, const DrillSetup& setup,
                     const std::vector<FretIndex>& frets);

}  // namespace fretlab::practice
