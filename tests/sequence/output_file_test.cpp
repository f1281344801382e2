// Files written for the user (exports, pictures, CSV): refused before
// anything is written when the name is an input, not a regular file or
// read-only; written through links to regular files; never reported done
// over a cut file, and the old file kept whole when anything fails.

#include "sequence/output_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "sequence/sequence_fixture.h"
#include "support/full_disk.h"
#include "support/other_user.h"

namespace fretlab {
namespace {

namespace fs = std::filesystem;
using testing::AsOrdinaryUser;
using testing::FullDisk;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

const Bytes kOld = {'o', 'l', 'd'};
const Bytes kNew(5000, 'n');

class OutputFileTest : public ::testing::Test {
 protected:
  fs::path In(const std::string& name) const { return folder_.Path() / name; }
  FileOutcome Write(const fs::path& out, std::initializer_list<fs::path> inputs = {}) {
    const std::vector<fs::path> read(inputs);
    return WriteOutputFile(out, kNew, "Cannot export", read);
  }
  std::string Message(const fs::path& out, const std::string& reason) const {
    return "Cannot export \"" + out.string() + "\": " + reason + ".";
  }

  ScratchFolder folder_;
};

TEST_F(OutputFileTest, WritesANewFileAndReplacesAnOldOneWhole) {
  const FileOutcome fresh = Write(In("a.txt"));
  ASSERT_TRUE(fresh) << fresh.message;
  EXPECT_EQ(ReadBytes(In("a.txt")), kNew);
  WriteBytes(In("b.txt"), kOld);
  ASSERT_TRUE(Write(In("b.txt")));
  EXPECT_EQ(ReadBytes(In("b.txt")), kNew);
  EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"a.txt", "b.txt"}));
}

TEST_F(OutputFileTest, ALinkToARegularFileIsWrittenThroughAndADanglingOneCreatesItsFile) {
  WriteBytes(In("real.txt"), kOld);
  fs::create_symlink("real.txt", In("link.txt"));
  ASSERT_TRUE(Write(In("link.txt")));
  EXPECT_TRUE(fs::is_symlink(In("link.txt")));
  EXPECT_EQ(ReadBytes(In("real.txt")), kNew);

  fs::create_symlink("later.txt", In("dangling.txt"));
  ASSERT_TRUE(Write(In("dangling.txt")));
  EXPECT_TRUE(fs::is_symlink(In("dangling.txt")));
  EXPECT_EQ(ReadBytes(In("later.txt")), kNew);
}

TEST_F(OutputFileTest, TheInputItselfIsRefusedByAnyOfItsNames) {
  WriteBytes(In("song.fbs"), kOld);
  fs::create_symlink("song.fbs", In("link.mid"));
  fs::create_hard_link(In("song.fbs"), In("hard.mid"));
  const fs::path dotted = folder_.Path() / "." / "song.fbs";
  for (const fs::path& out : {In("song.fbs"), In("link.mid"), In("hard.mid"), dotted}) {
    const FileOutcome written = Write(out, {In("song.fbs")});
    EXPECT_FALSE(written) << out;
    EXPECT_EQ(written.message,
              Message(out, "That is the input file \"" + In("song.fbs").string() +
                               "\"; choose another name"));
    EXPECT_EQ(ReadBytes(In("song.fbs")), kOld);
  }
  EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"hard.mid", "link.mid", "song.fbs"}));
  // Another file is no input, even with the same bytes.
  WriteBytes(In("copy.mid"), kOld);
  EXPECT_TRUE(Write(In("copy.mid"), {In("song.fbs")}));
}

TEST_F(OutputFileTest, SpecialFilesAreRefusedAndLeftAsTheyAre) {
  ASSERT_EQ(::mkfifo(In("pipe.mid").c_str(), 0600), 0);
  fs::create_symlink("pipe.mid", In("to-pipe.mid"));
  // A device of the test's own under the superuser, who could replace
  // /dev/null itself; others cannot, so for them /dev/null does.
  const fs::path device = ::geteuid() == 0 ? folder_.Path() / "device" : fs::path("/dev/null");
  if (::geteuid() == 0) {
    ASSERT_EQ(::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0);
  }
  fs::create_symlink(device, In("null.mid"));
  fs::create_directory(In("folder.mid"));
  const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(server, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strcpy(address.sun_path, In("socket.mid").c_str());
  ASSERT_EQ(::bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

  const std::pair<fs::path, std::string> cases[] = {
      {In("pipe.mid"), "Is a named pipe (FIFO), not a file; choose another name"},
      {In("to-pipe.mid"), "Is a named pipe (FIFO), not a file; choose another name"},
      {In("null.mid"), "Is a device, not a file; choose another name"},
      {In("socket.mid"), "Is a socket, not a file; choose another name"},
      {In("folder.mid"), "Is a directory; choose another name"},
  };
  for (const auto& [out, reason] : cases) {
    const FileOutcome written = Write(out);
    EXPECT_FALSE(written) << out;
    EXPECT_EQ(written.message, Message(out, reason));
  }
  ::close(server);
  EXPECT_TRUE(fs::is_character_file(device)) << "the device was replaced";
  EXPECT_TRUE(fs::is_fifo(In("pipe.mid")));
  EXPECT_TRUE(fs::is_empty(In("folder.mid")));
  std::vector<std::string> entries = folder_.Entries();
  std::erase(entries, "device");
  EXPECT_EQ(entries, (std::vector<std::string>{"folder.mid", "null.mid", "pipe.mid", "socket.mid",
                                               "to-pipe.mid"}));
}

TEST_F(OutputFileTest, AReadOnlyFileIsRefusedForAnOrdinaryUser) {
  WriteBytes(In("kept.mid"), kOld);
  ::chmod(In("kept.mid").c_str(), 0444);
  FileOutcome written;
  {
    AsOrdinaryUser user({folder_.Path(), In("kept.mid")});
    written = Write(In("kept.mid"));
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(written.message,
            Message(In("kept.mid"), "The file is read-only; make it writable or choose another name"));
  EXPECT_EQ(ReadBytes(In("kept.mid")), kOld);
  EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"kept.mid"});
}

TEST_F(OutputFileTest, AFullDiskIsReportedAndTheOldFileStaysWhole) {
  WriteBytes(In("song.mid"), kOld);
  for (const FullDisk::Failing failing : {FullDisk::kWrites, FullDisk::kSync}) {
    FileOutcome written;
    {
      FullDisk disk(1000, failing);
      written = Write(In("song.mid"));
      EXPECT_GE(disk.Attempted(), 1000u);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(written.message, Message(In("song.mid"), "No space left on device; free some space "
                                                       "or choose another disk"));
    EXPECT_EQ(ReadBytes(In("song.mid")), kOld);
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"song.mid"});
  }
}

TEST_F(OutputFileTest, WrittenInPiecesEveryPieceIsCheckedAndTheFirstFailureTold) {
  WriteBytes(In("rows.csv"), kOld);
  FileOutcome done;
  {
    FullDisk disk(6000);
    OutputFile file(In("rows.csv"), "Cannot export");
    ASSERT_TRUE(file.Begin());
    EXPECT_TRUE(file.Write(kNew));
    EXPECT_FALSE(file.Write(kNew));  // 1000 of these 5000 fit
    EXPECT_FALSE(file.Write(kNew));
    done = file.Finish();
    // The first piece, the second's 1000 bytes that fitted and the rest of
    // it refused: nothing of the third reached the disk.
    EXPECT_EQ(disk.Attempted(), 5000u + 5000u + 4000u);
  }
  EXPECT_EQ(done.message, Message(In("rows.csv"), "No space left on device; free some space or "
                                                  "choose another disk"));
  EXPECT_EQ(ReadBytes(In("rows.csv")), kOld);
  EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"rows.csv"});
}

TEST_F(OutputFileTest, NamesAreTheSystemsBytesAndShownSafelyInMessages) {
  const fs::path odd = In("caf\xe9.txt");
  ASSERT_TRUE(Write(odd));
  EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"caf\xe9.txt"});
  EXPECT_EQ(ReadBytes(odd), kNew);

  const fs::path missing = folder_.Path() / "no\x1b[2Jfolder" / "x.txt";
  const FileOutcome written = Write(missing);
  EXPECT_EQ(written.message,
            "Cannot export \"" + folder_.Path().string() +
                "/no\\x1B[2Jfolder/x.txt\": No such file or directory; choose a folder that exists.");
}

}  // namespace
}  // namespace fretlab
