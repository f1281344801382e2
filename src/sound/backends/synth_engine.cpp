#include "sound/backends/synth_engine.h"

#include <fluidsynth.h>

#include <utility>

#include "sound/backends/fluid_log.h"
#include "sound/backends/soundfont_loader.h"
#include "sound/soundfont/preset_extract.h"
#include "sound/soundfont/soundfont_layout.h"

namespace fretlab {

namespace {

// A nylon-string guitar in a small room: a short, darkish reverb. No chorus:
// a solo acoustic guitar has none, and it would blur the pitch. The gain is
// the soundfont's own (KeyLevels).
void SetSound(fluid_settings_t* settings) {
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
                                                std::string& report) {
  QuietFluidLog();
  std::unique_ptr<SynthEngine> engine(new SynthEngine);
  engine->settings_ = new_fluid_settings();
  fluid_settings_t* settings = engine->settings_;
  fluid_settings_setnum(settings, "synth.sample-rate", kSampleRate);
  fluid_settings_setint(settings, "synth.midi-channels", KeyLevels::kSynthChannels);
  // Only the samples of the presets in use are read, when a channel takes
  // them: of the guitar alone, or of the whole file, the guitar's. (Reading
  // all of a soundfont's samples at once also starts a team of threads that
  // spin while they wait.)
  fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
  fluid_settings_setint(settings, "synth.polyphony", 64);
  fluid_settings_setint(settings, "synth.cpu-cores", 1);
  // Notes are applied on the audio side while the soundfont loads here.
  fluid_settings_setint(settings, "synth.threadsafe-api", 1);
  SetSound(settings);
  TakeFluidError();
  engine->synth_ = new_fluid_synth(settings);
  if (engine->synth_ == nullptr) {
    report = SynthDidNotStart(TakeFluidError());
    return nullptr;
  }
  if (!engine->LoadGuitar(soundfont, report)) return nullptr;
  const KeyLevels levels = MeasureKeyLevels(engine->synth_);
  if (!ApplyKeyLevels(engine->synth_, levels, kNylonGuitarProgram)) {
    report = SoundfontNotLoaded(soundfont, TakeFluidError());
    return nullptr;
  }
  engine->renderer_ = std::make_unique<SynthRenderer>(engine->synth_, levels, std::move(onIdle));
  return engine;
}

bool SynthEngine::LoadGuitar(const SoundfontChoice& soundfont, std::string& report) {
  bool loaded = false;
  std::string readerFailure;
  {
    // A broken file is tried by every loader; the reason comes from ours.
    QuietGlibLog quiet;
    loaded = LoadGuitarAlone(soundfont, readerFailure);
    if (!loaded) {
      TakeFluidError();
      loaded = fluid_synth_sfload(synth_, soundfont.path.c_str(), 0) != FLUID_FAILED;
    }
  }
  loaded = loaded && fluid_synth_program_change(synth_, 0, kNylonGuitarProgram) == FLUID_OK;
  const std::string reason = TakeFluidError();
  if (!loaded) {
    report = SoundfontNotLoaded(soundfont, reason);
  } else if (!readerFailure.empty()) {
    report = SoundfontReadWhole(soundfont, readerFailure);
  }
  return loaded;
}

// Only the guitar, when the soundfont has it where General MIDI puts it: a
// fraction of the memory and of the time of the whole set. FluidSynth reads
// its samples straight from the file when a channel takes the guitar.
bool SynthEngine::LoadGuitarAlone(const SoundfontChoice& soundfont, std::string& failure) {
  file_ = FileSource::Open(soundfont.path, failure);
  if (file_ == nullptr) return false;
  try {
    guitar_ = std::make_unique<PresetSoundfont>(*file_, 0, kNylonGuitarProgram);
    if (LoadSoundfontFrom(synth_, settings_, *guitar_) != FLUID_FAILED) return true;
    failure = "FluidSynth refused the guitar alone: " + TakeFluidError();
  } catch (const SoundfontError& error) {
    failure = error.what();
  }
  guitar_.reset();
  file_.reset();
  return false;
}

SynthEngine::~SynthEngine() {
  renderer_.reset();
  if (synth_ != nullptr) delete_fluid_synth(synth_);
  if (settings_ != nullptr) delete_fluid_settings(settings_);
}

}  // namespace fretlab
