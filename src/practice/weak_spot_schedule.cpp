#include "practice/weak_spot_schedule.h"

#include <algorithm>
#include <cmath>

namespace fretlab::practice {

namespace {

// How long an item may rest in each box before it is fully due again, ms.
constexpr long long kBoxIntervalMs[kTopBox + 1] = {10'000, 60'000, 600'000, 3'600'000,
                                                   86'400'000};
// A right answer slower than this many times the user's mean keeps its box.
constexpr double kSlowFactor = 1.5;

}  // namespace

void WeakSpotSchedule::Restore(const std::string& item, const ItemState& state) {
  ItemState& slot = items_[item];
  totalMs_ += state.meanMs * state.seen - slot.meanMs * slot.seen;
  answers_ += state.seen - slot.seen;
  slot = state;
}

ItemState WeakSpotSchedule::State(const std::string& item) const {
  const auto it = items_.find(item);
  return it == items_.end() ? ItemState{} : it->second;
}

ItemState WeakSpotSchedule::Learn(const std::string& item, bool correct, int ms, long long now) {
  const double mean = MeanMs();
  ItemState& state = items_[item];
  if (!correct) {
    state.box = 0;
    ++state.errors;
  } else if (mean == 0 || ms <= kSlowFactor * mean) {
    state.box = std::min(state.box + 1, kTopBox);
  }
  state.meanMs += (ms - state.meanMs) / (state.seen + 1);
  ++state.seen;
  state.lastSeen = now;
  totalMs_ += ms;
  ++answers_;
  return state;
}

double WeakSpotSchedule::Weight(const std::string& item, long long now) const {
  const ItemState state = State(item);
  const double base = std::ldexp(1.0, kTopBox - std::clamp(state.box, 0, kTopBox));
  if (state.seen == 0) {
    return base * 2;
  }
  const double errorRate = static_cast<double>(state.errors) / state.seen;
  const double mean = MeanMs();
  const double slowness = mean > 0 ? std::clamp(state.meanMs / mean - 1, 0.0, 2.0) : 0.0;
  const double elapsed = static_cast<double>(std::max(0LL, now - state.lastSeen));
  const double due = std::clamp(elapsed / kBoxIntervalMs[state.box], 0.1, 2.0);
  return base * (1 + 2 * errorRate) * (1 + slowness) * due;
}

double WeakSpotSchedule::Uniform() {
  return static_cast<double>(random_() >> 11) * 0x1.0p-53;
}

std::size_t WeakSpotSchedule::Draw(const std::vector<std::string>& candidates, long long now) {
  std::vector<double> weights(candidates.size());
  double total = 0;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const bool repeat = candidates.size() > 1 && candidates[i] == last_;
    weights[i] = repeat ? 0 : Weight(candidates[i], now);
    total += weights[i];
  }
  double pick = Uniform() * total;
  std::size_t chosen = 0;
  for (; chosen + 1 < candidates.size(); ++chosen) {
    if (weights[chosen] > 0 && pick < weights[chosen]) {
      break;
    }
    pick -= weights[chosen];
  }
  // Rounding can leave the pick past the end; the last weighted one takes it.
  while (weights[chosen] == 0 && chosen > 0 && total > 0) {
    --chosen;
  }
  last_ = candidates[chosen];
  return chosen;
}

}  // namespace fretlab::practice
