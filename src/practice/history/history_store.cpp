#include "practice/history/history_store.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <atomic>

#include "practice/history/history_sql.h"

namespace fretlab::practice {

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

bool HistoryStore::Record(const AnswerRecord& answer, const ItemState& item, long long at) {
  if (!saving_) return false;
  QSqlError error = Write(answer, item, at);
  if (!error.isValid()) return true;
  const bool replacedBefore = replaced_;
  Fail(error, "store an answer");
  // The answer that found the file damaged is the new history's first.
  if (replacedBefore || !replaced_ || !saving_) return false;
  error = Write(answer, item, at);
  return !error.isValid() || Fail(error, "store an answer");
}

QSqlError HistoryStore::Write(const AnswerRecord& answer, const ItemState& item, long long at) {
  QSqlError error;
  QSqlDatabase db = Connection();
  QSqlQuery q(db);
  // IMMEDIATE takes the write lock at once, so a lock held elsewhere shows
  // here and not halfway through.
  if (!q.exec("BEGIN IMMEDIATE")) return q.lastError();
  q.prepare(history_sql::kInsertAnswer);
  history_sql::BindAnswer(q, answer, at);
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
  return error;
}

}  // namespace fretlab::practice
