// Sequence files on disk: the name a save writes to, saving that never
// destroys the old file, and opening that reports what is wrong.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "sequence/sequence_file.h"
#include "sequence/sequence_fixture.h"
#include "support/other_user.h"

namespace fretlab {
namespace {

namespace fs = std::filesystem;
using testing::FileBytes;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;
using testing::SequenceSnapshot;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(SequenceFileNameTest, KeepsANameThatEndsInFbs) {
  EXPECT_EQ(SequenceFileName("song.fbs"), fs::path("song.fbs"));
  EXPECT_EQ(SequenceFileName("/home/a/song.fbs"), fs::path("/home/a/song.fbs"));
}

TEST(SequenceFileNameTest, AppendsFbsToABareName) {
  EXPECT_EQ(SequenceFileName("song"), fs::path("song.fbs"));
  EXPECT_EQ(SequenceFileName("/home/a.fbs/song"), fs::path("/home/a.fbs/song.fbs"));
}

TEST(SequenceFileNameTest, AppendsFbsAfterAnotherExtension) {
  EXPECT_EQ(SequenceFileName("song.txt"), fs::path("song.txt.fbs"));
  EXPECT_EQ(SequenceFileName("song.fbsx"), fs::path("song.fbsx.fbs"));
  EXPECT_EQ(SequenceFileName("songfbs"), fs::path("songfbs.fbs"));
}

class SequenceFileTest : public testing::SequenceTest {
 protected:
  ScratchFolder folder_;
};

TEST_F(SequenceFileTest, SavesTheExactBytesAndOpensThemBack) {
  FillTenChords();
  const fs::path file = folder_.Path() / "song.fbs";
  const std::vector<std::uint8_t> expected = WriteSequence(4);
  const FileOutcome saved = SaveSequenceFile(file, 4);
  ASSERT_TRUE(saved) << saved.message;
  EXPECT_EQ(ReadBytes(file), expected);
  EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"song.fbs"});

  const SequenceSnapshot written = SequenceSnapshot::Take(4);
  SetUp();
  chordCount_ = 8;
  const FileOutcome opened = LoadSequenceFile(file, chordCount_);
  ASSERT_TRUE(opened) << opened.message;
  EXPECT_EQ(chordCount_, 4);
  for (int i = 0; i < 4; ++i) {
    for (int k = 0; k < kChordColumns; ++k) {
      EXPECT_EQ(g_chordRows[i][k], written.chordRows[i * kChordColumns + k]);
    }
    for (int k = 0; k < 6; ++k) EXPECT_EQ(g_fretRows[i][k], written.fretRows[i * 6 + k]);
  }
  EXPECT_EQ(g_fretRows[4][0], written.fretRows[4 * 6]);
}

TEST_F(SequenceFileTest, EmptySequenceIsAFourByteFileThatOpensToNoChords) {
  const fs::path file = folder_.Path() / "empty.fbs";
  ASSERT_TRUE(SaveSequenceFile(file, 0));
  EXPECT_EQ(ReadBytes(file), (std::vector<std::uint8_t>{0x0F, 0x27, 0x00, 0x00}));
  FillTenChords();
  ASSERT_TRUE(LoadSequenceFile(file, chordCount_));
  EXPECT_EQ(chordCount_, 0);
}

TEST_F(SequenceFileTest, SavingReplacesAnExistingFileAndKeepsItsPermissions) {
  const fs::path file = folder_.Path() / "song.fbs";
  WriteBytes(file, std::vector<std::uint8_t>(500, 0xAA));
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  FillTenChords();
  ASSERT_TRUE(SaveSequenceFile(file, 2));
  EXPECT_EQ(ReadBytes(file), WriteSequence(2));
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"song.fbs"});
}

TEST_F(SequenceFileTest, NewFileFollowsTheUmask) {
  const mode_t old = ::umask(022);
  const FileOutcome saved = SaveSequenceFile(folder_.Path() / "new.fbs", 0);
  ::umask(old);
  ASSERT_TRUE(saved) << saved.message;
  EXPECT_EQ(fs::status(folder_.Path() / "new.fbs").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read);
}

TEST_F(SequenceFileTest, SaveIntoAMissingFolderFailsAndSaysWhy) {
  const fs::path file = folder_.Path() / "gone" / "song.fbs";
  const FileOutcome saved = SaveSequenceFile(file, 0);
  EXPECT_FALSE(saved);
  EXPECT_TRUE(Contains(saved.message, file.string())) << saved.message;
  EXPECT_TRUE(Contains(saved.message, "No such file or directory")) << saved.message;
  EXPECT_EQ(folder_.Entries(), std::vector<std::string>{});
}

TEST_F(SequenceFileTest, SaveOverAFolderFailsAndLeavesItAlone) {
  const fs::path target = folder_.Path() / "song.fbs";
  fs::create_directory(target);
  WriteBytes(target / "inside", {1, 2, 3});
  const FileOutcome saved = SaveSequenceFile(target, 3);
  EXPECT_FALSE(saved);
  EXPECT_TRUE(Contains(saved.message, target.string())) << saved.message;
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(ReadBytes(target / "inside"), (std::vector<std::uint8_t>{1, 2, 3}));
  // The temporary file is gone too.
  EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"song.fbs"});
}

TEST_F(SequenceFileTest, SaveIntoAReadOnlyFolderLeavesTheOldFileIntact) {
  const fs::path file = folder_.Path() / "song.fbs";
  const std::vector<std::uint8_t> old = {0x0F, 0x27, 0x00, 0x00};
  WriteBytes(file, old);
  fs::permissions(folder_.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  FillTenChords();
  FileOutcome saved;
  {
    // The superuser writes into read-only folders anyway.
    testing::AsOrdinaryUser user({folder_.Path(), file});
    saved = SaveSequenceFile(file, 10);
  }
  fs::permissions(folder_.Path(), fs::perms::owner_all);
  EXPECT_FALSE(saved);
  EXPECT_TRUE(Contains(saved.message, file.string())) << saved.message;
  EXPECT_TRUE(Contains(saved.message, "Permission denied")) << saved.message;
  EXPECT_EQ(ReadBytes(file), old);
  EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"song.fbs"});
}

// Limits the size of files this process may write, as a full disk would,
// and ignores the signal such a write raises so that write() fails instead.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

TEST_F(SequenceFileTest, SaveCutShortByAFullDiskLeavesTheOldFileIntact) {
  const fs::path file = folder_.Path() / "song.fbs";
  const std::vector<std::uint8_t> old = FileBytes().Word(9999).Raw({1, 2, 3}).Bytes();
  WriteBytes(file, old);
  FillTenChords();
  FileOutcome saved;
  {
    FileSizeLimit limit(100);  // the ten chords need 564 bytes
    saved = SaveSequenceFile(file, 10);
  }
  EXPECT_FALSE(saved);
  EXPECT_TRUE(Contains(saved.message, file.string())) << saved.message;
  EXPECT_TRUE(Contains(saved.message, "File too large")) << saved.message;
  EXPECT_EQ(ReadBytes(file), old);
  EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"song.fbs"});
}

TEST_F(SequenceFileTest, OpeningAMissingFileSaysSoAndChangesNothing) {
  FillTenChords();
  const SequenceSnapshot before = SequenceSnapshot::Take(chordCount_);
  const fs::path file = folder_.Path() / "nothing.fbs";
  const FileOutcome opened = LoadSequenceFile(file, chordCount_);
  EXPECT_FALSE(opened);
  EXPECT_EQ(opened.message, "Cannot open \"" + file.string() + "\": No such file or directory.");
  EXPECT_EQ(SequenceSnapshot::Take(chordCount_), before);
}

TEST_F(SequenceFileTest, OpeningAFolderSaysSoAndChangesNothing) {
  FillTenChords();
  const SequenceSnapshot before = SequenceSnapshot::Take(chordCount_);
  const FileOutcome opened = LoadSequenceFile(folder_.Path(), chordCount_);
  EXPECT_FALSE(opened);
  EXPECT_TRUE(Contains(opened.message, folder_.Path().string())) << opened.message;
  EXPECT_TRUE(Contains(opened.message, "Is a directory")) << opened.message;
  EXPECT_EQ(SequenceSnapshot::Take(chordCount_), before);
}

TEST_F(SequenceFileTest, OpeningABadFileNamesTheFileAndTheProblem) {
  FillTenChords();
  const SequenceSnapshot before = SequenceSnapshot::Take(chordCount_);
  const fs::path file = folder_.Path() / "bad.fbs";
  FileBytes bytes;
  bytes.Record({40, 0, 0, 200, 0, 0}, {0, 0, 0, 0, 0, 0}, 50, 0).End();
  WriteBytes(file, bytes.Bytes());
  const FileOutcome opened = LoadSequenceFile(file, chordCount_);
  EXPECT_FALSE(opened);
  EXPECT_EQ(opened.message, "Cannot open \"" + file.string() +
                                "\": chord 1 has the note 200 on the G string; a note must be 0 "
                                "or 40 to 87.");
  EXPECT_EQ(SequenceSnapshot::Take(chordCount_), before);
}

TEST_F(SequenceFileTest, OpeningAFileWithTrailingBytesLoadsIt) {
  const fs::path file = folder_.Path() / "tail.fbs";
  FileBytes bytes;
  bytes.Record({40, 0, 0, 0, 0, 64}, {0, 0, 0, 0, 0, 0}, 75, 5).End().Raw({'x', 'y', 'z'});
  WriteBytes(file, bytes.Bytes());
  const FileOutcome opened = LoadSequenceFile(file, chordCount_);
  ASSERT_TRUE(opened) << opened.message;
  EXPECT_EQ(chordCount_, 1);
  EXPECT_EQ(g_chordRows[0][kNoteLengthColumn], 75);
  EXPECT_EQ(g_fretRows[1][0], 5);
}

// Reading a file apart from the sequence in memory (the export does this)
// gives the file's chords and leaves the tables and the count alone.
TEST_F(SequenceFileTest, ReadingIntoAnImageLeavesTheSequenceAlone) {
  FillTenChords();
  const SequenceSnapshot before = SequenceSnapshot::Take(chordCount_);
  const fs::path file = folder_.Path() / "two.fbs";
  FileBytes bytes;
  bytes.Record({40, 0, 0, 0, 0, 64}, {0, 0, 0, 0, 0, 0}, 75, 5)
      .Record({0, 45, 52, 0, 0, 0}, {0, 0, 2, 0, 0, 0}, 25, 0)
      .End();
  WriteBytes(file, bytes.Bytes());
  SequenceImage image;
  const FileOutcome read = ReadSequenceFile(file, image);
  ASSERT_TRUE(read) << read.message;
  ASSERT_EQ(image.ChordCount(), 2);
  EXPECT_EQ(image.chordRows[1], (std::array<int, kChordColumns>{0, 45, 52, 0, 0, 0, 25}));
  EXPECT_EQ(image.fretRows[1], (std::array<int, 6>{0, 0, 2, 0, 0, 0}));
  EXPECT_EQ(image.carriedFret, 0);
  EXPECT_EQ(SequenceSnapshot::Take(chordCount_), before);

  const FileOutcome missing = ReadSequenceFile(folder_.Path() / "none.fbs", image);
  EXPECT_FALSE(missing);
  EXPECT_TRUE(Contains(missing.message, "No such file or directory")) << missing.message;
}

TEST_F(SequenceFileTest, OpeningAHugeFileReadsOnlyWhatItNeeds) {
  // A full sequence, its end word, and a megabyte of anything after it.
  FileBytes bytes;
  for (int i = 0; i < kMaxChords; ++i) {
    bytes.Record(testing::NotesOf(i), testing::FretsOf(i), testing::LengthOf(i), 0);
  }
  bytes.End();
  std::vector<std::uint8_t> content = bytes.Bytes();
  content.resize(content.size() + (1 << 20), 0xFF);
  const fs::path file = folder_.Path() / "huge.fbs";
  WriteBytes(file, content);
  const FileOutcome opened = LoadSequenceFile(file, chordCount_);
  ASSERT_TRUE(opened) << opened.message;
  EXPECT_EQ(chordCount_, kMaxChords);
  EXPECT_EQ(g_chordRows[kMaxChords - 1][kNoteLengthColumn], testing::LengthOf(kMaxChords - 1));
}

}  // namespace
}  // namespace fretlab
