#include "sound/backends/synth_engine.h"

#include <fluidsynth.h>

#include <utility>

#include "sound/backends/fluid_log.h"
#include "sound/backends/memory_soundfont.h"
#include "sound/backends/soundfont_extract.h"

namespace fretlab {

namespace {

// Single nylon-string notes at velocity 64 peak near -12 dBFS at this gain.
// The loudest six-string strums of the chord list would reach +1 dBFS; the
// renderer's limiter holds them at -4 dBFS.
constexpr double kGain = 2.9;

// A nylon-string guitar in a small room: a short, darkish reverb. No chorus:
// a solo acoustic guitar has none, and it would blur the pitch.
void SetSound(fluid_settings_t* settings) {
  fluid_settings_setnum(settings, "synth.gain", kGain);
  fluid_settings_setint(settings, "synth.reverb.active", 1);
  fluid_settings_setnum(settings, "synth.reverb.room-size", 0.3);
  fluid_settings_setnum(settings, "synth.reverb.damp", 0.5);
  fluid_settings_setnum(settings, "synth.reverb.width", 0.8);
  fluid_settings_setnum(settings, "synth.reverb.level", 0.6);
  fluid_settings_setint(settings, "synth.chorus.active", 0);
}

}  // namespace

std::unique_ptr<SynthEngine> SynthEngine::Start(const SoundfontChoice& soundfont,
                                                std::function<void()> onIdle,
                                                std::string& failure) {
  QuietFluidLog();
  std::unique_ptr<SynthEngine> engine(new SynthEngine);
  engine->settings_ = new_fluid_settings();
  fluid_settings_t* settings = engine->settings_;
  fluid_settings_setnum(settings, "synth.sample-rate", kSampleRate);
  // Only the samples of the presets in use are loaded: a fraction of the
  // soundfont's memory.
  fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
  fluid_settings_setint(settings, "synth.polyphony", 64);
  fluid_settings_setint(settings, "synth.cpu-cores", 1);
  // Notes are applied on the audio side while the soundfont loads here.
  fluid_settings_setint(settings, "synth.threadsafe-api", 1);
  SetSound(settings);
  TakeFluidError();
  engine->synth_ = new_fluid_synth(settings);
  if (engine->synth_ == nullptr) {
    failure = SynthDidNotStart(TakeFluidError());
    return nullptr;
  }
  if (!engine->LoadGuitar(soundfont, failure)) return nullptr;
  engine->renderer_ = std::make_unique<SynthRenderer>(engine->synth_, std::move(onIdle));
  return engine;
}

bool SynthEngine::LoadGuitar(const SoundfontChoice& soundfont, std::string& failure) {
  bool loaded = false;
  {
    // A broken file is tried by every loader; the reason comes from ours.
    QuietGlibLog quiet;
    // Only the guitar, when the soundfont has it where General MIDI puts it:
    // a fraction of the memory and of the time of the whole set.
    std::string ignored;
    guitar_ = ExtractPreset(soundfont.path, 0, kNylonGuitarProgram, ignored);
    if (!guitar_.empty()) {
      loaded = LoadMemorySoundfont(synth_, settings_, guitar_) != FLUID_FAILED;
    }
    if (!loaded) {
      guitar_.clear();
      TakeFluidError();
      loaded = fluid_synth_sfload(synth_, soundfont.path.c_str(), 1) != FLUID_FAILED;
    }
  }
  // Every melodic channel plays the guitar; channel 10 (9 from 0) keeps drums.
  for (int channel = 0; loaded && channel < 16; ++channel) {
    if (channel == 9) continue;
    loaded = fluid_synth_program_change(synth_, channel, kNylonGuitarProgram) == FLUID_OK;
  }
  const std::string reason = TakeFluidError();
  if (!loaded) failure = SoundfontNotLoaded(soundfont, reason);
  return loaded;
}

SynthEngine::~SynthEngine() {
  renderer_.reset();
  if (synth_ != nullptr) delete_fluid_synth(synth_);
  if (settings_ != nullptr) delete_fluid_settings(settings_);
}

}  // namespace fretlab
