#pragma once
// A fresh folder per test, answers to store, and raw looks at the file.

#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <mutex>
#include <ostream>

#include "practice/history/history_store.h"
#include "support/qt_temp_dir.h"

// QStrings in test output as their text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace fretlab::practice::testing {

inline constexpr long long kNow = 1'735'689'600'000;  // 2025-01-01T00:00:00Z
inline constexpr long long kDay = 86'400'000;

inline AnswerRecord Answer(int string, int fret, bool correct, int ms,
                           std::string drill = "name-note", std::string asked = "C") {
  AnswerRecord a;
  a.drill = std::move(drill);
  a.tuning = "E2 A2 D3 G3 B3 E4";
  a.string = string;
  a.fret = fret;
  a.asked = std::move(asked);
  a.answered = correct ? a.asked : "D";
  a.correct = correct;
  a.ms = ms;
  return a;
}

inline QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs `sql` on the file through a connection of its own.
inline QVariant RawQuery(const QString& path, const QString& sql) {
  QVariant result;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
    db.setDatabaseName(path);
    if (db.open()) {
      QSqlQuery q(db);
      if (q.exec(sql) && q.next()) result = q.value(0);
    }
    db.close();
  }
  QSqlDatabase::removeDatabase("raw");
  return result;
}

// Another program with the history open: Hold() takes its lock ("BEGIN
// EXCLUSIVE" keeps readers out too, "BEGIN IMMEDIATE" only writers);
// Release(), or the end of the holder, gives it back.
class OtherProgram {
 public:
  explicit OtherProgram(const QString& path) {
    db_ = QSqlDatabase::addDatabase("QSQLITE", "other-program");
    db_.setDatabaseName(path);
    db_.open();
  }
  ~OtherProgram() {
    Release();
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase("other-program");
  }
  bool Hold(const char* begin) { return QSqlQuery(db_).exec(begin); }
  void Release() { QSqlQuery(db_).exec("ROLLBACK"); }

 private:
  QSqlDatabase db_;
};

// What Qt writes on the terminal (warnings from the SQL module) while it
// lives, from any thread.
class QtMessages {
 public:
  QtMessages() {
    std::lock_guard lock(Mutex());
    Caught().clear();
    previous_ = qInstallMessageHandler(&Catch);
  }
  ~QtMessages() { qInstallMessageHandler(previous_); }
  QStringList Texts() const {
    std::lock_guard lock(Mutex());
    return Caught();
  }

 private:
  static std::mutex& Mutex() {
    static std::mutex mutex;
    return mutex;
  }
  static QStringList& Caught() {
    static QStringList caught;
    return caught;
  }
  static void Catch(QtMsgType, const QMessageLogContext&, const QString& text) {
    std::lock_guard lock(Mutex());
    Caught() << text;
  }
  QtMessageHandler previous_ = nullptr;
};

class HistoryTest : public ::testing::Test {
 protected:
  QString File() const { return dir_.filePath("fretlab/practice.sqlite"); }
  fretlab::testing::QtTempDir dir_;
};

}  // namespace fretlab::practice::testing
