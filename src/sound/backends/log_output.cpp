#include "sound/backends/log_output.h"

#include <cerrno>
#include <cstring>
#include <ostream>

#include "sound/backends/short_message.h"

namespace fretlab {

std::unique_ptr<LogOutput> LogOutput::Create(const std::string& path, std::ostream& diagnostics,
                                             Clock now) {
  std::FILE* file = path.empty() ? nullptr : std::fopen(path.c_str(), "w");
  if (file == nullptr) {
    const char* reason = path.empty() ? "no file name given" : std::strerror(errno);
    diagnostics << "fretlab: no sound: cannot write the MIDI log \"" << path << "\" (" << reason
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
