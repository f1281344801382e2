// Breaks in the stream: a few milliseconds of digital silence where a
// player's or the sound server's buffer ran dry. The note that sounded goes
// on; a note struck at the break, or after a noise gate closed, is heard.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "listen/hop_analyser.h"
#include "support/guitar_material.h"
#include "support/listened.h"

namespace fretlab {
namespace {

using testing::FrameAt;
using testing::PlayedNote;

void Silence(std::vector<float>& track, double from, double milliseconds) {
  const std::size_t end = FrameAt(from + milliseconds / 1000);
  std::fill(track.begin() + FrameAt(from), track.begin() + end, 0.f);
}

TEST(StreamBreakTest, TheAnalyserTellsAShortBreakButNotAPauseNorAQuietSound) {
  const ListenSettings settings = testing::GuitarListening();
  std::vector<float> track = testing::HarmonicTone(110, 1.0, 8, -70);  // near the floor
  Silence(track, 0.30, 4);   // a break
  Silence(track, 0.60, 50);  // a pause
  HopAnalyser analyser(settings);
  std::vector<std::pair<double, double>> breaks;
  for (std::size_t i = 0; i + analyser.Hop() <= track.size(); i += analyser.Hop()) {
    const ListenFrame frame = analyser.Analyse(track.data() + i);
    if (frame.breakEnd > frame.breakStart) breaks.emplace_back(frame.breakStart, frame.breakEnd);
  }
  ASSERT_EQ(breaks.size(), 1u);
  EXPECT_NEAR(breaks[0].first, 0.30, 0.0002);
  EXPECT_NEAR(breaks[0].second, 0.304, 0.0002);
}

TEST(StreamBreakTest, ANoteThatBreaksOffForUpToFortyMillisecondsIsHeardOnce) {
  for (int program : {24, 25}) {
    for (int note : {40, 52, 64, 76, 88}) {
      for (double milliseconds : {0.5, 3.0, 10.0, 25.0, 40.0}) {
        for (double after : {0.1, 0.5, 1.0}) {  // seconds after the pluck
          std::vector<float> track = testing::RenderNotes(program, {{note, 0.3, 1.5}}, 2.3);
          Silence(track, 0.3 + after, milliseconds);
          EXPECT_EQ(testing::HeardNotes(track), std::vector<int>{note})
              << "program " << program << ", note " << note << ", a break of " << milliseconds
              << " ms " << after << " s after the pluck";
        }
      }
    }
  }
}

TEST(StreamBreakTest, ANoteStruckAtABreakOrAfterAGateClosedIsHeard) {
  for (int step : {-7, 2, 5}) {
    const std::vector<PlayedNote> notes{{57, 0.3, 0.5}, {57 + step, 0.801, 0.8}};
    std::vector<float> track = testing::RenderNotes(24, notes, 2.0);
    Silence(track, 0.8, 4);
    EXPECT_EQ(testing::HeardNotes(track), (std::vector<int>{57, 57 + step})) << "step " << step;
  }
  // The first A has faded 40 dB below its loudest when a gate shuts it;
  // 5 ms later the same A is struck again.
  std::vector<float> first = testing::RenderNotes(24, {{57, 0.3, 0.4}}, 2.0);
  const auto rmsDb = [&first](std::size_t at) {
    double energy = 0;
    for (std::size_t i = at; i < at + 256; ++i) energy += double(first[i]) * first[i];
    return 10 * std::log10(energy / 256 + 1e-20);
  };
  double loudest = -200;
  for (std::size_t at = 0; at + 256 < first.size(); at += 256) {
    loudest = std::max(loudest, rmsDb(at));
  }
  std::size_t shut = FrameAt(0.7);
  while (shut + 256 < first.size() && rmsDb(shut) > loudest - 40) shut += 256;
  ASSERT_LT(shut + 256, first.size());
  const double again = double(shut) / testing::kMaterialRate + 0.005;
  std::vector<float> track = testing::RenderNotes(24, {{57, again, 0.6}}, again + 1.2);
  std::copy(first.begin(), first.begin() + shut, track.begin());
  EXPECT_EQ(testing::HeardNotes(track), (std::vector<int>{57, 57}));
}

}  // namespace
}  // namespace fretlab
