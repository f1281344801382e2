#include "sound/backends/pulse_audio_capture.h"

#include <pulse/pulseaudio.h>

#include <vector>

namespace fretlab {

namespace {

constexpr const char* kNoServer = "No sound server to listen through: start PipeWire or PulseAudio.";
constexpr const char* kNoInput =
    "No input to listen to: plug in a microphone or a guitar's audio interface.";
constexpr const char* kServerGone =
    "The sound server went away: start PipeWire or PulseAudio and listen again.";

// Waits on the main loop for `operation` to end; the lock is held.
void Await(pa_threaded_mainloop* loop, pa_operation* operation) {
  if (operation == nullptr) return;
  while (pa_operation_get_state(operation) == PA_OPERATION_RUNNING) {
    pa_threaded_mainloop_wait(loop);
  }
  pa_operation_unref(operation);
}

struct SourceQuery {
  pa_threaded_mainloop* loop;
  std::string defaultName;
  std::vector<CaptureSource> sources;
};

void OnServerInfo(pa_context*, const pa_server_info* info, void* query) {
  auto* q = static_cast<SourceQuery*>(query);
  if (info != nullptr && info->default_source_name != nullptr) {
    q->defaultName = info->default_source_name;
  }
  pa_threaded_mainloop_signal(q->loop, 0);
}

void OnSourceInfo(pa_context*, const pa_source_info* info, int last, void* query) {
  auto* q = static_cast<SourceQuery*>(query);
  if (last == 0 && info != nullptr) {
    q->sources.push_back({info->name, info->description != nullptr ? info->description : info->name,
                          false});
  }
  if (last != 0) pa_threaded_mainloop_signal(q->loop, 0);
}

// The sources with the default first and marked; the lock is held.
std::vector<CaptureSource> QuerySources(pa_threaded_mainloop* loop, pa_context* context) {
  SourceQuery query{loop, {}, {}};
  Await(loop, pa_context_get_server_info(context, &OnServerInfo, &query));
  Await(loop, pa_context_get_source_info_list(context, &OnSourceInfo, &query));
  std::vector<CaptureSource> ordered;
  for (CaptureSource& s : query.sources) {
    s.isDefault = s.name == query.defaultName;
    if (s.isDefault) ordered.insert(ordered.begin(), s);
    else ordered.push_back(s);
  }
  return ordered;
}

}  // namespace

PulseAudioCapture::~PulseAudioCapture() { Stop(); }

void PulseAudioCapture::OnContextState(pa_context* context, void* self) {
  auto* capture = static_cast<PulseAudioCapture*>(self);
  const pa_context_state_t state = pa_context_get_state(context);
  if (capture->stream_ != nullptr && !PA_CONTEXT_IS_GOOD(state)) capture->Lost(kServerGone);
  pa_threaded_mainloop_signal(capture->loop_, 0);
}

bool PulseAudioCapture::Connect(std::string& failure) {
  loop_ = pa_threaded_mainloop_new();
  context_ = loop_ != nullptr ? pa_context_new(pa_threaded_mainloop_get_api(loop_), "Fretlab")
                              : nullptr;
  if (context_ == nullptr) {
    failure = kNoServer;
    Disconnect();
    return false;
  }
  pa_context_set_state_callback(context_, &PulseAudioCapture::OnContextState, this);
  if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
      pa_threaded_mainloop_start(loop_) < 0) {
    failure = kNoServer;
    Disconnect();
    return false;
  }
  pa_threaded_mainloop_lock(loop_);
  pa_context_state_t state;
  while ((state = pa_context_get_state(context_)) != PA_CONTEXT_READY &&
         PA_CONTEXT_IS_GOOD(state)) {
    pa_threaded_mainloop_wait(loop_);
  }
  pa_threaded_mainloop_unlock(loop_);
  if (state != PA_CONTEXT_READY) {
    failure = kNoServer;
    Disconnect();
    return false;
  }
  return true;
}

void PulseAudioCapture::Disconnect() {
  if (loop_ != nullptr) pa_threaded_mainloop_stop(loop_);
  if (context_ != nullptr) {
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
  }
  if (loop_ != nullptr) {
    pa_threaded_mainloop_free(loop_);
    loop_ = nullptr;
  }
}

std::vector<CaptureSource> PulseAudioCapture::Sources(std::string& failure) {
  if (loop_ != nullptr) {  // capturing: ask on the open connection
    pa_threaded_mainloop_lock(loop_);
    std::vector<CaptureSource> sources = QuerySources(loop_, context_);
    pa_threaded_mainloop_unlock(loop_);
    return sources;
  }
  if (!Connect(failure)) return {};
  pa_threaded_mainloop_lock(loop_);
  std::vector<CaptureSource> sources = QuerySources(loop_, context_);
  pa_threaded_mainloop_unlock(loop_);
  Disconnect();
  if (sources.empty()) failure = kNoInput;
  return sources;
}

}  // namespace fretlab
