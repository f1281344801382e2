// The strings field of the drills: numbers and ranges counted from the
// thinnest string, within the strings the tuning has.

#include "practice/string_set.h"

#include <gtest/gtest.h>

#include "theory/neck_positions.h"

namespace fretlab::practice {
namespace {

TEST(StringSet, NumbersAndRangesFromTheThinnestString) {
  EXPECT_EQ(ParseStringSet("", 6), kAllStrings);
  EXPECT_EQ(ParseStringSet(" all ", 6), kAllStrings);
  EXPECT_EQ(ParseStringSet("ALL", 6), kAllStrings);
  EXPECT_EQ(ParseStringSet("1-3", 6), 0b111u);
  EXPECT_EQ(ParseStringSet("2, 4–5", 6), 0b11010u);
  EXPECT_EQ(ParseStringSet(" 1 - 2 ,6", 6), 0b100011u);
  EXPECT_EQ(ParseStringSet("7", 7), 0b1000000u);
  EXPECT_EQ(ParseStringSet("8", 8), 0b10000000u);
}

TEST(StringSet, WhatCannotBeReadOrIsNotOnTheNeckIsRefused) {
  EXPECT_FALSE(ParseStringSet("7", 6));
  EXPECT_FALSE(ParseStringSet("0", 6));
  EXPECT_FALSE(ParseStringSet("3-1", 6));
  EXPECT_FALSE(ParseStringSet("1-", 6));
  EXPECT_FALSE(ParseStringSet("-1", 6));
  EXPECT_FALSE(ParseStringSet("one", 6));
  EXPECT_FALSE(ParseStringSet("1,,2", 6));
  EXPECT_FALSE(ParseStringSet("1,", 6));
  EXPECT_FALSE(ParseStringSet("1 2", 6));
  EXPECT_FALSE(ParseStringSet("1-2-3", 6));
  EXPECT_FALSE(ParseStringSet("99999999999999999999", 6));
  EXPECT_FALSE(ParseStringSet("4294967297", 6)) << "no wrap-around to string 1";
  EXPECT_FALSE(ParseStringSet("allx", 6));
}

}  // namespace
}  // namespace fretlab::practice
