// The README's pictures of listening: the Practice window, grabbed on the
// offscreen platform, with a guitar heard through a capture fed here with
// notes rendered by FluidSynth (the tests' material): the tuner reading an
// A string a little sharp, and a find-the-note question answered by
// playing. Not part of the test suite.
//
//   listening_pictures docs/practice-tuner.png docs/practice-listening.png

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include "listen/listen_settings.h"
#include "practice/drill.h"
#include "sound/backends/silent_output.h"
#include "support/fake_capture.h"
#include "support/guitar_material.h"
#include "ui/practice/drill_choice.h"
#include "ui/practice/drill_mode.h"
#include "ui/practice/drill_page.h"
#include "ui/practice/listening_bar.h"
#include "ui/practice/neck_widget.h"
#include "ui/practice/practice_app.h"
#include "ui/practice/practice_window.h"

namespace fretlab {
namespace {

using testing::FakeCapture;

// Hands `samples` to the window as the capture's thread would, in real time,
// so that the window's meter and readings move as they do for a player.
void Play(FakeCapture& capture, const std::vector<float>& samples) {
  const std::size_t block = 1024;
  const SoundClock::time_point start = SoundClock::now();
  for (std::size_t i = 0; i < samples.size(); i += block) {
    std::vector<float> part(samples.begin() + i, samples.begin() + std::min(samples.size(), i + block));
    capture.Deliver(part, start + std::chrono::duration_cast<SoundClock::duration>(
                                      std::chrono::duration<double>(double(i) / testing::kMaterialRate)));
    QApplication::processEvents();
    QThread::msleep(23);
  }
  QApplication::processEvents();
}

bool Save(PracticeWindow& window, const char* path) {
  QApplication::processEvents();
  if (window.grab().save(QString::fromLocal8Bit(path))) return true;
  std::fprintf(stderr, "listening_pictures: cannot write %s\n", path);
  return false;
}

bool TunerPicture(const char* path, QSettings& settings) {
  SilentOutput output;
  FakeCapture capture;
  PracticeParts parts = BuildPracticeWindow(output, capture, settings, &SoundClock::now, {});
  PracticeWindow& window = *parts.window;
  window.resize(1400, 680);
  window.show();
  window.modeArea()->setCurrentIndex(3);
  window.findChild<ListeningBar*>()->listenSwitch()->setChecked(true);
  // The A string, 12 cents sharp: a tone with a string's harmonics.
  Play(capture, testing::HarmonicTone(NoteHz(45.12), 1.0, 8, -14));
  return Save(window, path);
}

bool DrillPicture(const char* path, QSettings& settings, const QString& history) {
  SilentOutput output;
  FakeCapture capture;
  PracticeParts parts = BuildPracticeWindow(output, capture, settings, &SoundClock::now, {});
  PracticeWindow& window = *parts.window;
  window.resize(1400, 680);
  window.show();
  window.findChild<ListeningBar*>()->listenSwitch()->setChecked(true);
  window.modeArea()->setCurrentIndex(2);
  DrillMode& drills = *parts.drills;
  drills.resources().useHistory(std::make_unique<practice::HistoryThread>(history));
  drills.ui().choice()->drillBox()->setCurrentIndex(static_cast<int>(practice::QuestionKind::kFindNote));
  drills.ui().choice()->stringsField()->setText(QStringLiteral("1-3"));
  drills.ui().choice()->questionsBox()->setValue(10);
  drills.ui().choice()->startButton()->click();
  const practice::Question& q = drills.session().round()->Current();
  // Two of the positions asked for, played one after the other.
  std::vector<testing::PlayedNote> notes;
  for (std::size_t i = 0; i < std::min<std::size_t>(2, q.targets.size()); ++i) {
    notes.push_back({practice::PitchAt(drills.session().round()->Setup(), q.targets[i]), 0.3 + 1.2 * i, 1.0, 100});
  }
  Play(capture, testing::RenderNotes(24, notes, 0.3 + 1.2 * notes.size()));
  return Save(window, path);
}

}  // namespace
}  // namespace fretlab

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: listening_pictures TUNER.png DRILL.png\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir folder;
  qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
  QApplication application(argc, argv);
  QSettings settings(folder.filePath(QStringLiteral("fretlab.conf")), QSettings::IniFormat);
  const bool done = fretlab::TunerPicture(argv[1], settings) &&
                    fretlab::DrillPicture(argv[2], settings, folder.filePath(QStringLiteral("practice.sqlite")));
  return done ? 0 : 1;
}
