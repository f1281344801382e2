#pragma once
// The benchmark's sections; each prints its figures and returns whether its
// targets were met.

#include <string>
#include <vector>

namespace fretlab::bench {

struct Options {
  std::vector<int> programs{24, 25, 26, 27};  // nylon, steel, jazz, clean electric
  bool showFailures = false;
  double noiseMinutes = 10;
};

bool EveryNoteSection(const Options& options);
bool SequenceSection(const Options& options);
bool RingingSection(const Options& options);
bool LowStringSection(const Options& options);
bool NoiseSection(const Options& options);
bool TunerSection(const Options& options);
// `note`: a MIDI note of the every-note track, or a time in seconds in
// "legato" or "repeated".
int RenderForCapture(const std::string& path);
int CaptureRun(double seconds, bool withTuner);
void Trace(int program, double note, const std::string& material);

}  // namespace fretlab::bench
