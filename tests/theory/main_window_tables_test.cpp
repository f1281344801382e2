// The main window's tables as they stood when they were written out by hand,
// before they were read from the catalogue: every step and every list text,
// byte for byte, and only the catalogue's marked rows reaching them.

#include "theory/tables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <span>
#include <string>
#include <tuple>

#include "theory/scale_catalogue.h"

namespace fretlab {
namespace {

constexpr int N = 13;  // no tone

// Copied from the hand-written tables, column for column.
constexpr int kScaleSteps[9][7] = {
    {0, 2, 4, 6, 7, 9, 11}, {0, 2, 4, 5, 7, 9, 11}, {0, 2, 4, 5, 7, 9, 10},
    {0, 2, 3, 5, 7, 9, 10}, {0, 2, 3, 5, 7, 8, 10}, {0, 1, 3, 5, 7, 8, 10},
    {0, 1, 3, 5, 6, 8, 10}, {0, 2, 3, 5, 7, 8, 11}, {0, 2, 3, 5, 7, 9, 11},
};

constexpr int kChordSteps[34][7] = {
    {0, 4, 7, N, N, N, N},  {0, 4, 7, 9, N, N, N},  {0, 4, 6, 9, N, N, N},
    {0, 4, 8, 9, N, N, N},  {0, 4, 7, 11, N, N, N}, {0, 4, 6, 11, N, N, N},
    {0, 4, 8, 11, N, N, N}, {0, 4, 7, 10, N, N, N}, {0, 4, 6, 10, N, N, N},
    {0, 4, 8, 10, N, N, N}, {0, 4, 7, 11, 2, N, N}, {0, 4, 6, 11, 2, N, N},
    {0, 4, 8, 11, 2, N, N}, {0, 4, 7, 11, 2, 5, N}, {0, 4, 6, 11, 2, 5, N},
    {0, 4, 8, 11, 2, 5, N}, {0, 3, 7, N, N, N, N},  {0, 3, 7, 9, N, N, N},
    {0, 3, 6, 9, N, N, N},  {0, 3, 8, 9, N, N, N},  {0, 3, 7, 10, N, N, N},
    {0, 3, 6, 10, N, N, N}, {0, 3, 8, 10, N, N, N}, {0, 3, 7, 10, 2, N, N},
    {0, 3, 6, 10, 2, N, N}, {0, 3, 8, 10, 2, N, N}, {0, 3, 7, 10, 2, 5, N},
    {0, 3, 6, 10, 2, 5, N}, {0, 3, 8, 10, 2, 5, N}, {0, 3, 6, N, N, N, N},
    {0, 3, 6, 9, N, N, N},  {0, 3, 6, 10, N, N, N}, {0, 4, 8, N, N, N, N},
    {0, 4, 8, 2, N, N, N},
};

// Each list's texts joined by '|', so that a blank at the end of a text shows.
constexpr const char* kRootBytes = "C|C#/Db|D|D#/Eb|E|F|F#/Gb|G|G#/Ab|A|A#/Bb|B";
constexpr const char* kScaleBytes =
    "Lydian|MAJOR (Ionian)|Mixolydian|Dorian |minor (Aeolian) |Phrygian|Locrian|"
    "Harmonic minor|Melodic minor";
constexpr const char* kChordBytes =
    "M(Major)|M6|M6b5|M6#5|M7|M7b5|M7#5|7|7b5|7#5|M9|M9b5|M9#5|M11|M11b5|M11#5|"
    "m(minor)|m6|m6b5|m6#5|m7|m7b5|m7#5|m9|m9b5|m9#5|m11|m11b5|m11#5|"
    "dim|dim7|half dim7|Aug|Aug add9";
constexpr const char* kFretBytes =
    "0|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20|21|22|23|24|";

template <std::size_t M>
std::string Joined(const std::array<std::string_view, M>& texts) {
  std::string joined;
  for (std::size_t i = 0; i < M; ++i) {
    if (i > 0) joined += '|';
    joined += texts[i];
  }
  return joined;
}

TEST(MainWindowTables, StepsAsTheyWereWrittenOut) {
  static_assert(sizeof(ScaleTable) == sizeof(kScaleSteps));
  static_assert(sizeof(ChordFormulaTable) == sizeof(kChordSteps));
  for (int row = 0; row < 9; ++row) {
    for (int c = 0; c < 7; ++c) {
      EXPECT_EQ(ScaleTable[row][c], kScaleSteps[row][c]) << "scale " << row << " column " << c;
    }
  }
  for (int row = 0; row < 34; ++row) {
    for (int c = 0; c < 7; ++c) {
      EXPECT_EQ(ChordFormulaTable[row][c], kChordSteps[row][c])
          << "chord " << row << " column " << c;
    }
  }
  EXPECT_EQ(std::memcmp(ScaleTable.data(), kScaleSteps, sizeof kScaleSteps), 0);
  EXPECT_EQ(std::memcmp(ChordFormulaTable.data(), kChordSteps, sizeof kChordSteps), 0);
}

TEST(MainWindowTables, ListTextsByteForByte) {
  EXPECT_EQ(Joined(kRootTexts), kRootBytes);
  EXPECT_EQ(Joined(kScaleTexts), kScaleBytes);
  EXPECT_EQ(Joined(kChordTexts), kChordBytes);
  EXPECT_EQ(Joined(kFretTexts), kFretBytes);
  // The joined form cannot tell "a|" from "a" + "|": the sizes can.
  std::size_t scaleBytes = 0, chordBytes = 0;
  for (std::string_view t : kScaleTexts) scaleBytes += t.size();
  for (std::string_view t : kChordTexts) chordBytes += t.size();
  EXPECT_EQ(scaleBytes, std::strlen(kScaleBytes) - 8);
  EXPECT_EQ(chordBytes, std::strlen(kChordBytes) - 33);
}

// Only the marked rows reach the main window, numbered in catalogue order;
// every other row is the Practice window's alone.
TEST(MainWindowTables, OnlyTheCataloguesMarkedRowsReachThem) {
  for (const auto& [entries, count, texts] :
       {std::tuple(Scales(), kScaleCount, std::span<const std::string_view>(kScaleTexts)),
        std::tuple(ChordFormulas(), kChordFormulaCount,
                   std::span<const std::string_view>(kChordTexts))}) {
    int next = 0;
    for (const CatalogueEntry& e : entries) {
      if (e.mainWindowText.empty()) {
        EXPECT_EQ(e.mainWindowRow, -1) << e.name;
        continue;
      }
      EXPECT_EQ(e.mainWindowRow, next) << e.name;
      ASSERT_LT(next, count) << e.name;
      EXPECT_EQ(texts[next], e.mainWindowText);
      EXPECT_LE(e.degrees.size(), static_cast<std::size_t>(kTableColumns)) << e.name;
      ++next;
    }
    EXPECT_EQ(next, count);
  }
  int practiceOnly = 0;
  for (const CatalogueEntry& e : Scales()) practiceOnly += e.mainWindowText.empty();
  EXPECT_EQ(practiceOnly, 57);
}

}  // namespace
}  // namespace fretlab
