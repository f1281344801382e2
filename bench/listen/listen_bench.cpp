// Listening benchmark: note detection and the tuner on material rendered
// at run time (see README, "Listening"). Prints each figure with its target.
//
//   listen_bench [notes|sequences|ringing|bass|noise|tuner|all] [--programs 24,25] [--failures]
//                [--minutes M]      (of each noise; default 10)
//   listen_bench capture SECONDS [tuner]   (see bench/listen/capture_cpu.sh)
//   listen_bench trace PROGRAM NOTE|SECONDS MATERIAL

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_sections.h"

int main(int argc, char* argv[]) {
  using namespace fretlab::bench;
  Options options;
  std::string section = "all";
  if (argc == 3 && std::string(argv[1]) == "render") return RenderForCapture(argv[2]);
  if (argc >= 3 && std::string(argv[1]) == "capture") {
    return CaptureRun(std::atof(argv[2]), argc == 4 && std::string(argv[3]) == "tuner");
  }
  if (argc == 5 && std::string(argv[1]) == "trace") {
    Trace(std::atoi(argv[2]), std::atof(argv[3]), argv[4]);
    return 0;
  }
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--programs" && i + 1 < argc) {
      options.programs.clear();
      for (const char* p = argv[++i]; *p != '\0';) {
        char* end = nullptr;
        options.programs.push_back(static_cast<int>(std::strtol(p, &end, 10)));
        p = *end == ',' ? end + 1 : end;
      }
    } else if (arg == "--failures") {
      options.showFailures = true;
    } else if (arg == "--minutes" && i + 1 < argc) {
      options.noiseMinutes = std::atof(argv[++i]);
    } else {
      section = arg;
    }
  }
  bool ok = true;
  if (section == "notes" || section == "all") ok &= EveryNoteSection(options);
  if (section == "sequences" || section == "all") ok &= SequenceSection(options);
  if (section == "ringing" || section == "all") ok &= RingingSection(options);
  if (section == "bass" || section == "all") ok &= LowStringSection(options);
  if (section == "noise" || section == "all") ok &= NoiseSection(options);
  if (section == "tuner" || section == "all") ok &= TunerSection(options);
  std::printf("%s\n", ok ? "every target met" : "TARGETS MISSED (see above)");
  return ok ? 0 : 1;
}
