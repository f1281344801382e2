#pragma once
// The one way the built-in synthesizer makes sound, for the audio device and
// offline alike: each queued message is applied at the frame its stamp maps
// to (StreamClock), each note starts on its own frame (OnsetAligner), and
// FluidSynth renders stereo with its reverb, and a limiter keeps the
// loudest strums under a ceiling. A stretch of silence is noticed,
// so that the stream can stop until the next note.

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>

#include "sound/backends/key_levels.h"
#include "sound/backends/onset_aligner.h"
#include "sound/backends/peak_limiter.h"
#include "sound/backends/stream_clock.h"
#include "sound/sound_clock.h"

struct _fluid_synth_t;

namespace fretlab {

struct TimedEvent {
  bool noteOn = true;
  int channel = 0;   // 0..15
  int note = 0;      // 0..127
  int velocity = 0;  // 1..127 for a note-on
  SoundClock::time_point stamp{};
  unsigned session = 0;  // the open() that sent it
};

class SynthRenderer {
 public:
  static constexpr int kSampleRate = 44100;
  // From a stamp to the request that covers its frame. A message is placed
  // exactly when it is queued before the first request that reaches within
  // the aligner's look-ahead (3.6 ms) of its frame, so this is that look-
  // ahead, the most a note may be stamped before it is sent
  // (FluidSynthOutput::kMostEarly) and a margin. It is kept short so that the
  // sound server's buffer can be longer within the same latency.
  static constexpr SoundClock::duration kEventLatency = std::chrono::milliseconds(12);
  // This long without a voice and below kSilentLevel, the stream may stop.
  static constexpr SoundClock::duration kIdleAfter = std::chrono::seconds(2);
  static constexpr float kSilentLevel = 1e-4f;  // -80 dBFS
  // Nothing leaves louder than this: -4 dBFS.
  static constexpr float kCeiling = 0.63f;

  // `synth` must outlive the renderer; each note plays on the channel that
  // `levels` gives its key. `onIdle` is called on the audio side once a
  // stretch of silence reaches kIdleAfter.
  SynthRenderer(_fluid_synth_t* synth, const KeyLevels& levels, std::function<void()> onIdle);

  // Any thread. Messages are queued in the order of their stamps; one
  // stamped before those already queued pulls them back to its stamp.
  void Queue(const TimedEvent& event);
  // Takes the note-on of (session, channel, note) out of the queue if it is
  // there, not yet applied, and stamped at or after `notBefore`; true when it
  // was (the note stays unheard).
  bool Unqueue(unsigned session, int channel, int note, SoundClock::time_point notBefore);
  bool HasQueued() const;
  // Silent for kIdleAfter, with nothing queued.
  bool IsIdle() const;

  // The audio side: fills `frames` frames of a request made at `when`.
  void Render(float* left, float* right, int frames, SoundClock::time_point when);
  // The next Render() is the first of a new stream.
  void Restart() { restart_.store(true); }

 private:
  void PlanDue(std::int64_t beforeFrame);
  void RenderBlock(std::int64_t synthFrame, float* left, float* right);

  _fluid_synth_t* synth_;
  KeyLevels levels_;
  std::function<void()> onIdle_;
  StreamClock clock_;
  OnsetAligner aligner_;
  PeakLimiter limiter_;

  mutable std::mutex queueMutex_;
  std::deque<TimedEvent> queue_;  // guarded by queueMutex_

  // The audio side only: planned messages by the synth block they start.
  std::multimap<std::int64_t, TimedEvent> planned_;
  std::atomic<bool> restart_{true};
  std::atomic<std::int64_t> silentFrames_{0};
};

}  // namespace fretlab
