#pragma once
// The rule that turns analysed hops into played notes, one report per note.
//
// A note is reported once its pitch fills most of the last usable hops (YIN
// confident, loud enough, within range) after a cue that a note begins: an
// onset that is a real attack, a loud pitch rising out of silence, or a new
// pitch that holds long without fading (a slide, a hammer-on). The pitch
// that rang before an onset counts again only once the detector's window
// lies wholly after the onset, so a ringing string is never reported twice,
// nor the string before mistaken for the new one. An onset must rise above
// the hops before it and come near the last note's peak: a room's reverb
// swelling back is no pluck. A break in the stream (a buffer run dry) is
// bridged: the note before it sounds on, and the onset its return makes
// begins no note of that pitch. When the pitch heard after an onset is the
// string still ringing, or a period below it that the new note shares with
// it (the octave above it is heard as that string, a fifth above it as the
// octave below), what the onset brought to each harmonic tells which note
// was struck (struck_harmonic.h). Muted hops (the program's own sound)
// update what is sounding without reporting it, so its ring does not
// answer later.

#include <deque>
#include <optional>

#include "listen/hop_analyser.h"

namespace fretlab {

struct HeardNote {
  double onset = 0;    // seconds from the stream's first sample
  double decided = 0;  // seconds: the end of the hop that decided it
  int note = 0;        // MIDI
  double cents = 0;    // -50..+50 from `note`, mean over the hops that held
  double levelDb = 0;  // dBFS RMS of the deciding hop
  friend bool operator==(const HeardNote&, const HeardNote&) = default;
};

struct DecisionParameters {
  int holdFrames = 6;            // hops a sure pitch holds (5.8 ms each at 44.1 kHz)
  double sureConfidence = 0.95;  // sure: the held hops' mean YIN confidence reaches this
  int unsureHoldFrames = 12;     // hops an unsure pitch holds
  int changeHoldFrames = 16;     // hops a new pitch without an onset holds; 24 for an octave
  double minConfidence = 0.6;    // below it a hop has no pitch
  double floorDb = -75;          // hops quieter than this are silence
  int silenceFrames = 8;         // unusable hops in a row that end a note
  double cueLifetime = 0.30;     // seconds an onset waits for its pitch
  double reattackRiseDb = 3;     // an onset's rise over the hops before it
  double pitchWindow = 2048.0 / 44100;  // seconds the detector looks back
  double hopSeconds = 256.0 / 44100;
};

class NoteDecision {
 public:
  // `harmonics`: the sound's harmonics, to tell a note struck above one that
  // rings on; without it the pitch heard is taken (or waited out).
  NoteDecision(int lowestNote, int highestNote, DecisionParameters parameters = {},
               const HarmonicSource* harmonics = nullptr);

  // One hop after another. `muted`: the hop is heard but never reported.
  std::optional<HeardNote> Take(const ListenFrame& frame, bool muted = false);
  // The note taken as sounding, -1 for none.
  int Sounding() const { return sounding_; }

 private:
  enum class Cue { kNone, kOnset, kAfterSilence, kChange };
  struct Hop {
    int note;  // MIDI, -1 for a hop that is not usable
    double cents, confidence, time, levelDb;
  };
  struct Tally {  // a pitch's hops among the last few
    int count = 0;
    double confidence = 0, cents = 0;  // sums
    double firstTime = 0, firstLevelDb = 0, quietestDb = 0;
  };
  void NoteOnset(double time, bool fromBreak);
  void NoteBreak(const ListenFrame& frame);
  bool FromBreak(double onsetTime) const;
  bool PhaseBreak(const ListenFrame& frame) const;
  void TakeAsKnown();
  bool Usable(const ListenFrame& frame) const;
  void Remember(const ListenFrame& frame, int note);
  Tally Count(int note, int window) const;
  Cue CueFor(int note, const ListenFrame& frame, const Tally& tally) const;
  bool OnsetIsAttack(const ListenFrame& frame) const;
  int StruckNote(int note, double cents, double now) const;

  int lowest_, highest_;
  DecisionParameters p_;
  const HarmonicSource* harmonics_;
  std::deque<Hop> hops_;  // the last hops since the last onset, newest last
  int sounding_ = -1, ringing_ = -1;  // ringing_: the pitch that rang just before the last onset
  double notePeak_ = -200, notePeakAt_ = 0;  // dBFS and seconds: the last note's loudest hop
  int unusableRun_ = 0;
  bool afterSilence_ = true;
  // dBFS, the quietest hop of the last silence (a steady hum from the
  // stream's start has risen out of none) and of the present unusable hops.
  double silenceLevel_ = 0, runQuietest_ = -200;
  bool onsetArmed_ = false, wasMuted_ = false;
  double onsetTime_ = 0, levelBeforeOnset_ = 0, peakSinceOnset_ = -200;
  double confidenceSinceOnset_ = 1;  // the lowest YIN confidence since the onset
  // Seconds: the last bridged break's start, and the end of its shadow (the
  // detectors' windows reach over the break until then).
  double breakFrom_ = -1, bridgeUntil_ = -1;
  int beforeBreak_ = -1;  // the pitch heard just before that break
  // The period the sounding note shares with the string still ringing,
  // heard as that note until the next onset; -1 for none.
  int sharedPeriod_ = -1;
  bool overRinging_ = false;  // the sounding note was struck over a string ringing on
  bool onsetFromBreak_ = false;  // the armed onset is one a break made
};

}  // namespace fretlab
