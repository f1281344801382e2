// The note player's calls and waits, on a recording output and a fake clock.

#include "sound/note_player.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "support/fake_sound.h"

namespace fretlab {
namespace {

using testing::Close;
using testing::FakeClock;
using testing::Open;
using testing::OutputCall;
using testing::RecordingOutput;
using testing::Send;
using namespace std::chrono_literals;

// The packed note-on written out byte by byte: status 0x90 (channel 1), the
// note, velocity 64.
constexpr std::uint32_t NoteOnBytes(std::uint32_t note) {
  return 0x90u | (note << 8) | (0x40u << 16);
}

class NotePlayerTest : public ::testing::Test {
 protected:
  FakeClock clock_;
  RecordingOutput output_{clock_};
  NotePlayer player_{output_, clock_.MakeTiming()};

  std::vector<long long> WaitsMs() const {
    std::vector<long long> ms;
    for (auto deadline : clock_.waits) ms.push_back(FakeClock::Ms(deadline));
    return ms;
  }
};

TEST(NoteOnMessageTest, PacksStatusNoteAndVelocity) {
  EXPECT_EQ(NoteOnMessage(60), 0x403C90u);
  EXPECT_EQ(NoteOnMessage(0), 0x400090u);
  EXPECT_EQ(NoteOnMessage(127), 0x407F90u);
}

TEST_F(NotePlayerTest, PlayNoteOpensSendsWaitsTheLengthAndCloses) {
  player_.PlayNote(60, 15);
  EXPECT_EQ(output_.calls,
            (std::vector<OutputCall>{Open(0), Send(NoteOnBytes(60), 0), Close(150)}));
  EXPECT_EQ(WaitsMs(), (std::vector<long long>{150}));
}

TEST_F(NotePlayerTest, PlayChordSendsAllSixSlotsInSlotOrderTogether) {
  player_.PlayChord({40, 45, 50, 55, 59, 64}, 50);
  EXPECT_EQ(output_.calls, (std::vector<OutputCall>{
                               Open(0), Send(NoteOnBytes(40), 0), Send(NoteOnBytes(45), 0),
                               Send(NoteOnBytes(50), 0), Send(NoteOnBytes(55), 0),
                               Send(NoteOnBytes(59), 0), Send(NoteOnBytes(64), 0), Close(500)}));
  EXPECT_EQ(WaitsMs(), (std::vector<long long>{500}));
}

TEST_F(NotePlayerTest, PlayChordLeavesEmptySlotsSilent) {
  // Slot order, not note order: slot 1 holds a higher note than slot 3.
  player_.PlayChord({0, 57, 0, 52, 0, 64}, 15);
  EXPECT_EQ(output_.calls,
            (std::vector<OutputCall>{Open(0), Send(NoteOnBytes(57), 0), Send(NoteOnBytes(52), 0),
                                     Send(NoteOnBytes(64), 0), Close(150)}));
}

TEST_F(NotePlayerTest, AllEmptyChordStillOpensWaitsAndCloses) {
  player_.PlayChord({0, 0, 0, 0, 0, 0}, 25);
  EXPECT_EQ(output_.calls, (std::vector<OutputCall>{Open(0), Close(250)}));
  EXPECT_EQ(WaitsMs(), (std::vector<long long>{250}));
}

TEST_F(NotePlayerTest, LengthZeroClosesAtOnceWithoutWaiting) {
  player_.PlayNote(64, 0);
  player_.PlayChord({0, 45, 0, 0, 0, 0}, 0);
  EXPECT_EQ(output_.calls,
            (std::vector<OutputCall>{Open(0), Send(NoteOnBytes(64), 0), Close(0), Open(0),
                                     Send(NoteOnBytes(45), 0), Close(0)}));
  EXPECT_TRUE(clock_.waits.empty());
}

TEST_F(NotePlayerTest, NegativeLengthDoesNotWait) {
  player_.PlayNote(64, -3);
  EXPECT_TRUE(clock_.waits.empty());
  EXPECT_EQ(output_.calls.back(), Close(0));
}

TEST_F(NotePlayerTest, PlayNoteSkipsNotesOutsideTheMidiRange) {
  for (int note : {-1, 128, 1000, -9999}) {
    player_.PlayNote(note, 5);
  }
  // Each still takes its open, its wait and its close.
  EXPECT_EQ(output_.calls, (std::vector<OutputCall>{Open(0), Close(50), Open(50), Close(100),
                                                    Open(100), Close(150), Open(150),
                                                    Close(200)}));
}

TEST_F(NotePlayerTest, PlayNoteSendsTheRangeEnds) {
  player_.PlayNote(0, 5);
  player_.PlayNote(127, 5);
  EXPECT_EQ(output_.calls, (std::vector<OutputCall>{Open(0), Send(NoteOnBytes(0), 0), Close(50),
                                                    Open(50), Send(NoteOnBytes(127), 50),
                                                    Close(100)}));
}

TEST_F(NotePlayerTest, PlayChordSkipsSlotsOutsideTheMidiRange) {
  player_.PlayChord({-4, 127, 128, 40, 300, 1}, 5);
  EXPECT_EQ(output_.calls,
            (std::vector<OutputCall>{Open(0), Send(NoteOnBytes(127), 0), Send(NoteOnBytes(40), 0),
                                     Send(NoteOnBytes(1), 0), Close(50)}));
}

TEST_F(NotePlayerTest, WaitUnitsOutsideANoteRestsFromNow) {
  clock_.Advance(1234ms);
  player_.WaitUnits(20);
  EXPECT_EQ(WaitsMs(), (std::vector<long long>{1434}));
  EXPECT_TRUE(output_.calls.empty());
}

TEST_F(NotePlayerTest, RestAfterANoteKeepsTheGrid) {
  player_.PlayNote(60, 15);
  clock_.Advance(4ms);
  player_.WaitUnits(15);
  player_.PlayNote(62, 15);
  EXPECT_EQ(WaitsMs(), (std::vector<long long>{150, 300, 450}));
}

// A wait the user stops ends the note at that moment: the output closes at
// once and the next note starts a grid of its own.
TEST_F(NotePlayerTest, StoppedWaitClosesAtOnceAndRestartsTheGrid) {
  clock_.stopAfter = 40ms;
  EXPECT_FALSE(player_.PlayNote(60, 15));
  EXPECT_EQ(output_.calls, (std::vector<OutputCall>{Open(0), Send(NoteOnMessage(60), 0), Close(40)}));
  clock_.stopAfter.reset();
  EXPECT_TRUE(player_.PlayChord({40, 0, 0, 0, 0, 0}, 10));
  EXPECT_EQ(WaitsMs(), (std::vector<long long>{150, 140}));
}

// PlayChord is given m_nNoteLength; whatever length single notes used just
// before, the chord waits its own.
class ChordLengthTest : public NotePlayerTest, public ::testing::WithParamInterface<int> {};

TEST_P(ChordLengthTest, PlayChordWaitsTheLengthItIsGiven) {
  const int length = GetParam();
  player_.PlayNote(60, 20);
  clock_.Advance(1s);  // a separate operation
  player_.PlayChord({40, 0, 0, 0, 0, 0}, length);
  ASSERT_EQ(clock_.waits.size(), 2u);
  EXPECT_EQ(clock_.waits[1] - clock_.waits[0], 1s + length * 10ms);
  EXPECT_EQ(output_.calls.back(), Close(200 + 1000 + length * 10));
}

INSTANTIATE_TEST_SUITE_P(NoteValues, ChordLengthTest,
                         ::testing::Values(5, 12, 15, 20, 25, 37, 50, 75, 100, 150, 200));

// A display marks a position (a few ms of drawing) before each note, and a
// real sleep wakes a little late. Neither may add up over a scale.
class NoDriftTest : public NotePlayerTest {
 protected:
  void PlayScale(int notes, SoundClock::duration drawing) {
    for (int i = 0; i < notes; ++i) {
      clock_.Advance(drawing);
      player_.PlayNote(40 + i, 15);
    }
  }
};

TEST_F(NoDriftTest, ThirtyFiveNotesStayOnTheGridOfTheirLengths) {
  clock_.lateWakeUp = 1ms;
  PlayScale(35, 3ms);
  ASSERT_EQ(clock_.waits.size(), 35u);
  for (std::size_t i = 0; i < clock_.waits.size(); ++i) {
    // The first note starts after the first marker is drawn, at 3 ms.
    EXPECT_EQ(FakeClock::Ms(clock_.waits[i]), 3 + 150 * static_cast<long long>(i + 1))
        << "note " << i;
  }
  EXPECT_EQ(output_.calls.back(), Close(3 + 35 * 150 + 1));
}

TEST_F(NoDriftTest, GapUpToTheToleranceJoinsThePreviousDeadline) {
  PlayScale(2, kNoteJoinTolerance);
  EXPECT_EQ(WaitsMs(), (std::vector<long long>{10 + 150, 10 + 300}));
}

TEST_F(NoDriftTest, GapBeyondTheToleranceStillKeepsTheGrid) {
  // 11 ms used to start a grid of its own; the note now gives up those
  // milliseconds of its own wait instead.
  PlayScale(2, kNoteJoinTolerance + 1ms);
  EXPECT_EQ(WaitsMs(), (std::vector<long long>{11 + 150, 11 + 300}));
}

// A busy machine: one note of a 20-note display starts 40 ms late (a wake-up
// or a marker that took that long). That note is shortened by 40 ms and every
// later note stays on the display's grid.
TEST_F(NoDriftTest, LateNoteShortensItsOwnWaitAndTheDisplayStaysOnItsGrid) {
  for (int i = 0; i < 20; ++i) {
    clock_.Advance(i == 7 ? 40ms : 1ms);
    player_.PlayNote(40 + i, 15);
  }
  ASSERT_EQ(clock_.waits.size(), 20u);
  for (std::size_t i = 0; i < clock_.waits.size(); ++i) {
    EXPECT_EQ(FakeClock::Ms(clock_.waits[i]), 1 + 150 * static_cast<long long>(i + 1))
        << "note " << i;
  }
  // The late note opened 40 ms after the previous close and closed on the grid.
  EXPECT_EQ(output_.calls[7 * 3], Open(1 + 7 * 150 + 40));
  EXPECT_EQ(output_.calls[7 * 3 + 2], Close(1 + 8 * 150));
}

TEST_F(NoDriftTest, NoteStartingJustBeforeItsEndOnTheGridIsShortenedToAlmostNothing) {
  player_.PlayNote(60, 15);
  clock_.Advance(149ms);
  EXPECT_TRUE(player_.PlayNote(62, 15));
  EXPECT_EQ(WaitsMs(), (std::vector<long long>{150, 300}));
}

TEST_F(NoDriftTest, NoteStartingAtOrAfterItsEndOnTheGridStartsAfresh) {
  // Another display begun a whole note length after the last one ended.
  player_.PlayNote(60, 15);
  clock_.Advance(150ms);
  player_.PlayNote(62, 15);
  clock_.Advance(400ms);
  player_.PlayChord({40, 0, 0, 0, 0, 0}, 20);
  EXPECT_EQ(WaitsMs(), (std::vector<long long>{150, 450, 1050}));
}

TEST_F(NoDriftTest, LateChordAfterALongChordKeepsTheGrid) {
  // Play All: a 500 ms chord, then a 150 ms one that starts 100 ms late.
  player_.PlayChord({40, 0, 0, 0, 0, 0}, 50);
  clock_.Advance(100ms);
  player_.PlayChord({45, 0, 0, 0, 0, 0}, 15);
  EXPECT_EQ(WaitsMs(), (std::vector<long long>{500, 650}));
}

TEST_F(NoDriftTest, GapOfAWholeStepOfThePreviousNoteStartsAfreshEvenForALongerChord) {
  // A click on the neck (150 ms), then 300 ms later a whole-note chord: it
  // waits its full 2 s rather than give up 300 ms to the click's grid.
  player_.PlayNote(60, 15);
  clock_.Advance(300ms);
  player_.PlayChord({40, 0, 0, 0, 0, 0}, 200);
  EXPECT_EQ(WaitsMs(), (std::vector<long long>{150, 450 + 2000}));
}

TEST_F(NoDriftTest, NoteAfterSoundOffStartsFromNow) {
  player_.PlayNote(60, 15);
  player_.PlayNote(62, 0);
  clock_.Advance(5ms);
  player_.PlayNote(64, 15);
  // The length-0 note leaves no deadline behind to join.
  EXPECT_EQ(WaitsMs(), (std::vector<long long>{150, 155 + 150}));
}

// Before each open the output hears when the note is due on the grid: the
// previous deadline for a joined note, the start for a fresh one.
class DueOutput : public RecordingOutput {
 public:
  using RecordingOutput::RecordingOutput;
  void due(SoundClock::time_point time) override { dues.push_back(FakeClock::Ms(time)); }
  std::vector<long long> dues;
};

TEST(NotePlayerDueTest, EachNoteIsAnnouncedWithItsTimeOnTheGrid) {
  FakeClock clock;
  DueOutput output(clock);
  NotePlayer player(output, clock.MakeTiming());
  clock.Advance(2ms);
  player.PlayNote(60, 15);
  clock.Advance(6ms);  // a late wake-up and a marker
  player.PlayNote(62, 15);
  clock.Advance(1s);
  player.PlayChord({40, 0, 0, 0, 0, 0}, 20);
  EXPECT_EQ(output.dues, (std::vector<long long>{2, 152, 1302}));
  // The calls themselves are unchanged: the note is still sent when it is.
  EXPECT_EQ(output.calls[3], Open(158));
}

// A click reaches the window, which finds the note and draws its marker
// before playing it: the note starts at the click, up to the tolerance, on
// the output's grid and in its own length; a note on a grid keeps the grid.
TEST(NotePlayerDueTest, NoteAskedForByAClickStartsAtTheClick) {
  FakeClock clock;
  DueOutput output(clock);
  NotePlayer player(output, clock.MakeTiming());
  clock.Advance(100ms);
  player.Asked();
  clock.Advance(3ms);
  player.PlayNote(60, 15);  // waits until 100 + 150
  clock.Advance(1s);
  player.Asked();
  clock.Advance(kNoteJoinTolerance + 1ms);  // too long ago: from now
  player.PlayNote(62, 15);
  clock.Advance(1s);
  player.PlayNote(64, 15);  // no click before it: from now
  clock.Advance(1s);
  player.Asked();
  player.PlayNote(65, 15);
  clock.Advance(1ms);
  player.Asked();
  clock.Advance(3ms);
  player.PlayNote(67, 15);  // the grid of the note before comes first
  EXPECT_EQ(output.dues, (std::vector<long long>{100, 1261, 2411, 3561, 3711}));
  std::vector<long long> waits;
  for (auto deadline : clock.waits) waits.push_back(FakeClock::Ms(deadline));
  EXPECT_EQ(waits, (std::vector<long long>{250, 1411, 2561, 3711, 3861}));
  EXPECT_EQ(output.calls[1], Send(NoteOnBytes(60), 103));  // sent when it is
}

TEST(SystemTimingTest, WaitReturnsNoEarlierThanTheDeadline) {
  const Timing timing = SystemTiming();
  const SoundClock::time_point deadline = timing.now() + 3ms;
  EXPECT_TRUE(timing.waitUntil(deadline));
  EXPECT_GE(timing.now(), deadline);
}

TEST(SystemTimingTest, PassedDeadlineReturns) {
  const Timing timing = SystemTiming();
  const SoundClock::time_point before = timing.now();
  EXPECT_TRUE(timing.waitUntil(before - 1s));
  EXPECT_GE(timing.now(), before);
}

}  // namespace
}  // namespace fretlab
