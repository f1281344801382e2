// The Standard MIDI File: the exact bytes of the example sequence, the
// tick of every stored length, and what a chord that takes no time writes.

#include "export/midi_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/export_chords.h"
#include "export/export_test_support.h"

namespace fretlab {
namespace {

using testing::Image;

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

// The header, then track 1 titled `title` (7 letters) with tempo and 4/4.
std::vector<std::uint8_t> HeaderAndConductor() {
  return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0x01, 0xE0,
          'M', 'T', 'r', 'k', 0, 0, 0, 0x1E,
          0, 0xFF, 0x03, 7, 'e', 'x', 'a', 'm', 'p', 'l', 'e',
          0, 0xFF, 0x51, 3, 0x07, 0xA1, 0x20,         // 500000 us a quarter
          0, 0xFF, 0x58, 4, 4, 2, 24, 8,              // 4/4
          0, 0xFF, 0x2F, 0};
}

// Track 2 around `events`: its name and program 24 first, the end after.
std::vector<std::uint8_t> GuitarTrack(const std::vector<std::uint8_t>& events) {
  std::vector<std::uint8_t> body = {0, 0xFF, 0x03, 6, 'G', 'u', 'i', 't', 'a', 'r', 0, 0xC0, 24};
  body.insert(body.end(), events.begin(), events.end());
  body.insert(body.end(), {0, 0xFF, 0x2F, 0});
  std::vector<std::uint8_t> track = {'M', 'T', 'r', 'k', 0, 0, 0,
                                     static_cast<std::uint8_t>(body.size())};
  for (const std::uint8_t b : body) track.push_back(b);  // (insert() trips a GCC 12 warning)
  return track;
}

TEST(MidiFileTest, TheExampleFileIsOneQuarterNoteChord) {
  const std::vector<std::uint8_t> fbs = {
      0x28, 0, 0, 0, 0, 0, 0, 0, 0x2F, 0, 0, 0, 2, 0, 0, 0, 0x34, 0, 0, 0, 2, 0, 0, 0,
      0x38, 0, 0, 0, 1, 0, 0, 0, 0x3B, 0, 0, 0, 0, 0, 0, 0, 0x40, 0, 0, 0, 0, 0, 0, 0,
      0x32, 0, 0, 0, 0, 0, 0, 0, 0x0F, 0x27, 0, 0};
  const SequenceParse parse = ParseSequence(fbs);
  ASSERT_TRUE(parse.image) << parse.problem;

  std::vector<std::uint8_t> expected = HeaderAndConductor();
  const std::vector<std::uint8_t> track = GuitarTrack({
      0, 0x90, 40, 64, 0, 0x90, 47, 64, 0, 0x90, 52, 64,  // all six start together
      0, 0x90, 56, 64, 0, 0x90, 59, 64, 0, 0x90, 64, 64,
      0x83, 0x60, 0x80, 40, 64,                          // 480 ticks later
      0, 0x80, 47, 64, 0, 0x80, 52, 64, 0, 0x80, 56, 64, 0, 0x80, 59, 64, 0, 0x80, 64, 64,
  });
  expected.insert(expected.end(), track.begin(), track.end());
  EXPECT_EQ(Bytes(WriteMidiFile(*parse.image, "example")), expected);
}

TEST(MidiFileTest, ChordsWithoutTimeAreLeftOutAndUnisonsSoundOnce) {
  const SequenceImage image = Image({
      {{0, 45, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, 33},        // 316.8 -> 317 ticks
      {{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, 50},         // silent: no time
      {{0, 0, 52, 0, 0, 0}, {0, 0, 2, 0, 0, 0}, 0},         // length 0: no time
      {{48, 55, 55, 0, 0, 0}, {8, 10, 5, 0, 0, 0}, 12},     // a 1/16 note, 120 ticks
      {{40, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, 1000},      // 9600 ticks
  });
  std::vector<std::uint8_t> expected = HeaderAndConductor();
  const std::vector<std::uint8_t> track = GuitarTrack({
      0, 0x90, 45, 64, 0x82, 0x3D, 0x80, 45, 64,
      0, 0x90, 48, 64, 0, 0x90, 55, 64, 0x78, 0x80, 48, 64, 0, 0x80, 55, 64,
      0, 0x90, 40, 64, 0xCB, 0x00, 0x80, 40, 64,
  });
  expected.insert(expected.end(), track.begin(), track.end());
  EXPECT_EQ(Bytes(WriteMidiFile(image, "example")), expected);
}

TEST(MidiFileTest, AnEmptySequenceHasBothTracksAndNoNotes) {
  std::vector<std::uint8_t> expected = HeaderAndConductor();
  const std::vector<std::uint8_t> track = GuitarTrack({});
  expected.insert(expected.end(), track.begin(), track.end());
  EXPECT_EQ(Bytes(WriteMidiFile(SequenceImage{}, "example")), expected);
}

TEST(LengthTicksTest, NoteValuesAreExactOtherLengthsRoundAtNinePointSixTicksAUnit) {
  EXPECT_EQ(LengthTicks(200), 1920);
  EXPECT_EQ(LengthTicks(100), 960);
  EXPECT_EQ(LengthTicks(50), 480);
  EXPECT_EQ(LengthTicks(25), 240);
  EXPECT_EQ(LengthTicks(12), 120);  // 115.2 by the clock, a 1/16 note in the score
  EXPECT_EQ(LengthTicks(150), 1440);
  EXPECT_EQ(LengthTicks(75), 720);
  EXPECT_EQ(LengthTicks(37), 360);  // 355.2 by the clock
  EXPECT_EQ(LengthTicks(1), 10);    // 9.6
  EXPECT_EQ(LengthTicks(13), 125);  // 124.8
  EXPECT_EQ(LengthTicks(51), 490);  // 489.6
  EXPECT_EQ(LengthTicks(36), 346);  // 345.6
  EXPECT_EQ(LengthTicks(1000), 9600);
  EXPECT_EQ(LengthTicks(0), 0);
  EXPECT_EQ(LengthTicks(-5), 0);
}

}  // namespace
}  // namespace fretlab
