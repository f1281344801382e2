#include "ui/practice/practice_app.h"

#include <QApplication>
#include <QSettings>
#include <iostream>

#include "practice/history/history_store.h"
#include "sound/backends/midi_input_backends.h"
#include "ui/practice/chord_lab_mode.h"
#include "ui/practice/drill_mode.h"
#include "ui/practice/explore_mode.h"
#include "ui/practice/practice_window.h"
#include "ui/practice/translations.h"

namespace fretlab {

DrillServices SystemDrillServices() {
  DrillServices services;
  services.historyPath = practice::HistoryStore::DefaultPath();
  services.openHistory = [path = services.historyPath] {
    return std::make_unique<practice::HistoryThread>(path);
  };
  services.midiPorts = [](std::ostream& diagnostics) { return MidiInputPortNames(diagnostics); };
  services.openMidi = [](const std::string& name, std::ostream& diagnostics, std::string& portName) {
    OpenedMidiInput opened = OpenMidiInput(name, diagnostics);
    portName = opened.portName;
    return std::move(opened.input);
  };
  return services;
}

PracticeParts BuildPracticeWindow(MidiOutput& output, QSettings& settings,
                                  std::function<SoundClock::time_point()> now,
                                  DrillServices services) {
  PracticeParts parts;
  parts.window = std::make_unique<PracticeWindow>(output, settings, std::move(now));
  PracticeWindow& window = *parts.window;
  window.setAboutFacts(AboutFacts{QString::fromStdString(output.soundfont()), settings.fileName(),
                                  services.historyPath});
  auto explore = std::make_unique<ExploreMode>(window);
  auto chordLab = std::make_unique<ChordLabMode>(window);
  auto drills = std::make_unique<DrillMode>(window, std::move(services));
  parts.explore = explore.get();
  parts.chordLab = chordLab.get();
  parts.drills = drills.get();
  window.addMode(std::move(explore));
  window.addMode(std::move(chordLab));
  window.addMode(std::move(drills));
  return parts;
}

int RunPracticeWindow(MidiOutput& output, const std::optional<QString>& midiIn) {
  // In the user's language where Fretlab has it, Qt's dialogs with it.
  const Translations translations(QLocale(), Translations::Scope::kPracticeWindow);
  // The window belongs to its own launcher, "Fretlab Practice".
  QGuiApplication::setDesktopFileName(QStringLiteral("org.fretlab.FretlabPractice"));
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("fretlab"),
                     QStringLiteral("fretlab"));
  PracticeParts parts = BuildPracticeWindow(output, settings, &SoundClock::now, SystemDrillServices());
  if (midiIn) {
    if (const MidiChoice choice = parts.drills->resources().openMidiInput(*midiIn); !choice) {
      std::cerr << qPrintable(choice.message) << '\n';
    }
  }
  parts.window->show();
  return QApplication::exec();
}

}  // namespace fretlab
