// The stages of the synthesizer's render path on their own, without
// FluidSynth: where a stamp lands on the stream, how an onset is placed on
// its own frame past the 64-frame blocks, and the limiter.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "sound/backends/onset_aligner.h"
#include "sound/backends/peak_limiter.h"
#include "sound/backends/stream_clock.h"
#include "support/fake_synth.h"

namespace fretlab {
namespace {

using namespace std::chrono_literals;
using testing::FakeSynth;

constexpr int kRate = 44100;
constexpr int kBlock = OnsetAligner::kBlock;

TEST(OnsetAlignerTest, WithoutOnsetsTheSynthesizerPassesFrameForFrame) {
  FakeSynth synth([](std::int64_t n) { return static_cast<float>(n); });
  const auto out = synth.Render(1000);
  for (int n = 0; n < 1000; ++n) ASSERT_EQ(out[n], static_cast<float>(n)) << n;
}

TEST(OnsetAlignerTest, EachOnsetLandsOnItsOwnFrameWhateverTheBlockGrid) {
  FakeSynth synth;
  // Every offset inside a block, a few blocks apart.
  std::vector<std::int64_t> frames;
  for (int offset = 0; offset < kBlock; offset += 7) frames.push_back(1000 + offset * 300 + offset);
  for (std::int64_t frame : frames) {
    const auto placement = synth.Place(frame);
    EXPECT_EQ(placement.outputFrame, frame);
    EXPECT_EQ(placement.synthFrame % kBlock, 0);
    EXPECT_GE(frame - placement.synthFrame, 0);
    EXPECT_LT(frame - placement.synthFrame, kBlock);
  }
  const auto out = synth.Render(frames.back() + 1000);
  std::vector<std::int64_t> heard;
  for (std::int64_t n = 0; n < static_cast<std::int64_t>(out.size()); ++n) {
    if (out[n] > 0.5f) heard.push_back(n);
  }
  EXPECT_EQ(heard, frames);
}

TEST(OnsetAlignerTest, OnsetAskedForTooEarlyComesAtTheFirstExactFrame) {
  FakeSynth synth;
  synth.Render(500);
  const auto placement = synth.Place(510);
  EXPECT_EQ(placement.outputFrame, 500 + OnsetAligner::kLookahead);
  const auto out = synth.Render(1000);
  EXPECT_GT(out[placement.outputFrame - 500], 0.5f);
}

TEST(OnsetAlignerTest, OnsetInTheSameBlockAsThePreviousSharesItsFrame) {
  // The six notes of a chord, sent microseconds apart.
  FakeSynth synth;
  const auto first = synth.Place(2000);
  const auto second = synth.Place(2003);
  EXPECT_EQ(second.outputFrame, first.outputFrame);
  EXPECT_EQ(second.synthFrame, first.synthFrame);
}

TEST(OnsetAlignerTest, ChangesOfDelayAreCrossfadedWithoutAJump) {
  // A 220 Hz tone, and onsets that move the delay by up to a block each.
  auto tone = [](std::int64_t n) { return 0.5f * std::sin(2.0 * M_PI * 220.0 * n / kRate); };
  FakeSynth synth([&](std::int64_t n) { return tone(n); });
  synth.onsetBlocks.clear();
  std::vector<std::int64_t> onsets;
  for (int i = 0; i < 12; ++i) onsets.push_back(800 + i * 1500 + (i * 37) % kBlock);
  for (auto frame : onsets) synth.aligner.PlaceOnset(frame);  // no impulses: just the delays
  const auto out = synth.Render(onsets.back() + 500);
  const double largestStep = 0.5 * 2.0 * M_PI * 220.0 / kRate;  // of the tone itself
  for (std::size_t n = 1; n < out.size(); ++n) {
    ASSERT_LE(std::fabs(out[n] - out[n - 1]), 1.6 * largestStep + 1e-6) << "frame " << n;
  }
}

TEST(OnsetAlignerTest, NoteOffTakesEffectWithinABlockBeforeItsFrame) {
  FakeSynth synth;
  synth.Place(3000 + 17);  // a delay of 17 frames from here on
  for (std::int64_t frame : {4000, 4100, 5555}) {
    const std::int64_t block = synth.aligner.SynthBlockFor(frame);
    EXPECT_EQ(block % kBlock, 0);
    EXPECT_LE(block + 17, frame);
    EXPECT_GT(block + 17 + kBlock, frame);
  }
}

// Requests for 512 frames made as a device that plays in real time makes them.
class StreamClockTest : public ::testing::Test {
 protected:
  static constexpr SoundClock::time_point kStart = SoundClock::time_point{} + 100s;
  StreamClock clock_{kRate, 10ms};
  std::int64_t frames_ = 0;

  void Request(SoundClock::duration lateBy = {}, double rateFactor = 1.0) {
    const auto when = kStart + std::chrono::nanoseconds(static_cast<long long>(
                                   1e9 * frames_ / (kRate * rateFactor))) + lateBy;
    frames_ += 512;
    clock_.Observe(frames_, when);
  }
};

TEST_F(StreamClockTest, StampsMapToFramesAtTheSampleRatePlusTheLatency) {
  for (int i = 0; i < 10; ++i) Request();
  // The first request was made at kStart for frames up to 512.
  EXPECT_EQ(clock_.FrameOf(kStart), 512 + 441);
  EXPECT_EQ(clock_.FrameOf(kStart + 3ms) - clock_.FrameOf(kStart), 132);  // 3 ms = 132.3 frames
  EXPECT_EQ(clock_.FrameOf(kStart + 1s) - clock_.FrameOf(kStart), kRate);
}

TEST_F(StreamClockTest, LateRequestsDoNotMoveTheAnchor) {
  for (int i = 0; i < 5; ++i) Request();
  const auto before = clock_.FrameOf(kStart + 1s);
  for (int i = 0; i < 20; ++i) Request(i % 3 == 0 ? 4ms : 300us);
  EXPECT_EQ(clock_.FrameOf(kStart + 1s), before);
}

// The frame a stamp made at the next request maps to, less that request's
// own end frame: the latency when the anchor is right.
class DriftTest : public StreamClockTest, public ::testing::WithParamInterface<double> {
 protected:
  std::int64_t LatencyFramesAfter(double seconds) {
    const double factor = GetParam();
    for (int i = 0; i < seconds * kRate / 512; ++i) Request({}, factor);
    const auto next = kStart + std::chrono::nanoseconds(
                                   static_cast<long long>(1e9 * frames_ / (kRate * factor)));
    return clock_.FrameOf(next) - (frames_ + 512);
  }
};

TEST_P(DriftTest, FollowsADeviceClockThatDrifts) {
  // 0.1 % off: after 10 s the device is 10 ms away from the monotonic clock.
  // A fast device is followed at once; a slow one within two windows (4 s).
  const double allowed = GetParam() > 1.0 ? 1.0 : 4.0 * 1e-3 * kRate + 1;
  EXPECT_NEAR(LatencyFramesAfter(10), 441, allowed);
  EXPECT_NEAR(LatencyFramesAfter(10), 441, allowed);
}

INSTANTIATE_TEST_SUITE_P(FastAndSlow, DriftTest, ::testing::Values(1.001, 0.999));

TEST_F(StreamClockTest, RestartForgetsTheOldStream) {
  for (int i = 0; i < 5; ++i) Request();
  clock_.Restart();
  EXPECT_FALSE(clock_.HasAnchor());
  // The new stream's first request comes 3 s later in time, its frames go on.
  clock_.Observe(frames_ + 512, kStart + 3s);
  EXPECT_EQ(clock_.FrameOf(kStart + 3s), frames_ + 512 + 441);
}

TEST(PeakLimiterTest, QuietSoundPassesUnchangedOneLookaheadLater) {
  PeakLimiter limiter(0.63f, 0.001f);
  std::vector<float> left(2000), right(2000);
  for (int i = 0; i < 2000; ++i) left[i] = right[i] = 0.5f * std::sin(i * 0.05f);
  auto inLeft = left;
  limiter.Process(left.data(), right.data(), 2000);
  for (int i = PeakLimiter::kLookahead; i < 2000; ++i) {
    ASSERT_EQ(left[i], inLeft[i - PeakLimiter::kLookahead]) << i;
  }
}

TEST(PeakLimiterTest, LoudBurstIsHeldAtTheCeilingAndTheGainComesBack) {
  PeakLimiter limiter(0.63f, 1.0f / (0.015f * kRate));
  const int frames = kRate / 2;
  std::vector<float> left(frames), right(frames);
  for (int i = 0; i < frames; ++i) {
    const float level = (i >= 1000 && i < 3000) ? 1.2f : 0.3f;
    left[i] = level * std::sin(i * 0.07f);
    right[i] = -left[i];
  }
  limiter.Process(left.data(), right.data(), frames);
  float loudest = 0;
  for (int i = 0; i < frames; ++i) loudest = std::max({loudest, std::fabs(left[i]), std::fabs(right[i])});
  EXPECT_LE(loudest, 0.63f + 1e-6f);
  EXPECT_GT(loudest, 0.6f);
  // 100 ms after the burst the quiet tone is back at (almost) its own level.
  float after = 0;
  for (int i = 3000 + kRate / 10; i < frames; ++i) after = std::max(after, std::fabs(left[i]));
  EXPECT_GT(after, 0.3f * 0.99f);
}

}  // namespace
}  // namespace fretlab
