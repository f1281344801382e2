#include "sound/backends/soundfont_loader.h"

#include <fluidsynth.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>

#include "sound/soundfont/byte_source.h"

namespace fretlab {

namespace {

// The file name handed to FluidSynth names the source's address, and a count
// so that no two loads share a name (FluidSynth caches samples by name);
// names that do not start so are left to FluidSynth's other loaders.
constexpr const char* kPrefix = "fretlab-source:";
std::atomic<unsigned> g_loads{0};

struct OpenSource {
  const ByteSource* source;
  fluid_long_long_t at;
};

void* Open(const char* name) {
  const std::size_t length = std::strlen(kPrefix);
  void* address = nullptr;
  if (name == nullptr || std::strncmp(name, kPrefix, length) != 0 ||
      std::sscanf(name + length, "%p", &address) != 1) {
    return nullptr;
  }
  return new OpenSource{static_cast<const ByteSource*>(address), 0};
}

int Read(void* buffer, fluid_long_long_t count, void* handle) {
  auto* file = static_cast<OpenSource*>(handle);
  if (count < 0 ||
      !file->source->ReadAt(static_cast<std::uint64_t>(file->at), buffer,
                            static_cast<std::size_t>(count))) {
    return FLUID_FAILED;
  }
  file->at += count;
  return FLUID_OK;
}

int Seek(void* handle, fluid_long_long_t offset, int origin) {
  auto* file = static_cast<OpenSource*>(handle);
  const auto size = static_cast<fluid_long_long_t>(file->source->Size());
  const fluid_long_long_t base = origin == SEEK_SET ? 0 : origin == SEEK_CUR ? file->at : size;
  if (base + offset < 0 || base + offset > size) return FLUID_FAILED;
  file->at = base + offset;
  return FLUID_OK;
}

fluid_long_long_t Tell(void* handle) { return static_cast<OpenSource*>(handle)->at; }

int Close(void* handle) {
  delete static_cast<OpenSource*>(handle);
  return FLUID_OK;
}

}  // namespace

int LoadSoundfontFrom(fluid_synth_t* synth, fluid_settings_t* settings, const ByteSource& source) {
  fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
  if (loader == nullptr) return FLUID_FAILED;
  fluid_sfloader_set_callbacks(loader, Open, Read, Seek, Tell, Close);
  fluid_synth_add_sfloader(synth, loader);  // the synthesizer owns it now
  char name[64];
  std::snprintf(name, sizeof name, "%s%p:%u", kPrefix, static_cast<const void*>(&source),
                ++g_loads);
  return fluid_synth_sfload(synth, name, 0);
}

}  // namespace fretlab
