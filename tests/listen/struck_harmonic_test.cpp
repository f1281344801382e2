// Telling the note struck over a string still ringing, from the harmonics
// of the period both share: steady tones with eight harmonics, the second
// added to the first at 0.6 s.

#include "listen/struck_harmonic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/guitar_material.h"
#include "support/listened.h"

namespace fretlab {
namespace {

constexpr double kStruckAt = 0.6;

// `ringing` sounds throughout, fading 6 dB a second; `struck` (0 for none)
// joins it at kStruckAt. The analyser has heard everything up to `now`.
StruckHarmonic Find(double ringingHz, double struckHz, double heardHz) {
  const ListenSettings settings = testing::GuitarListening();
  std::vector<float> track = testing::HarmonicTone(ringingHz, 1.2, 8, -14);
  for (std::size_t i = 0; i < track.size(); ++i) {
    track[i] *= static_cast<float>(std::pow(0.5, double(i) / testing::kMaterialRate));
  }
  if (struckHz > 0) {
    const std::vector<float> struck = testing::HarmonicTone(struckHz, 0.6, 8, -14);
    const std::size_t from = testing::FrameAt(kStruckAt);
    for (std::size_t i = 0; i < struck.size(); ++i) track[from + i] += struck[i];
  }
  HopAnalyser analyser(settings);
  const double now = kStruckAt + double(settings.PitchWindow()) / settings.sampleRate + 0.01;
  for (std::size_t i = 0; i + analyser.Hop() <= testing::FrameAt(now); i += analyser.Hop()) {
    analyser.Analyse(track.data() + i);
  }
  const double heard = 69 + 12 * std::log2(heardHz / 440);
  return FindStruckHarmonic(analyser, heard, kStruckAt - 0.03, now - 0.005);
}

TEST(StruckHarmonicTest, TheNewNoteIsTheHarmonicOnWhoseMultiplesThePowerArrived) {
  EXPECT_EQ(Find(110, 220, 110).harmonic, 2);  // the octave above A2 ringing
  EXPECT_EQ(Find(110, 330, 110).harmonic, 3);  // an octave and a fifth
  EXPECT_EQ(Find(110, 440, 110).harmonic, 4);  // two octaves
  EXPECT_EQ(Find(220, 330, 110).harmonic, 3);  // a fifth above A3: heard as A2
  EXPECT_EQ(Find(330, 440, 110).harmonic, 4);  // a fourth above E4: heard as A2
}

TEST(StruckHarmonicTest, TheStringStruckAgainIsItsOwnNoteAndNothingStruckIsLittle) {
  // Struck again: its own tone anew, a little out of phase with the ring.
  EXPECT_EQ(Find(110, 110.3, 110).harmonic, 1);
  const StruckHarmonic nothing = Find(110, 0, 110);
  EXPECT_TRUE(nothing.little);
  EXPECT_EQ(nothing.harmonic, 0);
}

TEST(StruckHarmonicTest, SemitonesAndIndicesOfHarmonicsAgree) {
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(HarmonicIndex(45 + HarmonicSemitones(k), 45), k);
  EXPECT_EQ(HarmonicIndex(52, 45), 0);  // a fifth is no harmonic
  EXPECT_EQ(HarmonicSemitones(9), -1);
}

}  // namespace
}  // namespace fretlab
