// The ear drills' names: every spelling of an interval's sound read as
// that sound, the qualities' and scales' names and their other spellings,
// and the preset ladders, each step holding the one before.

#include "practice/ear_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace fretlab::practice {
namespace {

TEST(EarNames, EveryIntervalNameReadsBackAsItsSemitones) {
  std::set<std::string> names;
  for (int n = 1; n <= kLargestInterval; ++n) {
    const std::string name = IntervalShortName(n);
    names.insert(name);
    EXPECT_EQ(ParseIntervalName(name), n) << name;
  }
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kLargestInterval)) << "no two alike";
  EXPECT_EQ(IntervalShortName(6), "TT");
  EXPECT_EQ(IntervalShortName(12), "P8");
  EXPECT_EQ(IntervalShortName(0), "");
  EXPECT_EQ(IntervalShortName(25), "");
}

TEST(EarNames, EnharmonicIntervalNamesAreTheSameSound) {
  EXPECT_EQ(ParseIntervalName("A4"), 6);
  EXPECT_EQ(ParseIntervalName("d5"), 6);
  EXPECT_EQ(ParseIntervalName(" tt "), 6);
  EXPECT_EQ(ParseIntervalName("A5"), 8) << "as m6";
  EXPECT_EQ(ParseIntervalName("d7"), 9) << "as M6";
  EXPECT_EQ(ParseIntervalName("A2"), 3) << "as m3";
  EXPECT_EQ(ParseIntervalName("d8"), 11) << "as M7";
  EXPECT_EQ(ParseIntervalName("d12"), 18) << "as A11";
  EXPECT_EQ(ParseIntervalName("M10"), 16);
  EXPECT_EQ(ParseIntervalName("P15"), 24);
  // m and M mean different things; P only on perfect numbers.
  EXPECT_EQ(ParseIntervalName("m3"), 3);
  EXPECT_EQ(ParseIntervalName("M3"), 4);
  for (const char* bad : {"P3", "M4", "m5", "x3", "M", "P16", "P1", "d1", "m2b", "", "3"}) {
    EXPECT_FALSE(ParseIntervalName(bad)) << bad;
  }
}

TEST(EarNames, TheIntervalLadderGrowsStepByStepToTheCompoundOnes) {
  EXPECT_EQ(IntervalsInPlay(0), (std::vector<int>{5, 7, 12}));
  EXPECT_EQ(IntervalsInPlay(1), (std::vector<int>{3, 4, 5, 7, 12}));
  EXPECT_EQ(IntervalsInPlay(2), (std::vector<int>{1, 2, 3, 4, 5, 7, 12}));
  EXPECT_EQ(IntervalsInPlay(3), (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9, 12}));
  std::vector<int> simple(12);
  for (int n = 1; n <= 12; ++n) simple[n - 1] = n;
  EXPECT_EQ(IntervalsInPlay(4), simple);
  EXPECT_EQ(IntervalsInPlay(5).size(), 24u);
  EXPECT_EQ(IntervalsInPlay(99), IntervalsInPlay(5)) << "held to the ladder";
}

TEST(EarNames, QualitiesReadByNameAndTheirUsualSpellings) {
  for (int q = 0; q < kChordQualityCount; ++q) {
    const auto quality = static_cast<ChordQuality>(q);
    EXPECT_EQ(ParseQuality(QualityName(quality)), quality) << QualityName(quality);
  }
  EXPECT_EQ(QualityName(ChordQuality::kHalfDiminished7), "m7\u266D5");
  EXPECT_EQ(ParseQuality("m7b5"), ChordQuality::kHalfDiminished7);
  EXPECT_EQ(ParseQuality("\u00F8"), ChordQuality::kHalfDiminished7);
  EXPECT_EQ(ParseQuality("MIN"), ChordQuality::kMinor);
  EXPECT_EQ(ParseQuality("m"), ChordQuality::kMinor);
  EXPECT_EQ(ParseQuality("M"), ChordQuality::kMajor);
  EXPECT_EQ(ParseQuality("M7"), ChordQuality::kMajor7) << "not m7";
  EXPECT_EQ(ParseQuality("+"), ChordQuality::kAugmented);
  EXPECT_FALSE(ParseQuality("m9"));
  EXPECT_FALSE(ParseQuality(""));
}

TEST(EarNames, TheQualityLadderEndsWithEveryQuality) {
  EXPECT_EQ(QualitiesInPlay(0), (std::vector<ChordQuality>{ChordQuality::kMajor, ChordQuality::kMinor}));
  std::size_t before = 0;
  for (int step = 0; step < kQualitySteps; ++step) {
    const auto now = QualitiesInPlay(step);
    EXPECT_GT(now.size(), before) << step;
    before = now.size();
  }
  EXPECT_EQ(before, static_cast<std::size_t>(kChordQualityCount));
}

TEST(EarNames, ScalesReadByNameAndTheLadderHoldsEveryOne) {
  const auto& scales = ScaleSounds();
  ASSERT_EQ(scales.size(), static_cast<std::size_t>(kScaleSoundCount));
  std::set<std::vector<int>> sounds;
  for (std::size_t i = 0; i < scales.size(); ++i) {
    EXPECT_EQ(ParseScaleSound(scales[i].name), static_cast<int>(i));
    EXPECT_EQ(scales[i].steps.front(), 0) << scales[i].name;
    EXPECT_TRUE(std::is_sorted(scales[i].steps.begin(), scales[i].steps.end()));
    EXPECT_LT(scales[i].steps.back(), 12);
    sounds.insert(scales[i].steps);
  }
  EXPECT_EQ(sounds.size(), scales.size()) << "no two sound alike";
  EXPECT_EQ(ParseScaleSound("ionian"), 0);
  EXPECT_EQ(ParseScaleSound("Aeolian"), 1);
  EXPECT_EQ(ParseScaleSound("minor pentatonic"), 10);
  EXPECT_FALSE(ParseScaleSound("Bebop"));
  EXPECT_EQ(ScalesInPlay(0), (std::vector<int>{0, 1}));
  EXPECT_EQ(ScalesInPlay(kScaleSteps - 1).size(), static_cast<std::size_t>(kScaleSoundCount));
}

}  // namespace
}  // namespace fretlab::practice
