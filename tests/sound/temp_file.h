#pragma once
// A file in /tmp holding the given bytes, removed when the object goes.

#include <unistd.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace fretlab::testing {

class TempFile {
 public:
  explicit TempFile(std::string_view bytes) {
    char pattern[] = "/tmp/fretlab-test-XXXXXX";
    const int fd = mkstemp(pattern);
    if (fd < 0) throw std::runtime_error("mkstemp failed");
    const bool written = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    ::close(fd);
    path_ = pattern;
    if (!written) throw std::runtime_error("writing " + path_ + " failed");
  }
  ~TempFile() { std::remove(path_.c_str()); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace fretlab::testing
