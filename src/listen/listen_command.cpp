#include "listen/listen_command.h"

#include <sndfile.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <memory>

#include "listen/note_listener.h"

namespace fretlab {

namespace {

constexpr const char* kNames[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
constexpr int kDefaultLowest = 35;  // B1
constexpr sf_count_t kBlockFrames = 4096;

struct Arguments {
  std::string file;
  int lowest = kDefaultLowest;
};

// Empty when the arguments can be used, else the line to print.
std::string Parse(const std::vector<std::string>& arguments, Arguments& parsed) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    const auto value = [&](const std::string& name) -> std::string {
      if (a.rfind(name + "=", 0) == 0) return a.substr(name.size() + 1);
      return i + 1 < arguments.size() ? arguments[++i] : std::string();
    };
    if (a == "--listen" || a.rfind("--listen=", 0) == 0) {
      parsed.file = value("--listen");
    } else if (a == "--lowest" || a.rfind("--lowest=", 0) == 0) {
      const std::string note = value("--lowest");
      parsed.lowest = ParseNoteName(note);
      if (parsed.lowest < 24 || parsed.lowest > 60) {
        return "fretlab: --lowest takes a note from C1 to C4, such as E1 or B1, not \"" + note + "\"";
      }
    } else {
      return "fretlab: --listen takes a sound file and --lowest NOTE only, not \"" + a + "\"";
    }
  }
  if (parsed.file.empty()) return "fretlab: --listen takes a sound file: fretlab --listen IN.wav";
  return {};
}

}  // namespace

int ParseNoteName(const std::string& text) {
  static constexpr int kSteps[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
  if (text.size() < 2) return -1;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  if (letter < 'A' || letter > 'G') return -1;
  int pitch = kSteps[letter - 'A'];
  std::size_t at = 1;
  if (text[at] == '#') { ++pitch; ++at; }
  else if (text[at] == 'b') { --pitch; ++at; }
  if (at + 1 != text.size() || !std::isdigit(static_cast<unsigned char>(text[at]))) return -1;
  return 12 * (text[at] - '0' + 1) + pitch;
}

std::string NoteName(int midi) {
  return std::string(kNames[midi % 12]) + std::to_string(midi / 12 - 1);
}

int RunListen(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  Arguments parsed;
  if (const std::string problem = Parse(arguments, parsed); !problem.empty()) {
    err << problem << '\n';
    return 2;
  }
  SF_INFO info{};
  const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file(
      sf_open(parsed.file.c_str(), SFM_READ, &info), &sf_close);
  if (!file) {
    std::string reason = sf_strerror(nullptr);
    while (!reason.empty() && (reason.back() == '.' || reason.back() == ' ')) reason.pop_back();
    err << "fretlab: cannot read " << parsed.file << ": " << reason
        << "; give a sound file such as WAV, FLAC or Ogg\n";
    return 2;
  }
  if (info.frames <= 0 || info.channels <= 0 || info.samplerate <= 0) {
    err << "fretlab: " << parsed.file << " holds no audio\n";
    return 2;
  }
  ListenSettings settings;
  settings.sampleRate = info.samplerate;
  settings.lowestNote = parsed.lowest;
  NoteListener listener(settings);
  std::vector<float> frames(static_cast<std::size_t>(kBlockFrames * info.channels));
  std::vector<float> mono(kBlockFrames);
  std::vector<HeardNote> heard;
  sf_count_t got;
  while ((got = sf_readf_float(file.get(), frames.data(), kBlockFrames)) > 0) {
    for (sf_count_t i = 0; i < got; ++i) {
      float sum = 0;
      for (int c = 0; c < info.channels; ++c) sum += frames[i * info.channels + c];
      mono[i] = sum / float(info.channels);
    }
    listener.Feed(mono.data(), static_cast<std::size_t>(got), heard);
  }
  for (const HeardNote& h : heard) {
    char line[96];
    std::snprintf(line, sizeof line, "%ld %ld %s %d %+ld\n", std::lround(h.onset * 1000),
                  std::lround(h.decided * 1000), NoteName(h.note).c_str(), h.note,
                  std::lround(h.cents));
    out << line;
  }
  return 0;
}

}  // namespace fretlab
