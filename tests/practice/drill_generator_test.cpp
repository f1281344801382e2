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

struct Small {
  DrillSetup setup;
  std::vector<int> steps;  // of the key, semitones above the root
  int root;
};

// The allowed positions in the key, by a walk over every fret of the neck.
std::vector<Position> Expected(const Small& small) {
  const DrillSetup& s = small.setup;
  std::vector<Position> out;
  for (int string = 0; string < s.tuning.StringCount(); ++string) {
    if (((s.area.strings >> string) & 1u) == 0) continue;
    for (int fret = 0; fret <= 24; ++fret) {
      if (fret < s.area.capo || fret < s.area.frets.from || fret > s.area.frets.to) continue;
      const int step = ((s.tuning.OpenNote(string) + fret - small.root) % 12 + 12) % 12;
      if (std::count(small.steps.begin(), small.steps.end(), step)) out.push_back({string, fret});
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

std::vector<Small> SmallSetups() {
  std::vector<Small> out;
  const std::vector<std::pair<int, int>> ranges = {{0, 4}, {2, 7}, {5, 5}, {10, 14}, {20, 24}};
  const std::vector<std::pair<const CatalogueEntry*, int>> keys = {
      {&Chromatic(), 0}, {&Major(), 2}, {&Dominant7(), 7}};
  for (const char* tuning : {"Standard", "Bass", "7-string", "DADGAD"}) {
    for (const auto& [first, last] : ranges) {
      for (int capo : {0, 3}) {
        for (const auto& [entry, root] : keys) {
          for (std::uint32_t strings : {kAllStrings, Strings({1, 2, 3}), Strings({2, 4})}) {
            DrillSetup s = MakeSetup(tuning, first, last, *entry, root);
            s.area.capo = capo;
            s.area.strings = strings;
            out.push_back({s, entry->Steps(), root});
          }
        }
      }
    }
  }
  return out;
}

int Step(const Small& small, int note) { return ((note - small.root) % 12 + 12) % 12; }

TEST(DrillGenerator, NameDrillsShowEveryAllowedPositionOnce) {
  for (const Small& small : SmallSetups()) {
    const DrillSetup& s = small.setup;
    for (QuestionKind kind : {QuestionKind::kNameNote, QuestionKind::kNameDegree}) {
      std::vector<Position> shown;
      for (const Question& q : AllQuestions(kind, s)) {
        ASSERT_TRUE(q.shown);
        shown.push_back(*q.shown);
        const int note = s.tuning.NoteAt(q.shown->string, q.shown->fret);
        EXPECT_EQ(q.pitch, note);
        EXPECT_EQ(q.degree.Semitones(), Step(small, note));
        EXPECT_EQ(q.asked, kind == QuestionKind::kNameNote ? NoteNameInKey(s, note)
                                                           : DegreeNameInKey(s, note));
        EXPECT_TRUE(q.targets.empty());
      }
      EXPECT_EQ(shown.size(), AsSet(shown).size()) << "a position asked twice";
      EXPECT_EQ(AsSet(shown), AsSet(Expected(small)));
    }
  }
}

// Find drills: one question per note (or degree) present in range, whose
// targets are exactly the allowed positions of that pitch class.
TEST(DrillGenerator, FindDrillsTargetEveryPositionOfTheirNote) {
  for (const Small& small : SmallSetups()) {
    const DrillSetup& s = small.setup;
    std::map<int, PositionSet> byClass;
    for (const Position& p : Expected(small)) {
      byClass[s.tuning.NoteAt(p.string, p.fret) % 12].insert({p.string, p.fret});
    }
    for (QuestionKind kind : {QuestionKind::kFindNote, QuestionKind::kFindDegree,
                              QuestionKind::kFindChordTone}) {
      std::map<int, PositionSet> asked;
      for (const Question& q : AllQuestions(kind, s)) {
        const int pc = (small.root + q.degree.Semitones()) % 12;
        EXPECT_FALSE(asked.count(pc)) << "pitch class " << pc << " asked twice";
        asked[pc] = AsSet(q.targets);
        EXPECT_EQ(q.every, kind == QuestionKind::kFindNote);
        EXPECT_EQ(q.asked, kind == QuestionKind::kFindNote ? NoteNameInKey(s, pc)
                                                           : IntervalLabel(q.degree));
      }
      EXPECT_EQ(asked, byClass);
    }
  }
}

TEST(DrillGenerator, EarDrillAsksEveryPitchInRangeAtItsExactPositions) {
  for (const Small& small : SmallSetups()) {
    std::map<int, PositionSet> byPitch;
    for (const Position& p : Expected(small)) {
      byPitch[small.setup.tuning.NoteAt(p.string, p.fret)].insert({p.string, p.fret});
    }
    std::map<int, PositionSet> asked;
    for (const Question& q : AllQuestions(QuestionKind::kEarToNeck, small.setup)) {
      EXPECT_FALSE(asked.count(q.pitch));
      asked[q.pitch] = AsSet(q.targets);
    }
    EXPECT_EQ(asked, byPitch);
  }
}

TEST(DrillGenerator, ChordTonesAskForEveryToneInTheBoxAtOnce) {
  for (const Small& small : SmallSetups()) {
    const auto questions = AllQuestions(QuestionKind::kFindChordTones, small.setup);
    const auto expected = Expected(small);
    ASSERT_EQ(questions.size(), expected.empty() ? 0u : 1u);
    if (expected.empty()) continue;
    EXPECT_TRUE(questions[0].every);
    EXPECT_EQ(AsSet(questions[0].targets), AsSet(expected));
  }
}

TEST(DrillGenerator, NothingToAskWhenTheCapoIsAboveTheRange) {
  DrillSetup s = MakeSetup("Standard", 0, 4);
  s.area.capo = 5;
  for (int k = 0; k < kQuestionKindCount; ++k) {
    EXPECT_TRUE(AllQuestions(static_cast<QuestionKind>(k), s).empty()) << k;
  }
}

TEST(DrillGenerator, PromptsNameWhatIsAskedAndTheStringsAndFretsInPlay) {
  DrillSetup s = MakeSetup("Standard", 0, 7);
  s.area.strings = Strings({1, 2, 3});
  auto questions = AllQuestions(QuestionKind::kFindNote, s);
  ASSERT_GT(questions.size(), 1u);
  EXPECT_EQ(questions[1].prompt, "Find every C♯ — strings 1–3, frets 0–7");
  s.area.strings = Strings({2, 4, 5});
  s.area.capo = 2;
  EXPECT_EQ(AllQuestions(QuestionKind::kFindNote, s)[0].prompt,
            "Find every C — strings 2 and 4–5, frets 2–7");
  s.area.strings = kAllStrings;
  EXPECT_EQ(AllQuestions(QuestionKind::kFindNote, s)[0].prompt,
            "Find every C — frets 2–7");
  DrillSetup chord = MakeSetup("Standard", 0, 7, Dominant7(), 0);
  chord.area.strings = Strings({2, 3, 4});
  EXPECT_EQ(chord.keyName, "C7");
  EXPECT_EQ(AllQuestions(QuestionKind::kFindChordTones, chord)[0].prompt,
            "Click every chord tone of C7 — strings 2–4, frets 0–7");
  EXPECT_EQ(AllQuestions(QuestionKind::kFindChordTone, chord)[1].prompt,
            "Click the 3 of C7 — strings 2–4, frets 0–7");
  EXPECT_EQ(AllQuestions(QuestionKind::kFindDegree, chord)[3].prompt,
            "Where is the ♭7? — strings 2–4, frets 0–7");
  EXPECT_EQ(AllQuestions(QuestionKind::kEarToNeck, chord)[0].prompt,
            "Find the note you hear — strings 2–4, frets 0–7");
  EXPECT_EQ(AllQuestions(QuestionKind::kNameNote, chord)[0].prompt, "Name this note")
      << "a marked position needs no range";
}

TEST(DrillGenerator, NamesAreSpelledInTheKey) {
  // F major has B♭, not A♯; C♯ minor's leading note would be B♯.
  const DrillSetup f = MakeSetup("Standard", 0, 12, Major(), 5);
  const auto notes = AllQuestions(QuestionKind::kFindNote, f);
  ASSERT_EQ(notes.size(), 7u);
  EXPECT_EQ(notes[3].asked, "B♭");
  const DrillSetup flats = MakeSetup("Standard", 0, 3, Chromatic(), 0, Accidentals::kFlats);
  EXPECT_EQ(AllQuestions(QuestionKind::kFindNote, flats)[1].asked, "D♭");
  // The ear drill names a pitch with the octave of its letter: C♭4 sounds as B3.
  NeckArea area;
  area.frets = {0, 12};
  const DrillSetup gFlat(Preset("Standard"), area,
                         KeySpelling(SpelledNote{4, -1}, Major(), Accidentals::kFlats), "G♭");
  bool seen = false;
  for (const Question& q : AllQuestions(QuestionKind::kEarToNeck, gFlat)) {
    if (q.pitch == 59) {
      EXPECT_EQ(q.asked, "C♭4");
      seen = true;
    }
  }
  EXPECT_TRUE(seen);
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
