// The history's layout and its migrations. PRAGMA user_version holds the
// layout's version: 0 a new file, 1 the answers alone, 2 with the indexes
// for the progress view, the saved schedule, and each position's answer
// times in 10 ms steps (so the all-time heatmap reads a few thousand rows,
// not every answer), 3 with how each answer was given (`input`: "mouse",
// "keyboard", "midi" or "audio"; NULL for the answers of earlier layouts,
// which did not say). Each step runs once, in order, inside one
// transaction with the version change.

#include <QSqlError>
#include <QStringList>
#include <map>
#include <optional>

#include "practice/history/history_sql.h"
#include "practice/history/history_store.h"
#include "practice/weak_spot_schedule.h"

namespace fretlab::practice {

namespace {

const char* const kVersion1[] = {
    "CREATE TABLE answers (id INTEGER PRIMARY KEY, at TEXT, drill TEXT, tuning TEXT, "
    "string INTEGER, fret INTEGER, asked TEXT, answered TEXT, correct INTEGER, ms INTEGER)",
};

const char* const kVersion2[] = {
    // Both indexes hold every column their queries read, so a heatmap or a
    // table never reads the answers themselves.
    "CREATE INDEX answers_by_time ON answers (tuning, at, string, fret, ms, correct)",
    "CREATE INDEX answers_by_asked ON answers (drill, asked, ms, at, correct)",
    ("CREATE TABLE schedule (drill TEXT, tuning TEXT, item TEXT, box INTEGER, seen INTEGER, "
     "errors INTEGER, mean_ms REAL, last_seen INTEGER, PRIMARY KEY (drill, tuning, item)) "
     "WITHOUT ROWID"),
    ("CREATE TABLE position_times (tuning TEXT, string INTEGER, fret INTEGER, step INTEGER, "
     "answers INTEGER, right INTEGER, PRIMARY KEY (tuning, string, fret, step)) WITHOUT ROWID"),
};

const char* const kVersion3[] = {
    "ALTER TABLE answers ADD COLUMN input TEXT",
};

// Each layout's tables and their columns in order, as the statements above
// make them: what tells a Fretlab history from another program's database.
struct TableColumns {
  int since;  // the layout that adds the table
  QString table;
  QStringList columns;
};
const TableColumns kTables[] = {
    {1, "answers", {"id", "at", "drill", "tuning", "string", "fret", "asked", "answered", "correct", "ms"}},
    {2, "schedule", {"drill", "tuning", "item", "box", "seen", "errors", "mean_ms", "last_seen"}},
    {2, "position_times", {"tuning", "string", "fret", "step", "answers", "right"}},
};
// Columns later layouts add at the end of a table.
struct AddedColumn {
  int since;
  QString table;
  QString column;
};
const AddedColumn kAddedColumns[] = {
    {3, "answers", "input"},
};

// The columns of `t` in a history of layout `version`.
QStringList ColumnsAt(const TableColumns& t, int version) {
  QStringList columns = t.columns;
  for (const AddedColumn& added : kAddedColumns) {
    if (added.since <= version && added.table == t.table) columns << added.column;
  }
  return columns;
}

const char* const kSummariseTimes =
    "INSERT INTO position_times SELECT tuning, string, fret, ms / 10, COUNT(*), SUM(correct) "
    "FROM answers WHERE string IS NOT NULL GROUP BY 1, 2, 3, 4";

template <std::size_t N>
bool RunAll(QSqlQuery& q, const char* const (&statements)[N]) {
  for (const char* statement : statements) {
    if (!q.exec(statement)) return false;
  }
  return true;
}

// Replays the answers in the order given into one schedule per drill and
// tuning, and writes the states through `q`. Returns the answers replayed,
// or -1 with `error` set.
long long Replay(QSqlDatabase& db, QSqlQuery& q, QSqlError& error) {
  QSqlQuery rows(db);
  rows.setForwardOnly(true);
  if (!rows.exec("SELECT drill, tuning, string, fret, asked, correct, ms, at FROM answers "
                 "ORDER BY id")) {
    error = rows.lastError();
    return -1;
  }
  std::map<std::pair<std::string, std::string>, WeakSpotSchedule> schedules;
  std::map<std::tuple<std::string, std::string, std::string>, ItemState> states;
  long long count = 0;
  while (rows.next()) {
    AnswerRecord a;
    a.drill = rows.value(0).toString().toStdString();
    a.tuning = rows.value(1).toString().toStdString();
    a.string = rows.value(2).isNull() ? kNoPosition : rows.value(2).toInt();
    a.fret = rows.value(3).isNull() ? kNoPosition : rows.value(3).toInt();
    a.asked = rows.value(4).toString().toStdString();
    const std::string item = ItemKey(a);
    auto& schedule = schedules.try_emplace({a.drill, a.tuning}, 0).first->second;
    states[{a.drill, a.tuning, item}] =
        schedule.Learn(item, rows.value(5).toInt() != 0, rows.value(6).toInt(),
                       history_sql::TimeFromText(rows.value(7).toString()));
    ++count;
  }
  for (const auto& [key, state] : states) {
    const auto& [drill, tuning, item] = key;
    if (!history_sql::SaveItem(drill, tuning, item, state, q)) {
      error = q.lastError();
      return -1;
    }
  }
  return count;
}

// Every value the first column of `sql` gives, or nothing when it fails.
std::optional<QStringList> Column(QSqlDatabase& db, const QString& sql, const QString& bound,
                                  QSqlError& error) {
  QSqlQuery q(db);
  q.prepare(sql);
  if (!bound.isNull()) q.addBindValue(bound);
  if (!q.exec()) {
    error = q.lastError();
    return std::nullopt;
  }
  QStringList values;
  while (q.next()) values << q.value(0).toString();
  return values;
}

}  // namespace

namespace history_sql {

Layout ReadLayout(QSqlDatabase& db, int version, int current, QSqlError& error) {
  const auto tables = Column(db, "SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                 "name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY name", {}, error);
  if (!tables) return Layout::kForeign;
  if (version == 0 && tables->isEmpty()) return Layout::kEmpty;
  if (version <= 0) return Layout::kForeign;
  const auto columns = [&](const QString& table) {
    return Column(db, "SELECT name FROM pragma_table_info(?) ORDER BY cid", table, error)
        .value_or(QStringList());
  };
  if (version > current) {
    // A later layout may add columns, never take ours away.
    const QStringList ours = ColumnsAt(kTables[0], current);
    return columns("answers").mid(0, ours.size()) == ours ? Layout::kNewer : Layout::kForeign;
  }
  QStringList expected;
  for (const TableColumns& t : kTables) {
    if (t.since > version) continue;
    expected << t.table;
    if (columns(t.table) != ColumnsAt(t, version)) return Layout::kForeign;
  }
  expected.sort();
  return *tables == expected ? Layout::kOurs : Layout::kForeign;
}

}  // namespace history_sql

bool HistoryStore::Migrate(int from) {
  QSqlError error;
  {
    QSqlDatabase db = Connection();
    QSqlQuery q(db);
    QSqlError replayError;
    bool ok = q.exec("BEGIN IMMEDIATE");
    if (ok && from < 1) ok = RunAll(q, kVersion1);
    if (ok && from < 2) {
      ok = RunAll(q, kVersion2) &&
           (from < 1 || (q.exec(kSummariseTimes) && Replay(db, q, replayError) >= 0));
    }
    if (ok && from < 3) ok = RunAll(q, kVersion3);
    if (ok) ok = q.exec(QString("PRAGMA user_version = %1").arg(kSchemaVersion)) && q.exec("COMMIT");
    if (!ok) {
      error = replayError.isValid() ? replayError : q.lastError();
      QSqlQuery(db).exec("ROLLBACK");
    }
  }
  return error.isValid() ? Fail(error, "prepare the history") : true;
}

long long HistoryStore::RebuildSummaries() {
  if (!saving_) return -1;
  QSqlError error;
  long long count = -1;
  {
    QSqlDatabase db = Connection();
    QSqlQuery q(db);
    if (!q.exec("BEGIN IMMEDIATE")) {
      error = q.lastError();
    } else {
      QSqlError replayError;
      if (q.exec("DELETE FROM schedule") && q.exec("DELETE FROM position_times") &&
          q.exec(kSummariseTimes)) {
        count = Replay(db, q, replayError);
      }
      if (count < 0 || !q.exec("COMMIT")) {
        error = replayError.isValid() ? replayError : q.lastError();
        QSqlQuery(db).exec("ROLLBACK");
        count = -1;
      }
    }
  }
  if (error.isValid()) Fail(error, "rebuild the summaries");
  return count;
}

long long HistoryStore::ImportAnswers(const std::function<bool(AnswerRecord&, long long&)>& next) {
  if (!saving_) return -1;
  QSqlError error;
  long long count = 0;
  {
    QSqlDatabase db = Connection();
    QSqlQuery q(db);
    if (!q.exec("BEGIN IMMEDIATE")) {
      error = q.lastError();
    } else {
      q.prepare(history_sql::kInsertAnswer);
      AnswerRecord answer;
      long long at = 0;
      while (next(answer, at)) {
        history_sql::BindAnswer(q, answer, at);
        if (!q.exec()) break;
        ++count;
      }
      if (q.lastError().isValid() || !q.exec("COMMIT")) {
        error = q.lastError();
        QSqlQuery(db).exec("ROLLBACK");
      }
    }
  }
  if (error.isValid()) {
    Fail(error, "import answers");
    return -1;
  }
  return RebuildSummaries() < 0 ? -1 : count;
}

}  // namespace fretlab::practice
