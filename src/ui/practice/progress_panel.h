#pragma once
// The drills' progress view: a heatmap on the neck of accuracy or median
// time per position over 7 days, 30 days or the whole history, a table per
// note or degree asked, or per position as the heatmap's text, both for
// every drill or the one chosen, or an ear drill's confusion table, and
// the history as CSV. The history is read on its own
// thread after every answer given so far: the view fills in when the
// answer comes, and the window goes on meanwhile.

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

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
  // notes as stored ("E2 A2 D3 G3 B3 E4"); `drillNames` the drills' names
  // in the order of their kinds, to choose from.
  ProgressPanel(std::function<practice::HistoryThread*()> history,
                std::function<std::string()> tuning, const std::vector<QString>& drillNames,
                QWidget* parent = nullptr);

  // Reads the history, then paints the heatmap onto `neck` and fills the
  // table (shown() says when). stopShowing(): a read under way is dropped.
  void showOn(NeckWidget& neck);
  void stopShowing() { ++m_request; }
  // Writes the CSV file and waits for it; false with a message for the user.
  bool exportTo(const QString& path, QString* error);

  // 0: every drill, then one drill each in the order of their kinds.
  QComboBox* drillBox() const { return m_drills; }
  QComboBox* periodBox() const { return m_period; }
  QComboBox* measureBox() const { return m_measure; }
  QComboBox* tableBox() const { return m_rows; }
  QTableWidget* table() const { return m_table; }
  QLabel* legend() const { return m_legend; }

  // Dark (0 %) to light (100 %) on one colour-blind-safe scale; for times,
  // light at 1 s or less to dark at 5 s or more.
  static QColor AccuracyColour(double share);
  static QColor SpeedColour(int medianMs);

 signals:
  void changed();
  void shown();

 private:
  struct Reading;
  void show(NeckWidget& neck, const Reading& reading);
  void fillTable(const Reading& reading);
  void fillConfusion(const Reading& reading);
  void exportCsv();

  std::function<practice::HistoryThread*()> m_history;
  std::function<std::string()> m_tuning;
  std::string drillKey() const;  // "" for every drill
  QString drillText() const;

  QComboBox* m_drills = nullptr;
  QComboBox* m_period = nullptr;
  QComboBox* m_measure = nullptr;
  QComboBox* m_rows = nullptr;
  int m_request = 0;  // counts reads asked for; only the latest is shown
  QTableWidget* m_table = nullptr;
  QLabel* m_legend = nullptr;
  QWidget* m_scale = nullptr;  // the colour scale under the legend
};

}  // namespace fretlab
