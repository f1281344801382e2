#pragma once
// The chord under construction, the string cursor and the two sequence
// tables are static storage that a run of the program starts with all zeros;
// tests that touch them start from there and leave them so.

#include <gtest/gtest.h>

#include <cstring>

#include "sequence/chord_sequence.h"
#include "theory/show.h"

namespace fretlab::testing {

inline void ResetChordState() {
  g_currentChord.fill(0);
  g_stringCursor = 0;
}

inline void ResetSequenceTables() {
  std::memset(g_chordRows, 0, sizeof g_chordRows);
  std::memset(g_fretRows, 0, sizeof g_fretRows);
}

// Zeroes the chord state before and after each test.
class ChordStateTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetChordState(); }
  void TearDown() override { ResetChordState(); }
};

}  // namespace fretlab::testing
