// The tuner: the nearest string of any tuning with a capo, and readings of
// tones and rendered notes.

#include "listen/tuner.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/guitar_material.h"

namespace fretlab {
namespace {

// Strings from the top (thinnest) down, as Tuning holds them.
Tuning Strings(std::initializer_list<int> opens) {
  Tuning tuning;
  for (int open : opens) tuning.strings.push_back({{}, open});
  return tuning;
}

const Tuning kStandard = Strings({64, 59, 55, 50, 45, 40});
const Tuning kSevenString = Strings({64, 59, 55, 50, 45, 40, 35});
const Tuning kBass = Strings({43, 38, 33, 28});

std::vector<TunerReading> Tune(const std::vector<float>& track, const Tuning& tuning, int capo = 0) {
  Tuner tuner(testing::kMaterialRate, tuning, capo);
  std::vector<TunerReading> readings;
  for (std::size_t i = 0; i < track.size(); i += 512) {
    tuner.Feed(track.data() + i, std::min<std::size_t>(512, track.size() - i), readings);
  }
  return readings;
}

TEST(TunerTest, TheNearestStringOfAnyTuningWithTheCapo) {
  const StringTarget a = NearestString(kStandard, 0, 45.2);
  EXPECT_EQ(a.string, 4);
  EXPECT_EQ(a.note, 45);
  EXPECT_NEAR(a.cents, 20, 1e-9);
  EXPECT_NEAR(NearestString(kStandard, 0, 63.7).cents, -30, 1e-9);
  EXPECT_EQ(NearestString(kSevenString, 0, 35.4).string, 6);
  EXPECT_EQ(NearestString(kStandard, 0, 35.4).string, 5);  // far below: still the low E
  EXPECT_EQ(NearestString(kBass, 0, 28.1).note, 28);
  // A capo on fret 2 raises every string: 47 is the fifth string's note.
  const StringTarget capo = NearestString(kStandard, 2, 46.9);
  EXPECT_EQ(capo.string, 4);
  EXPECT_EQ(capo.note, 47);
  EXPECT_NEAR(capo.cents, -10, 1e-9);
  // Halfway between two strings the lower one is meant.
  EXPECT_EQ(NearestString(kStandard, 0, 42.5).string, 5);
  EXPECT_EQ(NearestString(Tuning{}, 0, 50).string, -1);
}

TEST(TunerTest, ATonesDeviationIsReadWithinACent) {
  for (double cents : {-30.0, -17.0, -1.0, 0.0, 6.0, 23.0, 30.0}) {
    const std::vector<float> tone = testing::HarmonicTone(NoteHz(45 + cents / 100), 1.0);
    int read = 0;
    for (const TunerReading& r : Tune(tone, kStandard)) {
      if (r.time < 0.3) continue;
      ASSERT_TRUE(r.heard) << cents;
      EXPECT_EQ(r.target.string, 4) << cents;
      EXPECT_NEAR(r.target.cents, cents, 1) << cents;
      ++read;
    }
    EXPECT_GT(read, 15) << cents;
  }
}

TEST(TunerTest, TheLowStringsOfABassAndASevenString) {
  for (const auto& [tuning, note] : {std::pair{kBass, 28}, std::pair{kSevenString, 35}}) {
    const std::vector<float> tone = testing::HarmonicTone(NoteHz(note - 0.12), 1.2);
    const std::vector<TunerReading> readings = Tune(tone, tuning);
    ASSERT_FALSE(readings.empty());
    const TunerReading& last = readings.back();
    ASSERT_TRUE(last.heard) << note;
    EXPECT_EQ(last.target.note, note);
    EXPECT_NEAR(last.target.cents, -12, 1) << note;
  }
}

TEST(TunerTest, ReadingsComeTwentyFiveTimesASecondAndFallSilentWithTheNote) {
  std::vector<float> track = testing::HarmonicTone(NoteHz(50), 1.0);
  track.resize(track.size() + testing::FrameAt(1.0), 0.f);
  const std::vector<TunerReading> readings = Tune(track, kStandard);
  ASSERT_GE(readings.size(), 49u);
  for (std::size_t i = 1; i < readings.size(); ++i) {
    EXPECT_LE(readings[i].time - readings[i - 1].time, 0.05);
  }
  EXPECT_TRUE(readings[readings.size() / 2 - 5].heard);
  EXPECT_FALSE(readings.back().heard);
  EXPECT_EQ(readings.back().target.string, -1);
}

TEST(TunerTest, ASustainedRenderedNoteReadsSteadily) {
  const std::vector<float> track = testing::RenderNotes(24, {{45, 0.1, 1.3, 100}}, 1.5);
  double low = 1e9, high = -1e9;
  for (const TunerReading& r : Tune(track, kStandard)) {
    if (r.time < 0.8 || r.time > 1.3) continue;
    ASSERT_TRUE(r.heard);
    EXPECT_EQ(r.target.note, 45);
    low = std::min(low, r.target.cents);
    high = std::max(high, r.target.cents);
  }
  EXPECT_LE(high - low, 2.0);
  // The soundfont's A is a few cents sharp, never more than 10.
  EXPECT_GT(low, -1.0);
  EXPECT_LT(high, 10.0);
}

}  // namespace
}  // namespace fretlab
