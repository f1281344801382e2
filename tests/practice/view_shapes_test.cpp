// A position of a scale shown in full with the rest faded, triads on three
// strings alone, their outlines and what Play walks.

#include "practice/view_shapes.h"

#include <gtest/gtest.h>

#include <set>

namespace fretlab {
namespace {

PracticeView CMajor(PositionChoice choice) {
  PracticeView view;
  view.position = choice;
  return view;
}

TEST(ViewShapes, APositionIsShownInFullAndTheRestFaded) {
  const PracticeView view = CMajor({PositionSystem::kCaged, 3});  // E shape
  ASSERT_EQ(PositionUnavailable(view), "");
  const std::vector<ScalePosition> chosen = ChosenPositions(view);
  ASSERT_EQ(chosen.size(), 2u);  // frets 7–10 and 19–22
  std::set<std::pair<int, int>> inShape;
  for (const ScalePosition& p : chosen) {
    for (const MarkedPosition& m : p.notes) inShape.insert({m.position.string, m.position.fret});
  }
  int full = 0, faded = 0;
  for (const NeckMark& m : BuildMarks(view)) {
    const bool in = inShape.count({m.position.string, m.position.fret}) > 0;
    EXPECT_EQ(m.faded, !in) << m.position.string << " " << m.position.fret;
    (in ? full : faded)++;
  }
  EXPECT_EQ(full, static_cast<int>(inShape.size()));
  EXPECT_GT(faded, full);
  // Outlined as boxes around their frets, named.
  const std::vector<NeckShape> shapes = BuildShapes(view);
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(shapes[0].caption, "E shape");
  EXPECT_EQ(shapes[0].frets, (FretRange{7, 10}));
  EXPECT_FALSE(shapes[0].triad);
}

TEST(ViewShapes, PlayWalksTheFullestInstanceUpward) {
  const std::vector<SoundedPosition> walk = PositionWalk(CMajor({PositionSystem::kCaged, 3}));
  ASSERT_EQ(walk.size(), 17u);
  EXPECT_EQ(walk.front().position, (Position{5, 7}));  // B on the low string
  EXPECT_EQ(walk.back().position, (Position{0, 10}));  // D on the first string
  for (std::size_t i = 1; i < walk.size(); ++i) EXPECT_LT(walk[i - 1].note, walk[i].note);
  EXPECT_TRUE(PositionWalk(PracticeView{}).empty());
}

TEST(ViewShapes, WhereThePositionCannotBeShownNothingIsFaded) {
  PracticeView drop = CMajor({PositionSystem::kCaged, 3});
  drop.tuning = *FindPresetTuning("Drop D");
  EXPECT_NE(PositionUnavailable(drop).find("Drop D"), std::string::npos);
  for (const NeckMark& m : BuildMarks(drop)) EXPECT_FALSE(m.faded);
  EXPECT_EQ(drop.Title(), "C major \u2014 Drop D");
  PracticeView chord = CMajor({PositionSystem::kPentatonicBox, 1});
  chord.kind = ChoiceKind::kChord;
  chord.entry = 7;
  EXPECT_NE(PositionUnavailable(chord).find("for scales"), std::string::npos);
  EXPECT_TRUE(BuildShapes(chord).empty());
}

TEST(ViewShapes, TriadsOnThreeStringsAlone) {
  PracticeView view;
  view.kind = ChoiceKind::kChord;
  view.entry = 0;  // major triad
  view.triadStrings = 1;  // strings 2–4
  EXPECT_EQ(TriadsUnavailable(view), "");
  const std::vector<NeckMark> marks = BuildMarks(view);
  ASSERT_FALSE(marks.empty());
  for (const NeckMark& m : marks) {
    EXPECT_GE(m.position.string, 1);
    EXPECT_LE(m.position.string, 3);
    EXPECT_FALSE(m.faded);
  }
  const std::vector<NeckShape> shapes = BuildShapes(view);
  ASSERT_EQ(shapes.size(), ViewTriads(view).size());
  EXPECT_EQ(shapes[0].caption, "first inversion");  // E G C at frets 2 0 1
  EXPECT_TRUE(shapes[0].triad);
  EXPECT_EQ(shapes[0].positions.size(), 3u);
  // Every triad note is marked, once.
  std::set<std::pair<int, int>> noted;
  for (const NeckShape& s : shapes) {
    for (const Position& p : s.positions) noted.insert({p.string, p.fret});
  }
  EXPECT_EQ(noted.size(), marks.size());
  view.entry = 7;  // dominant 7: four notes
  EXPECT_NE(TriadsUnavailable(view).find("three notes"), std::string::npos);
  EXPECT_TRUE(ViewTriads(view).empty());
}

}  // namespace
}  // namespace fretlab

namespace fretlab {
namespace {

TEST(ViewShapes, NextAndPreviousPositionGoRoundTheSystem) {
  PracticeView view;  // C major
  EXPECT_EQ(StepPosition(view, 1), (PositionChoice{PositionSystem::kCaged, 0}));
  view.position = PositionChoice{PositionSystem::kCaged, 4};  // D shape
  EXPECT_EQ(StepPosition(view, 1), (PositionChoice{PositionSystem::kCaged, 0}));
  EXPECT_EQ(StepPosition(view, -1), (PositionChoice{PositionSystem::kCaged, 3}));
  view.position = PositionChoice{PositionSystem::kThreeNotesPerString, 1};
  EXPECT_EQ(StepPosition(view, -1), (PositionChoice{PositionSystem::kThreeNotesPerString, 7}));
  // Where CAGED does not apply, the first system that does.
  PracticeView drop;
  drop.tuning = *FindPresetTuning("Drop D");
  EXPECT_EQ(StepPosition(drop, 1), (PositionChoice{PositionSystem::kThreeNotesPerString, 1}));
  drop.entry = FindEntry(Scales(), "Blues");
  EXPECT_EQ(StepPosition(drop, 1), (PositionChoice{PositionSystem::kPentatonicBox, 1}));
  drop.entry = FindEntry(Scales(), "Whole tone");
  EXPECT_FALSE(StepPosition(drop, 1));
}

}  // namespace
}  // namespace fretlab
