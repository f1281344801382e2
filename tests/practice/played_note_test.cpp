// A note played on the guitar outside a round: every position it has past
// the capo, its name, interval and degree in the key shown, and the string
// of the chord lab it can or cannot go to.

#include "practice/played_note.h"

#include <gtest/gtest.h>

#include "practice/chord_lab.h"

namespace fretlab {
namespace {

PracticeView View(int root, int entry, ChoiceKind kind = ChoiceKind::kScale) {
  PracticeView view;
  view.rootPitchClass = root;
  view.entry = entry;
  view.kind = kind;
  return view;
}

TEST(PlayedNote, IsFoundEverywhereOnTheNeckPastTheCapo) {
  PracticeView view = View(0, 1);  // C major, standard tuning
  view.frets = {0, 4};             // the frets shown do not hide a note played
  const PlayedNote a3 = DescribePlayed(view, 57);
  EXPECT_EQ(a3.positions, (std::vector<Position>{{2, 2}, {3, 7}, {4, 12}, {5, 17}}));
  view.capo = 5;
  EXPECT_EQ(DescribePlayed(view, 57).positions, (std::vector<Position>{{3, 7}, {4, 12}, {5, 17}}));
  EXPECT_TRUE(DescribePlayed(view, 30).positions.empty());
  EXPECT_TRUE(PlayedNoteText(view, DescribePlayed(view, 30)).ends_with("; not on this neck"));
}

TEST(PlayedNote, IsNamedWithItsIntervalAndDegreeInTheKeyShown) {
  const PracticeView major = View(0, 1);
  EXPECT_EQ(PlayedNoteText(major, DescribePlayed(major, 57)), "A3: 6, major sixth above C; degree 6 of C major");
  EXPECT_EQ(PlayedNoteText(major, DescribePlayed(major, 60)), "C4: the root, C; degree 1 of C major");
  // Outside the key: spelled on the key's side, no degree.
  const PlayedNote sharp = DescribePlayed(major, 56);
  EXPECT_EQ(NoteName(sharp.name), "G\u266F");
  EXPECT_FALSE(sharp.degree);
  EXPECT_EQ(PlayedNoteText(major, sharp), "G\u266F3: \u266F5, augmented fifth above C; not in C major");
  // C natural minor spells the same sound A♭, its sixth degree.
  const PracticeView minor = View(0, 4);
  const PlayedNote flat = DescribePlayed(minor, 56);
  EXPECT_EQ(NoteName(flat.name), "A\u266D");
  ASSERT_TRUE(flat.degree);
  EXPECT_EQ(*flat.degree, (Degree{6, -1}));
  EXPECT_EQ(PlayedNoteText(minor, flat), "A\u266D3: \u266D6, minor sixth above C; degree \u266D6 of C natural minor");
  // A chord's tones are its degrees.
  const PracticeView c7 = View(0, 7, ChoiceKind::kChord);
  EXPECT_EQ(PlayedNoteText(c7, DescribePlayed(c7, 58)),
            "B\u266D3: \u266D7, minor seventh above C; degree \u266D7 of " + c7.ChoiceText());
}

TEST(PlayedNote, MarksCarryTheNameAndTheIntervalsColour) {
  const PracticeView view = View(0, 1);
  const PlayedNote a3 = DescribePlayed(view, 57);
  const std::vector<NeckMark> marks = PlayedMarks(a3);
  ASSERT_EQ(marks.size(), a3.positions.size());
  for (std::size_t i = 0; i < marks.size(); ++i) {
    EXPECT_EQ(marks[i].position, a3.positions[i]);
    EXPECT_EQ(marks[i].note, 57);
    EXPECT_EQ(marks[i].label, "A");
    EXPECT_EQ(marks[i].fill, IntervalColour({6, 0}));
    EXPECT_FALSE(marks[i].root);
  }
  EXPECT_TRUE(PlayedMarks(DescribePlayed(view, 48)).front().root);
}

TEST(PlayedNote, AStringTakesTheNotesFromItsCapoToItsHighestFret) {
  const Tuning standard = *FindPresetTuning("Standard");
  EXPECT_EQ(FretForNote(standard, 0, 5, 45), 5);   // A2 on the low E string
  EXPECT_EQ(FretForNote(standard, 0, 5, 40), 0);
  EXPECT_FALSE(FretForNote(standard, 0, 5, 39));  // below the open string
  EXPECT_EQ(FretForNote(standard, 0, 5, 64), 24);
  EXPECT_FALSE(FretForNote(standard, 0, 5, 65));  // past fret 24
  EXPECT_FALSE(FretForNote(standard, 3, 5, 42));  // behind the capo
  EXPECT_EQ(FretForNote(standard, 3, 5, 43), 3);
  EXPECT_FALSE(FretForNote(standard, 0, 6, 45));  // no seventh string
  PracticeView view = View(0, 1);
  EXPECT_EQ(OutOfReachText(view, 2, 40), "E2 is out of reach of string 3, G string: it plays G3 to G5.");
  view.capo = 2;
  EXPECT_EQ(OutOfReachText(view, 2, 56), "G\u266F3 is out of reach of string 3, G string: it plays A3 to G5.");
}

TEST(PlayedNote, APlacedNoteStaysWhereAPickWouldTakeItAway) {
  ChordShape shape(6);
  shape.ToggleMute(4);
  shape.Place({4, 3});
  EXPECT_FALSE(shape.IsMuted(4));
  EXPECT_EQ(shape.FretOf(4), 3);
  shape.Place({4, 3});  // the same note played again
  EXPECT_EQ(shape.FretOf(4), 3);
  shape.Place({4, 7});
  EXPECT_EQ(shape.FretOf(4), 7);
  shape.Place({6, 1});  // no such string: ignored
  EXPECT_EQ(ShapeText(shape), "-7----");
}

}  // namespace
}  // namespace fretlab
