// The lists' vocabulary: every row's steps and every text, letter for letter.

#include "theory/tables.h"

#include <gtest/gtest.h>

#include <string>

#include "theory/written_tables.h"

namespace fretlab {
namespace {

using testing::kWrittenChords;
using testing::kWrittenRoots;
using testing::kWrittenScales;

TEST(Tables, Sizes) {
  EXPECT_EQ(kRootCount, 12);
  EXPECT_EQ(kScaleCount, 9);
  EXPECT_EQ(kChordFormulaCount, 34);
  EXPECT_EQ(kTableColumns, 7);
  EXPECT_EQ(kFretListCount, 26);
  EXPECT_EQ(NoTone, 13);
}

TEST(Tables, RootTexts) {
  for (int r = 0; r < 12; ++r) EXPECT_EQ(kRootTexts[r], kWrittenRoots[r]) << "root " << r;
}

class ScaleRow : public ::testing::TestWithParam<int> {};

TEST_P(ScaleRow, TextAndSevenStepsAsWritten) {
  const int row = GetParam();
  EXPECT_EQ(kScaleTexts[row], kWrittenScales[row].text);
  ASSERT_EQ(kWrittenScales[row].steps.size(), 7u);
  for (int c = 0; c < 7; ++c) {
    EXPECT_EQ(ScaleTable[row][c], kWrittenScales[row].steps[c]) << "column " << c;
  }
}

INSTANTIATE_TEST_SUITE_P(AllScales, ScaleRow, ::testing::Range(0, 9));

class ChordRow : public ::testing::TestWithParam<int> {};

TEST_P(ChordRow, TextAndStepsAsWrittenThenNoTone) {
  const int row = GetParam();
  const auto& written = kWrittenChords[row];
  EXPECT_EQ(kChordTexts[row], written.text);
  const int tones = static_cast<int>(written.steps.size());
  ASSERT_GE(tones, 3);
  ASSERT_LE(tones, 6);
  for (int c = 0; c < 7; ++c) {
    const int expected = c < tones ? written.steps[c] : 13;
    EXPECT_EQ(ChordFormulaTable[row][c], expected) << "column " << c;
  }
}

INSTANTIATE_TEST_SUITE_P(AllChordFormulas, ChordRow, ::testing::Range(0, 34));

TEST(Tables, AugAdd9HoldsTheNinthNotAMajorSeventh) {
  EXPECT_EQ(kChordTexts[33], "Aug add9");
  const int expected[7] = {0, 4, 8, 2, 13, 13, 13};
  for (int c = 0; c < 7; ++c) EXPECT_EQ(ChordFormulaTable[33][c], expected[c]);
  for (int c = 0; c < 7; ++c) EXPECT_NE(ChordFormulaTable[33][c], 11);
}

TEST(Tables, TextsWithTrailingBlanksAndCase) {
  EXPECT_EQ(kScaleTexts[3], std::string_view("Dorian "));
  EXPECT_EQ(kScaleTexts[3].size(), 7u);
  EXPECT_EQ(kScaleTexts[4], std::string_view("minor (Aeolian) "));
  EXPECT_EQ(kScaleTexts[4].size(), 16u);
  EXPECT_EQ(kChordTexts[31], std::string_view("half dim7"));
}

TEST(Tables, FretTextsAreZeroToTwentyFourThenEmpty) {
  for (int i = 0; i <= 24; ++i) EXPECT_EQ(kFretTexts[i], std::to_string(i)) << "index " << i;
  EXPECT_EQ(kFretTexts[25], "");
}

}  // namespace
}  // namespace fretlab
