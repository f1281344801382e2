// Journal files left read-only by a spell in which the history was
// read-only: made ready at the next open once the user has made the history
// writable again, so that it saves at once; never while a connection uses
// them. Run as an ordinary user: the superuser writes read-only files anyway.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>

#include "history_support.h"
#include "practice/history/history_journal.h"
#include "support/other_user.h"

namespace fretlab::practice {
namespace {

using namespace testing;
using fretlab::testing::AsOrdinaryUser;

class HistoryJournal : public HistoryTest {
 protected:
  void SetUp() override { ASSERT_TRUE(QDir().mkpath(Folder())); }
  QString Folder() const { return QFileInfo(File()).absolutePath(); }
  static bool Writable(const QString& path) {
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
  }
  static mode_t Mode(const QString& path) {
    struct stat s {};
    return ::stat(QFile::encodeName(path).constData(), &s) == 0 ? (s.st_mode & 07777) : 0;
  }
  static void SetMode(const QString& path, mode_t mode) {
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
  }
};

TEST_F(HistoryJournal, AHistoryMadeWritableAgainAfterAReadOnlySpellSavesAtOnce) {
  AsOrdinaryUser user({dir_.path().toStdString(), Folder().toStdString()});
  {
    HistoryStore store(File());
    ASSERT_TRUE(store.Record(Answer(1, 1, true, 500), {}, kNow));
  }
  SetMode(File(), 0444);
  {
    HistoryStore store(File());
    EXPECT_FALSE(store.Record(Answer(1, 2, true, 500), {}, kNow));
    EXPECT_TRUE(store.message().contains("cannot be written")) << store.message().toStdString();
  }
  // What that spell left: journals with the history's read-only permissions.
  ASSERT_TRUE(QFileInfo::exists(File() + "-shm"));
  EXPECT_FALSE(Writable(File() + "-shm"));
  SetMode(File(), 0644);
  HistoryStore store(File());
  EXPECT_TRUE(store.Record(Answer(1, 3, true, 500), {}, kNow)) << store.message().toStdString();
  EXPECT_TRUE(store.message().isEmpty()) << store.message().toStdString();
  EXPECT_EQ(store.AnswerCount(), 2);
}

TEST_F(HistoryJournal, LeftOverJournalsAreReadiedAndTheLogKept) {
  AsOrdinaryUser user({dir_.path().toStdString(), Folder().toStdString()});
  QByteArray log(4096, 'w');
  for (const char* suffix : {"", "-wal", "-shm"}) {
    QFile f(File() + suffix);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QString(suffix) == "-wal" ? log : QByteArray(32768, 's'));
  }
  SetMode(File(), 0640);
  SetMode(File() + "-wal", 0444);
  SetMode(File() + "-shm", 0444);
  // Nothing while the history itself is read-only.
  SetMode(File(), 0440);
  EXPECT_EQ(ReadyLeftOverJournals(QFile::encodeName(File()).toStdString()), 0);
  EXPECT_TRUE(QFileInfo::exists(File() + "-shm"));
  SetMode(File(), 0640);
  EXPECT_EQ(ReadyLeftOverJournals(QFile::encodeName(File()).toStdString()), 2);
  EXPECT_FALSE(QFileInfo::exists(File() + "-shm"));
  EXPECT_EQ(Mode(File() + "-wal"), 0640u);  // the history's permissions
  EXPECT_EQ(Bytes(File() + "-wal"), log);   // answers it may hold stay
  EXPECT_EQ(ReadyLeftOverJournals(QFile::encodeName(File()).toStdString()), 0);
}

TEST_F(HistoryJournal, JournalsThatAConnectionHoldsAreLeftAlone) {
  AsOrdinaryUser user({dir_.path().toStdString(), Folder().toStdString()});
  {
    HistoryStore store(File());
    ASSERT_TRUE(store.Record(Answer(1, 1, true, 500), {}, kNow));
  }
  OtherProgram other(File());
  ASSERT_TRUE(other.Hold("BEGIN IMMEDIATE"));  // opens the log and its index
  other.Release();
  ASSERT_TRUE(QFileInfo::exists(File() + "-shm"));
  struct stat before {};
  ASSERT_EQ(::stat(QFile::encodeName(File() + "-shm").constData(), &before), 0);
  SetMode(File() + "-shm", 0444);
  EXPECT_EQ(ReadyLeftOverJournals(QFile::encodeName(File()).toStdString()), 0);
  struct stat after {};
  ASSERT_EQ(::stat(QFile::encodeName(File() + "-shm").constData(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  SetMode(File() + "-shm", 0644);
  // The other connection still works on its index.
  EXPECT_TRUE(other.Hold("BEGIN IMMEDIATE"));
}

}  // namespace
}  // namespace fretlab::practice
