#include "sound/backends/key_levels.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace fretlab {

namespace {

// The keys measured: the piano's, beyond any neck's (a bass's low E is 28,
// a guitar's 24th fret 88); the median over a guitar's own.
constexpr int kLowestKey = 21, kHighestKey = 108;
constexpr int kLowestGuitarKey = 40, kHighestGuitarKey = 88;
constexpr int kVelocity = 64;        // the program's
constexpr int kMeasureFrames = 4416;  // 100 ms: the peak of a low key comes late
constexpr double kSilentDbfs = -70;   // a key the preset has no sample for

double PeakDbfs(fluid_synth_t* synth, int key) {
  static thread_local std::vector<float> left(kMeasureFrames), right(kMeasureFrames);
  fluid_synth_noteon(synth, 0, key, kVelocity);
  fluid_synth_write_float(synth, kMeasureFrames, left.data(), 0, 1, right.data(), 0, 1);
  float peak = 0;
  for (int i = 0; i < kMeasureFrames; ++i) {
    peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
  }
  fluid_synth_all_sounds_off(synth, 0);
  fluid_synth_write_float(synth, 64, left.data(), 0, 1, right.data(), 0, 1);  // the voice goes
  return 20.0 * std::log10(std::max(peak, 1e-9f));
}

}  // namespace

KeyLevels MeasureKeyLevels(fluid_synth_t* synth) {
  const float gain = fluid_synth_get_gain(synth);
  int reverb = 0;
  fluid_settings_getint(fluid_synth_get_settings(synth), "synth.reverb.active", &reverb);
  fluid_synth_set_gain(synth, 1.0f);
  fluid_synth_reverb_on(synth, -1, 0);
  std::array<double, 128> level{};
  std::vector<double> guitar;
  for (int key = kLowestKey; key <= kHighestKey; ++key) {
    level[key] = PeakDbfs(synth, key);
    if (key >= kLowestGuitarKey && key <= kHighestGuitarKey && level[key] > kSilentDbfs) {
      guitar.push_back(level[key]);
    }
  }
  fluid_synth_reverb_on(synth, -1, reverb);
  fluid_synth_set_gain(synth, gain);

  KeyLevels levels;
  if (guitar.empty()) return levels;  // a preset without a guitar's keys: left as it is
  std::nth_element(guitar.begin(), guitar.begin() + guitar.size() / 2, guitar.end());
  const double median = guitar[guitar.size() / 2];
  levels.gain = std::clamp(std::pow(10.0, (KeyLevels::kTargetDbfs - median) / 20.0), 0.1, 10.0);
  for (int key = kLowestKey; key <= kHighestKey; ++key) {
    if (level[key] <= kSilentDbfs) continue;
    const long steps = std::lround((level[key] - median) / KeyLevels::kStepDb);
    levels.levelClass[key] = static_cast<std::uint8_t>(
        std::clamp<long>(KeyLevels::kUnchanged + steps, 0, KeyLevels::kClasses - 1));
  }
  return levels;
}

bool ApplyKeyLevels(fluid_synth_t* synth, const KeyLevels& levels, int program) {
  bool applied = true;
  for (int channel = 0; channel < KeyLevels::kSynthChannels; ++channel) {
    const bool drums = channel == KeyLevels::kDrumChannel;
    fluid_synth_set_channel_type(synth, channel, drums ? CHANNEL_TYPE_DRUM : CHANNEL_TYPE_MELODIC);
    if (drums) {
      fluid_synth_program_change(synth, channel, 0);
      continue;
    }
    // Centibels: 10 to the decibel.
    const double attenuation = 10.0 * KeyLevels::kStepDb *
                               (channel % KeyLevels::kClasses - KeyLevels::kUnchanged);
    applied = applied && fluid_synth_set_gen(synth, channel, GEN_ATTENUATION,
                                             static_cast<float>(attenuation)) == FLUID_OK;
    // Channel 9 of each 16 starts in the drums' bank (128), whose program 24
    // is a drum kit in many soundfonts.
    applied = applied && fluid_synth_bank_select(synth, channel, 0) == FLUID_OK &&
              fluid_synth_program_change(synth, channel, program) == FLUID_OK;
  }
  fluid_synth_set_gain(synth, static_cast<float>(levels.gain));
  return applied;
}

}  // namespace fretlab
