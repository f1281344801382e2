// The question as the round panel shows it: in English word for word what
// the drill core asks, for every kind of question and range of strings; in
// German the same question in German words, the note and range kept.

#include <gtest/gtest.h>

#include "practice/practice_setup.h"
#include "ui/practice/drill_texts.h"
#include "ui/practice/translations.h"

namespace fretlab::practice::testing {
namespace {

std::vector<DrillSetup> Setups() {
  DrillSetup all = MakeSetup("Standard", 0, 7);
  DrillSetup three = all;
  three.area.strings = Strings({1, 2, 3});
  DrillSetup split = all;
  split.area.strings = Strings({2, 4, 5});
  split.area.capo = 2;
  DrillSetup one = all;
  one.area.strings = Strings({4});
  DrillSetup chord = MakeSetup("Standard", 0, 7, Dominant7(), 0);
  chord.area.strings = Strings({2, 3, 4});
  return {all, three, split, one, chord};
}

TEST(DrillPromptTest, InEnglishIsWhatTheDrillAsksForEveryKindAndRange) {
  int compared = 0;
  for (const DrillSetup& setup : Setups()) {
    for (int k = 0; k < kQuestionKindCount; ++k) {
      for (const Question& q : AllQuestions(static_cast<QuestionKind>(k), setup)) {
        EXPECT_EQ(PromptText(q, setup).toStdString(), q.prompt);
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 100);
}

TEST(DrillPromptTest, InGermanKeepsTheNoteAndTheRange) {
  const Translations german(QLocale(QLocale::German, QLocale::Germany),
                            Translations::Scope::kPracticeWindow);
  ASSERT_TRUE(german.fretlabLoaded());
  DrillSetup split = Setups()[2];
  EXPECT_EQ(PromptText(AllQuestions(QuestionKind::kFindNote, split)[0], split),
            QStringLiteral("Finden Sie jedes C — Saiten 2 und 4–5, Bünde 2–7"));
  DrillSetup chord = Setups()[4];
  EXPECT_EQ(PromptText(AllQuestions(QuestionKind::kFindChordTone, chord)[1], chord),
            QStringLiteral("Klicken Sie die 3 von C7 an — Saiten 2–4, Bünde 0–7"));
  DrillSetup one = Setups()[3];
  EXPECT_EQ(PromptText(AllQuestions(QuestionKind::kEarToNeck, one)[0], one),
            QStringLiteral("Finden Sie den Ton, den Sie hören — Saite 4, Bünde 0–7"));
}

}  // namespace
}  // namespace fretlab::practice::testing
