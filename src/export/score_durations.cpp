#include "export/score_durations.h"

#include <algorithm>
#include <array>

namespace fretlab {

namespace {

// Longest first; every multiple of kScoreGrid is a sum of these.
constexpr std::array<NotatedValue, 12> kValues = {{
    {1920, "whole", 0},
    {1440, "half", 1},
    {960, "half", 0},
    {720, "quarter", 1},
    {480, "quarter", 0},
    {360, "eighth", 1},
    {240, "eighth", 0},
    {180, "16th", 1},
    {120, "16th", 0},
    {90, "32nd", 1},
    {60, "32nd", 0},
    {30, "64th", 0},
}};

}  // namespace

int ToScoreGrid(int ticks) { return (ticks + kScoreGrid / 2) / kScoreGrid * kScoreGrid; }

std::vector<NotatedValue> NotatedValues(int start, int end, int barTicks) {
  std::vector<NotatedValue> values;
  int at = start;
  while (at < end) {
    const int barEnd = (at / barTicks + 1) * barTicks;
    int left = std::min(end, barEnd) - at;
    for (const NotatedValue& value : kValues) {
      while (value.ticks <= left) {
        values.push_back(value);
        left -= value.ticks;
        at += value.ticks;
      }
    }
    if (left > 0) {  // off the grid (never for multiples of kScoreGrid): skip the rest
      at += left;
    }
  }
  return values;
}

}  // namespace fretlab
