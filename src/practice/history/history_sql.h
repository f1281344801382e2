#pragma once
// Statements and helpers shared by the history store's rooms (opening,
// schema, queries). Internal to the store.

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <string>
#include <string_view>

#include "practice/answer_record.h"

namespace fretlab::practice::history_sql {

// Whose database a file is, by its user_version and its tables.
enum class Layout {
  kEmpty,    // no tables and version 0: a new file, ours to lay out
  kOurs,     // a Fretlab history of this layout or an earlier one
  kNewer,    // a later version whose answers this Fretlab can still read
  kForeign,  // another program's (other tables, or answers of another shape)
};
// Reads the file's tables; sets `error` when they cannot be read.
Layout ReadLayout(QSqlDatabase& db, int version, int current, QSqlError& error);

inline constexpr const char* kInsertAnswer =
    "INSERT INTO answers (at, drill, tuning, string, fret, asked, answered, correct, ms, input) "
    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

// ISO 8601 in UTC with milliseconds, "2025-01-31T12:34:56.789Z": sorts as
// text in time order, so periods are plain comparisons.
inline QString TimeText(long long msSinceEpoch) {
  return QDateTime::fromMSecsSinceEpoch(msSinceEpoch, Qt::UTC).toString(Qt::ISODateWithMs);
}

inline long long TimeFromText(const QString& text) {
  QDateTime t = QDateTime::fromString(text, Qt::ISODateWithMs);
  return t.isValid() ? t.toMSecsSinceEpoch() : 0;
}

// Binds one answer given at `at` (ms since the Unix epoch) to kInsertAnswer,
// prepared on `q`.
inline void BindAnswer(QSqlQuery& q, const AnswerRecord& answer, long long at) {
  q.addBindValue(TimeText(at));
  q.addBindValue(QString::fromStdString(answer.drill));
  q.addBindValue(QString::fromStdString(answer.tuning));
  q.addBindValue(answer.string == kNoPosition ? QVariant() : QVariant(answer.string));
  q.addBindValue(answer.fret == kNoPosition ? QVariant() : QVariant(answer.fret));
  q.addBindValue(QString::fromStdString(answer.asked));
  q.addBindValue(QString::fromStdString(answer.answered));
  q.addBindValue(answer.correct ? 1 : 0);
  q.addBindValue(answer.ms);
  const std::string_view input = InputWord(answer.input);
  q.addBindValue(QString::fromUtf8(input.data(), static_cast<qsizetype>(input.size())));
}

// Counts one answer in its position's 10 ms step.
inline constexpr const char* kCountTime =
    "INSERT INTO position_times VALUES (?, ?, ?, ?, 1, ?) ON CONFLICT (tuning, string, fret, step) "
    "DO UPDATE SET answers = answers + 1, right = right + excluded.right";

// Writes one item's schedule state through `q` (reused by the caller).
inline bool SaveItem(const std::string& drill, const std::string& tuning,
                     const std::string& item, const ItemState& state, QSqlQuery& q) {
  q.prepare(
      "INSERT INTO schedule (drill, tuning, item, box, seen, errors, mean_ms, last_seen) "
      "VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (drill, tuning, item) DO UPDATE SET "
      "box = excluded.box, seen = excluded.seen, errors = excluded.errors, "
      "mean_ms = excluded.mean_ms, last_seen = excluded.last_seen");
  q.addBindValue(QString::fromStdString(drill));
  q.addBindValue(QString::fromStdString(tuning));
  q.addBindValue(QString::fromStdString(item));
  q.addBindValue(state.box);
  q.addBindValue(state.seen);
  q.addBindValue(state.errors);
  q.addBindValue(state.meanMs);
  q.addBindValue(state.lastSeen);
  return q.exec();
}

}  // namespace fretlab::practice::history_sql
