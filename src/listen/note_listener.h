#pragma once
// Notes played on an instrument, heard from a stream of mono float samples
// fed block by block, of any size: the one listening path of the Practice
// window, the tuner's neighbour and `fretlab --listen`.
//
//   NoteListener listener(ListenSettings::ForStrings(44100, 40, 64));
//   std::vector<HeardNote> heard;
//   listener.Feed(block.data(), block.size(), heard);   // appends what was decided
//
// Times are seconds of the stream: sample count over the rate, from the
// first sample fed. Not thread-safe: one thread feeds (a capture's own, or
// the command's), and SetSoundingUntil is called on that thread too.

#include <cstddef>
#include <vector>

#include "listen/hop_analyser.h"
#include "listen/listen_settings.h"
#include "listen/note_decision.h"

namespace fretlab {

class NoteListener {
 public:
  // How long the program's own note rings on after it ends: its release
  // and the room's reverb, down by 60 dB.
  static constexpr double kReleaseTail = 0.5;  // seconds

  explicit NoteListener(const ListenSettings& settings,
                        const DecisionParameters& parameters = DefaultParameters());

  // The program itself sounds until `streamSeconds` (its last note's end):
  // nothing heard until kReleaseTail after that is reported, and a note that
  // still rings then is taken as known.
  void SetSoundingUntil(double streamSeconds);
  void Feed(const float* samples, std::size_t count, std::vector<HeardNote>& heard);

  double StreamTime() const { return double(fed_) / settings_.sampleRate; }
  // The last hop's level in dBFS, for a level meter.
  double LevelDb() const { return levelDb_; }
  const ListenSettings& Settings() const { return settings_; }
  static DecisionParameters DefaultParameters() { return {}; }

 private:
  ListenSettings settings_;
  HopAnalyser analyser_;
  NoteDecision decision_;
  std::vector<float> hop_;
  std::size_t hopFill_ = 0;
  long long fed_ = 0;
  double mutedUntil_ = -1;  // seconds; a hop whose window starts before it is muted
  double levelDb_ = -200;
};

}  // namespace fretlab
