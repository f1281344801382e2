// Chord quality by ear answered with a voicing on the neck: the question
// sounds a voicing in play with its root marked, every valid voicing of the
// quality on that root answers it, others are named by the quality they
// sound, the history keeps one row of the quality, and a miss sounds the
// voicing given before the one heard.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "practice/drill_questions.h"
#include "practice/drill_session.h"
#include "practice/ear_drills.h"
#include "practice/ear_sound.h"
#include "practice/miss.h"
#include "practice/voicing_entry.h"
#include "practice_setup.h"
#include "support/fake_answer_log.h"
#include "theory/voicing_finder.h"

namespace fretlab::practice {
namespace {

DrillSetup VoicingSetup(int step = kQualitySteps - 1) {
  DrillSetup s = testing::MakeSetup("Standard", 0, 12);
  s.ear.qualityStep = step;
  s.ear.voicingOnNeck = true;
  return s;
}

const Question& AskedOn(const std::vector<Question>& questions, const std::string& quality, int root) {
  const auto it = std::find_if(questions.begin(), questions.end(), [&](const Question& q) {
    return q.asked == quality && RootOf(q) == root;
  });
  EXPECT_NE(it, questions.end()) << quality << " on " << root;
  return *it;
}

std::vector<Voicing> VoicingsOf(int root, ChordQuality quality, const DrillSetup& setup) {
  return FindVoicings(*ParseChordSymbol(ChordText(root, quality)), VoicingQueryOf(setup)).voicings;
}

TEST(EarVoicing, EveryQualityOnEveryRootSoundsAVoicingInPlayWithItsLowestRootMarked) {
  const DrillSetup setup = VoicingSetup();
  const auto questions = AllQuestions(QuestionKind::kEarChordQuality, setup);
  ASSERT_EQ(questions.size(), static_cast<std::size_t>(kChordQualityCount * 12));
  std::map<std::string, std::set<int>> roots;
  for (const Question& q : questions) {
    EXPECT_FALSE(q.byName);
    ASSERT_TRUE(q.shown) << q.asked;
    ASSERT_EQ(q.notes.size(), q.targets.size());
    std::vector<FretIndex> frets(6, kMuted);
    for (std::size_t i = 0; i < q.targets.size(); ++i) {
      EXPECT_EQ(PitchAt(setup, q.targets[i]), q.notes[i]) << "the notes heard are the voicing's";
      frets[q.targets[i].string] = q.targets[i].fret;
    }
    EXPECT_EQ(PitchAt(setup, *q.shown), q.pitch);
    int lowestRoot = 128;
    for (int note : q.notes) {
      if (PitchClass(note) == RootOf(q)) lowestRoot = std::min(lowestRoot, note);
    }
    EXPECT_EQ(lowestRoot, q.pitch) << "the lowest root is marked";
    roots[q.asked].insert(RootOf(q));
    const auto chord = ParseChordSymbol(ChordText(RootOf(q), *ParseQuality(q.asked)));
    EXPECT_EQ(VoicingFault(*chord, VoicingQueryOf(setup), frets), "") << q.asked;
  }
  ASSERT_EQ(roots.size(), static_cast<std::size_t>(kChordQualityCount));
  for (const auto& [quality, on] : roots) EXPECT_EQ(on.size(), 12u) << quality;
  // Only strings 1–4: the voicing heard keeps to them.
  DrillSetup top = setup;
  top.area.strings = 0b1111;
  for (const Question& q : AllQuestions(QuestionKind::kEarChordQuality, top)) {
    for (const Position& p : q.targets) EXPECT_LT(p.string, 4) << q.asked;
  }
}

TEST(EarVoicing, EveryValidVoicingOfTheQualityOnTheRootAnswersAndOthersAreNamed) {
  const DrillSetup setup = VoicingSetup();
  const auto questions = AllQuestions(QuestionKind::kEarChordQuality, setup);
  for (int root : {9, 1}) {
    const Question& minor = AskedOn(questions, "minor", root);
    for (int i = 0; i < kChordQualityCount; ++i) {
      const auto quality = static_cast<ChordQuality>(i);
      const std::vector<Voicing> voicings = VoicingsOf(root, quality, setup);
      ASSERT_FALSE(voicings.empty()) << QualityName(quality);
      for (const Voicing& v : voicings) {
        const Checked c = Check(minor, setup, Answer::Voicing(v.frets), {});
        EXPECT_EQ(c.verdict, quality == ChordQuality::kMinor ? Verdict::kRight : Verdict::kWrong) << v.FretsText();
        EXPECT_EQ(c.answered, QualityName(quality)) << v.FretsText();
        EXPECT_EQ(c.fault.empty(), quality == ChordQuality::kMinor) << v.FretsText();
        EXPECT_EQ(c.position, minor.shown);
      }
    }
  }
  const Question& am = AskedOn(questions, "minor", 9);
  // C minor holds no A: no quality on the marked root.
  EXPECT_EQ(Check(am, setup, Answer::Voicing(*ParseFretsText("x3554x", 6)), {}).answered, "other");
  // A minor's tones on a string out of play: refused, and not a minor answered.
  DrillSetup top = setup;
  top.area.strings = 0b11111;  // strings 1–5
  const Checked off = Check(am, top, Answer::Voicing(*ParseFretsText("5x7555", 6)), {});
  EXPECT_EQ(off.verdict, Verdict::kWrong);
  EXPECT_EQ(off.fault, "string 6 is not in play");
  EXPECT_EQ(off.answered, "other");
  EXPECT_EQ(Check(am, top, Answer::Voicing(*ParseFretsText("x02210", 6)), {}).verdict, Verdict::kRight);
  // Not a voicing at all, or a name where a voicing is asked: no answer.
  EXPECT_EQ(Check(am, setup, Answer::Voicing({0, 1}), {}).verdict, Verdict::kUnreadable);
  EXPECT_EQ(Check(am, setup, Answer::Text("minor"), {}).verdict, Verdict::kUnreadable);
}

TEST(EarVoicing, AVoicingIsBuiltOneNoteAStringAndTheSamePlaceAgainMutesIt) {
  VoicingEntry entry;
  entry.Reset(6);
  EXPECT_EQ(entry.Frets(), std::vector<FretIndex>(6, kMuted));
  EXPECT_TRUE(entry.Toggle({4, 0}));
  EXPECT_TRUE(entry.Toggle({3, 2}));
  EXPECT_TRUE(entry.Toggle({3, 4})) << "another fret on the string replaces it";
  EXPECT_EQ(entry.Frets(), (std::vector<FretIndex>{kMuted, kMuted, kMuted, 4, 0, kMuted}));
  EXPECT_FALSE(entry.Toggle({4, 0})) << "the same place again mutes the string";
  EXPECT_FALSE(entry.Toggle({6, 1})) << "no seventh string";
  EXPECT_EQ(entry.Chosen(), (std::vector<Position>{{3, 4}}));
  Question heard;
  heard.kind = QuestionKind::kEarChordQuality;
  EXPECT_TRUE(AnswersByVoicing(heard));
  heard.byName = true;
  EXPECT_FALSE(AnswersByVoicing(heard));
}

TEST(EarVoicing, TheHistoryKeepsOneRowOfTheQualityAndAMissSoundsTheGivenThenTheHeard) {
  fretlab::testing::FakeAnswerLog log;
  std::vector<Feedback> heard;
  long long now = 1'000'000;
  DrillSession session(5, {[&](const Feedback& f) { heard.push_back(f); }, nullptr}, [&] { return now; });
  session.UseLog(&log);
  DrillSetup setup = VoicingSetup(0);
  setup.ear.tempo = 60;
  ASSERT_TRUE(session.Start(QuestionKind::kEarChordQuality, setup, {2, 0}));
  const Question first = session.round()->Current();
  const ChordQuality other = first.asked == "major" ? ChordQuality::kMinor : ChordQuality::kMajor;
  const Voicing wrong = VoicingsOf(RootOf(first), other, setup).front();
  now += 1500;
  session.Give(Answer::Voicing(wrong.frets));
  ASSERT_EQ(heard.size(), 1u);
  ASSERT_TRUE(heard[0].missed);
  ASSERT_EQ(log.kept.size(), 1u) << "one answer, not one per string";
  EXPECT_EQ(log.kept[0].answer.drill, "ear-chord-quality");
  EXPECT_EQ(log.kept[0].answer.asked, first.asked);
  EXPECT_EQ(log.kept[0].answer.answered, QualityName(other));
  EXPECT_FALSE(log.kept[0].answer.correct);
  EXPECT_EQ(log.kept[0].answer.string, first.shown->string + 1) << "at the marked root";
  EXPECT_EQ(log.kept[0].answer.fret, first.shown->fret);

  const Miss miss = ExplainMiss(heard[0], setup);
  EXPECT_EQ(miss.given, Miss::Given::kVoicing);
  EXPECT_EQ(miss.rightAt, first.targets) << "the voicing heard, lowest string first";
  EXPECT_EQ(miss.answeredVoicing.size(), wrong.notes.size());
  const std::vector<PlaybackStep> steps = EarMissSchedule(heard[0], setup).Steps();
  ASSERT_EQ(steps.size(), 3u);
  const std::vector<NoteNumber> given = wrong.SoundingNotes();
  EXPECT_EQ(steps[0].notes, given) << "the voicing given first";
  EXPECT_TRUE(steps[1].notes.empty());
  EXPECT_EQ(steps[2].notes, std::vector<NoteNumber>(first.notes.begin(), first.notes.end()))
      << "then the one heard";

  const Question second = session.round()->Current();
  now += 800;
  session.Give(Answer::Voicing(VoicingsOf(RootOf(second), *ParseQuality(second.asked), setup).back().frets));
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_EQ(heard[1].checked.verdict, Verdict::kRight);
  ASSERT_EQ(log.kept.size(), 2u);
  EXPECT_EQ(log.kept[1].answer.answered, second.asked);
  EXPECT_TRUE(log.kept[1].answer.correct);
}

}  // namespace
}  // namespace fretlab::practice
