#include "listen/note_decision.h"

#include <algorithm>
#include <cmath>

#include "listen/struck_harmonic.h"

namespace fretlab {

namespace {

// Hops before an onset, the quietest of which is the level it rises from.
constexpr std::size_t kRecentLevels = 6;
// Seconds by which aubio may place an onset after the hop where the note's
// pitch first shows.
constexpr double kOnsetSpread = 0.03;
// Without an onset, a new pitch must not fade while it holds, and begin at
// least kLoudAfterSilenceDb loud: a fading string or its reverb drifts to
// other pitches for a moment, a slide does not.
constexpr double kMostFadeDb = 1.0;
// A steady tone: this many hops of the sounding pitch at this confidence.
// A hop below kShakenConfidence after it is taken as an onset; it is an
// attack when the level rises too, or when the confidence falls below
// kBrokenConfidence (a string's wave begun anew).
constexpr int kSteadyHops = 6;
constexpr double kSteadyConfidence = 0.98;
constexpr double kShakenConfidence = 0.95;
constexpr double kBrokenConfidence = 0.9;
// Only a string still near its note's loudest is plucked again so, or
// slides to another pitch; a fading ring wavers in the same way, and mains
// hum is heard once the note has faded.
constexpr double kBreakBelowPeakDb = 15;
// A noise gate closes once a note has faded far below its peak; a sound cut
// off nearer to it than this was cut by the stream.
constexpr double kCutBelowPeakDb = 30;
// Seconds after an onset in which its attack's level and break are seen.
constexpr double kAttackSeconds = 0.05;
// Seconds a string rings on after the next note is struck (a guitarist's
// legato, a synthesizer's release).
constexpr double kReleaseOfStringBefore = 0.08;
// An attack reaches at least the last note's peak less kMostBelowNote, less
// kNoteFadePerSecond for every second since that peak.
constexpr double kMostBelowNote = 25;
constexpr double kNoteFadePerSecond = 5;
// A note that rises out of silence without an onset begins kRiseFromSilenceDb
// above the silence and at least kLoudAfterSilenceDb loud: a room's reverb
// of the note before, rising and falling as it fades, does not.
constexpr double kRiseFromSilenceDb = 10;
constexpr double kLoudAfterSilenceDb = -60;

bool IsOctaveOf(int a, int b) { return a != b && (a - b) % 12 == 0; }

// `upper` is the 2nd to 8th harmonic of `lower`, to the nearest semitone.
// Two notes sounding together are periodic at a pitch both are harmonics
// of: a string still ringing when the next is struck a fifth above it makes
// YIN hear the octave below the first for a moment.
bool IsHarmonicOf(int upper, int lower) { return HarmonicIndex(upper, lower) >= 2; }

}  // namespace

NoteDecision::NoteDecision(int lowestNote, int highestNote, DecisionParameters parameters,
                           const HarmonicSource* harmonics)
    : lowest_(lowestNote), highest_(highestNote), p_(parameters), harmonics_(harmonics) {}

bool NoteDecision::Usable(const ListenFrame& frame) const {
  const int note = static_cast<int>(std::lround(frame.note));
  return frame.note > 0 && frame.confidence >= p_.minConfidence && frame.levelDb >= p_.floorDb &&
         note >= lowest_ && note <= highest_;
}

void NoteDecision::NoteOnset(double time, bool fromBreak) {
  // An onset before a break stays the note's when the break makes one.
  if (fromBreak && onsetArmed_ && !onsetFromBreak_ && time - onsetTime_ <= p_.cueLifetime) return;
  onsetArmed_ = true;
  onsetFromBreak_ = fromBreak;
  sharedPeriod_ = -1;
  onsetTime_ = time;
  // The level before the attack: the quietest of the last hops that end
  // before the onset; the attack's own: the loudest since.
  levelBeforeOnset_ = 0;
  peakSinceOnset_ = -200;
  confidenceSinceOnset_ = 1;
  int before = 0;
  for (auto hop = hops_.rbegin(); hop != hops_.rend(); ++hop) {
    if (hop->time > onsetTime_ + kAttackSeconds) continue;
    if (hop->time > onsetTime_) {
      peakSinceOnset_ = std::max(peakSinceOnset_, hop->levelDb);
      confidenceSinceOnset_ = std::min(confidenceSinceOnset_, hop->confidence);
    } else if (before++ < int(kRecentLevels)) {
      levelBeforeOnset_ = std::min(levelBeforeOnset_, hop->levelDb);
    }
  }
  // Pitches heard since well before the onset belong to the sound before;
  // one that began about when aubio placed the onset is this note's.
  ringing_ = sounding_;
  while (!hops_.empty() && hops_.front().time < onsetTime_ - kOnsetSpread) {
    if (hops_.front().note >= 0) ringing_ = hops_.front().note;
    hops_.pop_front();
  }
}

// A string plucked again while it rings starts its wave anew: for a hop or
// two YIN finds no clear period where it found a perfect one, though the
// level need not change. Taken as an onset when aubio saw none.
bool NoteDecision::PhaseBreak(const ListenFrame& frame) const {
  if (sounding_ < 0 || frame.confidence >= kShakenConfidence ||
      hops_.size() < std::size_t(kSteadyHops) + 1) {
    return false;
  }
  // The hops before the last (which may already waver) held steady, and
  // the level has not fallen below theirs.
  double quietest = 0;
  for (std::size_t i = hops_.size() - 1 - kSteadyHops; i + 1 < hops_.size(); ++i) {
    if (hops_[i].note != sounding_ || hops_[i].confidence < kSteadyConfidence) return false;
    quietest = std::min(quietest, hops_[i].levelDb);
  }
  return frame.levelDb >= quietest - kMostFadeDb && frame.levelDb >= notePeak_ - kBreakBelowPeakDb;
}

// A break in a sound that was not fading out is the stream's, not the
// player's: until the detectors' windows have passed it, its onsets and
// the hops it spoils end no note. Before a noise gate closes the sound has
// faded, so a gated pause followed by a pluck stays a pluck.
void NoteDecision::NoteBreak(const ListenFrame& frame) {
  for (auto hop = hops_.rbegin(); hop != hops_.rend(); ++hop) {
    if (hop->time > frame.breakStart) continue;
    if (hop->note < 0 || hop->levelDb < notePeak_ - kCutBelowPeakDb) return;
    breakFrom_ = frame.breakStart;
    beforeBreak_ = hop->note;
    bridgeUntil_ = frame.breakEnd + p_.pitchWindow + p_.hopSeconds;
    return;
  }
}

bool NoteDecision::FromBreak(double onsetTime) const {
  return onsetTime >= breakFrom_ - kOnsetSpread && onsetTime <= bridgeUntil_;
}

// When the program's own sound ends, whatever still sounds is known: the
// pitch of the last hops rings on unreported, as a reported note would.
void NoteDecision::TakeAsKnown() {
  onsetArmed_ = false;
  sharedPeriod_ = -1;
  overRinging_ = false;
  sounding_ = -1;
  notePeak_ = -200;
  for (auto hop = hops_.rbegin(); hop != hops_.rend(); ++hop) {
    if (sounding_ < 0 && hop->note >= 0) sounding_ = hop->note;
    notePeak_ = std::max(notePeak_, hop->levelDb);
  }
  notePeakAt_ = hops_.empty() ? 0 : hops_.back().time;
  ringing_ = sounding_;
  afterSilence_ = sounding_ < 0;
}

NoteDecision::Tally NoteDecision::Count(int note, int window) const {
  Tally tally;
  const std::size_t from = hops_.size() > std::size_t(window) ? hops_.size() - window : 0;
  for (std::size_t i = from; i < hops_.size(); ++i) {
    if (hops_[i].note != note) continue;
    if (tally.count++ == 0) {
      tally.firstTime = hops_[i].time;
      tally.firstLevelDb = hops_[i].levelDb;
    }
    tally.quietestDb = std::min(tally.quietestDb, hops_[i].levelDb);
    tally.confidence += hops_[i].confidence;
    tally.cents += hops_[i].cents;
  }
  return tally;
}

bool NoteDecision::OnsetIsAttack(const ListenFrame& frame) const {
  if (!onsetArmed_ || frame.time - onsetTime_ > p_.cueLifetime) return false;
  // A pluck raises the level; a room's reverb swelling back after a dip
  // rises too, but stays far below the note it belongs to.
  const double ringLevel =
      notePeak_ - kMostBelowNote - kNoteFadePerSecond * (frame.time - notePeakAt_);
  const bool struck = peakSinceOnset_ >= levelBeforeOnset_ + p_.reattackRiseDb ||
                      confidenceSinceOnset_ < kBrokenConfidence;
  return struck && peakSinceOnset_ >= ringLevel;
}

NoteDecision::Cue NoteDecision::CueFor(int note, const ListenFrame& frame,
                                       const Tally& tally) const {
  if (OnsetIsAttack(frame)) {
    // The sound before a break, back after it, is that sound still.
    if (onsetFromBreak_ && (note == sounding_ || note == ringing_ || note == beforeBreak_)) {
      return Cue::kNone;
    }
    // The pitch that rang before the onset, or one it is a harmonic of, is
    // taken only once the detector's window lies wholly after the onset:
    // until then it may still hear the string before, alone or with the new.
    // The string before fades for a while after the next is struck, so a
    // pitch below it waits out that release too.
    const double windowStart = frame.time - p_.pitchWindow;
    if (note == sounding_ || note == ringing_) {
      return windowStart >= onsetTime_ ? Cue::kOnset : Cue::kNone;
    }
    const bool below = (sounding_ >= 0 && IsHarmonicOf(sounding_, note)) ||
                       (ringing_ >= 0 && IsHarmonicOf(ringing_, note));
    if (!below || windowStart >= onsetTime_ + kReleaseOfStringBefore) return Cue::kOnset;
    return Cue::kNone;
  }
  if (sounding_ < 0) {
    // A note's own ring after a gap (a room's reverb) fades; a new note
    // whose onset aubio missed rises out of the silence.
    const bool rose = tally.firstLevelDb >= silenceLevel_ + kRiseFromSilenceDb &&
                      tally.firstLevelDb >= kLoudAfterSilenceDb && note != ringing_;
    return afterSilence_ && rose ? Cue::kAfterSilence : Cue::kNone;
  }
  if (note == sounding_) return Cue::kNone;
  const int hold = IsOctaveOf(note, sounding_) ? 3 * p_.changeHoldFrames / 2 : p_.changeHoldFrames;
  const Tally change = Count(note, hold + hold / 4);
  const bool steady = change.quietestDb >= change.firstLevelDb - kMostFadeDb &&
                      change.firstLevelDb >= kLoudAfterSilenceDb &&
                      change.firstLevelDb >= notePeak_ - kBreakBelowPeakDb;
  return change.count >= hold && steady ? Cue::kChange : Cue::kNone;
}

// The note struck at the onset when `note` is heard, -1 for none: `note`
// itself, unless it is the note before or a period below it that both
// share; then the harmonics tell (FindStruckHarmonic).
int NoteDecision::StruckNote(int note, double cents, double now) const {
  int shared = 0;
  for (int before : {sounding_, ringing_}) {
    if (shared == 0 && before >= 0) shared = HarmonicIndex(before, note);
  }
  if (harmonics_ == nullptr || shared == 0) return note;
  const StruckHarmonic found =
      FindStruckHarmonic(*harmonics_, note + cents / 100, onsetTime_ - kOnsetSpread, now);
  // Where the onset brought little, the string before was struck again
  // softly; or nothing was struck, and a string was let go beside it (as
  // is the string a note was struck over).
  if (found.little) return shared == 1 && !overRinging_ ? note : -1;
  if (found.harmonic == 0) return note;
  const int struck = note + HarmonicSemitones(found.harmonic);
  return struck <= highest_ ? struck : note;
}

void NoteDecision::Remember(const ListenFrame& frame, int note) {
  const double cents = note >= 0 ? frame.note - std::lround(frame.note) : 0;
  hops_.push_back({note, cents, frame.confidence, frame.time, frame.levelDb});
  const std::size_t most = 3 * p_.holdFrames + p_.unsureHoldFrames;
  while (hops_.size() > most) hops_.pop_front();
}

std::optional<HeardNote> NoteDecision::Take(const ListenFrame& frame, bool muted) {
  const bool usable = Usable(frame);
  int note = usable ? static_cast<int>(std::lround(frame.note)) : -1;
  if (note >= 0 && note == sharedPeriod_) note = sounding_;
  const bool phaseBreak = PhaseBreak(frame);
  if (frame.breakEnd > frame.breakStart) NoteBreak(frame);
  const bool bridging = frame.time < bridgeUntil_;
  Remember(frame, note);
  // The stream's first window has nothing before it to rise from: sound
  // that is there when listening begins (hum, a string ringing) is no attack.
  const bool started = frame.time > p_.pitchWindow;
  if (!muted && frame.onset && frame.onsetTime > p_.pitchWindow) {
    const double at = std::min(frame.onsetTime, frame.time);
    NoteOnset(at, FromBreak(at));
  } else if (!muted && phaseBreak) {
    NoteOnset(frame.time - p_.hopSeconds, bridging);
  } else if (frame.time <= onsetTime_ + kAttackSeconds) {
    peakSinceOnset_ = std::max(peakSinceOnset_, frame.levelDb);
    confidenceSinceOnset_ = std::min(confidenceSinceOnset_, frame.confidence);
  }
  if (muted) onsetArmed_ = false;
  if (wasMuted_ && !muted) TakeAsKnown();
  wasMuted_ = muted;
  if (!started) return std::nullopt;
  if (sounding_ >= 0 && frame.levelDb > notePeak_) {
    notePeak_ = frame.levelDb;
    notePeakAt_ = frame.time;
  }
  if (!usable) {
    if (bridging) return std::nullopt;
    runQuietest_ = unusableRun_ == 0 ? frame.levelDb : std::min(runQuietest_, frame.levelDb);
    if (++unusableRun_ >= p_.silenceFrames) {
      silenceLevel_ = runQuietest_;
      sounding_ = -1;
      sharedPeriod_ = -1;
      overRinging_ = false;
      afterSilence_ = true;
    }
    return std::nullopt;
  }
  unusableRun_ = 0;
  // The pitch must fill most of the last hops; an unsure one (noise around
  // it, an attack not yet periodic) for longer. A stray hop or two of
  // another pitch, or none, in between is forgiven.
  Tally tally = Count(note, p_.holdFrames + p_.holdFrames / 4);
  const bool sure = tally.count >= p_.holdFrames &&
                    tally.confidence >= p_.sureConfidence * tally.count;
  if (!sure) {
    tally = Count(note, p_.unsureHoldFrames + p_.unsureHoldFrames / 4);
    if (tally.count < p_.unsureHoldFrames) return std::nullopt;
  }
  const Cue cue = CueFor(note, frame, tally);
  if (cue == Cue::kNone) return std::nullopt;
  const double cents = 100.0 * tally.cents / tally.count;
  const int struck = cue == Cue::kOnset ? StruckNote(note, cents, frame.time) : note;
  if (struck < 0) {
    onsetArmed_ = false;
    return std::nullopt;
  }
  HeardNote heard;
  heard.onset = cue == Cue::kOnset ? onsetTime_
                                   : std::max(0.0, tally.firstTime - p_.pitchWindow / 2);
  heard.decided = frame.time;
  heard.note = struck;
  heard.cents = cents;
  heard.levelDb = frame.levelDb;
  sounding_ = struck;
  sharedPeriod_ = struck != note ? note : -1;
  overRinging_ = struck != note;
  ringing_ = -1;
  notePeak_ = frame.levelDb;
  notePeakAt_ = frame.time;
  afterSilence_ = false;
  onsetArmed_ = false;
  if (muted) return std::nullopt;
  return heard;
}

}  // namespace fretlab
