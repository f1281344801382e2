// libFuzzer target for the soundfont reader, which reads a file the user
// names with --soundfont. Any input must be either refused with a reason or
// give a soundfont of one preset that the reader takes again, extracting the
// very same bytes from it. Sanitizers catch the rest.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "sound/soundfont/preset_extract.h"
#include "sound/soundfont/soundfont_layout.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fretlab;
  std::vector<std::uint8_t> guitar;
  try {
    guitar = ExtractPreset(MemorySource(std::span<const std::uint8_t>(data, size)), 0, 24);
  } catch (const SoundfontError& error) {
    Check(error.what()[0] != '\0');
    return 0;
  }
  // Anything but SoundfontError from here on escapes and is reported.
  const MemorySource extract(guitar);
  const SoundfontLayout layout = ReadSoundfontLayout(extract);
  Check(layout.phdr.Count() == 2);  // the preset and the terminal record
  Check(ExtractPreset(extract, 0, 24) == guitar);
  return 0;
}
