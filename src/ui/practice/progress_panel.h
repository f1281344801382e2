#pragma once
// The drills' progress view: a heatmap on the neck of accuracy or median
// time per position over 7 days, 30 days or the whole history, a table per
// note or degree asked for the chosen drill, and the history as CSV.

#include <QWidget>
#include <functional>

#include "practice/history/history_store.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace fretlab {

class NeckWidget;

class ProgressPanel : public QWidget {
  Q_OBJECT

 public:
  // `history` gives the store in use (may be null); `tuning` the tuning's
  // notes as stored ("E2 A2 D3 G3 B3 E4"); `drill` the drill's key.
  ProgressPanel(std::function<practice::HistoryStore*()> history,
                std::function<std::string()> tuning, std::function<std::string()> drill,
                QWidget* parent = nullptr);

  // Paints the heatmap onto `neck` and fills the table.
  void showOn(NeckWidget& neck);
  // Writes the CSV file; false with a message for the user.
  bool exportTo(const QString& path, QString* error);

  QComboBox* periodBox() const { return m_period; }
  QComboBox* measureBox() const { return m_measure; }
  QTableWidget* table() const { return m_table; }

  // Red (0 %) through yellow to green (100 %); for times, green at 1 s or
  // less through red at 5 s or more.
  static QColor AccuracyColour(double share);
  static QColor SpeedColour(int medianMs);

 signals:
  void changed();

 private:
  void exportCsv();

  std::function<practice::HistoryStore*()> m_history;
  std::function<std::string()> m_tuning;
  std::function<std::string()> m_drill;
  QComboBox* m_period = nullptr;
  QComboBox* m_measure = nullptr;
  QTableWidget* m_table = nullptr;
  QLabel* m_legend = nullptr;
};

}  // namespace fretlab
