// The byte layout of sequence files: what the writer produces, what the
// reader accepts, and what an accepted file does to the sequence in memory.

#include <gtest/gtest.h>

#include "sequence/sequence_file.h"
#include "sequence/sequence_fixture.h"

namespace fretlab {
namespace {

using testing::FileBytes;
using testing::FretsOf;
using testing::LengthOf;
using testing::NotesOf;
using testing::SequenceSnapshot;

// The open E major shape added as a quarter note, with 0 carried.
const std::vector<std::uint8_t> kOpenEMajorFile = {
    0x28, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // low E: 40 at fret 0
    0x2F, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,  // A: 47 at fret 2
    0x34, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,  // D: 52 at fret 2
    0x38, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,  // G: 56 at fret 1
    0x3B, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // B: 59 at fret 0
    0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // high E: 64 at fret 0
    0x32, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // length 50, carried fret 0
    0x0F, 0x27, 0x00, 0x00,                          // end word 9999
};

class SequenceWriterTest : public testing::SequenceTest {};

TEST_F(SequenceWriterTest, OneChordIsTheSixtyByteExample) {
  const int notes[6] = {40, 47, 52, 56, 59, 64};
  const int frets[6] = {0, 2, 2, 1, 0, 0};
  for (int k = 0; k < 6; ++k) {
    g_chordRows[0][k] = notes[k];
    g_fretRows[0][k] = frets[k];
  }
  g_chordRows[0][kNoteLengthColumn] = kQuarterNote;
  EXPECT_EQ(WriteSequence(1), kOpenEMajorFile);
}

TEST_F(SequenceWriterTest, EmptySequenceIsTheEndWordAlone) {
  FillTenChords();
  EXPECT_EQ(WriteSequence(0), (std::vector<std::uint8_t>{0x0F, 0x27, 0x00, 0x00}));
}

TEST_F(SequenceWriterTest, WordsAreLittleEndianTwosComplement) {
  g_chordRows[0][0] = 0x12345678;
  g_fretRows[0][0] = -1;
  g_chordRows[0][kNoteLengthColumn] = 1000;
  const std::vector<std::uint8_t> bytes = WriteSequence(1);
  ASSERT_EQ(bytes.size(), 60u);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 8),
            (std::vector<std::uint8_t>{0x78, 0x56, 0x34, 0x12, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 48, bytes.begin() + 52),
            (std::vector<std::uint8_t>{0xE8, 0x03, 0x00, 0x00}));
}

TEST_F(SequenceWriterTest, SeventhPairCarriesTheNextFretRowsFirstCell) {
  FillTenChords();
  const std::vector<std::uint8_t> bytes = WriteSequence(3);
  ASSERT_EQ(bytes.size(), 3 * 56u + 4);
  FileBytes expected;
  for (int i = 0; i < 3; ++i) {
    std::array<int, 6> notes{}, frets{};
    for (int k = 0; k < 6; ++k) {
      notes[k] = g_chordRows[i][k];
      frets[k] = g_fretRows[i][k];
    }
    expected.Record(notes, frets, g_chordRows[i][kNoteLengthColumn], g_fretRows[i + 1][0]);
  }
  expected.End();
  EXPECT_EQ(bytes, expected.Bytes());
}

TEST_F(SequenceWriterTest, FullSequenceWritesZeroForTheMissingCarriedCell) {
  for (int i = 0; i < kMaxChords; ++i) {
    for (int k = 0; k < 6; ++k) g_fretRows[i][k] = 9;
  }
  const std::vector<std::uint8_t> bytes = WriteSequence(kMaxChords);
  ASSERT_EQ(bytes.size(), kMaxChords * 56u + 4);
  const std::size_t lastCarried = kMaxChords * 56u - 4;
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + lastCarried, bytes.end()),
            (std::vector<std::uint8_t>{0, 0, 0, 0, 0x0F, 0x27, 0, 0}));
  // The chord before it carries row 5999's cell as usual.
  EXPECT_EQ(bytes[lastCarried - 56], 9);
}

class SequenceReaderTest : public testing::SequenceTest {
 protected:
  // Parses and, when accepted, applies; returns the problem text.
  std::string Load(const std::vector<std::uint8_t>& bytes) {
    const SequenceParse parse = ParseSequence(bytes);
    if (!parse.image) return parse.problem;
    ApplySequence(*parse.image, chordCount_);
    return {};
  }
};

TEST_F(SequenceReaderTest, SixtyByteExampleOpensToItsChord) {
  FillTenChords();
  ASSERT_EQ(Load(kOpenEMajorFile), "");
  EXPECT_EQ(chordCount_, 1);
  const int notes[7] = {40, 47, 52, 56, 59, 64, 50};
  const int frets[6] = {0, 2, 2, 1, 0, 0};
  EXPECT_TRUE(std::equal(notes, notes + 7, g_chordRows[0]));
  EXPECT_TRUE(std::equal(frets, frets + 6, g_fretRows[0]));
  EXPECT_EQ(g_fretRows[1][0], 0);  // the carried cell
}

TEST_F(SequenceReaderTest, EndWordAloneOpensToAnEmptySequence) {
  FillTenChords();
  const SequenceSnapshot before = SequenceSnapshot::Take(chordCount_);
  ASSERT_EQ(Load({0x0F, 0x27, 0x00, 0x00}), "");
  EXPECT_EQ(chordCount_, 0);
  // Nothing is carried by an empty file: the tables stay as they were.
  SequenceSnapshot expected = before;
  expected.chordCount = 0;
  EXPECT_EQ(SequenceSnapshot::Take(chordCount_), expected);
}

TEST_F(SequenceReaderTest, ThreeChordsOverTenKeepTheRowsBeyond) {
  FillTenChords();
  const SequenceSnapshot before = SequenceSnapshot::Take(chordCount_);
  FileBytes file;
  for (int i = 0; i < 3; ++i) file.Record(NotesOf(i), FretsOf(i), LengthOf(i), i == 2 ? 21 : 0);
  file.End();
  ASSERT_EQ(Load(file.Bytes()), "");

  EXPECT_EQ(chordCount_, 3);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const auto notes = NotesOf(i);
    const auto frets = FretsOf(i);
    EXPECT_TRUE(std::equal(notes.begin(), notes.end(), g_chordRows[i]));
    EXPECT_EQ(g_chordRows[i][kNoteLengthColumn], LengthOf(i));
    EXPECT_TRUE(std::equal(frets.begin(), frets.end(), g_fretRows[i]));
  }
  EXPECT_EQ(g_fretRows[3][0], 21);
  for (int i = 3; i < 10; ++i) {
    SCOPED_TRACE(i);
    for (int k = 0; k < kChordColumns; ++k) {
      EXPECT_EQ(g_chordRows[i][k], before.chordRows[i * kChordColumns + k]);
    }
    for (int k = (i == 3 ? 1 : 0); k < 6; ++k) {
      EXPECT_EQ(g_fretRows[i][k], before.fretRows[i * 6 + k]);
    }
  }
  EXPECT_EQ(g_fretRows[10][0], 17);
}

TEST_F(SequenceReaderTest, NextRecordsOwnFretWinsOverTheCarriedCell) {
  FileBytes file;
  file.Record(NotesOf(0), FretsOf(0), 50, 11);
  auto frets = FretsOf(1);
  frets[0] = 4;
  file.Record(NotesOf(1), frets, 50, 6).End();
  ASSERT_EQ(Load(file.Bytes()), "");
  EXPECT_EQ(g_fretRows[1][0], 4);
  EXPECT_EQ(g_fretRows[2][0], 6);
}

TEST_F(SequenceReaderTest, LoadingKeepsTheChordUnderConstruction) {
  FillTenChords();
  g_stringCursor = 3;
  const std::array<NoteNumber, 6> chord = g_currentChord;
  ASSERT_EQ(Load(kOpenEMajorFile), "");
  EXPECT_EQ(g_currentChord, chord);
  EXPECT_EQ(g_stringCursor, 3);
}

TEST_F(SequenceReaderTest, BytesAfterTheEndWordAreIgnored) {
  std::vector<std::uint8_t> bytes = kOpenEMajorFile;
  bytes.insert(bytes.end(), {0xDE, 0xAD, 0xBE, 0xEF, 0x01});
  ASSERT_EQ(Load(bytes), "");
  EXPECT_EQ(chordCount_, 1);
  EXPECT_EQ(g_chordRows[0][5], 64);
}

TEST_F(SequenceReaderTest, ValuesAtTheEdgesOfTheirRangesAreAccepted) {
  FileBytes file;
  file.Record({0, 40, 87, 0, 40, 87}, {0, 23, 0, 23, 0, 23}, 0, 23)
      .Record({87, 0, 0, 0, 0, 40}, {23, 0, 0, 0, 0, 0}, 1000, 0)
      .End();
  ASSERT_EQ(Load(file.Bytes()), "");
  EXPECT_EQ(chordCount_, 2);
  EXPECT_EQ(g_chordRows[0][2], 87);
  EXPECT_EQ(g_fretRows[0][5], 23);
  EXPECT_EQ(g_chordRows[1][kNoteLengthColumn], 1000);
}

TEST_F(SequenceReaderTest, FullSequenceRoundTripsRowByRow) {
  for (int i = 0; i < kMaxChords; ++i) {
    const auto notes = NotesOf(i);
    const auto frets = FretsOf(i);
    std::copy(notes.begin(), notes.end(), g_chordRows[i]);
    std::copy(frets.begin(), frets.end(), g_fretRows[i]);
    g_chordRows[i][kNoteLengthColumn] = LengthOf(i);
  }
  const std::vector<std::uint8_t> bytes = WriteSequence(kMaxChords);
  const SequenceSnapshot written = SequenceSnapshot::Take(kMaxChords);

  SetUp();
  ASSERT_EQ(Load(bytes), "");
  EXPECT_EQ(chordCount_, kMaxChords);
  for (int i = 0; i < kMaxChords; ++i) {
    for (int k = 0; k < kChordColumns; ++k) {
      ASSERT_EQ(g_chordRows[i][k], written.chordRows[i * kChordColumns + k]) << i << "," << k;
    }
    for (int k = 0; k < 6; ++k) {
      ASSERT_EQ(g_fretRows[i][k], written.fretRows[i * 6 + k]) << i << "," << k;
    }
  }
}

TEST_F(SequenceReaderTest, FullSequenceDiscardsTheLastCarriedCell) {
  FileBytes file;
  for (int i = 0; i < kMaxChords; ++i) file.Record(NotesOf(i), FretsOf(i), 25, 7);
  file.End();
  const SequenceParse parse = ParseSequence(file.Bytes());
  ASSERT_TRUE(parse.image) << parse.problem;
  EXPECT_FALSE(parse.image->carriedFret);
  ApplySequence(*parse.image, chordCount_);
  EXPECT_EQ(chordCount_, kMaxChords);
  EXPECT_EQ(g_fretRows[kMaxChords - 1][0], FretsOf(kMaxChords - 1)[0]);
}

// A file the reader must refuse, and words its problem text must contain.
struct RejectedFile {
  const char* name;
  std::vector<std::uint8_t> bytes;
  std::vector<std::string> says;

  friend void PrintTo(const RejectedFile& file, std::ostream* out) { *out << file.name; }
};

std::vector<std::uint8_t> ThreeChordFile() {
  FileBytes file;
  for (int i = 0; i < 3; ++i) file.Record(NotesOf(i), FretsOf(i), 50, 0);
  return file.End().Bytes();
}

std::vector<RejectedFile> RejectedFiles() {
  std::vector<RejectedFile> cases;
  cases.push_back({"CutAfter140Bytes", FileBytes(ThreeChordFile()).CutTo(140).Bytes(),
                   {"cut short", "chord 3"}});
  // The fret word of the second chord's first pair is cut after two bytes.
  cases.push_back({"CutInsideAWord", FileBytes(ThreeChordFile()).CutTo(62).Bytes(),
                   {"cut short", "chord 2"}});
  cases.push_back({"EndWordCut", FileBytes(ThreeChordFile()).CutTo(3 * 56 + 2).Bytes(),
                   {"cut short", "after chord 3"}});
  cases.push_back({"Empty", {}, {"empty"}});
  cases.push_back({"NoEndWord", FileBytes(ThreeChordFile()).CutTo(2 * 56).Bytes(),
                   {"end mark", "missing", "after chord 2"}});
  // Word 14 + 6 is the first word of the fourth pair of the second chord.
  cases.push_back({"EndWordInTheFourthPair", FileBytes(ThreeChordFile()).SetWord(20, 9999).Bytes(),
                   {"end mark", "inside chord 2", "pair 4"}});
  cases.push_back({"EndWordAsLength", FileBytes(ThreeChordFile()).SetWord(12, 9999).Bytes(),
                   {"inside chord 1", "pair 7"}});
  // Word 6 is the G string's note of the first chord.
  cases.push_back({"NoteOf200", FileBytes(ThreeChordFile()).SetWord(6, 200).Bytes(),
                   {"chord 1", "note 200", "G string"}});
  cases.push_back({"NoteOf39", FileBytes(ThreeChordFile()).SetWord(14, 39).Bytes(),
                   {"chord 2", "note 39", "low E string"}});
  cases.push_back({"NoteOf88", FileBytes(ThreeChordFile()).SetWord(10, 88).Bytes(),
                   {"chord 1", "note 88", "high E string"}});
  cases.push_back({"NegativeNote", FileBytes(ThreeChordFile()).SetWord(0, -1).Bytes(),
                   {"chord 1", "note -1"}});
  cases.push_back({"FretOf24", FileBytes(ThreeChordFile()).SetWord(14 + 3, 24).Bytes(),
                   {"chord 2", "fret 24", "A string"}});
  cases.push_back({"NegativeFret", FileBytes(ThreeChordFile()).SetWord(1, -1).Bytes(),
                   {"chord 1", "fret -1"}});
  cases.push_back({"CarriedFretOf24", FileBytes(ThreeChordFile()).SetWord(2 * 14 + 13, 24).Bytes(),
                   {"chord 3", "carries the fret 24"}});
  cases.push_back({"LengthOfMinusOne", FileBytes(ThreeChordFile()).SetWord(14 + 12, -1).Bytes(),
                   {"chord 2", "length -1"}});
  cases.push_back({"LengthOf1001", FileBytes(ThreeChordFile()).SetWord(12, 1001).Bytes(),
                   {"chord 1", "length 1001"}});
  FileBytes tooMany;
  for (int i = 0; i <= kMaxChords; ++i) tooMany.Record(NotesOf(i), FretsOf(i), 50, 0);
  cases.push_back({"Records6001", tooMany.End().Bytes(), {"more than 6000 chords"}});
  return cases;
}

class RejectedFileTest : public testing::SequenceTest,
                         public ::testing::WithParamInterface<RejectedFile> {
 protected:
  void ExpectSays(const std::string& text) {
    for (const std::string& words : GetParam().says) {
      EXPECT_NE(text.find(words), std::string::npos) << "\"" << text << "\" lacks \"" << words << "\"";
    }
  }
};

TEST_P(RejectedFileTest, ReaderRefusesAndSaysWhy) {
  const SequenceParse parse = ParseSequence(GetParam().bytes);
  EXPECT_FALSE(parse.image);
  ExpectSays(parse.problem);
}

TEST_P(RejectedFileTest, OpeningLeavesTheSequenceAsItWasAndNamesTheFile) {
  testing::ScratchFolder folder;
  const std::filesystem::path file = folder.Path() / "rejected.fbs";
  testing::WriteBytes(file, GetParam().bytes);
  FillTenChords();
  const SequenceSnapshot before = SequenceSnapshot::Take(chordCount_);
  const FileOutcome opened = LoadSequenceFile(file, chordCount_);
  EXPECT_FALSE(opened);
  EXPECT_EQ(opened.message.rfind("Cannot open \"" + file.string() + "\": ", 0), 0u)
      << opened.message;
  ExpectSays(opened.message);
  EXPECT_EQ(SequenceSnapshot::Take(chordCount_), before);
}

INSTANTIATE_TEST_SUITE_P(SequenceReader, RejectedFileTest, ::testing::ValuesIn(RejectedFiles()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fretlab
