#include "sound/soundfont/soundfont_layout.h"

#include <cstring>
#include <map>
#include <string>

namespace fretlab {

namespace {

// The INFO list holds a few names; more than this is no soundfont's.
constexpr std::uint64_t kMostInfoBytes = 1 << 20;

struct Chunk {
  std::uint64_t at = 0;    // its data, after the id, the size and a LIST's type
  std::uint64_t size = 0;  // of that data
};

std::string Id(const std::uint8_t* p) { return std::string(reinterpret_cast<const char*>(p), 4); }

// The chunks of [begin, end) by id, the first of each; a LIST is filed as
// "LIST" + its type. Chunks of odd size are followed by a pad byte, except
// where a writer left it out: a .sf3 file's sdta list runs straight into the
// pdta list, so "LIST" right after an odd chunk is taken as the next chunk.
std::map<std::string, Chunk> Chunks(const ByteSource& source, std::uint64_t begin,
                                    std::uint64_t end) {
  std::map<std::string, Chunk> chunks;
  std::uint8_t header[12];
  while (begin + 8 <= end) {
    if (!source.ReadAt(begin, header, 8)) throw SoundfontError("the file ends early");
    std::string id = Id(header);
    Chunk chunk{begin + 8, LittleEndian(header + 4, 4)};
    const bool odd = chunk.size % 2 == 1;
    if (chunk.size > end - chunk.at) throw SoundfontError("a chunk runs past its end");
    std::uint64_t next = chunk.at + chunk.size;
    if (id == "LIST" && chunk.size >= 4) {
      if (!source.ReadAt(chunk.at, header + 8, 4)) throw SoundfontError("the file ends early");
      id += Id(header + 8);
      chunk.at += 4;
      chunk.size -= 4;
    }
    chunks.emplace(id, chunk);
    if (odd) {
      std::uint8_t following[4];
      const bool list = next + 4 <= end && source.ReadAt(next, following, 4) &&
                        std::memcmp(following, "LIST", 4) == 0;
      if (!list) ++next;
    }
    begin = next;
  }
  return chunks;
}

const Chunk& Need(const std::map<std::string, Chunk>& chunks, const char* id, const char* what) {
  const auto found = chunks.find(id);
  if (found == chunks.end()) throw SoundfontError(std::string("no ") + what);
  return found->second;
}

std::vector<std::uint8_t> ReadBytes(const ByteSource& source, const Chunk& chunk) {
  std::vector<std::uint8_t> bytes(chunk.size);
  if (!source.ReadAt(chunk.at, bytes.data(), bytes.size())) {
    throw SoundfontError("the file ends early");
  }
  return bytes;
}

SoundfontTable ReadTable(const ByteSource& source, const std::map<std::string, Chunk>& pdta,
                         const char* id, std::size_t recordSize) {
  const Chunk& chunk = Need(pdta, id, (std::string(id) + " table").c_str());
  if (chunk.size % recordSize != 0 || chunk.size < recordSize) {
    throw SoundfontError(std::string("no proper ") + id + " table");
  }
  return {ReadBytes(source, chunk), recordSize};
}

// The index field at `offset` of each record must not fall from one record
// to the next: each record's part runs up to the next record's.
void CheckRising(const SoundfontTable& table, int offset, const char* what) {
  for (std::size_t i = 1; i < table.Count(); ++i) {
    if (table.Field16(i, offset) < table.Field16(i - 1, offset)) {
      throw SoundfontError(std::string(what) + " out of order");
    }
  }
}

}  // namespace

SoundfontLayout ReadSoundfontLayout(const ByteSource& source) {
  std::uint8_t riff[12];
  if (!source.ReadAt(0, riff, 12) || std::memcmp(riff, "RIFF", 4) != 0 ||
      std::memcmp(riff + 8, "sfbk", 4) != 0) {
    throw SoundfontError("not a SoundFont file");
  }
  const std::uint64_t end =
      std::min<std::uint64_t>(source.Size(), 8 + std::uint64_t{LittleEndian(riff + 4, 4)});
  const auto top = Chunks(source, 12, end);
  const Chunk& info = Need(top, "LISTINFO", "INFO list");
  const Chunk& sdtaList = Need(top, "LISTsdta", "sample data");
  const Chunk& pdtaList = Need(top, "LISTpdta", "preset data");
  if (info.size > kMostInfoBytes) throw SoundfontError("an INFO list too large");

  SoundfontLayout layout;
  layout.info = ReadBytes(source, info);
  const auto sdta = Chunks(source, sdtaList.at, sdtaList.at + sdtaList.size);
  const Chunk& smpl = Need(sdta, "smpl", "samples");
  layout.samplesAt = smpl.at;
  layout.sampleBytes = smpl.size;
  const auto pdta = Chunks(source, pdtaList.at, pdtaList.at + pdtaList.size);
  layout.phdr = ReadTable(source, pdta, "phdr", 38);
  layout.pbag = ReadTable(source, pdta, "pbag", 4);
  layout.pmod = ReadTable(source, pdta, "pmod", 10);
  layout.pgen = ReadTable(source, pdta, "pgen", 4);
  layout.inst = ReadTable(source, pdta, "inst", 22);
  layout.ibag = ReadTable(source, pdta, "ibag", 4);
  layout.imod = ReadTable(source, pdta, "imod", 10);
  layout.igen = ReadTable(source, pdta, "igen", 4);
  layout.shdr = ReadTable(source, pdta, "shdr", 46);
  CheckRising(layout.phdr, 24, "presets' zones");
  CheckRising(layout.inst, 20, "instruments' zones");
  CheckRising(layout.pbag, 0, "preset generators");
  CheckRising(layout.pbag, 2, "preset modulators");
  CheckRising(layout.ibag, 0, "instrument generators");
  CheckRising(layout.ibag, 2, "instrument modulators");
  return layout;
}

}  // namespace fretlab
