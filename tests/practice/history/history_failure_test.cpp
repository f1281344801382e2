// A history that is locked, read-only, full or damaged: practice goes on,
// one message says why, and the file the user had is never lost.

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <unistd.h>

#include "history_support.h"
#include "practice/history/history_thread.h"

namespace fretlab::practice {
namespace {

using namespace testing;

// Makes a history with `count` answers and closes it.
void MakeHistory(const QString& file, int count) {
  HistoryStore store(file);
  ASSERT_TRUE(store.saving()) << store.message().toStdString();
  for (int i = 0; i < count; ++i) ASSERT_TRUE(store.Record(Answer(1, i % 12, true, 700), {}, kNow + i));
}

QStringList Aside(const QString& folder) {
  return QDir(folder).entryList({"practice.sqlite.damaged-*"}, QDir::Files);
}

TEST_F(HistoryTest, ALockHeldByAnotherProgramStopsSavingButLosesNothing) {
  MakeHistory(File(), 3);
  HistoryStore store(File(), {.busyTimeoutMs = 20});
  ASSERT_TRUE(store.saving());
  {
    QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
    other.setDatabaseName(File());
    ASSERT_TRUE(other.open());
    QSqlQuery q(other);
    ASSERT_TRUE(q.exec("BEGIN EXCLUSIVE"));
    ASSERT_TRUE(q.exec("INSERT INTO answers (drill, ms) VALUES ('other', 1)"));
    EXPECT_FALSE(store.Record(Answer(2, 2, true, 500), {}, kNow));
    EXPECT_FALSE(store.saving());
    EXPECT_TRUE(store.message().contains("in use by another program")) << store.message().toStdString();
    const QString first = store.message();
    EXPECT_FALSE(store.Record(Answer(2, 3, true, 500), {}, kNow));
    EXPECT_EQ(store.message(), first) << "one message, not one per answer";
    ASSERT_TRUE(q.exec("COMMIT"));
    other.close();
  }
  QSqlDatabase::removeDatabase("other");
  EXPECT_EQ(store.AnswerCount(), 4);  // the three earlier answers and the other program's
}

TEST_F(HistoryTest, AReadOnlyHistoryIsShownButNotWritten) {
  MakeHistory(File(), 2);
  QFile::setPermissions(File(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  QFile::setPermissions(QFileInfo(File()).absolutePath(),
                        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                            QFile::ReadOther | QFile::ExeOther);
  const auto openFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                          QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
  QFile::setPermissions(dir_.path(), openFolder);
  const QByteArray before = Bytes(File());
  // Permissions do not hold back the superuser: run as "nobody" meanwhile
  // (still in the superuser's groups, hence the group bits above).
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(seteuid(65534), 0);
  }
  bool saved = true, saving = true;
  QString message;
  long long count = 0;
  {
    HistoryStore store(File());
    saved = store.Record(Answer(2, 2, true, 500), {}, kNow);
    saving = store.saving();
    message = store.message();
    count = store.AnswerCount();
  }
  if (root) {
    ASSERT_EQ(seteuid(0), 0);
  }
  QFile::setPermissions(QFileInfo(File()).absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_FALSE(saved);
  EXPECT_FALSE(saving);
  EXPECT_TRUE(message.contains("cannot be written")) << message.toStdString();
  EXPECT_EQ(count, 2);
  EXPECT_EQ(Bytes(File()), before);
}

TEST_F(HistoryTest, AFullDiskStopsSavingAndKeepsWhatWasStored) {
  int stored = 0;
  {
    HistoryStore store(File(), {.maxPageCount = 12});
    ASSERT_TRUE(store.saving()) << store.message().toStdString();
    for (int i = 0; i < 5000 && store.Record(Answer(1, i % 24, i % 3 != 0, 700 + i), {}, kNow + i); ++i) {
      ++stored;
    }
    EXPECT_GT(stored, 10);
    EXPECT_LT(stored, 5000);
    EXPECT_FALSE(store.saving());
    EXPECT_TRUE(store.message().contains("is full")) << store.message().toStdString();
  }
  HistoryStore again(File());
  EXPECT_EQ(again.AnswerCount(), stored);
}

TEST_F(HistoryTest, AFileThatIsNoDatabaseIsSetAsideAndANewHistoryBegun) {
  QDir().mkpath(QFileInfo(File()).absolutePath());
  QFile junk(File());
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  QByteArray bytes(8192, 'x');
  bytes.prepend("not a history at all\n");
  junk.write(bytes);
  junk.close();

  HistoryStore store(File());
  EXPECT_TRUE(store.saving()) << store.message().toStdString();
  const QStringList aside = Aside(QFileInfo(File()).absolutePath());
  ASSERT_EQ(aside.size(), 1);
  EXPECT_TRUE(aside[0].contains(QRegularExpression("^practice\\.sqlite\\.damaged-\\d{8}-\\d{6}$")))
      << aside[0].toStdString();
  EXPECT_EQ(Bytes(QFileInfo(File()).absolutePath() + "/" + aside[0]), bytes);
  EXPECT_TRUE(store.message().contains("was damaged")) << store.message().toStdString();
  EXPECT_TRUE(store.message().contains(aside[0]));
  EXPECT_TRUE(store.Record(Answer(1, 1, true, 500), {}, kNow));
  EXPECT_EQ(store.AnswerCount(), 1);
}

TEST_F(HistoryTest, DamageFoundWhileStoringSetsTheFileAsideWithItsJournal) {
  MakeHistory(File(), 400);
  // Spoil the pages after the first, leaving the header readable.
  {
    QFile f(File());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_GT(f.size(), 3 * 4096);
    f.seek(4096);
    f.write(QByteArray(static_cast<int>(f.size()) - 4096, '\x5a'));
  }
  const QByteArray damaged = Bytes(File());
  HistoryStore store(File());
  // The answer that finds the damage is not lost: it is the new history's first.
  EXPECT_TRUE(store.Record(Answer(1, 1, true, 500), {1, 1, 0, 500, kNow}, kNow));
  const QStringList aside = Aside(QFileInfo(File()).absolutePath());
  ASSERT_EQ(aside.size(), 1) << store.message().toStdString();
  EXPECT_EQ(Bytes(QFileInfo(File()).absolutePath() + "/" + aside[0]), damaged);
  EXPECT_TRUE(store.message().contains("was damaged")) << store.message().toStdString();
  EXPECT_TRUE(store.saving());
  EXPECT_TRUE(store.Record(Answer(1, 2, true, 500), {}, kNow));
  EXPECT_EQ(store.AnswerCount(), 2);
  EXPECT_EQ(RawQuery(File(), "SELECT group_concat(string || '/' || fret, ' ') FROM answers").toString(),
            "1/1 1/2");
  const auto items = store.Schedule("name-note", "E2 A2 D3 G3 B3 E4");
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].first, "1/1");
  EXPECT_EQ(items[0].second.box, 1);  // its schedule state came with it
}

// Damage found in the middle of a session, behind the history's thread:
// every answer given is in the new history, the one that found it too.
TEST_F(HistoryTest, NoAnswerIsLostWhenTheHistoryTurnsOutDamagedMidSession) {
  MakeHistory(File(), 400);
  {
    QFile f(File());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(4096);
    f.write(QByteArray(2 * 4096, '\x33'));  // pages 2 and 3
  }
  HistoryThread history(File());
  for (int i = 0; i < 5; ++i) history.Record(Answer(2, i, true, 600 + i), {}, kNow + i);
  EXPECT_EQ(history.AnswerCount(), 5);
  ASSERT_EQ(Aside(QFileInfo(File()).absolutePath()).size(), 1);
}

}  // namespace
}  // namespace fretlab::practice
