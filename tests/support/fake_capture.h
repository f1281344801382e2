#pragma once
// A capture fed by the test: blocks go to the handler on the test's own
// thread, as a backend's thread would deliver them; a failure can be
// announced, and Start can be made to refuse.

#include <string>
#include <vector>

#include "sound/audio_capture.h"

namespace fretlab::testing {

class FakeCapture : public AudioCapture {
 public:
  std::vector<CaptureSource> sources{{"alsa_input.usb", "Guitar Interface", true},
                                     {"alsa_input.pci", "Built-in Audio", false}};
  std::string refuseWith;  // set: Start fails with this line
  // What Start was last asked for.
  std::string startedSource;
  int startedRate = 0;
  int starts = 0, stops = 0;

  std::vector<CaptureSource> Sources(std::string& failure) override {
    if (sources.empty()) failure = "No input to listen to: plug in a microphone.";
    return sources;
  }
  bool Start(const std::string& source, int sampleRate, BlockHandler onBlock,
             FailureHandler onFailure, std::string& failure) override {
    ++starts;
    startedSource = source;
    startedRate = sampleRate;
    if (!refuseWith.empty()) {
      failure = refuseWith;
      return false;
    }
    onBlock_ = std::move(onBlock);
    onFailure_ = std::move(onFailure);
    return true;
  }
  void Stop() override {
    ++stops;
    onBlock_ = nullptr;
    onFailure_ = nullptr;
  }

  bool Capturing() const { return static_cast<bool>(onBlock_); }
  // Delivers `samples` in blocks of `block`, the first captured at `first`,
  // the rest following at the capture's rate.
  void Deliver(const std::vector<float>& samples, SoundClock::time_point first,
               std::size_t block = 1024) {
    for (std::size_t i = 0; i < samples.size() && onBlock_; i += block) {
      const auto offset = std::chrono::duration_cast<SoundClock::duration>(
          std::chrono::duration<double>(double(i) / startedRate));
      onBlock_(samples.data() + i, std::min(block, samples.size() - i), first + offset);
    }
  }
  void Fail(const std::string& line) {
    if (onFailure_) onFailure_(line);
  }

 private:
  BlockHandler onBlock_;
  FailureHandler onFailure_;
};

}  // namespace fretlab::testing
