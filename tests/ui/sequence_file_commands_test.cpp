// Saving and opening sequences through the window: File > "Save As" and
// File > "Open" with their dialogs answered by the test, the replace
// question, the messages on failure, and a file named on the command line.

#include "file_commands_fixture.h"

namespace fretlab::testing {
namespace {

TEST_F(SequenceFiles, SaveAsWritesTheChordsByteForByte) {
  AddEMajor();
  ASSERT_EQ(dlg->ChordCount(), 1);
  prompts.saveAnswer = Path("song");
  Choose(ID_SAVE_AS);
  EXPECT_EQ(prompts.saveQuestions, 1);
  EXPECT_EQ(ReadAll(Path("song.fbs")), kEMajorFile);
  EXPECT_TRUE(prompts.fileProblems.empty());
  EXPECT_TRUE(prompts.replaceQuestions.empty()) << "nothing existed to replace";
}

TEST_F(SequenceFiles, SaveAppendsTheExtensionOnlyWhenMissing) {
  AddEMajor();
  prompts.saveAnswer = Path("chosen.fbs");
  Choose(ID_SAVE_AS);
  EXPECT_TRUE(QFileInfo::exists(Path("chosen.fbs")));
  EXPECT_FALSE(QFileInfo::exists(Path("chosen.fbs.fbs")));

  prompts.saveAnswer = Path("notes.txt");
  Choose(ID_SAVE_AS);
  EXPECT_TRUE(QFileInfo::exists(Path("notes.txt.fbs")));
  EXPECT_FALSE(QFileInfo::exists(Path("notes.txt")));
}

TEST_F(SequenceFiles, AnEmptySequenceIsTheEndWordAlone) {
  prompts.saveAnswer = Path("empty");
  Choose(ID_SAVE_AS);
  EXPECT_EQ(ReadAll(Path("empty.fbs")), (Bytes{0x0F, 0x27, 0x00, 0x00}));
}

TEST_F(SequenceFiles, ReplacingAFileAsksFirstForTheFinalName) {
  const Bytes old = {1, 2, 3};
  WriteAll(Path("song.fbs"), old);
  AddEMajor();

  prompts.replaceAnswer = false;
  prompts.saveAnswer = Path("song");  // becomes song.fbs, which exists
  Choose(ID_SAVE_AS);
  ASSERT_EQ(prompts.replaceQuestions.size(), 1u);
  EXPECT_EQ(QFileInfo(prompts.replaceQuestions[0]).fileName(), QStringLiteral("song.fbs"));
  EXPECT_EQ(ReadAll(Path("song.fbs")), old) << "a refused replace writes nothing";
  EXPECT_TRUE(dlg->HasUnsavedChords());

  prompts.replaceAnswer = true;
  Choose(ID_SAVE_AS);
  EXPECT_EQ(prompts.replaceQuestions.size(), 2u);
  EXPECT_EQ(ReadAll(Path("song.fbs")), kEMajorFile);
  EXPECT_FALSE(dlg->HasUnsavedChords());
}

TEST_F(SequenceFiles, AFailedSaveSaysWhyAndNamesTheFile) {
  AddEMajor();
  prompts.saveAnswer = Path("missing-folder/song");
  Choose(ID_SAVE_AS);
  ASSERT_EQ(prompts.fileProblems.size(), 1u);
  EXPECT_TRUE(prompts.fileProblems[0].contains(QStringLiteral("song.fbs"))) << prompts.fileProblems[0].toStdString();
  EXPECT_TRUE(prompts.fileProblems[0].contains(QStringLiteral("No such file or directory")))
      << prompts.fileProblems[0].toStdString();
  EXPECT_TRUE(dlg->HasUnsavedChords()) << "nothing was saved";

  // A folder in the way of the name: replacing is allowed, and fails.
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("taken.fbs")));
  prompts.saveAnswer = Path("taken.fbs");
  Choose(ID_SAVE_AS);
  ASSERT_EQ(prompts.fileProblems.size(), 2u);
  EXPECT_TRUE(prompts.fileProblems[1].contains(QStringLiteral("taken.fbs")));
  EXPECT_TRUE(QFileInfo(Path("taken.fbs")).isDir());
}

TEST_F(SequenceFiles, CancellingEitherDialogChangesNothing) {
  AddEMajor();
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Discard;  // so that Open asks for a file
  prompts.saveAnswer.clear();
  Choose(ID_SAVE_AS);
  prompts.openAnswer.clear();
  Choose(ID_FILE_OPEN);
  EXPECT_EQ(prompts.saveQuestions, 1);
  EXPECT_EQ(prompts.openQuestions, 1);
  EXPECT_EQ(dlg->ChordCount(), 1);
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
  EXPECT_TRUE(prompts.fileProblems.empty());
}

TEST_F(SequenceFiles, OpenReplacesTheSequenceAndNothingElse) {
  // Two chords: E major as a quarter note, then a G with a carried fret of 3.
  Bytes file = kEMajorFile;
  file.resize(file.size() - 4);  // drop the end word
  const int notes[6] = {43, 47, 50, 55, 59, 67};
  const int frets[6] = {3, 2, 0, 0, 0, 3};
  for (int k = 0; k < 6; ++k) {
    PutWord(file, notes[k]);
    PutWord(file, frets[k]);
  }
  PutWord(file, 200);
  PutWord(file, 3);
  PutWord(file, 9999);
  WriteAll(Path("two.fbs"), file);

  Pick(2, 5);  // a chord under construction: 60 on the G string
  Choose(ID_TEMPO_SLOW);  // a note length of 20
  const auto eventsBefore = output.calls.size();
  const auto markersBefore = View()->Markers().size();

  prompts.openAnswer = Path("two.fbs");
  Choose(ID_FILE_OPEN);
  EXPECT_TRUE(prompts.fileProblems.empty());
  EXPECT_EQ(dlg->ChordCount(), 2);
  EXPECT_EQ(std::vector<int>(std::begin(g_chordRows[1]), std::end(g_chordRows[1])),
            (std::vector<int>{43, 47, 50, 55, 59, 67, 200}));
  EXPECT_EQ(std::vector<int>(std::begin(g_fretRows[1]), std::end(g_fretRows[1])),
            (std::vector<int>{3, 2, 0, 0, 0, 3}));
  EXPECT_EQ(g_fretRows[2][0], 3) << "the carried cell";
  // Opening neither sounds nor draws, and keeps the chord and the length.
  EXPECT_EQ(output.calls.size(), eventsBefore);
  EXPECT_EQ(View()->Markers().size(), markersBefore);
  EXPECT_EQ(g_currentChord, (std::array<int, 6>{0, 0, 0, 60, 0, 0}));
  EXPECT_EQ(dlg->NoteLength(), 20);
  EXPECT_FALSE(dlg->HasUnsavedChords());

  // Play All then plays the opened chords with their own lengths.
  Choose(ID_PLAY_ALL);
  const auto sounds = output.Sounds();
  ASSERT_GE(sounds.size(), 2u);
  EXPECT_EQ(sounds[sounds.size() - 2].notes, (std::vector<int>{40, 47, 52, 56, 59, 64}));
  EXPECT_EQ(sounds[sounds.size() - 2].closedAt - sounds[sounds.size() - 2].openedAt, 500);
  EXPECT_EQ(sounds.back().notes, (std::vector<int>{43, 47, 50, 55, 59, 67}));
  EXPECT_EQ(sounds.back().closedAt - sounds.back().openedAt, 2000);
}

TEST_F(SequenceFiles, ARejectedFileSaysWhatIsWrongAndKeepsTheSequence) {
  AddEMajor();
  prompts.unsavedAnswer = Prompts::UnsavedChoice::Discard;
  Bytes bad = kEMajorFile;
  bad[0] = 200;  // the low E string's note
  WriteAll(Path("bad.fbs"), bad);
  prompts.openAnswer = Path("bad.fbs");
  Choose(ID_FILE_OPEN);
  ASSERT_EQ(prompts.fileProblems.size(), 1u);
  EXPECT_TRUE(prompts.fileProblems[0].contains(QStringLiteral("bad.fbs")));
  EXPECT_TRUE(prompts.fileProblems[0].contains(QStringLiteral("200")));
  EXPECT_EQ(dlg->ChordCount(), 1);
  EXPECT_EQ(g_chordRows[0][0], 40);
  EXPECT_TRUE(dlg->HasUnsavedChords()) << "the unsaved chord is still unsaved";

  prompts.openAnswer = Path("gone.fbs");
  Choose(ID_FILE_OPEN);
  ASSERT_EQ(prompts.fileProblems.size(), 2u);
  EXPECT_TRUE(prompts.fileProblems[1].contains(QStringLiteral("gone.fbs")));
  EXPECT_EQ(dlg->ChordCount(), 1);
}

TEST_F(SequenceFiles, AFileNamedAtStartIsOpenedOnceTheWindowIsUp) {
  WriteAll(Path("start.fbs"), kEMajorFile);
  dlg->OpenAtStart(NativePath("start.fbs"));
  QTRY_COMPARE(dlg->ChordCount(), 1);
  EXPECT_EQ(g_chordRows[0][6], 50);
  EXPECT_TRUE(prompts.fileProblems.empty());
}

TEST_F(SequenceFiles, ABadFileNamedAtStartIsReported) {
  WriteAll(Path("short.fbs"), Bytes(kEMajorFile.begin(), kEMajorFile.begin() + 30));
  dlg->OpenAtStart(NativePath("short.fbs"));
  QTRY_COMPARE(prompts.fileProblems.size(), std::size_t{1});
  EXPECT_TRUE(prompts.fileProblems[0].contains(QStringLiteral("short.fbs")));
  EXPECT_EQ(dlg->ChordCount(), 0);
}

}  // namespace
}  // namespace fretlab::testing
