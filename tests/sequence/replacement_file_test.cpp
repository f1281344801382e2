// Saving whole files: any legal name, through symbolic links, and no
// temporary files left over by writers that were killed, while nothing that
// is not provably such a left-over is ever removed.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "sequence/replacement_file.h"
#include "sequence/sequence_file.h"
#include "sequence/sequence_fixture.h"

namespace fretlab {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

using Bytes = std::vector<std::uint8_t>;

const Bytes kOld = {1, 2, 3};
const Bytes kNew = {0x0F, 0x27, 0x00, 0x00};

class ReplacementTest : public testing::SequenceTest {
 protected:
  fs::path In(const std::string& name) const { return folder_.Path() / name; }
  FileOutcome Save(const fs::path& file) { return WriteFileAtomically(file, kNew, "Cannot save"); }
  // The names of the folder's temporary files.
  static std::vector<std::string> Temporaries(const ScratchFolder& folder) {
    std::vector<std::string> names;
    for (const std::string& name : folder.Entries()) {
      if (name.rfind(".fbs-", 0) == 0) names.push_back(name);
    }
    return names;
  }

  ScratchFolder folder_;
};

TEST_F(ReplacementTest, TheLongestLegalNameSaves) {
  const std::string name = std::string(251, 'n') + ".fbs";  // 255 bytes
  ASSERT_EQ(name.size(), 255u);
  const FileOutcome saved = Save(In(name));
  ASSERT_TRUE(saved) << saved.message;
  EXPECT_EQ(ReadBytes(In(name)), kNew);
  EXPECT_EQ(folder_.Entries(), std::vector<std::string>{name});
  // A second save replaces it the same way.
  WriteBytes(In(name), kOld);
  ASSERT_TRUE(Save(In(name)));
  EXPECT_EQ(ReadBytes(In(name)), kNew);
}

TEST_F(ReplacementTest, SavingOntoALinkReplacesTheFileItPointsToAndKeepsTheLink) {
  WriteBytes(In("real.fbs"), kOld);
  fs::permissions(In("real.fbs"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("real.fbs", In("link.fbs"));
  const FileOutcome saved = Save(In("link.fbs"));
  ASSERT_TRUE(saved) << saved.message;
  EXPECT_TRUE(fs::is_symlink(In("link.fbs")));
  EXPECT_EQ(fs::read_symlink(In("link.fbs")), fs::path("real.fbs"));
  EXPECT_EQ(ReadBytes(In("real.fbs")), kNew);
  EXPECT_EQ(fs::status(In("real.fbs")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"link.fbs", "real.fbs"}));
}

TEST_F(ReplacementTest, AChainOfLinksIntoAnotherFolderIsFollowedToItsEnd) {
  ScratchFolder other;
  WriteBytes(other.Path() / "real.fbs", kOld);
  fs::create_symlink(other.Path() / "real.fbs", In("first.fbs"));
  fs::create_symlink("first.fbs", In("second.fbs"));
  int error = -1;
  EXPECT_EQ(FileBehindLinks(In("second.fbs"), error), other.Path() / "real.fbs");
  EXPECT_EQ(error, 0);

  ASSERT_TRUE(Save(In("second.fbs")));
  EXPECT_EQ(ReadBytes(other.Path() / "real.fbs"), kNew);
  EXPECT_TRUE(fs::is_symlink(In("first.fbs")));
  EXPECT_TRUE(fs::is_symlink(In("second.fbs")));
  EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"first.fbs", "second.fbs"}));
  EXPECT_EQ(other.Entries(), std::vector<std::string>{"real.fbs"});
}

TEST_F(ReplacementTest, ADanglingLinkCountsAsTakenAndSavingCreatesItsFile) {
  fs::create_symlink("missing.fbs", In("link.fbs"));
  EXPECT_TRUE(NameIsTaken(In("link.fbs")));
  EXPECT_FALSE(NameIsTaken(In("missing.fbs")));
  int error = -1;
  EXPECT_EQ(FileBehindLinks(In("link.fbs"), error), In("missing.fbs"));
  ASSERT_TRUE(Save(In("link.fbs")));
  EXPECT_EQ(ReadBytes(In("missing.fbs")), kNew);
  EXPECT_TRUE(fs::is_symlink(In("link.fbs")));
}

TEST_F(ReplacementTest, ALoopOfLinksFailsAndSaysSo) {
  fs::create_symlink("b.fbs", In("a.fbs"));
  fs::create_symlink("a.fbs", In("b.fbs"));
  const FileOutcome saved = Save(In("a.fbs"));
  EXPECT_FALSE(saved);
  EXPECT_NE(saved.message.find(std::strerror(ELOOP)), std::string::npos) << saved.message;
  EXPECT_TRUE(fs::is_symlink(In("a.fbs")));
  EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"a.fbs", "b.fbs"}));
}

// A writer that is killed with its temporary file half written, as kill -9
// in the middle of a save does.
pid_t KilledWriter(const fs::path& file) {
  const pid_t child = ::fork();
  if (child == 0) {
    ReplacementFile replacement;
    if (replacement.Begin(file)) replacement.Write(Bytes(100000, 0xAB));
    ::raise(SIGKILL);
    ::_exit(1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

TEST_F(ReplacementTest, ALaterSaveInTheFolderRemovesTheLeftOversOfKilledWriters) {
  WriteBytes(In("song.fbs"), kOld);
  KilledWriter(In("song.fbs"));
  ASSERT_EQ(Temporaries(folder_).size(), 1u) << "the killed writer left its file";
  // Each writer removes what the one before it left: they do not pile up.
  for (int kill = 0; kill < 5; ++kill) KilledWriter(In("song.fbs"));
  ASSERT_EQ(Temporaries(folder_).size(), 1u);
  EXPECT_EQ(ReadBytes(In("song.fbs")), kOld) << "the old file is whole";

  ASSERT_TRUE(Save(In("other.fbs")));
  EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"other.fbs", "song.fbs"}));
  EXPECT_EQ(ReadBytes(In("song.fbs")), kOld);
}

TEST_F(ReplacementTest, TheFileOfAWriterStillAtWorkIsLeftAlone) {
  int ready[2];
  int go[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(go), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    ReplacementFile replacement;
    bool ok = replacement.Begin(In("song.fbs")) && replacement.Write(kNew);
    char byte = 1;
    ok = ::write(ready[1], &byte, 1) == 1 && ok;
    ok = ::read(go[0], &byte, 1) == 1 && ok;
    ok = replacement.Commit() && ok;
    ::_exit(ok ? 0 : 1);
  }
  char byte = 0;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  ASSERT_EQ(Temporaries(folder_).size(), 1u);

  ASSERT_TRUE(Save(In("other.fbs")));
  EXPECT_EQ(Temporaries(folder_).size(), 1u) << "the working writer's file was removed";

  ASSERT_EQ(::write(go[1], &byte, 1), 1);
  int status = -1;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the writer's save failed";
  EXPECT_EQ(ReadBytes(In("song.fbs")), kNew);
  EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"other.fbs", "song.fbs"}));
  for (int fd : {ready[0], ready[1], go[0], go[1]}) ::close(fd);
}

// Gives `name` in the folder the name a temporary file of its inode has.
void NameAfterOwnInode(const fs::path& file) {
  struct stat entry {};
  ASSERT_EQ(::lstat(file.c_str(), &entry), 0);
  fs::rename(file, file.parent_path() / (".fbs-tmp-" + std::to_string(entry.st_ino)));
}

TEST_F(ReplacementTest, NothingThatIsNotProvablyALeftOverIsRemoved) {
  // A name that is not the file's own inode number.
  WriteBytes(In(".fbs-tmp-12345"), kOld);
  WriteBytes(In(".fbs-tmp-x"), kOld);
  // The right name, but the file has a second name: not a writer's alone.
  WriteBytes(In("shared"), kOld);
  fs::create_hard_link(In("shared"), In("second name"));
  NameAfterOwnInode(In("shared"));
  // A folder and a link under such names, and the name a temporary file has
  // for a moment while it is created.
  fs::create_directory(In("folder"));
  NameAfterOwnInode(In("folder"));
  fs::create_symlink("song.fbs", In("link"));
  NameAfterOwnInode(In("link"));
  WriteBytes(In(".fbs-new-abcdef"), kOld);
  ASSERT_EQ(folder_.Entries().size(), 7u);
  const std::vector<std::string> before = folder_.Entries();

  EXPECT_EQ(RemoveLeftOverTemporaries(folder_.Path()), 0);
  ASSERT_TRUE(Save(In("song.fbs")));
  std::vector<std::string> expected = before;
  expected.push_back("song.fbs");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(folder_.Entries(), expected);
}

}  // namespace
}  // namespace fretlab
