// A full disk for a whole program, loaded with LD_PRELOAD: writes to regular
// files under FRETLAB_DISK_FOLDER may put FRETLAB_DISK_ROOM more bytes on
// disk; the write that crosses that line is cut short, as the system cuts
// a write on a disk that has just filled, and every later one fails with
// ENOSPC. With FRETLAB_DISK_SYNC_FAILS=1 the flush to disk (fsync,
// fdatasync) of such files fails with ENOSPC instead. Everything else (the
// terminal, files elsewhere) is written as ever.
//
//   LD_PRELOAD=libfull_disk_shim.so FRETLAB_DISK_FOLDER=/tmp/x FRETLAB_DISK_ROOM=4096 fretlab ...

#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

template <typename Call>
Call Next(const char* name) {
  return reinterpret_cast<Call>(::dlsym(RTLD_NEXT, name));
}

// Whether `fd` is a regular file under the folder the disk stands for.
bool OnTheDisk(int fd) {
  const char* folder = std::getenv("FRETLAB_DISK_FOLDER");
  if (folder == nullptr || *folder == '\0') return false;
  struct stat file {};
  if (::fstat(fd, &file) != 0 || !S_ISREG(file.st_mode)) return false;
  char link[64];
  char path[PATH_MAX];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t length = ::readlink(link, path, sizeof path - 1);
  if (length <= 0) return false;
  const std::string name(path, static_cast<std::size_t>(length));
  const std::string prefix = std::string(folder) + "/";
  return name.compare(0, prefix.size(), prefix) == 0;
}

bool SyncFails() {
  const char* fails = std::getenv("FRETLAB_DISK_SYNC_FAILS");
  return fails != nullptr && std::strcmp(fails, "1") == 0;
}

// How much of `count` bytes fits: all, part (the disk fills up) or none.
std::size_t Fitting(std::size_t count) {
  static std::atomic<long long> room{[] {
    const char* given = std::getenv("FRETLAB_DISK_ROOM");
    return given != nullptr ? std::atoll(given) : LLONG_MAX;
  }()};
  long long left = room.load();
  long long taken = 0;
  do {
    taken = left < static_cast<long long>(count) ? left : static_cast<long long>(count);
  } while (!room.compare_exchange_weak(left, left - taken));
  return static_cast<std::size_t>(taken);
}

// The part of a write that fits, or -1 with ENOSPC when nothing does.
template <typename Write>
ssize_t Cut(std::size_t count, Write write) {
  const std::size_t fits = Fitting(count);
  if (count > 0 && fits == 0) {
    errno = ENOSPC;
    return -1;
  }
  return write(fits);
}

}  // namespace

extern "C" {

ssize_t write(int fd, const void* bytes, size_t count) {
  static const auto next = Next<ssize_t (*)(int, const void*, size_t)>("write");
  if (SyncFails() || !OnTheDisk(fd)) return next(fd, bytes, count);
  return Cut(count, [&](std::size_t fits) { return next(fd, bytes, fits); });
}

ssize_t pwrite64(int fd, const void* bytes, size_t count, off64_t at) {
  static const auto next = Next<ssize_t (*)(int, const void*, size_t, off64_t)>("pwrite64");
  if (SyncFails() || !OnTheDisk(fd)) return next(fd, bytes, count, at);
  return Cut(count, [&](std::size_t fits) { return next(fd, bytes, fits, at); });
}

ssize_t pwrite(int fd, const void* bytes, size_t count, off_t at) {
  return pwrite64(fd, bytes, count, at);
}

int fsync(int fd) {
  static const auto next = Next<int (*)(int)>("fsync");
  if (!SyncFails() || !OnTheDisk(fd)) return next(fd);
  errno = ENOSPC;
  return -1;
}

int fdatasync(int fd) {
  static const auto next = Next<int (*)(int)>("fdatasync");
  if (!SyncFails() || !OnTheDisk(fd)) return next(fd);
  errno = ENOSPC;
  return -1;
}

}  // extern "C"
