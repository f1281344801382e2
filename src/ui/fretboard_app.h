#pragma once
// The application object: runs the main window modally and holds the
// commands that reach the application rather than the window (File > "Close"
// and the help key).

#include <filesystem>

#include "sound/note_player.h"

class QWidget;

namespace fretlab {

class CFretboardApp {
 public:
  // `output` and `timing` are handed to the window; `output` must outlive
  // InitInstance.
  CFretboardApp(MidiOutput& output, Timing timing);

  // A sequence file to open once the window is up (from the command line),
  // named by the system's bytes.
  void OpenAtStart(const std::filesystem::path& file) { m_startFile = file; }

  // Runs the window until it ends; the program ends with it.
  void InitInstance();

  // The application's command table, reached with the commands that the
  // main window's table does not hold. Returns false for an unknown id,
  // which is then ignored.
  static bool OnCmdMsg(int id, QWidget* mainWindow);

  // F1: the program has no help content, so nothing is shown.
  static void OnHelp(QWidget* mainWindow);
  // File > "Close": closes the main window, which ends the program.
  static void OnAppExit(QWidget* mainWindow);

 private:
  MidiOutput& m_output;
  Timing m_timing;
  std::filesystem::path m_startFile;
};

}  // namespace fretlab
