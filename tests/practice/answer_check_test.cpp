// Answers to every drill: right, wrong, an octave off, found already, or no
// answer at all; names typed with either spelling; notes from a MIDI
// instrument standing for any position of their pitch in range.

#include "practice/answer_check.h"

#include <gtest/gtest.h>

#include "practice_setup.h"

namespace fretlab::practice {
namespace {

using namespace testing;

Question First(QuestionKind kind, const DrillSetup& s, const std::string& asked) {
  for (const Question& q : AllQuestions(kind, s)) {
    if (q.asked == asked) return q;
  }
  ADD_FAILURE() << "no question for " << asked;
  return {};
}

Question Showing(QuestionKind kind, const DrillSetup& s, Position p) {
  for (const Question& q : AllQuestions(kind, s)) {
    if (q.shown == p) return q;
  }
  ADD_FAILURE() << "no question shows " << p.string << "/" << p.fret;
  return {};
}

std::optional<int> Semitones(std::string_view text) {
  const auto degree = ParseDegree(text);
  if (!degree) return std::nullopt;
  return degree->Semitones();
}

TEST(ParseDegrees, NumbersWithSharpsAndFlatsInEitherSign) {
  EXPECT_EQ(ParseDegree("R"), (Degree{1, 0}));
  EXPECT_EQ(ParseDegree(" 1 "), (Degree{1, 0}));
  EXPECT_EQ(ParseDegree("b3"), (Degree{3, -1}));
  EXPECT_EQ(ParseDegree("♭3"), (Degree{3, -1}));
  EXPECT_EQ(ParseDegree("#4"), (Degree{4, 1}));
  EXPECT_EQ(ParseDegree("♭♭7"), (Degree{7, -2}));
  EXPECT_EQ(Semitones("3"), 4);
  EXPECT_EQ(Semitones("♭5"), 6);
  EXPECT_EQ(Semitones("b7"), 10);
  EXPECT_EQ(Semitones("9"), 2);
  EXPECT_EQ(Semitones("11"), 5);
  EXPECT_EQ(Semitones("♭13"), 8);
  EXPECT_FALSE(ParseDegree("0"));
  EXPECT_FALSE(ParseDegree("14"));
  EXPECT_FALSE(ParseDegree("b"));
  EXPECT_FALSE(ParseDegree("###3"));
  EXPECT_FALSE(ParseDegree("3rd"));
}

TEST(CheckAnswer, FindNoteMarksEachPositionOnceAndCountsWrongClicks) {
  const DrillSetup s = MakeSetup("Standard", 0, 7);
  const Question q = First(QuestionKind::kFindNote, s, "C♯");
  ASSERT_EQ(q.targets.size(), 3u);  // string 2 fret 2, string 3 fret 6, string 5 fret 4
  std::vector<bool> found(q.targets.size(), false);
  Checked c = Check(q, s, Answer::At({1, 2}), found);
  EXPECT_EQ(c.verdict, Verdict::kRight);
  ASSERT_GE(c.target, 0);
  found[c.target] = true;
  EXPECT_EQ(Check(q, s, Answer::At({1, 2}), found).verdict, Verdict::kAgain);
  EXPECT_EQ(Check(q, s, Answer::At({1, 3}), found).verdict, Verdict::kWrong);
  // A C♯ above the range is not one of the positions asked for.
  EXPECT_EQ(Check(q, s, Answer::At({0, 9}), found).verdict, Verdict::kWrong);
  EXPECT_EQ(Check(q, s, Answer::Text("C#"), found).verdict, Verdict::kUnreadable);
}

TEST(CheckAnswer, AMidiNoteFindsAnyPositionOfItsPitchInRange) {
  const DrillSetup s = MakeSetup("Standard", 0, 7);
  const Question q = First(QuestionKind::kFindNote, s, "E");
  std::vector<bool> found(q.targets.size(), false);
  // E4 lies on string 1 open and string 2 fret 5: each note-on finds one.
  Checked first = Check(q, s, Answer::Pitch(64), found);
  ASSERT_EQ(first.verdict, Verdict::kRight);
  found[first.target] = true;
  Checked second = Check(q, s, Answer::Pitch(64), found);
  ASSERT_EQ(second.verdict, Verdict::kRight);
  EXPECT_NE(*first.position, *second.position);
  found[second.target] = true;
  EXPECT_EQ(Check(q, s, Answer::Pitch(64), found).verdict, Verdict::kAgain);
  EXPECT_EQ(Check(q, s, Answer::Pitch(65), found).verdict, Verdict::kWrong);
  EXPECT_EQ(Check(q, s, Answer::Pitch(65), found).position, (Position{0, 1}));
  // Far above the neck: wrong, and no position stands for it.
  const Checked high = Check(q, s, Answer::Pitch(100), found);
  EXPECT_EQ(high.verdict, Verdict::kWrong);
  EXPECT_FALSE(high.position);
}

TEST(CheckAnswer, NameNoteTakesEitherSpellingAndSaysWhichTheKeyUses) {
  const DrillSetup s = MakeSetup("Standard", 0, 5);
  const Question q = Showing(QuestionKind::kNameNote, s, {1, 2});  // C♯4
  const std::vector<bool> none;
  Checked c = Check(q, s, Answer::Text("C#"), none);
  EXPECT_EQ(c.verdict, Verdict::kRight);
  EXPECT_FALSE(c.enharmonic);
  EXPECT_EQ(c.position, (Position{1, 2}));
  c = Check(q, s, Answer::Text("C♯"), none);
  EXPECT_FALSE(c.enharmonic);
  c = Check(q, s, Answer::Text("db"), none);
  EXPECT_EQ(c.verdict, Verdict::kRight);
  EXPECT_TRUE(c.enharmonic);
  EXPECT_EQ(c.answered, "D♭");
  EXPECT_EQ(Check(q, s, Answer::Text("D"), none).verdict, Verdict::kWrong);
  EXPECT_EQ(Check(q, s, Answer::Text("X"), none).verdict, Verdict::kUnreadable);
  EXPECT_EQ(Check(q, s, Answer::At({1, 2}), none).verdict, Verdict::kUnreadable);
  // From a MIDI instrument any octave of the note names it.
  c = Check(q, s, Answer::Pitch(49), none);
  EXPECT_EQ(c.verdict, Verdict::kRight);
  EXPECT_EQ(c.answered, "C♯");
  const DrillSetup flats = MakeSetup("Standard", 0, 5, Chromatic(), 0, Accidentals::kFlats);
  const Question flat = Showing(QuestionKind::kNameNote, flats, {1, 2});
  EXPECT_EQ(flat.asked, "D♭");
  EXPECT_TRUE(Check(flat, flats, Answer::Text("C#"), none).enharmonic);
}

TEST(CheckAnswer, DegreesByClickAndByName) {
  const DrillSetup s = MakeSetup("Standard", 0, 5, Dorian(), 9);  // A Dorian
  const Question where = First(QuestionKind::kFindDegree, s, "♭3");
  std::vector<bool> found(where.targets.size(), false);
  EXPECT_EQ(Check(where, s, Answer::At({1, 1}), found).verdict, Verdict::kRight);  // C4
  EXPECT_EQ(Check(where, s, Answer::At({1, 2}), found).verdict, Verdict::kWrong);
  EXPECT_EQ(Check(where, s, Answer::Pitch(48), found).verdict, Verdict::kRight);   // C3, string 5 fret 3

  const std::vector<bool> none;
  const Question which = Showing(QuestionKind::kNameDegree, s, {0, 2});  // F♯4, the 6
  EXPECT_EQ(which.asked, "6");
  EXPECT_EQ(Check(which, s, Answer::Text("6"), none).verdict, Verdict::kRight);
  EXPECT_EQ(Check(which, s, Answer::Text("13"), none).verdict, Verdict::kRight);
  EXPECT_EQ(Check(which, s, Answer::Text("b6"), none).verdict, Verdict::kWrong);
  EXPECT_EQ(Check(which, s, Answer::Pitch(66), none).verdict, Verdict::kRight);
  const Question root = Showing(QuestionKind::kNameDegree, s, {4, 0});
  EXPECT_EQ(Check(root, s, Answer::Text("1"), none).verdict, Verdict::kRight);
  EXPECT_FALSE(Check(root, s, Answer::Text("1"), none).enharmonic);
  const DrillSetup c = MakeSetup("Standard", 0, 5, Chromatic(), 0, Accidentals::kFlats);
  const Question flatFive = Showing(QuestionKind::kNameDegree, c, {0, 2});  // G♭4 over C
  EXPECT_EQ(flatFive.asked, "♭5");
  const Checked sharpFour = Check(flatFive, c, Answer::Text("#4"), none);
  EXPECT_EQ(sharpFour.verdict, Verdict::kRight);
  EXPECT_TRUE(sharpFour.enharmonic);  // the key spells it ♭5
}

TEST(CheckAnswer, EarDrillCountsTheExactPitchAndShowsOctaveErrors) {
  const DrillSetup s = MakeSetup("Standard", 0, 12);
  const Question q = First(QuestionKind::kEarToNeck, s, "A3");  // MIDI 57
  const std::vector<bool> found(q.targets.size(), false);
  EXPECT_EQ(Check(q, s, Answer::At({2, 2}), found).verdict, Verdict::kRight);
  EXPECT_EQ(Check(q, s, Answer::At({3, 7}), found).verdict, Verdict::kRight);
  EXPECT_EQ(Check(q, s, Answer::At({0, 5}), found).verdict, Verdict::kOctave);  // A4
  EXPECT_EQ(Check(q, s, Answer::At({4, 0}), found).verdict, Verdict::kOctave);  // A2
  EXPECT_EQ(Check(q, s, Answer::At({2, 3}), found).verdict, Verdict::kWrong);
  EXPECT_EQ(Check(q, s, Answer::Pitch(57), found).verdict, Verdict::kRight);
  EXPECT_EQ(Check(q, s, Answer::Pitch(69), found).verdict, Verdict::kOctave);
  EXPECT_EQ(Check(q, s, Answer::Pitch(93), found).verdict, Verdict::kOctave);  // beyond the neck
  EXPECT_EQ(Check(q, s, Answer::Pitch(58), found).verdict, Verdict::kWrong);
}

TEST(CheckAnswer, ChordTonesInTheBoxOnly) {
  DrillSetup s = MakeSetup("Standard", 5, 8, Dominant7(), 0);  // C7 at frets 5–8
  s.area.strings = Strings({2, 3, 4});
  const Question every = AllQuestions(QuestionKind::kFindChordTones, s).at(0);
  std::vector<bool> found(every.targets.size(), false);
  EXPECT_EQ(Check(every, s, Answer::At({1, 5}), found).verdict, Verdict::kRight);  // E
  EXPECT_EQ(Check(every, s, Answer::At({1, 6}), found).verdict, Verdict::kWrong);  // F
  EXPECT_EQ(Check(every, s, Answer::At({0, 8}), found).verdict, Verdict::kWrong);  // C, string 1 is off
  EXPECT_EQ(Check(every, s, Answer::At({2, 4}), found).verdict, Verdict::kWrong);  // B, below the box
  const Question third = First(QuestionKind::kFindChordTone, s, "3");
  const std::vector<bool> none(third.targets.size(), false);
  EXPECT_EQ(Check(third, s, Answer::At({1, 5}), none).verdict, Verdict::kRight);
  EXPECT_EQ(Check(third, s, Answer::At({1, 8}), none).verdict, Verdict::kWrong);  // G, the 5
}

}  // namespace
}  // namespace fretlab::practice
