// The drills inside a position, "Find every note of the position", and
// "Play a voicing of …" with its check, its miss and its history rows.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "practice/drill_marks.h"
#include "practice/drill_session.h"
#include "practice/miss.h"
#include "practice/round_setup.h"
#include "support/fake_answer_log.h"
#include "theory/voicing_finder.h"

namespace fretlab::practice {
namespace {

PracticeView AMinorPentatonic(int box) {
  PracticeView view;
  view.rootPitchClass = 9;
  view.entry = FindEntry(Scales(), "Minor pentatonic");
  view.position = PositionChoice{PositionSystem::kPentatonicBox, box};
  return view;
}

PracticeView Chord(std::string_view formula) {
  PracticeView view;
  view.kind = ChoiceKind::kChord;
  view.entry = FindEntry(ChordFormulas(), formula);
  return view;
}

std::vector<FretIndex> Frets(const char* text) { return *ParseFretsText(text, 6); }

TEST(PositionDrills, EveryDrillKeepsWithinThePositionShown) {
  const DrillSetup setup = SetupOfView(AMinorPentatonic(2), kAllStrings);
  ASSERT_FALSE(setup.within.empty());
  EXPECT_EQ(setup.withinName, "box 2");
  const std::set<std::pair<int, int>> box = [&] {
    std::set<std::pair<int, int>> cells;
    for (const Position& p : setup.within) cells.insert({p.string, p.fret});
    return cells;
  }();
  const auto find = AllQuestions(QuestionKind::kFindNote, setup);
  ASSERT_EQ(find.size(), 5u);  // each of the five notes lies in the box
  EXPECT_EQ(find[2].prompt, "Find every D in box 2");
  for (const Question& q : find) {
    for (const Position& p : q.targets) EXPECT_TRUE(box.count({p.string, p.fret}));
  }
  for (const Question& q : AllQuestions(QuestionKind::kNameNote, setup)) {
    EXPECT_TRUE(box.count({q.shown->string, q.shown->fret}));
  }
  // Strings chosen for the round cut the box too.
  const DrillSetup top = SetupOfView(AMinorPentatonic(2), 0b111);
  for (const Position& p : top.within) EXPECT_LT(p.string, 3);
  EXPECT_EQ(AllQuestions(QuestionKind::kFindNote, top)[0].prompt, "Find every A in box 2 — strings 1–3");
  // A CAGED shape by its name.
  PracticeView cShape;
  cShape.position = PositionChoice{PositionSystem::kCaged, 3};
  EXPECT_EQ(SetupOfView(cShape, kAllStrings).withinName, "the E shape");
}

TEST(PositionDrills, FindEveryNoteOfThePosition) {
  const DrillSetup setup = SetupOfView(AMinorPentatonic(1), kAllStrings);
  const auto questions = AllQuestions(QuestionKind::kFindPositionNotes, setup);
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].prompt, "Find every note of box 1 of A minor pentatonic");
  EXPECT_TRUE(questions[0].every);
  EXPECT_EQ(questions[0].targets.size(), setup.within.size());
  // Without a position shown there is nothing to ask.
  PracticeView all = AMinorPentatonic(1);
  all.position.reset();
  EXPECT_TRUE(AllQuestions(QuestionKind::kFindPositionNotes, SetupOfView(all, kAllStrings)).empty());
  // A round ends when the position changes.
  EXPECT_FALSE(SameRound(setup, SetupOfView(AMinorPentatonic(2), kAllStrings)));
  EXPECT_TRUE(SameRound(setup, SetupOfView(AMinorPentatonic(1), kAllStrings)));
}

TEST(PositionDrills, PlayAVoicingOfTheChordOnEveryRoot) {
  const DrillSetup setup = SetupOfView(Chord("Minor 7"), kAllStrings);
  const auto questions = AllQuestions(QuestionKind::kPlayVoicing, setup);
  ASSERT_EQ(questions.size(), 12u);
  const auto am7 = std::find_if(questions.begin(), questions.end(),
                                [](const Question& q) { return q.asked == "Am7"; });
  ASSERT_NE(am7, questions.end());
  EXPECT_EQ(am7->prompt, "Play a voicing of Am7 \u2014 frets 0\u201324");
  EXPECT_EQ(am7->targets.size(), 5u);  // x02010, the finder's first
  EXPECT_EQ(questions[1].asked, "C#m7");
  EXPECT_EQ(questions[1].prompt.substr(0, 24), "Play a voicing of C\u266Fm7");
  const auto check = [&](const char* frets) { return Check(*am7, setup, Answer::Voicing(Frets(frets)), {}); };
  EXPECT_EQ(check("x02010").verdict, Verdict::kRight);
  EXPECT_EQ(check("575555").verdict, Verdict::kRight);
  const Checked wrong = check("x02210");
  EXPECT_EQ(wrong.verdict, Verdict::kWrong);
  EXPECT_EQ(wrong.fault, "Am7 needs its b7 (G)");
  EXPECT_EQ(wrong.answered, "x02210");
  EXPECT_EQ(check("x02011").fault, "string 1 plays F, which is not in Am7");
  EXPECT_EQ(check("x0201x").fault, "");  // A E G C: still a voicing
  // A click is no answer to it.
  EXPECT_EQ(Check(*am7, setup, Answer::At({2, 2}), {}).verdict, Verdict::kUnreadable);
  // No formula (a scale shown): nothing to ask.
  EXPECT_TRUE(AllQuestions(QuestionKind::kPlayVoicing, SetupOfView(PracticeView{}, kAllStrings)).empty());
}

TEST(PositionDrills, VoicingsKeepToTheStringsInPlay) {
  const DrillSetup setup = SetupOfView(Chord("Major triad"), 0b1111);  // strings 1–4
  const auto questions = AllQuestions(QuestionKind::kPlayVoicing, setup);
  ASSERT_EQ(questions.size(), 12u);
  for (const Question& q : questions) {
    for (const Position& p : q.targets) EXPECT_LT(p.string, 4) << q.asked;
  }
  const Question& c = questions[0];
  EXPECT_EQ(Check(c, setup, Answer::Voicing(Frets("x32010")), {}).fault, "string 5 is not in play");
  EXPECT_EQ(Check(c, setup, Answer::Voicing(Frets("xx2010")), {}).verdict, Verdict::kRight);
}

TEST(PositionDrills, AVoicingIsKeptAsOneRowPerStringAndAMissTeaches) {
  testing::FakeAnswerLog log;
  std::vector<Feedback> heard;
  long long now = 1'000'000;
  DrillSession session(7, {[&](const Feedback& f) { heard.push_back(f); }, nullptr}, [&] { return now; });
  session.UseLog(&log);
  const DrillSetup setup = SetupOfView(Chord("Minor 7"), kAllStrings);
  ASSERT_TRUE(session.Start(QuestionKind::kPlayVoicing, setup, {3, 0}));
  const Question asked = session.round()->Current();
  const VoicingResult right = FindVoicings(*ParseChordSymbol(asked.asked), {}, 1);
  now += 2500;
  session.Give(Answer::Voicing(right.voicings.front().frets));
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_EQ(heard[0].checked.verdict, Verdict::kRight);
  const std::size_t sounding = right.voicings.front().notes.size();
  ASSERT_EQ(log.kept.size(), sounding);
  std::set<int> strings;
  for (const auto& kept : log.kept) {
    EXPECT_EQ(kept.answer.drill, "play-voicing");
    EXPECT_EQ(kept.answer.asked, asked.asked);
    EXPECT_EQ(kept.answer.answered, right.voicings.front().FretsText());
    EXPECT_TRUE(kept.answer.correct);
    EXPECT_EQ(kept.answer.ms, 2500);
    EXPECT_EQ(kept.at, now);
    EXPECT_EQ(kept.answer.fret, right.voicings.front().frets[kept.answer.string - 1]);
    strings.insert(kept.answer.string);
  }
  EXPECT_EQ(strings.size(), sounding);

  // A miss: the voicing given and a right one, strummed in turn and shown.
  const Question next = session.round()->Current();
  std::vector<FretIndex> two(6, kMuted);  // two notes of a right voicing: too few
  for (int i = 0; i < 2; ++i) two[next.targets[i].string] = next.targets[i].fret;
  session.Give(Answer::Voicing(two));
  ASSERT_EQ(heard.size(), 2u);
  ASSERT_TRUE(heard[1].missed);
  const Miss miss = ExplainMiss(heard[1], setup);
  EXPECT_EQ(miss.given, Miss::Given::kVoicing);
  EXPECT_EQ(miss.askedName, next.asked);
  EXPECT_EQ(miss.why, "2 strings sound; a chord needs three");
  EXPECT_EQ(miss.rightAt.size(), next.targets.size());
  EXPECT_EQ(miss.answeredVoicing.size(), 2u);
  const PlaybackSchedule sound = MissSound(miss, PlaybackTime{300});
  ASSERT_EQ(sound.Steps().size(), 2u);
  EXPECT_EQ(sound.Steps()[0].notes.size(), 2u);
  EXPECT_EQ(sound.Steps()[1].notes.size(), next.targets.size());
  const std::vector<NeckMark> marks = MissMarks(miss, setup);
  EXPECT_GE(marks.size(), next.targets.size());
  for (const NeckMark& m : marks) {
    const bool right = std::find(miss.rightAt.begin(), miss.rightAt.end(), m.position) != miss.rightAt.end();
    EXPECT_EQ(m.fill, right ? kRightColour : kWrongColour);
  }
}

}  // namespace
}  // namespace fretlab::practice
