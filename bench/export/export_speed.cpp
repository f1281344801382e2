// How long `fretlab --export` takes for a full sequence of 6000 chords, to
// each format: the whole command (reading and checking the .fbs, building
// the output, the atomic write with its flush to disk) and, apart, the
// building alone. Wall times are medians of 7 runs; the processor time
// (user and system) does not count the wait for the disk. Not part of the
// test suite; exits 1 when a median misses 0.5 s.
//
// Two sequences: "common" holds six-string barre and open shapes all over
// the neck with the eight note values of the Add Chord menu; "odd" holds the
// same shapes with lengths that are no note value (1 to 300 units), so that
// scores split most chords into tied notes, the largest scores there are.

#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "export/export_command.h"

namespace fretlab {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 7;
constexpr double kTargetSeconds = 0.5;

// Six-string shapes, frets from the low E string, moved up the neck.
constexpr int kShapes[][6] = {{0, 2, 2, 1, 0, 0}, {0, 0, 2, 2, 2, 0}, {3, 2, 0, 0, 0, 3},
                              {0, 3, 2, 0, 1, 0}, {0, 2, 0, 1, 0, 0}, {0, 2, 2, 0, 0, 0}};
constexpr int kOpen[6] = {40, 45, 50, 55, 59, 64};
constexpr int kValues[8] = {200, 100, 50, 25, 12, 150, 75, 37};

SequenceImage Sequence(bool oddLengths) {
  SequenceImage image;
  for (int i = 0; i < kMaxChords; ++i) {
    const int* shape = kShapes[i % 6];
    const int by = (i / 6) % 12;
    std::array<int, kChordColumns> row{};
    std::array<int, 6> frets{};
    for (int k = 0; k < 6; ++k) {
      frets[k] = shape[k] + by;
      row[k] = kOpen[k] + frets[k];
    }
    row[kNoteLengthColumn] = oddLengths ? 1 + (i * 37) % 300 : kValues[i % 8];
    image.chordRows.push_back(row);
    image.fretRows.push_back(frets);
  }
  return image;
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Processor time of this process (user and system), seconds.
double CpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec + ts.tv_nsec / 1e9;
}

struct Figures {
  double median = 0, largest = 0, cpuMedian = 0;
};

template <typename Run>
Figures Measure(Run run) {
  std::vector<double> times, cpu;
  for (int i = 0; i < kRuns; ++i) {
    const Clock::time_point start = Clock::now();
    const double cpuStart = CpuSeconds();
    run();
    cpu.push_back(CpuSeconds() - cpuStart);
    times.push_back(Seconds(Clock::now() - start));
  }
  std::sort(times.begin(), times.end());
  std::sort(cpu.begin(), cpu.end());
  return {times[kRuns / 2], times.back(), cpu[kRuns / 2]};
}

int Bench(const fs::path& folder, const char* label, bool oddLengths) {
  const SequenceImage image = Sequence(oddLengths);
  const fs::path in = folder / (std::string(label) + ".fbs");
  int count = 0;
  ApplySequence(image, count);
  if (!WriteFileAtomically(in, WriteSequence(count), "Cannot write")) return 1;
  int failures = 0;
  const struct {
    const char* extension;
    ExportFormat format;
  } outputs[] = {{".mid", ExportFormat::Midi},
                 {".musicxml", ExportFormat::MusicXml},
                 {".txt", ExportFormat::ChordChart}};
  for (const auto& output : outputs) {
    const fs::path out = folder / (std::string(label) + output.extension);
    std::ostringstream err;
    const Figures command = Measure([&] {
      if (RunExport(out, in, err) != 0) std::fprintf(stderr, "%s", err.str().c_str());
    });
    std::size_t size = 0;
    const Figures build = Measure([&] { size = ExportBytes(output.format, image, label).size(); });
    const bool ok = command.median < kTargetSeconds;
    failures += !ok;
    std::printf("%-6s %-9s %5.1f MB  command %.3f s median (target < %.1f)%s, %.3f s largest,"
                " %.3f s processor;  building alone %.3f s\n",
                label, output.extension, size / 1e6, command.median, kTargetSeconds,
                ok ? "" : " MISSED", command.largest, command.cpuMedian, build.median);
  }
  return failures;
}

}  // namespace
}  // namespace fretlab

int main() {
  std::string pattern = (std::filesystem::temp_directory_path() / "fretlab-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) return 1;
  const std::filesystem::path folder = pattern;
  std::printf("6000 chords, %d runs each, files in %s\n", fretlab::kRuns, folder.c_str());
  int failures = fretlab::Bench(folder, "common", false);
  failures += fretlab::Bench(folder, "odd", true);
  std::filesystem::remove_all(folder);
  return failures == 0 ? 0 : 1;
}
