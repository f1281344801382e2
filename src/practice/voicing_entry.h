#pragma once
// A voicing built on the neck one note per string, as a guitarist frets
// it: a position given sets its string's fret, the same position again
// mutes the string. Checked as a whole (Answer::Voicing) once built.

#include <vector>

#include "theory/neck_positions.h"
#include "theory/voicing.h"

namespace fretlab::practice {

class VoicingEntry {
 public:
  // Every one of `strings` strings muted.
  void Reset(int strings) { frets_.assign(static_cast<std::size_t>(strings), kMuted); }
  // Returns whether the position now sounds (false: its string was muted
  // again, or it lies on no string of the neck).
  bool Toggle(Position p) {
    if (p.string < 0 || p.string >= static_cast<int>(frets_.size())) return false;
    FretIndex& fret = frets_[static_cast<std::size_t>(p.string)];
    fret = fret == p.fret ? kMuted : p.fret;
    return fret != kMuted;
  }
  // By string from the top (0 = the thinnest); kMuted for a muted string.
  const std::vector<FretIndex>& Frets() const { return frets_; }
  // The positions that sound, from the top string down.
  std::vector<Position> Chosen() const {
    std::vector<Position> out;
    for (std::size_t s = 0; s < frets_.size(); ++s) {
      if (frets_[s] != kMuted) out.push_back({static_cast<StringIndex>(s), frets_[s]});
    }
    return out;
  }

 private:
  std::vector<FretIndex> frets_;
};

}  // namespace fretlab::practice
