#pragma once
// A voicing from the finder as the Practice window's Chords tab shows it:
// its row in the list ("x32010  open  C E G C E", as fretlab --voicings
// prints it), its marks on the neck labelled as the view asks, the strings
// it mutes, and what a strum of it sounds.
//
// How to use it:
//   VoicingResult found = FindVoicings(chord, ViewVoicingQuery(view), 100);
//   VoicingRow(found.voicings[0])            -> "x32010  open  C E G C E"
//   VoicingMarks(view, chord, found.voicings[0])   marks, the root ringed
//   VoicingStrum(found.voicings[0])          lowest string first

#include <string>
#include <vector>

#include "practice/playback_schedule.h"
#include "practice/practice_view.h"
#include "theory/voicing_finder.h"

namespace fretlab {

// The voicings of the view's tuning and capo, within the whole neck, of at
// most `span` frets.
VoicingQuery ViewVoicingQuery(const PracticeView& view, int span = kDefaultVoicingSpan);

std::string VoicingRow(const Voicing& voicing);

// One mark per sounding string; a slash bass outside the chord gets the
// degree its letter makes over the root.
std::vector<NeckMark> VoicingMarks(const PracticeView& view, const ChordSymbol& chord,
                                   const Voicing& voicing);
std::vector<StringIndex> VoicingMutes(const Voicing& voicing);
std::vector<SoundedPosition> VoicingStrum(const Voicing& voicing);

}  // namespace fretlab
