// `listen_bench capture SECONDS`: listening for real through PulseAudio on
// the default input, notes and tuner both, with this process's processor
// time and wake-ups from /proc; then the same with listening stopped.
// `listen_bench render OUT.wav`: the notes the capture run hears, to play
// into the sound server (bench/listen/capture_cpu.sh does both).

#include <sndfile.h>

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "bench_sections.h"
#include "listen/live_listening.h"
#include "material_variants.h"
#include "sound/backends/pulse_audio_capture.h"

namespace fretlab::bench {

namespace {

struct ProcessTimes {
  double cpuSeconds = 0;
  long wakeUps = 0;  // context switches of every thread, voluntary or not
  int threads = 0;
};

ProcessTimes Now() {
  ProcessTimes times;
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), {});
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  long utime = 0, stime = 0;
  for (int i = 3; fields >> field; ++i) {
    if (i == 14) utime = std::stol(field);
    if (i == 15) stime = std::stol(field);
    if (i == 20) times.threads = std::stoi(field);
  }
  times.cpuSeconds = double(utime + stime) / double(sysconf(_SC_CLK_TCK));
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("voluntary_ctxt_switches:", 0) == 0 ||
        line.rfind("nonvoluntary_ctxt_switches:", 0) == 0) {
      times.wakeUps += std::stol(line.substr(line.find(':') + 1));
    }
  }
  // Every thread's own switches: the process line counts only the first.
  for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
    if (task.path().filename() == std::to_string(::getpid())) continue;
    std::ifstream taskStatus(task.path() / "status");
    for (std::string line; std::getline(taskStatus, line);) {
      if (line.find("ctxt_switches:") != std::string::npos) {
        times.wakeUps += std::stol(line.substr(line.find(':') + 1));
      }
    }
  }
  return times;
}

}  // namespace

int RenderForCapture(const std::string& path) {
  const std::vector<testing::PlayedNote> notes = EveryNote(40, 88, 1.0, 0.8);
  const std::vector<float> track = testing::RenderNotes(24, notes, notes.back().onset + 1.5);
  SF_INFO info{};
  info.samplerate = testing::kMaterialRate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (file == nullptr) {
    std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), sf_strerror(nullptr));
    return 1;
  }
  sf_writef_float(file, track.data(), static_cast<sf_count_t>(track.size()));
  sf_close(file);
  return 0;
}

int CaptureRun(double seconds, bool withTuner) {
  PulseAudioCapture capture;
  std::atomic<int> notes{0}, readings{0};
  std::atomic<long> blocks{0};
  std::string failureLine;
  LiveListening listening(capture, {[&](const LiveNote&) { ++notes; },
                                    [&](const TunerReading&) { ++readings; },
                                    [&](double) { ++blocks; },
                                    [&](const std::string& line) { failureLine = line; }});
  Tuning standard;
  for (int open : {64, 59, 55, 50, 45, 40}) standard.strings.push_back({{}, open});
  std::string failure;
  const ProcessTimes before = Now();
  const auto start = std::chrono::steady_clock::now();
  if (!listening.Start("", ListenSettings::ForStrings(44100, 40, 64), failure)) {
    std::fprintf(stderr, "cannot listen: %s\n", failure.c_str());
    return 1;
  }
  if (withTuner) listening.SetTuner(standard, 0);
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  // Read before stopping: the capture's thread and its counts end with it.
  const ProcessTimes during = Now();
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  listening.Stop();
  const ProcessTimes stopped = Now();
  std::this_thread::sleep_for(std::chrono::seconds(10));
  const ProcessTimes idle = Now();
  std::printf("%s %.1f s (fragment %d frames = %.1f ms at 44.1 kHz): CPU %.3f %% of a core, "
              "%.1f wake-ups/s, %d notes, %d tuner readings%s%s\n",
              withTuner ? "notes+tuner" : "notes", wall, PulseAudioCapture::kFragmentFrames,
              1000.0 * PulseAudioCapture::kFragmentFrames / 44100, 100 * (during.cpuSeconds - before.cpuSeconds) / wall,
              (during.wakeUps - before.wakeUps) / wall, notes.load(), readings.load(),
              failureLine.empty() ? "" : "; ", failureLine.c_str());
  std::printf("stopped 10 s: CPU %.3f %% of a core, %.1f wake-ups/s, %d threads\n",
              100 * (idle.cpuSeconds - stopped.cpuSeconds) / 10, (idle.wakeUps - stopped.wakeUps) / 10.0,
              idle.threads);
  return 0;
}

}  // namespace fretlab::bench
