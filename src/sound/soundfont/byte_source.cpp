#include "sound/soundfont/byte_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace fretlab {

std::unique_ptr<FileSource> FileSource::Open(const std::string& path, std::string& failure) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat status {};
  if (fd < 0 || fstat(fd, &status) != 0) {
    failure = std::strerror(errno);
    if (fd >= 0) ::close(fd);
    return nullptr;
  }
  const auto size = static_cast<std::uint64_t>(status.st_size);
  return std::unique_ptr<FileSource>(new FileSource(fd, size));
}

FileSource::~FileSource() { ::close(fd_); }

bool FileSource::ReadAt(std::uint64_t offset, void* out, std::size_t count) const {
  if (offset > size_ || count > size_ - offset) return false;
  auto* at = static_cast<char*>(out);
  while (count > 0) {
    const ssize_t got = pread(fd_, at, count, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    at += got;
    offset += static_cast<std::uint64_t>(got);
    count -= static_cast<std::size_t>(got);
  }
  return true;
}

bool MemorySource::ReadAt(std::uint64_t offset, void* out, std::size_t count) const {
  if (offset > bytes_.size() || count > bytes_.size() - offset) return false;
  if (count > 0) std::memcpy(out, bytes_.data() + offset, count);
  return true;
}

}  // namespace fretlab
