// What an ear drill's question sounds, walked on a fake clock into a MIDI
// log: every onset on the beat grid of the tempo chosen, even when the
// timer wakes late, the scale's root heard first as the reference, and a
// miss answered by the sound of the answer given next to the right one.

#include "practice/ear_sound.h"

#include <gtest/gtest.h>

#include "practice_setup.h"
#include "support/fake_sound.h"

namespace fretlab::practice {
namespace {

using namespace std::chrono_literals;
using fretlab::testing::FakeClock;
using fretlab::testing::RecordingOutput;

struct Walked {
  std::vector<RecordingOutput::NoteGroup> sounds;
  std::vector<long long> dues;  // from the schedule's start
};

// Plays `schedule` from the clock's origin, the timer waking `late` after
// each event is due, as a busy window's does.
Walked Walk(PlaybackSchedule schedule, std::chrono::milliseconds late) {
  FakeClock clock;
  RecordingOutput output(clock);
  output.noteOnsOnly = true;
  SchedulePlayer player(output);
  player.Start(std::move(schedule), clock.now());
  while (auto next = player.NextEventTime()) {
    if (clock.now() < *next + late) clock.Advance(*next + late - clock.now());
    player.Advance(clock.now());
  }
  return {output.Sounds(), output.dues};
}

Question Heard(QuestionKind kind, std::vector<int> notes, int pitch = -1) {
  Question q;
  q.kind = kind;
  q.notes = std::move(notes);
  q.pitch = pitch;
  return q;
}

TEST(EarSound, TheTempoSetsTheBeat) {
  EXPECT_EQ(BeatLength(60), 1000ms);
  EXPECT_EQ(BeatLength(120), 500ms);
  EXPECT_EQ(BeatLength(1), BeatLength(kMinTempo)) << "held to the range";
  EXPECT_EQ(BeatLength(1000), BeatLength(kMaxTempo));
}

TEST(EarSound, AnIntervalsNotesStartOnTheBeatAndTogetherAtOnce) {
  EarOptions options;
  options.tempo = 120;
  const Walked apart = Walk(EarTrainingSchedule(Heard(QuestionKind::kEarInterval, {57, 64}, 64), options), 13ms);
  ASSERT_EQ(apart.sounds.size(), 2u);
  EXPECT_EQ(apart.sounds[0].notes, std::vector<int>{57});
  EXPECT_EQ(apart.sounds[1].notes, std::vector<int>{64});
  EXPECT_EQ(apart.dues, (std::vector<long long>{0, 500})) << "on the grid, though the timer woke late";
  EXPECT_EQ(apart.sounds[1].openedAt, 513) << "the late wake-up itself";
  EXPECT_EQ(apart.sounds[1].closedAt, 513 + 1000) << "the second rings two beats";

  options.direction = IntervalDirection::kTogether;
  const Walked together = Walk(EarTrainingSchedule(Heard(QuestionKind::kEarInterval, {57, 64}, 64), options), 0ms);
  ASSERT_EQ(together.sounds.size(), 1u);
  EXPECT_EQ(together.sounds[0].notes, (std::vector<int>{57, 64}));
  EXPECT_EQ(together.sounds[0].closedAt, 1000);
}

TEST(EarSound, AChordIsStrummedFromTheLowestStringOrArpeggiatedOnTheBeat) {
  EarOptions options;
  options.tempo = 100;
  const Question c = Heard(QuestionKind::kEarChordQuality, {48, 52, 55, 60, 64}, 48);
  const PlaybackSchedule strum = EarTrainingSchedule(c, options);
  ASSERT_EQ(strum.Steps().size(), 1u);
  std::vector<PlaybackTime> onsets;
  for (const PlaybackEvent& e : strum.Events()) {
    if (e.kind == PlaybackEvent::Kind::kNoteOn) onsets.push_back(e.at);
  }
  EXPECT_EQ(onsets, (std::vector<PlaybackTime>{0ms, 25ms, 50ms, 75ms, 100ms})) << "a pick across the strings";
  EXPECT_EQ(strum.Duration(), 1800ms) << "three beats";
  EXPECT_TRUE(strum.Steps()[0].marks.empty()) << "nothing on the neck gives it away";

  options.arpeggiated = true;
  const Walked arpeggio = Walk(EarTrainingSchedule(c, options), 7ms);
  ASSERT_EQ(arpeggio.sounds.size(), 5u);
  EXPECT_EQ(arpeggio.dues, (std::vector<long long>{0, 600, 1200, 1800, 2400}));
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(arpeggio.sounds[i].notes, std::vector<int>{c.notes[i]});
}

TEST(EarSound, AScalesRootComesFirstAsTheReferenceThenARestThenTheScale) {
  EarOptions options;
  options.tempo = 150;  // 400 ms a beat
  const Question q = Heard(QuestionKind::kEarScale, ScaleUp(50, ScaleSounds()[2]), 50);
  const Walked walked = Walk(EarTrainingSchedule(q, options), 11ms);
  ASSERT_EQ(walked.sounds.size(), 1u + 1u + 8u);
  EXPECT_EQ(walked.sounds[0].notes, std::vector<int>{50}) << "the reference root";
  EXPECT_TRUE(walked.sounds[1].notes.empty()) << "a beat's rest";
  std::vector<long long> grid;
  for (int i = 0; i < 10; ++i) grid.push_back(400 * i);
  EXPECT_EQ(walked.dues, grid);
  for (std::size_t i = 0; i < q.notes.size(); ++i) EXPECT_EQ(walked.sounds[2 + i].notes, std::vector<int>{q.notes[i]});
}

TEST(EarSound, AMissSoundsTheAnswerGivenNextToTheRightOne) {
  DrillSetup setup = testing::MakeSetup("Standard", 0, 12);
  setup.ear.tempo = 60;
  Feedback fb;
  fb.question = Heard(QuestionKind::kEarInterval, {57, 64}, 64);
  fb.question.asked = "P5";
  fb.checked.answered = "P4";
  fb.missed = true;
  Walked walked = Walk(EarMissSchedule(fb, setup), 0ms);
  ASSERT_EQ(walked.sounds.size(), 5u);
  EXPECT_EQ(walked.sounds[0].notes, std::vector<int>{57});
  EXPECT_EQ(walked.sounds[1].notes, std::vector<int>{62}) << "the fourth given, from the same note";
  EXPECT_TRUE(walked.sounds[2].notes.empty());
  EXPECT_EQ(walked.sounds[4].notes, std::vector<int>{64}) << "then the fifth";
  EXPECT_EQ(walked.dues, (std::vector<long long>{0, 1000, 3000, 4000, 5000}));
  // Played on the neck, the note given is the answer's own.
  fb.checked.pitch = 63;
  EXPECT_EQ(Walk(EarMissSchedule(fb, setup), 0ms).sounds[1].notes, std::vector<int>{63});

  fb.question = Heard(QuestionKind::kEarChordQuality, QualityNotes(setup.tuning, 9, ChordQuality::kMinor), 45);
  fb.question.asked = "minor";
  fb.checked = {};
  fb.checked.answered = "major";
  walked = Walk(EarMissSchedule(fb, setup), 0ms);
  ASSERT_EQ(walked.sounds.size(), 3u);
  EXPECT_EQ(walked.sounds[0].notes, QualityNotes(setup.tuning, 9, ChordQuality::kMajor)) << "A major";
  EXPECT_EQ(walked.sounds[2].notes, fb.question.notes) << "then the A minor heard";

  fb.question = Heard(QuestionKind::kEarScale, ScalePhrase(50, ScaleSounds()[2], 4), 50);
  fb.question.asked = "Dorian";
  fb.checked.answered = "Natural minor";
  walked = Walk(EarMissSchedule(fb, setup), 0ms);
  ASSERT_EQ(walked.sounds.size(), 8u + 1u + 8u);
  EXPECT_EQ(walked.sounds[5].notes, std::vector<int>{58}) << "the minor's ♭6";
  EXPECT_EQ(walked.sounds[9 + 5].notes, std::vector<int>{59}) << "the Dorian's 6, both up from the root";
}

TEST(EarSound, AMissExplainedNamesBothAndOnTheNeckListsTheRightPlacesNearestFirst) {
  DrillSetup setup = testing::MakeSetup("Standard", 0, 12);
  Feedback fb;
  fb.question = Heard(QuestionKind::kEarInterval, {57, 64}, 64);
  fb.question.asked = "P5";
  fb.question.byName = true;
  fb.checked.answered = "P4";
  fb.checked.verdict = Verdict::kWrong;
  Miss miss = ExplainMiss(fb, setup);
  EXPECT_EQ(miss.given, Miss::Given::kName);
  EXPECT_EQ(miss.answeredName, "P4");
  EXPECT_EQ(miss.askedName, "P5");
  EXPECT_TRUE(miss.rightAt.empty());

  fb.question.byName = false;
  fb.question.targets = PositionsOfNote(setup.tuning, setup.area, 64);
  fb.right = fb.question.targets;
  fb.checked.given = Answer::kPosition;
  fb.checked.position = Position{4, 2};
  fb.checked.pitch = 47;
  fb.checked.verdict = Verdict::kWrong;
  miss = ExplainMiss(fb, setup);
  EXPECT_EQ(miss.given, Miss::Given::kPosition);
  EXPECT_EQ(miss.rightPitch, 64);
  EXPECT_EQ(miss.rightNote, "E");
  ASSERT_EQ(miss.rightAt.size(), fb.right.size());
  EXPECT_EQ(miss.rightAt.front(), (Position{1, 5})) << "E4 on the B string, nearest to string 5, fret 2";
}

}  // namespace
}  // namespace fretlab::practice
