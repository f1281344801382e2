#include "sound/soundfont/preset_extract.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "sound/soundfont/soundfont_layout.h"

namespace fretlab {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kInstrumentGen = 41;
constexpr std::uint32_t kSampleGen = 53;
constexpr std::uint32_t kPaddingSamples = 46;  // zero samples after each, as the format asks
// One preset's samples beyond this are no guitar's; FluidSynth loads such a
// file whole, a sample at a time.
constexpr std::uint64_t kMostSampleBytes = std::uint64_t{256} << 20;

void Put(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void Set(std::uint8_t* p, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) p[i] = static_cast<std::uint8_t>(value >> (8 * i));
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

// Old indices in the order of their first use; a new index is the position.
class Renumbering {
 public:
  explicit Renumbering(std::size_t limit) : limit_(limit) {}
  std::uint32_t Of(std::uint32_t old) {
    if (old >= limit_) throw SoundfontError("an index past its table");
    const auto [at, added] = index_.emplace(old, static_cast<std::uint32_t>(olds.size()));
    if (added) olds.push_back(old);
    return at->second;
  }
  std::vector<std::uint32_t> olds;

 private:
  std::size_t limit_;  // the terminal record's index: never a real one
  std::map<std::uint32_t, std::uint32_t> index_;
};

// The new file's tables, and its sample data as copies from the source.
struct Output {
  Bytes phdr, pbag, pmod, pgen, inst, ibag, imod, igen, shdr;
  std::vector<PresetSoundfont::SampleCopy> samples;
  std::uint64_t sampleBytes = 0;
};

// Copies the zones [firstBag, endBag) of a preset or an instrument: their
// bags, generators and modulators, with the generator `linkOperator`
// (instrument or sample) renumbered by `links`.
void CopyZones(const SoundfontTable& bags, const SoundfontTable& gens,
               const SoundfontTable& mods, std::size_t firstBag, std::size_t endBag,
               std::uint32_t linkOperator, Renumbering& links, Bytes& outBags, Bytes& outGens,
               Bytes& outMods) {
  for (std::size_t bag = firstBag; bag < endBag; ++bag) {
    Put(outBags, static_cast<std::uint32_t>(outGens.size() / 4), 2);
    Put(outBags, static_cast<std::uint32_t>(outMods.size() / 10), 2);
    for (std::size_t g = bags.Field16(bag, 0); g < bags.Field16(bag + 1, 0); ++g) {
      const std::uint32_t oper = gens.Field16(g, 0), amount = gens.Field16(g, 2);
      Put(outGens, oper, 2);
      Put(outGens, oper == linkOperator ? links.Of(amount) : amount, 2);
    }
    for (std::size_t m = bags.Field16(bag, 2); m < bags.Field16(bag + 1, 2); ++m) {
      outMods.insert(outMods.end(), mods[m], mods[m] + 10);
    }
  }
}

// The last preset (bank, program), or the terminal record's index.
std::size_t FindPreset(const SoundfontLayout& file, int bank, int program) {
  std::size_t preset = file.phdr.Count();
  for (std::size_t p = 0; p + 1 < file.phdr.Count(); ++p) {
    if (file.phdr.Field16(p, 20) == static_cast<std::uint32_t>(program) &&
        file.phdr.Field16(p, 22) == static_cast<std::uint32_t>(bank)) {
      preset = p;
    }
  }
  if (preset == file.phdr.Count()) throw SoundfontError("no such preset");
  return preset;
}

// Places sample `old`'s data after the samples placed so far and appends its
// header, moved there, to out.shdr. A compressed sample is a range of bytes
// whose loop points count from its own start; any other a range of 16-bit
// words followed by its padding.
void PlaceSample(const SoundfontLayout& file, std::uint32_t old, Renumbering& samples,
                 Output& out) {
  const std::uint8_t* header = file.shdr[old];
  const std::uint32_t type = LittleEndian(header + kSampleType, 2);
  if (type & kSampleInRom) throw SoundfontError("a sample in ROM");
  const bool compressed = (type & kSampleCompressed) != 0;
  const std::uint64_t unit = compressed ? 1 : 2;  // bytes per position
  const std::uint64_t start = LittleEndian(header + kSampleStart, 4);
  const std::uint64_t end = LittleEndian(header + kSampleEnd, 4);
  if (start > end || end * unit > file.sampleBytes) {
    throw SoundfontError("a sample outside the sample data");
  }
  if (!compressed) out.sampleBytes += out.sampleBytes % 2;
  const std::uint64_t at = out.sampleBytes / unit;
  out.samples.push_back({file.samplesAt + start * unit, (end - start) * unit, out.sampleBytes});
  out.sampleBytes += (end - start) * unit + (compressed ? 0 : 2 * kPaddingSamples);
  if (out.sampleBytes > kMostSampleBytes) throw SoundfontError("a preset too large");

  Bytes record(header, header + 46);
  for (int field : {kSampleStart, kSampleEnd, kSampleLoopStart, kSampleLoopEnd}) {
    if (compressed && (field == kSampleLoopStart || field == kSampleLoopEnd)) continue;
    const std::uint64_t value = LittleEndian(header + field, 4);
    const std::uint64_t moved = at + (value >= start ? value - start : 0);
    if (moved > 0xFFFFFFFFu) throw SoundfontError("a sample's loop outside the sample data");
    Set(&record[field], static_cast<std::uint32_t>(moved), 4);
  }
  if ((type & 0x0E) != 0) {  // the right, left or linked half of a pair: its other half too
    Set(&record[kSampleLink], samples.Of(LittleEndian(header + kSampleLink, 2)), 2);
  }
  out.shdr.insert(out.shdr.end(), record.begin(), record.end());
}

// The terminal records, each with its table's final count.
void CloseTables(Output& out) {
  Bytes eop(38, 0);
  std::memcpy(eop.data(), "EOP", 3);
  Set(&eop[24], static_cast<std::uint32_t>(out.pbag.size() / 4), 2);
  out.phdr.insert(out.phdr.end(), eop.begin(), eop.end());
  Put(out.pbag, static_cast<std::uint32_t>(out.pgen.size() / 4), 2);
  Put(out.pbag, static_cast<std::uint32_t>(out.pmod.size() / 10), 2);
  out.pgen.insert(out.pgen.end(), 4, 0);
  out.pmod.insert(out.pmod.end(), 10, 0);
  Bytes eoi(22, 0);
  std::memcpy(eoi.data(), "EOI", 3);
  Set(&eoi[20], static_cast<std::uint32_t>(out.ibag.size() / 4), 2);
  out.inst.insert(out.inst.end(), eoi.begin(), eoi.end());
  Put(out.ibag, static_cast<std::uint32_t>(out.igen.size() / 4), 2);
  Put(out.ibag, static_cast<std::uint32_t>(out.imod.size() / 10), 2);
  out.igen.insert(out.igen.end(), 4, 0);
  out.imod.insert(out.imod.end(), 10, 0);
  Bytes eos(46, 0);
  std::memcpy(eos.data(), "EOS", 3);
  out.shdr.insert(out.shdr.end(), eos.begin(), eos.end());
}

}  // namespace

PresetSoundfont::PresetSoundfont(const ByteSource& source, int bank, int program)
    : source_(source) {
  const SoundfontLayout file = ReadSoundfontLayout(source);
  const std::size_t preset = FindPreset(file, bank, program);
  Output out;
  out.phdr.assign(file.phdr[preset], file.phdr[preset] + 38);
  Set(&out.phdr[24], 0, 2);
  Renumbering instruments(file.inst.Count() - 1), samples(file.shdr.Count() - 1);
  CopyZones(file.pbag, file.pgen, file.pmod, file.phdr.Field16(preset, 24),
            file.phdr.Field16(preset + 1, 24), kInstrumentGen, instruments, out.pbag, out.pgen,
            out.pmod);
  for (std::uint32_t old : instruments.olds) {
    out.inst.insert(out.inst.end(), file.inst[old], file.inst[old] + 20);
    Put(out.inst, static_cast<std::uint32_t>(out.ibag.size() / 4), 2);
    CopyZones(file.ibag, file.igen, file.imod, file.inst.Field16(old, 20),
              file.inst.Field16(old + 1, 20), kSampleGen, samples, out.ibag, out.igen, out.imod);
  }
  // By index: a linked half is numbered, and so placed, as it is met.
  for (std::size_t i = 0; i < samples.olds.size(); ++i) {
    PlaceSample(file, samples.olds[i], samples, out);
  }
  CloseTables(out);

  Bytes pdta;
  const std::pair<const char*, const Bytes*> tables[] = {
      {"phdr", &out.phdr}, {"pbag", &out.pbag}, {"pmod", &out.pmod},
      {"pgen", &out.pgen}, {"inst", &out.inst}, {"ibag", &out.ibag},
      {"imod", &out.imod}, {"igen", &out.igen}, {"shdr", &out.shdr}};
  for (const auto& [id, table] : tables) AddChunk(pdta, id, *table);
  AddChunk(tail_, "LIST", List("pdta", pdta));
  samples_ = std::move(out.samples);
  sampleBytes_ = out.sampleBytes + out.sampleBytes % 2;

  const std::uint64_t sdtaSize = 4 + 8 + sampleBytes_;
  AddChunk(head_, "LIST", List("INFO", file.info));
  head_.insert(head_.end(), {'L', 'I', 'S', 'T'});
  Put(head_, static_cast<std::uint32_t>(sdtaSize), 4);
  head_.insert(head_.end(), {'s', 'd', 't', 'a', 's', 'm', 'p', 'l'});
  Put(head_, static_cast<std::uint32_t>(out.sampleBytes), 4);
  Bytes riff{'R', 'I', 'F', 'F'};
  Put(riff, static_cast<std::uint32_t>(4 + head_.size() + sampleBytes_ + tail_.size()), 4);
  riff.insert(riff.end(), {'s', 'f', 'b', 'k'});
  head_.insert(head_.begin(), riff.begin(), riff.end());
}

std::uint64_t PresetSoundfont::Size() const {
  return head_.size() + sampleBytes_ + tail_.size();
}

bool PresetSoundfont::ReadAt(std::uint64_t offset, void* out, std::size_t count) const {
  if (offset > Size() || count > Size() - offset) return false;
  auto* to = static_cast<std::uint8_t*>(out);
  // Each part of the file in turn: [begin, end) of it lies in the request.
  auto part = [&](std::uint64_t partAt, std::uint64_t partSize, auto copy) {
    const std::uint64_t begin = std::max(offset, partAt);
    const std::uint64_t end = std::min(offset + count, partAt + partSize);
    return begin >= end || copy(begin - partAt, end - begin, to + (begin - offset));
  };
  auto fromBytes = [](const Bytes& bytes) {
    return [&bytes](std::uint64_t at, std::uint64_t size, std::uint8_t* into) {
      std::memcpy(into, bytes.data() + at, size);
      return true;
    };
  };
  auto fromSamples = [this](std::uint64_t at, std::uint64_t size, std::uint8_t* into) {
    std::memset(into, 0, size);  // the padding between the samples
    for (const SampleCopy& copy : samples_) {
      const std::uint64_t begin = std::max(at, copy.to);
      const std::uint64_t end = std::min(at + size, copy.to + copy.size);
      if (begin < end &&
          !source_.ReadAt(copy.from + (begin - copy.to), into + (begin - at), end - begin)) {
        return false;
      }
    }
    return true;
  };
  return part(0, head_.size(), fromBytes(head_)) &&
         part(head_.size(), sampleBytes_, fromSamples) &&
         part(head_.size() + sampleBytes_, tail_.size(), fromBytes(tail_));
}

std::vector<std::uint8_t> PresetSoundfont::Contents() const {
  std::vector<std::uint8_t> bytes(Size());
  if (!ReadAt(0, bytes.data(), bytes.size())) throw SoundfontError("the file ends early");
  return bytes;
}

std::vector<std::uint8_t> ExtractPreset(const ByteSource& source, int bank, int program) {
  return PresetSoundfont(source, bank, program).Contents();
}

std::vector<std::uint8_t> ExtractPreset(const std::string& path, int bank, int program,
                                        std::string& failure) {
  const std::unique_ptr<FileSource> file = FileSource::Open(path, failure);
  if (file == nullptr) return {};
  try {
    return ExtractPreset(*file, bank, program);
  } catch (const SoundfontError& error) {
    failure = error.what();
    return {};
  }
}

}  // namespace fretlab
