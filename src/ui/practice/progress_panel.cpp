#include "ui/practice/progress_panel.h"

#include <QComboBox>
#include <QDateTime>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/file_names.h"
#include "ui/practice/neck_widget.h"

namespace fretlab {

using practice::Period;

struct ProgressPanel::Reading {
  std::vector<practice::PositionCell> cells;
  std::vector<practice::AskedRow> rows;
  bool accuracy = true;
};

namespace {

QString Percent(int right, int answers) {
  return QStringLiteral("%1 %").arg(100 * right / std::max(1, answers));
}

QString Seconds(int ms) { return QStringLiteral("%1 s").arg(ms / 1000.0, 0, 'f', 2); }

}  // namespace

ProgressPanel::ProgressPanel(std::function<practice::HistoryThread*()> history,
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
  // Per position, the table says in words what the heatmap shows in colour.
  m_rows = new QComboBox(this);
  m_rows->addItems({tr("Per note or degree"), tr("Per position (the heatmap as text)")});
  m_rows->setAccessibleName(tr("Table shows"));
  form->addRow(tr("Table:"), m_rows);
  layout->addLayout(form);
  m_legend = new QLabel(this);
  m_legend->setWordWrap(true);
  m_legend->setAccessibleName(tr("Heatmap legend"));
  layout->addWidget(m_legend);
  m_table = new QTableWidget(0, 4, this);
  m_table->setHorizontalHeaderLabels({tr("Asked"), tr("Answers"), tr("Right"), tr("Median")});
  m_table->verticalHeader()->hide();
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setAccessibleName(tr("Progress per note or degree"));
  m_table->setTabKeyNavigation(false);  // Tab goes on to the export button
  layout->addWidget(m_table, 1);
  auto* exportButton = new QPushButton(tr("E&xport history as CSV…"), this);
  exportButton->setAccessibleName(tr("Export history as CSV"));
  layout->addWidget(exportButton);
  connect(exportButton, &QPushButton::clicked, this, &ProgressPanel::exportCsv);
  connect(m_period, &QComboBox::currentIndexChanged, this, &ProgressPanel::changed);
  connect(m_measure, &QComboBox::currentIndexChanged, this, &ProgressPanel::changed);
  connect(m_rows, &QComboBox::currentIndexChanged, this, &ProgressPanel::changed);
}

QColor ProgressPanel::AccuracyColour(double share) {
  return QColor::fromHsvF(static_cast<float>(std::clamp(share, 0.0, 1.0) / 3.0), 0.65f, 0.95f);
}

QColor ProgressPanel::SpeedColour(int medianMs) {
  const double fast = 1.0 - std::clamp((medianMs - 1000) / 4000.0, 0.0, 1.0);
  return AccuracyColour(fast);
}

void ProgressPanel::showOn(NeckWidget& neck) {
  const int request = ++m_request;
  practice::HistoryThread* history = m_history();
  if (history == nullptr) {
    neck.clearHeat();
    m_table->setRowCount(0);
    m_legend->setText(tr("No practice history is open."));
    emit shown();
    return;
  }
  m_legend->setText(tr("Reading the practice history…"));
  const Period period = static_cast<Period>(m_period->currentIndex());
  const long long now = QDateTime::currentMSecsSinceEpoch();
  const bool accuracy = m_measure->currentIndex() == 0;
  history->ReadLater<Reading>(
      this,
      [tuning = m_tuning(), drill = m_drill(), period, now, accuracy](practice::HistoryStore& s) {
        return Reading{s.Heatmap(tuning, period, now), s.AskedTable(drill, period, now), accuracy};
      },
      [this, request, neck = QPointer<NeckWidget>(&neck)](Reading reading) {
        if (request != m_request || !neck) return;  // asked again, or no longer shown
        show(*neck, reading);
      });
}

void ProgressPanel::show(NeckWidget& neck, const Reading& reading) {
  neck.clearHeat();
  for (const practice::PositionCell& c : reading.cells) {
    const Position p{c.string - 1, c.fret};
    neck.setHeat(p, reading.accuracy ? AccuracyColour(static_cast<double>(c.right) / c.answers)
                                     : SpeedColour(c.medianMs));
  }
  m_legend->setText(reading.cells.empty() ? tr("No answers in this tuning for this period yet.")
                    : reading.accuracy    ? tr("Red: mostly wrong; green: always right.")
                                          : tr("Green: a second or less; red: five seconds or more."));
  fillTable(reading);
  emit shown();
}

void ProgressPanel::fillTable(const Reading& reading) {
  const bool positions = m_rows->currentIndex() == 1;
  m_table->setRowCount(0);
  m_table->setColumnCount(positions ? 5 : 4);
  m_table->setAccessibleName(positions ? tr("Progress per position") : tr("Progress per note or degree"));
  if (positions) {
    m_table->setHorizontalHeaderLabels({tr("String"), tr("Fret"), tr("Answers"), tr("Right"), tr("Median")});
    m_table->setRowCount(static_cast<int>(reading.cells.size()));
    for (int i = 0; i < static_cast<int>(reading.cells.size()); ++i) {
      const practice::PositionCell& c = reading.cells[i];
      const QString texts[5] = {QString::number(c.string), QString::number(c.fret),
                                QString::number(c.answers), Percent(c.right, c.answers),
                                Seconds(c.medianMs)};
      for (int column = 0; column < 5; ++column) m_table->setItem(i, column, new QTableWidgetItem(texts[column]));
    }
    return;
  }
  m_table->setHorizontalHeaderLabels({tr("Asked"), tr("Answers"), tr("Right"), tr("Median")});
  m_table->setRowCount(static_cast<int>(reading.rows.size()));
  for (int i = 0; i < static_cast<int>(reading.rows.size()); ++i) {
    const practice::AskedRow& r = reading.rows[i];
    const QString texts[4] = {QString::fromStdString(r.asked), QString::number(r.answers),
                              Percent(r.right, r.answers), Seconds(r.medianMs)};
    for (int column = 0; column < 4; ++column) m_table->setItem(i, column, new QTableWidgetItem(texts[column]));
  }
}

bool ProgressPanel::exportTo(const QString& path, QString* error) {
  practice::HistoryThread* history = m_history();
  if (history == nullptr) {
    if (error) *error = tr("No practice history is open.");
    return false;
  }
  QString message;
  const bool written = history->Read<bool>(
      [&, file = NativeFileName(path)](practice::HistoryStore& s) { return s.ExportCsv(file, &message); });
  if (error) *error = message;
  return written;
}

void ProgressPanel::exportCsv() {
  const QString path = QFileDialog::getSaveFileName(this, tr("Export Practice History"),
                                                    QStringLiteral("practice.csv"),
                                                    tr("CSV files (*.csv)"));
  if (path.isEmpty()) return;
  practice::HistoryThread* history = m_history();
  if (history == nullptr) {
    QMessageBox::warning(this, tr("Export Practice History"), tr("No practice history is open."));
    return;
  }
  // A long history takes seconds to write out: the window goes on meanwhile.
  history->ReadLater<QString>(
      this,
      [file = NativeFileName(path)](practice::HistoryStore& s) {
        QString error;
        return s.ExportCsv(file, &error) ? QString() : error;
      },
      [this](QString error) {
        if (!error.isEmpty()) QMessageBox::warning(this, tr("Export Practice History"), error);
      });
}

}  // namespace fretlab
