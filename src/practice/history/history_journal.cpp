// Left-over journal files of a history, and a full disk, seen through the
// system: permissions, the kernel's table of file locks, free space.

#include "practice/history/history_journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <sstream>

namespace fretlab::practice {

namespace {

bool Writable(const std::string& path) {
  return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

// The device and inode of a lock's file as /proc/locks writes them:
// "MAJOR:MINOR:INODE" with the device numbers in hexadecimal.
std::string LockKey(const struct stat& file) {
  char key[64];
  std::snprintf(key, sizeof key, "%02x:%02x:%lu", ::major(file.st_dev), ::minor(file.st_dev),
                static_cast<unsigned long>(file.st_ino));
  return key;
}

// Whether any process holds a lock on one of `files`; nothing when the
// table cannot be read. Reading the table never opens the files, which
// would drop this process's own locks on them (POSIX locks go with any
// close of the file).
std::optional<bool> AnyLocked(std::initializer_list<const struct stat*> files) {
  std::ifstream table("/proc/locks");
  if (!table) return std::nullopt;
  std::string line;
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    std::string field;
    while (fields >> field) {
      for (const struct stat* file : files) {
        if (file != nullptr && field == LockKey(*file)) return true;
      }
    }
  }
  return false;
}

}  // namespace

int ReadyLeftOverJournals(const std::string& history) {
  const std::string shm = history + "-shm", wal = history + "-wal";
  struct stat main {}, shmStat {}, walStat {};
  if (::stat(history.c_str(), &main) != 0 || !S_ISREG(main.st_mode) || !Writable(history)) return 0;
  const bool haveShm = ::lstat(shm.c_str(), &shmStat) == 0 && S_ISREG(shmStat.st_mode);
  const bool haveWal = ::lstat(wal.c_str(), &walStat) == 0 && S_ISREG(walStat.st_mode);
  const bool stuckShm = haveShm && !Writable(shm);
  const bool stuckWal = haveWal && !Writable(wal) && walStat.st_uid == ::geteuid();
  if (!stuckShm && !stuckWal) return 0;
  const std::optional<bool> locked = AnyLocked({&main, haveShm ? &shmStat : nullptr});
  if (!locked || *locked) return 0;
  int changed = 0;
  if (stuckWal && ::chmod(wal.c_str(), main.st_mode & 0666) == 0) ++changed;
  if (stuckShm && ::unlink(shm.c_str()) == 0) ++changed;
  return changed;
}

bool DiskIsFull(const std::string& path) {
  struct statvfs disk {};
  return ::statvfs(path.c_str(), &disk) == 0 && disk.f_bavail == 0;
}

}  // namespace fretlab::practice
