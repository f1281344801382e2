// Opening the history: what stands at its path, whose database it is, the
// journal's settings; and every way it can fail, told to the user in plain
// words with what they can do, never in the library's own.

#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include "common/quoted_value.h"
#include "practice/history/history_journal.h"
#include "practice/history/history_sql.h"
#include "practice/history/history_store.h"

namespace fretlab::practice {

namespace {

// SQLite's primary result codes, as Qt reports them in nativeErrorCode()
// (the low byte of an extended code).
enum SqliteCode {
  kPerm = 3, kBusy = 5, kLocked = 6, kReadOnly = 8, kIoErr = 10, kCorrupt = 11,
  kFull = 13, kCantOpen = 14, kNotADatabase = 26,
};
// SQLITE_IOERR_SHMSIZE: the shared index beside the log could not grow,
// which on a sound disk means it is full.
constexpr int kIoErrShmSize = kIoErr | (19 << 8);

int SqliteCodeOf(const QSqlError& error) { return error.nativeErrorCode().toInt(); }

std::string Bytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

// A path inside a message.
QString Quoted(const QString& path) { return QString::fromStdString(QuotedValue(Bytes(path))); }

constexpr const char* kUnsaved = "practice goes on without saving.";

}  // namespace

QString HistoryStore::Problem(const char* what, const char* todo) const {
  return QString("%1 %2 %3").arg(QString(what).arg(Quoted(path_)), kUnsaved, todo).trimmed();
}

bool HistoryStore::Open() {
  saving_ = readable_ = false;
  const QFileInfo file(path_);
  if (!file.absoluteDir().exists() && !QDir().mkpath(file.absolutePath())) {
    message_ = QString("Fretlab cannot create the folder %1 for the practice history; %2 Check "
                       "the permissions of the folders above it.")
                   .arg(Quoted(file.absolutePath()), kUnsaved);
    return false;
  }
  struct stat there {};
  if (::stat(Bytes(path_).c_str(), &there) == 0 && !S_ISREG(there.st_mode)) {
    message_ = Problem("The practice history %1 is a folder or another special file, not a file;",
                       "Move it away to begin a new history.");
    return false;
  }
  ReadyLeftOverJournals(Bytes(path_));
  QSqlError error;
  int version = 0;
  history_sql::Layout layout = history_sql::Layout::kForeign;
  // Fail() may close the connection, so it runs once no handle is left here.
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
    db.setDatabaseName(path_);
    db.setConnectOptions(QString("QSQLITE_BUSY_TIMEOUT=%1").arg(options_.busyTimeoutMs));
    QSqlQuery q(db);
    if (!db.open()) {
      error = db.lastError();
    } else if (!q.exec("PRAGMA user_version") || !q.next()) {
      error = q.lastError();
    } else {
      version = q.value(0).toInt();
      layout = history_sql::ReadLayout(db, version, kSchemaVersion, error);
    }
  }
  if (error.isValid()) return Fail(error, "open");
  if (layout == history_sql::Layout::kForeign) {
    // Left exactly as it is: not even its journal mode is set.
    Close();
    message_ = Problem("The file %1 is not a Fretlab practice history; it is left as it is and",
                       "Move it away to begin a new history.");
    return false;
  }
  readable_ = true;
  if (layout == history_sql::Layout::kNewer) {
    message_ = Problem("The practice history %1 was written by a newer Fretlab; it is shown but",
                       "Use that Fretlab to save to it.");
    return false;
  }
  {
    QSqlQuery q(Connection());
    if (!q.exec("PRAGMA journal_mode=WAL")) error = q.lastError();
    // In WAL mode a commit is safe against a crash of the program without
    // waiting for the disk; a power cut can lose the last few answers.
    q.exec("PRAGMA synchronous=NORMAL");
    q.exec("PRAGMA wal_autocheckpoint=0");
    q.exec("PRAGMA wal_checkpoint(TRUNCATE)");
    if (options_.maxPageCount > 0) {
      q.exec(QString("PRAGMA max_page_count=%1").arg(options_.maxPageCount));
    }
  }
  if (error.isValid()) return Fail(error, "open");
  if (version < kSchemaVersion && !Migrate(version)) return false;
  // No write here, not even to warm the log up: a file found damaged later
  // must be set aside exactly as the user had it.
  saving_ = true;
  return true;
}

bool HistoryStore::Fail(const QSqlError& error, const char* doing) {
  saving_ = false;
  const int extended = SqliteCodeOf(error);
  const int code = extended & 0xff;
  if ((code == kCorrupt || code == kNotADatabase) && !replaced_) {
    replaced_ = true;
    Close();
    const QString aside = path_ + QDateTime::currentDateTime().toString(".'damaged'-yyyyMMdd-HHmmss");
    if (!SetAside(aside)) {
      message_ = Problem("The practice history %1 is damaged and could not be set aside; it is "
                         "left as it is and",
                         "Move it away to begin a new history.");
      return false;
    }
    const QString note = QString("The practice history %1 was damaged; it was kept as %2 and a "
                                 "new history was begun.").arg(Quoted(path_), Quoted(aside));
    if (Open()) message_ = note;
    return false;
  }
  if (!message_.isEmpty()) return false;
  const std::string folder = Bytes(QFileInfo(path_).absolutePath());
  const bool full = code == kFull || extended == kIoErrShmSize ||
                    ((code == kIoErr || code == kCantOpen) && DiskIsFull(folder));
  if (full) {
    message_ = Problem("The disk holding the practice history %1 is full;",
                       "Free some space to save again.");
  } else if (code == kBusy || code == kLocked) {
    message_ = Problem("The practice history %1 is in use by another program;",
                       "Close the other program (or the other Fretlab) to save again.");
  } else if (code == kReadOnly || code == kPerm || code == kCantOpen) {
    message_ = Problem("The practice history %1 cannot be written (it or its folder is read-only);",
                       "Make both writable to save again.");
    OpenForReading();
  } else if (code == kIoErr) {
    message_ = Problem("The disk holding the practice history %1 reported an error;",
                       "Check the disk.");
  } else {
    message_ = QString("The practice history %1 could not be used (SQLite error %2 when trying to "
                       "%3); %4")
                   .arg(Quoted(path_)).arg(extended).arg(doing, kUnsaved);
  }
  return false;
}

void HistoryStore::OpenForReading() {
  {
    QSqlQuery probe(Connection());
    if (probe.exec("SELECT COUNT(*) FROM answers")) return;
  }
  // A history in WAL mode is read through a shared-memory file beside it;
  // in a folder we may not write that cannot be made, so read the file as
  // one that nobody changes meanwhile.
  Close();
  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
  db.setDatabaseName(QUrl::fromLocalFile(path_).toString() + "?immutable=1");
  db.setConnectOptions("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");
  QSqlQuery probe(db);
  readable_ = db.open() && probe.exec("SELECT COUNT(*) FROM answers");
}

bool HistoryStore::SetAside(const QString& aside) {
  if (QFileInfo::exists(aside)) return false;  // never overwrite an earlier one
  if (!QFile::rename(path_, aside)) return false;
  // The journal files go along: the write-ahead log may hold answers.
  for (const char* suffix : {"-wal", "-shm"}) {
    if (QFileInfo::exists(path_ + suffix)) QFile::rename(path_ + suffix, aside + suffix);
  }
  return true;
}

}  // namespace fretlab::practice
