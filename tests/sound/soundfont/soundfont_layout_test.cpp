// Reading a soundfont's structure without its samples: the tables, where the
// samples lie, the pad bytes that .sf3 writers leave out, and the checks
// that keep a damaged file from being read past its tables.

#include "sound/soundfont/soundfont_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "support/soundfonts.h"
#include "support/tiny_soundfont.h"

namespace fretlab {
namespace {

using testing::TinySoundfont;
using Bytes = std::vector<std::uint8_t>;

SoundfontLayout Read(const Bytes& file) { return ReadSoundfontLayout(MemorySource(file)); }

std::string Reason(const Bytes& file) {
  try {
    Read(file);
  } catch (const SoundfontError& error) {
    return error.what();
  }
  return "read";
}

// The offset of the first `id` in the file.
std::size_t Find(const Bytes& file, const char* id) {
  const auto at = std::search(file.begin(), file.end(), id, id + 4);
  return static_cast<std::size_t>(at - file.begin());
}

TEST(SoundfontLayoutTest, ReadsTheTablesAndWhereTheSamplesLie) {
  const Bytes file = TinySoundfont{}.Build();
  const SoundfontLayout layout = Read(file);
  EXPECT_EQ(layout.phdr.Count(), 3u);  // piano, guitar, terminal
  EXPECT_EQ(layout.inst.Count(), 3u);
  EXPECT_EQ(layout.shdr.Count(), 3u);
  EXPECT_EQ(layout.pmod.Count(), 1u);  // the terminal record alone
  EXPECT_EQ(layout.imod.Count(), 3u);
  EXPECT_EQ(layout.samplesAt, Find(file, "smpl") + 8);
  EXPECT_EQ(layout.sampleBytes, 2u * 2 * (200 + 46));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(layout.info.data()), 4), "ifil");
  EXPECT_EQ(layout.phdr.Field16(1, 20), 24u);
  EXPECT_THROW(layout.phdr[3], SoundfontError);
}

// MuseScore's .sf3 files end their sdta list on an odd byte and start the
// pdta list right there; a proper file pads it. Both are read.
TEST(SoundfontLayoutTest, ReadsAnOddSampleListWithAndWithoutItsPadByte) {
  const Bytes unpadded = TinySoundfont{.compressed = true}.Build();
  const SoundfontLayout layout = Read(unpadded);
  EXPECT_EQ(layout.sampleBytes % 2, 1u);
  EXPECT_EQ(layout.shdr.Count(), 3u);
  EXPECT_EQ(Find(unpadded, "pdta") - 8, layout.samplesAt + layout.sampleBytes);

  Bytes padded = unpadded;
  padded.insert(padded.begin() + (Find(padded, "pdta") - 8), 0);
  ++padded[4];  // the RIFF holds one byte more; the lists keep their sizes
  const SoundfontLayout fromPadded = Read(padded);
  EXPECT_EQ(fromPadded.shdr.bytes, layout.shdr.bytes);
  EXPECT_EQ(fromPadded.sampleBytes, layout.sampleBytes);
}

TEST(SoundfontLayoutTest, RefusesWhatItCannotUseWithTheReason) {
  const Bytes file = TinySoundfont{}.Build();
  EXPECT_EQ(Reason(Bytes{'R', 'I', 'F', 'F'}), "not a SoundFont file");
  Bytes wave = file;
  std::memcpy(&wave[8], "WAVE", 4);
  EXPECT_EQ(Reason(wave), "not a SoundFont file");

  Bytes noPresets = file;
  std::memcpy(&noPresets[Find(file, "pdta")], "xdta", 4);
  EXPECT_EQ(Reason(noPresets), "no preset data");

  Bytes longChunk = file;
  longChunk[Find(file, "INFO") - 2] = 0x7F;  // INFO says it is 8 MB
  EXPECT_EQ(Reason(longChunk), "a chunk runs past its end");

  Bytes noTable = file;
  std::memcpy(&noTable[Find(file, "imod")], "xmod", 4);
  EXPECT_EQ(Reason(noTable), "no imod table");

  // Two tables' names swapped: 16 bytes of ibag are no whole 22-byte record.
  Bytes brokenTable = file;
  std::memcpy(&brokenTable[Find(file, "inst")], "ibag", 4);
  std::memcpy(&brokenTable[Find(file, "ibag")], "inst", 4);
  EXPECT_EQ(Reason(brokenTable), "no proper inst table");

  // The guitar's zones before the piano's: a preset's zones would run backwards.
  Bytes backwards = file;
  backwards[Find(file, "phdr") + 8 + 38 + 24] = 5;
  EXPECT_EQ(Reason(backwards), "presets' zones out of order");
}

TEST(SoundfontLayoutTest, ReadsEveryGeneralMidiSoundfontsTables) {
  for (const auto& soundfont : testing::kEverySoundfont) {
    if (!soundfont.Installed()) continue;
    std::string failure;
    const auto file = FileSource::Open(soundfont.path, failure);
    ASSERT_NE(file, nullptr) << failure;
    const SoundfontLayout layout = ReadSoundfontLayout(*file);
    EXPECT_GT(layout.phdr.Count(), 128u) << soundfont.name;  // every GM program
    EXPECT_GT(layout.samplesAt + layout.sampleBytes, file->Size() / 2) << soundfont.name;
  }
}

}  // namespace
}  // namespace fretlab
