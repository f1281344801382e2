#pragma once
// The built-in synthesizer brought up on a thread of its own, so that the
// window's start does not wait for it: the connection to the sound server
// (StreamController), then FluidSynth and the soundfont (SynthEngine). Once
// both are there, the same thread starts and stops the audio stream for as
// long as the synthesizer lives. A failure on the way is written as one line
// to the diagnostics stream, and the synthesizer stays silent.

#include <atomic>
#include <condition_variable>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "sound/backends/stream_controller.h"
#include "sound/backends/synth_engine.h"
#include "sound/sound_clock.h"

namespace fretlab {

class BackgroundSynth {
 public:
  struct Options {
    SoundfontChoice soundfont;
    bool offline = false;  // no audio device: the owner renders
    std::vector<StreamController::SinkFactory> sinks;  // empty: PulseAudio, then ALSA
    // True: the start waits for Begin() (or WaitUntilReady()), or
    // kLatestStart at most.
    bool startOnBegin = false;
  };
  // The start begins this long after construction at the latest.
  static constexpr SoundClock::duration kLatestStart = std::chrono::seconds(1);

  // `diagnostics` must outlive this object.
  BackgroundSynth(Options options, std::ostream& diagnostics);
  ~BackgroundSynth();
  BackgroundSynth(const BackgroundSynth&) = delete;
  BackgroundSynth& operator=(const BackgroundSynth&) = delete;

  void Begin();
  // Blocks until the start has ended (beginning it first); true when notes
  // will sound.
  bool WaitUntilReady();
  // Any thread; true once notes can be queued on Renderer().
  bool IsReady() const { return ready_.load(std::memory_order_acquire); }
  // The start has ended without sound.
  bool Failed() const { return failed_.load(); }
  SynthRenderer& Renderer() { return engine_->Renderer(); }  // once IsReady()

  // A note was queued: the stream starts if it is stopped.
  void NoteQueued();
  // "pulseaudio" or "alsa" once playing through a device, else empty.
  std::string DriverName() const { return stream_.DriverName(); }
  bool IsStreaming() const { return stream_.IsStreaming(); }

 private:
  void Start();
  bool WaitForBegin();
  bool StartEngine();
  void FinishStart(bool ready);
  void Report(const std::string& line);

  Options options_;
  std::ostream& diagnostics_;
  std::unique_ptr<SynthEngine> engine_;  // set before ready_
  StreamController stream_;  // after the engine: its sink goes first
  std::atomic<bool> ready_{false};
  std::atomic<bool> failed_{false};

  std::mutex mutex_;
  std::condition_variable changed_;
  bool begun_ = false;       // guarded by mutex_
  bool startEnded_ = false;  // guarded by mutex_
  bool quit_ = false;        // guarded by mutex_
  std::thread thread_;       // last: it starts at construction
};

}  // namespace fretlab
