// The history as CSV when the file cannot be written: a disk that fills up
// midway is reported and the old file kept; a pipe is refused untouched;
// the name is the system's bytes.

#include <sys/stat.h>

#include <QDir>
#include <filesystem>
#include <fstream>
#include <string>

#include "history_support.h"
#include "support/full_disk.h"

namespace fretlab::practice {
namespace {

using namespace testing;
using fretlab::testing::FullDisk;

class HistoryExport : public HistoryTest {
 protected:
  void SetUp() override {
    store_ = std::make_unique<HistoryStore>(File());
    long long n = 0;
    // 3000 answers: some 200 kB of CSV, written in several pieces.
    ASSERT_EQ(store_->ImportAnswers([&n](AnswerRecord& a, long long& at) {
      a = Answer(1 + n % 6, n % 13, n % 3 != 0, 500 + static_cast<int>(n));
      at = kNow + n;
      return ++n <= 3000;
    }), 3000);
  }
  std::filesystem::path Out(const std::string& name) const {
    return QFile::encodeName(dir_.path()).toStdString() + "/" + name;
  }

  std::unique_ptr<HistoryStore> store_;
};

TEST_F(HistoryExport, ADiskThatFillsUpMidwayIsReportedAndTheOldFileKept) {
  const std::filesystem::path csv = Out("history.csv");
  QFile old(QString::fromStdString(csv.string()));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("an older export\n");
  old.close();
  for (const FullDisk::Failing failing : {FullDisk::kWrites, FullDisk::kSync}) {
    QString error;
    bool written = true;
    {
      FullDisk disk(100'000, failing);
      written = store_->ExportCsv(csv, &error);
      EXPECT_GT(disk.Attempted(), 100'000u);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(error.toStdString(), "Fretlab could not export the practice history to \"" +
                                       csv.string() +
                                       "\": No space left on device; free some space or choose "
                                       "another disk.");
    EXPECT_EQ(Bytes(QString::fromStdString(csv.string())), "an older export\n");
  }
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("history.csv")});
}

TEST_F(HistoryExport, APipeIsRefusedAndTheNameIsTheSystemsBytes) {
  const std::filesystem::path pipe = Out("pipe.csv");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  QString error;
  EXPECT_FALSE(store_->ExportCsv(pipe, &error));
  EXPECT_EQ(error.toStdString(), "Fretlab could not export the practice history to \"" +
                                     pipe.string() +
                                     "\": Is a named pipe (FIFO), not a file; choose another name.");
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));

  const std::filesystem::path odd = Out("caf\xe9.csv");
  ASSERT_TRUE(store_->ExportCsv(odd, &error)) << error.toStdString();
  std::ifstream in(odd, std::ios::binary);
  std::string header;
  ASSERT_TRUE(std::getline(in, header)) << "nothing under the name's own bytes";
  EXPECT_EQ(header, "id,at,drill,tuning,string,fret,asked,answered,correct,ms,input");
  in.close();
  // Qt cannot name such a file to remove it with the folder.
  EXPECT_TRUE(std::filesystem::remove(odd));
}

TEST_F(HistoryExport, TheHistoryItselfIsNeverTheExportsFile) {
  const std::filesystem::path history = QFile::encodeName(File()).toStdString();
  const QByteArray before = Bytes(File());
  QString error;
  EXPECT_FALSE(store_->ExportCsv(history, &error));
  EXPECT_EQ(error.toStdString(), "Fretlab could not export the practice history to \"" +
                                     history.string() + "\": That is the input file \"" +
                                     history.string() + "\"; choose another name.");
  EXPECT_EQ(Bytes(File()), before);
  EXPECT_EQ(store_->AnswerCount(), 3000);
}

}  // namespace
}  // namespace fretlab::practice
