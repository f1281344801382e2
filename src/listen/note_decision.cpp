#include "listen/note_decision.h"

#include <algorithm>
#include <cmath>

namespace fretlab {

namespace {

constexpr std::size_t kRecentLevels = 6;
// Seconds by which aubio may place an onset after the hop where the note's
// pitch first shows.
constexpr double kOnsetSpread = 0.03;
// Without an onset, a new pitch must hold this many times as long, not fade
// while it holds, and be at least kLoudAfterSilenceDb loud: a fading string
// or its reverb drifts to other pitches for a moment, a slide does not.
constexpr int kChangeHoldFactor = 2;
constexpr double kMostFadeDb = 1.0;
constexpr double kRiseFromSilenceDb = 10;
// A note that rises out of silence without an onset is at least this loud:
// a room's reverb of the note before, rising and falling as it fades, is not.
constexpr double kLoudAfterSilenceDb = -60;

bool IsOctaveOf(int a, int b) { return a != b && (a - b) % 12 == 0; }

}  // namespace

NoteDecision::NoteDecision(int lowestNote, int highestNote, DecisionParameters parameters)
    : lowest_(lowestNote), highest_(highestNote), p_(parameters) {}

bool NoteDecision::Usable(const ListenFrame& frame) const {
  const int note = static_cast<int>(std::lround(frame.note));
  return frame.note > 0 && frame.confidence >= p_.minConfidence && frame.levelDb >= p_.floorDb &&
         note >= lowest_ && note <= highest_;
}

void NoteDecision::NoteOnset(const ListenFrame& frame) {
  onsetArmed_ = true;
  onsetTime_ = std::min(frame.onsetTime, frame.time);
  // The level before the attack: the quietest of the hops before this one.
  levelBeforeOnset_ = recentLevels_.empty()
                          ? -200
                          : *std::min_element(recentLevels_.begin(), recentLevels_.end());
  peakSinceOnset_ = frame.levelDb;
  // A pitch held since well before the onset belongs to the sound before;
  // one that began about when aubio placed the onset is this note's.
  if (candidate_ == sounding_ || candidateStart_ < onsetTime_ - kOnsetSpread) {
    candidateCount_ = 0;
    candidate_ = -1;
  }
}

NoteDecision::Cue NoteDecision::CueFor(int note, const ListenFrame& frame) const {
  const bool onsetFresh = onsetArmed_ && frame.time - onsetTime_ <= p_.cueLifetime;
  if (sounding_ < 0) {
    if (onsetFresh) return Cue::kOnset;
    // A note's own ring after a gap (a room's reverb) fades; a new note
    // whose onset aubio missed rises out of the silence.
    const bool rose = candidateStartLevel_ >= silenceLevel_ + kRiseFromSilenceDb &&
                      frame.levelDb >= kLoudAfterSilenceDb;
    return afterSilence_ && rose ? Cue::kAfterSilence : Cue::kNone;
  }
  if (note == sounding_) {
    const bool windowPastOnset = frame.time - p_.pitchWindow >= onsetTime_;
    const bool rose = peakSinceOnset_ >= levelBeforeOnset_ + p_.reattackRiseDb;
    return onsetFresh && rose && windowPastOnset ? Cue::kOnset : Cue::kNone;
  }
  if (onsetFresh) return Cue::kOnset;
  const int hold = (IsOctaveOf(note, sounding_) ? 3 : kChangeHoldFactor) * p_.holdFrames;
  const bool steady = frame.levelDb >= candidateStartLevel_ - kMostFadeDb &&
                      frame.levelDb >= kLoudAfterSilenceDb;
  return candidateCount_ >= hold && steady ? Cue::kChange : Cue::kNone;
}

std::optional<HeardNote> NoteDecision::Take(const ListenFrame& frame, bool muted) {
  if (frame.onset && !muted) NoteOnset(frame);
  if (muted) onsetArmed_ = false;
  peakSinceOnset_ = std::max(peakSinceOnset_, frame.levelDb);
  recentLevels_.push_back(frame.levelDb);
  if (recentLevels_.size() > kRecentLevels) recentLevels_.pop_front();

  if (!Usable(frame)) {
    candidateCount_ = 0;
    candidate_ = -1;
    runQuietest_ = unusableRun_ == 0 ? frame.levelDb : std::min(runQuietest_, frame.levelDb);
    if (++unusableRun_ >= p_.silenceFrames) {
      silenceLevel_ = runQuietest_;
      sounding_ = -1;
      afterSilence_ = true;
    }
    return std::nullopt;
  }
  unusableRun_ = 0;
  const int note = static_cast<int>(std::lround(frame.note));
  if (note != candidate_) {
    candidate_ = note;
    candidateCount_ = 0;
    candidateStart_ = frame.time;
    candidateCents_ = 0;
    candidateConfidence_ = 0;
    candidateStartLevel_ = frame.levelDb;
  }
  ++candidateCount_;
  candidateCents_ += frame.note - note;
  candidateConfidence_ += frame.confidence;
  // An unsure pitch (noise around it, an attack that is not yet periodic)
  // holds longer before it counts.
  const bool sure = candidateConfidence_ >= p_.sureConfidence * candidateCount_;
  if (candidateCount_ < (sure ? p_.holdFrames : p_.unsureHoldFrames)) return std::nullopt;

  const Cue cue = CueFor(note, frame);
  if (cue == Cue::kNone) return std::nullopt;
  HeardNote heard;
  heard.onset = cue == Cue::kOnset ? onsetTime_
                                   : std::max(0.0, candidateStart_ - p_.pitchWindow / 2);
  heard.decided = frame.time;
  heard.note = note;
  heard.cents = 100.0 * candidateCents_ / candidateCount_;
  heard.levelDb = frame.levelDb;
  sounding_ = note;
  afterSilence_ = false;
  onsetArmed_ = false;
  if (muted) return std::nullopt;
  return heard;
}

}  // namespace fretlab
