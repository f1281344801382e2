// Which positions of a neck in any tuning a choice marks: capo, fret range
// and string set filter them; notes and pitch classes are found exactly.

#include "theory/neck_positions.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace fretlab {
namespace {

const Tuning& Standard() {
  static const Tuning t = *FindPresetTuning("Standard");
  return t;
}

TEST(NeckPositions, WholeNeckHasTwentyFivePositionsPerString) {
  for (const Tuning& t : PresetTunings()) {
    const auto all = AreaPositions(t, NeckArea{});
    ASSERT_EQ(all.size(), static_cast<std::size_t>(25 * t.StringCount())) << t.name;
    EXPECT_EQ(all.front(), (Position{0, 0}));
    EXPECT_EQ(all.back(), (Position{t.StringCount() - 1, 24}));
  }
}

TEST(NeckPositions, CapoMovesTheNutAndNothingBelowItIsMarked) {
  for (int capo = 0; capo <= kMaxCapo; ++capo) {
    NeckArea area;
    area.capo = capo;
    const auto positions = AreaPositions(Standard(), area);
    EXPECT_EQ(positions.size(), static_cast<std::size_t>(6 * (25 - capo))) << capo;
    for (const Position& p : positions) EXPECT_GE(p.fret, capo);
    const KeySpelling c = KeySpelling::Automatic(0, Scales()[kCatalogueChromatic], Accidentals::kSharps);
    for (const MarkedPosition& m : ChoicePositions(Standard(), area, c)) EXPECT_GE(m.position.fret, capo);
  }
}

TEST(NeckPositions, FretRangeIsInclusiveAndCanBeEmpty) {
  NeckArea area;
  area.frets = {5, 8};
  std::set<int> frets;
  for (const Position& p : AreaPositions(Standard(), area)) frets.insert(p.fret);
  EXPECT_EQ(frets, (std::set<int>{5, 6, 7, 8}));
  area.frets = {8, 5};
  EXPECT_TRUE(AreaPositions(Standard(), area).empty());
  area.frets = {3, 10};
  area.capo = 5;  // the capo cuts into the range
  frets.clear();
  for (const Position& p : AreaPositions(Standard(), area)) frets.insert(p.fret);
  EXPECT_EQ(frets, (std::set<int>{5, 6, 7, 8, 9, 10}));
  area.frets = {0, 30};  // beyond the neck: its last fret
  area.capo = 0;
  EXPECT_EQ(AreaPositions(Standard(), area).size(), 150u);
}

TEST(NeckPositions, StringSetKeepsOnlyItsStrings) {
  NeckArea area;
  area.strings = 0b000111;  // strings 1 to 3 as players count
  std::set<int> strings;
  for (const Position& p : AreaPositions(Standard(), area)) strings.insert(p.string);
  EXPECT_EQ(strings, (std::set<int>{0, 1, 2}));
  area.strings = 0;
  EXPECT_TRUE(AreaPositions(Standard(), area).empty());
}

TEST(NeckPositions, CMajorOverTheWholeStandardNeck) {
  const KeySpelling c = KeySpelling::Automatic(0, Scales()[1], Accidentals::kSharps);
  const auto marked = ChoicePositions(Standard(), NeckArea{}, c);
  // 25 frets per string: two octaves (14 scale notes) and the open note's
  // pitch again at fret 24; every open string of standard tuning is in C major.
  EXPECT_EQ(marked.size(), 90u);
  std::map<int, int> perString;
  for (const MarkedPosition& m : marked) {
    ++perString[m.position.string];
    EXPECT_EQ(m.note, Standard().NoteAt(m.position.string, m.position.fret));
    EXPECT_EQ((c.NoteAt(m.degreeIndex).PitchClass()), m.note % 12);
  }
  for (int s = 0; s < 6; ++s) EXPECT_EQ(perString[s], 15) << s;
  // The roots on the G string (string index 2): frets 5 and 17.
  std::vector<int> roots;
  for (const MarkedPosition& m : marked) {
    if (m.position.string == 2 && m.degreeIndex == 0) roots.push_back(m.position.fret);
  }
  EXPECT_EQ(roots, (std::vector<int>{5, 17}));
}

TEST(NeckPositions, APentatonicOnABassInABox) {
  const Tuning bass = *FindPresetTuning("Bass");
  NeckArea area;
  area.frets = {5, 8};
  const KeySpelling am = KeySpelling::Automatic(9, Scales()[10], Accidentals::kSharps);
  std::vector<Position> where;
  for (const MarkedPosition& m : ChoicePositions(bass, area, am)) where.push_back(m.position);
  // G string (G A C D E G): 5 = C, 7 = D; D string: 5 = G, 7 = A;
  // A string: 5 = D, 7 = E; E string: 5 = A, 8 = C.
  const std::vector<Position> expected = {{0, 5}, {0, 7}, {1, 5}, {1, 7},
                                          {2, 5}, {2, 7}, {3, 5}, {3, 8}};
  EXPECT_EQ(where, expected);
}

TEST(NeckPositions, NotesAndPitchClasses) {
  const std::vector<Position> e4 = {{0, 0}, {1, 5}, {2, 9}, {3, 14}, {4, 19}, {5, 24}};
  EXPECT_EQ(PositionsOfNote(Standard(), NeckArea{}, 64), e4);
  EXPECT_TRUE(PositionsOfNote(Standard(), NeckArea{}, 39).empty());
  EXPECT_EQ(PositionsOfNote(Standard(), NeckArea{}, 40), (std::vector<Position>{{5, 0}}));
  EXPECT_EQ(PositionsOfNote(Standard(), NeckArea{}, 88), (std::vector<Position>{{0, 24}}));
  NeckArea low;
  low.frets = {0, 3};
  // C♯ / D♭ within frets 0..3 lies only on the B string.
  EXPECT_EQ(PositionsOfPitchClass(Standard(), low, 1), (std::vector<Position>{{1, 2}}));
  EXPECT_EQ(PositionsOfPitchClass(Standard(), low, 13), PositionsOfPitchClass(Standard(), low, 1));
  EXPECT_EQ(PositionsOfPitchClass(Standard(), NeckArea{}, 4).size(), 14u);
}

TEST(NeckPositions, DescribedAsPlayersCount) {
  EXPECT_EQ(DescribePosition(Standard(), {2, 5}), "string 3, G string, fret 5");
  EXPECT_EQ(DescribePosition(Standard(), {5, 0}), "string 6, E string, open");
  EXPECT_EQ(DescribePosition(*FindPresetTuning("Half step down"), {1, 1}),
            "string 2, B\u266D string, fret 1");
}

}  // namespace
}  // namespace fretlab
