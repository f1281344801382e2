#include "theory/scale_catalogue.h"

#include <algorithm>
#include <array>

#include "theory/tables.h"

namespace fretlab {

namespace {

struct ScaleText {
  std::string_view name;
  std::string_view shortName;
  ParentKey parent;
};

// The main window's nine, by row of ScaleTable.
constexpr ScaleText kMainScales[kScaleCount] = {
    {"Lydian", "Lydian", ParentKey::kOwn},
    {"Major (Ionian)", "major", ParentKey::kOwn},
    {"Mixolydian", "Mixolydian", ParentKey::kOwn},
    {"Dorian", "Dorian", ParentKey::kOwn},
    {"Natural minor (Aeolian)", "natural minor", ParentKey::kOwn},
    {"Phrygian", "Phrygian", ParentKey::kOwn},
    {"Locrian", "Locrian", ParentKey::kOwn},
    {"Harmonic minor", "harmonic minor", ParentKey::kOwn},
    {"Melodic minor", "melodic minor", ParentKey::kOwn},
};

// Seven-note rows: degree i + 1, altered by its distance from the major scale.
std::vector<Degree> HeptatonicDegrees(const int (&steps)[kTableColumns]) {
  std::vector<Degree> degrees;
  for (int i = 0; i < 7; ++i) degrees.push_back({i + 1, steps[i] - Degree{i + 1, 0}.Semitones()});
  return degrees;
}

std::vector<CatalogueEntry> MakeScales() {
  std::vector<CatalogueEntry> scales;
  for (int row = 0; row < kScaleCount; ++row) {
    const ScaleText& text = kMainScales[row];
    scales.push_back({text.name, text.shortName, HeptatonicDegrees(ScaleTable[row]), text.parent,
                      false, row});
  }
  // The ♭3 of the half-whole scale is its raised ninth, written as the minor
  // third guitarists read; the whole-half scale keeps both ♭6 and 6.
  scales.push_back({"Major pentatonic", "major pentatonic",
                    {{1, 0}, {2, 0}, {3, 0}, {5, 0}, {6, 0}}, ParentKey::kMajor});
  scales.push_back({"Minor pentatonic", "minor pentatonic",
                    {{1, 0}, {3, -1}, {4, 0}, {5, 0}, {7, -1}}, ParentKey::kMinor});
  scales.push_back({"Blues", "blues", {{1, 0}, {3, -1}, {4, 0}, {5, -1}, {5, 0}, {7, -1}},
                    ParentKey::kMinor});
  scales.push_back({"Whole tone", "whole tone",
                    {{1, 0}, {2, 0}, {3, 0}, {4, 1}, {5, 1}, {7, -1}}, ParentKey::kOwn});
  scales.push_back({"Diminished half-whole", "half-whole diminished",
                    {{1, 0}, {2, -1}, {3, -1}, {3, 0}, {4, 1}, {5, 0}, {6, 0}, {7, -1}},
                    ParentKey::kOwn});
  scales.push_back({"Diminished whole-half", "whole-half diminished",
                    {{1, 0}, {2, 0}, {3, -1}, {4, 0}, {5, -1}, {6, -1}, {6, 0}, {7, 0}},
                    ParentKey::kOwn});
  // The degrees of the black keys here are the usual ones; KeySpelling
  // replaces ♯4/♭5 and ♯5/♭6 by the ♯/♭ preference.
  scales.push_back({"Chromatic (all notes)", "chromatic",
                    {{1, 0}, {2, -1}, {2, 0}, {3, -1}, {3, 0}, {4, 0}, {4, 1}, {5, 0}, {6, -1},
                     {6, 0}, {7, -1}, {7, 0}},
                    ParentKey::kOwn, true});
  return scales;
}

struct ChordText {
  std::string_view name;
  std::string_view symbol;
  std::vector<Degree> degrees;
};

// By row of ChordFormulaTable, columns in the same order. A sixth chord's
// fourth tone is the 6; the diminished seventh's is the 𝄫7.
std::vector<CatalogueEntry> MakeChords() {
  const Degree R{1, 0}, M3{3, 0}, m3{3, -1}, P5{5, 0}, d5{5, -1}, A5{5, 1}, M6{6, 0}, M7{7, 0},
      m7{7, -1}, d7{7, -2}, M9{9, 0}, P11{11, 0};
  const std::vector<ChordText> rows = {
      {"Major triad", "", {R, M3, P5}},
      {"Major 6", "6", {R, M3, P5, M6}},
      {"Major 6 \u266D5", "6\u266D5", {R, M3, d5, M6}},
      {"Major 6 \u266F5", "6\u266F5", {R, M3, A5, M6}},
      {"Major 7", "maj7", {R, M3, P5, M7}},
      {"Major 7 \u266D5", "maj7\u266D5", {R, M3, d5, M7}},
      {"Major 7 \u266F5", "maj7\u266F5", {R, M3, A5, M7}},
      {"Dominant 7", "7", {R, M3, P5, m7}},
      {"Dominant 7 \u266D5", "7\u266D5", {R, M3, d5, m7}},
      {"Dominant 7 \u266F5", "7\u266F5", {R, M3, A5, m7}},
      {"Major 9", "maj9", {R, M3, P5, M7, M9}},
      {"Major 9 \u266D5", "maj9\u266D5", {R, M3, d5, M7, M9}},
      {"Major 9 \u266F5", "maj9\u266F5", {R, M3, A5, M7, M9}},
      {"Major 11", "maj11", {R, M3, P5, M7, M9, P11}},
      {"Major 11 \u266D5", "maj11\u266D5", {R, M3, d5, M7, M9, P11}},
      {"Major 11 \u266F5", "maj11\u266F5", {R, M3, A5, M7, M9, P11}},
      {"Minor triad", "m", {R, m3, P5}},
      {"Minor 6", "m6", {R, m3, P5, M6}},
      {"Minor 6 \u266D5", "m6\u266D5", {R, m3, d5, M6}},
      {"Minor 6 \u266F5", "m6\u266F5", {R, m3, A5, M6}},
      {"Minor 7", "m7", {R, m3, P5, m7}},
      {"Minor 7 \u266D5", "m7\u266D5", {R, m3, d5, m7}},
      {"Minor 7 \u266F5", "m7\u266F5", {R, m3, A5, m7}},
      {"Minor 9", "m9", {R, m3, P5, m7, M9}},
      {"Minor 9 \u266D5", "m9\u266D5", {R, m3, d5, m7, M9}},
      {"Minor 9 \u266F5", "m9\u266F5", {R, m3, A5, m7, M9}},
      {"Minor 11", "m11", {R, m3, P5, m7, M9, P11}},
      {"Minor 11 \u266D5", "m11\u266D5", {R, m3, d5, m7, M9, P11}},
      {"Minor 11 \u266F5", "m11\u266F5", {R, m3, A5, m7, M9, P11}},
      {"Diminished triad", "dim", {R, m3, d5}},
      {"Diminished 7", "dim7", {R, m3, d5, d7}},
      {"Half-diminished 7", "\u00F87", {R, m3, d5, m7}},
      {"Augmented triad", "aug", {R, M3, A5}},
      {"Augmented add 9", "aug(add9)", {R, M3, A5, M9}},
  };
  std::vector<CatalogueEntry> chords;
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    const bool minor = rows[row].degrees[1] == m3;
    chords.push_back({rows[row].name, rows[row].symbol, rows[row].degrees,
                      minor ? ParentKey::kMinor : ParentKey::kMajor, false, row});
  }
  return chords;
}

// Lower case, ASCII signs, no blanks: "Natural minor (Aeolian)" and
// "natural MINOR(aeolian)" compare equal.
std::string MatchKey(std::string_view text) {
  std::string key;
  for (char c : AsciiSigns(text)) {
    if (c == ' ' || c == '\t') continue;
    key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  }
  return key;
}

// "Major (Ionian)" -> "Ionian"; empty when the name has no brackets.
std::string_view ModeName(std::string_view name) {
  const std::size_t open = name.find('(');
  const std::size_t close = name.find(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) return {};
  return name.substr(open + 1, close - open - 1);
}

}  // namespace

std::vector<int> CatalogueEntry::Steps() const {
  std::vector<int> steps;
  for (const Degree& d : degrees) steps.push_back(d.Semitones());
  return steps;
}

std::span<const CatalogueEntry> Scales() {
  static const std::vector<CatalogueEntry> scales = MakeScales();
  return scales;
}

std::span<const CatalogueEntry> ChordFormulas() {
  static const std::vector<CatalogueEntry> chords = MakeChords();
  return chords;
}

std::span<const CatalogueEntry> EntriesOf(ChoiceKind kind) {
  return kind == ChoiceKind::kScale ? Scales() : ChordFormulas();
}

int FindEntry(std::span<const CatalogueEntry> entries, std::string_view name) {
  const std::string wanted = MatchKey(name);
  if (wanted.empty()) return -1;
  // The main window's chord texts differ by case alone ("M7" is major, "m7"
  // minor), so they are taken exactly as written before anything else.
  const bool isScale = entries.data() == Scales().data();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const int row = entries[i].mainWindowRow;
    if (row < 0) continue;
    const std::string_view text = isScale ? kScaleTexts[row] : kChordTexts[row];
    if (isScale ? MatchKey(text) == wanted : text == name) return static_cast<int>(i);
  }
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const CatalogueEntry& e = entries[i];
    const std::string_view mode = ModeName(e.name);
    if (MatchKey(e.name) == wanted || (!e.shortName.empty() && MatchKey(e.shortName) == wanted) ||
        (!mode.empty() && MatchKey(mode) == wanted)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

std::string AllowedNames(std::span<const CatalogueEntry> entries) {
  std::string names;
  for (const CatalogueEntry& e : entries) {
    if (!names.empty()) names += ", ";
    names += e.name;
  }
  return names;
}

std::string ChoiceTitle(std::string_view rootName, const CatalogueEntry& entry, ChoiceKind kind) {
  std::string title(rootName);
  switch (kind) {
    case ChoiceKind::kScale:
      return title + " " + std::string(entry.shortName);
    case ChoiceKind::kArpeggio:
      return title + std::string(entry.shortName) + " arpeggio";
    case ChoiceKind::kChord:
      return title + std::string(entry.shortName) + " chord";
  }
  return title;
}

}  // namespace fretlab
