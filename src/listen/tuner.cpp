#include "listen/tuner.h"

#include <algorithm>
#include <cmath>

#include "listen/hop_analyser.h"

namespace fretlab {

namespace {

// YIN's confidence for a hop to count: a steady string reads above 0.95.
constexpr double kSureConfidence = 0.9;
// Pitches further than this from the latest are a note before, or an
// octave slip: left out of the mean.
constexpr double kSameNoteCents = 40;
// The tuner hears what the note listener hears, at four times its hop: a reading
// needs no quicker analysis, and the window is the longer one a bass needs
// at any rate, which also steadies higher strings.
constexpr int kHopFactor = 4;

ListenSettings TunerSettings(int sampleRate, const Tuning& tuning, int capo) {
  int lowest = 127, highest = 0;
  for (int s = 0; s < tuning.StringCount(); ++s) {
    lowest = std::min<int>(lowest, tuning.strings[s].open + capo);
    highest = std::max<int>(highest, tuning.strings[s].open + capo);
  }
  if (tuning.StringCount() == 0) lowest = highest = 40;
  // A string may be tuned far down before it is brought up to pitch.
  ListenSettings settings = ListenSettings::ForStrings(sampleRate, std::min(lowest - 4, 28), highest);
  settings.hopFactor = kHopFactor;
  return settings;
}

}  // namespace

StringTarget NearestString(const Tuning& tuning, int capo, double midi) {
  StringTarget best;
  double bestDistance = 1e9;
  for (int s = 0; s < tuning.StringCount(); ++s) {
    const int note = tuning.strings[s].open + capo;
    const double distance = std::fabs(midi - note);
    // Strings run from the top (thinnest) down, so on a tie the later is lower.
    if (distance < bestDistance - 1e-9 ||
        (std::fabs(distance - bestDistance) <= 1e-9 && note < best.note)) {
      best = {s, note, 100.0 * (midi - note)};
      bestDistance = distance;
    }
  }
  return best;
}

Tuner::Tuner(int sampleRate, const Tuning& tuning, int capo)
    : tuning_(tuning),
      capo_(capo),
      settings_(TunerSettings(sampleRate, tuning, capo)),
      analyser_(std::make_unique<HopAnalyser>(settings_, false)),
      hop_(analyser_->Hop()),
      nextReading_(std::lround(settings_.sampleRate / kUpdatesPerSecond)) {}

Tuner::~Tuner() = default;

void Tuner::Feed(const float* samples, std::size_t count, std::vector<TunerReading>& readings) {
  const long long readingEvery = std::lround(settings_.sampleRate / kUpdatesPerSecond);
  while (count > 0) {
    // Up to the end of the hop, or to the next reading, whichever is first:
    // readings keep their own even spacing whatever the blocks.
    const std::size_t take = std::min({count, hop_.size() - hopFill_,
                                       static_cast<std::size_t>(nextReading_ - fed_)});
    std::copy(samples, samples + take, hop_.begin() + hopFill_);
    samples += take;
    count -= take;
    hopFill_ += take;
    fed_ += take;
    if (hopFill_ == hop_.size()) {
      hopFill_ = 0;
      const ListenFrame frame = analyser_->Analyse(hop_.data());
      if (frame.note > 0 && frame.confidence >= kSureConfidence) {
        pitches_.push_back({frame.time, frame.note});
      }
      while (!pitches_.empty() && pitches_.front().time < frame.time - kAveragedSeconds) {
        pitches_.pop_front();
      }
    }
    if (fed_ == nextReading_) {
      readings.push_back(Read(double(fed_) / settings_.sampleRate));
      nextReading_ += readingEvery;
    }
  }
}

TunerReading Tuner::Read(double time) const {
  TunerReading reading;
  reading.time = time;
  // Only a pitch heard in the last hops counts: after silence the needle falls.
  if (pitches_.empty() || pitches_.back().time < time - 2 * double(hop_.size()) / settings_.sampleRate) {
    return reading;
  }
  const double latest = pitches_.back().note;
  std::vector<double> notes;
  for (const Pitch& p : pitches_) {
    if (std::fabs(p.note - latest) * 100 <= kSameNoteCents) notes.push_back(p.note);
  }
  // The mean of the middle half: steady against a stray hop either way.
  std::sort(notes.begin(), notes.end());
  const std::size_t quarter = notes.size() / 4;
  double sum = 0;
  for (std::size_t i = quarter; i < notes.size() - quarter; ++i) sum += notes[i];
  const double midi = sum / double(notes.size() - 2 * quarter);
  reading.heard = true;
  reading.hz = NoteHz(midi);
  reading.target = NearestString(tuning_, capo_, midi);
  return reading;
}

}  // namespace fretlab
