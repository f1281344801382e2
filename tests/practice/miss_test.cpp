// What a miss teaches: the answer and the right one by name, the right
// positions nearest the answer first, and the two notes heard one after
// the other.

#include "practice/miss.h"

#include <gtest/gtest.h>

#include "practice_setup.h"

namespace fretlab::practice {
namespace {

using namespace testing;

constexpr long long kStart = 1'700'000'000'000;

// The first question of `kind` whose `asked` is `asked`, drawn by a round.
struct Drilled {
  Drilled(QuestionKind kind, DrillSetup setup, const std::string& asked)
      : schedule(1), round(kind, std::move(setup), {50, 0}, "std", schedule) {
    round.Start(kStart);
    for (int i = 0; i < 200 && round.Current().asked != asked; ++i) round.Start(kStart);
    EXPECT_EQ(round.Current().asked, asked);
  }
  Feedback Give(const Answer& a) { return round.Give(a, kStart + 1000); }

  WeakSpotSchedule schedule;
  Round round;
};

TEST(Miss, AWrongClickInFindTheNoteShowsEveryPlaceNearestFirstAndSoundsBoth) {
  // C major, frets 0–12: "Find every G"; the student clicks F on string 3.
  Drilled d(QuestionKind::kFindNote, MakeSetup("Standard", 0, 12, Major()), "G");
  const Feedback fb = d.Give(Answer::At({2, 10}));
  ASSERT_TRUE(fb.missed);
  const Miss m = ExplainMiss(fb, d.round.Setup());
  EXPECT_EQ(m.given, Miss::Given::kPosition);
  EXPECT_EQ(m.answeredAt, (Position{2, 10}));
  EXPECT_EQ(m.answeredName, "F");
  EXPECT_EQ(m.answeredDegree, "4");
  EXPECT_EQ(m.askedName, "G");
  EXPECT_EQ(m.rightNote, "G");
  ASSERT_EQ(m.rightAt.size(), fb.question.targets.size());
  EXPECT_EQ(m.rightAt.front(), (Position{2, 12})) << "the same string, two frets up";
  EXPECT_EQ(m.wrongPitch, 65);
  EXPECT_EQ(m.rightPitch, 67);
}

TEST(Miss, ANameTypedWrongSoundsThatNameNearTheMarkedNoteThenTheNote) {
  DrillSetup setup = MakeSetup("Standard", 0, 3, Major());
  WeakSpotSchedule schedule(2);
  Round round(QuestionKind::kNameNote, setup, {5, 0}, "std", schedule);
  ASSERT_TRUE(round.Start(kStart));
  const Question q = round.Current();
  const std::string wrong = q.asked == "C" ? "D" : "C";
  const Feedback fb = round.Give(Answer::Text(wrong), kStart + 900);
  ASSERT_TRUE(fb.missed);
  const Miss m = ExplainMiss(fb, setup);
  EXPECT_EQ(m.given, Miss::Given::kName);
  EXPECT_EQ(m.answeredName, wrong);
  EXPECT_EQ(m.rightAt, std::vector<Position>{*q.shown});
  EXPECT_EQ(m.rightPitch, q.pitch);
  ASSERT_GE(m.wrongPitch, 0);
  EXPECT_EQ(PitchClass(m.wrongPitch), wrong == "C" ? 0 : 2);
  EXPECT_LE(std::abs(m.wrongPitch - q.pitch), 6) << "within a tritone of the note shown";
}

TEST(Miss, TheEarDrillSaysAnOctaveOffAndSoundsTheNoteHeard) {
  Drilled d(QuestionKind::kEarToNeck, MakeSetup("Standard", 0, 12, Major()), "G3");
  // G4 on the high E string, fret 3: the right note an octave too high.
  const Feedback fb = d.Give(Answer::At({0, 3}));
  ASSERT_EQ(fb.checked.verdict, Verdict::kOctave);
  const Miss m = ExplainMiss(fb, d.round.Setup());
  EXPECT_TRUE(m.octave);
  EXPECT_EQ(m.answeredName, "G4");
  EXPECT_EQ(m.askedName, "G3");
  EXPECT_EQ(m.wrongPitch, 67);
  EXPECT_EQ(m.rightPitch, 55);
  ASSERT_FALSE(m.rightAt.empty());
  for (const Position& p : m.rightAt) EXPECT_EQ(PitchAt(d.round.Setup(), p), 55);
}

TEST(Miss, ADegreeAskedIsNamedWithItsNoteAndAPlayedNoteKeepsItsOctave) {
  // D Dorian: the ♭3 is F. The student plays E4 (the 2) on a MIDI instrument.
  Drilled d(QuestionKind::kFindDegree, MakeSetup("Standard", 0, 12, Dorian(), 2), "♭3");
  const Feedback fb = d.Give(Answer::Pitch(64));
  ASSERT_TRUE(fb.missed);
  const Miss m = ExplainMiss(fb, d.round.Setup());
  EXPECT_EQ(m.given, Miss::Given::kPitch);
  EXPECT_EQ(m.answeredName, "E4");
  EXPECT_EQ(m.answeredDegree, "2");
  EXPECT_EQ(m.askedName, "♭3");
  EXPECT_EQ(m.rightNote, "F");
  EXPECT_EQ(PitchClass(m.rightPitch), 5);
}

TEST(Miss, ADegreeTypedWrongSoundsThatDegreeNearTheMarkedNote) {
  DrillSetup setup = MakeSetup("Standard", 0, 5, Major());
  WeakSpotSchedule schedule(4);
  Round round(QuestionKind::kNameDegree, setup, {5, 0}, "std", schedule);
  ASSERT_TRUE(round.Start(kStart));
  const Question q = round.Current();
  const std::string wrong = q.asked == "5" ? "4" : "5";
  const Feedback fb = round.Give(Answer::Text(wrong), kStart + 900);
  ASSERT_TRUE(fb.missed);
  const Miss m = ExplainMiss(fb, setup);
  EXPECT_EQ(m.answeredName, wrong);
  EXPECT_EQ(m.answeredDegree, wrong);
  EXPECT_EQ(PitchClass(m.wrongPitch), wrong == "5" ? 7 : 5);
  EXPECT_EQ(m.rightNote, NoteNameInKey(setup, q.pitch));
}

}  // namespace
}  // namespace fretlab::practice
