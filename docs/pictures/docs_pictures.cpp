// Makes the README's pictures of the Practice window from the real window on
// Qt's offscreen platform:
//   cmake --build build/release --target docs_pictures && ./build/release/docs_pictures docs
// Writes practice-drills.png: a round of Find the note at 1400 × 680, right
// after a miss; practice-chords.png: the Chords tab's voicings of Cmaj7, the
// A-shape barre chosen; practice-ear.png: a round of Intervals by ear right
// after a miss; practice-confusion.png: the Progress tab's confusion table of
// Chord quality by ear after a round with misses, at 1400 × 900 with the neck
// made smaller.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "practice/history/history_thread.h"
#include "sound/backends/silent_output.h"
#include "ui/practice/chords_mode.h"
#include "ui/practice/drill_choice.h"
#include "ui/practice/drill_mode.h"
#include "ui/practice/drill_page.h"
#include "ui/practice/ear_choice.h"
#include "ui/practice/progress_panel.h"
#include "ui/practice/round_panel.h"
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

bool SaveChords(const QDir& folder) {
  QTemporaryDir scratch;
  QSettings settings(scratch.filePath(QStringLiteral("fretlab.conf")), QSettings::IniFormat);
  SilentOutput output;
  PracticeParts parts = BuildPracticeWindow(output, settings, &SoundClock::now, {});
  PracticeWindow& window = *parts.window;
  window.resize(1400, 680);
  window.show();
  ShowMode(window, *parts.chords);
  parts.chords->symbolField()->setText(QStringLiteral("Cmaj7"));
  parts.chords->rebuild();
  const auto& found = parts.chords->voicings();
  for (int i = 0; i < static_cast<int>(found.size()); ++i) {
    if (found[i].FretsText() == "x35453") parts.chords->list()->setCurrentRow(i);
  }
  return Save(window, folder, QStringLiteral("practice-chords.png"));
}

// Types `text` into the round's answer field and enters it.
void Answer(DrillMode& drills, const std::string& text) {
  drills.ui().round()->answerField()->setText(QString::fromStdString(text));
  emit drills.ui().round()->answerField()->returnPressed();
  QApplication::processEvents();
}

int EarPictures(PracticeWindow& window, DrillMode& drills, const QDir& folder) {
  using practice::QuestionKind;
  drills.ui().choice()->stringsField()->clear();
  drills.ui().choice()->drillBox()->setCurrentIndex(static_cast<int>(QuestionKind::kEarInterval));
  drills.ui().ear()->ladderBox()->setCurrentIndex(2);  // P4 P5 P8, M3 m3, M2 m2
  drills.ui().choice()->startButton()->click();
  const std::string asked = drills.session().round()->Current().asked;
  Answer(drills, asked == "M3" ? "m3" : "M3");
  if (!Save(window, folder, QStringLiteral("practice-ear.png"))) return 1;
  drills.ui().round()->stopButton()->click();

  // A round of qualities where minor is heard as major now and then.
  drills.ui().choice()->drillBox()->setCurrentIndex(static_cast<int>(QuestionKind::kEarChordQuality));
  drills.ui().ear()->ladderBox()->setCurrentIndex(1);
  drills.ui().choice()->questionsBox()->setValue(16);
  drills.ui().choice()->startButton()->click();
  for (int i = 0; drills.session().Running(); ++i) {
    const std::string quality = drills.session().round()->Current().asked;
    const bool slip = (quality == "minor" && i % 3 == 0) || (quality == "augmented" && i % 2 == 0);
    Answer(drills, slip ? (quality == "minor" ? "major" : "diminished") : quality);
    if (drills.reviewing()) drills.ui().round()->nextButton()->click();
  }
  drills.ui().sections()->setCurrentIndex(1);
  ProgressPanel& progress = *drills.ui().progress();
  progress.drillBox()->setCurrentIndex(static_cast<int>(QuestionKind::kEarChordQuality) + 1);
  progress.periodBox()->setCurrentIndex(2);
  progress.tableBox()->setCurrentIndex(2);
  // Room for the table: the neck made smaller by the splitter's handle, as a
  // user drags it.
  window.resize(1400, 900);
  QApplication::processEvents();
  if (auto* split = window.findChild<QSplitter*>()) split->setSizes({250, 650});
  QTest::qWait(500);
  return Save(window, folder, QStringLiteral("practice-confusion.png")) ? 0 : 1;
}

int Run(const QDir& folder) {
  if (!SaveChords(folder)) return 1;
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
  if (!Save(window, folder, QStringLiteral("practice-drills.png"))) return 1;
  drills.ui().round()->stopButton()->click();
  return EarPictures(window, drills, folder);
}

}  // namespace
}  // namespace fretlab

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return fretlab::Run(QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs")));
}
