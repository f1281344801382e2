// The same level from every key and every soundfont: the preset's keys
// measured once, the gain that brings the median to -12 dBFS, and each key
// on the channel whose attenuation brings it there too. FluidSynth rendered
// offline, dry.

#include "sound/backends/key_levels.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "sound/backends/fluid_log.h"
#include "sound/backends/soundfont_loader.h"
#include "sound/backends/synth_engine.h"
#include "sound/soundfont/byte_source.h"
#include "support/soundfonts.h"
#include "support/tiny_soundfont.h"

namespace fretlab {
namespace {

TEST(KeyLevelsTest, EachKeyOfAMidiChannelPlaysOnOneOfItsSixteenChannels) {
  KeyLevels levels;
  levels.levelClass[40] = 3;
  levels.levelClass[88] = 15;
  EXPECT_EQ(levels.Channel(0, 40), 3);
  EXPECT_EQ(levels.Channel(0, 64), KeyLevels::kUnchanged);
  EXPECT_EQ(levels.Channel(2, 88), 2 * 16 + 15);
  EXPECT_EQ(levels.Channel(15, 40), 15 * 16 + 3);
  EXPECT_EQ(levels.Channel(9, 40), KeyLevels::kDrumChannel);  // drums stay unlevelled
  EXPECT_EQ(levels.Channel(9, 88), KeyLevels::kDrumChannel);
}

// A synthesizer as the engine makes it, dry, with a soundfont loaded from
// `source` and program 24 on channel 0.
class LevelledSynth {
 public:
  explicit LevelledSynth(const ByteSource* source) {
    QuietFluidLog();
    settings_ = new_fluid_settings();
    fluid_settings_setint(settings_, "synth.midi-channels", KeyLevels::kSynthChannels);
    fluid_settings_setint(settings_, "synth.reverb.active", 0);
    fluid_settings_setint(settings_, "synth.chorus.active", 0);
    synth_ = new_fluid_synth(settings_);
    if (source != nullptr) {
      EXPECT_NE(LoadSoundfontFrom(synth_, settings_, *source), FLUID_FAILED);
      EXPECT_EQ(fluid_synth_program_change(synth_, 0, kNylonGuitarProgram), FLUID_OK);
    }
  }
  ~LevelledSynth() {
    delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
  }

  // Peak of `key` alone on `channel` over 150 ms, in dBFS.
  double PeakDbfs(int channel, int key) {
    std::vector<float> left(6656), right(6656);
    fluid_synth_noteon(synth_, channel, key, 64);
    fluid_synth_write_float(synth_, 6656, left.data(), 0, 1, right.data(), 0, 1);
    fluid_synth_all_sounds_off(synth_, -1);
    fluid_synth_write_float(synth_, 64, left.data(), 0, 1, right.data(), 0, 1);
    float peak = 1e-9f;
    for (std::size_t i = 0; i < left.size(); ++i) {
      peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
    }
    return 20 * std::log10(peak);
  }

  fluid_settings_t* settings_;
  fluid_synth_t* synth_;
};

TEST(KeyLevelsTest, TheGainBringsAnEvenPresetToMinus12Dbfs) {
  const auto bytes = testing::TinySoundfont{}.Build();  // one sample for every key
  const MemorySource source(bytes);
  LevelledSynth synth(&source);
  fluid_synth_set_gain(synth.synth_, 1.0f);
  const double before = synth.PeakDbfs(0, 69);
  const KeyLevels levels = MeasureKeyLevels(synth.synth_);
  for (int key = 21; key <= 108; ++key) {
    EXPECT_EQ(levels.levelClass[key], KeyLevels::kUnchanged) << "key " << key;
  }
  EXPECT_NEAR(20 * std::log10(levels.gain), -12.0 - before, 0.05);
  ASSERT_TRUE(ApplyKeyLevels(synth.synth_, levels, kNylonGuitarProgram));
  for (int key : {40, 69, 88}) EXPECT_NEAR(synth.PeakDbfs(levels.Channel(0, key), key), -12.0, 0.1);
  EXPECT_NEAR(synth.PeakDbfs(levels.Channel(5, 69), 69), -12.0, 0.1);  // any MIDI channel
}

// TimGM6mb's guitar: its samples differ by 1.3 dB across the neck.
TEST(KeyLevelsTest, EveryKeyOfTheNeckComesWithinAQuarterDbOfMinus12) {
  if (!testing::kTimGM6mb.Installed()) GTEST_SKIP() << testing::kTimGM6mb.Missing();
  std::string failure;
  const auto file = FileSource::Open(testing::kTimGM6mb.path, failure);
  ASSERT_NE(file, nullptr) << failure;
  LevelledSynth synth(file.get());
  double lowest = 0, highest = -200;
  for (int key = 40; key <= 88; ++key) {
    lowest = std::min(lowest, synth.PeakDbfs(0, key));
    highest = std::max(highest, synth.PeakDbfs(0, key));
  }
  ASSERT_GT(highest - lowest, 1.0);
  const KeyLevels levels = MeasureKeyLevels(synth.synth_);
  ASSERT_TRUE(ApplyKeyLevels(synth.synth_, levels, kNylonGuitarProgram));
  std::set<int> classes;
  for (int key = 40; key <= 88; ++key) {
    EXPECT_NEAR(synth.PeakDbfs(levels.Channel(0, key), key), -12.0, 0.25) << "key " << key;
    classes.insert(levels.levelClass[key]);
  }
  EXPECT_GE(classes.size(), 3u);
}

TEST(KeyLevelsTest, APresetThatSoundsNothingIsLeftAsItIs) {
  LevelledSynth synth(nullptr);  // no soundfont: every key silent
  const KeyLevels levels = MeasureKeyLevels(synth.synth_);
  EXPECT_EQ(levels.gain, 1.0);
  for (int key = 0; key < 128; ++key) EXPECT_EQ(levels.levelClass[key], KeyLevels::kUnchanged);
}

}  // namespace
}  // namespace fretlab
