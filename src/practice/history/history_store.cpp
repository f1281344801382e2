#include "practice/history/history_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <QVariant>
#include <atomic>

#include "practice/history/history_sql.h"

namespace fretlab::practice {

namespace {

// SQLite's primary result codes, as Qt reports them in nativeErrorCode().
enum SqliteCode {
  kPerm = 3, kBusy = 5, kLocked = 6, kReadOnly = 8, kCorrupt = 11,
  kFull = 13, kCantOpen = 14, kNotADatabase = 26,
};

int SqliteCodeOf(const QSqlError& error) { return error.nativeErrorCode().toInt() & 0xff; }

}  // namespace

QString HistoryStore::DefaultPath() {
  // GenericDataLocation is $XDG_DATA_HOME, or ~/.local/share when unset.
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         "/fretlab/practice.sqlite";
}

HistoryStore::HistoryStore(const QString& path, const StoreOptions& options)
    : path_(path), options_(options) {
  static std::atomic<int> count{0};
  connection_ = QString("fretlab-history-%1").arg(++count);
  Open();
}

HistoryStore::~HistoryStore() { Close(); }

QSqlDatabase HistoryStore::Connection() const {
  return QSqlDatabase::database(connection_, false);
}

void HistoryStore::Close() {
  if (!QSqlDatabase::contains(connection_)) return;
  {
    QSqlDatabase db = Connection();
    if (saving_) QSqlQuery(db).exec("PRAGMA wal_checkpoint(TRUNCATE)");
    db.close();
  }
  QSqlDatabase::removeDatabase(connection_);
}

bool HistoryStore::Open() {
  saving_ = readable_ = false;
  const QFileInfo file(path_);
  if (!file.absoluteDir().exists() && !QDir().mkpath(file.absolutePath())) {
    message_ = QString("Fretlab cannot create the folder %1 for the practice history; practice "
                       "goes on without saving.").arg(file.absolutePath());
    return false;
  }
  QSqlError error;
  int version = 0;
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
      readable_ = true;
      if (version <= kSchemaVersion && !q.exec("PRAGMA journal_mode=WAL")) error = q.lastError();
      // In WAL mode a commit is safe against a crash of the program without
      // waiting for the disk; a power cut can lose the last few answers.
      q.exec("PRAGMA synchronous=NORMAL");
      q.exec("PRAGMA wal_autocheckpoint=0");
      q.exec("PRAGMA wal_checkpoint(TRUNCATE)");
      if (options_.maxPageCount > 0) {
        q.exec(QString("PRAGMA max_page_count=%1").arg(options_.maxPageCount));
      }
    }
  }
  if (error.isValid()) return Fail(error, "open");
  if (version > kSchemaVersion) {
    message_ = QString("The practice history %1 was written by a newer Fretlab; it is shown but "
                       "practice goes on without saving.").arg(path_);
    return false;
  }
  if (version < kSchemaVersion && !Migrate(version)) return false;
  // No write here, not even to warm the log up: a file found damaged later
  // must be set aside exactly as the user had it.
  saving_ = true;
  return true;
}

bool HistoryStore::Fail(const QSqlError& error, const char* doing) {
  saving_ = false;
  const int code = SqliteCodeOf(error);
  if ((code == kCorrupt || code == kNotADatabase) && !replaced_) {
    replaced_ = true;
    Close();
    const QString aside = path_ + QDateTime::currentDateTime().toString(".'damaged'-yyyyMMdd-HHmmss");
    if (!SetAside(aside)) {
      message_ = QString("The practice history %1 is damaged and could not be set aside; it is "
                         "left as it is and practice goes on without saving.").arg(path_);
      return false;
    }
    const QString note = QString("The practice history %1 was damaged; it was kept as %2 and a "
                                 "new history was begun.").arg(path_, aside);
    if (Open()) message_ = note;
    return false;
  }
  if (!message_.isEmpty()) return false;
  switch (code) {
    case kBusy:
    case kLocked:
      message_ = QString("The practice history %1 is in use by another program; practice goes "
                         "on without saving.").arg(path_);
      break;
    case kReadOnly:
    case kPerm:
    case kCantOpen:
      message_ = QString("The practice history %1 cannot be written (%2); practice goes on "
                         "without saving.").arg(path_, error.databaseText());
      OpenForReading();
      break;
    case kFull:
      message_ = QString("The disk holding the practice history %1 is full; practice goes on "
                         "without saving.").arg(path_);
      break;
    default:
      message_ = QString("The practice history %1 could not be used (%2 failed: %3); practice "
                         "goes on without saving.").arg(path_, doing, error.text());
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

bool HistoryStore::Record(const AnswerRecord& answer, const ItemState& item, long long at) {
  if (!saving_) return false;
  QSqlError error;
  {
    QSqlDatabase db = Connection();
    QSqlQuery q(db);
    // IMMEDIATE takes the write lock at once, so a lock held elsewhere shows
    // here and not halfway through.
    if (!q.exec("BEGIN IMMEDIATE")) {
      error = q.lastError();
    } else {
      q.prepare(history_sql::kInsertAnswer);
      q.addBindValue(history_sql::TimeText(at));
      q.addBindValue(QString::fromStdString(answer.drill));
      q.addBindValue(QString::fromStdString(answer.tuning));
      q.addBindValue(answer.string == kNoPosition ? QVariant() : QVariant(answer.string));
      q.addBindValue(answer.fret == kNoPosition ? QVariant() : QVariant(answer.fret));
      q.addBindValue(QString::fromStdString(answer.asked));
      q.addBindValue(QString::fromStdString(answer.answered));
      q.addBindValue(answer.correct ? 1 : 0);
      q.addBindValue(answer.ms);
      bool ok = q.exec();
      if (ok && answer.string != kNoPosition) {
        q.prepare(history_sql::kCountTime);
        q.addBindValue(QString::fromStdString(answer.tuning));
        q.addBindValue(answer.string);
        q.addBindValue(answer.fret);
        q.addBindValue(answer.ms / 10);
        q.addBindValue(answer.correct ? 1 : 0);
        ok = q.exec();
      }
      ok = ok && history_sql::SaveItem(answer.drill, answer.tuning, ItemKey(answer), item, q) &&
           q.exec("COMMIT");
      if (!ok) {
        error = q.lastError();
        QSqlQuery(db).exec("ROLLBACK");
      }
    }
  }
  return error.isValid() ? Fail(error, "store an answer") : true;
}

}  // namespace fretlab::practice
