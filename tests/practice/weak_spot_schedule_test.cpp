// The weak-spot schedule: boxes move as answers come, draws repeat for a
// seed, and over many draws the weak items come up far more often.

#include "practice/weak_spot_schedule.h"

#include <gtest/gtest.h>

#include <map>

namespace fretlab::practice {
namespace {

constexpr long long kNow = 1'700'000'000'000;  // ms since the Unix epoch
constexpr long long kDay = 86'400'000;

TEST(WeakSpotSchedule, RightAnswersInGoodTimeClimbTheBoxesAndAWrongOneDropsToTheFirst) {
  WeakSpotSchedule s(1);
  for (int i = 0; i < 6; ++i) s.Learn("other", true, 1000, kNow);
  EXPECT_EQ(s.Learn("a", true, 900, kNow).box, 1);
  EXPECT_EQ(s.Learn("a", true, 900, kNow).box, 2);
  // Slow but right (more than 1.5 × the mean of about 1000 ms): the box stays.
  EXPECT_EQ(s.Learn("a", true, 4000, kNow).box, 2);
  for (int i = 0; i < 5; ++i) s.Learn("a", true, 900, kNow);
  EXPECT_EQ(s.State("a").box, kTopBox);
  const ItemState wrong = s.Learn("a", false, 900, kNow + 5);
  EXPECT_EQ(wrong.box, 0);
  EXPECT_EQ(wrong.seen, 9);
  EXPECT_EQ(wrong.errors, 1);
  EXPECT_EQ(wrong.lastSeen, kNow + 5);
  EXPECT_NEAR(wrong.meanMs, (7 * 900 + 4000 + 900) / 9.0, 1e-9);
}

TEST(WeakSpotSchedule, WeightGrowsWithErrorsSlownessAndTimeAway) {
  WeakSpotSchedule s(1);
  ItemState known{kTopBox, 10, 0, 1000, kNow - kDay};
  s.Restore("known", known);
  ItemState missed = known;
  missed.errors = 5;
  s.Restore("missed", missed);
  ItemState slow = known;
  slow.meanMs = 2500;
  s.Restore("slow", slow);
  ItemState lower = known;
  lower.box = 1;
  s.Restore("lower", lower);
  const double base = s.Weight("known", kNow);
  EXPECT_GT(s.Weight("missed", kNow), 1.5 * base);
  EXPECT_GT(s.Weight("slow", kNow), 1.5 * base);
  EXPECT_GT(s.Weight("lower", kNow), 4 * base);
  EXPECT_GT(s.Weight("never seen", kNow), s.Weight("known", kNow));
  // Seen a moment ago: hardly due; a day later: due again.
  EXPECT_LT(s.Weight("known", kNow - kDay + 1000), base / 5);
}

TEST(WeakSpotSchedule, WeakSpotsAreDrawnFarMoreOftenOverManyDraws) {
  WeakSpotSchedule s(42);
  std::vector<std::string> items;
  for (int i = 0; i < 20; ++i) {
    items.push_back("p" + std::to_string(i));
    s.Restore(items.back(), {kTopBox, 20, 0, 1000, kNow - 10 * kDay});
  }
  s.Restore("p7", {0, 20, 10, 3000, kNow - 10 * kDay});  // often wrong and slow
  std::map<std::string, int> counts;
  const int kDraws = 20000;
  for (int i = 0; i < kDraws; ++i) ++counts[items[s.Draw(items, kNow)]];
  // Uniform would give 1000 each; the weak spot gets a large share.
  EXPECT_GT(counts["p7"], kDraws / 4);
  for (const auto& [item, count] : counts) {
    if (item != "p7") {
      EXPECT_LT(count, counts["p7"] / 5) << item;
    }
  }
}

TEST(WeakSpotSchedule, TheSameSeedDrawsTheSameAndTheLastItemIsNotRepeated) {
  const std::vector<std::string> items = {"a", "b", "c", "d"};
  WeakSpotSchedule one(7), two(7), other(8);
  std::vector<std::size_t> a, b, c;
  for (int i = 0; i < 200; ++i) {
    a.push_back(one.Draw(items, kNow));
    b.push_back(two.Draw(items, kNow));
    c.push_back(other.Draw(items, kNow));
  }
  EXPECT_EQ(a, b);
  EXPECT_NE(a, c);
  for (std::size_t i = 1; i < a.size(); ++i) EXPECT_NE(a[i], a[i - 1]) << i;
  WeakSpotSchedule single(7);
  EXPECT_EQ(single.Draw({"only"}, kNow), 0u);
  EXPECT_EQ(single.Draw({"only"}, kNow), 0u);
}

}  // namespace
}  // namespace fretlab::practice
