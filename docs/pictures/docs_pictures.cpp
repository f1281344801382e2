// Makes the README's pictures of the Practice window from the real window on
// Qt's offscreen platform:
//   cmake --build build/release --target docs_pictures && ./build/release/docs_pictures docs
// Writes, each at 1400 × 680 unless said:
//   practice-drills.png     a round of Find the note, right after a miss;
//   practice-chords.png     the Chords tab's voicings of Cmaj7, the A-shape
//                           barre chosen;
//   practice-ear.png        a round of Intervals by ear, right after a miss;
//   practice-confusion.png  the Progress tab's confusion table of Chord
//                           quality by ear after a round with misses, at
//                           1400 × 900 with the neck made smaller;
//   practice-tuner.png      the Tuner tab hearing the A string 12 cents sharp;
//   practice-listening.png  a round of Find the note answered by playing.
// The guitar heard is the tests' fake capture, fed in real time with a tone
// with a string's harmonics and with notes rendered by FluidSynth from the
// named soundfont (tests/support/guitar_material.h).

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "listen/listen_settings.h"
#include "practice/history/history_thread.h"
#include "sound/backends/silent_output.h"
#include "support/fake_capture.h"
#include "support/guitar_material.h"
#include "ui/practice/chords_mode.h"
#include "ui/practice/drill_choice.h"
#include "ui/practice/drill_mode.h"
#include "ui/practice/drill_page.h"
#include "ui/practice/ear_choice.h"
#include "ui/practice/listening_bar.h"
#include "ui/practice/neck_widget.h"
#include "ui/practice/practice_app.h"
#include "ui/practice/practice_window.h"
#include "ui/practice/progress_panel.h"
#include "ui/practice/round_panel.h"

namespace fretlab {
namespace {

using testing::FakeCapture;

// A window of its own for each picture, on settings and a history in a
// scratch folder.
struct Window {
  explicit Window(const QTemporaryDir& scratch)
      : settings(scratch.filePath(QStringLiteral("fretlab.conf")), QSettings::IniFormat),
        parts(BuildPracticeWindow(output, capture, settings, &SoundClock::now, {})) {
    parts.drills->resources().useHistory(
        std::make_unique<practice::HistoryThread>(scratch.filePath(QStringLiteral("h.sqlite"))));
    parts.window->resize(1400, 680);
    parts.window->show();
  }
  PracticeWindow& operator*() { return *parts.window; }
  void Listen() { parts.window->findChild<ListeningBar*>()->listenSwitch()->setChecked(true); }
  void StartFindTheNote() {
    DrillMode& drills = *parts.drills;
    ShowMode(*parts.window, drills);
    drills.ui().choice()->stringsField()->setText(QStringLiteral("1-3"));
    drills.ui().choice()->questionsBox()->setValue(10);
    drills.ui().choice()->startButton()->click();
  }

  SilentOutput output;
  FakeCapture capture;
  QSettings settings;
  PracticeParts parts;
};

void Click(PracticeWindow& window, Position p) {
  const NeckPoint c = window.neck().layout().Centre(p);
  QTest::mouseClick(&window.neck(), Qt::LeftButton, {}, QPoint(static_cast<int>(c.x), static_cast<int>(c.y)));
}

// Hands `samples` to the window in blocks as a capture's thread would, in
// real time, so that its meter and readings move as they do for a player.
void Play(FakeCapture& capture, const std::vector<float>& samples) {
  constexpr std::size_t kBlock = 1024;
  const SoundClock::time_point start = SoundClock::now();
  for (std::size_t i = 0; i < samples.size(); i += kBlock) {
    const std::vector<float> block(samples.begin() + i, samples.begin() + std::min(samples.size(), i + kBlock));
    capture.Deliver(block, start + std::chrono::duration_cast<SoundClock::duration>(std::chrono::duration<double>(
                                       double(i) / testing::kMaterialRate)));
    QTest::qWait(23);
  }
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

bool Drills(const QDir& folder) {
  QTemporaryDir scratch;
  Window window(scratch);
  window.StartFindTheNote();
  const practice::Question q = window.parts.drills->session().round()->Current();
  if (q.targets.size() < 2) return false;
  QTest::qWait(1100);
  Click(*window, q.targets[0]);
  QTest::qWait(1400);
  Position wrong = q.targets[1];
  wrong.fret = wrong.fret == 0 ? 2 : wrong.fret - 1;
  Click(*window, wrong);
  QTest::qWait(900);  // the flash of the right answer is gone
  return Save(*window, folder, QStringLiteral("practice-drills.png"));
}

bool Chords(const QDir& folder) {
  QTemporaryDir scratch;
  Window window(scratch);
  ChordsMode& chords = *window.parts.chords;
  ShowMode(*window, chords);
  chords.symbolField()->setText(QStringLiteral("Cmaj7"));
  chords.rebuild();
  const auto& found = chords.voicings();
  for (int i = 0; i < static_cast<int>(found.size()); ++i) {
    if (found[i].FretsText() == "x35453") chords.list()->setCurrentRow(i);
  }
  return Save(*window, folder, QStringLiteral("practice-chords.png"));
}

// Types `text` into the round's answer field and enters it.
void Answer(DrillMode& drills, const std::string& text) {
  drills.ui().round()->answerField()->setText(QString::fromStdString(text));
  emit drills.ui().round()->answerField()->returnPressed();
  QApplication::processEvents();
}

bool EarPictures(const QDir& folder) {
  using practice::QuestionKind;
  QTemporaryDir scratch;
  Window window(scratch);
  DrillMode& drills = *window.parts.drills;
  ShowMode(*window, drills);
  drills.ui().choice()->stringsField()->clear();
  drills.ui().choice()->drillBox()->setCurrentIndex(static_cast<int>(QuestionKind::kEarInterval));
  drills.ui().ear()->ladderBox()->setCurrentIndex(2);  // P4 P5 P8, M3 m3, M2 m2
  drills.ui().choice()->startButton()->click();
  const std::string asked = drills.session().round()->Current().asked;
  Answer(drills, asked == "M3" ? "m3" : "M3");
  if (!Save(*window, folder, QStringLiteral("practice-ear.png"))) return false;
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
  (*window).resize(1400, 900);
  QApplication::processEvents();
  if (auto* split = (*window).findChild<QSplitter*>()) split->setSizes({250, 650});
  QTest::qWait(500);
  return Save(*window, folder, QStringLiteral("practice-confusion.png"));
}

bool TunerPicture(const QDir& folder) {
  QTemporaryDir scratch;
  Window window(scratch);
  window.Listen();
  ShowMode(*window, *window.parts.tuner);
  Play(window.capture, testing::HarmonicTone(NoteHz(45.12), 1.0, 8, -14));
  return Save(*window, folder, QStringLiteral("practice-tuner.png"));
}

bool PlayedDrill(const QDir& folder) {
  QTemporaryDir scratch;
  Window window(scratch);
  window.Listen();
  window.StartFindTheNote();
  const practice::Round& round = *window.parts.drills->session().round();
  // Two of the positions asked for, played one after the other; the picture
  // is taken while the second still sounds.
  std::vector<testing::PlayedNote> notes;
  for (std::size_t i = 0; i < std::min<std::size_t>(2, round.Current().targets.size()); ++i) {
    notes.push_back({practice::PitchAt(round.Setup(), round.Current().targets[i]), 0.3 + 1.2 * i, 1.5, 100});
  }
  Play(window.capture, testing::RenderNotes(24, notes, 1.2 * notes.size()));
  return Save(*window, folder, QStringLiteral("practice-listening.png"));
}

}  // namespace
}  // namespace fretlab

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
  return fretlab::Drills(folder) && fretlab::Chords(folder) && fretlab::EarPictures(folder) &&
                 fretlab::TunerPicture(folder) && fretlab::PlayedDrill(folder)
             ? 0
             : 1;
}
