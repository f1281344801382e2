// One preset taken out of a soundfont into a soundfont of its own: FluidSynth
// loads it and plays exactly what it plays from the whole file, for each
// General MIDI soundfont; and on files made in code, what is kept, what is
// moved and what is refused.

#include "sound/soundfont/preset_extract.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "sound/backends/fluid_log.h"
#include "sound/backends/soundfont_loader.h"
#include "sound/backends/synth_engine.h"
#include "sound/soundfont/soundfont_layout.h"
#include "support/soundfonts.h"
#include "support/temp_dir.h"
#include "support/tiny_soundfont.h"

namespace fretlab {
namespace {

using testing::TestSoundfont;
using testing::TinySoundfont;
using Bytes = std::vector<std::uint8_t>;

class WholeSoundfontTest : public ::testing::TestWithParam<TestSoundfont> {
 protected:
  void SetUp() override {
    if (!GetParam().Installed()) GTEST_SKIP() << GetParam().Missing();
    QuietFluidLog();
    settings_ = new_fluid_settings();
    fluid_settings_setint(settings_, "synth.reverb.active", 0);
    // The whole file's samples are read only for the preset in use.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
  }
  void TearDown() override {
    if (settings_ != nullptr) delete_fluid_settings(settings_);
  }

  // Middle C, a low E, then the top of the neck (E6), long enough for each
  // sample to reach its loop, from program 24 of a synthesizer that loaded
  // the soundfont with `load`.
  template <typename Load>
  std::vector<float> Play(Load load) {
    fluid_synth_t* synth = new_fluid_synth(settings_);
    EXPECT_NE(load(synth), FLUID_FAILED);
    EXPECT_EQ(fluid_synth_program_change(synth, 0, kNylonGuitarProgram), FLUID_OK);
    std::vector<float> left, right;
    for (int note : {60, 40, 88}) {
      fluid_synth_noteon(synth, 0, note, note == 40 ? 100 : 64);
      const std::size_t from = left.size();
      left.resize(from + 44100);
      right.resize(from + 44100);
      fluid_synth_write_float(synth, 44100, left.data() + from, 0, 1, right.data() + from, 0, 1);
    }
    delete_fluid_synth(synth);
    return left;
  }
  std::vector<float> PlayWhole() {
    const char* path = GetParam().path;
    return Play([path](fluid_synth_t* s) { return fluid_synth_sfload(s, path, 1); });
  }

  fluid_settings_t* settings_ = nullptr;
};

TEST_P(WholeSoundfontTest, GuitarAloneSoundsLikeTheGuitarOfTheWholeSoundfont) {
  std::string failure;
  const Bytes guitar = ExtractPreset(GetParam().path, 0, kNylonGuitarProgram, failure);
  ASSERT_FALSE(guitar.empty()) << failure;
  std::ifstream whole(GetParam().path, std::ios::binary | std::ios::ate);
  EXPECT_LT(guitar.size() * 4, static_cast<std::size_t>(whole.tellg()));

  const MemorySource source(guitar);
  const auto fromGuitar =
      Play([&](fluid_synth_t* s) { return LoadSoundfontFrom(s, settings_, source); });
  const auto fromWhole = PlayWhole();
  float loudest = 0;
  for (float v : fromWhole) loudest = std::max(loudest, std::fabs(v));
  ASSERT_GT(loudest, 0.01f);
  EXPECT_EQ(fromGuitar, fromWhole);
}

TEST_P(WholeSoundfontTest, ExtractIsASoundfontFileOfItsOwn) {
  std::string failure;
  const Bytes guitar = ExtractPreset(GetParam().path, 0, kNylonGuitarProgram, failure);
  testing::TempDir dir;
  const std::string file = dir.Write(
      "guitar.sf2", std::string_view(reinterpret_cast<const char*>(guitar.data()), guitar.size()));
  EXPECT_TRUE(fluid_is_soundfont(file.c_str()));
  const auto fromFile =
      Play([&](fluid_synth_t* s) { return fluid_synth_sfload(s, file.c_str(), 1); });
  EXPECT_EQ(fromFile, PlayWhole());
}

TEST_P(WholeSoundfontTest, PresetThatIsNotThereGivesNothing) {
  std::string failure;
  EXPECT_TRUE(ExtractPreset(GetParam().path, 7, 99, failure).empty());
  EXPECT_EQ(failure, "no such preset");
}

INSTANTIATE_TEST_SUITE_P(GeneralMidi, WholeSoundfontTest,
                         ::testing::ValuesIn(testing::kEverySoundfont),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PresetExtractFailureTest, FilesThatAreNoSoundfontGiveTheReason) {
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

// Files made in code: what the extract holds, read back by the reader.
Bytes Extract(const Bytes& file, int program = 24) {
  return ExtractPreset(MemorySource(file), 0, program);
}
SoundfontLayout Layout(const Bytes& file) { return ReadSoundfontLayout(MemorySource(file)); }
std::uint32_t SampleField(const SoundfontLayout& file, std::size_t sample, int field) {
  return LittleEndian(file.shdr[sample] + field, 4);
}

TEST(PresetExtractTest, KeepsThePresetItsInstrumentAndItsSampleOnly) {
  const Bytes file = TinySoundfont{}.Build();
  const SoundfontLayout guitar = Layout(Extract(file));
  EXPECT_EQ(guitar.phdr.Count(), 2u);  // the preset and the terminal record
  EXPECT_EQ(guitar.phdr.Field16(0, 20), 24u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(guitar.inst[0])), "Guitar");
  ASSERT_EQ(guitar.shdr.Count(), 2u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(guitar.shdr[0])), "Guitar A4 L");
  // Its sample first in the new data, its loop moved with it, the padding after.
  EXPECT_EQ(SampleField(guitar, 0, kSampleStart), 0u);
  EXPECT_EQ(SampleField(guitar, 0, kSampleEnd), 200u);
  EXPECT_EQ(SampleField(guitar, 0, kSampleLoopStart), 50u);
  EXPECT_EQ(SampleField(guitar, 0, kSampleLoopEnd), 150u);
  EXPECT_EQ(guitar.sampleBytes, 2u * (200 + 46));
  const SoundfontLayout whole = Layout(file);
  EXPECT_EQ(guitar.info, whole.info);
  // The piano's preset the same way, from the same file.
  const SoundfontLayout piano = Layout(Extract(file, 0));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(piano.shdr[0])), "Piano A4");
}

TEST(PresetExtractTest, TakesBothHalvesOfAStereoPairLinkedAnew) {
  const SoundfontLayout guitar = Layout(Extract(TinySoundfont{.stereo = true}.Build()));
  ASSERT_EQ(guitar.shdr.Count(), 3u);
  EXPECT_EQ(guitar.shdr.Field16(0, kSampleLink), 1u);
  EXPECT_EQ(guitar.shdr.Field16(1, kSampleLink), 0u);
  EXPECT_EQ(SampleField(guitar, 1, kSampleStart), 200u + 46);
}

TEST(PresetExtractTest, CompressedSamplesAreCopiedAsBytesWithTheirLoopsKept) {
  const Bytes file = TinySoundfont{.stereo = true, .compressed = true}.Build();
  const SoundfontLayout whole = Layout(file);
  const SoundfontLayout guitar = Layout(Extract(file));
  ASSERT_EQ(guitar.shdr.Count(), 3u);
  // Byte ranges, one after the other, no padding; loops from the sample's start.
  EXPECT_EQ(SampleField(guitar, 0, kSampleStart), 0u);
  EXPECT_EQ(SampleField(guitar, 1, kSampleStart), 200u);
  EXPECT_EQ(SampleField(guitar, 1, kSampleEnd), 400u);
  for (int field : {kSampleLoopStart, kSampleLoopEnd}) {
    EXPECT_EQ(SampleField(guitar, 0, field), SampleField(whole, 1, field));
  }
  EXPECT_EQ(guitar.shdr.Field16(0, kSampleType), 0x14u);
  EXPECT_EQ(guitar.sampleBytes, 400u);
  // The extract's bytes are the file's: the samples' data came along.
  Bytes bytes(guitar.sampleBytes);
  MemorySource(Extract(file)).ReadAt(guitar.samplesAt, bytes.data(), bytes.size());
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), file.begin() + whole.samplesAt + 200));
}

// Extracting the preset again from an extract gives the very same bytes.
TEST(PresetExtractTest, ExtractOfAnExtractIsTheSame) {
  for (const TinySoundfont& tiny :
       {TinySoundfont{}, TinySoundfont{.stereo = true}, TinySoundfont{.compressed = true}}) {
    const Bytes once = Extract(tiny.Build());
    EXPECT_EQ(Extract(once), once);
  }
}

TEST(PresetExtractTest, DamagedFilesGiveAReasonAndNeverMore) {
  const Bytes file = TinySoundfont{.stereo = true}.Build();
  // Every cut of the file is refused with a reason.
  for (std::size_t size = 0; size < file.size(); ++size) {
    try {
      Extract(Bytes(file.begin(), file.begin() + size));
      ADD_FAILURE() << "cut at " << size << " was taken";
    } catch (const SoundfontError& error) {
      EXPECT_STRNE(error.what(), "") << size;
    }
  }
  // The guitar's sample reaching past the sample data.
  const SoundfontLayout layout = Layout(file);
  const std::size_t shdr = file.size() - layout.shdr.bytes.size();
  Bytes damaged = file;
  damaged[shdr + 46 + kSampleEnd + 2] = 0x7F;
  EXPECT_THROW(Extract(damaged), SoundfontError);
  // A link to the terminal record.
  damaged = file;
  damaged[shdr + 46 + kSampleLink] = 3;
  EXPECT_THROW(Extract(damaged), SoundfontError);
  // A sample in ROM.
  damaged = file;
  damaged[shdr + 46 + kSampleType + 1] = 0x80;
  EXPECT_THROW(Extract(damaged), SoundfontError);
}

}  // namespace
}  // namespace fretlab
