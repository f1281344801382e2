// The log backend's lines, the choice of backend, and what happens when a
// backend cannot start.

#include "sound/backends/backends.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <future>
#include <thread>
#include <sstream>
#include <string>
#include <vector>

#include "support/fake_sound.h"
#include "support/temp_dir.h"
#include "sound/backends/alsa_midi_output.h"
#include "sound/backends/log_output.h"
#include "sound/backends/short_message.h"
#include "sound/note_player.h"

namespace fretlab {
namespace {

using testing::FakeClock;
using namespace std::chrono_literals;

int CountLines(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class LogOutputTest : public ::testing::Test {
 protected:
  testing::TempDir dir_;
  const std::string path_ = dir_.Write("notes.log", "");
  std::ostringstream diagnostics_;
  FakeClock clock_;
};

TEST_F(LogOutputTest, ShortScaleGivesOneLinePerCallWithItsTime) {
  clock_.Advance(40ms);  // the output exists a while before the first note
  auto log = LogOutput::Create(path_, diagnostics_, [this] { return clock_.now(); });
  ASSERT_NE(log, nullptr);
  NotePlayer player(*log, clock_.MakeTiming());
  const int scale[] = {60, 62, 64, 65};
  for (int note : scale) {
    clock_.Advance(2ms);  // drawing the marker
    player.PlayNote(note, 15);
  }
  log.reset();

  // Each note opens 2 ms after the previous close (the marker), yet the
  // closes stay on the 150 ms grid that started with the first note.
  std::vector<std::string> expected;
  long long open = 2;
  for (int i = 0; i < 4; ++i) {
    const long long close = 2 + 150 * (i + 1);
    expected.push_back(std::to_string(open) + " open");
    expected.push_back(std::to_string(open) + " on " + std::to_string(scale[i]) + " 64");
    expected.push_back(std::to_string(close) + " close");
    open = close + 2;
  }
  EXPECT_EQ(ReadLines(path_), expected);
  EXPECT_TRUE(diagnostics_.str().empty());
}

TEST_F(LogOutputTest, LinesAreOnDiskBeforeTheOutputCloses) {
  auto log = LogOutput::Create(path_, diagnostics_, [this] { return clock_.now(); });
  ASSERT_NE(log, nullptr);
  log->open();
  log->send(NoteOnMessage(45));
  EXPECT_EQ(ReadLines(path_), (std::vector<std::string>{"0 open", "0 on 45 64"}));
}

TEST_F(LogOutputTest, ChordLinesFollowSlotOrder) {
  auto log = LogOutput::Create(path_, diagnostics_, [this] { return clock_.now(); });
  ASSERT_NE(log, nullptr);
  NotePlayer player(*log, clock_.MakeTiming());
  player.PlayChord({0, 48, 52, 0, 60, 64}, 50);
  EXPECT_EQ(ReadLines(path_),
            (std::vector<std::string>{"0 open", "0 on 48 64", "0 on 52 64", "0 on 60 64",
                                      "0 on 64 64", "500 close"}));
}

TEST_F(LogOutputTest, OtherMessagesAreWrittenInHex) {
  auto log = LogOutput::Create(path_, diagnostics_, [this] { return clock_.now(); });
  ASSERT_NE(log, nullptr);
  log->send(0x001880u);  // note-off for note 24
  log->send(0x0018C0u);  // program change to 24
  EXPECT_EQ(ReadLines(path_),
            (std::vector<std::string>{"0 message 0x001880", "0 message 0x0018C0"}));
}

TEST_F(LogOutputTest, RealClockTimesStartNearZeroAndRise) {
  auto log = LogOutput::Create(path_, diagnostics_);
  ASSERT_NE(log, nullptr);
  NotePlayer player(*log, SystemTiming());
  player.PlayNote(60, 2);
  player.PlayNote(62, 2);
  log.reset();
  const auto lines = ReadLines(path_);
  ASSERT_EQ(lines.size(), 6u);
  long long previous = 0;
  for (const std::string& line : lines) {
    const long long ms = std::stoll(line);
    EXPECT_GE(ms, previous) << line;
    previous = ms;
  }
  // Two notes of 20 ms each have passed by the last close.
  EXPECT_GE(previous, 40);
}

// A backend that cannot start: one line on the diagnostics stream, and an
// output that takes every call.
class UnusableBackendTest : public ::testing::Test {
 protected:
  std::string Start(const std::string& midiOut) {
    std::ostringstream diagnostics;
    OutputOptions options;
    options.midiOut = midiOut;
    auto output = CreateMidiOutput(options, diagnostics);
    EXPECT_NE(output, nullptr);
    if (output != nullptr) {
      FakeClock clock;
      NotePlayer player(*output, clock.MakeTiming());
      player.PlayNote(60, 15);
      player.PlayChord({40, 45, 50, 55, 59, 64}, 15);
      EXPECT_EQ(clock.waits.size(), 2u);  // the same timing as with sound
    }
    return diagnostics.str();
  }
};

TEST_F(UnusableBackendTest, UnwritableLogFile) {
  const std::string message = Start("log:/nonexistent/fretlab/dir/notes.log");
  EXPECT_EQ(CountLines(message), 1) << message;
  EXPECT_NE(message.find("/nonexistent/fretlab/dir/notes.log"), std::string::npos) << message;
}

// A pipe with nobody reading it: opening it for writing would wait for a
// reader forever, before the window is even shown. It is refused at once.
TEST(LogPipeTest, PipeWithoutAReaderIsRefusedAtOnce) {
  testing::TempDir dir;
  const std::string path = dir.File("notes");
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  std::promise<std::pair<bool, std::string>> result;
  std::thread opener([&] {
    std::ostringstream diagnostics;
    auto log = LogOutput::Create(path, diagnostics);
    result.set_value({log != nullptr, diagnostics.str()});
  });
  auto future = result.get_future();
  const bool answered = future.wait_for(2s) == std::future_status::ready;
  if (!answered) {
    // Let the stuck open() go before failing.
    const int reader = open(path.c_str(), O_RDONLY | O_NONBLOCK);
    opener.join();
    close(reader);
  } else {
    opener.join();
  }
  ASSERT_TRUE(answered) << "opening a pipe without a reader blocked";
  const auto [opened, message] = future.get();
  EXPECT_FALSE(opened);
  EXPECT_EQ(CountLines(message), 1) << message;
  EXPECT_NE(message.find(path), std::string::npos) << message;
  EXPECT_NE(message.find("nobody reads"), std::string::npos) << message;
}

TEST(LogPipeTest, PipeWithARunningReaderGetsTheLines) {
  testing::TempDir dir;
  const std::string path = dir.File("notes");
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  const int reader = open(path.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  std::ostringstream diagnostics;
  FakeClock clock;
  auto log = LogOutput::Create(path, diagnostics, [&] { return clock.now(); });
  ASSERT_NE(log, nullptr) << diagnostics.str();
  log->open();
  log->send(NoteOnMessage(52));
  log->close();
  char text[64] = {};
  const ssize_t got = read(reader, text, sizeof text - 1);
  close(reader);
  log.reset();
  EXPECT_EQ(std::string(text, got > 0 ? got : 0), "0 open\n0 on 52 64\n0 close\n");
}

TEST_F(UnusableBackendTest, LogWithoutFileName) {
  const std::string message = Start("log:");
  EXPECT_EQ(CountLines(message), 1) << message;
  EXPECT_NE(message.find("log:FILE"), std::string::npos) << message;
}

TEST_F(UnusableBackendTest, UnknownChoiceNamesTheValidOnes) {
  const std::string message = Start("fluidsynth");
  EXPECT_EQ(CountLines(message), 1) << message;
  EXPECT_NE(message.find("\"fluidsynth\""), std::string::npos) << message;
  for (const char* choice : {"synth", "alsa", "alsa:NAME", "log:FILE", "none"}) {
    EXPECT_NE(message.find(choice), std::string::npos) << choice;
  }
}

TEST_F(UnusableBackendTest, ValuesInTheLineAreShownEscapedAndCut) {
  const std::string choice = Start("synth\x1b[2J\nnext");
  EXPECT_EQ(CountLines(choice), 1) << choice;
  EXPECT_NE(choice.find("unknown --midi-out \"synth\\x1B[2J\\nnext\""), std::string::npos) << choice;
  const std::string log = Start("log:/nonexistent/" + std::string(100'000, 'z'));
  EXPECT_EQ(CountLines(log), 1);
  EXPECT_LT(log.size(), 500u);
  EXPECT_NE(log.find("\"/nonexistent/zzz"), std::string::npos) << log.substr(0, 300);
}

TEST_F(UnusableBackendTest, NoneIsSilentWithoutComplaint) {
  EXPECT_EQ(Start("none"), "");
}

class AlsaBackendTest : public UnusableBackendTest,
                        public ::testing::WithParamInterface<const char*> {};

TEST_P(AlsaBackendTest, StartsOrSaysThatTheSequencerIsMissing) {
  const std::string message = Start(GetParam());
  if (access(kAlsaSequencerDevice, R_OK | W_OK) != 0) {
    EXPECT_EQ(CountLines(message), 1) << message;
    EXPECT_NE(message.find(kAlsaSequencerDevice), std::string::npos) << message;
  } else if (std::string(GetParam()) == "alsa") {
    EXPECT_EQ(message, "");  // a port of our own always opens
  } else {
    EXPECT_LE(CountLines(message), 1) << message;
  }
}

INSTANTIATE_TEST_SUITE_P(Choices, AlsaBackendTest,
                         ::testing::Values("alsa", "alsa:FLUID Synth", "alsa:Timidity"));

TEST(ShortMessageTest, UnpacksStatusAndDataBytes) {
  ShortMessage message;
  ASSERT_TRUE(UnpackShortMessage(NoteOnMessage(64), message));
  EXPECT_EQ(message.status, 0x90);
  EXPECT_EQ(message.data1, 64);
  EXPECT_EQ(message.data2, 64);
  EXPECT_EQ(message.Channel(), 0);
  EXPECT_TRUE(message.IsNoteOn());
  EXPECT_FALSE(message.IsNoteOff());
  EXPECT_EQ(message.Size(), 3);
}

TEST(ShortMessageTest, NoteOnWithVelocityZeroIsANoteOff) {
  ShortMessage message;
  ASSERT_TRUE(UnpackShortMessage(0x003C93u, message));
  EXPECT_EQ(message.Channel(), 3);
  EXPECT_FALSE(message.IsNoteOn());
  EXPECT_TRUE(message.IsNoteOff());
}

TEST(ShortMessageTest, RejectsADataByteInTheStatusPlace) {
  ShortMessage message;
  EXPECT_FALSE(UnpackShortMessage(0x40407Fu, message));
}

TEST(ShortMessageTest, SizesFollowTheStatus) {
  ShortMessage message;
  const std::pair<std::uint32_t, int> cases[] = {
      {0x80, 3}, {0xB0, 3}, {0xC5, 2}, {0xD0, 2}, {0xE0, 3},
      {0xF2, 3}, {0xF1, 2}, {0xF3, 2}, {0xF8, 1}, {0xFE, 1}};
  for (const auto& [status, size] : cases) {
    ASSERT_TRUE(UnpackShortMessage(status, message));
    EXPECT_EQ(message.Size(), size) << std::hex << status;
  }
}

TEST(StartedNotesTest, TakeHandsOverTheNotesOnce) {
  StartedNotes notes;
  notes.Add(0, 60);
  notes.Add(0, 64);
  const auto taken = notes.Take();
  ASSERT_EQ(taken.size(), 2u);
  EXPECT_EQ(taken[1].note, 64);
  EXPECT_TRUE(notes.Take().empty());
}

}  // namespace
}  // namespace fretlab
