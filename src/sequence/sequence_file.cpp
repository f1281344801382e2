// Sequence files on disk: reading a file's bytes and writing them whole.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "sequence/sequence_file.h"

namespace fretlab {

namespace {

std::string ErrnoText(int error) { return std::strerror(error); }

FileOutcome Failure(std::string_view verb, const std::filesystem::path& file,
                    const std::string& reason) {
  FileOutcome outcome;
  outcome.ok = false;
  outcome.message = std::string(verb) + " \"" + file.string() + "\": " + reason + ".";
  return outcome;
}

// Reads at most kMaxSequenceBytes: enough to decide on any file, since
// whatever follows the end word of a full sequence is ignored.
bool ReadPrefix(const std::filesystem::path& file, std::vector<std::uint8_t>& bytes,
                int& error) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return false;
  }
  bytes.assign(kMaxSequenceBytes, 0);
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0) {
      if (errno == EINTR) continue;
      error = errno;
      ::close(fd);
      return false;
    }
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  ::close(fd);
  bytes.resize(filled);
  return true;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
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

// Creates a new file beside the target, readable like any file the user
// creates (the umask applies). Returns -1 with errno set on failure.
int CreateTemporary(const std::filesystem::path& folder, const std::filesystem::path& name,
                    std::filesystem::path& temporary) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = folder / ("." + name.string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                          std::to_string(attempt));
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

// The steps of QSaveFile (a temporary file beside the target, synced to disk
// and then renamed over it; a replaced file's permissions carried over; the
// temporary file removed on any failure), in POSIX calls because the core
// has no Qt in it: the fuzzer and the command-line exports link it alone.
// One step goes beyond QSaveFile: the folder is synced after the rename, so
// that the new name itself survives a power cut.
FileOutcome WriteFileAtomically(const std::filesystem::path& file,
                                std::span<const std::uint8_t> bytes, std::string_view verb) {
  const std::filesystem::path name = file.filename();
  if (name.empty()) return Failure(verb, file, ErrnoText(EISDIR));
  std::filesystem::path folder = file.parent_path();
  if (folder.empty()) folder = ".";

  std::filesystem::path temporary;
  const int fd = CreateTemporary(folder, name, temporary);
  if (fd < 0) return Failure(verb, file, ErrnoText(errno));

  // A replaced file keeps its permissions.
  struct stat old {};
  if (::stat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    (void)::fchmod(fd, old.st_mode & 07777);
  }

  int error = 0;
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), file.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return Failure(verb, file, ErrnoText(error));
  }
  // Make the rename itself durable; the data is already safe either way.
  const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    (void)::fsync(dirFd);
    ::close(dirFd);
  }
  return {};
}

FileOutcome SaveSequenceFile(const std::filesystem::path& file, int chordCount) {
  return WriteFileAtomically(file, WriteSequence(chordCount), "Cannot save");
}

FileOutcome ReadSequenceFile(const std::filesystem::path& file, SequenceImage& image) {
  constexpr std::string_view kVerb = "Cannot open";
  std::vector<std::uint8_t> bytes;
  int error = 0;
  if (!ReadPrefix(file, bytes, error)) return Failure(kVerb, file, ErrnoText(error));
  SequenceParse parse = ParseSequence(bytes);
  if (!parse.image) return Failure(kVerb, file, parse.problem);
  image = std::move(*parse.image);
  return {};
}

FileOutcome LoadSequenceFile(const std::filesystem::path& file, int& chordCount) {
  SequenceImage image;
  FileOutcome outcome = ReadSequenceFile(file, image);
  if (outcome) ApplySequence(image, chordCount);
  return outcome;
}

}  // namespace fretlab
