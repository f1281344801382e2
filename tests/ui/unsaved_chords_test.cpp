// The question before unsaved chords are lost: on every way of ending the
// window, and before File > "Open" or "New" replaces the sequence.

#include "file_commands_fixture.h"

namespace fretlab::testing {
namespace {

class UnsavedChords : public SequenceFiles {};

TEST_F(UnsavedChords, NoQuestionWithoutAddedChords) {
  Pick(2, 5);  // a chord under construction is not part of the sequence
  Key(Qt::Key_Escape);
  EXPECT_EQ(prompts.unsavedQuestions, 0);
  EXPECT_FALSE(dlg->isVisible());
}

TEST_F(UnsavedChords, CancelOnEscapeKeepsTheProgramRunning) {
  AddEMajor();
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Cancel;
  Key(Qt::Key_Escape);
  EXPECT_EQ(prompts.unsavedQuestions, 1);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(dlg->ChordCount(), 1);
}

TEST_F(UnsavedChords, EveryWayOfEndingAsks) {
  AddEMajor();
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Cancel;
  Key(Qt::Key_Escape);
  Key(Qt::Key_Return);
  Choose(ID_APP_EXIT);
  dlg->close();  // the window manager's close
  EXPECT_EQ(prompts.unsavedQuestions, 4);
  EXPECT_TRUE(dlg->isVisible());
}

TEST_F(UnsavedChords, DiscardEndsWithoutWriting) {
  AddEMajor();
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Discard;
  Key(Qt::Key_Return);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(prompts.saveQuestions, 0);
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(UnsavedChords, SaveWritesTheFileThenEnds) {
  AddEMajor();
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Save;
  prompts.saveAnswer = Path("kept");
  Key(Qt::Key_Escape);
  EXPECT_EQ(ReadAll(Path("kept.fbs")), kEMajorFile);
  EXPECT_FALSE(dlg->isVisible());
}

TEST_F(UnsavedChords, ASaveThatDoesNotHappenKeepsTheProgramRunning) {
  AddEMajor();
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Save;
  prompts.saveAnswer.clear();  // the save dialog is cancelled
  Key(Qt::Key_Escape);
  EXPECT_TRUE(dlg->isVisible());

  prompts.saveAnswer = Path("no-such-folder/kept");  // the save fails
  Key(Qt::Key_Escape);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(prompts.fileProblems.size(), 1u);
}

TEST_F(UnsavedChords, SavingOrOpeningOrNewSettlesTheQuestion) {
  AddEMajor();
  prompts.saveAnswer = Path("saved");
  Choose(ID_SAVE_AS);
  EXPECT_FALSE(dlg->HasUnsavedChords());

  Pick(2, 5);
  Choose(ID_ADD_HALF);
  EXPECT_TRUE(dlg->HasUnsavedChords()) << "a chord added after the save";
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Discard;
  prompts.openAnswer = Path("saved.fbs");
  Choose(ID_FILE_OPEN);
  EXPECT_FALSE(dlg->HasUnsavedChords());
  EXPECT_EQ(dlg->ChordCount(), 1);

  Choose(ID_ADD_WHOLE);
  EXPECT_TRUE(dlg->HasUnsavedChords());
  Choose(ID_FILE_NEW);
  EXPECT_FALSE(dlg->HasUnsavedChords()) << "an empty sequence has nothing to lose";

  EXPECT_EQ(prompts.unsavedQuestions, 2) << "asked before Open and before New";
  Key(Qt::Key_Escape);
  EXPECT_EQ(prompts.unsavedQuestions, 2) << "nothing left to lose on the way out";
  EXPECT_FALSE(dlg->isVisible());
}

TEST_F(UnsavedChords, AFullSequenceAddsNothingToSave) {
  OpenSilentChords(kMaxChords);
  Choose(ID_ADD_QUARTER);
  EXPECT_EQ(prompts.sequenceFullMessages, 1);
  EXPECT_EQ(dlg->ChordCount(), kMaxChords);
  EXPECT_FALSE(dlg->HasUnsavedChords());
}

// ---- Before File > "Open" and "New" replace the sequence

class BeforeReplacing : public UnsavedChords {
 protected:
  void SetUp() override {
    UnsavedChords::SetUp();
    WriteAll(Path("other.fbs"), Bytes{0x0F, 0x27, 0x00, 0x00});  // no chords
    prompts.openAnswer = Path("other.fbs");
    AddEMajor();
    Pick(2, 5);  // a chord under construction, with its marker
    markersBefore = View()->Markers();
  }
  // Everything that a cancelled Open or New must leave as it was.
  void ExpectUntouched() {
    EXPECT_EQ(dlg->ChordCount(), 1);
    EXPECT_TRUE(dlg->HasUnsavedChords());
    EXPECT_EQ(g_chordRows[0][0], 40);
    EXPECT_EQ(g_currentChord, (Chord{0, 0, 0, 60, 0, 0}));
    EXPECT_EQ(View()->Markers(), markersBefore);
  }

  std::vector<Marker> markersBefore;
};

TEST_F(BeforeReplacing, CancelOnOpenAsksForNoFileAndKeepsEverything) {
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Cancel;
  Choose(ID_FILE_OPEN);
  EXPECT_EQ(prompts.unsavedQuestions, 1);
  EXPECT_EQ(prompts.openQuestions, 0) << "the question comes before the file dialog";
  ExpectUntouched();
}

TEST_F(BeforeReplacing, DiscardOnOpenOpensTheFile) {
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Discard;
  Choose(ID_FILE_OPEN);
  EXPECT_EQ(prompts.unsavedQuestions, 1);
  EXPECT_EQ(prompts.openQuestions, 1);
  EXPECT_EQ(prompts.saveQuestions, 0);
  EXPECT_EQ(dlg->ChordCount(), 0);
}

TEST_F(BeforeReplacing, SaveOnOpenSavesTheChordsFirst) {
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Save;
  prompts.saveAnswer = Path("kept");
  Choose(ID_FILE_OPEN);
  EXPECT_EQ(ReadAll(Path("kept.fbs")), kEMajorFile);
  EXPECT_EQ(prompts.openQuestions, 1);
  EXPECT_EQ(dlg->ChordCount(), 0);
}

TEST_F(BeforeReplacing, AnOpenWhoseSaveDoesNotHappenDoesNotHappen) {
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Save;
  prompts.saveAnswer.clear();  // the save dialog is cancelled
  Choose(ID_FILE_OPEN);
  prompts.saveAnswer = Path("no-such-folder/kept");  // the save fails
  Choose(ID_FILE_OPEN);
  EXPECT_EQ(prompts.unsavedQuestions, 2);
  EXPECT_EQ(prompts.fileProblems.size(), 1u);
  EXPECT_EQ(prompts.openQuestions, 0);
  ExpectUntouched();
}

TEST_F(BeforeReplacing, CancelOnNewKeepsEverything) {
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Cancel;
  Choose(ID_FILE_NEW);
  EXPECT_EQ(prompts.unsavedQuestions, 1);
  ExpectUntouched();
}

TEST_F(BeforeReplacing, SaveOnNewSavesThenEmpties) {
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Save;
  prompts.saveAnswer = Path("kept");
  Choose(ID_FILE_NEW);
  EXPECT_EQ(ReadAll(Path("kept.fbs")), kEMajorFile);
  EXPECT_EQ(dlg->ChordCount(), 0);
  EXPECT_EQ(g_currentChord, Chord{});
  EXPECT_TRUE(View()->Markers().empty());
}

TEST_F(BeforeReplacing, ANewWhoseSaveFailsDoesNotHappen) {
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Save;
  prompts.saveAnswer = Path("no-such-folder/kept");
  Choose(ID_FILE_NEW);
  EXPECT_EQ(prompts.fileProblems.size(), 1u);
  ExpectUntouched();
}

TEST_F(BeforeReplacing, SavedChordsNeedNoQuestion) {
  prompts.saveAnswer = Path("kept");
  Choose(ID_SAVE_AS);
  Choose(ID_FILE_OPEN);
  EXPECT_EQ(prompts.unsavedQuestions, 0);
  EXPECT_EQ(dlg->ChordCount(), 0);
}

}  // namespace
}  // namespace fretlab::testing
