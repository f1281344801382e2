// Sequence files on disk: reading a file's bytes and writing them whole.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "sequence/sequence_file.h"
#include "sequence/output_file.h"
#include "sequence/replacement_file.h"

namespace fretlab {

namespace {

std::string ErrnoText(int error) { return std::strerror(error); }

FileOutcome Failure(std::string_view verb, const std::filesystem::path& file,
                    const std::string& reason) {
  FileOutcome outcome;
  outcome.ok = false;
  outcome.message = std::string(verb) + " \"" + file.string() + "\": " + reason + ".";
  outcome.reason = reason;
  return outcome;
}

// Reads at most kMaxSequenceBytes: enough to decide on any file, since
// whatever follows the end word of a full sequence is ignored. Opening never
// waits: a named pipe without a writer, or a device, would otherwise hold the
// window until something arrived. Only a regular file is read, as the
// descriptor shows it once open, so no swap of the name can slip anything
// else in.
bool ReadPrefix(const std::filesystem::path& file, std::vector<std::uint8_t>& bytes,
                std::string& reason) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    // A socket cannot be opened at all; say what it is rather than ENXIO.
    struct stat entry {};
    reason = error == ENXIO && ::stat(file.c_str(), &entry) == 0 && S_ISSOCK(entry.st_mode)
                 ? NotARegularFile(entry.st_mode)
                 : ErrnoText(error);
    return false;
  }
  struct stat opened {};
  if (::fstat(fd, &opened) != 0) {
    reason = ErrnoText(errno);
    ::close(fd);
    return false;
  }
  reason = NotARegularFile(opened.st_mode);
  if (!reason.empty()) {
    ::close(fd);
    return false;
  }
  bytes.assign(kMaxSequenceBytes, 0);
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0) {
      if (errno == EINTR) continue;
      reason = ErrnoText(errno);
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

}  // namespace

// The steps of QSaveFile (a temporary file beside the target, synced to disk
// and then renamed over it; a replaced file's permissions carried over; the
// temporary file removed on any failure), in POSIX calls because the core
// has no Qt in it: the fuzzer and the command-line exports link it alone.
// Beyond QSaveFile: the folder is synced after the rename, so that the new
// name itself survives a power cut; links are written through; and the
// temporary files of writers killed midway do not pile up (see
// replacement_file.h).
FileOutcome WriteFileAtomically(const std::filesystem::path& file,
                                std::span<const std::uint8_t> bytes, std::string_view verb) {
  ReplacementFile replacement;
  if (replacement.Begin(file) && replacement.Write(bytes) && replacement.Commit()) return {};
  const std::filesystem::path& named = replacement.Target().empty() ? file : replacement.Target();
  return Failure(verb, named, ErrnoText(replacement.Error()));
}

FileOutcome SaveSequenceFile(const std::filesystem::path& file, int chordCount) {
  return WriteFileAtomically(file, WriteSequence(chordCount), "Cannot save");
}

FileOutcome ReadSequenceFile(const std::filesystem::path& file, SequenceImage& image) {
  constexpr std::string_view kVerb = "Cannot open";
  std::vector<std::uint8_t> bytes;
  std::string reason;
  if (!ReadPrefix(file, bytes, reason)) return Failure(kVerb, file, reason);
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
