#include "practice/ear_names.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace fretlab::practice {

namespace {

constexpr std::array<std::string_view, kLargestInterval> kIntervalNames = {
    "m2", "M2", "m3", "M3", "P4", "TT", "P5", "m6", "M6", "m7", "M7", "P8",
    "m9", "M9", "m10", "M10", "P11", "A11", "P12", "m13", "M13", "m14", "M14", "P15"};

// The major or perfect interval of each number 1..7, in semitones.
constexpr std::array<int, 7> kMajorOrPerfect = {0, 2, 4, 5, 7, 9, 11};

bool IsPerfectNumber(int number) {
  const int simple = (number - 1) % 7;
  return simple == 0 || simple == 3 || simple == 4;
}

std::string Lower(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c != ' ') out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  }
  return out;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string IntervalShortName(int semitones) {
  if (semitones < 1 || semitones > kLargestInterval) return {};
  return std::string(kIntervalNames[semitones - 1]);
}

std::optional<int> ParseIntervalName(std::string_view text) {
  text = Trim(text);
  if (text == "TT" || text == "tt") return 6;
  if (text.size() < 2) return std::nullopt;
  const char quality = text.front();
  int number = 0;
  for (char c : text.substr(1)) {
    if (!std::isdigit(static_cast<unsigned char>(c)) || number > 15) return std::nullopt;
    number = number * 10 + (c - '0');
  }
  if (number < 1 || number > 15) return std::nullopt;
  const int base = kMajorOrPerfect[(number - 1) % 7] + kOctave * ((number - 1) / 7);
  int offset = 0;
  if (IsPerfectNumber(number)) {
    if (quality == 'P') offset = 0;
    else if (quality == 'A') offset = 1;
    else if (quality == 'd') offset = -1;
    else return std::nullopt;
  } else {
    if (quality == 'M') offset = 0;
    else if (quality == 'm') offset = -1;
    else if (quality == 'A') offset = 1;
    else if (quality == 'd') offset = -2;
    else return std::nullopt;
  }
  const int semitones = base + offset;
  if (semitones < 1 || semitones > kLargestInterval) return std::nullopt;
  return semitones;
}

std::vector<int> IntervalsInPlay(int step) {
  static const std::vector<std::vector<int>> kAdded = {
      {5, 7, 12}, {4, 3}, {2, 1}, {9, 8}, {10, 11, 6},
      {13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}};
  std::vector<int> out;
  for (int s = 0; s <= std::clamp(step, 0, kIntervalSteps - 1); ++s) {
    out.insert(out.end(), kAdded[s].begin(), kAdded[s].end());
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::string QualityName(ChordQuality quality) {
  static const std::array<std::string_view, kChordQualityCount> kNames = {
      "major", "minor", "diminished", "augmented", "sus2", "sus4",
      "7", "maj7", "m7", "m7\u266D5", "dim7"};
  return std::string(kNames[static_cast<int>(quality)]);
}

std::string QualitySuffix(ChordQuality quality) {
  static const std::array<std::string_view, kChordQualityCount> kSuffixes = {
      "", "m", "dim", "aug", "sus2", "sus4", "7", "maj7", "m7", "m7b5", "dim7"};
  return std::string(kSuffixes[static_cast<int>(quality)]);
}

std::optional<ChordQuality> ParseQuality(std::string_view text) {
  text = Trim(text);
  // Where case tells m from M, it is read as written.
  if (text == "M") return ChordQuality::kMajor;
  if (text == "m") return ChordQuality::kMinor;
  if (text == "M7") return ChordQuality::kMajor7;
  const std::string t = Lower(text);
  struct Spelling {
    std::string_view text;
    ChordQuality quality;
  };
  static const std::array<Spelling, 24> kSpellings = {{
      {"major", ChordQuality::kMajor}, {"maj", ChordQuality::kMajor},
      {"minor", ChordQuality::kMinor}, {"min", ChordQuality::kMinor},
      {"diminished", ChordQuality::kDiminished}, {"dim", ChordQuality::kDiminished},
      {"\u00B0", ChordQuality::kDiminished}, {"augmented", ChordQuality::kAugmented},
      {"aug", ChordQuality::kAugmented}, {"+", ChordQuality::kAugmented},
      {"sus2", ChordQuality::kSus2}, {"sus4", ChordQuality::kSus4}, {"sus", ChordQuality::kSus4},
      {"7", ChordQuality::kDominant7}, {"dom7", ChordQuality::kDominant7},
      {"maj7", ChordQuality::kMajor7}, {"m7", ChordQuality::kMinor7}, {"min7", ChordQuality::kMinor7},
      {"m7b5", ChordQuality::kHalfDiminished7}, {"m7\u266D5", ChordQuality::kHalfDiminished7},
      {"\u00F8", ChordQuality::kHalfDiminished7}, {"\u00F87", ChordQuality::kHalfDiminished7},
      {"dim7", ChordQuality::kDiminished7}, {"\u00B07", ChordQuality::kDiminished7},
  }};
  for (const Spelling& s : kSpellings) {
    if (t == s.text) return s.quality;
  }
  return std::nullopt;
}

std::vector<ChordQuality> QualitiesInPlay(int step) {
  static const std::array<int, kQualitySteps> kLast = {2, 4, 6, 9, 11};
  std::vector<ChordQuality> out;
  for (int q = 0; q < kLast[std::clamp(step, 0, kQualitySteps - 1)]; ++q) {
    out.push_back(static_cast<ChordQuality>(q));
  }
  return out;
}

const std::vector<ScaleSound>& ScaleSounds() {
  static const std::vector<ScaleSound> kScales = {
      {"Major", {0, 2, 4, 5, 7, 9, 11}},
      {"Natural minor", {0, 2, 3, 5, 7, 8, 10}},
      {"Dorian", {0, 2, 3, 5, 7, 9, 10}},
      {"Phrygian", {0, 1, 3, 5, 7, 8, 10}},
      {"Lydian", {0, 2, 4, 6, 7, 9, 11}},
      {"Mixolydian", {0, 2, 4, 5, 7, 9, 10}},
      {"Locrian", {0, 1, 3, 5, 6, 8, 10}},
      {"Harmonic minor", {0, 2, 3, 5, 7, 8, 11}},
      {"Melodic minor", {0, 2, 3, 5, 7, 9, 11}},
      {"Major pentatonic", {0, 2, 4, 7, 9}},
      {"Minor pentatonic", {0, 3, 5, 7, 10}},
      {"Blues", {0, 3, 5, 6, 7, 10}},
  };
  return kScales;
}

std::optional<int> ParseScaleSound(std::string_view text) {
  const std::string t = Lower(Trim(text));
  if (t == "ionian") return 0;
  if (t == "aeolian" || t == "minor") return 1;
  const auto& scales = ScaleSounds();
  for (std::size_t i = 0; i < scales.size(); ++i) {
    if (Lower(scales[i].name) == t) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::vector<int> ScalesInPlay(int step) {
  static const std::vector<std::vector<int>> kAdded = {{0, 1}, {9, 10, 11}, {2, 5, 4}, {3, 6}, {7, 8}};
  std::vector<int> out;
  for (int s = 0; s <= std::clamp(step, 0, kScaleSteps - 1); ++s) {
    out.insert(out.end(), kAdded[s].begin(), kAdded[s].end());
  }
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace fretlab::practice
