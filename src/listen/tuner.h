#pragma once
// The tuner: the nearest string of a tuning (any number of strings, capo
// aware) to the pitch heard, and how far off it is in cents. Fed like the
// note listener, it gives a reading kUpdatesPerSecond times a second, each
// the trimmed mean of the pitches of the last kAveragedSeconds, so that a
// sustained note reads steadily.
//
//   Tuner tuner(44100, tuning, capo);
//   std::vector<TunerReading> readings;
//   tuner.Feed(block.data(), block.size(), readings);

#include <cstddef>
#include <deque>
#include <memory>
#include <vector>

#include "listen/listen_settings.h"
#include "theory/tuning.h"

namespace fretlab {

class HopAnalyser;

struct StringTarget {
  int string = -1;    // index into Tuning::strings, 0 = the top (thinnest) string
  int note = 0;       // MIDI: the open string, raised by the capo
  double cents = 0;   // the pitch's deviation from `note`; negative is flat
};

// The string whose note (open + capo) is nearest to `midi` (fractional). A
// tie goes to the lower string, whose note a player tunes up to.
StringTarget NearestString(const Tuning& tuning, int capo, double midi);

struct TunerReading {
  double time = 0;      // seconds of the stream at the reading
  bool heard = false;   // false: no steady pitch (silence, noise, a chord)
  double hz = 0;
  StringTarget target;
};

class Tuner {
 public:
  static constexpr double kUpdatesPerSecond = 25;
  static constexpr double kAveragedSeconds = 0.2;

  Tuner(int sampleRate, const Tuning& tuning, int capo);
  ~Tuner();
  Tuner(const Tuner&) = delete;
  Tuner& operator=(const Tuner&) = delete;

  void Feed(const float* samples, std::size_t count, std::vector<TunerReading>& readings);

 private:
  struct Pitch {
    double time, note;
  };
  TunerReading Read(double time) const;

  Tuning tuning_;
  int capo_;
  ListenSettings settings_;
  std::unique_ptr<HopAnalyser> analyser_;
  std::vector<float> hop_;
  std::size_t hopFill_ = 0;
  long long fed_ = 0;
  long long nextReading_;  // samples fed when the next reading is due
  std::deque<Pitch> pitches_;  // confident pitches of the last kAveragedSeconds
};

}  // namespace fretlab
