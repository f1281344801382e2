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

namespace fretlab {

class PulseAudioSink : public AudioSink {
 public:
  // What the stream asks of the server, in frames at `sampleRate`: the
  // buffer it keeps filled, and the smallest request it is sent.
  static constexpr int kBufferFrames = 441;   // 10 ms
  static constexpr int kRequestFrames = 128;  // 2.9 ms

  // `underflow` is called on the audio side when the server ran out of
  // frames: the stream's time has slipped against the monotonic clock.
  PulseAudioSink(int sampleRate, RenderFunction render, std::function<void()> underflow = {});
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
  static void OnUnderflow(pa_stream* stream, void* self);
  void Write(std::size_t bytes);

  int sampleRate_;
  RenderFunction render_;
  std::function<void()> underflow_;
  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;  // guarded by the main loop's lock
  std::vector<float> left_, right_;
};

}  // namespace fretlab
