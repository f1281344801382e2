#include "sequence/sequence_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "theory/fretboard.h"

namespace fretlab {

namespace {

// Names of the strings by chord slot (0 = low E), for the problem texts.
constexpr std::array<std::string_view, kStringCount> kSlotStringNames = {"low E", "A", "D",
                                                              "G",     "B", "high E"};

void PutWord(std::vector<std::uint8_t>& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  out.push_back(static_cast<std::uint8_t>(bits & 0xFFu));
  out.push_back(static_cast<std::uint8_t>((bits >> 8) & 0xFFu));
  out.push_back(static_cast<std::uint8_t>((bits >> 16) & 0xFFu));
  out.push_back(static_cast<std::uint8_t>((bits >> 24) & 0xFFu));
}

// The caller has checked that four bytes are there.
std::int32_t WordAt(std::span<const std::uint8_t> bytes, std::size_t at) {
  const std::uint32_t bits = static_cast<std::uint32_t>(bytes[at]) |
                             (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
                             (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
                             (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
  return static_cast<std::int32_t>(bits);  // two's complement, as stored
}

bool IsStoredNote(std::int32_t n) { return n == 0 || (n >= kLowestNote && n <= kHighestNote); }
bool IsStoredFret(std::int32_t f) { return f >= 0 && f < kFretCount; }
bool IsStoredLength(std::int32_t length) { return length >= 0 && length <= kMaxNoteLength; }

SequenceParse Reject(std::string problem) {
  SequenceParse result;
  result.problem = std::move(problem);
  return result;
}

std::string ChordName(int index) { return "chord " + std::to_string(index + 1); }

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

std::vector<std::uint8_t> WriteSequence(int chordCount) {
  const int count = std::clamp(chordCount, 0, kMaxChords);
  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(count) * kChordRecordBytes + kWordBytes);
  for (int i = 0; i < count; ++i) {
    for (ChordSlot k = 0; k < kStringCount; ++k) {
      PutWord(out, g_chordRows[i][k]);
      PutWord(out, g_fretRows[i][k]);
    }
    PutWord(out, g_chordRows[i][kNoteLengthColumn]);
    // The cell after row i's frets is the first of row i + 1; a full
    // sequence has no such row and writes 0.
    PutWord(out, i + 1 < kMaxChords ? g_fretRows[i + 1][0] : 0);
  }
  PutWord(out, kSequenceEnd);
  return out;
}

SequenceParse ParseSequence(std::span<const std::uint8_t> bytes) {
  SequenceImage image;
  std::optional<int> carried;
  const std::size_t size = bytes.size();
  for (int i = 0;; ++i) {
    const std::size_t recordStart = static_cast<std::size_t>(i) * kChordRecordBytes;
    if (size - recordStart < kWordBytes) {
      if (size == 0) return Reject("the file is empty");
      if (size == recordStart) {
        return Reject("the end mark 9999 is missing after " + ChordName(i - 1));
      }
      return Reject(i == 0 ? std::string("the file is cut short")
                           : "the file is cut short after " + ChordName(i - 1));
    }
    if (WordAt(bytes, recordStart) == kSequenceEnd) break;
    if (i == kMaxChords) {
      return Reject("the file holds more than " + std::to_string(kMaxChords) + " chords");
    }

    std::array<int, kChordColumns> chord{};
    std::array<int, 6> frets{};
    for (int k = 0; k < kPairsPerRecord; ++k) {
      const std::size_t pairStart = recordStart + static_cast<std::size_t>(k) * 2 * kWordBytes;
      if (size < pairStart + kWordBytes) {
        return Reject("the file is cut short inside " + ChordName(i));
      }
      const std::int32_t first = WordAt(bytes, pairStart);
      if (k > 0 && first == kSequenceEnd) {
        return Reject("the end mark 9999 stands inside " + ChordName(i) + ", in pair " +
                      std::to_string(k + 1) + " of 7");
      }
      if (k < 6 && !IsStoredNote(first)) {
        return Reject(ChordName(i) + " has the note " + std::to_string(first) + " on the " +
                      std::string(kSlotStringNames[k]) +
                      " string; a note must be 0 or 40 to 87");
      }
      if (k == 6 && !IsStoredLength(first)) {
        return Reject(ChordName(i) + " has the length " + std::to_string(first) +
                      "; a length must be 0 to " + std::to_string(kMaxNoteLength));
      }
      if (size < pairStart + 2 * kWordBytes) {
        return Reject("the file is cut short inside " + ChordName(i));
      }
      const std::int32_t second = WordAt(bytes, pairStart + kWordBytes);
      if (!IsStoredFret(second)) {
        if (k < 6) {
          return Reject(ChordName(i) + " has the fret " + std::to_string(second) + " on the " +
                        std::string(kSlotStringNames[k]) + " string; a fret must be 0 to 23");
        }
        return Reject(ChordName(i) + " carries the fret " + std::to_string(second) +
                      " for the next chord's low E string; a fret must be 0 to 23");
      }
      chord[k] = first;
      if (k < 6) {
        frets[k] = second;
      } else {
        carried = second;
      }
    }
    image.chordRows.push_back(chord);
    image.fretRows.push_back(frets);
  }
  // A full sequence has no row after its last chord: that word is dropped.
  if (image.ChordCount() > 0 && image.ChordCount() < kMaxChords) image.carriedFret = carried;
  SequenceParse result;
  result.image = std::move(image);
  return result;
}

void ApplySequence(const SequenceImage& image, int& chordCount) {
  const int count = std::min(image.ChordCount(), kMaxChords);
  for (int i = 0; i < count; ++i) {
    std::copy(image.chordRows[i].begin(), image.chordRows[i].end(), g_chordRows[i]);
    std::copy(image.fretRows[i].begin(), image.fretRows[i].end(), g_fretRows[i]);
  }
  if (image.carriedFret && count < kMaxChords) g_fretRows[count][0] = *image.carriedFret;
  chordCount = count;
}

std::filesystem::path SequenceFileName(const std::filesystem::path& chosen) {
  const std::string name = chosen.string();
  if (name.size() >= kSequenceExtension.size() &&
      name.compare(name.size() - kSequenceExtension.size(), kSequenceExtension.size(),
                   kSequenceExtension) == 0) {
    return chosen;
  }
  return std::filesystem::path(name + std::string(kSequenceExtension));
}

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
