#include "sound/backends/pulse_audio_sink.h"

#include <pthread.h>
#include <pulse/pulseaudio.h>
#include <sched.h>

namespace fretlab {

namespace {

constexpr std::size_t kFrameBytes = 2 * sizeof(float);  // stereo, interleaved

}  // namespace


PulseAudioSink::PulseAudioSink(int sampleRate, RenderFunction render)
    : sampleRate_(sampleRate), render_(std::move(render)) {}

PulseAudioSink::~PulseAudioSink() {
  Stop();
  if (loop_ != nullptr) {
    pa_threaded_mainloop_stop(loop_);
  }
  if (context_ != nullptr) {
    pa_context_disconnect(context_);
    pa_context_unref(context_);
  }
  if (loop_ != nullptr) {
    pa_threaded_mainloop_free(loop_);
  }
}

void PulseAudioSink::OnContextState(pa_context*, void* self) {
  pa_threaded_mainloop_signal(static_cast<PulseAudioSink*>(self)->loop_, 0);
}

bool PulseAudioSink::Connect(std::string& failure) {
  loop_ = pa_threaded_mainloop_new();
  if (loop_ == nullptr) {
    failure = "no PulseAudio main loop";
    return false;
  }
  context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Fretlab");
  if (context_ == nullptr) {
    failure = "no PulseAudio context";
    return false;
  }
  pa_context_set_state_callback(context_, &PulseAudioSink::OnContextState, this);
  // Never start a sound server of our own: without one, the ALSA device is
  // tried next.
  if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
      pa_threaded_mainloop_start(loop_) < 0) {
    failure = pa_strerror(pa_context_errno(context_));
    return false;
  }
  pa_threaded_mainloop_lock(loop_);
  pa_context_state_t state;
  while ((state = pa_context_get_state(context_)) != PA_CONTEXT_READY &&
         PA_CONTEXT_IS_GOOD(state)) {
    pa_threaded_mainloop_wait(loop_);
  }
  if (state != PA_CONTEXT_READY) {
    failure = pa_strerror(pa_context_errno(context_));
  }
  pa_threaded_mainloop_unlock(loop_);
  return state == PA_CONTEXT_READY;
}

bool PulseAudioSink::Start() {
  if (context_ == nullptr) return false;
  pa_threaded_mainloop_lock(loop_);
  bool started = stream_ != nullptr;
  if (!started && pa_context_get_state(context_) == PA_CONTEXT_READY) {
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(sampleRate_), 2};
    stream_ = pa_stream_new(context_, "Fretlab", &format, nullptr);
    if (stream_ != nullptr) {
      pa_stream_set_write_callback(stream_, &PulseAudioSink::OnWrite, this);
      // The stream begins to play once its first frames are in, so that
      // its time starts with the frames written (see Write for later).
      const pa_buffer_attr attr = BufferAttributes(static_cast<std::uint32_t>(-1));
      prebuffering_ = true;
      // The server sets its own latency so that the whole way to the
      // speaker takes about kBufferFrames.
      started = pa_stream_connect_playback(stream_, nullptr, &attr, PA_STREAM_ADJUST_LATENCY,
                                           nullptr, nullptr) == 0;
      if (!started) {
        pa_stream_unref(stream_);
        stream_ = nullptr;
      }
    }
  }
  pa_threaded_mainloop_unlock(loop_);
  return started;
}

void PulseAudioSink::Stop() {
  if (loop_ == nullptr) return;
  pa_threaded_mainloop_lock(loop_);
  if (stream_ != nullptr) {
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
  }
  pa_threaded_mainloop_unlock(loop_);
}

pa_buffer_attr PulseAudioSink::BufferAttributes(std::uint32_t prebuf) {
  pa_buffer_attr attr{};
  attr.maxlength = static_cast<std::uint32_t>(-1);
  attr.tlength = kBufferFrames * kFrameBytes;
  attr.prebuf = prebuf;
  attr.minreq = kRequestFrames * kFrameBytes;
  attr.fragsize = static_cast<std::uint32_t>(-1);
  return attr;
}

void PulseAudioSink::OnWrite(pa_stream*, std::size_t bytes, void* self) {
  static_cast<PulseAudioSink*>(self)->Write(bytes);
}

// Real-time priority for the thread that renders, as FluidSynth's own drivers
// ask for: a busy machine then delays the window, not the sound. Without the
// right to it (RLIMIT_RTPRIO 0 and no CAP_SYS_NICE) the thread keeps its
// priority.
static void RaiseRenderingPriority() {
  static thread_local bool tried = false;
  if (tried) return;
  tried = true;
  sched_param param{};
  param.sched_priority = 60;
  pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
}

void PulseAudioSink::Write(std::size_t bytes) {
  RaiseRenderingPriority();
  const SoundClock::time_point when = SoundClock::now();
  while (bytes >= kFrameBytes) {
    void* data = nullptr;
    std::size_t size = bytes;
    if (pa_stream_begin_write(stream_, &data, &size) < 0 || data == nullptr) return;
    const int frames = static_cast<int>(std::min(size, bytes) / kFrameBytes);
    if (frames == 0) {
      pa_stream_cancel_write(stream_);
      return;
    }
    left_.resize(frames);
    right_.resize(frames);
    render_(left_.data(), right_.data(), frames, when);
    auto* out = static_cast<float*>(data);
    for (int i = 0; i < frames; ++i) {
      out[2 * i] = left_[i];
      out[2 * i + 1] = right_[i];
    }
    pa_stream_write(stream_, data, frames * kFrameBytes, nullptr, 0, PA_SEEK_RELATIVE);
    bytes -= frames * kFrameBytes;
  }
  if (prebuffering_) {
    // Playing now, no more prebuffering: when the server runs out of frames
    // it plays on through the gap and drops what comes too late, so the
    // stream keeps its place on the server's clock and every later note
    // stays on its grid. With prebuffering it would pause until refilled,
    // and all that follows would sound late by the pause.
    prebuffering_ = false;
    const pa_buffer_attr attr = BufferAttributes(0);
    if (pa_operation* op = pa_stream_set_buffer_attr(stream_, &attr, nullptr, nullptr)) {
      pa_operation_unref(op);
    }
  }
}

}  // namespace fretlab
