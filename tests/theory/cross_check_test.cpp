// Every scale, arpeggio and chord display on every root, checked against the
// written steps: only the chosen pitch classes are marked, exactly the root's
// positions carry the root letter, each marker is sounded as it is drawn, and
// the whole reachable part of the window is covered.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/chord_state.h"
#include "support/recording_host.h"
#include "theory/show.h"
#include "theory/written_tables.h"

namespace fretlab {
namespace {

using testing::Event;
using testing::Mark;
using testing::RecordingHost;
using testing::Sound;
using testing::Strum;

using testing::WholeNeckHost;

constexpr const auto& kOpen = testing::kWrittenOpenNotes;
constexpr int kLength = 12;

struct Window {
  int from;
  int to;
};

Window WindowFor(int root, int autoRoot) {
  if (autoRoot == 0) return {0, 24};
  return {testing::kWrittenAutoWindows[root][0], testing::kWrittenAutoWindows[root][1]};
}

// How often the expansion produces `note` for a row's steps over `root`:
// the notes of a step's pitch class run from 39 up to root + step + 72, each
// once, except that octave 0 repeats octave 1 (raised past 39) whenever
// root + step is 14 or less; for 2 or less both land one octave higher still.
int TimesProduced(int note, int root, const std::vector<int>& steps) {
  int times = 0;
  for (int t : steps) {
    const int sum = root + t;
    if (note % 12 != sum % 12 || note < 39 || note > sum + 72) continue;
    int doubled = -1;
    if (sum <= 2) {
      doubled = sum + 48;
    } else if (sum <= 14) {
      doubled = sum + 36;
    }
    times += note == doubled ? 2 : 1;
  }
  return times;
}

void CheckMarkedAndSounded(const RecordingHost& host, int root, const std::vector<int>& steps,
                           Window window) {
  // Markers and notes alternate, each note being the marked position's.
  ASSERT_EQ(host.events.size() % 2, 0u);
  std::map<std::pair<int, int>, int> markCount;
  for (size_t i = 0; i < host.events.size(); i += 2) {
    const Mark* mark = std::get_if<Mark>(&host.events[i]);
    const Sound* sound = std::get_if<Sound>(&host.events[i + 1]);
    ASSERT_NE(mark, nullptr) << "event " << i;
    ASSERT_NE(sound, nullptr) << "event " << i + 1;
    const int note = kOpen[mark->string] + mark->fret;
    EXPECT_EQ(*sound, (Sound{note, kLength}));
    EXPECT_EQ(mark->rootFlag, note % 12 == root ? 1 : 0) << *mark;
    EXPECT_GE(mark->fret, window.from);
    EXPECT_LE(mark->fret, window.to);
    bool inSet = false;
    for (int t : steps) inSet = inSet || (root + t) % 12 == note % 12;
    EXPECT_TRUE(inSet) << *mark << " note " << note;
    ++markCount[{mark->string, mark->fret}];
  }
  // Every position in the window is marked as often as its note is produced.
  for (int s = 0; s < 6; ++s) {
    for (int f = window.from; f <= std::min(window.to, 23); ++f) {
      const int times = TimesProduced(kOpen[s] + f, root, steps);
      const auto it = markCount.find({s, f});
      EXPECT_EQ(it == markCount.end() ? 0 : it->second, times) << "string " << s << " fret " << f;
    }
  }
}

class ScaleDisplay : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(ScaleDisplay, AllRoots) {
  const auto [scale, autoRoot] = GetParam();
  for (int root = 0; root < 12; ++root) {
    SCOPED_TRACE("root " + std::to_string(root));
    RecordingHost host = WholeNeckHost(root, autoRoot, kLength);
    ShowScale(host, scale, root);
    EXPECT_FALSE(host.events.empty());
    CheckMarkedAndSounded(host, root, testing::kWrittenScales[scale].steps,
                          WindowFor(root, autoRoot));
  }
}

INSTANTIATE_TEST_SUITE_P(AllScales, ScaleDisplay,
                         ::testing::Combine(::testing::Range(0, 9), ::testing::Values(0, 1)));

class ArpeggioDisplay : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(ArpeggioDisplay, AllRoots) {
  const auto [formula, autoRoot] = GetParam();
  for (int root = 0; root < 12; ++root) {
    SCOPED_TRACE("root " + std::to_string(root));
    RecordingHost host = WholeNeckHost(root, autoRoot, kLength);
    ShowArpeggio(host, formula, root);
    EXPECT_FALSE(host.events.empty());
    CheckMarkedAndSounded(host, root, testing::kWrittenChords[formula].steps,
                          WindowFor(root, autoRoot));
  }
}

INSTANTIATE_TEST_SUITE_P(AllFormulas, ArpeggioDisplay,
                         ::testing::Combine(::testing::Range(0, 34), ::testing::Values(0, 1)));

class ChordDisplay : public testing::ChordStateTest, public ::testing::WithParamInterface<int> {};

// A chord marks its tones string by string, sounds nothing until the one
// strum, and strums on each string the last tone it marked there (0 if none).
TEST_P(ChordDisplay, AllRootsWithAutoRoot) {
  const int formula = GetParam();
  const std::vector<int>& steps = testing::kWrittenChords[formula].steps;
  for (int root = 0; root < 12; ++root) {
    SCOPED_TRACE("root " + std::to_string(root));
    RecordingHost host;
    host.root = root;
    host.autoRoot = 1;
    ShowChord(host, formula, root);
    ASSERT_FALSE(host.events.empty());
    ASSERT_TRUE(std::holds_alternative<Strum>(host.events.back()));
    EXPECT_EQ(host.Strums().size(), 1u);
    EXPECT_TRUE(host.Sounds().empty());

    const Window window = WindowFor(root, 1);
    std::array<NoteNumber, 6> expected{};
    int lastString = 0;
    for (const Mark& mark : host.Marks()) {
      EXPECT_GE(mark.string, lastString) << "strings run top to bottom";
      lastString = mark.string;
      const int note = kOpen[mark.string] + mark.fret;
      bool inSet = false;
      for (int t : steps) inSet = inSet || (root + t) % 12 == note % 12;
      EXPECT_TRUE(inSet) << mark;
      EXPECT_EQ(mark.rootFlag, note % 12 == root ? 1 : 0) << mark;
      EXPECT_GE(mark.fret, window.from);
      EXPECT_LE(mark.fret, window.to);
      expected[5 - mark.string] = note;
    }
    EXPECT_EQ(host.Strums().front().notes, expected);
    EXPECT_EQ(g_currentChord, (std::array<NoteNumber, 6>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g_stringCursor, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(AllFormulas, ChordDisplay, ::testing::Range(0, 34));

}  // namespace
}  // namespace fretlab
