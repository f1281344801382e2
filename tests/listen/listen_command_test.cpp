// `fretlab --listen`: sound files written here with libsndfile, read back
// through RunListen, which main() calls.

#include "listen/listen_command.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "support/guitar_material.h"
#include "support/temp_dir.h"

namespace fretlab {
namespace {

long Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

class ListenCommandTest : public ::testing::Test {
 protected:

  // `mono` written as `channels` equal channels at `rate` in `format`.
  std::string Write(const std::string& name, const std::vector<float>& mono, int rate,
                    int channels, int format) {
    const std::string path = (folder_ / name).string();
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
    std::vector<float> frames;
    for (float s : mono) frames.insert(frames.end(), channels, s);
    sf_writef_float(file, frames.data(), static_cast<sf_count_t>(mono.size()));
    sf_close(file);
    return path;
  }

  int Run(std::vector<std::string> arguments) {
    out_.str("");
    err_.str("");
    return RunListen(arguments, out_, err_);
  }

  testing::TempDir dir_;
  std::filesystem::path folder_{dir_.path()};
  std::ostringstream out_, err_;
};

TEST_F(ListenCommandTest, EachNoteOfARenderedFileIsOneLine) {
  const std::vector<float> track = testing::RenderNotes(
      24, {{40, 0.5, 1.0, 100}, {52, 2.0, 1.0, 100}, {64, 3.5, 1.0, 100}}, 5.0);
  ASSERT_EQ(Run({"--listen", Write("notes.wav", track, 44100, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16)}),
            0);
  EXPECT_EQ(err_.str(), "");
  const std::regex line(R"((\d+) (\d+) ([A-G]#?-?\d) (\d+) ([+-]\d+))");
  std::istringstream lines(out_.str());
  std::vector<std::string> names;
  std::string text;
  const double onsets[] = {500, 2000, 3500};
  while (std::getline(lines, text)) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(text, m, line)) << text;
    const std::size_t i = names.size();
    ASSERT_LT(i, 3u) << out_.str();
    EXPECT_NEAR(std::stod(m[1]), onsets[i], 30) << text;
    EXPECT_GT(std::stoi(m[2]), std::stoi(m[1])) << text;
    EXPECT_LE(std::stod(m[2]), onsets[i] + 150) << text;
    names.push_back(m[3].str() + " " + m[4].str());
    EXPECT_LE(std::abs(std::stoi(m[5])), 10) << text;
  }
  EXPECT_EQ(names, (std::vector<std::string>{"E2 40", "E3 52", "E4 64"}));
}

TEST_F(ListenCommandTest, AnyRateAndChannelsLibsndfileReads) {
  // A 48 kHz stereo FLAC of a tone at A3 (220 Hz) from 0.5 s to 1.7 s.
  std::vector<float> tone(24000, 0.f);
  for (int i = 0; i < 57600; ++i) {
    double s = 0;
    for (int k = 1; k <= 8; ++k) s += std::sin(2 * M_PI * 220 * k * i / 48000.0) / k;
    tone.push_back(static_cast<float>(0.15 * s));
  }
  tone.resize(tone.size() + 14400, 0.f);
  ASSERT_EQ(Run({"--listen", Write("tone.flac", tone, 48000, 2, SF_FORMAT_FLAC | SF_FORMAT_PCM_16)}),
            0) << err_.str();
  const std::regex line(R"(\d+ \d+ A3 57 [+-]0\n)");
  EXPECT_TRUE(std::regex_match(out_.str(), line)) << out_.str();
}

TEST_F(ListenCommandTest, AnUnreadableOrEmptyFileIsOneLineAndStatusTwo) {
  const std::string broken = (folder_ / "broken.wav").string();
  std::ofstream(broken) << "RIFF, but not really";
  EXPECT_EQ(Run({"--listen", broken}), 2);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str().rfind("fretlab: cannot read " + broken + ": ", 0), 0u) << err_.str();
  EXPECT_EQ(Lines(err_.str()), 1);

  EXPECT_EQ(Run({"--listen", (folder_ / "missing.wav").string()}), 2);
  EXPECT_EQ(Lines(err_.str()), 1);

  const std::string empty = Write("empty.wav", {}, 44100, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
  EXPECT_EQ(Run({"--listen", empty}), 2);
  EXPECT_EQ(err_.str(), "fretlab: " + empty + " holds no audio\n");
  EXPECT_EQ(out_.str(), "");
}

TEST_F(ListenCommandTest, ArgumentsThatCannotBeUsedAreOneLine) {
  EXPECT_EQ(Run({"--listen"}), 2);
  EXPECT_EQ(err_.str(), "fretlab: --listen takes a sound file: fretlab --listen IN.wav\n");
  EXPECT_EQ(Run({"--listen", "x.wav", "--lowest", "H2"}), 2);
  EXPECT_EQ(err_.str(), "fretlab: --lowest takes a note from C1 to C4, such as E1 or B1, not \"H2\"\n");
  EXPECT_EQ(Run({"--listen", "x.wav", "--midi-out", "none"}), 2);
  EXPECT_EQ(Lines(err_.str()), 1);
}

TEST(NoteNameTest, NamesAndNumbersBothWays) {
  EXPECT_EQ(ParseNoteName("E2"), 40);
  EXPECT_EQ(ParseNoteName("e1"), 28);
  EXPECT_EQ(ParseNoteName("B1"), 35);
  EXPECT_EQ(ParseNoteName("C#4"), 61);
  EXPECT_EQ(ParseNoteName("Bb1"), 34);
  EXPECT_EQ(ParseNoteName("H2"), -1);
  EXPECT_EQ(ParseNoteName("E"), -1);
  EXPECT_EQ(ParseNoteName("E22"), -1);
  EXPECT_EQ(NoteName(40), "E2");
  EXPECT_EQ(NoteName(61), "C#4");
  EXPECT_EQ(NoteName(28), "E1");
}

}  // namespace
}  // namespace fretlab
