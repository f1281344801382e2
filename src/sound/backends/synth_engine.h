#pragma once
// The built-in synthesizer's engine: FluidSynth set up for a nylon-string
// guitar in a small room, the guitar read out of the soundfont (or, when the
// reader cannot use the file, the whole file loaded by FluidSynth), its
// level measured and set (KeyLevels), and the one render path over it
// (SynthRenderer). Setting it up takes 40 ms or more, so it is done off the
// window's thread (see BackgroundSynth).

#include <functional>
#include <memory>
#include <string>

#include "sound/backends/synth_messages.h"
#include "sound/backends/synth_renderer.h"
#include "sound/soundfont/byte_source.h"
#include "sound/soundfont/preset_extract.h"

// FluidSynth's opaque handles, declared here so that users of this header
// need not see FluidSynth's.
struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace fretlab {

inline constexpr int kNylonGuitarProgram = 24;  // General MIDI, counted from 0

class SynthEngine {
 public:
  static constexpr int kSampleRate = SynthRenderer::kSampleRate;

  // Null, with the line to write in `report`, when FluidSynth does not start
  // or the soundfont does not load; `report` also holds a line when the whole
  // file had to be loaded. `onIdle` is the renderer's (called on the audio
  // side once a stretch of silence is long enough to stop).
  static std::unique_ptr<SynthEngine> Start(const SoundfontChoice& soundfont,
                                            std::function<void()> onIdle, std::string& report);
  ~SynthEngine();
  SynthEngine(const SynthEngine&) = delete;
  SynthEngine& operator=(const SynthEngine&) = delete;

  SynthRenderer& Renderer() { return *renderer_; }

 private:
  SynthEngine() = default;
  bool LoadGuitar(const SoundfontChoice& soundfont, std::string& report);
  bool LoadGuitarAlone(const SoundfontChoice& soundfont, std::string& failure);

  // The soundfont's file and its guitar alone, which FluidSynth reads
  // samples from while the synthesizer lives; null when loaded whole.
  std::unique_ptr<FileSource> file_;
  std::unique_ptr<PresetSoundfont> guitar_;
  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_synth_t* synth_ = nullptr;
  std::unique_ptr<SynthRenderer> renderer_;
};

}  // namespace fretlab
