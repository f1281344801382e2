#pragma once
// Stereo float frames to PulseAudio (or PipeWire's PulseAudio server) through
// libpulse's threaded main loop. The connection to the server is made once;
// a playback stream exists only between Start() and Stop(), so that a quiet
// program holds no stream and neither side wakes up.

#include <string>
#include <vector>

#include "sound/backends/audio_sink.h"

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;
struct pa_buffer_attr;

namespace fretlab {

class PulseAudioSink : public AudioSink {
 public:
  // What the stream asks of the server, in frames at `sampleRate`: the
  // buffer it keeps filled, and the smallest request it is sent. The buffer
  // rides out the audio thread being held up for about 10 ms (on a virtual
  // machine whose processor the host takes away now and then, or on a busy
  // desktop) without a gap in the sound.
  static constexpr int kBufferFrames = 617;   // 14 ms
  static constexpr int kRequestFrames = 128;  // 2.9 ms

  PulseAudioSink(int sampleRate, RenderFunction render);
  ~PulseAudioSink() override;
  PulseAudioSink(const PulseAudioSink&) = delete;
  PulseAudioSink& operator=(const PulseAudioSink&) = delete;

  bool Connect(std::string& failure) override;
  bool Start() override;
  void Stop() override;
  std::string Name() const override { return "pulseaudio"; }

 private:
  static void OnContextState(pa_context* context, void* self);
  static void OnWrite(pa_stream* stream, std::size_t bytes, void* self);
  void Write(std::size_t bytes);
  static pa_buffer_attr BufferAttributes(std::uint32_t prebuf);

  int sampleRate_;
  RenderFunction render_;
  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;  // guarded by the main loop's lock
  bool prebuffering_ = false;    // the stream has not had its first frames
  std::vector<float> left_, right_;
};

}  // namespace fretlab
