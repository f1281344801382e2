#pragma once
// The main window's vocabulary: roots, scales and chord formulas with the
// texts its lists show. The scales and chord formulas are the catalogue's
// rows marked for the main window (scale_catalogue.h), in the catalogue's
// order, as steps in semitones. A choice is always its row index in these
// tables, which is also its row in the window's list. Filled in before
// main() runs.

#include <array>
#include <string_view>

namespace fretlab {

inline constexpr int kRootCount = 12;
inline constexpr int kScaleCount = 9;
inline constexpr int kModeCount = 7;  // scales 0..6, "Lydian" to "Locrian"
inline constexpr int kChordFormulaCount = 34;
inline constexpr int kTableColumns = 7;
inline constexpr int kFretListCount = 26;  // "0".."24" and one empty entry
inline constexpr int NoTone = 13;          // a chord formula column without a tone

using TableRow = std::array<int, kTableColumns>;

// Steps in semitones above the root, 0..11.
extern const std::array<TableRow, kScaleCount> ScaleTable;
// Steps 0..11 filled from the left, NoTone in the remaining columns. Ninths
// are folded to 2 and elevenths to 5; the expansion spreads every step over
// five octaves anyway. Column order is the order of marking and sounding.
extern const std::array<TableRow, kChordFormulaCount> ChordFormulaTable;

// "C", "C#/Db", ...: a black key by both its names.
extern const std::array<std::string_view, kRootCount> kRootTexts;
extern const std::array<std::string_view, kScaleCount> kScaleTexts;
extern const std::array<std::string_view, kChordFormulaCount> kChordTexts;
extern const std::array<std::string_view, kFretListCount> kFretTexts;

}  // namespace fretlab
