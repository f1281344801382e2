#pragma once
// Practising weak spots: which question to ask next. Every item (a position,
// a note or a degree) sits in a Leitner box; a wrong answer sends it back to
// box 0, a right answer given in good time moves it one box up. An item's
// weight for the next draw is
//
//   2^(kTopBox - box) × (1 + 2 × error rate) × (1 + slowness) × due
//
// error rate = errors / answers; slowness = how much slower than the user's
// own mean the item is answered, 0..2 (0 = not slower); due = time since the
// item was last seen over its box's interval (10 s, 1 min, 10 min, 1 h,
// 1 day), held to 0.1..2, and 2 for an item never seen. Draws are repeatable
// for a given seed, and the item just asked is not asked again straight away
// while there is another.

#include <cstdint>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "practice/answer_record.h"

namespace fretlab::practice {

inline constexpr int kTopBox = 4;

class WeakSpotSchedule {
 public:
  explicit WeakSpotSchedule(std::uint64_t seed) : random_(seed) {}

  // Takes what the history remembers of an item.
  void Restore(const std::string& item, const ItemState& state);
  // The state of an item; a fresh one when it has never been answered.
  ItemState State(const std::string& item) const;

  // Learns one answer given at `now` (ms since the Unix epoch, as
  // ItemState::lastSeen) and returns the item's new state for the history.
  ItemState Learn(const std::string& item, bool correct, int ms, long long now);

  double Weight(const std::string& item, long long now) const;

  // Draws one of `candidates` (not empty) by weight; returns its index.
  std::size_t Draw(const std::vector<std::string>& candidates, long long now);

 private:
  // A uniform number in [0, 1) from the generator's own bits, so that a
  // seed draws the same on every standard library.
  double Uniform();
  double MeanMs() const { return answers_ > 0 ? totalMs_ / answers_ : 0; }

  std::unordered_map<std::string, ItemState> items_;
  double totalMs_ = 0;  // over all items' answers
  long long answers_ = 0;
  std::string last_;
  std::mt19937_64 random_;
};

}  // namespace fretlab::practice
