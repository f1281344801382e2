// The confusion table: what was answered for what was asked.

#include "practice/history/history_sql.h"
#include "practice/history/history_store.h"

namespace fretlab::practice {

namespace {

constexpr long long kDayMs = 86'400'000;

// The earliest time of the period as the answers store it; every time
// text sorts after "".
QString Since(Period period, long long now) {
  switch (period) {
    case Period::kLast7Days:
      return history_sql::TimeText(now - 7 * kDayMs);
    case Period::kLast30Days:
      return history_sql::TimeText(now - 30 * kDayMs);
    case Period::kAll:
      break;
  }
  return QString("");
}

}  // namespace

std::vector<ConfusionCell> HistoryStore::ConfusionTable(const std::string& drill, Period period,
                                                        long long now) const {
  std::vector<ConfusionCell> cells;
  if (!readable_) return cells;
  QSqlQuery q(Connection());
  q.setForwardOnly(true);
  q.prepare(
      "SELECT asked, answered, COUNT(*) FROM answers WHERE drill = ? AND at >= ? "
      "GROUP BY asked, answered ORDER BY asked, answered");
  q.addBindValue(QString::fromStdString(drill));
  q.addBindValue(Since(period, now));
  if (!q.exec()) return cells;
  while (q.next()) {
    cells.push_back({q.value(0).toString().toStdString(), q.value(1).toString().toStdString(),
                     q.value(2).toInt()});
  }
  return cells;
}

}  // namespace fretlab::practice
