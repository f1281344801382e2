// The view model: marks with their labels and colours, titles, the strum
// voicing, and the texts for hover and screen readers.

#include "practice/practice_view.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace fretlab {
namespace {

PracticeView View(int root, int entry, ChoiceKind kind = ChoiceKind::kScale) {
  PracticeView view;
  view.rootPitchClass = root;
  view.entry = entry;
  view.kind = kind;
  return view;
}

TEST(PracticeView, TitlesNameTheChoiceAndTheTuning) {
  PracticeView view = View(9, 3);
  view.tuning = *FindPresetTuning("DADGAD");
  EXPECT_EQ(view.Title(), "A Dorian \u2014 DADGAD");
  EXPECT_EQ(View(1, 1).Title(), "D\u266D major \u2014 Standard");
  EXPECT_EQ(View(1, 4).Title(), "C\u266F natural minor \u2014 Standard");
  EXPECT_EQ(View(10, 21, ChoiceKind::kChord).ChoiceText(), "B\u266Dm7\u266D5 chord");
  PracticeView custom = View(0, 1);
  custom.tuning = *ParseTuning("C2 G2 D3 G3 B3 D4");
  EXPECT_EQ(custom.Title(), "C major \u2014 C2 G2 D3 G3 B3 D4");
}

TEST(PracticeView, AChosenRootSpellingIsKeptWhileItFitsTheRoot) {
  PracticeView view = View(6, 1);
  EXPECT_EQ(NoteName(view.Key().Root()), "F\u266F");
  view.rootName = SpelledNote{4, -1};  // G♭
  EXPECT_EQ(NoteName(view.Key().Root()), "G\u266D");
  EXPECT_EQ(NoteName(view.Key().NoteAt(3)), "C\u266D");
  view.rootPitchClass = 7;  // the root moved on: the old spelling no longer applies
  EXPECT_EQ(NoteName(view.Key().Root()), "G");
}

TEST(PracticeView, MarksCarryLabelsInEveryModeAndColoursByInterval) {
  PracticeView view = View(9, 3);  // A Dorian
  view.frets = {5, 5};             // one fret: A D G C E A on standard
  const std::map<LabelMode, std::vector<std::string>> expected = {
      {LabelMode::kNoteNames, {"A", "E", "C", "G", "D", "A"}},
      {LabelMode::kIntervals, {"R", "5", "\u266D3", "\u266D7", "4", "R"}},
      {LabelMode::kDegrees, {"1", "5", "\u266D3", "\u266D7", "4", "1"}},
      {LabelMode::kIntervalNames, {"R", "P5", "m3", "m7", "P4", "R"}},
      {LabelMode::kNone, {"", "", "", "", "", ""}},
  };
  for (const auto& [mode, labels] : expected) {
    view.labels = mode;
    const auto marks = BuildMarks(view);
    ASSERT_EQ(marks.size(), 6u);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(marks[i].position, (Position{i, 5}));
      EXPECT_EQ(marks[i].label, labels[i]) << LabelModeWord(mode) << " string " << i;
      EXPECT_EQ(marks[i].fill, IntervalColour(marks[i].degree));
      EXPECT_EQ(marks[i].root, i == 0 || i == 5);
      EXPECT_EQ(marks[i].shape, ShapeOf(marks[i].degree));
    }
  }
  // The altered degrees carry their notch: the ♭3 and ♭7 of A Dorian.
  const auto marks = BuildMarks(view);
  EXPECT_EQ(marks[2].shape, IntervalShape::kLowered);
  EXPECT_EQ(marks[3].shape, IntervalShape::kLowered);
  EXPECT_EQ(marks[1].shape, IntervalShape::kNatural);
  EXPECT_EQ(marks[0].shape, IntervalShape::kRoot);
}

TEST(PracticeView, IntervalNamesFollowTheSpelling) {
  PracticeView view = View(5, 11);  // F blues: its blue note is B, an augmented fourth
  view.labels = LabelMode::kIntervalNames;
  view.frets = {0, 0};
  std::map<std::string, std::string> byName;
  for (const NeckMark& m : BuildMarks(view)) byName[NoteName(m.name)] = m.label;
  EXPECT_EQ(byName["B"], "A4");
  EXPECT_EQ(byName["G"], "");  // not in the scale, no mark
  view.rootPitchClass = 9;  // A blues: E♭, a diminished fifth
  byName.clear();
  view.frets = {0, 24};
  for (const NeckMark& m : BuildMarks(view)) byName[NoteName(m.name)] = m.label;
  EXPECT_EQ(byName["E\u266D"], "d5");
  EXPECT_EQ(byName["E"], "P5");
  EXPECT_EQ(byName["C"], "m3");
  EXPECT_EQ(byName.size(), 6u);
}

TEST(PracticeView, MarksRespectCapoRangeAndTuning) {
  PracticeView view = View(0, 1);
  view.capo = 3;
  view.frets = {0, 5};
  std::set<int> frets;
  for (const NeckMark& m : BuildMarks(view)) frets.insert(m.position.fret);
  EXPECT_EQ(frets, (std::set<int>{3, 4, 5}));  // the capo hides frets 0..2
  EXPECT_EQ(BuildMarks(view).size(), 12u);  // 3: G D F C G, 4: B, 5: A E C G D A
  view.tuning = *FindPresetTuning("7-string");
  int lowest = 99;
  for (const NeckMark& m : BuildMarks(view)) lowest = std::min(lowest, m.note);
  EXPECT_EQ(lowest, 38);  // B1 string at fret 3: D2
}

TEST(PracticeView, ChordVoicingTakesEachStringsLowestChordToneFromTheBottomString) {
  PracticeView view = View(0, 0, ChoiceKind::kChord);  // C major triad
  view.frets = {0, 3};
  const auto voicing = ChordVoicing(view);
  // Low E: E (0); A: C (3); D: E (2); G: G (0); B: C (1); high E: E (0).
  const std::vector<SoundedPosition> expected = {{{5, 0}, 40}, {{4, 3}, 48}, {{3, 2}, 52},
                                                 {{2, 0}, 55}, {{1, 1}, 60}, {{0, 0}, 64}};
  EXPECT_EQ(voicing, expected);
  view.frets = {1, 1};  // only the B string has a chord tone at fret 1
  EXPECT_EQ(ChordVoicing(view), (std::vector<SoundedPosition>{{{1, 1}, 60}}));
}

TEST(PracticeView, ReaderTextInWords) {
  const PracticeView cMajor = View(0, 1);
  EXPECT_EQ(DescribeForReader(cMajor, {2, 5}), "string 3, G string, fret 5, C, root of C major");
  EXPECT_EQ(DescribeForReader(cMajor, {2, 6}), "string 3, G string, fret 6, C\u266F");
  EXPECT_EQ(DescribeForReader(View(9, 3), {0, 8}),
            "string 1, E string, fret 8, C, minor third of A Dorian");
  PracticeView capo = cMajor;
  capo.capo = 4;
  EXPECT_EQ(DescribeForReader(capo, {5, 1}), "string 6, E string, fret 1, F, behind the capo");
  capo.frets = {7, 9};
  EXPECT_EQ(DescribeForReader(capo, {5, 5}), "string 6, E string, fret 5, A, outside the frets shown");
  PracticeView flats = View(5, 1);  // F major: outside notes in flats
  EXPECT_EQ(DescribeForReader(flats, {5, 4}), "string 6, E string, fret 4, A\u266D");
}

TEST(PracticeView, HoverTextWithOctave) {
  const PracticeView cMajor = View(0, 1);
  EXPECT_EQ(DescribeForHover(cMajor, {2, 5}), "C4 \u2014 string 3, G string, fret 5 \u2014 root");
  EXPECT_EQ(DescribeForHover(cMajor, {5, 0}),
            "E2 \u2014 string 6, E string, open \u2014 major third");
  EXPECT_EQ(DescribeForHover(View(1, 1), {4, 4}), "D\u266D3 \u2014 string 5, A string, fret 4 \u2014 root");
}

TEST(PracticeView, LabelModeWords) {
  for (LabelMode mode : {LabelMode::kNoteNames, LabelMode::kIntervals, LabelMode::kDegrees,
                         LabelMode::kIntervalNames, LabelMode::kNone}) {
    EXPECT_EQ(LabelModeFromWord(LabelModeWord(mode)), mode);
  }
  EXPECT_EQ(LabelModeFromWord("Intervals"), LabelMode::kIntervals);
  EXPECT_EQ(LabelModeFromWord("NAMES"), LabelMode::kIntervalNames);
  EXPECT_EQ(LabelModeWord(LabelMode::kIntervalNames), "names");
  EXPECT_FALSE(LabelModeFromWord("interval names").has_value());
  EXPECT_FALSE(LabelModeFromWord("name").has_value());
  EXPECT_FALSE(LabelModeFromWord("").has_value());
}

}  // namespace
}  // namespace fretlab
