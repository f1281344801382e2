#pragma once
// The Drills mode's page: on its Practise tab the choice of drill and
// round (scrolled when the window is small) above the round itself, and
// beside it the Progress tab. While a round runs the choice and the tabs
// give way, so that the round fits the window at any size. The page holds
// the widgets and says what the student did; the mode decides.

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

class QSettings;
class QTabWidget;

namespace fretlab {

class DrillChoice;
class EarChoice;
class ProgressPanel;
class RoundPanel;

class DrillPage : public QWidget {
  Q_OBJECT

 public:
  // `drillNames` in the order of the drills; `midiPorts` the instruments'
  // ports to offer; `progress` becomes the second tab. `settings` keeps
  // the round's options and must outlive the page.
  DrillPage(const std::vector<QString>& drillNames, const std::vector<std::string>& midiPorts,
            ProgressPanel* progress, QSettings& settings, QWidget* parent = nullptr);

  QTabWidget* sections() const { return m_sections; }
  DrillChoice* choice() const { return m_choice; }
  // The ear drills' choices, shown within the choice while one is chosen.
  EarChoice* ear() const { return m_ear; }
  RoundPanel* round() const { return m_round; }
  ProgressPanel* progress() const { return m_progress; }

  // While a round runs the choice of drill is hidden, and so is the way to
  // the progress view: what defines the round stays as it was. Tab from
  // `answeredOn` (the neck) then goes to the round's answer, never back to
  // the choices.
  void setRunning(bool running, QWidget* answeredOn = nullptr);
  bool isRunning() const { return m_running; }

 private:
  void addEarChoice(QSettings& settings);

  bool m_running = false;
  QTabWidget* m_sections = nullptr;
  QWidget* m_choiceArea = nullptr;  // the scroll area around the choice
  DrillChoice* m_choice = nullptr;
  EarChoice* m_ear = nullptr;
  RoundPanel* m_round = nullptr;
  ProgressPanel* m_progress = nullptr;
};

}  // namespace fretlab
