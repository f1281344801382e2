// Writes the soundfont reader fuzzer's seeds into the folder given: small
// soundfonts made in code (mono, stereo, .sf3-style compressed, one without
// the guitar), every one cut short in eight places, and the stereo one
// damaged in each way the reader must refuse. Run by the build; never a
// file from the machine.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "support/tiny_soundfont.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using fretlab::testing::TinySoundfont;

std::string g_folder;

void Write(const std::string& name, const Bytes& bytes) {
  const std::string path = g_folder + "/" + name;
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() ||
      std::fclose(out) != 0) {
    std::perror(path.c_str());
    std::exit(1);
  }
}

// The offset of the first `id` in the file, past which a chunk's size lies.
std::size_t Find(const Bytes& file, const char* id) {
  return static_cast<std::size_t>(std::search(file.begin(), file.end(), id, id + 4) - file.begin());
}

// `file` with `value` written little-endian, `bytes` wide, at `at`.
Bytes With(Bytes file, std::size_t at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) file.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
  return file;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  g_folder = argv[1];
  const std::pair<const char*, TinySoundfont> kinds[] = {
      {"mono.sf2", TinySoundfont{}},
      {"stereo.sf2", TinySoundfont{.stereo = true}},
      {"compressed.sf3", TinySoundfont{.compressed = true}},
      {"stereo_compressed.sf3", TinySoundfont{.stereo = true, .compressed = true}},
      {"no_guitar.sf2", TinySoundfont{.program = 5}},
  };
  for (const auto& [name, kind] : kinds) {
    const Bytes file = kind.Build();
    Write(name, file);
    for (int eighth = 1; eighth < 8; ++eighth) {
      Write(std::string("cut") + std::to_string(eighth) + "_" + name,
            Bytes(file.begin(), file.begin() + file.size() * eighth / 8));
    }
  }

  const Bytes file = TinySoundfont{.stereo = true}.Build();
  const std::size_t shdr = Find(file, "shdr") + 8, guitarSample = shdr + 46;
  const std::size_t pgen = Find(file, "pgen") + 8, igen = Find(file, "igen") + 8;
  const std::size_t phdr = Find(file, "phdr") + 8, ibag = Find(file, "ibag") + 8;
  Write("damaged_sample_end.sf2", With(file, guitarSample + 24, 0x7FFFFFFF, 4));
  Write("damaged_sample_start.sf2", With(file, guitarSample + 20, 5000, 4));
  Write("damaged_loop.sf2", With(file, guitarSample + 32, 0xFFFFFFFF, 4));
  Write("damaged_link.sf2", With(file, guitarSample + 42, 3, 2));
  Write("damaged_rom.sf2", With(file, guitarSample + 44, 0x8004, 2));
  Write("damaged_instrument_index.sf2", With(file, pgen + 4 + 2, 99, 2));
  Write("damaged_sample_index.sf2", With(file, igen + 4 * 4 + 4 * 3 + 2, 99, 2));
  Write("damaged_preset_zones.sf2", With(file, phdr + 38 + 24, 7, 2));
  Write("damaged_instrument_gens.sf2", With(file, ibag + 4, 40, 2));
  Write("damaged_riff_size.sf2", With(file, 4, 0xFFFFFFF0, 4));
  Write("damaged_info_size.sf2", With(file, Find(file, "INFO") - 4, 0x00FFFFFF, 4));
  Write("damaged_table_size.sf2", With(file, Find(file, "pbag") + 4, 14, 4));
  return 0;
}
