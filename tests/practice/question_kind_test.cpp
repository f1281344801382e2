// What each kind of question asks: one predicate per thing the drills and
// the answer checks need to know, written out for every kind.

#include <gtest/gtest.h>

#include <string>

#include "practice/drill.h"

namespace fretlab::practice {
namespace {

struct Written {
  QuestionKind kind;
  bool asksForName, isFind, isEar, asksForDegree;
};

constexpr Written kWritten[kQuestionKindCount] = {
    {QuestionKind::kFindNote, false, true, false, false},
    {QuestionKind::kNameNote, true, false, false, false},
    {QuestionKind::kFindDegree, false, true, false, true},
    {QuestionKind::kNameDegree, true, false, false, true},
    {QuestionKind::kEarToNeck, false, true, true, false},
    {QuestionKind::kFindChordTone, false, true, false, true},
    {QuestionKind::kFindChordTones, false, true, false, false},
    {QuestionKind::kFindPositionNotes, false, true, false, false},
    {QuestionKind::kPlayVoicing, false, true, false, false},
    {QuestionKind::kEarInterval, false, true, false, false},
    {QuestionKind::kEarChordQuality, false, true, false, false},
    {QuestionKind::kEarScale, false, true, false, false},
};

TEST(QuestionKind, EveryKindsPredicates) {
  for (const Written& w : kWritten) {
    const std::string key(DrillKey(w.kind));
    EXPECT_EQ(AsksForName(w.kind), w.asksForName) << key;
    EXPECT_EQ(IsFindQuestion(w.kind), w.isFind) << key;
    EXPECT_EQ(IsEarQuestion(w.kind), w.isEar) << key;
    EXPECT_EQ(AsksForDegree(w.kind), w.asksForDegree) << key;
    EXPECT_EQ(AsksForVoicing(w.kind), w.kind == QuestionKind::kPlayVoicing) << key;
    EXPECT_EQ(IsEarTraining(w.kind), key.starts_with("ear-")) << key;
    // The drills whose weak spots are positions are the ones that mark one.
    EXPECT_EQ(IsPositionItemDrill(key), w.asksForName) << key;
  }
  EXPECT_FALSE(IsPositionItemDrill("no-such-drill"));
}

}  // namespace
}  // namespace fretlab::practice
