#pragma once
// The musical vocabulary: roots, scales and chord formulas with the texts the
// window lists them under. A choice is always its row index in these tables,
// which is also its row in the window's list.

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

// Steps in semitones above the root, 0..11.
extern const int ScaleTable[kScaleCount][kTableColumns];
// Steps 0..11 filled from the left, NoTone in the remaining columns.
extern const int ChordFormulaTable[kChordFormulaCount][kTableColumns];

extern const std::array<std::string_view, kRootCount> kRootTexts;
extern const std::array<std::string_view, kScaleCount> kScaleTexts;
extern const std::array<std::string_view, kChordFormulaCount> kChordTexts;
extern const std::array<std::string_view, kFretListCount> kFretTexts;

}  // namespace fretlab
