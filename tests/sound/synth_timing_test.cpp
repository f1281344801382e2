// The built-in synthesizer on its live path, through a sound server that the
// test plays: requests for 512 frames at the times a real server would make
// them, messages stamped on a fake clock. Notes start on the frame their stamp
// gives, however the stamps fall against the requests, and the stream stops
// after two seconds of silence and starts again for the next note.

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <memory>
#include <sstream>
#include <vector>

#include "sound/backends/fluid_synth_output.h"
#include "sound/listening.h"
#include "support/fake_sound.h"
#include "support/soundfonts.h"

namespace fretlab {
namespace {

using namespace listening;
using namespace std::chrono_literals;
using testing::FakeAudioSink;
using testing::FakeClock;

constexpr std::uint32_t NoteOn(int channel, int note, int velocity) {
  return 0x90u + channel + note * 256u + velocity * 65536u;
}

// The synthesizer with a fake sound server. Request k is made at
// kStreamStart + k x 512 frames, as a server that plays in real time makes
// them; the fake clock is what messages are stamped with.
class LiveSynth {
 public:
  static constexpr SoundClock::time_point kStreamStart = FakeClock::kOrigin + 1s;

  explicit LiveSynth(bool deviceMissing = false) {
    server->connectFails = deviceMissing;
    FluidSynthOutput::Setup setup;
    setup.soundfont = testing::kTimGM6mb.path;
    setup.now = [this] { return clock.now(); };
    setup.sinks.push_back([state = server](AudioSink::RenderFunction render) {
      return std::make_unique<FakeAudioSink>(state, std::move(render));
    });
    synth = std::make_unique<FluidSynthOutput>(setup, diagnostics);
  }

  // Moves the fake clock to `at` after the stream's start.
  void At(SoundClock::duration at) { clock.Advance(kStreamStart + at - clock.now()); }

  // Plays requests until `ms` of sound has been asked for since the first.
  // False when the server stopped streaming before.
  bool PlayUntilMs(double ms) {
    std::vector<float> left(kBlock), right(kBlock);
    while (track.size() < static_cast<std::size_t>(Frames(ms))) {
      const auto when = kStreamStart + std::chrono::nanoseconds(static_cast<long long>(
                                           1e9 * static_cast<double>(track.size()) / kRate));
      if (!FakeAudioSink::Request(*server, left.data(), right.data(), kBlock, when)) return false;
      track.left.insert(track.left.end(), left.begin(), left.end());
      track.right.insert(track.right.end(), right.begin(), right.end());
    }
    return true;
  }

  // The audio thread held up for `stallMs` at `atMs`: the requests due in
  // that time are not made, and then one request asks for all of their
  // frames, as a server that plays on through the gap does.
  bool StallAt(double atMs, double stallMs) {
    if (!PlayUntilMs(atMs)) return false;
    const int frames = static_cast<int>(Frames(atMs + stallMs) - track.size());
    std::vector<float> left(frames), right(frames);
    const auto when = kStreamStart + std::chrono::microseconds(std::lround(1000 * (atMs + stallMs)));
    if (!FakeAudioSink::Request(*server, left.data(), right.data(), frames, when)) return false;
    track.left.insert(track.left.end(), left.begin(), left.end());
    track.right.insert(track.right.end(), right.begin(), right.end());
    return true;
  }

  FakeClock clock;
  std::ostringstream diagnostics;
  std::shared_ptr<FakeAudioSink::State> server = std::make_shared<FakeAudioSink::State>();
  std::unique_ptr<FluidSynthOutput> synth;
  StereoTrack track;
};

constexpr float kHeard = 1e-4f;  // -80 dBFS

class SynthTimingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testing::kTimGM6mb.Installed()) GTEST_SKIP() << testing::kTimGM6mb.Missing();
  }

  // A fresh synthesizer that sounds middle C on `channel` at `stamp` after
  // the stream's start, and returns the frame where the note is first heard.
  static std::unique_ptr<LiveSynth> StartNote(SoundClock::duration stamp) {
    auto live = std::make_unique<LiveSynth>();
    EXPECT_TRUE(live->synth->WaitUntilLoaded()) << live->diagnostics.str();
    live->At(stamp);
    live->synth->open();
    live->synth->send(NoteOnMessage(60));
    EXPECT_TRUE(FakeAudioSink::WaitUntil(*live->server, true));
    return live;
  }

  // `run(velocity)` plays a first note and then a second at `velocity`. The
  // second is heard as the difference from a run where it is sent at
  // velocity 1, which changes nothing else.
  struct TwoNotes {
    std::unique_ptr<LiveSynth> loud;
    long first = -1;            // frame where the first note is heard
    std::vector<float> second;  // the second note alone
  };
  template <typename Run>
  static TwoNotes PlayTwoNotes(Run run) {
    TwoNotes notes{run(64), -1, {}};
    notes.first = FirstAbove(notes.loud->track.left, kHeard);
    notes.second = Difference(notes.loud->track.left, run(1)->track.left);
    return notes;
  }
};

// Stamps 0 to 3 ms apart move the onset by exactly as many frames: no 64- or
// 512-frame grid shows through.
TEST_F(SynthTimingTest, OnsetFollowsTheStampToTheFrame) {
  long first = -1;
  for (double shiftMs : {0.0, 0.3, 0.7, 1.1, 1.6, 2.2, 3.0}) {
    auto live = StartNote(20ms + std::chrono::microseconds(std::lround(shiftMs * 1000)));
    ASSERT_TRUE(live->PlayUntilMs(120));
    const long onset = FirstAbove(live->track.left, kHeard);
    ASSERT_GE(onset, 0) << shiftMs;
    if (first < 0) first = onset;
    EXPECT_NEAR(onset - first, shiftMs * kRate / 1000.0, 1.0) << "shifted by " << shiftMs << " ms";
  }
}

// Two notes stamped 3 ms (and 3.4 ms) apart, inside the time of one
// 512-frame request, start that far apart in the sound. The second is the
// same note on another channel.
TEST_F(SynthTimingTest, TwoNotesWithinOneRequestStartAtTheirOwnFrames) {
  for (auto apart : {3000us, 3400us}) {
    auto run = [apart](int secondVelocity) {
      auto live = StartNote(14ms);
      live->At(14ms + apart);
      live->synth->send(NoteOn(1, 60, secondVelocity));
      EXPECT_TRUE(live->PlayUntilMs(150));
      return live;
    };
    const TwoNotes notes = PlayTwoNotes(run);
    const long first = notes.first;
    ASSERT_GE(first, 0);
    const long secondOnset = FirstAbove(notes.second, kHeard);
    ASSERT_GE(secondOnset, 0);
    const double apartFrames = apart.count() * 1e-6 * kRate;
    EXPECT_NEAR(secondOnset - first, apartFrames, 0.1e-3 * kRate) << apart.count() << " us";
    // The first note starts where it starts alone.
    auto alone = StartNote(14ms);
    ASSERT_TRUE(alone->PlayUntilMs(150));
    EXPECT_EQ(FirstAbove(alone->track.left, kHeard), first);
  }
}

// A note sent late (the window woke late and drew a marker) but announced as
// due earlier is heard where it was due, up to FluidSynthOutput::kMostEarly.
TEST_F(SynthTimingTest, NoteSentLateIsPlacedWhereItWasDue) {
  auto onTime = StartNote(20ms);
  ASSERT_TRUE(onTime->PlayUntilMs(120));
  const long expected = FirstAbove(onTime->track.left, kHeard);
  ASSERT_GE(expected, 0);
  for (auto late : {3ms, 8ms, 20ms}) {
    LiveSynth live;
    ASSERT_TRUE(live.synth->WaitUntilLoaded());
    live.At(20ms + late);
    live.synth->due(LiveSynth::kStreamStart + 20ms);
    live.synth->open();
    live.synth->send(NoteOnMessage(60));
    ASSERT_TRUE(FakeAudioSink::WaitUntil(*live.server, true));
    ASSERT_TRUE(live.PlayUntilMs(150));
    const auto moved = std::max(SoundClock::duration::zero(), late - FluidSynthOutput::kMostEarly);
    EXPECT_NEAR(FirstAbove(live.track.left, kHeard) - expected,
                std::chrono::duration<double>(moved).count() * kRate, 1.0)
        << "sent " << late.count() << " ms late";
  }
}

// A display whose window woke late: the note's close comes 6 ms after the
// next note is due on the grid, and the next note is sent just after it,
// announced as due. The next note still starts 150 ms after the first, to
// 0.1 ms, and when it is the same pitch it sounds on instead of being ended
// by the late close of the note before.
TEST_F(SynthTimingTest, LateCloseKeepsTheNextNoteOnTheGridAndWhole) {
  constexpr auto kFirst = 20ms, kLength = 150ms, kLate = 6ms;
  for (int second : {62, 60}) {
    auto run = [&](int velocity) {
      auto live = StartNote(kFirst);
      EXPECT_TRUE(live->PlayUntilMs(std::chrono::duration<double, std::milli>(
                                        kFirst + kLength + kLate).count()));
      live->At(kFirst + kLength + kLate);
      live->synth->close();
      live->synth->due(LiveSynth::kStreamStart + kFirst + kLength);
      live->synth->open();
      live->synth->send(NoteOn(0, second, velocity));
      EXPECT_TRUE(live->PlayUntilMs(400));
      return live;
    };
    const TwoNotes notes = PlayTwoNotes(run);
    const long first = notes.first;
    ASSERT_GE(first, 0);
    const std::vector<float>& added = notes.second;
    const long onset = FirstAbove(added, kHeard, first + Frames(100));
    ASSERT_GE(onset, 0) << second;
    EXPECT_NEAR(onset - first, Frames(150), 0.1e-3 * kRate) << "note " << second;
    // 60 to 120 ms into each note: the second as loud as the first within
    // 6 dB (a released note has fallen far below by then).
    const double firstMs = 1000.0 * first / kRate, onsetMs = 1000.0 * onset / kRate;
    EXPECT_GT(Rms(added, onsetMs + 60, onsetMs + 120),
              0.5 * Rms(notes.loud->track.left, firstMs + 60, firstMs + 120))
        << "note " << second;
  }
}

// The audio thread is held up for 35 ms (the host took the processor away)
// just when the second note of a display is due: the note is still heard
// 150 ms after the first, to 0.1 ms, and the notes after the stall keep the
// grid too.
TEST_F(SynthTimingTest, AStalledAudioThreadKeepsTheNotesOnTheirGrid) {
  constexpr auto kFirst = 20ms, kLength = 150ms;
  auto run = [&](int secondVelocity, int thirdVelocity) {
    auto live = StartNote(kFirst);
    EXPECT_TRUE(live->PlayUntilMs(160));
    live->At(kFirst + kLength);
    live->synth->close();
    live->synth->open();
    live->synth->send(NoteOn(1, 60, secondVelocity));
    EXPECT_TRUE(live->StallAt(160, 35));
    EXPECT_TRUE(live->PlayUntilMs(320));
    live->At(kFirst + 2 * kLength);
    live->synth->send(NoteOn(2, 60, thirdVelocity));
    EXPECT_TRUE(live->PlayUntilMs(600));
    return live;
  };
  const auto all = run(64, 64);
  const long first = FirstAbove(all->track.left, kHeard);
  ASSERT_GE(first, 0);
  const long second = FirstAbove(Difference(all->track.left, run(1, 64)->track.left), kHeard);
  const long third = FirstAbove(Difference(all->track.left, run(64, 1)->track.left), kHeard);
  EXPECT_NEAR(second - first, Frames(150), 0.1e-3 * kRate);
  EXPECT_NEAR(third - first, Frames(300), 0.1e-3 * kRate);
}

TEST_F(SynthTimingTest, StreamStartsForANoteAndStopsAfterTwoSecondsOfSilence) {
  auto live = std::make_unique<LiveSynth>();
  ASSERT_TRUE(live->synth->WaitUntilLoaded());
  EXPECT_EQ(live->synth->AudioDriverName(), "fake");
  EXPECT_FALSE(live->synth->IsStreaming());  // nothing streams before a note
  EXPECT_EQ(live->server->starts, 0);

  live->synth->open();
  live->synth->send(NoteOnMessage(64));
  ASSERT_TRUE(FakeAudioSink::WaitUntil(*live->server, true));
  ASSERT_TRUE(live->PlayUntilMs(150));
  live->At(150ms);
  live->synth->close();
  // The note rings and fades; the stream runs on through the silence after
  // it, and stops once that silence reaches two seconds.
  long lastHeard = -1;
  double silenceAtStopMs = -1;
  for (int request = 0; request < 1000; ++request) {
    const double ms = 1000.0 * live->track.size() / kRate;
    if (!live->PlayUntilMs(ms + 1)) {
      silenceAtStopMs = ms - 1000.0 * lastHeard / kRate;
      break;
    }
    for (long i = lastHeard + 1; i < static_cast<long>(live->track.size()); ++i) {
      if (std::fabs(live->track.left[i]) >= kHeard) lastHeard = i;
    }
    // Near the end of the silence, give the output's thread time to stop.
    if (ms - 1000.0 * lastHeard / kRate > 1900) usleep(2000);
  }
  ASSERT_GT(lastHeard, Frames(150));  // the release rang on after the close
  EXPECT_GE(silenceAtStopMs, 2000);
  EXPECT_LE(silenceAtStopMs, 2300);
  ASSERT_TRUE(FakeAudioSink::WaitUntil(*live->server, false));
  EXPECT_EQ(live->server->stops, 1);
  EXPECT_FALSE(live->synth->IsStreaming());

  // The next note starts it again and is heard.
  live->At(std::chrono::milliseconds(1000 * live->track.size() / kRate));
  live->synth->open();
  live->synth->send(NoteOnMessage(67));
  ASSERT_TRUE(FakeAudioSink::WaitUntil(*live->server, true));
  EXPECT_EQ(live->server->starts, 2);
  const std::size_t from = live->track.size();
  ASSERT_TRUE(live->PlayUntilMs(1000.0 * from / kRate + 200));
  EXPECT_GE(FirstAbove(live->track.left, 0.01f, static_cast<long>(from)), 0);
}

// The program's output waits for the window before it connects to the sound
// server and loads the soundfont; begin() or a wait for the load starts it.
TEST_F(SynthTimingTest, StartWaitsForBegin) {
  for (bool viaBegin : {true, false}) {
    auto made = std::make_shared<std::atomic<int>>(0);
    auto server = std::make_shared<FakeAudioSink::State>();
    FluidSynthOutput::Setup setup;
    setup.soundfont = testing::kTimGM6mb.path;
    setup.startOnBegin = true;
    setup.sinks.push_back([made, server](AudioSink::RenderFunction render) {
      ++*made;
      return std::make_unique<FakeAudioSink>(server, std::move(render));
    });
    std::ostringstream diagnostics;
    FluidSynthOutput synth(setup, diagnostics);
    usleep(100000);
    EXPECT_EQ(made->load(), 0) << "before begin()";
    if (viaBegin) synth.begin();
    EXPECT_TRUE(synth.WaitUntilLoaded()) << diagnostics.str();
    EXPECT_EQ(made->load(), 1);
  }
}

TEST_F(SynthTimingTest, WithoutAnAudioDeviceItSaysSoOnceAndStaysSilent) {
  LiveSynth live(true);
  EXPECT_FALSE(live.synth->WaitUntilLoaded());
  EXPECT_FALSE(live.synth->IsWorking());
  const std::string message = live.diagnostics.str();
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
  EXPECT_NE(message.find("no audio device"), std::string::npos) << message;
  EXPECT_NE(message.find("fake: no such device"), std::string::npos) << message;
  live.synth->open();
  live.synth->send(NoteOnMessage(60));
  live.synth->close();
  EXPECT_EQ(live.server->starts, 0);
}

// The live path is the offline one: stereo, with the room's reverb.
TEST_F(SynthTimingTest, LiveSoundIsStereoWithReverb) {
  auto live = StartNote(10ms);
  ASSERT_TRUE(live->PlayUntilMs(160));
  live->At(160ms);
  live->synth->close();
  ASSERT_TRUE(live->PlayUntilMs(1200));
  double difference = 0;
  for (std::size_t i = 0; i < live->track.size(); ++i) {
    difference = std::max(difference, double(std::fabs(live->track.left[i] - live->track.right[i])));
  }
  EXPECT_GT(difference, 1e-3);
}

}  // namespace
}  // namespace fretlab
