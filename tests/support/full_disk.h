#pragma once
// A disk that fills up under the file writer (sequence/replacement_file.h):
// while a FullDisk lives, replacements may write `room` more bytes; the
// write that crosses that line is cut short, as the system cuts a write on
// a disk that has just filled, and every later one fails with ENOSPC. With
// SyncFails, the flush to disk fails with ENOSPC instead, after every write
// went through (as a disk that accepted data into its cache may).
//
//   FullDisk disk(1000);                   // 1000 bytes more fit
//   EXPECT_FALSE(WriteOutputFile(...));
//   EXPECT_GT(disk.Attempted(), 1000u);     // the writer did try to write more

#include <sys/types.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <unistd.h>

#include "sequence/replacement_file.h"

namespace fretlab::testing {

class FullDisk {
 public:
  enum Failing { kWrites, kSync };

  explicit FullDisk(std::size_t room, Failing failing = kWrites) {
    State().room = room;
    State().attempted = 0;
    State().syncFails = failing == kSync;
    before_ = ReplaceDiskCalls({&Write, &Sync});
  }
  ~FullDisk() { ReplaceDiskCalls(before_); }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

  // Bytes the writer asked to write, whether or not they fitted.
  std::size_t Attempted() const { return State().attempted; }

 private:
  struct Shared {
    std::atomic<std::size_t> room{0};
    std::atomic<std::size_t> attempted{0};
    std::atomic<bool> syncFails{false};
  };
  static Shared& State() {
    static Shared shared;
    return shared;
  }
  static ssize_t Write(int fd, const void* bytes, std::size_t count) {
    State().attempted += count;
    const std::size_t room = State().room;
    if (State().syncFails || count <= room) {
      if (!State().syncFails) State().room -= count;
      return ::write(fd, bytes, count);
    }
    if (room == 0) {
      errno = ENOSPC;
      return -1;
    }
    State().room = 0;
    return ::write(fd, bytes, room);
  }
  static int Sync(int fd) {
    if (!State().syncFails) return ::fsync(fd);
    errno = ENOSPC;
    return -1;
  }

  DiskCalls before_{};
};

}  // namespace fretlab::testing
