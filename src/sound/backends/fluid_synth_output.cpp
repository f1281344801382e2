#include "sound/backends/fluid_synth_output.h"

#include <fluidsynth.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ostream>
#include <utility>

#include "common/quoted_value.h"
#include "sound/backends/alsa_audio_sink.h"
#include "sound/backends/fluid_log.h"
#include "sound/backends/memory_soundfont.h"
#include "sound/backends/soundfont_extract.h"
#include "sound/backends/pulse_audio_sink.h"

namespace fretlab {

namespace {

std::mutex g_diagnosticsMutex;

// Single nylon-string notes at velocity 64 peak near -12 dBFS at this gain.
// The loudest six-string strums of the chord list would reach +1 dBFS; the
// renderer's limiter holds them at -4 dBFS.
constexpr double kGain = 2.9;

// A nylon-string guitar in a small room: a short, darkish reverb. No chorus:
// a solo acoustic guitar has none, and it would blur the pitch.
void SetSound(fluid_settings_t* settings) {
  fluid_settings_setnum(settings, "synth.gain", kGain);
  fluid_settings_setint(settings, "synth.reverb.active", 1);
  fluid_settings_setnum(settings, "synth.reverb.room-size", 0.3);
  fluid_settings_setnum(settings, "synth.reverb.damp", 0.5);
  fluid_settings_setnum(settings, "synth.reverb.width", 0.8);
  fluid_settings_setnum(settings, "synth.reverb.level", 0.6);
  fluid_settings_setint(settings, "synth.chorus.active", 0);
}

}  // namespace

double FluidSynthOutput::ConfiguredLatencyMs() {
  return std::chrono::duration<double, std::milli>(SynthRenderer::kEventLatency).count() +
         1000.0 * (PeakLimiter::kLookahead + PulseAudioSink::kBufferFrames) / kSampleRate;
}

std::unique_ptr<FluidSynthOutput> FluidSynthOutput::Create(const std::string& soundfont,
                                                           std::ostream& diagnostics) {
  Setup setup;
  setup.soundfont = soundfont;
  setup.startOnBegin = true;
  auto output = std::make_unique<FluidSynthOutput>(std::move(setup), diagnostics);
  if (!output->IsWorking()) output.reset();
  return output;
}

FluidSynthOutput::FluidSynthOutput(const std::string& soundfont, Mode mode,
                                   std::ostream& diagnostics)
    : FluidSynthOutput(Setup{soundfont, kDefaultSoundfont, mode, {}, {}}, diagnostics) {}

FluidSynthOutput::FluidSynthOutput(Setup setup, std::ostream& diagnostics)
    : setup_(std::move(setup)),
      diagnostics_(diagnostics),
      soundfont_(setup_.soundfont.empty() ? setup_.defaultSoundfont : setup_.soundfont),
      userSoundfont_(!setup_.soundfont.empty()) {
  if (!setup_.now && setup_.mode == Mode::kOffline) {
    setup_.now = [this] {
      return SoundClock::time_point{} + std::chrono::duration_cast<SoundClock::duration>(
                                            std::chrono::duration<double>(
                                                double(offlineFrames_.load()) / kSampleRate));
    };
  } else if (!setup_.now) {
    setup_.now = [] { return SoundClock::now(); };
  }
  QuietFluidLog();
  // The only check made here, in a fraction of a millisecond: the file is
  // there and says it is a SoundFont. Everything slow happens in Start().
  const std::string fix =
      userSoundfont_ ? std::string("give --soundfont a readable .sf2 file")
                     : "install " + std::string(kDefaultSoundfontPackage) +
                           " (or give --soundfont PATH, or --midi-out alsa for another "
                           "synthesizer)";
  if (access(soundfont_.c_str(), R_OK) != 0) {
    const char* reason = std::strerror(errno);
    diagnostics_ << "fretlab: no sound: "
                 << (userSoundfont_ ? "the soundfont " : "the General MIDI soundfont ")
                 << QuotedValue(soundfont_) << " cannot be read (" << reason << "); " << fix
                 << ". Playing silently.\n";
    return;
  }
  if (fluid_is_soundfont(soundfont_.c_str()) == 0) {
    diagnostics_ << "fretlab: no sound: " << QuotedValue(soundfont_)
                 << " is not a SoundFont (.sf2) file; "
                 << fix << ". Playing silently.\n";
    return;
  }
  working_ = true;
  thread_ = std::thread([this] { Start(); });
}

FluidSynthOutput::~FluidSynthOutput() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) {
    thread_.join();
  }
  sink_.reset();  // no request runs once it is gone
  renderer_.reset();
  if (synth_ != nullptr) delete_fluid_synth(synth_);
  if (settings_ != nullptr) delete_fluid_settings(settings_);
}

void FluidSynthOutput::Report(const std::string& line) {
  std::lock_guard lock(g_diagnosticsMutex);
  diagnostics_ << line;
  diagnostics_.flush();
}

void FluidSynthOutput::Start() {
  if (setup_.startOnBegin) {
    // Connecting to the sound server and loading the soundfont compete with
    // the window's start for the processor: on a busy 2-core machine the
    // window was mapped about 20 ms later. They wait for the window.
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, kLatestStart, [this] { return begun_ || quit_; });
    if (quit_) {
      lock.unlock();
      FinishStart(false);
      return;
    }
  }
  // The sound server first, from this thread at its normal priority: the
  // threads it starts inherit that. Then the synthesizer and the soundfont
  // (40 ms or more of work) on a thread of the lowest priority, so that on a
  // busy machine they wait for the window's start rather than delay it.
  bool ready = setup_.mode == Mode::kOffline || StartSink();
  if (ready) {
    std::thread loader([&] {
      setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
      ready = StartSynth();
    });
    loader.join();
  }
  FinishStart(ready);
  if (ready) Control();
}

bool FluidSynthOutput::StartSynth() {
  settings_ = new_fluid_settings();
  fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
  // Only the samples of the presets in use are loaded: a fraction of the
  // soundfont's memory.
  fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
  fluid_settings_setint(settings_, "synth.polyphony", 64);
  fluid_settings_setint(settings_, "synth.cpu-cores", 1);
  // Notes are applied on the audio side while the soundfont loads here.
  fluid_settings_setint(settings_, "synth.threadsafe-api", 1);
  SetSound(settings_);
  TakeFluidError();
  synth_ = new_fluid_synth(settings_);
  if (synth_ == nullptr) {
    Report("fretlab: no sound: the FluidSynth synthesizer could not start (" + TakeFluidError() +
           "). Playing silently.\n");
    return false;
  }
  bool loaded = false;
  {
    // A broken file is tried by every loader; the reason comes from ours.
    QuietGlibLog quiet;
    // Only the guitar, when the soundfont has it where General MIDI puts it:
    // a fraction of the memory and of the time of the whole set.
    std::string ignored;
    guitar_ = ExtractPreset(soundfont_, 0, kNylonGuitarProgram, ignored);
    if (!guitar_.empty()) {
      loaded = LoadMemorySoundfont(synth_, settings_, guitar_) != FLUID_FAILED;
    }
    if (!loaded) {
      guitar_.clear();
      TakeFluidError();
      loaded = fluid_synth_sfload(synth_, soundfont_.c_str(), 1) != FLUID_FAILED;
    }
  }
  // Every melodic channel plays the guitar; channel 10 (9 from 0) keeps drums.
  for (int channel = 0; loaded && channel < 16; ++channel) {
    if (channel == 9) continue;
    loaded = fluid_synth_program_change(synth_, channel, kNylonGuitarProgram) == FLUID_OK;
  }
  const std::string reason = TakeFluidError();
  if (!loaded) {
    std::string line =
        "fretlab: no sound: the soundfont " + QuotedValue(soundfont_) + " could not be loaded";
    if (!reason.empty()) line += " (" + reason + ")";
    line += userSoundfont_ ? "; give --soundfont a working .sf2 file"
                           : "; reinstall " + std::string(kDefaultSoundfontPackage) +
                                 " or give --soundfont PATH";
    Report(line + ". Playing silently.\n");
    return false;
  }
  renderer_ = std::make_unique<SynthRenderer>(synth_, [this] { Wake(false); });
  return true;
}

bool FluidSynthOutput::StartSink() {
  AudioSink::RenderFunction render = [this](float* left, float* right, int frames,
                                            SoundClock::time_point when) {
    renderer_->Render(left, right, frames, when);
  };
  std::vector<SinkFactory> sinks = setup_.sinks;
  if (sinks.empty()) {
    sinks.push_back([](AudioSink::RenderFunction r) {
      return std::make_unique<PulseAudioSink>(kSampleRate, std::move(r));
    });
    sinks.push_back([](AudioSink::RenderFunction r) {
      return std::make_unique<AlsaAudioSink>(kSampleRate, std::move(r));
    });
  }
  std::string failures;
  for (const SinkFactory& make : sinks) {
    std::unique_ptr<AudioSink> sink = make(render);
    std::string failure;
    if (sink->Connect(failure)) {
      std::lock_guard lock(mutex_);
      sink_ = std::move(sink);
      return true;
    }
    failures += (failures.empty() ? "" : "; ") + sink->Name() + ": " + failure;
  }
  Report("fretlab: no sound: no audio device could be opened (" + failures +
         "); start PipeWire or PulseAudio, or check the sound card, or use --midi-out alsa. "
         "Playing silently.\n");
  return false;
}

void FluidSynthOutput::FinishStart(bool ready) {
  if (!ready) working_ = false;
  ready_.store(ready, std::memory_order_release);
  {
    std::lock_guard lock(mutex_);
    startEnded_ = true;
  }
  changed_.notify_all();
}

void FluidSynthOutput::begin() {
  {
    std::lock_guard lock(mutex_);
    begun_ = true;
  }
  changed_.notify_all();
}

bool FluidSynthOutput::WaitUntilLoaded() {
  if (!thread_.joinable()) return false;
  begin();
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return startEnded_; });
  return ready_.load(std::memory_order_acquire);
}

std::string FluidSynthOutput::AudioDriverName() const {
  std::lock_guard lock(mutex_);
  return sink_ == nullptr ? std::string() : sink_->Name();
}

// The stream is started and stopped here, never on the window's thread (an
// ALSA device takes a while to open) nor on the audio side (a stream cannot
// end itself from its own request).
void FluidSynthOutput::Control() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return quit_ || startWanted_ || stopWanted_; });
    if (quit_) return;
    const bool stop = std::exchange(stopWanted_, false);
    startWanted_ = false;
    lock.unlock();
    if (sink_ != nullptr) {
      if (stop && streaming_.load() && renderer_->IsIdle()) {
        sink_->Stop();
        streaming_.store(false);
      }
      // A note queued while the stream was stopping finds it stopped and
      // asks again, or is seen here.
      if (!streaming_.load() && renderer_->HasQueued()) {
        renderer_->Restart();
        streaming_.store(sink_->Start());
      }
    }
    lock.lock();
  }
}

void FluidSynthOutput::Wake(bool start) {
  {
    std::lock_guard lock(mutex_);
    (start ? startWanted_ : stopWanted_) = true;
  }
  changed_.notify_all();
}

void FluidSynthOutput::Queue(const TimedEvent& event) {
  renderer_->Queue(event);
  if (!streaming_.load() && setup_.mode == Mode::kAudioDevice) Wake(true);
}

void FluidSynthOutput::due(SoundClock::time_point time) { due_ = time; }

void FluidSynthOutput::open() {
  ++session_;
  started_.Clear();
  noteDue_ = std::exchange(due_, std::nullopt);
}

void FluidSynthOutput::send(std::uint32_t shortMessage) {
  ShortMessage message;
  // Before the soundfont is ready there is nothing to play the notes with.
  if (!ready_.load(std::memory_order_acquire) || !UnpackShortMessage(shortMessage, message)) {
    return;
  }
  // Only notes are played; the program and everything else stay as set up.
  if (message.IsNoteOn()) {
    started_.Add(message.Channel(), message.data1);
    SoundClock::time_point stamp = setup_.now();
    if (noteDue_ && *noteDue_ < stamp) stamp = std::max(*noteDue_, stamp - kMostEarly);
    Queue({true, message.Channel(), message.data1, message.data2, stamp, session_});
  } else if (message.IsNoteOff()) {
    Queue({false, message.Channel(), message.data1, 0, setup_.now(), session_});
  }
}

void FluidSynthOutput::close() {
  const std::vector<StartedNote> notes = started_.Take();
  if (notes.empty() || !ready_.load(std::memory_order_acquire)) return;
  const SoundClock::time_point now = setup_.now();
  for (const StartedNote& note : notes) {
    if (!renderer_->Unqueue(session_, note.channel, note.note, now - kSameInstant)) {
      Queue({false, note.channel, note.note, 0, now, session_});
    }
  }
}

void FluidSynthOutput::Render(float* left, float* right, int frames) {
  if (!ready_.load(std::memory_order_acquire)) {
    std::fill(left, left + frames, 0.0f);
    std::fill(right, right + frames, 0.0f);
    return;
  }
  renderer_->Render(left, right, frames, setup_.now());
  offlineFrames_ += frames;
}

}  // namespace fretlab
