// The decision rule on hops made by hand: what counts as a note, once.

#include "listen/note_decision.h"

#include <gtest/gtest.h>

#include <vector>

namespace fretlab {
namespace {

constexpr double kHop = 256.0 / 44100;

class Hops {
 public:
  explicit Hops(int lowest = 39, int highest = 88) : decision_(lowest, highest) {}

  // `count` hops of `note` (fractional MIDI; 0 for none) at `confidence`
  // and `levelDb`; an onset placed at the first hop's start when asked.
  Hops& Play(int count, double note, double confidence, double levelDb, bool onset = false,
             bool muted = false) {
    for (int i = 0; i < count; ++i) {
      ListenFrame frame;
      time_ += kHop;
      frame.time = time_;
      frame.note = note;
      frame.confidence = confidence;
      frame.levelDb = levelDb;
      frame.onset = onset && i == 0;
      frame.onsetTime = time_ - kHop;
      if (auto heard = decision_.Take(frame, muted)) heard_.push_back(*heard);
    }
    return *this;
  }
  Hops& Silence(int count) { return Play(count, 0, 0, -90); }
  Hops& Mark() {
    mark_ = time_;
    return *this;
  }

  const std::vector<HeardNote>& Heard() const { return heard_; }
  std::vector<int> Notes() const {
    std::vector<int> notes;
    for (const HeardNote& h : heard_) notes.push_back(h.note);
    return notes;
  }
  double Now() const { return time_; }
  double MarkTime() const { return mark_; }

 private:
  NoteDecision decision_;
  std::vector<HeardNote> heard_;
  double time_ = 0, mark_ = 0;
};

TEST(NoteDecisionTest, APluckIsReportedOnceItsPitchHolds) {
  Hops hops;
  hops.Silence(20).Mark().Play(1, 0, 0.2, -20, true).Play(40, 57.03, 0.99, -20);
  ASSERT_EQ(hops.Notes(), std::vector<int>{57});
  const HeardNote& heard = hops.Heard()[0];
  EXPECT_NEAR(heard.cents, 3, 0.01);
  EXPECT_NEAR(heard.onset, hops.MarkTime(), 1e-9);
  // A sure pitch decides on its sixth hop after the onset's own.
  EXPECT_NEAR(heard.decided, hops.MarkTime() + 7 * kHop, 1e-9);
}

TEST(NoteDecisionTest, AnUnsurePitchHoldsTwiceAsLong) {
  Hops hops;
  hops.Silence(20).Mark().Play(1, 0, 0.2, -20, true).Play(40, 57, 0.8, -20);
  ASSERT_EQ(hops.Notes(), std::vector<int>{57});
  EXPECT_NEAR(hops.Heard()[0].decided, hops.MarkTime() + 13 * kHop, 1e-9);
}

TEST(NoteDecisionTest, AStrayHopIsForgivenButNoiseNeverHolds) {
  Hops stray;
  stray.Silence(20).Play(1, 0, 0.2, -20, true).Play(3, 57, 0.99, -20).Play(1, 45, 0.99, -20)
      .Play(40, 57, 0.99, -20);
  EXPECT_EQ(stray.Notes(), std::vector<int>{57});

  Hops noise;
  noise.Silence(20).Play(1, 0, 0.2, -20, true);
  for (int i = 0; i < 200; ++i) noise.Play(1, 45 + (i * 7) % 30, 0.7, -20);
  EXPECT_TRUE(noise.Notes().empty());
}

TEST(NoteDecisionTest, ARingingStringIsReportedOnceAndAgainOnlyWhenStruck) {
  Hops hops;
  hops.Silence(20).Play(1, 0, 0.2, -20, true).Play(100, 64, 0.99, -20);
  // Fading without an onset, wobbling a little: the same note.
  for (int i = 0; i < 100; ++i) hops.Play(1, 64.01, i % 9 == 0 ? 0.96 : 0.99, -20 - 0.2 * i);
  EXPECT_EQ(hops.Notes(), std::vector<int>{64});
  // An onset without a rise or a break is no pluck.
  hops.Play(1, 64, 0.99, -40, true).Play(40, 64, 0.99, -40);
  EXPECT_EQ(hops.Notes(), std::vector<int>{64});
  // Struck again: the level jumps.
  hops.Play(1, 64, 0.99, -18, true).Play(40, 64, 0.99, -18);
  EXPECT_EQ(hops.Notes(), (std::vector<int>{64, 64}));
}

TEST(NoteDecisionTest, AStringPluckedAgainBreaksItsPeriodWithoutAnOnset) {
  Hops hops;
  hops.Silence(20).Play(1, 0, 0.2, -20, true).Play(60, 65, 1.0, -22);
  hops.Play(2, 65, 0.7, -21).Play(40, 65, 0.99, -21);
  EXPECT_EQ(hops.Notes(), (std::vector<int>{65, 65}));
  // Far below the note's peak, the same wavering is a fading ring.
  hops.Play(100, 65, 1.0, -45).Play(2, 65, 0.7, -45).Play(40, 65, 0.99, -45);
  EXPECT_EQ(hops.Notes(), (std::vector<int>{65, 65}));
}

TEST(NoteDecisionTest, ARoomsReverbSwellingBackIsNoPluck) {
  Hops hops;
  hops.Silence(20).Play(1, 0, 0.2, -20, true).Play(150, 75, 1.0, -20);
  hops.Play(80, 75, 1.0, -70);
  hops.Play(1, 75, 1.0, -62, true).Play(40, 75, 1.0, -58);  // onset, 12 dB up
  hops.Play(1, 72, 0.9, -60, true).Play(40, 72, 0.9, -60);  // and another pitch
  EXPECT_EQ(hops.Notes(), std::vector<int>{75});
}

TEST(NoteDecisionTest, SteadyHumFromTheStartIsNoNote) {
  Hops hops(27, 88);  // a bass's range holds 50 Hz (31.35)
  hops.Play(1, 31.35, 0.0, -40, true).Play(2000, 31.35, 1.0, -40);
  EXPECT_TRUE(hops.Notes().empty());
  // Nor once a note has faded into it.
  hops.Play(1, 0, 0.2, -15, true).Play(100, 40, 1.0, -15).Play(300, 31.35, 1.0, -40);
  EXPECT_EQ(hops.Notes(), std::vector<int>{40});
}

TEST(NoteDecisionTest, ASlideIsANewNoteAfterALongerHoldAFadeIsNot) {
  Hops slide;
  slide.Silence(20).Play(1, 0, 0.2, -20, true).Play(40, 50, 0.99, -20).Mark()
      .Play(30, 52, 0.99, -20);
  ASSERT_EQ(slide.Notes(), (std::vector<int>{50, 52}));
  EXPECT_NEAR(slide.Heard()[1].decided, slide.MarkTime() + 16 * kHop, 1e-9);

  Hops fade;
  fade.Silence(20).Play(1, 0, 0.2, -20, true).Play(40, 50, 0.99, -20);
  for (int i = 0; i < 40; ++i) fade.Play(1, 62, 0.99, -30 - 0.5 * i);
  EXPECT_EQ(fade.Notes(), std::vector<int>{50});
}

TEST(NoteDecisionTest, TwoStringsTogetherAreNotTheNoteBelowThem) {
  // F#5 rings on while C#6 is struck; together they are periodic at F#4.
  Hops hops;
  hops.Silence(20).Play(1, 0, 0.2, -20, true).Play(40, 78, 0.99, -23);
  hops.Play(1, 0, 0.5, -19, true).Play(12, 66, 0.99, -21).Play(40, 85, 0.95, -25);
  EXPECT_EQ(hops.Notes(), (std::vector<int>{78, 85}));
  // The octave below struck on its own is heard, once the string before
  // has had time to fall silent.
  hops.Play(1, 0, 0.5, -15, true).Play(60, 73, 0.99, -18);
  EXPECT_EQ(hops.Notes(), (std::vector<int>{78, 85, 73}));
}

TEST(NoteDecisionTest, MutedHopsAnswerNothingNorDoesTheirRingAfterwards) {
  Hops hops;
  hops.Silence(20).Play(1, 0, 0.2, -20, true, true).Play(60, 69, 0.99, -20, false, true);
  hops.Play(100, 69, 0.99, -24);  // the program's note ringing on
  EXPECT_TRUE(hops.Notes().empty());
  hops.Play(1, 0, 0.2, -18, true).Play(40, 64, 0.99, -18);  // the player's
  EXPECT_EQ(hops.Notes(), std::vector<int>{64});
}

TEST(NoteDecisionTest, PitchesOutsideTheRangeAndQuietHopsAreNotNotes) {
  Hops hops(40, 64);
  hops.Silence(20).Play(1, 0, 0.2, -20, true).Play(40, 76, 0.99, -20);
  hops.Silence(20).Play(1, 0, 0.2, -20, true).Play(40, 35, 0.99, -20);
  hops.Silence(20).Play(1, 0, 0.2, -80, true).Play(40, 50, 0.99, -80);
  EXPECT_TRUE(hops.Notes().empty());
}

}  // namespace
}  // namespace fretlab
