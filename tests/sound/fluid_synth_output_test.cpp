// The built-in synthesizer, rendered offline: no sound card is needed to hear
// its pitch, its release and its silence.

#include "sound/backends/fluid_synth_output.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "sound/backends/backends.h"
#include "sound/listening.h"
#include "support/soundfonts.h"
#include "support/temp_dir.h"

namespace fretlab {
namespace {

using namespace listening;

using testing::kTimGM6mb;

class FluidSynthOfflineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kTimGM6mb.Installed()) GTEST_SKIP() << kTimGM6mb.Missing();
  }

  // An offline synthesizer with TimGM6mb loaded.
  std::unique_ptr<FluidSynthOutput> MakeSynth() {
    auto synth = std::make_unique<FluidSynthOutput>(kTimGM6mb.path,
                                                    FluidSynthOutput::Mode::kOffline, diagnostics_);
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

// A soundfont the user named: the message names it and asks for a working
// file; installing the default package would not help.
TEST(FluidSynthMissingSoundfontTest, MissingSoundfontTheUserGaveIsNamedWithoutTheDefaultPackage) {
  std::ostringstream diagnostics;
  const std::string path = "/nonexistent/fretlab/none.sf2";
  FluidSynthOutput synth(path, FluidSynthOutput::Mode::kOffline, diagnostics);
  EXPECT_FALSE(synth.IsWorking());
  EXPECT_FALSE(synth.WaitUntilLoaded());
  EXPECT_EQ(synth.soundfont(), "") << "no soundfont is played from";
  const std::string message = diagnostics.str();
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
  EXPECT_NE(message.find(path), std::string::npos) << message;
  EXPECT_NE(message.find("No such file or directory"), std::string::npos) << message;
  EXPECT_NE(message.find("--soundfont"), std::string::npos) << message;
  EXPECT_EQ(message.find(kDefaultSoundfontPackage), std::string::npos) << message;
  EXPECT_EQ(message.find("install"), std::string::npos) << message;

  synth.open();
  synth.send(NoteOnMessage(60));
  std::vector<float> track;
  RenderMs(synth, 100, track);
  synth.close();
  RenderMs(synth, 100, track);
  EXPECT_LT(Peak(track), 1e-6);
}

TEST(FluidSynthMissingSoundfontTest, UnreadableSoundfontTheUserGaveIsNamedWithTheReason) {
  // A path through a regular file cannot be read by anyone, root included.
  testing::TempDir dir;
  const std::string path = dir.Write("file", "") + "/guitar.sf2";
  std::ostringstream diagnostics;
  FluidSynthOutput synth(path, FluidSynthOutput::Mode::kOffline, diagnostics);
  EXPECT_FALSE(synth.IsWorking());
  const std::string message = diagnostics.str();
  EXPECT_NE(message.find(path), std::string::npos) << message;
  EXPECT_NE(message.find("Not a directory"), std::string::npos) << message;
  EXPECT_EQ(message.find("install"), std::string::npos) << message;
}

// Without --soundfont the default soundfont is used; when it is missing, the
// package that brings it is the fix.
TEST(FluidSynthMissingSoundfontTest, MissingDefaultSoundfontNamesItsPackage) {
  std::ostringstream diagnostics;
  FluidSynthOutput::Setup setup;
  setup.defaultSoundfont = "/nonexistent/fretlab/default-GM.sf2";
  setup.mode = FluidSynthOutput::Mode::kOffline;
  FluidSynthOutput synth(setup, diagnostics);
  EXPECT_FALSE(synth.IsWorking());
  const std::string message = diagnostics.str();
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
  EXPECT_NE(message.find(setup.defaultSoundfont), std::string::npos) << message;
  EXPECT_NE(message.find(std::string("install ") + kDefaultSoundfontPackage), std::string::npos)
      << message;
}

TEST(FluidSynthMissingSoundfontTest, FileThatIsNoSoundfontIsReported) {
  testing::TempDir dir;
  const std::string wave = dir.Write("sound.wav", "RIFF0000WAVEfmt ");
  std::ostringstream diagnostics;
  FluidSynthOutput synth(wave, FluidSynthOutput::Mode::kOffline, diagnostics);
  EXPECT_FALSE(synth.IsWorking());
  EXPECT_NE(diagnostics.str().find("not a SoundFont"), std::string::npos) << diagnostics.str();
  EXPECT_EQ(diagnostics.str().find(kDefaultSoundfontPackage), std::string::npos)
      << diagnostics.str();
}

// A file that says it is a SoundFont but breaks off after its header: one
// line of our own, and nothing from the library on standard error.
TEST(FluidSynthMissingSoundfontTest, BrokenSoundfontGivesOneLineAndNoLibraryNoise) {
  const char header[] = "RIFF\x40\x00\x00\x00sfbkLIST\x30\x00\x00\x00INFOifil\x04\x00";
  testing::TempDir dir;
  const std::string path = dir.Write("broken.sf2", std::string_view(header, sizeof header - 1));
  std::ostringstream diagnostics;
  ::testing::internal::CaptureStderr();
  {
    FluidSynthOutput synth(path, FluidSynthOutput::Mode::kOffline, diagnostics);
    EXPECT_TRUE(synth.IsWorking());  // only the load finds the fault
    EXPECT_FALSE(synth.WaitUntilLoaded());
    EXPECT_FALSE(synth.IsWorking());
  }
  const std::string noise = ::testing::internal::GetCapturedStderr();
  const std::string message = diagnostics.str();
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
  EXPECT_NE(message.find(path), std::string::npos) << message;
  EXPECT_NE(message.find("could not be loaded"), std::string::npos) << message;
  EXPECT_EQ(message.find(kDefaultSoundfontPackage), std::string::npos) << message;
  EXPECT_EQ(noise, "");
}

TEST(FluidSynthMissingSoundfontTest, ChosenSynthBackendFallsBackToSilence) {
  std::ostringstream diagnostics;
  OutputOptions options;
  options.soundfont = "/nonexistent/fretlab/none.sf2";
  auto output = CreateMidiOutput(options, diagnostics);
  ASSERT_NE(output, nullptr);
  EXPECT_EQ(dynamic_cast<FluidSynthOutput*>(output.get()), nullptr);
  EXPECT_EQ(output->soundfont(), "");
  const std::string message = diagnostics.str();
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
  EXPECT_NE(message.find(options.soundfont), std::string::npos) << message;
  output->open();
  output->send(NoteOnMessage(60));
  output->close();
}

// The backend as the program starts it, with whichever soundfont the
// system's default is: only whether an audio device was found is checked.
TEST(FluidSynthDeviceTest, DefaultBackendStartsOrSaysThatTheAudioDeviceIsMissing) {
  if (access(kDefaultSoundfont, R_OK) != 0) {
    GTEST_SKIP() << kDefaultSoundfont << " is absent (package " << kDefaultSoundfontPackage << ")";
  }
  std::ostringstream diagnostics;
  auto output = CreateMidiOutput(OutputOptions{}, diagnostics);
  ASSERT_NE(output, nullptr);
  auto* synth = dynamic_cast<FluidSynthOutput*>(output.get());
  ASSERT_NE(synth, nullptr);
  // The device is looked for off the caller's thread; its answer comes later.
  const bool playing = synth->WaitUntilLoaded();
  const std::string message = diagnostics.str();
  if (playing) {
    EXPECT_EQ(message, "");
    EXPECT_FALSE(synth->AudioDriverName().empty());
  } else {
    // No sound card or sound server where the tests run: one line, and it
    // names what is missing.
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_NE(message.find("no audio device"), std::string::npos) << message;
  }
  output->open();
  output->send(NoteOnMessage(60));
  output->close();
}

// A click must be heard within 30 ms; the window takes a millisecond or two
// of that to handle it.
TEST(FluidSynthLatencyTest, ConfiguredLatencyLeavesTheWindowTwoMillisecondsOf30) {
  EXPECT_GT(FluidSynthOutput::ConfiguredLatencyMs(), 10.0);
  EXPECT_LE(FluidSynthOutput::ConfiguredLatencyMs(), 28.0);
}

// The About box names the file the synthesizer plays from: the one given,
// as given.
TEST_F(FluidSynthOfflineTest, TellsTheSoundfontItPlaysFrom) {
  EXPECT_EQ(MakeSynth()->soundfont(), kTimGM6mb.path);
}

}  // namespace
}  // namespace fretlab
