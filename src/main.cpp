// Fretlab: a guitar-neck trainer. Parses the command line, opens the chosen
// MIDI output and runs the main window.

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QIcon>
#include <QLocale>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/quoted_value.h"
#include "export/export_command.h"
#include "listen/listen_command.h"
#include "practice/voicings_command.h"
#include "sound/backends/backends.h"
#include "ui/event_loop_timing.h"
#include "ui/fretboard_app.h"
#include "ui/practice/picture_export.h"
#include "ui/practice/practice_app.h"
#include "ui/practice/translations.h"
#include "ui/resources.h"

#ifndef FRETLAB_VERSION
#define FRETLAB_VERSION "unknown"
#endif

namespace {

// The command line's texts for translation (never what --listen or --export
// print for programs to read).
struct CommandLine {
  Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

struct Options {
  QCommandLineOption midiOut{
      QStringLiteral("midi-out"),
      CommandLine::tr("Where notes go: synth (built-in synthesizer, the default), alsa (an ALSA "
                     "sequencer port), alsa:NAME (connect to the port whose name contains "
                     "NAME), log:FILE (a line per event; a pipe needs its reader running) or "
                     "none (silent)."),
      QStringLiteral("output"), QStringLiteral("synth")};
  QCommandLineOption soundfont{
      QStringLiteral("soundfont"),
      CommandLine::tr("The SoundFont the built-in synthesizer plays (default: the installed "
                     "General MIDI soundfont)."),
      QStringLiteral("path")};
  QCommandLineOption practice{
      QStringLiteral("practice"),
      CommandLine::tr("Open Fretlab Practice: a resizable neck in any tuning, with spelled note "
                     "names, intervals, a left-handed view and pictures.")};
  QCommandLineOption midiIn{
      QStringLiteral("midi-in"),
      CommandLine::tr("With --practice: answer the drills from the ALSA sequencer input port "
                     "whose name contains NAME (\"\" for a port of Fretlab's own)."),
      QStringLiteral("NAME")};
  QCommandLineOption render{
      QStringLiteral("render"),
      CommandLine::tr("Write a picture of the Practice neck without a window. Options: --tuning "
                       "NAME|\"NOTES\" (lowest string first), --capo N, --root NOTE, --scale "
                       "NAME | --arpeggio NAME | --chord NAME, --labels "
                       "notes|intervals|degrees|names|none, --frets A-B, --position "
                       "caged:E|3nps:N|box:N (one position of the scale, the rest faded), "
                       "--triads STRINGSET (a chord's triads on three strings, such as 2-4), "
                       "--left-handed."),
      QStringLiteral("OUT.svg|OUT.png")};
  QCommandLineOption exportTo{
      QStringLiteral("export"),
      CommandLine::tr("Write the sequence file to OUT and exit, without a window: "
                     "fretlab --export OUT IN.fbs. OUT's extension chooses the format: .mid or "
                     ".midi (Standard MIDI File), .musicxml (score with tablature and chord "
                     "diagrams) or .txt (chord chart)."),
      QStringLiteral("OUT")};
  QCommandLineOption listen{
      QStringLiteral("listen"),
      CommandLine::tr("Print the notes played in a sound file and exit, one line each: onset ms, "
                     "decision ms, name, MIDI number, cents. --lowest NOTE (default B1; E1 for "
                     "a bass) sets the lowest note expected."),
      QStringLiteral("IN.wav")};
  QCommandLineOption voicings{
      QStringLiteral("voicings"),
      CommandLine::tr("Print the voicings of a chord and exit, best first, one a line: frets "
                      "from the lowest string, kind, notes (x32010  open  C E G C E). Options: "
                      "--tuning NAME|\"NOTES\", --capo N, --span N (3 to 6 frets, default 4), "
                      "--limit N (lines, default 20, 0 for all)."),
      QStringLiteral("SYMBOL")};
};

void Describe(QCommandLineParser& parser, const Options& options) {
  parser.setApplicationDescription(
      CommandLine::tr("Learn the guitar neck: scales, arpeggios and chords marked and sounded."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(options.midiOut);
  parser.addOption(options.soundfont);
  parser.addOption(options.practice);
  parser.addOption(options.render);
  parser.addOption(options.midiIn);
  parser.addOption(options.exportTo);
  parser.addOption(options.listen);
  parser.addOption(options.voicings);
  parser.addPositionalArgument(QStringLiteral("file"),
                               CommandLine::tr("A sequence file (.fbs) to open."),
                               QStringLiteral("[file]"));
}

// QCommandLineParser::process() without its own error line, which holds an
// unknown option as typed: the same exit status 1, and the option quoted
// safely. --help and --version are answered as process() answers them.
void ProcessOrExit(QCommandLineParser& parser, const QCoreApplication& application) {
  if (parser.parse(application.arguments())) {
    parser.process(application);  // answers --help and --version
    return;
  }
  const QStringList unknown = parser.unknownOptionNames();
  if (unknown.isEmpty()) {
    std::cerr << "fretlab: " << qPrintable(parser.errorText()) << '\n';  // our own options' names
  } else {
    const std::string name = unknown.front().toStdString();  // without its dashes
    const std::string quoted = fretlab::QuotedValue((name.size() == 1 ? "-" : "--") + name);
    std::cerr << qPrintable(CommandLine::tr("fretlab: unknown option %1; see fretlab --help")
                                .arg(QString::fromStdString(quoted)))
              << '\n';
  }
  std::exit(1);
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

// The file argument as the system's bytes: the parser holds arguments as
// text, in which bytes that are not UTF-8 have become replacement characters
// that name no file. The argument is the one whose text the parser gave,
// looked for from the end, where a file usually stands.
std::filesystem::path FileArgument(int argc, char* argv[], const QString& parsed) {
  for (int i = argc - 1; i > 0; --i) {
    if (QString::fromLocal8Bit(argv[i]) == parsed) return std::filesystem::path(argv[i]);
  }
  return std::filesystem::path(QFile::encodeName(parsed).toStdString());
}

// --render and --export need no display: they run before the window system
// is opened.
bool HasArgument(int argc, char* argv[], std::string_view wanted) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--") break;
    if (arg == wanted || (arg.substr(0, wanted.size()) == wanted && arg[wanted.size()] == '=')) {
      return true;
    }
  }
  return false;
}

// A command that succeeds prints nothing: Qt's remark about a missing
// runtime folder (usual under sudo or in a container) is not for the user.
void QuietAboutPaths(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (message.startsWith(QLatin1String("QStandardPaths:"))) return;
  std::cerr << qPrintable(qFormatLogMessage(type, QMessageLogContext(), message)) << '\n';
}

// --render draws its picture without showing a window, on the offscreen
// platform when there is no display to use.
int Render(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  qInstallMessageHandler(QuietAboutPaths);
  QGuiApplication application(argc, argv);
  return fretlab::RenderCommand(std::vector<std::string>(argv + 1, argv + argc), std::cerr);
}

int Export(int argc, char* argv[]) {
  QCoreApplication console(argc, argv);
  const fretlab::Translations translations(QLocale(), fretlab::Translations::Scope::kCommandLine);
  QCommandLineParser parser;
  Options options;
  Describe(parser, options);
  ProcessOrExit(parser, console);  // an unknown option: one line and exit status 1
  const QStringList files = parser.positionalArguments();
  if (files.size() != 1) {
    std::cerr << qPrintable(
        CommandLine::tr("fretlab: --export takes one sequence file: fretlab --export OUT IN.fbs"))
              << '\n';
    return 2;
  }
  return fretlab::RunExport(FileArgument(argc, argv, parser.value(options.exportTo)),
                            FileArgument(argc, argv, files.front()), std::cerr);
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationName(QStringLiteral("Fretlab"));
  QCoreApplication::setApplicationVersion(QStringLiteral(FRETLAB_VERSION));
  if (AnswersWithoutWindow(argc, argv)) {
    QCoreApplication console(argc, argv);
    const fretlab::Translations translations(QLocale(), fretlab::Translations::Scope::kCommandLine);
    QCommandLineParser parser;
    Options options;
    Describe(parser, options);
    parser.process(console);  // prints the answer and exits
    return 0;
  }
  if (HasArgument(argc, argv, "--render")) return Render(argc, argv);
  if (HasArgument(argc, argv, "--export")) return Export(argc, argv);
  if (HasArgument(argc, argv, "--voicings")) {
    return fretlab::RunVoicings(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
  }
  if (HasArgument(argc, argv, "--listen")) {
    return fretlab::RunListen(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
  }

  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("org.fretlab.Fretlab"));
  fretlab::InitResources();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/fretlab.png")));

  // The command line's messages in the user's language; the main window
  // keeps its English texts, so they are gone before any window opens.
  auto commandLine = std::make_unique<fretlab::Translations>(
      QLocale(), fretlab::Translations::Scope::kCommandLine);
  QCommandLineParser parser;
  Options options;
  Describe(parser, options);
  ProcessOrExit(parser, application);

  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    std::cerr << qPrintable(CommandLine::tr("fretlab: only one sequence file can be opened")) << '\n';
    return 2;
  }

  fretlab::OutputOptions outputOptions;
  outputOptions.midiOut = parser.value(options.midiOut).toStdString();
  outputOptions.soundfont = parser.value(options.soundfont).toStdString();
  const std::unique_ptr<fretlab::MidiOutput> output =
      fretlab::CreateMidiOutput(outputOptions, std::cerr);
  if (parser.isSet(options.midiIn) && !parser.isSet(options.practice)) {
    std::cerr << qPrintable(CommandLine::tr("fretlab: --midi-in applies only to the Practice "
                                            "window (fretlab --practice); ignored"))
              << '\n';
  }
  commandLine.reset();
  // The output's slow setup starts once the window is up and the event loop runs.
  QTimer::singleShot(0, [&output] { output->begin(); });
  if (parser.isSet(options.practice)) {
    return fretlab::RunPracticeWindow(
        *output, parser.isSet(options.midiIn) ? std::optional(parser.value(options.midiIn))
                                              : std::nullopt);
  }

  fretlab::CFretboardApp app(*output, fretlab::EventLoopTiming());
  if (!files.isEmpty()) app.OpenAtStart(FileArgument(argc, argv, files.front()));
  app.InitInstance();
  return 0;
}
