#include "ui/practice/confusion_table.h"

#include <QCoreApplication>
#include <QTableWidget>
#include <algorithm>
#include <map>

#include "practice/ear_drills.h"

namespace fretlab {

namespace {

// The texts of this room, in the ProgressPanel context of the translations.
struct ConfusionTexts {
  Q_DECLARE_TR_FUNCTIONS(ProgressPanel)
};

// The distinct names, in the order of sound.
std::vector<std::string> Ordered(practice::QuestionKind kind, std::vector<std::string> names) {
  std::sort(names.begin(), names.end(), [kind](const std::string& a, const std::string& b) {
    const int oa = practice::EarAnswerOrder(kind, a), ob = practice::EarAnswerOrder(kind, b);
    return oa != ob ? oa < ob : a < b;
  });
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

}  // namespace

void FillConfusionTable(QTableWidget& table, practice::QuestionKind kind,
                        const std::vector<practice::ConfusionCell>& cells) {
  std::vector<std::string> asked, answered;
  std::map<std::pair<std::string, std::string>, int> counts;
  for (const practice::ConfusionCell& c : cells) {
    asked.push_back(c.asked);
    answered.push_back(c.answered);
    counts[{c.asked, c.answered}] += c.count;
  }
  asked = Ordered(kind, std::move(asked));
  answered = Ordered(kind, std::move(answered));
  table.clear();
  table.setRowCount(static_cast<int>(asked.size()));
  table.setColumnCount(static_cast<int>(answered.size()) + 1);
  QStringList headers{ConfusionTexts::tr("Asked \u2193 answered \u2192")};
  for (const std::string& a : answered) headers << QString::fromStdString(a);
  table.setHorizontalHeaderLabels(headers);
  for (int column = 1; column <= static_cast<int>(answered.size()); ++column) {
    table.horizontalHeaderItem(column)->setToolTip(
        ConfusionTexts::tr("answered %1").arg(headers[column]));
  }
  table.setAccessibleName(ConfusionTexts::tr("Confusion table: what was answered for what was asked"));
  for (int row = 0; row < static_cast<int>(asked.size()); ++row) {
    table.setItem(row, 0, new QTableWidgetItem(QString::fromStdString(asked[row])));
    for (int column = 0; column < static_cast<int>(answered.size()); ++column) {
      const auto it = counts.find({asked[row], answered[column]});
      const int n = it == counts.end() ? 0 : it->second;
      auto* item = new QTableWidgetItem(n == 0 ? QString() : QString::number(n));
      item->setTextAlignment(Qt::AlignCenter);
      if (asked[row] == answered[column]) {
        // The right answers: bold, and said so to a screen reader.
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
      }
      item->setData(Qt::AccessibleTextRole,
                    ConfusionTexts::tr("%1 asked, %2 answered: %3 times")
                        .arg(QString::fromStdString(asked[row]), QString::fromStdString(answered[column]))
                        .arg(n));
      table.setItem(row, column + 1, item);
    }
  }
  table.resizeColumnsToContents();
}

}  // namespace fretlab
