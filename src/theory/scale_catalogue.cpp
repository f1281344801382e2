#include "theory/scale_catalogue.h"

#include <algorithm>
#include <utility>

#include "theory/catalogue_rows.h"

namespace fretlab {

namespace {

// Numbers the rows marked for the main window in their order.
std::vector<CatalogueEntry> Numbered(std::vector<CatalogueEntry> entries) {
  int row = 0;
  for (CatalogueEntry& e : entries) e.mainWindowRow = e.mainWindowText.empty() ? -1 : row++;
  return entries;
}

// A chord borrows the letters of the minor key when its third is minor.
std::vector<CatalogueEntry> MakeChords() {
  std::vector<CatalogueEntry> chords;
  for (catalogue_rows::ChordRow& row : catalogue_rows::ChordRows()) {
    const bool minor = row.degrees.size() > 1 && row.degrees[1] == catalogue_rows::m3;
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
  static const std::vector<CatalogueEntry> scales = Numbered(catalogue_rows::ScaleRows());
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
