// The Chords tab's view of a voicing: its row as --voicings prints it, its
// marks labelled by the view (a slash bass outside the chord included), the
// muted strings, and the strum from the lowest string up, with a capo.

#include "practice/voicing_view.h"

#include <gtest/gtest.h>

namespace fretlab {
namespace {

Voicing Found(const char* symbol, const char* frets, const PracticeView& view) {
  const ChordSymbol chord = *ParseChordSymbol(symbol);
  const VoicingQuery query = ViewVoicingQuery(view);
  const std::vector<FretIndex> played = *ParseFretsText(frets, view.tuning.StringCount());
  EXPECT_EQ(VoicingFault(chord, query, played), "") << frets;
  return DescribeVoicing(chord, query, played);
}

TEST(VoicingView, OpenCRowMarksMutesAndStrum) {
  PracticeView view;
  view.labels = LabelMode::kIntervals;
  const Voicing c = Found("C", "x32010", view);
  EXPECT_EQ(VoicingRow(c), "x32010  open  C E G C E");
  const std::vector<NeckMark> marks = VoicingMarks(view, *ParseChordSymbol("C"), c);
  ASSERT_EQ(marks.size(), 5u);
  EXPECT_EQ(marks[0].position, (Position{4, 3}));  // the fifth string, lowest sounding
  EXPECT_EQ(marks[0].note, 48);
  EXPECT_TRUE(marks[0].root);
  EXPECT_EQ(marks[0].label, "R");
  EXPECT_EQ(marks[1].label, "3");
  EXPECT_EQ(marks[2].label, "5");
  EXPECT_FALSE(marks[1].root);
  EXPECT_EQ(VoicingMutes(c), (std::vector<StringIndex>{5}));
  const std::vector<SoundedPosition> strum = VoicingStrum(c);
  std::vector<int> notes;
  for (const SoundedPosition& p : strum) notes.push_back(p.note);
  EXPECT_EQ(notes, (std::vector<int>{48, 52, 55, 60, 64}));
}

TEST(VoicingView, ASlashBassOutsideTheChordIsNamedByItsDegree) {
  PracticeView view;
  view.labels = LabelMode::kIntervals;
  const ChordSymbol chord = *ParseChordSymbol("C/D");
  const Voicing v = Found("C/D", "xx0010", view);  // D G C E
  const std::vector<NeckMark> marks = VoicingMarks(view, chord, v);
  ASSERT_FALSE(marks.empty());
  EXPECT_EQ(marks[0].label, "2");
  EXPECT_EQ(marks[0].degree, (Degree{2, 0}));
  view.labels = LabelMode::kNoteNames;
  EXPECT_EQ(VoicingMarks(view, chord, v)[0].label, "D");
}

TEST(VoicingView, TheQueryFollowsTheViewsTuningAndCapo) {
  PracticeView view;
  view.tuning = *FindPresetTuning("Drop D");
  view.capo = 2;
  const VoicingQuery query = ViewVoicingQuery(view, 5);
  EXPECT_EQ(query.tuning.name, "Drop D");
  EXPECT_EQ(query.capo, 2);
  EXPECT_EQ(query.span, 5);
  const VoicingResult found = FindVoicings(*ParseChordSymbol("D"), query, 3);
  ASSERT_FALSE(found.voicings.empty());
  for (const NeckMark& m : VoicingMarks(view, *ParseChordSymbol("D"), found.voicings[0])) {
    EXPECT_GE(m.position.fret, 2);  // nothing behind the capo
  }
}

}  // namespace
}  // namespace fretlab
