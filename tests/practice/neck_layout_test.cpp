// The neck's geometry at any size: fret spacing, mirroring, marker sizes,
// and the hit test that finds every position from its own centre.

#include "practice/neck_layout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace fretlab {
namespace {

struct Size {
  double width, height;
};
constexpr Size kSizes[] = {{320, 120}, {900, 260}, {1333.5, 417.25}, {3840, 900}, {2400, 1600}};

TEST(NeckLayout, EveryCentreHitsItsOwnPositionInBothHandsAtEverySize) {
  for (const Size& size : kSizes) {
    for (int strings = kMinStrings; strings <= kMaxStrings; ++strings) {
      for (bool left : {false, true}) {
        for (FretSpacing spacing : {FretSpacing::kReal, FretSpacing::kEven}) {
          const NeckLayout layout(size.width, size.height, strings, spacing, left);
          for (int s = 0; s < strings; ++s) {
            for (int f = 0; f < kFretPositions; ++f) {
              const NeckPoint c = layout.Centre({s, f});
              const double r = layout.MarkerRadius(f) * 0.9;
              // The centre and points near the edge of the marker all hit it.
              for (auto [dx, dy] : {std::pair{0.0, 0.0}, {r, 0.0}, {-r, 0.0}, {0.0, r}, {0.0, -r}}) {
                const auto hit = layout.HitTest(c.x + dx, c.y + dy);
                ASSERT_TRUE(hit) << size.width << "x" << size.height << " s" << s << " f" << f;
                EXPECT_EQ(*hit, (NeckHit{{s, f}, false}))
                    << size.width << "x" << size.height << " left " << left << " s" << s << " f" << f;
              }
            }
            const auto mute = layout.HitTest(layout.MuteX(), layout.StringY(s));
            ASSERT_TRUE(mute);
            EXPECT_EQ(*mute, (NeckHit{{s, 0}, true}));
          }
        }
      }
    }
  }
}

TEST(NeckLayout, LeftHandedMirrorsEveryPoint) {
  const NeckLayout right(1000, 300, 6, FretSpacing::kReal, false);
  const NeckLayout left(1000, 300, 6, FretSpacing::kReal, true);
  for (int f = 0; f < kFretPositions; ++f) {
    EXPECT_DOUBLE_EQ(left.PositionX(f), 1000 - right.PositionX(f));
    EXPECT_DOUBLE_EQ(left.FretLineX(f), 1000 - right.FretLineX(f));
  }
  EXPECT_DOUBLE_EQ(left.MuteX(), 1000 - right.MuteX());
  EXPECT_DOUBLE_EQ(left.StringY(3), right.StringY(3));
  EXPECT_GT(right.PositionX(12), right.PositionX(0));  // right-handed: the nut on the left
  EXPECT_LT(left.PositionX(12), left.PositionX(0));
  EXPECT_DOUBLE_EQ(left.Board().left, 1000 - right.Board().Right());
}

TEST(NeckLayout, RealSpacingFollowsTheTwelfthRootOfTwo) {
  const NeckLayout layout(1200, 300, 6, FretSpacing::kReal, false);
  const double nut = layout.FretLineX(0);
  // Fret 24 lies at 3/4 of the scale length.
  const double scale = (layout.FretLineX(kFretPositions - 1) - nut) / 0.75;
  for (int n = 1; n < kFretPositions - 1; ++n) {
    const double remaining = scale - (layout.FretLineX(n) - nut);
    const double before = scale - (layout.FretLineX(n - 1) - nut);
    EXPECT_NEAR(before / remaining, std::pow(2.0, 1.0 / 12), 1e-9) << n;
  }
  // Fret 12 halves the string.
  EXPECT_NEAR(layout.FretLineX(12) - nut, scale / 2, 1e-9);
  const NeckLayout even(1200, 300, 6, FretSpacing::kEven, false);
  for (int n = 1; n < kFretPositions; ++n) {
    EXPECT_NEAR(even.FretLineX(n) - even.FretLineX(n - 1), even.FretLineX(1) - even.FretLineX(0), 1e-9);
  }
}

TEST(NeckLayout, FillsTheSizeAndScalesWithIt) {
  const NeckLayout small(600, 150, 6, FretSpacing::kReal, false);
  const NeckLayout big(1200, 300, 6, FretSpacing::kReal, false);
  EXPECT_NEAR(big.MarkerRadius(5), 2 * small.MarkerRadius(5), 1e-9);
  EXPECT_NEAR(big.PositionX(7), 2 * small.PositionX(7), 1e-9);
  const NeckRect board = big.Board();
  EXPECT_GE(board.width, 0.9 * 1200);
  EXPECT_GT(board.height, 0.75 * 300);
  EXPECT_LE(board.Right(), 1200);
  EXPECT_LE(board.Bottom(), big.FretNumberY());
  EXPECT_LT(big.FretNumberY(), 300);
  // Markers shrink with the frets and never overlap their neighbours.
  for (int f = 1; f < kFretPositions; ++f) {
    EXPECT_LE(big.MarkerRadius(f), big.MarkerRadius(f - 1) + 1e-9) << f;
    EXPECT_LT(2 * big.MarkerRadius(f), std::abs(big.PositionX(f) - big.PositionX(f - 1)) + 1e-9);
  }
  EXPECT_LT(2 * big.MarkerRadius(0), big.StringGap());
}

TEST(NeckLayout, LowerStringsAreThicker) {
  for (int strings = kMinStrings; strings <= kMaxStrings; ++strings) {
    const NeckLayout layout(1000, 300, strings, FretSpacing::kReal, false);
    for (int s = 1; s < strings; ++s) EXPECT_GT(layout.StringThickness(s), layout.StringThickness(s - 1));
    EXPECT_GE(layout.StringThickness(strings - 1), 2.5 * layout.StringThickness(0));
  }
}

TEST(NeckLayout, PointsOffTheNeckHitNothing) {
  const NeckLayout layout(1000, 300, 6, FretSpacing::kReal, false);
  EXPECT_FALSE(layout.HitTest(500, 1));                        // above the top string's band
  EXPECT_FALSE(layout.HitTest(500, layout.FretNumberY()));     // the fret numbers
  // Past fret 24.
  EXPECT_FALSE(layout.HitTest(layout.FretLineX(kFretPositions - 1) + 2, layout.StringY(0)));
  EXPECT_FALSE(layout.HitTest(-1, layout.StringY(0)));
  const NeckLayout left(1000, 300, 6, FretSpacing::kReal, true);
  EXPECT_FALSE(left.HitTest(left.FretLineX(kFretPositions - 1) - 2, left.StringY(0)));
  EXPECT_FALSE(left.HitTest(1001, left.StringY(0)));
}

}  // namespace
}  // namespace fretlab
