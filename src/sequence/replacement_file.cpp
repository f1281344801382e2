// Replacing a file whole: the temporary file beside the real one, its lock and
// its name, the rename, and the removal of temporary files left by writers
// that were killed.

#include "sequence/replacement_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

namespace fretlab {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kCreatingPrefix = ".fbs-new-";  // + 6 random characters
constexpr std::string_view kTemporaryPrefix = ".fbs-tmp-";  // + the inode number
constexpr int kMaxLinkHops = 40;                            // as the kernel allows

std::atomic<ssize_t (*)(int, const void*, std::size_t)> g_write{&::write};
std::atomic<int (*)(int)> g_fsync{&::fsync};

std::string RandomSuffix() {
  static constexpr std::string_view kAlphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device random;
  std::string suffix;
  for (int i = 0; i < 6; ++i) suffix += kAlphabet[random() % kAlphabet.size()];
  return suffix;
}

std::string TemporaryName(ino_t inode) {
  return std::string(kTemporaryPrefix) + std::to_string(inode);
}

// The file-creation mask, read without changing it where the system tells
// it (Linux 4.7 and later); otherwise set and put back at once.
mode_t CurrentUmask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("Umask:", 0) == 0) {
      return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    }
  }
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return mask;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = g_write.load()(fd, bytes.data() + done, bytes.size() - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (put == 0) {  // no progress and no error: treat as a full disk
      errno = ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(put);
  }
  return true;
}

fs::path FolderOf(const fs::path& file) {
  const fs::path folder = file.parent_path();
  return folder.empty() ? fs::path(".") : folder;
}

// Whether the entry `name` of the open folder is a left-over temporary file
// whose writer is gone; if so it is removed.
bool RemoveIfLeftOver(int folderFd, const char* name) {
  const std::string_view text(name);
  if (text.size() <= kTemporaryPrefix.size() || text.substr(0, kTemporaryPrefix.size()) != kTemporaryPrefix) {
    return false;
  }
  struct stat entry {};
  if (::fstatat(folderFd, name, &entry, AT_SYMLINK_NOFOLLOW) != 0) return false;
  if (!S_ISREG(entry.st_mode) || entry.st_uid != ::geteuid() || entry.st_nlink != 1 ||
      text != TemporaryName(entry.st_ino)) {
    return false;
  }
  const int fd = ::openat(folderFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat opened {};
  bool removed = false;
  // The writer's lock is gone only with the writer.
  if (::fstat(fd, &opened) == 0 && opened.st_dev == entry.st_dev && opened.st_ino == entry.st_ino &&
      ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    removed = ::unlinkat(folderFd, name, 0) == 0;
  }
  ::close(fd);
  return removed;
}

}  // namespace

DiskCalls ReplaceDiskCalls(const DiskCalls& calls) {
  return {g_write.exchange(calls.write), g_fsync.exchange(calls.fsync)};
}

fs::path FileBehindLinks(const fs::path& file, int& error) {
  error = 0;
  fs::path current = file;
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(current, ec))) return current;
    const fs::path target = fs::read_symlink(current, ec);
    if (ec) return current;
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  error = ELOOP;
  return current;
}

bool NameIsTaken(const fs::path& file) {
  struct stat entry {};
  return ::lstat(file.c_str(), &entry) == 0;
}

int RemoveLeftOverTemporaries(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return 0;
  DIR* dir = ::fdopendir(fd);
  if (dir == nullptr) {
    ::close(fd);
    return 0;
  }
  int removed = 0;
  while (const dirent* entry = ::readdir(dir)) {
    if (RemoveIfLeftOver(::dirfd(dir), entry->d_name)) ++removed;
  }
  ::closedir(dir);
  return removed;
}

ReplacementFile::~ReplacementFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

bool ReplacementFile::Fail(int error) {
  error_ = error;
  return false;
}

bool ReplacementFile::Begin(const fs::path& file) {
  int error = 0;
  target_ = FileBehindLinks(file, error);
  if (error != 0) return Fail(error);
  if (target_.filename().empty()) return Fail(EISDIR);
  const fs::path folder = FolderOf(target_);
  RemoveLeftOverTemporaries(folder);

  // Created under a random name, readable by this user alone while it is
  // incomplete; named after its inode only once its lock is held, so that
  // no other writer's cleaning can mistake it for a left-over.
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    const fs::path creating = folder / (std::string(kCreatingPrefix) + RandomSuffix());
    fd_ = ::open(creating.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ >= 0) {
      temporary_ = creating;
    } else if (errno != EEXIST) {
      return Fail(errno);
    }
  }
  if (fd_ < 0) return Fail(EEXIST);

  struct stat created {};
  if (::fstat(fd_, &created) != 0) return Fail(errno);
  // Without a lock (some network folders) the file keeps its random name,
  // which no cleaning touches.
  if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    const fs::path named = folder / TemporaryName(created.st_ino);
    if (::renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD, named.c_str(), RENAME_NOREPLACE) == 0) {
      temporary_ = named;
    }
  }
  return true;
}

bool ReplacementFile::Write(std::span<const std::uint8_t> bytes) {
  if (fd_ < 0) return Fail(EBADF);
  return WriteAll(fd_, bytes) || Fail(errno);
}

bool ReplacementFile::Commit() {
  if (fd_ < 0) return Fail(EBADF);
  if (g_fsync.load()(fd_) != 0) return Fail(errno);
  // A replaced file keeps its permissions; a new one gets what the umask
  // leaves of 0666, as any file the user creates.
  struct stat old {};
  const mode_t mode = ::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode)
                          ? (old.st_mode & 07777)
                          : (0666 & ~CurrentUmask());
  (void)::fchmod(fd_, mode);
  // Renamed while the lock is still held, so that it is never taken for a
  // left-over.
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) return Fail(errno);
  temporary_.clear();
  const int closed = ::close(fd_);
  fd_ = -1;
  if (closed != 0) return Fail(errno);
  // Make the rename itself durable; the data is already safe either way.
  const int folderFd = ::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    (void)::fsync(folderFd);
    ::close(folderFd);
  }
  return true;
}

}  // namespace fretlab
