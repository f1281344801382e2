// Note-ons from an instrument through the input seam: what reaches the
// handler, and how the ALSA input starts or says why it cannot.

#include "sound/midi_input.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>

#include "sound/backends/alsa_midi_input.h"
#include "sound/backends/alsa_midi_output.h"
#include "support/fed_midi_input.h"

namespace fretlab {
namespace {

using testing::FedMidiInput;

TEST(MidiInput, OnlyNoteOnsWithAVelocityReachTheHandler) {
  FedMidiInput input;
  std::vector<MidiNoteOn> heard;
  input.NoteOn(60);  // before a handler: dropped
  input.SetHandler([&](const MidiNoteOn& n) { heard.push_back(n); });
  input.NoteOn(60, 100);
  input.NoteOn(64, 1, 9);
  input.Feed({0x90, 67, 0});     // velocity 0: a note-off
  input.Feed({0x80, 60, 64});    // note-off
  input.Feed({0xB0, 64, 127});   // sustain pedal
  input.Feed({0xC0, 24});        // program change
  input.Feed({0x90, 62});        // cut short
  input.Feed({0x90, 200, 50});   // not a note number
  input.Feed({0xF0, 0x7E, 0xF7});
  input.Feed({});
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_EQ(heard[0], (MidiNoteOn{0, 60, 100}));
  EXPECT_EQ(heard[1], (MidiNoteOn{9, 64, 1}));
  input.SetHandler(nullptr);
  input.NoteOn(65);
  EXPECT_EQ(heard.size(), 2u);
}

bool HaveSequencer() { return access(kAlsaSequencerDevice, R_OK | W_OK) == 0; }

TEST(AlsaMidiInput, WithoutASequencerSaysSoInOneLine) {
  if (HaveSequencer()) GTEST_SKIP() << "this machine has an ALSA sequencer";
  for (const char* name : {"", "Keystation"}) {
    std::ostringstream diagnostics;
    EXPECT_EQ(AlsaMidiInput::Create(name, diagnostics), nullptr);
    const std::string line = diagnostics.str();
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << line;
    EXPECT_NE(line.find(kAlsaSequencerDevice), std::string::npos) << line;
    EXPECT_NE(line.find("mouse or the keyboard"), std::string::npos) << line;
  }
  std::ostringstream diagnostics;
  EXPECT_TRUE(AlsaMidiInput::PortNames(diagnostics).empty());
  EXPECT_NE(diagnostics.str().find(kAlsaSequencerDevice), std::string::npos);
}

TEST(AlsaMidiInput, WithASequencerOpensItsOwnPortOrNamesTheMissingOne) {
  if (!HaveSequencer()) GTEST_SKIP() << "no ALSA sequencer here (" << kAlsaSequencerDevice << ")";
  std::ostringstream diagnostics;
  auto own = AlsaMidiInput::Create("", diagnostics);
  ASSERT_NE(own, nullptr) << diagnostics.str();
  EXPECT_EQ(own->portName(), "Fretlab");
  EXPECT_EQ(AlsaMidiInput::Create("no port is called this", diagnostics), nullptr);
  EXPECT_NE(diagnostics.str().find("no port is called this"), std::string::npos);
}

}  // namespace
}  // namespace fretlab
