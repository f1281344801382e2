// The ear drills' questions and answer checks: every interval, quality and
// scale in play is asked, the voicings are the finder's playable top ones,
// the same seed gives the same round, names of one sound are one answer,
// and a confused item comes back more often.

#include "practice/ear_drills.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "practice/drill_session.h"
#include "practice/round.h"
#include "practice_setup.h"
#include "theory/voicing_finder.h"

namespace fretlab::practice {
namespace {

using namespace testing;

DrillSetup EarSetup(int step = 0, IntervalDirection direction = IntervalDirection::kAscending) {
  DrillSetup s = MakeSetup("Standard", 0, 12);
  s.ear.intervalStep = step;
  s.ear.qualityStep = step;
  s.ear.scaleStep = step;
  s.ear.direction = direction;
  return s;
}

std::map<std::string, int> CountAsked(const std::vector<Question>& questions) {
  std::map<std::string, int> count;
  for (const Question& q : questions) ++count[q.asked];
  return count;
}

TEST(EarDrills, EveryIntervalInPlayIsAskedAsOftenInEachDirection) {
  for (auto direction : {IntervalDirection::kAscending, IntervalDirection::kDescending,
                         IntervalDirection::kTogether}) {
    for (int step = 0; step < kIntervalSteps; ++step) {
      const DrillSetup s = EarSetup(step, direction);
      const auto questions = AllQuestions(QuestionKind::kEarInterval, s);
      const auto count = CountAsked(questions);
      ASSERT_EQ(count.size(), IntervalsInPlay(step).size()) << step;
      for (int n : IntervalsInPlay(step)) {
        EXPECT_EQ(count.at(IntervalShortName(n)), count.begin()->second) << IntervalShortName(n);
      }
      for (const Question& q : questions) {
        ASSERT_EQ(q.notes.size(), 2u);
        const int n = *ParseIntervalName(q.asked);
        const int sign = direction == IntervalDirection::kDescending ? -1 : 1;
        EXPECT_EQ(q.notes[1] - q.notes[0], sign * n) << q.asked;
        EXPECT_EQ(q.item, q.asked);
        EXPECT_TRUE(q.byName);
        EXPECT_FALSE(q.shown) << "nothing on the neck gives it away";
        // Both notes lie on the neck in play: E2 (40) to E5 (76).
        EXPECT_GE(std::min(q.notes[0], q.notes[1]), 40);
        EXPECT_LE(std::max(q.notes[0], q.notes[1]), 76);
      }
    }
  }
}

TEST(EarDrills, OnTheNeckTheFirstNoteIsMarkedAndEveryPlaceOfTheSecondAnswers) {
  DrillSetup s = EarSetup(4);
  s.ear.onNeck = true;
  s.area.strings = Strings({1, 2, 3});
  const auto questions = AllQuestions(QuestionKind::kEarInterval, s);
  ASSERT_FALSE(questions.empty());
  EXPECT_EQ(CountAsked(questions).size(), 12u);
  for (const Question& q : questions) {
    EXPECT_FALSE(q.byName);
    ASSERT_TRUE(q.shown);
    EXPECT_EQ(PitchAt(s, *q.shown), q.notes[0]);
    EXPECT_LE(q.shown->string, 2) << "on the strings in play";
    ASSERT_FALSE(q.targets.empty());
    for (Position p : q.targets) EXPECT_EQ(PitchAt(s, p), q.pitch);
    EXPECT_EQ(q.targets, PositionsOfNote(s.tuning, s.area, q.pitch)) << "every place of it";
    EXPECT_NE(q.prompt.find("strings 1–3"), std::string::npos) << q.prompt;
    EXPECT_EQ(q.prompt.rfind("Find the second note you hear, from the marked one", 0), 0u) << q.prompt;
  }
  s.ear.direction = IntervalDirection::kTogether;
  EXPECT_EQ(AllQuestions(QuestionKind::kEarInterval, s).front().prompt,
            "Find the higher note you hear, from the marked lower one — strings 1–3, frets 0–12");
}

TEST(EarDrills, EveryQualityIsAskedOnEveryRootInTheFindersTopVoicing) {
  const DrillSetup s = EarSetup(kQualitySteps - 1);
  const auto questions = AllQuestions(QuestionKind::kEarChordQuality, s);
  const auto count = CountAsked(questions);
  ASSERT_EQ(count.size(), static_cast<std::size_t>(kChordQualityCount));
  for (const auto& [name, n] : count) EXPECT_EQ(n, 12) << name;
  VoicingQuery query;
  query.frets = {0, 12};
  for (const Question& q : questions) {
    const auto quality = *ParseQuality(q.asked);
    const auto chord = *ParseChordSymbol(ChordText(RootOf(q), quality));
    const auto top = TopVoicing(chord, s.tuning);
    ASSERT_TRUE(top) << q.asked;
    // Playable within frets 0–12, and complete by the finder's rules.
    EXPECT_EQ(VoicingFault(chord, query, top->frets), "") << top->FretsText();
    for (FretIndex f : top->frets) EXPECT_LE(f, 12);
    const auto notes = top->SoundingNotes();
    EXPECT_EQ(q.notes, std::vector<int>(notes.begin(), notes.end()));
    // Every tone a quality is heard by sounds: root, third (or suspension), seventh.
    std::set<int> classes;
    for (int note : q.notes) classes.insert(PitchClass(note - RootOf(q)));
    EXPECT_TRUE(classes.count(0)) << q.asked;
    EXPECT_EQ(PitchClass(q.pitch), RootOf(q));
    for (int tone : classes) {
      bool inChord = false;
      for (const ChordTone& t : chord.tones) inChord |= PitchClass(t.degree.Semitones()) == tone;
      EXPECT_TRUE(inChord) << q.asked << " holds " << tone;
    }
  }
  EXPECT_EQ(CountAsked(AllQuestions(QuestionKind::kEarChordQuality, EarSetup(0))).size(), 2u);
}

TEST(EarDrills, EveryScaleInPlaySoundsUpOrAsAPhraseWithinIt) {
  DrillSetup s = EarSetup(kScaleSteps - 1);
  auto questions = AllQuestions(QuestionKind::kEarScale, s);
  ASSERT_EQ(CountAsked(questions).size(), static_cast<std::size_t>(kScaleSoundCount));
  for (const Question& q : questions) {
    const ScaleSound& scale = ScaleSounds()[*ParseScaleSound(q.asked)];
    ASSERT_EQ(q.notes.size(), scale.steps.size() + 1);
    EXPECT_EQ(q.notes.front(), q.pitch);
    EXPECT_EQ(q.notes.back(), q.pitch + 12);
  }
  s.ear.phrase = true;
  questions = AllQuestions(QuestionKind::kEarScale, s);
  for (const Question& q : questions) {
    const ScaleSound& scale = ScaleSounds()[*ParseScaleSound(q.asked)];
    ASSERT_EQ(q.notes.size(), 8u);
    EXPECT_EQ(q.notes.front(), q.pitch);
    EXPECT_EQ(PitchClass(q.notes.back()), PitchClass(q.pitch)) << "back to the root";
    for (std::size_t i = 0; i < q.notes.size(); ++i) {
      const int above = q.notes[i] - q.pitch;
      EXPECT_TRUE(above == 12 || std::count(scale.steps.begin(), scale.steps.end(), above)) << q.asked;
      if (i > 0) {
        EXPECT_NE(q.notes[i], q.notes[i - 1]) << "it moves";
      }
    }
  }
  const ScaleSound& dorian = ScaleSounds()[2];
  EXPECT_EQ(ScalePhrase(50, dorian, 9), ScalePhrase(50, dorian, 9));
  std::set<std::vector<int>> phrases;
  for (std::uint64_t seed = 1; seed <= 20; ++seed) phrases.insert(ScalePhrase(50, dorian, seed));
  EXPECT_GT(phrases.size(), 10u) << "seeds vary the phrase";
}

TEST(EarDrills, TheSameSeedGivesTheSameRound) {
  for (QuestionKind kind : {QuestionKind::kEarInterval, QuestionKind::kEarChordQuality,
                            QuestionKind::kEarScale}) {
    std::vector<std::vector<int>> heard[2];
    for (auto& round : heard) {
      long long now = 1'000'000;
      DrillSession session(42, {}, [&now] { return now; });
      ASSERT_TRUE(session.Start(kind, EarSetup(2), {10, 0}));
      while (session.Running()) {
        round.push_back(session.round()->Current().notes);
        now += 1500;
        session.Give(Answer::Text(session.round()->Current().asked));
      }
    }
    EXPECT_EQ(heard[0], heard[1]);
    EXPECT_EQ(heard[0].size(), 10u);
  }
}

Question Interval(int first, int second, bool onNeck = false) {
  DrillSetup s = EarSetup(5);
  s.ear.onNeck = onNeck;
  s.ear.direction = second < first ? IntervalDirection::kDescending : IntervalDirection::kAscending;
  for (const Question& q : AllQuestions(QuestionKind::kEarInterval, s)) {
    if (q.notes == std::vector<int>{first, second}) return q;
  }
  ADD_FAILURE() << "no question " << first << " to " << second;
  return {};
}

TEST(EarDrills, AnIntervalIsAnsweredByAnyNameOfItsSound) {
  const DrillSetup s = EarSetup();
  const Question tt = Interval(45, 51);
  ASSERT_EQ(tt.asked, "TT");
  for (const char* name : {"TT", "A4", "d5"}) {
    const Checked c = CheckEar(tt, s, Answer::Text(name));
    EXPECT_EQ(c.verdict, Verdict::kRight) << name;
    EXPECT_EQ(c.answered, "TT") << "kept as one sound";
    EXPECT_EQ(c.enharmonic, std::string(name) != "TT") << name;
  }
  const Checked fifth = CheckEar(tt, s, Answer::Text("P5"));
  EXPECT_EQ(fifth.verdict, Verdict::kWrong);
  EXPECT_EQ(fifth.answered, "P5");
  EXPECT_EQ(CheckEar(tt, s, Answer::Text("A11")).verdict, Verdict::kWrong) << "an octave more";
  EXPECT_EQ(CheckEar(tt, s, Answer::Text("P3")).verdict, Verdict::kUnreadable);
  EXPECT_EQ(CheckEar(tt, s, Answer::At({0, 5})).verdict, Verdict::kUnreadable) << "a name is asked";
  // Through Check, as a round checks it.
  EXPECT_EQ(Check(tt, s, Answer::Text("d5"), {}).verdict, Verdict::kRight);
}

TEST(EarDrills, OnTheNeckTheSecondNoteAnswersAtItsPitchAndAMissNamesTheIntervalMade) {
  DrillSetup s = EarSetup();
  s.ear.onNeck = true;
  const Question down = Interval(64, 59, true);  // E4 down to B3: P4
  ASSERT_EQ(down.asked, "P4");
  const Checked right = CheckEar(down, s, Answer::At({2, 4}));  // B3 on the G string
  EXPECT_EQ(right.verdict, Verdict::kRight);
  EXPECT_EQ(right.answered, "P4");
  ASSERT_GE(right.target, 0);
  EXPECT_EQ(down.targets[right.target], (Position{2, 4}));
  EXPECT_EQ(CheckEar(down, s, Answer::At({3, 9})).verdict, Verdict::kRight) << "B3 on the D string";
  EXPECT_EQ(CheckEar(down, s, Answer::At({0, 7})).verdict, Verdict::kOctave) << "B4";
  const Checked wrong = CheckEar(down, s, Answer::At({1, 1}));  // C4: a M3 down
  EXPECT_EQ(wrong.verdict, Verdict::kWrong);
  EXPECT_EQ(wrong.answered, "M3");
  EXPECT_EQ(wrong.pitch, 60);
  const Checked played = CheckEar(down, s, Answer::Pitch(59));
  EXPECT_EQ(played.verdict, Verdict::kRight);
  ASSERT_TRUE(played.position);
  EXPECT_EQ(PitchAt(s, *played.position), 59);
  EXPECT_EQ(CheckEar(down, s, Answer::Text("P4")).verdict, Verdict::kUnreadable) << "the neck is asked";
}

TEST(EarDrills, QualitiesAndScalesAreAnsweredByName) {
  const DrillSetup s = EarSetup(kQualitySteps - 1);
  const auto chords = AllQuestions(QuestionKind::kEarChordQuality, s);
  const Question& minor = chords[12];
  ASSERT_EQ(minor.asked, "minor");
  EXPECT_EQ(CheckEar(minor, s, Answer::Text("min")).verdict, Verdict::kRight);
  EXPECT_TRUE(CheckEar(minor, s, Answer::Text("min")).enharmonic);
  EXPECT_EQ(CheckEar(minor, s, Answer::Text("maj7")).answered, "maj7");
  EXPECT_EQ(CheckEar(minor, s, Answer::Text("maj7")).verdict, Verdict::kWrong);
  EXPECT_EQ(CheckEar(minor, s, Answer::Pitch(60)).verdict, Verdict::kUnreadable);
  const auto scales = AllQuestions(QuestionKind::kEarScale, s);
  const Question& major = scales.front();
  ASSERT_EQ(major.asked, "Major");
  EXPECT_EQ(CheckEar(major, s, Answer::Text("ionian")).verdict, Verdict::kRight);
  EXPECT_EQ(CheckEar(major, s, Answer::Text("Lydian")).verdict, Verdict::kWrong);
  EXPECT_EQ(CheckEar(major, s, Answer::Text("Lydian")).answered, "Lydian");
}

TEST(EarDrills, AnswersAreOrderedBySoundForTables) {
  EXPECT_LT(EarAnswerOrder(QuestionKind::kEarInterval, "m2"), EarAnswerOrder(QuestionKind::kEarInterval, "TT"));
  EXPECT_LT(EarAnswerOrder(QuestionKind::kEarInterval, "TT"), EarAnswerOrder(QuestionKind::kEarInterval, "P5"));
  EXPECT_LT(EarAnswerOrder(QuestionKind::kEarInterval, "P8"), EarAnswerOrder(QuestionKind::kEarInterval, "m9"));
  EXPECT_EQ(EarAnswerOrder(QuestionKind::kEarInterval, "A4"), EarAnswerOrder(QuestionKind::kEarInterval, "TT"));
  EXPECT_LT(EarAnswerOrder(QuestionKind::kEarChordQuality, "minor"),
            EarAnswerOrder(QuestionKind::kEarChordQuality, "dim7"));
  EXPECT_LT(EarAnswerOrder(QuestionKind::kEarScale, "Blues"), EarAnswerOrder(QuestionKind::kEarScale, "E4"));
  EXPECT_EQ(EarAnswerOrder(QuestionKind::kEarInterval, "E4"), EarAnswerOrder(QuestionKind::kEarScale, "x"))
      << "what is none comes last";
}

TEST(EarDrills, AConfusedIntervalComesBackMoreOften) {
  WeakSpotSchedule schedule(3);
  Round round(QuestionKind::kEarInterval, EarSetup(1), {0, 0}, "E2 A2 D3 G3 B3 E4", schedule);
  long long now = 1'000'000;
  ASSERT_TRUE(round.Start(now));
  std::map<std::string, int> asked;
  for (int i = 0; i < 400; ++i) {
    const Question q = round.Current();
    ++asked[q.asked];
    now += 2000;
    // The student hears every m3 as a M3.
    const Feedback fb = round.Give(Answer::Text(q.asked == "m3" ? "M3" : q.asked), now);
    ASSERT_TRUE(fb.record);
    EXPECT_EQ(fb.record->drill, "ear-interval");
    EXPECT_EQ(fb.record->correct, q.asked != "m3");
  }
  EXPECT_EQ(asked.size(), 5u);
  for (const auto& [name, n] : asked) {
    if (name != "m3") {
      EXPECT_GT(asked["m3"], 2 * n) << name;
    }
  }
}

}  // namespace
}  // namespace fretlab::practice
