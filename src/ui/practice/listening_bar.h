#pragma once
// The listening bar of the Practice window, below the neck: the switch
// "Listen to my guitar", the input chooser (the sound server's sources by
// their description, the system's default first), a level meter, the
// "Listening" indicator with the reminder that single notes are heard, and
// one line when the input cannot be used. It stays while a round runs, as
// answers may come from the guitar.

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;

namespace fretlab {

class PracticeListening;

class ListeningBar : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kMeterFloorDb = -60;  // the meter's empty end; full is 0 dBFS

  explicit ListeningBar(PracticeListening& listening, QWidget* parent = nullptr);

  QCheckBox* listenSwitch() const { return m_switch; }
  // Row 0: the system's default input; then the server's sources.
  QComboBox* inputBox() const { return m_input; }
  QProgressBar* levelMeter() const { return m_level; }
  QLabel* indicator() const { return m_indicator; }
  QLabel* singleNotesLabel() const { return m_singleNotes; }
  QLabel* messageLabel() const { return m_message; }

 private:
  // Asks the server for its sources again, keeping the choice.
  void fillInputs();
  void showListening(bool listening);

  PracticeListening& m_listening;
  QCheckBox* m_switch = nullptr;
  QComboBox* m_input = nullptr;
  QProgressBar* m_level = nullptr;
  QLabel* m_indicator = nullptr;
  QLabel* m_singleNotes = nullptr;
  QLabel* m_message = nullptr;
};

}  // namespace fretlab
