#pragma once
// A disk under SQLite that fails every write while a FailingSqliteDisk
// lives: SQLite's own way of letting tests replace the system calls of its
// Unix file layer (sqlite3_vfs::xSetSystemCall). Qt's SQLite driver loads
// the same libsqlite3, so the practice history's connections see it too.
// Reads go through, and so does setting a file's length (which reserves
// nothing, so a full disk allows it); writes and reserving room fail with
// `error` (ENOSPC: a full disk; EIO: a failing one).

#include <sqlite3.h>
#include <sys/types.h>

#include <cerrno>
#include <string>
#include <utility>
#include <vector>

namespace fretlab::testing {

class FailingSqliteDisk {
 public:
  explicit FailingSqliteDisk(int error) {
    Error() = error;
    vfs_ = sqlite3_vfs_find(nullptr);
    Replace("write", reinterpret_cast<sqlite3_syscall_ptr>(&Write));
    Replace("pwrite", reinterpret_cast<sqlite3_syscall_ptr>(&PWrite));
    Replace("pwrite64", reinterpret_cast<sqlite3_syscall_ptr>(&PWrite));
    Replace("fallocate", reinterpret_cast<sqlite3_syscall_ptr>(&Allocate));
  }
  ~FailingSqliteDisk() {
    for (const auto& [name, call] : replaced_) vfs_->xSetSystemCall(vfs_, name.c_str(), call);
  }
  FailingSqliteDisk(const FailingSqliteDisk&) = delete;
  FailingSqliteDisk& operator=(const FailingSqliteDisk&) = delete;

 private:
  static int& Error() {
    static int error = ENOSPC;
    return error;
  }
  static ssize_t Write(int, const void*, size_t) { return Fail(); }
  static ssize_t PWrite(int, const void*, size_t, off_t) { return Fail(); }
  static int Allocate(int, off_t, off_t) { return Error(); }  // posix_fallocate's way
  static ssize_t Fail() {
    errno = Error();
    return -1;
  }
  // Replaces the call `name` when this build of SQLite has it.
  void Replace(const char* name, sqlite3_syscall_ptr call) {
    const sqlite3_syscall_ptr before = vfs_->xGetSystemCall(vfs_, name);
    if (before == nullptr) return;
    if (vfs_->xSetSystemCall(vfs_, name, call) == SQLITE_OK) replaced_.emplace_back(name, before);
  }

  sqlite3_vfs* vfs_ = nullptr;
  std::vector<std::pair<std::string, sqlite3_syscall_ptr>> replaced_;
};

}  // namespace fretlab::testing
