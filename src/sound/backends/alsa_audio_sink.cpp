#include "sound/backends/alsa_audio_sink.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>

#include "sound/backends/fluid_log.h"

namespace fretlab {

namespace {

// alsa-lib prints several lines of its own when there is no sound card.
void QuietAlsaError(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

AlsaAudioSink::AlsaAudioSink(int sampleRate, RenderFunction render)
    : render_(std::move(render)) {
  settings_ = new_fluid_settings();
  fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
  fluid_settings_setstr(settings_, "audio.driver", "alsa");
  fluid_settings_setint(settings_, "audio.period-size", kPeriodFrames);
  fluid_settings_setint(settings_, "audio.periods", kPeriods);
}

AlsaAudioSink::~AlsaAudioSink() {
  Stop();
  delete_fluid_settings(settings_);
}

bool AlsaAudioSink::Open(std::string& failure) {
  if (driver_ != nullptr) return true;
  snd_lib_error_set_handler(QuietAlsaError);
  TakeFluidError();
  driver_ = new_fluid_audio_driver2(settings_, &AlsaAudioSink::OnPeriod, this);
  snd_lib_error_set_handler(nullptr);
  if (driver_ == nullptr) {
    failure = TakeFluidError();
    if (failure.empty()) failure = "failed";
  }
  return driver_ != nullptr;
}

bool AlsaAudioSink::Connect(std::string& failure) {
  const bool opened = Open(failure);
  Stop();
  return opened;
}

bool AlsaAudioSink::Start() {
  std::string failure;
  return Open(failure);
}

void AlsaAudioSink::Stop() {
  if (driver_ != nullptr) {
    delete_fluid_audio_driver(driver_);
    driver_ = nullptr;
  }
}

int AlsaAudioSink::OnPeriod(void* self, int frames, int, float*[], int nout, float* out[]) {
  if (nout < 2) return FLUID_FAILED;
  static_cast<AlsaAudioSink*>(self)->render_(out[0], out[1], frames, SoundClock::now());
  return FLUID_OK;
}

}  // namespace fretlab
