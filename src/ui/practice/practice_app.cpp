#include "ui/practice/practice_app.h"

#include <QApplication>
#include <QSettings>
#include <QTabWidget>
#include <iostream>

#include "practice/history/history_store.h"
#include "sound/backends/capture_backends.h"
#include "sound/backends/midi_input_backends.h"
#include "ui/practice/chord_lab_mode.h"
#include "ui/practice/chords_mode.h"
#include "ui/practice/drill_mode.h"
#include "ui/practice/explore_mode.h"
#include "ui/practice/practice_window.h"
#include "ui/practice/tuner_mode.h"

namespace fretlab {

void ShowMode(PracticeWindow& window, PracticeMode& mode) {
  QTabWidget* area = window.modeArea();
  for (int i = 0; i < area->count(); ++i) {
    if (area->widget(i)->isAncestorOf(mode.page())) area->setCurrentIndex(i);
  }
}

DrillServices SystemDrillServices() {
  DrillServices services;
  services.openHistory = [] {
    return std::make_unique<practice::HistoryThread>(practice::HistoryStore::DefaultPath());
  };
  services.midiPorts = [](std::ostream& diagnostics) { return MidiInputPortNames(diagnostics); };
  services.openMidi = [](const std::string& name, std::ostream& diagnostics, std::string& portName) {
    OpenedMidiInput opened = OpenMidiInput(name, diagnostics);
    portName = opened.portName;
    return std::move(opened.input);
  };
  return services;
}

std::unique_ptr<AudioCapture> SystemAudioCapture() { return CreateAudioCapture(); }

PracticeParts BuildPracticeWindow(MidiOutput& output, AudioCapture& capture, QSettings& settings,
                                  std::function<SoundClock::time_point()> now,
                                  DrillServices services) {
  PracticeParts parts;
  parts.window = std::make_unique<PracticeWindow>(output, capture, settings, std::move(now));
  PracticeWindow& window = *parts.window;
  auto explore = std::make_unique<ExploreMode>(window);
  auto chordLab = std::make_unique<ChordLabMode>(window);
  auto drills = std::make_unique<DrillMode>(window, std::move(services));
  auto tuner = std::make_unique<TunerMode>(window);
  parts.explore = explore.get();
  parts.chordLab = chordLab.get();
  parts.drills = drills.get();
  parts.tuner = tuner.get();
  window.addMode(std::move(explore));
  window.addMode(std::move(chordLab));
  auto chords = std::make_unique<ChordsMode>(window);
  parts.chords = chords.get();
  // A voicing looked up goes to the chord lab, whose tab comes forward.
  QObject::connect(parts.chords, &ChordsMode::openInChordLab, &window,
                   [&window, lab = parts.chordLab](const std::vector<FretIndex>& frets) {
                     lab->takeFrets(frets);
                     ShowMode(window, *lab);
                   });
  window.addMode(std::move(drills));
  window.addMode(std::move(chords));
  window.addMode(std::move(tuner));
  return parts;
}

int RunPracticeWindow(MidiOutput& output, const std::optional<QString>& midiIn) {
  // The window belongs to its own launcher, "Fretlab Practice".
  QGuiApplication::setDesktopFileName(QStringLiteral("org.fretlab.FretlabPractice"));
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("fretlab"),
                     QStringLiteral("fretlab"));
  const std::unique_ptr<AudioCapture> capture = SystemAudioCapture();
  PracticeParts parts =
      BuildPracticeWindow(output, *capture, settings, &SoundClock::now, SystemDrillServices());
  if (midiIn) {
    if (const MidiChoice choice = parts.drills->resources().openMidiInput(*midiIn); !choice) {
      std::cerr << qPrintable(choice.message) << '\n';
    }
  }
  parts.window->show();
  return QApplication::exec();
}

}  // namespace fretlab
