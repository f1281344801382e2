#include "sound/backends/soundfont_extract.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>

namespace fretlab {

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Malformed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::uint32_t Get(const std::uint8_t* p, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | p[i];
  return value;
}

void Put(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void Set16(std::uint8_t* p, std::uint32_t value) {
  p[0] = static_cast<std::uint8_t>(value);
  p[1] = static_cast<std::uint8_t>(value >> 8);
}

// The sub-chunks of [begin, end) by id; a LIST is filed as "LIST" + its type
// and starts after the type.
std::map<std::string, std::pair<std::size_t, std::size_t>> Chunks(const Bytes& file,
                                                                 std::size_t begin,
                                                                 std::size_t end) {
  std::map<std::string, std::pair<std::size_t, std::size_t>> chunks;
  while (begin + 8 <= end) {
    std::string id(reinterpret_cast<const char*>(&file[begin]), 4);
    std::size_t data = begin + 8, size = Get(&file[begin + 4], 4);
    if (data + size > end) throw Malformed("a chunk runs past its end");
    if (id == "LIST" && size >= 4) {
      id += std::string(reinterpret_cast<const char*>(&file[data]), 4);
      data += 4;
      size -= 4;
    }
    chunks[id] = {data, size};
    begin = data + size + (size & 1);
  }
  return chunks;
}

// One of the nine pdta tables: fixed-size records, the last a terminal one.
struct Table {
  const std::uint8_t* data = nullptr;
  std::size_t count = 0;
  std::size_t size = 0;
  const std::uint8_t* operator[](std::size_t i) const {
    if (i >= count) throw Malformed("an index past its table");
    return data + i * size;
  }
};

Table MakeTable(const Bytes& file, const std::map<std::string, std::pair<std::size_t, std::size_t>>& pdta,
                const char* id, std::size_t size) {
  const auto found = pdta.find(id);
  if (found == pdta.end() || found->second.second % size != 0 || found->second.second < size) {
    throw Malformed(std::string("no proper ") + id + " table");
  }
  return {&file[found->second.first], found->second.second / size, size};
}

void AddChunk(Bytes& out, const char* id, const Bytes& data) {
  out.insert(out.end(), id, id + 4);
  Put(out, static_cast<std::uint32_t>(data.size()), 4);
  out.insert(out.end(), data.begin(), data.end());
  if (data.size() & 1) out.push_back(0);
}

Bytes List(const char* type, const Bytes& chunks) {
  Bytes list(type, type + 4);
  list.insert(list.end(), chunks.begin(), chunks.end());
  return list;
}

// Copies the zones [firstBag, endBag) of a preset or an instrument: their
// bags, generators and modulators, with the generator `linkOperator`
// (instrument or sample) renumbered by `renumber`.
template <typename Renumber>
void CopyZones(const Table& bags, const Table& gens, const Table& mods, std::size_t firstBag,
               std::size_t endBag, std::uint32_t linkOperator, Bytes& outBags, Bytes& outGens,
               Bytes& outMods, Renumber renumber) {
  for (std::size_t bag = firstBag; bag < endBag; ++bag) {
    Put(outBags, static_cast<std::uint32_t>(outGens.size() / 4), 2);
    Put(outBags, static_cast<std::uint32_t>(outMods.size() / 10), 2);
    for (std::size_t g = Get(bags[bag], 2); g < Get(bags[bag + 1], 2); ++g) {
      const std::uint8_t* gen = gens[g];
      const std::uint32_t oper = Get(gen, 2);
      Put(outGens, oper, 2);
      Put(outGens, oper == linkOperator ? renumber(Get(gen + 2, 2)) : Get(gen + 2, 2), 2);
    }
    for (std::size_t m = Get(bags[bag] + 2, 2); m < Get(bags[bag + 1] + 2, 2); ++m) {
      outMods.insert(outMods.end(), mods[m], mods[m] + 10);
    }
  }
}

constexpr std::uint32_t kInstrumentGen = 41;
constexpr std::uint32_t kSampleGen = 53;
constexpr std::uint32_t kPaddingSamples = 46;  // zero samples after each, as the format asks

Bytes Extract(const Bytes& file, int bank, int program) {
  if (file.size() < 12 || std::memcmp(&file[0], "RIFF", 4) != 0 ||
      std::memcmp(&file[8], "sfbk", 4) != 0) {
    throw Malformed("not a SoundFont 2 file");
  }
  const auto top = Chunks(file, 12, std::min<std::size_t>(file.size(), 8 + Get(&file[4], 4)));
  if (!top.count("LISTINFO") || !top.count("LISTsdta") || !top.count("LISTpdta")) {
    throw Malformed("a part of the file is missing");
  }
  const auto [sdtaAt, sdtaSize] = top.at("LISTsdta");
  const auto sdta = Chunks(file, sdtaAt, sdtaAt + sdtaSize);
  if (!sdta.count("smpl")) throw Malformed("no samples");
  const std::uint8_t* samples = &file[sdta.at("smpl").first];
  const std::size_t sampleCount = sdta.at("smpl").second / 2;
  const auto [pdtaAt, pdtaSize] = top.at("LISTpdta");
  const auto pdta = Chunks(file, pdtaAt, pdtaAt + pdtaSize);
  const Table phdr = MakeTable(file, pdta, "phdr", 38), pbag = MakeTable(file, pdta, "pbag", 4),
              pmod = MakeTable(file, pdta, "pmod", 10), pgen = MakeTable(file, pdta, "pgen", 4),
              inst = MakeTable(file, pdta, "inst", 22), ibag = MakeTable(file, pdta, "ibag", 4),
              imod = MakeTable(file, pdta, "imod", 10), igen = MakeTable(file, pdta, "igen", 4),
              shdr = MakeTable(file, pdta, "shdr", 46);

  std::size_t preset = phdr.count;
  for (std::size_t p = 0; p + 1 < phdr.count; ++p) {
    if (Get(phdr[p] + 20, 2) == static_cast<std::uint32_t>(program) &&
        Get(phdr[p] + 22, 2) == static_cast<std::uint32_t>(bank)) {
      preset = p;
    }
  }
  if (preset == phdr.count) throw Malformed("no such preset");

  std::vector<std::uint32_t> instruments, sampleIds;  // old numbers, in new order
  auto number = [](std::vector<std::uint32_t>& list, std::uint32_t old) {
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list[i] == old) return static_cast<std::uint32_t>(i);
    }
    list.push_back(old);
    return static_cast<std::uint32_t>(list.size() - 1);
  };
  Bytes outPhdr(phdr[preset], phdr[preset] + 38), outPbag, outPgen, outPmod;
  Set16(&outPhdr[24], 0);
  CopyZones(pbag, pgen, pmod, Get(phdr[preset] + 24, 2), Get(phdr[preset + 1] + 24, 2),
            kInstrumentGen, outPbag, outPgen, outPmod,
            [&](std::uint32_t old) {
              if (old + 1 >= inst.count) throw Malformed("no such instrument");
              return number(instruments, old);
            });
  Bytes outInst, outIbag, outIgen, outImod;
  for (std::uint32_t old : instruments) {
    outInst.insert(outInst.end(), inst[old], inst[old] + 20);
    Put(outInst, static_cast<std::uint32_t>(outIbag.size() / 4), 2);
    CopyZones(ibag, igen, imod, Get(inst[old] + 20, 2), Get(inst[old + 1] + 20, 2), kSampleGen,
              outIbag, outIgen, outImod, [&](std::uint32_t sample) {
                if (sample + 1 >= shdr.count) throw Malformed("no such sample");
                return number(sampleIds, sample);
              });
  }
  // The samples, and the other half of each stereo pair.
  Bytes outShdr, outSmpl;
  for (std::size_t i = 0; i < sampleIds.size(); ++i) {
    const std::uint8_t* header = shdr[sampleIds[i]];
    const std::uint32_t start = Get(header + 20, 4), end = Get(header + 24, 4);
    if (start > end || end > sampleCount || (Get(header + 44, 2) & 0x8000)) {
      throw Malformed("a sample outside the sample data");
    }
    const std::uint32_t at = static_cast<std::uint32_t>(outSmpl.size() / 2);
    outSmpl.insert(outSmpl.end(), samples + 2 * start, samples + 2 * end);
    outSmpl.insert(outSmpl.end(), 2 * kPaddingSamples, 0);
    Bytes record(header, header + 46);
    for (int field : {20, 24, 28, 32}) {
      const std::uint32_t value = Get(header + field, 4);
      const std::uint32_t moved = at + (value >= start ? value - start : 0);
      for (int b = 0; b < 4; ++b) record[field + b] = static_cast<std::uint8_t>(moved >> (8 * b));
    }
    const std::uint32_t type = Get(header + 44, 2);
    if (type != 1 && (type & 0x0F) != 0) {  // a linked half
      const std::uint32_t link = Get(header + 42, 2);
      if (link + 1 >= shdr.count) throw Malformed("no such linked sample");
      Set16(&record[42], number(sampleIds, link));
    }
    outShdr.insert(outShdr.end(), record.begin(), record.end());
  }
  // The terminal records, each with its table's final count.
  Bytes eop(38, 0);
  std::memcpy(eop.data(), "EOP", 3);
  Set16(&eop[24], static_cast<std::uint32_t>(outPbag.size() / 4));
  outPhdr.insert(outPhdr.end(), eop.begin(), eop.end());
  Put(outPbag, static_cast<std::uint32_t>(outPgen.size() / 4), 2);
  Put(outPbag, static_cast<std::uint32_t>(outPmod.size() / 10), 2);
  outPgen.insert(outPgen.end(), 4, 0);
  outPmod.insert(outPmod.end(), 10, 0);
  Bytes eoi(22, 0);
  std::memcpy(eoi.data(), "EOI", 3);
  Set16(&eoi[20], static_cast<std::uint32_t>(outIbag.size() / 4));
  outInst.insert(outInst.end(), eoi.begin(), eoi.end());
  Put(outIbag, static_cast<std::uint32_t>(outIgen.size() / 4), 2);
  Put(outIbag, static_cast<std::uint32_t>(outImod.size() / 10), 2);
  outIgen.insert(outIgen.end(), 4, 0);
  outImod.insert(outImod.end(), 10, 0);
  Bytes eos(46, 0);
  std::memcpy(eos.data(), "EOS", 3);
  outShdr.insert(outShdr.end(), eos.begin(), eos.end());

  Bytes sdtaChunks, pdtaChunks, body;
  AddChunk(sdtaChunks, "smpl", outSmpl);
  const std::pair<const char*, const Bytes*> tables[] = {
      {"phdr", &outPhdr}, {"pbag", &outPbag}, {"pmod", &outPmod}, {"pgen", &outPgen},
      {"inst", &outInst}, {"ibag", &outIbag}, {"imod", &outImod}, {"igen", &outIgen},
      {"shdr", &outShdr}};
  for (const auto& [id, table] : tables) AddChunk(pdtaChunks, id, *table);
  const auto [infoAt, infoSize] = top.at("LISTINFO");
  AddChunk(body, "LIST", List("INFO", Bytes(&file[infoAt], &file[infoAt] + infoSize)));
  AddChunk(body, "LIST", List("sdta", sdtaChunks));
  AddChunk(body, "LIST", List("pdta", pdtaChunks));
  Bytes out{'R', 'I', 'F', 'F'};
  Put(out, static_cast<std::uint32_t>(body.size() + 4), 4);
  out.insert(out.end(), {'s', 'f', 'b', 'k'});
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

}  // namespace

std::vector<std::uint8_t> ExtractPreset(const std::string& path, int bank, int program,
                                        std::string& failure) {
  std::FILE* in = std::fopen(path.c_str(), "rb");
  if (in == nullptr) {
    failure = std::strerror(errno);
    return {};
  }
  Bytes file;
  std::uint8_t buffer[1 << 16];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;) {
    file.insert(file.end(), buffer, buffer + got);
  }
  std::fclose(in);
  try {
    return Extract(file, bank, program);
  } catch (const Malformed& error) {
    failure = error.what();
    return {};
  }
}

}  // namespace fretlab
