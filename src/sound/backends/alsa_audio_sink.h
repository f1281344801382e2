#pragma once
// Stereo float frames straight to the ALSA "default" device, for a system
// without a sound server, through FluidSynth's ALSA driver. The device is
// opened by Start() and closed by Stop(), so it is held only while sound
// plays.

#include <string>

#include "sound/backends/audio_sink.h"

struct _fluid_hashtable_t;
struct _fluid_audio_driver_t;

namespace fretlab {

class AlsaAudioSink : public AudioSink {
 public:
  // One period of this many frames is asked for at a time; two are kept.
  static constexpr int kPeriodFrames = 256;
  static constexpr int kPeriods = 2;

  AlsaAudioSink(int sampleRate, RenderFunction render);
  ~AlsaAudioSink() override;
  AlsaAudioSink(const AlsaAudioSink&) = delete;
  AlsaAudioSink& operator=(const AlsaAudioSink&) = delete;

  // Opens the device once to see that it is there.
  bool Connect(std::string& failure) override;
  bool Start() override;
  void Stop() override;
  std::string Name() const override { return "alsa"; }

 private:
  static int OnPeriod(void* self, int frames, int nfx, float* fx[], int nout, float* out[]);
  bool Open(std::string& failure);

  RenderFunction render_;
  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_audio_driver_t* driver_ = nullptr;
};

}  // namespace fretlab
