// `fretlab --export OUT IN`: the format by extension, the same refusal of a
// bad sequence file as File > Open, and OUT written whole or not at all.

#include "export/export_command.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <sstream>

#include "export/export_test_support.h"
#include "sequence/sequence_fixture.h"
#include "support/full_disk.h"
#include "support/other_user.h"

namespace fretlab {
namespace {

namespace fs = std::filesystem;
using testing::FileBytes;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

const std::vector<std::uint8_t> kExampleFile =
    FileBytes()
        .Record({40, 47, 52, 56, 59, 64}, {0, 2, 2, 1, 0, 0}, 50, 0)
        .End()
        .Bytes();

class ExportCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    in_ = folder_.Path() / "song.fbs";
    WriteBytes(in_, kExampleFile);
  }
  std::vector<std::uint8_t> Expected(ExportFormat format) {
    SequenceImage image;
    EXPECT_TRUE(ReadSequenceFile(in_, image));
    const std::string bytes = ExportBytes(format, image, "song");
    return {bytes.begin(), bytes.end()};
  }
  ScratchFolder folder_;
  fs::path in_;
  std::ostringstream err_;
};

TEST(ExportFormatTest, ByExtensionInAnyCase) {
  EXPECT_EQ(ExportFormatOf("a.mid"), ExportFormat::Midi);
  EXPECT_EQ(ExportFormatOf("a.MIDI"), ExportFormat::Midi);
  EXPECT_EQ(ExportFormatOf("/x/a.b.MusicXML"), ExportFormat::MusicXml);
  EXPECT_EQ(ExportFormatOf("chart.txt"), ExportFormat::ChordChart);
  EXPECT_EQ(ExportFormatOf("a.xml"), std::nullopt);
  EXPECT_EQ(ExportFormatOf("a.mid.bak"), std::nullopt);
  EXPECT_EQ(ExportFormatOf("mid"), std::nullopt);
}

TEST_F(ExportCommandTest, WritesEachFormatSilentlyAndReturnsZero) {
  for (const auto& [name, format] : {std::pair{"song.mid", ExportFormat::Midi},
                                     std::pair{"song.midi", ExportFormat::Midi},
                                     std::pair{"song.musicxml", ExportFormat::MusicXml},
                                     std::pair{"song.txt", ExportFormat::ChordChart}}) {
    const fs::path out = folder_.Path() / name;
    EXPECT_EQ(RunExport(out, in_, err_), 0) << name;
    EXPECT_EQ(ReadBytes(out), Expected(format)) << name;
  }
  EXPECT_EQ(err_.str(), "");
  const std::vector<std::uint8_t> mid = ReadBytes(folder_.Path() / "song.mid");
  ASSERT_GT(mid.size(), 4u);
  EXPECT_EQ(std::string(mid.begin(), mid.begin() + 4), "MThd");
  // The file's name is the piece's title.
  const std::vector<std::uint8_t> xml = ReadBytes(folder_.Path() / "song.musicxml");
  EXPECT_TRUE(testing::Has(std::string(xml.begin(), xml.end()), "<work-title>song</work-title>"));
}

TEST_F(ExportCommandTest, AnUnknownExtensionIsRefusedBeforeAnythingIsRead) {
  const fs::path out = folder_.Path() / "song.pdf";
  EXPECT_EQ(RunExport(out, folder_.Path() / "missing.fbs", err_), 2);
  EXPECT_EQ(err_.str(), "fretlab: cannot export to \"" + out.string() +
                            "\": unknown extension \".pdf\"; known extensions: .mid, .midi, "
                            ".musicxml, .txt\n");
  EXPECT_FALSE(fs::exists(out));

  std::ostringstream bare;
  EXPECT_EQ(RunExport(folder_.Path() / "song", in_, bare), 2);
  EXPECT_NE(bare.str().find("it has no extension; known extensions: .mid"), std::string::npos);
}

TEST_F(ExportCommandTest, ARefusedSequenceFileGivesTheOpenMessageAndLeavesOutAlone) {
  const fs::path bad = folder_.Path() / "bad.fbs";
  WriteBytes(bad,
             FileBytes().Record({40, 47, 52, 56, 59, 99}, {0, 2, 2, 1, 0, 0}, 50, 0).End().Bytes());
  SequenceImage ignored;
  const FileOutcome open = ReadSequenceFile(bad, ignored);
  ASSERT_FALSE(open);

  const fs::path out = folder_.Path() / "song.mid";
  WriteBytes(out, {1, 2, 3});
  EXPECT_EQ(RunExport(out, bad, err_), 2);
  EXPECT_EQ(err_.str(), "fretlab: " + open.message + "\n");
  EXPECT_EQ(ReadBytes(out), (std::vector<std::uint8_t>{1, 2, 3}));

  std::ostringstream missing;
  EXPECT_EQ(RunExport(folder_.Path() / "a.txt", folder_.Path() / "none.fbs", missing), 2);
  EXPECT_NE(missing.str().find("Cannot open \""), std::string::npos);
  EXPECT_FALSE(fs::exists(folder_.Path() / "a.txt"));
}

TEST_F(ExportCommandTest, AnUnwritableOutIsReportedWithStatusOne) {
  const fs::path out = folder_.Path() / "no" / "such" / "song.mid";
  EXPECT_EQ(RunExport(out, in_, err_), 1);
  EXPECT_EQ(err_.str().rfind("fretlab: Cannot export \"" + out.string() + "\": ", 0), 0u)
      << err_.str();
  EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"song.fbs"});
}

TEST_F(ExportCommandTest, OutIsNeverTheInputByAnyName) {
  // A sequence file whose name has an export's extension, a link to it and
  // a second name of the same file.
  const fs::path in = folder_.Path() / "song.txt";
  fs::rename(in_, in);
  fs::create_symlink("song.txt", folder_.Path() / "link.mid");
  fs::create_hard_link(in, folder_.Path() / "hard.musicxml");
  for (const fs::path& out : {in, folder_.Path() / "link.mid", folder_.Path() / "hard.musicxml"}) {
    std::ostringstream err;
    EXPECT_EQ(RunExport(out, in, err), 1) << out;
    EXPECT_EQ(err.str(), "fretlab: Cannot export \"" + out.string() +
                             "\": That is the input file \"" + in.string() +
                             "\"; choose another name.\n");
    EXPECT_EQ(ReadBytes(in), kExampleFile);
  }
}

TEST_F(ExportCommandTest, APipeOrADeviceAtOutIsRefusedWithStatusOne) {
  const fs::path pipe = folder_.Path() / "pipe.mid";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(RunExport(pipe, in_, err_), 1);
  EXPECT_EQ(err_.str(), "fretlab: Cannot export \"" + pipe.string() +
                            "\": Is a named pipe (FIFO), not a file; choose another name.\n");
  EXPECT_TRUE(fs::is_fifo(pipe));

  // The superuser's link to a device of the test's own (it could replace
  // /dev/null itself); anyone else's to /dev/null.
  const fs::path device = ::geteuid() == 0 ? folder_.Path() / "device" : fs::path("/dev/null");
  if (::geteuid() == 0) {
    ASSERT_EQ(::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0);
  }
  const fs::path link = folder_.Path() / "null.txt";
  fs::create_symlink(device, link);
  std::ostringstream err;
  EXPECT_EQ(RunExport(link, in_, err), 1);
  EXPECT_NE(err.str().find("Is a device, not a file"), std::string::npos) << err.str();
  EXPECT_TRUE(fs::is_character_file(device));
}

TEST_F(ExportCommandTest, AReadOnlyOutIsRefusedForAnOrdinaryUser) {
  const fs::path out = folder_.Path() / "kept.txt";
  WriteBytes(out, {1, 2, 3});
  fs::permissions(out, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  int status = -1;
  {
    testing::AsOrdinaryUser user({folder_.Path(), in_, out});
    status = RunExport(out, in_, err_);
  }
  EXPECT_EQ(status, 1);
  EXPECT_EQ(err_.str(), "fretlab: Cannot export \"" + out.string() +
                            "\": The file is read-only; make it writable or choose another name.\n");
  EXPECT_EQ(ReadBytes(out), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(ExportCommandTest, AFullDiskGivesStatusOneAndKeepsTheOldOut) {
  const fs::path out = folder_.Path() / "song.musicxml";
  WriteBytes(out, {1, 2, 3});
  int status = -1;
  {
    testing::FullDisk disk(1000);  // the score is several kilobytes
    status = RunExport(out, in_, err_);
  }
  EXPECT_EQ(status, 1);
  EXPECT_EQ(err_.str(), "fretlab: Cannot export \"" + out.string() +
                            "\": No space left on device; free some space or choose another disk.\n");
  EXPECT_EQ(ReadBytes(out), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"song.fbs", "song.musicxml"}));
}

TEST_F(ExportCommandTest, NamesInMessagesAreShownSafely) {
  const fs::path out = folder_.Path() / "a\x1b]0;title\x07.pdf";
  EXPECT_EQ(RunExport(out, in_, err_), 2);
  EXPECT_EQ(err_.str(), "fretlab: cannot export to \"" + folder_.Path().string() +
                            "/a\\x1B]0;title\\x07.pdf\": unknown extension \".pdf\"; known "
                            "extensions: .mid, .midi, .musicxml, .txt\n");
  std::ostringstream missing;
  const fs::path in = folder_.Path() / "line\nbreak.fbs";
  EXPECT_EQ(RunExport(folder_.Path() / "a.txt", in, missing), 2);
  EXPECT_EQ(missing.str(), "fretlab: Cannot open \"" + folder_.Path().string() +
                               "/line\\nbreak.fbs\": No such file or directory.\n");
}

}  // namespace
}  // namespace fretlab
