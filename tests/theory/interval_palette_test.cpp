// The interval palette as eyes with and without the common colour-vision
// deficiencies see it: any two degrees that the neck can show together, of
// different sounds, differ by shape or by a CIEDE2000 difference of at least
// 10 under normal vision and each simulated deficiency. "Together" is every
// scale and chord of the catalogue on every root, spelled both ways, and
// every chord the chord lab can name.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/colour_vision.h"
#include "theory/chord_name.h"
#include "theory/key_spelling.h"

namespace fretlab::testing {
namespace {

constexpr double kLeastDifference = 10;

// Root, natural and altered marks are told apart by their rings whatever
// the colours; ♭ and ♯ marks are held to colour alone, the stricter test.
int ShapeClass(Degree d) {
  switch (ShapeOf(d)) {
    case IntervalShape::kRoot: return 0;
    case IntervalShape::kNatural: return 1;
    case IntervalShape::kLowered:
    case IntervalShape::kRaised: break;
  }
  return 2;
}

using Shown = std::vector<Degree>;

std::vector<Shown> CatalogueViews() {
  std::vector<Shown> views;
  std::vector<SpelledNote> roots;
  for (int letter = 0; letter < kLetterCount; ++letter) {
    for (int accidental = -1; accidental <= 1; ++accidental) roots.push_back({letter, accidental});
  }
  for (ChoiceKind kind : {ChoiceKind::kScale, ChoiceKind::kChord}) {
    for (const CatalogueEntry& entry : EntriesOf(kind)) {
      for (Accidentals preference : {Accidentals::kSharps, Accidentals::kFlats}) {
        for (const SpelledNote& root : roots) {
          const KeySpelling key(root, entry, preference);
          Shown shown;
          for (int i = 0; i < key.Size(); ++i) shown.push_back(key.DegreeAt(i));
          views.push_back(shown);
        }
      }
    }
  }
  return views;
}

// Every set of three or more pitch classes over C, with each of them in the
// bass, named as the chord lab names it.
std::vector<Shown> ChordLabViews() {
  std::vector<Shown> views;
  for (unsigned set = 1; set < 4096; set += 2) {
    if (std::popcount(set) < 3) continue;
    for (int bass = 0; bass < 12; ++bass) {
      if (!((set >> bass) & 1u)) continue;
      std::vector<NoteNumber> notes = {48 + bass};
      for (int pc = 0; pc < 12; ++pc) {
        if ((set >> pc) & 1u) notes.push_back(60 + pc);
      }
      const ChordName name = NameChord(notes);
      Shown shown;
      for (NoteNumber n : notes) shown.push_back(name.Best().DegreeOf(PitchClass(n)));
      views.push_back(shown);
    }
  }
  return views;
}

struct Closest {
  double difference = 1e9;
  std::string pair;
};

TEST(IntervalPalette, DegreesShownTogetherStayApartInEveryVision) {
  std::vector<Shown> views = CatalogueViews();
  for (Shown& s : ChordLabViews()) views.push_back(std::move(s));
  ASSERT_GT(views.size(), 10000u);
  std::map<Vision, Closest> sameShape;  // pairs that only colour tells apart
  Closest anyShape;                      // all pairs, normal vision
  std::set<std::string> checked;
  for (const Shown& shown : views) {
    for (const Degree& x : shown) {
      for (const Degree& y : shown) {
        if (x.Semitones() == y.Semitones()) continue;  // one position, one sound
        const std::string pair = IntervalLabel(x) + " / " + IntervalLabel(y);
        if (!checked.insert(pair).second) continue;
        const double normal = SeenDifference(IntervalColour(x), IntervalColour(y), Vision::kNormal);
        if (normal < anyShape.difference) anyShape = {normal, pair};
        EXPECT_GE(normal, kLeastDifference) << pair;
        if (ShapeClass(x) != ShapeClass(y)) continue;
        for (Vision v : kVisions) {
          const double d = SeenDifference(IntervalColour(x), IntervalColour(y), v);
          EXPECT_GE(d, kLeastDifference) << pair << " as a " << VisionName(v) << " eye sees them";
          if (d < sameShape[v].difference) sameShape[v] = {d, pair};
        }
      }
    }
  }
  // The figures the README gives.
  std::cout << "closest pair of the same shape:";
  for (Vision v : kVisions) {
    std::cout << " " << VisionName(v) << " " << sameShape[v].difference << " (" << sameShape[v].pair
              << ")";
  }
  std::cout << "; closest of any shape, normal vision " << anyShape.difference << " ("
            << anyShape.pair << ")\n";
  EXPECT_TRUE(checked.count("\u266D3 / 3"));  // the pairs the issue names were among them
  EXPECT_TRUE(checked.count("\u266D5 / 5"));
  EXPECT_TRUE(checked.count("\u266F4 / 4"));
}

TEST(IntervalPalette, AlteredDegreesNeverWearTheirNeighboursColourOrShape) {
  const std::pair<Degree, Degree> neighbours[] = {
      {{5, -1}, {5, 0}}, {{3, -1}, {3, 0}}, {{6, -1}, {6, 0}}, {{7, -1}, {7, 0}},
      {{4, 1}, {4, 0}},  {{2, -1}, {2, 0}}, {{5, 1}, {5, 0}},  {{7, -2}, {7, 0}},
      {{9, -1}, {9, 0}}, {{9, 1}, {9, 0}},  {{11, 1}, {11, 0}}, {{13, -1}, {13, 0}},
  };
  for (const auto& [altered, natural] : neighbours) {
    const std::string pair = IntervalLabel(altered) + " / " + IntervalLabel(natural);
    EXPECT_NE(IntervalColour(altered), IntervalColour(natural)) << pair;
    EXPECT_NE(ShapeOf(altered), ShapeOf(natural)) << pair;
    EXPECT_GE(SeenDifference(IntervalColour(altered), IntervalColour(natural), Vision::kNormal),
              kLeastDifference)
        << pair;
  }
}

}  // namespace
}  // namespace fretlab::testing
