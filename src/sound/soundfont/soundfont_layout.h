#pragma once
// The structure of a SoundFont 2 (.sf2) or 3 (.sf3) file, read without its
// samples: where the sample data lies, the INFO list, and the nine tables of
// the pdta list. Little-endian RIFF: "sfbk" holding LIST INFO, LIST sdta
// (smpl: the samples) and LIST pdta (phdr, pbag, pmod, pgen, inst, ibag,
// imod, igen, shdr, each of fixed-size records closed by a terminal one).
//
// In a .sf3 file a sample flagged as compressed (Ogg Vorbis) is a range of
// bytes of smpl, and its loop points count decoded frames from its start; an
// uncompressed sample is a range of 16-bit words. The 24-bit extension
// (sm24) is not read: its low bytes lie below -90 dBFS.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "sound/soundfont/byte_source.h"

namespace fretlab {

// A file the reader cannot use, with the reason as its message.
struct SoundfontError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Little-endian fields of the file.
inline std::uint32_t LittleEndian(const std::uint8_t* p, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | p[i];
  return value;
}

// One pdta table: its records, the last the terminal one.
struct SoundfontTable {
  std::vector<std::uint8_t> bytes;
  std::size_t recordSize = 0;

  std::size_t Count() const { return recordSize == 0 ? 0 : bytes.size() / recordSize; }
  // Record `i`; throws SoundfontError past the table.
  const std::uint8_t* operator[](std::size_t i) const {
    if (i >= Count()) throw SoundfontError("an index past its table");
    return bytes.data() + i * recordSize;
  }
  // The 16-bit field at `offset` of record `i`.
  std::uint32_t Field16(std::size_t i, int offset) const {
    return LittleEndian((*this)[i] + offset, 2);
  }
};

struct SoundfontLayout {
  std::vector<std::uint8_t> info;  // the INFO list's sub-chunks, as in the file
  std::uint64_t samplesAt = 0;     // offset of smpl's data in the file
  std::uint64_t sampleBytes = 0;   // its size
  SoundfontTable phdr, pbag, pmod, pgen, inst, ibag, imod, igen, shdr;
};

// Reads the structure, checks that every table is whole and that the
// presets', instruments' and zones' indices rise; throws SoundfontError.
SoundfontLayout ReadSoundfontLayout(const ByteSource& source);

// Sample header fields (byte offsets within a 46-byte shdr record).
inline constexpr int kSampleStart = 20, kSampleEnd = 24, kSampleLoopStart = 28,
                     kSampleLoopEnd = 32, kSampleLink = 42, kSampleType = 44;
inline constexpr std::uint32_t kSampleCompressed = 0x10;  // Ogg Vorbis (.sf3)
inline constexpr std::uint32_t kSampleInRom = 0x8000;

}  // namespace fretlab
