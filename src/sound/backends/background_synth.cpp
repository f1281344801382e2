#include "sound/backends/background_synth.h"

#include <sys/resource.h>
#include <unistd.h>

#include <ostream>
#include <utility>

namespace fretlab {

namespace {

// Every synthesizer of the process writes through this, one line at a time.
std::mutex g_diagnosticsMutex;

}  // namespace

BackgroundSynth::BackgroundSynth(Options options, std::ostream& diagnostics)
    : options_(std::move(options)),
      diagnostics_(diagnostics),
      stream_(std::move(options_.sinks)),
      thread_([this] { Start(); }) {}

BackgroundSynth::~BackgroundSynth() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  changed_.notify_all();
  stream_.Quit();
  thread_.join();
}

void BackgroundSynth::Report(const std::string& line) {
  std::lock_guard lock(g_diagnosticsMutex);
  diagnostics_ << line;
  diagnostics_.flush();
}

void BackgroundSynth::Start() {
  if (!WaitForBegin()) {
    FinishStart(false);
    return;
  }
  // The sound server first, from this thread at its normal priority: the
  // threads it starts inherit that. Then the synthesizer and the soundfont
  // (40 ms or more of work) on a thread of the lowest priority, so that on a
  // busy machine they wait for the window's start rather than delay it.
  bool ready = true;
  if (!options_.offline) {
    std::string failure;
    ready = stream_.Connect(
        [this](float* left, float* right, int frames, SoundClock::time_point when) {
          engine_->Renderer().Render(left, right, frames, when);
        },
        failure);
    if (!ready) Report(failure);
  }
  if (ready) {
    std::thread loader([&] {
      setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
      ready = StartEngine();
    });
    loader.join();
  }
  FinishStart(ready);
  if (ready) stream_.Run(engine_->Renderer());
}

// False when the synthesizer goes before the start begins.
bool BackgroundSynth::WaitForBegin() {
  if (!options_.startOnBegin) return true;
  // Connecting to the sound server and loading the soundfont compete with
  // the window's start for the processor: on a busy 2-core machine the
  // window was mapped about 20 ms later. They wait for the window.
  std::unique_lock lock(mutex_);
  changed_.wait_for(lock, kLatestStart, [this] { return begun_ || quit_; });
  return !quit_;
}

bool BackgroundSynth::StartEngine() {
  std::string report;
  engine_ = SynthEngine::Start(options_.soundfont, [this] { stream_.WantStop(); }, report);
  if (!report.empty()) Report(report);
  return engine_ != nullptr;
}

void BackgroundSynth::FinishStart(bool ready) {
  if (!ready) failed_ = true;
  ready_.store(ready, std::memory_order_release);
  {
    std::lock_guard lock(mutex_);
    startEnded_ = true;
  }
  changed_.notify_all();
}

void BackgroundSynth::Begin() {
  {
    std::lock_guard lock(mutex_);
    begun_ = true;
  }
  changed_.notify_all();
}

bool BackgroundSynth::WaitUntilReady() {
  Begin();
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return startEnded_; });
  return IsReady();
}

void BackgroundSynth::NoteQueued() {
  if (!options_.offline && !stream_.IsStreaming()) stream_.WantStart();
}

}  // namespace fretlab
