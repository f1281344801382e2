// Each drill asks exactly what its limits allow: every allowed position or
// pitch once, nothing outside the tuning, capo, fret range, strings and key.
// Checked against a plain walk over the whole neck for many small setups.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "practice_setup.h"

namespace fretlab::practice {
namespace {

using namespace testing;

constexpr int kNeckFrets = 24;

// The allowed positions in the key, by a walk over every fret of the neck.
std::vector<Position> Expected(const DrillSetup& s) {
  std::vector<Position> out;
  for (int string = 0; string < static_cast<int>(s.openNotes.size()); ++string) {
    if (!s.strings.empty() && !s.strings[string]) continue;
    for (int fret = 0; fret <= kNeckFrets; ++fret) {
      if (fret < s.capo || fret < s.firstFret || fret > s.lastFret) continue;
      const int step = ((s.openNotes[string] + fret - s.root) % 12 + 12) % 12;
      if (std::count(s.steps.begin(), s.steps.end(), step)) out.push_back({string, fret});
    }
  }
  return out;
}

using PositionSet = std::set<std::pair<int, int>>;
PositionSet AsSet(const std::vector<Position>& v) {
  PositionSet out;
  for (const Position& p : v) out.insert({p.string, p.fret});
  return out;
}

std::vector<DrillSetup> SmallSetups() {
  std::vector<DrillSetup> out;
  const std::vector<std::vector<NoteNumber>> tunings = {kStandard, kBass, kSevenString};
  const std::vector<std::pair<int, int>> ranges = {{0, 4}, {2, 7}, {5, 5}, {10, 14}};
  const std::vector<std::pair<std::vector<int>, int>> keys = {
      {kChromatic, 0}, {kMajor, 2}, {{0, 4, 7, 10}, 7}};
  for (const auto& tuning : tunings) {
    for (const auto& [first, last] : ranges) {
      for (int capo : {0, 3}) {
        for (const auto& [steps, root] : keys) {
          for (int set = 0; set < 3; ++set) {
            DrillSetup s = MakeSetup(tuning, first, last, steps, root);
            s.capo = capo;
            if (set == 1) s.strings = {true, true, true};  // strings 1–3 (the rest off)
            if (set == 2) s.strings = {false, true, false, true};
            s.strings.resize(set == 0 ? 0 : tuning.size(), false);
            out.push_back(s);
          }
        }
      }
    }
  }
  return out;
}

TEST(DrillGenerator, NameDrillsShowEveryAllowedPositionOnce) {
  for (const DrillSetup& s : SmallSetups()) {
    for (QuestionKind kind : {QuestionKind::kNameNote, QuestionKind::kNameDegree}) {
      std::vector<Position> shown;
      for (const Question& q : AllQuestions(kind, s)) {
        ASSERT_TRUE(q.shown);
        shown.push_back(*q.shown);
        const int note = s.openNotes[q.shown->string] + q.shown->fret;
        EXPECT_EQ(q.pitch, note);
        EXPECT_EQ(q.asked, kind == QuestionKind::kNameNote ? SharpName(note % 12)
                                                           : DegreeName(((note - s.root) % 12 + 12) % 12));
        EXPECT_TRUE(q.targets.empty());
      }
      EXPECT_EQ(shown.size(), AsSet(shown).size()) << "a position asked twice";
      EXPECT_EQ(AsSet(shown), AsSet(Expected(s)));
    }
  }
}

// Find drills: one question per note (or degree) present in range, whose
// targets are exactly the allowed positions of that pitch class.
TEST(DrillGenerator, FindDrillsTargetEveryPositionOfTheirNote) {
  for (const DrillSetup& s : SmallSetups()) {
    std::map<int, PositionSet> byClass;
    for (const Position& p : Expected(s)) {
      byClass[(s.openNotes[p.string] + p.fret) % 12].insert({p.string, p.fret});
    }
    for (QuestionKind kind : {QuestionKind::kFindNote, QuestionKind::kFindDegree,
                              QuestionKind::kFindChordTone}) {
      std::map<int, PositionSet> asked;
      for (const Question& q : AllQuestions(kind, s)) {
        const int pc = (s.root + q.semitones) % 12;
        EXPECT_FALSE(asked.count(pc)) << "pitch class " << pc << " asked twice";
        asked[pc] = AsSet(q.targets);
        EXPECT_EQ(q.every, kind == QuestionKind::kFindNote);
        EXPECT_EQ(q.asked, kind == QuestionKind::kFindNote ? SharpName(pc) : DegreeName(q.semitones));
      }
      EXPECT_EQ(asked, byClass);
    }
  }
}

TEST(DrillGenerator, EarDrillAsksEveryPitchInRangeAtItsExactPositions) {
  for (const DrillSetup& s : SmallSetups()) {
    std::map<int, PositionSet> byPitch;
    for (const Position& p : Expected(s)) {
      byPitch[s.openNotes[p.string] + p.fret].insert({p.string, p.fret});
    }
    std::map<int, PositionSet> asked;
    for (const Question& q : AllQuestions(QuestionKind::kEarToNeck, s)) {
      EXPECT_FALSE(asked.count(q.pitch));
      asked[q.pitch] = AsSet(q.targets);
    }
    EXPECT_EQ(asked, byPitch);
  }
}

TEST(DrillGenerator, ChordTonesAskForEveryToneInTheBoxAtOnce) {
  for (const DrillSetup& s : SmallSetups()) {
    const auto questions = AllQuestions(QuestionKind::kFindChordTones, s);
    const auto expected = Expected(s);
    ASSERT_EQ(questions.size(), expected.empty() ? 0u : 1u);
    if (expected.empty()) continue;
    EXPECT_TRUE(questions[0].every);
    EXPECT_EQ(AsSet(questions[0].targets), AsSet(expected));
  }
}

TEST(DrillGenerator, NothingToAskWhenTheCapoIsAboveTheRange) {
  DrillSetup s = MakeSetup(kStandard, 0, 4);
  s.capo = 5;
  for (int k = 0; k < kQuestionKindCount; ++k) {
    EXPECT_TRUE(AllQuestions(static_cast<QuestionKind>(k), s).empty()) << k;
  }
}

TEST(DrillGenerator, PromptsNameTheNoteStringsAndFrets) {
  DrillSetup s = MakeSetup(kStandard, 0, 7);
  s.strings = {true, true, true, false, false, false};
  auto questions = AllQuestions(QuestionKind::kFindNote, s);
  ASSERT_GT(questions.size(), 1u);
  EXPECT_EQ(questions[1].prompt, "Find every C♯ on strings 1–3 between frets 0 and 7");
  s.strings = {false, true, false, true, true, false};
  s.capo = 2;
  EXPECT_EQ(AllQuestions(QuestionKind::kFindNote, s)[0].prompt,
            "Find every C on strings 2 and 4–5 between frets 2 and 7");
  s.strings = {};
  EXPECT_EQ(AllQuestions(QuestionKind::kFindNote, s)[0].prompt,
            "Find every C between frets 2 and 7");
  s.keyName = "C7";
  s.steps = {0, 4, 7, 10};
  s.strings = {false, true, true, true, false, false};
  EXPECT_EQ(AllQuestions(QuestionKind::kFindChordTones, s)[0].prompt,
            "Click every chord tone of C7 on strings 2–4");
  EXPECT_EQ(AllQuestions(QuestionKind::kFindChordTone, s)[1].prompt, "Click the 3 of C7");
  EXPECT_EQ(AllQuestions(QuestionKind::kFindDegree, s)[3].prompt, "Where is the ♭7?");
}

TEST(DrillGenerator, EarDrillNamesPitchesWithTheOctaveOfTheirLetter) {
  DrillSetup s = MakeSetup({59, 60}, 0, 0);
  s.noteName = [](int pc) { return pc == 11 ? std::string("C♭") : std::string("B♯"); };
  const auto questions = AllQuestions(QuestionKind::kEarToNeck, s);
  ASSERT_EQ(questions.size(), 2u);
  EXPECT_EQ(questions[0].asked, "C♭4");  // sounds as B3
  EXPECT_EQ(questions[1].asked, "B♯3");  // sounds as C4
  s.noteName = SharpName;
  EXPECT_EQ(AllQuestions(QuestionKind::kEarToNeck, s)[1].asked, "C4");
}

TEST(DrillGenerator, DrillKeysRoundTrip) {
  std::set<std::string_view> keys;
  for (int k = 0; k < kQuestionKindCount; ++k) {
    const auto kind = static_cast<QuestionKind>(k);
    keys.insert(DrillKey(kind));
    EXPECT_EQ(KindOfKey(DrillKey(kind)), kind);
  }
  EXPECT_EQ(keys.size(), static_cast<std::size_t>(kQuestionKindCount));
  EXPECT_FALSE(KindOfKey("nothing"));
  EXPECT_TRUE(IsPositionItemDrill("name-note"));
  EXPECT_FALSE(IsPositionItemDrill("find-note"));
}

}  // namespace
}  // namespace fretlab::practice
