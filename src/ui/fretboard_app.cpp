#include "ui/fretboard_app.h"

#include <QWidget>

#include "ui/command_ids.h"
#include "ui/fretboard_dlg.h"

namespace fretlab {

namespace {

struct AppMapEntry {
  int id;
  void (*handler)(QWidget* mainWindow);
};

// The application's own entry, then the defaults it inherits.
constexpr AppMapEntry kAppMap[] = {
    {ID_HELP, &CFretboardApp::OnHelp},
    {ID_APP_EXIT, &CFretboardApp::OnAppExit},
};

}  // namespace

CFretboardApp::CFretboardApp(MidiOutput& output, Timing timing)
    : m_output(output), m_timing(std::move(timing)) {}

void CFretboardApp::InitInstance() {
  CFretboardDlg dialog(m_output, m_timing);
  if (!m_startFile.empty()) dialog.OpenAtStart(m_startFile);
  dialog.exec();
}

bool CFretboardApp::OnCmdMsg(int id, QWidget* mainWindow) {
  for (const AppMapEntry& entry : kAppMap) {
    if (entry.id == id) {
      entry.handler(mainWindow);
      return true;
    }
  }
  return false;
}

void CFretboardApp::OnHelp(QWidget*) {}

void CFretboardApp::OnAppExit(QWidget* mainWindow) {
  // Like the window manager's close: the window decides whether to end.
  if (mainWindow != nullptr) mainWindow->close();
}

}  // namespace fretlab
