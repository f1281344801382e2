// The progress view's colour scale: viridis at its ends, and a lightness
// that rises all the way, so that more is lighter in every colour vision.

#include "practice/heat_scale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace fretlab::practice {
namespace {

// CIE L* of an sRGB colour.
double Lightness(Rgb c) {
  auto linear = [](std::uint8_t v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  const double y = 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
  return y > 216.0 / 24389 ? 116 * std::cbrt(y) - 16 : y * 24389.0 / 27;
}

TEST(HeatScale, ViridisAtBothEndsAndHeldToThem) {
  EXPECT_EQ(HeatColour(0), (Rgb{68, 1, 84}));
  EXPECT_EQ(HeatColour(1), (Rgb{253, 231, 37}));
  EXPECT_EQ(HeatColour(-3), HeatColour(0));
  EXPECT_EQ(HeatColour(7), HeatColour(1));
  EXPECT_EQ(HeatColour(0.5), (Rgb{33, 144, 141}));
}

TEST(HeatScale, LighterAllTheWayUp) {
  double last = Lightness(HeatColour(0));
  for (int i = 1; i <= 100; ++i) {
    const double now = Lightness(HeatColour(i / 100.0));
    EXPECT_GT(now, last) << i;
    last = now;
  }
  EXPECT_GT(Lightness(HeatColour(1)) - Lightness(HeatColour(0)), 70);
}

TEST(HeatScale, AccuracyAndTimeAsPlacesOnTheScale) {
  EXPECT_DOUBLE_EQ(HeatOfAccuracy(3, 4), 0.75);
  EXPECT_DOUBLE_EQ(HeatOfAccuracy(0, 0), 0.0);
  EXPECT_DOUBLE_EQ(HeatOfTime(800), 1.0);
  EXPECT_DOUBLE_EQ(HeatOfTime(3000), 0.5);
  EXPECT_DOUBLE_EQ(HeatOfTime(9000), 0.0);
}

}  // namespace
}  // namespace fretlab::practice
