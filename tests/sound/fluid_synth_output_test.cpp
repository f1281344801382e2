// The built-in synthesizer, rendered offline: no sound card is needed to hear
// its pitch, its release and its silence.

#include "sound/backends/fluid_synth_output.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "sound/backends/backends.h"

namespace fretlab {
namespace {

constexpr int kRate = FluidSynthOutput::kSampleRate;
constexpr int kBlock = 512;  // frames a sound server asks for at a time

int Frames(double ms) { return static_cast<int>(std::lround(ms * kRate / 1000.0)); }

// Renders in audio-sized blocks, as the audio driver does, into one mono track.
void RenderMs(FluidSynthOutput& synth, double ms, std::vector<float>& track) {
  int remaining = Frames(ms);
  std::vector<float> left(kBlock), right(kBlock);
  while (remaining > 0) {
    const int frames = std::min(remaining, kBlock);
    synth.Render(left.data(), right.data(), frames);
    for (int i = 0; i < frames; ++i) track.push_back(0.5f * (left[i] + right[i]));
    remaining -= frames;
  }
}

double Rms(const std::vector<float>& track, double fromMs, double toMs) {
  const int from = Frames(fromMs), to = std::min<int>(Frames(toMs), track.size());
  double sum = 0;
  for (int i = from; i < to; ++i) sum += double(track[i]) * track[i];
  return std::sqrt(sum / std::max(1, to - from));
}

double Peak(const std::vector<float>& track) {
  double peak = 0;
  for (float s : track) peak = std::max(peak, double(std::fabs(s)));
  return peak;
}

// The fundamental between 200 and 330 Hz: the lag with the highest
// normalised autocorrelation, refined by a parabola through its neighbours.
double PitchHz(const std::vector<float>& track, double fromMs, double toMs) {
  const int from = Frames(fromMs), to = Frames(toMs);
  const int minLag = kRate / 330, maxLag = kRate / 200 + 1;
  const int length = to - from - maxLag;
  auto correlation = [&](int lag) {
    double sum = 0, energyA = 0, energyB = 0;
    for (int i = from; i < from + length; ++i) {
      sum += double(track[i]) * track[i + lag];
      energyA += double(track[i]) * track[i];
      energyB += double(track[i + lag]) * track[i + lag];
    }
    return sum / std::sqrt(energyA * energyB + 1e-30);
  };
  std::vector<double> r(maxLag + 2);
  int best = minLag;
  for (int lag = minLag - 1; lag <= maxLag + 1; ++lag) r[lag] = correlation(lag);
  for (int lag = minLag; lag <= maxLag; ++lag) {
    if (r[lag] > r[best]) best = lag;
  }
  const double a = r[best - 1], b = r[best], c = r[best + 1];
  const double offset = 0.5 * (a - c) / (a - 2 * b + c);
  return kRate / (best + offset);
}

double Cents(double hz, double reference) { return 1200.0 * std::log2(hz / reference); }

class FluidSynthOfflineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (access(kDefaultSoundfont, R_OK) != 0) {
      GTEST_SKIP() << kDefaultSoundfont << " is absent (package timgm6mb-soundfont)";
    }
  }

  // An offline synthesizer with the soundfont loaded.
  std::unique_ptr<FluidSynthOutput> MakeSynth() {
    auto synth = std::make_unique<FluidSynthOutput>("", FluidSynthOutput::Mode::kOffline,
                                                    diagnostics_);
    EXPECT_TRUE(synth->IsWorking());
    EXPECT_TRUE(synth->WaitUntilLoaded());
    return synth;
  }

  std::ostringstream diagnostics_;
};

TEST_F(FluidSynthOfflineTest, MiddleCSoundsAt261Hz) {
  auto synth = MakeSynth();
  std::vector<float> track;
  synth->open();
  synth->send(NoteOnMessage(60));
  RenderMs(*synth, 150, track);
  synth->close();
  RenderMs(*synth, 100, track);
  ASSERT_GT(Rms(track, 20, 150), 0.005);
  EXPECT_NEAR(Cents(PitchHz(track, 40, 150), 261.6256), 0.0, 5.0);
  EXPECT_TRUE(diagnostics_.str().empty()) << diagnostics_.str();
}

TEST_F(FluidSynthOfflineTest, OtherNotesFollowTheirPitch) {
  // A (note 57, 220 Hz), a minor third below middle C and still in the
  // detector's range, so a synthesizer stuck on one pitch would be caught.
  auto synth = MakeSynth();
  std::vector<float> track;
  synth->open();
  synth->send(NoteOnMessage(57));
  RenderMs(*synth, 200, track);
  synth->close();
  EXPECT_NEAR(Cents(PitchHz(track, 40, 200), 220.0), 0.0, 5.0);
}

TEST_F(FluidSynthOfflineTest, CloseReleasesTheNote) {
  // The same note twice: one closed after 150 ms, one left sounding. A guitar
  // fades by itself, so the closed note must fall well below the held one.
  auto closed = MakeSynth();
  auto held = MakeSynth();
  std::vector<float> closedTrack, heldTrack;
  closed->open();
  closed->send(NoteOnMessage(60));
  held->open();
  held->send(NoteOnMessage(60));
  RenderMs(*closed, 150, closedTrack);
  RenderMs(*held, 150, heldTrack);
  closed->close();
  RenderMs(*closed, 600, closedTrack);
  RenderMs(*held, 600, heldTrack);

  const double before = Rms(closedTrack, 100, 150);
  ASSERT_GT(before, 0.005);
  EXPECT_NEAR(Rms(heldTrack, 100, 150), before, before * 0.01);
  EXPECT_LT(Rms(closedTrack, 650, 750), 0.25 * Rms(heldTrack, 650, 750));
  EXPECT_LT(Rms(closedTrack, 650, 750), 0.5 * before);
}

TEST_F(FluidSynthOfflineTest, CloseEndsOnlyTheNotesItsOpenStarted) {
  auto synth = MakeSynth();
  std::vector<float> track;
  synth->open();
  synth->send(NoteOnMessage(60));
  RenderMs(*synth, 50, track);
  synth->close();
  RenderMs(*synth, 1000, track);
  // A second open with nothing sent and its close: the earlier release goes
  // on undisturbed, and nothing new sounds.
  synth->open();
  synth->close();
  std::vector<float> after;
  RenderMs(*synth, 500, after);
  EXPECT_LT(Peak(after), 1e-3);
}

TEST_F(FluidSynthOfflineTest, LengthZeroIsSilent) {
  auto synth = MakeSynth();
  std::vector<float> track;
  synth->open();
  synth->send(NoteOnMessage(60));
  synth->close();
  RenderMs(*synth, 500, track);
  EXPECT_LT(Peak(track), 1e-4);
}

TEST_F(FluidSynthOfflineTest, ChordAtLengthZeroIsSilent) {
  auto synth = MakeSynth();
  std::vector<float> track;
  synth->open();
  for (int note : {40, 45, 50, 55, 59, 64}) synth->send(NoteOnMessage(note));
  synth->close();
  RenderMs(*synth, 300, track);
  EXPECT_LT(Peak(track), 1e-4);
}

TEST_F(FluidSynthOfflineTest, NoteSentButNotClosedBeforeTheNextBlockSounds) {
  // The counterpart of the silent length 0: the same note, left open for one
  // block, is plainly heard.
  auto synth = MakeSynth();
  std::vector<float> track;
  synth->open();
  synth->send(NoteOnMessage(60));
  RenderMs(*synth, 10, track);
  synth->close();
  RenderMs(*synth, 300, track);
  EXPECT_GT(Peak(track), 0.01);
}

TEST(FluidSynthMissingSoundfontTest, SaysWhatIsMissingAndStaysSilent) {
  std::ostringstream diagnostics;
  const std::string path = "/nonexistent/fretlab/none.sf2";
  FluidSynthOutput synth(path, FluidSynthOutput::Mode::kOffline, diagnostics);
  EXPECT_FALSE(synth.IsWorking());
  EXPECT_FALSE(synth.WaitUntilLoaded());
  const std::string message = diagnostics.str();
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
  EXPECT_NE(message.find(path), std::string::npos) << message;
  EXPECT_NE(message.find("timgm6mb-soundfont"), std::string::npos) << message;

  synth.open();
  synth.send(NoteOnMessage(60));
  std::vector<float> track;
  RenderMs(synth, 100, track);
  synth.close();
  RenderMs(synth, 100, track);
  EXPECT_LT(Peak(track), 1e-6);  // FluidSynth dithers at about 1e-8
}

TEST(FluidSynthMissingSoundfontTest, FileThatIsNoSoundfontIsReported) {
  char path[] = "/tmp/fretlab-notsf2-XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, "RIFF0000WAVEfmt ", 16), 16);
  close(fd);
  std::ostringstream diagnostics;
  FluidSynthOutput synth(path, FluidSynthOutput::Mode::kOffline, diagnostics);
  std::remove(path);
  EXPECT_FALSE(synth.IsWorking());
  EXPECT_NE(diagnostics.str().find("not a SoundFont"), std::string::npos) << diagnostics.str();
}

TEST(FluidSynthMissingSoundfontTest, ChosenSynthBackendFallsBackToSilence) {
  std::ostringstream diagnostics;
  OutputOptions options;
  options.soundfont = "/nonexistent/fretlab/none.sf2";
  auto output = CreateMidiOutput(options, diagnostics);
  ASSERT_NE(output, nullptr);
  const std::string message = diagnostics.str();
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
  EXPECT_NE(message.find("install timgm6mb-soundfont"), std::string::npos) << message;
  output->open();
  output->send(NoteOnMessage(60));
  output->close();
}

TEST(FluidSynthDeviceTest, DefaultBackendStartsOrSaysThatTheAudioDeviceIsMissing) {
  if (access(kDefaultSoundfont, R_OK) != 0) {
    GTEST_SKIP() << kDefaultSoundfont << " is absent (package timgm6mb-soundfont)";
  }
  std::ostringstream diagnostics;
  auto output = CreateMidiOutput(OutputOptions{}, diagnostics);
  ASSERT_NE(output, nullptr);
  const std::string message = diagnostics.str();
  if (!message.empty()) {
    // No sound card or sound server where the tests run: one line, and it
    // names what is missing.
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_NE(message.find("no audio device"), std::string::npos) << message;
  }
  output->open();
  output->send(NoteOnMessage(60));
  output->close();
}

TEST(FluidSynthLatencyTest, ConfiguredLatencyIsAtMost25Ms) {
  EXPECT_GT(FluidSynthOutput::ConfiguredLatencyMs(), 0.0);
  EXPECT_LE(FluidSynthOutput::ConfiguredLatencyMs(), 25.0);
}

}  // namespace
}  // namespace fretlab
