// Opening something that is not a regular file: refused at once with a
// message that says what it is, never waited on, and the sequence in memory
// left as it was.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <future>
#include <thread>

#include "sequence/sequence_file.h"
#include "sequence/sequence_fixture.h"

namespace fretlab {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::ScratchFolder;
using testing::SequenceSnapshot;

class SpecialFiles : public testing::SequenceTest {
 protected:
  // Opens `file` on a thread of its own, so that an open that waits fails
  // the test instead of hanging it: `release` then lets it go (by default a
  // writer that comes and goes, which ends an open waiting for one).
  FileOutcome OpenWithoutHanging(const fs::path& file, bool& waited,
                                 const std::function<void()>& release = {}) {
    std::packaged_task<FileOutcome()> task([&] { return LoadSequenceFile(file, chordCount_); });
    std::future<FileOutcome> result = task.get_future();
    std::thread opener(std::move(task));
    waited = result.wait_for(5s) != std::future_status::ready;
    if (waited && release) {
      release();
    } else if (waited) {
      const int writer = ::open(file.c_str(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) ::close(writer);
    }
    opener.join();
    return result.get();
  }
  std::string Message(const fs::path& file, const std::string& reason) const {
    return "Cannot open \"" + file.string() + "\": " + reason + ".";
  }

  ScratchFolder folder_;
};

TEST_F(SpecialFiles, ANamedPipeIsRefusedWithoutWaitingForAWriter) {
  FillTenChords();
  const SequenceSnapshot before = SequenceSnapshot::Take(chordCount_);
  const fs::path pipe = folder_.Path() / "pipe.fbs";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  bool waited = false;
  const FileOutcome opened = OpenWithoutHanging(pipe, waited);
  EXPECT_FALSE(waited) << "opening waited for a writer to the pipe";
  EXPECT_FALSE(opened);
  EXPECT_EQ(opened.message, Message(pipe, "Is a named pipe (FIFO), not a file"));
  EXPECT_EQ(SequenceSnapshot::Take(chordCount_), before);
}

TEST_F(SpecialFiles, ANamedPipeIsNotReadEvenWithASequenceWaitingInIt) {
  const fs::path pipe = folder_.Path() / "pipe.fbs";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  // Opened for reading and writing, a pipe does not wait for a partner.
  const int holder = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(holder, 0);
  const std::uint8_t emptySequence[] = {0x0F, 0x27, 0x00, 0x00};
  ASSERT_EQ(::write(holder, emptySequence, sizeof emptySequence), 4);
  chordCount_ = 3;
  bool waited = false;
  // A read that waits for more ends once the last writer is gone.
  const FileOutcome opened = OpenWithoutHanging(pipe, waited, [&] { ::close(holder); });
  ASSERT_FALSE(waited) << "opening read the pipe and waited for more";
  EXPECT_FALSE(opened);
  EXPECT_EQ(opened.message, Message(pipe, "Is a named pipe (FIFO), not a file"));
  EXPECT_EQ(chordCount_, 3);
  std::uint8_t left[8] = {};
  EXPECT_EQ(::read(holder, left, sizeof left), 4) << "the bytes stay in the pipe";
  ::close(holder);
}

TEST_F(SpecialFiles, ASocketIsRefusedAndNamedForWhatItIs) {
  const fs::path socketPath = folder_.Path() / "socket.fbs";
  const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(server, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socketPath.string().size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, socketPath.c_str());
  ASSERT_EQ(::bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(server, 1), 0);
  chordCount_ = 2;
  bool waited = false;
  const FileOutcome opened = OpenWithoutHanging(socketPath, waited);
  ::close(server);
  EXPECT_FALSE(waited);
  EXPECT_EQ(opened.message, Message(socketPath, "Is a socket, not a file"));
  EXPECT_EQ(chordCount_, 2);
}

TEST_F(SpecialFiles, ADeviceBehindALinkIsRefused) {
  const fs::path link = folder_.Path() / "null.fbs";
  fs::create_symlink("/dev/zero", link);
  FillTenChords();
  const SequenceSnapshot before = SequenceSnapshot::Take(chordCount_);
  bool waited = false;
  const FileOutcome opened = OpenWithoutHanging(link, waited);
  EXPECT_FALSE(waited);
  EXPECT_EQ(opened.message, Message(link, "Is a device, not a file"));
  EXPECT_EQ(SequenceSnapshot::Take(chordCount_), before);
}

// The export reads files apart from the sequence in memory; it refuses the
// same way.
TEST_F(SpecialFiles, ReadingIntoAnImageRefusesThemToo) {
  const fs::path pipe = folder_.Path() / "pipe.fbs";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const int holder = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK);  // a read would not end
  ASSERT_GE(holder, 0);
  SequenceImage image;
  std::future<FileOutcome> result =
      std::async(std::launch::async, [&] { return ReadSequenceFile(pipe, image); });
  const bool finished = result.wait_for(5s) == std::future_status::ready;
  ::close(holder);  // lets a waiting read end
  EXPECT_TRUE(finished) << "reading waited on the pipe";
  const FileOutcome read = result.get();
  EXPECT_EQ(read.message, Message(pipe, "Is a named pipe (FIFO), not a file"));

  const FileOutcome folder = ReadSequenceFile(folder_.Path(), image);
  EXPECT_EQ(folder.message, Message(folder_.Path(), "Is a directory"));
}

}  // namespace
}  // namespace fretlab
