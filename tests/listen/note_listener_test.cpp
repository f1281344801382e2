// The listener on rendered guitar notes (the quick share of the listening
// benchmark: one guitar, clean and noisy) and the gate for Fretlab's own
// sound. Rendered from TimGM6mb, named in support/soundfonts.h.

#include "listen/note_listener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/guitar_material.h"
#include "support/listened.h"

namespace fretlab {
namespace {

using testing::PlayedNote;

ListenSettings Guitar() { return testing::GuitarListening(); }

std::vector<HeardNote> Listen(const std::vector<float>& track, std::size_t block = 1024,
                              double soundingUntil = -1) {
  return testing::ListenTo(track, Guitar(), block, soundingUntil);
}

// Each played note is heard exactly once, right, within `within` seconds of
// its onset, its cents near the soundfont's tuning (a few cents sharp).
void ExpectEachOnce(const std::vector<PlayedNote>& played, const std::vector<HeardNote>& heard,
                    const std::string& what, double within = 0.15, double cents = 10) {
  ASSERT_EQ(heard.size(), played.size()) << what;
  for (std::size_t i = 0; i < played.size(); ++i) {
    EXPECT_EQ(heard[i].note, played[i].note) << what << ", note " << i;
    EXPECT_GE(heard[i].decided, played[i].onset) << what << ", note " << i;
    EXPECT_LE(heard[i].decided, played[i].onset + within) << what << ", note " << i;
    EXPECT_LE(std::abs(heard[i].cents), cents) << what << ", note " << i;
  }
}

std::vector<PlayedNote> EveryGuitarNote() {
  std::vector<PlayedNote> notes;
  for (int n = 40; n <= 88; ++n) notes.push_back({n, 0.5 + (n - 40) * 1.0, 0.8, 100});
  return notes;
}

TEST(NoteListenerTest, EveryNoteOfANylonGuitarCleanAndNoisy) {
  const std::vector<PlayedNote> notes = EveryGuitarNote();
  const std::vector<float> clean = testing::RenderNotes(24, notes, notes.back().onset + 1.5);
  ExpectEachOnce(notes, Listen(clean), "clean");
  std::vector<float> white = clean;
  testing::AddWhiteNoise(white, -40, 5);
  ExpectEachOnce(notes, Listen(white), "white noise at -40 dBFS");
  std::vector<float> pink = clean;
  testing::AddPinkNoise(pink, -35, 6);
  ExpectEachOnce(notes, Listen(pink), "pink noise at -35 dBFS");
}

TEST(NoteListenerTest, LegatoAndRepeatedNotesAreEachHeardOnce) {
  const std::vector<PlayedNote> legato{{52, 0.5, 0.3}, {55, 0.8, 0.25}, {57, 1.05, 0.3},
                                       {64, 1.35, 0.3}, {62, 1.65, 0.3}, {57, 1.95, 0.5}};
  // The string before rings into the new note's first hops, so a decision
  // waits longer and the mean pitch is less exact.
  ExpectEachOnce(legato, Listen(testing::RenderNotes(24, legato, 3.0)), "legato", 0.2, 20);
  const std::vector<PlayedNote> repeated{{59, 0.5, 0.3}, {59, 0.8, 0.25}, {59, 1.05, 0.35},
                                         {59, 1.4, 0.3}, {47, 2.2, 0.3}, {47, 2.5, 0.5}};
  ExpectEachOnce(repeated, Listen(testing::RenderNotes(24, repeated, 3.5)), "repeated", 0.2, 20);
}

TEST(NoteListenerTest, BlocksOfAnySizeHearTheSame) {
  const std::vector<PlayedNote> notes{{45, 0.3, 0.5}, {50, 0.9, 0.5}};
  const std::vector<float> track = testing::RenderNotes(24, notes, 1.8);
  const std::vector<HeardNote> whole = Listen(track, track.size());
  ASSERT_EQ(whole.size(), 2u);
  EXPECT_EQ(Listen(track, 1), whole);
  EXPECT_EQ(Listen(track, 333), whole);
}

TEST(NoteListenerTest, FretlabsOwnSoundIsNotHeardUntilItsTailHasPassed) {
  // Fretlab sounds A3 from 0.5 s to 1.0 s; the player plays B3 in its
  // release tail, ringing on past it, and G4 after it.
  const double tailEnd = 1.0 + NoteListener::kReleaseTail;
  const std::vector<PlayedNote> notes{{57, 0.5, 0.5}, {59, tailEnd - 0.15, 0.6},
                                      {67, tailEnd + 0.5, 0.6}};
  const std::vector<float> track = testing::RenderNotes(24, notes, tailEnd + 1.5);
  std::vector<int> ungated, gated;
  for (const HeardNote& h : Listen(track)) ungated.push_back(h.note);
  for (const HeardNote& h : Listen(track, 1024, 1.0)) gated.push_back(h.note);
  EXPECT_EQ(ungated, (std::vector<int>{57, 59, 67}));
  EXPECT_EQ(gated, std::vector<int>{67});
}

TEST(NoteListenerTest, SilenceAndNothingAreNoNotes) {
  NoteListener listener(Guitar());
  std::vector<HeardNote> heard;
  listener.Feed(nullptr, 0, heard);
  const std::vector<float> silence(testing::FrameAt(3.0), 0.f);
  listener.Feed(silence.data(), silence.size(), heard);
  EXPECT_TRUE(heard.empty());
  EXPECT_NEAR(listener.StreamTime(), 3.0, 1e-6);
  EXPECT_LT(listener.LevelDb(), -150);
}

}  // namespace
}  // namespace fretlab
