#pragma once
// The built-in synthesizer's audio stream: which sink it plays through
// (PulseAudio or PipeWire, else ALSA, or the sinks a test gives), and when
// it runs. The stream runs only while there is something to hear: the first
// note starts it, and SynthRenderer::kIdleAfter of silence stops it, so that
// a quiet program costs neither it nor the sound server any wake-ups.
//
// Starting and stopping happen on the thread that calls Run(), never on the
// window's thread (an ALSA device takes a while to open) nor on the audio
// side (a stream cannot end itself from its own request).

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "sound/backends/audio_sink.h"

namespace fretlab {

class SynthRenderer;

class StreamController {
 public:
  using SinkFactory = std::function<std::unique_ptr<AudioSink>(AudioSink::RenderFunction)>;

  // `sinks` are tried in turn; empty: PulseAudio, then ALSA.
  explicit StreamController(std::vector<SinkFactory> sinks);
  ~StreamController();
  StreamController(const StreamController&) = delete;
  StreamController& operator=(const StreamController&) = delete;

  // Connects the first sink that reaches a device; its requests are passed
  // to `render`. False, with the line to write in `failure`, when none does.
  bool Connect(AudioSink::RenderFunction render, std::string& failure);

  // Any thread: a note was queued (start the stream if it is stopped), or
  // the renderer has been silent long enough (stop it if it still is).
  void WantStart() { Want(true); }
  void WantStop() { Want(false); }

  // Starts and stops the stream as wanted, deciding by `renderer`, until
  // Quit(). Returns at once when Quit() came first.
  void Run(SynthRenderer& renderer);
  void Quit();

  // "pulseaudio" or "alsa" once connected, else empty.
  std::string DriverName() const;
  bool IsStreaming() const { return streaming_.load(); }

 private:
  void Want(bool start);

  std::vector<SinkFactory> sinks_;
  std::unique_ptr<AudioSink> sink_;  // guarded by mutex_ while it is set
  std::atomic<bool> streaming_{false};

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  bool startWanted_ = false;  // guarded by mutex_
  bool stopWanted_ = false;   // guarded by mutex_
  bool quit_ = false;         // guarded by mutex_
};

}  // namespace fretlab
