#pragma once
// What a miss teaches: what the student gave and what was right, where the
// right answer lies on the neck (nearest to the answer first), and the two
// notes to sound one after the other so that the ear hears the difference.
// Names are spelled as the key spells them; the window puts them in words.

#include <optional>
#include <string>
#include <vector>

#include "practice/playback_schedule.h"
#include "practice/round.h"
#include "theory/chord_symbol.h"

namespace fretlab::practice {

struct Miss {
  enum class Given { kPosition, kPitch, kName, kVoicing };
  Given given = Given::kPosition;
  std::optional<Position> answeredAt;  // where the student clicked (or, played, where it lies)
  std::string answeredName;    // "F", "F3" (ear drill and played notes), or the name or degree typed
  std::string answeredDegree;  // its degree in the key or chord ("4"); "" outside it
  bool octave = false;         // the right note, an octave off

  std::string askedName;    // "G", "G3" (ear drill), "♭3" (degree drills), "C7" (every chord tone)
  std::string rightNote;    // for a degree or a chord tone asked: its note ("G"); else as askedName
  std::vector<Position> rightAt;  // nearest to the answer first; for a name asked, the marked position

  int wrongPitch = -1;  // MIDI: what the answer sounds like, heard first; -1 for none
  int rightPitch = -1;  // and the right note, heard after it

  // A voicing asked for: the chord (it spells the notes), the voicing given
  // and one that is right, each lowest string first and strummed in turn,
  // the right one's frets ("x32000"), and why the one given is none.
  std::optional<ChordSymbol> chord;
  std::vector<SoundedPosition> answeredVoicing, rightVoicing;
  std::string rightFrets;
  std::string why;
};

// Only for a feedback whose `missed` is set.
Miss ExplainMiss(const Feedback& feedback, const DrillSetup& setup);

// The answer's note, then the right one, each a single note long, each
// ringed where it lies; nothing for a side that has no note. For a voicing,
// the one given strummed, then the right one.
PlaybackSchedule MissSound(const Miss& miss, PlaybackTime chosen);

}  // namespace fretlab::practice
