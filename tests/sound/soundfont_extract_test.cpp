// The guitar taken out of the General MIDI soundfont into a soundfont of its
// own: FluidSynth loads it and plays exactly what it plays from the whole file.

#include "sound/backends/soundfont_extract.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <vector>

#include "sound/backends/fluid_synth_output.h"
#include "sound/backends/memory_soundfont.h"
#include "support/temp_dir.h"

namespace fretlab {
namespace {

class SoundfontExtractTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (access(kDefaultSoundfont, R_OK) != 0) {
      GTEST_SKIP() << kDefaultSoundfont << " is absent (package timgm6mb-soundfont)";
    }
    settings_ = new_fluid_settings();
    fluid_settings_setint(settings_, "synth.reverb.active", 0);
  }
  void TearDown() override {
    if (settings_ != nullptr) delete_fluid_settings(settings_);
  }

  // Middle C then a low E from program 24 of a synthesizer that loaded the
  // soundfont with `load`.
  template <typename Load>
  std::vector<float> Play(Load load) {
    fluid_synth_t* synth = new_fluid_synth(settings_);
    EXPECT_NE(load(synth), FLUID_FAILED);
    EXPECT_EQ(fluid_synth_program_change(synth, 0, kNylonGuitarProgram), FLUID_OK);
    std::vector<float> left(8192), right(8192);
    fluid_synth_noteon(synth, 0, 60, 64);
    fluid_synth_write_float(synth, 4096, left.data(), 0, 1, right.data(), 0, 1);
    fluid_synth_noteon(synth, 0, 40, 100);
    fluid_synth_write_float(synth, 4096, left.data() + 4096, 0, 1, right.data() + 4096, 0, 1);
    delete_fluid_synth(synth);
    return left;
  }

  fluid_settings_t* settings_ = nullptr;
};

TEST_F(SoundfontExtractTest, GuitarAloneSoundsLikeTheGuitarOfTheWholeSoundfont) {
  std::string failure;
  const auto guitar = ExtractPreset(kDefaultSoundfont, 0, kNylonGuitarProgram, failure);
  ASSERT_FALSE(guitar.empty()) << failure;
  std::ifstream whole(kDefaultSoundfont, std::ios::binary | std::ios::ate);
  EXPECT_LT(guitar.size() * 4, static_cast<std::size_t>(whole.tellg()));

  const auto fromWhole = Play([](fluid_synth_t* s) { return fluid_synth_sfload(s, kDefaultSoundfont, 1); });
  const auto fromGuitar = Play([&](fluid_synth_t* s) { return LoadMemorySoundfont(s, settings_, guitar); });
  float loudest = 0;
  for (float v : fromWhole) loudest = std::max(loudest, std::fabs(v));
  ASSERT_GT(loudest, 0.01f);
  EXPECT_EQ(fromGuitar, fromWhole);
}

TEST_F(SoundfontExtractTest, ExtractIsASoundfontFileOfItsOwn) {
  std::string failure;
  const auto guitar = ExtractPreset(kDefaultSoundfont, 0, kNylonGuitarProgram, failure);
  testing::TempDir dir;
  const std::string file = dir.Write(
      "guitar.sf2", std::string_view(reinterpret_cast<const char*>(guitar.data()), guitar.size()));
  EXPECT_TRUE(fluid_is_soundfont(file.c_str()));
  const auto fromFile =
      Play([&](fluid_synth_t* s) { return fluid_synth_sfload(s, file.c_str(), 1); });
  const auto fromWhole = Play([](fluid_synth_t* s) { return fluid_synth_sfload(s, kDefaultSoundfont, 1); });
  EXPECT_EQ(fromFile, fromWhole);
}

TEST_F(SoundfontExtractTest, PresetThatIsNotThereGivesNothing) {
  std::string failure;
  EXPECT_TRUE(ExtractPreset(kDefaultSoundfont, 7, 99, failure).empty());
  EXPECT_EQ(failure, "no such preset");
}

TEST(SoundfontExtractFailureTest, FilesThatAreNoSoundfontGiveTheReason) {
  std::string failure;
  EXPECT_TRUE(ExtractPreset("/nonexistent/fretlab.sf2", 0, 24, failure).empty());
  EXPECT_EQ(failure, "No such file or directory");
  // A header that promises more than the file holds.
  const char cut[] = "RIFF\x00\x10\x00\x00sfbkLIST\xff\x00\x00\x00INFO";
  testing::TempDir dir;
  const std::string file = dir.Write("cut.sf2", std::string_view(cut, sizeof cut - 1));
  EXPECT_TRUE(ExtractPreset(file, 0, 24, failure).empty());
  EXPECT_FALSE(failure.empty());
}

}  // namespace
}  // namespace fretlab
