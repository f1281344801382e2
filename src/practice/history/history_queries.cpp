// What the progress view and the weighting read from the history, and the
// CSV export. Medians come from the covering indexes, which hold each
// position's (or note's) times in order: count first, then step to the
// middle one.

#include <QFile>
#include <QSqlError>
#include <algorithm>
#include <map>

#include "practice/history/history_sql.h"
#include "practice/history/history_store.h"
#include "sequence/output_file.h"

namespace fretlab::practice {

namespace {

constexpr long long kDayMs = 86'400'000;

QString Cutoff(Period period, long long now) {
  switch (period) {
    case Period::kLast7Days:
      return history_sql::TimeText(now - 7 * kDayMs);
    case Period::kLast30Days:
      return history_sql::TimeText(now - 30 * kDayMs);
    case Period::kAll:
      break;
  }
  return QString("");  // every time text sorts after it
}

// The lower middle of `count` times matching `where` (bound to `binds`).
int Median(const QSqlDatabase& db, const QString& where, const QVariantList& binds, int count) {
  QSqlQuery q(db);
  q.prepare("SELECT ms FROM answers WHERE " + where + " ORDER BY ms LIMIT 1 OFFSET ?");
  for (const QVariant& v : binds) q.addBindValue(v);
  q.addBindValue((count - 1) / 2);
  return q.exec() && q.next() ? q.value(0).toInt() : 0;
}

QString CsvField(const QString& text) {
  if (!text.contains(',') && !text.contains('"') && !text.contains('\n') && !text.contains('\r')) {
    return text;
  }
  return '"' + QString(text).replace('"', "\"\"") + '"';
}

// Writes the header and the rows `q` gives, in pieces of about 64 kB, each
// write checked. False once a write failed.
bool WriteRows(QSqlQuery& q, OutputFile& out) {
  constexpr int kPieceBytes = 64 * 1024;
  const auto piece = [](const QByteArray& bytes) {
    return std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                     static_cast<std::size_t>(bytes.size()));
  };
  QByteArray rows("id,at,drill,tuning,string,fret,asked,answered,correct,ms,input\n");
  while (q.next()) {
    QStringList fields;
    for (int i = 0; i < 11; ++i) fields << CsvField(q.value(i).isNull() ? QString() : q.value(i).toString());
    rows += (fields.join(',') + '\n').toUtf8();
    if (rows.size() >= kPieceBytes) {
      if (!out.Write(piece(rows))) return false;
      rows.clear();
    }
  }
  return out.Write(piece(rows));
}

}  // namespace

std::vector<PositionCell> HistoryStore::Heatmap(const std::string& tuning, Period period,
                                                long long now, const std::string& drill) const {
  std::vector<PositionCell> cells;
  if (!readable_) return cells;
  QSqlQuery q(Connection());
  q.setForwardOnly(true);
  // Every drill over the whole history comes from the 10 ms steps kept per
  // position (in rising order, with their counts); anything else from the
  // answers themselves.
  const bool all = period == Period::kAll && drill.empty();
  q.prepare(all ? "SELECT string, fret, step, answers, right FROM position_times "
                  "WHERE tuning = ? ORDER BY string, fret, step"
                : QString("SELECT string, fret, ms, 1, correct FROM answers "
                          "WHERE tuning = ? AND at >= ? AND string IS NOT NULL") +
                      (drill.empty() ? "" : " AND drill = ?"));
  q.addBindValue(QString::fromStdString(tuning));
  if (!all) q.addBindValue(Cutoff(period, now));
  if (!all && !drill.empty()) q.addBindValue(QString::fromStdString(drill));
  if (!q.exec()) return cells;
  std::map<std::pair<int, int>, std::vector<std::pair<int, int>>> times;  // (ms, answers)
  std::map<std::pair<int, int>, PositionCell> byPosition;
  while (q.next()) {
    const std::pair<int, int> key{q.value(0).toInt(), q.value(1).toInt()};
    PositionCell& c = byPosition[key];
    c.string = key.first;
    c.fret = key.second;
    const int answers = q.value(3).toInt();
    c.answers += answers;
    c.right += q.value(4).toInt();
    times[key].push_back({all ? q.value(2).toInt() * 10 + 5 : q.value(2).toInt(), answers});
  }
  for (auto& [key, cell] : byPosition) {
    auto& t = times[key];
    if (!all) std::sort(t.begin(), t.end());
    int before = (cell.answers - 1) / 2;  // answers ahead of the lower middle one
    for (const auto& [ms, answers] : t) {
      if (before < answers) {
        cell.medianMs = ms;
        break;
      }
      before -= answers;
    }
    cells.push_back(cell);
  }
  return cells;
}

std::vector<AskedRow> HistoryStore::AskedTable(const std::string& drill, Period period,
                                               long long now) const {
  std::vector<AskedRow> rows;
  if (!readable_) return rows;
  const QSqlDatabase db = Connection();
  QSqlQuery q(db);
  q.setForwardOnly(true);
  q.prepare(QString("SELECT drill, asked, COUNT(*), SUM(correct) FROM answers WHERE at >= ?") +
            (drill.empty() ? "" : " AND drill = ?") + " GROUP BY drill, asked ORDER BY drill, asked");
  q.addBindValue(Cutoff(period, now));
  if (!drill.empty()) q.addBindValue(QString::fromStdString(drill));
  if (!q.exec()) return rows;
  while (q.next()) {
    rows.push_back({q.value(0).toString().toStdString(), q.value(1).toString().toStdString(),
                    q.value(2).toInt(), q.value(3).toInt(), 0});
  }
  for (AskedRow& r : rows) {
    r.medianMs = Median(db, "drill = ? AND asked = ? AND at >= ?",
                        {QString::fromStdString(r.drill), QString::fromStdString(r.asked), Cutoff(period, now)},
                        r.answers);
  }
  return rows;
}

std::vector<std::pair<std::string, ItemState>> HistoryStore::Schedule(
    const std::string& drill, const std::string& tuning) const {
  std::vector<std::pair<std::string, ItemState>> items;
  if (!readable_) return items;
  QSqlQuery q(Connection());
  q.prepare("SELECT item, box, seen, errors, mean_ms, last_seen FROM schedule "
            "WHERE drill = ? AND tuning = ? ORDER BY item");
  q.addBindValue(QString::fromStdString(drill));
  q.addBindValue(QString::fromStdString(tuning));
  if (!q.exec()) return items;
  while (q.next()) {
    items.push_back({q.value(0).toString().toStdString(),
                     {q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(),
                      q.value(4).toDouble(), q.value(5).toLongLong()}});
  }
  return items;
}

long long HistoryStore::AnswerCount() const {
  if (!readable_) return 0;
  QSqlQuery q(Connection());
  return q.exec("SELECT COUNT(*) FROM answers") && q.next() ? q.value(0).toLongLong() : 0;
}

bool HistoryStore::ExportCsv(const std::filesystem::path& file, QString* error) const {
  constexpr std::string_view kVerb = "Fretlab could not export the practice history to";
  const auto failed = [error](const std::string& message) {
    if (error) *error = QString::fromStdString(message);
    return false;
  };
  const std::string unreadable =
      OutputMessage(kVerb, file, "the practice history could not be read; try again later");
  if (!readable_) return failed(unreadable);
  QSqlQuery q(Connection());
  q.setForwardOnly(true);
  if (!q.exec("SELECT id, at, drill, tuning, string, fret, asked, answered, correct, ms, input "
              "FROM answers ORDER BY id")) {
    return failed(unreadable);
  }
  // The history itself, and its log, are this export's input.
  const std::string history = QFile::encodeName(path_).toStdString();
  OutputFile out(file, std::string(kVerb), {history, history + "-wal"});
  if (out.Begin() && WriteRows(q, out) && q.lastError().isValid()) {
    return failed(unreadable);  // the file is not put in place
  }
  const FileOutcome done = out.Finish();
  return done || failed(done.message);
}

}  // namespace fretlab::practice
