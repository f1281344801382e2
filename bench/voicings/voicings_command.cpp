// How long `fretlab --voicings SYMBOL --tuning "F#1 B1 E2 A2 D3 G3 B3 E4"`
// takes, the whole command from exec to exit: every chord formula of the
// catalogue on C and on F#, and slash chords, on an eight-string neck of
// frets 0..24, the default 20 lines. Wall time is the median of 7 runs; the
// processor time (user and system) of the same runs beside it, since a busy
// machine stretches the wall time. The program's own start (a chord with
// few voicings) is measured first. Not part of the test suite; exits 1 when
// a median misses 50 ms.
//
//   bench/voicings_command [PROGRAM]     (default: the fretlab built beside it)

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "theory/chord_symbol.h"
#include "theory/scale_catalogue.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 7;
constexpr double kTargetMs = 50.0;
constexpr const char* kEightStrings = "F#1 B1 E2 A2 D3 G3 B3 E4";

struct Timing {
  double wall = 0;  // ms
  double cpu = 0;   // ms, user and system
};

// One run of the program, its output thrown away.
Timing RunOnce(const std::string& program, const std::string& symbol) {
  std::vector<std::string> args = {program, "--voicings", symbol, "--tuning", kEightStrings};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  const auto start = Clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", program.c_str());
    std::exit(2);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const auto end = Clock::now();
  posix_spawn_file_actions_destroy(&actions);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed for %s\n", program.c_str(), symbol.c_str());
    std::exit(2);
  }
  const auto ms = [](timeval t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  return {std::chrono::duration<double, std::milli>(end - start).count(),
          ms(usage.ru_utime) + ms(usage.ru_stime)};
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

Timing Measure(const std::string& program, const std::string& symbol) {
  std::vector<double> wall, cpu;
  for (int i = 0; i < kRuns; ++i) {
    const Timing t = RunOnce(program, symbol);
    wall.push_back(t.wall);
    cpu.push_back(t.cpu);
  }
  return {Median(wall), Median(cpu)};
}

}  // namespace

int main(int argc, char** argv) {
  const std::string program = argc > 1 ? argv[1] : FRETLAB_PROGRAM;
  std::vector<std::string> symbols;
  for (const char* root : {"C", "F#"}) {
    for (const fretlab::CatalogueEntry& formula : fretlab::ChordFormulas()) {
      const auto note = fretlab::ParseNoteName(root);
      symbols.push_back(fretlab::ChordOfFormula(*note, formula).Symbol());
    }
  }
  for (const char* slash : {"D/F#", "Am7/G", "Cmaj13/F#", "G7b9/B"}) symbols.push_back(slash);

  const Timing start = Measure(program, "C5");
  std::printf("program start (C5, few voicings): wall %.1f ms, processor %.1f ms\n", start.wall,
              start.cpu);
  Timing worst{}, slowestCpu{};
  std::string worstSymbol, slowestSymbol;
  std::vector<double> walls;
  for (const std::string& symbol : symbols) {
    const Timing t = Measure(program, symbol);
    walls.push_back(t.wall);
    if (t.wall > worst.wall) worst = t, worstSymbol = symbol;
    if (t.cpu > slowestCpu.cpu) slowestCpu = t, slowestSymbol = symbol;
  }
  std::printf("%zu symbols, eight strings, frets 0-24, medians of %d runs:\n", symbols.size(), kRuns);
  std::printf("  median of the medians  wall %.1f ms\n", Median(walls));
  std::printf("  slowest wall           %.1f ms (%s, processor %.1f ms)\n", worst.wall,
              worstSymbol.c_str(), worst.cpu);
  std::printf("  most processor time    %.1f ms (%s, wall %.1f ms)   [target: wall < %.0f ms]\n",
              slowestCpu.cpu, slowestSymbol.c_str(), slowestCpu.wall, kTargetMs);
  return worst.wall < kTargetMs ? 0 : 1;
}
