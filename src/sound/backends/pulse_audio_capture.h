#pragma once
// Mono float samples from a PulseAudio (or PipeWire) source, through
// libpulse's threaded main loop, as PulseAudioSink plays. The connection to
// the server and its thread exist only while capturing: Sources() connects
// for the question and lets go.

#include <string>

#include "sound/audio_capture.h"

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

namespace fretlab {

class PulseAudioCapture : public AudioCapture {
 public:
  // Frames the server gathers before it hands them over: the wait a
  // listener adds to every note, and what sets how often it wakes up
  // (43 times a second at 44.1 kHz).
  static constexpr int kFragmentFrames = 1024;  // 23 ms at 44.1 kHz

  PulseAudioCapture() = default;
  ~PulseAudioCapture() override;
  PulseAudioCapture(const PulseAudioCapture&) = delete;
  PulseAudioCapture& operator=(const PulseAudioCapture&) = delete;

  std::vector<CaptureSource> Sources(std::string& failure) override;
  bool Start(const std::string& source, int sampleRate, BlockHandler onBlock,
             FailureHandler onFailure, std::string& failure) override;
  void Stop() override;

 private:
  static void OnContextState(pa_context* context, void* self);
  static void OnStreamState(pa_stream* stream, void* self);
  static void OnRead(pa_stream* stream, std::size_t bytes, void* self);
  bool Connect(std::string& failure);
  void Disconnect();
  void Read();
  void Lost(const std::string& line);

  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;  // guarded by the main loop's lock
  std::string description_;      // of the source captured, for messages
  int sampleRate_ = 0;
  bool lost_ = false;            // a failure was reported; no block follows
  BlockHandler onBlock_;
  FailureHandler onFailure_;
};

}  // namespace fretlab
