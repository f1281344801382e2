#pragma once
// One preset of a SoundFont 2 or 3 file as a SoundFont of its own: the
// preset, its instruments and their samples, with every index renumbered.
// FluidSynth keeps several kilobytes of structure per zone of every preset it
// loads (about 8 MB for a whole General MIDI set); the program plays one.
//
// The file is never read whole: its tables are read (see soundfont_layout.h)
// and the new soundfont is held as its own tables plus the places of the
// preset's samples in the file, which are read from there when the new
// soundfont is read. So loading the guitar of a 148 MB soundfont costs its
// tables and one copy of its samples, made by whoever reads them.
// Compressed (.sf3) samples are passed on as they are, to be decoded by the
// reader.

#include <cstdint>
#include <string>
#include <vector>

#include "sound/soundfont/byte_source.h"

namespace fretlab {

class PresetSoundfont final : public ByteSource {
 public:
  // Preset (bank, program) of `source`, which must outlive this. Throws
  // SoundfontError when the source is no soundfont this reader can use or
  // has no such preset.
  PresetSoundfont(const ByteSource& source, int bank, int program);

  std::uint64_t Size() const override;
  bool ReadAt(std::uint64_t offset, void* out, std::size_t count) const override;
  // The whole file.
  std::vector<std::uint8_t> Contents() const;

  // A range of the source's sample data and its place in this file's.
  struct SampleCopy {
    std::uint64_t from = 0;  // offset in the source
    std::uint64_t size = 0;  // bytes
    std::uint64_t to = 0;    // offset from the start of this file's sample data
  };

 private:
  const ByteSource& source_;
  std::vector<std::uint8_t> head_;  // the file up to its sample data
  std::vector<SampleCopy> samples_;  // in the order of `to`; zeros between
  std::uint64_t sampleBytes_ = 0;    // with the pad byte of an odd count
  std::vector<std::uint8_t> tail_;  // after the sample data: the pdta list
};

// The bytes of preset (bank, program) of `source` as a file of its own;
// throws SoundfontError as PresetSoundfont does.
std::vector<std::uint8_t> ExtractPreset(const ByteSource& source, int bank, int program);

// The same from the file at `path`; empty, with the reason in `failure`, when
// the file cannot be read or used.
std::vector<std::uint8_t> ExtractPreset(const std::string& path, int bank, int program,
                                        std::string& failure);

}  // namespace fretlab
