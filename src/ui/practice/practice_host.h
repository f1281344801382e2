#pragma once
// What a mode of the Practice window sees of the window: the neck, what
// the controls choose, the player, the listening, the note length, the
// settings and a way to tell the user something. The window implements it; a mode never
// knows the window itself, so modes are built, tested and added apart
// from it.
//
// The sound helpers below turn positions into what the player plays, at
// the lengths question_sound.h sets out.

#include <QString>
#include <chrono>
#include <vector>

#include "practice/playback_schedule.h"
#include "practice/practice_view.h"

class QSettings;

namespace fretlab {

class NeckWidget;
class PlaybackDriver;
class PracticeListening;

class PracticeHost {
 public:
  virtual NeckWidget& neck() = 0;
  // What the controls choose, with the fret range and root spelling in use.
  virtual PracticeView view() const = 0;
  virtual PlaybackDriver& player() = 0;
  // The guitar heard through the sound input, when the user asked for it.
  virtual PracticeListening& listening() = 0;
  // The length of a note of Play, as the student set it.
  virtual std::chrono::milliseconds noteLength() const = 0;
  // What the window remembers between runs.
  virtual QSettings& settings() = 0;
  // One line for the user beside the neck, for a moment.
  virtual void report(const QString& message) = 0;
  // The panels below the neck give way to one line, `summary`, while a
  // round runs, so that the round and the neck keep the room.
  virtual void setPanelsCollapsed(bool collapsed, const QString& summary) = 0;

  // One position for a single note's length, its mark ringed meanwhile.
  void soundPosition(Position position);
  // Positions low to high and back, each pitch once per direction, the
  // marks following the sound.
  void playPositions(const std::vector<SoundedPosition>& positions);
  // A chord, lowest string first.
  void strumPositions(const std::vector<SoundedPosition>& lowStringFirst);
  void stopPlaying();

 protected:
  ~PracticeHost() = default;
};

}  // namespace fretlab
