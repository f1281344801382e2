#pragma once
// The drills' progress view: a heatmap on the neck of accuracy or median
// time per position over 7 days, 30 days or the whole history, a table per
// note or degree asked for the chosen drill, or per position as the
// heatmap's text, and the history as CSV. The history is read on its own
// thread after every answer given so far: the view fills in when the
// answer comes, and the window goes on meanwhile.

#include <QWidget>
#include <functional>

#include "practice/history/history_thread.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace fretlab {

class NeckWidget;

class ProgressPanel : public QWidget {
  Q_OBJECT

 public:
  // `history` gives the history in use (may be null); `tuning` the tuning's
  // notes as stored ("E2 A2 D3 G3 B3 E4"); `drill` the drill's key.
  ProgressPanel(std::function<practice::HistoryThread*()> history,
                std::function<std::string()> tuning, std::function<std::string()> drill,
                QWidget* parent = nullptr);

  // Reads the history, then paints the heatmap onto `neck` and fills the
  // table (shown() says when). stopShowing(): a read under way is dropped.
  void showOn(NeckWidget& neck);
  void stopShowing() { ++m_request; }
  // Writes the CSV file and waits for it; false with a message for the user.
  bool exportTo(const QString& path, QString* error);

  QComboBox* periodBox() const { return m_period; }
  QComboBox* measureBox() const { return m_measure; }
  QComboBox* tableBox() const { return m_rows; }
  QTableWidget* table() const { return m_table; }

  // Red (0 %) through yellow to green (100 %); for times, green at 1 s or
  // less through red at 5 s or more.
  static QColor AccuracyColour(double share);
  static QColor SpeedColour(int medianMs);

 signals:
  void changed();
  void shown();

 private:
  struct Reading;
  void show(NeckWidget& neck, const Reading& reading);
  void fillTable(const Reading& reading);
  void exportCsv();

  std::function<practice::HistoryThread*()> m_history;
  std::function<std::string()> m_tuning;
  std::function<std::string()> m_drill;
  QComboBox* m_period = nullptr;
  QComboBox* m_measure = nullptr;
  QComboBox* m_rows = nullptr;
  int m_request = 0;  // counts reads asked for; only the latest is shown
  QTableWidget* m_table = nullptr;
  QLabel* m_legend = nullptr;
};

}  // namespace fretlab
