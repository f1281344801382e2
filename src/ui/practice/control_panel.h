#pragma once
// The Practice window's panel below the neck: the listening bar, the Show
// and Neck controls (scrolled when the window is small, so that no label is
// cut), the sound buttons with the note length, and the mode area. During a
// drill's round the controls and the sound buttons give way to one line
// that says what the round is about, so that the round and the neck keep
// the room; the listening bar stays, as the guitar may answer.

#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;

namespace fretlab {

class PracticeControls;

class ControlPanel : public QWidget {
  Q_OBJECT

 public:
  // `controls` and `listeningBar` become part of the panel.
  ControlPanel(PracticeControls* controls, QWidget* listeningBar, QWidget* parent = nullptr);

  PracticeControls* controls() const { return m_controls; }
  QTabWidget* modeArea() const { return m_modes; }
  // A mode's page becomes the next tab of the mode area, scrolled when the
  // window is small, so that no page holds the window's size up.
  void addModePage(QWidget* page, const QString& title);
  QSpinBox* noteLengthBox() const { return m_noteLength; }

  // Collapsed: only `summary` in place of the controls and the sound buttons.
  void setCollapsed(bool collapsed, const QString& summary = {});
  bool isCollapsed() const { return m_collapsed; }
  QLabel* summaryLabel() const { return m_summary; }

 signals:
  void playRequested();
  void strumRequested();
  void stopRequested();
  void noteLengthChanged(int ms);

 private:
  bool m_collapsed = false;
  PracticeControls* m_controls = nullptr;
  QScrollArea* m_controlsArea = nullptr;
  QWidget* m_soundRow = nullptr;
  QSpinBox* m_noteLength = nullptr;
  QTabWidget* m_modes = nullptr;
  QLabel* m_summary = nullptr;
};

}  // namespace fretlab
