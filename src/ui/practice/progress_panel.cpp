#include "ui/practice/progress_panel.h"

#include <QComboBox>
#include <QDateTime>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/practice/neck_widget.h"

namespace fretlab {

using practice::Period;

ProgressPanel::ProgressPanel(std::function<practice::HistoryStore*()> history,
                             std::function<std::string()> tuning,
                             std::function<std::string()> drill, QWidget* parent)
    : QWidget(parent), m_history(std::move(history)), m_tuning(std::move(tuning)),
      m_drill(std::move(drill)) {
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  m_period = new QComboBox(this);
  m_period->addItems({tr("Last 7 days"), tr("Last 30 days"), tr("All")});
  m_period->setAccessibleName(tr("Period"));
  form->addRow(tr("Period:"), m_period);
  m_measure = new QComboBox(this);
  m_measure->addItems({tr("Accuracy"), tr("Median time")});
  m_measure->setAccessibleName(tr("Heatmap shows"));
  form->addRow(tr("Heatmap:"), m_measure);
  layout->addLayout(form);
  m_legend = new QLabel(this);
  m_legend->setWordWrap(true);
  layout->addWidget(m_legend);
  m_table = new QTableWidget(0, 4, this);
  m_table->setHorizontalHeaderLabels({tr("Asked"), tr("Answers"), tr("Right"), tr("Median")});
  m_table->verticalHeader()->hide();
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setAccessibleName(tr("Progress per note or degree"));
  layout->addWidget(m_table, 1);
  auto* exportButton = new QPushButton(tr("E&xport history as CSV…"), this);
  layout->addWidget(exportButton);
  connect(exportButton, &QPushButton::clicked, this, &ProgressPanel::exportCsv);
  connect(m_period, &QComboBox::currentIndexChanged, this, &ProgressPanel::changed);
  connect(m_measure, &QComboBox::currentIndexChanged, this, &ProgressPanel::changed);
}

QColor ProgressPanel::AccuracyColour(double share) {
  return QColor::fromHsvF(static_cast<float>(std::clamp(share, 0.0, 1.0) / 3.0), 0.65f, 0.95f);
}

QColor ProgressPanel::SpeedColour(int medianMs) {
  const double fast = 1.0 - std::clamp((medianMs - 1000) / 4000.0, 0.0, 1.0);
  return AccuracyColour(fast);
}

void ProgressPanel::showOn(NeckWidget& neck) {
  neck.clearHeat();
  m_table->setRowCount(0);
  practice::HistoryStore* store = m_history();
  if (store == nullptr) {
    m_legend->setText(tr("No practice history is open."));
    return;
  }
  const Period period = static_cast<Period>(m_period->currentIndex());
  const long long now = QDateTime::currentMSecsSinceEpoch();
  const bool accuracy = m_measure->currentIndex() == 0;
  const auto cells = store->Heatmap(m_tuning(), period, now);
  for (const practice::PositionCell& c : cells) {
    const Position p{c.string - 1, c.fret};
    neck.setHeat(p, accuracy ? AccuracyColour(static_cast<double>(c.right) / c.answers)
                             : SpeedColour(c.medianMs));
  }
  m_legend->setText(cells.empty() ? tr("No answers in this tuning for this period yet.")
                    : accuracy    ? tr("Red: mostly wrong; green: always right.")
                                  : tr("Green: a second or less; red: five seconds or more."));
  const auto rows = store->AskedTable(m_drill(), period, now);
  m_table->setRowCount(static_cast<int>(rows.size()));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const practice::AskedRow& r = rows[i];
    m_table->setItem(i, 0, new QTableWidgetItem(QString::fromStdString(r.asked)));
    m_table->setItem(i, 1, new QTableWidgetItem(QString::number(r.answers)));
    m_table->setItem(i, 2, new QTableWidgetItem(
                               QStringLiteral("%1 %").arg(100 * r.right / std::max(1, r.answers))));
    m_table->setItem(i, 3, new QTableWidgetItem(QStringLiteral("%1 s").arg(r.medianMs / 1000.0, 0, 'f', 2)));
  }
}

bool ProgressPanel::exportTo(const QString& path, QString* error) {
  practice::HistoryStore* store = m_history();
  if (store == nullptr) {
    if (error) *error = tr("No practice history is open.");
    return false;
  }
  return store->ExportCsv(path, error);
}

void ProgressPanel::exportCsv() {
  const QString path = QFileDialog::getSaveFileName(this, tr("Export Practice History"),
                                                    QStringLiteral("practice.csv"),
                                                    tr("CSV files (*.csv)"));
  if (path.isEmpty()) return;
  QString error;
  if (!exportTo(path, &error)) QMessageBox::warning(this, tr("Export Practice History"), error);
}

}  // namespace fretlab
