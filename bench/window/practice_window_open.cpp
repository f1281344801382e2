// Opening the Practice window and starting a drill with a history of a
// million answers, against an empty history: the window itself, the
// history's opening, the schedule's loading and the first question, then
// the progress view's heatmap. Not part of the test suite.
//
// Give the history made by bench/practice_history as the argument (default
// build/benchdata/practice.sqlite). Runs on the offscreen platform.

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QEventLoop>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "sound/backends/silent_output.h"
#include "ui/practice/drill_mode.h"
#include "ui/practice/drill_choice.h"
#include "ui/practice/drill_page.h"
#include "ui/practice/round_panel.h"
#include "ui/practice/practice_app.h"
#include "ui/practice/practice_window.h"
#include "ui/practice/progress_panel.h"

namespace fretlab {
namespace {

struct Times {
  double window = 0;  // constructed, shown and painted, ms
  double drill = 0;   // history opened, schedule loaded, first question shown
  double progress = 0;
};

Times OpenOnce(const QString& history, QSettings& settings, MidiOutput& output) {
  Times t;
  QElapsedTimer clock;
  clock.start();
  // The system's input, as the program has it: it connects to nothing
  // until the user listens.
  const std::unique_ptr<AudioCapture> capture = SystemAudioCapture();
  PracticeParts parts = BuildPracticeWindow(output, *capture, settings, &SoundClock::now, {});
  PracticeWindow& window = *parts.window;
  window.show();
  QApplication::processEvents();
  t.window = clock.nsecsElapsed() / 1e6;
  clock.restart();
  DrillMode& drills = *parts.drills;
  window.modeArea()->setCurrentIndex(2);
  drills.resources().useHistory(std::make_unique<practice::HistoryThread>(history));
  drills.ui().choice()->drillBox()->setCurrentIndex(static_cast<int>(practice::QuestionKind::kNameNote));
  drills.ui().choice()->startButton()->click();
  QApplication::processEvents();
  t.drill = clock.nsecsElapsed() / 1e6;
  clock.restart();
  drills.ui().progress()->periodBox()->setCurrentIndex(2);  // the whole history, the most to read
  // Read on the history's thread; timed until the view is filled.
  QEventLoop shown;
  QObject::connect(drills.ui().progress(), &ProgressPanel::shown, &shown, &QEventLoop::quit);
  drills.ui().sections()->setCurrentIndex(1);
  shown.exec();
  QApplication::processEvents();
  t.progress = clock.nsecsElapsed() / 1e6;
  return t;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[(v.size() - 1) / 2];
}

}  // namespace
}  // namespace fretlab

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform's remarks about window hints say nothing here.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QApplication app(argc, argv);
  const QString full = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                : QStringLiteral("build/benchdata/practice.sqlite");
  if (!QFileInfo::exists(full)) {
    std::printf("no history at %s: run bench/practice_history first\n", qPrintable(full));
    return 1;
  }
  QTemporaryDir dir;
  const QString empty = dir.filePath("empty.sqlite");
  QSettings settings(dir.filePath("fretlab.conf"), QSettings::IniFormat);
  fretlab::SilentOutput output;
  for (const auto& [name, path] : {std::pair{"empty history   ", empty}, std::pair{"million answers", full}}) {
    std::vector<double> window, drill, progress;
    for (int i = 0; i < 5; ++i) {
      const fretlab::Times t = fretlab::OpenOnce(path, settings, output);
      window.push_back(t.window);
      drill.push_back(t.drill);
      progress.push_back(t.progress);
    }
    std::printf("%s: window shown %.1f ms, first drill question %.1f ms, progress view %.1f ms "
                "(medians of 5)\n",
                name, fretlab::Median(window), fretlab::Median(drill), fretlab::Median(progress));
  }
  return 0;
}
