// What a soundfont costs the built-in synthesizer: the time from its start to
// ready (soundfont read, guitar loaded, level measured; offline, so that no
// sound server's time is counted), the peak resident memory of a process
// that starts it and plays a note, and how loud single notes come out. For
// TimGM6mb, FluidR3 and MuseScore's General soundfont, or the files given.
// Not part of the test suite.
//
// Each run is a process of its own (this program again, with --run), so that
// every peak is the run's own; the first run of each file only warms the
// page cache, and the files take turns run by run.
//
//   soundfont_load [--runs N] [SOUNDFONT...]

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "sound/backends/fluid_synth_output.h"

namespace fretlab {
namespace {

// VmHWM (peak resident set) or VmRSS of this process, in MiB.
double StatusMiB(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(field, 0) == 0) {
      return std::atof(line.c_str() + std::string(field).size()) / 1024;
    }
  }
  return 0;
}

// Processor time of the whole process (all its threads) so far, in ms.
double ProcessorMs() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// One run: prints "startMs processorMs peakMiB baseMiB quietestDbfs loudestDbfs".
int Run(const char* soundfont) {
  const double base = StatusMiB("VmHWM:");
  std::ostringstream diagnostics;
  const auto start = std::chrono::steady_clock::now();
  const double processorStart = ProcessorMs();
  FluidSynthOutput synth(soundfont, FluidSynthOutput::Mode::kOffline, diagnostics);
  if (!synth.WaitUntilLoaded()) {
    std::fprintf(stderr, "%s", diagnostics.str().c_str());
    return 1;
  }
  const double startMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  const double processorMs = ProcessorMs() - processorStart;
  // Single notes over a guitar's neck, each 150 ms and its release.
  double quietest = 0, loudest = -200;
  std::vector<float> left(512), right(512);
  for (int note = 40; note <= 88; note += 3) {
    synth.open();
    synth.send(0x90u | note << 8 | 64u << 16);
    float peak = 0;
    for (int block = 0; block < 30; ++block) {
      if (block == 13) synth.close();
      synth.Render(left.data(), right.data(), 512);
      for (int i = 0; i < 512; ++i) {
        peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
      }
    }
    const double dbfs = 20 * std::log10(std::max(peak, 1e-9f));
    quietest = std::min(quietest, dbfs);
    loudest = std::max(loudest, dbfs);
    for (int block = 0; block < 200; ++block) synth.Render(left.data(), right.data(), 512);
  }
  std::printf("%.3f %.3f %.2f %.2f %.2f %.2f\n", startMs, processorMs, StatusMiB("VmHWM:"), base,
              quietest, loudest);
  return 0;
}

struct Figures {
  bool usable = true;
  std::vector<double> startMs, processorMs, peakMiB;
  double base = 0, quietest = 0, loudest = 0;
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// One run of `soundfont` in a process of its own, its figures kept when
// `keep`; false when it failed.
bool Measure(const std::string& self, const std::string& soundfont, bool keep, Figures& figures) {
  const std::string command = "'" + self + "' --run '" + soundfont + "'";
  std::FILE* child = popen(command.c_str(), "r");
  double startMs, processorMs, peak, base, quietest, loudest;
  const bool read = child != nullptr &&
                    std::fscanf(child, "%lf %lf %lf %lf %lf %lf", &startMs, &processorMs, &peak,
                                &base, &quietest, &loudest) == 6;
  if (child == nullptr || pclose(child) != 0 || !read) return false;
  if (!keep) return true;
  figures.startMs.push_back(startMs);
  figures.processorMs.push_back(processorMs);
  figures.peakMiB.push_back(peak);
  figures.base = base, figures.quietest = quietest, figures.loudest = loudest;
  return true;
}

// `first`: the soundfont the others are held against, or null for itself.
void Print(const std::string& name, const Figures& figures, const Figures* first) {
  const double start = Median(figures.startMs), peak = Median(figures.peakMiB);
  std::printf("%s\n  start to ready %6.1f ms", name.c_str(), start);
  // An .sf3 file decodes its samples as it loads: the target is for .sf2.
  const bool compressed = name.size() > 4 && name.substr(name.size() - 4) == ".sf3";
  if (first != nullptr) {
    std::printf(" %+6.1f ms%s", start - Median(first->startMs),
                compressed ? "" : " (target <= +20)");
  }
  std::printf(", fastest %.1f, processor %.1f ms\n",
              *std::min_element(figures.startMs.begin(), figures.startMs.end()),
              Median(figures.processorMs));
  std::printf("  peak memory    %6.1f MiB", peak);
  if (first != nullptr) std::printf(" %+6.1f MiB (target <= +10)", peak - Median(first->peakMiB));
  std::printf(", %.1f before the start\n", figures.base);
  std::printf("  single notes, 17 keys from 40 to 88: peaks %.1f to %.1f dBFS"
              " (target -12 +-1.5)\n",
              figures.quietest, figures.loudest);
}

}  // namespace
}  // namespace fretlab

int main(int argc, char** argv) {
  using namespace fretlab;
  if (argc == 3 && std::string(argv[1]) == "--run") return Run(argv[2]);
  int runs = 10;
  std::vector<std::string> soundfonts;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else {
      soundfonts.push_back(argv[i]);
    }
  }
  if (soundfonts.empty()) {
    soundfonts = {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
                  "/usr/share/sounds/sf3/MuseScore_General_Lite.sf3"};
  }
  const std::string self = "/proc/" + std::to_string(getpid()) + "/exe";
  std::printf("soundfonts: start to ready and peak memory, medians of %d warm runs, each a "
              "process of its own, the files in turn\n", runs);
  std::vector<Figures> figures(soundfonts.size());
  for (std::size_t i = 0; i < soundfonts.size(); ++i) {
    figures[i].usable = access(soundfonts[i].c_str(), R_OK) == 0;
  }
  // Run 0 only brings each file into the page cache. The files take turns,
  // so that a machine busier at one moment weighs on each alike.
  for (int run = 0; run <= runs; ++run) {
    for (std::size_t i = 0; i < soundfonts.size(); ++i) {
      if (figures[i].usable) figures[i].usable = Measure(self, soundfonts[i], run > 0, figures[i]);
    }
  }
  const Figures* first = nullptr;
  for (std::size_t i = 0; i < soundfonts.size(); ++i) {
    const std::string name = soundfonts[i].substr(soundfonts[i].rfind('/') + 1);
    if (!figures[i].usable) {
      std::printf("%s cannot be used here\n", name.c_str());
      continue;
    }
    Print(name, figures[i], first);
    if (first == nullptr) first = &figures[i];
  }
  return 0;
}
