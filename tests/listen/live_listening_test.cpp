// Listening live through a fake capture: notes with their times on the
// sound clock, Fretlab's own sound kept out, the tuner switched on and off,
// and the capture's failures passed on.

#include "listen/live_listening.h"

#include <gtest/gtest.h>

#include "support/fake_capture.h"
#include "support/guitar_material.h"

namespace fretlab {
namespace {

using namespace std::chrono_literals;

struct Events {
  std::vector<LiveNote> notes;
  std::vector<TunerReading> readings;
  std::vector<double> levels;
  std::vector<std::string> failures;

  ListeningHandlers Handlers() {
    return {[this](const LiveNote& n) { notes.push_back(n); },
            [this](const TunerReading& r) { readings.push_back(r); },
            [this](double level) { levels.push_back(level); },
            [this](const std::string& line) { failures.push_back(line); }};
  }
};

ListenSettings Guitar() { return ListenSettings::ForStrings(testing::kMaterialRate, 40, 64); }

double Seconds(SoundClock::duration d) { return std::chrono::duration<double>(d).count(); }

TEST(LiveListeningTest, NotesArriveWithTheirTimesOnTheSoundClock) {
  testing::FakeCapture capture;
  Events events;
  LiveListening listening(capture, events.Handlers());
  EXPECT_FALSE(capture.Capturing());
  std::string failure;
  ASSERT_TRUE(listening.Start("alsa_input.pci", Guitar(), failure)) << failure;
  EXPECT_EQ(capture.startedSource, "alsa_input.pci");
  EXPECT_EQ(capture.startedRate, 44100);
  const SoundClock::time_point t0 = SoundClock::now();
  capture.Deliver(testing::RenderNotes(24, {{52, 0.5, 0.6, 100}, {59, 1.5, 0.6, 100}}, 2.5), t0);
  ASSERT_EQ(events.notes.size(), 2u);
  EXPECT_EQ(events.notes[0].heard.note, 52);
  EXPECT_NEAR(Seconds(events.notes[0].onset - t0), 0.5, 0.02);
  EXPECT_NEAR(Seconds(events.notes[1].decided - t0), events.notes[1].heard.decided, 1e-6);
  // A level about every 50 ms, loud while a note sounds.
  EXPECT_NEAR(events.levels.size(), 2.5 / LiveListening::kLevelSeconds, 2);
  EXPECT_GT(*std::max_element(events.levels.begin(), events.levels.end()), -30);
  EXPECT_TRUE(events.readings.empty());  // no tuner asked for
  listening.Stop();
  EXPECT_FALSE(capture.Capturing());
  EXPECT_FALSE(listening.Listening());
}

TEST(LiveListeningTest, FretlabsOwnNoteOnTheSoundClockIsNotHeard) {
  testing::FakeCapture capture;
  Events events;
  LiveListening listening(capture, events.Handlers());
  std::string failure;
  ASSERT_TRUE(listening.Start("", Guitar(), failure));
  const SoundClock::time_point t0 = SoundClock::now() + 10s;
  listening.SetSoundingUntil(t0 + 1s);  // the program's A3 ends 1 s in
  listening.SetSoundingUntil(t0);       // an earlier end does not shorten it
  capture.Deliver(testing::RenderNotes(24, {{57, 0.5, 0.5, 100}, {64, 2.0, 0.6, 100}}, 3.0), t0);
  ASSERT_EQ(events.notes.size(), 1u);
  EXPECT_EQ(events.notes[0].heard.note, 64);
}

TEST(LiveListeningTest, TheTunerFollowsTheStringsAskedFor) {
  testing::FakeCapture capture;
  Events events;
  LiveListening listening(capture, events.Handlers());
  std::string failure;
  ASSERT_TRUE(listening.Start("", Guitar(), failure));
  Tuning dropD;
  for (int open : {64, 59, 55, 50, 45, 38}) dropD.strings.push_back({{}, open});
  listening.SetTuner(dropD, 0);
  const std::vector<float> low = testing::HarmonicTone(NoteHz(38.2), 1.0);
  capture.Deliver(low, SoundClock::now());
  ASSERT_FALSE(events.readings.empty());
  EXPECT_TRUE(events.readings.back().heard);
  EXPECT_EQ(events.readings.back().target.string, 5);
  EXPECT_NEAR(events.readings.back().target.cents, 20, 1);
  listening.ClearTuner();
  events.readings.clear();
  capture.Deliver(low, SoundClock::now());
  EXPECT_TRUE(events.readings.empty());
}

TEST(LiveListeningTest, NoInputARefusalAndAnInputGoneEachGiveTheirLine) {
  testing::FakeCapture capture;
  Events events;
  LiveListening listening(capture, events.Handlers());
  std::string failure;
  capture.refuseWith = "The sound server refused the input \"Guitar Interface\": choose another.";
  EXPECT_FALSE(listening.Start("", Guitar(), failure));
  EXPECT_EQ(failure, capture.refuseWith);
  EXPECT_FALSE(listening.Listening());

  capture.refuseWith.clear();
  ASSERT_TRUE(listening.Start("", Guitar(), failure));
  capture.Fail("The input \"Guitar Interface\" is gone: plug it in again or choose another input.");
  EXPECT_EQ(events.failures,
            std::vector<std::string>{
                "The input \"Guitar Interface\" is gone: plug it in again or choose another input."});
  listening.Stop();
  EXPECT_EQ(capture.stops, 1);
  listening.Stop();  // stopping twice asks the capture once
  EXPECT_EQ(capture.stops, 1);
}

}  // namespace
}  // namespace fretlab
