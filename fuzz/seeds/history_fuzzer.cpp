// Writes the history fuzzer's seeds into the folder given: histories of
// each layout Fretlab has written (the first, answers alone; the second,
// with its schedule and time steps; the present one, with how each answer
// was given; a later one with a column of its own), a new empty one, and another program's database. Made by the
// program's own code, so that the seeds follow its layout.
//   history_fuzzer_seeds FOLDER

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <cstdio>

#include "practice/history/history_store.h"
#include "practice/weak_spot_schedule.h"

namespace {

using namespace fretlab::practice;

constexpr long long kStart = 1'735'000'000'000;  // December 2024, ms since the Unix epoch

// Runs `statements` on the file through a connection of its own.
bool Run(const QString& file, const QStringList& statements) {
  bool ok = true;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "seed");
    db.setDatabaseName(file);
    ok = db.open();
    for (const QString& statement : statements) ok = ok && QSqlQuery(db).exec(statement);
    db.close();
  }
  QSqlDatabase::removeDatabase("seed");
  return ok;
}

// A present-layout history: every drill, two tunings, typed answers among
// them, over a few weeks.
bool Present(const QString& file) {
  HistoryStore store(file);
  WeakSpotSchedule schedule(7);
  const char* drills[] = {"find-note", "name-note", "find-degree", "name-degree", "ear", "chord-tones"};
  for (int i = 0; i < 40; ++i) {
    AnswerRecord a;
    a.drill = drills[i % 6];
    a.tuning = i % 5 == 0 ? "D2 A2 D3 G3 B3 E4" : "E2 A2 D3 G3 B3 E4";
    a.string = i % 7 == 0 ? kNoPosition : 1 + i % 6;
    a.fret = a.string == kNoPosition ? kNoPosition : (i * 5) % 13;
    a.asked = i % 2 ? "C♯" : "♭3";
    a.answered = i % 3 ? a.asked : "D";
    a.correct = i % 3 != 0;
    a.ms = 400 + 97 * i;
    a.input = static_cast<AnswerInput>(i % 4);
    const long long at = kStart + i * 3'600'000LL * 11;
    if (!store.Record(a, schedule.Learn(ItemKey(a), a.correct, a.ms, at), at)) return false;
  }
  return store.saving();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: history_seeds FOLDER\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]) + "/";
  const QString answers =
      "CREATE TABLE answers (id INTEGER PRIMARY KEY, at TEXT, drill TEXT, tuning TEXT, "
      "string INTEGER, fret INTEGER, asked TEXT, answered TEXT, correct INTEGER, ms INTEGER)";
  const QString rows =
      "INSERT INTO answers VALUES "
      "(1, '2024-12-30T10:00:00.000Z', 'find-note', 'E2 A2 D3 G3 B3 E4', 1, 8, 'C', '1/8', 1, 900), "
      "(2, '2024-12-30T10:00:02.000Z', 'find-note', 'E2 A2 D3 G3 B3 E4', 2, 3, 'C', '2/3', 0, 1500), "
      "(3, '2024-12-31T10:00:05.000Z', 'name-degree', 'E2 A2 D3 G3 B3 E4', NULL, NULL, '♭3', '#2', 1, 700), "
      "(4, 'not a time', 'name-note', 'B1 E2 A2 D3 G3 B3 E4', 7, 24, 'G', 'G', 1, 1200)";
  QFile::remove(folder + "empty.sqlite");
  QFile(folder + "empty.sqlite").open(QIODevice::WriteOnly);
  const bool ok =
      Present(folder + "present.sqlite") &&
      Run(folder + "first.sqlite", {answers, rows, "PRAGMA user_version = 1"}) &&
      Present(folder + "second.sqlite") &&
      Run(folder + "second.sqlite", {"ALTER TABLE answers DROP COLUMN input", "PRAGMA user_version = 2"}) &&
      Present(folder + "later.sqlite") &&
      Run(folder + "later.sqlite", {"ALTER TABLE answers ADD COLUMN hand TEXT",
                                    "PRAGMA user_version = 4"}) &&
      Run(folder + "foreign.sqlite", {"CREATE TABLE notes (id INTEGER PRIMARY KEY, text TEXT)",
                                      "INSERT INTO notes VALUES (1, 'shopping')"});
  if (!ok) std::fprintf(stderr, "history seeds: a seed could not be made in %s\n", argv[1]);
  return ok ? 0 : 1;
}
