// Interval and degree labels, their spoken names and their colours.

#include "theory/intervals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "theory/scale_catalogue.h"

namespace fretlab {
namespace {

TEST(Intervals, SemitonesAndLetters) {
  EXPECT_EQ((Degree{1, 0}).Semitones(), 0);
  EXPECT_EQ((Degree{3, -1}).Semitones(), 3);
  EXPECT_EQ((Degree{4, 1}).Semitones(), 6);
  EXPECT_EQ((Degree{5, -1}).Semitones(), 6);
  EXPECT_EQ((Degree{7, -2}).Semitones(), 9);
  EXPECT_EQ((Degree{9, 0}).Semitones(), 2);
  EXPECT_EQ((Degree{11, 0}).Semitones(), 5);
  EXPECT_EQ((Degree{2, -1}).Semitones(), 1);
  EXPECT_EQ((Degree{9, 0}).LetterSteps(), 1);
  EXPECT_EQ((Degree{11, 0}).LetterSteps(), 3);
}

TEST(Intervals, LabelsOfEveryCatalogueDegree) {
  std::set<std::string> labels;
  for (ChoiceKind kind : {ChoiceKind::kScale, ChoiceKind::kChord}) {
    for (const CatalogueEntry& e : EntriesOf(kind)) {
      for (const Degree& d : e.degrees) labels.insert(IntervalLabel(d, SignStyle::kAscii));
    }
  }
  const std::set<std::string> expected = {"R",  "b2", "2",  "#2", "b3", "3",  "b4",  "4",
                                          "#4", "b5", "5",  "#5", "b6", "6",  "#6",  "b7",
                                          "7",  "bb7", "b9", "9", "#9", "11", "#11", "b13",
                                          "13"};
  EXPECT_EQ(labels, expected);
  EXPECT_EQ(IntervalLabel({3, -1}), "\u266D3");
  EXPECT_EQ(IntervalLabel({4, 1}), "\u266F4");
  EXPECT_EQ(DegreeLabel({1, 0}), "1");
  EXPECT_EQ(DegreeLabel({3, -1}), "\u266D3");
  EXPECT_EQ(IntervalLabel({1, 0}), "R");
}

TEST(Intervals, SpokenNames) {
  EXPECT_EQ(IntervalName({1, 0}), "root");
  EXPECT_EQ(IntervalName({3, -1}), "minor third");
  EXPECT_EQ(IntervalName({3, 0}), "major third");
  EXPECT_EQ(IntervalName({4, 0}), "perfect fourth");
  EXPECT_EQ(IntervalName({4, 1}), "augmented fourth");
  EXPECT_EQ(IntervalName({5, -1}), "diminished fifth");
  EXPECT_EQ(IntervalName({5, 1}), "augmented fifth");
  EXPECT_EQ(IntervalName({7, -2}), "diminished seventh");
  EXPECT_EQ(IntervalName({7, -1}), "minor seventh");
  EXPECT_EQ(IntervalName({9, 0}), "major ninth");
  EXPECT_EQ(IntervalName({11, 0}), "perfect eleventh");
}

double Luminance(Rgb c) {
  auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red) + 0.7152 * channel(c.green) + 0.0722 * channel(c.blue);
}

TEST(Intervals, ColoursGroupByDegreeWithADistinctRoot) {
  const Rgb root = IntervalColour({1, 0});
  std::set<std::tuple<int, int, int>> perNumber;
  for (int number : {2, 3, 4, 5, 6, 7}) {
    for (int alteration = -2; alteration <= 2; ++alteration) {
      const Degree d{number, alteration};
      EXPECT_NE(IntervalColour(d), root) << DegreeLabel(d);
      EXPECT_EQ(IntervalColour(d), IntervalColour({number, 0})) << DegreeLabel(d);
    }
    const Rgb c = IntervalColour({number, 0});
    perNumber.insert({c.red, c.green, c.blue});
  }
  EXPECT_EQ(perNumber.size(), 6u);  // six numbers, six colours
  EXPECT_EQ(IntervalColour({9, 0}), IntervalColour({2, 0}));
  EXPECT_EQ(IntervalColour({11, 0}), IntervalColour({4, 0}));
  EXPECT_NE(IntervalColour({1, 1}), root);  // an altered unison is not the root
}

TEST(Intervals, LabelTextStandsOutFromItsColour) {
  for (int number : {1, 2, 3, 4, 5, 6, 7}) {
    const Degree d{number, 0};
    const double a = Luminance(IntervalColour(d)), b = Luminance(IntervalTextColour(d));
    const double contrast = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
    EXPECT_GE(contrast, 3.0) << DegreeLabel(d);  // WCAG's figure for large text
  }
}

}  // namespace
}  // namespace fretlab
