// Fretlab: a guitar-neck trainer. Parses the command line, opens the chosen
// MIDI output and runs the main window.

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <iostream>
#include <string_view>

#include "sound/backends/backends.h"
#include "ui/event_loop_timing.h"
#include "ui/fretboard_app.h"
#include "ui/resources.h"

#ifndef FRETLAB_VERSION
#define FRETLAB_VERSION "unknown"
#endif

namespace {

struct Options {
  QCommandLineOption midiOut{
      QStringLiteral("midi-out"),
      QStringLiteral("Where notes go: synth (built-in synthesizer, the default), alsa (an ALSA "
                     "sequencer port), alsa:NAME (connect to the port whose name contains "
                     "NAME), log:FILE (a line per event; a pipe needs its reader running) or "
                     "none (silent)."),
      QStringLiteral("output"), QStringLiteral("synth")};
  QCommandLineOption soundfont{
      QStringLiteral("soundfont"),
      QStringLiteral("The SoundFont the built-in synthesizer plays (default: the installed "
                     "General MIDI soundfont)."),
      QStringLiteral("path")};
};

void Describe(QCommandLineParser& parser, const Options& options) {
  parser.setApplicationDescription(
      QStringLiteral("Learn the guitar neck: scales, arpeggios and chords marked and sounded."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(options.midiOut);
  parser.addOption(options.soundfont);
  parser.addPositionalArgument(QStringLiteral("file"),
                               QStringLiteral("A sequence file (.fbs) to open."),
                               QStringLiteral("[file]"));
}

// --help and --version answer without a display, before the window system
// is opened.
bool AnswersWithoutWindow(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--") break;
    if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v" ||
        arg == "--version") {
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationName(QStringLiteral("Fretlab"));
  QCoreApplication::setApplicationVersion(QStringLiteral(FRETLAB_VERSION));
  if (AnswersWithoutWindow(argc, argv)) {
    QCoreApplication console(argc, argv);
    QCommandLineParser parser;
    Options options;
    Describe(parser, options);
    parser.process(console);  // prints the answer and exits
    return 0;
  }

  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("org.fretlab.Fretlab"));
  fretlab::InitResources();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/fretlab.png")));

  QCommandLineParser parser;
  Options options;
  Describe(parser, options);
  parser.process(application);

  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    std::cerr << "fretlab: only one sequence file can be opened\n";
    return 2;
  }

  fretlab::OutputOptions outputOptions;
  outputOptions.midiOut = parser.value(options.midiOut).toStdString();
  outputOptions.soundfont = parser.value(options.soundfont).toStdString();
  const std::unique_ptr<fretlab::MidiOutput> output =
      fretlab::CreateMidiOutput(outputOptions, std::cerr);

  fretlab::CFretboardApp app(*output, fretlab::EventLoopTiming());
  if (!files.isEmpty()) app.OpenAtStart(files.front());
  app.InitInstance();
  return 0;
}
