// A round from first question to summary: its limits, the records it hands
// to the history, and what the summary reports.

#include "practice/round.h"

#include <gtest/gtest.h>

#include "practice_setup.h"

namespace fretlab::practice {
namespace {

using namespace testing;

constexpr long long kStart = 1'700'000'000'000;

// Answers the current name question right (or with the next note up).
Feedback Name(Round& round, bool right, long long at) {
  const int pc = PitchClass(round.Current().pitch + (right ? 0 : 1));
  return round.Give(Answer::Text(SharpName(pc)), at);
}

TEST(Round, EndsAfterNQuestionsAndHandsOverOneRecordPerAnswer) {
  WeakSpotSchedule schedule(3);
  Round round(QuestionKind::kNameNote, MakeSetup("Standard", 0, 3), {5, 0}, "E2 A2 D3 G3 B3 E4",
              schedule);
  ASSERT_TRUE(round.Start(kStart));
  long long t = kStart;
  for (int i = 0; i < 5; ++i) {
    ASSERT_FALSE(round.Over(t));
    const Position shown = *round.Current().shown;
    const std::string asked = round.Current().asked;
    t += 1000 + 100 * i;
    const Feedback fb = Name(round, i != 2, t);
    ASSERT_TRUE(fb.record);
    EXPECT_EQ(fb.record->drill, "name-note");
    EXPECT_EQ(fb.record->tuning, "E2 A2 D3 G3 B3 E4");
    EXPECT_EQ(fb.record->string, shown.string + 1);
    EXPECT_EQ(fb.record->fret, shown.fret);
    EXPECT_EQ(fb.record->asked, asked);
    EXPECT_EQ(fb.record->correct, i != 2);
    EXPECT_EQ(fb.record->ms, 1000 + 100 * i);
    EXPECT_EQ(fb.item.seen, schedule.State(ItemKey(*fb.record)).seen);
    EXPECT_TRUE(fb.questionDone);
    EXPECT_EQ(fb.roundDone, i == 4);
  }
  EXPECT_TRUE(round.Over(t));
  EXPECT_FALSE(round.Give(Answer::Text("C"), t).record);
  const Summary s = round.Summarize();
  EXPECT_EQ(s.questions, 5);
  EXPECT_EQ(s.answers, 5);
  EXPECT_EQ(s.right, 4);
  EXPECT_DOUBLE_EQ(s.accuracy, 0.8);
  EXPECT_EQ(s.medianMs, 1200);
  ASSERT_EQ(s.mostMissed.size(), 1u);
  EXPECT_EQ(s.mostMissed[0].misses, 1);
  ASSERT_TRUE(s.mostMissed[0].shown) << "the position asked about";
  ASSERT_FALSE(s.slowest.empty());
  EXPECT_EQ(s.slowest[0].medianMs, 1400);
}

TEST(Round, EachRecordSaysHowItsAnswerWasGiven) {
  WeakSpotSchedule schedule(5);
  Round round(QuestionKind::kNameNote, MakeSetup("Standard", 0, 3), {4, 0}, "std", schedule);
  ASSERT_TRUE(round.Start(kStart));
  const auto given = [&](const Answer& answer) { return round.Give(answer, kStart + 1000).record->input; };
  EXPECT_EQ(given(Answer::Text(SharpName(PitchClass(round.Current().pitch)))), AnswerInput::kKeyboard);
  EXPECT_EQ(given(Answer::Text("C", AnswerInput::kMouse)), AnswerInput::kMouse);
  EXPECT_EQ(given(Answer::Pitch(round.Current().pitch)), AnswerInput::kMidi);
  EXPECT_EQ(given(Answer::Pitch(round.Current().pitch, AnswerInput::kAudio)), AnswerInput::kAudio);
  for (AnswerInput input : {AnswerInput::kMouse, AnswerInput::kKeyboard, AnswerInput::kMidi, AnswerInput::kAudio}) {
    EXPECT_EQ(InputFromWord(InputWord(input)), input);
  }
  EXPECT_EQ(InputWord(AnswerInput::kAudio), "audio");
  EXPECT_EQ(InputWord(AnswerInput::kMouse), "mouse");
  EXPECT_FALSE(InputFromWord("Mouse"));
  EXPECT_FALSE(InputFromWord(""));
}

TEST(Round, ATimedRoundEndsWhenTheMinutesArePast) {
  WeakSpotSchedule schedule(3);
  Round round(QuestionKind::kNameNote, MakeSetup("Standard", 0, 3), {0, 2}, "std", schedule);
  ASSERT_TRUE(round.Start(kStart));
  EXPECT_TRUE(Name(round, true, kStart + 60'000).questionDone);
  EXPECT_FALSE(round.Over(kStart + 119'999));
  EXPECT_TRUE(round.Over(kStart + 120'000));
  const Feedback late = Name(round, true, kStart + 120'000);
  EXPECT_TRUE(late.roundDone);
  EXPECT_FALSE(late.record);
  EXPECT_EQ(round.Summarize().answers, 1);
}

TEST(Round, FindEveryNoteEndsWhenAllAreFoundOneByOne) {
  WeakSpotSchedule schedule(5);
  Round round(QuestionKind::kFindNote, MakeSetup("Standard", 0, 4), {2, 0}, "std", schedule);
  ASSERT_TRUE(round.Start(kStart));
  const Question q = round.Current();
  ASSERT_GE(q.targets.size(), 2u);  // every note has two or more places in frets 0–4
  const Position first = q.targets[0];
  Feedback fb = round.Give(Answer::At(first), kStart + 500);
  EXPECT_EQ(fb.checked.verdict, Verdict::kRight);
  EXPECT_FALSE(fb.questionDone);
  EXPECT_FALSE(fb.missed);
  EXPECT_EQ(fb.record->answered, std::to_string(first.string + 1) + "/" + std::to_string(first.fret));
  fb = round.Give(Answer::At(first), kStart + 700);
  EXPECT_EQ(fb.checked.verdict, Verdict::kAgain);
  EXPECT_FALSE(fb.record);
  long long t = kStart + 700;
  for (std::size_t i = 1; i < q.targets.size(); ++i) {
    // The rest from the instrument: each note-on finds one position of its pitch.
    const Position target = q.targets[i];
    fb = round.Give(Answer::Pitch(PitchAt(round.Setup(), target)), t += 1000);
    EXPECT_EQ(fb.checked.verdict, Verdict::kRight);
    EXPECT_EQ(fb.questionDone, i + 1 == q.targets.size());
  }
  EXPECT_FALSE(fb.roundDone);
  EXPECT_EQ(round.Found(), std::vector<bool>(round.Current().targets.size(), false))
      << "the next question starts afresh";
  const Summary s = round.Summarize();
  EXPECT_EQ(s.answers, static_cast<int>(q.targets.size()));
  EXPECT_EQ(s.right, static_cast<int>(q.targets.size()));
  EXPECT_TRUE(s.mostMissed.empty());
}

TEST(Round, AWrongClickEndsTheQuestionAsAMissWithEveryRightPositionToShow) {
  WeakSpotSchedule schedule(5);
  Round round(QuestionKind::kFindNote, MakeSetup("Standard", 0, 4), {2, 0}, "std", schedule);
  ASSERT_TRUE(round.Start(kStart));
  const Question q = round.Current();
  ASSERT_GE(q.targets.size(), 2u);
  const Position first = q.targets[0];
  ASSERT_EQ(round.Give(Answer::At(first), kStart + 500).checked.verdict, Verdict::kRight);
  const Position wrong{first.string, first.fret == 0 ? 1 : first.fret - 1};
  const Feedback fb = round.Give(Answer::At(wrong), kStart + 1500);
  EXPECT_EQ(fb.checked.verdict, Verdict::kWrong);
  EXPECT_TRUE(fb.missed);
  EXPECT_TRUE(fb.questionDone) << "a miss does not leave the answer to be clicked";
  EXPECT_FALSE(fb.roundDone);
  EXPECT_EQ(fb.right, q.targets);
  EXPECT_EQ(fb.ms, 1000);
  EXPECT_EQ(fb.record->string, wrong.string + 1);
  EXPECT_NE(round.Current().item, "") << "the next question is drawn";
  const Summary s = round.Summarize();
  EXPECT_EQ(s.answers, 2);
  EXPECT_EQ(s.right, 1);
  ASSERT_EQ(s.mostMissed.size(), 1u);
  EXPECT_EQ(s.mostMissed.at(0).asked, q.asked) << "what was asked, not where the click went";
  EXPECT_FALSE(s.mostMissed.at(0).shown);
}

TEST(Round, TheNextQuestionsTimeRunsFromWhenItIsShown) {
  WeakSpotSchedule schedule(3);
  Round round(QuestionKind::kNameNote, MakeSetup("Standard", 0, 3), {5, 0}, "std", schedule);
  ASSERT_TRUE(round.Start(kStart));
  ASSERT_TRUE(Name(round, false, kStart + 1000).missed);
  // The student looks at the miss for 8 s, then goes on.
  round.Present(kStart + 9000);
  EXPECT_EQ(Name(round, true, kStart + 10'200).ms, 1200);
}

TEST(Round, AMissedQuestionComesBackTwoQuestionsLaterAtMostTwice) {
  WeakSpotSchedule schedule(8);
  Round round(QuestionKind::kNameNote, MakeSetup("Standard", 0, 5), {4, 0, true}, "std", schedule);
  ASSERT_TRUE(round.Start(kStart));
  long long t = kStart;
  const std::string missed = round.Current().item;
  std::vector<std::string> asked{missed};
  Name(round, false, t += 1000);
  // Every other question right; the missed one wrong again each time.
  while (!round.Over(t)) {
    asked.push_back(round.Current().item);
    Name(round, round.Current().item != missed, t += 1000);
  }
  ASSERT_GE(asked.size(), 4u);
  EXPECT_EQ(asked[3], missed) << "two questions later";
  EXPECT_EQ(std::count(asked.begin(), asked.end(), missed), 3) << "asked again twice at most";
  EXPECT_EQ(asked.size(), 4u + 2u) << "the repeats come beyond the four";
  EXPECT_EQ(round.Summarize().questions, 6);
}

TEST(Round, AMissInTheLastQuestionIsAskedAgainBeforeTheRoundEnds) {
  WeakSpotSchedule schedule(4);
  Round round(QuestionKind::kNameNote, MakeSetup("Standard", 0, 5), {2, 0, true}, "std", schedule);
  ASSERT_TRUE(round.Start(kStart));
  Name(round, true, kStart + 1000);
  const std::string last = round.Current().item;
  const Feedback missed = Name(round, false, kStart + 2000);
  EXPECT_FALSE(missed.roundDone);
  EXPECT_EQ(round.Current().item, last);
  EXPECT_TRUE(Name(round, true, kStart + 3000).roundDone);
}

TEST(Round, ASetupWithNothingToAskDoesNotStart) {
  WeakSpotSchedule schedule(1);
  const DrillSetup setup = MakeSetup("Standard", 3, 2);
  Round round(QuestionKind::kEarToNeck, setup, {}, "std", schedule);
  EXPECT_FALSE(round.Start(kStart));
  EXPECT_TRUE(round.Over(kStart));
}

TEST(Round, TheSameSeedAsksTheSameQuestions) {
  auto run = [](std::uint64_t seed) {
    WeakSpotSchedule schedule(seed);
    Round round(QuestionKind::kNameDegree, MakeSetup("Standard", 0, 5, Major()), {12, 0}, "std",
                schedule);
    round.Start(kStart);
    std::vector<std::string> items;
    for (int i = 0; i < 12; ++i) {
      items.push_back(round.Current().item);
      round.Give(Answer::Text(round.Current().asked), kStart + i * 1000);
    }
    return items;
  };
  EXPECT_EQ(run(11), run(11));
  EXPECT_NE(run(11), run(12));
}

TEST(Median, LowerMiddleForAnEvenCount) {
  EXPECT_EQ(MedianMs({}), 0);
  EXPECT_EQ(MedianMs({5}), 5);
  EXPECT_EQ(MedianMs({9, 1, 5}), 5);
  EXPECT_EQ(MedianMs({9, 1, 5, 7}), 5);
}

}  // namespace
}  // namespace fretlab::practice
