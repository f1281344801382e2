// How exactly a 35-note display keeps time, and what it costs the processor.
// Plays 35 notes at length 15 (150 ms) through the real note player and the
// monotonic clock, with a 1 ms pause before each note where the window would
// draw its marker, first on the silent output, then on the built-in
// synthesizer. Not part of the test suite.
//
// A note's length is measured from the end of the one before it (the first
// note: from its open) to its own close, so the time spent between notes
// counts against the note it precedes.

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <sstream>
#include <thread>
#include <vector>

#include "sound/backends/fluid_synth_output.h"
#include "sound/backends/silent_output.h"
#include "sound/note_player.h"

namespace fretlab {
namespace {

constexpr int kNotes = 35;
constexpr int kLength = 15;  // units of 10 ms
constexpr double kLengthMs = kLength * 10.0;

double MonotonicMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double ProcessCpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

void SleepMs(double ms) {
  timespec ts{0, static_cast<long>(ms * 1e6)};
  while (nanosleep(&ts, &ts) == EINTR) {
  }
}

// Passes every call on and notes when the opens and closes happened.
class TimedOutput : public MidiOutput {
 public:
  explicit TimedOutput(MidiOutput& inner) : inner_(inner) {}
  void open() override {
    opens.push_back(MonotonicMs());
    inner_.open();
  }
  void send(std::uint32_t message) override { inner_.send(message); }
  void close() override {
    inner_.close();
    closes.push_back(MonotonicMs());
  }
  std::vector<double> opens, closes;

 private:
  MidiOutput& inner_;
};

void PlayDisplay(const char* name, MidiOutput& output) {
  TimedOutput timed(output);
  NotePlayer player(timed, SystemTiming());
  // E Dorian over five octaves from the low E, as a scale display plays it.
  const int steps[] = {0, 2, 3, 5, 7, 9, 10};
  const double wall0 = MonotonicMs(), cpu0 = ProcessCpuMs();
  for (int i = 0; i < kNotes; ++i) {
    SleepMs(1.0);  // the marker
    player.PlayNote(40 + 12 * (i / 7) + steps[i % 7], kLength);
  }
  const double wall1 = MonotonicMs(), cpu1 = ProcessCpuMs();

  std::vector<double> errors;
  for (int i = 0; i < kNotes; ++i) {
    const double from = i == 0 ? timed.opens[0] : timed.closes[i - 1];
    errors.push_back(std::abs(timed.closes[i] - from - kLengthMs));
  }
  std::vector<double> sorted = errors;
  std::sort(sorted.begin(), sorted.end());
  const double median = sorted[kNotes / 2];
  const double largest = sorted.back();
  const double drift = timed.closes.back() - timed.opens.front() - kNotes * kLengthMs;
  const double cpuShare = 100.0 * (cpu1 - cpu0) / (wall1 - wall0);
  std::printf("%-6s length error median %.3f ms, largest %.3f ms (target <= 2); "
              "drift over %d notes %.3f ms (target <= 2); CPU %.2f %% of wall time "
              "(target <= 2)\n",
              name, median, largest, kNotes, drift, cpuShare);
}

// With no sound card the synthesizer is rendered on a thread paced like the
// audio driver: one period of frames per period of time.
class PacedRenderer {
 public:
  explicit PacedRenderer(FluidSynthOutput& synth)
      : synth_(synth), thread_([this] { Run(); }) {}
  ~PacedRenderer() {
    stop_ = true;
    thread_.join();
  }

 private:
  void Run() {
    constexpr int kFrames = 512;  // what a sound server asks for at a time
    std::vector<float> left(kFrames), right(kFrames);
    const long periodNs = 1000000000L * kFrames / FluidSynthOutput::kSampleRate;
    timespec next{};
    clock_gettime(CLOCK_MONOTONIC, &next);
    while (!stop_) {
      synth_.Render(left.data(), right.data(), kFrames);
      next.tv_nsec += periodNs;
      if (next.tv_nsec >= 1000000000L) {
        next.tv_nsec -= 1000000000L;
        ++next.tv_sec;
      }
      while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr) == EINTR) {
      }
    }
  }

  FluidSynthOutput& synth_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace
}  // namespace fretlab

int main() {
  using namespace fretlab;
  std::printf("%d notes at length %d (%.0f ms each), 1 ms marker pause before each note\n",
              kNotes, kLength, kLengthMs);

  SilentOutput none;
  PlayDisplay("none", none);

  std::printf("synth: configured latency from a note's stamp to its sound %.1f ms "
              "(target <= 28)\n",
              FluidSynthOutput::ConfiguredLatencyMs());
  std::ostringstream diagnostics;
  FluidSynthOutput device("", FluidSynthOutput::Mode::kAudioDevice, diagnostics);
  // The device is looked for on the output's own thread.
  if (device.WaitUntilLoaded()) {
    std::printf("synth: playing through %s\n", device.AudioDriverName().c_str());
    PlayDisplay("synth", device);
  } else {
    std::printf("synth: audio device absent: %s", diagnostics.str().c_str());
    std::printf("synth: rendering instead on a thread paced like the audio driver\n");
    std::ostringstream offlineDiagnostics;
    FluidSynthOutput synth("", FluidSynthOutput::Mode::kOffline, offlineDiagnostics);
    if (!synth.WaitUntilLoaded()) {
      std::printf("synth: %s", offlineDiagnostics.str().c_str());
      return 1;
    }
    PacedRenderer renderer(synth);
    PlayDisplay("synth", synth);
  }
  return 0;
}
