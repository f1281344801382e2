#pragma once
// The rule that turns analysed hops into played notes, one report per note.
//
// A note is reported once its pitch has held for `holdFrames` usable hops
// in a row (YIN confident, loud enough, within range) after a cue that a
// note begins: an onset, a pitch after silence, or a different pitch that
// holds (legato, a slide). The same pitch again needs an onset with the
// level rising by `reattackRiseDb` and a pitch window wholly after it, so a
// ringing string is never reported twice. An octave of the sounding note
// without an onset must hold three times as long: YIN's octave slips on a
// fading string do not. Muted hops (the program's own sound) update what is
// sounding without reporting it, so its ring does not answer afterwards.

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
  int holdFrames = 8;
  int unsureHoldFrames = 12;      // when the held hops' mean confidence is below
  double sureConfidence = 0.95;   // this
  double minConfidence = 0.6;
  double floorDb = -75;          // hops quieter than this are silence
  int silenceFrames = 8;         // unusable hops in a row that end a note
  double cueLifetime = 0.30;     // seconds an onset waits for its pitch
  double reattackRiseDb = 3;
  double pitchWindow = 2048.0 / 44100;  // seconds the detector looks back
};

class NoteDecision {
 public:
  NoteDecision(int lowestNote, int highestNote, DecisionParameters parameters = {});

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
  // A pitch's hops among the last few.
  struct Tally {
    int count = 0;
    double confidence = 0, cents = 0;  // sums
    double firstTime = 0, firstLevelDb = 0;
  };
  void NoteOnset(const ListenFrame& frame);
  bool Usable(const ListenFrame& frame) const;
  void Remember(const ListenFrame& frame, int note);
  Tally Count(int note, int window) const;
  Cue CueFor(int note, const ListenFrame& frame, const Tally& tally) const;
  bool OnsetIsAttack(const ListenFrame& frame) const;

  int lowest_, highest_;
  DecisionParameters p_;
  std::deque<Hop> hops_;  // the last hops since the last onset, newest last
  int sounding_ = -1;
  int ringing_ = -1;  // the pitch that rang just before the last onset
  double notePeak_ = -200, notePeakAt_ = 0;  // dBFS and seconds: the last note's loudest hop
  int unusableRun_ = 1 << 20;  // the stream starts in silence
  bool afterSilence_ = true;
  double silenceLevel_ = -200;  // dBFS, the quietest hop of the last silence
  double runQuietest_ = -200;   // dBFS, the quietest of the present unusable hops
  bool onsetArmed_ = false;
  double onsetTime_ = 0, levelBeforeOnset_ = 0, peakSinceOnset_ = -200;
};

}  // namespace fretlab
