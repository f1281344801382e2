// PulseAudioCapture's stream: starting it on a source, reading its
// fragments, and noticing that its source or the server has gone.

#include <pulse/pulseaudio.h>

#include <chrono>
#include <vector>

#include "sound/backends/pulse_audio_capture.h"

namespace fretlab {

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

bool PulseAudioCapture::Start(const std::string& source, int sampleRate, BlockHandler onBlock,
                              FailureHandler onFailure, std::string& failure) {
  Stop();
  std::vector<CaptureSource> sources = Sources(failure);
  if (sources.empty()) return false;
  const CaptureSource* chosen = &sources.front();
  if (!source.empty()) {
    chosen = nullptr;
    for (const CaptureSource& s : sources) {
      if (s.name == source) chosen = &s;
    }
    if (chosen == nullptr) {
      failure = "The input " + Quoted(source) + " is not there: plug it in or choose another input.";
      return false;
    }
  }
  description_ = chosen->description;
  sampleRate_ = sampleRate;
  onBlock_ = std::move(onBlock);
  onFailure_ = std::move(onFailure);
  lost_ = false;
  if (!Connect(failure)) return false;

  pa_threaded_mainloop_lock(loop_);
  const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(sampleRate), 1};
  stream_ = pa_stream_new(context_, "Fretlab listening", &format, nullptr);
  bool ready = false;
  if (stream_ != nullptr) {
    pa_stream_set_state_callback(stream_, &PulseAudioCapture::OnStreamState, this);
    pa_stream_set_read_callback(stream_, &PulseAudioCapture::OnRead, this);
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.fragsize = kFragmentFrames * sizeof(float);
    // A chosen input that disappears ends the stream (and says so); the
    // default input follows the system's default.
    const auto flags = static_cast<pa_stream_flags_t>(
        PA_STREAM_ADJUST_LATENCY | (source.empty() ? 0 : PA_STREAM_DONT_MOVE));
    if (pa_stream_connect_record(stream_, chosen->name.c_str(), &attr, flags) == 0) {
      pa_stream_state_t state;
      while ((state = pa_stream_get_state(stream_)) == PA_STREAM_CREATING) {
        pa_threaded_mainloop_wait(loop_);
      }
      ready = state == PA_STREAM_READY;
    }
  }
  if (!ready) {
    failure = "The sound server refused the input " + Quoted(description_) + " (" +
              pa_strerror(pa_context_errno(context_)) + "): choose another input.";
  }
  pa_threaded_mainloop_unlock(loop_);
  if (!ready) Stop();
  return ready;
}

void PulseAudioCapture::Stop() {
  if (loop_ == nullptr) return;
  pa_threaded_mainloop_lock(loop_);
  if (stream_ != nullptr) {
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_read_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
  }
  pa_threaded_mainloop_unlock(loop_);
  Disconnect();
}

void PulseAudioCapture::OnStreamState(pa_stream* stream, void* self) {
  auto* capture = static_cast<PulseAudioCapture*>(self);
  const pa_stream_state_t state = pa_stream_get_state(stream);
  if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) {
    capture->Lost("The input " + Quoted(capture->description_) +
                  " is gone: plug it in again or choose another input.");
  }
  pa_threaded_mainloop_signal(capture->loop_, 0);
}

void PulseAudioCapture::Lost(const std::string& line) {
  // Only once the stream was running; a refusal at the start is Start's.
  if (lost_ || stream_ == nullptr || pa_stream_get_state(stream_) == PA_STREAM_CREATING) return;
  lost_ = true;
  if (onFailure_) onFailure_(line);
}

void PulseAudioCapture::OnRead(pa_stream*, std::size_t, void* self) {
  static_cast<PulseAudioCapture*>(self)->Read();
}

void PulseAudioCapture::Read() {
  static thread_local std::vector<float> silence;
  while (!lost_ && pa_stream_readable_size(stream_) > 0) {
    const void* data = nullptr;
    std::size_t bytes = 0;
    if (pa_stream_peek(stream_, &data, &bytes) < 0 || bytes == 0) return;
    const std::size_t count = bytes / sizeof(float);
    // The fragment's first frame was captured a fragment's length ago.
    const SoundClock::time_point first =
        SoundClock::now() - std::chrono::duration_cast<SoundClock::duration>(
                                std::chrono::duration<double>(double(count) / sampleRate_));
    if (data == nullptr) {  // a hole: frames the server lost, heard as silence
      silence.assign(count, 0.f);
      data = silence.data();
    }
    if (onBlock_) onBlock_(static_cast<const float*>(data), count, first);
    pa_stream_drop(stream_);
  }
}

}  // namespace fretlab
