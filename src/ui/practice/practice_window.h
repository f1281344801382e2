#pragma once
// Fretlab Practice: the neck above its controls and a mode area (the modes
// are added with addMode() where the window is put together,
// practice_app.cpp, and see the window only as their host), a menu with the
// common switches and their shortcuts, sound that never blocks, an ear.

#include <QMainWindow>
#include <QSettings>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ui/practice/about_box.h"
#include "ui/practice/playback_driver.h"
#include "ui/practice/practice_controls.h"
#include "ui/practice/practice_host.h"
#include "ui/practice/practice_listening.h"
#include "ui/practice/practice_mode.h"

class QAction;
class QSplitter;
class QTabWidget;

namespace fretlab {

class ControlPanel;
class NeckWidget;

class PracticeWindow : public QMainWindow, public PracticeHost {
  Q_OBJECT

 public:
  // Listens to `capture` on request; `settings` hold what it remembers. All outlive it.
  PracticeWindow(MidiOutput& output, AudioCapture& capture, QSettings& settings,
                 std::function<SoundClock::time_point()> now = &SoundClock::now,
                 QWidget* parent = nullptr);
  ~PracticeWindow() override;

  // The host of the modes.
  NeckWidget& neck() override { return *m_neck; }
  PracticeView view() const override { return m_controls->choices().EffectiveView(); }
  PlaybackDriver& player() override { return m_playback; }
  PracticeListening& listening() override { return *m_listening; }
  std::chrono::milliseconds noteLength() const override;
  QSettings& settings() override { return m_settings; }
  void report(const QString& message) override;
  void setPanelsCollapsed(bool collapsed, const QString& summary) override;

  PracticeControls* controls() const { return m_controls; }
  ControlPanel* panel() const { return m_panel; }
  QTabWidget* modeArea() const { return m_modes; }

  // The mode's page becomes a tab of the mode area, in the order added.
  void addMode(std::unique_ptr<PracticeMode> mode);
  PracticeMode* currentMode() const;
  template <typename T> T* findMode() const {  // the first mode of type T, or null
    for (const auto& mode : m_ownedModes) {
      if (auto* found = dynamic_cast<T*>(mode.get())) return found;
    }
    return nullptr;
  }

  // The shown notes low to high and back, the marks following the sound;
  // the shown chord, on each string its lowest chord tone in use. What Play
  // and Strum do when the current mode leaves them to the window.
  void playShown();
  void strumShown();

  // The neck as a picture file (.svg or .png by the name), as on screen.
  bool exportPictureTo(const QString& path, QString* error);
  QAction* exportAction() const { return m_exportAction; }

  // What Help > About Fretlab says of this run (the soundfont, the files).
  void setAboutFacts(const AboutFacts& facts) { m_about = facts; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildMenus();
  QWidget* buildControlPanel();
  void choicesChanged();
  void modeChanged();
  void showOnNeck();
  void stepChanged(int step);
  void hovered(std::optional<Position> position);
  // The current mode hides what the neck would say of a position.
  bool notesHidden() const;
  void exportPicture();
  void play();
  void strum();

  QSettings& m_settings;
  PlaybackDriver m_playback;
  PracticeListening* m_listening = nullptr;  // a child, as the widgets are
  NeckWidget* m_neck = nullptr;
  PracticeControls* m_controls = nullptr;
  ControlPanel* m_panel = nullptr;
  QTabWidget* m_modes = nullptr;
  QSplitter* m_splitter = nullptr;
  QList<int> m_openSizes;  // the splitter's sizes before the panels collapsed
  QAction* m_exportAction = nullptr;
  QAction* m_leftHandedAction = nullptr;
  std::vector<std::unique_ptr<PracticeMode>> m_ownedModes;
  AboutFacts m_about;
};

}  // namespace fretlab
