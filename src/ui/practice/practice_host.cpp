#include "ui/practice/practice_host.h"

#include "practice/question_sound.h"
#include "ui/practice/playback_driver.h"

namespace fretlab {

namespace {

using std::chrono::milliseconds;

constexpr milliseconds kStrumStagger{25};
constexpr milliseconds kStrumLength{1600};

}  // namespace

void PracticeHost::soundPosition(Position position) {
  const NoteNumber note = view().tuning.NoteAt(position.string, position.fret);
  player().play(PlaybackSchedule::Sequence({{{note}, {position}}},
                                           practice::SingleNoteLength(noteLength())));
}

void PracticeHost::playPositions(const std::vector<SoundedPosition>& positions) {
  player().play(PlaybackSchedule::Walk(positions, noteLength(), true));
}

void PracticeHost::strumPositions(const std::vector<SoundedPosition>& lowStringFirst) {
  player().play(PlaybackSchedule::Strum(lowStringFirst, kStrumStagger, kStrumLength));
}

void PracticeHost::stopPlaying() { player().stop(); }

}  // namespace fretlab
