#pragma once
// --midi-out log:FILE: one line per call, flushed at once, so that what the
// program plays and when can be checked from outside:
//   <ms> open
//   <ms> on <note> <velocity>
//   <ms> close
// <ms> counts whole milliseconds since the output was created. Messages other
// than note-ons (the player sends none) are written as "<ms> message 0xHHHHHH".
// FILE may be a pipe (FIFO) whose reader is already running; a pipe without
// a reader is refused at once rather than waited for.

#include <cstdio>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "sound/midi_output.h"
#include "sound/sound_clock.h"

namespace fretlab {

class LogOutput : public MidiOutput {
 public:
  using Clock = std::function<SoundClock::time_point()>;

  // Returns null, after one line on `diagnostics`, when the file cannot be
  // written now. Never blocks. `now` defaults to the monotonic clock.
  static std::unique_ptr<LogOutput> Create(const std::string& path, std::ostream& diagnostics,
                                           Clock now = {});
  ~LogOutput() override;
  LogOutput(const LogOutput&) = delete;
  LogOutput& operator=(const LogOutput&) = delete;

  void open() override;
  void send(std::uint32_t shortMessage) override;
  void close() override;

 private:
  LogOutput(std::FILE* file, Clock now);
  long long Elapsed() const;

  std::FILE* file_;
  Clock now_;
  SoundClock::time_point start_;
};

}  // namespace fretlab
