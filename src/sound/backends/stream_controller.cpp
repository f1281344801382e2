#include "sound/backends/stream_controller.h"

#include <utility>

#include "sound/backends/alsa_audio_sink.h"
#include "sound/backends/pulse_audio_sink.h"
#include "sound/backends/synth_messages.h"
#include "sound/backends/synth_renderer.h"

namespace fretlab {

StreamController::StreamController(std::vector<SinkFactory> sinks) : sinks_(std::move(sinks)) {
  if (sinks_.empty()) {
    sinks_.push_back([](AudioSink::RenderFunction render) {
      return std::make_unique<PulseAudioSink>(SynthRenderer::kSampleRate, std::move(render));
    });
    sinks_.push_back([](AudioSink::RenderFunction render) {
      return std::make_unique<AlsaAudioSink>(SynthRenderer::kSampleRate, std::move(render));
    });
  }
}

// The sink goes first: no request runs once it is gone.
StreamController::~StreamController() { sink_.reset(); }

bool StreamController::Connect(AudioSink::RenderFunction render, std::string& failure) {
  std::string failures;
  for (const SinkFactory& make : sinks_) {
    std::unique_ptr<AudioSink> sink = make(render);
    std::string reason;
    if (sink->Connect(reason)) {
      std::lock_guard lock(mutex_);
      sink_ = std::move(sink);
      return true;
    }
    failures += (failures.empty() ? "" : "; ") + sink->Name() + ": " + reason;
  }
  failure = NoAudioDevice(failures);
  return false;
}

void StreamController::Run(SynthRenderer& renderer) {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return quit_ || startWanted_ || stopWanted_; });
    if (quit_) return;
    const bool stop = std::exchange(stopWanted_, false);
    startWanted_ = false;
    lock.unlock();
    if (sink_ != nullptr) {
      if (stop && streaming_.load() && renderer.IsIdle()) {
        sink_->Stop();
        streaming_.store(false);
      }
      // A note queued while the stream was stopping finds it stopped and
      // asks again, or is seen here.
      if (!streaming_.load() && renderer.HasQueued()) {
        renderer.Restart();
        streaming_.store(sink_->Start());
      }
    }
    lock.lock();
  }
}

void StreamController::Quit() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  changed_.notify_all();
}

void StreamController::Want(bool start) {
  {
    std::lock_guard lock(mutex_);
    (start ? startWanted_ : stopWanted_) = true;
  }
  changed_.notify_all();
}

std::string StreamController::DriverName() const {
  std::lock_guard lock(mutex_);
  return sink_ == nullptr ? std::string() : sink_->Name();
}

}  // namespace fretlab
