// Play, Strum and a click as schedules walked on a fake clock: the MIDI calls
// at their times, the marks that follow the sound, and Stop at any moment.

#include "practice/playback_schedule.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "support/fake_sound.h"

namespace fretlab {
namespace {

using namespace std::chrono_literals;
using testing::Close;
using testing::FakeClock;
using testing::Open;
using testing::OutputCall;
using testing::RecordingOutput;
using testing::Send;

class Playing : public ::testing::Test {
 protected:
  Playing() {
    player.SetStepListener([this](int step) { steps.push_back({step, FakeClock::Ms(clock.now())}); });
  }

  // Runs the player to its end the way the window's timer does: wake at
  // each next event, `late` after it is due.
  void RunToEnd(SoundClock::duration late = 0ms) {
    while (auto next = player.NextEventTime()) {
      if (clock.now() < *next + late) clock.Advance(*next + late - clock.now());
      player.Advance(clock.now());
    }
  }

  struct StepAt {
    int step;
    long long ms;
    bool operator==(const StepAt&) const = default;
  };

  FakeClock clock;
  RecordingOutput output{clock};
  SchedulePlayer player{output};
  std::vector<StepAt> steps;
};

const std::vector<SoundedPosition> kThreePitches = {
    {{0, 5}, 69}, {{5, 0}, 40}, {{1, 10}, 69}, {{4, 0}, 45}};

TEST(PlaybackSchedule, WalkGroupsPositionsByPitchLowToHighAndBack) {
  const PlaybackSchedule up = PlaybackSchedule::Walk(kThreePitches, 300ms, false);
  ASSERT_EQ(up.Steps().size(), 3u);
  EXPECT_EQ(up.Steps()[0].notes, std::vector<int>{40});
  EXPECT_EQ(up.Steps()[1].notes, std::vector<int>{45});
  EXPECT_EQ(up.Steps()[2].notes, std::vector<int>{69});
  EXPECT_EQ(up.Steps()[2].marks, (std::vector<Position>{{0, 5}, {1, 10}}));
  EXPECT_EQ(up.Duration(), 900ms);

  const PlaybackSchedule back = PlaybackSchedule::Walk(kThreePitches, 300ms, true);
  std::vector<int> notes;
  for (const PlaybackStep& s : back.Steps()) notes.push_back(s.notes.at(0));
  EXPECT_EQ(notes, (std::vector<int>{40, 45, 69, 45, 40}));
  EXPECT_EQ(back.Steps()[4].start, 1200ms);
  EXPECT_EQ(back.Duration(), 1500ms);
  EXPECT_TRUE(PlaybackSchedule::Walk({}, 300ms, true).Steps().empty());
}

TEST_F(Playing, WalkSoundsEachStepAtItsTimeAndTheMarksFollow) {
  player.Start(PlaybackSchedule::Walk(kThreePitches, 300ms, true), clock.now());
  RunToEnd();
  const std::vector<OutputCall> expected = {
      Open(0),    Send(NoteOnMessage(40), 0),    Close(300),  Open(300),
      Send(NoteOnMessage(45), 300),  Close(600),  Open(600),  Send(NoteOnMessage(69), 600),
      Close(900), Open(900),  Send(NoteOnMessage(45), 900),  Close(1200), Open(1200),
      Send(NoteOnMessage(40), 1200), Close(1500)};
  EXPECT_EQ(output.calls, expected);
  EXPECT_EQ(steps, (std::vector<StepAt>{{0, 0}, {1, 300}, {2, 600}, {3, 900}, {4, 1200}, {-1, 1500}}));
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_FALSE(player.NextEventTime().has_value());
}

TEST_F(Playing, StopEndsTheSoundingNoteAtOnce) {
  player.Start(PlaybackSchedule::Walk(kThreePitches, 300ms, true), clock.now());
  clock.Advance(450ms);
  player.Advance(clock.now());
  EXPECT_EQ(player.CurrentStep(), 1);
  clock.Advance(7ms);
  player.Stop();
  EXPECT_EQ(output.calls.back(), Close(457));
  EXPECT_EQ(steps.back(), (StepAt{-1, 457}));
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_EQ(player.CurrentStep(), -1);
  const std::size_t calls = output.calls.size();
  clock.Advance(2s);
  EXPECT_FALSE(player.Advance(clock.now()).has_value());
  EXPECT_EQ(output.calls.size(), calls);  // nothing more is sounded
  player.Stop();  // a second Stop, or one with nothing playing, does nothing
  EXPECT_EQ(output.calls.size(), calls);
  EXPECT_EQ(steps.size(), 3u);
}

TEST_F(Playing, StrumOpensOnceStaggersTheNotesAndClosesOnce) {
  const std::vector<SoundedPosition> chord = {{{5, 3}, 43}, {{4, 2}, 47}, {{3, 0}, 50},
                                              {{2, 0}, 55}, {{1, 3}, 62}, {{0, 3}, 67}};
  player.Start(PlaybackSchedule::Strum(chord, 20ms, 1500ms), clock.now());
  RunToEnd();
  const std::vector<OutputCall> expected = {
      Open(0),   Send(NoteOnMessage(43), 0),   Send(NoteOnMessage(47), 20),
      Send(NoteOnMessage(50), 40),  Send(NoteOnMessage(55), 60), Send(NoteOnMessage(62), 80),
      Send(NoteOnMessage(67), 100), Close(1500)};
  EXPECT_EQ(output.calls, expected);
  EXPECT_EQ(player.Schedule().Steps()[0].marks.size(), 6u);
}

TEST_F(Playing, AStrumTooSlowForItsLengthIsPressedIntoItsFirstHalf) {
  player.Start(PlaybackSchedule::Strum({{{1, 0}, 59}, {{0, 0}, 64}, {{0, 1}, 65}}, 80ms, 100ms),
               clock.now());
  RunToEnd();
  EXPECT_EQ(output.calls, (std::vector<OutputCall>{Open(0), Send(NoteOnMessage(59), 0),
                                                   Send(NoteOnMessage(64), 25),
                                                   Send(NoteOnMessage(65), 50), Close(100)}));
}

TEST_F(Playing, ALateTimerCatchesUpInOrder) {
  player.Start(PlaybackSchedule::Walk(kThreePitches, 300ms, false), clock.now());
  clock.Advance(650ms);  // the window was busy through two deadlines
  player.Advance(clock.now());
  EXPECT_EQ(output.calls, (std::vector<OutputCall>{
                              Open(0), Send(NoteOnMessage(40), 0), Close(650), Open(650),
                              Send(NoteOnMessage(45), 650), Close(650), Open(650),
                              Send(NoteOnMessage(69), 650)}));
  EXPECT_EQ(player.CurrentStep(), 2);
  // The rest stays on the schedule's own grid, not shifted by the delay.
  EXPECT_EQ(FakeClock::Ms(*player.NextEventTime()), 900);
}

TEST_F(Playing, StartingAgainStopsWhatPlays) {
  player.Start(PlaybackSchedule::Walk(kThreePitches, 300ms, false), clock.now());
  clock.Advance(100ms);
  player.Start(PlaybackSchedule::Sequence({{{72}, {{0, 8}}}}, 500ms), clock.now());
  EXPECT_EQ(output.calls, (std::vector<OutputCall>{Open(0), Send(NoteOnMessage(40), 0), Close(100),
                                                   Open(100), Send(NoteOnMessage(72), 100)}));
  EXPECT_EQ(steps, (std::vector<StepAt>{{0, 0}, {-1, 100}, {0, 100}}));
  RunToEnd();
  EXPECT_EQ(output.calls.back(), Close(600));
}

TEST_F(Playing, NotesOutsideMidiAreNotSentButTheStepKeepsItsTime) {
  player.Start(PlaybackSchedule::Sequence({{{128}, {}}, {{-1}, {}}}, 200ms), clock.now());
  RunToEnd();
  EXPECT_EQ(output.calls,
            (std::vector<OutputCall>{Open(0), Close(200), Open(200), Close(400)}));
}

TEST_F(Playing, AStepWithALengthOfItsOwnKeepsItAndARestSoundsNothing) {
  // A reference note, a short rest, then the note asked for.
  player.Start(PlaybackSchedule::Sequence({{{60}, {}}, {{}, {}, 0ms, 250ms}, {{67}, {}}}, 800ms),
               clock.now());
  RunToEnd();
  EXPECT_EQ(output.calls, (std::vector<OutputCall>{Open(0), Send(NoteOnMessage(60), 0), Close(800),
                                                   Open(800), Close(1050), Open(1050),
                                                   Send(NoteOnMessage(67), 1050), Close(1850)}));
}

TEST_F(Playing, AnEmptyScheduleEndsAtOnce) {
  player.Start(PlaybackSchedule::Strum({}, 20ms, 1000ms), clock.now());
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_TRUE(output.calls.empty());
  EXPECT_EQ(steps, (std::vector<StepAt>{{-1, 0}}));
}

TEST_F(Playing, DestroyingThePlayerSilencesIt) {
  {
    SchedulePlayer local(output);
    local.Start(PlaybackSchedule::Sequence({{{60}, {}}}, 1000ms), clock.now());
  }
  EXPECT_EQ(output.calls.back(), Close(0));
}

}  // namespace
}  // namespace fretlab
