#include "sound/backends/memory_soundfont.h"

#include <fluidsynth.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace fretlab {

namespace {

// The file name handed to FluidSynth names the bytes' address; names that do
// not start so are left to FluidSynth's other loaders.
constexpr const char* kPrefix = "fretlab-memory:";

struct MemoryFile {
  const std::vector<std::uint8_t>* bytes;
  fluid_long_long_t at;
};

void* OpenMemory(const char* name) {
  const std::size_t length = std::strlen(kPrefix);
  void* address = nullptr;
  if (name == nullptr || std::strncmp(name, kPrefix, length) != 0 ||
      std::sscanf(name + length, "%p", &address) != 1) {
    return nullptr;
  }
  return new MemoryFile{static_cast<const std::vector<std::uint8_t>*>(address), 0};
}

int ReadMemory(void* buffer, fluid_long_long_t count, void* handle) {
  auto* file = static_cast<MemoryFile*>(handle);
  if (count < 0 || file->at + count > static_cast<fluid_long_long_t>(file->bytes->size())) {
    return FLUID_FAILED;
  }
  std::memcpy(buffer, file->bytes->data() + file->at, static_cast<std::size_t>(count));
  file->at += count;
  return FLUID_OK;
}

int SeekMemory(void* handle, fluid_long_long_t offset, int origin) {
  auto* file = static_cast<MemoryFile*>(handle);
  const auto size = static_cast<fluid_long_long_t>(file->bytes->size());
  const fluid_long_long_t base = origin == SEEK_SET ? 0 : origin == SEEK_CUR ? file->at : size;
  if (base + offset < 0 || base + offset > size) return FLUID_FAILED;
  file->at = base + offset;
  return FLUID_OK;
}

fluid_long_long_t TellMemory(void* handle) { return static_cast<MemoryFile*>(handle)->at; }

int CloseMemory(void* handle) {
  delete static_cast<MemoryFile*>(handle);
  return FLUID_OK;
}

}  // namespace

int LoadMemorySoundfont(fluid_synth_t* synth, fluid_settings_t* settings,
                        const std::vector<std::uint8_t>& bytes) {
  fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
  if (loader == nullptr) return FLUID_FAILED;
  fluid_sfloader_set_callbacks(loader, OpenMemory, ReadMemory, SeekMemory, TellMemory,
                               CloseMemory);
  fluid_synth_add_sfloader(synth, loader);  // the synthesizer owns it now
  char name[64];
  std::snprintf(name, sizeof name, "%s%p", kPrefix, static_cast<const void*>(&bytes));
  return fluid_synth_sfload(synth, name, 1);
}

}  // namespace fretlab
