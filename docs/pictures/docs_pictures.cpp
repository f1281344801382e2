// Makes the README's pictures of the Practice window from the real window on
// Qt's offscreen platform:
//   cmake --build build/release --target docs_pictures && ./build/release/docs_pictures docs
// Writes practice-drills.png: a round of Find the note at 1400 × 680, right
// after a miss.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "practice/history/history_thread.h"
#include "sound/backends/silent_output.h"
#include "ui/practice/drill_choice.h"
#include "ui/practice/drill_mode.h"
#include "ui/practice/drill_page.h"
#include "ui/practice/neck_widget.h"
#include "ui/practice/practice_app.h"
#include "ui/practice/practice_window.h"

namespace fretlab {
namespace {

void Click(PracticeWindow& window, Position p) {
  const NeckPoint c = window.neck().layout().Centre(p);
  QTest::mouseClick(&window.neck(), Qt::LeftButton, {}, QPoint(static_cast<int>(c.x), static_cast<int>(c.y)));
}

bool Save(QWidget& window, const QDir& folder, const QString& name) {
  QApplication::processEvents();
  const QString path = folder.filePath(name);
  if (!window.grab().save(path)) {
    std::fprintf(stderr, "docs_pictures: could not write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

int Run(const QDir& folder) {
  QTemporaryDir scratch;
  QSettings settings(scratch.filePath(QStringLiteral("fretlab.conf")), QSettings::IniFormat);
  SilentOutput output;
  PracticeParts parts = BuildPracticeWindow(output, settings, &SoundClock::now, {});
  PracticeWindow& window = *parts.window;
  DrillMode& drills = *parts.drills;
  drills.resources().useHistory(std::make_unique<practice::HistoryThread>(scratch.filePath("h.sqlite")));
  window.resize(1400, 680);
  window.show();
  window.modeArea()->setCurrentIndex(2);
  drills.ui().choice()->stringsField()->setText(QStringLiteral("1-3"));
  drills.ui().choice()->questionsBox()->setValue(10);
  drills.ui().choice()->startButton()->click();
  const practice::Question q = drills.session().round()->Current();
  if (q.targets.size() < 2) return 1;
  QTest::qWait(1100);
  Click(window, q.targets[0]);
  QTest::qWait(1400);
  Position wrong = q.targets[1];
  wrong.fret = wrong.fret == 0 ? 2 : wrong.fret - 1;
  Click(window, wrong);
  QTest::qWait(900);  // the flash of the right answer is gone
  return Save(window, folder, QStringLiteral("practice-drills.png")) ? 0 : 1;
}

}  // namespace
}  // namespace fretlab

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return fretlab::Run(QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs")));
}
