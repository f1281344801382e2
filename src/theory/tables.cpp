#include "theory/tables.h"

#include <span>
#include <string>

#include "theory/scale_catalogue.h"

namespace fretlab {

namespace {

// The steps of the catalogue's rows marked for the main window, in order.
template <std::size_t N>
std::array<TableRow, N> MarkedSteps(std::span<const CatalogueEntry> entries) {
  std::array<TableRow, N> table{};
  for (const CatalogueEntry& e : entries) {
    if (e.mainWindowRow < 0 || e.mainWindowRow >= static_cast<int>(N)) continue;
    TableRow& row = table[e.mainWindowRow];
    row.fill(NoTone);
    const std::vector<int> steps = e.Steps();
    for (std::size_t c = 0; c < steps.size() && c < row.size(); ++c) row[c] = steps[c];
  }
  return table;
}

template <std::size_t N>
std::array<std::string_view, N> MarkedTexts(std::span<const CatalogueEntry> entries) {
  std::array<std::string_view, N> texts{};
  for (const CatalogueEntry& e : entries) {
    if (e.mainWindowRow >= 0 && e.mainWindowRow < static_cast<int>(N)) {
      texts[e.mainWindowRow] = e.mainWindowText;
    }
  }
  return texts;
}

std::array<std::string_view, kRootCount> RootTexts() {
  static const std::array<std::string, kRootCount> texts = [] {
    std::array<std::string, kRootCount> t;
    for (int pc = 0; pc < kRootCount; ++pc) {
      const SpelledNote sharp = SpellPitchClass(pc, Accidentals::kSharps);
      const SpelledNote flat = SpellPitchClass(pc, Accidentals::kFlats);
      t[pc] = NoteName(sharp, SignStyle::kAscii);
      if (!(sharp == flat)) t[pc] += "/" + NoteName(flat, SignStyle::kAscii);
    }
    return t;
  }();
  std::array<std::string_view, kRootCount> views;
  for (int pc = 0; pc < kRootCount; ++pc) views[pc] = texts[pc];
  return views;
}

}  // namespace

const std::array<TableRow, kScaleCount> ScaleTable = MarkedSteps<kScaleCount>(Scales());
const std::array<TableRow, kChordFormulaCount> ChordFormulaTable =
    MarkedSteps<kChordFormulaCount>(ChordFormulas());

const std::array<std::string_view, kRootCount> kRootTexts = RootTexts();
const std::array<std::string_view, kScaleCount> kScaleTexts = MarkedTexts<kScaleCount>(Scales());
const std::array<std::string_view, kChordFormulaCount> kChordTexts =
    MarkedTexts<kChordFormulaCount>(ChordFormulas());

// Index = FretIndex; the last entry is empty. Upper bounds 24 and 25 admit
// every fret up to 23, lower bounds 24 and 25 admit none.
const std::array<std::string_view, kFretListCount> kFretTexts = {
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12",
    "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "",
};

}  // namespace fretlab
