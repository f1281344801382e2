// A round answered from a MIDI instrument: note-ons come through the input
// seam (fed here as raw bytes) and answer with their pitch.

#include <gtest/gtest.h>

#include "practice/round.h"
#include "practice_setup.h"
#include "support/fed_midi_input.h"

namespace fretlab::practice {
namespace {

using namespace testing;

TEST(MidiAnswers, NoteOnsAnswerTheEarDrillAndOctaveErrorsShow) {
  WeakSpotSchedule schedule(9);
  Round round(QuestionKind::kEarToNeck, MakeSetup("Standard", 0, 5), {3, 0}, "std", schedule);
  ASSERT_TRUE(round.Start(0));
  fretlab::testing::FedMidiInput input;
  std::vector<Feedback> feedback;
  long long now = 0;
  input.SetHandler([&](const MidiNoteOn& n) {
    feedback.push_back(round.Give(Answer::Pitch(n.note), now += 800));
  });
  const int first = round.Current().pitch;
  input.NoteOn(first + 12);  // an octave up
  input.Feed({0x80, static_cast<unsigned char>(first + 12), 0});
  const int second = round.Current().pitch;
  input.NoteOn(second);
  input.Feed({0x90, static_cast<unsigned char>(round.Current().pitch), 0});  // a note-off: no answer
  ASSERT_EQ(feedback.size(), 2u);
  EXPECT_EQ(feedback[0].checked.verdict, Verdict::kOctave);
  EXPECT_FALSE(feedback[0].record->correct);
  EXPECT_EQ(feedback[1].checked.verdict, Verdict::kRight);
  ASSERT_TRUE(feedback[1].checked.position);
  EXPECT_EQ(PitchAt(round.Setup(), *feedback[1].checked.position), second);
  EXPECT_EQ(feedback[1].record->string, feedback[1].checked.position->string + 1);
}

}  // namespace
}  // namespace fretlab::practice
