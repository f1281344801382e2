// How loud the built-in synthesizer plays, rendered offline, with each
// General MIDI soundfont: single notes near -12 dBFS, and no strum the chord
// list can make reaches -3 dBFS, so nothing clips. The offline render is the
// path the audio device plays.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <vector>

#include "sound/backends/fluid_synth_output.h"
#include "sound/listening.h"
#include "support/recording_host.h"
#include "support/soundfonts.h"
#include "theory/tables.h"

namespace fretlab {
namespace {

using namespace listening;

class SynthLevelTest : public ::testing::TestWithParam<testing::TestSoundfont> {
 protected:
  void SetUp() override {
    if (!GetParam().Installed()) GTEST_SKIP() << GetParam().Missing();
    synth_ = std::make_unique<FluidSynthOutput>(GetParam().path, FluidSynthOutput::Mode::kOffline,
                                                diagnostics_);
    ASSERT_TRUE(synth_->WaitUntilLoaded()) << diagnostics_.str();
  }

  // Peak of the notes sounded together for `ms` and of their release. What
  // is left of them a quarter second later is below -30 dB, too little to
  // change the next peak by more than 0.3 dB.
  double PlayPeakDbfs(const std::vector<int>& notes, double ms) {
    StereoTrack track;
    synth_->open();
    for (int note : notes) synth_->send(NoteOnMessage(note));
    RenderMs(*synth_, ms, track);
    synth_->close();
    RenderMs(*synth_, 250, track);
    return PeakDbfs(track);
  }

  std::ostringstream diagnostics_;
  std::unique_ptr<FluidSynthOutput> synth_;
};

TEST_P(SynthLevelTest, SingleNotesPeakNearMinus12Dbfs) {
  // Open strings and notes up the neck, from the low E to fret 20 of the top.
  for (int note : {40, 45, 50, 55, 59, 64, 69, 76, 84}) {
    const double peak = PlayPeakDbfs({note}, 150);
    EXPECT_GE(peak, -13.5) << "note " << note;
    EXPECT_LE(peak, -10.5) << "note " << note;
  }
}

// Every six-string strum a chord choice makes (34 formulas, 12 roots, with
// the five-fret box at the root and over the whole neck).
std::vector<std::vector<int>> SixStringStrums() {
  std::set<std::vector<int>> strums;
  for (int autoRoot : {1, 0}) {
    for (int formula = 0; formula < kChordFormulaCount; ++formula) {
      for (int root = 0; root < 12; ++root) {
        testing::RecordingHost host;
        host.root = root;
        host.autoRoot = autoRoot;
        host.fromFret = 0;
        host.toFret = 23;
        ShowChord(host, formula, root);
        for (const testing::Strum& strum : host.Strums()) {
          std::vector<int> notes(strum.notes.begin(), strum.notes.end());
          if (std::count(notes.begin(), notes.end(), 0) == 0) strums.insert(notes);
        }
      }
    }
  }
  return {strums.begin(), strums.end()};
}

TEST_P(SynthLevelTest, LoudestStrumOfTheChordListStaysBelowMinus3Dbfs) {
  const auto strums = SixStringStrums();
  ASSERT_GE(strums.size(), 50u);
  double loudest = -200;
  for (const auto& notes : strums) {
    loudest = std::max(loudest, PlayPeakDbfs(notes, 100));
  }
  EXPECT_LE(loudest, -3.0);
  EXPECT_GE(loudest, -9.0);  // and clearly louder than one note
  RecordProperty("loudest_strum_dbfs", std::to_string(loudest));
}

INSTANTIATE_TEST_SUITE_P(GeneralMidi, SynthLevelTest, ::testing::ValuesIn(testing::kEverySoundfont),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fretlab
