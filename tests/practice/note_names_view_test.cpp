// The note-name setting in the Practice core: the neck's labels and a
// drill's marks in the chosen letters, the setting's words for the settings
// file, and what a drill asks and stores kept in English letters.

#include <gtest/gtest.h>

#include <set>

#include "practice/drill_marks.h"
#include "practice/round_setup.h"

namespace fretlab::practice {
namespace {

std::set<std::string> LabelsOf(const std::vector<NeckMark>& marks) {
  std::set<std::string> labels;
  for (const NeckMark& m : marks) labels.insert(m.label);
  return labels;
}

TEST(NoteNamesViewTest, LabelsAndDrillMarksFollowTheSettingWhatIsAskedStaysEnglish) {
  PracticeView view;  // C major, labelled with note names
  view.rootPitchClass = 5;  // F major
  view.noteNames = NamingSystem::kGerman;
  EXPECT_EQ(LabelsOf(BuildMarks(view)), (std::set<std::string>{"F", "G", "A", "B", "C", "D", "E"}));
  view.rootPitchClass = 0;
  EXPECT_TRUE(LabelsOf(BuildMarks(view)).count("H"));

  const DrillSetup setup = SetupOfView(view, 0x3Fu);
  EXPECT_EQ(setup.noteNames, NamingSystem::kGerman);
  bool sawB = false;
  for (const Question& q : AllQuestions(QuestionKind::kFindNote, setup)) {
    if (q.asked != "B") continue;
    sawB = true;
    // A position found so far is labelled with its note: in German.
    const std::vector<NeckMark> marks = QuestionMarks(q, setup, {q.targets.front()});
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(marks.back().label, "H") << "shown in German, asked and stored as B";
  }
  EXPECT_TRUE(sawB);
}

TEST(NoteNamesViewTest, SettingWordsReadBackAndUnknownWordsAreRefused) {
  for (NamingSystem system : {NamingSystem::kEnglish, NamingSystem::kGerman, NamingSystem::kSolfege}) {
    EXPECT_EQ(NamingSystemFromWord(NamingSystemWord(system)), system);
  }
  EXPECT_EQ(NamingSystemWord(NamingSystem::kSolfege), "solfege");
  EXPECT_EQ(NamingSystemFromWord("klingon"), std::nullopt);
  EXPECT_EQ(NamingSystemFromWord(""), std::nullopt);
}

}  // namespace
}  // namespace fretlab::practice
