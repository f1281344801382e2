// A drill session without a window: rounds on a test's clock, every
// answer kept in the log in the order given, the weak spots taken up from
// the log, timed rounds that end on the clock, and what an ear question
// sounds.

#include "practice/drill_session.h"

#include <gtest/gtest.h>

#include "practice/question_sound.h"
#include "practice_setup.h"
#include "support/fake_answer_log.h"

namespace fretlab::practice {
namespace {

using namespace testing;
using fretlab::testing::FakeAnswerLog;
using std::chrono::milliseconds;

constexpr long long kStart = 1'767'225'600'000;  // 2026-01-01T00:00:00Z

struct Heard {
  std::vector<Feedback> answers;
  std::vector<Summary> summaries;
  DrillSession::Callbacks Callbacks() {
    return {[this](const Feedback& f) { answers.push_back(f); },
            [this](const Summary& s) { summaries.push_back(s); }};
  }
};

class DrillSessionTest : public ::testing::Test {
 protected:
  long long now = kStart;
  DrillSession::Clock Clock() {
    return [this] { return now; };
  }
};

TEST_F(DrillSessionTest, EveryAnswerIsKeptInOrderWithItsTimeAndTheRoundEndsOnce) {
  Heard heard;
  FakeAnswerLog log;
  DrillSession session(7, heard.Callbacks(), Clock());
  session.UseLog(&log);
  ASSERT_TRUE(session.Start(QuestionKind::kNameNote, MakeSetup("Standard", 0, 3), {3, 0}));
  EXPECT_EQ(log.asked, (std::vector<std::pair<std::string, std::string>>{
                           {"name-note", "E2 A2 D3 G3 B3 E4"}}));
  // An unreadable answer is heard but never kept, and the question stays.
  const std::string first = session.round()->Current().item;
  ASSERT_TRUE(session.Give(Answer::Text("not a note")));
  EXPECT_EQ(session.round()->Current().item, first);
  std::vector<std::string> asked;
  for (int i = 0; i < 3; ++i) {
    now += 1000 + 100 * i;
    asked.push_back(session.round()->Current().asked);
    const std::string wrong = asked.back() == "C" ? "D" : "C";
    ASSERT_TRUE(session.Give(Answer::Text(i == 1 ? wrong : asked.back())));
  }
  EXPECT_FALSE(session.Running());
  EXPECT_FALSE(session.Give(Answer::Text("C"))) << "no round runs";
  ASSERT_EQ(heard.summaries.size(), 1u);
  EXPECT_EQ(heard.summaries[0].answers, 3);
  EXPECT_EQ(heard.summaries[0].right, 2);
  ASSERT_EQ(heard.answers.size(), 4u);
  EXPECT_EQ(heard.answers[0].checked.verdict, Verdict::kUnreadable);
  ASSERT_EQ(log.kept.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(log.kept[i].answer.asked, asked[i]);
    EXPECT_EQ(log.kept[i].answer.correct, i != 1);
    EXPECT_EQ(log.kept[i].answer.drill, "name-note");
  }
  EXPECT_EQ(log.kept[0].at, kStart + 1000);
  EXPECT_EQ(log.kept[2].at, kStart + 1000 + 1100 + 1200);
}

TEST_F(DrillSessionTest, TheScheduleIsTakenUpFromTheLogOncePerDrillAndTuning) {
  FakeAnswerLog log;
  // One position the student keeps missing: it comes up far more often.
  ItemState weak;
  weak.seen = 10;
  weak.errors = 8;
  weak.lastSeen = kStart - 86'400'000;
  log.saved[{"name-note", "E2 A2 D3 G3 B3 E4"}] = {{"1/1", weak}};
  DrillSession session(3, {}, Clock());
  session.UseLog(&log);
  int weakAsked = 0;
  for (int i = 0; i < 200; ++i) {
    ASSERT_TRUE(session.Start(QuestionKind::kNameNote, MakeSetup("Standard", 0, 2), {1, 0}));
    if (session.round()->Current().item == "1/1") ++weakAsked;
  }
  EXPECT_EQ(log.asked.size(), 1u) << "read once, then kept";
  // 18 positions: evenly, one in 18 rounds would be about 11.
  EXPECT_GT(weakAsked, 2 * 200 / 18);

  // Another log: the schedules are taken up afresh, and the round they
  // drew from ends with them.
  FakeAnswerLog other;
  session.UseLog(&other);
  EXPECT_EQ(session.round(), nullptr);
  ASSERT_TRUE(session.Start(QuestionKind::kNameNote, MakeSetup("Standard", 0, 2), {1, 0}));
  EXPECT_EQ(other.asked.size(), 1u);
}

TEST_F(DrillSessionTest, WithoutALogPractiseGoesOnAndATimedRoundEndsOnTheClock) {
  Heard heard;
  DrillSession session(5, heard.Callbacks(), Clock());
  ASSERT_TRUE(session.Start(QuestionKind::kNameNote, MakeSetup("Standard", 0, 3), {0, 1}));
  now += 30'000;
  ASSERT_TRUE(session.Give(Answer::Text(session.round()->Current().asked)));
  now += 29'000;
  session.CheckTime();
  EXPECT_TRUE(heard.summaries.empty());
  now += 1'000;
  session.CheckTime();
  session.CheckTime();
  ASSERT_EQ(heard.summaries.size(), 1u);
  EXPECT_EQ(heard.summaries[0].answers, 1);
  EXPECT_FALSE(session.Give(Answer::Text("C")));
}

TEST(QuestionSound, LengthsFollowTheChosenNoteLength) {
  EXPECT_EQ(SingleNoteLength(milliseconds(300)), milliseconds(600));
  EXPECT_EQ(QuestionNoteLength(milliseconds(300)), milliseconds(900));
}

TEST(QuestionSound, TheReferenceRootIsAtOrBelowTheNoteWithinAnOctave) {
  EXPECT_EQ(ReferenceRoot(64, 9), 57);  // E4 in A: A3
  EXPECT_EQ(ReferenceRoot(57, 9), 57);  // A3 itself
  EXPECT_EQ(ReferenceRoot(56, 9), 45);  // G♯3: A2
  EXPECT_EQ(ReferenceRoot(40, 0), 36);
}

TEST(QuestionSound, AnEarQuestionSoundsTheMissedNoteTheRootARestAndItsNote) {
  Question q;
  q.kind = QuestionKind::kEarToNeck;
  q.pitch = 64;
  const milliseconds chosen(200);
  const PlaybackSchedule alone = EarQuestionSchedule(q, 9, {}, chosen);
  ASSERT_EQ(alone.Steps().size(), 1u);
  EXPECT_EQ(alone.Steps()[0].notes, std::vector<NoteNumber>{64});
  EXPECT_TRUE(alone.Steps()[0].marks.empty()) << "nothing on the neck gives it away";
  EXPECT_EQ(alone.Duration(), milliseconds(600));

  const PlaybackSchedule full = EarQuestionSchedule(q, 9, {true, 62}, chosen);
  ASSERT_EQ(full.Steps().size(), 4u);
  EXPECT_EQ(full.Steps()[0].notes, std::vector<NoteNumber>{62});
  EXPECT_EQ(full.Steps()[1].notes, std::vector<NoteNumber>{57});
  EXPECT_TRUE(full.Steps()[2].notes.empty());
  EXPECT_EQ(full.Steps()[2].length, chosen) << "a rest of one note length";
  EXPECT_EQ(full.Steps()[3].notes, std::vector<NoteNumber>{64});
  EXPECT_EQ(full.Steps()[3].start, milliseconds(600 + 600 + 200));
}

}  // namespace
}  // namespace fretlab::practice
