// Any General MIDI soundfont plays the same: with TimGM6mb, FluidR3 and
// MuseScore's General soundfont (Ogg Vorbis samples), the built-in
// synthesizer sounds every note of a guitar's neck at the pitch FluidSynth
// gives it from that file alone, and at the same level; a file the reader
// cannot use is loaded whole, with one line saying so. Rendered offline.

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "sound/backends/fluid_log.h"
#include "sound/backends/fluid_synth_output.h"
#include "sound/listening.h"
#include "support/soundfonts.h"
#include "support/temp_dir.h"
#include "support/tiny_soundfont.h"

namespace fretlab {
namespace {

using namespace listening;
using testing::TestSoundfont;

// A note rendered alone by FluidSynth from the whole file, as any program
// would: program 24, velocity 64, no reverb, both channels mixed.
class FluidSynthAlone {
 public:
  explicit FluidSynthAlone(const std::string& path) {
    QuietFluidLog();
    settings_ = new_fluid_settings();
    fluid_settings_setnum(settings_, "synth.sample-rate", kRate);
    fluid_settings_setint(settings_, "synth.reverb.active", 0);
    fluid_settings_setint(settings_, "synth.chorus.active", 0);
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    synth_ = new_fluid_synth(settings_);
    // No program for every channel first: only the guitar's samples load.
    EXPECT_NE(fluid_synth_sfload(synth_, path.c_str(), 0), FLUID_FAILED) << path;
    EXPECT_EQ(fluid_synth_program_change(synth_, 0, kNylonGuitarProgram), FLUID_OK);
  }
  ~FluidSynthAlone() {
    delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
  }

  std::vector<float> Play(int note, double ms) {
    const int frames = (Frames(ms) + 63) / 64 * 64;
    std::vector<float> left(frames), right(frames), mono(frames);
    fluid_synth_noteon(synth_, 0, note, 64);
    fluid_synth_write_float(synth_, frames, left.data(), 0, 1, right.data(), 0, 1);
    fluid_synth_all_sounds_off(synth_, 0);
    fluid_synth_write_float(synth_, 64, left.data(), 0, 1, right.data(), 0, 1);
    for (int i = 0; i < frames; ++i) mono[i] = 0.5f * (left[i] + right[i]);
    return mono;
  }

 private:
  fluid_settings_t* settings_;
  fluid_synth_t* synth_;
};

struct NoteHeard {
  int note = 0;
  double hz = 0;       // through the built-in synthesizer
  double aloneHz = 0;  // from FluidSynth alone
  double peakDbfs = 0;
};

struct Heard {
  bool loaded = false;
  std::string diagnostics;
  std::vector<NoteHeard> notes;
};

// Each note held 300 ms and released, one at a time, each once the one
// before has died away, from `soundfont` (empty: the default).
Heard Listen(const std::string& soundfont, const std::vector<int>& notes) {
  Heard heard;
  std::ostringstream diagnostics;
  FluidSynthOutput synth(soundfont, FluidSynthOutput::Mode::kOffline, diagnostics);
  heard.loaded = synth.WaitUntilLoaded();
  heard.diagnostics = diagnostics.str();
  if (!heard.loaded) return heard;
  FluidSynthAlone alone(soundfont.empty() ? kDefaultSoundfont : soundfont);
  for (int note : notes) {
    StereoTrack track;
    synth.open();
    synth.send(NoteOnMessage(note));
    RenderMs(synth, 340, track);
    synth.close();
    RenderMs(synth, 250, track);
    std::vector<float> mono(track.size());
    for (std::size_t i = 0; i < mono.size(); ++i) mono[i] = 0.5f * (track.left[i] + track.right[i]);
    // The same stretch of both notes (a plucked sample's pitch moves a little
    // as it sounds): from 40 ms after each one's onset.
    const std::vector<float> single = alone.Play(note, 320);
    const double onsetMs = 1000.0 * FirstAbove(mono, 1e-4f) / kRate;
    const double aloneOnsetMs = 1000.0 * FirstAbove(single, 1e-4f) / kRate;
    heard.notes.push_back({note, PitchNearHz(mono, onsetMs + 40, onsetMs + 280, MidiHz(note)),
                           PitchNearHz(single, aloneOnsetMs + 40, aloneOnsetMs + 280, MidiHz(note)),
                           PeakDbfs(track)});
    std::vector<float> rest;
    for (int wait = 0; wait < 50 && (rest.empty() || Peak(rest) > 1e-4); ++wait) {
      rest.clear();
      RenderMs(synth, 100, rest);
    }
  }
  return heard;
}

std::vector<int> NeckNotes() {
  std::vector<int> notes;
  for (int note = 40; note <= 88; ++note) notes.push_back(note);  // low E to fret 24 of high E
  return notes;
}

class SoundfontTest : public ::testing::TestWithParam<TestSoundfont> {
 protected:
  void SetUp() override {
    if (!GetParam().Installed()) GTEST_SKIP() << GetParam().Missing();
  }
  // Listened to once per soundfont, for all of its tests.
  static const Heard& HeardFrom(const TestSoundfont& soundfont) {
    static std::map<std::string, Heard> heard;
    auto found = heard.find(soundfont.path);
    if (found == heard.end()) {
      found = heard.emplace(soundfont.path, Listen(soundfont.path, NeckNotes())).first;
    }
    return found->second;
  }
};

TEST_P(SoundfontTest, GuitarIsReadOutOfTheFileWithoutAWord) {
  const Heard& heard = HeardFrom(GetParam());
  EXPECT_TRUE(heard.loaded);
  EXPECT_EQ(heard.diagnostics, "");
}

TEST_P(SoundfontTest, EveryNoteOfTheNeckSoundsAtTheSoundfontsOwnPitch) {
  const Heard& heard = HeardFrom(GetParam());
  ASSERT_EQ(heard.notes.size(), NeckNotes().size());
  double worst = 0;
  for (const NoteHeard& note : heard.notes) {
    const double cents = Cents(note.hz, note.aloneHz);
    EXPECT_NEAR(cents, 0.0, 1.0) << "note " << note.note;
    // The soundfont's own tuning is its business, but a note a semitone off
    // is no note of this key.
    EXPECT_NEAR(Cents(note.aloneHz, MidiHz(note.note)), 0.0, 50.0) << "note " << note.note;
    worst = std::max(worst, std::fabs(cents));
  }
  RecordProperty("largest_deviation_cents", std::to_string(worst));
}

TEST_P(SoundfontTest, EveryNoteOfTheNeckPeaksWithinOneAndAHalfDbOfMinus12) {
  const Heard& heard = HeardFrom(GetParam());
  ASSERT_EQ(heard.notes.size(), NeckNotes().size());
  double lowest = 0, highest = -200;
  for (const NoteHeard& note : heard.notes) {
    EXPECT_NEAR(note.peakDbfs, -12.0, 1.5) << "note " << note.note;
    lowest = std::min(lowest, note.peakDbfs);
    highest = std::max(highest, note.peakDbfs);
  }
  RecordProperty("peaks_dbfs", std::to_string(lowest) + " to " + std::to_string(highest));
}

INSTANTIATE_TEST_SUITE_P(GeneralMidi, SoundfontTest, ::testing::ValuesIn(testing::kEverySoundfont),
                         [](const auto& info) { return std::string(info.param.name); });

// Whichever soundfont the system's default is (TimGM6mb, FluidR3 or
// another): what holds for any of them.
TEST(DefaultSoundfontTest, WhicheverItIsPlaysTheGuitarAtItsPitchAndTheLevel) {
  if (access(kDefaultSoundfont, R_OK) != 0) {
    GTEST_SKIP() << kDefaultSoundfont << " is absent (package " << kDefaultSoundfontPackage << ")";
  }
  const Heard heard = Listen("", {40, 64, 88});
  ASSERT_TRUE(heard.loaded) << heard.diagnostics;
  EXPECT_EQ(heard.diagnostics, "");
  ASSERT_EQ(heard.notes.size(), 3u);
  for (const NoteHeard& note : heard.notes) {
    EXPECT_NEAR(Cents(note.hz, note.aloneHz), 0.0, 1.0) << "note " << note.note;
    EXPECT_NEAR(note.peakDbfs, -12.0, 1.5) << "note " << note.note;
  }
}

// A soundfont without the guitar where General MIDI puts it (program 24 of
// bank 0): the reader cannot take it out, so FluidSynth loads the file
// whole, plays what it finds instead (the first preset, as FluidSynth does),
// and one line says so.
TEST(SoundfontFallbackTest, AFileTheReaderCannotUseIsLoadedWholeWithOneLine) {
  testing::TempDir dir;
  const auto bytes = testing::TinySoundfont{.program = 5}.Build();
  const std::string path = dir.Write(
      "no-guitar.sf2", std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  const Heard heard = Listen(path, {69});
  ASSERT_TRUE(heard.loaded) << heard.diagnostics;
  EXPECT_EQ(std::count(heard.diagnostics.begin(), heard.diagnostics.end(), '\n'), 1)
      << heard.diagnostics;
  EXPECT_NE(heard.diagnostics.find(path), std::string::npos) << heard.diagnostics;
  EXPECT_NE(heard.diagnostics.find("no such preset"), std::string::npos) << heard.diagnostics;
  EXPECT_NE(heard.diagnostics.find("loads it whole"), std::string::npos) << heard.diagnostics;
  EXPECT_EQ(heard.diagnostics.find("no sound"), std::string::npos) << heard.diagnostics;
  ASSERT_EQ(heard.notes.size(), 1u);
  EXPECT_NEAR(heard.notes[0].peakDbfs, -12.0, 1.5);
  EXPECT_NEAR(Cents(heard.notes[0].hz, heard.notes[0].aloneHz), 0.0, 1.0);
  EXPECT_NEAR(Cents(heard.notes[0].hz, 441.0), 0.0, 1.0);  // the piano's sine at its own key
}

}  // namespace
}  // namespace fretlab
