#include "theory/scale_catalogue.h"

#include <algorithm>
#include <utility>

namespace fretlab {

namespace {

// The degrees the rows are written in: R root, m minor, M major, P perfect,
// d diminished, A augmented.
constexpr Degree R{1, 0}, m2{2, -1}, M2{2, 0}, m3{3, -1}, M3{3, 0}, P4{4, 0}, A4{4, 1},
    d5{5, -1}, P5{5, 0}, A5{5, 1}, m6{6, -1}, M6{6, 0}, d7{7, -2}, m7{7, -1}, M7{7, 0},
    M9{9, 0}, P11{11, 0};

// Each row's main window text marks it for the main window's scale list;
// the rows so marked are that list, in this order (tables.h). Rows for the
// Practice window alone leave the text out. New rows go at the end: settings
// store the index.
std::vector<CatalogueEntry> ScaleRows() {
  return {
      {"Lydian", "Lydian", {R, M2, M3, A4, P5, M6, M7}, ParentKey::kOwn, "Lydian"},
      {"Major (Ionian)", "major", {R, M2, M3, P4, P5, M6, M7}, ParentKey::kOwn, "MAJOR (Ionian)"},
      {"Mixolydian", "Mixolydian", {R, M2, M3, P4, P5, M6, m7}, ParentKey::kOwn, "Mixolydian"},
      // The main window's texts keep their trailing blanks.
      {"Dorian", "Dorian", {R, M2, m3, P4, P5, M6, m7}, ParentKey::kOwn, "Dorian "},
      {"Natural minor (Aeolian)", "natural minor", {R, M2, m3, P4, P5, m6, m7}, ParentKey::kOwn,
       "minor (Aeolian) "},
      {"Phrygian", "Phrygian", {R, m2, m3, P4, P5, m6, m7}, ParentKey::kOwn, "Phrygian"},
      {"Locrian", "Locrian", {R, m2, m3, P4, d5, m6, m7}, ParentKey::kOwn, "Locrian"},
      {"Harmonic minor", "harmonic minor", {R, M2, m3, P4, P5, m6, M7}, ParentKey::kOwn,
       "Harmonic minor"},
      {"Melodic minor", "melodic minor", {R, M2, m3, P4, P5, M6, M7}, ParentKey::kOwn,
       "Melodic minor"},
      {"Major pentatonic", "major pentatonic", {R, M2, M3, P5, M6}, ParentKey::kMajor},
      {"Minor pentatonic", "minor pentatonic", {R, m3, P4, P5, m7}, ParentKey::kMinor},
      {"Blues", "blues", {R, m3, P4, d5, P5, m7}, ParentKey::kMinor},
      {"Whole tone", "whole tone", {R, M2, M3, A4, A5, m7}, ParentKey::kOwn},
      // The ♭3 of the half-whole scale is its raised ninth, written as the
      // minor third guitarists read; the whole-half scale keeps both ♭6 and 6.
      {"Diminished half-whole", "half-whole diminished", {R, m2, m3, M3, A4, P5, M6, m7},
       ParentKey::kOwn},
      {"Diminished whole-half", "whole-half diminished", {R, M2, m3, P4, d5, m6, M6, M7},
       ParentKey::kOwn},
      // The degrees of the black keys here are the usual ones; KeySpelling
      // replaces ♯4/♭5 and ♯5/♭6 by the ♯/♭ preference.
      {"Chromatic (all notes)", "chromatic", {R, m2, M2, m3, M3, P4, A4, P5, m6, M6, m7, M7},
       ParentKey::kOwn, {}, true},
  };
}

struct ChordRow {
  std::string_view name;
  std::string_view symbol;
  std::vector<Degree> degrees;
  std::string_view mainWindowText;  // empty: the Practice window's alone
};

// As ScaleRows, for the main window's arpeggio and chord lists. Degrees in
// the order of marking and sounding. A sixth chord's fourth tone is the 6;
// the diminished seventh's is the 𝄫7.
std::vector<ChordRow> ChordRows() {
  return {
      {"Major triad", "", {R, M3, P5}, "M(Major)"},
      {"Major 6", "6", {R, M3, P5, M6}, "M6"},
      {"Major 6 \u266D5", "6\u266D5", {R, M3, d5, M6}, "M6b5"},
      {"Major 6 \u266F5", "6\u266F5", {R, M3, A5, M6}, "M6#5"},
      {"Major 7", "maj7", {R, M3, P5, M7}, "M7"},
      {"Major 7 \u266D5", "maj7\u266D5", {R, M3, d5, M7}, "M7b5"},
      {"Major 7 \u266F5", "maj7\u266F5", {R, M3, A5, M7}, "M7#5"},
      {"Dominant 7", "7", {R, M3, P5, m7}, "7"},
      {"Dominant 7 \u266D5", "7\u266D5", {R, M3, d5, m7}, "7b5"},
      {"Dominant 7 \u266F5", "7\u266F5", {R, M3, A5, m7}, "7#5"},
      {"Major 9", "maj9", {R, M3, P5, M7, M9}, "M9"},
      {"Major 9 \u266D5", "maj9\u266D5", {R, M3, d5, M7, M9}, "M9b5"},
      {"Major 9 \u266F5", "maj9\u266F5", {R, M3, A5, M7, M9}, "M9#5"},
      {"Major 11", "maj11", {R, M3, P5, M7, M9, P11}, "M11"},
      {"Major 11 \u266D5", "maj11\u266D5", {R, M3, d5, M7, M9, P11}, "M11b5"},
      {"Major 11 \u266F5", "maj11\u266F5", {R, M3, A5, M7, M9, P11}, "M11#5"},
      {"Minor triad", "m", {R, m3, P5}, "m(minor)"},
      {"Minor 6", "m6", {R, m3, P5, M6}, "m6"},
      {"Minor 6 \u266D5", "m6\u266D5", {R, m3, d5, M6}, "m6b5"},
      {"Minor 6 \u266F5", "m6\u266F5", {R, m3, A5, M6}, "m6#5"},
      {"Minor 7", "m7", {R, m3, P5, m7}, "m7"},
      {"Minor 7 \u266D5", "m7\u266D5", {R, m3, d5, m7}, "m7b5"},
      {"Minor 7 \u266F5", "m7\u266F5", {R, m3, A5, m7}, "m7#5"},
      {"Minor 9", "m9", {R, m3, P5, m7, M9}, "m9"},
      {"Minor 9 \u266D5", "m9\u266D5", {R, m3, d5, m7, M9}, "m9b5"},
      {"Minor 9 \u266F5", "m9\u266F5", {R, m3, A5, m7, M9}, "m9#5"},
      {"Minor 11", "m11", {R, m3, P5, m7, M9, P11}, "m11"},
      {"Minor 11 \u266D5", "m11\u266D5", {R, m3, d5, m7, M9, P11}, "m11b5"},
      {"Minor 11 \u266F5", "m11\u266F5", {R, m3, A5, m7, M9, P11}, "m11#5"},
      {"Diminished triad", "dim", {R, m3, d5}, "dim"},
      {"Diminished 7", "dim7", {R, m3, d5, d7}, "dim7"},
      {"Half-diminished 7", "\u00F87", {R, m3, d5, m7}, "half dim7"},
      {"Augmented triad", "aug", {R, M3, A5}, "Aug"},
      // The added ninth, not a major seventh.
      {"Augmented add 9", "aug(add9)", {R, M3, A5, M9}, "Aug add9"},
  };
}

// Numbers the rows marked for the main window in their order.
std::vector<CatalogueEntry> Numbered(std::vector<CatalogueEntry> entries) {
  int row = 0;
  for (CatalogueEntry& e : entries) e.mainWindowRow = e.mainWindowText.empty() ? -1 : row++;
  return entries;
}

// A chord borrows the letters of the minor key when its third is minor.
std::vector<CatalogueEntry> MakeChords() {
  std::vector<CatalogueEntry> chords;
  for (ChordRow& row : ChordRows()) {
    const bool minor = row.degrees.size() > 1 && row.degrees[1] == m3;
    chords.push_back({row.name, row.symbol, std::move(row.degrees),
                      minor ? ParentKey::kMinor : ParentKey::kMajor, row.mainWindowText});
  }
  return Numbered(std::move(chords));
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
  static const std::vector<CatalogueEntry> scales = Numbered(ScaleRows());
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
    const std::string_view text = entries[i].mainWindowText;
    if (text.empty()) continue;
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
