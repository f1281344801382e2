#pragma once
// Fretlab Practice: the neck beside its controls and a mode area (Explore,
// Chord lab; more modes are added with addMode()), a menu with the common
// switches and their shortcuts, pictures of the neck, and sound that never
// blocks the window.
//
// For modes (see practice_mode.h): neck(), view(), controls(), playback(),
// settings(), soundPosition(), playPositions(), strumPositions(), playShown(), strumShown(),
// stopPlaying(), and the viewChanged() signal.

#include <QMainWindow>
#include <QSettings>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "sound/midi_output.h"
#include "ui/practice/playback_driver.h"
#include "ui/practice/practice_controls.h"

class QAction;
class QSpinBox;
class QSplitter;
class QTabWidget;

namespace fretlab {

class NeckWidget;
class PracticeMode;

class PracticeWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `settings` hold what the window remembers; both must outlive it.
  PracticeWindow(MidiOutput& output, QSettings& settings,
                 std::function<SoundClock::time_point()> now = &SoundClock::now,
                 QWidget* parent = nullptr);
  ~PracticeWindow() override;

  NeckWidget* neck() const { return m_neck; }
  PracticeControls* controls() const { return m_controls; }
  // What the controls choose, with the fret range and root spelling in use.
  PracticeView view() const { return m_controls->choices().EffectiveView(); }
  PlaybackDriver& playback() { return m_playback; }
  QSettings& settings() { return m_settings; }
  MidiOutput& output() { return m_output; }
  QTabWidget* modeArea() const { return m_modes; }

  // Takes ownership; the mode's page becomes a tab of the mode area.
  void addMode(PracticeMode* mode);
  PracticeMode* currentMode() const;
  // The first mode of type T, or null.
  template <typename T>
  T* findMode() const {
    for (const auto& mode : m_ownedModes) {
      if (auto* found = dynamic_cast<T*>(mode.get())) return found;
    }
    return nullptr;
  }
  bool isCurrentMode(const PracticeMode* mode) const { return currentMode() == mode; }

  // Sounds one position for the note length, its mark ringed meanwhile.
  void soundPosition(Position position);
  // The shown notes low to high and back, the marks following the sound.
  void playShown();
  // Any positions the same way, each pitch once per direction.
  void playPositions(const std::vector<SoundedPosition>& positions);
  // The shown chord: on each string its lowest chord tone in use.
  void strumShown();
  void strumPositions(const std::vector<SoundedPosition>& lowStringFirst);
  void stopPlaying();

  // The neck as a picture file (.svg or .png by the name), as on screen.
  bool exportPictureTo(const QString& path, QString* error);
  QAction* exportAction() const { return m_exportAction; }

 signals:
  void viewChanged();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  QWidget* buildControlPanel();
  void choicesChanged();
  void showOnNeck();
  void stepChanged(int step);
  void hovered(std::optional<Position> position);
  void exportPicture();
  void play();
  void strum();

  MidiOutput& m_output;
  QSettings& m_settings;
  PlaybackDriver m_playback;
  NeckWidget* m_neck = nullptr;
  PracticeControls* m_controls = nullptr;
  QTabWidget* m_modes = nullptr;
  QSpinBox* m_noteLength = nullptr;
  QSplitter* m_splitter = nullptr;
  QAction* m_exportAction = nullptr;
  QAction* m_leftHandedAction = nullptr;
  std::vector<std::unique_ptr<PracticeMode>> m_ownedModes;
};

// Runs the window until it closes, with the user's settings; for --practice.
// `midiIn` given: the drills take answers from that MIDI input port (empty:
// a port of Fretlab's own), as --midi-in NAME asks.
int RunPracticeWindow(MidiOutput& output, const std::optional<QString>& midiIn = std::nullopt);

}  // namespace fretlab
