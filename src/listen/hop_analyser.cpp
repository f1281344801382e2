#include "listen/hop_analyser.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace fretlab {

namespace {

// YIN's threshold on its normalised difference (aubio's default for
// YIN-fast): a dip below it is taken as the period.
constexpr float kYinTolerance = 0.15f;
// aubio leaves out no hop for being quiet: a quiet player's note fades to
// -80 dBFS, and the decision weighs level itself.
constexpr float kNoSilence = -120.f;
// Onsets from the high-frequency content of a 512-sample spectrum: a
// plucked string's attack is rich in it, a ringing string and hum are not.
constexpr int kOnsetWindow = 512;
constexpr float kOnsetThreshold = 0.3f;
constexpr float kOnsetMinimumGapMs = 40.f;
constexpr float kOnsetSilenceDb = -70.f;

}  // namespace

struct HopAnalyser::Detectors {
  aubio_pitch_t* pitch = nullptr;
  aubio_onset_t* onset = nullptr;
  fvec_t* input = nullptr;
  fvec_t* pitchOut = nullptr;
  fvec_t* onsetOut = nullptr;

  ~Detectors() {
    if (onsetOut != nullptr) del_fvec(onsetOut);
    if (pitchOut != nullptr) del_fvec(pitchOut);
    if (input != nullptr) del_fvec(input);
    if (onset != nullptr) del_aubio_onset(onset);
    if (pitch != nullptr) del_aubio_pitch(pitch);
  }
};

HopAnalyser::HopAnalyser(const ListenSettings& settings, bool onsets)
    : settings_(settings),
      hop_(settings.Hop()),
      kept_(std::max<std::size_t>(std::size_t(settings.PitchWindow()),
                                  std::size_t(kKeptSeconds * settings.sampleRate))),
      aubio_(std::make_unique<Detectors>()) {
  const auto rate = static_cast<uint_t>(settings.sampleRate);
  const auto hop = static_cast<uint_t>(hop_);
  aubio_->pitch = new_aubio_pitch("yinfast", settings.PitchWindow(), hop, rate);
  if (onsets) aubio_->onset = new_aubio_onset("hfc", kOnsetWindow * (hop_ / 256), hop, rate);
  if (aubio_->pitch == nullptr || (onsets && aubio_->onset == nullptr)) {
    throw std::runtime_error("aubio refused the pitch or onset detector");
  }
  aubio_pitch_set_unit(aubio_->pitch, "midi");
  aubio_pitch_set_tolerance(aubio_->pitch, kYinTolerance);
  aubio_pitch_set_silence(aubio_->pitch, kNoSilence);
  if (onsets) {
    aubio_onset_set_threshold(aubio_->onset, kOnsetThreshold);
    aubio_onset_set_minioi_ms(aubio_->onset, kOnsetMinimumGapMs);
    aubio_onset_set_silence(aubio_->onset, kOnsetSilenceDb);
  }
  aubio_->input = new_fvec(hop);
  aubio_->pitchOut = new_fvec(1);
  aubio_->onsetOut = new_fvec(1);
}

HopAnalyser::~HopAnalyser() = default;

ListenFrame HopAnalyser::Analyse(const float* samples) {
  double energy = 0;
  long long breakEnd = -1, breakLength = 0;  // samples from the stream's start
  const long long first = hopsDone_ * hop_;
  const double rate = settings_.sampleRate;
  for (int i = 0; i < hop_; ++i) {
    aubio_->input->data[i] = samples[i];
    kept_[std::size_t(first + i) % kept_.size()] = samples[i];
    energy += double(samples[i]) * samples[i];
    if (std::abs(samples[i]) <= kDigitalSilence) {
      ++silentRun_;
      continue;
    }
    if (soundBefore_ && silentRun_ >= kShortestBreak * rate && silentRun_ <= kLongestBreak * rate) {
      breakEnd = first + i;
      breakLength = silentRun_;
    }
    silentRun_ = 0;
    soundBefore_ = true;
  }
  aubio_pitch_do(aubio_->pitch, aubio_->input, aubio_->pitchOut);
  if (aubio_->onset != nullptr) aubio_onset_do(aubio_->onset, aubio_->input, aubio_->onsetOut);
  ++hopsDone_;

  ListenFrame frame;
  frame.time = double(hopsDone_ * hop_) / settings_.sampleRate;
  frame.note = aubio_->pitchOut->data[0];
  frame.confidence = std::clamp<double>(aubio_pitch_get_confidence(aubio_->pitch), 0.0, 1.0);
  frame.levelDb = 10.0 * std::log10(energy / hop_ + 1e-20);
  frame.onset = aubio_->onsetOut->data[0] > 0;
  if (frame.onset) frame.onsetTime = aubio_onset_get_last_s(aubio_->onset);
  if (breakEnd >= 0) {
    frame.breakStart = double(breakEnd - breakLength) / rate;
    frame.breakEnd = double(breakEnd) / rate;
  }
  return frame;
}

std::complex<double> HopAnalyser::Harmonic(double midi, int harmonic, double windowEnd) const {
  const double rate = settings_.sampleRate;
  const double hz = NoteHz(midi) * harmonic;
  const long long window = settings_.PitchWindow();
  const long long end = std::llround(windowEnd * rate), analysed = hopsDone_ * hop_;
  const long long oldest = std::max(0LL, analysed - static_cast<long long>(kept_.size()));
  if (hz >= rate / 2 || end > analysed || end - window < oldest) return 0;
  // One bin of a Hann-windowed transform, at the harmonic's own frequency.
  const double step = 2 * M_PI * hz / rate;
  const long long start = end - window;
  std::complex<double> sum = 0;
  double weights = 0;
  for (long long n = 0; n < window; ++n) {
    const double w = 0.5 - 0.5 * std::cos(2 * M_PI * double(n) / double(window - 1));
    sum += w * kept_[std::size_t(start + n) % kept_.size()] * std::polar(1.0, -step * double(n));
    weights += w;
  }
  return 2.0 * sum / weights * std::polar(1.0, -step * double(start));
}

}  // namespace fretlab
