// A drill session over the practice history, as the window runs it:
// answers reach the history and the schedule, a new session takes up the
// weak spots where the last left them, and a history that cannot be
// written is reported once while practice goes on.

#include "practice/drill_session.h"

#include <map>

#include "history_support.h"
#include "practice/history/history_thread.h"
#include "theory/scale_catalogue.h"

namespace fretlab::practice {
namespace {

using namespace testing;

DrillSetup StandardFirstFrets(int last) {
  NeckArea area;
  area.frets = {0, last};
  return DrillSetup(*FindPresetTuning("Standard"), area,
                    KeySpelling::Automatic(0, Scales()[kCatalogueChromatic], Accidentals::kSharps));
}

struct Recorder {
  std::vector<Feedback> answers;
  std::vector<Summary> summaries;
  std::vector<QString> messages;
  DrillSession::Callbacks Callbacks() {
    return {[this](const Feedback& f) { answers.push_back(f); },
            [this](const Summary& s) { summaries.push_back(s); }};
  }
  HistoryThread::MessageHandler Messages() {
    return [this](const QString& m) { messages.push_back(m); };
  }
};

class DrillSessionHistoryTest : public HistoryTest {
 protected:
  long long now_ = kNow;
  DrillSession::Clock Clock() {
    return [this] { return now_; };
  }
};

TEST_F(DrillSessionHistoryTest, ARoundIsStoredAndTheNextSessionAsksTheMissedPositionMore) {
  Recorder r;
  std::string missed;
  {
    HistoryThread history(File());
    history.SetMessageHandler(r.Messages());
    DrillSession session(1, r.Callbacks(), Clock());
    session.UseLog(&history);
    ASSERT_TRUE(session.Start(QuestionKind::kNameNote, StandardFirstFrets(2), {6, 0}));
    for (int i = 0; i < 6; ++i) {
      const Question q = session.round()->Current();
      now_ += 1500;
      // The first position is always named wrong; the rest right.
      const bool wrong = i == 0;
      if (wrong) missed = q.item;
      const std::string name = wrong ? "C" == q.asked ? "D" : "C" : q.asked;
      ASSERT_TRUE(session.Give(Answer::Text(name)));
    }
    EXPECT_FALSE(session.Give(Answer::Text("C"))) << "the round is over";
    EXPECT_FALSE(session.Running());
  }
  ASSERT_EQ(r.answers.size(), 6u);
  ASSERT_EQ(r.summaries.size(), 1u);
  EXPECT_EQ(r.summaries[0].right, 5);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(RawQuery(File(), "SELECT COUNT(*) FROM answers").toInt(), 6);
  EXPECT_EQ(RawQuery(File(), "SELECT SUM(correct) FROM answers WHERE tuning = 'E2 A2 D3 G3 B3 E4' "
                             "AND drill = 'name-note'").toInt(), 5);

  // A day later: over many rounds of one question the missed position comes
  // up far more often than any other.
  now_ += kDay;
  HistoryThread history(File());
  DrillSession next(2, {}, Clock());
  next.UseLog(&history);
  std::map<std::string, int> asked;
  for (int i = 0; i < 400; ++i) {
    ASSERT_TRUE(next.Start(QuestionKind::kNameNote, StandardFirstFrets(2), {1, 0}));
    ++asked[next.round()->Current().item];
  }
  for (const auto& [item, count] : asked) {
    if (item != missed) {
      EXPECT_LT(count, asked[missed] / 2) << item << " against " << missed;
    }
  }
}

TEST_F(DrillSessionHistoryTest, AHistoryInUseIsReportedOnceAndPracticeGoesOn) {
  { HistoryStore make(File()); }
  OtherProgram other(File());
  ASSERT_TRUE(other.Hold("BEGIN EXCLUSIVE"));
  Recorder r;
  {
    HistoryThread history(File(), StoreOptions{.busyTimeoutMs = 10});
    history.SetMessageHandler(r.Messages());
    DrillSession session(4, r.Callbacks(), Clock());
    session.UseLog(&history);
    ASSERT_TRUE(session.Start(QuestionKind::kNameNote, StandardFirstFrets(3), {3, 0}));
    for (int i = 0; i < 3; ++i) {
      now_ += 1000;
      ASSERT_TRUE(session.Give(Answer::Text(session.round()->Current().asked)));
    }
    history.Flush();  // the message is handed over here
  }
  other.Release();
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_TRUE(r.messages[0].contains("in use")) << r.messages[0].toStdString();
  EXPECT_EQ(r.answers.size(), 3u);
  ASSERT_EQ(r.summaries.size(), 1u);
  EXPECT_EQ(r.summaries[0].right, 3);
}

TEST_F(DrillSessionHistoryTest, ATimedRoundEndsOnTheClockWithoutAnAnswer) {
  Recorder r;
  DrillSession session(5, r.Callbacks(), Clock());
  ASSERT_TRUE(session.Start(QuestionKind::kNameNote, StandardFirstFrets(3), {0, 1}));
  now_ += 59'000;
  session.CheckTime();
  EXPECT_TRUE(r.summaries.empty());
  now_ += 1'000;
  session.CheckTime();
  session.CheckTime();
  ASSERT_EQ(r.summaries.size(), 1u);
  EXPECT_EQ(r.summaries[0].answers, 0);
  EXPECT_FALSE(session.Give(Answer::Text("C")));
}

}  // namespace
}  // namespace fretlab::practice
