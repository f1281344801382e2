// Interval and degree labels, their spoken names and their colours.

#include "theory/intervals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

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
  const std::set<std::string> expected = {"R",  "b2", "2", "b3", "3",  "4",  "#4", "b5", "5",
                                          "#5", "b6", "6", "b7", "7",  "bb7", "9", "11"};
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

TEST(Intervals, ColoursFollowTheSoundWithADistinctRoot) {
  const Rgb root = IntervalColour({1, 0});
  std::set<std::tuple<int, int, int>> naturals;
  for (int number : {2, 3, 4, 5, 6, 7}) {
    for (int alteration = -2; alteration <= 2; ++alteration) {
      const Degree d{number, alteration};
      EXPECT_NE(IntervalColour(d), root) << DegreeLabel(d);
      if (alteration != 0) {
        EXPECT_NE(IntervalColour(d), IntervalColour({number, 0})) << DegreeLabel(d);
      }
    }
    const Rgb c = IntervalColour({number, 0});
    naturals.insert({c.red, c.green, c.blue});
  }
  EXPECT_EQ(naturals.size(), 6u);  // six numbers, six colours
  EXPECT_EQ(IntervalColour({9, 0}), IntervalColour({2, 0}));
  EXPECT_EQ(IntervalColour({11, 0}), IntervalColour({4, 0}));
  EXPECT_EQ(IntervalColour({13, 0}), IntervalColour({6, 0}));
  EXPECT_NE(IntervalColour({1, 1}), root);  // an altered unison is not the root
  // An altered degree takes the colour of its sound, whatever its spelling.
  EXPECT_EQ(IntervalColour({4, 1}), IntervalColour({5, -1}));
  EXPECT_EQ(IntervalColour({9, 1}), IntervalColour({3, -1}));
  EXPECT_EQ(IntervalColour({9, -1}), IntervalColour({2, -1}));
  EXPECT_EQ(IntervalColour({13, -1}), IntervalColour({5, 1}));
  EXPECT_EQ(IntervalColour({11, 1}), IntervalColour({4, 1}));
}

TEST(Intervals, ShapesMarkTheRootAndTheDirectionOfAnAlteration) {
  EXPECT_EQ(ShapeOf({1, 0}), IntervalShape::kRoot);
  EXPECT_EQ(ShapeOf({5, 0}), IntervalShape::kNatural);
  EXPECT_EQ(ShapeOf({9, 0}), IntervalShape::kNatural);
  EXPECT_EQ(ShapeOf({3, -1}), IntervalShape::kLowered);
  EXPECT_EQ(ShapeOf({7, -2}), IntervalShape::kLowered);
  EXPECT_EQ(ShapeOf({4, 1}), IntervalShape::kRaised);
  EXPECT_EQ(ShapeOf({1, 1}), IntervalShape::kRaised);
}

TEST(Intervals, ShortNamesGiveEachIntervalItsQuality) {
  const std::pair<Degree, const char*> names[] = {
      {{1, 0}, "R"},   {{2, -1}, "m2"}, {{2, 0}, "M2"},   {{3, -1}, "m3"},  {{3, 0}, "M3"},
      {{4, 0}, "P4"},  {{4, 1}, "A4"},  {{5, -1}, "d5"},  {{5, 0}, "P5"},   {{5, 1}, "A5"},
      {{6, -1}, "m6"}, {{6, 0}, "M6"},  {{7, -2}, "d7"},  {{7, -1}, "m7"},  {{7, 0}, "M7"},
      {{9, -1}, "m9"}, {{9, 0}, "M9"},  {{9, 1}, "A9"},   {{11, 0}, "P11"}, {{11, 1}, "A11"},
      {{13, -1}, "m13"}, {{13, 0}, "M13"}, {{2, 1}, "A2"}, {{1, 1}, "A1"},  {{4, -1}, "d4"},
      {{5, -2}, "dd5"}, {{4, 2}, "AA4"}, {{3, -2}, "d3"},
  };
  for (const auto& [degree, name] : names) {
    EXPECT_EQ(IntervalShortName(degree), name) << IntervalName(degree);
  }
}

TEST(Intervals, LabelTextStandsOutFromItsColour) {
  std::vector<Degree> shown;
  for (ChoiceKind kind : {ChoiceKind::kScale, ChoiceKind::kChord}) {
    for (const CatalogueEntry& e : EntriesOf(kind)) shown.insert(shown.end(), e.degrees.begin(), e.degrees.end());
  }
  shown.insert(shown.end(), {{9, -1}, {9, 1}, {11, 1}, {13, -1}, {4, 1}});
  for (const Degree& d : shown) {
    const double a = Luminance(IntervalColour(d)), b = Luminance(IntervalTextColour(d));
    const double contrast = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
    EXPECT_GE(contrast, 3.0) << DegreeLabel(d);  // WCAG's figure for large text
  }
}

}  // namespace
}  // namespace fretlab
