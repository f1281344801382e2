// Saving and opening sequences through the window: File > "Save As" and
// File > "Open" with their dialogs answered by the test, the replace
// question, the messages on failure, the question before ending with unsaved
// chords, and a file named on the command line.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "ui/command_ids.h"
#include "ui_test_support.h"

namespace fretlab::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Little-endian 32-bit words, written out by hand rather than by the writer.
void PutWord(Bytes& bytes, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(u >> shift));
}

Bytes ReadAll(const QString& path) {
  std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const QString& path, const Bytes& bytes) {
  std::ofstream out(QFile::encodeName(path).toStdString(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The open E major shape as a quarter note: the file every save of it must
// produce, byte for byte.
const Bytes kEMajorFile = {
    0x28, 0, 0, 0, 0x00, 0, 0, 0, 0x2F, 0, 0, 0, 0x02, 0, 0, 0,  //
    0x34, 0, 0, 0, 0x02, 0, 0, 0, 0x38, 0, 0, 0, 0x01, 0, 0, 0,  //
    0x3B, 0, 0, 0, 0x00, 0, 0, 0, 0x40, 0, 0, 0, 0x00, 0, 0, 0,  //
    0x32, 0, 0, 0, 0x00, 0, 0, 0, 0x0F, 0x27, 0, 0};

class SequenceFiles : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    ASSERT_TRUE(folder.isValid());
  }
  void Pick(StringIndex s, FretIndex f) { ClickClient({g_fretX[f], g_stringY[s]}); }
  // Builds the open E major chord on the neck, low E string first, and adds
  // it as a quarter note.
  void AddEMajor() {
    const FretIndex frets[6] = {0, 2, 2, 1, 0, 0};  // by chord slot
    for (ChordSlot slot = 0; slot < 6; ++slot) Pick(StringOfSlot(slot), frets[slot]);
    Choose(ID_ADD_QUARTER);
  }
  QString Path(const QString& name) const { return folder.filePath(name); }

  QTemporaryDir folder;
};

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
  dlg->OpenAtStart(Path("start.fbs"));
  QTRY_COMPARE(dlg->ChordCount(), 1);
  EXPECT_EQ(g_chordRows[0][6], 50);
  EXPECT_TRUE(prompts.fileProblems.empty());
}

TEST_F(SequenceFiles, ABadFileNamedAtStartIsReported) {
  WriteAll(Path("short.fbs"), Bytes(kEMajorFile.begin(), kEMajorFile.begin() + 30));
  dlg->OpenAtStart(Path("short.fbs"));
  QTRY_COMPARE(prompts.fileProblems.size(), std::size_t{1});
  EXPECT_TRUE(prompts.fileProblems[0].contains(QStringLiteral("short.fbs")));
  EXPECT_EQ(dlg->ChordCount(), 0);
}

// ---- The question before ending

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
  prompts.openAnswer = Path("saved.fbs");
  Choose(ID_FILE_OPEN);
  EXPECT_FALSE(dlg->HasUnsavedChords());
  EXPECT_EQ(dlg->ChordCount(), 1);

  Choose(ID_ADD_WHOLE);
  EXPECT_TRUE(dlg->HasUnsavedChords());
  Choose(ID_FILE_NEW);
  EXPECT_FALSE(dlg->HasUnsavedChords()) << "an empty sequence has nothing to lose";

  Key(Qt::Key_Escape);
  EXPECT_EQ(prompts.unsavedQuestions, 0);
  EXPECT_FALSE(dlg->isVisible());
}

TEST_F(UnsavedChords, AFullSequenceAddsNothingToSave) {
  OpenSilentChords(kMaxChords);
  Choose(ID_ADD_QUARTER);
  EXPECT_EQ(prompts.sequenceFullMessages, 1);
  EXPECT_EQ(dlg->ChordCount(), kMaxChords);
  EXPECT_FALSE(dlg->HasUnsavedChords());
}

}  // namespace
}  // namespace fretlab::testing
