#include "listen/note_listener.h"

#include <algorithm>

namespace fretlab {

namespace {

DecisionParameters ForSettings(DecisionParameters parameters, const ListenSettings& settings) {
  parameters.pitchWindow = double(settings.PitchWindow()) / settings.sampleRate;
  parameters.hopSeconds = double(settings.Hop()) / settings.sampleRate;
  return parameters;
}

}  // namespace

NoteListener::NoteListener(const ListenSettings& settings, const DecisionParameters& parameters)
    : settings_(settings),
      analyser_(settings),
      decision_(settings.lowestNote, settings.highestNote, ForSettings(parameters, settings),
                &analyser_),
      hop_(analyser_.Hop()) {}

void NoteListener::SetSoundingUntil(double streamSeconds) {
  mutedUntil_ = std::max(mutedUntil_, streamSeconds + kReleaseTail);
}

void NoteListener::Feed(const float* samples, std::size_t count, std::vector<HeardNote>& heard) {
  const double window = double(settings_.PitchWindow()) / settings_.sampleRate;
  while (count > 0) {
    const std::size_t take = std::min(count, hop_.size() - hopFill_);
    std::copy(samples, samples + take, hop_.begin() + hopFill_);
    samples += take;
    count -= take;
    hopFill_ += take;
    fed_ += take;
    if (hopFill_ < hop_.size()) break;
    hopFill_ = 0;
    const ListenFrame frame = analyser_.Analyse(hop_.data());
    levelDb_ = frame.levelDb;
    const bool muted = frame.time - window < mutedUntil_;
    if (auto note = decision_.Take(frame, muted)) heard.push_back(*note);
  }
}

}  // namespace fretlab
