#include "sound/backends/synth_renderer.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>

namespace fretlab {

namespace {

constexpr std::int64_t kIdleFrames =
    std::chrono::duration_cast<std::chrono::milliseconds>(SynthRenderer::kIdleAfter).count() *
    SynthRenderer::kSampleRate / 1000;

}  // namespace

SynthRenderer::SynthRenderer(fluid_synth_t* synth, const KeyLevels& levels,
                             std::function<void()> onIdle)
    : synth_(synth),
      levels_(levels),
      onIdle_(std::move(onIdle)),
      clock_(kSampleRate, kEventLatency),
      aligner_([this](std::int64_t frame, float* left, float* right) {
        RenderBlock(frame, left, right);
      }),
      // Back to full gain within about 50 ms of the last loud frame.
      limiter_(kCeiling, 1.0f / (0.015f * kSampleRate)) {}

void SynthRenderer::Queue(const TimedEvent& event) {
  std::lock_guard lock(queueMutex_);
  // A note due on the player's grid is stamped earlier than it is sent, and
  // so earlier than the previous note's close when the window woke late.
  // That close is pulled back to the note's stamp: the previous note ends
  // where this one begins, and the queue stays in the order of stamps, so
  // that the note is not held back behind the close (PlanDue stops at the
  // first message not yet due) and a repeated pitch's note-off comes before
  // its new note-on instead of cutting it short.
  for (auto later = queue_.rbegin(); later != queue_.rend() && later->stamp > event.stamp;
       ++later) {
    later->stamp = event.stamp;
  }
  queue_.push_back(event);
}

bool SynthRenderer::Unqueue(unsigned session, int channel, int note,
                            SoundClock::time_point notBefore) {
  std::lock_guard lock(queueMutex_);
  const auto waiting = std::find_if(queue_.begin(), queue_.end(), [&](const TimedEvent& e) {
    return e.noteOn && e.session == session && e.channel == channel && e.note == note &&
           e.stamp >= notBefore;
  });
  if (waiting == queue_.end()) return false;
  queue_.erase(waiting);
  return true;
}

bool SynthRenderer::HasQueued() const {
  std::lock_guard lock(queueMutex_);
  return !queue_.empty();
}

bool SynthRenderer::IsIdle() const {
  std::lock_guard lock(queueMutex_);
  return queue_.empty() && silentFrames_.load() >= kIdleFrames;
}

void SynthRenderer::Render(float* left, float* right, int frames, SoundClock::time_point when) {
  if (restart_.exchange(false)) {
    clock_.Restart();
  }
  const std::int64_t start = aligner_.Position();
  clock_.Observe(start + frames, when);
  PlanDue(start + frames + OnsetAligner::kLookahead);
  aligner_.Render(left, right, frames);
  limiter_.Process(left, right, frames);
}

void SynthRenderer::PlanDue(std::int64_t beforeFrame) {
  std::lock_guard lock(queueMutex_);
  while (!queue_.empty()) {
    const TimedEvent& event = queue_.front();
    const std::int64_t frame = clock_.FrameOf(event.stamp);
    if (frame >= beforeFrame) break;  // stamps rise, so every later one waits too
    const std::int64_t block =
        event.noteOn ? aligner_.PlaceOnset(frame).synthFrame : aligner_.SynthBlockFor(frame);
    planned_.emplace(block, event);
    queue_.pop_front();
    silentFrames_.store(0);
  }
}

void SynthRenderer::RenderBlock(std::int64_t synthFrame, float* left, float* right) {
  for (auto it = planned_.begin(); it != planned_.end() && it->first <= synthFrame;
       it = planned_.erase(it)) {
    const TimedEvent& event = it->second;
    const int channel = levels_.Channel(event.channel, event.note);
    if (event.noteOn) {
      fluid_synth_noteon(synth_, channel, event.note, event.velocity);
    } else {
      fluid_synth_noteoff(synth_, channel, event.note);
    }
  }
  std::fill(left, left + OnsetAligner::kBlock, 0.0f);
  std::fill(right, right + OnsetAligner::kBlock, 0.0f);
  // The dry sound and both effects (reverb left and right, then chorus left
  // and right) are added into the same two channels.
  float* dry[2] = {left, right};
  float* effects[4] = {left, right, left, right};
  fluid_synth_process(synth_, OnsetAligner::kBlock, 4, effects, 2, dry);

  float peak = 0.0f;
  for (int i = 0; i < OnsetAligner::kBlock; ++i) {
    peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
  }
  const bool silent =
      planned_.empty() && peak < kSilentLevel && fluid_synth_get_active_voice_count(synth_) == 0;
  if (!silent) {
    silentFrames_.store(0);
    return;
  }
  const std::int64_t before = silentFrames_.fetch_add(OnsetAligner::kBlock);
  if (before < kIdleFrames && before + OnsetAligner::kBlock >= kIdleFrames && onIdle_) {
    onIdle_();
  }
}

}  // namespace fretlab
