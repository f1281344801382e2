// Output files for the user: the checks before anything is written, the
// messages, and the writing itself through a replacement file.

#include "sequence/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "common/quoted_value.h"

namespace fretlab {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kChooseAnother = "; choose another name";

// What the user can do about a failed call, after the system's own words.
std::string_view WhatToDo(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return "; free some space or choose another disk";
    case EACCES:
    case EPERM:
    case EROFS: return "; choose a folder you can write to";
    case ENOENT:
    case ENOTDIR: return "; choose a folder that exists";
    case ENAMETOOLONG: return "; choose a shorter name";
    case ELOOP: return "; check the symbolic links at that name";
    case EISDIR: return kChooseAnother;
    case EIO: return "; check the disk, then try again";
    default: return "; try again, or choose another name or folder";
  }
}

}  // namespace

std::string NotARegularFile(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return std::strerror(EISDIR);
  if (S_ISFIFO(mode)) return "Is a named pipe (FIFO), not a file";
  if (S_ISSOCK(mode)) return "Is a socket, not a file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "Is a device, not a file";
  return "Is not a regular file";
}

std::string OutputRefusal(const fs::path& out, std::span<const fs::path> inputs) {
  int error = 0;
  const fs::path target = FileBehindLinks(out, error);
  if (error != 0) return WriteFailureReason(error);
  struct stat there {};
  if (::stat(target.c_str(), &there) != 0) return {};  // nothing there yet: it is made
  if (const std::string kind = NotARegularFile(there.st_mode); !kind.empty()) {
    return kind + std::string(kChooseAnother);
  }
  for (const fs::path& in : inputs) {
    struct stat read {};
    if (::stat(in.c_str(), &read) == 0 && read.st_dev == there.st_dev && read.st_ino == there.st_ino) {
      return "That is the input file " + QuotedValue(in.string()) + std::string(kChooseAnother);
    }
  }
  // The replacement would take its place whatever its permissions; a
  // file the user keeps read-only is not to be replaced behind their back.
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES) {
    return "The file is read-only; make it writable or choose another name";
  }
  return {};
}

std::string WriteFailureReason(int error) {
  return std::strerror(error) + std::string(WhatToDo(error));
}

std::string OutputMessage(std::string_view verb, const fs::path& file, std::string_view reason) {
  return std::string(verb) + " " + QuotedValue(file.string()) + ": " + std::string(reason) + ".";
}

OutputFile::OutputFile(fs::path out, std::string verb, std::vector<fs::path> inputs)
    : out_(std::move(out)), verb_(std::move(verb)), inputs_(std::move(inputs)) {}

bool OutputFile::Refuse(std::string reason) {
  if (refusal_.empty()) refusal_ = std::move(reason);
  return false;
}

bool OutputFile::Begin() {
  if (std::string refusal = OutputRefusal(out_, inputs_); !refusal.empty()) {
    return Refuse(std::move(refusal));
  }
  replacement_.emplace();
  return replacement_->Begin(out_) || Refuse(WriteFailureReason(replacement_->Error()));
}

bool OutputFile::Write(std::span<const std::uint8_t> bytes) {
  if (!refusal_.empty()) return false;
  if (!replacement_) return Refuse(WriteFailureReason(EBADF));
  return replacement_->Write(bytes) || Refuse(WriteFailureReason(replacement_->Error()));
}

FileOutcome OutputFile::Finish() {
  if (refusal_.empty() && !replacement_) Refuse(WriteFailureReason(EBADF));
  if (refusal_.empty() && !replacement_->Commit()) Refuse(WriteFailureReason(replacement_->Error()));
  replacement_.reset();  // a temporary file not put in place goes with it
  FileOutcome outcome;
  if (!refusal_.empty()) {
    outcome.ok = false;
    outcome.message = OutputMessage(verb_, out_, refusal_);
  }
  return outcome;
}

FileOutcome WriteOutputFile(const fs::path& out, std::span<const std::uint8_t> bytes,
                            std::string_view verb, std::span<const fs::path> inputs) {
  OutputFile file(out, std::string(verb), {inputs.begin(), inputs.end()});
  if (file.Begin()) file.Write(bytes);
  return file.Finish();
}

}  // namespace fretlab
