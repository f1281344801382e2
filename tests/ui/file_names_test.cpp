// File names through the window: names whose bytes are not UTF-8, from the
// command line and back from the file dialogs, and saving onto links.

#include <filesystem>

#include "file_commands_fixture.h"
#include "ui/file_names.h"

namespace fretlab::testing {
namespace {

namespace fs = std::filesystem;

// "bad", two bytes that are not UTF-8, and the rest.
std::string BadBytes(const std::string& rest) { return std::string("bad\xff\xfe") + rest; }

class FileNames : public SequenceFiles {
 protected:
  fs::path FolderBytes() const { return QFile::encodeName(folder.path()).toStdString(); }
  fs::path Native(const std::string& name) const { return FolderBytes() / name; }
  // The name as the file dialogs show it and give it back.
  static QString AsShown(const fs::path& file) { return QFile::decodeName(QByteArray::fromStdString(file.string())); }
  static void WriteBytes(const fs::path& file, const Bytes& bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  static Bytes ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
};

TEST_F(FileNames, AFileNamedAtStartByBytesThatAreNotUtf8Opens) {
  const fs::path file = Native(BadBytes(".fbs"));
  WriteBytes(file, kEMajorFile);
  dlg->OpenAtStart(file);
  QTRY_COMPARE(dlg->ChordCount(), 1);
  EXPECT_TRUE(prompts.fileProblems.empty()) << prompts.fileProblems.front().toStdString();
}

TEST_F(FileNames, AMessageAboutSuchAFileShowsItsNameAsWellAsItCan) {
  const fs::path file = Native(BadBytes(".fbs"));
  WriteBytes(file, Bytes{1, 2, 3});
  dlg->OpenAtStart(file);
  QTRY_COMPARE(prompts.fileProblems.size(), std::size_t{1});
  const QString message = prompts.fileProblems[0];
  EXPECT_TRUE(message.contains(QStringLiteral("bad")) && message.contains(QChar::ReplacementCharacter))
      << message.toStdString();
  EXPECT_FALSE(message.contains(QStringLiteral("No such file"))) << message.toStdString();
}

TEST_F(FileNames, SavingIntoAndOpeningFromSuchAFolderThroughTheDialogs) {
  const fs::path badFolder = Native(BadBytes(""));
  fs::create_directory(badFolder);
  AddEMajor();
  // The dialog shows the folder's name with replacement characters and
  // gives that text back.
  prompts.saveAnswer = AsShown(badFolder / "song");
  ASSERT_TRUE(prompts.saveAnswer.contains(QChar::ReplacementCharacter));
  Choose(ID_SAVE_AS);
  ASSERT_TRUE(prompts.fileProblems.empty()) << prompts.fileProblems.front().toStdString();
  EXPECT_EQ(ReadBytes(badFolder / "song.fbs"), kEMajorFile);

  fs::rename(badFolder / "song.fbs", badFolder / BadBytes(".fbs"));
  Choose(ID_FILE_NEW);
  ASSERT_EQ(dlg->ChordCount(), 0);
  prompts.openAnswer = AsShown(badFolder / BadBytes(".fbs"));
  Choose(ID_FILE_OPEN);
  EXPECT_TRUE(prompts.fileProblems.empty()) << prompts.fileProblems.front().toStdString();
  EXPECT_EQ(dlg->ChordCount(), 1);
}

TEST_F(FileNames, TheDialogNameIsMatchedOnlyWhenOneEntryFits) {
  const fs::path folderPath = FolderBytes();
  fs::create_directory(folderPath / BadBytes(""));
  EXPECT_EQ(NativeFileName(AsShown(folderPath / BadBytes("") / "new.fbs")),
            folderPath / BadBytes("") / "new.fbs");
  // Two names that show alike: the dialog's text cannot tell them apart.
  fs::create_directory(folderPath / "bad\xfe\xff");
  const QString shown = AsShown(folderPath / BadBytes(""));
  ASSERT_EQ(shown, AsShown(folderPath / "bad\xfe\xff"));
  EXPECT_EQ(NativeFileName(shown), fs::path(QFile::encodeName(shown).toStdString()));
  // Plain names are their own bytes, found or not.
  EXPECT_EQ(NativeFileName(QStringLiteral("/no/such/song.fbs")), fs::path("/no/such/song.fbs"));
}

TEST_F(FileNames, TheDialogStartsInTheNearestFolderItCanName) {
  const fs::path folderPath = FolderBytes();
  EXPECT_EQ(DialogFolder(folderPath / BadBytes("") / "inner"), folder.path());
  EXPECT_EQ(DialogFolder(folderPath), folder.path());
  EXPECT_EQ(DialogFolder(fs::path()), QString());
}

TEST_F(FileNames, SavingOntoALinkAsksAboutTheRealFileAndKeepsTheLink) {
  WriteAll(Path("real.fbs"), Bytes{1, 2, 3});
  fs::create_symlink("real.fbs", Native("link.fbs"));
  AddEMajor();
  prompts.saveAnswer = Path("link.fbs");
  Choose(ID_SAVE_AS);
  ASSERT_EQ(prompts.replaceQuestions.size(), 1u);
  EXPECT_EQ(prompts.replaceQuestions[0], Path("real.fbs"));
  EXPECT_TRUE(fs::is_symlink(Native("link.fbs")));
  EXPECT_EQ(ReadAll(Path("real.fbs")), kEMajorFile);
}

TEST_F(FileNames, ADanglingLinkIsAskedAboutAsAnExistingFile) {
  fs::create_symlink("gone.fbs", Native("link.fbs"));
  AddEMajor();
  prompts.saveAnswer = Path("link.fbs");
  prompts.replaceAnswer = false;
  Choose(ID_SAVE_AS);
  ASSERT_EQ(prompts.replaceQuestions.size(), 1u);
  EXPECT_EQ(prompts.replaceQuestions[0], Path("gone.fbs"));
  EXPECT_FALSE(fs::exists(Native("gone.fbs"))) << "a refused replace writes nothing";

  prompts.replaceAnswer = true;
  Choose(ID_SAVE_AS);
  EXPECT_EQ(ReadAll(Path("gone.fbs")), kEMajorFile);
  EXPECT_TRUE(fs::is_symlink(Native("link.fbs")));
}

}  // namespace
}  // namespace fretlab::testing
