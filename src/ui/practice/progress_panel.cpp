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
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "practice/drill.h"
#include "practice/heat_scale.h"
#include "ui/file_names.h"
#include "ui/practice/confusion_table.h"
#include "ui/practice/neck_widget.h"

namespace fretlab {

using practice::Period;

struct ProgressPanel::Reading {
  std::vector<practice::PositionCell> cells;
  std::vector<practice::AskedRow> rows;
  bool accuracy = true;
  std::vector<practice::ConfusionCell> confusion;  // an ear drill's, when the table shows it
};

namespace {

QString Percent(int right, int answers) {
  return QStringLiteral("%1 %").arg(100 * right / std::max(1, answers));
}

QString Seconds(int ms) { return QStringLiteral("%1 s").arg(ms / 1000.0, 0, 'f', 2); }

QColor ToQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

// The scale from 0 on the left to 1 on the right, with what its ends mean.
class ScaleBar : public QWidget {
 public:
  explicit ScaleBar(QWidget* parent) : QWidget(parent) { setMinimumHeight(14); }
  QString low, high;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const int textWidth = 80;
    const QRect bar = rect().adjusted(textWidth, 2, -textWidth, -2);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    for (int i = 0; i <= 8; ++i) gradient.setColorAt(i / 8.0, ToQColor(practice::HeatColour(i / 8.0)));
    p.fillRect(bar, gradient);
    p.drawText(QRect(0, 0, textWidth - 4, height()), Qt::AlignRight | Qt::AlignVCenter, low);
    p.drawText(QRect(bar.right() + 4, 0, textWidth, height()), Qt::AlignLeft | Qt::AlignVCenter, high);
  }
};

}  // namespace

ProgressPanel::ProgressPanel(std::function<practice::HistoryThread*()> history,
                             std::function<std::string()> tuning,
                             const std::vector<QString>& drillNames, QWidget* parent)
    : QWidget(parent), m_history(std::move(history)), m_tuning(std::move(tuning)) {
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  m_drills = new QComboBox(this);
  m_drills->addItem(tr("All drills"));
  for (const QString& name : drillNames) m_drills->addItem(name);
  m_drills->setAccessibleName(tr("Drills shown"));
  form->addRow(tr("Drills:"), m_drills);
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
  m_rows->addItems({tr("Per note or degree"), tr("Per position (the heatmap as text)"),
                    tr("Confusion: what was answered for what was asked (ear drills)")});
  m_rows->setAccessibleName(tr("Table shows"));
  form->addRow(tr("Table:"), m_rows);
  layout->addLayout(form);
  m_legend = new QLabel(this);
  m_legend->setWordWrap(true);
  m_legend->setAccessibleName(tr("Heatmap legend"));
  layout->addWidget(m_legend);
  m_scale = new ScaleBar(this);
  layout->addWidget(m_scale);
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
  connect(m_drills, &QComboBox::currentIndexChanged, this, &ProgressPanel::changed);
  connect(m_period, &QComboBox::currentIndexChanged, this, &ProgressPanel::changed);
  connect(m_measure, &QComboBox::currentIndexChanged, this, &ProgressPanel::changed);
  connect(m_rows, &QComboBox::currentIndexChanged, this, &ProgressPanel::changed);
}

QColor ProgressPanel::AccuracyColour(double share) { return ToQColor(practice::HeatColour(share)); }

QColor ProgressPanel::SpeedColour(int medianMs) {
  return ToQColor(practice::HeatColour(practice::HeatOfTime(medianMs)));
}

std::string ProgressPanel::drillKey() const {
  const int row = m_drills->currentIndex();
  if (row <= 0) return {};
  return std::string(practice::DrillKey(static_cast<practice::QuestionKind>(row - 1)));
}

QString ProgressPanel::drillText() const {
  return m_drills->currentIndex() <= 0 ? tr("every drill") : m_drills->currentText();
}

void ProgressPanel::showOn(NeckWidget& neck) {
  // The heat alone, on every string.
  neck.setMarks({});
  neck.setStringsInPlay(kAllStrings);
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
      [tuning = m_tuning(), drill = drillKey(), period, now, accuracy](practice::HistoryStore& s) {
        return Reading{s.Heatmap(tuning, period, now, drill), s.AskedTable(drill, period, now), accuracy,
                       s.ConfusionTable(drill, period, now)};
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
    neck.setHeat(p, reading.accuracy ? AccuracyColour(practice::HeatOfAccuracy(c.right, c.answers))
                                     : SpeedColour(c.medianMs));
  }
  auto* scale = static_cast<ScaleBar*>(m_scale);
  scale->low = reading.accuracy ? tr("0 % right") : tr("5 s or more");
  scale->high = reading.accuracy ? tr("100 % right") : tr("1 s or less");
  scale->update();
  const QString which = tr("Showing %1, %2.").arg(drillText(), m_period->currentText().toLower());
  m_legend->setText(reading.cells.empty()
                        ? tr("%1 No answers in this tuning yet.").arg(which)
                        : reading.accuracy ? tr("%1 Dark: mostly wrong; light: always right.").arg(which)
                                           : tr("%1 Light: a second or less; dark: five seconds or more.").arg(which));
  fillTable(reading);
  emit shown();
}

void ProgressPanel::fillTable(const Reading& reading) {
  if (m_rows->currentIndex() == 2) {
    fillConfusion(reading);
    return;
  }
  m_table->verticalHeader()->hide();
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
  m_table->setColumnCount(5);
  m_table->setHorizontalHeaderLabels({tr("Drill"), tr("Asked"), tr("Answers"), tr("Right"), tr("Median")});
  m_table->setRowCount(static_cast<int>(reading.rows.size()));
  for (int i = 0; i < static_cast<int>(reading.rows.size()); ++i) {
    const practice::AskedRow& r = reading.rows[i];
    const auto kind = practice::KindOfKey(r.drill);
    const QString drill = kind ? m_drills->itemText(static_cast<int>(*kind) + 1) : QString::fromStdString(r.drill);
    const QString texts[5] = {drill, QString::fromStdString(r.asked), QString::number(r.answers),
                              Percent(r.right, r.answers), Seconds(r.medianMs)};
    for (int column = 0; column < 5; ++column) m_table->setItem(i, column, new QTableWidgetItem(texts[column]));
  }
}

void ProgressPanel::fillConfusion(const Reading& reading) {
  const auto kind = practice::KindOfKey(drillKey());
  if (!kind || !practice::IsEarTraining(*kind)) {
    m_table->clear();
    m_table->setRowCount(0);
    m_table->setColumnCount(0);
    m_legend->setText(tr("The confusion table is an ear drill's: choose Intervals by ear, Chord quality by ear "
                         "or Scale sound under Drills."));
    return;
  }
  FillConfusionTable(*m_table, *kind, reading.confusion);
  const QString which = tr("Showing %1, %2.").arg(drillText(), m_period->currentText().toLower());
  m_legend->setText(reading.confusion.empty()
                        ? tr("%1 No answers to this drill yet.").arg(which)
                        : tr("%1 A row per thing asked, a column per answer given; bold: the right ones.").arg(which));
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
