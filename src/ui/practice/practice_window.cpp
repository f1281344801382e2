#include "ui/practice/practice_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include "ui/file_names.h"
#include "ui/practice/neck_widget.h"
#include "ui/practice/picture_export.h"

namespace fretlab {

namespace {

const QColor kPlayingRing(0, 0, 0);
constexpr int kReportMs = 10'000;

}  // namespace

PracticeWindow::PracticeWindow(MidiOutput& output, QSettings& settings,
                               std::function<SoundClock::time_point()> now, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_playback(output, std::move(now)) {
  setWindowTitle(tr("Fretlab Practice"));
  m_neck = new NeckWidget;
  m_neck->setAccessibleDescription(m_neck->accessibleDescription());
  m_controls = new PracticeControls;
  m_controls->setChoices(LoadPracticeChoices(settings));

  // The neck takes the whole width, as a neck is wide; the controls, the
  // sound buttons and the mode area sit below it.
  m_splitter = new QSplitter(Qt::Vertical, this);
  m_splitter->addWidget(m_neck);
  m_splitter->addWidget(buildControlPanel());
  m_splitter->setStretchFactor(0, 1);
  m_splitter->setStretchFactor(1, 0);
  m_splitter->setChildrenCollapsible(false);
  setCentralWidget(m_splitter);
  buildMenus();
  statusBar()->showMessage(tr("Point at the neck to see a note; click it to hear it."));

  connect(m_controls, &PracticeControls::choicesChanged, this, &PracticeWindow::choicesChanged);
  connect(m_modes, &QTabWidget::currentChanged, this, &PracticeWindow::modeChanged);
  connect(m_neck, &NeckWidget::positionClicked, this,
          [this](Position p) { currentMode()->positionClicked(p); });
  connect(m_neck, &NeckWidget::positionActivated, this,
          [this](Position p) { currentMode()->positionActivated(p); });
  connect(m_neck, &NeckWidget::muteClicked, this,
          [this](int s) { currentMode()->muteClicked(s); });
  connect(m_neck, &NeckWidget::hovered, this, &PracticeWindow::hovered);
  connect(&m_playback, &PlaybackDriver::stepChanged, this, &PracticeWindow::stepChanged);
  m_neck->setDescriber([this](Position p) {
    return QString::fromStdString(DescribeForReader(view(), p));
  });

  resize(1400, 680);
  restoreGeometry(settings.value(QStringLiteral("Practice/geometry")).toByteArray());
  m_splitter->restoreState(settings.value(QStringLiteral("Practice/splitter")).toByteArray());
  choicesChanged();
  m_neck->setFocus();
}

PracticeWindow::~PracticeWindow() {
  m_playback.stop();
  // The child widgets outlive the modes and the player; whatever they still
  // signal while they are taken down must not reach them.
  for (QObject* sender : {static_cast<QObject*>(m_modes), static_cast<QObject*>(m_neck),
                          static_cast<QObject*>(m_controls), static_cast<QObject*>(&m_playback)}) {
    disconnect(sender, nullptr, this, nullptr);
  }
}

QWidget* PracticeWindow::buildControlPanel() {
  auto* panel = new QWidget;
  auto* row = new QHBoxLayout(panel);
  row->addWidget(m_controls);
  auto* soundColumn = new QVBoxLayout;
  row->addLayout(soundColumn);
  auto* layout = soundColumn;

  auto* sound = new QHBoxLayout;
  // Mnemonics are unique across the window: Pla&y, Str&um; Stop has Escape.
  auto* playButton = new QPushButton(tr("Pla&y"), panel);
  auto* strumButton = new QPushButton(tr("Str&um"), panel);
  auto* stopButton = new QPushButton(tr("Stop"), panel);
  for (QPushButton* b : {playButton, strumButton, stopButton}) {
    b->setAccessibleName(b->text().remove(QLatin1Char('&')));
    sound->addWidget(b);
  }
  connect(playButton, &QPushButton::clicked, this, &PracticeWindow::play);
  connect(strumButton, &QPushButton::clicked, this, &PracticeWindow::strum);
  connect(stopButton, &QPushButton::clicked, this, [this] { stopPlaying(); });
  layout->addLayout(sound);
  auto* lengthRow = new QHBoxLayout;
  m_noteLength = new QSpinBox(panel);
  m_noteLength->setRange(kMinNoteLengthMs, kMaxNoteLengthMs);
  m_noteLength->setSingleStep(50);
  m_noteLength->setSuffix(tr(" ms"));
  m_noteLength->setAccessibleName(tr("Note length in milliseconds"));
  m_noteLength->setValue(m_controls->choices().noteLengthMs);
  connect(m_noteLength, &QSpinBox::valueChanged, this, [this](int ms) {
    PracticeChoices choices = m_controls->choices();
    choices.noteLengthMs = ms;
    m_controls->setChoices(choices);
    SavePracticeChoices(m_settings, choices);
  });
  auto* lengthLabel = new QLabel(tr("Note len&gth:"), panel);
  lengthLabel->setBuddy(m_noteLength);
  lengthRow->addWidget(lengthLabel);
  lengthRow->addWidget(m_noteLength);
  layout->addLayout(lengthRow);

  m_modes = new QTabWidget(panel);
  m_modes->setAccessibleName(tr("Modes"));
  layout->addWidget(m_modes, 1);
  return panel;
}

void PracticeWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  m_exportAction = file->addAction(tr("&Export Picture\u2026"), this, &PracticeWindow::exportPicture);
  m_exportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  file->addSeparator();
  QAction* close = file->addAction(tr("&Close"), this, &QWidget::close);
  close->setShortcut(QKeySequence::Close);

  QMenu* choose = menuBar()->addMenu(tr("&Choose"));
  choose->addAction(tr("Root &Up"), QKeySequence(Qt::CTRL | Qt::Key_Up), this,
                    [this] { m_controls->stepRoot(1); });
  choose->addAction(tr("Root &Down"), QKeySequence(Qt::CTRL | Qt::Key_Down), this,
                    [this] { m_controls->stepRoot(-1); });
  choose->addAction(tr("&Next Scale or Chord"), QKeySequence(Qt::CTRL | Qt::Key_Right), this,
                    [this] { m_controls->stepEntry(1); });
  choose->addAction(tr("&Previous Scale or Chord"), QKeySequence(Qt::CTRL | Qt::Key_Left), this,
                    [this] { m_controls->stepEntry(-1); });
  choose->addAction(tr("Next &Labels"), QKeySequence(Qt::CTRL | Qt::Key_L), this,
                    [this] { m_controls->nextLabels(); });
  m_leftHandedAction = choose->addAction(tr("L&eft-Handed"), QKeySequence(Qt::CTRL | Qt::Key_H),
                                         this, [this](bool on) { m_controls->setLeftHanded(on); });
  m_leftHandedAction->setCheckable(true);

  QMenu* sound = menuBar()->addMenu(tr("&Sound"));
  sound->addAction(tr("&Play"), QKeySequence(Qt::CTRL | Qt::Key_P), this, &PracticeWindow::play);
  sound->addAction(tr("&Strum"), QKeySequence(Qt::CTRL | Qt::Key_T), this, &PracticeWindow::strum);
  sound->addAction(tr("S&top"), QKeySequence(Qt::Key_Escape), this, [this] { stopPlaying(); });
}

std::chrono::milliseconds PracticeWindow::noteLength() const {
  return std::chrono::milliseconds(m_controls->choices().noteLengthMs);
}

void PracticeWindow::report(const QString& message) { statusBar()->showMessage(message, kReportMs); }

void PracticeWindow::addMode(std::unique_ptr<PracticeMode> mode) {
  PracticeMode& added = *m_ownedModes.emplace_back(std::move(mode));
  QWidget* page = added.page();
  page->setAccessibleName(QString(added.title()).remove(QLatin1Char('&')));
  // The first tab becomes current as it is added, which modeChanged() sees.
  m_modes->addTab(page, added.title());
}

void PracticeWindow::modeChanged() {
  PracticeMode* current = currentMode();
  for (auto& mode : m_ownedModes) {
    if (mode.get() != current) mode->setActive(false);
  }
  stopPlaying();
  if (current != nullptr) current->setActive(true);
  showOnNeck();
}

PracticeMode* PracticeWindow::currentMode() const {
  const int index = m_modes != nullptr ? m_modes->currentIndex() : -1;
  if (index < 0 || index >= static_cast<int>(m_ownedModes.size())) return nullptr;
  return m_ownedModes[index].get();
}

void PracticeWindow::choicesChanged() {
  const PracticeChoices& choices = m_controls->choices();
  SavePracticeChoices(m_settings, choices);
  m_leftHandedAction->setChecked(choices.view.leftHanded);
  stopPlaying();
  // The neck keeps its overlays; the mode then sets its own marks.
  m_neck->setPicture(PictureOfView(view()));
  showOnNeck();
}

void PracticeWindow::showOnNeck() {
  if (PracticeMode* mode = currentMode()) mode->showOnNeck();
}

void PracticeWindow::playShown() { playPositions(MarkedNotes(BuildMarks(view()))); }

void PracticeWindow::strumShown() { strumPositions(ChordVoicing(view())); }

void PracticeWindow::play() {
  if (PracticeMode* mode = currentMode(); mode == nullptr || !mode->play()) playShown();
}

void PracticeWindow::strum() {
  if (PracticeMode* mode = currentMode(); mode == nullptr || !mode->strum()) strumShown();
}

void PracticeWindow::stepChanged(int step) {
  if (step < 0) {
    m_neck->clearHighlights();
    return;
  }
  m_neck->setHighlights(m_playback.schedule().Steps()[step].marks, kPlayingRing);
}

void PracticeWindow::hovered(std::optional<Position> position) {
  if (!position) {
    statusBar()->clearMessage();
    QToolTip::hideText();
    return;
  }
  const QString text = QString::fromStdString(DescribeForHover(view(), *position));
  statusBar()->showMessage(text);
  const NeckPoint c = m_neck->layout().Centre(*position);
  QToolTip::showText(m_neck->mapToGlobal(QPoint(static_cast<int>(c.x), static_cast<int>(c.y))),
                     text, m_neck);
}

bool PracticeWindow::exportPictureTo(const QString& path, QString* error) {
  NeckPicture picture = m_neck->picture();
  picture.highlights.clear();
  picture.flashes.clear();
  picture.hover.reset();
  picture.cursor.reset();
  return WritePicture(NativeFileName(path), QSizeF(m_neck->size()), picture,
                      QString::fromStdString(view().Title()), 2.0 * m_neck->devicePixelRatioF(),
                      error);
}

void PracticeWindow::exportPicture() {
  QString filter = tr("SVG picture (*.svg)");
  QString path = QFileDialog::getSaveFileName(
      this, tr("Export Picture"), QString::fromStdString(view().Title()).remove(QChar(0x2014)),
      tr("SVG picture (*.svg);;PNG picture (*.png)"), &filter);
  if (path.isEmpty()) return;
  if (!PictureFormatOf(path.toStdString())) {
    path += filter.contains(QLatin1String("png")) ? QStringLiteral(".png") : QStringLiteral(".svg");
  }
  QString error;
  if (!exportPictureTo(path, &error)) {
    QMessageBox::warning(this, tr("Export Picture"), error);
  }
}

void PracticeWindow::closeEvent(QCloseEvent* event) {
  stopPlaying();
  for (auto& mode : m_ownedModes) mode->closing();
  m_settings.setValue(QStringLiteral("Practice/geometry"), saveGeometry());
  m_settings.setValue(QStringLiteral("Practice/splitter"), m_splitter->saveState());
  m_settings.sync();
  QMainWindow::closeEvent(event);
}

}  // namespace fretlab
