#pragma once
// Listening live: a capture (any AudioCapture) feeding the note listener
// and, when asked, the tuner, on the capture's own thread. What the
// Practice window uses; it passes each event on to its event loop.
//
//   LiveListening listening(capture, {.onNote = ..., .onTuner = ...,
//                                     .onLevel = ..., .onFailure = ...});
//   listening.Start("", ListenSettings::ForStrings(44100, 40, 64), failure);
//   listening.SetTuner(tuning, capo);            // or ClearTuner()
//   listening.SetSoundingUntil(lastNoteEnd);     // Fretlab's own sound
//   listening.Stop();
//
// Handlers run on the capture's thread and must not call Start or Stop;
// SetSoundingUntil, SetTuner and ClearTuner may be called from any thread.

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "listen/note_listener.h"
#include "listen/tuner.h"
#include "sound/audio_capture.h"
#include "sound/sound_clock.h"

namespace fretlab {

struct LiveNote {
  HeardNote heard;                   // times in seconds of the capture
  SoundClock::time_point onset{};    // the same times on the sound clock
  SoundClock::time_point decided{};
};

struct ListeningHandlers {
  std::function<void(const LiveNote&)> onNote;
  std::function<void(const TunerReading&)> onTuner;
  // The level of the last block in dBFS, about every kLevelSeconds.
  std::function<void(double levelDb)> onLevel;
  // One plain line; listening has ended (the input went away).
  std::function<void(const std::string& line)> onFailure;
};

class LiveListening {
 public:
  static constexpr double kLevelSeconds = 0.05;

  LiveListening(AudioCapture& capture, ListeningHandlers handlers);
  ~LiveListening();
  LiveListening(const LiveListening&) = delete;
  LiveListening& operator=(const LiveListening&) = delete;

  // Begins listening on `source` (empty: the default input). False with one
  // plain line in `failure` when it cannot.
  bool Start(const std::string& source, const ListenSettings& settings, std::string& failure);
  void Stop();
  bool Listening() const { return listening_; }

  // Fretlab itself sounds until `end` (its last note's end on the sound
  // clock): what is heard until then and its release tail is not reported.
  void SetSoundingUntil(SoundClock::time_point end);
  void SetTuner(const Tuning& tuning, int capo);
  void ClearTuner();

 private:
  void OnBlock(const float* samples, std::size_t count, SoundClock::time_point firstFrame);
  SoundClock::time_point OnClock(double streamSeconds) const;

  AudioCapture& capture_;
  ListeningHandlers handlers_;
  bool listening_ = false;
  // Capture thread only, while listening.
  std::unique_ptr<NoteListener> listener_;
  std::unique_ptr<Tuner> tuner_;
  std::vector<HeardNote> heard_;
  std::vector<TunerReading> readings_;
  SoundClock::time_point streamStart_{};  // the sound clock at stream second 0
  double nextLevel_ = 0;
  // Any thread.
  std::atomic<SoundClock::rep> soundingUntil_{0};  // ticks since the clock's epoch
  std::mutex tunerMutex_;
  bool tunerChanged_ = false;
  std::optional<std::pair<Tuning, int>> tunerWanted_;
};

}  // namespace fretlab
