#include "sound/backends/log_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>

#include "common/quoted_value.h"
#include "sound/backends/short_message.h"

namespace fretlab {

namespace {

// Opens `path` for writing without ever waiting: a pipe (FIFO) with no reader
// would otherwise hold the program before its window appears. Null, with the
// reason in `reason`, when it cannot be written now.
std::FILE* OpenLog(const std::string& path, std::string& reason) {
  if (path.empty()) {
    reason = "no file name given";
    return nullptr;
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) {
    reason = errno == ENXIO ? "a pipe that nobody reads; start its reader first"
                            : std::strerror(errno);
    return nullptr;
  }
  struct stat info {};
  // A pipe or socket stays non-blocking: a reader that falls behind loses
  // lines rather than freezing the window. Files and terminals block as usual.
  if (fstat(fd, &info) == 0 && !S_ISFIFO(info.st_mode) && !S_ISSOCK(info.st_mode)) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  }
  std::FILE* file = fdopen(fd, "w");
  if (file == nullptr) {
    reason = std::strerror(errno);
    ::close(fd);
  }
  return file;
}

}  // namespace

std::unique_ptr<LogOutput> LogOutput::Create(const std::string& path, std::ostream& diagnostics,
                                             Clock now) {
  std::string reason;
  std::FILE* file = OpenLog(path, reason);
  if (file == nullptr) {
    diagnostics << "fretlab: no sound: cannot write the MIDI log " << QuotedValue(path) << " (" << reason
                << "); give --midi-out log:FILE with a writable file. Playing silently.\n";
    return nullptr;
  }
  if (!now) {
    now = [] { return SoundClock::now(); };
  }
  return std::unique_ptr<LogOutput>(new LogOutput(file, std::move(now)));
}

LogOutput::LogOutput(std::FILE* file, Clock now)
    : file_(file), now_(std::move(now)), start_(now_()) {}

LogOutput::~LogOutput() { std::fclose(file_); }

long long LogOutput::Elapsed() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(now_() - start_).count();
}

void LogOutput::open() {
  std::fprintf(file_, "%lld open\n", Elapsed());
  std::fflush(file_);
}

void LogOutput::send(std::uint32_t shortMessage) {
  ShortMessage message;
  if (UnpackShortMessage(shortMessage, message) && message.Kind() == 0x90) {
    std::fprintf(file_, "%lld on %d %d\n", Elapsed(), message.data1, message.data2);
  } else {
    std::fprintf(file_, "%lld message 0x%06X\n", Elapsed(), static_cast<unsigned>(shortMessage));
  }
  std::fflush(file_);
}

void LogOutput::close() {
  std::fprintf(file_, "%lld close\n", Elapsed());
  std::fflush(file_);
}

}  // namespace fretlab
