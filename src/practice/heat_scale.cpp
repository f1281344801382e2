#include "practice/heat_scale.h"

#include <algorithm>
#include <cmath>

namespace fretlab::practice {

namespace {

// viridis at 0, 1/8, …, 1.
constexpr Rgb kStops[] = {{68, 1, 84},    {71, 44, 122},  {59, 81, 139},   {44, 113, 142}, {33, 144, 141},
                          {39, 173, 129}, {92, 200, 99},  {170, 220, 50},  {253, 231, 37}};
constexpr int kSteps = static_cast<int>(std::size(kStops)) - 1;

std::uint8_t Mix(std::uint8_t a, std::uint8_t b, double f) {
  return static_cast<std::uint8_t>(std::lround(a + (b - a) * f));
}

}  // namespace

Rgb HeatColour(double t) {
  const double x = std::clamp(t, 0.0, 1.0) * kSteps;
  const int i = std::min(static_cast<int>(x), kSteps - 1);
  const double f = x - i;
  const Rgb& a = kStops[i];
  const Rgb& b = kStops[i + 1];
  return {Mix(a.red, b.red, f), Mix(a.green, b.green, f), Mix(a.blue, b.blue, f)};
}

double HeatOfAccuracy(int right, int answers) {
  return answers > 0 ? static_cast<double>(right) / answers : 0.0;
}

double HeatOfTime(int medianMs) { return 1.0 - std::clamp((medianMs - 1000) / 4000.0, 0.0, 1.0); }

}  // namespace fretlab::practice
