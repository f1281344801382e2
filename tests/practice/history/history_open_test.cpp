// What stands at the history's path: a history of any Fretlab is used (an
// earlier one brought up to date, a later one read); another program's
// database, or a folder, is refused and left as it is; a full or failing
// disk at open is told in plain words. Nothing of Qt's or SQLite's own text
// reaches the user or the terminal.

#include <QDir>
#include <QFileInfo>
#include <QSqlError>

#include "history_support.h"
#include "support/failing_sqlite_disk.h"

namespace fretlab::practice {
namespace {

using namespace testing;
using fretlab::testing::FailingSqliteDisk;

// What a store made at the path says and does, taken while Qt's messages
// are caught.
struct Opened {
  bool saving = true;
  bool recorded = true;
  long long answers = -1;
  QString message;
  QStringList qtMessages;
};

Opened OpenAndRecord(const QString& path) {
  Opened opened;
  QtMessages qt;
  {
    HistoryStore store(path);
    opened.recorded = store.Record(Answer(1, 0, true, 600), {}, kNow);
    opened.saving = store.saving();
    opened.answers = store.AnswerCount();
    opened.message = store.message();
    store.Heatmap("E2 A2 D3 G3 B3 E4", Period::kAll, kNow);
  }
  opened.qtMessages = qt.Texts();
  return opened;
}

class HistoryOpen : public HistoryTest {
 protected:
  void SetUp() override { QDir().mkpath(QFileInfo(File()).absolutePath()); }
  // A database made by another program: `statements` run on a new file.
  void Make(const std::vector<const char*>& statements) {
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "maker");
      db.setDatabaseName(File());
      ASSERT_TRUE(db.open());
      for (const char* statement : statements) {
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(statement)) << statement << ": " << q.lastError().text().toStdString();
      }
      db.close();
    }
    QSqlDatabase::removeDatabase("maker");
  }
  QStringList Entries() const {
    return QDir(QFileInfo(File()).absolutePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  }
  QString Quoted() const { return "\"" + File() + "\""; }
};

TEST_F(HistoryOpen, AnotherProgramsDatabaseIsRefusedAndLeftUntouched) {
  const std::vector<std::vector<const char*>> foreign = {
      // Its own tables, no version.
      {"CREATE TABLE notes (id INTEGER PRIMARY KEY, text TEXT)", "INSERT INTO notes VALUES (1, 'x')"},
      // Its own table named answers.
      {"CREATE TABLE answers (question TEXT, reply TEXT)"},
      // Our version number, none of our tables.
      {"PRAGMA user_version = 2"},
      // Our first layout's version, an answers table of another shape.
      {"CREATE TABLE answers (id INTEGER PRIMARY KEY, at TEXT)", "PRAGMA user_version = 1"},
      // Our answers, and the next layout's table of another shape.
      {"CREATE TABLE answers (id INTEGER PRIMARY KEY, at TEXT, drill TEXT, tuning TEXT, "
       "string INTEGER, fret INTEGER, asked TEXT, answered TEXT, correct INTEGER, ms INTEGER)",
       "CREATE TABLE schedule (who TEXT)", "PRAGMA user_version = 1"},
      // A later version whose answers are not ours.
      {"CREATE TABLE answers (a, b, c)", "PRAGMA user_version = 7"},
      // The second layout's tables under the third's number: no input column.
      {"CREATE TABLE answers (id INTEGER PRIMARY KEY, at TEXT, drill TEXT, tuning TEXT, "
       "string INTEGER, fret INTEGER, asked TEXT, answered TEXT, correct INTEGER, ms INTEGER)",
       "CREATE TABLE schedule (drill TEXT, tuning TEXT, item TEXT, box INTEGER, seen INTEGER, "
       "errors INTEGER, mean_ms REAL, last_seen INTEGER, PRIMARY KEY (drill, tuning, item))",
       "CREATE TABLE position_times (tuning TEXT, string INTEGER, fret INTEGER, step INTEGER, "
       "answers INTEGER, right INTEGER, PRIMARY KEY (tuning, string, fret, step))",
       "PRAGMA user_version = 3"},
  };
  for (std::size_t i = 0; i < foreign.size(); ++i) {
    QFile::remove(File());
    Make(foreign[i]);
    const QByteArray before = Bytes(File());
    const Opened opened = OpenAndRecord(File());
    EXPECT_FALSE(opened.recorded) << i;
    EXPECT_FALSE(opened.saving) << i;
    EXPECT_EQ(opened.answers, 0) << i;
    EXPECT_EQ(opened.message, "The file " + Quoted() + " is not a Fretlab practice history; it is "
                              "left as it is and practice goes on without saving. Move it away to "
                              "begin a new history.") << i;
    EXPECT_TRUE(opened.qtMessages.isEmpty()) << i << ": " << opened.qtMessages.join('\n').toStdString();
    EXPECT_EQ(Bytes(File()), before) << i;
    EXPECT_EQ(Entries(), QStringList{"practice.sqlite"}) << i;
  }
}

TEST_F(HistoryOpen, AHistoryOfEveryFretlabIsOurs) {
  // An empty file is a new history.
  QFile(File()).open(QIODevice::WriteOnly);
  Opened opened = OpenAndRecord(File());
  EXPECT_TRUE(opened.recorded) << opened.message.toStdString();
  EXPECT_TRUE(opened.message.isEmpty());
  // The present layout, reopened.
  opened = OpenAndRecord(File());
  EXPECT_TRUE(opened.recorded);
  EXPECT_EQ(opened.answers, 2);
  // A later Fretlab's, with a column of its own added: read, not written.
  RawQuery(File(), "ALTER TABLE answers ADD COLUMN hand TEXT");
  RawQuery(File(), "PRAGMA user_version = " + QString::number(HistoryStore::kSchemaVersion + 1));
  const QByteArray before = Bytes(File());
  opened = OpenAndRecord(File());
  EXPECT_FALSE(opened.recorded);
  EXPECT_EQ(opened.answers, 2);
  EXPECT_EQ(opened.message, "The practice history " + Quoted() + " was written by a newer Fretlab; "
                            "it is shown but practice goes on without saving. Use that Fretlab to "
                            "save to it.");
  EXPECT_EQ(Bytes(File()), before);
  EXPECT_TRUE(opened.qtMessages.isEmpty()) << opened.qtMessages.join('\n').toStdString();
}

TEST_F(HistoryOpen, AFolderInItsPlaceIsNamedWithoutAWordFromTheLibrary) {
  ASSERT_TRUE(QDir().mkpath(File()));
  const Opened opened = OpenAndRecord(File());
  EXPECT_FALSE(opened.recorded);
  EXPECT_EQ(opened.message, "The practice history " + Quoted() + " is a folder or another special "
                            "file, not a file; practice goes on without saving. Move it away to "
                            "begin a new history.");
  EXPECT_TRUE(opened.qtMessages.isEmpty()) << opened.qtMessages.join('\n').toStdString();
  EXPECT_TRUE(QFileInfo(File()).isDir());
}

TEST_F(HistoryOpen, AFullDiskAtOpenOrAFailingOneLaterIsToldInPlainWords) {
  {
    HistoryStore store(File());
    ASSERT_TRUE(store.Record(Answer(2, 2, true, 700), {}, kNow));
  }
  const QByteArray before = Bytes(File());
  Opened opened;
  {
    FailingSqliteDisk disk(ENOSPC);
    opened = OpenAndRecord(File());
  }
  EXPECT_FALSE(opened.recorded);
  EXPECT_EQ(opened.message, "The disk holding the practice history " + Quoted() + " is full; "
                            "practice goes on without saving. Free some space to save again.");
  EXPECT_TRUE(opened.qtMessages.isEmpty()) << opened.qtMessages.join('\n').toStdString();
  EXPECT_EQ(Bytes(File()), before);

  QtMessages qt;
  HistoryStore store(File());
  ASSERT_TRUE(store.saving());
  {
    FailingSqliteDisk disk(EIO);
    EXPECT_FALSE(store.Record(Answer(2, 3, true, 700), {}, kNow));
  }
  EXPECT_EQ(store.message(), "The disk holding the practice history " + Quoted() + " reported an "
                             "error; practice goes on without saving. Check the disk.");
  EXPECT_EQ(store.AnswerCount(), 1);
  EXPECT_TRUE(qt.Texts().isEmpty()) << qt.Texts().join('\n').toStdString();
}

TEST_F(HistoryOpen, ThePathInAMessageIsShownSafely) {
  const QString odd = dir_.filePath("line\nbreak/practice.sqlite");
  ASSERT_TRUE(QDir().mkpath(odd));
  const Opened opened = OpenAndRecord(odd);
  EXPECT_TRUE(opened.message.startsWith("The practice history \"" + dir_.path() +
                                        "/line\\nbreak/practice.sqlite\" is a folder"))
      << opened.message.toStdString();
  EXPECT_FALSE(opened.message.contains('\n'));
}

}  // namespace
}  // namespace fretlab::practice
