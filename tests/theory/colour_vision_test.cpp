// The colour-difference support used to check the interval palette: the
// CIEDE2000 formula against Sharma, Wu & Dalal's published test pairs, the
// CIELAB conversion against known values, and each simulated deficiency
// against colour pairs it is known to merge.

#include "support/colour_vision.h"

#include <gtest/gtest.h>

namespace fretlab::testing {
namespace {

struct SharmaPair {
  Lab first, second;
  double deltaE;
};

// Sharma, Wu & Dalal (2005), Table 1: all 34 pairs, to four decimals.
constexpr SharmaPair kSharmaPairs[] = {
    {{50.0000, 2.6772, -79.7751}, {50.0000, 0.0000, -82.7485}, 2.0425},
    {{50.0000, 3.1571, -77.2803}, {50.0000, 0.0000, -82.7485}, 2.8615},
    {{50.0000, 2.8361, -74.0200}, {50.0000, 0.0000, -82.7485}, 3.4412},
    {{50.0000, -1.3802, -84.2814}, {50.0000, 0.0000, -82.7485}, 1.0000},
    {{50.0000, -1.1848, -84.8006}, {50.0000, 0.0000, -82.7485}, 1.0000},
    {{50.0000, -0.9009, -85.5211}, {50.0000, 0.0000, -82.7485}, 1.0000},
    {{50.0000, 0.0000, 0.0000}, {50.0000, -1.0000, 2.0000}, 2.3669},
    {{50.0000, -1.0000, 2.0000}, {50.0000, 0.0000, 0.0000}, 2.3669},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0009}, 7.1792},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0010}, 7.1792},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0011}, 7.2195},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0012}, 7.2195},
    {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0009, -2.4900}, 4.8045},
    {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0010, -2.4900}, 4.8045},
    {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0011, -2.4900}, 4.7461},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 0.0000, -2.5000}, 4.3065},
    {{50.0000, 2.5000, 0.0000}, {73.0000, 25.0000, -18.0000}, 27.1492},
    {{50.0000, 2.5000, 0.0000}, {61.0000, -5.0000, 29.0000}, 22.8977},
    {{50.0000, 2.5000, 0.0000}, {56.0000, -27.0000, -3.0000}, 31.9030},
    {{50.0000, 2.5000, 0.0000}, {58.0000, 24.0000, 15.0000}, 19.4535},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 3.1736, 0.5854}, 1.0000},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2972, 0.0000}, 1.0000},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 1.8634, 0.5757}, 1.0000},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2592, 0.3350}, 1.0000},
    {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
    {{63.0109, -31.0961, -5.8663}, {62.8187, -29.7946, -4.0864}, 1.2630},
    {{61.2901, 3.7196, -5.3901}, {61.4292, 2.2480, -4.9620}, 1.8731},
    {{35.0831, -44.1164, 3.7933}, {35.0232, -40.0716, 1.5901}, 1.8645},
    {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
    {{36.4612, 47.8580, 18.3852}, {36.2715, 50.5065, 21.2231}, 1.4146},
    {{90.8027, -2.0831, 1.4410}, {91.1528, -1.6435, 0.0447}, 1.4441},
    {{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
    {{6.7747, -0.2908, -2.4247}, {5.8714, -0.0985, -2.2286}, 0.6377},
    {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
};

TEST(ColourVision, CIEDE2000MatchesEveryPublishedTestPair) {
  int pair = 1;
  for (const SharmaPair& p : kSharmaPairs) {
    EXPECT_NEAR(DeltaE2000(p.first, p.second), p.deltaE, 1e-4) << "pair " << pair;
    EXPECT_NEAR(DeltaE2000(p.second, p.first), p.deltaE, 1e-4) << "pair " << pair << " reversed";
    ++pair;
  }
  EXPECT_EQ(pair, 35);
}

TEST(ColourVision, LabOfKnownColours) {
  const Lab white = SeenAs({0xFF, 0xFF, 0xFF}, Vision::kNormal);
  EXPECT_NEAR(white.l, 100, 1e-3);
  EXPECT_NEAR(white.a, 0, 1e-3);
  EXPECT_NEAR(white.b, 0, 1e-3);
  const Lab red = SeenAs({0xFF, 0x00, 0x00}, Vision::kNormal);
  EXPECT_NEAR(red.l, 53.2408, 1e-3);
  EXPECT_NEAR(red.a, 80.0925, 1e-2);
  EXPECT_NEAR(red.b, 67.2032, 1e-2);
  EXPECT_NEAR(LinearChannel(0x80), 0.2158605, 1e-6);
}

TEST(ColourVision, GreysLookTheSameInEveryVision) {
  for (int v : {0x00, 0x40, 0x99, 0xFF}) {
    const Rgb grey{static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v),
                   static_cast<std::uint8_t>(v)};
    for (Vision vision : kVisions) {
      EXPECT_LT(DeltaE2000(SeenAs(grey, Vision::kNormal), SeenAs(grey, vision)), 0.01)
          << VisionName(vision) << " " << v;
    }
  }
}

TEST(ColourVision, EachDeficiencyMergesItsOwnConfusions) {
  // Vermillion and leaf green: red-green, apart for a tritan eye.
  const Rgb vermillion{0xD5, 0x5E, 0x00}, green{0x4E, 0x8B, 0x00};
  EXPECT_GT(SeenDifference(vermillion, green, Vision::kNormal), 40);
  EXPECT_LT(SeenDifference(vermillion, green, Vision::kProtan), 10);
  EXPECT_LT(SeenDifference(vermillion, green, Vision::kDeutan), 10);
  EXPECT_GT(SeenDifference(vermillion, green, Vision::kTritan), 40);
  // Pink and orange: blue-yellow, apart for red-green deficiencies.
  const Rgb pink{0xFF, 0x66, 0x99}, orange{0xFF, 0x77, 0x00};
  EXPECT_GT(SeenDifference(pink, orange, Vision::kNormal), 30);
  EXPECT_GT(SeenDifference(pink, orange, Vision::kProtan), 30);
  EXPECT_GT(SeenDifference(pink, orange, Vision::kDeutan), 20);
  EXPECT_LT(SeenDifference(pink, orange, Vision::kTritan), 8);
}

}  // namespace
}  // namespace fretlab::testing
