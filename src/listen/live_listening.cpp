#include "listen/live_listening.h"

#include <chrono>

namespace fretlab {

LiveListening::LiveListening(AudioCapture& capture, ListeningHandlers handlers)
    : capture_(capture), handlers_(std::move(handlers)) {}

LiveListening::~LiveListening() { Stop(); }

bool LiveListening::Start(const std::string& source, const ListenSettings& settings,
                          std::string& failure) {
  Stop();
  listener_ = std::make_unique<NoteListener>(settings);
  {
    std::lock_guard lock(tunerMutex_);
    tunerChanged_ = true;  // the tuner, if one is wanted, starts with the stream
  }
  tuner_.reset();
  nextLevel_ = 0;
  streamStart_ = {};
  listening_ = capture_.Start(
      source, settings.sampleRate,
      [this](const float* samples, std::size_t count, SoundClock::time_point firstFrame) {
        OnBlock(samples, count, firstFrame);
      },
      [this](const std::string& line) {
        if (handlers_.onFailure) handlers_.onFailure(line);
      },
      failure);
  if (!listening_) listener_.reset();
  return listening_;
}

void LiveListening::Stop() {
  if (!listening_) return;
  capture_.Stop();
  listening_ = false;
  listener_.reset();
  tuner_.reset();
}

void LiveListening::SetSoundingUntil(SoundClock::time_point end) {
  const SoundClock::rep ticks = end.time_since_epoch().count();
  SoundClock::rep seen = soundingUntil_.load();
  while (seen < ticks && !soundingUntil_.compare_exchange_weak(seen, ticks)) {
  }
}

void LiveListening::SetTuner(const Tuning& tuning, int capo) {
  std::lock_guard lock(tunerMutex_);
  tunerWanted_ = std::make_pair(tuning, capo);
  tunerChanged_ = true;
}

void LiveListening::ClearTuner() {
  std::lock_guard lock(tunerMutex_);
  tunerWanted_.reset();
  tunerChanged_ = true;
}

SoundClock::time_point LiveListening::OnClock(double streamSeconds) const {
  return streamStart_ + std::chrono::duration_cast<SoundClock::duration>(
                            std::chrono::duration<double>(streamSeconds));
}

void LiveListening::OnBlock(const float* samples, std::size_t count,
                            SoundClock::time_point firstFrame) {
  const double at = listener_->StreamTime();
  // The stream's seconds placed on the sound clock by its first block; later
  // blocks keep the stream's own count, which does not jitter.
  if (streamStart_ == SoundClock::time_point{}) {
    streamStart_ = firstFrame - std::chrono::duration_cast<SoundClock::duration>(
                                    std::chrono::duration<double>(at));
  }
  const SoundClock::time_point until{SoundClock::duration(soundingUntil_.load())};
  if (until > streamStart_) {
    listener_->SetSoundingUntil(std::chrono::duration<double>(until - streamStart_).count());
  }
  {
    std::lock_guard lock(tunerMutex_);
    if (tunerChanged_) {
      tunerChanged_ = false;
      tuner_ = tunerWanted_ ? std::make_unique<Tuner>(listener_->Settings().sampleRate,
                                                      tunerWanted_->first, tunerWanted_->second)
                            : nullptr;
    }
  }
  heard_.clear();
  listener_->Feed(samples, count, heard_);
  for (const HeardNote& h : heard_) {
    if (handlers_.onNote) handlers_.onNote({h, OnClock(h.onset), OnClock(h.decided)});
  }
  if (tuner_ != nullptr) {
    readings_.clear();
    tuner_->Feed(samples, count, readings_);
    for (const TunerReading& r : readings_) {
      if (handlers_.onTuner) handlers_.onTuner(r);
    }
  }
  if (listener_->StreamTime() >= nextLevel_) {
    nextLevel_ = std::max(nextLevel_ + kLevelSeconds, listener_->StreamTime() - kLevelSeconds);
    if (handlers_.onLevel) handlers_.onLevel(listener_->LevelDb());
  }
}

}  // namespace fretlab
