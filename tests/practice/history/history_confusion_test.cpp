// The confusion table of an ear drill: what was answered for what was
// asked, counted per pair over the period, of that drill alone.

#include "history_support.h"

namespace fretlab::practice {
namespace {

using namespace testing;

AnswerRecord Heard(std::string asked, std::string answered, std::string drill = "ear-interval") {
  AnswerRecord a = Answer(kNoPosition, kNoPosition, asked == answered, 1000, std::move(drill),
                          std::move(asked));
  a.answered = std::move(answered);
  return a;
}

class HistoryConfusion : public HistoryTest {
 protected:
  void Add(const AnswerRecord& a, long long at) { ASSERT_TRUE(store_->Record(a, {}, at)); }
  std::unique_ptr<HistoryStore> store_ = nullptr;
};

TEST_F(HistoryConfusion, CountsEachAnswerGivenForEachAskedOverThePeriod) {
  store_ = std::make_unique<HistoryStore>(File());
  Add(Heard("m3", "M3"), kNow - 1);
  Add(Heard("m3", "M3"), kNow - 2 * kDay);
  Add(Heard("m3", "m3"), kNow - 3 * kDay);
  Add(Heard("m3", "M3"), kNow - 20 * kDay);
  Add(Heard("P5", "P4"), kNow - 40 * kDay);
  Add(Heard("P5", "P5"), kNow);
  Add(Heard("minor", "major", "ear-chord-quality"), kNow);
  // Another tuning counts too: what is heard does not depend on it.
  AnswerRecord dropD = Heard("TT", "P5");
  dropD.tuning = "D2 A2 D3 G3 B3 E4";
  Add(dropD, kNow);

  auto all = store_->ConfusionTable("ear-interval", Period::kAll, kNow);
  ASSERT_EQ(all.size(), 5u);
  EXPECT_EQ(all[0].asked, "P5");
  EXPECT_EQ(all[0].answered, "P4");
  EXPECT_EQ(all[0].count, 1);
  EXPECT_EQ(all[1].answered, "P5");
  EXPECT_EQ(all[2].asked, "TT");
  EXPECT_EQ(all[3].asked, "m3");
  EXPECT_EQ(all[3].answered, "M3");
  EXPECT_EQ(all[3].count, 3);
  EXPECT_EQ(all[4].answered, "m3");
  EXPECT_EQ(all[4].count, 1);

  auto month = store_->ConfusionTable("ear-interval", Period::kLast30Days, kNow);
  ASSERT_EQ(month.size(), 4u) << "P5 for P4 was 40 days ago";
  EXPECT_EQ(month[2].count, 3);
  auto week = store_->ConfusionTable("ear-interval", Period::kLast7Days, kNow);
  ASSERT_EQ(week.size(), 4u);
  EXPECT_EQ(week[2].asked, "m3");
  EXPECT_EQ(week[2].count, 2) << "the one 20 days ago is out";

  auto chords = store_->ConfusionTable("ear-chord-quality", Period::kAll, kNow);
  ASSERT_EQ(chords.size(), 1u);
  EXPECT_EQ(chords[0].asked, "minor");
  EXPECT_EQ(chords[0].answered, "major");
  EXPECT_TRUE(store_->ConfusionTable("ear-scale", Period::kAll, kNow).empty());
}

}  // namespace
}  // namespace fretlab::practice
