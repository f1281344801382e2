// Fretlab: a guitar-neck trainer. Parses the command line, opens the chosen
// MIDI output and runs the main window.

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <iostream>

#include "sound/backends/backends.h"
#include "ui/event_loop_timing.h"
#include "ui/fretboard_app.h"
#include "ui/resources.h"

#ifndef FRETLAB_VERSION
#define FRETLAB_VERSION "unknown"
#endif

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Fretlab"));
  QApplication::setApplicationVersion(QStringLiteral(FRETLAB_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("org.fretlab.Fretlab"));
  fretlab::InitResources();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/fretlab.png")));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Learn the guitar neck: scales, arpeggios and chords marked and sounded."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption midiOut(
      QStringLiteral("midi-out"),
      QStringLiteral("Where notes go: synth (built-in synthesizer, the default), alsa (an ALSA "
                     "sequencer port), alsa:NAME (connect to the port whose name contains "
                     "NAME), log:FILE (a line per event) or none (silent)."),
      QStringLiteral("output"), QStringLiteral("synth"));
  const QCommandLineOption soundfont(
      QStringLiteral("soundfont"),
      QStringLiteral("The SoundFont the built-in synthesizer plays (default: the installed "
                     "General MIDI soundfont)."),
      QStringLiteral("path"));
  parser.addOption(midiOut);
  parser.addOption(soundfont);
  parser.addPositionalArgument(QStringLiteral("file"),
                               QStringLiteral("A sequence file (.fbs) to open."),
                               QStringLiteral("[file]"));
  parser.process(application);

  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    std::cerr << "fretlab: only one sequence file can be opened\n";
    return 2;
  }

  fretlab::OutputOptions options;
  options.midiOut = parser.value(midiOut).toStdString();
  options.soundfont = parser.value(soundfont).toStdString();
  const std::unique_ptr<fretlab::MidiOutput> output =
      fretlab::CreateMidiOutput(options, std::cerr);

  fretlab::CFretboardApp app(*output, fretlab::EventLoopTiming());
  if (!files.isEmpty()) app.OpenAtStart(files.front());
  app.InitInstance();
  return 0;
}
