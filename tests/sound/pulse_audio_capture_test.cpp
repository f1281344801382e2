// The PulseAudio capture without a sound server to reach: one plain line,
// no stream, and nothing left running.

#include "sound/backends/pulse_audio_capture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace fretlab {
namespace {

// Points libpulse at a socket nobody listens on, for the test's length.
class NoSoundServer {
 public:
  NoSoundServer() {
    if (const char* old = std::getenv("PULSE_SERVER")) old_ = old;
    ::setenv("PULSE_SERVER", "unix:/nonexistent/fretlab-test/native", 1);
  }
  ~NoSoundServer() {
    if (old_) ::setenv("PULSE_SERVER", old_->c_str(), 1);
    else ::unsetenv("PULSE_SERVER");
  }

 private:
  std::optional<std::string> old_;
};

TEST(PulseAudioCaptureTest, WithoutASoundServerSaysSoInOneLine) {
  NoSoundServer none;
  PulseAudioCapture capture;
  std::string failure;
  EXPECT_TRUE(capture.Sources(failure).empty());
  EXPECT_EQ(failure, "No sound server to listen through: start PipeWire or PulseAudio.");

  failure.clear();
  int blocks = 0;
  EXPECT_FALSE(capture.Start(
      "", 44100, [&](const float*, std::size_t, SoundClock::time_point) { ++blocks; },
      [](const std::string&) {}, failure));
  EXPECT_EQ(failure, "No sound server to listen through: start PipeWire or PulseAudio.");
  capture.Stop();  // nothing to stop, and no harm
  EXPECT_EQ(blocks, 0);
}

}  // namespace
}  // namespace fretlab
