#include "sound/backends/fluid_synth_output.h"

#include <algorithm>
#include <ostream>
#include <utility>

#include "sound/backends/fluid_log.h"
#include "sound/backends/pulse_audio_sink.h"

namespace fretlab {

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
    : now_(std::move(setup.now)) {
  const bool offline = setup.mode == Mode::kOffline;
  if (!now_ && offline) {
    now_ = [this] {
      return SoundClock::time_point{} + std::chrono::duration_cast<SoundClock::duration>(
                                            std::chrono::duration<double>(
                                                double(offlineFrames_.load()) / kSampleRate));
    };
  } else if (!now_) {
    now_ = [] { return SoundClock::now(); };
  }
  QuietFluidLog();
  // The only check made here, in a fraction of a millisecond. Everything slow
  // happens in the background.
  SoundfontChoice soundfont{setup.soundfont.empty() ? setup.defaultSoundfont : setup.soundfont,
                            !setup.soundfont.empty()};
  const std::string problem = SoundfontProblem(soundfont);
  if (!problem.empty()) {
    diagnostics << problem;
    return;
  }
  soundfont_ = soundfont.path;
  synth_ = std::make_unique<BackgroundSynth>(
      BackgroundSynth::Options{std::move(soundfont), offline, std::move(setup.sinks),
                               setup.startOnBegin},
      diagnostics);
}

FluidSynthOutput::~FluidSynthOutput() = default;

void FluidSynthOutput::begin() {
  if (synth_ != nullptr) synth_->Begin();
}

std::string FluidSynthOutput::AudioDriverName() const {
  return synth_ == nullptr ? std::string() : synth_->DriverName();
}

void FluidSynthOutput::Queue(const TimedEvent& event) {
  synth_->Renderer().Queue(event);
  synth_->NoteQueued();
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
  if (!IsReady() || !UnpackShortMessage(shortMessage, message)) return;
  // Only notes are played; the program and everything else stay as set up.
  if (message.IsNoteOn()) {
    started_.Add(message.Channel(), message.data1);
    SoundClock::time_point stamp = now_();
    if (noteDue_ && *noteDue_ < stamp) stamp = std::max(*noteDue_, stamp - kMostEarly);
    Queue({true, message.Channel(), message.data1, message.data2, stamp, session_});
  } else if (message.IsNoteOff()) {
    Queue({false, message.Channel(), message.data1, 0, now_(), session_});
  }
}

void FluidSynthOutput::close() {
  const std::vector<StartedNote> notes = started_.Take();
  if (notes.empty() || !IsReady()) return;
  const SoundClock::time_point now = now_();
  for (const StartedNote& note : notes) {
    if (!synth_->Renderer().Unqueue(session_, note.channel, note.note, now - kSameInstant)) {
      Queue({false, note.channel, note.note, 0, now, session_});
    }
  }
}

void FluidSynthOutput::Render(float* left, float* right, int frames) {
  if (!IsReady()) {
    std::fill(left, left + frames, 0.0f);
    std::fill(right, right + frames, 0.0f);
    return;
  }
  synth_->Renderer().Render(left, right, frames, now_());
  offlineFrames_ += frames;
}

}  // namespace fretlab
