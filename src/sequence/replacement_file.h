#pragma once
// A file's new content, written into a temporary file beside it and put in
// its place by one rename, so that the old content stays whole until the new
// one is on disk.
//
// Symbolic links are followed: the file replaced is the one at the end of the
// chain, its temporary file sits in that file's folder, and the links stay.
//
// The temporary file is named ".fbs-tmp-<inode>" after its own inode number
// (decimal), a short name whatever the length of the target's. Its writer
// holds an exclusive flock() on it until the rename. A writer killed midway
// leaves it behind; the next replacement in the same folder removes it, since
// its name, owner and missing lock prove it a left-over of this program
// whose writer is gone.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <span>

namespace fretlab {

// The file that writing to `file` replaces: `file` itself, or the end of the
// chain of symbolic links that starts there, which need not exist (a
// dangling link). Relative link targets count from the link's folder. A
// chain of more than 40 links stops there, with `error` set to ELOOP;
// otherwise `error` is 0.
std::filesystem::path FileBehindLinks(const std::filesystem::path& file, int& error);

// True when anything stands under the name `file`, a dangling link included.
bool NameIsTaken(const std::filesystem::path& file);

// The two calls that put a replacement's bytes on disk. The program uses
// the system's own; tests put in calls that fail as a full disk does.
struct DiskCalls {
  ssize_t (*write)(int fd, const void* bytes, std::size_t count);
  int (*fsync)(int fd);
};
// Puts `calls` in place for every replacement from now on, on any thread;
// returns the calls used before.
DiskCalls ReplaceDiskCalls(const DiskCalls& calls);

class ReplacementFile {
 public:
  ReplacementFile() = default;
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;
  // Removes the temporary file unless Commit() has put it in place.
  ~ReplacementFile();

  // Opens the temporary file beside the file behind `file` (see
  // FileBehindLinks), after removing the folder's left-overs. Each returns
  // false with Error() set to an errno value once anything fails.
  bool Begin(const std::filesystem::path& file);
  bool Write(std::span<const std::uint8_t> bytes);
  // Syncs the data, gives it the replaced file's permissions (a new file the
  // umask's), renames it over the real file and syncs the folder.
  bool Commit();

  int Error() const { return error_; }
  // The file replaced: set by Begin(), also when it fails after resolving.
  const std::filesystem::path& Target() const { return target_; }

 private:
  bool Fail(int error);

  std::filesystem::path target_;
  std::filesystem::path temporary_;  // empty until created and named
  int fd_ = -1;
  int error_ = 0;
};

// Removes the left-over temporary files of killed writers from `folder`:
// only regular files of this user with one link, named after their own inode
// as above, on which no process holds the writer's lock. Returns how many
// went. Skips quietly whatever it cannot read.
int RemoveLeftOverTemporaries(const std::filesystem::path& folder);

}  // namespace fretlab
