#pragma once
// Listening to the built-in synthesizer in tests: rendering into tracks, and
// measuring level, pitch and onsets. Frames at FluidSynthOutput::kSampleRate.

#include <algorithm>
#include <cmath>
#include <vector>

#include "sound/backends/fluid_synth_output.h"

namespace fretlab::listening {

inline constexpr int kRate = FluidSynthOutput::kSampleRate;
inline constexpr int kBlock = 512;  // frames a sound server asks for at a time

inline int Frames(double ms) { return static_cast<int>(std::lround(ms * kRate / 1000.0)); }

// Renders in audio-sized blocks, as the audio driver does, into one mono track.
inline void RenderMs(FluidSynthOutput& synth, double ms, std::vector<float>& track) {
  int remaining = Frames(ms);
  std::vector<float> left(kBlock), right(kBlock);
  while (remaining > 0) {
    const int frames = std::min(remaining, kBlock);
    synth.Render(left.data(), right.data(), frames);
    for (int i = 0; i < frames; ++i) track.push_back(0.5f * (left[i] + right[i]));
    remaining -= frames;
  }
}

inline double Rms(const std::vector<float>& track, double fromMs, double toMs) {
  const int from = Frames(fromMs), to = std::min<int>(Frames(toMs), track.size());
  double sum = 0;
  for (int i = from; i < to; ++i) sum += double(track[i]) * track[i];
  return std::sqrt(sum / std::max(1, to - from));
}

inline double Peak(const std::vector<float>& track) {
  double peak = 0;
  for (float s : track) peak = std::max(peak, double(std::fabs(s)));
  return peak;
}

// The fundamental between 200 and 330 Hz: the lag with the highest
// normalised autocorrelation, refined by a parabola through its neighbours.
inline double PitchHz(const std::vector<float>& track, double fromMs, double toMs) {
  const int from = Frames(fromMs), to = Frames(toMs);
  const int minLag = kRate / 330, maxLag = kRate / 200 + 1;
  const int length = to - from - maxLag;
  auto correlation = [&](int lag) {
    double sum = 0, energyA = 0, energyB = 0;
    for (int i = from; i < from + length; ++i) {
      sum += double(track[i]) * track[i + lag];
      energyA += double(track[i]) * track[i];
      energyB += double(track[i + lag]) * track[i + lag];
    }
    return sum / std::sqrt(energyA * energyB + 1e-30);
  };
  std::vector<double> r(maxLag + 2);
  int best = minLag;
  for (int lag = minLag - 1; lag <= maxLag + 1; ++lag) r[lag] = correlation(lag);
  for (int lag = minLag; lag <= maxLag; ++lag) {
    if (r[lag] > r[best]) best = lag;
  }
  const double a = r[best - 1], b = r[best], c = r[best + 1];
  const double offset = 0.5 * (a - c) / (a - 2 * b + c);
  return kRate / (best + offset);
}

// The fundamental of a note whose nominal pitch is `nominalHz`, to a small
// part of a cent: the lag within a semitone of one period with the highest
// normalised autocorrelation, then the multiple of it nearest 20 ms, where a
// parabola through its neighbours places the lag to a far smaller part of
// the period. Between `fromMs` and `toMs` of `track`, at kRate.
inline double PitchNearHz(const std::vector<float>& track, double fromMs, double toMs,
                          double nominalHz) {
  const int from = Frames(fromMs);
  const double nominal = kRate / nominalHz;  // frames a period
  const int periods = std::max(1, static_cast<int>(std::lround(0.020 * nominalHz)));
  const int maxLag = static_cast<int>(periods * nominal * 1.06) + 2;
  const int length = Frames(toMs) - from - maxLag;
  auto correlation = [&](int lag) {
    double sum = 0, energyA = 0, energyB = 0;
    for (int i = from; i < from + length; ++i) {
      sum += double(track[i]) * track[i + lag];
      energyA += double(track[i]) * track[i];
      energyB += double(track[i + lag]) * track[i + lag];
    }
    return sum / std::sqrt(energyA * energyB + 1e-30);
  };
  // The best lag in [low, high], refined by a parabola.
  auto best = [&](int low, int high) {
    int at = low;
    double value = correlation(low);
    for (int lag = low + 1; lag <= high; ++lag) {
      const double r = correlation(lag);
      if (r > value) at = lag, value = r;
    }
    const double a = correlation(at - 1), c = correlation(at + 1);
    return at + 0.5 * (a - c) / (a - 2 * value + c);
  };
  const double period = best(static_cast<int>(nominal / 1.06), static_cast<int>(nominal * 1.06) + 1);
  const int around = static_cast<int>(std::lround(periods * period));
  return kRate * periods / best(around - 3, around + 3);
}

inline double MidiHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// What `withNote` has that `without` has not: a note heard on its own, frame
// for frame, over the length of the shorter track.
inline std::vector<float> Difference(const std::vector<float>& withNote,
                                     const std::vector<float>& without) {
  std::vector<float> difference(std::min(withNote.size(), without.size()));
  for (std::size_t i = 0; i < difference.size(); ++i) difference[i] = withNote[i] - without[i];
  return difference;
}

inline double Cents(double hz, double reference) { return 1200.0 * std::log2(hz / reference); }

// Both channels, as they leave the synthesizer.
struct StereoTrack {
  std::vector<float> left, right;
  std::size_t size() const { return left.size(); }
};

// Renders offline in audio-sized blocks into both channels.
inline void RenderMs(FluidSynthOutput& synth, double ms, StereoTrack& track) {
  int remaining = Frames(ms);
  std::vector<float> left(kBlock), right(kBlock);
  while (remaining > 0) {
    const int frames = std::min(remaining, kBlock);
    synth.Render(left.data(), right.data(), frames);
    track.left.insert(track.left.end(), left.begin(), left.begin() + frames);
    track.right.insert(track.right.end(), right.begin(), right.begin() + frames);
    remaining -= frames;
  }
}

inline double PeakDbfs(const StereoTrack& track) {
  return 20.0 * std::log10(std::max({Peak(track.left), Peak(track.right), 1e-12}));
}

// The first frame at or after `from` whose magnitude reaches `level`, or -1.
inline long FirstAbove(const std::vector<float>& track, float level, long from = 0) {
  for (long i = from; i < static_cast<long>(track.size()); ++i) {
    if (std::fabs(track[i]) >= level) return i;
  }
  return -1;
}

}  // namespace fretlab::listening
