#include "sound/backends/fluid_synth_output.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>
#include <unistd.h>

#include <algorithm>
#include <ostream>

namespace fretlab {

namespace {

// FluidSynth writes its own errors to standard error; the program says what
// went wrong in one line of its own instead, using the last error as reason.
std::mutex g_fluidLogMutex;
std::string g_lastFluidError;

void KeepFluidError(int level, const char* message, void*) {
  if (level > FLUID_ERR || message == nullptr) {
    return;
  }
  std::lock_guard lock(g_fluidLogMutex);
  g_lastFluidError = message;
}

void QuietFluidLog() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
      fluid_set_log_function(level, KeepFluidError, nullptr);
    }
  });
}

std::string TakeFluidError() {
  std::lock_guard lock(g_fluidLogMutex);
  std::string error;
  error.swap(g_lastFluidError);
  return error;
}

// alsa-lib prints several lines of its own when there is no sound card.
void QuietAlsaError(const char*, int, const char*, int, const char*, ...) {}

std::mutex g_diagnosticsMutex;

}  // namespace

double FluidSynthOutput::ConfiguredLatencyMs() {
  return 1000.0 * kPeriodSize * kPeriods / kSampleRate;
}

FluidSynthOutput::FluidSynthOutput(const std::string& soundfont, Mode mode,
                                   std::ostream& diagnostics)
    : diagnostics_(diagnostics), soundfont_(soundfont.empty() ? kDefaultSoundfont : soundfont) {
  QuietFluidLog();
  settings_ = new_fluid_settings();
  fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
  fluid_settings_setint(settings_, "audio.period-size", kPeriodSize);
  fluid_settings_setint(settings_, "audio.periods", kPeriods);
  // Chorus wobbles the pitch; a little reverb is kept for the room.
  fluid_settings_setint(settings_, "synth.chorus.active", 0);
  // A single nylon-string note at velocity 64 peaks near -17 dBFS at this
  // gain, and a six-string strum stays below full scale.
  fluid_settings_setnum(settings_, "synth.gain", 1.0);
  fluid_settings_setint(settings_, "synth.cpu-cores", 1);
  // Notes come from the window's thread while the audio thread renders.
  fluid_settings_setint(settings_, "synth.threadsafe-api", 1);
  synth_ = new_fluid_synth(settings_);
  if (synth_ == nullptr) {
    diagnostics_ << "fretlab: no sound: the FluidSynth synthesizer could not start ("
                 << TakeFluidError() << "). Playing silently.\n";
    return;
  }

  if (fluid_is_soundfont(soundfont_.c_str()) == 0) {
    if (access(soundfont_.c_str(), R_OK) != 0) {
      diagnostics_ << "fretlab: no sound: the General MIDI soundfont " << soundfont_
                   << " is missing; install timgm6mb-soundfont (or give --soundfont PATH, "
                      "or --midi-out alsa for another synthesizer). Playing silently.\n";
    } else {
      diagnostics_ << "fretlab: no sound: " << soundfont_
                   << " is not a SoundFont (.sf2) file; install timgm6mb-soundfont or give "
                      "--soundfont PATH. Playing silently.\n";
    }
    return;
  }

  if (mode == Mode::kAudioDevice) {
    std::string failure;
    if (!StartAudioDriver(failure)) {
      diagnostics_ << "fretlab: no sound: no audio device could be opened (" << failure
                   << "); start PipeWire or PulseAudio, or check the sound card, or use "
                      "--midi-out alsa. Playing silently.\n";
      return;
    }
  }
  working_ = true;
  StartLoading();
}

FluidSynthOutput::~FluidSynthOutput() {
  if (loader_.joinable()) {
    loader_.join();
  }
  if (driver_ != nullptr) {
    delete_fluid_audio_driver(driver_);
  }
  if (synth_ != nullptr) {
    delete_fluid_synth(synth_);
  }
  if (settings_ != nullptr) {
    delete_fluid_settings(settings_);
  }
}

bool FluidSynthOutput::StartAudioDriver(std::string& failure) {
  // JACK is never tried: with no JACK server running it only costs time, and
  // PipeWire answers both PulseAudio and ALSA clients.
  snd_lib_error_set_handler(QuietAlsaError);
  for (const char* name : {"pulseaudio", "alsa"}) {
    if (fluid_settings_setstr(settings_, "audio.driver", name) != FLUID_OK) {
      failure += std::string(failure.empty() ? "" : "; ") + name + ": not built in";
      continue;
    }
    TakeFluidError();
    driver_ = new_fluid_audio_driver2(settings_, AudioCallback, this);
    if (driver_ != nullptr) {
      driverName_ = name;
      break;
    }
    std::string reason = TakeFluidError();
    failure += std::string(failure.empty() ? "" : "; ") + name + ": " +
               (reason.empty() ? std::string("failed") : reason);
  }
  snd_lib_error_set_handler(nullptr);
  return driver_ != nullptr;
}

void FluidSynthOutput::StartLoading() {
  loader_ = std::thread([this] {
    const int id = fluid_synth_sfload(synth_, soundfont_.c_str(), 1);
    const bool loaded = id != FLUID_FAILED &&
                        fluid_synth_program_change(synth_, 0, kNylonGuitarProgram) == FLUID_OK;
    if (!loaded) {
      std::lock_guard lock(g_diagnosticsMutex);
      diagnostics_ << "fretlab: no sound: the soundfont " << soundfont_
                   << " could not be loaded; install timgm6mb-soundfont or give --soundfont "
                      "PATH. Playing silently.\n";
      diagnostics_.flush();
    }
    ready_.store(loaded, std::memory_order_release);
    {
      std::lock_guard lock(loadMutex_);
      loadEnded_ = true;
    }
    loadDone_.notify_all();
  });
}

bool FluidSynthOutput::WaitUntilLoaded() {
  if (!working_) {
    return false;
  }
  std::unique_lock lock(loadMutex_);
  loadDone_.wait(lock, [this] { return loadEnded_; });
  return ready_.load(std::memory_order_acquire);
}

void FluidSynthOutput::open() {
  ++session_;
  started_.Clear();
}

void FluidSynthOutput::send(std::uint32_t shortMessage) {
  ShortMessage message;
  if (!UnpackShortMessage(shortMessage, message)) {
    return;
  }
  // Only notes are played; the program and everything else stay as set up.
  if (message.IsNoteOn()) {
    started_.Add(message.Channel(), message.data1);
    std::lock_guard lock(queueMutex_);
    queue_.push_back({true, message.Channel(), message.data1, message.data2, session_});
  } else if (message.IsNoteOff()) {
    std::lock_guard lock(queueMutex_);
    queue_.push_back({false, message.Channel(), message.data1, 0, session_});
  }
}

void FluidSynthOutput::close() {
  const std::vector<StartedNote> notes = started_.Take();
  std::lock_guard lock(queueMutex_);
  for (const StartedNote& started : notes) {
    const auto waiting = std::find_if(queue_.begin(), queue_.end(), [&](const QueuedEvent& e) {
      return e.noteOn && e.session == session_ && e.channel == started.channel &&
             e.note == started.note;
    });
    if (waiting != queue_.end()) {
      queue_.erase(waiting);  // never sounded: stays silent
    } else {
      queue_.push_back({false, started.channel, started.note, 0, session_});
    }
  }
}

void FluidSynthOutput::ApplyQueued(bool mayBlock) {
  std::unique_lock lock(queueMutex_, std::defer_lock);
  if (mayBlock) {
    lock.lock();
  } else if (!lock.try_lock()) {
    return;
  }
  if (queue_.empty()) {
    return;
  }
  // Before the soundfont is ready there is nothing to play the notes with;
  // they are dropped rather than played late.
  if (ready_.load(std::memory_order_acquire)) {
    for (const QueuedEvent& event : queue_) {
      if (event.noteOn) {
        fluid_synth_noteon(synth_, event.channel, event.note, event.velocity);
      } else {
        fluid_synth_noteoff(synth_, event.channel, event.note);
      }
    }
  }
  queue_.clear();
}

int FluidSynthOutput::AudioCallback(void* data, int len, int nfx, float* fx[], int nout,
                                    float* out[]) {
  auto* self = static_cast<FluidSynthOutput*>(data);
  self->ApplyQueued(false);
  return fluid_synth_process(self->synth_, len, nfx, fx, nout, out);
}

void FluidSynthOutput::Render(float* left, float* right, int frames) {
  if (synth_ == nullptr) {
    std::fill(left, left + frames, 0.0f);
    std::fill(right, right + frames, 0.0f);
    return;
  }
  ApplyQueued(true);
  fluid_synth_write_float(synth_, frames, left, 0, 1, right, 0, 1);
}

}  // namespace fretlab
